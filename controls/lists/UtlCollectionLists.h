#pragma once
// Image lists whose pictures live elsewhere: a connector that refers to
// platform image lists, and a graphic list of platform pictures. Both answer
// the image-list interface through one internal item whose description is
// the entry's name.
#include "controls/lists/UtlImageLists.h"
#include "platform/core/TCollection.h"
#include "platform/graphics/TImageList.h"
#include "platform/graphics/TPicture.h"

#include <memory>

class TUtlImageListConnector;
class TUtlGraphicList;

class TUtlBorImageListItem : public TCollectionItem {
public:
    explicit TUtlBorImageListItem(TCollection* Collection) : TCollectionItem(Collection) {}
    String ClassName() const override { return "TUtlBorImageListItem"; }

    const String& Name() const { return FName; }
    void SetName(const String& Value);
    TImageList* ImageList() const { return FImageList; }
    // The connector hears when the list is destroyed and forgets it.
    void SetImageList(TImageList* Value);
    void Assign(TPersistent* Source) override;

protected:
    // The entry's name, else the image list's component name.
    String GetDisplayName() const override;

private:
    TUtlImageListConnector* Connector() const;

    String FName;
    TImageList* FImageList = nullptr;
};

class TUtlGraphicListItem : public TCollectionItem {
public:
    explicit TUtlGraphicListItem(TCollection* Collection);
    String ClassName() const override { return "TUtlGraphicListItem"; }

    const String& Name() const { return FName; }
    void SetName(const String& Value);
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
    // From another graphic-list item: picture and name.
    void Assign(TPersistent* Source) override;

protected:
    String GetDisplayName() const override {
        return FName.empty() ? TCollectionItem::GetDisplayName() : FName;
    }

private:
    String FName;
    std::unique_ptr<TPicture> FPicture;
};

// The collection of a connector or graphic list: every change of an entry is
// a change of the list.
class TUtlListCollection : public TCollection {
public:
    TUtlListCollection(TUtlCustomImageList* Owner, TItemFactory ItemClass)
        : TCollection(std::move(ItemClass)), FListOwner(Owner) {}
    TPersistent* GetOwner() const override;

protected:
    void Update(TCollectionItem* Item) override;

private:
    TUtlCustomImageList* FListOwner;
};

// An image list over a collection of entries instead of items.
class TUtlCollectionImageList : public TUtlCustomImageList {
public:
    TUtlCollectionImageList(TComponent* AOwner, TCollection::TItemFactory EntryClass);
    ~TUtlCollectionImageList() override;

    Integer GetCount() const override { return FEntries->Count(); }
    bool GetEmpty() const override { return FEntries->Count() == 0; }
    // The internal item, its description the entry's name. Raises EListError
    // "List index out of bounds (<i>)".
    TUtlListItem* GetItem(Integer Index) const override;

protected:
    virtual String EntryName(Integer Index) const = 0;
    TCollection* Entries() const { return FEntries.get(); }

private:
    std::unique_ptr<TUtlListCollection> FEntries;
    std::unique_ptr<TUtlListItem> FItem;
};

// Draws images of the collection's image lists; images are fetched into a
// bitmap for the drawing modes.
class TUtlImageListConnector : public TUtlCollectionImageList {
public:
    explicit TUtlImageListConnector(TComponent* AOwner);
    ~TUtlImageListConnector() override;
    String ClassName() const override { return "TUtlImageListConnector"; }

    TCollection* ImageLists() const { return Entries(); }
    TUtlBorImageListItem* Entry(Integer Index) const;

    void Notification(TComponent* AComponent, TOperation Operation) override;

    TCanvas* BmpCanvas(Integer ListIndex) override { return nullptr; }
    TRect ItemRect(Integer ListIndex, Integer ImageIndex) override;
    Integer Dimensions(Integer ListIndex, Integer Which) override;
    // -1 for an entry past the end or without an image list.
    Integer ItemCount(Integer ListIndex) override;
    bool IsValidItem(Integer ListIndex, Integer ImageIndex) override;
    void GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) override;
    bool Masked(Integer ListIndex) override;
    // A platform image list hands out no palette.
    HPALETTE Palette(Integer ListIndex) override { return nullptr; }
    TColor TransparentColor(Integer ListIndex, Integer ImageIndex) override;
    TColor GetColorAtPoint(TPoint Point, Integer ListIndex, Integer ImageIndex) override { return 0xFFFFFF; }
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) override;
    TRect DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                  Integer ImageIndex) override;
    TRect ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                   Integer ListIndex, Integer ImageIndex) override;

protected:
    String EntryName(Integer Index) const override { return Entry(Index)->Name(); }

private:
    TImageList* ListOf(Integer ListIndex) const;
};

class TUtlGraphicList : public TUtlCollectionImageList {
public:
    explicit TUtlGraphicList(TComponent* AOwner);
    String ClassName() const override { return "TUtlGraphicList"; }

    TCollection* Graphics() const { return Entries(); }
    TUtlGraphicListItem* Entry(Integer Index) const;

    TCanvas* BmpCanvas(Integer ListIndex) override { return nullptr; }
    TRect ItemRect(Integer ListIndex, Integer ImageIndex) override;
    Integer Dimensions(Integer ListIndex, Integer Which) override;
    Integer ItemCount(Integer ListIndex) override { return IsValidItem(ListIndex, 0) ? 1 : 0; }
    bool IsValidItem(Integer ListIndex, Integer ImageIndex) override;
    // A bitmap graphic is copied; any other is drawn on white at its size.
    void GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) override;
    bool Masked(Integer ListIndex) override { return false; }
    // A bitmap graphic's palette; none for any other graphic.
    HPALETTE Palette(Integer ListIndex) override;
    // clNone for an invalid entry.
    TColor TransparentColor(Integer ListIndex, Integer ImageIndex) override;
    TColor GetColorAtPoint(TPoint Point, Integer ListIndex, Integer ImageIndex) override { return 0xFFFFFF; }
    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) override;
    TRect DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                  Integer ImageIndex) override;
    TRect ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                   Integer ListIndex, Integer ImageIndex) override;

protected:
    String EntryName(Integer Index) const override { return Entry(Index)->Name(); }

private:
    TGraphic* GraphicOf(Integer ListIndex) const;
};
