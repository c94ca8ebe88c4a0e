// The open file as other programs leave it: the real kavelo-config changing
// it beside the window, a deletion, another camera's card at the same place,
// and a lock held by another program. Save never overwrites any of them
// without the user's answer, and the bar above the settings tells of them.
#include "CliHarness.h"
#include "ConfigDocument.h"
#include "FileWorkflowFixture.h"
#include "NoticeBar.h"
#include "SmallFileSystem.h"
#include "StatusMessages.h"

#include <QPushButton>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const QString kSavedMessage = QStringLiteral(
    "Configuration file saved successfully! \nSafely remove your camera and load the new "
    "configuration");
const QString kNotSavedMessage =
    QStringLiteral("Configuration file NOT saved! \nProblem during file writing!");

class FileChangesTest : public FileWorkflowTest {
  protected:
    NoticeBar* bar() const { return window->findChild<NoticeBar*>(QStringLiteral("noticeBar")); }
    QPushButton* barButton(const char* name) const {
        return bar()->findChild<QPushButton*>(QLatin1String(name));
    }
    bool barSays(const QString& text) {
        return QTest::qWaitFor([&] { return bar()->text() == text; }, 5000);
    }
    int valueInFile(const QString& path, int setting) {
        KaveloConfigParser file;
        return file.readConfigFile(path.toUtf8().constData()) ? file.getCameraValue(setting) : -1;
    }
    void save() {
        alerts.clear();
        questions.clear();
        clickButton(window.get(), "saveConfigButtonOutlet");
    }
    // Loads a camera file with the lens at 0 and changes the lens in the window.
    QString loadAndEdit() {
        const QString path = write(QStringLiteral("CONFIG.TXT"), ConfigFile{{{kLens, 0}}});
        d().readConfigFile(path);
        click(d().lensTypeOutlet, 2);
        return path;
    }
};

// A change made with kavelo-config while the window holds the file is never
// written over without a question; each answer does what it says.
TEST_F(FileChangesTest, ACommandLineChangeBesideTheWindowIsNeverLostUnasked) {
    const QString path = loadAndEdit();
    const RunResult set = runProgram({"set", path.toStdString(), "recording-light=off"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_TRUE(barSays(QStringLiteral("CONFIG.TXT was changed by another program.")));
    const std::string changed = contentsOf(path);

    answer = QMessageBox::Cancel;
    save();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text,
              QStringLiteral("CONFIG.TXT was changed by another program since it was opened."));
    EXPECT_TRUE(alerts.empty());
    EXPECT_EQ(contentsOf(path), changed);

    answer = QMessageBox::Reset; // Reload
    save();
    EXPECT_EQ(contentsOf(path), changed);
    EXPECT_EQ(mCF.getCameraValue(kRecordingLight), 0);
    EXPECT_EQ(mCF.getCameraValue(kLens), 0);
    EXPECT_FALSE(d().document()->isModified());

    // Changed again after the reload, then overwritten on purpose.
    click(d().lensTypeOutlet, 1);
    ASSERT_EQ(runProgram({"set", path.toStdString(), "recording-light=on"}).status, 0);
    answer = QMessageBox::Save; // Overwrite
    save();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(messages().back(), kSavedMessage);
    EXPECT_EQ(valueInFile(path, kLens), 1);
    EXPECT_EQ(valueInFile(path, kRecordingLight), 0);
}

// The window's own save is no change by another program, and an unchanged
// file is saved without a question.
TEST_F(FileChangesTest, OwnSavesAskNothingAndShowNoBar) {
    const QString path = loadAndEdit();
    for (int round = 0; round < 2; ++round) {
        save();
        EXPECT_TRUE(questions.empty());
        EXPECT_EQ(messages(), std::vector<QString>{kSavedMessage});
        click(d().lensTypeOutlet, round);
    }
    QTest::qWait(600); // the watch's events have come and gone
    EXPECT_TRUE(bar()->isHidden()) << bar()->text().toStdString();
    EXPECT_EQ(valueInFile(path, kLens), 0);
}

TEST_F(FileChangesTest, ADeletedFileIsMadeAgainOnlyWhenTheUserSaysSo) {
    const QString path = loadAndEdit();
    ASSERT_EQ(std::remove(path.toUtf8().constData()), 0);
    EXPECT_TRUE(barSays(QStringLiteral("CONFIG.TXT was deleted by another program.")));

    answer = QMessageBox::Cancel;
    save();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text, QStringLiteral("CONFIG.TXT was deleted since it was opened."));
    EXPECT_FALSE(QFile::exists(path));

    answer = QMessageBox::Save;
    save();
    EXPECT_EQ(valueInFile(path, kLens), 2);
    EXPECT_TRUE(bar()->isHidden());
}

