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

// A group of radio cells in a container widget. Each QRadioButton child
// carries the dynamic property "column" (and "row" in a two-row group); the
// delegate addresses cells by row and column only, never by their place in
// the layout.
class RadioMatrix : public QObject {
  public:
    // Throws std::runtime_error when the container holds no cell, a cell
    // lacks its column, or two cells share a place.
    explicit RadioMatrix(QWidget* container);

    // Checks the cell at (row, column). A place with no cell leaves no cell
    // checked: the group shows that it cannot show the value.
    void selectCellAtRow(long row, long column);
    long selectedRow() const;    // -1 when no cell is checked
    long selectedColumn() const; // -1 when no cell is checked
    void setEnabled(bool enabled);
    bool isEnabled() const;

    QWidget* container() const { return container_; }
    QWidget* widget() const { return container_; }
    QRadioButton* cellAtRow(long row, long column) const; // nullptr when there is none
    int cellCount() const { return static_cast<int>(cells_.size()); }

    // Runs whenever a cell becomes checked other than by selectCellAtRow, and
    // when the user clicks the checked cell.
    void setAction(ControlAction action) { action_ = std::move(action); }

  private:
    struct Cell {
        long row;
        long column;
        QPointer<QRadioButton> button;
    };
    const Cell* checkedCell() const;

    QPointer<QWidget> container_;
    QButtonGroup* group_;
    std::vector<Cell> cells_;
    ControlAction action_;
    bool sentSincePress_ = true;
};

// One cell of a radio group, enabled or disabled on its own.
class ButtonCell : public QObject {
  public:
    explicit ButtonCell(QRadioButton* cell);
    void setEnabled(bool enabled);
    bool isEnabled() const;
    QRadioButton* widget() const { return cell_; }

  private:
    QPointer<QRadioButton> cell_;
};

class Slider : public QObject {
  public:
    explicit Slider(QSlider* slider);
    long integerValue() const;
    // A value past the slider's range puts it at the nearer end; that
    // position is never sent as a user's choice.
    void setIntValue(int value);
    QSlider* widget() const { return slider_; }
    // Runs whenever the user moves the slider (drag, click, keys, wheel).
    void setAction(ControlAction action) { action_ = std::move(action); }

  private:
    QPointer<QSlider> slider_;
    ControlAction action_;
};

// A field holding a whole number.
class NumberField : public QObject {
  public:
    explicit NumberField(QLineEdit* field);
    // Reads like the C library's atoi: text that does not begin with a number
    // is 0, and the number ends at the first character that is no digit.
    int intValue() const;
    void setIntValue(int value);
    QString stringValue() const;
    void setEnabled(bool enabled);
    bool isEnabled() const;
    QLineEdit* widget() const { return field_; }
    // Runs on Return and when the user leaves a field that was edited.
    void setAction(ControlAction action) { action_ = std::move(action); }
    // Sends the action now for text the user typed but has not confirmed yet,
    // as Return would: a shortcut such as Ctrl+S leaves the focus in place.
    void commitPendingEdit();

  private:
    QPointer<QLineEdit> field_;
    ControlAction action_;
};

class Label : public QObject {
  public:
    explicit Label(QLabel* label);
    void setStringValue(const QString& text);
    QString stringValue() const;
    QLabel* widget() const { return label_; }

  private:
    QPointer<QLabel> label_;
};

class Button : public QObject {
  public:
    explicit Button(QPushButton* button);
    void setEnabled(bool enabled);
    bool isEnabled() const;
    QPushButton* widget() const { return button_; }
    void setAction(ControlAction action) { action_ = std::move(action); }

  private:
    QPointer<QPushButton> button_;
    ControlAction action_;
};
