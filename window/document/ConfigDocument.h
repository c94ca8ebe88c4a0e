// The configuration file that the window edits, in one object: the file's
// path (mirrored into configFileName, from which the load and the save read
// it), the settings (the program's configuration object), what the file held
// when it was last loaded or saved, the undo history of the user's changes,
// and the card the file is on. The window's title and modified marker are
// derived from it in one place; the delegate asks it rather than keeping
// copies.
#pragma once

#include "FileSnapshot.h"
#include "KaveloConfigParser.h"
#include "SettingValues.h"

#include <QObject>
#include <QString>

#include <string>

class QFileSystemWatcher;
class QTimer;
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
        QString finding;
    };
    Load load(const QString& path);

    // What a save found and did. Under the lock that kavelo-config takes, the
    // file at the path is compared with the one the document read or last
    // saved; only an unchanged file (or the one the user agreed to replace)
    // is written.
    struct Save {
        enum Result {
            saved,
            failed,       // config().lastWriteError() says why; the file is as it was
            busy,         // another program held the file's lock throughout
            changed,      // another program wrote it since: ask before replacing it
            deleted,      // it is gone: ask before making it again
            otherCamera,  // another camera's file is there: never written
            notAnswering, // the card did not answer in time; what it holds is unknown
        } result;
        FileSnapshot found; // the file at the path as the check saw it
    };
    // `accepted` is what an earlier attempt found and the user agreed to
    // replace: that file, and no other, is overwritten. `inPlace` writes over
    // the file without the safety copy, for a card too full for one.
    Save save(const FileSnapshot* accepted = nullptr, bool inPlace = false);

    // Another camera file read beside the window over a copy of this
    // document's settings, so that a setting it lacks keeps this one's value;
    // nothing of the document changes. `finding` says what a refused file is.
    struct Other {
        bool read;
        KaveloConfigParser parser;
        QString finding;
    };
    Other readOther(const QString& path) const;

    // Writes the settings, with this document's identifier texts, to another
    // file; the document's own file and state stay as they are. 0 or the
    // system's reason (an errno value) of the failure.
    int saveCopy(const QString& path);

    // The file at the path as the last look found it, by save() or by the
    // watch that follows the file while it is open.
    const FileSnapshot& found() const { return found_; }
    // Looks at the file again soon, watching it anew (its card came back).
    void recheck();

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
    // While the file is open, another program changed it, deleted it or put
    // another camera's file in its place (found() describes it); a save of
    // the document's own is no change. Sent once for each new state.
    void changedElsewhere(FileChange change);

  private:
    void mirrorPath();
    void restore(const SettingValues& values);
    void hold(const FileSnapshot& snapshot);
    void watch();
    void lookAtFile();

    KaveloConfigParser& config_;
    QUndoStack* history_;
    QString path_;
    SettingValues saved_;
    QString volume_;
    QString cardMount_;
    bool cardGone_ = false;

    QFileSystemWatcher* watcher_;
    QTimer* settle_;
    FileSnapshot held_;       // the file as read or last saved
    FileSnapshot found_;      // the file as last looked at
    unsigned generation_ = 0; // counts loads and saves: a look begun before one is stale
    bool looking_ = false;
    bool lookAgain_ = false;
    FileChange told_ = FileChange::unchanged;
};
