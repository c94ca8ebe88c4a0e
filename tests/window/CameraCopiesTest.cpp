// Apply to Connected Cameras on the real window, with cards that appear with
// their file on them: each camera ticked gets the settings shown and keeps
// its identifier texts, each says what became of it, a cancelled run leaves
// the cameras after it untouched, and ten cameras take a moment.
#include "CameraChoiceDialog.h"
#include "CopyResultsDialog.h"
#include "FileLock.h"
#include "FileWorkflowFixture.h"
#include "KaveloConfigParser.h"
#include "SmallFileSystem.h"
#include "TestFiles.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <sys/stat.h>

namespace {

class CameraCopiesTest : public FileWorkflowTest {
  protected:
    // A card of this test's own, at a folder named `name` (so named in the
    // window): cards of tests running beside it are never ticked.
    const CameraCard& plugIn(const QString& name, const ConfigFile& file, bool readOnly = false) {
        const std::string where = pathIn(name).toStdString();
        mkdir(where.c_str(), 0755);
        cards_.push_back(std::make_unique<CameraCard>(where, configText(file), readOnly));
        names_ << name;
        return *cards_.back();
    }
    bool cardsMounted() const {
        return std::all_of(cards_.begin(), cards_.end(),
                           [](const auto& c) { return c->mounted(); });
    }
    // Waits for the window to list every card plugged in.
    bool allListed() {
        return QTest::qWaitFor(
            [&] {
                const QStringList rows = cameraRowsOf(window.get());
                return std::all_of(names_.begin(), names_.end(), [&](const QString& name) {
                    return rows.contains(QStringLiteral("Camera %1 connected").arg(name));
                });
            },
            8000);
    }
    // Opens the chooser, ticks exactly `ticked` of this test's cards (and no
    // other test's), and applies.
    CameraChoiceDialog* choose() {
        action("actionApplyToCameras")->trigger();
        return window->findChild<CameraChoiceDialog*>(QStringLiteral("cameraChoiceDialog"));
    }
    QCheckBox* boxOf(CameraChoiceDialog* dialog, const QString& name) {
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
            if (box->text().startsWith(name + QStringLiteral(" — ")))
                return box;
        }
        return nullptr;
    }
    void apply(CameraChoiceDialog* dialog, const QStringList& ticked) {
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            box->setChecked(std::any_of(ticked.begin(), ticked.end(), [&](const QString& name) {
                return box->text().startsWith(name + QStringLiteral(" — "));
            }));
        dialog->findChild<QPushButton*>(QStringLiteral("applyToCamerasButton"))->click();
    }
    // The result lines once they show, sorted.
    QStringList results(int waitMilliseconds = 20000) {
        QListWidget* list = nullptr;
        if (!QTest::qWaitFor(
                [&] {
                    list = window->findChild<QListWidget*>(QStringLiteral("copyResults"));
                    return list != nullptr;
                },
                waitMilliseconds))
            return {};
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        lines.sort();
        return lines;
    }
    std::string fileOf(const QString& name) const {
        return pathIn(name).toStdString() + "/CONFIG.TXT";
    }

    QStringList names_;

  private:
    std::vector<std::unique_ptr<CameraCard>> cards_;
};

KaveloConfigParser readBack(const std::string& path) {
    KaveloConfigParser config;
    stderrOf([&] { EXPECT_TRUE(config.readConfigFile(path.c_str())) << path; });
    return config;
}

