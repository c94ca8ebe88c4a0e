// The window as a screen reader sees it, in process through QAccessible:
// every control named by its caption and labelled by it, radio groups as
// groupings, sliders that name their choice, the current tab selected, Tab
// entering a group on its checked cell, and every control operated through
// its accessibility actions storing its setting.
#include "WindowFixture.h"

#include "FormControls.h"
#include "SettingsForm.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace {

QAccessibleInterface* accessibleOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

TEST_F(WindowTest, EveryControlIsNamedAndLabelledByItsCaption) {
    int named = 0;
    for (const FormControl& row : formControls()) {
        if (!editsASetting(row))
            continue;
        SCOPED_TRACE(row.name);
        QWidget* control = d().form()->widgetOf(row);
        QAccessibleInterface* face = accessibleOf(control);
        ASSERT_NE(face, nullptr);
        const QString expected =
            captionOf(row) ? QString::fromUtf8(captionOf(row)) : QStringLiteral("Start recording");
        EXPECT_EQ(face->text(QAccessible::Name), expected);
        // Its caption labels it (and so may the group box around it).
        const QObject* caption =
            window->findChild<QLabel*>(QLatin1String(row.name) + QLatin1String("Caption"));
        bool labelled = false;
        for (const auto& [label, relation] : face->relations(QAccessible::Label))
            labelled = labelled || label->object() == caption;
        EXPECT_TRUE(labelled);
        if (qobject_cast<QSlider*>(control) == nullptr && row.shows != Shows::Gain) {
            EXPECT_EQ(face->role(), QAccessible::Grouping);
        }
        EXPECT_NE(control->toolTip().indexOf(QStringLiteral("(kavelo-config: ")), -1);
        if (row.shows == Shows::Gain) { // one colour's gain of each custom white balance
            const QStringList names = commandLineNamesOf(row);
            ASSERT_EQ(names.size(), 3);
            for (int triple = 0; triple < 3; ++triple)
                EXPECT_EQ(names[triple].toStdString(),
                          settingName(kCustom1Red + 3 * triple + row.setting));
        }
        ++named;
    }
    EXPECT_EQ(named, 44 + 9 + 3); // radio groups, sliders, gain fields
}

TEST_F(WindowTest, SlidersTellTheirChoiceAsTheirValue) {
    const struct {
        Slider* D::*slider;
        int setting;
        int value;
        const char* text;
    } cases[] = {
        {&D::whiteBalanceSliderOutlet, kWhiteBalance, 6, "Custom 2"},
        {&D::whiteBalanceSliderOutlet, kWhiteBalance, 0, "Auto"},
        {&D::timeLapseVideo2SliderOutlet, kVideo2TimeLapse, 2, "0.5s"},
        {&D::colorOptionSliderOutlet, kColourEffect, 2, "Sepia"},
        {&D::exposureSliderOutlet, kExposure, -2, "-2"},
    };
    for (const auto& c : cases) {
        mCF.setCameraValue(c.setting, c.value);
        d().updateAllControls();
        QAccessibleInterface* face = accessibleOf((d().*c.slider)->widget());
        EXPECT_EQ(face->text(QAccessible::Value), QString::fromUtf8(c.text)) << c.text;
    }
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("colorOptionChoice"))->text(),
              QStringLiteral("Sepia"));
}

// Qt's bridge to the desktop's accessibility bus passes a value on as a
// number; the description names the choice, and is announced again (on the
// slider's valueChanged) however the value changes: moved by the user, or
// shown by the window (a load, Undo). Without a bus, Qt sends no accessibility
// events at all; slider-choice-over-atspi.py hears them on a real one.
TEST_F(WindowTest, ASliderDescriptionNamesItsChoiceAndFollowsEveryChange) {
    QSlider* slider = d().whiteBalanceSliderOutlet->widget();
    QAccessibleInterface* face = accessibleOf(slider);
    const struct {
        const char* how;
        std::function<void()> change;
        const char* choice;
    } cases[] = {
        {"shown",
         [&] {
             mCF.setCameraValue(kWhiteBalance, 6);
             d().updateAllControls();
         },
         "Custom 2"},
        {"moved", [&] { slider->triggerAction(QAbstractSlider::SliderSingleStepAdd); }, "Custom 1"},
    };
    for (const auto& c : cases) {
        QSignalSpy moves(slider, &QSlider::valueChanged);
        c.change();
        EXPECT_EQ(moves.count(), 1) << c.how;
        EXPECT_EQ(face->text(QAccessible::Description),
                  QString::fromUtf8(c.choice) + QStringLiteral(". ") + slider->toolTip())
            << c.how;
        EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("White balance")) << c.how;
    }
    EXPECT_EQ(mCF.getCameraValue(kWhiteBalance), 5); // the move stored its choice
}

