#include "platform/ui/ControlCanvas.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace ui {

void PrepareCanvas(TCanvas* Canvas, TFont* Font, TColor Color) {
    Canvas->Font()->Assign(Font);
    Canvas->Brush()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetWidth(1);
}

TCanvas* MeasureCanvas(std::unique_ptr<TBitmap>& Holder, TFont* Font) {
    if (!Holder) {
        Holder = std::make_unique<TBitmap>();
        Holder->SetSize(1, 1);
    }
    Holder->Canvas()->Font()->Assign(Font);
    return Holder->Canvas();
}

} // namespace ui
