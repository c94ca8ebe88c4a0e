// The other ways a file reaches the load: the desktop's open-file requests
// (command line and file-open events), a cancelled open panel, and paths too
// long to keep.
#include "FileWorkflowFixture.h"

#include "Globals.h"
#include "MainWindowForm.h"
#include "MyView.h"
#include "NotificationCenter.h"
#include "OpenFileRequests.h"
#include "OpenPanel.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileOpenEvent>
#include <QMimeData>
#include <QUrl>

#include <functional>
#include <optional>

namespace {

const QString kTypeUnknown = QStringLiteral("Error when trying to detect the type of file!");

struct OpenRequest {
    const char* what;
    const char* name;
    bool exists;
    std::string (*content)();
    bool handedToLoad;
    const QString* message;
};

std::string supportedFile() {
    return configText(ConfigFile{});
}
std::string revision2File() {
    return configText(ConfigFile{{}, "KAVELO FW v2.20", "HW v002"});
}
std::string pngBytes() {
    return std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x02\0\0\0", 33);
}

const QString kRevision =
    QStringLiteral("Camera revision not supported! \nActually supported only revision v003");

TEST_F(FileWorkflowTest, OpenFileRequestsLoadTextFilesOnly) {
    const OpenRequest requests[] = {
        {"supported text file", "CONFIG.TXT", true, supportedFile, true, &kLoadedMessage},
        {"refused text file", "OLD.TXT", true, revision2File, true, &kRevision},
        {"image", "photo.png", true, pngBytes, false, &kUnknownFormatMessage},
        {"missing file", "GONE.TXT", false, nullptr, false, &kTypeUnknown},
    };
    for (const OpenRequest& c : requests) {
        SCOPED_TRACE(c.what);
        alerts.clear();
        const QString path = c.exists ? write(c.name, c.content()) : pathIn(c.name);
        const std::string pathBefore = configFileName;
        EXPECT_EQ(d().applicationOpenFile(path), c.handedToLoad);
        EXPECT_EQ(messages(), std::vector<QString>{*c.message});
        // A refused load goes back to the file that loaded before.
        const bool loaded = c.message == &kLoadedMessage;
        EXPECT_EQ(configFileName, loaded ? path.toStdString() : pathBefore);
    }
}

TEST_F(FileWorkflowTest, CancellingTheOpenPanelChangesNothing) {
    const QString path = write("CONFIG.TXT", ConfigFile{{{39, 1}}});
    ASSERT_TRUE(d().applicationOpenFile(path));
    alerts.clear();
    clearRefreshMark();
    const WorkflowState before = state();
    int asked = 0;
    ScopedOpenPanelAnswerer user([&](const OpenPanelRequest&) {
        ++asked;
        return std::optional<QString>();
    });
    action("actionOpen")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(alerts.empty());
    EXPECT_EQ(state(), before);
    EXPECT_FALSE(refreshed());
}

// A path of exactly `bytes` UTF-8 bytes ending in ".TXT", made mostly of
// two-byte letters so that bytes, not letters, are counted.
QString pathOfBytes(int bytes) {
    const QString head = QStringLiteral("/tmp/");
    const QString tail = QStringLiteral(".TXT");
    const int middle = bytes - static_cast<int>(head.size() + tail.size());
    QString path = head + QString(middle / 2, QChar(0x00E9));
    if (middle % 2)
        path += QLatin1Char('a');
    return path + tail;
}

void dropOnto(QWidget* view, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drop);
}

// configFileName holds 4095 bytes and the NUL. A longer path is refused
// before anything changes, whichever way it came; one that fits goes on to
// the file checks (the file does not exist).
TEST_F(FileWorkflowTest, APathTooLongToKeepIsRefusedEveryWayIn) {
    const QString good = write("CONFIG.TXT", ConfigFile{{{39, 1}}});
    ASSERT_TRUE(d().applicationOpenFile(good));
    MyView* dropArea = window->findChild<MyView*>(QStringLiteral("myView"));
    ASSERT_NE(dropArea, nullptr);

    const struct {
        const char* way;
        std::function<void(const QString&)> open;
        const QString* messageWhenItFits;
    } ways[] = {
        {"open panel",
         [&](const QString& path) {
             ScopedOpenPanelAnswerer user([path](const OpenPanelRequest&) { return path; });
             d().loadConfigFile(nullptr);
         },
         &kUnknownFormatMessage},
        {"open-file request", [&](const QString& path) { d().applicationOpenFile(path); },
         &kTypeUnknown},
        {"drop", [&](const QString& path) { dropOnto(dropArea, path); }, &kUnknownFormatMessage},
    };
    for (const auto& way : ways) {
        for (const int bytes : {4095, 4096, 5000}) {
            SCOPED_TRACE(std::string(way.way) + ", " + std::to_string(bytes) + " bytes");
            const QString path = pathOfBytes(bytes);
            ASSERT_EQ(path.toUtf8().size(), bytes);
            alerts.clear();
            clearRefreshMark();
            const WorkflowState before = state();
            way.open(path);
            const QString expected = bytes < 4096 ? *way.messageWhenItFits : kPathTooLongMessage;
            EXPECT_EQ(messages(), std::vector<QString>{expected});
            EXPECT_EQ(state(), before);
            EXPECT_FALSE(refreshed());
        }
    }
}

// A fresh window, as main starts it: the file named on the command line and
// files of early open events are opened only once launching has finished.
TEST(OpenFileRequests, OpenTheirFilesOnceLaunchingHasFinished) {
    mCF = KaveloConfigParser();
    QTemporaryDir directory;
    const auto writeFile = [&](const char* name, int lens) {
        const QString path = directory.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(configText(ConfigFile{{{39, lens}}})));
        return path;
    };
    const QString fromCommandLine = writeFile("ARG.TXT", 1);
    const QString fromEarlyEvent = writeFile("EARLY.TXT", 0);
    const QString fromLaterEvent = writeFile("LATER.TXT", 1);

    const auto window = loadMainWindow();
    MyAppDelegate delegate;
    delegate.bindOutlets(window.get());
    std::vector<std::string> loadedPaths;
    ScopedAlertHandler handler([&](const QString& message) {
        EXPECT_EQ(message, kLoadedMessage);
        loadedPaths.push_back(configFileName);
    });
    OpenFileRequests requests(delegate);
    qApp->installEventFilter(&requests);

    QFileOpenEvent early(fromEarlyEvent);
    QApplication::sendEvent(qApp, &early);
    EXPECT_TRUE(loadedPaths.empty());

    requests.finishLaunching({"kavelo-manager", fromCommandLine});
    EXPECT_EQ(loadedPaths, (std::vector<std::string>{fromCommandLine.toStdString(),
                                                     fromEarlyEvent.toStdString()}));
    EXPECT_EQ(delegate.lensTypeOutlet->selectedColumn(), 0);

    QFileOpenEvent later(fromLaterEvent);
    QApplication::sendEvent(qApp, &later);
    EXPECT_EQ(loadedPaths.back(), fromLaterEvent.toStdString());

    // Launching registered the drop observer once.
    loadedPaths.clear();
    NotificationCenter::defaultCenter().postNotification(kConfigFileDraggedNotification, nullptr,
                                                         {{kConfigPathKey, fromCommandLine}});
    EXPECT_EQ(loadedPaths, std::vector<std::string>{fromCommandLine.toStdString()});

    qApp->removeEventFilter(&requests);
    mCF = KaveloConfigParser();
    configFileName[0] = '\0';
}

} // namespace
