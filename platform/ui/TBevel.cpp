#include "platform/ui/TBevel.h"

#include "platform/graphics/TCanvas.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape v) {
    FShape = v;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle v) {
    FStyle = v;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas* c = Canvas();
    c->Pen()->SetWidth(1);
    TColor color1 = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor color2 = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    auto rect = [&](TRect r) {
        c->Pen()->SetColor(color1);
        c->Polyline({Point(r.Left, r.Bottom), Point(r.Left, r.Top), Point(r.Right, r.Top)});
        c->Pen()->SetColor(color2);
        c->Polyline({Point(r.Right, r.Top), Point(r.Right, r.Bottom), Point(r.Left, r.Bottom)});
    };
    auto line = [&](TColor color, Integer x1, Integer y1, Integer x2, Integer y2) {
        c->Pen()->SetColor(color);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    const Integer w = Width(), h = Height();
    switch (FShape) {
    case bsBox:
        rect(Rect(0, 0, w - 1, h - 1));
        break;
    case bsFrame: {
        const TColor first = color1;
        color1 = color2;
        rect(Rect(1, 1, w - 1, h - 1));
        color1 = color2 = first;
        rect(Rect(0, 0, w - 2, h - 2));
        break;
    }
    case bsTopLine:
        line(color1, 0, 0, w, 0);
        line(color2, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(color1, 0, h - 2, w, h - 2);
        line(color2, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(color1, 0, 0, 0, h);
        line(color2, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(color1, w - 2, 0, w - 2, h);
        line(color2, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
