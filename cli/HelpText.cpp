#include "HelpText.h"

#include "CommandTable.h"
#include "Describe.h"
#include "KaveloConfigParser.h"
#include "SettingNames.h"

#include <cstdio>

namespace {

const char kGeneral[] = R"(Usage: kavelo-config COMMAND ARGUMENTS [OPTIONS]

Reads and changes the configuration file of a Kavelo video camera, applying
the same rules as the Kavelo Manager window.

Commands:
)";

const char kGeneralOptions[] =
    R"(  --help, -h             this text
  --version, -V          the program's version

Command options:
  --json                 show, cameras: print JSON
  --raw                  set: store each value as given: no check that the
                         window offers it, no clamping, none of the rules below
  --keep-clock           set, copy: write the placeholder date line, which
                         leaves the camera's clock alone
  --dry-run              copy: list what would change in each DST, and save
                         nothing
  --all-cameras          copy: every connected camera's file but SRC is a DST
  --in-place             set, sync-clock, copy: on a card too full for the
                         safety copy a save writes first, write the file over
                         itself (a card pulled out meanwhile may leave it
                         damaged); only where the new text fits

Names and values:
  A setting is named by its name (listed below), its index (0 to 63), its
  caption in the window ("Recording light") where only one setting has that
  caption, or its name in earlier versions (listed at the end). A value is
  the number the file stores, or one of the words the list shows; case,
  blanks and punctuation in captions and words do not matter ("1280x720 wide"
  and "1280x720-Wide" are the same).

Cameras:
  cameras prints one line per camera, seven fields separated by tabs: the
  mount point, the configuration file, the firmware text and number (version
  times 100), the revision text and number, and "supported" or "unsupported"
  (whether the window and this program load the file). )"
#ifdef _WIN32
    R"(A tab or line feed in a
  field is written \011 or \012; backslashes stay as they are. --json prints an
)"
#else
    R"(A tab, line feed or
  backslash in a field is written \011, \012 or \134. --json prints an
)"
#endif
    R"(  array with an object for each camera. With no camera it prints nothing (or
  an empty array) and exits with status 1, so a script can wait for one:
    until kavelo-config cameras >/dev/null; do sleep 1; done

How set changes settings, as the window does:
  The assignments apply in order; if one is refused nothing is saved. A
  change that a rule makes to another setting is told in a note on standard
  error.

  video1.resolution=1280x720 chooses the resolution and keeps the field of
  view; video1.field-of-view=wide or =narrow chooses the field of view; a code
  0 to 5 or a name such as "1280x720 wide" chooses both. video1.frame-rate
  takes 60fps, 50fps, 30fps, 25fps, 60, 50, 30, 25 or the code 1 to 4. The
  same goes for video2.

  1920x1080 (wide or narrow) and 1280x720 narrow record at 30 or 25 fps only:
  choosing 60 or 50 fps there moves the resolution to 1280x720 wide, and
  choosing one of them, or narrowing 1280x720, raises 60 or 50 fps to 30 fps.

  While a video mode records in a loop, its clip length is at most 1 (5 min);
  a longer one is lowered after each change.

  Gains (wb.custom1.red-gain ... wb.custom3.blue-gain) go into the named
  triple and are kept within 100 to 999.

  Settings no control of the window sets need --raw; card.format is refused
  for firmware 2.17 and older, which keeps no such setting.

  Every save sets the camera's clock to this computer's time (in the date
  order of date.format) unless --keep-clock or date.camera-clock=off is given.

  kavelo-config speaks English whatever the desktop's language, since
  scripts read what it prints; the settings window speaks the user's.

Exit status:
  0  success
  1  check found problems; cameras found no camera
  2  usage error: unknown command, option or setting name, missing arguments
  3  a value was refused (the file is as it was)
  4  a file cannot be read or is no supported configuration file
  5  the file could not be saved (it is as it was)

Settings (index, name, values the window offers):
)";

} // namespace

std::string helpText() {
    std::string text = std::string(kGeneral) + commandSummaries() + kGeneralOptions;
    for (int i = 0; i < kSettingCount; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "  %2d %-27s ", i, settingName(i).c_str());
        text += line + describeValues(i) + "\n";
    }
    for (const FieldOfViewRow& row : kFieldOfViewRows) {
        char line[64];
        std::snprintf(line, sizeof line, "      %-27s ", fieldOfViewName(row).c_str());
        text += line + std::string("wide, narrow (part of the resolution code)\n");
    }
    text += "\nEarlier names, which still work:\n";
    for (int i = 0; i < kSettingCount; ++i) {
        if (const char* former = settingRow(i).formerName)
            text += "  " + std::string(former) + " = " + settingName(i) + "\n";
    }
    for (const FieldOfViewRow& row : kFieldOfViewRows)
        text += "  " + std::string(row.formerName) + " = " + fieldOfViewName(row) + "\n";
    return text;
}
