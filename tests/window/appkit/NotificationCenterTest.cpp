#include "NotificationCenter.h"

#include <QObject>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Recorder : QObject {
    std::vector<Notification> seen;
    void record(const Notification& n) { seen.push_back(n); }
};

TEST(NotificationCenter, DeliversByNameFromAnySenderInRegistrationOrder) {
    NotificationCenter center;
    std::vector<int> order;
    QObject senderA, senderB, owner;
    center.addObserver("Ping", &owner, [&](const Notification&) { order.push_back(1); });
    Recorder recorder;
    center.addObserver("Ping", &recorder, &Recorder::record);
    center.addObserver("Other", &owner, [&](const Notification&) { order.push_back(99); });

    center.postNotification("Ping", &senderA, {{"Key", "first"}});
    center.postNotification("Ping", &senderB);
    center.postNotification("Nobody listens", &senderA);

    EXPECT_EQ(order, (std::vector<int>{1, 1}));
    ASSERT_EQ(recorder.seen.size(), 2u);
    EXPECT_EQ(recorder.seen[0].name, "Ping");
    EXPECT_EQ(recorder.seen[0].sender, &senderA);
    EXPECT_EQ(recorder.seen[0].userInfo, (QVariantMap{{"Key", "first"}}));
    EXPECT_EQ(recorder.seen[1].sender, &senderB);
    EXPECT_TRUE(recorder.seen[1].userInfo.isEmpty());
}

TEST(NotificationCenter, ForgetsObserversWhoseOwnerIsDestroyed) {
    NotificationCenter center;
    auto gone = std::make_unique<Recorder>();
    center.addObserver("Ping", gone.get(), &Recorder::record);
    Recorder stays;
    center.addObserver("Ping", &stays, &Recorder::record);
    gone.reset();
    center.postNotification("Ping", nullptr);
    EXPECT_EQ(stays.seen.size(), 1u);
}

TEST(NotificationCenter, ObserversMayRegisterAndPostWhileTheyRun) {
    NotificationCenter center;
    QObject owner;
    std::vector<QString> calls;
    auto doomed = std::make_unique<QObject>();
    center.addObserver("Ping", &owner, [&](const Notification&) {
        calls.push_back("first");
        doomed.reset(); // the next observer's owner goes away before its turn
        center.postNotification("Pong", nullptr);
        calls.push_back("first after pong");
    });
    center.addObserver("Ping", doomed.get(),
                       [&](const Notification&) { calls.push_back("doomed"); });
    center.addObserver("Pong", &owner, [&](const Notification&) {
        calls.push_back("pong");
        center.addObserver("Ping", &owner, [&](const Notification&) { calls.push_back("added"); });
    });

    center.postNotification("Ping", nullptr);
    EXPECT_EQ(calls, (std::vector<QString>{"first", "pong", "first after pong"}));
    calls.clear();
    center.postNotification("Ping", nullptr);
    EXPECT_EQ(calls, (std::vector<QString>{"first", "pong", "first after pong", "added"}));
}

TEST(NotificationCenter, AnOwnerMayOutliveItsCentre) {
    Recorder recorder;
    {
        NotificationCenter center;
        center.addObserver("Ping", &recorder, &Recorder::record);
        center.postNotification("Ping", nullptr);
    }
    EXPECT_EQ(recorder.seen.size(), 1u);
}

} // namespace
