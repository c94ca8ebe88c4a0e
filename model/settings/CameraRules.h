// The rules by which the camera's settings go together: which identification
// is supported and which settings each firmware keeps, the video-mode
// combination of resolution and frame rate, the clip-length limit of loop
// recording, the custom white-balance gains, and how a code is shown. The
// reader, the writer, the settings window and the command-line program all
// apply them from here.
#pragma once

#include "SettingValues.h"

namespace rules {

// Firmware 2.10 to 2.25 (as firmware numbers, version times 100) with
// hardware revision 3.
constexpr int kFirstSupportedFirmware = 210;
constexpr int kLastSupportedFirmware = 225;
constexpr int kSupportedRevision = 3;
bool isSupportedIdentification(int firmwareNumber, int revisionNumber);

// Whether a file of this firmware has a line for the setting: the card
// format only from firmware 2.18 on.
bool firmwareWrites(int setting, int firmwareNumber);
// Whether the window lets the user choose the setting: as the firmware
// writes it, and always before any file is read (firmware number 0).
bool firmwareOffers(int setting, int firmwareNumber);

// The settings that one video mode keeps.
struct VideoMode {
    int resolution; // resolution code (resolutionCode below)
    int frameRate;  // frame-rate code: frame-rate column + 1
    int timeLapse;
    int clipLength;
    int loopRecording;
};
extern const VideoMode kVideoMode1;
extern const VideoMode kVideoMode2;
// The video mode that keeps this setting, or nullptr.
const VideoMode* videoModeOf(int setting);

// What the window must do after a video-mode choice.
enum class Refresh { None, AllControls };

// The user chose a column of a mode's field-of-view, resolution or frame-rate
// group. The codes change together so that resolution codes 0 to 2 go only
// with frame-rate codes of 3 or more.
Refresh chooseFieldOfView(SettingValues& values, const VideoMode& mode, long column);
Refresh chooseResolution(SettingValues& values, const VideoMode& mode, long column);
Refresh chooseFrameRate(SettingValues& values, const VideoMode& mode, long column);

// The resolution code of a resolution column and a field-of-view column:
// twice the resolution column, plus 1 for field of view 0 (wide).
int resolutionCode(int resolutionColumn, int fieldOfViewColumn);
// How a resolution code is shown; codes outside 0 to 5 show as columns 0 and 0.
struct ResolutionColumns {
    int resolution;
    int fieldOfView;
};
ResolutionColumns resolutionColumns(int resolutionCode);
// Whether the camera records this pair: resolution codes 0 to 2 only at
// frame-rate codes other than 1 and 2 (60 and 50 fps).
bool combinationAllowed(int resolutionCode, int frameRateCode);

// While a mode records in a loop only clip lengths 0 and 1 are allowed.
bool clipLengthAllowed(int loopRecording, int clipLength);
// Lowers a clip length that loop recording does not allow to 1. Answers
// whether the longer choices are open.
bool applyLoopRecordingLimit(SettingValues& values, const VideoMode& mode);

// Gives a camera's settings those of another camera's file: every setting but
// the clock choice, which stays the camera's own, and then the clip-length
// limit of loop recording that a load's refresh applies.
void takeSettingsOf(SettingValues& values, const SettingValues& other);

// Custom white-balance gains: the number fields accept 100 to 999.
constexpr int kMinGain = 100;
constexpr int kMaxGain = 999;
int clampGain(int gain);
enum class Colour { Red = 0, Green = 1, Blue = 2 };
// The gain setting that the current white balance edits for a colour, or -1
// when the white balance selects no custom triple (5, 6, 7).
int customGainSetting(int whiteBalance, Colour colour);

// The white-balance slider's position p stands for the setting 7 - p, in
// 32-bit arithmetic both ways.
int whiteBalanceFromPosition(int position);
int whiteBalancePosition(int whiteBalance);
// The value a slider's position stands for, and the position that shows a
// value: the same number, but for the white balance's reversed slider.
int sliderValue(int setting, int position);
int sliderPosition(int setting, int value);

// Text of a time-lapse interval code ("Off", "0.25s" .. "60s"); "Off" for a
// code no interval has.
const char* timeLapseText(int code);

} // namespace rules
