// The tests run on real widgets, so they need an application object; without a
// display they draw off screen.
#include "TestFiles.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    useScratchHome();
    QApplication app(argc, argv);
    // Whatever Qt keeps for the user goes to its test folders, not the real ones.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
