// Which connected cameras take the settings shown in the window: a check box
// per camera, naming it (its label or folder), its firmware and whether that
// firmware is supported; the camera whose file is open is marked. A camera
// this program cannot write is listed, unticked, so that the user sees why.
#pragma once

#include "CameraMonitor.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QPushButton;

class CameraChoiceDialog : public QDialog {
    Q_OBJECT

  public:
    // `openCardMount` is the mount point of the open file's card, or empty.
    CameraChoiceDialog(const QList<Card>& cameras, const QString& openCardMount, QWidget* parent);

    // The cameras ticked, in the order listed.
    QList<Card> chosen() const;

  private:
    void enableApply();

    QList<Card> cameras_;
    QList<QCheckBox*> boxes_;
    QPushButton* apply_;
};
