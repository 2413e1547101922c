#pragma once
// Pictures of windows for see-through controls: a control and its children
// painted into a canvas, and the background a control covers (its parent and
// the graphic siblings below it).
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TWinControl.h"

// With DrawSelf paints Control's own window at (X, Y); then each child up to
// Control itself: a windowed child through this routine at (X + Left, Y + Top)
// (its own window too when Recursive), any other visible child painted there.
void GetWindowImageFrom(TControl* Control, Integer X, Integer Y, bool DrawSelf, bool Recursive, TCanvas* DC);
void GetWindowImage(TControl* Control, bool DrawSelf, bool Recursive, TCanvas* DC);
// What lies behind Control within Rect (parent coordinates), with Control's
// top-left at (0, 0) of DC: the parent's window, then every visible graphic
// sibling before Control in the parent's list that meets the area. Nothing
// without a parent or when Rect misses the control.
void GetParentImageRect(TControl* Control, const TRect& Rect, TCanvas* DC);
