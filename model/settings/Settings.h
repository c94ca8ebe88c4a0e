// The camera's 64 settings, each declared once: its keyword and default, where
// the file keeps it, what the window calls it and offers for it, the name the
// command line knows it by, and the first firmware that writes it. The reader,
// the writer, the window and the command line all take their settings from
// this table.
#pragma once

#include <string>

// The settings by index, as the camera numbers them. Video mode 2 (15..26)
// mirrors video mode 1 (3..14) at +12.
enum Setting : int {
    kDateFormat,
    kDateTime, // set the camera's clock when saving
    kDefaultMode,
    kVideo1Resolution,
    kVideo1FrameRate,
    kVideo1TimeLapse,
    kVideo1TimeLapseCustom,
    kVideo1Sound,
    kVideo1ClipLength,
    kVideo1LoopRecording,
    kVideo1Flip,
    kVideo1TimeStamp,
    kVideo1Quality,
    kVideo1HighDynamicRange,
    kVideo1FileFormat,
    kVideo2Resolution,
    kVideo2FrameRate,
    kVideo2TimeLapse,
    kVideo2TimeLapseCustom,
    kVideo2Sound,
    kVideo2ClipLength,
    kVideo2LoopRecording,
    kVideo2Flip,
    kVideo2TimeStamp,
    kVideo2Quality,
    kVideo2HighDynamicRange,
    kVideo2FileFormat,
    kPhotoSize,
    kPhotoTimeLapse,
    kPhotoTimeLapseCustom,
    kPhotoFlip,
    kPhotoTimeStamp,
    kPowerOnDelay,
    kAutoOff,
    kAutoRecordExternalPower,
    kAutoRecordPowerButton,
    kOffWhenUnplugged,
    kRecordingLight,
    kUsbCharging,
    kLens,
    kLightFrequency,
    kUsbMode,
    kWebcamFlip,
    kTvSystem,
    kTvAspectRatio,
    kCardFormat,
    kMotionDetection,
    kMotionTimeout,
    kMotionSensitivity,
    kWhiteBalance,
    kCustom1Red,
    kCustom1Green,
    kCustom1Blue,
    kCustom2Red,
    kCustom2Green,
    kCustom2Blue,
    kCustom3Red,
    kCustom3Green,
    kCustom3Blue,
    kColourEffect,
    kExposure,
    kContrast,
    kSaturation,
    kSharpness,
    kSettingCount
};

// The file's parts, in the order the writer lays them out.
enum class Section { Head, VideoMode1, VideoMode2, PhotoMode, CameraWide, CustomGains, Picture };

// How the file holds a setting.
enum class FileLine {
    Setting,  // "keyword=[value];", found by the n-th occurrence of its keyword
    DateLine, // only the form of the date line; never read
    Gain,     // one of the three values of a custom white-balance line
};

// How the window offers a setting.
enum class Control {
    RadioGroup,     // one cell per value, column = value
    AutoRecordCell, // one axis of the two-by-two auto-record group
    VideoMode,      // resolution / frame-rate code, chosen through three groups
    Slider,         // slider position = value (white balance: 7 - value)
    GainField,      // number field clamped to 100..999
    None,           // no control: carried from the file read to the file written
};

struct SettingRow {
    Setting index;
    const char* keyword;
    int defaultValue;
    Section section;
    FileLine line;
    int occurrence; // for FileLine::Setting: which occurrence of the keyword holds it
    Control control;
    int minimum; // the lowest value the window offers
    int maximum; // the highest
    // Caption of each value from minimum to maximum, or nullptr where the
    // number speaks for itself (image sliders, gains).
    const char* const* valueCaptions;
    const char* group;   // the command-line name's prefix ("video1"), or ""
    const char* caption; // what the window calls it ("Recording light")
    const char* description;
    int firstFirmware;      // firmware number from which the file has its line; 0: all
    const char* formerName; // an older command-line name that still works, or nullptr
    // The name of the control in the window's form that shows and edits this
    // setting alone, or nullptr where no control does (the window shows a
    // video mode's codes, the auto-record pair and the gains in controls of
    // their own).
    const char* widget;
};

const SettingRow& settingRow(int index); // index 0..63

// Keyword of each setting as the file names it, from the rows, in the shape
// the reader and writer index (256 bytes each, NUL included); video mode 2
// (15..26) repeats the keywords of video mode 1 (3..14), and the custom
// white-balance triples share "Green Gain" and "Blue Gain".
constexpr int kKeywordSize = 256;
extern const char (&configKeywords)[kSettingCount][kKeywordSize];

// A caption or a typed text folded for naming and comparing: ASCII letters
// and digits in lower case, and every run of other characters as one
// `separator` (or nothing, for '\0'), none at either end. Characters in `kept`
// stay as they are; characters in `dropped` vanish without breaking a word.
// "Rotated 180°" folds to "rotated-180" with '-', "rotated180" with '\0'.
std::string foldedText(const std::string& text, char separator, const char* kept = "",
                       const char* dropped = "");

// The command-line name: the group, a dot, and the caption in lower case with
// dashes, without a first word that repeats the group: "Recording light" is
// "recording-light", "Photo size" in group "photo" is "photo.size".
const std::string& settingName(int index);

// Caption of a value, or nullptr when the value has none (outside the offered
// range, or a plain number).
const char* valueCaption(int index, int value);

// Whether the window can show and choose this value for the setting.
bool offered(int index, int value);

// The header line that opens a section of the file, or nullptr.
const char* sectionHeader(Section section);

// The three groups through which the window chooses a video mode's
// resolution code: captions of their columns, in column order.
extern const char* const kFieldOfViewCaptions[2];
extern const char* const kResolutionCaptions[3];
extern const char* const kFrameRateCaptions[4];

// The field of view is no setting of its own: it is the lowest bit of the
// resolution code. It still has a caption and a name.
struct FieldOfViewRow {
    Setting resolution;
    const char* group;
    const char* caption;
    const char* description;
    const char* formerName;
};
extern const FieldOfViewRow kFieldOfViewRows[2];
std::string fieldOfViewName(const FieldOfViewRow& row);
