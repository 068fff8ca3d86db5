#pragma once
// State of the three lock keys, for a status bar. All off where the platform
// cannot tell (no X11 display, offscreen tests).
namespace platform {

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockKeys lockKeyState();

} // namespace platform
