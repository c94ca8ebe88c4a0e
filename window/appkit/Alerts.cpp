#include "Alerts.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

AlertHandler& installedHandler() {
    static AlertHandler handler;
    return handler;
}

void runMessageBox(const QString& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    // The texts are messages, never markup, whatever characters they hold.
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

} // namespace

void showAlert(const QString& message) {
    // A copy, so that a handler that replaces itself while it runs stays alive.
    const AlertHandler handler = installedHandler();
    if (handler)
        handler(message);
    else
        runMessageBox(message);
}

ScopedAlertHandler::ScopedAlertHandler(AlertHandler handler)
    : ScopedSeam(installedHandler(), std::move(handler)) {}
