// Modal alerts that carry one message text and an OK button, and questions
// with the platform's standard buttons. Tests install handlers that take the
// texts (and answer the questions) instead of showing them.
#pragma once

#include "ScopedSeam.h"

#include <QList>
#include <QMessageBox>
#include <QPair>
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

// A question to the user: a text, the detail under it, and the standard
// buttons to answer with.
struct Question {
    QString text;
    QString detail;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    // Words of the question's own on standard buttons ("Overwrite" on Save),
    // which keep their role: Escape still chooses Cancel.
    QList<QPair<QMessageBox::StandardButton, QString>> buttonTexts = {};
};

// Asks `question` in a modal message box and answers the button the user
// chose (Escape and closing the box choose Cancel where it is offered); or
// hands it to the installed handler.
QMessageBox::StandardButton askQuestion(const Question& question);

using QuestionHandler = std::function<QMessageBox::StandardButton(const Question& question)>;

class ScopedQuestionHandler : public ScopedSeam<QuestionHandler> {
  public:
    explicit ScopedQuestionHandler(QuestionHandler handler);
};
