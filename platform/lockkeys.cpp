#include "platform/lockkeys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QtGui/qguiapplication_platform.h>

#include <dlfcn.h>

namespace platform {

namespace {

// Wayland tells a client its locked modifiers only along with its keyboard
// events; Qt hands them on as each key event's native modifiers, the xkb
// modifier mask as it stood before that key, in which the standard keymaps
// put Caps Lock on Lock and Num Lock on Mod2. Scroll Lock is no modifier
// there, so it shows off.
class KeyEventModifiers : public QObject {
public:
    struct Lock {
        int key;
        quint32 bit;
        bool on = false;
        bool onAtPress = false;
    };
    Lock caps{Qt::Key_CapsLock, 1u << 1};
    Lock num{Qt::Key_NumLock, 1u << 4};

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            for (Lock* lock : {&caps, &num}) {
                const bool before = (key->nativeModifiers() & lock->bit) != 0;
                // The lock key's own release comes with the state its press
                // made, held down: the lock is the opposite of before it.
                if (key->key() != lock->key || type == QEvent::ShortcutOverride)
                    lock->on = before;
                else if (type == QEvent::KeyPress)
                    lock->on = lock->onAtPress = before;
                else
                    lock->on = !lock->onAtPress;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Installed at the first question, which comes before any key of interest:
// the status bar asks as soon as it is built.
const KeyEventModifiers* waylandModifiers()
{
    static QPointer<KeyEventModifiers> watcher; // gone with its application
    if (!watcher && qGuiApp && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        watcher = new KeyEventModifiers;
        watcher->setParent(qGuiApp);
        qGuiApp->installEventFilter(watcher);
    }
    return watcher;
}

} // namespace

} // namespace platform

// Xlib comes after Qt's headers and code: its macros (None, Bool, KeyPress...)
// clash with Qt's names. Only its types are used: the library itself is
// looked up at run time, so a program on Wayland never needs it.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace platform {

namespace {

#if QT_CONFIG(xcb)
struct X11Calls {
    decltype(&XInternAtom) internAtom = nullptr;
    decltype(&XkbGetNamedIndicator) getNamedIndicator = nullptr;
};

// Qt's X11 platform has loaded Xlib already; where it is not in the process,
// there is no X11 display to ask either.
const X11Calls& x11Calls()
{
    static const X11Calls calls = [] {
        X11Calls found;
        if (void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD)) {
            found.internAtom = reinterpret_cast<decltype(&XInternAtom)>(dlsym(library, "XInternAtom"));
            found.getNamedIndicator =
                reinterpret_cast<decltype(&XkbGetNamedIndicator)>(dlsym(library, "XkbGetNamedIndicator"));
        }
        return found;
    }();
    return calls;
}

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
    const X11Calls& x11 = x11Calls();
    if (!x11.internAtom || !x11.getNamedIndicator)
        return false;
    const Atom atom = x11.internAtom(display, name, False);
    if (atom == None)
        return false;
    Bool on = False;
    if (!x11.getNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
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
        return keys;
    }
#endif
    if (const KeyEventModifiers* wayland = waylandModifiers()) {
        keys.caps = wayland->caps.on;
        keys.num = wayland->num.on;
    }
    return keys;
}

} // namespace platform
