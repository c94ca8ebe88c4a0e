#include "Settings.h"

#include "CameraRules.h"
#include "ShownText.h"

#include <array>
#include <cctype>
#include <climits>
#include <cstring>

const char* const kFieldOfViewCaptions[2] = {SHOWN_TEXT("Settings", "Wide"),
                                             SHOWN_TEXT("Settings", "Narrow")};
const char* const kResolutionCaptions[3] = {"1920x1080", "1280x720", "848x480"};
const char* const kFrameRateCaptions[4] = {
    SHOWN_TEXT("Settings", "60 fps"), SHOWN_TEXT("Settings", "50 fps"),
    SHOWN_TEXT("Settings", "30 fps"), SHOWN_TEXT("Settings", "25 fps")};

namespace {

const char* const kOffOn[] = {SHOWN_TEXT("Settings", "Off"), SHOWN_TEXT("Settings", "On")};
const char* const kFlip[] = {SHOWN_TEXT("Settings", "Normal"),
                             SHOWN_TEXT("Settings", "Rotated 180\xC2\xB0")};
const char* const kDateFormats[] = {SHOWN_TEXT("Settings", "Year/Month/Day"),
                                    SHOWN_TEXT("Settings", "Day/Month/Year"),
                                    SHOWN_TEXT("Settings", "Month/Day/Year")};
const char* const kClock[] = {SHOWN_TEXT("Settings", "Keep the camera's clock"),
                              SHOWN_TEXT("Settings", "Set the clock from this computer")};
const char* const kModes[] = {SHOWN_TEXT("Settings", "Video mode 1"),
                              SHOWN_TEXT("Settings", "Video mode 2"),
                              SHOWN_TEXT("Settings", "Photo")};
// Resolution codes 0..5: a resolution column and a field of view each
// (resolutionCode in CameraRules).
const char* const kResolutionCodes[] = {
    SHOWN_TEXT("Settings", "1920x1080 narrow"), SHOWN_TEXT("Settings", "1920x1080 wide"),
    SHOWN_TEXT("Settings", "1280x720 narrow"),  SHOWN_TEXT("Settings", "1280x720 wide"),
    SHOWN_TEXT("Settings", "848x480 narrow"),   SHOWN_TEXT("Settings", "848x480 wide")};
const char* const kTimeLapse[] = {
    SHOWN_TEXT("Settings", "Off"), SHOWN_TEXT("Settings", "0.25s"), SHOWN_TEXT("Settings", "0.5s"),
    SHOWN_TEXT("Settings", "1s"),  SHOWN_TEXT("Settings", "2s"),    SHOWN_TEXT("Settings", "5s"),
    SHOWN_TEXT("Settings", "10s"), SHOWN_TEXT("Settings", "30s"),   SHOWN_TEXT("Settings", "60s")};
const char* const kClipLength[] = {SHOWN_TEXT("Settings", "3 min"), SHOWN_TEXT("Settings", "5 min"),
                                   SHOWN_TEXT("Settings", "10 min"),
                                   SHOWN_TEXT("Settings", "15 min"), SHOWN_TEXT("Settings", "Max")};
const char* const kQuality[] = {SHOWN_TEXT("Settings", "Low"), SHOWN_TEXT("Settings", "Medium"),
                                SHOWN_TEXT("Settings", "High")};
const char* const kFileFormat[] = {"MOV", "MP4"};
const char* const kPhotoSizes[] = {SHOWN_TEXT("Settings", "2304x1296 (3 MP)"),
                                   SHOWN_TEXT("Settings", "1920x1080 (2 MP)"),
                                   SHOWN_TEXT("Settings", "1280x720 (1 MP)")};
const char* const kPowerOnDelays[] = {SHOWN_TEXT("Settings", "None"), SHOWN_TEXT("Settings", "1 s"),
                                      SHOWN_TEXT("Settings", "3 s")};
const char* const kAutoOffTimes[] = {
    SHOWN_TEXT("Settings", "Never"), SHOWN_TEXT("Settings", "1 min"),
    SHOWN_TEXT("Settings", "3 min"), SHOWN_TEXT("Settings", "5 min")};
const char* const kLenses[] = {SHOWN_TEXT("Settings", "Standard"),
                               SHOWN_TEXT("Settings", "Wide angle"),
                               SHOWN_TEXT("Settings", "Fisheye")};
const char* const kLightFrequencies[] = {"50 Hz", "60 Hz"};
const char* const kUsbModes[] = {SHOWN_TEXT("Settings", "Mass storage"),
                                 SHOWN_TEXT("Settings", "Web camera")};
const char* const kTvSystems[] = {"NTSC", "PAL"};
const char* const kTvRatios[] = {"16:9", "4:3"};
const char* const kCardFormats[] = {"FAT32", "exFAT"};
const char* const kMotionTimeouts[] = {
    SHOWN_TEXT("Settings", "5 s"), SHOWN_TEXT("Settings", "10 s"), SHOWN_TEXT("Settings", "30 s"),
    SHOWN_TEXT("Settings", "60 s")};
const char* const kSensitivities[] = {SHOWN_TEXT("Settings", "Low"),
                                      SHOWN_TEXT("Settings", "Medium"),
                                      SHOWN_TEXT("Settings", "High")};
const char* const kWhiteBalances[] = {
    SHOWN_TEXT("Settings", "Auto"),        SHOWN_TEXT("Settings", "Daylight"),
    SHOWN_TEXT("Settings", "Cloudy"),      SHOWN_TEXT("Settings", "Tungsten"),
    SHOWN_TEXT("Settings", "Fluorescent"), SHOWN_TEXT("Settings", "Custom 1"),
    SHOWN_TEXT("Settings", "Custom 2"),    SHOWN_TEXT("Settings", "Custom 3")};
const char* const kColourEffects[] = {SHOWN_TEXT("Settings", "Normal"),
                                      SHOWN_TEXT("Settings", "Black and white"),
                                      SHOWN_TEXT("Settings", "Sepia")};

constexpr const char* kKeptAsRead =
    SHOWN_TEXT("Settings", "No control changes it; it is kept as the file has it");

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
    {"Movie Resolution", {0, 3}, kResolutionCode, SHOWN_TEXT("Settings", "Resolution"),
     SHOWN_TEXT("Settings", "The picture size of the video and, in its lowest bit, the field of view"), {}, 2, {}},
    {"Movie Frame Rate", {3, 1}, kFrameRateCode, SHOWN_TEXT("Settings", "Frame rate"),
     SHOWN_TEXT("Settings", "Pictures per second; 60 and 50 fps record at 1280x720 wide and 848x480 only"), {}, 2, {}},
    {"Movie Time Lapse Record", {0, 0}, slider(kTimeLapse), SHOWN_TEXT("Settings", "Time lapse"),
     SHOWN_TEXT("Settings", "Records one frame per interval; Off records normally"), {}, 3,
     {"timeLapseVideo1SliderOutlet", "timeLapseVideo2SliderOutlet"}},
    {"Movie Time Lapse Record Customized Value", {1, 1}, kNoControl, SHOWN_TEXT("Settings", "Time lapse custom value"),
     kKeptAsRead, {"video1.time-lapse-custom", "video2.time-lapse-custom"}, 2, {}},
    {"Movie Sound", {1, 1}, radio(kOffOn), SHOWN_TEXT("Settings", "Sound"), SHOWN_TEXT("Settings", "Records sound with the video"), {}, 2,
     {"audioVolume1Outlet", "audioVolume2Outlet"}},
    {"Movie Cycle time", {2, 2}, radio(kClipLength), SHOWN_TEXT("Settings", "Clip length"),
     SHOWN_TEXT("Settings", "The length of each video file; loop recording allows 3 or 5 minutes"), {}, 2,
     {"videoClipLength1Outlet", "videoClipLength2Outlet"}},
    {"Movie Loop Recording", {0, 0}, radio(kOffOn), SHOWN_TEXT("Settings", "Loop recording"),
     SHOWN_TEXT("Settings", "When the card is full, the oldest clip is overwritten"), {}, 2,
     {"loopRecording1Outlet", "loopRecording2Outlet"}},
    {"Movie Flip", {0, 0}, radio(kFlip), SHOWN_TEXT("Settings", "Orientation"),
     SHOWN_TEXT("Settings", "Rotated 180\xC2\xB0 for a camera mounted upside down"), {"video1.flip", "video2.flip"}, 2,
     {"rotateVideoMode1Outlet", "rotateVideoMode2Outlet"}},
    {"Movie Time stamp", {1, 1}, radio(kOffOn), SHOWN_TEXT("Settings", "Time stamp"),
     SHOWN_TEXT("Settings", "Prints the date and time into the picture"), {}, 2,
     {"videoTimeStamp1Outlet", "videoTimeStamp2Outlet"}},
    {"Movie quality", {1, 1}, radio(kQuality), SHOWN_TEXT("Settings", "Quality"),
     SHOWN_TEXT("Settings", "Higher quality records more data per second"), {}, 2,
     {"videoDataRate1Outlet", "videoDataRate2Outlet"}},
    {"Movie high dynamic range", {0, 0}, radio(kOffOn), SHOWN_TEXT("Settings", "High dynamic range"),
     SHOWN_TEXT("Settings", "Evens out bright and dark parts of the picture"), {"video1.hdr", "video2.hdr"}, 2,
     {"wideDynamicRange1Outlet", "wideDynamicRange2Outlet"}},
    {"Movie file format", {0, 0}, radio(kFileFormat), SHOWN_TEXT("Settings", "File format"),
     SHOWN_TEXT("Settings", "The kind of file the video is recorded into"), {}, 2,
     {"videoSoundFileType1Outlet", "videoSoundFileType2Outlet"}},
};

