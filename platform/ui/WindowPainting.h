#pragma once
// A control's own window painted onto any canvas: its background and what it
// paints itself, without its child controls. The library's see-through
// controls build the picture behind them from these.
#include "platform/graphics/TRect.h"

#include <functional>

class TCanvas;
class TControl;

namespace ui {

// Paints Control with its top-left at At (logical coordinates of Canvas),
// inside the canvas's clip.
void PaintWindowOnly(TControl* Control, TCanvas* Canvas, TPoint At);
// Runs Paint with a canvas over Control's window. Only while the window is
// being painted (a hook's WM_PAINT); what Paint draws replaces the window's
// own painting when the hook then handles the message.
void PaintOnWindow(TControl* Control, const std::function<void(TCanvas*)>& Paint);
// Whether the client area of a windowed control fills its own background
// (a form's client area does). Off, the window's painting shows through it.
void SetClientBackground(TControl* Control, bool Filled);

} // namespace ui
