// The window tests share one QApplication per process.
#include "TestBus.h"
#include "TestFiles.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

const PrivateBus& testBus() {
    static const PrivateBus bus;
    return bus;
}

int main(int argc, char* argv[]) {
    // Test discovery runs the binary outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    useScratchHome();
    testBus().becomeSystemBus();
    QApplication application(argc, argv);
    // Whatever Qt keeps for the user goes to its test folders, not the real ones.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
