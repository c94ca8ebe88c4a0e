// The cameras among the mounted file systems, from the mount table, for a
// system without the desktop's storage service. The kernel says when the
// table changes (a notifier on /proc/self/mountinfo); elsewhere the folders
// where desktops mount cards are watched.
#pragma once

#include "CameraMonitor.h"

class QFileSystemWatcher;
class QSocketNotifier;

class MountTableMonitor : public CameraMonitor {
    Q_OBJECT

  public:
    explicit MountTableMonitor(QObject* parent = nullptr);
    ~MountTableMonitor() override;

    QList<Card> cameras() const override { return cameras_; }
    QList<Card> unmountedCards() const override { return {}; }
    QList<Card> notAnswering() const override { return notAnswering_; }
    bool canMountAndEject() const override { return false; }
    void mount(const Card& card) override;
    void eject(const Card& card) override;

  private:
    static constexpr int kLookAgainMilliseconds = 3000;
    struct Search {
        QList<Card> cameras;
        QList<Card> notAnswering;
    };
    static Search search();
    void rescan();

    int mountTable_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    QList<Card> cameras_;
    QList<Card> notAnswering_;
    bool searching_ = false;
    bool searchAgain_ = false;
};
