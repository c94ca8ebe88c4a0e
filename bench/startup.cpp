// Start-up to a shown window, ended as soon as the event loop first runs: the
// settings window as kavelo-manager builds it, or, built with
// KAVELO_BARE_WINDOW, a bare Qt main window beside it for the floor.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#ifndef KAVELO_BARE_WINDOW
#include "SettingsApplication.h"
#include "Translations.h"
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
#ifdef KAVELO_BARE_WINDOW
    QMainWindow window;
    window.show();
#else
    useLanguagesOf(); // as kavelo-manager: in the desktop's language
    SettingsApplication program;
    program.start({});
#endif
    // Queued after the launch's own work: the window is up and shows the
    // settings when the program ends.
    QTimer::singleShot(0, &application, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    return QApplication::exec();
}
