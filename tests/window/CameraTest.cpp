// The camera noticed: cards that the (fake) storage service reports on the
// tests' own bus, opened, mounted and ejected from the window; the card of
// the loaded file going away and coming back; and, without the service, a
// real mount noticed through the mount table.
#include "FileWorkflowFixture.h"

#include "ExfatCard.h"
#include "FakeUDisks.h"
#include "Globals.h"
#include "OpenPanel.h"
#include "SmallFileSystem.h"
#include "StatusMessages.h"
#include "TestBus.h"
#include "TestFiles.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

// The access key of a text ("Ti&me lapse": m), or none.
QChar accessKey(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && text.at(i + 1) != QLatin1Char('&'))
            return text.at(i + 1).toLower();
        if (text.at(i) == QLatin1Char('&'))
            ++i;
    }
    return QChar();
}

// The controls on screen with an access key, by key: the menu titles, the
// tabs' titles, and the buttons and captions that are visible.
QMap<QChar, QStringList> controlsByKey(QMainWindow* window) {
    QMap<QChar, QStringList> keys;
    const auto note = [&](const QString& text, const QString& what) {
        if (const QChar key = accessKey(text); !key.isNull())
            keys[key] << what + QLatin1Char(' ') + text;
    };
    for (QAction* menu : window->menuBar()->actions())
        note(menu->text(), QStringLiteral("menu"));
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i)
            note(tabs->tabText(i), QStringLiteral("tab"));
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isVisibleTo(window))
            note(button->text(), button->objectName());
    }
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr && label->isVisibleTo(window))
            note(label->text(), label->objectName());
    }
    return keys;
}

QStringList rowsOf(QWidget* window) {
    return cameraRowsOf(window);
}

// The rows about the cards a test mounted itself (named `cards`), in order:
// tests that run beside it mount cards of their own on the same machine.
QStringList rowsAbout(QWidget* window, const QStringList& cards) {
    QStringList rows;
    for (const QString& row : rowsOf(window)) {
        const QStringList words = row.split(QLatin1Char(' '));
        if (words.size() > 1 && cards.contains(words.at(1)))
            rows << row;
    }
    return rows;
}

class CameraTest : public FileWorkflowTest {
  protected:
    void SetUp() override {
        if (testBus().address().empty())
            GTEST_SKIP() << testBus().reason();
        fake = std::make_unique<FakeUDisks>(QString::fromStdString(testBus().address()));
        ASSERT_TRUE(fake->ok()) << "the fake storage service did not take its name";
        FileWorkflowTest::SetUp();
    }
    void TearDown() override {
        FileWorkflowTest::TearDown();
        fake.reset();
    }

    // A card folder holding a camera's file (or none) for the fake to mount.
    QString card(const QString& name, const char* firmware = "KAVELO FW v2.20") {
        const QString folder = pathIn(name);
        mkdir(folder.toUtf8().constData(), 0755);
        if (firmware != nullptr)
            write(name + QStringLiteral("/CONFIG.TXT"), ConfigFile{{}, firmware, "HW v003"});
        return folder;
    }
    QString plugIn(const QString& label, const QString& mountPoint) {
        FakeUDisks::Volume volume;
        volume.label = label;
        volume.mountPoint = mountPoint;
        return fake->plugIn(volume);
    }
    bool showsRows(const QStringList& expected) {
        return QTest::qWaitFor([&] { return rowsOf(window.get()) == expected; }, 5000);
    }
    QPushButton* button(const char* name) {
        return window->findChild<QPushButton*>(QLatin1String(name));
    }
    bool statusIs(const QString& text) {
        return QTest::qWaitFor([&] { return d().statusText() == text; }, 5000);
    }

    std::unique_ptr<FakeUDisks> fake;
};

