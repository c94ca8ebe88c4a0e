// Kavelo Manager: edits the configuration file of a Kavelo video camera.
//   kavelo-manager [FILE]    FILE, when given, is opened once the window is up.
#include "MainWindowForm.h"
#include "MyAppDelegate.h"
#include "OpenFileRequests.h"
#include "Version.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kavelo Manager"));
    QApplication::setApplicationVersion(QStringLiteral(KAVELO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.kavelo.Manager"));

    const auto window = loadMainWindow();
    MyAppDelegate delegate;
    try {
        delegate.bindOutlets(window.get());
    } catch (const std::exception& problem) {
        // A form without one of its controls is a broken build, not a user error.
        std::fprintf(stderr, "kavelo-manager: %s\n", problem.what());
        return 1;
    }
    OpenFileRequests openRequests(delegate);
    application.installEventFilter(&openRequests);
    window->show();
    // Once the event loop runs, the window is up: it shows the settings, then
    // opens the file that the command line names (QApplication has taken its
    // own options out of the arguments by now).
    const QStringList arguments = QApplication::arguments();
    QTimer::singleShot(0, &delegate,
                       [&openRequests, arguments] { openRequests.finishLaunching(arguments); });
    return QApplication::exec();
}
