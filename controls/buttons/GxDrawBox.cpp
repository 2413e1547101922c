#include "controls/buttons/GxDrawBox.h"

#include "controls/buttons/Tgx3DColors.h"
#include "platform/graphics/DrawEdge.h"

namespace {

// The three bevel pens, sharing the style and width of the pen the caller had.
class BevelPens {
public:
    explicit BevelPens(TCanvas* canvas) : FCanvas(canvas) {
        FSaved.Assign(canvas->Pen());
        FDkShadow = gx3DDkShadowColor();
        FHighlight = gx3DHighlightColor();
        FShadow = gx3DShadowColor();
    }
    ~BevelPens() { FCanvas->Pen()->Assign(&FSaved); }
    BevelPens(const BevelPens&) = delete;
    BevelPens& operator=(const BevelPens&) = delete;

    // A line from (x1, y1) up to, not including, (x2, y2).
    void Line(TColor color, Integer x1, Integer y1, Integer x2, Integer y2) {
        FCanvas->Pen()->SetColor(color);
        FCanvas->MoveTo(x1, y1);
        FCanvas->LineTo(x2, y2);
    }

    TColor FDkShadow, FHighlight, FShadow;

private:
    TCanvas* FCanvas;
    TPen FSaved;
};

void DrawBevel(BevelPens& pens, const TRect& d, TRect& inner, TgxSides sides, TBevelCut cut, bool bold) {
    const Integer L = d.Left, T = d.Top, R = d.Right, B = d.Bottom;
    if (sides.Contains(fsdLeft)) {
        if (cut == bvLowered && bold) {
            pens.Line(pens.FDkShadow, L, T, L, B);
            pens.Line(pens.FShadow, L + 1, T + 1, L + 1, B + (sides.Contains(fsdBottom) ? 0 : 1));
            inner.Left += 2;
        } else {
            if (cut == bvRaised)
                pens.Line(pens.FHighlight, L, T, L, B + 1);
            else
                pens.Line(pens.FShadow, L, T, L, B);
            inner.Left += 1;
        }
    }
    if (sides.Contains(fsdTop)) {
        if (cut == bvLowered && bold) {
            pens.Line(pens.FDkShadow, L, T, R, T);
            pens.Line(pens.FShadow, L + 1, T + 1, R, T + 1);
            inner.Top += 2;
        } else {
            pens.Line(cut == bvRaised ? pens.FHighlight : pens.FShadow, L, T, R, T);
            inner.Top += 1;
        }
    }
    if (sides.Contains(fsdRight)) {
        if (cut == bvRaised && bold) {
            pens.Line(pens.FDkShadow, R, T, R, B + 1);
            pens.Line(pens.FShadow, R - 1, T + 1, R - 1, B + 1);
            inner.Right -= 2;
        } else {
            if (cut == bvLowered)
                pens.Line(pens.FHighlight, R, T, R, B);
            else if (cut == bvRaised)
                pens.Line(pens.FShadow, R, T, R, B + 1);
            else
                pens.Line(pens.FShadow, R, T, R, B);
            inner.Right -= 1;
        }
    }
    if (sides.Contains(fsdBottom)) {
        if (cut == bvRaised && bold) {
            pens.Line(pens.FDkShadow, L, B, R, B);
            pens.Line(pens.FShadow, L + (sides.Contains(fsdLeft) ? 1 : 0), B - 1, R, B - 1);
            inner.Bottom -= 2;
        } else {
            if (cut == bvLowered)
                pens.Line(pens.FHighlight, L, B, R + 1, B);
            else if (cut == bvRaised)
                pens.Line(pens.FShadow, L, B, R, B);
            else
                pens.Line(pens.FShadow, L, B, R + 1, B);
            inner.Bottom -= 1;
        }
    }
}

void Edge(HDC DC, const TRect& r, Cardinal edge, Cardinal flags) {
    TRect copy = r;
    DrawEdge(DC, copy, edge, flags);
}

void RecessedSequence(HDC DC, TRect& r) {
    Edge(DC, r, BDR_SUNKENINNER, BF_TOPLEFT);
    Edge(DC, r, BDR_SUNKENOUTER, BF_BOTTOMRIGHT);
    r.Right -= 1;
    r.Bottom -= 1;
    r.Left += 1;
    r.Top += 1;
    Edge(DC, r, BDR_SUNKENOUTER, BF_TOPLEFT | BF_MIDDLE);
    r.Left += 1;
    r.Top += 1;
}

void RaisedSequence(HDC DC, TRect& r) {
    Edge(DC, r, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
    r.Right -= 1;
    r.Bottom -= 1;
    Edge(DC, r, BDR_RAISEDINNER, BF_TOPLEFT);
    r.Left += 1;
    r.Top += 1;
    Edge(DC, r, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_MIDDLE);
}

void Shrink(TRect& r, Integer n) {
    r.Left += n;
    r.Top += n;
    r.Right -= n;
    r.Bottom -= n;
}

} // namespace

TRect DrawBoxEx(HDC DC, const TRect& Rect, TgxSides Sides, TBevelCut BevelInner, TBevelCut BevelOuter,
                bool Bold, TColor Color, bool Transparent) {
    if (!DC) return Rect;
    TRect inner = Rect;
    {
        BevelPens pens(DC);
        if (BevelOuter != bvNone) DrawBevel(pens, Rect, inner, Sides, BevelOuter, Bold);
        const TRect d = inner;
        if (BevelInner != bvNone) DrawBevel(pens, d, inner, Sides, BevelInner, Bold);
    }
    if (!Transparent) {
        TBrush brush;
        brush.SetColor(ColorToRGB(Color));
        FillRect(DC, TRect(inner.Left, inner.Top, inner.Right + 1, inner.Bottom + 1), &brush);
    }
    return inner;
}

void DrawBox(HDC DC, TRect& Rect, TgxBoxStyle BoxStyle, TColor Color, bool Transparent) {
    switch (BoxStyle) {
    case fbsFlat:
    case fbsStatusControl:
        break;
    case fbsCtl3D:
        Rect.Left += 2;
        Rect.Top += 2;
        Rect.Right -= 2;
        Rect.Bottom -= 1;
        break;
    case fbsRecessed:
        Rect.Bottom -= 1;
        RecessedSequence(DC, Rect);
        break;
    case fbsRaised:
        Shrink(Rect, 2);
        RaisedSequence(DC, Rect);
        break;
    case fbsRaisedFrame:
        RaisedSequence(DC, Rect);
        Shrink(Rect, 1);
        RecessedSequence(DC, Rect);
        break;
    case fbsRecessedFrame:
        RecessedSequence(DC, Rect);
        Shrink(Rect, 1);
        RaisedSequence(DC, Rect);
        break;
    }
}
