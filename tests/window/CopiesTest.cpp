// Save a Copy and Revert on the real window: the copy carries this camera's
// identifier texts and the edits, and leaves the document as it was; Revert
// asks before edits go and shows the file as the card holds it.
#include "CliHarness.h"
#include "FileWorkflowFixture.h"
#include "KaveloConfigParser.h"
#include "OpenPanel.h"
#include "SavePanel.h"

#include <QAction>
#include <QUndoStack>

namespace {

class CopiesTest : public FileWorkflowTest {
  protected:
    QString loadAndEdit() {
        const QString path = write(QStringLiteral("CONFIG.TXT"), ConfigFile{{{kLens, 0}}});
        d().readConfigFile(path);
        click(d().lensTypeOutlet, 2);
        return path;
    }
    void saveCopyAs(const std::optional<QString>& answer) {
        ScopedSavePanelAnswerer user([&](const SavePanelRequest&) { return answer; });
        action("actionSaveCopy")->trigger();
    }
};

TEST_F(CopiesTest, ACopyCarriesTheEditsAndLeavesTheDocumentAsItWas) {
    const QString path = loadAndEdit();
    const std::string original = contentsOf(path);
    ASSERT_TRUE(action("actionSaveCopy")->isEnabled());

    saveCopyAs(std::nullopt); // cancelled
    EXPECT_FALSE(QFile::exists(pathIn(QStringLiteral("HELMET.TXT"))));

    saveCopyAs(pathIn(QStringLiteral("HELMET.TXT")));
    KaveloConfigParser copy;
    ASSERT_TRUE(copy.readConfigFile(pathIn(QStringLiteral("HELMET.TXT")).toUtf8().constData()));
    EXPECT_EQ(copy.getCameraValue(kLens), 2);
    EXPECT_EQ(std::string(copy.getFirmwareString()), "KAVELO FW v2.20");
    EXPECT_EQ(d().statusText(),
              QStringLiteral("Saved a copy as ") + pathIn(QStringLiteral("HELMET.TXT")));
    EXPECT_EQ(contentsOf(path), original);
    EXPECT_EQ(d().document()->path(), path);
    EXPECT_TRUE(d().document()->isModified());
    EXPECT_TRUE(d().history()->canUndo());

    // A copy that cannot be written says why and changes nothing.
    saveCopyAs(pathIn(QStringLiteral("no-such-folder/COPY.TXT")));
    EXPECT_TRUE(d().statusText().startsWith(QStringLiteral("Not saved: ")))
        << d().statusText().toStdString();
    EXPECT_TRUE(d().document()->isModified());
}

TEST_F(CopiesTest, RevertAsksBeforeEditsGoAndShowsTheFileAsItIsNow) {
    const QString path = loadAndEdit();
    answer = QMessageBox::Cancel;
    action("actionRevert")->trigger();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(mCF.getCameraValue(kLens), 2);

    questions.clear();
    answer = QMessageBox::Discard; // Revert
    action("actionRevert")->trigger();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(mCF.getCameraValue(kLens), 0);
    EXPECT_FALSE(d().document()->isModified());

    // Unchanged settings: nothing to ask; the card's file as another program
    // left it is shown.
    ASSERT_EQ(runProgram({"set", path.toStdString(), "lens=1"}).status, 0);
    questions.clear();
    action("actionRevert")->trigger();
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(mCF.getCameraValue(kLens), 1);
}

// Another camera's settings come in as one undo step; this camera's
// identifier texts stay, and so does its clock choice. A refused file changes
// nothing.
TEST_F(CopiesTest, ApplySettingsFromTakesTheSettingsAsOneStep) {
    const QString path = write(QStringLiteral("CONFIG.TXT"),
                               ConfigFile{{{kLens, 0}, {kRecordingLight, 1}, {kDateTime, 1}}});
    d().readConfigFile(path);
    ConfigFile helmet{{{kLens, 2}, {kRecordingLight, 0}, {kDateTime, 0}}};
    helmet.firmware = "KAVELO FW v2.12";
    const QString preset = write(QStringLiteral("HELMET.TXT"), helmet);
    {
        ScopedOpenPanelAnswerer user([&](const OpenPanelRequest&) { return preset; });
        action("actionApplyFrom")->trigger();
    }
    EXPECT_EQ(mCF.getCameraValue(kLens), 2);
    EXPECT_EQ(mCF.getCameraValue(kRecordingLight), 0);
    EXPECT_EQ(mCF.getCameraValue(kDateTime), 1);
    EXPECT_EQ(std::string(mCF.getFirmwareString()), "KAVELO FW v2.20");
    EXPECT_EQ(d().statusText(), QStringLiteral("Took the settings of ") + preset +
                                    QStringLiteral(": 2 settings changed"));
    EXPECT_TRUE(d().document()->isModified());
    EXPECT_EQ(d().document()->path(), path);
    d().history()->undo();
    EXPECT_EQ(mCF.getCameraValue(kLens), 0);
    EXPECT_EQ(mCF.getCameraValue(kRecordingLight), 1);
    EXPECT_FALSE(d().document()->isModified());

    const QString list = write(QStringLiteral("LIST.TXT"), std::string("eggs\nmilk\n"));
    {
        ScopedOpenPanelAnswerer user([&](const OpenPanelRequest&) { return list; });
        alerts.clear();
        action("actionApplyFrom")->trigger();
    }
    EXPECT_EQ(alerts.size(), 1u);
    EXPECT_TRUE(d().statusText().contains(QStringLiteral("no camera identifiers")))
        << d().statusText().toStdString();
    EXPECT_EQ(mCF.getCameraValue(kLens), 0);
    EXPECT_FALSE(d().history()->canUndo());
}

} // namespace
