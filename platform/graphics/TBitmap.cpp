#include "platform/graphics/TBitmap.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/BitmapResources.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/graphics/QtCanvasBackend.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TCanvas.h"

#include <QImage>

#include <algorithm>

namespace {

const char* const InvalidBitmap = "Bitmap image is not valid";

QRgb ToQRgb(TColor c) {
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}
TColor FromQRgb(QRgb q) {
    return RGB(Byte(qRed(q)), Byte(qGreen(q)), Byte(qBlue(q)));
}

Integer BitsOf(TPixelFormat f) {
    switch (f) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 4;
    case pf8bit:
        return 8;
    case pf15bit:
    case pf16bit:
        return 16;
    case pf24bit:
        return 24;
    default:
        return 32;
    }
}

TPixelFormat FormatOf(Integer bits) {
    switch (bits) {
    case 1:
        return pf1bit;
    case 4:
        return pf4bit;
    case 8:
        return pf8bit;
    case 24:
        return pf24bit;
    default:
        return pf32bit;
    }
}

// One pixel of a scan line in the platform layout. Sixteen-bit formats are
// 5-5-5 (pf15bit) and 5-6-5 (pf16bit) little-endian words.
TColor ReadPixel(const Byte* line, Integer x, TPixelFormat f, const std::vector<TColor>& pal) {
    auto entry = [&](std::size_t i) { return i < pal.size() ? pal[i] : clBlack; };
    auto expand = [](unsigned v, int bits) { return Byte((v << (8 - bits)) | (v >> (2 * bits - 8))); };
    switch (BitsOf(f)) {
    case 1:
        return entry((line[x / 8] >> (7 - x % 8)) & 1);
    case 4:
        return entry((x % 2 == 0) ? line[x / 2] >> 4 : line[x / 2] & 0xF);
    case 8:
        return entry(line[x]);
    case 16: {
        const unsigned w = unsigned(line[2 * x]) | (unsigned(line[2 * x + 1]) << 8);
        if (f == pf16bit) return RGB(expand(w >> 11, 5), expand((w >> 5) & 0x3F, 6), expand(w & 0x1F, 5));
        return RGB(expand((w >> 10) & 0x1F, 5), expand((w >> 5) & 0x1F, 5), expand(w & 0x1F, 5));
    }
    case 24:
        return RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]);
    default:
        return RGB(line[4 * x + 2], line[4 * x + 1], line[4 * x]);
    }
}

void WritePixel(Byte* line, Integer x, TPixelFormat f, const std::vector<TColor>& pal, TColor c) {
    switch (BitsOf(f)) {
    case 1:
        if (graphics::NearestPaletteIndex(pal, c)) line[x / 8] |= Byte(0x80 >> (x % 8));
        break;
    case 4:
        line[x / 2] |= Byte(graphics::NearestPaletteIndex(pal, c) << ((x % 2 == 0) ? 4 : 0));
        break;
    case 8:
        line[x] = Byte(graphics::NearestPaletteIndex(pal, c));
        break;
    case 16: {
        const unsigned r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        const unsigned w = f == pf16bit ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
                                        : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
        line[2 * x] = Byte(w);
        line[2 * x + 1] = Byte(w >> 8);
        break;
    }
    case 24:
        line[3 * x] = GetBValue(c);
        line[3 * x + 1] = GetGValue(c);
        line[3 * x + 2] = GetRValue(c);
        break;
    default:
        line[4 * x] = GetBValue(c);
        line[4 * x + 1] = GetGValue(c);
        line[4 * x + 2] = GetRValue(c);
        break;
    }
}

// The bits written to a BMP for a format: the device format is stored as 24 bits.
Integer FileBitsOf(TPixelFormat f) {
    switch (f) {
    case pfDevice:
    case pf15bit:
    case pf16bit:
    case pfCustom:
        return 24;
    default:
        return BitsOf(f);
    }
}

} // namespace

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()) {}

TBitmap::TBitmap(Integer width, Integer height, TPixelFormat format) : TBitmap() {
    FPixelFormat = format;
    if (format == pf1bit || format == pf4bit || format == pf8bit)
        FPalette = graphics::DefaultPalette(BitsOf(format));
    SetSize(width, height);
}

TBitmap::~TBitmap() = default;

