// The controls of the settings window as the delegate sees them: a thin layer
// over Qt Widgets with the few calls the delegate makes (select a cell, read a
// slider, set a number ...).
//
// Setting a control from code never sends its action: its signals are
// blocked while the code sets it. Any other change, by pointer, keyboard,
// wheel or an assistive tool, sends it. So a value that a control cannot show
// is shown as best it can and is never written back into the settings.
#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QString>

#include <functional>
#include <vector>

// What a control runs when the user changes it.
using ControlAction = std::function<void()>;

// What every wrapper has: the widget it wraps (gone when the window is), its
// enabled state, and the action it sends.
template <class Widget> class WidgetWrapper : public QObject {
  public:
    Widget* widget() const { return widget_; }
    void setEnabled(bool enabled) {
        if (widget_)
            widget_->setEnabled(enabled);
    }
    void setAction(ControlAction action) { action_ = std::move(action); }

  protected:
    explicit WidgetWrapper(Widget* widget) : widget_(widget) {}
    void sendAction() {
        if (action_)
            action_();
    }
    QPointer<Widget> widget_;

  private:
    ControlAction action_;
};

// A group of radio cells in a container widget. Each QRadioButton child
// carries the dynamic property "column" (and "row" in a two-row group); the
// delegate addresses cells by row and column only, never by their place in
// the layout. Its action runs whenever a cell becomes checked other than by
// selectCellAtRow, and when the user clicks the checked cell.
class RadioMatrix : public WidgetWrapper<QWidget> {
  public:
    // Throws std::runtime_error when the container holds no cell, a cell
    // lacks its column, or two cells share a place.
    explicit RadioMatrix(QWidget* container);

    // Checks the cell at (row, column). A place with no cell leaves no cell
    // checked: the group shows that it cannot show the value.
    void selectCellAtRow(long row, long column);
    long selectedRow() const;    // -1 when no cell is checked
    long selectedColumn() const; // -1 when no cell is checked

    QRadioButton* cellAtRow(long row, long column) const; // nullptr when there is none

  private:
    struct Cell {
        long row;
        long column;
        QPointer<QRadioButton> button;
    };
    const Cell* checkedCell() const;
    // Tab enters the group on its checked cell (or its first, with none
    // checked); the arrow keys move within it, and the group's caption
    // leads there too.
    void updateTabStop();

    QButtonGroup* group_;
    std::vector<Cell> cells_;
    bool sentSincePress_ = true;
};

// One cell of a radio group, enabled or disabled on its own.
class ButtonCell : public WidgetWrapper<QRadioButton> {
  public:
    explicit ButtonCell(QRadioButton* cell) : WidgetWrapper(cell) {}
};

// Its action runs whenever the slider moves other than by setIntValue (drag,
// click, keys, wheel, an assistive tool).
class Slider : public WidgetWrapper<QSlider> {
  public:
    explicit Slider(QSlider* slider);
    long integerValue() const;
    // A value past the slider's range puts it at the nearer end; that
    // position is never sent as a user's choice. The slider still signals
    // the change, so that what follows its value (what it tells a screen
    // reader) follows a value shown here too.
    void setIntValue(int value);

  private:
    bool showing_ = false;
};

// A field holding a whole number. Its action runs on Return and when the
// user leaves a field that was edited, and at once for text set whole by an
// assistive tool.
// A field for a number: the user can type digits only.
class NumberField : public WidgetWrapper<QLineEdit> {
  public:
    explicit NumberField(QLineEdit* field);
    // Reads like the C library's atoi: text that does not begin with a number
    // is 0, and the number ends at the first character that is no digit.
    int intValue() const;
    void setIntValue(int value);
    QString stringValue() const;
    // Whether the text begins with a number (an empty field, or text put
    // there by an assistive tool, may not).
    bool holdsNumber() const;
    // Shows again the number last shown by setIntValue.
    void showLastValue();
    // Sends the action now for text the user typed but has not confirmed yet,
    // as Return would: a shortcut such as Ctrl+S leaves the focus in place.
    void commitPendingEdit();

  private:
    QString shown_;
};

class Label : public WidgetWrapper<QLabel> {
  public:
    explicit Label(QLabel* label) : WidgetWrapper(label) {}
    void setStringValue(const QString& text);
};

class Button : public WidgetWrapper<QPushButton> {
  public:
    explicit Button(QPushButton* button);
};
