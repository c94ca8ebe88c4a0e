// Binding the form: every control found by its name and wrapped, and what a
// user's change of each stores in the settings.
#include "SettingsForm.h"

#include "Accessibility.h"
#include "CameraRules.h"
#include "FormLookup.h"
#include "ReadableColours.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QWidget>

namespace {

bool isSlider(const FormControl& control) {
    return control.shows == Shows::Setting &&
           settingRow(control.setting).control == Control::Slider;
}

// Each wrapper is a child of the form and lives as long as it does.
template <class Wrapper, class Widget>
QObject* wrap(QObject* form, QWidget* window, const FormControl& control) {
    auto* wrapper = new Wrapper(findInWindow<Widget>(window, control.name));
    wrapper->setParent(form);
    return wrapper;
}

QObject* wrapperFor(QObject* form, QWidget* window, const FormControl& control) {
    switch (control.shows) {
    case Shows::Setting:
        return isSlider(control) ? wrap<Slider, QSlider>(form, window, control)
                                 : wrap<RadioMatrix, QWidget>(form, window, control);
    case Shows::FieldOfView:
    case Shows::Resolution:
    case Shows::FrameRate:
    case Shows::AutoRecord:
        return wrap<RadioMatrix, QWidget>(form, window, control);
    case Shows::Gain:
        return wrap<NumberField, QLineEdit>(form, window, control);
    case Shows::LongClip:
        return wrap<ButtonCell, QRadioButton>(form, window, control);
    case Shows::Number:
    case Shows::Interval:
    case Shows::Choice:
        return wrap<Label, QLabel>(form, window, control);
    }
    return nullptr;
}

template <class Wrapper> QWidget* widgetOfWrapper(QObject* wrapper) {
    auto* typed = dynamic_cast<Wrapper*>(wrapper);
    return typed != nullptr ? static_cast<QWidget*>(typed->widget()) : nullptr;
}

} // namespace

SettingsForm::SettingsForm(KaveloConfigParser& config, QObject* parent)
    : QObject(parent), config_(config) {}

void SettingsForm::bind(QWidget* window) {
    window_ = window;
    for (const FormControl& control : formControls())
        bound_.push_back({&control, wrapperFor(this, window, control)});
    for (const Bound& bound : bound_)
        nameFromTable(bound);
    installAccessibility();
    for (const Bound& bound : bound_) {
        if (!editsASetting(*bound.control))
            continue;
        // What the user does to a control is one step of the history.
        const auto userChange = [this, bound] {
            const SettingValues before = config_.settings();
            store(bound.wrapper);
            showChoiceLabels();
            const auto* slider = qobject_cast<const QSlider*>(widgetOf(*bound.control));
            emit edited(stepName(*bound.control), before,
                        slider != nullptr && slider->isSliderDown() ? dragCount_ : -1);
        };
        if (auto* group = dynamic_cast<RadioMatrix*>(bound.wrapper))
            group->setAction(userChange);
        else if (auto* slider = dynamic_cast<Slider*>(bound.wrapper)) {
            slider->setAction(userChange);
            connect(slider->widget(), &QSlider::sliderPressed, this, [this] { ++dragCount_; });
        } else if (auto* field = dynamic_cast<NumberField*>(bound.wrapper))
            field->setAction(userChange);
        describe(bound);
    }
    keepNotesReadable(window);
}

QObject* SettingsForm::wrapperNamed(const char* name) const {
    for (const Bound& bound : bound_) {
        if (qstrcmp(bound.control->name, name) == 0)
            return bound.wrapper;
    }
    return nullptr;
}

const SettingsForm::Bound* SettingsForm::boundTo(const QObject* wrapper) const {
    for (const Bound& bound : bound_) {
        if (bound.wrapper == wrapper)
            return &bound;
    }
    return nullptr;
}

QWidget* SettingsForm::widgetOf(const FormControl& control) const {
    QObject* wrapper = wrapperNamed(control.name);
    for (QWidget* widget :
         {widgetOfWrapper<RadioMatrix>(wrapper), widgetOfWrapper<Slider>(wrapper),
          widgetOfWrapper<NumberField>(wrapper), widgetOfWrapper<ButtonCell>(wrapper),
          widgetOfWrapper<Label>(wrapper)}) {
        if (widget != nullptr)
            return widget;
    }
    return nullptr;
}

namespace {

// A video-mode group: the rule keeps the mode's two codes together and says
// whether the form needs showing again.
rules::Refresh chooseInVideoMode(SettingValues& values, const FormControl& control, long column) {
    const rules::VideoMode& mode = *rules::videoModeOf(control.setting);
    switch (control.shows) {
    case Shows::FieldOfView:
        return rules::chooseFieldOfView(values, mode, column);
    case Shows::Resolution:
        return rules::chooseResolution(values, mode, column);
    default:
        return rules::chooseFrameRate(values, mode, column);
    }
}

} // namespace

void SettingsForm::store(QObject* sender) {
    const Bound* bound = boundTo(sender);
    if (bound == nullptr)
        return;
    const FormControl& control = *bound->control;
    switch (control.shows) {
    case Shows::Setting:
        if (auto* slider = dynamic_cast<Slider*>(sender)) {
            const int position = static_cast<int>(slider->integerValue());
            config_.setCameraValue(control.setting, rules::sliderValue(control.setting, position));
        } else {
            const long column = static_cast<RadioMatrix*>(sender)->selectedColumn();
            config_.setCameraValue(control.setting, static_cast<int>(column));
        }
        refreshAfter(control);
        return;
    case Shows::AutoRecord: {
        // Both cells of a row share the external-power setting, both cells of
        // a column the power-button setting.
        const auto* group = static_cast<RadioMatrix*>(sender);
        config_.setCameraValue(kAutoRecordExternalPower, group->selectedRow() != 0 ? 1 : 0);
        config_.setCameraValue(kAutoRecordPowerButton, group->selectedColumn() != 0 ? 1 : 0);
        return;
    }
    case Shows::FieldOfView:
    case Shows::Resolution:
    case Shows::FrameRate: {
        const long column = static_cast<RadioMatrix*>(sender)->selectedColumn();
        if (chooseInVideoMode(config_.settings(), control, column) == rules::Refresh::AllControls)
            showAll();
        return;
    }
    case Shows::Gain: {
        // The field shows the gain that is stored: a number out of range is
        // corrected to the nearer limit, and text after the number is
        // dropped. Only a custom white balance (5, 6, 7) has gains to store.
        auto* field = static_cast<NumberField*>(sender);
        // An empty field, or junk, puts back what it showed and stores nothing.
        if (!field->holdsNumber()) {
            field->showLastValue();
            return;
        }
        const int typed = field->intValue();
        const int gain = rules::clampGain(typed);
        if (gain != typed || field->stringValue() != QString::number(gain))
            field->setIntValue(gain);
        const int setting = rules::customGainSetting(config_.getCameraValue(kWhiteBalance),
                                                     static_cast<rules::Colour>(control.setting));
        if (setting >= 0)
            config_.setCameraValue(setting, gain);
        return;
    }
    default:
        return;
    }
}

void SettingsForm::commitPendingEdits() {
    for (const Bound& bound : bound_) {
        if (auto* field = dynamic_cast<NumberField*>(bound.wrapper))
            field->commitPendingEdit();
    }
}
