// What became of each camera of Apply to Connected Cameras: one line each
// (saved and checked, not saved and why, refused and why, not tried), and
// Eject All for the cameras saved, where the storage service can eject.
#pragma once

#include "CameraCopyRun.h"

#include <QDialog>

class CopyResultsDialog : public QDialog {
    Q_OBJECT

  public:
    CopyResultsDialog(const QList<CameraCopyLine>& lines, bool canEject, QWidget* parent);

  signals:
    // The user asked to eject these cameras: the ones saved and checked.
    void ejectAll(const QList<Card>& saved);
};

// "Saved and checked on 2 of 3 cameras".
QString copySummary(const QList<CameraCopyLine>& lines);