QImage& TBitmap::Image() {
    if (FRowsDirty) {
        // Scan lines were handed out: take back what the caller may have written.
        const Integer stride = RowBytes();
        const auto& pal = FPalette;
        bool changed = false;
        for (Integer y = 0; y < Height(); ++y) {
            const std::size_t at = std::size_t(y) * std::size_t(stride);
            const Byte* line = FRowBuffer.data() + at;
            const Byte* before = FRowSnapshot.data() + at;
            QRgb* out = reinterpret_cast<QRgb*>(FImage->scanLine(y));
            for (Integer x = 0; x < Width(); ++x) {
                // Only pixels the caller rewrote: reading must not round the others.
                const TColor c = ReadPixel(line, x, FPixelFormat, pal);
                if (c == ReadPixel(before, x, FPixelFormat, pal)) continue;
                out[x] = ToQRgb(c);
                changed = true;
            }
        }
        FRowsDirty = false;
        FRowSnapshot.clear();
        if (changed) FOriginal.clear();
    }
    return *FImage;
}

const QImage& TBitmap::Image() const {
    return const_cast<TBitmap*>(this)->Image();
}

bool TBitmap::Empty() const {
    return FImage->isNull() || FImage->width() == 0 || FImage->height() == 0;
}
Integer TBitmap::Width() const {
    return FImage->isNull() ? 0 : FImage->width();
}
Integer TBitmap::Height() const {
    return FImage->isNull() ? 0 : FImage->height();
}
void TBitmap::SetWidth(Integer v) {
    SetSize(v, Height());
}
void TBitmap::SetHeight(Integer v) {
    SetSize(Width(), v);
}

void TBitmap::SetSize(Integer w, Integer h) {
    w = std::max(0, w);
    h = std::max(0, h);
    if (w == Width() && h == Height()) return;
    const QImage& old = Image();
    if (w == 0 || h == 0) {
        *FImage = QImage();
    } else {
        QImage next(w, h, QImage::Format_RGB32);
        next.fill(Qt::white);
        for (Integer y = 0; y < std::min(h, Height()); ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(old.constScanLine(y));
            QRgb* dst = reinterpret_cast<QRgb*>(next.scanLine(y));
            std::copy(src, src + std::min(w, Width()), dst);
        }
        *FImage = std::move(next);
    }
    FOriginal.clear();
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat v) {
    if (v == FPixelFormat) return;
    Image();
    FPixelFormat = v;
    if (v == pf1bit || v == pf4bit || v == pf8bit)
        FPalette = graphics::DefaultPalette(BitsOf(v));
    else
        FPalette.clear();
    FOriginal.clear();
    SyncFormat();
    Changed();
}

void TBitmap::SetMonochrome(bool v) {
    if (v == Monochrome()) return;
    SetPixelFormat(v ? pf1bit : pfDevice);
}

void TBitmap::SetPalette(const std::vector<TColor>& v) {
    FPalette = v;
    FOriginal.clear();
    SyncFormat();
    Changed();
}

HPALETTE TBitmap::PaletteHandle() const {
    if (FPalette.empty()) return nullptr;
    if (!FPaletteHandle) FPaletteHandle = std::make_unique<TPaletteObject>();
    FPaletteHandle->Entries.clear();
    for (TColor c : FPalette)
        FPaletteHandle->Entries.push_back({GetRValue(c), GetGValue(c), GetBValue(c), 0});
    return FPaletteHandle.get();
}

void TBitmap::SyncFormat() {
    if (FImage->isNull()) return;
    const bool mono = FPixelFormat == pf1bit;
    const bool paletted =
        FPixelFormat == pf4bit || FPixelFormat == pf8bit ||
        (mono && !(FPalette.size() == 2 && FPalette[0] == clBlack && FPalette[1] == clWhite));
    // Deeper formats hold any colour: nothing to bring back.
    if (!mono && !paletted) return;
    for (Integer y = 0; y < FImage->height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(FImage->scanLine(y));
        for (Integer x = 0; x < FImage->width(); ++x) {
            const TColor c = FromQRgb(line[x]);
            if (paletted)
                line[x] = ToQRgb(FPalette[std::size_t(graphics::NearestPaletteIndex(FPalette, c))]);
            else
                line[x] = c == clBlack ? ToQRgb(clBlack) : ToQRgb(clWhite);
        }
    }
}

