// The window against the real storage service: udisksd on a bus of the
// test's own that the window takes for the system bus, with exFAT card images
// on loop devices that udev presents as SD cards, each holding a CONFIG.TXT
// that kavelo-config wrote. The camera is listed, opened, saved and ejected;
// and when udisksd restarts while cards come and go, the window lists the
// cards the new udisksd has, not those the old one had. Where udisksd or
// udevd cannot run, the whole program skips (exit status 77) and says why.
#include "RealUDisks.h"
#include "CliHarness.h"
#include "FileWorkflowFixture.h"
#include "Globals.h"
#include "TestFiles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

RealUDisks* udisks = nullptr;

// The test's cards are labelled KV...: rows of whatever else the machine has
// mounted are left out.
constexpr char kLabelPrefix[] = " KV";

class RealUDisksTest : public FileWorkflowTest {
  protected:
    // A card mounted with a camera's file that kavelo-config wrote: it
    // fills in every setting of a file that holds only the identification.
    LoopCard* camera(const char* label) {
        auto card = std::make_unique<LoopCard>(udisks->folder(), label);
        LoopCard* made = card.get();
        cards_.push_back(std::move(card));
        if (!made->ready())
            return made;
        const std::string path = made->mountPoint() + "/CONFIG.TXT";
        writeWholeFile(path, identificationOnly("KAVELO FW v2.20", "HW v003"));
        const RunResult written = runProgram({"sync-clock", path});
        EXPECT_EQ(written.status, 0) << written.err;
        return made;
    }

    QStringList ourRows() const {
        QStringList rows = cameraRowsOf(window.get()).filter(QLatin1String(kLabelPrefix));
        rows.sort();
        return rows;
    }
    bool showsRows(QStringList expected) {
        expected.sort();
        return QTest::qWaitFor([&] { return ourRows() == expected; }, 20000);
    }
    std::string shown() const {
        return cameraRowsOf(window.get()).join(QStringLiteral(" | ")).toStdString();
    }
    // The Open button of the row that names `label`.
    QPushButton* openButtonOf(const QString& label) {
        const QStringList cameras =
            cameraRowsOf(window.get()).filter(QRegularExpression(QStringLiteral("^Camera ")));
        const auto index = cameras.indexOf(QStringLiteral("Camera %1 connected").arg(label));
        return index < 0
                   ? nullptr
                   : window->findChild<QPushButton*>(QStringLiteral("openCamera%1").arg(index));
    }
    bool statusIs(const QString& text) {
        return QTest::qWaitFor([&] { return d().statusText() == text; }, 20000);
    }

  private:
    std::vector<std::unique_ptr<LoopCard>> cards_;
};

TEST_F(RealUDisksTest, TheCameraIsListedOpenedSavedAndEjected) {
    LoopCard* card = camera("KVCAM");
    ASSERT_TRUE(card->ready()) << card->reason();
    ASSERT_TRUE(showsRows({QStringLiteral("Camera KVCAM connected")})) << shown();

    QPushButton* open = openButtonOf(QStringLiteral("KVCAM"));
    ASSERT_NE(open, nullptr) << shown();
    QTest::mouseClick(open, Qt::LeftButton);
    const QString path = QString::fromStdString(card->mountPoint()) + QStringLiteral("/CONFIG.TXT");
    EXPECT_EQ(messages(), std::vector<QString>{kLoadedMessage});
    EXPECT_STREQ(configFileName, path.toUtf8().constData());
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("CONFIG.TXT[*] \u2014 KVCAM")))
        << window->windowTitle().toStdString();

    click(d().lensTypeOutlet, 2);
    alerts.clear();
    clickButton(window.get(), "saveConfigButtonOutlet");
    KaveloConfigParser saved;
    ASSERT_TRUE(saved.readConfigFile(path.toUtf8().constData()));
    EXPECT_EQ(saved.getCameraValue(kLens), 2);

    // A card in a reader cannot be powered off: unmounting it is the eject.
    auto* eject = window->findChild<QPushButton*>(QStringLiteral("ejectButton"));
    ASSERT_TRUE(eject->isVisibleTo(window.get()));
    QTest::mouseClick(eject, Qt::LeftButton);
    EXPECT_TRUE(statusIs(QStringLiteral("KVCAM can be removed now")))
        << d().statusText().toStdString();
    EXPECT_FALSE(card->isMounted());
    // Whether the unmounted card gets a "not mounted" row depends on
    // udisksd giving the loop device a drive, which it may do only for
    // devices it finds when it starts; the camera's row goes either way.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !ourRows().contains(QStringLiteral("Camera KVCAM connected")); }, 20000))
        << shown();
}

// udisksd announces none of the cards it starts with; the window asks it
// again, and forgets what the stopped one had listed. The new card takes the
// loop device (and so the object path) the removed one had.
TEST_F(RealUDisksTest, AfterUdisksdRestartsTheWindowListsExactlyItsCards) {
    LoopCard* gone = camera("KVGONE");
    ASSERT_TRUE(gone->ready()) << gone->reason();
    LoopCard* stays = camera("KVSTAYS");
    ASSERT_TRUE(stays->ready()) << stays->reason();
    ASSERT_TRUE(showsRows(
        {QStringLiteral("Camera KVGONE connected"), QStringLiteral("Camera KVSTAYS connected")}))
        << shown();

    ASSERT_TRUE(udisks->stopService());
    EXPECT_TRUE(showsRows({})) << shown();
    gone->remove();
    LoopCard* added = camera("KVADDED");
    ASSERT_TRUE(added->ready()) << added->reason();
    ASSERT_TRUE(udisks->startService()) << udisks->reason();
    EXPECT_TRUE(showsRows(
        {QStringLiteral("Camera KVADDED connected"), QStringLiteral("Camera KVSTAYS connected")}))
        << shown();

    // The new udisksd's signals are followed.
    added->remove();
    EXPECT_TRUE(showsRows({QStringLiteral("Camera KVSTAYS connected")})) << shown();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    useScratchHome();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    RealUDisks service;
    if (!service.ready()) {
        std::printf("SKIP: udisksd cannot run here: %s\n", service.reason().c_str());
        return 77;
    }
    // The window finds the storage service on the system bus.
    setenv("DBUS_SYSTEM_BUS_ADDRESS", service.busAddress().c_str(), 1);
    udisks = &service;
    return RUN_ALL_TESTS();
}
