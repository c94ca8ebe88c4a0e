#include "Alerts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

AlertHandler& installedHandler() {
    static AlertHandler handler;
    return handler;
}

QuestionHandler& installedQuestionHandler() {
    static QuestionHandler handler;
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

QMessageBox::StandardButton askQuestion(const Question& question) {
    const QuestionHandler handler = installedQuestionHandler();
    if (handler)
        return handler(question);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Warning);
    box.setTextFormat(Qt::PlainText);
    box.setText(question.text);
    box.setInformativeText(question.detail);
    box.setStandardButtons(question.buttons);
    box.setDefaultButton(question.defaultButton);
    for (const auto& [button, text] : question.buttonTexts) {
        if (QAbstractButton* shown = box.button(button))
            shown->setText(text);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

ScopedQuestionHandler::ScopedQuestionHandler(QuestionHandler handler)
    : ScopedSeam(installedQuestionHandler(), std::move(handler)) {}
