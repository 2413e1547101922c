#include "controls/text/UtlGlyphText.h"

#include "controls/drawing/UtlBitmaps.h"
#include "controls/drawing/UtlFrames.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TBitmap.h"

namespace utl {

GlyphTextPlacement LayoutGlyphText(const GlyphTextInput& In, const TUtlGlyphTextLayout& Layout) {
    GlyphTextPlacement out;
    const TRect& r = In.Bounds;
    out.Focus = r;
    const Integer spacing = In.HasText == In.HasGlyph ? Layout.Spacing() : 0;
    TRect t = In.HasText ? TRect(0, 0, In.TextSize.cx, In.TextSize.cy) : TRect();
    TRect g = In.HasGlyph ? TRect(0, 0, In.GlyphSize.cx, In.GlyphSize.cy) : TRect();
    TUtlDrawTextStyles styles = In.Styles;
    const bool measuring = styles.Contains(dtCalculate);
    if (measuring) styles.Include(dtRectGlyphText);

    const auto* button = dynamic_cast<const TUtlButtonLayout*>(&Layout);
    const bool arrow = button && button->Arrow();
    const Integer arrowSize = arrow ? button->ArrowSize() : 0;
    const Integer aw = arrowSize * 2 - 1, indent = arrow ? button->ArrowIndent() : 0;
    const TUtlArrowPosition arrowAt = arrow ? button->ArrowPosition() : apRightText;
    const bool besideText = arrowAt == apRightText || arrowAt == apLeftText;
    if (arrow) (besideText ? t : g).Right += aw + indent;

    const TUtlTextArrange arrange = Layout.AlignText2Glyph();
    TRect box;
    TPoint tMove, gMove;
    if (arrange <= taRightTop) {
        const Integer hm = std::max(t.Height(), g.Height());
        const Integer tdy = (hm - t.Height()) / 2, gdy = (hm - g.Height()) / 2;
        box = TRect(0, 0, t.Width() + spacing + g.Width(), hm);
        switch (arrange) {
        case taLeft:
            tMove = {0, tdy}, gMove = {t.Width() + spacing, gdy};
            break;
        case taLeftTop:
            tMove = {0, tdy}, gMove = {t.Width() + spacing, 0};
            break;
        case taRight:
            tMove = {g.Width() + spacing, tdy}, gMove = {0, gdy};
            break;
        default:
            tMove = {g.Width() + spacing, tdy}, gMove = {0, 0};
            break;
        }
    } else {
        const Integer wm = std::max(t.Width(), g.Width());
        const Integer tdx = (wm - t.Width()) / 2, gdx = (wm - g.Width()) / 2;
        box = TRect(0, 0, wm, t.Height() + spacing + g.Height());
        switch (arrange) {
        case taTop:
            tMove = {tdx, 0}, gMove = {gdx, t.Height() + spacing};
            break;
        case taTopLeft:
            tMove = {tdx, 0}, gMove = {0, t.Height() + spacing};
            break;
        case taBottom:
            tMove = {tdx, g.Height() + spacing}, gMove = {gdx, 0};
            break;
        default:
            tMove = {tdx, g.Height() + spacing}, gMove = {0, 0};
            break;
        }
    }
    OffsetRect(t, tMove.X, tMove.Y);
    OffsetRect(g, gMove.X, gMove.Y);
    if (!styles.Contains(dtAutoSize)) {
        box = UtlAlignRect(Layout.Alignment(), box, r);
        OffsetRect(t, box.Left + 1, box.Top + 1);
        OffsetRect(g, box.Left, box.Top);
    }
    if (arrow && arrowAt == apLeftText) OffsetRect(t, indent + aw, 0);

    out.TextFlags = In.Flags | DT_WORDBREAK | DT_EXPANDTABS;
    if (In.MultiLine) out.TextFlags |= TUTLALIGNFLAGS[std::size_t(Layout.Alignment())];
    OffsetRect(t, Layout.OffsetX(), Layout.OffsetY());
    OffsetRect(g, Layout.OffsetX(), Layout.OffsetY());

    bool focusSet = false;
    if (styles.Contains(dtRectText)) {
        out.Focus = t;
        InflateRect(out.Focus, 1, 1);
        focusSet = true;
    }
    if (arrow && besideText) {
        out.TextArrow = true;
        const Integer y = t.Top + t.Height() / 2 - arrowSize / 2;
        const Integer x = arrowAt == apLeftText ? t.Left - (indent + aw)
                          : In.MultiLine        ? t.Right - (arrowSize + 1)
                                                : t.Right - aw - 1;
        out.TextArrowAt = {x, y};
    }
    if (arrow && arrowAt == apLeftGlyph) OffsetRect(g, indent + aw, 0);
    if (styles.Contains(dtRectGlyph)) {
        out.Focus = g;
        focusSet = true;
    }
    out.Text = t;
    out.Glyph = g;
    UnionRect(out.Union, g, t);
    if (styles.Contains(dtRectGlyphText)) {
        out.Focus = out.Union;
        InflateRect(out.Focus, 1, 1);
        focusSet = true;
    }
    if (arrow && !besideText) {
        out.GlyphArrow = true;
        const Integer y = g.Top + g.Height() / 2 - arrowSize / 2;
        out.GlyphArrowAt = {arrowAt == apRightGlyph ? g.Right - aw : g.Left - (indent + aw), y};
    }
    if (!focusSet) {
        out.Focus = r;
        InflateRect(out.Focus, -1, -1);
    }
    if (measuring) InflateRect(out.Focus, 1, 1);
    return out;
}

} // namespace utl

