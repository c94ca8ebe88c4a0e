// cameras: the cameras whose cards are mounted now, one line each, so that a
// script can find a camera's file or wait for one to be plugged in.
#include "CameraFiles.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ExitCodes.h"
#include "Json.h"
#include "LoadMessages.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A field of a tab-separated line: a tab, line feed or backslash in it is
// written as the mount table writes it (\011, \012, \134), so that every
// camera stays one line of seven fields. On Windows the backslash separates
// a path's folders, and no name holds a tab or line feed: it stays.
std::string field(const std::string& text) {
    constexpr bool kEscapeBackslash =
#ifdef _WIN32
        false;
#else
        true;
#endif
    std::string out;
    for (const char c : text) {
        if (c == '\t')
            out += "\\011";
        else if (c == '\n')
            out += "\\012";
        else if (c == '\\' && kEscapeBackslash)
            out += "\\134";
        else
            out += c;
    }
    return out;
}

std::string textLine(const MountedCamera& camera) {
    const CameraFile& file = camera.file;
    return field(camera.fileSystem.mountPoint) + "\t" + field(file.path) + "\t" +
           field(file.firmwareString) + "\t" + std::to_string(file.firmwareNumber) + "\t" +
           field(file.revisionString) + "\t" + std::to_string(file.revisionNumber) + "\t" +
           (file.supported ? "supported" : "unsupported") + "\n";
}

std::string jsonObject(const MountedCamera& camera) {
    const CameraFile& file = camera.file;
    return "  {\"mountPoint\": " + jsonString(camera.fileSystem.mountPoint) +
           ", \"device\": " + jsonString(camera.fileSystem.device) +
           ", \"type\": " + jsonString(camera.fileSystem.type) +
           ", \"file\": " + jsonString(file.path) +
           ", \"firmware\": {\"text\": " + jsonString(file.firmwareString) +
           ", \"number\": " + std::to_string(file.firmwareNumber) +
           ", \"version\": " + jsonString(load_messages::firmwareVersionText(file.firmwareNumber)) +
           "}, \"revision\": {\"text\": " + jsonString(file.revisionString) +
           ", \"number\": " + std::to_string(file.revisionNumber) +
           "}, \"supported\": " + (file.supported ? "true" : "false") + "}";
}

} // namespace

int runCameras(const CommandLine& line) {
    const CameraSearch search = findMountedCameras();
    const std::vector<MountedCamera>& cameras = search.cameras;
    // A card that did not answer is left out, and said so, rather than
    // waited for: its reader or driver may never answer.
    for (const MountedFileSystem& card : search.notAnswering)
        std::fprintf(stderr,
                     "kavelo-config: %s: the card is not answering; it is left out of the list\n",
                     field(card.mountPoint).c_str());
    std::string out;
    if (line.json) {
        out = "[";
        for (std::size_t i = 0; i < cameras.size(); ++i)
            out += (i == 0 ? "\n" : ",\n") + jsonObject(cameras[i]);
        out += cameras.empty() ? "]\n" : "\n]\n";
    } else {
        for (const MountedCamera& camera : cameras)
            out += textLine(camera);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return cameras.empty() ? kExitNoCamera : kExitSuccess;
}
