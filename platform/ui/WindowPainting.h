#pragma once
// A control's own window painted onto any canvas: its background and what it
// paints itself, without its child controls. The library's see-through
// controls build the picture behind them from these.
#include "platform/graphics/TRect.h"

class TCanvas;
class TControl;

namespace ui {

// Paints Control with its top-left at At (logical coordinates of Canvas),
// inside the canvas's clip.
void PaintWindowOnly(TControl* Control, TCanvas* Canvas, TPoint At);

} // namespace ui