void UtlDrawTextAndGlyphExt(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                            TCanvas* GlyphCanvas, TRect& GlyphRect, TCanvas* MaskCanvas,
                            TColor TransparentColor, TUtlGlyphTextLayout* Layout, bool MultiLine, bool Accel,
                            bool Transparent, TUtlDrawTextStyles Styles, Cardinal Flags,
                            TUtlTextGlyphRects& Result) {
    Result = TUtlTextGlyphRects{};
    if (!Canvas) return;
    TUtlGlyphTextLayout fallback;
    const TUtlGlyphTextLayout& layout = Layout ? *Layout : fallback;
    utl::GlyphTextInput in;
    in.Bounds = R;
    in.HasText = !Text.empty();
    if (in.HasText) {
        TRect measured(0, 0, std::abs(R.Width()), 0);
        UtlDrawTextCalcExt(Canvas, Text, Caption, measured, nullptr, MultiLine, Accel, 0, Flags);
        in.TextSize = TSize(measured.Width(), measured.Height());
    }
    in.HasGlyph = GlyphCanvas && !IsRectEmpty(GlyphRect);
    if (in.HasGlyph) in.GlyphSize = TSize(GlyphRect.Width(), GlyphRect.Height());
    in.MultiLine = MultiLine;
    in.Styles = Styles;
    in.Flags = Flags;
    const utl::GlyphTextPlacement p = utl::LayoutGlyphText(in, layout);
    const bool measuring = Styles.Contains(dtCalculate);
    const auto* button = dynamic_cast<const TUtlButtonLayout*>(&layout);

    if (!measuring) {
        Canvas->Brush()->SetStyle(bsClear);
        if (in.HasText) UtlDrawTextExt(Canvas, Text, Caption, p.Text, p.TextFlags, Styles, nullptr);
        if (p.TextArrow)
            UtlDrawTriangle(Canvas, p.TextArrowAt.X, p.TextArrowAt.Y, button->ArrowSize(),
                            button->ArrowColor(), true, Styles.Contains(dtEnabled));
        if (in.HasGlyph) {
            const Word mode = MaskCanvas ? ubdMask : Transparent ? ubdTransparent : 0;
            UtlBmpDrawExt(Canvas, p.Glyph, GlyphCanvas, GlyphRect, mode, TransparentColor, MaskCanvas);
        }
        if (p.GlyphArrow)
            UtlDrawTriangle(Canvas, p.GlyphArrowAt.X, p.GlyphArrowAt.Y, button->ArrowSize(),
                            button->ArrowColor(), true, Styles.Contains(dtEnabled));
    }
    Result.Union = p.Union;
    Result.Text = p.Text;
    Result.Glyph = p.Glyph;
    GlyphRect = p.Focus;
}

TRect UtlDrawTextAndGlyph(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                          TBitmap* Glyph, TBitmap* Mask, TUtlGlyphTextLayout* Layout, bool MultiLine,
                          bool Accel, bool Transparent, TUtlDrawTextStyles Styles, Integer NumGlyphs) {
    const bool hasGlyph = Glyph && !Glyph->Empty();
    TRect glyphRect = hasGlyph ? TRect(0, 0, Glyph->Width(), Glyph->Height()) : TRect();
    TUtlTextGlyphRects result;
    UtlDrawTextAndGlyphExt(Canvas, Text, Caption, R, hasGlyph ? Glyph->Canvas() : nullptr, glyphRect,
                           Mask && !Mask->Empty() ? Mask->Canvas() : nullptr,
                           hasGlyph ? Glyph->TransparentColor() : clNone, Layout, MultiLine, Accel,
                           Transparent, Styles, 0, result);
    return glyphRect;
}