TEST_F(WindowTest, TheCurrentTabIsSelectedAndATabPressOpensIt) {
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    QAccessibleInterface* bar = accessibleOf(tabs->tabBar());
    ASSERT_EQ(bar->childCount(), tabs->count());
    for (int current = 0; current < tabs->count(); ++current) {
        tabs->setCurrentIndex(current);
        for (int i = 0; i < tabs->count(); ++i) {
            EXPECT_EQ(bar->child(i)->state().selected, i == current) << current << " " << i;
            EXPECT_EQ(bar->child(i)->role(), QAccessible::PageTab);
        }
    }
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), QStringLiteral("Video modes"));
    bar->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tabs->currentIndex(), 1);
}

// A screen reader's user hears the choice that holds, not "not checked", and
// Space there changes nothing.
TEST_F(WindowTest, TabEntersARadioGroupOnItsCheckedCell) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("settingsTabs"));
    tabs->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("cameraTab")));
    mCF.setCameraValue(kLens, 2);
    d().updateAllControls();
    QRadioButton* checked = d().lensTypeOutlet->cellAtRow(0, 2);
    QWidget* before = checked->previousInFocusChain();
    while (!(before->focusPolicy() & Qt::TabFocus) || !before->isVisible() || !before->isEnabled())
        before = before->previousInFocusChain();
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), checked);
    QTest::keyClick(checked, Qt::Key_Space);
    EXPECT_EQ(mCF.getCameraValue(kLens), 2);
    // The caption's mnemonic leads there too.
    auto* caption = window->findChild<QLabel*>(QStringLiteral("lensTypeOutletCaption"));
    EXPECT_EQ(caption->buddy(), d().lensTypeOutlet->widget());
    EXPECT_EQ(d().lensTypeOutlet->widget()->focusProxy(), checked);
}

TEST_F(WindowTest, EveryControlWorksThroughItsAccessibilityActions) {
    mCF.setCameraValue(kMotionDetection, 1); // opens the groups that depend on it
    mCF.setCameraValue(kWhiteBalance, 5);    // and the gain fields
    d().updateAllControls();
    for (const ColumnGroup& row : kColumnGroups) {
        RadioMatrix* group = d().*row.group;
        const int last = cellCount(group) - 1;
        QAccessibleInterface* cell = accessibleOf(group->cellAtRow(0, last));
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(mCF.getCameraValue(row.setting), last) << row.name;
        d().updateAllControls();
    }
    for (std::size_t i = 0; i < kSliderSettingCount; ++i) {
        const SliderSetting& row = kSliderSettings[i];
        QSlider* slider = (d().*row.slider)->widget();
        accessibleOf(slider)->valueInterface()->setCurrentValue(slider->minimum());
        const int expected =
            row.setting == kWhiteBalance ? 7 - slider->minimum() : slider->minimum();
        EXPECT_EQ(mCF.getCameraValue(row.setting), expected) << row.name;
        accessibleOf(slider)->actionInterface()->doAction(
            QAccessibleActionInterface::increaseAction());
        EXPECT_EQ(slider->value(), slider->minimum() + 1) << row.name;
    }
    // An assistive tool sets a gain field's text whole.
    mCF.setCameraValue(kWhiteBalance, 5);
    d().updateAllControls();
    QAccessibleInterface* green = accessibleOf(d().whiteBalanceCustomGreen->widget());
    green->editableTextInterface()->replaceText(0, green->textInterface()->characterCount(),
                                                QStringLiteral("512"));
    EXPECT_EQ(mCF.getCameraValue(kCustom1Green), 512);
}

} // namespace