// A mounted file system counts as a camera when it holds a camera's file,
// whatever it sits on, as for `kavelo-config cameras`; a file system not
// mounted is offered only on a removable drive.
TEST_F(CameraTest, WhatGetsALine) {
    const struct {
        const char* label;
        const char* folder;   // nullptr: not mounted
        const char* firmware; // nullptr: no camera file
        bool removable;
        bool hasDrive;
        const char* row; // nullptr: none
    } volumes[] = {
        {"KAVELO_CAM", "one", "KAVELO FW v2.20", true, true, "Camera KAVELO_CAM connected"},
        {"OLD_CAM", "two", "OLD v2.30", true, true, "Camera OLD_CAM connected"},
        {"HOLIDAY", "photos", nullptr, true, true, nullptr},
        {"DISK", "disk", "KAVELO FW v2.20", false, true, "Camera DISK connected"},
        {"IMAGE", "image", "KAVELO FW v2.20", false, false, "Camera IMAGE connected"},
        {"EMPTY_IMAGE", "empty", nullptr, false, false, nullptr},
        {"SPARE", nullptr, nullptr, true, true, "Card SPARE is not mounted"},
        {"SYSTEM", nullptr, nullptr, false, true, nullptr},
        {"LOOP", nullptr, nullptr, false, false, nullptr},
    };
    QStringList cameraRows, cardRows;
    QString old;
    for (const auto& each : volumes) {
        FakeUDisks::Volume volume;
        volume.label = QLatin1String(each.label);
        if (each.folder != nullptr)
            volume.mountPoint = card(QLatin1String(each.folder), each.firmware);
        volume.removable = each.removable;
        volume.hasDrive = each.hasDrive;
        const QString fileSystem = fake->plugIn(volume);
        if (QLatin1String(each.label) == QLatin1String("OLD_CAM"))
            old = fileSystem;
        if (each.row != nullptr)
            (each.folder != nullptr ? cameraRows : cardRows) << QLatin1String(each.row);
    }
    EXPECT_TRUE(showsRows(cameraRows + cardRows))
        << rowsOf(window.get()).join(QStringLiteral(" | ")).toStdString();
    fake->pullOut(old);
    cameraRows.removeOne(QStringLiteral("Camera OLD_CAM connected"));
    EXPECT_TRUE(showsRows(cameraRows + cardRows));
}

TEST_F(CameraTest, OpenLoadsTheCamerasFileAndGivesAnUnsupportedOneItsAlert) {
    const QString folder = card(QStringLiteral("one"));
    plugIn(QStringLiteral("KAVELO_CAM"), folder);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    EXPECT_EQ(messages(), std::vector<QString>{kLoadedMessage});
    EXPECT_STREQ(configFileName, (folder + QStringLiteral("/CONFIG.TXT")).toUtf8().constData());
    EXPECT_TRUE(
        window->windowTitle().startsWith(QStringLiteral("CONFIG.TXT[*] \u2014 KAVELO_CAM")));

    plugIn(QStringLiteral("OLD_CAM"), card(QStringLiteral("two"), "OLD v2.30"));
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected"),
                           QStringLiteral("Camera OLD_CAM connected")}));
    alerts.clear();
    QTest::mouseClick(button("openCamera1"), Qt::LeftButton);
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_TRUE(alerts[0].message.startsWith(QStringLiteral("Firmware v2.30 not supported!")));
}

TEST_F(CameraTest, ACardNotMountedIsMountedAndOpened) {
    FakeUDisks::Volume volume;
    volume.label = QStringLiteral("KAVELO_CAM");
    volume.mountsAt = card(QStringLiteral("later"));
    const QString fileSystem = fake->plugIn(volume);
    ASSERT_TRUE(showsRows({QStringLiteral("Card KAVELO_CAM is not mounted")}));
    QTest::mouseClick(button("mountCard0"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts.empty(); }, 5000));
    EXPECT_EQ(messages(), std::vector<QString>{kLoadedMessage});
    EXPECT_EQ(fake->calls(), QStringList{QStringLiteral("Mount ") + fileSystem});
    EXPECT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));

    FakeUDisks::Volume refused;
    refused.label = QStringLiteral("LOCKED");
    refused.mountError = QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorized");
    fake->plugIn(refused);
    ASSERT_TRUE(QTest::qWaitFor([&] { return button("mountCard0") != nullptr; }, 5000));
    QTest::mouseClick(button("mountCard0"), Qt::LeftButton);
    EXPECT_TRUE(
        statusIs(QStringLiteral("Could not mount LOCKED: the desktop's policy does not allow it")));
}

