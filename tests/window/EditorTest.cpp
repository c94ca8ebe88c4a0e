// The editor around the settings: the title names the file Save writes, the
// modified marker, undo and redo of every kind of change, the status bar,
// and Help, About and the tab keys.
#include "FileWorkflowFixture.h"

#include "Globals.h"
#include "SmallFileSystem.h"
#include "TestFiles.h"
#include "Version.h"
#include "WindowTitle.h"

#include <QAction>
#include <QDialog>
#include <QMessageBox>
#include <QSlider>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QUndoStack>

#include <functional>
#include <sys/stat.h>

namespace {

const QString kDash = QStringLiteral(" \u2014 ");

class Editor : public FileWorkflowTest {
  protected:
    void undo() { action("actionUndo")->trigger(); }
    void redo() { action("actionRedo")->trigger(); }
    QString status() { return d().statusText(); }
};

TEST_F(Editor, TheTitleNamesTheFileSaveWritesAndMarksChanges) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kavelo Manager"));
    EXPECT_EQ(d().firstRowLabelOutlet->widget()->text(),
              QStringLiteral("Connect the camera or open its CONFIG.TXT"));
    const QString path = write("CONFIG.TXT", ConfigFile{{{kLens, 0}}});
    openWithPanel(d(), path);
    const QString title = window->windowTitle();
    EXPECT_EQ(title, QStringLiteral("CONFIG.TXT[*]") + kDash + volumeOrFolderOf(path) + kDash +
                         QStringLiteral("Kavelo Manager"));
    EXPECT_FALSE(window->isWindowModified());

    click(d().lensTypeOutlet, 2);
    EXPECT_TRUE(window->isWindowModified());
    click(d().lensTypeOutlet, 0); // back to what the file holds
    EXPECT_FALSE(window->isWindowModified());
    click(d().lensTypeOutlet, 1);
    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_FALSE(window->isWindowModified());

    // A refused file leaves the title naming the file that Save writes.
    openWithPanel(d(), write("OTHER.TXT", ConfigFile{{}, "KAVELO FW v2.26", "HW v003"}));
    EXPECT_EQ(window->windowTitle(), title);
}

TEST(WindowTitle, NamesTheCardByItsLabelOrElseTheFolder) {
    EXPECT_EQ(volumeOrFolderOf(QStringLiteral("/no/such/CAMERA/CONFIG.TXT")),
              QStringLiteral("CAMERA"));
    ScratchDirectory scratch;
    const std::string where = scratch.file("card");
    ASSERT_EQ(mkdir(where.c_str(), 0755), 0);
    const SmallFileSystem card(where);
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    // A volume of its own is named as the desktop names it (its label, or
    // where it is mounted), not by the folder that holds the file.
    const QString file = QString::fromStdString(where) + QStringLiteral("/DCIM/CONFIG.TXT");
    ASSERT_EQ(mkdir((where + "/DCIM").c_str(), 0755), 0);
    EXPECT_EQ(volumeOrFolderOf(file), QStorageInfo(QString::fromStdString(where)).displayName());
    EXPECT_NE(volumeOrFolderOf(file), QStringLiteral("DCIM"));
}

// Each user action is one step; undo restores the settings and what the
// window shows, redo does the action again.
TEST_F(Editor, EveryKindOfChangeIsOneStepThatUndoAndRedoTakeBackAndRedo) {
    const QString path =
        write("CONFIG.TXT", ConfigFile{{{kWhiteBalance, 6}, {kVideo1Resolution, 1}}});
    openWithPanel(d(), path);
    const Settings loaded = settingsNow();
    const struct {
        const char* what;
        std::function<void()> act;
        std::set<int> changes;
    } steps[] = {
        {"a click", [&] { click(d().lensTypeOutlet, 2); }, {kLens}},
        {"a typed gain",
         [&] { type(d().whiteBalanceCustomGreen, QStringLiteral("640")); },
         {kCustom2Green}},
        // 60 fps at 1920x1080 also moves the resolution: one step for both.
        {"a video-mode switch",
         [&] { click(d().videoMode1FPSOutlet, 0); },
         {kVideo1FrameRate, kVideo1Resolution}},
        {"a slider's key",
         [&] { QTest::keyClick(d().exposureSliderOutlet->widget(), Qt::Key_End); },
         {kExposure}},
        {"a slider's drag",
         [&] {
             QSlider* slider = d().timeLapsePhotoSliderOutlet->widget();
             slider->setSliderDown(true);
             for (int position = 1; position <= 4; ++position)
                 slider->setValue(position);
             slider->setSliderDown(false);
         },
         {kPhotoTimeLapse}},
        {"Set defaults",
         [&] { clickButton(window.get(), "setDefaultsButtonOutlet"); },
         {kLens, kCustom2Green, kVideo1FrameRate, kVideo1Resolution, kExposure, kPhotoTimeLapse,
          kWhiteBalance}},
    };
    std::vector<Settings> after;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const Settings before = settingsNow();
        const int count = d().history()->count();
        step.act();
        after.push_back(settingsNow());
        EXPECT_EQ(d().history()->count(), count + 1);
        for (int setting : step.changes)
            EXPECT_TRUE(changed(before, after.back()).count(setting)) << setting;
    }
    for (std::size_t i = after.size(); i-- > 0;) {
        SCOPED_TRACE(steps[i].what);
        undo();
        EXPECT_EQ(settingsNow(), i == 0 ? loaded : after[i - 1]);
    }
    EXPECT_EQ(d().lensTypeOutlet->selectedColumn(), 0); // the window shows the undone state
    EXPECT_EQ(d().exposureSliderOutlet->integerValue(), 0);
    EXPECT_FALSE(window->isWindowModified());
    for (std::size_t i = 0; i < after.size(); ++i) {
        redo();
        EXPECT_EQ(settingsNow(), after[i]) << steps[i].what;
    }
    EXPECT_EQ(d().lensTypeOutlet->selectedColumn(), 0); // Set defaults again
    EXPECT_TRUE(window->isWindowModified());

    // A new file starts a new history.
    openWithPanel(d(), path);
    EXPECT_EQ(d().history()->count(), 0);
    EXPECT_FALSE(action("actionUndo")->isEnabled());
}

