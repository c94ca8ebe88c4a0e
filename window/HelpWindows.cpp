#include "HelpWindows.h"

#include "Version.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

// The help text is compiled into this library; a static library's resources
// are registered by hand.
static void registerHelpText() {
    Q_INIT_RESOURCE(window);
}

void showHelp(QWidget* parent) {
    static QPointer<QDialog> help;
    if (help == nullptr) {
        registerHelpText();
        help = new QDialog(parent);
        help->setObjectName(QStringLiteral("helpWindow"));
        help->setWindowTitle(QStringLiteral("Kavelo Manager Help"));
        auto* layout = new QVBoxLayout(help);
        auto* text = new QTextBrowser(help);
        text->setObjectName(QStringLiteral("helpText"));
        text->setSource(QUrl(QStringLiteral("qrc:/kavelo/help.html")));
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
    about->setWindowTitle(QStringLiteral("About Kavelo Manager"));
    about->setTextFormat(Qt::PlainText);
    about->setText(QStringLiteral("Kavelo Manager " KAVELO_VERSION));
    about->setInformativeText(QStringLiteral(
        "Edits the configuration file of a Kavelo video camera: open the "
        "CONFIG.TXT on its memory card, change its settings, save it back.\n\n" KAVELO_COPYRIGHT
        "\n" KAVELO_LICENSE_NOTICE));
    about->setStandardButtons(QMessageBox::Ok);
    about->open();
}
