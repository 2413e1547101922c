#pragma once
// The canvas a self-painting control gets: font and brush from the control.
#include "platform/graphics/TColor.h"

#include <memory>

class TBitmap;
class TCanvas;
class TFont;

namespace ui {

// Font, brush colour (solid) and a black solid pen, as a fresh window canvas has.
void PrepareCanvas(TCanvas* Canvas, TFont* Font, TColor Color);
// A canvas for measuring text outside painting, kept in Holder.
TCanvas* MeasureCanvas(std::unique_ptr<TBitmap>& Holder, TFont* Font);

} // namespace ui
