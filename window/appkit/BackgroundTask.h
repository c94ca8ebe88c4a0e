// Work that may wait on a card, run beside the window: on a thread of its
// own, its result handed back on the application's (the window's) thread. A
// look that never returns (a card whose driver stopped answering) holds only
// its own thread, never the window, and a receiver gone by then gets nothing.
#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <thread>

template <typename Result>
void runBeside(QObject* receiver, std::function<Result()> work, std::function<void(Result)> done) {
    QPointer<QObject> guard(receiver);
    std::thread([guard, work = std::move(work), done = std::move(done)]() mutable {
        Result result = work();
        // The application outlives every window; the receiver is asked for on
        // its own thread, where it is destroyed.
        if (QCoreApplication* application = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                application,
                [guard, done = std::move(done), result = std::move(result)]() {
                    if (guard)
                        done(result);
                },
                Qt::QueuedConnection);
    }).detach();
}
