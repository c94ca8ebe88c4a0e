#include "StatusMessages.h"
#include "SettingText.h"

#include "CameraRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// An alert's text on one line.
QString oneLine(const QString& text) {
    return text.simplified();
}

} // namespace

QString shownMessage(const load_messages::Message& message) {
    QString text = QCoreApplication::translate("LoadMessages", message.text);
    for (const std::string& argument : message.arguments)
        text = text.arg(QString::fromStdString(argument));
    return text;
}

QString refusalAlert(int revisionNumber, int firmwareNumber) {
    return shownMessage(load_messages::failure(revisionNumber, firmwareNumber));
}

QString noIdentifiersFinding() {
    return QCoreApplication::translate("StatusMessages",
                                       "no camera identifiers, so no camera's configuration file");
}

QString loadedStatus(const QString& path) {
    return QCoreApplication::translate("StatusMessages", "Loaded %1").arg(shown(path));
}

QString refusedStatus(const QString& path, const QString& alert, const QString& saveWrites) {
    QString status = QCoreApplication::translate("StatusMessages", "Not loaded: %1: %2")
                         .arg(shown(path), oneLine(alert));
    if (!saveWrites.isEmpty())
        status += QCoreApplication::translate("StatusMessages", " Save still writes %1.")
                      .arg(shown(saveWrites));
    return status;
}

QString savedStatus(const QString& path) {
    return QCoreApplication::translate("StatusMessages", "Saved %1").arg(shown(path));
}

QString notSavedStatus(const QString& path, int error) {
    return QCoreApplication::translate("StatusMessages", "Not saved: %1: %2; the file is as it was")
        .arg(shown(path), saveFailureReason(error));
}

QString saveFailureReason(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("StatusMessages", "the card is full");
    case EFBIG:
        return QCoreApplication::translate("StatusMessages",
                                           "the file would be larger than this system allows");
    case EROFS:
        return QCoreApplication::translate("StatusMessages", "the card is write-protected");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("StatusMessages", "you may not write this file");
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case EIO:
    case ESTALE:
        return QCoreApplication::translate("StatusMessages",
                                           "the card was removed or cannot be reached");
    case 0:
        return QCoreApplication::translate("StatusMessages", "the file could not be written");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

namespace {

const struct {
    const char* mode;
    const rules::VideoMode& settings;
} kModes[] = {{QT_TRANSLATE_NOOP("Settings", "Video mode 1"), rules::kVideoMode1},
              {QT_TRANSLATE_NOOP("Settings", "Video mode 2"), rules::kVideoMode2}};

} // namespace

QString loadRuleChanges(const SettingValues& read, const SettingValues& shown) {
    QStringList sentences;
    for (const auto& mode : kModes) {
        // A resolution and a frame rate that do not go together are named,
        // and left as the file holds them: no rule runs on a load.
        const int resolution = read[mode.settings.resolution];
        const int frameRate = read[mode.settings.frameRate];
        const char* resolutionText = valueCaption(mode.settings.resolution, resolution);
        const char* frameRateText = valueCaption(mode.settings.frameRate, frameRate);
        if (!rules::combinationAllowed(resolution, frameRate) && resolutionText != nullptr &&
            frameRateText != nullptr)
            sentences << QCoreApplication::translate("StatusMessages",
                                                     "%1: %2 does not record at %3")
                             .arg(settingText(mode.mode), settingText(resolutionText),
                                  settingText(frameRateText));
        const int clip = mode.settings.clipLength;
        if (read[clip] == shown[clip])
            continue;
        const char* caption = valueCaption(clip, shown[clip]);
        sentences << QCoreApplication::translate(
                         "StatusMessages", "%1: %2 lowered to %3 because %4 is on; Save writes it")
                         // The two settings within a sentence, as each language writes them there.
                         .arg(settingText(mode.mode),
                              QCoreApplication::translate("StatusMessages", "clip length"),
                              (caption != nullptr ? settingText(caption) : QStringLiteral("?")),
                              QCoreApplication::translate("StatusMessages", "loop recording"));
    }
    return sentences.join(QCoreApplication::translate("StatusMessages", ". "));
}

QString busyStatus(const QString& path) {
    return QCoreApplication::translate(
               "StatusMessages",
               "Not saved: %1 is in use by another program; try again in a moment")
        .arg(shown(path));
}

QString notAnsweringStatus(const QString& path) {
    return QCoreApplication::translate(
               "StatusMessages",
               "Not saved: the card holding %1 is not answering; what it holds now is "
               "unknown. Take it out and put it in again, then Save")
        .arg(shown(path));
}

QString otherCameraStatus(const QString& path, const QString& firmware) {
    return QCoreApplication::translate(
               "StatusMessages",
               "Not saved: %1 is now another camera's file (%2); these settings stay "
               "in the window")
        .arg(shown(path), firmware.isEmpty() ? QCoreApplication::translate("StatusMessages",
                                                                           "no camera identifiers")
                                             : firmware);
}

QString changedElsewhereNotice(const QString& path, bool onCard) {
    return QCoreApplication::translate("StatusMessages", "%1 was changed %2by another program.")
        .arg(QFileInfo(path).fileName(),
             onCard ? QCoreApplication::translate("StatusMessages", "on the card ") : QString());
}

QString deletedElsewhereNotice(const QString& path, bool onCard) {
    return QCoreApplication::translate("StatusMessages", "%1 was deleted %2by another program.")
        .arg(QFileInfo(path).fileName(),
             onCard ? QCoreApplication::translate("StatusMessages", "from the card ") : QString());
}

QString cardRemovedStatus(const QString& volume, const QString& path) {
    return QCoreApplication::translate(
               "StatusMessages", "The card %1 was removed: Save cannot write %2 until it is back")
        .arg(volume, shown(path));
}

QString cardBackStatus(const QString& volume, const QString& path) {
    return QCoreApplication::translate("StatusMessages",
                                       "The card %1 is back: Save writes %2 again")
        .arg(volume, shown(path));
}
