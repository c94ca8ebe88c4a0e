// The settings' storage and accessors; keywords and defaults come from the
// settings table.
#include "KaveloConfigParser.h"

#include "CameraRules.h"

KaveloConfigParser::KaveloConfigParser()
    : cameraTime{}, firmwareString{}, revisionString{}, firmwareNumber(0),
      revisionNumber(0), cameraValues{} {
    setDefaults();
}

void KaveloConfigParser::setDefaults() {
    for (int i = 0; i < kSettingCount; ++i)
        cameraValues[i] = settingRow(i).defaultValue;
}

bool KaveloConfigParser::setCameraValue(int index, int value) {
    if (index >= 0 && index < kSettingCount)
        cameraValues[index] = value;
    return true;
}

int KaveloConfigParser::getCameraValue(int index) const {
    return index >= 0 && index < kSettingCount ? cameraValues[index] : 0;
}

bool KaveloConfigParser::checkFirmwareAndRevision() const {
    return rules::isSupportedIdentification(firmwareNumber, revisionNumber);
}
