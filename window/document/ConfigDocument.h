// The configuration file that the window edits, in one object: the file's
// path (mirrored into configFileName, from which the load and the save read
// it), the settings (the program's configuration object), what the file held
// when it was last loaded or saved, the undo history of the user's changes,
// and the card the file is on. The window's title and modified marker are
// derived from it in one place; the delegate asks it rather than keeping
// copies.
#pragma once

#include "KaveloConfigParser.h"
#include "SettingValues.h"

#include <QObject>
#include <QString>

#include <string>

class QUndoStack;

class ConfigDocument : public QObject {
    Q_OBJECT

  public:
    explicit ConfigDocument(KaveloConfigParser& config, QObject* parent = nullptr);

    // The file Save writes: the last one that loaded; empty before any.
    const QString& path() const { return path_; }
    bool hasFile() const { return !path_.isEmpty(); }
    KaveloConfigParser& config() const { return config_; }
    QUndoStack* history() const { return history_; }
    // Whether the settings differ from what the file holds.
    bool isModified() const { return config_.settings() != saved_; }

    // Reads `path` into the settings. On success it is the document's file,
    // with a history of its own; on a refusal nothing changes, and the
    // answer holds the identification that the refused file named.
    struct Load {
        bool loaded;
        int firmwareNumber;
        int revisionNumber;
        SettingValues read; // what the file held, before any rule of the refresh
        // Of a refused file, what was found in the user's words where the
        // alert cannot say it (missing, unreadable, too large, no camera
        // identifiers); empty where the alert does.
        std::string finding;
    };
    Load load(const QString& path);
    // Writes the settings into the document's file. On failure the file is as
    // it was, and config().lastWriteError() says why.
    bool save();

    // A change the user made (already made), as one step of the history
    // named `name`; steps with the same `mergeKey` (0 or more) in a row are
    // one step.
    void recordChange(const QString& name, const SettingValues& before, int mergeKey = -1);

    // Where the file is: the name of its card (or folder), the card's mount
    // point (empty for a file on no camera's card), and whether that card was
    // taken out while the file was open.
    void setPlace(const QString& volume, const QString& cardMount);
    const QString& volume() const { return volume_; }
    const QString& cardMount() const { return cardMount_; }
    bool cardGone() const { return cardGone_; }
    void setCardGone(bool gone);

    // "CONFIG.TXT[*] — KAVELO_CAM — Kavelo Manager" ("KAVELO_CAM (removed)"
    // while the card is out); the program's name alone before any file.
    QString title() const;

  signals:
    // The title or the modified state changed.
    void titleChanged();
    // Undo or redo put other settings in place: the window shows them.
    void settingsRestored();

  private:
    void mirrorPath();
    void restore(const SettingValues& values);

    KaveloConfigParser& config_;
    QUndoStack* history_;
    QString path_;
    SettingValues saved_;
    QString volume_;
    QString cardMount_;
    bool cardGone_ = false;
};
