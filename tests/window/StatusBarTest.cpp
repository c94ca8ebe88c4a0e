// The status bar: one line that never widens the window, the whole message
// in its tooltip; what a load found that breaks a rule, and what a refused
// file really is; a message that no longer holds goes with the next change.
#include "FileWorkflowFixture.h"

#include "StatusLine.h"

#include <QApplication>
#include <QDir>
#include <QFile>

namespace {

class StatusBar : public FileWorkflowTest {
  protected:
    QString status() { return d().statusText(); }
    StatusLine* line() { return window->findChild<StatusLine*>(QStringLiteral("statusMessage")); }
};

TEST_F(StatusBar, ALongMessageIsCutInTheMiddleAndNeverWidensTheWindow) {
    window->resize(1024, 560);
    QApplication::processEvents();
    const int width = window->width();
    const int least = window->minimumSizeHint().width();
    const QString folder =
        pathIn(QString(100, QLatin1Char('f')) + QLatin1Char('/') + QString(100, QLatin1Char('g')) +
               QLatin1Char('/') + QString(100, QLatin1Char('h')));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/SHOPPING.TXT");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("milk\neggs\n");
    file.close();

    d().readConfigFile(path);
    QApplication::processEvents();
    EXPECT_EQ(window->width(), width);
    EXPECT_LE(window->minimumSizeHint().width(), least);
    EXPECT_TRUE(status().contains(path));
    EXPECT_EQ(line()->toolTip(), status());
    EXPECT_FALSE(line()->text().contains(QLatin1Char('\n')));
    EXPECT_LT(line()->text().size(), status().size());
    EXPECT_TRUE(line()->text().contains(QStringLiteral("SHOPPING.TXT"))) << "cut in the middle";
}

TEST_F(StatusBar, ARefusedFileIsNamedForWhatItIs) {
    const QString shopping = write(QStringLiteral("LIST.TXT"), std::string("milk\neggs\n"));
    const QString large = write(QStringLiteral("LARGE.TXT"), std::string(7001, 'x'));
    const struct {
        QString path;
        const char* finding;
    } cases[] = {
        {shopping, "no camera identifiers, so no camera's configuration file"},
        {large, "larger than 7000 bytes, so no camera configuration file"},
        {pathIn(QStringLiteral("MISSING.TXT")), "No such file or directory"},
        {write(QStringLiteral("NEW.TXT"), ConfigFile{{}, "KAVELO FW v2.30"}),
         "Firmware v2.30 not supported!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.finding);
        d().readConfigFile(c.path);
        EXPECT_TRUE(status().startsWith(QStringLiteral("Not loaded: ") + c.path + ": " +
                                        QLatin1String(c.finding)))
            << status().toStdString();
    }
}

TEST_F(StatusBar, AResolutionAndFrameRateThatDoNotGoTogetherAreNamedAndKept) {
    const QString path = write(QStringLiteral("CONFIG.TXT"),
                               ConfigFile{{{kVideo1Resolution, 1}, {kVideo1FrameRate, 1}}});
    d().readConfigFile(path);
    EXPECT_EQ(status(), QStringLiteral("Loaded ") + path +
                            QStringLiteral(". Video mode 1: 1920x1080 wide does not record at "
                                           "60 fps"));
    EXPECT_EQ(mCF.getCameraValue(kVideo1Resolution), 1);
    EXPECT_EQ(mCF.getCameraValue(kVideo1FrameRate), 1);
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(StatusBar, AMessageGoesWithTheNextChange) {
    const QString path = write(QStringLiteral("CONFIG.TXT"),
                               ConfigFile{{{kVideo1LoopRecording, 1}, {kVideo1ClipLength, 3}}});
    d().readConfigFile(path);
    ASSERT_TRUE(status().contains(QStringLiteral("Save writes it")));
    click(d().lensTypeOutlet, 2);
    EXPECT_EQ(status(), QString());
}

} // namespace
