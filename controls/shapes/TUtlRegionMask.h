#pragma once
// A stored window region (in the platform's region-data layout) with the
// pictures that go with it: the source of bitmap-shaped regions. The data,
// the face bitmap and the two border bitmaps travel in form resources as
// binary properties.
#include "controls/common/TUtlObject.h"
#include "controls/lists/UtlContainer.h"
#include "platform/graphics/TRegion.h"

#include <memory>
#include <vector>

class TBitmap;

class TUtlRegionMask : public TUtlObject {
public:
    TUtlRegionMask();
    ~TUtlRegionMask() override;
    String ClassName() const override { return "TUtlRegionMask"; }

    // The published size. Setting it only stores the number; the data block
    // itself always knows its own size.
    Integer RegionDataSize() const { return FRegionDataSize; }
    void SetRegionDataSize(Integer Value) { FRegionDataSize = Value; }
    bool Compressed() const { return FCompressed; }
    void SetCompressed(bool Value) { FCompressed = Value; }
    TUtlSavePixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TUtlSavePixelFormat Value) { FPixelFormat = Value; }

    const std::vector<Byte>& RegionData() const { return FRegionData; }
    // Takes the block as the region data; RegionDataSize becomes its size.
    void SetRegionData(std::vector<Byte> Data);
    // A zeroed block of RegionDataSize bytes (none for a size of 0 or less).
    void GetMem();
    // Frees the block; the size becomes 0.
    void FreeMem();
    // Writes Rgn's data into the block; false (block unchanged) when the block is
    // too small for it or Rgn is null.
    bool GetRegionData(HRGN Rgn);
    // The region the data describes; nullptr when there is none or it is not
    // valid region data. The caller frees it.
    HRGN CreateRegion() const;

    TBitmap* MaskBitmap() const { return FMaskBitmap.get(); }
    TBitmap* BorderUpBitmap() const { return FBorderUp.get(); }
    TBitmap* BorderDownBitmap() const { return FBorderDown.get(); }
    // Index 0 the mask bitmap, 1 the border-up, 2 the border-down bitmap (created when missing).
    void SetBorderBmp(Integer Index, TBitmap* Bitmap);
    void CreateBorderUpBmp();
    void CreateBorderDnBmp();

    // From another mask: its data and, when it has data, its bitmaps. A mask
    // without data leaves this one empty. No change is signalled.
    void Assign(TPersistent* Source) override;
    // "RegionData" (the raw block), "BorderBmp", "BorderUpBmp", "BorderDnBmp"
    // (a Compressed byte, then the bitmap record).
    void DefineProperties(TFiler* Filer) override;

private:
    std::vector<Byte> FRegionData;
    Integer FRegionDataSize = 0;
    std::unique_ptr<TBitmap> FBorderUp;
    std::unique_ptr<TBitmap> FBorderDown;
    std::unique_ptr<TBitmap> FMaskBitmap;
    TUtlSavePixelFormat FPixelFormat = spfDefault;
    bool FCompressed = false;
};
