// Files dropped on the real window's drop area: Qt drag-and-drop events on
// `myView`, through the notification to the delegate's load.
#include "FileWorkflowFixture.h"

#include "Globals.h"
#include "MyView.h"
#include "NotificationCenter.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

struct Drop {
    const char* what;
    QStringList files; // in the scratch directory; empty: a drag of text only
    bool accepted;
    int loaded; // index in `files` of the file that loads, or -1
};

TEST_F(FileWorkflowTest, ADroppedFileLoadsOnceWhenTheFirstEndsInUpperCaseTxt) {
    MyView* dropArea = window->findChild<MyView*>(QStringLiteral("myView"));
    ASSERT_NE(dropArea, nullptr);
    write("CONFIG.TXT", ConfigFile{{{39, 1}}});
    write("config.txt", ConfigFile{{{39, 1}}});
    write("photo.png", std::string("\x89PNG\r\n\x1a\n", 8));

    const Drop drops[] = {
        {"upper-case TXT", {"CONFIG.TXT"}, true, 0},
        {"lower-case txt", {"config.txt"}, false, -1},
        {"TXT first of two", {"CONFIG.TXT", "photo.png"}, true, 0},
        {"TXT second of two", {"photo.png", "CONFIG.TXT"}, false, -1},
        {"no file URLs", {}, false, -1},
    };
    for (const Drop& c : drops) {
        SCOPED_TRACE(c.what);
        mCF = KaveloConfigParser();
        alerts.clear();
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& name : c.files)
            urls << QUrl::fromLocalFile(pathIn(name));
        if (!urls.isEmpty())
            data.setUrls(urls);
        data.setText(QStringLiteral("CONFIG.TXT"));

        const QPoint centre = dropArea->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(dropArea, &enter);
        EXPECT_EQ(enter.isAccepted(), !urls.isEmpty());
        QDropEvent drop(QPointF(centre), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(dropArea, &drop);
        EXPECT_EQ(drop.isAccepted(), c.accepted);

        if (c.loaded < 0) {
            EXPECT_TRUE(alerts.empty());
            EXPECT_EQ(mCF.getCameraValue(39), 0);
            continue;
        }
        EXPECT_EQ(messages(), std::vector<QString>{kLoadedMessage});
        EXPECT_EQ(configFileName, pathIn(c.files[c.loaded]).toStdString());
        EXPECT_EQ(d().lensTypeOutlet->selectedColumn(), 1);
    }
}

TEST_F(FileWorkflowTest, ADropNotificationWithoutAPathDoesNothing) {
    const QString path = write("CONFIG.TXT", ConfigFile{});
    const struct {
        const char* what;
        QVariantMap userInfo;
    } notifications[] = {
        {"no user information", {}},
        {"no ConfigPath entry", {{"Path", path}}},
        {"ConfigPath not a string", {{kConfigPathKey, 42}}},
    };
    for (const auto& c : notifications) {
        NotificationCenter::defaultCenter().postNotification(kConfigFileDraggedNotification,
                                                             nullptr, c.userInfo);
        EXPECT_TRUE(alerts.empty()) << c.what;
        EXPECT_EQ(configFileName[0], '\0') << c.what;
    }
}

} // namespace