TEST_F(CameraCopiesTest, EachCameraTickedGetsTheSettingsAndKeepsItsIdentification) {
    plugIn(QStringLiteral("copies-open"), ConfigFile{{{kLens, 0}}});
    plugIn(QStringLiteral("copies-217"), ConfigFile{{{kLens, 0}}, "KAVELO_FW v2.17"});
    plugIn(QStringLiteral("copies-230"), ConfigFile{{}, "KAVELO FW v2.30"});
    plugIn(QStringLiteral("copies-ro"), ConfigFile{{{kLens, 0}}}, true);
    if (!cardsMounted())
        GTEST_SKIP() << "cards cannot be mounted here";
    ASSERT_TRUE(allListed())
        << cameraRowsOf(window.get()).join(QStringLiteral(" | ")).toStdString();
    const std::string unsupported = readWholeFile(fileOf(QStringLiteral("copies-230")));
    const std::string readOnly = readWholeFile(fileOf(QStringLiteral("copies-ro")));

    EXPECT_FALSE(action("actionApplyToCameras")->isEnabled()); // nothing open yet
    d().readConfigFile(QString::fromStdString(fileOf(QStringLiteral("copies-open"))));
    click(d().lensTypeOutlet, 2);
    ASSERT_TRUE(action("actionApplyToCameras")->isEnabled());

    CameraChoiceDialog* dialog = choose();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(boxOf(dialog, QStringLiteral("copies-open"))->text().endsWith("(open now)"));
    EXPECT_EQ(boxOf(dialog, QStringLiteral("copies-230"))->text(),
              QStringLiteral("copies-230 — KAVELO FW v2.30, not supported"));
    EXPECT_FALSE(boxOf(dialog, QStringLiteral("copies-230"))->isChecked());
    EXPECT_TRUE(boxOf(dialog, QStringLiteral("copies-217"))->isChecked());
    // What a screen reader is told of a camera: its line, whether it is
    // ticked, and where its file is.
    QAccessibleInterface* box =
        QAccessible::queryAccessibleInterface(boxOf(dialog, QStringLiteral("copies-230")));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->role(), QAccessible::CheckBox);
    EXPECT_EQ(box->text(QAccessible::Name),
              QStringLiteral("copies-230 — KAVELO FW v2.30, not supported"));
    EXPECT_FALSE(box->state().checked);
    EXPECT_TRUE(box->text(QAccessible::Description).endsWith(QStringLiteral("/CONFIG.TXT")));
    apply(dialog, names_);

    EXPECT_EQ(results(),
              (QStringList{
                  QStringLiteral("copies-217: saved and checked"),
                  QStringLiteral("copies-230: refused: Firmware v2.30 not supported! Kavelo "
                                 "Manager needs to be updated! Supported from version v2.10 to "
                                 "v2.25"),
                  QStringLiteral("copies-open: saved and checked"),
                  QStringLiteral("copies-ro: not saved: the card is write-protected"),
              }));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(
        window->findChild<QListWidget*>(QStringLiteral("copyResults")));
    EXPECT_TRUE(list->text(QAccessible::Name).startsWith(QStringLiteral("Saved and checked on ")));
    EXPECT_GE(list->childCount(), 4);
    EXPECT_EQ(window->findChild<QPushButton*>(QStringLiteral("ejectAllButton")), nullptr)
        << "the mount table cannot eject";
    EXPECT_FALSE(window->isWindowModified()); // the open file was saved

    for (const auto& [name, firmware] : {std::pair{"copies-open", "KAVELO FW v2.20"},
                                         std::pair{"copies-217", "KAVELO_FW v2.17"}}) {
        const KaveloConfigParser copied = readBack(fileOf(QString::fromLatin1(name)));
        EXPECT_STREQ(copied.getFirmwareString(), firmware) << name;
        EXPECT_EQ(copied.getCameraValue(kLens), 2) << name;
    }
    // The card-format line is one of firmware 2.18 on.
    EXPECT_EQ(readWholeFile(fileOf(QStringLiteral("copies-217"))).find("Format"),
              std::string::npos);
    EXPECT_EQ(readWholeFile(fileOf(QStringLiteral("copies-230"))), unsupported);
    EXPECT_EQ(readWholeFile(fileOf(QStringLiteral("copies-ro"))), readOnly);
}

// The first camera's file is held by another program for longer than a save
// waits: the progress dialog shows past half a second, Cancel stops the run
// after that camera, and the cameras after it are not touched.
TEST_F(CameraCopiesTest, CancelStopsBeforeTheNextCamera) {
    const QString preset = write(QStringLiteral("HELMET.TXT"), ConfigFile{{{kLens, 2}}});
    plugIn(QStringLiteral("cancel-held"), ConfigFile{{{kLens, 0}}});
    plugIn(QStringLiteral("cancel-next"), ConfigFile{{{kLens, 0}}});
    plugIn(QStringLiteral("cancel-last"), ConfigFile{{{kLens, 0}}});
    if (!cardsMounted())
        GTEST_SKIP() << "cards cannot be mounted here";
    ASSERT_TRUE(allListed());
    const std::string untouched = readWholeFile(fileOf(QStringLiteral("cancel-next")));
    d().readConfigFile(preset); // a preset kept on the computer

    const FileLock held(fileOf(QStringLiteral("cancel-held")));
    CameraChoiceDialog* dialog = choose();
    ASSERT_NE(dialog, nullptr);
    apply(dialog, names_);
    auto* progress = window->findChild<QProgressDialog*>(QStringLiteral("copyProgress"));
    ASSERT_NE(progress, nullptr);
    QTest::qWait(100);
    EXPECT_FALSE(progress->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->isVisible(); }, 1500));
    progress->findChild<QPushButton*>()->click();

    EXPECT_EQ(results(), (QStringList{
                             QStringLiteral("cancel-held: not saved: another program is using "
                                            "its file"),
                             QStringLiteral("cancel-last: not tried"),
                             QStringLiteral("cancel-next: not tried"),
                         }));
    EXPECT_EQ(readWholeFile(fileOf(QStringLiteral("cancel-next"))), untouched);
    EXPECT_EQ(readWholeFile(fileOf(QStringLiteral("cancel-last"))), untouched);
}

// What the closing figure of setting up ten cameras is measured by: from the
// click on Apply to the results, with each file saved and read back.
TEST_F(CameraCopiesTest, TenCamerasAreSetUpInAMoment) {
    const QString preset = write(QStringLiteral("HELMET.TXT"), ConfigFile{{{kLens, 2}}});
    for (int i = 0; i < 10; ++i)
        plugIn(QStringLiteral("ten-%1").arg(i), ConfigFile{{{kLens, 0}}});
    if (!cardsMounted())
        GTEST_SKIP() << "cards cannot be mounted here";
    ASSERT_TRUE(allListed());
    d().readConfigFile(preset);

    QElapsedTimer clock;
    clock.start();
    apply(choose(), names_);
    const QStringList lines = results();
    const qint64 elapsed = clock.elapsed();
    RecordProperty("ten_cameras_ms", static_cast<int>(elapsed));
    std::printf("ten cameras set up in %lld ms\n", static_cast<long long>(elapsed));
    EXPECT_EQ(lines.size(), 10);
    for (const QString& line : lines)
        EXPECT_TRUE(line.endsWith(QStringLiteral(": saved and checked"))) << line.toStdString();
    EXPECT_LT(elapsed, 5000);
}

} // namespace
