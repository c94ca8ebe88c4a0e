// The editor around the settings: undo and redo of the user's changes; the
// modified marker and the title that names the file Save writes; the status
// bar; the keys that switch tabs; Help and About.
#include "ConfigDocument.h"
#include "FormLookup.h"
#include "Globals.h"
#include "HelpWindows.h"
#include "Mnemonics.h"
#include "MyAppDelegate.h"
#include "SettingsForm.h"
#include "StatusLine.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QUndoStack>

void MyAppDelegate::setUpEditor() {
    document_ = new ConfigDocument(mCF, this);
    connect(document_, &ConfigDocument::titleChanged, this, [this] { showTitle(); });
    connect(document_, &ConfigDocument::settingsRestored, this, [this] { updateAllControls(); });
    connect(form_, &SettingsForm::edited, document_, &ConfigDocument::recordChange);
    auto* edit = findInWindow<QMenu>(window, "menuEdit");
    QAction* undo =
        history()->createUndoAction(edit, QCoreApplication::translate("MyAppDelegate", "&Undo"));
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo =
        history()->createRedoAction(edit, QCoreApplication::translate("MyAppDelegate", "&Redo"));
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setShortcuts(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    QAction* help = findInWindow<QAction>(window, "actionHelp");
    help->setShortcuts(QKeySequence::HelpContents);
    connect(help, &QAction::triggered, this, [this] { showHelp(window); });
    connect(findInWindow<QAction>(window, "actionAbout"), &QAction::triggered, this,
            [this] { showAbout(window); });

    auto* tabs = findInWindow<QTabWidget>(window, "settingsTabs");
    const struct {
        QKeySequence keys;
        int step;
    } switches[] = {{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                    {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& each : switches) {
        auto* shortcut = new QShortcut(each.keys, window);
        connect(shortcut, &QShortcut::activated, tabs, [tabs, step = each.step] {
            tabs->setCurrentIndex((tabs->currentIndex() + step + tabs->count()) % tabs->count());
        });
    }

    status_ = new StatusLine(window);
    status_->setObjectName(QStringLiteral("statusMessage"));
    findInWindow<QStatusBar>(window, "statusBar")->addWidget(status_, 1);
    // A message that told of the file as it was no longer holds after a change.
    connect(form_, &SettingsForm::edited, this, [this] {
        showStatus(QString());
        changesAnswered_ = false;
    });

    setUpFileWatch();
    showTitle();
    assignMnemonics(window);
}

QUndoStack* MyAppDelegate::history() const {
    return document_ != nullptr ? document_->history() : nullptr;
}

// The title names the file Save writes, and its marker whether the settings
// differ from it.
void MyAppDelegate::showTitle() {
    window->setWindowTitle(document_->title());
    window->setWindowModified(document_->isModified());
}

void MyAppDelegate::showStatus(const QString& message) {
    if (ejectButton_ != nullptr)
        ejectButton_->hide(); // offered only beside a save's success
    if (status_ != nullptr)
        status_->setMessage(message);
}

QString MyAppDelegate::statusText() const {
    return status_ != nullptr ? status_->message() : QString();
}
