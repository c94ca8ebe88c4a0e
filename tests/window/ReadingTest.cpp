// The window on small screens, in light and dark, and from the keyboard:
// every control reachable at 1024x600, tab pages that fill the window,
// explanatory notes readable in either palette, a mnemonic on every button,
// tab and caption, and Help, About and the tab keys.
#include "WindowFixture.h"

#include "FormControls.h"
#include "Mnemonics.h"
#include "ReadableColours.h"
#include "SettingsForm.h"
#include "Version.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

namespace {

QScrollArea* scrollAreaAround(QWidget* widget) {
    for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(up))
            return area;
    }
    return nullptr;
}

QRect inWindow(QWidget* widget, QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// On a small screen a control is reachable if it lies inside the window, or
// inside a scroll area that lies inside the window and can scroll to it.
TEST_F(WindowTest, EveryControlIsReachableAt1024x600) {
    window->resize(1024, 600 - 40); // the desktop's panel and the title bar
    QApplication::processEvents();
    ASSERT_LE(window->width(), 1024);
    ASSERT_LE(window->height(), 560);
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    const QRect whole = window->rect();
    for (const char* name :
         {"loadButton", "saveConfigButtonOutlet", "setDefaultsButtonOutlet", "exitButton"}) {
        auto* button = window->findChild<QPushButton*>(QLatin1String(name));
        EXPECT_TRUE(whole.contains(inWindow(button, window.get()))) << name;
        EXPECT_GE(button->width(), button->minimumSizeHint().width()) << name;
    }
    for (const FormControl& row : formControls()) {
        QWidget* control = d().form()->widgetOf(row);
        if (control == nullptr)
            continue;
        SCOPED_TRACE(row.name);
        QScrollArea* area = scrollAreaAround(control);
        ASSERT_NE(area, nullptr);
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(control))
                tabs->setCurrentIndex(i);
        }
        QApplication::processEvents();
        EXPECT_TRUE(whole.contains(inWindow(area, window.get())));
        area->ensureWidgetVisible(control, 0, 0);
        QApplication::processEvents();
        const QRect viewport(area->viewport()->mapTo(window.get(), QPoint(0, 0)),
                             area->viewport()->size());
        const QRect shown = inWindow(control, window.get());
        EXPECT_TRUE(viewport.contains(shown.topLeft()) || viewport.intersects(shown))
            << "at " << shown.x() << "," << shown.y();
    }
}

// At the form's own size the pages are about as tall as each other: no page
// leaves half of itself empty.
TEST_F(WindowTest, TheTabPagesFillTheWindow) {
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    int tallest = 0;
    QList<int> heights;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QApplication::processEvents();
        auto* area = tabs->widget(i)->findChild<QScrollArea*>();
        heights << area->widget()->sizeHint().height();
        tallest = std::max(tallest, heights.last());
    }
    for (int i = 0; i < heights.size(); ++i)
        EXPECT_GE(heights[i], tallest * 8 / 10) << tabs->tabText(i).toStdString();
}

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

TEST(ReadableColours, ContrastIsTheWcagRatio) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.02);
    QPalette grey;
    grey.setColor(QPalette::WindowText, QColor(0x55, 0x55, 0x55)); // already below the mix
    grey.setColor(QPalette::Window, QColor(0x60, 0x60, 0x60));
    EXPECT_EQ(explanatoryColour(grey), QColor(0x55, 0x55, 0x55)); // never weaker than the text
}

QString withoutAmpersands(QString text) {
    return text.remove(QLatin1Char('&'));
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

TEST_F(WindowTest, HelpAboutAndTheTabKeys) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    auto* help = window->findChild<QDialog*>(QStringLiteral("helpWindow"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->findChild<QTextBrowser*>()->toPlainText();
    for (const char* part : {"Open the camera's file", "Configuration file NOT saved!",
                             "Camera revision not supported!", "Undo"})
        EXPECT_TRUE(text.contains(QLatin1String(part))) << part;
    help->close();

    window->findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
    auto* about = window->findChild<QMessageBox*>(QStringLiteral("aboutBox"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->text(), QStringLiteral("Kavelo Manager " KAVELO_VERSION));
    EXPECT_TRUE(about->informativeText().contains(QStringLiteral("GPL-3.0-or-later")));
    about->close();

    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    tabs->setCurrentIndex(0);
    QTest::keyClick(window.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), tabs->count() - 1);
}

} // namespace
