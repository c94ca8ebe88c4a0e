// Binding the delegate to the window: every outlet of the binding table found
// by its objectName, its caption and its cells named from the settings table.
#include "MyAppDelegate.h"

#include "Bindings.h"
#include "FormLookup.h"
#include "Settings.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QWidget>

#include <iterator>
#include <stdexcept>

namespace {

// The form's widget behind each kind of outlet.
template <class Wrapper> struct FormWidget;
template <> struct FormWidget<RadioMatrix> { using type = QWidget; };
template <> struct FormWidget<ButtonCell> { using type = QRadioButton; };
template <> struct FormWidget<Slider> { using type = QSlider; };
template <> struct FormWidget<NumberField> { using type = QLineEdit; };
template <> struct FormWidget<Label> { using type = QLabel; };
template <> struct FormWidget<Button> { using type = QPushButton; };

// Each wrapper is a child of the delegate and lives as long as it does.
template <class Wrapper> Wrapper* wrap(D& delegate, QWidget* window, const Binding& row) {
    auto* wrapper = new Wrapper(findInWindow<typename FormWidget<Wrapper>::type>(window, row.name));
    wrapper->setParent(&delegate);
    return wrapper;
}

void bindOutlet(D& delegate, QWidget* window, const Binding& row) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, Unnamed<RadioMatrix>>)
                delegate.keepUnnamedOutlet(row, wrap<RadioMatrix>(delegate, window, row));
            else if constexpr (std::is_same_v<Member, Unnamed<Slider>>)
                delegate.keepUnnamedOutlet(row, wrap<Slider>(delegate, window, row));
            else if constexpr (std::is_same_v<Member, Unnamed<Label>>)
                delegate.keepUnnamedOutlet(row, wrap<Label>(delegate, window, row));
            else
                delegate.*member =
                    wrap<std::remove_pointer_t<std::decay_t<decltype(delegate.*member)>>>(
                        delegate, window, row);
        },
        row.outlet);
}

// The captions of a group's columns, or nullptr for a group whose cells the
// form names itself. A radio group's values start at 0, its first column.
struct Captions {
    const char* const* texts;
    int count;
};
Captions columnCaptions(const Binding& row) {
    switch (row.view) {
    case View::Column: {
        const SettingRow& setting = settingRow(row.setting);
        return {setting.valueCaptions, setting.maximum - setting.minimum + 1};
    }
    case View::FrameRate:
        return {kFrameRateCaptions, static_cast<int>(std::size(kFrameRateCaptions))};
    case View::Resolution:
        return {kResolutionCaptions, static_cast<int>(std::size(kResolutionCaptions))};
    case View::FieldOfView:
        return {kFieldOfViewCaptions, static_cast<int>(std::size(kFieldOfViewCaptions))};
    default:
        return {nullptr, 0};
    }
}

// The texts that come from the settings table: the caption beside the
// control (the label named after the outlet, "...Caption") and the cells.
void nameFromTable(QWidget* window, D& delegate, const Binding& row) {
    const char* caption = captionOf(row);
    auto* label = window->findChild<QLabel*>(QLatin1String(row.name) + QLatin1String("Caption"));
    if (label != nullptr && caption != nullptr)
        label->setText(QString::fromUtf8(caption) + QLatin1Char(':'));
    const Captions captions = columnCaptions(row);
    if (captions.texts == nullptr)
        return;
    RadioMatrix* group = outletOf<RadioMatrix>(delegate, row);
    for (int column = 0; column < captions.count; ++column) {
        if (QRadioButton* cell = group->cellAtRow(0, column))
            cell->setText(QString::fromUtf8(captions.texts[column]));
    }
}

} // namespace

MyAppDelegate::MyAppDelegate(QObject* parent) : QObject(parent) {}

QObject* MyAppDelegate::unnamedOutlet(const Binding& row) const {
    for (const auto& [each, wrapper] : unnamedOutlets_) {
        if (each == &row)
            return wrapper;
    }
    return nullptr;
}

void MyAppDelegate::keepUnnamedOutlet(const Binding& row, QObject* wrapper) {
    unnamedOutlets_.emplace_back(&row, wrapper);
}

void MyAppDelegate::bindOutlets(QWidget* settingsWindow) {
    window = settingsWindow;
    for (const Binding& row : bindings())
        bindOutlet(*this, settingsWindow, row);
    for (const Binding& row : bindings())
        nameFromTable(settingsWindow, *this, row);
    connectActions();
    connectCommands();
    connectFileCommands();
    describeControls();
    setUpEditor();
}

// The Exit button and the Quit menu command both end the program.
void MyAppDelegate::connectCommands() {
    QPushButton* exitButton = findInWindow<QPushButton>(window, "exitButton");
    connect(exitButton, &QPushButton::clicked, this, [this, exitButton] { exit(exitButton); });
    QAction* quit = findInWindow<QAction>(window, "actionQuit");
    connect(quit, &QAction::triggered, this, [this, quit] { exit(quit); });
}

// Nothing is asked or saved on the way out.
void MyAppDelegate::exit(QObject*) {
    QCoreApplication::quit();
}
