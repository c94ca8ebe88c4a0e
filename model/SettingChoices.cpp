#include "SettingChoices.h"

#include "KaveloConfigParser.h"

#include <climits>

namespace choices {

const char* const kFieldOfViewCaptions[2] = {"Wide", "Narrow"};
const char* const kResolutionCaptions[3] = {"1920x1080", "1280x720", "848x480"};
const char* const kFrameRateCaptions[4] = {"60 fps", "50 fps", "30 fps", "25 fps"};

namespace {

const char* const kOffOn[] = {"Off", "On"};
const char* const kFlip[] = {"Normal", "Rotated 180\xC2\xB0"};
const char* const kDateFormat[] = {"Year/Month/Day", "Day/Month/Year", "Month/Day/Year"};
const char* const kDateTime[] = {"Keep the camera's clock", "Set the clock from this computer"};
const char* const kDefaultMode[] = {"Video mode 1", "Video mode 2", "Photo"};
// Resolution codes 0..5: resolution column in the upper part, field of view in the lowest bit.
const char* const kResolutionCodes[] = {"1920x1080 narrow", "1920x1080 wide", "1280x720 narrow",
                                        "1280x720 wide",    "848x480 narrow", "848x480 wide"};
const char* const kTimeLapse[] = {"Off", "0.25s", "0.5s", "1s", "2s", "5s", "10s", "30s", "60s"};
const char* const kSound[] = {"Off", "On"};
const char* const kClipLength[] = {"3 min", "5 min", "10 min", "15 min", "Max"};
const char* const kQuality[] = {"Low", "Medium", "High"};
const char* const kFileFormat[] = {"MOV", "MP4"};
const char* const kPhotoSize[] = {"2304x1296 (3 MP)", "1920x1080 (2 MP)", "1280x720 (1 MP)"};
const char* const kPowerOnDelay[] = {"None", "1 s", "3 s"};
const char* const kPowerOff[] = {"Never", "1 min", "3 min", "5 min"};
const char* const kLens[] = {"Standard", "Wide angle", "Fisheye"};
const char* const kLightFrequency[] = {"50 Hz", "60 Hz"};
const char* const kWebcamMode[] = {"Mass storage", "Web camera"};
const char* const kTvOut[] = {"NTSC", "PAL"};
const char* const kTvRatio[] = {"16:9", "4:3"};
const char* const kCardFormat[] = {"FAT32", "exFAT"};
const char* const kMotionTimeout[] = {"5 s", "10 s", "30 s", "60 s"};
const char* const kSensitivity[] = {"Low", "Medium", "High"};
const char* const kWhiteBalance[] = {"Auto",        "Daylight", "Cloudy",   "Tungsten",
                                     "Fluorescent", "Custom 1", "Custom 2", "Custom 3"};
const char* const kColorEffect[] = {"Normal", "Black and white", "Sepia"};

template <int N> constexpr SettingChoices radio(const char* const (&captions)[N]) {
    return {Control::RadioGroup, 0, N - 1, captions};
}
constexpr SettingChoices kNoControl = {Control::None, INT_MIN, INT_MAX, nullptr};
constexpr SettingChoices kAutoRecord = {Control::AutoRecordCell, 0, 1, kOffOn};
constexpr SettingChoices kResolution = {Control::VideoMode, 0, 5, kResolutionCodes};
constexpr SettingChoices kFrameRate = {Control::VideoMode, 1, 4, kFrameRateCaptions};
constexpr SettingChoices kTimeLapseSlider = {Control::Slider, 0, 8, kTimeLapse};
constexpr SettingChoices kImageSlider = {Control::Slider, -2, 2, nullptr};
constexpr SettingChoices kGain = {Control::GainField, 100, 999, nullptr};

const SettingChoices kTable[kSettingCount] = {
    radio(kDateFormat),
    radio(kDateTime),
    radio(kDefaultMode),
    // video mode 1
    kResolution,
    kFrameRate,
    kTimeLapseSlider,
    kNoControl,
    radio(kSound),
    radio(kClipLength),
    radio(kOffOn),
    radio(kFlip),
    radio(kOffOn),
    radio(kQuality),
    radio(kOffOn),
    radio(kFileFormat),
    // video mode 2
    kResolution,
    kFrameRate,
    kTimeLapseSlider,
    kNoControl,
    radio(kSound),
    radio(kClipLength),
    radio(kOffOn),
    radio(kFlip),
    radio(kOffOn),
    radio(kQuality),
    radio(kOffOn),
    radio(kFileFormat),
    // photo mode
    radio(kPhotoSize),
    kTimeLapseSlider,
    kNoControl,
    radio(kFlip),
    radio(kOffOn),
    // camera-wide
    radio(kPowerOnDelay),
    radio(kPowerOff),
    kAutoRecord,
    kAutoRecord,
    radio(kOffOn),
    radio(kOffOn),
    radio(kOffOn),
    radio(kLens),
    radio(kLightFrequency),
    radio(kWebcamMode),
    radio(kFlip),
    radio(kTvOut),
    radio(kTvRatio),
    radio(kCardFormat),
    radio(kOffOn),
    radio(kMotionTimeout),
    radio(kSensitivity),
    {Control::Slider, 0, 7, kWhiteBalance},
    // custom white-balance gains
    kGain,
    kGain,
    kGain,
    kGain,
    kGain,
    kGain,
    kGain,
    kGain,
    kGain,
    // picture adjustments
    {Control::Slider, 0, 2, kColorEffect},
    kImageSlider,
    kImageSlider,
    kImageSlider,
    kImageSlider,
};

} // namespace

const SettingChoices& forSetting(int index) {
    static const SettingChoices kOutside = kNoControl;
    return index >= 0 && index < kSettingCount ? kTable[index] : kOutside;
}

bool offered(int index, int value) {
    const SettingChoices& setting = forSetting(index);
    return value >= setting.minimum && value <= setting.maximum;
}

const char* caption(int index, int value) {
    const SettingChoices& setting = forSetting(index);
    if (setting.captions == nullptr || !offered(index, value))
        return nullptr;
    return setting.captions[value - setting.minimum];
}

} // namespace choices
