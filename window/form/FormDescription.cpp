// What each control of the form is called and says it does, for the eye, the
// keyboard and assistive tools, all from the settings table: the caption
// beside it, the captions of its cells, its accessible name and role, the
// names of a slider's positions, and a tooltip with the name the command line
// knows it by.
#include "SettingText.h"
#include "SettingsForm.h"

#include "Accessibility.h"
#include "CameraRules.h"
#include "Mnemonics.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <iterator>

namespace {

QLabel* captionLabelOf(QWidget* window, const FormControl& control) {
    return window->findChild<QLabel*>(QLatin1String(control.name) + QLatin1String("Caption"));
}

QString plain(const QString& shown) {
    // Without the colon a caption ends with, in the language's own way
    // ("Résolution :", "分辨率：").
    QString text = withoutMnemonic(shown);
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)) ||
           text.endsWith(QChar(0x00A0)) || text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The captions of a group's columns, or none for a group whose cells the
// form names itself. A radio group's values start at 0, its first column.
struct Captions {
    const char* const* texts;
    int count;
};
Captions columnCaptions(const FormControl& control) {
    switch (control.shows) {
    case Shows::Setting: {
        const SettingRow& row = settingRow(control.setting);
        if (row.control != Control::RadioGroup)
            return {nullptr, 0};
        return {row.valueCaptions, row.maximum - row.minimum + 1};
    }
    case Shows::FrameRate:
        return {kFrameRateCaptions, static_cast<int>(std::size(kFrameRateCaptions))};
    case Shows::Resolution:
        return {kResolutionCaptions, static_cast<int>(std::size(kResolutionCaptions))};
    case Shows::FieldOfView:
        return {kFieldOfViewCaptions, static_cast<int>(std::size(kFieldOfViewCaptions))};
    default:
        return {nullptr, 0};
    }
}

// The captions of a slider's positions, from its minimum up; numbers where
// the setting's values have none.
QStringList positionTexts(int setting, const QSlider* slider) {
    QStringList texts;
    for (int position = slider->minimum(); position <= slider->maximum(); ++position) {
        const int value = rules::sliderValue(setting, position);
        const char* caption = valueCaption(setting, value);
        texts << (caption != nullptr ? settingText(caption) : QString::number(value));
    }
    return texts;
}

} // namespace

void SettingsForm::nameFromTable(const Bound& bound) {
    const char* caption = captionOf(*bound.control);
    QLabel* label = captionLabelOf(window_, *bound.control);
    if (label != nullptr && caption != nullptr)
        label->setText(
            QCoreApplication::translate("SettingsForm", "%1:", "a caption before its control")
                .arg(settingText(caption)));
    const Captions captions = columnCaptions(*bound.control);
    auto* group = dynamic_cast<RadioMatrix*>(bound.wrapper);
    if (captions.texts == nullptr || group == nullptr)
        return;
    for (int column = 0; column < captions.count; ++column) {
        if (QRadioButton* cell = group->cellAtRow(0, column))
            cell->setText(settingText(captions.texts[column]));
    }
}

void SettingsForm::describe(const Bound& bound) {
    const FormControl& control = *bound.control;
    QWidget* widget = widgetOf(control);
    QLabel* label = captionLabelOf(window_, control);
    // What kind of control it is comes first: an assistive tool's view of it
    // is made when it is first asked about.
    if (auto* slider = qobject_cast<QSlider*>(widget))
        setPositionTexts(slider, positionTexts(control.setting, slider));
    else if (control.shows != Shows::Gain)
        markAsRadioGroup(widget);
    widget->setAccessibleName(stepName(control));
    widget->setToolTip(QCoreApplication::translate("SettingsForm", "%1 (kavelo-config: %2)")
                           .arg(settingText(descriptionOf(control)),
                                commandLineNamesOf(control).join(
                                    QCoreApplication::translate("SettingsForm", ", "))));
    if (label != nullptr) {
        label->setBuddy(widget);
        label->setToolTip(widget->toolTip());
    }
}

// What the window calls a control, in its undo steps and to screen readers:
// the caption the settings table gives it, or else the form's caption label.
QString SettingsForm::stepName(const FormControl& control) const {
    if (const char* caption = captionOf(control))
        return settingText(caption);
    if (QLabel* label = captionLabelOf(window_, control))
        return plain(label->text());
    return QString();
}
