#include "controls/shapes/TUtlRegionMask.h"

#include "controls/common/UtlStreams.h"
#include "platform/core/TFiler.h"
#include "platform/core/TStream.h"
#include "platform/core/TypInfo.h"
#include "platform/graphics/TBitmap.h"

namespace {

void RegisterMask() {
    static const bool registered = [] {
        RegisterClass<TUtlRegionMask>(
            "TUtlRegionMask", "",
            {
                OrdProp<TUtlRegionMask>("RegionDataSize", tkInteger, &TUtlRegionMask::RegionDataSize,
                                        &TUtlRegionMask::SetRegionDataSize, 0),
                BoolProp<TUtlRegionMask>("Compressed", &TUtlRegionMask::Compressed,
                                         &TUtlRegionMask::SetCompressed, 0),
                OrdProp<TUtlRegionMask>("PixelFormat", tkEnumeration, &TUtlRegionMask::PixelFormat,
                                        &TUtlRegionMask::SetPixelFormat, spfDefault,
                                        {"spfDefault", "spfMono", "spf4bit", "spf8bit"}),
            });
        return true;
    }();
    (void)registered;
}

bool Filled(const std::unique_ptr<TBitmap>& b) {
    return b && !b->Empty();
}

} // namespace

TUtlRegionMask::TUtlRegionMask()
    : FBorderUp(std::make_unique<TBitmap>()), FBorderDown(std::make_unique<TBitmap>()),
      FMaskBitmap(std::make_unique<TBitmap>()) {
    RegisterMask();
}

TUtlRegionMask::~TUtlRegionMask() = default;

void TUtlRegionMask::SetRegionData(std::vector<Byte> Data) {
    FRegionData = std::move(Data);
    FRegionDataSize = Integer(FRegionData.size());
}

void TUtlRegionMask::GetMem() {
    FRegionData.assign(std::size_t(std::max<Integer>(FRegionDataSize, 0)), 0);
}

void TUtlRegionMask::FreeMem() {
    FRegionData.clear();
    FRegionDataSize = 0;
}

bool TUtlRegionMask::GetRegionData(HRGN Rgn) {
    if (!Rgn || FRegionData.empty()) return false;
    return ::GetRegionData(Rgn, Cardinal(FRegionData.size()), FRegionData.data()) != 0;
}

HRGN TUtlRegionMask::CreateRegion() const {
    // The block's own size counts, and the data is checked before use.
    if (FRegionData.empty()) return nullptr;
    return ExtCreateRegion(nullptr, Cardinal(FRegionData.size()), FRegionData.data());
}

void TUtlRegionMask::SetBorderBmp(Integer Index, TBitmap* Bitmap) {
    std::unique_ptr<TBitmap>& slot = Index == 0 ? FMaskBitmap : Index == 1 ? FBorderUp : FBorderDown;
    if (!slot) slot = std::make_unique<TBitmap>();
    slot->Assign(Bitmap);
}

void TUtlRegionMask::CreateBorderUpBmp() {
    if (!FBorderUp) FBorderUp = std::make_unique<TBitmap>();
}

void TUtlRegionMask::CreateBorderDnBmp() {
    if (!FBorderDown) FBorderDown = std::make_unique<TBitmap>();
}

void TUtlRegionMask::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlRegionMask*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    FreeMem();
    if (from->FRegionData.empty()) return;
    SetRegionData(from->FRegionData);
    SetBorderBmp(0, from->FMaskBitmap.get());
    SetBorderBmp(1, from->FBorderUp.get());
    SetBorderBmp(2, from->FBorderDown.get());
}

void TUtlRegionMask::DefineProperties(TFiler* Filer) {
    Filer->DefineBinaryProperty(
        "RegionData",
        [this](TStream* s) {
            std::vector<Byte> data(std::size_t(s->Size()));
            if (!data.empty()) s->ReadBuffer(data.data(), Integer(data.size()));
            SetRegionData(std::move(data));
        },
        [this](TStream* s) { s->WriteBuffer(FRegionData.data(), Integer(FRegionData.size())); },
        !FRegionData.empty());
    auto bitmapProperty = [&](const char* name, std::unique_ptr<TBitmap>& slot) {
        Filer->DefineBinaryProperty(
            name,
            [this, &slot](TStream* s) {
                if (!slot) slot = std::make_unique<TBitmap>();
                FCompressed = stReadByte(s) == 1;
                stReadBitmap(s, slot.get(), FCompressed);
            },
            [this, &slot](TStream* s) {
                stWriteByte(s, FCompressed ? 1 : 0);
                stWriteBitmap(s, slot.get(), FCompressed, -1);
            },
            Filled(slot));
    };
    bitmapProperty("BorderBmp", FMaskBitmap);
    bitmapProperty("BorderUpBmp", FBorderUp);
    bitmapProperty("BorderDnBmp", FBorderDown);
}
