// The dialog tests run with the resource library of the build installed, in a widget
// application on the offscreen platform (unless told another); the user's and the installed
// settings are moved to folders of this run first, so the real ones are never touched.
#include "platform/resources.h"
#include "tests/buildpaths.h"
#include "tests/guard/process_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

int main(int argc, char** argv)
{
    testguard::GuardProcess();
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    setenv("XDG_CONFIG_HOME", (root.path() + "/home").toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_DIRS", (root.path() + "/system").toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root.path() + "/runtime").toLocal8Bit().constData(), 1);
    // No test needs a screen; the test discovery of the build runs without the test settings.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    auto library
        = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
    if (!library)
        return 1;
    platform::SetResourceLibrary(library.get());
    const int result = RUN_ALL_TESTS();
    platform::SetResourceLibrary(nullptr);
    return result;
}
