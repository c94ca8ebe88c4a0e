// Unsaved changes are never lost without a question: Exit, Quit, closing the
// window and every way of opening another file ask to save, drop or keep
// them, with the platform's standard buttons; with nothing changed, nothing
// is asked.
#include "FileWorkflowFixture.h"

#include "TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class UnsavedChanges : public FileWorkflowTest {
  protected:
    // The file is open, and the lens changed in the window only.
    void SetUp() override {
        FileWorkflowTest::SetUp();
        first = write(QStringLiteral("FIRST.TXT"), ConfigFile{{{39, 0}}});
        second = write(QStringLiteral("SECOND.TXT"), ConfigFile{{{39, 2}}});
        d().readConfigFile(first);
        click(d().lensTypeOutlet, 1);
    }

  public:
    QString first;
    QString second;
};

// Each way the settings would go, and whether they went.
struct Way {
    const char* name;
    std::function<bool(UnsavedChanges&, MyAppDelegate&, QMainWindow&)> go; // true: they went
};

// The program's event loop runs until Exit or Quit ends it, or a moment
// after the action; no timer of one run is left for the next.
bool endsTheProgram(const std::function<void()>& action) {
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QApplication::exit(7); });
    QTimer::singleShot(0, &giveUp, [&] {
        action();
        giveUp.start(500);
    });
    return QApplication::exec() == 0;
}

const Way kWays[] = {
    {"Exit",
     [](UnsavedChanges&, MyAppDelegate&, QMainWindow& window) {
         return endsTheProgram([&] {
             QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("exitButton")),
                               Qt::LeftButton);
         });
     }},
    {"Quit",
     [](UnsavedChanges&, MyAppDelegate&, QMainWindow& window) {
         return endsTheProgram(
             [&] { window.findChild<QAction*>(QStringLiteral("actionQuit"))->trigger(); });
     }},
    {"the window's close button",
     [](UnsavedChanges&, MyAppDelegate&, QMainWindow& window) {
         QCloseEvent close;
         QApplication::sendEvent(&window, &close);
         return close.isAccepted();
     }},
    {"Load...",
     [](UnsavedChanges& test, MyAppDelegate& d, QMainWindow&) {
         openWithPanel(d, test.second);
         return mCF.getCameraValue(39) == 2;
     }},
    {"Open with",
     [](UnsavedChanges& test, MyAppDelegate& d, QMainWindow&) {
         d.applicationOpenFile(test.second);
         return mCF.getCameraValue(39) == 2;
     }},
};

TEST_F(UnsavedChanges, AreSavedDroppedOrKeptAsTheUserAnswers) {
    for (const Way& way : kWays) {
        SCOPED_TRACE(way.name);
        for (const QMessageBox::StandardButton choice :
             {QMessageBox::Cancel, QMessageBox::Discard, QMessageBox::Save}) {
            SCOPED_TRACE(choice);
            answer = QMessageBox::Discard; // whatever the last round left
            writeWholeFile(first.toStdString(), configText(ConfigFile{{{39, 0}}}));
            d().readConfigFile(first);
            click(d().lensTypeOutlet, 1);
            questions.clear();
            answer = choice;

            const bool went = way.go(*this, d(), *window);
            ASSERT_EQ(questions.size(), 1u);
            EXPECT_TRUE(questions[0].text.contains(QStringLiteral("FIRST.TXT")));
            EXPECT_EQ(questions[0].buttons,
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            EXPECT_EQ(went, choice != QMessageBox::Cancel);
            KaveloConfigParser file;
            stderrOf([&] { ASSERT_TRUE(file.readConfigFile(first.toUtf8().constData())); });
            EXPECT_EQ(file.getCameraValue(39), choice == QMessageBox::Save ? 1 : 0);
            if (!went) {
                EXPECT_EQ(mCF.getCameraValue(39), 1) << "the changes stay in the window";
            }
        }
    }
}

TEST_F(UnsavedChanges, NothingIsAskedWithNothingChanged) {
    click(d().lensTypeOutlet, 0); // back to what the file holds
    d().applicationOpenFile(second);
    EXPECT_EQ(mCF.getCameraValue(39), 2);
    QCloseEvent close;
    QApplication::sendEvent(window.get(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_TRUE(questions.empty());
}

} // namespace
