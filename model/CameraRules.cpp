#include "CameraRules.h"

#include "KaveloConfigParser.h"

#include <cstdint>

namespace rules {

const VideoMode kVideoMode1 = {3, 4, 5, 8, 9};
const VideoMode kVideoMode2 = {15, 16, 17, 20, 21};

namespace {

constexpr int kFirstCustomWhiteBalance = 5;
constexpr int kFirstGain = 50;
constexpr int kLowestFullFrameRate = 3;
constexpr int kNoChange = -1;

// A transition table: for a chosen column, the new resolution code for each
// old code 0..5 (kNoChange: stays), and whether the frame rate is then raised.
struct Transition {
    int to;
    bool raise;
};
using Row = Transition[6];

constexpr Transition k_{kNoChange, false};

constexpr Row kFieldOfView[2] = {
    // column 0: wide -> the odd code of the same resolution
    {{1, false}, k_, {3, false}, k_, {5, false}, k_},
    // column 1: narrow -> the even code; only 3 -> 2 enters the low codes
    {k_, {0, false}, k_, {2, true}, k_, {4, false}},
};

constexpr Row kResolution[3] = {
    {k_, k_, {0, false}, {1, true}, {0, true}, {1, true}},
    {{2, true}, {3, false}, k_, k_, {2, true}, {3, false}},
    {{4, false}, {5, false}, {4, false}, {5, false}, k_, k_},
};

Refresh raiseFrameRate(KaveloConfigParser& config, const VideoMode& mode) {
    if (config.getCameraValue(mode.frameRate) <= 2)
        config.setCameraValue(mode.frameRate, kLowestFullFrameRate);
    return Refresh::AllControls;
}

Refresh applyTransition(KaveloConfigParser& config, const VideoMode& mode, const Row* table,
                        long columns, long column) {
    const int code = config.getCameraValue(mode.resolution);
    if (column < 0 || column >= columns || code < 0 || code > 5)
        return Refresh::None;
    const Transition& step = table[column][code];
    if (step.to == kNoChange)
        return Refresh::None;
    config.setCameraValue(mode.resolution, step.to);
    return step.raise ? raiseFrameRate(config, mode) : Refresh::None;
}

} // namespace

Refresh chooseFieldOfView(KaveloConfigParser& config, const VideoMode& mode, long column) {
    return applyTransition(config, mode, kFieldOfView, 2, column);
}

Refresh chooseResolution(KaveloConfigParser& config, const VideoMode& mode, long column) {
    return applyTransition(config, mode, kResolution, 3, column);
}

Refresh chooseFrameRate(KaveloConfigParser& config, const VideoMode& mode, long column) {
    config.setCameraValue(mode.frameRate, static_cast<int>(static_cast<std::int64_t>(column) + 1));
    if (column >= 2)
        return Refresh::None;
    // Low frame rates need one of the three highest resolution codes.
    const int code = config.getCameraValue(mode.resolution);
    if (code >= 0 && code <= 2)
        config.setCameraValue(mode.resolution, 3);
    return Refresh::AllControls;
}

ResolutionColumns resolutionColumns(int code) {
    if (code < 0 || code > 5)
        return {0, 0};
    return {code / 2, code % 2 == 1 ? 0 : 1};
}

bool applyLoopRecordingLimit(KaveloConfigParser& config, const VideoMode& mode) {
    if (config.getCameraValue(mode.loopRecording) == 0)
        return true;
    if (config.getCameraValue(mode.clipLength) >= 2)
        config.setCameraValue(mode.clipLength, 1);
    return false;
}

int clampGain(int gain) {
    if (gain < kMinGain)
        return kMinGain;
    if (gain > kMaxGain)
        return kMaxGain;
    return gain;
}

int customGainSetting(int whiteBalance, Colour colour) {
    if (whiteBalance < kFirstCustomWhiteBalance || whiteBalance > kFirstCustomWhiteBalance + 2)
        return -1;
    const int triple = whiteBalance - kFirstCustomWhiteBalance;
    return kFirstGain + 3 * triple + static_cast<int>(colour);
}

int whiteBalanceFromPosition(int position) {
    return static_cast<int>(7u -
                            static_cast<unsigned>(position)); // wraps like a 32-bit subtraction
}

const char* timeLapseText(int code) {
    static const char* const kTexts[] = {"Off", "0.25s", "0.5s", "1s", "2s",
                                         "5s",  "10s",   "30s",  "60s"};
    if (code < 0 || code > 8)
        return kTexts[0];
    return kTexts[code];
}

} // namespace rules
