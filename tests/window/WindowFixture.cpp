#include "WindowFixture.h"

#include "ConfigFileText.h"
#include "MainWindowForm.h"
#include "TestFiles.h"

#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

void WindowTest::SetUp() {
    mCF = KaveloConfigParser();
    window = loadMainWindow();
    delegate = std::make_unique<MyAppDelegate>();
    delegate->bindOutlets(window.get());
    window->show();
    delegate->applicationDidFinishLaunching();
}

void WindowTest::TearDown() {
    delegate.reset();
    window.reset();
    mCF = KaveloConfigParser();
}

void WindowTest::clearRefreshMark() {
    d().lensTypeOutlet->selectCellAtRow(0, -1);
}

bool WindowTest::refreshed() const {
    return delegate->lensTypeOutlet->selectedColumn() != -1;
}

namespace {

// A user sees a control only on the tab that holds it.
void bringIntoView(QWidget* widget) {
    for (QWidget* page = widget; page != nullptr; page = page->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(
            page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr);
        if (tabs != nullptr && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
}

} // namespace

void click(RadioMatrix* group, long column, long row) {
    QRadioButton* cell = group->cellAtRow(row, column);
    ASSERT_NE(cell, nullptr) << "no cell at row " << row << ", column " << column;
    bringIntoView(cell);
    QStyleOptionButton option;
    option.initFrom(cell);
    const QRect indicator =
        cell->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, cell);
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

void type(NumberField* field, const QString& text) {
    QLineEdit* edit = field->widget();
    bringIntoView(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void slideTo(Slider* slider, int position) {
    QSlider* widget = slider->widget();
    bringIntoView(widget);
    QTest::keyClick(widget, Qt::Key_Home);
    for (int step = widget->minimum(); step < position; ++step)
        QTest::keyClick(widget, Qt::Key_Right);
}

int cellCount(const RadioMatrix* group) {
    return static_cast<int>(group->widget()->findChildren<QRadioButton*>().size());
}

Settings settingsNow() {
    Settings now{};
    for (int i = 0; i < kSettingCount; ++i)
        now[i] = mCF.getCameraValue(i);
    return now;
}

std::set<int> changed(const Settings& before, const Settings& after) {
    std::set<int> indices;
    for (int i = 0; i < kSettingCount; ++i) {
        if (before[i] != after[i])
            indices.insert(i);
    }
    return indices;
}

void loadFileWithFirmware(const std::string& firmware, int cardFormat) {
    std::string text = configFileText(KaveloConfigParser(), std::tm{});
    // Our writer leaves the card format out for an unknown firmware; put it back.
    const std::string motion = "Motion Detect=";
    text.insert(text.find(motion),
                "TF card format filesystem=[" + std::to_string(cardFormat) + "];\n");
    text.replace(text.rfind("{}\n{}"), 5, "{" + firmware + "}\n{HW v003}");
    ASSERT_TRUE(readFromMemory(mCF, text)) << text;
}
