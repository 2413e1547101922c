#include "platform/graphics/TMetafile.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TCanvas.h"

#include <cmath>

namespace {

std::int32_t I32(const std::vector<Byte>& d, std::size_t at) {
    return std::int32_t(std::uint32_t(d[at]) | (std::uint32_t(d[at + 1]) << 8) |
                        (std::uint32_t(d[at + 2]) << 16) | (std::uint32_t(d[at + 3]) << 24));
}
std::int16_t I16(const std::vector<Byte>& d, std::size_t at) {
    return std::int16_t(d[at] | (d[at + 1] << 8));
}

constexpr std::uint32_t EmfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;

} // namespace

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
    bool enhanced = false;
    Integer w = 0, h = 0;
    if (data.size() >= 88 && I32(data, 0) == 1 && std::uint32_t(I32(data, 40)) == EmfSignature) {
        enhanced = true;
        // rclFrame in hundredths of a millimetre.
        w = Integer(std::lround((I32(data, 32) - I32(data, 24)) * 96.0 / 2540.0));
        h = Integer(std::lround((I32(data, 36) - I32(data, 28)) * 96.0 / 2540.0));
    } else if (data.size() >= 22 && std::uint32_t(I32(data, 0)) == PlaceableKey) {
        const int inch = data[14] | (data[15] << 8);
        if (inch > 0) {
            w = Integer(std::lround((I16(data, 10) - I16(data, 6)) * 96.0 / inch));
            h = Integer(std::lround((I16(data, 12) - I16(data, 8)) * 96.0 / inch));
        }
    } else if (!(data.size() >= 18 && (data[0] == 1 || data[0] == 2) && data[1] == 0 && data[2] == 9 &&
                 data[3] == 0)) {
        throw EInvalidGraphic("Metafile is not valid");
    }
    FData = data;
    FEnhanced = enhanced;
    FWidth = w;
    FHeight = h;
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
    if (!ACanvas || IsRectEmpty(Rect)) return;
    // Playback is not offered: a grey frame with a cross marks where the picture goes.
    const TRect d = ACanvas->ToDevice(Rect);
    graphics::PenState pen;
    pen.Color = clGray;
    graphics::BrushState none;
    none.Style = bsClear;
    auto* b = ACanvas->Backend();
    b->Rectangle(d, pen, none);
    b->Polyline({{d.Left, d.Top}, {d.Right - 1, d.Bottom - 1}}, pen);
    b->Polyline({{d.Right - 1, d.Top}, {d.Left, d.Bottom - 1}}, pen);
}
