#include "SettingChanges.h"

#include "CameraRules.h"
#include "Describe.h"
#include "ExitCodes.h"
#include "KaveloConfigParser.h"
#include "LoadMessages.h"

namespace {

// A note for every setting that changed, except `asked`, the one the user set.
void noteChanges(const KaveloConfigParser& config, const SettingValues& before, int asked,
                 const std::string& reason, std::vector<std::string>& notes) {
    for (int i = 0; i < kSettingCount; ++i) {
        if (i != asked && config.getCameraValue(i) != before[i])
            notes.push_back(settingName(i) + " is now " + valueWithMeaning(config, i) + ", " +
                            reason);
    }
}

[[noreturn]] void refuse(const std::string& message) {
    throw CommandFailure(kExitValueRefused, message);
}

void refuseUnoffered(const Assignment& assignment, int value) {
    if (settingRow(assignment.target.setting).control == Control::None)
        refuse(assignment.target.name +
               ": no control of the window sets it (--raw stores a value anyway)");
    refuse(assignment.target.name + ": " + std::to_string(value) +
           " is no choice of the window; it offers " + describeValues(assignment.target.setting) +
           " (--raw stores it anyway)");
}

const rules::VideoMode& videoMode(const Assignment& assignment) {
    return *rules::videoModeOf(assignment.target.setting); // only video settings ask for one
}

void chooseResolution(KaveloConfigParser& config, const Assignment& assignment, bool raw) {
    const rules::VideoMode& mode = videoMode(assignment);
    const Request& request = assignment.request;
    const int code = config.getCameraValue(mode.resolution);
    if (raw) {
        const rules::ResolutionColumns now = rules::resolutionColumns(code);
        const int resolution =
            request.resolutionColumn >= 0 ? request.resolutionColumn : now.resolution;
        const int fieldOfView =
            request.fieldOfViewColumn >= 0 ? request.fieldOfViewColumn : now.fieldOfView;
        config.setCameraValue(mode.resolution, rules::resolutionCode(resolution, fieldOfView));
        return;
    }
    // The window's groups leave a code that no column stands for as it is:
    // saying the choice was made would be untrue.
    if (code < 0 || code > 5)
        refuse(assignment.target.name + ": the file holds resolution code " + std::to_string(code) +
               ", which the window's groups cannot change; set a code 0 to 5 with --raw");
    // As the user would click: first the resolution group, then the field of view.
    if (request.resolutionColumn >= 0)
        rules::chooseResolution(config.settings(), mode, request.resolutionColumn);
    if (request.fieldOfViewColumn >= 0)
        rules::chooseFieldOfView(config.settings(), mode, request.fieldOfViewColumn);
}

void chooseFrameRate(KaveloConfigParser& config, const Assignment& assignment, bool raw) {
    const rules::VideoMode& mode = videoMode(assignment);
    const int code = assignment.request.value;
    if (raw) {
        config.setCameraValue(mode.frameRate, code);
        return;
    }
    if (!offered(mode.frameRate, code))
        refuseUnoffered(assignment, code);
    rules::chooseFrameRate(config.settings(), mode, code - 1);
}

void storeValue(KaveloConfigParser& config, const Assignment& assignment, bool raw,
                std::vector<std::string>& notes) {
    const int setting = assignment.target.setting;
    int value = assignment.request.value;
    const Control control = settingRow(setting).control;
    if (!raw) {
        if (control == Control::GainField) {
            const int clamped = rules::clampGain(value);
            if (clamped != value)
                notes.push_back(assignment.target.name + " is now " + std::to_string(clamped) +
                                ": the gains range from " + std::to_string(rules::kMinGain) +
                                " to " + std::to_string(rules::kMaxGain));
            value = clamped;
        } else if (control == Control::None || !offered(setting, value)) {
            refuseUnoffered(assignment, value);
        }
    }
    config.setCameraValue(setting, value);
}

} // namespace

Assignment parseAssignment(const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        throw CommandFailure(kExitUsage, "'" + text + "' is no NAME=VALUE");
    Assignment assignment;
    assignment.target = requireTarget(text.substr(0, equals));
    assignment.request = parseValue(assignment.target, text.substr(equals + 1));
    return assignment;
}

void applyAssignment(KaveloConfigParser& config, const Assignment& assignment, bool raw,
                     std::vector<std::string>& notes) {
    const int setting = assignment.target.setting;
    // A setting the saved file has no line for would be lost without a word.
    if (!settingIsWritten(config, setting))
        refuse(assignment.target.name + ": firmware " +
               load_messages::firmwareVersionText(config.getFirmwareNumber()) +
               " keeps no such setting, so the file has no line for it");
    const SettingValues before = config.settings();
    switch (assignment.request.kind) {
    case Request::Resolution:
        chooseResolution(config, assignment, raw);
        break;
    case Request::FrameRate:
        chooseFrameRate(config, assignment, raw);
        break;
    case Request::Value:
        storeValue(config, assignment, raw, notes);
        break;
    }
    noteChanges(config, before, setting, "to go with " + assignment.target.name, notes);
}

void applyRefreshRules(KaveloConfigParser& config, std::vector<std::string>& notes) {
    const SettingValues before = config.settings();
    rules::applyLoopRecordingLimit(config.settings(), rules::kVideoMode1);
    rules::applyLoopRecordingLimit(config.settings(), rules::kVideoMode2);
    noteLoopRecordingLimit(config, before, notes);
}

void noteLoopRecordingLimit(const KaveloConfigParser& config, const SettingValues& asked,
                            std::vector<std::string>& notes) {
    noteChanges(config, asked, -1, "the longest clip while recording in a loop", notes);
}
