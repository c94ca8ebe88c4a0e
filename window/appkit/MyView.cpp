#include "MyView.h"

#include "NotificationCenter.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

QStringList draggedFilePaths(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls())
        return paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (!path.isEmpty())
            paths.append(path);
    }
    return paths;
}

QString pathExtension(const QString& path) {
    QString component = path;
    while (component.size() > 1 && component.endsWith(QLatin1Char('/')))
        component.chop(1);
    component = component.mid(component.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = component.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : component.mid(dot + 1);
}

namespace {

bool carriesFiles(const QDropEvent& drag) {
    return !draggedFilePaths(drag.mimeData()).isEmpty();
}

// The drop only ever reads the file, so the answer is a copy whenever the
// source allows one: a move could let the source delete the camera's file.
Qt::DropAction genericDropAction(const QDropEvent& drag) {
    if (drag.possibleActions() & Qt::CopyAction)
        return Qt::CopyAction;
    return drag.proposedAction();
}

// A drag without local files is not offered to the view at all.
bool acceptFiles(QDropEvent* event) {
    if (!carriesFiles(*event)) {
        event->ignore();
        return false;
    }
    event->accept();
    return true;
}

} // namespace

MyView::MyView(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
}

// Every drag of files gets the same answer, whatever the names: the drop
// decides.
Qt::DropAction MyView::draggingEntered(const QDropEvent& drag) {
    update();
    return genericDropAction(drag);
}

void MyView::draggingExited() {
    update();
}

bool MyView::prepareForDragOperation(const QDropEvent&) {
    update();
    return true;
}

// Only the first file decides, and only by its extension, with case.
bool MyView::performDragOperation(const QDropEvent& drop) {
    const QStringList paths = draggedFilePaths(drop.mimeData());
    if (paths.isEmpty())
        return false;
    // No real file's path holds a NUL; the load would see only what precedes it.
    if (paths.first().contains(QChar(u'\0')))
        return false;
    return pathExtension(paths.first()) == QLatin1String("TXT");
}

void MyView::concludeDragOperation(const QDropEvent& drop) {
    const QStringList paths = draggedFilePaths(drop.mimeData());
    if (paths.isEmpty())
        return;
    QVariantMap userInfo;
    userInfo.insert(QLatin1String(kConfigPathKey), paths.first());
    NotificationCenter::defaultCenter().postNotification(
        QLatin1String(kConfigFileDraggedNotification), this, userInfo);
}

void MyView::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptFiles(event))
        event->setDropAction(draggingEntered(*event));
}

// Moving over the view keeps the answer given on entering.
void MyView::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptFiles(event))
        event->setDropAction(genericDropAction(*event));
}

void MyView::dragLeaveEvent(QDragLeaveEvent* event) {
    draggingExited();
    event->accept();
}

void MyView::dropEvent(QDropEvent* event) {
    if (!carriesFiles(*event) || !prepareForDragOperation(*event) ||
        !performDragOperation(*event)) {
        event->ignore();
        return;
    }
    event->setDropAction(genericDropAction(*event));
    event->accept();
    concludeDragOperation(*event);
}
