// The controls of the window's form and what each shows. A setting whose row
// in the settings table names a control is shown and edited by that control
// alone, as the row describes it (a radio group or a slider, its captions, its
// range, its first firmware); the table is its only declaration. The few
// controls that show something other than one setting's value are listed
// here, with the rules that open and close controls.
#pragma once

#include "Settings.h"

#include <QStringList>

#include <vector>

// What a control of the form shows.
enum class Shows {
    Setting,     // its row's value: a radio group's column, or a slider's position
    FieldOfView, // a video mode's field-of-view group, from its resolution code
    Resolution,  // a video mode's resolution group, from its resolution code
    FrameRate,   // a video mode's frame-rate group: column = code - 1
    AutoRecord,  // the two-by-two group: its row and its column are two settings
    Gain,        // one colour's gain field of the chosen custom white balance
    LongClip,    // a clip-length cell that loop recording closes
    Number,      // a label with the setting as a number
    Interval,    // a label with the setting's time-lapse interval
    Choice,      // a label with the caption of the setting's value
};

struct FormControl {
    const char* name; // the control's objectName in the form
    Shows shows;
    int setting; // the setting shown; for Gain, the colour (0 red, 1 green, 2 blue)
};

// Every control of the form: the clip-length cells first (showing them
// applies the loop-recording limit, which may lower a clip length before its
// group shows it), then each setting's own control in the table's order,
// then the other controls of the list.
const std::vector<FormControl>& formControls();

// Whether the control edits a setting (a radio group, a slider or a gain
// field), rather than showing one.
bool editsASetting(const FormControl& control);

// What the window calls the control, from the settings table; nullptr for a
// control that stands for no one setting (the auto-record group).
const char* captionOf(const FormControl& control);

// What the control does, from the settings table.
const char* descriptionOf(const FormControl& control);

// The command-line names of the settings the control edits.
QStringList commandLineNamesOf(const FormControl& control);

// The field-of-view row a FieldOfView control shows, or nullptr.
const FieldOfViewRow* fieldOfViewRowOf(const FormControl& control);

// The setting that must be on for the control to be open (the motion
// detection for its sensitivity and timeout), or -1 where none must.
int enablingSetting(const FormControl& control);

// Whether a change of `setting` changes which controls are open, so that the
// whole form is shown again.
bool opensOrClosesControls(int setting);

// The settings of the time-lapse interval labels: 0 photo, 1 video mode 1,
// 2 video mode 2.
constexpr int kTimeLapseLabelSettings[3] = {kPhotoTimeLapse, kVideo1TimeLapse, kVideo2TimeLapse};