TEST_F(Editor, TheStatusBarTellsWhatHappenedWithThePath) {
    const QString path =
        write("CONFIG.TXT", ConfigFile{{{kVideo1LoopRecording, 1}, {kVideo1ClipLength, 3}}});
    openWithPanel(d(), path);
    EXPECT_EQ(status(), QStringLiteral("Loaded ") + path +
                            QStringLiteral(". Video mode 1: clip length lowered to 5 min because "
                                           "loop recording is on; Save writes it"));
    EXPECT_TRUE(window->isWindowModified()); // the memory holds what the file does not

    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_EQ(status(), QStringLiteral("Saved ") + path);

    const QString refused = write("OLD.TXT", ConfigFile{{}, "KAVELO FW v2.20", "HW v002"});
    openWithPanel(d(), refused);
    EXPECT_EQ(status(), QStringLiteral("Not loaded: ") + refused +
                            QStringLiteral(": Camera revision not supported! Actually supported "
                                           "only revision v003 Save still writes ") +
                            path + QStringLiteral("."));
}

// A card too full for the new file: the save fails with the reason, the
// file is as it was, the edits stay.
TEST_F(Editor, AFailedSaveOnAFullCardSaysWhy) {
    ScratchDirectory scratch;
    const std::string where = scratch.file("card");
    ASSERT_EQ(mkdir(where.c_str(), 0755), 0);
    const SmallFileSystem card(where, "16k");
    if (!card.mounted())
        GTEST_SKIP() << card.reason();
    const std::string config = where + "/CONFIG.TXT";
    writeWholeFile(config, configText(ConfigFile{{{kLens, 0}}}));
    const QString path = QString::fromStdString(config);
    openWithPanel(d(), path);
    fill(where);
    const std::string before = readWholeFile(config);

    click(d().lensTypeOutlet, 2);
    // The new text fits where the file is: the user is asked whether to write
    // it there without the safety copy. Cancel keeps the file.
    alerts.clear();
    answer = QMessageBox::Cancel;
    clickButton(window.get(), "saveConfigButtonOutlet");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, QStringLiteral("There is no room on the card for the safety "
                                                "copy that a save writes first."));
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Configuration file NOT saved! \nProblem during file writing!")});
    EXPECT_EQ(status(), QStringLiteral("Not saved: ") + path +
                            QStringLiteral(": the card is full; the file is as it was"));
    EXPECT_EQ(readWholeFile(config), before);
    EXPECT_EQ(mCF.getCameraValue(kLens), 2);
    EXPECT_TRUE(window->isWindowModified());

    alerts.clear();
    answer = QMessageBox::Save; // Write in Place
    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_EQ(messages().back(), QStringLiteral("Configuration file saved successfully! \nSafely "
                                                "remove your camera and load the new "
                                                "configuration"));
    KaveloConfigParser saved;
    ASSERT_TRUE(saved.readConfigFile(config.c_str()));
    EXPECT_EQ(saved.getCameraValue(kLens), 2);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(WindowTest, HelpAboutAndTheTabKeys) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* help = window->findChild<QDialog*>(QStringLiteral("helpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->findChild<QTextBrowser*>()->toPlainText();
    for (const char* part : {"Open the camera's file", "Configuration file NOT saved!",
                             "Camera revision not supported!", "Undo"})
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
    help->close();

    window->findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
    auto* about = window->findChild<QMessageBox*>(QStringLiteral("aboutBox"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), QStringLiteral("Kavelo Manager " KAVELO_VERSION));
    EXPECT_TRUE(about->informativeText().contains(QStringLiteral("GPL-3.0-or-later")));
    about->close();

    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    tabs->setCurrentIndex(0);
    QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), tabs->count() - 1);
}

} // namespace
