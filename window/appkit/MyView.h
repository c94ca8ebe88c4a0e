// The drop target of the settings window: the user drags the camera's
// configuration file from the desktop onto it. It accepts a drop whose first
// file has the extension "TXT" and hands that file's path on by posting
// "ConfigFileDragged" on the default notification centre. It knows nothing of
// the settings or of who loads the file.
#pragma once

#include <QStringList>
#include <QWidget>

class QDropEvent;
class QMimeData;

inline constexpr char kConfigFileDraggedNotification[] = "ConfigFileDragged";
inline constexpr char kConfigPathKey[] = "ConfigPath";

// The local file paths that a drag carries, in the drag's order.
QStringList draggedFilePaths(const QMimeData* data);

// The text after the last dot of the path's last component, without the dot;
// empty when that component has no dot. A trailing slash does not count.
QString pathExtension(const QString& path);

class MyView : public QWidget {
    Q_OBJECT

  public:
    explicit MyView(QWidget* parent = nullptr);

    // The drag operations, in the order in which a drag meets them. Each takes
    // the drag as Qt describes it.
    Qt::DropAction draggingEntered(const QDropEvent& drag);
    void draggingExited();
    bool prepareForDragOperation(const QDropEvent& drop);
    bool performDragOperation(const QDropEvent& drop);
    void concludeDragOperation(const QDropEvent& drop);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
