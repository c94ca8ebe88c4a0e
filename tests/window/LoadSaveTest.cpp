// Loading a configuration file into the window and saving it back: the
// window's state before each alert, every refusal message, and what Save
// writes where.
#include "FileWorkflowFixture.h"

#include "CameraRules.h"
#include "Globals.h"
#include "OpenPanel.h"
#include "SafeFileReplace.h"
#include "Settings.h"

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <unistd.h>

namespace {

TEST_F(FileWorkflowTest, ASupportedFileFillsTheWindowBeforeTheSuccessAlert) {
    const int sharpest = settingRow(kSharpness).maximum;
    const QString path = write("CONFIG.TXT", ConfigFile{{{37, 0},
                                                         {kLens, 1},
                                                         {40, 0},
                                                         {46, 1},
                                                         {49, 5},
                                                         {50, 300},
                                                         {51, 400},
                                                         {52, 500},
                                                         {63, sharpest}}});
    ScopedOpenPanelAnswerer user([path](const OpenPanelRequest&) { return path; });
    clickButton(window.get(), "loadButton");

    ASSERT_EQ(messages(), std::vector<QString>{kLoadedMessage});
    EXPECT_EQ(alerts[0].firstRow, QStringLiteral("Firmware info: KAVELO FW v2.20"));
    EXPECT_EQ(alerts[0].secondRow,
              QStringLiteral("Revision info: HW v003\t Camera time:2026/12/06-09:05:07"));
    EXPECT_TRUE(alerts[0].saveEnabled);
    EXPECT_EQ(configFileName, path.toStdString());
    EXPECT_TRUE(d().saveConfigButtonOutlet->widget()->isEnabled());
    EXPECT_TRUE(d().setDefaultsButtonOutlet->widget()->isEnabled());
    EXPECT_TRUE(action("actionSave")->isEnabled());

    const struct {
        Group group;
        long column;
    } shown[] = {{&D::recordingLedOutlet, 0},
                 {&D::lensTypeOutlet, 1},
                 {&D::artificialLightOutlet, 0},
                 {&D::motionDetectOutlet, 1}};
    for (const auto& row : shown)
        EXPECT_EQ((d().*row.group)->selectedColumn(), row.column);
    for (const ColumnGroup& row : kColumnGroups)
        EXPECT_EQ((d().*row.group)->selectedColumn(), mCF.getCameraValue(row.setting)) << row.name;
    EXPECT_EQ(d().sharpnessSliderOutlet->integerValue(), sharpest);
    EXPECT_EQ(d().sharpnessLabel->widget()->text(), QString::number(sharpest));
    EXPECT_EQ(rules::whiteBalanceFromPosition(
                  static_cast<int>(d().whiteBalanceSliderOutlet->integerValue())),
              5);
    EXPECT_TRUE(d().whiteBalanceCustomRed->widget()->isEnabled());
    EXPECT_EQ(d().whiteBalanceCustomRed->intValue(), 300);
    EXPECT_EQ(d().whiteBalanceCustomGreen->intValue(), 400);
    EXPECT_EQ(d().whiteBalanceCustomBlue->intValue(), 500);
}

TEST_F(FileWorkflowTest, IdentificationInTheStatusRowsIsShownAsText) {
    openWithPanel(d(), write("CONFIG.TXT", ConfigFile{{}, "<b>KAVELO</b> v2.20", "HW v003"}));
    ASSERT_EQ(messages(), std::vector<QString>{kLoadedMessage});
    EXPECT_EQ(d().firstRowLabelOutlet->widget()->textFormat(), Qt::PlainText);
    EXPECT_EQ(d().secondRowLabelOutlet->widget()->textFormat(), Qt::PlainText);
    EXPECT_EQ(d().firstRowLabelOutlet->widget()->text(),
              QStringLiteral("Firmware info: <b>KAVELO</b> v2.20"));
}

// How the refused file differs from one our writer wrote.
enum class Damage { None, UnclosedDateLine, Missing, TooLarge };

struct Refusal {
    const char* name;
    const char* firmware;
    const char* revision;
    Damage damage;
    bool afterALoad; // a supported file was loaded before
    const char* message;
};

const char kTooOld[] = "Camera firmware too old! \nSupported from version v2.10 to v2.25";
const char kRevision[] = "Camera revision not supported! \nActually supported only revision v003";

const Refusal kRefusals[] = {
    {"Revision2", "KAVELO FW v2.20", "HW v002", Damage::None, false, kRevision},
    {"Revision2OldFirmware", "KAVELO FW v2.09", "HW v002", Damage::None, false, kRevision},
    {"Firmware209", "KAVELO FW v2.09", "HW v003", Damage::None, false, kTooOld},
    {"Firmware215UnclosedDate", "KAVELO FW v2.15", "HW v003", Damage::UnclosedDateLine, false,
     "Unknown file format!"},
    {"Firmware226", "KAVELO FW v2.26", "HW v003", Damage::None, false,
     "Firmware v2.26 not supported!\nKavelo Manager needs to be updated! \nSupported from "
     "version v2.10 to v2.25"},
    {"Firmware230", "KAVELO FW v2.30", "HW v003", Damage::None, true,
     "Firmware v2.30 not supported!\nKavelo Manager needs to be updated! \nSupported from "
     "version v2.10 to v2.25"},
    {"Revision2AfterALoad", "KAVELO FW v2.20", "HW v002", Damage::None, true, kRevision},
    // The numbers of the file before still stand when a file cannot be read.
    {"MissingAtStart", "", "", Damage::Missing, false, kRevision},
    {"TooLargeAtStart", "KAVELO FW v2.20", "HW v003", Damage::TooLarge, false, kRevision},
    {"MissingAfterALoad", "", "", Damage::Missing, true, "Unknown file format!"},
    {"TooLargeAfterALoad", "KAVELO FW v2.20", "HW v003", Damage::TooLarge, true,
     "Unknown file format!"},
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

class RefusedLoad : public FileWorkflowTest, public ::testing::WithParamInterface<Refusal> {
  protected:
    QString refusedFile(const Refusal& c) {
        if (c.damage == Damage::Missing)
            return pathIn("MISSING.TXT");
        std::string text = configText(ConfigFile{{{kLens, 0}, {37, 0}}, c.firmware, c.revision});
        if (c.damage == Damage::UnclosedDateLine) {
            const std::string closed = "Date time=[2026/12/06-09:05:07]";
            text.replace(text.find(closed), closed.size(), "Date time=[2026/12/06-09:05:07");
        }
        if (c.damage == Damage::TooLarge)
            text += std::string(kMaxFileSize, '\n');
        return write("REFUSED.TXT", text);
    }
};

// The alert names why; the settings, identification, path, status rows,
// buttons and controls stay those of the last file that loaded, or of the
// start.
TEST_P(RefusedLoad, TellsWhyAndChangesNothing) {
    const Refusal& c = GetParam();
    if (c.afterALoad) {
        openWithPanel(d(), write("GOOD.TXT", ConfigFile{{{kLens, 1}}}));
        ASSERT_EQ(messages(), std::vector<QString>{kLoadedMessage});
        alerts.clear();
    }
    const QString refused = refusedFile(c);
    clearRefreshMark();
    const WorkflowState before = state();
    openWithPanel(d(), refused);
    EXPECT_EQ(messages(), std::vector<QString>{QString::fromUtf8(c.message)});
    EXPECT_EQ(state(), before);
    EXPECT_FALSE(refreshed());
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedLoad, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileWorkflowTest, FirmwareVersionsInAlertsKeepTheirDecimalPointInAnyLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "de_DE.utf8") == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    openWithPanel(d(), write("NEW.TXT", ConfigFile{{}, "KAVELO FW v2.26", "HW v003"}));
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_EQ(alerts.size(), 1u);
    EXPECT_TRUE(alerts[0].message.startsWith(QStringLiteral("Firmware v2.26 not supported!")));
    EXPECT_TRUE(alerts[0].message.endsWith(QStringLiteral("from version v2.10 to v2.25")));
}

// Without the way back, Save would write the first file's settings into the
// refused one, or the refused file's identification into the first.
TEST_F(FileWorkflowTest, AfterARefusedLoadSaveWritesTheFileThatLoadedWithItsIdentification) {
    const QString good = write("A.TXT", ConfigFile{{{kLens, 1}}, "CAM A v2.20", "HW v003"});
    const QString refused = write("B.TXT", ConfigFile{{{kLens, 0}}, "CAM B v2.26", "HW v003"});
    const std::string refusedBefore = contentsOf(refused);
    EXPECT_TRUE(d().applicationOpenFile(good));
    EXPECT_TRUE(d().applicationOpenFile(refused));
    ASSERT_EQ(alerts.size(), 2u);
    EXPECT_TRUE(alerts[1].message.startsWith(QStringLiteral("Firmware v2.26 not supported!")));
    EXPECT_EQ(d().firstRowLabelOutlet->widget()->text(),
              QStringLiteral("Firmware info: CAM A v2.20"));

    clickButton(window.get(), "saveConfigButtonOutlet");
    EXPECT_EQ(contentsOf(refused), refusedBefore);
    KaveloConfigParser saved;
    ASSERT_TRUE(saved.readConfigFile(good.toUtf8().constData()));
    EXPECT_STREQ(saved.getFirmwareString(), "CAM A v2.20");
    EXPECT_EQ(saved.getCameraValue(kLens), 1);
}

TEST_F(FileWorkflowTest, SaveWritesTheEditedSettingsBackFromTheButtonAndTheMenu) {
    const QString path = write("CONFIG.TXT", ConfigFile{{{kLens, 0}}});
    openWithPanel(d(), path);
    const struct {
        const char* how;
        long lens;
        std::function<void()> save;
    } saves[] = {
        {"Save button", 1, [&] { clickButton(window.get(), "saveConfigButtonOutlet"); }},
        {"File > Save", 0, [&] { action("actionSave")->trigger(); }},
    };
    for (const auto& c : saves) {
        SCOPED_TRACE(c.how);
        alerts.clear();
        click(d().lensTypeOutlet, c.lens);
        c.save();
        EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                                  "Configuration file saved successfully! \nSafely remove your "
                                  "camera and load the new configuration")});
        KaveloConfigParser saved;
        ASSERT_TRUE(saved.readConfigFile(path.toUtf8().constData()));
        EXPECT_EQ(saved.getCameraValue(kLens), c.lens);
        EXPECT_STREQ(saved.getFirmwareString(), "KAVELO FW v2.20");
    }
}

