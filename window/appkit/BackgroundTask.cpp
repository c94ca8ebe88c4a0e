#include "BackgroundTask.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>

#include <mutex>

namespace {

// Whether results may still be handed to the application. Never destroyed:
// a look may come back while the program exits.
struct Gate {
    std::mutex mutex;
    QCoreApplication* open = nullptr;
};

Gate& gate() {
    static Gate* const shared = new Gate;
    return *shared;
}

void close() {
    const std::lock_guard<std::mutex> hold(gate().mutex);
    gate().open = nullptr;
}

} // namespace

void background::prepare() {
    QCoreApplication* application = QCoreApplication::instance();
    const std::lock_guard<std::mutex> hold(gate().mutex);
    if (gate().open == application || application == nullptr)
        return;
    gate().open = application;
    // Runs as the application is destroyed, before anything else of it goes.
    qAddPostRoutine(close);
}

void background::handBack(std::function<void()> deliver) {
    const std::lock_guard<std::mutex> hold(gate().mutex);
    if (gate().open != nullptr)
        QMetaObject::invokeMethod(gate().open, std::move(deliver), Qt::QueuedConnection);
}

void background::waitWithoutInput(const std::function<bool()>& done,
                                  std::chrono::milliseconds limit) {
    if (done())
        return;
    // Most steps end within a few milliseconds: a short poll costs nothing
    // and needs no message from the worker.
    QEventLoop loop;
    QTimer poll;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start(2);
    deadline.start(limit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