TEST_F(CameraTest, EjectAfterSaveUnmountsThenPowersOff) {
    const QString fileSystem = plugIn(QStringLiteral("KAVELO_CAM"), card(QStringLiteral("one")));
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    EXPECT_TRUE(action("actionEject")->isEnabled());
    clickButton(window.get(), "saveConfigButtonOutlet");
    QPushButton* eject = button("ejectButton");
    ASSERT_TRUE(eject->isVisibleTo(window.get()));
    QTest::mouseClick(eject, Qt::LeftButton);
    EXPECT_TRUE(statusIs(QStringLiteral("KAVELO_CAM can be removed now")));
    EXPECT_EQ(fake->calls(),
              (QStringList{QStringLiteral("Unmount ") + fileSystem,
                           QStringLiteral("PowerOff /org/freedesktop/UDisks2/drives/Camera_0")}));
    EXPECT_TRUE(showsRows({}));
    EXPECT_FALSE(eject->isVisibleTo(window.get()));
}

TEST_F(CameraTest, ABusyEjectSaysWhy) {
    FakeUDisks::Volume busy;
    busy.label = QStringLiteral("KAVELO_CAM");
    busy.mountPoint = card(QStringLiteral("one"));
    busy.unmountError = QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy");
    const QString fileSystem = fake->plugIn(busy);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    action("actionEject")->trigger();
    EXPECT_TRUE(statusIs(QStringLiteral(
        "Could not eject KAVELO_CAM: it is still in use; close what uses it and try again")));
    EXPECT_EQ(fake->calls(), QStringList{QStringLiteral("Unmount ") + fileSystem});
    // Begun from the menu, it leaves the menu to try again, and no button.
    EXPECT_FALSE(button("ejectButton")->isVisibleTo(window.get()));
}

// After a save, the card still in use: the Eject button stays for the next try.
TEST_F(CameraTest, AFailedEjectLeavesTheButtonToTryAgain) {
    FakeUDisks::Volume busy;
    busy.label = QStringLiteral("KAVELO_CAM");
    busy.mountPoint = card(QStringLiteral("one"));
    busy.unmountError = QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy");
    const QString fileSystem = fake->plugIn(busy);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    clickButton(window.get(), "saveConfigButtonOutlet");
    QPushButton* eject = button("ejectButton");
    ASSERT_TRUE(eject->isVisibleTo(window.get()));

    QTest::mouseClick(eject, Qt::LeftButton);
    EXPECT_TRUE(statusIs(QStringLiteral(
        "Could not eject KAVELO_CAM: it is still in use; close what uses it and try again")));
    EXPECT_TRUE(eject->isVisibleTo(window.get()));
    EXPECT_TRUE(eject->isEnabled());

    fake->setUnmountError(fileSystem, QString());
    QTest::mouseClick(eject, Qt::LeftButton);
    EXPECT_TRUE(statusIs(QStringLiteral("KAVELO_CAM can be removed now")));
    EXPECT_EQ(fake->calls(),
              (QStringList{QStringLiteral("Unmount ") + fileSystem,
                           QStringLiteral("Unmount ") + fileSystem,
                           QStringLiteral("PowerOff /org/freedesktop/UDisks2/drives/Camera_0")}));
    EXPECT_FALSE(eject->isVisibleTo(window.get()));
}

// A disk image has no drive to power off; unmounting it is the whole eject.
TEST_F(CameraTest, ADiskImageIsEjectedByUnmountingIt) {
    FakeUDisks::Volume image;
    image.label = QStringLiteral("IMAGE");
    image.mountPoint = card(QStringLiteral("image"));
    image.removable = false;
    image.hasDrive = false;
    const QString fileSystem = fake->plugIn(image);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera IMAGE connected")}));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    clickButton(window.get(), "saveConfigButtonOutlet");
    ASSERT_TRUE(button("ejectButton")->isVisibleTo(window.get()));
    QTest::mouseClick(button("ejectButton"), Qt::LeftButton);
    EXPECT_TRUE(statusIs(QStringLiteral("IMAGE can be removed now")));
    EXPECT_EQ(fake->calls(), QStringList{QStringLiteral("Unmount ") + fileSystem});
    EXPECT_TRUE(showsRows({}));
}

