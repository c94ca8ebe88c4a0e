// The camera, not just a file: the cards plugged in, each with the next step
// in the file area (Open, or Mount and open); Eject; and the card of the
// loaded file going away and coming back. Nothing loads by itself: the user
// may be editing another file.
#include "CameraMonitor.h"
#include "ConfigDocument.h"
#include "FormLookup.h"
#include "Globals.h"
#include "Mnemonics.h"
#include "MyAppDelegate.h"
#include "NoticeBar.h"
#include "StatusMessages.h"
#include "WindowTitle.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStatusBar>

namespace {

const char kNoStorageService[] =
    QT_TRANSLATE_NOOP("MyAppDelegate", "Ejecting a card needs the desktop's storage service "
                                       "(UDisks2), which is not running");

// The rows leave the window at once, so that their buttons' access keys are
// free for the new rows; they are deleted once the event loop is back, as a
// click of theirs may be what rebuilds the rows.
void clear(QLayout* layout) {
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}

// One line of the file area: what is plugged in, and a button for the next
// step. The button's access key is the window's to choose (assignMnemonics).
void addRow(QWidget* area, const QString& text, const QString& button, const QString& name,
            std::function<void()> act) {
    auto* row = new QWidget(area);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(text, row);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label, 1);
    area->layout()->addWidget(row);
    if (button.isEmpty())
        return; // nothing to do but wait
    auto* push = new QPushButton(button, row);
    push->setObjectName(name);
    push->setAccessibleDescription(text);
    QObject::connect(push, &QPushButton::clicked, push, std::move(act));
    layout->addWidget(push);
}

} // namespace

void MyAppDelegate::watchCameras() {
    ejectButton_ = new QPushButton(QCoreApplication::translate("MyAppDelegate", "Eject"), window);
    ejectButton_->setObjectName(QStringLiteral("ejectButton"));
    ejectButton_->setToolTip(QCoreApplication::translate(
        "MyAppDelegate", "Unmount the card and power it off, so that it can "
                         "be removed"));
    ejectButton_->hide();
    findInWindow<QStatusBar>(window, "statusBar")->addPermanentWidget(ejectButton_);
    connect(ejectButton_, &QPushButton::clicked, this, [this] { ejectCamera(); });
    connect(findInWindow<QAction>(window, "actionEject"), &QAction::triggered, this,
            [this] { ejectCamera(); });

    cameraMonitor_ = CameraMonitor::create(this);
    connect(cameraMonitor_, &CameraMonitor::changed, this, [this] { showCameras(); });
    connect(cameraMonitor_, &CameraMonitor::mounted, this,
            [this](const Card& card) { openCamera(card.configPath); });
    connect(cameraMonitor_, &CameraMonitor::ejected, this, [this](const QString& name) {
        showStatus(QCoreApplication::translate("MyAppDelegate", "%1 can be removed now").arg(name));
        ejectButton_->setEnabled(true);
    });
    connect(cameraMonitor_, &CameraMonitor::failed, this, [this](const QString& message) {
        // An eject begun from the button that leaves the card mounted (still
        // in use, refused) leaves the button where it was, to try again.
        const bool ejecting = !ejectButton_->isHidden() && !ejectButton_->isEnabled();
        ejectedMount_.clear();
        showStatus(message);
        ejectButton_->setEnabled(true);
        if (ejecting && savedToEjectableCard(document_->path()))
            ejectButton_->show();
    });
    showCameras();
}