// Another camera's file at the path is never written, whatever is answered;
// the bar offers to open it instead.
TEST_F(FileChangesTest, AnotherCamerasFileAtThePathIsNeverWritten) {
    const QString path = loadAndEdit();
    ConfigFile other;
    other.firmware = "KAVELO FW v2.12";
    write(QStringLiteral("CONFIG.TXT"), other);
    const std::string theirs = contentsOf(path);
    answer = QMessageBox::Save;
    save();
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(messages(), std::vector<QString>{kNotSavedMessage});
    EXPECT_EQ(contentsOf(path), theirs);
    EXPECT_EQ(d().statusText(), otherCameraStatus(path, QStringLiteral("KAVELO FW v2.12")));
    EXPECT_EQ(mCF.getCameraValue(kLens), 2); // the edits stay in the window

    answer = QMessageBox::Discard;
    QTest::mouseClick(barButton("openOtherCameraButton"), Qt::LeftButton);
    EXPECT_EQ(std::string(mCF.getFirmwareString()), "KAVELO FW v2.12");
    EXPECT_EQ(contentsOf(path), theirs);
}

// Camera 1's card taken out and camera 2's mounted at the same folder (cards
// with one label mount at one place): Save leaves camera 2's file as it is.
TEST_F(FileChangesTest, AnotherCardAtTheSameFolderIsNotTheCardThatWasLoaded) {
    const std::string where = pathIn(QStringLiteral("KAVELO_CAM")).toStdString();
    ASSERT_EQ(mkdir(where.c_str(), 0755), 0);
    const QString path = QString::fromStdString(where + "/CONFIG.TXT");
    {
        const SmallFileSystem first(where);
        if (!first.mounted())
            GTEST_SKIP() << first.reason();
        write(QStringLiteral("KAVELO_CAM/CONFIG.TXT"), ConfigFile{{{kRecordingLight, 1}}});
        d().readConfigFile(path);
        click(d().lensTypeOutlet, 2);
    }
    const SmallFileSystem second(where);
    ConfigFile other{{{kRecordingLight, 0}}};
    other.firmware = "KAVELO FW v2.12";
    write(QStringLiteral("KAVELO_CAM/CONFIG.TXT"), other);
    const std::string theirs = contentsOf(path);
    save();
    EXPECT_EQ(messages(), std::vector<QString>{kNotSavedMessage});
    EXPECT_EQ(contentsOf(path), theirs);
    EXPECT_NE(theirs.find("{KAVELO FW v2.12}"), std::string::npos);
}

// kavelo-config's lock held by another program for longer than a save waits:
// nothing is written, and the status says why.
TEST_F(FileChangesTest, ALockHeldByAnotherProgramStopsTheSave) {
    const QString path = loadAndEdit();
    const std::string before = contentsOf(path);
    const int held = open(path.toUtf8().constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    save();
    close(held);
    EXPECT_EQ(messages(), std::vector<QString>{kNotSavedMessage});
    EXPECT_EQ(d().statusText(), busyStatus(path));
    EXPECT_EQ(contentsOf(path), before);
}

// The window saving again and again while kavelo-config changes another
// setting again and again: a save that would put back an older value of the
// command line's setting is a lost update. The window answers Reload when it
// is asked, as a user keeping the other program's change would.
TEST_F(FileChangesTest, TheWindowAndTheCommandLineTogetherLoseNoUpdate) {
    const QString path = loadAndEdit();
    std::atomic<int> written{0}; // the command line's last value that reached the file
    std::atomic<bool> stop{false};
    std::thread commandLine([&] {
        for (int value = 101; value <= 140 && !stop; ++value) { // gains run from 100
            const std::string set = "wb.custom1.red=" + std::to_string(value);
            if (runProgram({"set", path.toStdString(), set}).status == 0)
                written = value;
        }
    });
    answer = QMessageBox::Reset;
    int lost = 0;
    int saves = 0;
    for (int round = 0; round < 40; ++round) {
        click(d().lensTypeOutlet, round % 3);
        const int before = written;
        save();
        if (messages() == std::vector<QString>{kSavedMessage}) {
            ++saves;
            if (valueInFile(path, kCustom1Red) < before)
                ++lost;
        }
    }
    stop = true;
    commandLine.join();
    RecordProperty("window_saves", saves);
    RecordProperty("command_line_writes", written.load() - 100);
    RecordProperty("lost_updates", lost);
    EXPECT_EQ(lost, 0) << saves << " saves";
    EXPECT_EQ(valueInFile(path, kCustom1Red), written.load());
}

} // namespace
