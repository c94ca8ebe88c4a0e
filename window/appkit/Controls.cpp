#include "Controls.h"

#include "FileNumbers.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QWidget>

#include <stdexcept>
#include <utility>

namespace {

[[noreturn]] void refuse(const QWidget* container, const QString& problem) {
    throw std::runtime_error(
        QStringLiteral("radio group %1: %2").arg(container->objectName(), problem).toStdString());
}

// A cell's place, from its dynamic property; the row defaults to 0.
long place(const QRadioButton* cell, const char* property, bool required,
           const QWidget* container) {
    const QVariant value = cell->property(property);
    if (!value.isValid()) {
        if (required)
            refuse(container, QStringLiteral("cell %1 has no \"%2\"")
                                  .arg(cell->objectName(), QLatin1String(property)));
        return 0;
    }
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        refuse(container, QStringLiteral("cell %1 has a \"%2\" that is no number")
                              .arg(cell->objectName(), QLatin1String(property)));
    return number;
}

} // namespace

RadioMatrix::RadioMatrix(QWidget* container)
    : WidgetWrapper(container), group_(new QButtonGroup(this)) {
    const QList<QRadioButton*> buttons = container->findChildren<QRadioButton*>();
    if (buttons.isEmpty())
        refuse(container, QStringLiteral("no cells"));
    for (QRadioButton* button : buttons) {
        const long row = place(button, "row", false, container);
        const long column = place(button, "column", true, container);
        if (cellAtRow(row, column) != nullptr)
            refuse(container,
                   QStringLiteral("two cells at row %1, column %2").arg(row).arg(column));
        group_->addButton(button, static_cast<int>(cells_.size()));
        cells_.push_back({row, column, button});
    }
    // A cell that becomes checked by any means (a click, the keyboard, an
    // assistive tool's action) sends the action, and so does a click on the
    // cell that is already checked; a click that checks a cell sends it once.
    // The code's own selections are made with the group's signals blocked.
    connect(group_, &QButtonGroup::idPressed, this, [this] { sentSincePress_ = false; });
    connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (!checked)
            return;
        updateTabStop();
        sentSincePress_ = true;
        sendAction();
    });
    connect(group_, &QButtonGroup::idClicked, this, [this] {
        if (!std::exchange(sentSincePress_, true))
            sendAction();
    });
    updateTabStop();
}

void RadioMatrix::selectCellAtRow(long row, long column) {
    const QSignalBlocker quiet(group_);
    if (QRadioButton* cell = cellAtRow(row, column)) {
        cell->setChecked(true);
        updateTabStop();
        return;
    }
    // An exclusive group keeps one cell checked; let go of it for a moment.
    group_->setExclusive(false);
    for (const Cell& each : cells_) {
        if (each.button)
            each.button->setChecked(false);
    }
    group_->setExclusive(true);
    updateTabStop();
}

const RadioMatrix::Cell* RadioMatrix::checkedCell() const {
    for (const Cell& each : cells_) {
        if (each.button && each.button->isChecked())
            return &each;
    }
    return nullptr;
}

long RadioMatrix::selectedRow() const {
    const Cell* cell = checkedCell();
    return cell != nullptr ? cell->row : -1;
}

long RadioMatrix::selectedColumn() const {
    const Cell* cell = checkedCell();
    return cell != nullptr ? cell->column : -1;
}

void RadioMatrix::updateTabStop() {
    const Cell* stop = checkedCell();
    if (stop == nullptr && !cells_.empty())
        stop = &cells_.front();
    for (const Cell& each : cells_) {
        if (each.button)
            each.button->setFocusPolicy(&each == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    if (widget_ && stop != nullptr)
        widget_->setFocusProxy(stop->button);
}

QRadioButton* RadioMatrix::cellAtRow(long row, long column) const {
    for (const Cell& each : cells_) {
        if (each.row == row && each.column == column)
            return each.button;
    }
    return nullptr;
}

Slider::Slider(QSlider* slider) : WidgetWrapper(slider) {
    connect(slider, &QSlider::valueChanged, this, [this] {
        if (!showing_)
            sendAction();
    });
}

long Slider::integerValue() const {
    return widget_ ? widget_->value() : 0;
}

void Slider::setIntValue(int value) {
    if (!widget_)
        return;
    showing_ = true;
    widget_->setValue(value);
    showing_ = false;
}

NumberField::NumberField(QLineEdit* field) : WidgetWrapper(field) {
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    connect(field, &QLineEdit::editingFinished, this, [this] {
        if (widget_)
            widget_->setModified(false);
        sendAction();
    });
    // Text that changes without the user typing it (an assistive tool sets
    // it whole) is taken at once; typed text waits for Return.
    connect(field, &QLineEdit::textChanged, this, [this] {
        if (widget_ && !widget_->isModified())
            sendAction();
    });
}

void NumberField::commitPendingEdit() {
    if (widget_ && widget_->isModified())
        emit widget_->editingFinished();
}

int NumberField::intValue() const {
    if (!widget_)
        return 0;
    const QByteArray text = widget_->text().toUtf8();
    return convertInteger(text.constData(), text.constData() + text.size());
}

void NumberField::setIntValue(int value) {
    shown_ = QString::number(value);
    if (!widget_)
        return;
    const QSignalBlocker quiet(widget_);
    widget_->setText(shown_);
}

bool NumberField::holdsNumber() const {
    const QString text = stringValue().trimmed();
    const int start =
        text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')) ? 1 : 0;
    return text.size() > start && text.at(start).isDigit();
}

void NumberField::showLastValue() {
    if (!widget_)
        return;
    const QSignalBlocker quiet(widget_);
    widget_->setText(shown_);
}

QString NumberField::stringValue() const {
    return widget_ ? widget_->text() : QString();
}

void Label::setStringValue(const QString& text) {
    if (widget_)
        widget_->setText(text);
}

Button::Button(QPushButton* button) : WidgetWrapper(button) {
    connect(button, &QPushButton::clicked, this, [this] { sendAction(); });
}
