#include "HelpWindows.h"

#include "Version.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

// The help text is compiled into this library; a static library's resources
// are registered by hand.
static void registerHelpText() {
    Q_INIT_RESOURCE(window);
}

// The help in the first of the user's languages it is written in; English
// where none is.
static QString helpInUserLanguage() {
    for (const QString& language : QLocale().uiLanguages()) {
        for (const QString& name : {language, language.section(QLatin1Char('-'), 0, 0)}) {
            const QString path = QStringLiteral(":/kavelo/help/help.%1.html").arg(name);
            if (QFile::exists(path))
                return QStringLiteral("qrc") + path;
        }
    }
    return QStringLiteral("qrc:/kavelo/help.html");
}

void showHelp(QWidget* parent) {
    static QPointer<QDialog> help;
    if (help == nullptr) {
        registerHelpText();
        help = new QDialog(parent);
        help->setObjectName(QStringLiteral("helpWindow"));
        help->setWindowTitle(QCoreApplication::translate("HelpWindows", "Kavelo Manager Help"));
        auto* layout = new QVBoxLayout(help);
        auto* text = new QTextBrowser(help);
        text->setObjectName(QStringLiteral("helpText"));
        text->setSource(QUrl(helpInUserLanguage()));
        layout->addWidget(text);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, help);
        QObject::connect(buttons, &QDialogButtonBox::rejected, help, &QDialog::close);
        layout->addWidget(buttons);
        help->resize(640, 560);
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void showAbout(QWidget* parent) {
    auto* about = new QMessageBox(parent);
    about->setObjectName(QStringLiteral("aboutBox"));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowTitle(QCoreApplication::translate("HelpWindows", "About Kavelo Manager"));
    about->setTextFormat(Qt::PlainText);
    about->setText(QStringLiteral("Kavelo Manager " KAVELO_VERSION));
    about->setInformativeText(
        QCoreApplication::translate("HelpWindows",
                                    "Edits the configuration file of a Kavelo video camera: open "
                                    "the CONFIG.TXT on its memory card, change its settings, save "
                                    "it back.") +
        QStringLiteral("\n\n" KAVELO_COPYRIGHT "\n" KAVELO_LICENSE_NOTICE));
    about->setStandardButtons(QMessageBox::Ok);
    about->open();
}