// The service restarts (an upgrade does that) while cards change: it
// announces none of the cards it starts with, so the window must ask.
TEST_F(CameraTest, AfterTheServiceRestartsTheWindowListsExactlyItsCards) {
    plugIn(QStringLiteral("GONE"), card(QStringLiteral("one")));
    plugIn(QStringLiteral("STAYS"), card(QStringLiteral("two")));
    ASSERT_TRUE(showsRows(
        {QStringLiteral("Camera GONE connected"), QStringLiteral("Camera STAYS connected")}));

    fake.reset();
    EXPECT_TRUE(showsRows({})); // the stopped service's cards are not known

    FakeUDisks::Volume added, stays, unmounted;
    added.label = QStringLiteral("ADDED");
    added.mountPoint = card(QStringLiteral("three"));
    stays.label = QStringLiteral("STAYS");
    stays.mountPoint = pathIn(QStringLiteral("two"));
    unmounted.label = QStringLiteral("SPARE");
    // The first object path is the one the card taken out had.
    fake = std::make_unique<FakeUDisks>(QString::fromStdString(testBus().address()),
                                        QList<FakeUDisks::Volume>{added, stays, unmounted});
    ASSERT_TRUE(fake->ok());
    EXPECT_TRUE(showsRows({QStringLiteral("Camera ADDED connected"),
                           QStringLiteral("Camera STAYS connected"),
                           QStringLiteral("Card SPARE is not mounted")}))
        << rowsOf(window.get()).join(QStringLiteral(" | ")).toStdString();

    // The new service's signals are followed.
    const QString later = plugIn(QStringLiteral("LATER"), card(QStringLiteral("four")));
    EXPECT_TRUE(showsRows(
        {QStringLiteral("Camera ADDED connected"), QStringLiteral("Camera STAYS connected"),
         QStringLiteral("Camera LATER connected"), QStringLiteral("Card SPARE is not mounted")}));
    fake->pullOut(later);
    EXPECT_TRUE(showsRows({QStringLiteral("Camera ADDED connected"),
                           QStringLiteral("Camera STAYS connected"),
                           QStringLiteral("Card SPARE is not mounted")}));
}

TEST_F(CameraTest, TheCardGoesAwayWhileLoadedAndComesBack) {
    const QString folder = card(QStringLiteral("one"));
    const QString fileSystem = plugIn(QStringLiteral("KAVELO_CAM"), folder);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    const QString path = folder + QStringLiteral("/CONFIG.TXT");
    const std::string before = contentsOf(path);
    click(d().lensTypeOutlet, 2);

    fake->pullOut(fileSystem);
    EXPECT_TRUE(statusIs(QStringLiteral("The card KAVELO_CAM was removed: Save cannot write ") +
                         path + QStringLiteral(" until it is back")));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("KAVELO_CAM (removed)")));
    alerts.clear();
    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Configuration file NOT saved! \nProblem during file writing!")});
    EXPECT_EQ(contentsOf(path), before); // nothing written where the card was
    EXPECT_EQ(mCF.getCameraValue(kLens), 2);

    plugIn(QStringLiteral("KAVELO_CAM"), folder);
    EXPECT_TRUE(statusIs(QStringLiteral("The card KAVELO_CAM is back: Save writes ") + path +
                         QStringLiteral(" again")));
    EXPECT_FALSE(window->windowTitle().contains(QStringLiteral("(removed)")));
    alerts.clear();
    clickButton(window.get(), "saveConfigButtonOutlet");
    KaveloConfigParser saved;
    ASSERT_TRUE(saved.readConfigFile(path.toUtf8().constData()));
    EXPECT_EQ(saved.getCameraValue(kLens), 2);
}

// Camera 1's card taken out and camera 2's put in at the same folder, as
// cards with one label are: the window says so and Save leaves camera 2's
// file as it is.
TEST_F(CameraTest, AnotherCameraAtTheSameFolderIsNotTheCardComingBack) {
    const QString folder = card(QStringLiteral("one"));
    const QString fileSystem = plugIn(QStringLiteral("KAVELO_CAM"), folder);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    click(d().lensTypeOutlet, 2);
    fake->pullOut(fileSystem);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window->windowTitle().contains(QStringLiteral("(removed)")); }, 5000));

    const QString path = folder + QStringLiteral("/CONFIG.TXT");
    ConfigFile second;
    second.firmware = "KAVELO FW v2.12";
    writeWholeFile(path.toStdString(), configText(second));
    const std::string theirs = contentsOf(path);
    plugIn(QStringLiteral("KAVELO_CAM"), folder);
    auto* bar = window->findChild<QWidget*>(QStringLiteral("noticeBar"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return d().statusText().contains(QStringLiteral("another camera's file")); }, 5000))
        << d().statusText().toStdString();
    EXPECT_FALSE(bar->isHidden());
    alerts.clear();
    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Configuration file NOT saved! \nProblem during file writing!")});
    EXPECT_EQ(contentsOf(path), theirs);
}

