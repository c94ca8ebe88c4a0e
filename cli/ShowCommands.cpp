// show and get: reading a file and printing what it holds.
#include "CameraRules.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ConfigFile.h"
#include "Describe.h"
#include "ExitCodes.h"
#include "Json.h"
#include "KaveloConfigParser.h"
#include "LoadMessages.h"
#include "SettingNames.h"
#include "TextMatch.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

void print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

void showText(const std::string& path, const KaveloConfigParser& config) {
    std::string out;
    out += "File:        " + path + "\n";
    out += "Firmware:    " + std::string(config.getFirmwareString()) + " (version " +
           load_messages::firmwareVersionText(config.getFirmwareNumber()) + ")\n";
    out += "Revision:    " + std::string(config.getRevisionString()) + " (revision " +
           std::to_string(config.getRevisionNumber()) + ")\n";
    out += "Camera time: " + std::string(config.getCameraTime()) + "\n\n";
    std::size_t width = 0;
    for (int i = 0; i < kSettingCount; ++i)
        width = std::max(width, settingName(i).size() + 1);
    out += " #  " + padded("name", width) + "value  meaning\n";
    for (int i = 0; i < kSettingCount; ++i) {
        char index[8];
        std::snprintf(index, sizeof index, "%2d  ", i);
        const std::string value = std::to_string(config.getCameraValue(i));
        const std::string meaning = meaningOf(config, i);
        out += index + padded(settingName(i), width) +
               std::string(value.size() < 5 ? 5 - value.size() : 0, ' ') + value +
               (meaning.empty() ? "" : "  " + meaning) + "\n";
    }
    print(out);
}

void showJson(const std::string& path, const KaveloConfigParser& config) {
    std::string out = "{\n";
    out += "  \"file\": " + jsonString(path) + ",\n";
    out += "  \"firmware\": {\"text\": " + jsonString(config.getFirmwareString()) +
           ", \"number\": " + std::to_string(config.getFirmwareNumber()) + ", \"version\": " +
           jsonString(load_messages::firmwareVersionText(config.getFirmwareNumber())) + "},\n";
    out += "  \"revision\": {\"text\": " + jsonString(config.getRevisionString()) +
           ", \"number\": " + std::to_string(config.getRevisionNumber()) + "},\n";
    out += "  \"cameraTime\": " + jsonString(config.getCameraTime()) + ",\n";
    out += "  \"settings\": [\n";
    for (int i = 0; i < kSettingCount; ++i) {
        out += "    {\"index\": " + std::to_string(i) +
               ", \"name\": " + jsonString(settingName(i)) +
               ", \"keyword\": " + jsonString(configKeywords[i]) +
               ", \"value\": " + std::to_string(config.getCameraValue(i)) +
               ", \"meaning\": " + jsonStringOrNull(meaningOf(config, i)) + "}" +
               (i + 1 < kSettingCount ? ",\n" : "\n");
    }
    out += "  ]\n}\n";
    print(out);
}

// The field of view is no number of its own: it prints as its caption.
std::string fieldOfViewText(const KaveloConfigParser& config, int resolutionSetting) {
    const int column =
        rules::resolutionColumns(config.getCameraValue(resolutionSetting)).fieldOfView;
    return lowerCase(kFieldOfViewCaptions[column]);
}

} // namespace

int runShow(const CommandLine& line) {
    const std::string& path = line.operands[0];
    KaveloConfigParser config;
    load(path, config);
    if (line.json)
        showJson(path, config);
    else
        showText(path, config);
    return kExitSuccess;
}

int runGet(const CommandLine& line) {
    // Every name is checked before the file is read, so a typo costs no read.
    std::vector<Target> targets;
    for (std::size_t i = 1; i < line.operands.size(); ++i)
        targets.push_back(requireTarget(line.operands[i]));
    KaveloConfigParser config;
    load(line.operands[0], config);
    std::string out;
    for (const Target& target : targets) {
        if (target.kind == Target::FieldOfView)
            out += fieldOfViewText(config, target.setting) + "\n";
        else
            out += std::to_string(config.getCameraValue(target.setting)) + "\n";
    }
    print(out);
    return kExitSuccess;
}
