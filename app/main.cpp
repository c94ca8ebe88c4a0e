// Kavelo Manager: edits the configuration file of a Kavelo video camera.
//   kavelo-manager [FILE]    FILE, when given, is opened once the window is up.
#include "SettingsApplication.h"
#include "Version.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavelo Manager"));
    QApplication::setApplicationVersion(QStringLiteral(KAVELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.kavelo.Manager"));

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
