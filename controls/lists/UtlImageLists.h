#pragma once
// Image lists: one interface through which controls draw image N of list M
// without knowing where the pictures live, a bitmap list (one bitmap per item)
// and an image list (one strip of equal cells per item).
#include "controls/lists/UtlImageStrip.h"
#include "controls/lists/UtlListItems.h"
#include "platform/graphics/Palettes.h"

class TUtlCustomImageList : public TUtlCustomContainer {
public:
    using TUtlCustomContainer::TUtlCustomContainer;
    String ClassName() const override { return "TUtlCustomImageList"; }

    Integer ListIndex() const { return FListIndex; }
    // A value outside 0 .. count - 1 raises EInvalidGraphicOperation
    // "List index out of bounds (<value>)" and changes nothing.
    void SetIndex(Integer Value);
    TUtlSavePixelFormat DefaultPixelFormat() const { return FDefaultPixelFormat; }
    void SetDefaultPixelFormat(TUtlSavePixelFormat Value) { FDefaultPixelFormat = Value; }

    // The canvas of the item's bitmap, or null.
    virtual TCanvas* BmpCanvas(Integer ListIndex) = 0;
    virtual TRect ItemRect(Integer ListIndex, Integer ImageIndex) = 0;
    // Which 0: image width, 1: image height, other: 0.
    virtual Integer Dimensions(Integer ListIndex, Integer Which) = 0;
    virtual Integer ItemCount(Integer ListIndex) = 0;
    virtual bool IsValidItem(Integer ListIndex, Integer ImageIndex) = 0;
    // Copies the image into Bitmap (nothing for a null Bitmap).
    virtual void GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) = 0;
    virtual bool Masked(Integer ListIndex) = 0;
    // The colour table of the item's bitmap as a handle the list owns; null
    // when it has none (true colour, no such item).
    virtual HPALETTE Palette(Integer ListIndex) = 0;
    virtual TColor TransparentColor(Integer ListIndex, Integer ImageIndex) = 0;
    virtual TColor GetColorAtPoint(TPoint Point, Integer ListIndex, Integer ImageIndex) = 0;
    virtual void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) = 0;
    // Draws into Rect with the drawing Mode of UtlBmpDrawExt; answers the
    // rectangle covered, empty when nothing was drawn.
    virtual TRect DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                          Integer ImageIndex) = 0;
    virtual TRect ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                           Integer ListIndex, Integer ImageIndex) = 0;

protected:
    void AssignSettings(TUtlCustomContainer* Source) override;
    // DrawExt and ClipDraw of lists whose images are fetched into a bitmap
    // first (GetBitmapItem), drawn with the image's transparent colour.
    TRect DrawFetched(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex, Integer ImageIndex);
    TRect ClipDrawFetched(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, Integer ListIndex,
                          Integer ImageIndex);

private:
    Integer FListIndex = 0;
    TUtlSavePixelFormat FDefaultPixelFormat = spfDefault;
};

class TUtlBitmapList : public TUtlCustomImageList {
public:
    explicit TUtlBitmapList(TComponent* AOwner);
    String ClassName() const override { return "TUtlBitmapList"; }
    TUtlBitmapListItem* Items(Integer Index) const {
        return static_cast<TUtlBitmapListItem*>(GetItem(Index));
    }

    TCanvas* BmpCanvas(Integer ListIndex) override;
    TRect ItemRect(Integer ListIndex, Integer ImageIndex) override;
    Integer Dimensions(Integer ListIndex, Integer Which) override;
    // 1 for a non-empty bitmap, else 0, whatever ImageIndex is.
    Integer ItemCount(Integer ListIndex) override;
    bool IsValidItem(Integer ListIndex, Integer ImageIndex) override;
    void GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) override;
    bool Masked(Integer ListIndex) override { return false; }
    HPALETTE Palette(Integer ListIndex) override;
    TColor TransparentColor(Integer ListIndex, Integer ImageIndex) override;
    TColor GetColorAtPoint(TPoint Point, Integer ListIndex, Integer ImageIndex) override;
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) override;
    TRect DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                  Integer ImageIndex) override;
    TRect ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                   Integer ListIndex, Integer ImageIndex) override;

private:
    TBitmap* BitmapOf(Integer ListIndex);
};

class TUtlImageList : public TUtlCustomImageList {
public:
    explicit TUtlImageList(TComponent* AOwner);
    String ClassName() const override { return "TUtlImageList"; }
    TUtlImageListItem* Items(Integer Index) const { return static_cast<TUtlImageListItem*>(GetItem(Index)); }

    // Assigning another image list also sets ListIndex 0.
    void Assign(TPersistent* Source) override;

    TCanvas* BmpCanvas(Integer ListIndex) override;
    TRect ItemRect(Integer ListIndex, Integer ImageIndex) override;
    Integer Dimensions(Integer ListIndex, Integer Which) override;
    // -1 for a ListIndex past the items.
    Integer ItemCount(Integer ListIndex) override;
    bool IsValidItem(Integer ListIndex, Integer ImageIndex) override;
    void GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) override;
    bool Masked(Integer ListIndex) override;
    // The strip bitmap's.
    HPALETTE Palette(Integer ListIndex) override;
    TColor TransparentColor(Integer ListIndex, Integer ImageIndex) override;
    TColor GetColorAtPoint(TPoint Point, Integer ListIndex, Integer ImageIndex) override;
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) override;
    TRect DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                  Integer ImageIndex) override;
    TRect ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                   Integer ListIndex, Integer ImageIndex) override;

private:
    TUtlImageListItem* StripOf(Integer ListIndex) const;
};

// The bitmap and graphic lists hold one picture per item; the connector is a
// collection of references (UtlCollectionLists.h).
bool UtlIsSingleItemImageList(const TUtlCustomImageList* List);
bool UtlIsCollectionImageList(const TUtlCustomImageList* List);
