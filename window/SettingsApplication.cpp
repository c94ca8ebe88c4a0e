#include "SettingsApplication.h"

#include "MainWindowForm.h"

#include <QApplication>
#include <QTimer>

SettingsApplication::SettingsApplication() : window_(loadMainWindow()), openRequests_(delegate_) {
    delegate_.bindOutlets(window_.get());
    QCoreApplication::instance()->installEventFilter(&openRequests_);
}

void SettingsApplication::start(const QStringList& arguments) {
    window_->show();
    QTimer::singleShot(0, &delegate_,
                       [this, arguments] { openRequests_.finishLaunching(arguments); });
}
