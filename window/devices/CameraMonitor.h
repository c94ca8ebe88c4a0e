// Noticing the camera: the mounted file systems that hold a camera's
// configuration file, the cards that are plugged in but not mounted, and
// mounting and ejecting them. Through the desktop's storage service (UDisks2
// on the system bus) where there is one; otherwise from the mount table,
// which can tell what is mounted but neither mount nor eject. Either way it
// follows what the system says changed; cards are looked into beside the
// window, with a time limit.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

struct Card {
    QString name;       // the volume's label, or its folder's name
    QString mountPoint; // empty while not mounted
    QString configPath; // the camera's configuration file; empty when it holds none
    QString firmware;   // the firmware identifier text its file names
    bool supported = false;
    QString fileSystem; // the storage service's object of the file system, if any
    QString drive;      // and of its drive
    bool canPowerOff = false;
};
bool operator==(const Card& a, const Card& b);

class CameraMonitor : public QObject {
    Q_OBJECT

  public:
    // The storage service's monitor where it is on the system bus, else the
    // mount table's; `parent` owns it.
    static CameraMonitor* create(QObject* parent);

    // Mounted cards that hold a camera's configuration file.
    virtual QList<Card> cameras() const = 0;
    // Cards of removable drives that are plugged in but not mounted.
    virtual QList<Card> unmountedCards() const = 0;
    // Mounted cards that did not answer the last look in time (a failing
    // reader, a stopped driver); they are looked at again on the next change.
    virtual QList<Card> notAnswering() const { return {}; }
    // Whether this monitor can mount and eject (the storage service can).
    virtual bool canMountAndEject() const = 0;

    // Mounts a card, then answers with mounted() or failed().
    virtual void mount(const Card& card) = 0;
    // Unmounts a card and powers its drive off where the drive allows it,
    // then answers with ejected() or failed().
    virtual void eject(const Card& card) = 0;

  signals:
    void changed();
    void mounted(const Card& card);
    void ejected(const QString& name);
    void failed(const QString& message);

  protected:
    using QObject::QObject;
};

// The card whose mount point holds `path`, from `cards`; nullptr if none.
const Card* cardHolding(const QList<Card>& cards, const QString& path);
