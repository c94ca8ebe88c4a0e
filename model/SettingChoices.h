// What the window offers for each setting: the values it can choose and what
// each value means to the camera's owner. The window's captions, the
// command-line program's descriptions and its check of a value all come from
// this one table.
#pragma once

namespace choices {

enum class Control {
    RadioGroup,     // one cell per value, column = value
    AutoRecordCell, // one of the two axes of the two-by-two auto-record group
    VideoMode,      // resolution / frame-rate codes, set through three groups
    Slider,         // slider position = value (white balance: 7 - value)
    GainField,      // number field clamped to 100..999
    None,           // no control: carried from the file read to the file written
};

struct SettingChoices {
    Control control;
    int minimum; // the lowest value the window offers
    int maximum; // the highest
    // Caption of each value from minimum to maximum, or nullptr where the
    // number speaks for itself (image sliders, gains).
    const char* const* captions;
};

// Indexed by setting, 0 to 63.
const SettingChoices& forSetting(int index);

// Caption of a value, or nullptr when the value has none (outside the offered
// range, or a plain number).
const char* caption(int index, int value);

// Whether the window can show and choose this value for the setting.
bool offered(int index, int value);

// Captions of the columns of the video-mode groups, in column order.
extern const char* const kFieldOfViewCaptions[2];
extern const char* const kResolutionCaptions[3];
extern const char* const kFrameRateCaptions[4];

} // namespace choices