void MyAppDelegate::showCameras() {
    auto* area = findInWindow<QWidget>(window, "cameraArea");
    clear(area->layout());
    const QList<Card> cameras = cameraMonitor_->cameras();
    for (int i = 0; i < cameras.size(); ++i) {
        const Card card = cameras.at(i);
        addRow(area,
               QCoreApplication::translate("MyAppDelegate", "Camera %1 connected").arg(card.name),
               QCoreApplication::translate("MyAppDelegate", "Open"),
               QStringLiteral("openCamera%1").arg(i),
               [this, path = card.configPath] { openCamera(path); });
    }
    const QList<Card> unmounted = cameraMonitor_->unmountedCards();
    for (int i = 0; i < unmounted.size(); ++i) {
        const Card card = unmounted.at(i);
        addRow(
            area,
            QCoreApplication::translate("MyAppDelegate", "Card %1 is not mounted").arg(card.name),
            QCoreApplication::translate("MyAppDelegate", "Mount and open"),
            QStringLiteral("mountCard%1").arg(i), [this, card] { cameraMonitor_->mount(card); });
    }
    // A card that did not answer in time is looked at again on the next change.
    for (const Card& card : cameraMonitor_->notAnswering())
        addRow(
            area,
            QCoreApplication::translate("MyAppDelegate", "Card %1 is not answering").arg(card.name),
            QString(), QString(), {});
    assignMnemonics(window);

    auto* eject = findInWindow<QAction>(window, "actionEject");
    eject->setEnabled(cameraMonitor_->canMountAndEject() && !cameras.isEmpty());
    eject->setToolTip(cameraMonitor_->canMountAndEject()
                          ? QString()
                          : QCoreApplication::translate("MyAppDelegate", kNoStorageService));
    enableApplyToCameras();

    // A file loaded before the storage service answered (one opened at
    // launch) is tied to its card as soon as the card is known.
    if (document_->cardMount().isEmpty() && document_->hasFile()) {
        if (cardHolding(cameras, document_->path()) == nullptr)
            return;
        noteLoadedCard(document_->path());
    }
    // The card of the loaded file: gone, or back at the same place.
    if (document_->cardMount().isEmpty())
        return;
    const bool present = std::any_of(cameras.begin(), cameras.end(), [this](const Card& card) {
        return QDir::cleanPath(card.mountPoint) == document_->cardMount();
    });
    if (present == !document_->cardGone())
        return;
    document_->setCardGone(!present);
    const QString path = document_->path();
    if (present) {
        showStatus(cardBackStatus(document_->volume(), path));
        // The card at that place may be another camera's: the look tells.
        notice_->dismiss();
        document_->recheck();
    } else if (ejectedMount_ != document_->cardMount()) {
        // (A card the user ejected is expected to go: the eject says so.)
        showStatus(cardRemovedStatus(document_->volume(), path));
        notice_->showNotice(cardRemovedStatus(document_->volume(), path));
        notice_->addButton(QCoreApplication::translate("MyAppDelegate", "Keep my settings"),
                           QStringLiteral("keepSettingsButton"), [] {});
    }
}

void MyAppDelegate::noteLoadedCard(const QString& path) {
    const QList<Card> cameras = cameraMonitor_ ? cameraMonitor_->cameras() : QList<Card>();
    const Card* card = cardHolding(cameras, path);
    document_->setPlace(card != nullptr ? card->name : volumeOrFolderOf(path),
                        card != nullptr ? QDir::cleanPath(card->mountPoint) : QString());
    enableApplyToCameras();
}

QString MyAppDelegate::cameraFolder() const {
    const QList<Card> cameras = cameraMonitor_ ? cameraMonitor_->cameras() : QList<Card>();
    return cameras.size() == 1 ? cameras.constFirst().mountPoint : QString();
}

bool MyAppDelegate::savedToEjectableCard(const QString& path) const {
    return cameraMonitor_ != nullptr && cameraMonitor_->canMountAndEject() &&
           cardHolding(cameraMonitor_->cameras(), path) != nullptr;
}

// The card of the loaded file, or else the one camera plugged in.
void MyAppDelegate::ejectCamera() {
    const QList<Card> cameras = cameraMonitor_->cameras();
    const Card* card = cardHolding(cameras, document_->path());
    if (card == nullptr && cameras.size() == 1)
        card = &cameras.constFirst();
    if (card == nullptr) {
        showStatus(QCoreApplication::translate(
            "MyAppDelegate", "No camera to eject: open its file first, or plug in only one"));
        return;
    }
    // The button stays, greyed, until the outcome is known.
    const bool offered = !ejectButton_->isHidden();
    showStatus(QCoreApplication::translate("MyAppDelegate", "Ejecting %1…").arg(card->name));
    if (offered) {
        ejectButton_->setEnabled(false);
        ejectButton_->show();
    }
    ejectedMount_ = QDir::cleanPath(card->mountPoint);
    cameraMonitor_->eject(*card);
}
