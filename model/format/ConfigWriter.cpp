// Writing the configuration file back to the card.
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "SafeFileReplace.h"

#include <cstdio>

bool KaveloConfigParser::writeConfigFile(const char* path) const {
    // The clock is read only when the camera's clock is to be set.
    const std::tm now = getCameraValue(kDateTime) != 0 ? currentLocalTime() : std::tm{};
    const std::string text = configFileText(*this, now);
    if (!replaceFileContents(path, text.data(), text.size(), &writeError)) {
        std::fputs("Problem saving configuration file!!!", stderr);
        return false;
    }
    writtenText = text;
    return true;
}
