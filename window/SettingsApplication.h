// The settings window program as one object: the window from its form, the
// delegate bound to it, and the desktop's requests to open files. main and
// the start-up benchmark build the same.
#pragma once

#include "MyAppDelegate.h"
#include "OpenFileRequests.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>

class SettingsApplication {
  public:
    // Builds and binds the window; throws std::runtime_error when the form
    // lacks one of its controls.
    SettingsApplication();

    // Shows the window and, once the event loop runs, finishes launching:
    // the settings are shown, then the file that `arguments` name is opened.
    void start(const QStringList& arguments);

    QMainWindow& window() { return *window_; }
    MyAppDelegate& delegate() { return delegate_; }

  private:
    std::unique_ptr<QMainWindow> window_;
    MyAppDelegate delegate_;
    OpenFileRequests openRequests_;
};
