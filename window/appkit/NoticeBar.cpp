#include "NoticeBar.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

NoticeBar::NoticeBar(QWidget* parent)
    : QFrame(parent), label_(new QLabel(this)), buttons_(new QHBoxLayout) {
    setObjectName(QStringLiteral("noticeBar"));
    setFrameShape(QFrame::StyledPanel);
    // The colours of a selection, the desktop's way to draw the eye, with
    // its own contrast between text and background.
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    setPalette(colours);
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setObjectName(QStringLiteral("noticeText"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(label_, 1);
    layout->addLayout(buttons_);
    setAccessibleName(QCoreApplication::translate("NoticeBar", "Notice"));
    hide();
}

void NoticeBar::showNotice(const QString& text) {
    clearButtons();
    label_->setText(text);
    setAccessibleDescription(text);
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void NoticeBar::addButton(const QString& text, const QString& objectName,
                          std::function<void()> act) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    // Buttons take the page's colours: the bar's would make them unreadable
    // in some styles.
    button->setPalette(parentWidget() ? parentWidget()->palette() : QPalette());
    buttons_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, act = std::move(act)] {
        dismiss();
        act();
    });
}

void NoticeBar::dismiss() {
    hide();
    clearButtons();
}

QString NoticeBar::text() const {
    return isHidden() ? QString() : label_->text();
}

void NoticeBar::clearButtons() {
    while (QLayoutItem* item = buttons_->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            widget->hide();
            widget->deleteLater();
        }
        delete item;
    }
}
