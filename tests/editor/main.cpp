// The editor's tests run its windows off screen. The start-up tests read and write settings: before
// anything else, the user's and the installed settings are moved to folders of this run, so the
// real ones are never touched.
#include "tests/editor/settings_env.h"
#include "tests/guard/process_guard.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QTemporaryDir* g_pSettingsRoot = nullptr;
} // namespace

const std::string& SettingsRoot()
{
    static const std::string root = g_pSettingsRoot->path().toStdString();
    return root;
}

int main(int argc, char** argv)
{
    testguard::GuardProcess();
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    g_pSettingsRoot = &root;
    setenv("XDG_CONFIG_HOME", (root.path() + "/home").toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_DIRS", (root.path() + "/system").toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root.path() + "/runtime").toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
