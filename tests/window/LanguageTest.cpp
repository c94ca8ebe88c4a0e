// The window in each of its languages: menus, the form's captions, alerts,
// Qt's own buttons and the help; and in English exactly as written.
#include "HelpWindows.h"
#include "LoadMessages.h"
#include "MainWindowForm.h"
#include "StatusMessages.h"
#include "Translations.h"
#include "WindowFixture.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>

namespace {

struct Language {
    const char* locale;
    const char* help; // the help page's language tag
};
// Qt's text of the standard Cancel button, in the language installed now.
QString cancelText() {
    return QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text();
}

const Language kLanguages[] = {{"de_DE", "de"}, {"fr_FR", "fr"},    {"es_ES", "es"},
                               {"it_IT", "it"}, {"pt_BR", "pt-BR"}, {"pl_PL", "pl"},
                               {"ja_JP", "ja"}, {"zh_CN", "zh-CN"}};

class LanguageTest : public WindowTest, public ::testing::WithParamInterface<Language> {
  protected:
    void SetUp() override {
        useLanguagesOf(QLocale::c());
        englishCancel = cancelText();
        useLanguagesOf(QLocale(QString::fromLatin1(GetParam().locale)));
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QLocale::setDefault(QLocale::c());
        useLanguagesOf(QLocale::c());
    }
    QString textOf(const char* name) const {
        if (auto* action = window->findChild<QAction*>(QLatin1String(name)))
            return action->text();
        if (auto* label = window->findChild<QLabel*>(QLatin1String(name)))
            return label->text();
        return window->findChild<QAbstractButton*>(QLatin1String(name))->text();
    }
    QString englishCancel;
};

TEST_P(LanguageTest, TheWindowSpeaksIt) {
    // Menus and buttons of the form, and the captions from the settings table.
    EXPECT_NE(window->findChild<QMenu*>(QStringLiteral("menuEdit"))->title(), "&Edit");
    EXPECT_NE(textOf("actionApplyToCameras"), "Apply &to Connected Cameras…");
    EXPECT_NE(textOf("saveConfigButtonOutlet"), "Save");
    EXPECT_NE(d().lensTypeOutlet->cellAtRow(0, 1)->text(), "Wide angle");
    // An alert, with the firmware it names.
    const QString alert = refusalAlert(3, 230);
    EXPECT_FALSE(alert.startsWith(QStringLiteral("Firmware v2.30 not supported!")));
    EXPECT_TRUE(alert.contains(QStringLiteral("2.30"))) << alert.toStdString();
    // Qt's own standard buttons.
    EXPECT_NE(cancelText(), englishCancel);
    // The help page in the language.
    showHelp(window.get());
    auto* help = window->findChild<QTextBrowser*>(QStringLiteral("helpText"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->source().toString().endsWith(
        QStringLiteral("help.%1.html").arg(QLatin1String(GetParam().help))))
        << help->source().toString().toStdString();
    help->window()->close();
}

// In English, and without a language (C), every text is as written.
TEST(English, TextsAreAsWritten) {
    useLanguagesOf(QLocale::c());
    const QString englishCancel = cancelText();
    for (const char* locale : {"en_US", "C"}) {
        SCOPED_TRACE(locale);
        useLanguagesOf(QLocale(QString::fromLatin1(locale)));
        const std::unique_ptr<QMainWindow> window = loadMainWindow();
        EXPECT_EQ(window->findChild<QMenu*>(QStringLiteral("menuFile"))->title(), "&File");
        EXPECT_EQ(refusalAlert(3, 230).toStdString(), load_messages::failureMessage(3, 230));
        EXPECT_EQ(cancelText(), englishCancel);
    }
    useLanguagesOf(QLocale::c());
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) {
                             return std::string(info.param.help) == "pt-BR"   ? "pt_BR"
                                    : std::string(info.param.help) == "zh-CN" ? "zh_CN"
                                                                              : info.param.help;
                         });

} // namespace
