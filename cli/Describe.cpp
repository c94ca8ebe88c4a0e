#include "Describe.h"

#include "CameraRules.h"
#include "KaveloConfigParser.h"

bool settingIsWritten(const KaveloConfigParser& config, int setting) {
    return rules::firmwareWrites(setting, config.getFirmwareNumber());
}

std::string meaningOf(const KaveloConfigParser& config, int setting) {
    const int value = config.getCameraValue(setting);
    if (!settingIsWritten(config, setting))
        return "(not kept by this firmware)";
    if (settingRow(setting).control == Control::None)
        return "(no control; kept as read)";
    if (!offered(setting, value))
        return "(no choice of the window)";
    const char* caption = valueCaption(setting, value);
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
    const SettingRow& row = settingRow(setting);
    if (row.control == Control::None)
        return "any number (no control of the window sets it; needs --raw)";
    if (row.valueCaptions == nullptr)
        return std::to_string(row.minimum) + " to " + std::to_string(row.maximum);
    std::string text;
    for (int v = row.minimum; v <= row.maximum; ++v) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(v) + "=" + row.valueCaptions[v - row.minimum];
    }
    return text;
}
