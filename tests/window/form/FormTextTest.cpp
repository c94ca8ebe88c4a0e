// The form's own texts and colours: notes that keep the WCAG contrast, and
// mnemonics that read a doubled ampersand as text.
#include "Mnemonics.h"
#include "ReadableColours.h"

#include <QColor>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

TEST(ReadableColours, ContrastIsTheWcagRatio) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.02);
    QPalette grey;
    grey.setColor(QPalette::WindowText, QColor(0x55, 0x55, 0x55)); // already below the mix
    grey.setColor(QPalette::Window, QColor(0x60, 0x60, 0x60));
    EXPECT_EQ(explanatoryColour(grey), QColor(0x55, 0x55, 0x55)); // never weaker than the text
}

// "&&" is a plain "&", never the mnemonic.
TEST(Mnemonics, DoubledAmpersandsAreText) {
    const struct {
        const char* text;
        const char* taken; // letters other texts hold
        const char* marked;
        const char* takenAfter;
        const char* read;
    } cases[] = {
        {"A && &B", "", "A && &B", "b", "A & B"},
        {"Save && eject", "s", "Save && &eject", "se", "Save & eject"},
        {"&Load", "", "&Load", "l", "Load"},
    };
    for (const auto& each : cases) {
        QString taken = QString::fromLatin1(each.taken);
        EXPECT_EQ(withMnemonic(QString::fromLatin1(each.text), taken), QLatin1String(each.marked))
            << each.text;
        EXPECT_EQ(taken, QLatin1String(each.takenAfter)) << each.text;
        EXPECT_EQ(withoutMnemonic(QString::fromLatin1(each.marked)), QLatin1String(each.read));
    }
}

// A text without a Latin letter takes a free one after it, in brackets,
// before a closing colon or ellipsis.
TEST(Mnemonics, TextsWithoutLatinLettersTakeOneInBrackets) {
    const struct {
        const char* text;
        const char* taken;
        const char* marked;
    } cases[] = {
        {"保存", "", "保存(&A)"},
        {"解像度:", "ab", "解像度(&C):"},
        {"開く…", "", "開く(&A)…"},
        {"画质 1080", "", "画质 &1080"}, // a digit serves
        {"", "", ""},
        {"画角", "abcdefghijklmnopqrstuvwxyz", "画角"}, // no letter left
    };
    for (const auto& each : cases) {
        QString taken = QString::fromLatin1(each.taken);
        EXPECT_EQ(withMnemonic(QString::fromUtf8(each.text), taken), QString::fromUtf8(each.marked))
            << each.text;
    }
}

} // namespace
