// Lock-key state read from the X server through Qt's own connection; all off
// where there is no X11 (offscreen, or no application at all).
#include "platform/lockkeys.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>

#include <X11/XKBlib.h>
#include <X11/keysym.h>

using namespace platform;

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
