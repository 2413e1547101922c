#include "platform/graphics/TIcon.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/QtFont.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TCanvas.h"

#include <QByteArray>
#include <QFont>
#include <QImage>

namespace {

const char* const InvalidIcon = "Icon image is not valid";

} // namespace

TIcon::TIcon() = default;
TIcon::~TIcon() = default;

void TIcon::Assign(TPersistent* Source) {
    if (auto* i = dynamic_cast<TIcon*>(Source)) {
        if (i == this) return;
        FData = i->FData;
        FPixels = i->FPixels;
        FMask = i->FMask;
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

Integer TIcon::Width() const {
    return FPixels.Width;
}
Integer TIcon::Height() const {
    return FPixels.Height;
}

void TIcon::SetWidth(Integer) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}
void TIcon::SetHeight(Integer) {
    throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::LoadFromBytes(const std::vector<Byte>& data) {
    // ICONDIR: reserved 0, type 1, at least one entry whose data lies inside the file.
    if (data.size() < 6 + 16 || data[0] || data[1] || data[2] != 1 || data[3] != 0)
        throw EInvalidGraphic(InvalidIcon);
    const std::size_t count = std::size_t(data[4] | (data[5] << 8));
    if (count == 0 || 6 + 16 * count > data.size()) throw EInvalidGraphic(InvalidIcon);
    graphics::EnsureGuiApplication();
    const QImage img = QImage::fromData(
        QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size())), "ICO");
    if (img.isNull()) throw EInvalidGraphic(InvalidIcon);
    const QImage argb = img.convertToFormat(QImage::Format_ARGB32);
    graphics::PixelBuffer px(argb.width(), argb.height());
    std::vector<bool> mask(std::size_t(argb.width()) * std::size_t(argb.height()));
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            px.At(x, y) = RGB(Byte(qRed(line[x])), Byte(qGreen(line[x])), Byte(qBlue(line[x])));
            mask[std::size_t(y) * std::size_t(argb.width()) + std::size_t(x)] = qAlpha(line[x]) < 128;
        }
    }
    FData = data;
    FPixels = std::move(px);
    FMask = std::move(mask);
    Changed();
}

void TIcon::LoadFromStream(TStream* Stream) {
    const Int64 left = Stream->Size() - Stream->Position();
    if (left <= 0) throw EInvalidGraphic(InvalidIcon);
    std::vector<Byte> data(static_cast<std::size_t>(left));
    Stream->ReadBuffer(data.data(), Integer(data.size()));
    LoadFromBytes(data);
}

void TIcon::SaveToStream(TStream* Stream) {
    if (!FData.empty()) Stream->WriteBuffer(FData.data(), Integer(FData.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
    if (!ACanvas || Empty() || IsRectEmpty(Rect)) return;
    graphics::PixelBuffer mask(FPixels.Width, FPixels.Height), image = FPixels;
    for (std::size_t i = 0; i < FMask.size(); ++i) {
        mask.Pixels[i] = FMask[i] ? clWhite : clBlack;
        if (FMask[i]) image.Pixels[i] = clBlack;
    }
    const TRect whole = ACanvas->ToDevice(Rect);
    const TRect part = graphics::VisiblePart(ACanvas, whole);
    if (IsRectEmpty(part)) return;
    mask = graphics::StretchPart(mask, Rect.Width(), Rect.Height(), part);
    image = graphics::StretchPart(image, Rect.Width(), Rect.Height(), part);
    TRect d = part;
    OffsetRect(d, whole.Left, whole.Top);
    auto* b = ACanvas->Backend();
    b->Blt(d, &mask, SRCAND, ACanvas->BrushState(), ACanvas->TextColor(), ACanvas->BkColor());
    b->Blt(d, &image, SRCPAINT, ACanvas->BrushState(), ACanvas->TextColor(), ACanvas->BkColor());
}
