// The form agrees with the table of what the window offers, gives the
// delegate every control it needs, and fits small screens: every control
// reachable at 1024x600, and tab pages that fill the window.
#include "WindowFixture.h"

#include "FormControls.h"
#include "MainWindowForm.h"
#include "Settings.h"
#include "SettingsForm.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>

#include <stdexcept>

namespace {

void expectCaptions(RadioMatrix* group, const char* const* captions, int count, const char* name) {
    SCOPED_TRACE(name);
    EXPECT_EQ(cellCount(group), count);
    for (int column = 0; column < count; ++column) {
        QRadioButton* cell = group->cellAtRow(0, column);
        ASSERT_NE(cell, nullptr) << "column " << column;
        EXPECT_EQ(cell->text(), QString::fromUtf8(captions[column]));
    }
}

} // namespace

TEST_F(WindowTest, EveryRadioGroupOffersTheChoicesOfItsSetting) {
    for (const ColumnGroup& row : kColumnGroups) {
        const SettingRow& offer = settingRow(row.setting);
        ASSERT_EQ(offer.control, Control::RadioGroup) << row.name;
        ASSERT_EQ(offer.minimum, 0) << row.name;
        expectCaptions(d().*row.group, offer.valueCaptions, offer.maximum + 1, row.name);
    }
    for (Group fov : {&D::videoMode1FOVOutlet, &D::videoMode2FOVOutlet})
        expectCaptions(d().*fov, kFieldOfViewCaptions, 2, "field of view");
    for (Group res : {&D::videoMode1ResOutlet, &D::videoMode2ResOutlet})
        expectCaptions(d().*res, kResolutionCaptions, 3, "resolution");
    for (Group fps : {&D::videoMode1FPSOutlet, &D::videoMode2FPSOutlet}) {
        const SettingRow& rates = settingRow(kVideo1FrameRate);
        expectCaptions(d().*fps, kFrameRateCaptions, rates.maximum - rates.minimum + 1,
                       "frame rate");
    }
}

TEST_F(WindowTest, AutoRecordGroupHasOneCellPerPairOfSettings) {
    EXPECT_EQ(cellCount(d().powerOnAutoRecordOutlet), 4);
    for (long row = 0; row <= settingRow(kAutoRecordExternalPower).maximum; ++row) {
        for (long column = 0; column <= settingRow(kAutoRecordPowerButton).maximum; ++column)
            EXPECT_NE(d().powerOnAutoRecordOutlet->cellAtRow(row, column), nullptr);
    }
}

TEST_F(WindowTest, EverySliderCoversTheValuesOfItsSetting) {
    for (std::size_t i = 0; i < kSliderSettingCount; ++i) {
        const SliderSetting& row = kSliderSettings[i];
        const SettingRow& offer = settingRow(row.setting);
        const QSlider* slider = (d().*row.slider)->widget();
        EXPECT_EQ(slider->minimum(), offer.minimum) << row.name;
        EXPECT_EQ(slider->maximum(), offer.maximum) << row.name;
    }
}

TEST_F(WindowTest, ClipLengthCellOutletsAreTheLongClipCells) {
    const struct {
        ButtonCell* D::*cell;
        Group group;
        long column;
    } cells[] = {
        {&D::videoClipLength10Outlet, &D::videoClipLength1Outlet, 2},
        {&D::videoClipLength15Outlet, &D::videoClipLength1Outlet, 3},
        {&D::videoClipLengthMaxOutlet, &D::videoClipLength1Outlet, 4},
        {&D::video2ClipLength10Outlet, &D::videoClipLength2Outlet, 2},
        {&D::video2ClipLength15Outlet, &D::videoClipLength2Outlet, 3},
        {&D::video2ClipLengthMaxOutlet, &D::videoClipLength2Outlet, 4},
    };
    for (const auto& row : cells)
        EXPECT_EQ((d().*row.cell)->widget(), (d().*row.group)->cellAtRow(0, row.column));
}

TEST_F(WindowTest, StartsAsAWindowReadyForAFile) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kavelo Manager"));
    EXPECT_FALSE(d().saveConfigButtonOutlet->widget()->isEnabled());
    EXPECT_FALSE(d().setDefaultsButtonOutlet->widget()->isEnabled());
    const QWidget* dropArea = window->findChild<QWidget*>(QStringLiteral("myView"));
    ASSERT_NE(dropArea, nullptr);
    EXPECT_GE(dropArea->width(), 220);
    EXPECT_GE(dropArea->height(), 90);
    for (const char* name : {"actionOpen", "actionSave", "actionQuit"})
        EXPECT_NE(window->findChild<QAction*>(QLatin1String(name)), nullptr) << name;
    EXPECT_NE(window->findChild<QPushButton*>(QStringLiteral("loadButton")), nullptr);
    // Room for the desktop's panel and the window's title bar on a 1366x768 screen.
    const QSize needed = window->minimumSizeHint();
    EXPECT_LE(needed.width(), 1366);
    EXPECT_LE(needed.height(), 768 - 60);
}

TEST(WindowBinding, FailsLoudlyNamingWhatTheFormLacks) {
    for (const char* name : {"lensTypeOutlet", "usbDataCharging", "videoClipLengthMaxOutlet",
                             "whiteBalanceSliderOutlet", "whiteBalanceCustomBlue", "sharpnessLabel",
                             "setDefaultsButtonOutlet", "exitButton", "actionQuit"}) {
        const auto window = loadMainWindow();
        window->findChild<QObject*>(QLatin1String(name))->setObjectName(QStringLiteral("renamed"));
        MyAppDelegate delegate;
        try {
            delegate.bindOutlets(window.get());
            ADD_FAILURE() << "bound without " << name;
        } catch (const std::runtime_error& problem) {
            EXPECT_NE(std::string(problem.what()).find(name), std::string::npos) << problem.what();
        }
    }
}

TEST(WindowBinding, RefusesARadioCellWithoutItsPlace) {
    const auto window = loadMainWindow();
    window->findChild<QRadioButton*>(QStringLiteral("lensTypeOutlet_1"))->setProperty("column", {});
    MyAppDelegate delegate;
    EXPECT_THROW(delegate.bindOutlets(window.get()), std::runtime_error);

    const auto twice = loadMainWindow();
    twice->findChild<QRadioButton*>(QStringLiteral("lensTypeOutlet_1"))->setProperty("column", 0);
    MyAppDelegate again;
    EXPECT_THROW(again.bindOutlets(twice.get()), std::runtime_error);
}

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

} // namespace
