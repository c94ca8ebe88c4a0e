#include "StatusLine.h"

#include <QFontMetrics>
#include <QResizeEvent>

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusLine::setMessage(const QString& message) {
    message_ = message;
    setToolTip(message_);
    showFitting();
}

QSize StatusLine::sizeHint() const {
    return {0, QLabel::sizeHint().height()};
}

QSize StatusLine::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showFitting();
}

// One line: a message's line breaks read as spaces.
void StatusLine::showFitting() {
    const QString line = QString(message_).replace(QLatin1Char('\n'), QLatin1Char(' '));
    setText(fontMetrics().elidedText(line, Qt::ElideMiddle, qMax(0, contentsRect().width())));
}
