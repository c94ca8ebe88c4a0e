// The desktop's requests to open a file with the program: a path on the
// command line (a launcher's "Open with" passes one, like `%f` in a desktop
// entry) and, on macOS, a file-open event. Both reach the delegate's
// applicationOpenFile, and only once launching has finished: after the drop
// observer is registered and the window shows the settings.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class MyAppDelegate;

// The file that a command line names: the first argument after the program's
// own name. Further arguments are ignored; the program has no options.
std::optional<QString> fileFromCommandLine(const QStringList& arguments);

// Installed as an event filter on the application, it takes file-open events;
// those that come before launching has finished wait for it.
class OpenFileRequests : public QObject {
  public:
    explicit OpenFileRequests(MyAppDelegate& delegate, QObject* parent = nullptr);

    // Ends launching: the delegate's applicationDidFinishLaunching, then the
    // file that `arguments` name, then the files of events that waited.
    void finishLaunching(const QStringList& arguments);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MyAppDelegate& delegate_;
    bool launched_ = false;
    QStringList waiting_;
};
