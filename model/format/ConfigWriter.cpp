// Writing the configuration file back to the card.
#include "ConfigFileText.h"
#include "KaveloConfigParser.h"
#include "SafeFileReplace.h"

#include <cerrno>
#include <cstdio>

namespace {

bool noRoom(int error) {
#if defined(EDQUOT)
    return error == ENOSPC || error == EDQUOT;
#else
    return error == ENOSPC; // no quotas to run out of here
#endif
}

} // namespace

bool KaveloConfigParser::writeConfigFile(const char* path) const {
    // The clock is read only when the camera's clock is to be set.
    const std::tm now = getCameraValue(kDateTime) != 0 ? currentLocalTime() : std::tm{};
    const std::string text = configFileText(*this, now);
    writeFitsInPlace = false;
    if (!replaceFileContents(path, text.data(), text.size(), &writeError)) {
        writeFitsInPlace = noRoom(writeError) && fitsInPlace(path, text.size());
        std::fputs("Problem saving configuration file!!!", stderr);
        return false;
    }
    writtenText = text;
    return true;
}

bool KaveloConfigParser::writeConfigFileInPlace(const char* path) const {
    const std::tm now = getCameraValue(kDateTime) != 0 ? currentLocalTime() : std::tm{};
    const std::string text = configFileText(*this, now);
    writeFitsInPlace = false;
    if (!rewriteFileInPlace(path, text.data(), text.size(), &writeError)) {
        std::fputs("Problem saving configuration file!!!", stderr);
        return false;
    }
    writtenText = text;
    return true;
}