// The settings outside the video modes and the custom gains, in file order.
constexpr SettingRow kOtherSettings[] = {
    row(kDateFormat, "Date format", 0, Section::Head, radio(kDateFormats),
        {"date", SHOWN_TEXT("Settings", "Date format"), SHOWN_TEXT("Settings", "The order of year, month and day in the date line"), nullptr,
         "dateTimeFormatOutlet"}),
    {kDateTime, "Date time", 1, Section::Head, FileLine::DateLine, 0, Control::RadioGroup, 0, 1,
     kClock, "date", SHOWN_TEXT("Settings", "Camera clock"),
     SHOWN_TEXT("Settings", "Whether a save sets the camera's clock to this computer's time"),
     0, "date.set-clock", "syncDateTimeOutlet"},
    row(kDefaultMode, "Default Mode", 0, Section::Head, radio(kModes),
        {"power", SHOWN_TEXT("Settings", "Start mode"), SHOWN_TEXT("Settings", "The mode the camera is in after switching on"), "default-mode",
         "powerOnDefaultsOutlet"}),
    row(kPhotoSize, "Photo Mode Capture Size", 0, Section::PhotoMode, radio(kPhotoSizes),
        {"photo", SHOWN_TEXT("Settings", "Photo size"), SHOWN_TEXT("Settings", "The size of each photo"), nullptr, "photoFrameSizeOutlet"}),
    row(kPhotoTimeLapse, "Photo Set Time Lapse Shooting", 0, Section::PhotoMode, slider(kTimeLapse),
        {"photo", SHOWN_TEXT("Settings", "Time lapse"), SHOWN_TEXT("Settings", "Takes one photo per interval; Off takes single photos"), nullptr,
         "timeLapsePhotoSliderOutlet"}),
    row(kPhotoTimeLapseCustom, "Photo Time Lapse Shooting Customized Value", 1, Section::PhotoMode,
        kNoControl,
        {"photo", SHOWN_TEXT("Settings", "Time lapse custom value"), kKeptAsRead, "photo.time-lapse-custom", nullptr}),
    row(kPhotoFlip, "Photo Flip", 0, Section::PhotoMode, radio(kFlip),
        {"photo", SHOWN_TEXT("Settings", "Orientation"), SHOWN_TEXT("Settings", "Rotated 180\xC2\xB0 for a camera mounted upside down"), "photo.flip",
         "rotatePhotoOutlet"}),
    row(kPhotoTimeStamp, "Photo Time stamp", 1, Section::PhotoMode, radio(kOffOn),
        {"photo", SHOWN_TEXT("Settings", "Time stamp"), SHOWN_TEXT("Settings", "Prints the date and time into the photo"), nullptr,
         "photoTimeStampOutlet"}),
    row(kPowerOnDelay, "Power on", 1, Section::CameraWide, radio(kPowerOnDelays),
        {"power", SHOWN_TEXT("Settings", "Power-on delay"), SHOWN_TEXT("Settings", "How long the camera waits after power comes on"), nullptr,
         "powerOnDelayOutlet"}),
    row(kAutoOff, "Power off", 0, Section::CameraWide, radio(kAutoOffTimes),
        {"power", SHOWN_TEXT("Settings", "Auto off"), SHOWN_TEXT("Settings", "Switches off after this time without use"), nullptr,
         "powerOffStandByOutlet"}),
    row(kAutoRecordExternalPower, "Auto Record with External Power", 0, Section::CameraWide,
        kAutoRecord, {"power", SHOWN_TEXT("Settings", "Record on external power"), SHOWN_TEXT("Settings", "Starts recording as soon as the camera gets external power"),
                      "power.auto-record-external", nullptr}),
    row(kAutoRecordPowerButton, "One Power Button to Auto Record", 0, Section::CameraWide,
        kAutoRecord, {"power", SHOWN_TEXT("Settings", "Record at power button"), SHOWN_TEXT("Settings", "Starts recording when the power button switches the camera on"),
                      "power.button-auto-record", nullptr}),
    row(kOffWhenUnplugged, "Auto Off with External Power disconnected", 0, Section::CameraWide,
        radio(kOffOn), {"power", SHOWN_TEXT("Settings", "Off when unplugged"), SHOWN_TEXT("Settings", "Switches off when external power is disconnected"), "power.off-on-disconnect",
"powerOffDisconnectOutlet"}),
    row(kRecordingLight, "LED", 1, Section::CameraWide, radio(kOffOn),
        {"", SHOWN_TEXT("Settings", "Recording light"), SHOWN_TEXT("Settings", "The light that shows the camera is recording"), "led",
         "recordingLedOutlet"}),
    row(kUsbCharging, "Charge from USB Host", 0, Section::CameraWide, radio(kOffOn),
        {"usb", SHOWN_TEXT("Settings", "USB charging"), SHOWN_TEXT("Settings", "Charges from a computer's USB port"), nullptr, "usbDataCharging"}),
    row(kLens, "Lens option", 0, Section::CameraWide, radio(kLenses),
        {"", SHOWN_TEXT("Settings", "Lens"), SHOWN_TEXT("Settings", "The lens fitted to the camera, so that the picture is corrected for it"), nullptr,
         "lensTypeOutlet"}),
    row(kLightFrequency, "Light frequency", 1, Section::CameraWide, radio(kLightFrequencies),
        {"", SHOWN_TEXT("Settings", "Light frequency"), SHOWN_TEXT("Settings", "The mains frequency, against flicker under artificial light"), nullptr,
         "artificialLightOutlet"}),
    row(kUsbMode, "Web camera mode", 0, Section::CameraWide, radio(kUsbModes),
        {"usb", SHOWN_TEXT("Settings", "USB mode"), SHOWN_TEXT("Settings", "What the camera is when plugged into a computer"), "webcam.mode",
         "webcamModeOutlet"}),
    row(kWebcamFlip, "Web camera Flip", 0, Section::CameraWide, radio(kFlip),
        {"", SHOWN_TEXT("Settings", "Web camera orientation"), SHOWN_TEXT("Settings", "Rotated 180\xC2\xB0 for a web camera mounted upside down"),
         "webcam.flip", "rotateWebcam_180Outlet"}),
    row(kTvSystem, "TV out", 0, Section::CameraWide, radio(kTvSystems),
        {"tv", SHOWN_TEXT("Settings", "TV system"), SHOWN_TEXT("Settings", "The TV standard of the video output"), nullptr,
         "tvVideoOutNTSC_PALOutlet"}),
    row(kTvAspectRatio, "TV Display Ratio", 0, Section::CameraWide, radio(kTvRatios),
        {"tv", SHOWN_TEXT("Settings", "TV aspect ratio"), SHOWN_TEXT("Settings", "The shape of the picture on a TV"), "tv.ratio",
         "tvVideoOut43_169Outlet"}),
    row(kCardFormat, "TF card format filesystem", 0, Section::CameraWide, radio(kCardFormats),
        {"card", SHOWN_TEXT("Settings", "Card format"), SHOWN_TEXT("Settings", "The file system the camera formats its card with; firmware 2.18 "
                                "and later"), nullptr, "formatFilesystemTypeOutlet"}, 1, 218),
    row(kMotionDetection, "Motion Detect", 0, Section::CameraWide, radio(kOffOn),
        {"motion", SHOWN_TEXT("Settings", "Motion detection"), SHOWN_TEXT("Settings", "Records when something moves"), "motion.detect",
         "motionDetectOutlet"}),
    row(kMotionTimeout, "Motion Detect Timeout", 2, Section::CameraWide, radio(kMotionTimeouts),
        {"motion", SHOWN_TEXT("Settings", "Motion timeout"), SHOWN_TEXT("Settings", "Stops recording this long after the motion ends"), nullptr,
         "motionTimeoutOutlet"}),
    row(kMotionSensitivity, "Motion Detect Sensitivity", 1, Section::CameraWide, radio(kSensitivities),
        {"motion", SHOWN_TEXT("Settings", "Motion sensitivity"), SHOWN_TEXT("Settings", "How little movement starts a recording"), nullptr,
         "motionSensitivityOutlet"}),
    row(kWhiteBalance, "White Balance", 0, Section::CameraWide,
        {Control::Slider, 0, 7, kWhiteBalances},
        {"", SHOWN_TEXT("Settings", "White balance"), SHOWN_TEXT("Settings", "Colour correction for the light; Custom 1 to 3 use their own gains"),
         "wb.mode", "whiteBalanceSliderOutlet"}),
    row(kColourEffect, "Color Effect", 0, Section::Picture, slider(kColourEffects),
        {"image", SHOWN_TEXT("Settings", "Colour effect"), SHOWN_TEXT("Settings", "Pictures in colour, in black and white, or in sepia"),
         "image.color-effect", "colorOptionSliderOutlet"}),
    row(kExposure, "Exposure Value", 0, Section::Picture, kImageSlider,
        {"image", SHOWN_TEXT("Settings", "Exposure"), SHOWN_TEXT("Settings", "Brighter to the right, darker to the left"), nullptr,
         "exposureSliderOutlet"}),
    row(kContrast, "Contrast", 0, Section::Picture, kImageSlider,
        {"image", SHOWN_TEXT("Settings", "Contrast"), SHOWN_TEXT("Settings", "Stronger contrast to the right"), nullptr, "contrastSliderOutlet"}),
    row(kSaturation, "Saturation", 0, Section::Picture, kImageSlider,
        {"image", SHOWN_TEXT("Settings", "Saturation"), SHOWN_TEXT("Settings", "Stronger colours to the right"), nullptr,
         "saturationSliderOutlet"}),
    row(kSharpness, "Sharpness", 0, Section::Picture, kImageSlider,
        {"image", SHOWN_TEXT("Settings", "Sharpness"), SHOWN_TEXT("Settings", "Sharper edges to the right"), nullptr, "sharpnessSliderOutlet"}),
};

