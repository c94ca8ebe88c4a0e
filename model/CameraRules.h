// The rules by which the camera's settings change together: the video-mode
// combination of resolution and frame rate, the clip-length limit of loop
// recording, the custom white-balance gains, and how a code is shown. The
// settings window and the command-line program both apply them from here.
#pragma once

class KaveloConfigParser;

namespace rules {

// The settings that one video mode keeps.
struct VideoMode {
    int resolution; // resolution code: 2 x resolution column + (field-of-view column 0 ? 1 : 0)
    int frameRate;  // frame-rate code: frame-rate column + 1
    int timeLapse;
    int clipLength;
    int loopRecording;
};
extern const VideoMode kVideoMode1;
extern const VideoMode kVideoMode2;

// What the window must do after a video-mode choice.
enum class Refresh { None, AllControls };

// The user chose a column of a mode's field-of-view, resolution or frame-rate
// group. The codes change together so that resolution codes 0 to 2 go only
// with frame-rate codes of 3 or more.
Refresh chooseFieldOfView(KaveloConfigParser& config, const VideoMode& mode, long column);
Refresh chooseResolution(KaveloConfigParser& config, const VideoMode& mode, long column);
Refresh chooseFrameRate(KaveloConfigParser& config, const VideoMode& mode, long column);

// How a resolution code is shown; codes outside 0 to 5 show as columns 0 and 0.
struct ResolutionColumns {
    int resolution;
    int fieldOfView;
};
ResolutionColumns resolutionColumns(int resolutionCode);

// While a mode records in a loop only clip lengths 0 and 1 are allowed: a
// longer one is lowered to 1. Answers whether the longer choices are open.
bool applyLoopRecordingLimit(KaveloConfigParser& config, const VideoMode& mode);

// Custom white-balance gains: the number fields accept 100 to 999.
constexpr int kMinGain = 100;
constexpr int kMaxGain = 999;
int clampGain(int gain);
enum class Colour { Red = 0, Green = 1, Blue = 2 };
// The gain setting that the current white balance edits for a colour, or -1
// when the white balance (setting 49) selects no custom triple (5, 6, 7).
int customGainSetting(int whiteBalance, Colour colour);

// The white-balance slider's position p stands for the setting 7 - p.
int whiteBalanceFromPosition(int position);

// Text of a time-lapse interval code ("Off", "0.25s" .. "60s").
const char* timeLapseText(int code);

} // namespace rules
