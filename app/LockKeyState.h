// Whether Caps Lock and Num Lock are on, read from the X server's keyboard
// indicators. Where there is no X server (other platforms, tests) both read off.
#pragma once

namespace tarvela {

struct LockKeys {
    bool capsLock = false;
    bool numLock = false;
};

LockKeys lockKeyState();

} // namespace tarvela
