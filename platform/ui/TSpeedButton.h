#pragma once
// A tool button without focus. With a GroupIndex it stays down, and one down
// button of a group lifts the others (all may be up with AllowAllUp). Flat
// buttons show their edge only under the mouse. The click comes from the
// release (after OnMouseUp), inside the button.
#include "platform/graphics/PixelBuffer.h"
#include "platform/ui/TGraphicControl.h"

#include <functional>
#include <memory>

class TBitmap;

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

namespace ui {

// The embossed disabled look of a glyph slice on Face: every pixel that is
// neither Transparent nor Face is drawn in Highlight one pixel lower right,
// then in Shadow in place. Colours RGB.
graphics::PixelBuffer DisabledGlyph(const graphics::PixelBuffer& Slice, TColor Transparent, TColor Face,
                                    TColor Highlight, TColor Shadow);

} // namespace ui

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;
    String ClassName() const override { return "TSpeedButton"; }

    bool Down() const { return FDown; }
    void SetDown(bool v);
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer v);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    // Up, disabled, down and stuck-down pictures side by side (NumGlyphs of them).
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* v);
    Integer NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(Integer v);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout v);
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer v);
    Integer Margin() const { return FMargin; }
    // -1 centres glyph and caption; values below -1 are ignored.
    void SetMargin(Integer v);
    // The drawing state: up, disabled, pressed or stuck down.
    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void Paint() override;
    // Draws glyph and caption into Client moved by Offset (the pressed look moves them).
    void DrawGlyphAndCaption(const TRect& Client, TPoint Offset);
    // Draws the glyph picture of the current state with its top-left at Pos;
    // Size is one slice of the glyph strip. A disabled button without a
    // disabled slice embosses its first one.
    virtual void DrawGlyph(TCanvas* Canvas, TPoint Pos, TSize Size);
    // A look made from the first slice: the slice, its lower-left (transparent)
    // colour and the button face, all RGB, give the picture.
    using TGlyphLook = std::function<graphics::PixelBuffer(const graphics::PixelBuffer& Slice,
                                                           TColor Transparent, TColor Face)>;
    // Draws Make's picture of the first slice at Pos; its face-coloured pixels show through.
    void DrawFirstSlice(TCanvas* Canvas, TPoint Pos, TSize Size, const TGlyphLook& Make);
    // Before painting: a disabled button shows disabled and stops dragging; an
    // enabled one leaves the disabled look (stuck down when Down in a group).
    void UpdatePaintState();

private:
    void UpdateExclusive();
    bool Inside(Integer X, Integer Y) const;

    std::unique_ptr<TBitmap> FGlyph;
    Integer FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    Integer FSpacing = 4;
    Integer FMargin = -1;
    Integer FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    bool FTransparent = true;
    bool FDragging = false;
    bool FMouseInControl = false;
    TButtonState FState = bsUp;
};
