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
    QObject senderA, senderB;
    center.addObserver("Ping", [&](const Notification&) { order.push_back(1); });
    Recorder recorder;
    center.addObserver("Ping", &recorder, &Recorder::record);
    center.addObserver("Other", [&](const Notification&) { order.push_back(99); });

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

TEST(NotificationCenter, ForgetsObserversThatAreDestroyedOrRemoved) {
    NotificationCenter center;
    auto gone = std::make_unique<Recorder>();
    center.addObserver("Ping", gone.get(), &Recorder::record);
    int plainCalls = 0;
    const auto plain = center.addObserver("Ping", [&](const Notification&) { ++plainCalls; });
    Recorder unregistered;
    center.addObserver("Ping", &unregistered, &Recorder::record);

    gone.reset();
    center.removeObserver(&unregistered);
    center.postNotification("Ping", nullptr);
    EXPECT_EQ(plainCalls, 1);
    EXPECT_TRUE(unregistered.seen.empty());

    center.removeObserver(plain);
    center.postNotification("Ping", nullptr);
    EXPECT_EQ(plainCalls, 1);
}

TEST(NotificationCenter, ObserversMayChangeRegistrationsAndPostWhileTheyRun) {
    NotificationCenter center;
    std::vector<QString> calls;
    NotificationCenter::ObserverId self = 0, later = 0;
    // Removes itself (its own function must survive the call) and the next one.
    self = center.addObserver("Ping", [&](const Notification&) {
        center.removeObserver(self);
        center.removeObserver(later);
        calls.push_back("self");
        center.postNotification("Pong", nullptr);
        calls.push_back("self after pong");
    });
    later = center.addObserver("Ping", [&](const Notification&) { calls.push_back("later"); });
    center.addObserver("Pong", [&](const Notification&) {
        calls.push_back("pong");
        center.addObserver("Ping", [&](const Notification&) { calls.push_back("added"); });
    });

    center.postNotification("Ping", nullptr);
    EXPECT_EQ(calls, (std::vector<QString>{"self", "pong", "self after pong"}));
    calls.clear();
    center.postNotification("Ping", nullptr);
    EXPECT_EQ(calls, (std::vector<QString>{"added"}));
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