// An assistive tool changes controls through their accessibility actions and
// values, not by clicks: what it changes is what the window stores and saves.
TEST_F(FileWorkflowTest, WhatAnAssistiveToolChangesIsWhatSaveWrites) {
    const QString path = write("CONFIG.TXT", ConfigFile{{{kLens, 0}, {kExposure, 0}}});
    openWithPanel(d(), path);
    QAccessibleInterface* fisheye =
        QAccessible::queryAccessibleInterface(d().lensTypeOutlet->cellAtRow(0, 2));
    ASSERT_NE(fisheye, nullptr);
    ASSERT_NE(fisheye->actionInterface(), nullptr);
    fisheye->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(mCF.getCameraValue(kLens), 2);

    QAccessibleInterface* exposure =
        QAccessible::queryAccessibleInterface(d().exposureSliderOutlet->widget());
    ASSERT_NE(exposure, nullptr);
    ASSERT_NE(exposure->valueInterface(), nullptr);
    exposure->valueInterface()->setCurrentValue(-2);
    EXPECT_EQ(mCF.getCameraValue(kExposure), -2);
    EXPECT_EQ(d().exposureLabel->widget()->text(), QStringLiteral("-2"));

    clickButton(window.get(), "saveConfigButtonOutlet");
    KaveloConfigParser saved;
    ASSERT_TRUE(saved.readConfigFile(path.toUtf8().constData()));
    EXPECT_EQ(saved.getCameraValue(kLens), 2);
    EXPECT_EQ(saved.getCameraValue(kExposure), -2);
}

