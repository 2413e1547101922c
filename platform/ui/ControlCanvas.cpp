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

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, Integer Width) {
    Canvas->Pen()->SetWidth(1);
    --Rect.Bottom;
    --Rect.Right;
    while (Width-- > 0) {
        Canvas->Pen()->SetColor(TopColor);
        Canvas->Polyline(
            {Point(Rect.Left, Rect.Bottom), Point(Rect.Left, Rect.Top), Point(Rect.Right, Rect.Top)});
        Canvas->Pen()->SetColor(BottomColor);
        Canvas->Polyline(
            {Point(Rect.Right, Rect.Top), Point(Rect.Right, Rect.Bottom), Point(Rect.Left - 1, Rect.Bottom)});
        InflateRect(Rect, -1, -1);
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

} // namespace ui
