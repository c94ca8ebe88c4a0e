// The settings shown in the window written into several cameras' files, one
// camera after the other, each beside the window with a time limit: a card
// that stops answering costs its own line, not the window. Each camera keeps
// its identifier texts; each file is read back and compared.
#pragma once

#include "CameraMonitor.h"
#include "SettingValues.h"

#include <QList>
#include <QObject>
#include <QString>

class QTimer;

// What became of one camera.
struct CameraCopyLine {
    enum Kind { savedAndChecked, notSaved, refused, notTried } kind = notTried;
    Card card;
    QString text; // "saved and checked", "not saved: the card is write-protected" ...
};

class CameraCopyRun : public QObject {
    Q_OBJECT

  public:
    // `values` are the settings to write; `setsClock` whether each camera's
    // clock is set from this computer's (else it is left alone).
    CameraCopyRun(const QList<Card>& cameras, const SettingValues& values, bool setsClock,
                  QObject* parent = nullptr);

    // Begins with the first camera; finished() follows the last.
    void start();
    // Stops before the next camera: the ones not begun are left untouched.
    void cancel();

    // One line per camera, in the order given; lines not yet reached are
    // "not tried".
    const QList<CameraCopyLine>& lines() const { return lines_; }
    int done() const { return next_; }

  signals:
    void progressed(int done, const QString& nextName);
    void finished();

  private:
    void copyNext();
    void record(int index, CameraCopyLine::Kind kind, const QString& text);

    QList<CameraCopyLine> lines_;
    SettingValues values_;
    bool setsClock_;
    int next_ = 0;
    bool cancelled_ = false;
    unsigned attempt_ = 0; // a late answer of a camera given up on is dropped
    QTimer* limit_;
};
