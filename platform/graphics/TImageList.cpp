#include "platform/graphics/TImageList.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}
TImageList::~TImageList() = default;

void TImageList::Changed() {
    if (OnChange) OnChange(this);
}

void TImageList::SetWidth(Integer v) {
    if (v == FWidth || v <= 0) return;
    FWidth = v;
    Clear();
}

void TImageList::SetHeight(Integer v) {
    if (v == FHeight || v <= 0) return;
    FHeight = v;
    Clear();
}

void TImageList::Clear() {
    FImages.clear();
    Changed();
}

Integer TImageList::AddPieces(TBitmap* Image, const std::vector<bool>& transparent) {
    if (!Image || Image->Empty()) return -1;
    const Integer first = Count();
    const Integer pieces = std::max(1, Image->Width() / FWidth);
    const graphics::PixelBuffer all = Image->Pixels(TRect(0, 0, Image->Width(), Image->Height()));
    for (Integer p = 0; p < pieces; ++p) {
        Entry e;
        e.Pixels = graphics::PixelBuffer(FWidth, FHeight, clBlack);
        e.Transparent.assign(std::size_t(FWidth) * std::size_t(FHeight), true);
        for (Integer y = 0; y < FHeight && y < all.Height; ++y) {
            for (Integer x = 0; x < FWidth; ++x) {
                const Integer sx = p * FWidth + x;
                if (sx >= all.Width) continue;
                const std::size_t i = std::size_t(y) * std::size_t(FWidth) + std::size_t(x);
                e.Pixels.At(x, y) = all.At(sx, y);
                e.Transparent[i] = FMasked && !transparent.empty() &&
                                   transparent[std::size_t(y) * std::size_t(all.Width) + std::size_t(sx)];
            }
        }
        FImages.push_back(std::move(e));
    }
    Changed();
    return first;
}

Integer TImageList::Add(TBitmap* Image, TBitmap* Mask) {
    if (!Image || Image->Empty()) return -1;
    std::vector<bool> transparent;
    if (Mask && !Mask->Empty()) {
        const auto m = Mask->Pixels(TRect(0, 0, Image->Width(), Image->Height()));
        transparent.resize(m.Pixels.size());
        for (std::size_t i = 0; i < m.Pixels.size(); ++i)
            transparent[i] = (m.Pixels[i] & 0xFFFFFF) == clWhite;
    }
    return AddPieces(Image, transparent);
}

Integer TImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    if (!Image || Image->Empty()) return -1;
    const TColor key = ColorToRGB(MaskColor == clDefault ? Image->TransparentColor() : MaskColor) & 0xFFFFFF;
    const auto px = Image->Pixels(TRect(0, 0, Image->Width(), Image->Height()));
    std::vector<bool> transparent(px.Pixels.size());
    for (std::size_t i = 0; i < px.Pixels.size(); ++i)
        transparent[i] = (px.Pixels[i] & 0xFFFFFF) == key;
    return AddPieces(Image, transparent);
}

void TImageList::Delete(Integer Index) {
    if (Index < 0 || Index >= Count()) throw EInvalidOperation("Invalid image list index");
    FImages.erase(FImages.begin() + Index);
    Changed();
}

void TImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled) {
    if (!Canvas || Index < 0 || Index >= Count()) return;
    const Entry& e = FImages[std::size_t(Index)];
    auto* b = Canvas->Backend();
    const auto brush = Canvas->BrushState();
    const TColor text = Canvas->TextColor(), bk = Canvas->BkColor();
    graphics::PixelBuffer mask(FWidth, FHeight), image = e.Pixels;
    if (!Enabled) {
        // Embossed: the dark pixels of the picture, once in the highlight
        // colour one pixel down and right, then in the shadow colour.
        graphics::PixelBuffer shape(FWidth, FHeight, clWhite);
        for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
            const TColor c = image.Pixels[i];
            const int light = GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11;
            if (!e.Transparent[i] && light < 128 * 100) shape.Pixels[i] = clBlack;
        }
        auto emboss = [&](Integer dx, TColor colour) {
            graphics::PixelBuffer m = shape, paint(FWidth, FHeight);
            const TColor rgb = ColorToRGB(colour) & 0xFFFFFF;
            for (std::size_t i = 0; i < m.Pixels.size(); ++i)
                paint.Pixels[i] = m.Pixels[i] == clBlack ? rgb : clBlack;
            for (auto& p : m.Pixels)
                p = p == clBlack ? clBlack : clWhite;
            const TRect d = Canvas->ToDevice(Bounds(X + dx, Y + dx, FWidth, FHeight));
            b->Blt(d, &m, SRCAND, brush, text, bk);
            b->Blt(d, &paint, SRCPAINT, brush, text, bk);
        };
        emboss(1, clBtnHighlight);
        emboss(0, clBtnShadow);
        return;
    }
    const TRect d = Canvas->ToDevice(Bounds(X, Y, FWidth, FHeight));
    if (FBkColor != clNone || !FMasked) {
        const TColor fill = ColorToRGB(FBkColor == clNone ? clWhite : FBkColor) & 0xFFFFFF;
        for (std::size_t i = 0; i < image.Pixels.size(); ++i)
            if (e.Transparent[i]) image.Pixels[i] = fill;
        b->Blt(d, &image, SRCCOPY, brush, text, bk);
        return;
    }
    for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
        mask.Pixels[i] = e.Transparent[i] ? clWhite : clBlack;
        if (e.Transparent[i]) image.Pixels[i] = clBlack;
    }
    b->Blt(d, &mask, SRCAND, brush, text, bk);
    b->Blt(d, &image, SRCPAINT, brush, text, bk);
}

bool TImageList::GetBitmap(Integer Index, TBitmap* Image) {
    if (!Image || Index < 0 || Index >= Count()) return false;
    const Entry& e = FImages[std::size_t(Index)];
    Image->SetSize(FWidth, FHeight);
    graphics::PixelBuffer px = e.Pixels;
    const TColor fill = ColorToRGB(FBkColor == clNone ? clWhite : FBkColor) & 0xFFFFFF;
    for (std::size_t i = 0; i < px.Pixels.size(); ++i)
        if (e.Transparent[i]) px.Pixels[i] = fill;
    Image->PutPixels(0, 0, px);
    return true;
}
