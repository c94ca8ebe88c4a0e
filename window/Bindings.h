// The binding table: one row per control of the settings window, naming its
// outlet in the form, the action it sends, the setting (or rule) it shows and
// edits, and the refresh that follows a change. Binding the outlets,
// connecting the actions and refreshing the window all walk this table, in
// the order in which the refresh sets the controls.
#pragma once

#include "MyAppDelegate.h"
#include "Settings.h"

#include <QStringList>

#include <cstddef>
#include <type_traits>
#include <variant>

// How a control shows its setting and what a change of it stores.
enum class View {
    Column,       // radio group: the selected column is the setting's value
    AutoRecord,   // the two-by-two group: row and column are two settings
    FrameRate,    // a video mode's frame-rate group: column = code - 1
    Resolution,   // a video mode's resolution group, from its resolution code
    FieldOfView,  // a video mode's field-of-view group, from its resolution code
    LongClipCell, // a clip-length cell that loop recording closes
    Slider,       // slider position = value
    WhiteBalance, // slider position = 7 - value
    Gain,         // a custom gain field of the chosen white balance; setting = colour
    NumberLabel,  // the setting as a number
    LapseLabel,   // the setting's time-lapse interval
    ChoiceLabel,  // the caption of the setting's value
    Status,       // a status row or a button of the file workflow
};

// The refresh that follows a change.
enum class Then {
    Nothing,
    AllControls,        // the setting enables or disables other controls
    CustomWhiteBalance, // the gain fields follow the white balance
    Labels,             // the image sliders' numbers
    LapseLabel,         // the time-lapse label of the same setting
};

// When a control is open to the user.
enum class Enable {
    Always,
    WhileOn,    // while the setting `enabledBy` is not 0; it still shows its setting
    ByFirmware, // while the firmware keeps the setting; closed, it keeps what it showed
    LoopLimit,  // while the video mode of `setting` does not record in a loop
};

using D = MyAppDelegate;

// A control without an outlet of its own: the delegate keeps its wrapper by
// its row, and it sends no named action, only what its row says.
template <class Wrapper> struct Unnamed {};

using Outlet = std::variant<RadioMatrix * D::*, ButtonCell * D::*, Slider * D::*,
                            NumberField * D::*, Label * D::*, Button * D::*, Unnamed<RadioMatrix>,
                            Unnamed<Slider>, Unnamed<Label>>;
using Action = std::variant<std::monostate, void (D::*)(RadioMatrix*), void (D::*)(Slider*),
                            void (D::*)(NumberField*), void (D::*)(Button*)>;

struct Binding {
    const char* name; // the outlet's objectName in the form
    Outlet outlet;
    Action action;
    View view;
    int setting; // the setting shown; Gain: the colour (0 red, 1 green, 2 blue)
    Then then = Then::Nothing;
    Enable enable = Enable::Always;
    int enabledBy = -1;
};

struct BindingTable {
    const Binding* rows;
    std::size_t count;
    const Binding* begin() const { return rows; }
    const Binding* end() const { return rows + count; }
};
const BindingTable& bindings();

// The settings of the time-lapse labels that updateTimeLapseShootingLabel
// rewrites: 0 photo, 1 video mode 1, 2 video mode 2.
constexpr int kTimeLapseLabelSettings[3] = {kPhotoTimeLapse, kVideo1TimeLapse, kVideo2TimeLapse};

// The row of an action, or nullptr.
template <class Sender> const Binding* bindingOf(void (D::*action)(Sender*)) {
    for (const Binding& row : bindings()) {
        if (const auto* own = std::get_if<void (D::*)(Sender*)>(&row.action); own && *own == action)
            return &row;
    }
    return nullptr;
}

// The wrapper of a row's control, named outlet or not; nullptr when the row
// holds another kind of control.
template <class Wrapper> Wrapper* outletOf(const MyAppDelegate& delegate, const Binding& row) {
    if (const auto* member = std::get_if<Wrapper * D::*>(&row.outlet))
        return delegate.**member;
    if constexpr (std::is_same_v<Wrapper, RadioMatrix> || std::is_same_v<Wrapper, Slider> ||
                  std::is_same_v<Wrapper, Label>) {
        if (std::holds_alternative<Unnamed<Wrapper>>(row.outlet))
            return static_cast<Wrapper*>(delegate.unnamedOutlet(row));
    }
    return nullptr;
}

// Whether a row's control edits a setting (a radio group, a slider or a
// gain field), rather than showing one or serving the file workflow.
bool editsASetting(const Binding& row);

// The field-of-view row a FieldOfView binding shows, or null for any other.
const FieldOfViewRow* fieldOfViewRowOf(const Binding& row);

// What the window calls a row's control, from the settings table; nullptr
// for a control that stands for no one setting (the auto-record group).
const char* captionOf(const Binding& row);

// The command-line names of the settings a row's control edits.
QStringList commandLineNamesOf(const Binding& row);

// The widget that a row's control wraps.
QWidget* widgetOf(const MyAppDelegate& delegate, const Binding& row);
