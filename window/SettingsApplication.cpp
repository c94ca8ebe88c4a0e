#include "SettingsApplication.h"

#include "MainWindowForm.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

SettingsApplication::SettingsApplication() : window_(loadMainWindow()), openRequests_(delegate_) {
    delegate_.bindOutlets(window_.get());
    QCoreApplication::instance()->installEventFilter(&openRequests_);
}

void SettingsApplication::start(const QStringList& arguments) {
    // As large as the form makes it, but no larger than the screen: the tab
    // pages scroll on a small one.
    if (const QScreen* screen = window_->screen())
        window_->resize(window_->size().boundedTo(screen->availableGeometry().size()));
    window_->show();
    QTimer::singleShot(0, &delegate_,
                       [this, arguments] { openRequests_.finishLaunching(arguments); });
}
