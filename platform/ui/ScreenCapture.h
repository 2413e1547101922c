#pragma once
// Reading and marking the screen itself, for the library's desktop capture
// and window outline animation. Both work where the display server lets a
// program read the screen (X11) and do nothing elsewhere (offscreen, Wayland).
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

#include <vector>

class TBitmap;

namespace ui {

// Bitmap := the screen area (24-bit); false, bitmap unchanged, when the
// screen cannot be read.
bool GrabScreen(const TRect& Area, TBitmap* Bitmap);
// Shows each rectangle (screen coordinates) as a dotted outline over the
// screen, one after the other, PauseMs apart, and leaves the screen as it
// was. False when the screen cannot be drawn on.
bool AnimateScreenOutlines(const std::vector<TRect>& Frames, Cardinal PauseMs);
// The mouse pointer's position on the screen.
TPoint GetCursorPos();
// Whether GetCursorPos follows the pointer (X11); the off-screen platform
// and Wayland do not report it.
bool CursorPosReadable();

} // namespace ui
