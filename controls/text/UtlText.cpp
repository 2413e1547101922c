#include "controls/text/UtlText.h"

#include "controls/common/UtlCanvasGuard.h"
#include "controls/drawing/UtlGradient.h"
#include "controls/common/UtlRoutines.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TBitmap.h"

#include <algorithm>

const std::array<Word, 9> TUTLALIGNFLAGS = {
    Word(DT_LEFT | DT_TOP),     Word(DT_CENTER | DT_TOP),     Word(DT_RIGHT | DT_TOP),
    Word(DT_LEFT | DT_VCENTER), Word(DT_CENTER | DT_VCENTER), Word(DT_RIGHT | DT_VCENTER),
    Word(DT_LEFT | DT_BOTTOM),  Word(DT_CENTER | DT_BOTTOM),  Word(DT_RIGHT | DT_BOTTOM)};

TRect UtlAlignRect(TUtlAlignment Alignment, const TRect& Inner, const TRect& Outer) {
    const Integer w = Inner.Width(), h = Inner.Height(), W = Outer.Width(), H = Outer.Height();
    const Integer row = Integer(Alignment) / 3, column = Integer(Alignment) % 3;
    const Integer top = row == 0 ? 0 : row == 1 ? (H - h) / 2 : H - h;
    const Integer left = column == 0 ? 0 : column == 1 ? (W - w) / 2 : W - w;
    return Bounds(Outer.Left + left, Outer.Top + top, w, h);
}

namespace {

TUtlFxCaption* Rotated(TUtl3DCaption* caption) {
    auto* fx = dynamic_cast<TUtlFxCaption*>(caption);
    return fx && fx->Angle() != 0 ? fx : nullptr;
}

Word ClampWord(Integer v) {
    return Word(std::clamp<Integer>(v, 0, 0xFFFF));
}

} // namespace

void UtlDrawTextCalcExt(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, TRect& R, TFont* Font,
                        bool MultiLine, bool Accel, Integer Extra, Cardinal Flags) {
    if (!Canvas) return;
    utl::CanvasGuard guard(Canvas);
    if (Font) Canvas->Font()->Assign(Font);
    const String text = Text.empty() ? String(" ") : Text;
    const Integer growth = Caption ? Caption->Growth() : 0;
    if (Caption) Canvas->SetTextCharacterExtra(Caption->Tracing());
    if (TUtlFxCaption* fx = Rotated(Caption)) {
        TSize size;
        GetTextExtentPoint32(Canvas, text, -1, &size);
        R = TRect(0, 0, size.cx + growth, size.cy + growth);
        UtlCalcRotRect(R, fx->Angle());
        fx->SetPosXY(ClampWord(UtlRotatedXPos(R, size.cx, size.cy, fx->Angle())),
                     ClampWord(UtlRotatedYPos(R, size.cx, size.cy, fx->Angle())));
    } else {
        Cardinal format = Flags | DT_CALCRECT | DT_EXPANDTABS;
        if (MultiLine) format |= DT_WORDBREAK;
        if (!Accel) format |= DT_NOPREFIX;
        DrawTextEx(Canvas, text, -1, R, format, nullptr);
        R.Right += growth;
        R.Bottom += growth;
    }
    R.Right += (Extra + 1) * 2;
    R.Bottom += (Extra + 1) * 2;
}

void UtlDrawTextCalc(const String& Text, TUtl3DCaption* Caption, TRect& R, TFont* Font, bool MultiLine,
                     bool Accel, Integer Extra, Cardinal Flags) {
    TBitmap scratch(1, 1, pf24bit);
    UtlDrawTextCalcExt(scratch.Canvas(), Text, Caption, R, Font, MultiLine, Accel, Extra, Flags);
}

TRect UtlAlignTextRect(TUtlAlignment Alignment, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                       TFont* Font, bool MultiLine, bool Accel, Integer Extra) {
    TRect measured(0, 0, R.Width(), 0);
    UtlDrawTextCalc(Text, Caption, measured, Font, MultiLine, Accel, Extra, 0);
    return UtlAlignRect(Alignment, measured, R);
}

namespace utl {

std::vector<TextLayer> TextLayers(const TUtl3DCaption& Caption, TUtlThreeDStyle Style, TColor Face,
                                  TColor Light, TColor Shadow) {
    const Integer l = Caption.LightDepth(), s = Caption.ShadowDepth();
    switch (Style) {
    case tdNone:
        return {{{0, 0}, Face}};
    case tdSunken:
        return {{{l, l}, Light}, {{0, 0}, Face}};
    case tdRaised:
        return {{{0, 0}, Light}, {{l, l}, Face}};
    case tdSunkenShadow:
    case tdPColorSunken:
        return {{{0, 0}, Shadow}, {{l + s, l + s}, Light}, {{s, s}, Face}};
    case tdRaisedShadow:
    case tdPColorRaised:
        return {{{0, 0}, Light}, {{l + s, l + s}, Shadow}, {{l, l}, Face}};
    case tdShadow:
        return {{{s, s}, Shadow}, {{0, 0}, Face}};
    case tdOutline:
        return {{{0, 0}, Face, true}};
    case tdExtrude:
    case tdExtrudeEnh: {
        // The face sits where the extrusion leaves room; the layers run away
        // from the light one pixel apart.
        TPoint start, dir;
        switch (Caption.Orientation()) {
        case toBottomLeft:
            start = {0, s + 1}, dir = {1, -1};
            break;
        case toBottomRight:
            start = {s + 1, s + 1}, dir = {-1, -1};
            break;
        case toTopRight:
            start = {s + 1, 0}, dir = {-1, 1};
            break;
        case toTopLeft:
            start = {0, 0}, dir = {1, 1};
            break;
        }
        std::vector<TextLayer> layers;
        for (Integer i = s; i >= 1; --i)
            layers.push_back({{start.X + i * dir.X, start.Y + i * dir.Y},
                              Style == tdExtrudeEnh ? UtlGradientGetColor(Light, Shadow, i, s) : Shadow});
        layers.push_back({start, Face});
        return layers;
    }
    }
    return {{{0, 0}, Face}};
}

} // namespace utl

