// The application object the benchmarks that draw texts need.
#pragma once

#include <QGuiApplication>

#include <cstdlib>

// Fonts need the application object; the benchmarks never show a window.
inline void EnsureApplication()
{
    if (QGuiApplication::instance() != nullptr)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vimble-bench";
    static char* argv[] = { name, nullptr };
    static QGuiApplication app(argc, argv);
}
