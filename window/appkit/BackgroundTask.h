// Work that may wait on a card, run beside the window: on a thread of its
// own, its result handed back on the application's (the window's) thread. A
// look that never returns (a card whose driver stopped answering) holds only
// its own thread, never the window, and a receiver gone by then gets nothing.
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <thread>

namespace background {
// Registers the application's end, after which no result is handed back.
void prepare();
// Runs `deliver` on the application's thread, unless the application is
// ending or gone.
void handBack(std::function<void()> deliver);
} // namespace background

template <typename Result>
void runBeside(QObject* receiver, std::function<Result()> work, std::function<void(Result)> done) {
    background::prepare();
    QPointer<QObject> guard(receiver);
    std::thread([guard, work = std::move(work), done = std::move(done)]() mutable {
        Result result = work();
        background::handBack([guard, done = std::move(done), result = std::move(result)]() {
            if (guard)
                done(result);
        });
    }).detach();
}
