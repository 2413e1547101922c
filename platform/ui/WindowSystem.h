#pragma once
// What the window system tells about the desktop session: the screen saver's
// delay, the lock keys and the frame the window manager draws around a window.
// The X11 server answers where the program runs on one; elsewhere (the
// off-screen platform, or before the window layer has started) no screen
// saver runs, no lock key is on and no frame is published.
#include "platform/core/Types.h"

class TCustomForm;

enum class TLockKey { CapsLock, NumLock, ScrollLock };

// Seconds of idleness before the screen saver starts; 0 when it is off or unknown.
Integer ScreenSaverTimeout();
// Whether the key's lock is on.
bool LockKeyToggled(TLockKey Key);

// The frame's thickness on each side of the window's client area; Top holds
// the caption as well.
struct TFrameExtents {
    Integer Left = 0;
    Integer Right = 0;
    Integer Top = 0;
    Integer Bottom = 0;
    bool operator==(const TFrameExtents&) const = default;
};
// The frame the window manager has put around a shown form; false when it
// publishes none (no window manager, the form not shown, the off-screen platform).
bool GetFrameExtents(const TCustomForm* Form, TFrameExtents& Extents);
