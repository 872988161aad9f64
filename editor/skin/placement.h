// Where the program's top-level windows go. Some window systems let a program place its own
// windows (X11); others place every window themselves and let a program say only which window a
// new one belongs to, and whether a window fills its screen (Wayland). The program's windows
// never depend on a place they cannot have: a window that covers the screen asks for the whole
// screen, and a dialog opens over its owner.
#pragma once

#include <QRect>

class QWidget;

// True where the window system lets the program place its own top-level windows and read the
// pointer's position on the screen.
bool CanPlaceOwnWindows();

// Makes window, a top-level window not shown yet, cover the screen rcScreen: at the screen's
// corner in its size where the program places its windows, in the window system's full-screen
// state elsewhere.
void CoverScreen(QWidget* window, const QRect& rcScreen);

// The window that a top-level window without a parent belongs to when it opens: the modal
// window on top, else the active window, else a shown window of the program, the splash last
// (never except, a tool tip or a menu); none when the program shows no window.
QWidget* DefaultOwner(const QWidget* except = nullptr);

// Gives window (a top-level window about to show) an owner when it has no parent: the window
// system keeps it over that one and opens it there. False when it has a parent or no owner is
// to be had.
bool GiveDefaultOwner(QWidget* window);