// A file opened at launch loads before the storage service has answered;
// it is tied to its card when the card becomes known.
TEST_F(CameraTest, AFileOpenedBeforeTheCardWasKnownIsTiedToIt) {
    const QString folder = card(QStringLiteral("one"));
    const QString fileSystem = plugIn(QStringLiteral("KAVELO_CAM"), folder);
    const QString path = folder + QStringLiteral("/CONFIG.TXT");
    ASSERT_TRUE(d().applicationOpenFile(path));
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    EXPECT_TRUE(
        window->windowTitle().startsWith(QStringLiteral("CONFIG.TXT[*] \u2014 KAVELO_CAM")));

    fake->pullOut(fileSystem);
    EXPECT_TRUE(statusIs(QStringLiteral("The card KAVELO_CAM was removed: Save cannot write ") +
                         path + QStringLiteral(" until it is back")));
    const std::string before = contentsOf(path);
    alerts.clear();
    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Configuration file NOT saved! \nProblem during file writing!")});
    EXPECT_EQ(contentsOf(path), before);
}

// The camera line's buttons take their keys from the window's assignment:
// none is shared with a menu, a tab, a button or a caption of any page.
TEST_F(CameraTest, TheCameraLineSharesNoAccessKey) {
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    const auto alwaysShown = [&] {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        for (const char* name :
             {"loadButton", "saveConfigButtonOutlet", "setDefaultsButtonOutlet", "exitButton"})
            texts << button(name)->text();
        return texts;
    };
    const QStringList before = alwaysShown();
    plugIn(QStringLiteral("KAVELO_CAM"), card(QStringLiteral("one")));
    const QString second = card(QStringLiteral("two"));
    plugIn(QStringLiteral("SECOND_CAM"), second);
    plugIn(QStringLiteral("SPARE"), QString());
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected"),
                           QStringLiteral("Camera SECOND_CAM connected"),
                           QStringLiteral("Card SPARE is not mounted")}));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    clickButton(window.get(), "saveConfigButtonOutlet");
    ASSERT_TRUE(button("ejectButton")->isVisibleTo(window.get()));

    const QStringList line{QStringLiteral("openCamera0"), QStringLiteral("openCamera1"),
                           QStringLiteral("mountCard0"), QStringLiteral("ejectButton")};
    EXPECT_EQ(alwaysShown(), before); // the keys a user knows stay
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        const QMap<QChar, QStringList> keys = controlsByKey(window.get());
        for (const QString& name : line) {
            const QChar key = accessKey(button(name.toLatin1().constData())->text());
            ASSERT_FALSE(key.isNull()) << name.toStdString();
            EXPECT_EQ(keys.value(key).size(), 1)
                << "page " << page << ", Alt+" << QString(key).toStdString() << ": "
                << keys.value(key).join(QStringLiteral(", ")).toStdString();
        }
    }

    // And the key reaches its button: the second camera's file opens.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const QChar open = accessKey(button("openCamera1")->text());
    alerts.clear();
    QTest::keyClick(window.get(), open.toLatin1(), Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts.empty(); }, 5000)); // an animated click
    EXPECT_EQ(messages(), std::vector<QString>{kLoadedMessage});
    EXPECT_STREQ(configFileName, (second + QStringLiteral("/CONFIG.TXT")).toUtf8().constData());
}

TEST_F(CameraTest, LoadStartsInTheFolderOfTheOneCamera) {
    const QString folder = card(QStringLiteral("one"));
    plugIn(QStringLiteral("KAVELO_CAM"), folder);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KAVELO_CAM connected")}));
    QString started;
    {
        ScopedOpenPanelAnswerer user([&](const OpenPanelRequest& request) {
            started = request.startDirectory;
            return std::optional<QString>();
        });
        d().loadConfigFile(nullptr);
    }
    EXPECT_EQ(started, folder);
}