// The custom white-balance lines: only the red gain's keyword names its
// triple; green and blue share their keywords.
constexpr const char* kRedKeywords[3] = {"Customized White Balance 1 Red Gain",
                                         "Customized White Balance 2 Red Gain",
                                         "Customized White Balance 3 Red Gain"};
constexpr const char* kGainKeywords[3] = {nullptr, "Green Gain", "Blue Gain"};
constexpr const char* kGainCaptions[3] = {SHOWN_TEXT("Settings", "Red gain"),
                                           SHOWN_TEXT("Settings", "Green gain"),
                                           SHOWN_TEXT("Settings", "Blue gain")};
constexpr const char* kGainGroups[3] = {"wb.custom1", "wb.custom2", "wb.custom3"};
constexpr const char* kGainDescriptions[3] = {
    SHOWN_TEXT("Settings", "The red gain of this custom white balance, 100 to 999"),
    SHOWN_TEXT("Settings", "The green gain of this custom white balance, 100 to 999"),
    SHOWN_TEXT("Settings", "The blue gain of this custom white balance, 100 to 999"),
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
    {kVideo1Resolution, "video1", SHOWN_TEXT("Settings", "Field of view"),
     SHOWN_TEXT("Settings", "Wide or narrow picture"), "video1.fov"},
    {kVideo2Resolution, "video2", SHOWN_TEXT("Settings", "Field of view"),
     SHOWN_TEXT("Settings", "Wide or narrow picture"), "video2.fov"},
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
