#pragma once
// Two-colour blends of the gx controls: a colour pair, a gradient with
// direction, band count, partial filling and brush hatch that paints into a
// rectangle or colours a line of text.
#include "platform/core/TPersistent.h"
#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/TCanvas.h"

#include <utility>

enum TgxGradientDir {
    fgdHorizontal,
    fgdVertical,
    fgdLeftBias,
    fgdRightBias,
    fgdRectangle,
    fgdHorzConvergent,
    fgdVertConvergent
};
enum TThreeDGradientType { fgtFlat, fgt3D };
using TgxPercent = Byte;

class TTwainColors : public TPersistent {
public:
    TTwainColors();
    String ClassName() const override { return "TTwainColors"; }

    TColor FromColor() const { return FFromColor; }
    void SetFromColor(TColor Value);
    TColor ToColor() const { return FToColor; }
    void SetToColor(TColor Value);
    // The colours resolved to RGB when they were set.
    TColor FromRGB() const { return FFromRGB; }
    TColor ToRGB() const { return FToRGB; }

    TNotifyEvent OnChange;

protected:
    void Changed();
    void SwapRGB() { std::swap(FFromRGB, FToRGB); }

private:
    TColor FFromColor = clGray;
    TColor FToColor = clBlack;
    TColor FFromRGB;
    TColor FToRGB;
};

class TCustomGradient : public TTwainColors {
public:
    String ClassName() const override { return "TCustomGradient"; }

    bool BufferedDraw() const { return FBufferedDraw; }
    void SetBufferedDraw(bool Value) { FBufferedDraw = Value; }
    Integer Steps() const { return FSteps; }
    // Clamped to 1..255.
    void SetSteps(Integer Value);
    TgxPercent PercentFilling() const { return FPercentFilling; }
    void SetPercentFilling(TgxPercent Value);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle Value);
    TgxGradientDir Orientation() const { return FOrientation; }
    // Notifies only while Active.
    void SetOrientation(TgxGradientDir Value);
    bool Active() const { return FActive; }
    void SetActive(bool Value);

    // Text at (X, Y), coloured through the blend row by row (column by column for
    // fgdVertical) when active on a device of 16 bits or more, else plain.
    void TextOut(HDC DC, const String& Text, const TRect& Rect, Integer X, Integer Y);
    // The blend colour at Index of a line of Count parts; FromColor for Count 0.
    TColor GetColorFromGradientLine(Word Count, Word Index) const;

protected:
    // The temporary direction of a convergent blend's halves, without a notice.
    void SetOrientationQuietly(TgxGradientDir Value) { FOrientation = Value; }

    bool FActive = false;

private:
    bool FBufferedDraw = false;
    Integer FSteps = 255;
    TgxPercent FPercentFilling = 100;
    TBrushStyle FBrushStyle = bsSolid;
    TgxGradientDir FOrientation = fgdHorizontal;
};

class TGradient : public TCustomGradient {
public:
    String ClassName() const override { return "TGradient"; }

    // Paints into Rect; nothing when inactive, switched off globally, of one
    // step, or on a device below 16 bits per pixel. PenStyle and PenWidth (0 is
    // 1) draw the diagonal directions.
    void Draw(HDC DC, const TRect& Rect, TPenStyle PenStyle, Integer PenWidth);

private:
    void DrawBands(HDC DC, const TRect& Rect, TPenStyle PenStyle, Integer PenWidth);
};

class TThreeDGradient : public TCustomGradient {
public:
    TThreeDGradient() { FActive = true; }
    String ClassName() const override { return "TThreeDGradient"; }

    Word Depth() const { return FDepth; }
    void SetDepth(Word Value);
    TThreeDGradientType GType() const { return FGType; }
    void SetGType(TThreeDGradientType Value);

private:
    Word FDepth = 16;
    TThreeDGradientType FGType = fgtFlat;
};

// Gradient->Draw(DC, Rect, PenStyle, PenWidth).
void GradientBox(HDC DC, const TRect& Rect, TGradient* Gradient, TPenStyle PenStyle, Integer PenWidth);
