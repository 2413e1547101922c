#pragma once
// Blends a bitmap with a fill at a given strength; the fill's bitmap may come
// from an image list, which the object follows through a change link (and
// forgets when the list is destroyed).
#include "controls/shapes/TUtlFillObject.h"
#include "controls/lists/UtlImageListLink.h"

#include <memory>

class TUtlAlphaObject : public TUtlObject {
public:
    TUtlAlphaObject();
    ~TUtlAlphaObject() override;
    String ClassName() const override { return "TUtlAlphaObject"; }

    // Null when none is set or the list has been destroyed.
    TUtlCustomImageList* ImageList() const;
    void SetImageList(TUtlCustomImageList* Value);
    float Strength() const { return FStrength; }
    void SetStrength(float Value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value);
    Integer ListIndex() const { return FListIndex; }
    void SetListIndex(Integer Value);
    bool Extra() const { return FExtra; }
    void SetExtra(bool Value);
    TUtlFillObject* FillObject() const { return FFillObject.get(); }
    void SetFillObject(TUtlFillObject* Value) { FFillObject->Assign(Value); }

    // Bitmap × Strength + fill × (1 − Strength), in place (24 bits afterwards).
    // Nothing for sfNone.
    void AlphaBlend(TBitmap* Bitmap);
    // The same on Area of Bitmap only (the part inside the bitmap); the fill
    // is laid out over the area as if it were a bitmap of its own.
    void AlphaBlendRect(TBitmap* Bitmap, const TRect& Area);
    // SourceRect of Bitmap blended and copied to TargetRect of Canvas.
    void ControlBlend(TBitmap* Bitmap, const TRect& SourceRect, const TRect& WorkRect, TCanvas* Canvas,
                      const TRect& TargetRect);
    // A fill is set and the strength is not 1.
    bool Enabled() const;
    HPALETTE GetPalette() const { return FFillObject->GetPalette(); }

    void Assign(TPersistent* Source) override;
    // "{Enabled (grad), strength: 0.600}" or "{Disabled}".
    String GetSetStr() const override;
    // "Internal": the image list when it is one of the global lists.
    void DefineProperties(TFiler* Filer) override;

private:
    void FetchListBitmap();

    float FStrength = 0.6f;
    Integer FImageIndex = 0;
    Integer FListIndex = 0;
    bool FExtra = false;
    std::unique_ptr<TUtlFillObject> FFillObject;
    TUtlChangeLink FLink;
};
