// Work that may wait on a card, run beside the window: on a thread of its
// own, its result handed back on the application's (the window's) thread. A
// look that never returns (a card whose driver stopped answering) holds only
// its own thread, never the window, and a receiver gone by then gets nothing.
#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// A card may stop answering in the middle of a load or a save: the window
// waits this long for one, then gives up on it.
constexpr std::chrono::milliseconds kCardWaitLimit{8000};
// kavelo-config holds a file's lock for the milliseconds of a read and a
// save; a lock held longer than this is another program's that a save of the
// window does not wait for.
constexpr std::chrono::milliseconds kLockLimit{2000};

namespace background {
// Registers the application's end, after which no result is handed back.
void prepare();
// Runs `deliver` on the application's thread, unless the application is
// ending or gone.
void handBack(std::function<void()> deliver);
// Runs the application's events, but no input of the user's, until `done`
// answers true or `limit` has passed.
void waitWithoutInput(const std::function<bool()>& done, std::chrono::milliseconds limit);
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

// For a step the user waits for (a load, a save): runs `work` beside the
// window and waits at most `limit` for it, the window drawing and its timers
// running meanwhile but taking no input. Nothing when the limit passed (a
// card that does not answer); `work` then goes on alone, so it must touch
// nothing but its own copies.
template <typename Result>
std::optional<Result> waitBeside(std::function<Result()> work, std::chrono::milliseconds limit) {
    struct Shared {
        std::mutex mutex;
        std::optional<Result> result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)] {
        Result result = work();
        const std::lock_guard<std::mutex> hold(shared->mutex);
        shared->result = std::move(result);
    }).detach();
    const auto finished = [&] {
        const std::lock_guard<std::mutex> hold(shared->mutex);
        return shared->result.has_value();
    };
    background::waitWithoutInput(finished, limit);
    const std::lock_guard<std::mutex> hold(shared->mutex);
    return shared->result;
}
