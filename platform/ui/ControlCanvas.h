#pragma once
// The canvas a self-painting control gets: font and brush from the control.
#include "platform/graphics/TColor.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/TRect.h"

#include <memory>

class TBitmap;
class TCanvas;
class TFont;

namespace ui {

// Font, brush colour (solid) and a black solid pen, as a fresh window canvas has.
void PrepareCanvas(TCanvas* Canvas, TFont* Font, TColor Color);
// A canvas for measuring text outside painting, kept in Holder.
TCanvas* MeasureCanvas(std::unique_ptr<TBitmap>& Holder, TFont* Font);
// Lends Canvas, prepared from Font and Color, to a control's canvas slot while
// Paint runs; the slot gets its old canvas back on every path.
template <typename PaintFn>
void PaintOn(TCanvas*& Slot, TCanvas* Canvas, TFont* Font, TColor Color, PaintFn&& Paint) {
    PrepareCanvas(Canvas, Font, Color);
    TCanvas* saved = Slot;
    Slot = Canvas;
    core::ScopeExit restore([&] { Slot = saved; });
    Paint();
}

// Frame3D: Width rings, top-left in TopColor, bottom-right in
// BottomColor; Rect shrinks by Width.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width);

} // namespace ui
