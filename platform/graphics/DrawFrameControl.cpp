#include "platform/graphics/DrawFrameControl.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

namespace {

void Fill(TCanvas* dc, const TRect& r, TColor c) {
    if (IsRectEmpty(r)) return;
    graphics::BrushState b;
    b.Color = c;
    dc->Backend()->FillRect(dc->ToDevice(r), b);
}

// The largest square of r, centred.
TRect CentredSquare(const TRect& r) {
    const Integer side = std::min(r.Width(), r.Height());
    const Integer left = r.Left + (r.Width() - side) / 2, top = r.Top + (r.Height() - side) / 2;
    return TRect(left, top, left + side, top + side);
}

// The classic check mark, designed in a 13-pixel box and scaled: a V of
// three-pixel-high strokes, 7 columns wide.
void CheckMark(TCanvas* dc, const TRect& box, TColor color) {
    static const Integer rows[7] = {5, 6, 7, 6, 5, 4, 3};
    const Integer side = box.Width();
    for (Integer i = 0; i < 7; ++i) {
        const Integer x0 = box.Left + MulDiv(3 + i, side, 13), x1 = box.Left + MulDiv(4 + i, side, 13);
        const Integer y0 = box.Top + MulDiv(rows[i], side, 13), y1 = box.Top + MulDiv(rows[i] + 3, side, 13);
        Fill(dc, TRect(x0, y0, std::max(x1, x0 + 1), std::max(y1, y0 + 1)), color);
    }
}

bool DrawCheckBox(TCanvas* dc, const TRect& rect, Cardinal state) {
    TRect box = CentredSquare(rect);
    const bool inactive = state & DFCS_INACTIVE, pushed = state & DFCS_PUSHED;
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        TRect r = box;
        const TColor frame = (state & DFCS_MONO) ? clWindowFrame : clBtnShadow;
        Fill(dc, {r.Left, r.Top, r.Right, r.Top + 1}, frame);
        Fill(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, frame);
        Fill(dc, {r.Left, r.Top, r.Left + 1, r.Bottom}, frame);
        Fill(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, frame);
        InflateRect(r, -1, -1);
        Fill(dc, r, (inactive || pushed) ? clBtnFace : clWindow);
    } else {
        TRect r = box;
        DrawEdge(dc, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        Fill(dc, r, (inactive || pushed) ? clBtnFace : clWindow);
    }
    if (state & DFCS_CHECKED) {
        if (inactive) {
            CheckMark(dc, box, clGrayText);
        } else {
            CheckMark(dc, box, clWindowText);
        }
    }
    return true;
}

bool DrawRadio(TCanvas* dc, const TRect& rect, Cardinal state) {
    const TRect box = CentredSquare(rect);
    auto* backend = dc->Backend();
    const TRect d = dc->ToDevice(box);
    graphics::PenState pen;
    graphics::BrushState brush;
    const bool flat = state & (DFCS_FLAT | DFCS_MONO);
    // Face first, then the rings as arcs split at the top-right / bottom-left.
    pen.Style = psClear;
    brush.Color = (state & (DFCS_INACTIVE | DFCS_PUSHED)) ? clBtnFace : clWindow;
    backend->Ellipse(TRect(d.Left, d.Top, d.Right + 1, d.Bottom + 1), pen, brush);
    pen.Style = psSolid;
    const TPoint tr(d.Right, d.Top), bl(d.Left, d.Bottom);
    if (flat) {
        pen.Color = (state & DFCS_MONO) ? clWindowFrame : clBtnShadow;
        backend->Arc(d, tr, tr, pen);
    } else {
        pen.Color = clBtnShadow;
        backend->Arc(d, tr, bl, pen);
        pen.Color = clBtnHighlight;
        backend->Arc(d, bl, tr, pen);
        TRect in = d;
        InflateRect(in, -1, -1);
        pen.Color = cl3DDkShadow;
        backend->Arc(in, tr, bl, pen);
        pen.Color = cl3DLight;
        backend->Arc(in, bl, tr, pen);
    }
    if (state & DFCS_CHECKED) {
        const Integer side = box.Width();
        const Integer dot = std::max(2, MulDiv(side, 4, 13));
        const Integer l = d.Left + (side - dot) / 2, t = d.Top + (side - dot) / 2;
        pen.Style = psClear;
        brush.Color = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
        backend->Ellipse(TRect(l, t, l + dot + 1, t + dot + 1), pen, brush);
    }
    return true;
}

bool DrawPushButton(TCanvas* dc, TRect& rect, Cardinal state) {
    TRect r = rect;
    const bool pushed = state & (DFCS_PUSHED | DFCS_CHECKED);
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        DrawEdge(dc, r, pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                 BF_RECT | BF_ADJUST | BF_MIDDLE | (state & DFCS_MONO ? BF_MONO : BF_FLAT));
    } else if (pushed) {
        DrawEdge(dc, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE);
    } else {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST | BF_MIDDLE);
    }
    if (state & DFCS_ADJUSTRECT) rect = r;
    return true;
}

