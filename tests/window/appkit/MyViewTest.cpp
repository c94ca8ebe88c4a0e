#include "MyView.h"
#include "NotificationCenter.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QString kCard = "/media/someone/KAVELO CARD/";

// What the default centre posts while a test runs.
struct DropRecorder : QObject {
    std::vector<Notification> posted;
    DropRecorder() {
        NotificationCenter::defaultCenter().addObserver(
            kConfigFileDraggedNotification, this,
            [this](const Notification& n) { posted.push_back(n); });
    }
};

// The data of a drag of `urls`; like a file manager's, it carries the names as
// text too, so that a drag of text alone looks the same apart from the URLs.
std::unique_ptr<QMimeData> dragOf(const QList<QUrl>& urls) {
    auto data = std::make_unique<QMimeData>();
    if (!urls.isEmpty())
        data->setUrls(urls);
    data->setText("CONFIG.TXT");
    return data;
}

QList<QUrl> files(const QStringList& names) {
    QList<QUrl> urls;
    for (const QString& name : names)
        urls << QUrl::fromLocalFile(kCard + name);
    return urls;
}

struct Outcome {
    bool entered;
    bool dropped;
};

// Enters the view and drops at once, as a file manager does: copy or move
// allowed, move proposed.
Outcome dragAndDrop(MyView& view, const QMimeData& data) {
    const QPoint at(10, 10);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(&view, &enter);
    if (enter.isAccepted()) {
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    }

    QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(&view, &drop);
    if (drop.isAccepted()) {
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    }
    return {enter.isAccepted(), drop.isAccepted()};
}

TEST(MyView, AcceptsADropWhenTheFirstFileEndsInUpperCaseTxt) {
    struct Case {
        const char* what;
        QList<QUrl> urls;
        bool offered; // the view takes part in the drag
        bool loads;   // the drop is accepted and posts the first file's path
    };
    const Case cases[] = {
        {"upper-case TXT", files({"CONFIG.TXT"}), true, true},
        {"lower-case txt", files({"config.txt"}), true, false},
        {"mixed-case Txt", files({"Config.Txt"}), true, false},
        {"no extension", files({"CONFIG"}), true, false},
        {"TXT first, PNG second", files({"CONFIG.TXT", "photo.png"}), true, true},
        {"PNG first, TXT second", files({"photo.png", "CONFIG.TXT"}), true, false},
        {"no file URLs", {}, false, false},
        {"a remote URL", {QUrl("https://example.com/CONFIG.TXT")}, false, false},
        // A NUL cannot stand in a real path; copied for the load it would cut
        // the path short and load another file.
        {"a NUL in the name", {QUrl("file:///media/card/a%00.TXT")}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MyView view;
        DropRecorder recorder;
        const auto data = dragOf(c.urls);
        const Outcome outcome = dragAndDrop(view, *data);
        EXPECT_EQ(outcome.entered, c.offered);
        EXPECT_EQ(outcome.dropped, c.loads);
        if (!c.loads) {
            EXPECT_TRUE(recorder.posted.empty());
            continue;
        }
        ASSERT_EQ(recorder.posted.size(), 1u);
        EXPECT_EQ(recorder.posted[0].sender, &view);
        EXPECT_EQ(recorder.posted[0].userInfo,
                  (QVariantMap{{kConfigPathKey, c.urls.first().toLocalFile()}}));
    }
}

TEST(MyView, LeavingWithoutADropPostsNothing) {
    MyView view;
    DropRecorder recorder;
    const auto data = dragOf(files({"CONFIG.TXT"}));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragLeaveEvent leave;
    QApplication::sendEvent(&view, &leave);
    EXPECT_TRUE(recorder.posted.empty());
}

TEST(MyView, PathExtensionIsTheTextAfterTheLastDotOfTheLastComponent) {
    const struct {
        const char* path;
        const char* extension;
    } cases[] = {
        {"/media/card/CONFIG.TXT", "TXT"},
        {"CONFIG.TXT", "TXT"},
        {"/a/backup.tar.TXT", "TXT"},
        {"/a/CONFIG", ""},
        {"/a.TXT/CONFIG", ""},
        {"/a/CONFIG.", ""},
        {"/a/folder.TXT/", "TXT"},
        {"/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pathExtension(c.path), c.extension) << c.path;
}

} // namespace
