#include "platform/graphics/TMetafile.h"

#include "platform/graphics/MetafilePlayer.h"

#include <algorithm>

void TMetafile::Assign(TPersistent* Source) {
    if (auto* m = dynamic_cast<TMetafile*>(Source)) {
        if (m == this) return;
        FData = m->FData;
        FWidth = m->FWidth;
        FHeight = m->FHeight;
        FEnhanced = m->FEnhanced;
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

void TMetafile::SetWidth(Integer v) {
    if (v == FWidth) return;
    FWidth = v;
    Changed();
}

void TMetafile::SetHeight(Integer v) {
    if (v == FHeight) return;
    FHeight = v;
    Changed();
}

void TMetafile::LoadFromBytes(const std::vector<Byte>& data) {
    const graphics::MetafileInfo info = graphics::CheckMetafile(data);
    FData = data;
    FEnhanced = info.Enhanced;
    FWidth = info.Width;
    FHeight = info.Height;
    Changed();
}

void TMetafile::LoadFromStream(TStream* Stream) {
    const Int64 left = Stream->Size() - Stream->Position();
    std::vector<Byte> data(static_cast<std::size_t>(std::max<Int64>(0, left)));
    if (!data.empty()) Stream->ReadBuffer(data.data(), Integer(data.size()));
    LoadFromBytes(data);
}

void TMetafile::SaveToStream(TStream* Stream) {
    if (!FData.empty()) Stream->WriteBuffer(FData.data(), Integer(FData.size()));
}

void TMetafile::Draw(TCanvas* ACanvas, const TRect& Rect) {
    graphics::PlayMetafile(ACanvas, Rect, FData);
}
