// The main of the test programs whose tests draw text or pictures: fonts and pixmaps need the
// application object. No window opens.
#include "tests/guard/process_guard.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    testguard::GuardProcess();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
