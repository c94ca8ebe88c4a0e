#include "Describe.h"

#include "KaveloConfigParser.h"
#include "SettingChoices.h"

namespace {

constexpr int kCardFormat = 45;
constexpr int kCardFormatFromFirmware = 218;

} // namespace

bool settingIsWritten(const KaveloConfigParser& config, int setting) {
    return setting != kCardFormat || config.getFirmwareNumber() >= kCardFormatFromFirmware;
}

std::string meaningOf(const KaveloConfigParser& config, int setting) {
    const int value = config.getCameraValue(setting);
    if (!settingIsWritten(config, setting))
        return "(not kept by this firmware)";
    if (choices::forSetting(setting).control == choices::Control::None)
        return "(no control; kept as read)";
    if (!choices::offered(setting, value))
        return "(no choice of the window)";
    const char* caption = choices::caption(setting, value);
    return caption != nullptr ? caption : "";
}

std::string valueWithMeaning(const KaveloConfigParser& config, int setting) {
    const std::string value = std::to_string(config.getCameraValue(setting));
    const std::string meaning = meaningOf(config, setting);
    if (meaning.empty())
        return value;
    if (meaning[0] == '(')
        return value + " " + meaning;
    return value + " (" + meaning + ")";
}

std::string describeValues(int setting) {
    const choices::SettingChoices& offered = choices::forSetting(setting);
    if (offered.control == choices::Control::None)
        return "any number (no control of the window sets it; needs --raw)";
    if (offered.captions == nullptr)
        return std::to_string(offered.minimum) + " to " + std::to_string(offered.maximum);
    std::string text;
    for (int v = offered.minimum; v <= offered.maximum; ++v) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(v) + "=" + offered.captions[v - offered.minimum];
    }
    return text;
}
