// Work that may wait on a card, run beside the window: on a thread of its
// own, its result handed back on the receiver's thread. A look that never
// returns (a card whose driver stopped answering) holds only its own thread,
// never the window, and a receiver gone by then gets nothing.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <thread>

template <typename Result>
void runBeside(QObject* receiver, std::function<Result()> work, std::function<void(Result)> done) {
    // The result travels through an object of the receiver's thread that
    // the worker keeps alive for as long as it may still post to it.
    auto relay = std::shared_ptr<QObject>(new QObject, [](QObject* o) { o->deleteLater(); });
    relay->moveToThread(receiver->thread());
    QPointer<QObject> guard(receiver);
    std::thread([relay, guard, work = std::move(work), done = std::move(done)]() mutable {
        Result result = work();
        QMetaObject::invokeMethod(
            relay.get(),
            [relay, guard, done = std::move(done), result = std::move(result)]() {
                if (guard)
                    done(result);
            },
            Qt::QueuedConnection);
    }).detach();
}
