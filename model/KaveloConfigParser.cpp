// The settings table: keywords, defaults and accessors.
#include "KaveloConfigParser.h"

#include <cstring>

const char configKeywords[kSettingCount][kTextSize] = {
    "Date format",
    "Date time",
    "Default Mode",
    // Video mode 1
    "Movie Resolution",
    "Movie Frame Rate",
    "Movie Time Lapse Record",
    "Movie Time Lapse Record Customized Value",
    "Movie Sound",
    "Movie Cycle time",
    "Movie Loop Recording",
    "Movie Flip",
    "Movie Time stamp",
    "Movie quality",
    "Movie high dynamic range",
    "Movie file format",
    // Video mode 2: the same keywords, told apart by their order in the file
    "Movie Resolution",
    "Movie Frame Rate",
    "Movie Time Lapse Record",
    "Movie Time Lapse Record Customized Value",
    "Movie Sound",
    "Movie Cycle time",
    "Movie Loop Recording",
    "Movie Flip",
    "Movie Time stamp",
    "Movie quality",
    "Movie high dynamic range",
    "Movie file format",
    // Photo mode
    "Photo Mode Capture Size",
    "Photo Set Time Lapse Shooting",
    "Photo Time Lapse Shooting Customized Value",
    "Photo Flip",
    "Photo Time stamp",
    // Camera-wide
    "Power on",
    "Power off",
    "Auto Record with External Power",
    "One Power Button to Auto Record",
    "Auto Off with External Power disconnected",
    "LED",
    "Charge from USB Host",
    "Lens option",
    "Light frequency",
    "Web camera mode",
    "Web camera Flip",
    "TV out",
    "TV Display Ratio",
    "TF card format filesystem",
    "Motion Detect",
    "Motion Detect Timeout",
    "Motion Detect Sensitivity",
    "White Balance",
    // Custom white-balance triples: only the red gain names its triple
    "Customized White Balance 1 Red Gain",
    "Green Gain",
    "Blue Gain",
    "Customized White Balance 2 Red Gain",
    "Green Gain",
    "Blue Gain",
    "Customized White Balance 3 Red Gain",
    "Green Gain",
    "Blue Gain",
    // Picture adjustments
    "Color Effect",
    "Exposure Value",
    "Contrast",
    "Saturation",
    "Sharpness",
};

namespace {

// Setting 29 has no control and no documented default; it takes 1 like its
// video counterparts 6 and 18.
constexpr int kDefaults[kSettingCount] = {
    0,   1,   0,                                             // head
    0,   3,   0,   1,   1,   2,   0,   0,   1,   1, 0, 0,    // video mode 1
    3,   1,   0,   1,   1,   2,   0,   0,   1,   1, 0, 0,    // video mode 2
    0,   0,   1,   0,   1,                                   // photo mode
    1,   0,   0,   0,   0,   1,   0,   0,   1,   0, 0, 0, 0, // power .. TV display ratio
    0,   0,   2,   1,   0,                                   // card format, motion, white balance
    256, 256, 256, 256, 256, 256, 256, 256, 256,             // custom gains
    0,   0,   0,   0,   0,                                   // picture adjustments
};

} // namespace

KaveloConfigParser::KaveloConfigParser()
    : cameraTime{}, firmwareString{}, revisionString{}, firmwareNumber(0),
      revisionNumber(0), cameraValues{} {
    setDefaults();
}

void KaveloConfigParser::setDefaults() {
    std::memcpy(cameraValues, kDefaults, sizeof cameraValues);
}

bool KaveloConfigParser::setCameraValue(int index, int value) {
    if (index >= 0 && index < kSettingCount)
        cameraValues[index] = value;
    return true;
}

int KaveloConfigParser::getCameraValue(int index) const {
    return index >= 0 && index < kSettingCount ? cameraValues[index] : 0;
}
