#pragma once
// Shapes a whole form to a region: the form window takes the region's outline
// (and loses the window manager's frame), its background is filled by a fill
// object, the border is painted along the outline, and a form without a
// caption can be dragged by its free client area.
#include "controls/shapes/TUtlFillObject.h"
#include "controls/shapes/TUtlRegion.h"
#include "controls/services/TUtlWndProcComponent.h"
#include "controls/bases/UtlBackground.h"
#include "controls/lists/UtlImageListLink.h"

#include <memory>

class TBitmap;
class TCustomForm;

class TUtlFormShape : public TUtlWndProcComponent, public TUtlBackgroundProvider {
public:
    // Owner is the form to shape.
    explicit TUtlFormShape(TComponent* AOwner);
    ~TUtlFormShape() override;
    String ClassName() const override { return "TUtlFormShape"; }

    TUtlBorderRegion* Region() const { return FRegion.get(); }
    void SetRegion(TUtlBorderRegion* Value) { FRegion->Assign(Value); }
    bool UseRgnBitmap() const { return FUseRgnBitmap; }
    void SetUseRgnBitmap(bool Value);
    bool FormDragable() const { return FFormDragable; }
    void SetFormDragable(bool Value) { FFormDragable = Value; }
    bool ShowFormCaption() const { return FShowFormCaption; }
    void SetShowFormCaption(bool Value);
    TUtlFillObject* FillObject() const { return FFillObject.get(); }
    void SetFillObject(TUtlFillObject* Value) { FFillObject->Assign(Value); }
    // The list an sfBitmapList fill takes its picture from; null when none is
    // set or the list has been destroyed.
    TUtlCustomImageList* ImageList() const { return UtlLinkedImageList(FLink); }
    void SetImageList(TUtlCustomImageList* Value);
    Integer ListIndex() const { return FListIndex; }
    void SetListIndex(Integer Value) { FListIndex = Value; }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { FImageIndex = Value; }

    // Recomputes the form's region and gives it to the window.
    void ReRegion();
    // The last region in window coordinates (frame and caption included); null before ReRegion.
    const TRegion* WindowRegion() const { return FWindowRegion.get(); }
    // The client rectangle the region was last built for.
    TRect LastClientRect() const { return FLastClient; }
    // Stores user region data and reshapes.
    void SetPolygonShape(const std::vector<TPoint>& Points);
    void SetRegionShape(HRGN Rgn);
    // Background and border on Canvas (the client area's coordinates).
    void PaintBorder(TCanvas* Canvas);

    // The background the form supplies to see-through children.
    bool BackBitmapCheck() const override;
    TBitmap* BackBitmap() const override;
    TPoint BackMapPoint(TPoint P) const override { return P; }
    bool BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const override;

    void Loaded() override;
    // "Internal": the image list when it is one of the global lists.
    void DefineProperties(TFiler* Filer) override;

protected:
    void WndProc(TMessage& Message) override;

private:
    TCustomForm* Form() const;
    void GetChange(TObject* Sender);

    std::unique_ptr<TUtlBorderRegion> FRegion;
    std::unique_ptr<TRegion> FWindowRegion;
    bool FUseRgnBitmap = true;
    bool FFormDragable = true;
    bool FShowFormCaption = true;
    std::unique_ptr<TUtlFillObject> FFillObject;
    std::unique_ptr<TBitmap> FBackground;
    TRect FLastClient;
    Integer FListIndex = 0;
    Integer FImageIndex = 0;
    Integer FCaptionHeight = 0;
    TUtlChangeLink FLink;
};