// Without the storage service the window still notices a card, from the
// mount table, but can neither mount nor eject.
TEST_F(FileWorkflowTest, WithoutTheStorageServiceARealMountIsNoticed) {
    QAction* eject = action("actionEject");
    EXPECT_FALSE(eject->isEnabled());
    EXPECT_TRUE(eject->toolTip().contains(QStringLiteral("UDisks2")));

    // A card that is mounted first and holds its file only afterwards (the
    // mount table says nothing then) is noticed all the same.
    const std::string stage = pathIn(QStringLiteral("stage")).toStdString();
    const std::string where = pathIn(QStringLiteral("KAVELO_CAM")).toStdString();
    ASSERT_EQ(mkdir(stage.c_str(), 0755), 0);
    ASSERT_EQ(mkdir(where.c_str(), 0755), 0);
    const SmallFileSystem card(stage);
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    const QStringList mine = {QStringLiteral("stage"), QStringLiteral("KAVELO_CAM")};
    const auto rowsAre = [&](const QStringList& rows) {
        return QTest::qWaitFor([&] { return rowsAbout(window.get(), mine) == rows; }, 8000);
    };
    QTest::qWait(200);
    writeWholeFile(stage + "/CONFIG.TXT", configText(ConfigFile{}));
    EXPECT_TRUE(rowsAre({QStringLiteral("Camera stage connected")}))
        << rowsOf(window.get()).join(QStringLiteral(" | ")).toStdString();

    // The same file system mounted at a second place is one camera.
    ASSERT_EQ(mount(stage.c_str(), where.c_str(), nullptr, MS_BIND, nullptr), 0);
    QTest::qWait(500);
    EXPECT_EQ(rowsAbout(window.get(), mine), QStringList{QStringLiteral("Camera stage connected")});
    ASSERT_EQ(umount2(stage.c_str(), MNT_DETACH), 0);
    EXPECT_TRUE(rowsAre({QStringLiteral("Camera KAVELO_CAM connected")}))
        << rowsOf(window.get()).join(QStringLiteral(" | ")).toStdString();
    ASSERT_EQ(umount(where.c_str()), 0);
    EXPECT_TRUE(rowsAre({}));
}

// A card whose driver stopped answering never holds the window: the cards
// are looked into beside it. The longest the event loop waited between two
// ticks of a 5 ms timer, while the window looked at the cards again and again,
// is what a user would feel as a freeze.
TEST_F(FileWorkflowTest, ACardThatDoesNotAnswerNeverFreezesTheWindow) {
    const QStringList mine = {QStringLiteral("stuck-card"), QStringLiteral("answering-card")};
    const std::string stuck = pathIn(mine[0]).toStdString();
    const std::string good = pathIn(mine[1]).toStdString();
    ASSERT_EQ(mkdir(stuck.c_str(), 0755), 0);
    ASSERT_EQ(mkdir(good.c_str(), 0755), 0);
    ExfatCard card(pathIn(QStringLiteral("card.img")).toStdString(), stuck,
                   configText(ConfigFile{}));
    if (!card.ready())
        GTEST_SKIP() << card.reason();
    card.stopAnswering();

    const LongestWait wait;
    const SmallFileSystem answering(good); // a change of the mount table
    ASSERT_TRUE(answering.mounted());
    writeWholeFile(good + "/CONFIG.TXT", configText(ConfigFile{}));
    const QStringList expected = {QStringLiteral("Camera answering-card connected"),
                                  QStringLiteral("Card stuck-card is not answering")};
    EXPECT_TRUE(QTest::qWaitFor([&] { return rowsAbout(window.get(), mine) == expected; }, 10000))
        << rowsOf(window.get()).join(QStringLiteral(" | ")).toStdString();
    QTest::qWait(3500); // a look again finds the card still hanging
    EXPECT_EQ(rowsAbout(window.get(), mine), expected);
    RecordProperty("longest_wait_ms", static_cast<int>(wait.milliseconds()));
    // A look on the window's thread would hold it for the whole time limit
    // (2 s) or for ever; the 100 ms the window aims at is what it takes on a
    // quiet machine (about 30 ms), but a machine busy with other tests may
    // delay a timer that long by itself.
    EXPECT_LT(wait.milliseconds(), 500)
        << "the window did not answer for " << wait.milliseconds() << " ms";
}

