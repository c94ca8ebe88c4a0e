// How the window reads, in light and dark and from the keyboard: explanatory
// notes readable in either palette, and a mnemonic on every button, tab and
// caption.
#include "WindowFixture.h"

#include "Mnemonics.h"
#include "ReadableColours.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xe6, 0xe6, 0xe6));
    dark.setColor(QPalette::Mid, QColor(0x50, 0x50, 0x50));
    dark.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    return dark;
}

TEST_F(WindowTest, ExplanatoryNotesAreReadableInLightAndDark) {
    const QPalette original = QApplication::palette();
    for (const auto& [name, palette] :
         {std::pair{"light", original}, std::pair{"dark", darkPalette()}}) {
        SCOPED_TRACE(name);
        QApplication::setPalette(palette);
        QApplication::processEvents();
        int notes = 0;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->property("explanatoryNote").toBool())
                continue;
            ++notes;
            const QColor text = label->palette().color(QPalette::WindowText);
            const QColor back = label->palette().color(QPalette::Window);
            EXPECT_GE(contrastRatio(text, back), 4.5) << label->objectName().toStdString();
            // and still set apart from the captions
            EXPECT_NE(text, palette.color(QPalette::WindowText));
        }
        EXPECT_EQ(notes, 3);
    }
    QApplication::setPalette(original);
}

QString withoutAmpersands(QString text) {
    return text.remove(QLatin1Char('&'));
}

TEST_F(WindowTest, EveryButtonTabAndCaptionHasAMnemonic) {
    const auto hasOne = [](const QString& text) {
        return text.contains(QRegularExpression(QStringLiteral("&[^&]")));
    };
    for (QPushButton* button : window->findChildren<QPushButton*>())
        EXPECT_TRUE(hasOne(button->text())) << button->objectName().toStdString();
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    QString tabLetters;
    for (int i = 0; i < tabs->count(); ++i) {
        EXPECT_TRUE(hasOne(tabs->tabText(i))) << i;
        tabLetters += tabs->tabText(i).mid(tabs->tabText(i).indexOf('&') + 1, 1).toLower();
    }
    EXPECT_EQ(QSet<QChar>(tabLetters.begin(), tabLetters.end()).size(), tabs->count());
    int captions = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == nullptr)
            continue;
        ++captions;
        EXPECT_TRUE(hasOne(label->text())) << label->objectName().toStdString();
    }
    EXPECT_EQ(captions, 44 + 9 + 3);
    // The words stay the table's.
    auto* lens = window->findChild<QLabel*>(QStringLiteral("lensTypeOutletCaption"));
    EXPECT_EQ(withoutAmpersands(lens->text()), QStringLiteral("Lens:"));
}

} // namespace
