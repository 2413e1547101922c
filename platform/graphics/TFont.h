#pragma once
// A font description. Size is in points, Height in pixels (negative: the
// character height without internal leading), related through PixelsPerInch.
#include "platform/graphics/TColor.h"
#include "platform/graphics/TFontStyles.h"
#include "platform/graphics/TGraphicsObject.h"
#include "platform/graphics/TextMeasurer.h"

constexpr Byte ANSI_CHARSET = 0;
constexpr Byte DEFAULT_CHARSET = 1;
constexpr Byte SYMBOL_CHARSET = 2;
constexpr Byte EASTEUROPE_CHARSET = 238;
constexpr Byte OEM_CHARSET = 255;

using TFontCharset = Byte;

class TFont : public TGraphicsObject {
public:
    TFont() = default;
    String ClassName() const override { return "TFont"; }

    // Copies every property from another TFont (of another resolution: its
    // point size, in this font's resolution); anything else goes to the base.
    void Assign(TPersistent* Source) override;

    const String& Name() const { return FState.Name; }
    void SetName(const String& v);
    // Points: -MulDiv(Height, 72, PixelsPerInch).
    Integer Size() const;
    void SetSize(Integer v);
    Integer Height() const { return FState.Height; }
    void SetHeight(Integer v);
    TFontStyles Style() const { return FState.Style; }
    void SetStyle(TFontStyles v);
    TColor Color() const { return FState.Color; }
    void SetColor(TColor v);
    TFontCharset Charset() const { return FState.Charset; }
    void SetCharset(TFontCharset v);
    TFontPitch Pitch() const { return FState.Pitch; }
    void SetPitch(TFontPitch v);
    // Rotation of the text line in tenths of a degree, counter-clockwise.
    Integer Orientation() const { return FState.Orientation; }
    void SetOrientation(Integer v);
    // Resolution used by Size; changing it keeps Height.
    Integer PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(Integer v) { FPixelsPerInch = v; }

    // Everything a backend needs to draw or measure with this font.
    const graphics::FontState& State() const { return FState; }

private:
    graphics::FontState FState;
    Integer FPixelsPerInch = 96;
};