// The card stops answering while its file is open: Save and Load give up
// after their time limit, say why, lose nothing, and the window keeps
// drawing and running its timers all the while.
TEST_F(FileWorkflowTest, ACardThatStopsAnsweringIsGivenUpOnBySaveAndLoad) {
    const std::string where = pathIn(QStringLiteral("stalling-card")).toStdString();
    ASSERT_EQ(mkdir(where.c_str(), 0755), 0);
    ExfatCard card(pathIn(QStringLiteral("card.img")).toStdString(), where,
                   configText(ConfigFile{{{kLens, 0}}}));
    if (!card.ready())
        GTEST_SKIP() << card.reason();
    const QString path = QString::fromStdString(where + "/CONFIG.TXT");
    d().readConfigFile(path);
    ASSERT_EQ(d().document()->path(), path);
    click(d().lensTypeOutlet, 2);
    card.stopAnswering();

    const LongestWait wait;
    alerts.clear();
    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_LT(wait.elapsed(), 12000);
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Configuration file NOT saved! \nProblem during file writing!")});
    EXPECT_EQ(d().statusText(), notAnsweringStatus(path));
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_EQ(mCF.getCameraValue(kLens), 2);

    d().readConfigFile(path); // the question about the changes answers Discard
    EXPECT_TRUE(d().statusText().contains(QStringLiteral("the card is not answering")))
        << d().statusText().toStdString();
    EXPECT_EQ(mCF.getCameraValue(kLens), 2); // a refused load changes nothing
    RecordProperty("longest_wait_ms", static_cast<int>(wait.milliseconds()));
    EXPECT_LT(wait.milliseconds(), 500)
        << "the window did not answer for " << wait.milliseconds() << " ms";
}

// After setting up cameras, Eject All ejects the ones saved, the open one's
// going no news, as after Eject.
TEST_F(CameraTest, EjectAllEjectsTheCamerasSaved) {
    const QString one = plugIn(QStringLiteral("CAM_ONE"), card(QStringLiteral("one")));
    const QString two = plugIn(QStringLiteral("CAM_TWO"), card(QStringLiteral("two")));
    plugIn(QStringLiteral("CAM_ODD"), card(QStringLiteral("odd"), "KAVELO FW v2.30"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowsOf(window.get()).size() == 3; }, 5000));
    QTest::mouseClick(button("openCamera0"), Qt::LeftButton);
    click(d().lensTypeOutlet, 2);
    action("actionApplyToCameras")->trigger();
    auto* choice = window->findChild<QWidget*>(QStringLiteral("cameraChoiceDialog"));
    ASSERT_NE(choice, nullptr);
    for (QCheckBox* box : choice->findChildren<QCheckBox*>())
        box->setChecked(true); // the unsupported one too: it is refused
    choice->findChild<QPushButton*>(QStringLiteral("applyToCamerasButton"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return button("ejectAllButton") != nullptr; }, 5000));
    QTest::mouseClick(button("ejectAllButton"), Qt::LeftButton);
    ASSERT_TRUE(showsRows({QStringLiteral("Camera CAM_ODD connected")}));
    QStringList calls = fake->calls();
    calls.sort();
    EXPECT_EQ(calls,
              (QStringList{QStringLiteral("PowerOff /org/freedesktop/UDisks2/drives/Camera_0"),
                           QStringLiteral("PowerOff /org/freedesktop/UDisks2/drives/Camera_1"),
                           QStringLiteral("Unmount ") + one, QStringLiteral("Unmount ") + two}));
    EXPECT_FALSE(d().statusText().contains(QStringLiteral("was removed")));
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("keepSettingsButton")), nullptr);
    KaveloConfigParser copied;
    ASSERT_TRUE(
        copied.readConfigFile(pathIn(QStringLiteral("two/CONFIG.TXT")).toUtf8().constData()));
    EXPECT_EQ(copied.getCameraValue(kLens), 2);
}

} // namespace
