#include "OpenFileRequests.h"

#include "MyAppDelegate.h"

#include <QEvent>
#include <QFileOpenEvent>

#include <utility>

std::optional<QString> fileFromCommandLine(const QStringList& arguments) {
    if (arguments.size() < 2)
        return std::nullopt;
    return arguments.at(1);
}

OpenFileRequests::OpenFileRequests(MyAppDelegate& delegate, QObject* parent)
    : QObject(parent), delegate_(delegate) {}

void OpenFileRequests::finishLaunching(const QStringList& arguments) {
    if (launched_)
        return;
    delegate_.applicationDidFinishLaunching();
    launched_ = true;
    if (const std::optional<QString> path = fileFromCommandLine(arguments))
        delegate_.applicationOpenFile(*path);
    // A load runs a modal alert, during which more requests may arrive; those
    // are opened directly, after the ones taken here.
    const QStringList waiting = std::exchange(waiting_, {});
    for (const QString& path : waiting)
        delegate_.applicationOpenFile(path);
}

bool OpenFileRequests::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FileOpen)
        return QObject::eventFilter(watched, event);
    // A request for something that is no local file is not ours to take.
    const QString path = static_cast<QFileOpenEvent*>(event)->file();
    if (path.isEmpty())
        return QObject::eventFilter(watched, event);
    if (launched_)
        delegate_.applicationOpenFile(path);
    else
        waiting_.append(path);
    return true;
}
