#include "Settings.h"

#include "CameraRules.h"

#include <array>
#include <cctype>
#include <climits>
#include <cstring>

const char* const kFieldOfViewCaptions[2] = {"Wide", "Narrow"};
const char* const kResolutionCaptions[3] = {"1920x1080", "1280x720", "848x480"};
const char* const kFrameRateCaptions[4] = {"60 fps", "50 fps", "30 fps", "25 fps"};

namespace {

const char* const kOffOn[] = {"Off", "On"};
const char* const kFlip[] = {"Normal", "Rotated 180\xC2\xB0"};
const char* const kDateFormats[] = {"Year/Month/Day", "Day/Month/Year", "Month/Day/Year"};
const char* const kClock[] = {"Keep the camera's clock", "Set the clock from this computer"};
const char* const kModes[] = {"Video mode 1", "Video mode 2", "Photo"};
// Resolution codes 0..5: a resolution column and a field of view each
// (resolutionCode in CameraRules).
const char* const kResolutionCodes[] = {"1920x1080 narrow", "1920x1080 wide", "1280x720 narrow",
                                        "1280x720 wide",    "848x480 narrow", "848x480 wide"};
const char* const kTimeLapse[] = {"Off", "0.25s", "0.5s", "1s", "2s", "5s", "10s", "30s", "60s"};
const char* const kClipLength[] = {"3 min", "5 min", "10 min", "15 min", "Max"};
const char* const kQuality[] = {"Low", "Medium", "High"};
const char* const kFileFormat[] = {"MOV", "MP4"};
const char* const kPhotoSizes[] = {"2304x1296 (3 MP)", "1920x1080 (2 MP)", "1280x720 (1 MP)"};
const char* const kPowerOnDelays[] = {"None", "1 s", "3 s"};
const char* const kAutoOffTimes[] = {"Never", "1 min", "3 min", "5 min"};
const char* const kLenses[] = {"Standard", "Wide angle", "Fisheye"};
const char* const kLightFrequencies[] = {"50 Hz", "60 Hz"};
const char* const kUsbModes[] = {"Mass storage", "Web camera"};
const char* const kTvSystems[] = {"NTSC", "PAL"};
const char* const kTvRatios[] = {"16:9", "4:3"};
const char* const kCardFormats[] = {"FAT32", "exFAT"};
const char* const kMotionTimeouts[] = {"5 s", "10 s", "30 s", "60 s"};
const char* const kSensitivities[] = {"Low", "Medium", "High"};
const char* const kWhiteBalances[] = {"Auto",        "Daylight", "Cloudy",   "Tungsten",
                                      "Fluorescent", "Custom 1", "Custom 2", "Custom 3"};
const char* const kColourEffects[] = {"Normal", "Black and white", "Sepia"};

constexpr const char* kKeptAsRead = "No control changes it; it is kept as the file has it";

// What a row offers: its control, its range and the captions of its values.
struct Offer {
    Control control;
    int minimum;
    int maximum;
    const char* const* captions;
};
template <int N> constexpr Offer radio(const char* const (&captions)[N]) {
    return {Control::RadioGroup, 0, N - 1, captions};
}
template <int N> constexpr Offer slider(const char* const (&captions)[N]) {
    return {Control::Slider, 0, N - 1, captions};
}
constexpr Offer kNoControl = {Control::None, INT_MIN, INT_MAX, nullptr};
constexpr Offer kAutoRecord = {Control::AutoRecordCell, 0, 1, kOffOn};
constexpr Offer kImageSlider = {Control::Slider, -2, 2, nullptr};
constexpr Offer kGain = {Control::GainField, rules::kMinGain, rules::kMaxGain, nullptr};

struct Describe {
    const char* group;
    const char* caption;
    const char* description;
    const char* formerName;
    const char* widget; // the control of the form that edits it, or nullptr
};

constexpr SettingRow row(Setting index, const char* keyword, int defaultValue, Section section,
                         Offer offer, Describe words, int occurrence = 1, int firstFirmware = 0) {
    return {index,       keyword,       defaultValue,      section,       FileLine::Setting,
            occurrence,  offer.control, offer.minimum,     offer.maximum, offer.captions,
            words.group, words.caption, words.description, firstFirmware, words.formerName,
            words.widget};
}

// The twelve settings of a video mode, in file order. Video mode 2 repeats
// video mode 1's keywords and takes each as its second occurrence, but the
// time lapse as its third: "Movie Time Lapse Record" also begins the keyword
// of the "... Customized Value" line between them.
struct VideoSetting {
    const char* keyword;
    int defaults[2];
    Offer offer;
    const char* caption;
    const char* description;
    const char* formerNames[2];
    int secondModeOccurrence;
    const char* widgets[2]; // the form's control in each mode, or none
};
constexpr Offer kResolutionCode = {Control::VideoMode, 0, 5, kResolutionCodes};
constexpr Offer kFrameRateCode = {Control::VideoMode, 1, 4, kFrameRateCaptions};

// clang-format off
constexpr VideoSetting kVideoSettings[12] = {
    {"Movie Resolution", {0, 3}, kResolutionCode, "Resolution",
     "The picture size of the video and, in its lowest bit, the field of view", {}, 2, {}},
    {"Movie Frame Rate", {3, 1}, kFrameRateCode, "Frame rate",
     "Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only", {}, 2, {}},
    {"Movie Time Lapse Record", {0, 0}, slider(kTimeLapse), "Time lapse",
     "Records one frame per interval; Off records normally", {}, 3,
     {"timeLapseVideo1SliderOutlet", "timeLapseVideo2SliderOutlet"}},
    {"Movie Time Lapse Record Customized Value", {1, 1}, kNoControl, "Time lapse custom value",
     kKeptAsRead, {"video1.time-lapse-custom", "video2.time-lapse-custom"}, 2, {}},
    {"Movie Sound", {1, 1}, radio(kOffOn), "Sound", "Records sound with the video", {}, 2,
     {"audioVolume1Outlet", "audioVolume2Outlet"}},
    {"Movie Cycle time", {2, 2}, radio(kClipLength), "Clip length",
     "The length of each video file; loop recording allows 3 or 5 minutes", {}, 2,
     {"videoClipLength1Outlet", "videoClipLength2Outlet"}},
    {"Movie Loop Recording", {0, 0}, radio(kOffOn), "Loop recording",
     "When the card is full, the oldest clip is overwritten", {}, 2,
     {"loopRecording1Outlet", "loopRecording2Outlet"}},
    {"Movie Flip", {0, 0}, radio(kFlip), "Orientation",
     "Rotated 180\xC2\xB0 for a camera mounted upside down", {"video1.flip", "video2.flip"}, 2,
     {"rotateVideoMode1Outlet", "rotateVideoMode2Outlet"}},
    {"Movie Time stamp", {1, 1}, radio(kOffOn), "Time stamp",
     "Prints the date and time into the picture", {}, 2,
     {"videoTimeStamp1Outlet", "videoTimeStamp2Outlet"}},
    {"Movie quality", {1, 1}, radio(kQuality), "Quality",
     "Higher quality records more data per second", {}, 2,
     {"videoDataRate1Outlet", "videoDataRate2Outlet"}},
    {"Movie high dynamic range", {0, 0}, radio(kOffOn), "High dynamic range",
     "Evens out bright and dark parts of the picture", {"video1.hdr", "video2.hdr"}, 2,
     {"wideDynamicRange1Outlet", "wideDynamicRange2Outlet"}},
    {"Movie file format", {0, 0}, radio(kFileFormat), "File format",
     "The kind of file the video is recorded into", {}, 2,
     {"videoSoundFileType1Outlet", "videoSoundFileType2Outlet"}},
};

// The settings outside the video modes and the custom gains, in file order.
constexpr SettingRow kOtherSettings[] = {
    row(kDateFormat, "Date format", 0, Section::Head, radio(kDateFormats),
        {"date", "Date format", "The order of year, month and day in the date line", nullptr,
         "dateTimeFormatOutlet"}),
    {kDateTime, "Date time", 1, Section::Head, FileLine::DateLine, 0, Control::RadioGroup, 0, 1,
     kClock, "date", "Camera clock", "Whether a save sets the camera's clock to this computer's time",
     0, "date.set-clock", "syncDateTimeOutlet"},
    row(kDefaultMode, "Default Mode", 0, Section::Head, radio(kModes),
        {"power", "Start mode", "The mode the camera is in after switching on", "default-mode",
         "powerOnDefaultsOutlet"}),
    row(kPhotoSize, "Photo Mode Capture Size", 0, Section::PhotoMode, radio(kPhotoSizes),
        {"photo", "Photo size", "The size of each photo", nullptr, "photoFrameSizeOutlet"}),
    row(kPhotoTimeLapse, "Photo Set Time Lapse Shooting", 0, Section::PhotoMode, slider(kTimeLapse),
        {"photo", "Time lapse", "Takes one photo per interval; Off takes single photos", nullptr,
         "timeLapsePhotoSliderOutlet"}),
    row(kPhotoTimeLapseCustom, "Photo Time Lapse Shooting Customized Value", 1, Section::PhotoMode,
        kNoControl,
        {"photo", "Time lapse custom value", kKeptAsRead, "photo.time-lapse-custom", nullptr}),
    row(kPhotoFlip, "Photo Flip", 0, Section::PhotoMode, radio(kFlip),
        {"photo", "Orientation", "Rotated 180\xC2\xB0 for a camera mounted upside down", "photo.flip",
         "rotatePhotoOutlet"}),
    row(kPhotoTimeStamp, "Photo Time stamp", 1, Section::PhotoMode, radio(kOffOn),
        {"photo", "Time stamp", "Prints the date and time into the photo", nullptr,
         "photoTimeStampOutlet"}),
    row(kPowerOnDelay, "Power on", 1, Section::CameraWide, radio(kPowerOnDelays),
        {"power", "Power-on delay", "How long the camera waits after power comes on", nullptr,
         "powerOnDelayOutlet"}),
    row(kAutoOff, "Power off", 0, Section::CameraWide, radio(kAutoOffTimes),
        {"power", "Auto off", "Switches off after this time without use", nullptr,
         "powerOffStandByOutlet"}),
    row(kAutoRecordExternalPower, "Auto Record with External Power", 0, Section::CameraWide,
        kAutoRecord, {"power", "Record on external power",
                      "Starts recording as soon as the camera gets external power",
                      "power.auto-record-external", nullptr}),
    row(kAutoRecordPowerButton, "One Power Button to Auto Record", 0, Section::CameraWide,
        kAutoRecord, {"power", "Record at power button",
                      "Starts recording when the power button switches the camera on",
                      "power.button-auto-record", nullptr}),
    row(kOffWhenUnplugged, "Auto Off with External Power disconnected", 0, Section::CameraWide,
        radio(kOffOn), {"power", "Off when unplugged",
                        "Switches off when external power is disconnected", "power.off-on-disconnect",
"powerOffDisconnectOutlet"}),
    row(kRecordingLight, "LED", 1, Section::CameraWide, radio(kOffOn),
        {"", "Recording light", "The light that shows the camera is recording", "led",
         "recordingLedOutlet"}),
    row(kUsbCharging, "Charge from USB Host", 0, Section::CameraWide, radio(kOffOn),
        {"usb", "USB charging", "Charges from a computer's USB port", nullptr, "usbDataCharging"}),
    row(kLens, "Lens option", 0, Section::CameraWide, radio(kLenses),
        {"", "Lens", "The lens fitted to the camera, so that the picture is corrected for it", nullptr,
         "lensTypeOutlet"}),
    row(kLightFrequency, "Light frequency", 1, Section::CameraWide, radio(kLightFrequencies),
        {"", "Light frequency", "The mains frequency, against flicker under artificial light", nullptr,
         "artificialLightOutlet"}),
    row(kUsbMode, "Web camera mode", 0, Section::CameraWide, radio(kUsbModes),
        {"usb", "USB mode", "What the camera is when plugged into a computer", "webcam.mode",
         "webcamModeOutlet"}),
    row(kWebcamFlip, "Web camera Flip", 0, Section::CameraWide, radio(kFlip),
        {"", "Web camera orientation", "Rotated 180\xC2\xB0 for a web camera mounted upside down",
         "webcam.flip", "rotateWebcam_180Outlet"}),
    row(kTvSystem, "TV out", 0, Section::CameraWide, radio(kTvSystems),
        {"tv", "TV system", "The TV standard of the video output", nullptr,
         "tvVideoOutNTSC_PALOutlet"}),
    row(kTvAspectRatio, "TV Display Ratio", 0, Section::CameraWide, radio(kTvRatios),
        {"tv", "TV aspect ratio", "The shape of the picture on a TV", "tv.ratio",
         "tvVideoOut43_169Outlet"}),
    row(kCardFormat, "TF card format filesystem", 0, Section::CameraWide, radio(kCardFormats),
        {"card", "Card format", "The file system the camera formats its card with; firmware 2.18 "
                                "and later", nullptr, "formatFilesystemTypeOutlet"}, 1, 218),
    row(kMotionDetection, "Motion Detect", 0, Section::CameraWide, radio(kOffOn),
        {"motion", "Motion detection", "Records when something moves", "motion.detect",
         "motionDetectOutlet"}),
    row(kMotionTimeout, "Motion Detect Timeout", 2, Section::CameraWide, radio(kMotionTimeouts),
        {"motion", "Motion timeout", "Stops recording this long after the motion ends", nullptr,
         "motionTimeoutOutlet"}),
    row(kMotionSensitivity, "Motion Detect Sensitivity", 1, Section::CameraWide, radio(kSensitivities),
        {"motion", "Motion sensitivity", "How little movement starts a recording", nullptr,
         "motionSensitivityOutlet"}),
    row(kWhiteBalance, "White Balance", 0, Section::CameraWide,
        {Control::Slider, 0, 7, kWhiteBalances},
        {"", "White balance", "Colour correction for the light; Custom 1 to 3 use their own gains",
         "wb.mode", "whiteBalanceSliderOutlet"}),
    row(kColourEffect, "Color Effect", 0, Section::Picture, slider(kColourEffects),
        {"image", "Colour effect", "Pictures in colour, in black and white, or in sepia",
         "image.color-effect", "colorOptionSliderOutlet"}),
    row(kExposure, "Exposure Value", 0, Section::Picture, kImageSlider,
        {"image", "Exposure", "Brighter to the right, darker to the left", nullptr,
         "exposureSliderOutlet"}),
    row(kContrast, "Contrast", 0, Section::Picture, kImageSlider,
        {"image", "Contrast", "Stronger contrast to the right", nullptr, "contrastSliderOutlet"}),
    row(kSaturation, "Saturation", 0, Section::Picture, kImageSlider,
        {"image", "Saturation", "Stronger colours to the right", nullptr,
         "saturationSliderOutlet"}),
    row(kSharpness, "Sharpness", 0, Section::Picture, kImageSlider,
        {"image", "Sharpness", "Sharper edges to the right", nullptr, "sharpnessSliderOutlet"}),
};

// The custom white-balance lines: only the red gain's keyword names its
// triple; green and blue share their keywords.
constexpr const char* kRedKeywords[3] = {"Customized White Balance 1 Red Gain",
                                         "Customized White Balance 2 Red Gain",
                                         "Customized White Balance 3 Red Gain"};
constexpr const char* kGainKeywords[3] = {nullptr, "Green Gain", "Blue Gain"};
constexpr const char* kGainCaptions[3] = {"Red gain", "Green gain", "Blue gain"};
constexpr const char* kGainGroups[3] = {"wb.custom1", "wb.custom2", "wb.custom3"};
constexpr const char* kGainDescriptions[3] = {
    "The red gain of this custom white balance, 100 to 999",
    "The green gain of this custom white balance, 100 to 999",
    "The blue gain of this custom white balance, 100 to 999",
};
constexpr const char* kGainFormerNames[3][3] = {
    {"wb.custom1.red", "wb.custom1.green", "wb.custom1.blue"},
    {"wb.custom2.red", "wb.custom2.green", "wb.custom2.blue"},
    {"wb.custom3.red", "wb.custom3.green", "wb.custom3.blue"},
};
// clang-format on

constexpr int kVideoModeStride = kVideo2Resolution - kVideo1Resolution;

constexpr std::array<SettingRow, kSettingCount> buildTable() {
    std::array<SettingRow, kSettingCount> rows{};
    for (const SettingRow& other : kOtherSettings)
        rows[other.index] = other;
    for (int mode = 0; mode < 2; ++mode) {
        const Section section = mode == 0 ? Section::VideoMode1 : Section::VideoMode2;
        const char* group = mode == 0 ? "video1" : "video2";
        for (int i = 0; i < 12; ++i) {
            const VideoSetting& v = kVideoSettings[i];
            const auto index =
                static_cast<Setting>(kVideo1Resolution + mode * kVideoModeStride + i);
            rows[index] =
                row(index, v.keyword, v.defaults[mode], section, v.offer,
                    {group, v.caption, v.description, v.formerNames[mode], v.widgets[mode]},
                    mode == 0 ? 1 : v.secondModeOccurrence);
        }
    }
    for (int triple = 0; triple < 3; ++triple) {
        for (int colour = 0; colour < 3; ++colour) {
            const auto index = static_cast<Setting>(kCustom1Red + 3 * triple + colour);
            rows[index] = {index,
                           colour == 0 ? kRedKeywords[triple] : kGainKeywords[colour],
                           256,
                           Section::CustomGains,
                           FileLine::Gain,
                           0,
                           kGain.control,
                           kGain.minimum,
                           kGain.maximum,
                           nullptr,
                           kGainGroups[triple],
                           kGainCaptions[colour],
                           kGainDescriptions[colour],
                           0,
                           kGainFormerNames[triple][colour],
                           nullptr};
        }
    }
    return rows;
}

constexpr std::array<SettingRow, kSettingCount> kRows = buildTable();

constexpr bool everyRowInPlace() {
    for (int i = 0; i < kSettingCount; ++i) {
        if (kRows[i].index != i || kRows[i].keyword == nullptr || kRows[i].caption == nullptr)
            return false;
    }
    return true;
}
static_assert(everyRowInPlace(), "every setting has its row, at its index");

// The keyword table in the shape the reader and writer index: 64 texts of 256
// bytes, copied from the rows when the program is compiled.
struct KeywordTable {
    char entries[kSettingCount][kKeywordSize];
};
constexpr KeywordTable buildKeywords() {
    KeywordTable table{};
    for (int i = 0; i < kSettingCount; ++i) {
        const char* keyword = kRows[i].keyword;
        for (int c = 0; keyword[c] != '\0' && c < kKeywordSize - 1; ++c)
            table.entries[i][c] = keyword[c];
    }
    return table;
}
constexpr KeywordTable kKeywords = buildKeywords();

std::string nameOf(const char* group, const char* caption) {
    std::string words = foldedText(caption, '-');
    const std::string prefix = group;
    if (prefix.empty())
        return words;
    const std::string last = prefix.substr(prefix.rfind('.') + 1);
    if (words.compare(0, last.size() + 1, last + "-") == 0)
        words.erase(0, last.size() + 1);
    return prefix + "." + words;
}

} // namespace

