// Lock-key state read from the X server through Qt's own connection, or from
// key events under Wayland; all off where neither tells (offscreen).
#include "platform/lockkeys.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>

using namespace platform;

// Wayland: the locks as the key events' native modifiers (the xkb mask as it
// stood before each key) tell them; a lock key's own release comes with the
// mask its press made. Run under a compositor by the Wayland end-to-end tests.
TEST(LockKeys, FollowTheModifiersOfKeyEventsUnderWayland)
{
    if (!QGuiApplication::platformName().startsWith("wayland"))
        GTEST_SKIP() << "not on Wayland";
    EXPECT_FALSE(lockKeyState().caps || lockKeyState().num); // nothing pressed yet
    constexpr quint32 Lock = 1u << 1, Mod2 = 1u << 4;
    struct Row {
        QEvent::Type type;
        int key;
        quint32 native;
        bool caps, num;
    } rows[] = {
        {QEvent::KeyPress, Qt::Key_A, Mod2, false, true},
        {QEvent::KeyPress, Qt::Key_CapsLock, Mod2, false, true},
        {QEvent::KeyRelease, Qt::Key_CapsLock, Lock | Mod2, true, true}, // locked by this press
        {QEvent::KeyPress, Qt::Key_CapsLock, Lock | Mod2, true, true},
        {QEvent::KeyRelease, Qt::Key_CapsLock, Lock | Mod2, false, true}, // held, but unlocked
        {QEvent::KeyPress, Qt::Key_NumLock, Mod2, false, true},
        {QEvent::KeyRelease, Qt::Key_NumLock, Mod2, false, false},
        {QEvent::KeyPress, Qt::Key_B, Lock, true, false}, // locked elsewhere meanwhile
        {QEvent::KeyRelease, Qt::Key_B, 0, false, false},
    };
    QWidget target;
    for (const Row& row : rows) {
        QKeyEvent event(row.type, row.key, Qt::NoModifier, 0, 0, row.native);
        QCoreApplication::sendEvent(&target, &event);
        const LockKeys keys = lockKeyState();
        EXPECT_EQ(keys.caps, row.caps) << "key " << row.key << ", native " << row.native;
        EXPECT_EQ(keys.num, row.num) << "key " << row.key << ", native " << row.native;
        EXPECT_FALSE(keys.scroll);
    }
}

// Xlib after the Qt code: its macros (KeyPress...) clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace {

Display* display()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

// Locks or unlocks modifiers on the server, as the keys would.
void lockModifiers(unsigned mask, unsigned values)
{
    XkbLockModifiers(display(), XkbUseCoreKbd, mask, values);
    XSync(display(), False);
}

unsigned numLockMask()
{
    return XkbKeysymToModifiers(display(), XK_Num_Lock);
}

} // namespace

TEST(LockKeys, FollowTheServerUnderX11AndAreOffElsewhere)
{
    if (QGuiApplication::platformName() != "xcb") {
        const LockKeys keys = lockKeyState();
        EXPECT_FALSE(keys.caps || keys.num || keys.scroll);
        GTEST_SKIP() << "not on X11: only the all-off answer is checked";
    }
    ASSERT_NE(display(), nullptr);
    const unsigned num = numLockMask();
    ASSERT_NE(num, 0u);

    lockModifiers(LockMask | num, LockMask);
    LockKeys keys = lockKeyState();
    EXPECT_TRUE(keys.caps);
    EXPECT_FALSE(keys.num);

    lockModifiers(LockMask | num, num);
    keys = lockKeyState();
    EXPECT_FALSE(keys.caps);
    EXPECT_TRUE(keys.num);

    lockModifiers(LockMask | num, 0);
    keys = lockKeyState();
    EXPECT_FALSE(keys.caps || keys.num || keys.scroll);
}
