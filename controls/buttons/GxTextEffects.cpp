#include "controls/buttons/GxTextEffects.h"

#include "controls/buttons/TGradient.h"
#include "controls/buttons/TIllumination.h"
#include "platform/graphics/DrawText.h"

namespace {

// Selects a font and transparent text for the lifetime of the object.
class TextSetup {
public:
    TextSetup(TCanvas* canvas, TFont* font) : FCanvas(canvas) {
        FFont.Assign(canvas->Font());
        canvas->Font()->Assign(font);
        FTextColor = canvas->TextColor();
        FBkMode = SetBkMode(canvas, TRANSPARENT);
    }
    ~TextSetup() {
        FCanvas->Font()->Assign(&FFont);
        FCanvas->SetTextColor(FTextColor);
        FCanvas->SetBkMode(FBkMode);
    }
    TextSetup(const TextSetup&) = delete;
    TextSetup& operator=(const TextSetup&) = delete;

private:
    TCanvas* FCanvas;
    TFont FFont;
    TColor FTextColor;
    int FBkMode;
};

void Copy(HDC DC, Integer x, Integer y, const TRect& clip, const String& text, TColor color) {
    DC->SetTextColor(ColorToRGB(color));
    ExtTextOut(DC, x, y, graphics::ETO_CLIPPED, &clip, text, -1, nullptr);
}

void InRect(HDC DC, const TRect& rect, Integer dx, Integer dy, const String& text, TColor color,
            Cardinal format) {
    DC->SetTextColor(ColorToRGB(color));
    TRect r = rect;
    OffsetRect(r, dx, dy);
    DrawText(DC, text, -1, r, format);
}

} // namespace

void ExtTextOutExt(HDC DC, Integer X, Integer Y, const TRect& Rect, const String& Text,
                   TgxTextStyle TextStyle, bool Delineate, bool Suppress3D, TColor FontColor,
                   TColor DelineateColor, TColor HighlightColor, TColor ShadowColor,
                   TIllumination* Illumination, TGradient* Gradient, TFont* Font) {
    if (!DC || !Font) return;
    TextSetup setup(DC, Font);
    Integer d = Delineate ? 4 : 2;
    if (TextStyle == fstNone || TextStyle == fstShadow) d = d / 2 - 1;
    const Integer depth = Illumination ? Illumination->ShadowDepth() : 2;
    Integer o = 0;
    bool face = true;
    switch (TextStyle) {
    case fstRaised:
        if (!Suppress3D) {
            Copy(DC, X, Y, Rect, Text, HighlightColor);
            Copy(DC, X + d, Y + d, Rect, Text, ShadowColor);
        }
        o = 1;
        break;
    case fstRecessed:
        if (!Suppress3D) {
            Copy(DC, X, Y, Rect, Text, ShadowColor);
            Copy(DC, X + d, Y + d, Rect, Text, HighlightColor);
        }
        o = 1;
        break;
    case fstPushed:
        Copy(DC, X + 1, Y + 1, Rect, Text, HighlightColor);
        Copy(DC, X, Y, Rect, Text, ShadowColor);
        face = false;
        break;
    case fstShadow:
        if (!Suppress3D) Copy(DC, X + d + depth, Y + d + depth, Rect, Text, ShadowColor);
        break;
    case fstVolumetric:
        if (!Suppress3D)
            for (Integer k = 1; k <= depth; ++k)
                Copy(DC, X + k, Y + k, Rect, Text, ShadowColor);
        break;
    case fstNone:
        break;
    }
    if (!face) return;
    Integer fx = X + o, fy = Y + o;
    if (Delineate) {
        if (!Suppress3D) {
            Copy(DC, fx, fy, Rect, Text, DelineateColor);
            Copy(DC, fx + 2, fy + 2, Rect, Text, DelineateColor);
            Copy(DC, fx, fy + 2, Rect, Text, DelineateColor);
            Copy(DC, fx + 2, fy, Rect, Text, DelineateColor);
        }
        ++fx;
        ++fy;
    }
    if (Gradient) {
        DC->SetTextColor(ColorToRGB(FontColor));
        Gradient->TextOut(DC, Text, Rect, fx, fy);
    } else {
        Copy(DC, fx, fy, Rect, Text, FontColor);
    }
}

void DrawTextInRect(HDC DC, const TRect& Rect, const String& Text, TgxTextStyle TextStyle, TFont* Font,
                    Cardinal Format) {
    if (!DC || !Font) return;
    if (Format == 0) Format = DT_SINGLELINE | DT_VCENTER;
    TextSetup setup(DC, Font);
    const TColor faceColor = Font->Color();
    switch (TextStyle) {
    case fstRaised:
        InRect(DC, Rect, -1, -1, Text, clBtnHighlight, Format);
        InRect(DC, Rect, 1, 1, Text, clBtnShadow, Format);
        InRect(DC, Rect, 0, 0, Text, faceColor, Format);
        break;
    case fstRecessed:
        InRect(DC, Rect, -1, -1, Text, clBtnShadow, Format);
        InRect(DC, Rect, 1, 1, Text, clBtnHighlight, Format);
        InRect(DC, Rect, 0, 0, Text, faceColor, Format);
        break;
    case fstPushed:
        InRect(DC, Rect, 0, 0, Text, clBtnHighlight, Format);
        InRect(DC, Rect, -1, -1, Text, clBtnShadow, Format);
        break;
    case fstShadow:
        InRect(DC, Rect, 2, 2, Text, clBtnShadow, Format);
        InRect(DC, Rect, 0, 0, Text, faceColor, Format);
        break;
    case fstNone:
    case fstVolumetric:
        InRect(DC, Rect, 0, 0, Text, faceColor, Format);
        break;
    }
}

void DrawTextInRectWithAlign(HDC DC, const TRect& Rect, const String& Text, TgxHorAlign HorAlign,
                             TgxVertAlign VertAlign, TgxTextStyle TextStyle, TFont* Font, Cardinal Format) {
    if (HorAlign == fhaCenter)
        Format |= DT_CENTER;
    else if (HorAlign == fhaRight)
        Format |= DT_RIGHT;
    if (VertAlign == fvaCenter)
        Format |= DT_VCENTER;
    else if (VertAlign == fvaBottom)
        Format |= DT_BOTTOM;
    DrawTextInRect(DC, Rect, Text, TextStyle, Font, Format);
}
