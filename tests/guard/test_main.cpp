// The main of the test programs that need no application object before their tests run.
#include "tests/guard/process_guard.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testguard::GuardProcess();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
