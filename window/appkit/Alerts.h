// Modal alerts that carry one message text and an OK button. Tests install a
// handler that takes the texts instead of showing them.
#pragma once

#include "ScopedSeam.h"

#include <QString>

#include <functional>

// Shows `message` as plain text in a modal message box with one OK button
// and returns when the user has closed it; or hands it to the installed handler.
void showAlert(const QString& message);

using AlertHandler = std::function<void(const QString& message)>;

// Installs a handler for the guard's lifetime; the one before comes back after.
class ScopedAlertHandler : public ScopedSeam<AlertHandler> {
  public:
    explicit ScopedAlertHandler(AlertHandler handler);
};
