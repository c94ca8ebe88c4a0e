#include "CameraRules.h"

#include <cstdint>

namespace rules {

const VideoMode kVideoMode1 = {kVideo1Resolution, kVideo1FrameRate, kVideo1TimeLapse,
                               kVideo1ClipLength, kVideo1LoopRecording};
const VideoMode kVideoMode2 = {kVideo2Resolution, kVideo2FrameRate, kVideo2TimeLapse,
                               kVideo2ClipLength, kVideo2LoopRecording};

namespace {

constexpr int kFirstCustomWhiteBalance = 5;
constexpr int kLowestFullFrameRate = 3;
constexpr int kNoChange = -1;

// A transition table: for a chosen column, the new resolution code for each
// old code 0..5 (kNoChange: stays), and whether the frame rate is then raised.
struct Transition {
    int to;
    bool raise;
};
using Row = Transition[6];

constexpr Transition kStay{kNoChange, false};

constexpr Row kFieldOfView[2] = {
    // column 0: wide -> the odd code of the same resolution
    {{1, false}, kStay, {3, false}, kStay, {5, false}, kStay},
    // column 1: narrow -> the even code; only 3 -> 2 enters the low codes
    {kStay, {0, false}, kStay, {2, true}, kStay, {4, false}},
};

constexpr Row kResolution[3] = {
    {kStay, kStay, {0, false}, {1, true}, {0, true}, {1, true}},
    {{2, true}, {3, false}, kStay, kStay, {2, true}, {3, false}},
    {{4, false}, {5, false}, {4, false}, {5, false}, kStay, kStay},
};

Refresh raiseFrameRate(SettingValues& values, const VideoMode& mode) {
    if (values[mode.frameRate] <= 2)
        values[mode.frameRate] = kLowestFullFrameRate;
    return Refresh::AllControls;
}

Refresh applyTransition(SettingValues& values, const VideoMode& mode, const Row* table,
                        long columns, long column) {
    const int code = values[mode.resolution];
    if (column < 0 || column >= columns || code < 0 || code > 5)
        return Refresh::None;
    const Transition& step = table[column][code];
    if (step.to == kNoChange)
        return Refresh::None;
    values[mode.resolution] = step.to;
    return step.raise ? raiseFrameRate(values, mode) : Refresh::None;
}

} // namespace

bool isSupportedIdentification(int firmwareNumber, int revisionNumber) {
    return firmwareNumber >= kFirstSupportedFirmware && firmwareNumber <= kLastSupportedFirmware &&
           revisionNumber == kSupportedRevision;
}

bool firmwareWrites(int setting, int firmwareNumber) {
    const int first = settingRow(setting).firstFirmware;
    return first == 0 || firmwareNumber >= first;
}

bool firmwareOffers(int setting, int firmwareNumber) {
    return firmwareNumber == 0 || firmwareWrites(setting, firmwareNumber);
}

const VideoMode* videoModeOf(int setting) {
    if (setting >= kVideo1Resolution && setting <= kVideo1FileFormat)
        return &kVideoMode1;
    if (setting >= kVideo2Resolution && setting <= kVideo2FileFormat)
        return &kVideoMode2;
    return nullptr;
}

Refresh chooseFieldOfView(SettingValues& values, const VideoMode& mode, long column) {
    return applyTransition(values, mode, kFieldOfView, 2, column);
}

Refresh chooseResolution(SettingValues& values, const VideoMode& mode, long column) {
    return applyTransition(values, mode, kResolution, 3, column);
}

Refresh chooseFrameRate(SettingValues& values, const VideoMode& mode, long column) {
    values[mode.frameRate] = static_cast<int>(static_cast<std::int64_t>(column) + 1);
    if (column >= 2)
        return Refresh::None;
    // 60 and 50 fps (and any column below them) need one of the three
    // highest resolution codes.
    const int code = values[mode.resolution];
    if (code >= 0 && code <= 2)
        values[mode.resolution] = resolutionCode(1, 0);
    return Refresh::AllControls;
}

int resolutionCode(int resolutionColumn, int fieldOfViewColumn) {
    return 2 * resolutionColumn + (fieldOfViewColumn == 0 ? 1 : 0);
}

ResolutionColumns resolutionColumns(int code) {
    if (code < 0 || code > 5)
        return {0, 0};
    return {code / 2, code % 2 == 1 ? 0 : 1};
}

bool combinationAllowed(int resolutionCode, int frameRateCode) {
    const bool lowCode = resolutionCode >= 0 && resolutionCode <= 2;
    const bool fastRate = frameRateCode >= 1 && frameRateCode <= 2;
    return !(lowCode && fastRate);
}

bool clipLengthAllowed(int loopRecording, int clipLength) {
    return loopRecording == 0 || clipLength < 2;
}

bool applyLoopRecordingLimit(SettingValues& values, const VideoMode& mode) {
    const int loop = values[mode.loopRecording];
    if (!clipLengthAllowed(loop, values[mode.clipLength]))
        values[mode.clipLength] = 1;
    return loop == 0;
}

void takeSettingsOf(SettingValues& values, const SettingValues& other) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i != kDateTime)
            values[i] = other[i];
    }
    applyLoopRecordingLimit(values, kVideoMode1);
    applyLoopRecordingLimit(values, kVideoMode2);
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
    return kCustom1Red + 3 * triple + static_cast<int>(colour);
}

// 7 - x wraps like a 32-bit subtraction, so the two directions undo each other.
int whiteBalanceFromPosition(int position) {
    return static_cast<int>(7u - static_cast<std::uint32_t>(position));
}

int whiteBalancePosition(int whiteBalance) {
    return whiteBalanceFromPosition(whiteBalance);
}

int sliderValue(int setting, int position) {
    return setting == kWhiteBalance ? whiteBalanceFromPosition(position) : position;
}

int sliderPosition(int setting, int value) {
    return setting == kWhiteBalance ? whiteBalancePosition(value) : value;
}

const char* timeLapseText(int code) {
    const char* text = valueCaption(kVideo1TimeLapse, code);
    return text != nullptr ? text : valueCaption(kVideo1TimeLapse, 0);
}

} // namespace rules
