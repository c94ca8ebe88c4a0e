// The editor around the settings: what each control is called and says it
// does, for the eye, the keyboard and assistive tools; undo and redo of the
// user's changes; the modified marker and the title that names the file Save
// writes; the status bar; Help and About.
#include "Accessibility.h"
#include "Bindings.h"
#include "CameraRules.h"
#include "ConfigDocument.h"
#include "FormLookup.h"
#include "Globals.h"
#include "HelpWindows.h"
#include "Mnemonics.h"
#include "MyAppDelegate.h"
#include "ReadableColours.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QUndoStack>

namespace {

QString plain(const QString& shown) {
    QString text = withoutMnemonic(shown);
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text;
}

QLabel* captionLabelOf(QWidget* window, const Binding& row) {
    return window->findChild<QLabel*>(QLatin1String(row.name) + QLatin1String("Caption"));
}

// What the control does and the name the command line knows it by.
QString toolTipOf(const Binding& row) {
    QString description;
    if (const FieldOfViewRow* fov = fieldOfViewRowOf(row)) {
        description = QString::fromUtf8(fov->description);
    } else if (row.view == View::AutoRecord) {
        description = QStringLiteral("Starts recording when the camera gets external power, "
                                     "when its power button switches it on, or both");
    } else {
        const int setting = row.view == View::Gain ? kCustom1Red + row.setting : row.setting;
        description = QString::fromUtf8(settingRow(setting).description);
    }
    return QStringLiteral("%1 (kavelo-config: %2)")
        .arg(description, commandLineNamesOf(row).join(QStringLiteral(", ")));
}

// The captions of a slider's positions, from its minimum up; none for a
// slider whose number speaks for itself.
QStringList positionTexts(const Binding& row, const QSlider* slider) {
    QStringList texts;
    for (int position = slider->minimum(); position <= slider->maximum(); ++position) {
        const int value =
            row.view == View::WhiteBalance ? rules::whiteBalanceFromPosition(position) : position;
        const char* caption = valueCaption(row.setting, value);
        texts << (caption != nullptr ? QString::fromUtf8(caption) : QString::number(value));
    }
    return texts;
}

// What an undo step is called after: the setting the user changed.
QString stepName(QWidget* window, const Binding& row) {
    if (const char* caption = captionOf(row))
        return QString::fromUtf8(caption);
    if (QLabel* label = captionLabelOf(window, row))
        return plain(label->text());
    if (QWidget* widget = window->findChild<QWidget*>(QLatin1String(row.name))) {
        if (auto* button = qobject_cast<QPushButton*>(widget))
            return plain(button->text());
    }
    return QString();
}

} // namespace

void MyAppDelegate::describeControls() {
    installAccessibility();
    for (const Binding& row : bindings()) {
        if (!editsASetting(row))
            continue;
        QWidget* control = widgetOf(*this, row);
        QLabel* label = captionLabelOf(window, row);
        const char* caption = captionOf(row);
        const QString name =
            caption != nullptr ? QString::fromUtf8(caption) : (label ? plain(label->text()) : "");
        // What kind of control it is comes first: an assistive tool's view
        // of it is made when it is first asked about.
        if (row.view == View::Slider || row.view == View::WhiteBalance) {
            auto* slider = static_cast<QSlider*>(control);
            setPositionTexts(slider, positionTexts(row, slider));
        } else if (row.view != View::Gain) {
            markAsRadioGroup(control);
        }
        control->setAccessibleName(name);
        control->setToolTip(toolTipOf(row));
        if (label != nullptr) {
            label->setBuddy(control);
            label->setToolTip(control->toolTip());
        }
    }
    keepNotesReadable(window);
}

void MyAppDelegate::setUpEditor() {
    document_ = new ConfigDocument(mCF, this);
    connect(document_, &ConfigDocument::titleChanged, this, [this] { showTitle(); });
    connect(document_, &ConfigDocument::settingsRestored, this, [this] { updateAllControls(); });
    auto* edit = findInWindow<QMenu>(window, "menuEdit");
    QAction* undo = history()->createUndoAction(edit, QStringLiteral("&Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = history()->createRedoAction(edit, QStringLiteral("&Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    QAction* help = findInWindow<QAction>(window, "actionHelp");
    help->setShortcuts(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] { showHelp(window); });
    connect(findInWindow<QAction>(window, "actionAbout"), &QAction::triggered, this,
            [this] { showAbout(window); });

    auto* tabs = findInWindow<QTabWidget>(window, "settingsTabs");
    const struct {
        QKeySequence keys;
        int step;
    } switches[] = {{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                    {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& each : switches) {
        auto* shortcut = new QShortcut(each.keys, window);
        connect(shortcut, &QShortcut::activated, tabs, [tabs, step = each.step] {
            tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
        });
    }

    status_ = new QLabel(window);
    status_->setObjectName(QStringLiteral("statusMessage"));
    status_->setTextFormat(Qt::PlainText);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    findInWindow<QStatusBar>(window, "statusBar")->addWidget(status_, 1);

    for (QSlider* slider : window->findChildren<QSlider*>())
        connect(slider, &QSlider::sliderPressed, this, [this] { ++dragCount_; });

    showTitle();
    assignMnemonics(window);
}

void MyAppDelegate::afterUserChange(const SettingValues& before, const Binding& row) {
    updateChoiceLabels();
    // A drag of a slider is one step, however many positions it passes: its
    // steps share the drag's number.
    const QSlider* slider = qobject_cast<const QSlider*>(widgetOf(*this, row));
    const int mergeKey = slider != nullptr && slider->isSliderDown() ? dragCount_ : -1;
    document_->recordChange(stepName(window, row), before, mergeKey);
}

QUndoStack* MyAppDelegate::history() const {
    return document_ != nullptr ? document_->history() : nullptr;
}

// The title names the file Save writes, and its marker whether the settings
// differ from it.
void MyAppDelegate::showTitle() {
    window->setWindowTitle(document_->title());
    window->setWindowModified(document_->isModified());
}

void MyAppDelegate::showStatus(const QString& message) {
    if (ejectButton_ != nullptr)
        ejectButton_->hide(); // offered only beside a save's success
    if (status_ != nullptr)
        status_->setText(message);
}

QString MyAppDelegate::statusText() const {
    return status_ != nullptr ? status_->text() : QString();
}

void MyAppDelegate::updateChoiceLabels() {
    for (const Binding& row : bindings()) {
        if (row.view != View::ChoiceLabel)
            continue;
        const char* caption = valueCaption(row.setting, mCF.getCameraValue(row.setting));
        outletOf<Label>(*this, row)
            ->setStringValue(caption != nullptr ? QString::fromUtf8(caption) : QString());
    }
}
