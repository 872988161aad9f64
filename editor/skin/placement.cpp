#include "editor/skin/placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

bool CanPlaceOwnWindows()
{
    // Qt's Wayland plugins are "wayland", "wayland-egl" and their sisters.
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void CoverScreen(QWidget* window, const QRect& rcScreen)
{
    window->setGeometry(rcScreen);
    if (!CanPlaceOwnWindows())
        window->setWindowState(window->windowState() | Qt::WindowFullScreen);
}

namespace {

bool CanOwn(const QWidget* candidate, const QWidget* except)
{
    if (candidate == nullptr || candidate == except || !candidate->isVisible())
        return false;
    const Qt::WindowType type = candidate->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::SplashScreen;
}

} // namespace

QWidget* DefaultOwner(const QWidget* except)
{
    if (QWidget* modal = QApplication::activeModalWidget(); CanOwn(modal, except))
        return modal;
    if (QWidget* active = QApplication::activeWindow(); CanOwn(active, except))
        return active;
    // A program whose windows are not active (or a window system that does not say which is):
    // a shown window of the program, the splash only when nothing else shows.
    QWidget* splash = nullptr;
    for (QWidget* candidate : QApplication::topLevelWidgets()) {
        if (!CanOwn(candidate, except))
            continue;
        if (candidate->windowType() != Qt::SplashScreen)
            return candidate;
        splash = candidate;
    }
    return splash;
}

bool GiveDefaultOwner(QWidget* window)
{
    if (window == nullptr || !window->isWindow() || window->parentWidget() != nullptr)
        return false;
    QWidget* owner = DefaultOwner(window);
    if (owner == nullptr || owner->windowHandle() == nullptr)
        return false;
    window->winId(); // the window's own handle, to say whose it is
    if (window->windowHandle() == nullptr)
        return false;
    window->windowHandle()->setTransientParent(owner->windowHandle());
    return true;
}
