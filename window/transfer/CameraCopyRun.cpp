#include "CameraCopyRun.h"

#include "BackgroundTask.h"
#include "CameraCopy.h"
#include "CameraFiles.h"
#include "StatusMessages.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// A refusal's alert text on one line: "Firmware v2.30 not supported! ...".
QString oneLine(const std::string& text) {
    return QString::fromStdString(text).simplified();
}

CameraCopyLine lineFor(const CameraCopy& copy) {
    switch (copy.result) {
    case CameraCopy::savedAndChecked:
        return {CameraCopyLine::savedAndChecked,
                {},
                QCoreApplication::translate("CameraCopyRun", "saved and checked")};
    case CameraCopy::notChecked:
        return {CameraCopyLine::notSaved,
                {},
                QCoreApplication::translate(
                    "CameraCopyRun", "not checked: the file read back holds other settings")};
    case CameraCopy::notSaved:
        return {CameraCopyLine::notSaved,
                {},
                QCoreApplication::translate("CameraCopyRun", "not saved: %1")
                    .arg(saveFailureReason(copy.save.error))};
    case CameraCopy::busy:
        return {CameraCopyLine::notSaved,
                {},
                QCoreApplication::translate("CameraCopyRun",
                                            "not saved: another program is using its file")};
    case CameraCopy::unreadable:
        return {
            CameraCopyLine::notSaved,
            {},
            QCoreApplication::translate("CameraCopyRun", "not saved: its file cannot be read (%1)")
                .arg(oneLine(copy.reason))};
    case CameraCopy::refused:
    case CameraCopy::wouldChange: // no dry run here
        break;
    }
    return {CameraCopyLine::refused,
            {},
            QCoreApplication::translate("CameraCopyRun", "refused: %1").arg(oneLine(copy.reason))};
}

} // namespace

CameraCopyRun::CameraCopyRun(const QList<Card>& cameras, const SettingValues& values,
                             bool setsClock, QObject* parent)
    : QObject(parent), values_(values), setsClock_(setsClock), limit_(new QTimer(this)) {
    for (const Card& card : cameras)
        lines_.append({CameraCopyLine::notTried, card,
                       QCoreApplication::translate("CameraCopyRun", "not tried")});
    limit_->setSingleShot(true);
    limit_->setInterval(kCardWaitLimit);
    connect(limit_, &QTimer::timeout, this, [this] {
        record(next_, CameraCopyLine::notSaved,
               QCoreApplication::translate(
                   "CameraCopyRun", "not saved: the card is not answering; what it holds now is "
                                    "unknown"));
    });
}

void CameraCopyRun::start() {
    next_ = 0;
    copyNext();
}

void CameraCopyRun::cancel() {
    cancelled_ = true;
}

void CameraCopyRun::copyNext() {
    if (cancelled_ || next_ >= lines_.size()) {
        emit finished();
        return;
    }
    emit progressed(next_, lines_.at(next_).card.name);
    const unsigned attempt = ++attempt_;
    const int index = next_;
    // The work touches only its own copies: a card that never answers keeps
    // its thread, and its answer, if it ever comes, is dropped.
    std::function<CameraCopy()> work = [path = lines_.at(index).card.configPath.toStdString(),
                                        values = values_, setsClock = setsClock_] {
        CameraCopyOptions options;
        options.clock =
            setsClock ? CameraCopyOptions::Clock::set : CameraCopyOptions::Clock::leaveAlone;
        options.lockLimit = kLockLimit;
        return copyIntoCamera(
            path, [&values](const KaveloConfigParser&) { return values; }, options);
    };
    limit_->start();
    runBeside<CameraCopy>(this, std::move(work), [this, attempt, index](const CameraCopy& copy) {
        if (attempt != attempt_)
            return;
        const CameraCopyLine line = lineFor(copy);
        record(index, line.kind, line.text);
    });
}

void CameraCopyRun::record(int index, CameraCopyLine::Kind kind, const QString& text) {
    limit_->stop();
    ++attempt_; // whatever else comes for this camera is late
    lines_[index].kind = kind;
    lines_[index].text = text;
    next_ = index + 1;
    copyNext();
}
