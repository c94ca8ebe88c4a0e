// Refresh: every control shows its setting, through the form that binds the
// controls from the settings table.
#include "MyAppDelegate.h"

#include "SettingsForm.h"

void MyAppDelegate::updateAllControls() {
    form_->showAll();
}

void MyAppDelegate::updateCustomWhiteBalance() {
    form_->showCustomWhiteBalance();
}

void MyAppDelegate::updateLabels() {
    form_->showLabels();
}

void MyAppDelegate::updateTimeLapseShootingLabel(int which) {
    form_->showTimeLapseLabel(which);
}
