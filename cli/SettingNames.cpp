#include "SettingNames.h"

#include "CameraRules.h"
#include "ExitCodes.h"
#include "KaveloConfigParser.h"

#include <cctype>

namespace {

const char* const kNames[kSettingCount] = {
    "date.format",
    "date.set-clock",
    "default-mode",
    // video mode 1
    "video1.resolution",
    "video1.frame-rate",
    "video1.time-lapse",
    "video1.time-lapse-custom",
    "video1.sound",
    "video1.clip-length",
    "video1.loop-recording",
    "video1.flip",
    "video1.time-stamp",
    "video1.quality",
    "video1.hdr",
    "video1.file-format",
    // video mode 2
    "video2.resolution",
    "video2.frame-rate",
    "video2.time-lapse",
    "video2.time-lapse-custom",
    "video2.sound",
    "video2.clip-length",
    "video2.loop-recording",
    "video2.flip",
    "video2.time-stamp",
    "video2.quality",
    "video2.hdr",
    "video2.file-format",
    // photo mode
    "photo.size",
    "photo.time-lapse",
    "photo.time-lapse-custom",
    "photo.flip",
    "photo.time-stamp",
    // camera-wide
    "power.on-delay",
    "power.auto-off",
    "power.auto-record-external",
    "power.button-auto-record",
    "power.off-on-disconnect",
    "led",
    "usb.charging",
    "lens",
    "light-frequency",
    "webcam.mode",
    "webcam.flip",
    "tv.system",
    "tv.ratio",
    "card.format",
    "motion.detect",
    "motion.timeout",
    "motion.sensitivity",
    "wb.mode",
    // custom white-balance triples
    "wb.custom1.red",
    "wb.custom1.green",
    "wb.custom1.blue",
    "wb.custom2.red",
    "wb.custom2.green",
    "wb.custom2.blue",
    "wb.custom3.red",
    "wb.custom3.green",
    "wb.custom3.blue",
    // picture adjustments
    "image.color-effect",
    "image.exposure",
    "image.contrast",
    "image.saturation",
    "image.sharpness",
};

struct DerivedName {
    const char* name;
    const rules::VideoMode* mode;
};
const DerivedName kFieldOfViewNames[] = {
    {"video1.fov", &rules::kVideoMode1},
    {"video2.fov", &rules::kVideoMode2},
};

std::string lowered(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool isIndex(const std::string& text, int* index) {
    if (text.empty() || text.size() > 2)
        return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value >= kSettingCount)
        return false;
    *index = value;
    return true;
}

} // namespace

const char* settingName(int index) {
    return index >= 0 && index < kSettingCount ? kNames[index] : "";
}

bool findTarget(const std::string& text, Target* target) {
    int index = 0;
    if (isIndex(text, &index)) {
        *target = {Target::Setting, index, kNames[index]};
        return true;
    }
    const std::string name = lowered(text);
    for (int i = 0; i < kSettingCount; ++i) {
        if (name == kNames[i]) {
            *target = {Target::Setting, i, kNames[i]};
            return true;
        }
    }
    for (const DerivedName& derived : kFieldOfViewNames) {
        if (name == derived.name) {
            *target = {Target::FieldOfView, derived.mode->resolution, derived.name};
            return true;
        }
    }
    return false;
}

Target requireTarget(const std::string& text) {
    Target target;
    if (!findTarget(text, &target))
        throw CommandFailure(kExitUsage, "unknown setting '" + text +
                                             "'; 'kavelo-config --help' lists the names");
    return target;
}

const rules::VideoMode* videoModeOfCode(int setting) {
    for (const rules::VideoMode* mode : {&rules::kVideoMode1, &rules::kVideoMode2}) {
        if (setting == mode->resolution || setting == mode->frameRate)
            return mode;
    }
    return nullptr;
}
