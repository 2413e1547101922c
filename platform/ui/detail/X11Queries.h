#pragma once
// Platform-internal: the window-system questions asked of an X11 display, so
// that they can be put to a display of one's own as well as to the program's.
#include "platform/ui/WindowSystem.h"

struct _XDisplay;

namespace ui::x11 {

// The program's display; null when it does not run on X11.
_XDisplay* ProgramDisplay();

Integer ScreenSaverTimeout(_XDisplay* display);
bool LockKeyToggled(_XDisplay* display, TLockKey Key);
// The _NET_FRAME_EXTENTS property of a top-level window.
bool FrameExtents(_XDisplay* display, unsigned long window, TFrameExtents& Extents);

} // namespace ui::x11
