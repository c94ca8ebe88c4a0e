// Kavelo Manager: edits the configuration file of a Kavelo video camera.
//   kavelo-manager [FILE]    FILE, when given, is opened once the window is up.
//   kavelo-manager --help | --version
#include "SettingsApplication.h"
#include "Translations.h"
#include "Version.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

namespace {

const char kHelp[] = "Usage: kavelo-manager [FILE]\n"
                     "       kavelo-manager --help | --version\n"
                     "\n"
                     "Edits the configuration file (CONFIG.TXT) of a Kavelo video camera in a\n"
                     "window. FILE, when given, is opened once the window is up.\n"
                     "\n"
                     "  --help     this text\n"
                     "  --version  the program's version\n";

// --help and --version as the only argument print their text; any other
// argument is a file to open. They need no display.
bool printedInformation(int argc, char* argv[]) {
    if (argc != 2)
        return false;
    const std::string argument = argv[1];
    if (argument == "--help")
        std::fputs(kHelp, stdout);
    else if (argument == "--version")
        std::fputs("kavelo-manager " KAVELO_VERSION "\n" KAVELO_COPYRIGHT
                   "\n" KAVELO_LICENSE_NOTICE,
                   stdout);
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (printedInformation(argc, argv))
        return std::fflush(stdout) == 0 ? 0 : 1;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavelo Manager"));
    QApplication::setApplicationVersion(QStringLiteral(KAVELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.kavelo.Manager"));
    useLanguagesOf();

    std::unique_ptr<SettingsApplication> program;
    try {
        program = std::make_unique<SettingsApplication>();
    } catch (const std::exception& problem) {
        // A form without one of its controls is a broken build, not a user error.
        std::fprintf(stderr, "kavelo-manager: %s\n", problem.what());
        return 1;
    }
    // QApplication has taken its own options out of the arguments by now.
    program->start(QApplication::arguments());
    return QApplication::exec();
}
