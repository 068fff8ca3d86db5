#include "platform/lockkeys.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

// Xlib comes last: its macros (None, Bool, Status...) clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace platform {

namespace {

#if QT_CONFIG(xcb)
Display* x11Display()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// Asked by indicator name rather than by bit number: keymaps number the
// indicators differently.
bool indicatorOn(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, False);
    if (atom == None)
        return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
}
#endif

} // namespace

LockKeys lockKeyState()
{
    LockKeys keys;
#if QT_CONFIG(xcb)
    if (Display* display = x11Display()) {
        keys.caps = indicatorOn(display, "Caps Lock");
        keys.num = indicatorOn(display, "Num Lock");
        keys.scroll = indicatorOn(display, "Scroll Lock");
    }
#endif
    return keys;
}

} // namespace platform