void TBitmap::PixelsChanged() {
    FOriginal.clear();
    SyncFormat();
    Changed();
}

Integer TBitmap::RowBytes() const {
    return Integer(((std::int64_t(Width()) * BitsOf(FPixelFormat) + 31) / 32) * 4);
}

void* TBitmap::ScanLine(Integer Row) {
    if (Row < 0 || Row >= Height()) throw EInvalidGraphicOperation("Scan line index out of range");
    if (!FRowsDirty) {
        const Integer stride = RowBytes();
        FRowBuffer.assign(std::size_t(stride) * std::size_t(Height()), 0);
        for (Integer y = 0; y < Height(); ++y) {
            Byte* line = FRowBuffer.data() + std::size_t(y) * std::size_t(stride);
            const QRgb* in = reinterpret_cast<const QRgb*>(FImage->constScanLine(y));
            for (Integer x = 0; x < Width(); ++x) {
                WritePixel(line, x, FPixelFormat, FPalette, FromQRgb(in[x]));
            }
        }
        FRowSnapshot = FRowBuffer;
        FRowsDirty = true;
    }
    return FRowBuffer.data() + std::size_t(Row) * std::size_t(RowBytes());
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
    if (Empty()) return clDefault;
    return FromQRgb(Image().pixel(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor v) {
    FTransparentColor = v;
    FTransparentMode = v == clDefault ? tmAuto : tmFixed;
    Changed();
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(std::make_unique<graphics::QtCanvasBackend>(this));
    return FCanvas.get();
}

void TBitmap::Assign(TPersistent* Source) {
    if (!Source) {
        SetSize(0, 0);
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        if (b == this) return;
        // Rows written through the old scan lines go into the old picture
        // first: read later in the new format, they would corrupt the copy.
        Image();
        *FImage = b->Image().copy();
        FPixelFormat = b->FPixelFormat;
        FPalette = b->FPalette;
        FOriginal = b->FOriginal;
        FTransparentColor = b->FTransparentColor;
        FTransparentMode = b->FTransparentMode;
        SetTransparent(b->Transparent());
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

graphics::PixelBuffer TBitmap::Pixels(const TRect& r) const {
    const QImage& img = Image();
    graphics::PixelBuffer out(std::max(0, r.Width()), std::max(0, r.Height()), clBlack);
    out.Monochrome = Monochrome();
    for (Integer y = 0; y < out.Height; ++y) {
        const Integer iy = r.Top + y;
        if (iy < 0 || iy >= img.height()) continue;
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(iy));
        for (Integer x = 0; x < out.Width; ++x) {
            const Integer ix = r.Left + x;
            if (ix >= 0 && ix < img.width()) out.At(x, y) = FromQRgb(line[ix]);
        }
    }
    return out;
}

void TBitmap::PutPixels(Integer x, Integer y, const graphics::PixelBuffer& pixels) {
    QImage& img = Image();
    for (Integer py = 0; py < pixels.Height; ++py) {
        const Integer iy = y + py;
        if (iy < 0 || iy >= img.height()) continue;
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(iy));
        for (Integer px = 0; px < pixels.Width; ++px) {
            const Integer ix = x + px;
            if (ix >= 0 && ix < img.width()) line[ix] = ToQRgb(pixels.At(px, py));
        }
    }
    PixelsChanged();
}

void TBitmap::LoadFromBytes(const Byte* data, std::size_t size) {
    graphics::BmpImage bmp;
    if (!graphics::DecodeBmp(data, size, bmp)) throw EInvalidGraphic(InvalidBitmap);
    // The declared size may be shorter than what the caller passed (a stream
    // holding more after the picture): keep exactly the picture's bytes.
    std::size_t fileSize = std::size_t(data[2]) | (std::size_t(data[3]) << 8) | (std::size_t(data[4]) << 16) |
                           (std::size_t(data[5]) << 24);
    if (fileSize == 0 || fileSize > size) fileSize = size;
    FRowsDirty = false;
    QImage img(bmp.Pixels.Width, bmp.Pixels.Height, QImage::Format_RGB32);
    for (Integer y = 0; y < bmp.Pixels.Height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (Integer x = 0; x < bmp.Pixels.Width; ++x)
            line[x] = ToQRgb(bmp.Pixels.At(x, y));
    }
    *FImage = std::move(img);
    FPixelFormat = FormatOf(bmp.BitCount);
    FPalette = bmp.Palette;
    if (FPixelFormat == pf1bit || FPixelFormat == pf4bit || FPixelFormat == pf8bit) {
        if (FPalette.empty()) FPalette = graphics::DefaultPalette(bmp.BitCount);
    }
    FOriginal.assign(data, data + fileSize);
    Changed();
}

void TBitmap::LoadFromResourceName(const String& ResName) {
    std::vector<Byte> data;
    if (!FindBitmapResource(ResName, data)) throw EResNotFound("Resource " + ResName + " not found");
    LoadFromBytes(data.data(), data.size());
}

void TBitmap::LoadFromStream(TStream* Stream) {
    if (!Stream) throw EInvalidGraphic(InvalidBitmap);
    const Int64 left = Stream->Size() - Stream->Position();
    if (left < 14) throw EInvalidGraphic(InvalidBitmap);
    Byte header[14];
    Stream->ReadBuffer(header, 14);
    const Int64 fileSize =
        Int64(header[2]) | (Int64(header[3]) << 8) | (Int64(header[4]) << 16) | (Int64(header[5]) << 24);
    if (header[0] != 'B' || header[1] != 'M' || fileSize < 14 || fileSize > left)
        throw EInvalidGraphic(InvalidBitmap);
    std::vector<Byte> data(static_cast<std::size_t>(fileSize));
    std::copy(header, header + 14, data.begin());
    Stream->ReadBuffer(data.data() + 14, Integer(fileSize - 14));
    LoadFromBytes(data.data(), data.size());
}

std::vector<Byte> TBitmap::SaveToBytes() {
    Image();
    if (!FOriginal.empty()) return FOriginal;
    if (Empty()) return {};
    graphics::BmpImage bmp;
    bmp.BitCount = FileBitsOf(FPixelFormat);
    bmp.Palette = FPalette;
    bmp.Pixels = Pixels(TRect(0, 0, Width(), Height()));
    return graphics::EncodeBmp(bmp);
}

void TBitmap::SaveToStream(TStream* Stream) {
    const auto bytes = SaveToBytes();
    if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), Integer(bytes.size()));
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
    if (!ACanvas || Empty() || IsRectEmpty(Rect)) return;
    // The usual case, an opaque colour picture copied as it is, goes straight
    // to the surface.
    if (!Transparent() && ACanvas->CopyMode() == SRCCOPY && !Monochrome() &&
        !ACanvas->Backend()->Monochrome() &&
        ACanvas->Backend()->CopyBitmap(ACanvas->ToDevice(Rect), *this, TRect(0, 0, Width(), Height())))
        return;
    const TRect whole = ACanvas->ToDevice(Rect);
    const TRect part = graphics::VisiblePart(ACanvas, whole);
    if (IsRectEmpty(part)) return;
    graphics::PixelBuffer src =
        graphics::StretchPart(Pixels(TRect(0, 0, Width(), Height())), Rect.Width(), Rect.Height(), part);
    auto* backend = ACanvas->Backend();
    TRect dst = part;
    OffsetRect(dst, whole.Left, whole.Top);
    if (Transparent()) {
        // Mask out the transparent colour, then OR the picture into the hole.
        const TColor key = ColorToRGB(TransparentColor()) & 0xFFFFFF;
        graphics::PixelBuffer mask(src.Width, src.Height), image = src;
        for (std::size_t i = 0; i < src.Pixels.size(); ++i) {
            const bool clear = (src.Pixels[i] & 0xFFFFFF) == key;
            mask.Pixels[i] = clear ? clWhite : clBlack;
            if (clear) image.Pixels[i] = clBlack;
        }
        backend->Blt(dst, &mask, SRCAND, ACanvas->BrushState(), ACanvas->TextColor(), ACanvas->BkColor());
        backend->Blt(dst, &image, SRCPAINT, ACanvas->BrushState(), ACanvas->TextColor(), ACanvas->BkColor());
        return;
    }
    src = graphics::ConvertForDestination(src, backend->Monochrome(), ACanvas->TextColor(),
                                          ACanvas->BkColor(), clWhite);
    backend->Blt(dst, &src, ACanvas->CopyMode(), ACanvas->BrushState(), ACanvas->TextColor(),
                 ACanvas->BkColor());
}
