// Kavelo Manager: edits the configuration file of a Kavelo video camera.
#include "MainWindowForm.h"
#include "MyAppDelegate.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavelo Manager"));
    QApplication::setDesktopFileName(QStringLiteral("kavelo-manager"));

    const auto window = loadMainWindow();
    MyAppDelegate delegate;
    try {
        delegate.bindOutlets(window.get());
    } catch (const std::exception& problem) {
        // A form without one of its controls is a broken build, not a user error.
        std::fprintf(stderr, "kavelo-manager: %s\n", problem.what());
        return 1;
    }
    window->show();
    // Once the event loop runs, the window is up and shows the settings.
    QTimer::singleShot(0, &delegate, [&delegate] { delegate.applicationDidFinishLaunching(); });
    return QApplication::exec();
}