// Ctrl+S leaves the focus in a gain field: what was typed there is saved too.
TEST_F(FileWorkflowTest, SaveTakesAGainTypedButNotYetConfirmed) {
    const QString path = write("CONFIG.TXT", ConfigFile{{{49, 5}}});
    openWithPanel(d(), path);
    QLineEdit* red = d().whiteBalanceCustomRed->widget();
    QTest::keyClick(red, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(red, QStringLiteral("432"));
    action("actionSave")->trigger();
    KaveloConfigParser saved;
    ASSERT_TRUE(saved.readConfigFile(path.toUtf8().constData()));
    EXPECT_EQ(saved.getCameraValue(50), 432);
    EXPECT_EQ(mCF.getCameraValue(50), 432);
}

ssize_t failWithFullDisk(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

TEST_F(FileWorkflowTest, AFailedSaveSaysSoKeepsTheFileAndLetsTheUserTryAgain) {
    const QString path = write("CONFIG.TXT", ConfigFile{{{kLens, 0}}});
    openWithPanel(d(), path);
    const std::string before = contentsOf(path);
    click(d().lensTypeOutlet, 1);
    alerts.clear();

    const FileReplaceCalls fullDisk{failWithFullDisk, ::fsync, ::close, ::renameat};
    setFileReplaceCallsForTesting(&fullDisk);
    clickButton(window.get(), "saveConfigButtonOutlet");
    setFileReplaceCallsForTesting(nullptr);
    EXPECT_EQ(messages(), std::vector<QString>{QStringLiteral(
                              "Configuration file NOT saved! \nProblem during file writing!")});
    EXPECT_EQ(contentsOf(path), before);
    EXPECT_EQ(mCF.getCameraValue(kLens), 1);
    EXPECT_TRUE(d().saveConfigButtonOutlet->widget()->isEnabled());
    EXPECT_TRUE(action("actionSave")->isEnabled());

    clickButton(window.get(), "saveConfigButtonOutlet");
    KaveloConfigParser saved;
    ASSERT_TRUE(saved.readConfigFile(path.toUtf8().constData()));
    EXPECT_EQ(saved.getCameraValue(kLens), 1);
}

TEST_F(FileWorkflowTest, SetDefaultsChangesTheSettingsButNotTheFile) {
    const QString path = write("CONFIG.TXT", ConfigFile{{{kLens, 1}, {37, 0}}});
    openWithPanel(d(), path);
    const std::string before = contentsOf(path);
    clickButton(window.get(), "setDefaultsButtonOutlet");
    EXPECT_EQ(settingsNow(), [] {
        Settings defaults{};
        const KaveloConfigParser fresh;
        for (int i = 0; i < kSettingCount; ++i)
            defaults[i] = fresh.getCameraValue(i);
        return defaults;
    }());
    EXPECT_EQ(d().lensTypeOutlet->selectedColumn(), 0);
    EXPECT_EQ(contentsOf(path), before);
    EXPECT_TRUE(d().saveConfigButtonOutlet->widget()->isEnabled());
}

TEST_F(FileWorkflowTest, FileCommandsAnswerTheDesktopsKeys) {
    const struct {
        const char* action;
        QKeySequence keys;
    } commands[] = {
        {"actionOpen", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actionSave", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actionQuit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto& c : commands)
        EXPECT_TRUE(action(c.action)->shortcuts().contains(c.keys)) << c.action;
}

} // namespace
