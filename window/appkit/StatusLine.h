// The status bar's message: one line, cut in the middle to the width it has
// (where a path's folders are), the whole text in its tooltip. It asks for no
// width of its own, so that no message ever widens the window.
#pragma once

#include <QLabel>
#include <QString>

class StatusLine : public QLabel {
    Q_OBJECT

  public:
    explicit StatusLine(QWidget* parent = nullptr);

    void setMessage(const QString& message);
    const QString& message() const { return message_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void showFitting();

    QString message_;
};