namespace {

void DrawLayer(TCanvas* canvas, const String& text, const TRect& area, TPoint at, Cardinal flags,
               TUtlFxCaption* rotated, TColor color) {
    canvas->SetTextColor(ColorToRGB(color));
    if (rotated) {
        ExtTextOut(canvas, area.Left + rotated->PosX() + at.X, area.Top + rotated->PosY() + at.Y, 0, nullptr,
                   text, -1, nullptr);
        return;
    }
    TRect r = area;
    OffsetRect(r, at.X, at.Y);
    DrawTextEx(canvas, text, -1, r, flags, nullptr);
}

} // namespace

void UtlDrawTextExt(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                    Cardinal Flags, TUtlDrawTextStyles Styles, const TRect* ClipRect) {
    if (!Canvas || Text.empty() || IsRectEmpty(R)) return;
    if (!Caption) {
        TRect r = R;
        DrawTextEx(Canvas, Text, -1, r, Flags, nullptr);
        return;
    }
    utl::CanvasGuard guard(Canvas);
    if (Styles.Contains(dtClip)) Canvas->IntersectClipRect(ClipRect ? *ClipRect : R);

    TUtlThreeDStyle style = Caption->Style();
    TColor face;
    if (!Styles.Contains(dtEnabled) && Caption->DisabledStyle() != dsNone) {
        face = clGrayText;
        const bool embossed = Caption->DisabledStyle() == ds3d ||
                              (Caption->DisabledStyle() == dsAuto && Styles.Contains(dt3DDisabled));
        style = embossed ? tdSunken : tdNone;
    } else {
        face = style == tdPColorSunken || style == tdPColorRaised ? Canvas->Brush()->Color()
                                                                  : Canvas->Font()->Color();
    }

    TUtlFxCaption* rotated = Rotated(Caption);
    if (rotated) Canvas->Font()->SetOrientation(Integer(rotated->Angle()) * 10);
    Canvas->SetBkMode(TRANSPARENT);
    Canvas->SetTextCharacterExtra(Caption->Tracing());

    // The layers share the rectangle narrowed by the style's growth, so the
    // whole effect stays inside R, as measuring promised.
    TRect area = R;
    if (!rotated) {
        if (auto* fx = dynamic_cast<TUtlFxCaption*>(Caption)) OffsetRect(area, fx->PosX(), fx->PosY());
        const Integer growth = Caption->Growth();
        area.Right -= growth;
        area.Bottom -= growth;
    }
    const TColor light = Caption->LightColor(), shadow = Caption->ShadowColor();
    for (const utl::TextLayer& layer : utl::TextLayers(*Caption, style, face, light, shadow)) {
        if (!layer.Outline) {
            DrawLayer(Canvas, Text, area, layer.Offset, Flags, rotated, layer.Color);
            continue;
        }
        // A stroked outline: the text in the pen colour around a hollow of the background.
        for (Integer dy = 0; dy <= 2; ++dy)
            for (Integer dx = 0; dx <= 2; ++dx)
                if (dx != 1 || dy != 1)
                    DrawLayer(Canvas, Text, area, {dx, dy}, Flags, rotated, Canvas->Pen()->Color());
        DrawLayer(Canvas, Text, area, {1, 1}, Flags, rotated, Canvas->Brush()->Color());
    }
}

void UtlDrawText(TCanvas* Canvas, const String& Text, TUtl3DCaption* Caption, const TRect& R,
                 Cardinal Flags) {
    UtlDrawTextExt(Canvas, Text, Caption, R, Flags, TUtlDrawTextStyles{dtEnabled}, nullptr);
}

bool UtlIsTrueTypeFont(TFont* Font) {
    return Font != nullptr;
}

bool UtlIsTrueTypeFontCheck(TCanvas* Canvas) {
    return Canvas != nullptr;
}

Integer UtlGetFontHeight(TFont* Font) {
    TBitmap scratch(1, 1, pf24bit);
    if (Font) scratch.Canvas()->Font()->Assign(Font);
    return scratch.Canvas()->TextHeight("W");
}

Integer UtlGet3DTextWidth(const String& Text, TUtl3DCaption* Caption, TFont* Font) {
    if (!Caption) return 0;
    TBitmap scratch(1, 1, pf24bit);
    if (Font) scratch.Canvas()->Font()->Assign(Font);
    scratch.Canvas()->SetTextCharacterExtra(Caption->Tracing());
    TSize size;
    GetTextExtentPoint32(scratch.Canvas(), Text, -1, &size);
    return size.cx + Caption->FontGrowth();
}

Integer UtlGet3DTextHeight(TUtl3DCaption* Caption, TFont* Font) {
    if (!Caption) return 0;
    return UtlGetFontHeight(Font) + Caption->FontGrowth();
}