// A solid triangle pointing in the given direction, centred in r; its odd
// base is 7/16 of the whole button's side (7 pixels on a 16-pixel button).
void Arrow(TCanvas* dc, const TRect& r, Integer side, Cardinal kind, TColor color) {
    Integer base = std::max(3, (side * 7 + 8) / 16);
    if (base % 2 == 0) --base;
    const Integer depth = (base + 1) / 2;
    const bool vertical = kind == DFCS_SCROLLUP || kind == DFCS_SCROLLDOWN || kind == DFCS_SCROLLCOMBOBOX;
    const Integer cx = r.Left + (r.Width() - (vertical ? base : depth)) / 2;
    const Integer cy = r.Top + (r.Height() - (vertical ? depth : base)) / 2;
    for (Integer i = 0; i < depth; ++i) {
        switch (kind) {
        case DFCS_SCROLLUP:
            Fill(dc, TRect(cx + depth - 1 - i, cy + i, cx + depth + i, cy + i + 1), color);
            break;
        case DFCS_SCROLLLEFT:
            Fill(dc, TRect(cx + i, cy + depth - 1 - i, cx + i + 1, cy + depth + i), color);
            break;
        case DFCS_SCROLLRIGHT:
            Fill(dc, TRect(cx + i, cy + i, cx + i + 1, cy + base - i), color);
            break;
        default:
            Fill(dc, TRect(cx + i, cy + i, cx + base - i, cy + i + 1), color);
            break;
        }
    }
}

bool DrawScrollButton(TCanvas* dc, TRect& rect, Cardinal state) {
    const Cardinal kind = state & 0xFF;
    if (kind > DFCS_SCROLLRIGHT && kind != DFCS_SCROLLCOMBOBOX) return false;
    TRect r = rect;
    const bool pushed = state & DFCS_PUSHED;
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        DrawEdge(dc, r, BDR_SUNKENOUTER,
                 BF_RECT | BF_ADJUST | BF_MIDDLE | (state & DFCS_MONO ? BF_MONO : BF_FLAT));
    } else if (pushed) {
        DrawEdge(dc, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MIDDLE | BF_FLAT);
    } else {
        DrawEdge(dc, r, EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST | BF_MIDDLE);
    }
    TRect glyph = r;
    if (pushed) OffsetRect(glyph, 1, 1);
    const Integer side = std::min(rect.Width(), rect.Height());
    if (state & DFCS_INACTIVE) {
        TRect shadow = glyph;
        OffsetRect(shadow, 1, 1);
        Arrow(dc, shadow, side, kind, clBtnHighlight);
        Arrow(dc, glyph, side, kind, clGrayText);
    } else {
        Arrow(dc, glyph, side, kind, clBtnText);
    }
    if (state & DFCS_ADJUSTRECT) rect = r;
    return true;
}

} // namespace

bool DrawFrameControl(TCanvas* DC, TRect& Rect, Cardinal Type, Cardinal State) {
    if (!DC || IsRectEmpty(Rect)) return false;
    switch (Type) {
    case DFC_BUTTON:
        if (State & DFCS_BUTTONPUSH) return DrawPushButton(DC, Rect, State);
        if (State & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE)) return DrawRadio(DC, Rect, State);
        return DrawCheckBox(DC, Rect, State);
    case DFC_SCROLL:
        return DrawScrollButton(DC, Rect, State);
    default:
        return false;
    }
}
