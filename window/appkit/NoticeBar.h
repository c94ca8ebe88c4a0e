// A message above the page that waits for the user without stopping them, as
// editors show it when a file changed on disk: a line of text and a few
// buttons, any of which closes it. Screen readers hear it as an alert.
#pragma once

#include <QFrame>
#include <QString>

#include <functional>

class QHBoxLayout;
class QLabel;

class NoticeBar : public QFrame {
    Q_OBJECT

  public:
    explicit NoticeBar(QWidget* parent = nullptr);

    // Shows `text` with the buttons added after it; the bar's earlier text
    // and buttons go.
    void showNotice(const QString& text);
    // A button that closes the bar, then does `act`.
    void addButton(const QString& text, const QString& objectName, std::function<void()> act);
    void dismiss();

    QString text() const;

  private:
    void clearButtons();

    QLabel* label_;
    QHBoxLayout* buttons_;
};