std::string foldedText(const std::string& text, char separator, const char* kept,
                       const char* dropped) {
    std::string out;
    bool gap = false;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::strchr(dropped, c) != nullptr && c != '\0')
            continue;
        const bool word = (u < 0x80 && std::isalnum(u)) || (c != '\0' && std::strchr(kept, c));
        if (!word) {
            gap = true;
            continue;
        }
        if (gap && !out.empty() && separator != '\0')
            out += separator;
        gap = false;
        out += static_cast<char>(std::tolower(u));
    }
    return out;
}

const char (&configKeywords)[kSettingCount][kKeywordSize] = kKeywords.entries;

const FieldOfViewRow kFieldOfViewRows[2] = {
    {kVideo1Resolution, "video1", "Field of view", "Wide or narrow picture", "video1.fov"},
    {kVideo2Resolution, "video2", "Field of view", "Wide or narrow picture", "video2.fov"},
};

const SettingRow& settingRow(int index) {
    return kRows[static_cast<std::size_t>(index >= 0 && index < kSettingCount ? index : 0)];
}

const std::string& settingName(int index) {
    static const std::array<std::string, kSettingCount> names = [] {
        std::array<std::string, kSettingCount> all;
        for (int i = 0; i < kSettingCount; ++i)
            all[i] = nameOf(kRows[i].group, kRows[i].caption);
        return all;
    }();
    static const std::string none;
    return index >= 0 && index < kSettingCount ? names[index] : none;
}

std::string fieldOfViewName(const FieldOfViewRow& row) {
    return nameOf(row.group, row.caption);
}

bool offered(int index, int value) {
    if (index < 0 || index >= kSettingCount)
        return false;
    const SettingRow& setting = kRows[index];
    return value >= setting.minimum && value <= setting.maximum;
}

const char* valueCaption(int index, int value) {
    if (!offered(index, value) || kRows[index].valueCaptions == nullptr)
        return nullptr;
    return kRows[index].valueCaptions[value - kRows[index].minimum];
}

const char* sectionHeader(Section section) {
    switch (section) {
    case Section::VideoMode1:
        return "VIDEO MODE 1";
    case Section::VideoMode2:
        return "VIDEO MODE 2";
    case Section::PhotoMode:
    case Section::CameraWide: // the camera-wide part repeats the photo header
        return "PHOTO MODE";
    case Section::Head:
    case Section::CustomGains:
    case Section::Picture:
        break;
    }
    return nullptr;
}
