#include "platform/graphics/DrawEdge.h"

#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TCanvas.h"

namespace {

struct EdgeColors {
    TColor TopLeft;
    TColor BottomRight;
};

// Ring colours of the classic look. The soft flag lightens the top-left of
// raised edges and darkens it on sunken ones, as push buttons show.
EdgeColors OuterColors(Cardinal edge, Cardinal flags) {
    if (flags & BF_MONO) return {clWindowFrame, clWindowFrame};
    if (flags & BF_FLAT) return {clBtnShadow, clBtnShadow};
    const bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDOUTER) return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
}

EdgeColors InnerColors(Cardinal edge, Cardinal flags) {
    if (flags & BF_MONO) return {clWindow, clWindow};
    if (flags & BF_FLAT) return {clBtnFace, clBtnFace};
    const bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDINNER) return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
    return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
}

void Fill(TCanvas* dc, const TRect& r, TColor c) {
    if (IsRectEmpty(r)) return;
    graphics::BrushState b;
    b.Color = c;
    dc->Backend()->FillRect(dc->ToDevice(r), b);
}

// One ring on the flagged sides: top-left first, then bottom-right over the
// corners they share.
void Ring(TCanvas* dc, const TRect& r, Cardinal flags, EdgeColors c) {
    if (flags & BF_LEFT) Fill(dc, {r.Left, r.Top, r.Left + 1, r.Bottom}, c.TopLeft);
    if (flags & BF_TOP) Fill(dc, {r.Left, r.Top, r.Right, r.Top + 1}, c.TopLeft);
    if (flags & BF_RIGHT) Fill(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, c.BottomRight);
    if (flags & BF_BOTTOM) Fill(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, c.BottomRight);
}

void Shrink(TRect& r, Cardinal flags) {
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_RIGHT) --r.Right;
    if (flags & BF_BOTTOM) --r.Bottom;
}

} // namespace

bool DrawEdge(TCanvas* DC, TRect& Rect, Cardinal Edge, Cardinal Flags) {
    if (!DC) return false;
    if (Flags & BF_DIAGONAL) return true; // no caller draws diagonal edges
    TRect r = Rect;
    const bool outer = (Edge & BDR_OUTER) != 0, inner = (Edge & BDR_INNER) != 0;
    // A lone inner edge takes the outermost ring, as the platform draws it.
    if (outer) {
        Ring(DC, r, Flags, OuterColors(Edge, Flags));
        Shrink(r, Flags);
    }
    if (inner) {
        Ring(DC, r, Flags, InnerColors(Edge, Flags));
        Shrink(r, Flags);
    }
    if (Flags & BF_MIDDLE) Fill(DC, r, (Flags & BF_MONO) ? clWindow : clBtnFace);
    if (Flags & BF_ADJUST) Rect = r;
    return true;
}

bool DrawFocusRect(TCanvas* DC, const TRect& Rect) {
    if (!DC) return false;
    DC->DrawFocusRect(Rect);
    return true;
}

bool FrameRect(TCanvas* DC, const TRect& Rect, TBrush* Brush) {
    if (!DC) return false;
    if (!Brush) {
        DC->FrameRect(Rect);
        return true;
    }
    TBrush saved;
    saved.Assign(DC->Brush());
    DC->Brush()->Assign(Brush);
    DC->FrameRect(Rect);
    DC->Brush()->Assign(&saved);
    return true;
}

bool FillRect(TCanvas* DC, const TRect& Rect, TBrush* Brush) {
    if (!DC) return false;
    if (!Brush) {
        DC->FillRect(Rect);
        return true;
    }
    TBrush saved;
    saved.Assign(DC->Brush());
    DC->Brush()->Assign(Brush);
    DC->FillRect(Rect);
    DC->Brush()->Assign(&saved);
    return true;
}

bool InvertRect(TCanvas* DC, const TRect& Rect) {
    if (!DC) return false;
    return PatBlt(DC, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), DSTINVERT);
}
