#pragma once
// A drawing surface with a font, pen and brush, in the platform's pixel
// conventions: right and bottom edges exclusive, alternate polygon fill,
// LineTo leaves out its end pixel, no antialiasing. The surface itself is a
// backend: a painter (window, image, printer) or a recording for tests.
// The canvas also stands for the device context of the free device calls
// (HDC), holding their text colour, background colour and mode.
#include "platform/core/TPersistent.h"
#include "platform/graphics/CanvasBackend.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TRect.h"

#include <memory>
#include <vector>

class TGraphic;
class TBitmap;
class TRegion;
struct TPaletteObject;

// Canvas copy modes are raster operations (SRCCOPY and friends).
using TCopyMode = Cardinal;
constexpr TCopyMode cmBlackness = 0x00000042, cmDstInvert = 0x00550009, cmMergeCopy = 0x00C000CA,
                    cmMergePaint = 0x00BB0226, cmNotSrcCopy = 0x00330008, cmNotSrcErase = 0x001100A6,
                    cmPatCopy = 0x00F00021, cmPatInvert = 0x005A0049, cmPatPaint = 0x00FB0A09,
                    cmSrcAnd = 0x008800C6, cmSrcCopy = 0x00CC0020, cmSrcErase = 0x00440328,
                    cmSrcInvert = 0x00660046, cmSrcPaint = 0x00EE0086, cmWhiteness = 0x00FF0062;

class TCanvas : public TPersistent {
public:
    // Takes ownership of the backend. The measurer defaults to real fonts.
    explicit TCanvas(std::unique_ptr<graphics::CanvasBackend> backend);
    ~TCanvas() override;
    String ClassName() const override { return "TCanvas"; }

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* v) { FFont->Assign(v); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* v) { FPen->Assign(v); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* v) { FBrush->Assign(v); }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint p) { FPenPos = p; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode v) { FCopyMode = v; }

    // Colour of one pixel; clNone outside the surface or when it cannot be read.
    TColor Pixels(Integer X, Integer Y);
    void SetPixels(Integer X, Integer Y, TColor Color);

    void Arc(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4);
    // Copies Source of Bitmap to Dest with the pixels of Color replaced by the brush.
    void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);
    // Copies Source of Canvas to Dest (stretching) with CopyMode.
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
    void Draw(Integer X, Integer Y, TGraphic* Graphic);
    // The dotted focus frame: XOR, so a second call removes it.
    void DrawFocusRect(const TRect& Rect);
    void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void FillRect(const TRect& Rect);
    // A one-pixel frame in the brush.
    void FrameRect(const TRect& Rect);
    void LineTo(Integer X, Integer Y);
    void MoveTo(Integer X, Integer Y);
    void Polygon(const std::vector<TPoint>& Points);
    void Polyline(const std::vector<TPoint>& Points);
    void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);
    TSize TextExtent(const String& Text);
    Integer TextHeight(const String& Text) { return TextExtent(Text).cy; }
    // The width alone: no line height to look up, no characters to count without extra spacing.
    Integer TextWidth(const String& Text);
    // Text at (X, Y); opaque on the brush colour unless the brush is clear.
    // Moves the pen position to the end of the text.
    void TextOut(Integer X, Integer Y, const String& Text);
    // Text at (X, Y) clipped to Rect, which is filled first unless the brush is clear.
    void TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text);

    // Visible area in logical coordinates (the surface when nothing clips).
    TRect ClipRect() const;
    // Clipping in logical coordinates. A null region removes it.
    void SetClipRegion(const TRegion* Region);
    void SetClipRect(const TRect& Rect);
    void IntersectClipRect(const TRect& Rect);
    void ExcludeClipRect(const TRect& Rect);
    // Copy of the current clip in logical coordinates; nullptr when none.
    std::unique_ptr<TRegion> ClipRegion() const;
    // Window origin: the logical point that lands on device pixel (0, 0).
    TPoint Origin() const { return FOrigin; }
    void SetOrigin(TPoint p);

    // Device-context state of the free device calls. Changing the font or the
    // brush resets the text colour, background colour and mode from them.
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor c) { FTextColor = c; }
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor c) { FBkColor = c; }
    int BkMode() const { return FBkMode; }
    void SetBkMode(int m) { FBkMode = m; }
    Integer TextCharacterExtra() const { return FCharExtra; }
    void SetTextCharacterExtra(Integer v) { FCharExtra = v; }
    // Extra pixels spread over the spaces of each following text output; 0, 0 ends it.
    void SetTextJustification(Integer BreakExtra, Integer BreakCount) {
        FBreakExtra = BreakExtra;
        FBreakCount = BreakCount;
    }
    // The logical palette selected by SelectPalette (not owned).
    TPaletteObject* Palette() const { return FPalette; }
    void SetPalette(TPaletteObject* p) { FPalette = p; }
    // The canvas as the device context of the free device calls.
    TCanvas* Handle() { return this; }

    graphics::CanvasBackend* Backend() const { return FBackend.get(); }
    graphics::TextMeasurer& Measurer() const { return *FMeasurer; }
    // The measurer is not owned.
    void SetMeasurer(graphics::TextMeasurer* m);

    // States handed to the backend.
    graphics::PenState PenState() const;
    graphics::BrushState BrushState() const;
    graphics::TextState TextState() const;

    // Logical to device coordinates.
    TPoint ToDevice(TPoint p) const { return {p.X - FOrigin.X, p.Y - FOrigin.Y}; }
    TRect ToDevice(const TRect& r) const;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void Changing();
    void Changed();

private:
    void FontChanged();
    void BrushChanged();
    void ApplyClip();

    std::unique_ptr<graphics::CanvasBackend> FBackend;
    graphics::TextMeasurer* FMeasurer;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TRegion> FClip; // device coordinates
    TPoint FPenPos;
    TPoint FOrigin;
    TCopyMode FCopyMode = cmSrcCopy;
    TColor FTextColor = clWindowText;
    TColor FBkColor = clWhite;
    int FBkMode = OPAQUE;
    Integer FCharExtra = 0;
    Integer FBreakExtra = 0;
    Integer FBreakCount = 0;
    TPaletteObject* FPalette = nullptr;
};

// Device-context handle of the device calls.
using HDC = TCanvas*;
