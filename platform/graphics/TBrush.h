#pragma once
// The brush a canvas fills with: a solid colour, one of six hatches, nothing
// (bsClear), or a bitmap tiled from the surface's origin.
#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

class TBitmap;

class TBrush : public TGraphicsObject {
public:
    String ClassName() const override { return "TBrush"; }
    void Assign(TPersistent* Source) override;

    TColor Color() const { return FColor; }
    // A colour makes a clear brush solid again, as on the platform.
    void SetColor(TColor v);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle v);
    // The pattern bitmap is not owned: the caller keeps it alive while it is set.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* v);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
};
