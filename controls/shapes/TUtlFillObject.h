#pragma once
// How a control fills a rectangle: a brush, a bitmap (aligned, centred,
// stretched or tiled), a bitmap from an image list, or a gradient, with the
// background colour filled first when asked.
#include "controls/text/TUtlGlyphTextLayout.h"
#include "controls/shapes/TUtlShapeFill.h"
#include "platform/core/TSet.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"

enum TUtlFillOption { foFillInner, foQuickDraw, foGrUseBitmap };
using TUtlFillOptions = TSet<TUtlFillOption>;

class TUtlFillObject : public TUtlShapeFill {
public:
    TUtlFillObject();
    ~TUtlFillObject() override;
    String ClassName() const override { return "TUtlFillObject"; }

    // Changes to the placement are reported only for an untiled bitmap.
    TUtlAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TUtlAlignment Value);
    Integer OffsetX() const { return FOffsetX; }
    void SetOffsetX(Integer Value);
    Integer OffsetY() const { return FOffsetY; }
    void SetOffsetY(Integer Value);
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
    TUtlFillOptions Options() const { return FOptions; }
    void SetOptions(TUtlFillOptions Value);

    // Fills Rect by the style (with foFillInner the background in Color first);
    // false when nothing of the style was painted (sfNone, an empty bitmap).
    bool FillCanvas(TCanvas* Canvas, const TRect& Rect, TColor Color);
    // The same clipped to Rect (moved by Offset: x low, y high 16 bits, signed).
    bool ClipFill(TCanvas* Canvas, const TRect& Rect, TColor Color, Cardinal Offset);
    // Whether the fill leaves pixels of the area untouched.
    bool GetTransparent() const;

    // Brush, options, bitmaps, gradient, style and tile mode with one change.
    void Assign(TPersistent* Source) override;

private:
    bool PlacementShows() const;

    TUtlAlignment FAlignment = agTopLeft;
    Integer FOffsetX = 0;
    Integer FOffsetY = 0;
    std::unique_ptr<TBrush> FBrush;
    TUtlFillOptions FOptions{foFillInner, foGrUseBitmap};
};
