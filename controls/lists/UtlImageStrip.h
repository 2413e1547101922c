#pragma once
// An image-list item: equal cells side by side in one image strip, with a
// one-bit mask strip when masked (black opaque, white transparent), and a cell
// table of left edges. The strip grows by AllocBy cells and never past 32768
// pixels.
#include "controls/lists/UtlContainer.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <memory>
#include <vector>

class TUtlImageListItem : public TUtlListItem {
public:
    explicit TUtlImageListItem(TComponent* AOwner);
    // Raises EInvalidGraphicOperation "Invalid image size" when either is below 1.
    TUtlImageListItem(TComponent* AOwner, Integer AWidth, Integer AHeight);
    String ClassName() const override { return "TUtlImageListItem"; }

    Integer Width() const { return FWidth; }
    Integer Height() const { return FHeight; }
    // Below 1 or unchanged is ignored; otherwise the strip is cleared.
    void SetWidth(Integer Value);
    void SetHeight(Integer Value);
    Integer AllocBy() const { return FAllocBy; }
    void SetAllocBy(Integer Value) { FAllocBy = Value < 1 ? 1 : Value; }
    bool Masked() const { return FMasked; }
    void SetMaskedState(bool Value);
    void SetMasked(bool Value) { SetMaskedState(Value); }
    TUtlSavePixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TUtlSavePixelFormat Value) { FPixelFormat = Value; }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor Value) { FBackColor = Value; }
    TColor PatternColor() const { return FPatternColor; }
    void SetPatternColor(TColor Value) { FPatternColor = Value; }
    Byte DrawStyle() const { return FDrawStyle; }
    void SetDrawStyle(Byte Value) { FDrawStyle = Value; }
    Byte ShowMask() const { return FShowMask; }
    void SetShowMask(Byte Value) { FShowMask = Value; }

    Integer GetCount() const { return Integer(FCells.size()); }
    bool GetEmpty() const override { return FCells.empty(); }
    TBitmap* GetImageBitmap() const { return FImage.get(); }
    TBitmap* GetImageMaskBitmap() const { return FMask.get(); }
    Integer UsedWidth() const { return FUsedWidth; }
    // Bounds(cell left, 0, Width, Height). Raises EListError outside the table.
    TRect GetImageRect(Integer Index) const;

    // The index of the new cell (with neither bitmap only a cell is reserved).
    // Wrong sizes raise EInvalidGraphicOperation "Invalid image size", a strip
    // past 32768 pixels "Too many images"; either leaves the item unchanged.
    Integer Add(TBitmap* Image, TBitmap* Mask);
    Integer AddMasked(TBitmap* Image, TColor TransparentColor);
    void Insert(Integer Index, TBitmap* Image, TBitmap* Mask);
    void InsertMasked(Integer Index, TBitmap* Image, TColor TransparentColor);
    // Without a mask the cell of a masked item becomes wholly opaque.
    void Replace(Integer Index, TBitmap* Image, TBitmap* Mask);
    void ReplaceMasked(Integer Index, TBitmap* Image, TColor TransparentColor);
    void Delete(Integer Index);
    void Move(Integer CurIndex, Integer NewIndex);
    void Clear();
    void FreeData() override { Clear(); }

    void GetBitmap(Integer Index, TBitmap* Bitmap) const;
    void GetMaskBitmap(Integer Index, TBitmap* Bitmap) const;
    // The cell's bottom-left pixel.
    TColor TransparentColor(Integer Index) const;
    TColor GetColorAtPoint(TPoint Point, Integer Index) const;

    // Other must have this item's cell size (else "Invalid image size").
    void AddImages(TUtlImageListItem* Other);
    void InsertImages(Integer Index, TUtlImageListItem* Other);
    void Assign(TPersistent* Source) override;
    // Count cells from one bitmap; masked ones through its transparent colour.
    void ConvertBmpToIML(TBitmap* Bitmap, Integer Count, bool Masked);
    // A bitmap file cut into Count cells; Description becomes its name part.
    // Raises Exception "Cannot open file <file>" when it cannot be cut so.
    bool LoadFromBitmap(const String& FileName, Integer Count, bool Masked);
    // One-item image-list file ("UTLIML30", count 1, offset 17, the record).
    void SaveToFile(const String& FileName);
    void LoadFromFile(const String& FileName);

    void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index);
    TRect DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer Index);
    TRect ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                   Integer Index);

    void ReadData(TStream* Stream) override;
    void WriteData(TStream* Stream) override;
    Byte WriteFlag() const override;
    void DefineProperties(TFiler* Filer) override;

private:
    void CheckIndex(Integer Index) const;
    bool CheckImage(TBitmap* Bitmap) const;
    Integer PrepareSpace();
    void ResizeStrips(Integer NewWidth);
    void DrawMaskedCell(TCanvas* Canvas, Integer X, Integer Y, Integer Index);
    void CreatePattern(TBitmap* Bitmap, bool Checker) const;
    void ReadStrips(TStream* Stream);
    void RebuildTable(Integer Count);
    Integer CellLeft(Integer Index) const { return std::int16_t(FCells[std::size_t(Index)] & 0xFFFF); }

    Integer FAllocBy = 4;
    Integer FHeight = 16;
    Integer FUsedWidth = 0;
    Integer FWidth = 16;
    TUtlSavePixelFormat FPixelFormat = spfDefault;
    TColor FBackColor = clNone;
    TColor FPatternColor = clNone;
    Byte FDrawStyle = 2;
    std::unique_ptr<TBitmap> FImage;
    std::unique_ptr<TBitmap> FMask;
    std::vector<Cardinal> FCells;
    Byte FShowMask = 0;
    bool FMasked = false;
    Byte FSpare = 0;
};

// Item Index of an image-list file into Item.
void UtlIMLGetItem(const String& FileName, Integer Index, TUtlImageListItem* Item);
