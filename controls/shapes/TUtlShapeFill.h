#pragma once
// How an area is filled: a brush, a bitmap, a bitmap taken from an image list,
// or a gradient, and how a bitmap is laid out. The fill object extends it.
#include "controls/shapes/TUtlGradient.h"
#include "controls/shapes/UtlGraphTypes.h"

#include <memory>

class TBitmap;

class TUtlShapeFill : public TUtlObject {
public:
    TUtlShapeFill();
    ~TUtlShapeFill() override;
    String ClassName() const override { return "TUtlShapeFill"; }

    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(TBitmap* Value);
    TUtlGradient* Gradient() const { return FGradient.get(); }
    void SetGradient(TUtlGradient* Value) { FGradient->Assign(Value); }
    TUtlFillStyle Style() const { return FStyle; }
    void SetStyle(TUtlFillStyle Value);
    TUtlTileMode TileMode() const { return FTileMode; }
    void SetTileMode(TUtlTileMode Value);
    // The bitmap taken from an image list for sfBitmapList.
    TBitmap* ListBitmap() const { return FListBitmap.get(); }
    void SetListBitmap(TBitmap* Value);

    // Bitmap for sfBitmap, the list bitmap for sfBitmapList, else null.
    TBitmap* GetBitmap() const;
    // sfNone, or a bitmap style whose bitmap is empty.
    bool GetEmpty() const;
    // Whether a new size of the filled area needs a full repaint.
    bool GetMustRedraw() const;
    // The palette of Bitmap for sfBrushBitmap and sfBitmap, of the list bitmap
    // for sfBitmapList, the gradient's for sfGradient; none otherwise and for
    // a true-colour bitmap. The bitmap or gradient owns it.
    HPALETTE GetPalette() const;

    void Assign(TPersistent* Source) override;
    // "{Disabled}", "{Brush}", "{Bitmap}", "{BitmapList}", "{Gradient}", "{}".
    String GetSetStr() const override;

protected:
    explicit TUtlShapeFill(TUtlFillStyle DefaultStyle);

private:
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TUtlGradient> FGradient;
    TUtlFillStyle FStyle = sfBrush;
    TUtlTileMode FTileMode = tmTile;
    std::unique_ptr<TBitmap> FListBitmap;
};
