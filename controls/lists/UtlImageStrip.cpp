#include "controls/lists/UtlImageStrip.h"

#include "controls/drawing/UtlBitmaps.h"
#include "controls/common/UtlStreams.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TFileStream.h"
#include "platform/core/TFiler.h"
#include "platform/core/TMemoryStream.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr Integer MaxStripWidth = 32768;
constexpr Cardinal MaskedEntry = 0x10000;

[[noreturn]] void InvalidSize() {
    throw EInvalidGraphicOperation("Invalid image size");
}

graphics::PixelBuffer Blank(Integer W, Integer H, TColor Fill) {
    return graphics::PixelBuffer(W, H, Fill);
}

// Copies the W × H block at (SX, 0) of Source to (DX, 0) of Dest.
void CopyBlock(TBitmap* Dest, Integer DX, TBitmap* Source, Integer SX, Integer W, Integer H) {
    if (W <= 0 || H <= 0) return;
    Dest->PutPixels(DX, 0, Source->Pixels(Bounds(SX, 0, W, H)));
}

} // namespace

TUtlImageListItem::TUtlImageListItem(TComponent* AOwner)
    : TUtlListItem(AOwner), FImage(std::make_unique<TBitmap>()), FMask(std::make_unique<TBitmap>()) {
    FImage->SetPixelFormat(pf24bit);
    FImage->SetSize(0, FHeight);
}

TUtlImageListItem::TUtlImageListItem(TComponent* AOwner, Integer AWidth, Integer AHeight)
    : TUtlImageListItem(AOwner) {
    if (AWidth < 1 || AHeight < 1) InvalidSize();
    FWidth = AWidth;
    FHeight = AHeight;
    Clear();
}

void TUtlImageListItem::SetWidth(Integer Value) {
    if (Value < 1 || Value == FWidth) return;
    FWidth = Value;
    Clear();
}

void TUtlImageListItem::SetHeight(Integer Value) {
    if (Value < 1 || Value == FHeight) return;
    FHeight = Value;
    Clear();
}

void TUtlImageListItem::CheckIndex(Integer Index) const {
    if (Index < 0 || Index >= GetCount()) throw EListError(Format(SListIndexError, {Index}));
}

TRect TUtlImageListItem::GetImageRect(Integer Index) const {
    CheckIndex(Index);
    return Bounds(CellLeft(Index), 0, FWidth, FHeight);
}

bool TUtlImageListItem::CheckImage(TBitmap* Bitmap) const {
    if (!Bitmap) return false;
    if (Bitmap->Height() != FHeight || Bitmap->Width() % FWidth != 0) InvalidSize();
    return true;
}

void TUtlImageListItem::ResizeStrips(Integer NewWidth) {
    FImage->SetSize(NewWidth, FHeight);
    if (!FMasked) return;
    const Integer oldMask = FMask->Width();
    FMask->SetPixelFormat(pf1bit);
    FMask->SetSize(NewWidth, FHeight);
    // New mask cells count as opaque until a mask is set.
    if (NewWidth > oldMask) FMask->PutPixels(oldMask, 0, Blank(NewWidth - oldMask, FHeight, clBlack));
}

Integer TUtlImageListItem::PrepareSpace() {
    const Integer needed = FUsedWidth + FWidth;
    if (FImage->Width() < needed) {
        const Integer grown = std::max(needed, FImage->Width() + FAllocBy * FWidth);
        // Checked before anything moves: a refused cell leaves the strips as they were.
        if (grown > MaxStripWidth) throw EInvalidGraphicOperation("Too many images");
        ResizeStrips(grown);
    }
    FCells.push_back(Cardinal(FUsedWidth & 0xFFFF));
    FUsedWidth = needed;
    return GetCount() - 1;
}

Integer TUtlImageListItem::Add(TBitmap* Image, TBitmap* Mask) {
    if (!Image && !Mask) {
        const Integer index = PrepareSpace();
        Change();
        return index;
    }
    CheckImage(Image);
    CheckImage(Mask);
    const Integer index = PrepareSpace();
    Replace(index, Image, Mask);
    return index;
}

Integer TUtlImageListItem::AddMasked(TBitmap* Image, TColor TransparentColor) {
    CheckImage(Image);
    const Integer index = PrepareSpace();
    ReplaceMasked(index, Image, TransparentColor);
    return index;
}

void TUtlImageListItem::Insert(Integer Index, TBitmap* Image, TBitmap* Mask) {
    if (Index >= GetCount()) {
        Add(Image, Mask);
        return;
    }
    CheckIndex(Index);
    CheckImage(Image);
    CheckImage(Mask);
    const Integer oldUsed = FUsedWidth;
    PrepareSpace();
    const Integer left = CellLeft(Index);
    CopyBlock(FImage.get(), left + FWidth, FImage.get(), left, oldUsed - left, FHeight);
    if (FMasked) CopyBlock(FMask.get(), left + FWidth, FMask.get(), left, oldUsed - left, FHeight);
    const Cardinal last = FCells.back();
    FCells.pop_back();
    FCells.insert(FCells.begin() + Index, last);
    for (Integer i = Index; i < GetCount(); ++i)
        FCells[std::size_t(i)] = (FCells[std::size_t(i)] & ~0xFFFFu) | Cardinal((i * FWidth) & 0xFFFF);
    Replace(Index, Image, Mask);
}

void TUtlImageListItem::InsertMasked(Integer Index, TBitmap* Image, TColor TransparentColor) {
    if (!FMasked) {
        Insert(Index, Image, nullptr);
        return;
    }
    CheckImage(Image);
    TBitmap mask, image;
    UtlBmpCreateMasks(Image, Rect(0, 0, FWidth, FHeight), &mask, &image, TransparentColor);
    Insert(Index, &image, &mask);
}

void TUtlImageListItem::Replace(Integer Index, TBitmap* Image, TBitmap* Mask) {
    CheckIndex(Index);
    CheckImage(Image);
    CheckImage(Mask);
    const Integer left = CellLeft(Index);
    if (Image) CopyBlock(FImage.get(), left, Image, 0, FWidth, FHeight);
    Cardinal entry = Cardinal(left & 0xFFFF);
    if (FMasked) {
        FMask->SetPixelFormat(pf1bit);
        if (Mask)
            FMask->PutPixels(left, 0, Mask->Pixels(Rect(0, 0, FWidth, FHeight)));
        else
            FMask->PutPixels(left, 0, Blank(FWidth, FHeight, clBlack));
        if (Mask) entry |= MaskedEntry;
    }
    FCells[std::size_t(Index)] = entry;
    Change();
}

void TUtlImageListItem::ReplaceMasked(Integer Index, TBitmap* Image, TColor TransparentColor) {
    if (!FMasked) {
        Replace(Index, Image, nullptr);
        return;
    }
    CheckImage(Image);
    TBitmap mask, image;
    UtlBmpCreateMasks(Image, Rect(0, 0, FWidth, FHeight), &mask, &image, TransparentColor);
    Replace(Index, &image, &mask);
}

void TUtlImageListItem::Delete(Integer Index) {
    if (Index >= GetCount()) return;
    CheckIndex(Index);
    if (FImage->Width() == FUsedWidth) ResizeStrips(FImage->Width() + FAllocBy * FWidth);
    const Integer left = CellLeft(Index);
    CopyBlock(FImage.get(), left, FImage.get(), left + FWidth, FUsedWidth - left - FWidth, FHeight);
    if (FMasked)
        CopyBlock(FMask.get(), left, FMask.get(), left + FWidth, FUsedWidth - left - FWidth, FHeight);
    FUsedWidth -= FWidth;
    for (Integer i = Index + 1; i < GetCount(); ++i)
        FCells[std::size_t(i)] =
            (FCells[std::size_t(i)] & ~0xFFFFu) | Cardinal((CellLeft(i) - FWidth) & 0xFFFF);
    FCells.erase(FCells.begin() + Index);
    Change();
}

void TUtlImageListItem::Move(Integer CurIndex, Integer NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    TBitmap image, mask;
    GetBitmap(CurIndex, &image);
    if (FMasked) GetMaskBitmap(CurIndex, &mask);
    BeginUpdate();
    core::ScopeExit done([this] { EndUpdate(true); });
    Delete(CurIndex);
    Insert(NewIndex, &image, FMasked ? &mask : nullptr);
}

void TUtlImageListItem::Clear() {
    BeginUpdate();
    FImage->SetPixelFormat(pf24bit);
    FImage->SetSize(0, FHeight);
    FMask = std::make_unique<TBitmap>();
    if (FMasked) {
        FMask->SetPixelFormat(pf1bit);
        FMask->SetSize(0, FHeight);
    }
    FUsedWidth = 0;
    FCells.clear();
    EndUpdate(false);
}

void TUtlImageListItem::RebuildTable(Integer Count) {
    FCells.clear();
    for (Integer i = 0; i < Count; ++i)
        FCells.push_back(Cardinal((i * FWidth) & 0xFFFF) | (FMasked ? MaskedEntry : 0));
}

void TUtlImageListItem::SetMaskedState(bool Value) {
    if (Value == FMasked) return;
    FMasked = Value;
    FMask = std::make_unique<TBitmap>();
    if (Value) {
        FMask->SetPixelFormat(pf1bit);
        FMask->SetSize(FImage->Width(), FHeight);
        FMask->PutPixels(0, 0, Blank(FImage->Width(), FHeight, clBlack));
    }
    RebuildTable(GetCount());
    Change();
}

void TUtlImageListItem::GetBitmap(Integer Index, TBitmap* Bitmap) const {
    const TRect cell = GetImageRect(Index);
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(FWidth, FHeight);
    Bitmap->PutPixels(0, 0, FImage->Pixels(cell));
}

void TUtlImageListItem::GetMaskBitmap(Integer Index, TBitmap* Bitmap) const {
    const TRect cell = GetImageRect(Index);
    if (!FMasked || FMask->Empty()) return;
    Bitmap->SetPixelFormat(pf1bit);
    Bitmap->SetSize(FWidth, FHeight);
    Bitmap->PutPixels(0, 0, FMask->Pixels(cell));
}

TColor TUtlImageListItem::TransparentColor(Integer Index) const {
    const TRect cell = GetImageRect(Index);
    return FImage->Pixels(Bounds(cell.Left, FHeight - 1, 1, 1)).At(0, 0);
}

TColor TUtlImageListItem::GetColorAtPoint(TPoint Point, Integer Index) const {
    const TRect cell = GetImageRect(Index);
    const Integer x = cell.Left + Point.X, y = FHeight - 1 + Point.Y;
    if (x < 0 || y < 0 || x >= FImage->Width() || y >= FHeight) return clWhite;
    return FImage->Pixels(Bounds(x, y, 1, 1)).At(0, 0);
}

void TUtlImageListItem::AddImages(TUtlImageListItem* Other) {
    if (Other->FWidth != FWidth || Other->FHeight != FHeight) InvalidSize();
    const Integer count = Other->GetCount();
    if (count == 0) return;
    const Integer needed = FUsedWidth + count * FWidth;
    if (needed > MaxStripWidth) throw EInvalidGraphicOperation("Too many images");
    if (FImage->Width() < needed) ResizeStrips(needed);
    CopyBlock(FImage.get(), FUsedWidth, Other->FImage.get(), 0, Other->FUsedWidth, FHeight);
    if (FMasked && Other->FMasked && !Other->FMask->Empty())
        CopyBlock(FMask.get(), FUsedWidth, Other->FMask.get(), 0, Other->FUsedWidth, FHeight);
    for (Integer i = 0; i < count; ++i)
        FCells.push_back(Cardinal((FUsedWidth + i * FWidth) & 0xFFFF) |
                         (Other->FCells[std::size_t(i)] & MaskedEntry));
    FUsedWidth = needed;
    Change();
}

void TUtlImageListItem::InsertImages(Integer Index, TUtlImageListItem* Other) {
    if (Other->FWidth != FWidth || Other->FHeight != FHeight) InvalidSize();
    BeginUpdate();
    core::ScopeExit done([this] { EndUpdate(true); });
    for (Integer i = Other->GetCount() - 1; i >= 0; --i) {
        TBitmap image, mask;
        Other->GetBitmap(i, &image);
        if (!FMasked) {
            Insert(Index, &image, nullptr);
        } else if (Other->FMasked) {
            Other->GetMaskBitmap(i, &mask);
            Insert(Index, &image, &mask);
        } else {
            InsertMasked(Index, &image, Other->TransparentColor(i));
        }
    }
}

void TUtlImageListItem::Assign(TPersistent* Source) {
    auto* other = dynamic_cast<TUtlImageListItem*>(Source);
    if (!other) {
        TUtlListItem::Assign(Source);
        return;
    }
    if (other == this) return;
    BeginUpdate();
    core::ScopeExit done([this] { EndUpdate(true); });
    SetCompressed(other->Compressed());
    SetDescription(other->Description());
    SetIdent(other->Ident());
    FPixelFormat = other->FPixelFormat;
    FAllocBy = other->FAllocBy;
    FBackColor = other->FBackColor;
    FPatternColor = other->FPatternColor;
    FDrawStyle = other->FDrawStyle;
    FHeight = other->FHeight;
    FShowMask = other->FShowMask;
    FMasked = other->FMasked;
    FSpare = other->FSpare;
    FWidth = other->FWidth;
    Clear();
    AddImages(other);
}

void TUtlImageListItem::ConvertBmpToIML(TBitmap* Bitmap, Integer Count, bool Masked) {
    if (!Bitmap || Bitmap->Empty() || Count < 1 || Bitmap->Width() % Count != 0) InvalidSize();
    BeginUpdate();
    core::ScopeExit done([this] { EndUpdate(true); });
    FHeight = Bitmap->Height();
    FWidth = Bitmap->Width() / Count;
    FMasked = Masked;
    Clear();
    if (Masked) {
        TBitmap image;
        UtlBmpCreateMasks(Bitmap, Rect(0, 0, Bitmap->Width(), FHeight), FMask.get(), &image,
                          Bitmap->TransparentColor());
        FImage->SetSize(Bitmap->Width(), FHeight);
        CopyBlock(FImage.get(), 0, &image, 0, Bitmap->Width(), FHeight);
    } else {
        FImage->SetSize(Bitmap->Width(), FHeight);
        CopyBlock(FImage.get(), 0, Bitmap, 0, Bitmap->Width(), FHeight);
    }
    FUsedWidth = FImage->Width();
    RebuildTable(Count);
}

bool TUtlImageListItem::LoadFromBitmap(const String& FileName, Integer Count, bool Masked) {
    TBitmap bitmap;
    bitmap.LoadFromFile(FileName);
    if (bitmap.Empty() || Count < 1 || bitmap.Width() % Count != 0)
        throw Exception(Format("Cannot open file %s", {FileName}));
    ConvertBmpToIML(&bitmap, Count, Masked);
    SetDescription(ChangeFileExt(ExtractFileName(FileName), ""));
    return true;
}

void TUtlImageListItem::SaveToFile(const String& FileName) {
    TMemoryStream data;
    stWriteByte(&data, 8);
    data.WriteBuffer(UtlListSignatures[icImageList], 8);
    stWriteInteger(&data, 1);
    stWriteInteger(&data, 17);
    WriteData(&data);
    data.SaveToFile(FileName);
}

void TUtlImageListItem::LoadFromFile(const String& FileName) {
    TFileStream file(FileName, fmOpenRead | fmShareDenyRead);
    Byte header[9] = {};
    if (file.Read(header, 9) != 9 || header[0] != 8 ||
        std::memcmp(header + 1, UtlListSignatures[icImageList], 8) != 0)
        throw Exception(Format("Cannot open file %s: %s", {FileName, ClassName()}));
    stReadInteger(&file);
    stReadInteger(&file);
    ReadData(&file);
}

// ---- Drawing -------------------------------------------------------------------

void TUtlImageListItem::DrawMaskedCell(TCanvas* Canvas, Integer X, Integer Y, Integer Index) {
    const TRect cell = GetImageRect(Index);
    const TCopyMode saved = Canvas->CopyMode();
    Canvas->SetCopyMode(cmSrcAnd);
    Canvas->CopyRect(Bounds(X, Y, FWidth, FHeight), FMask->Canvas(), cell);
    Canvas->SetCopyMode(cmSrcPaint);
    Canvas->CopyRect(Bounds(X, Y, FWidth, FHeight), FImage->Canvas(), cell);
    Canvas->SetCopyMode(saved);
}

void TUtlImageListItem::CreatePattern(TBitmap* Bitmap, bool Checker) const {
    if (Bitmap->Empty() || FPatternColor == clNone) return;
    const TRect all = Rect(0, 0, Bitmap->Width(), Bitmap->Height());
    graphics::PixelBuffer pixels = Bitmap->Pixels(all);
    const TColor color = ColorToRGB(FPatternColor);
    for (Integer y = 0; y < pixels.Height; ++y)
        for (Integer x = 0; x < pixels.Width; ++x) {
            const bool oddX = x % 2 == 1, oddY = y % 2 == 1;
            if (Checker ? oddX != oddY : !(oddX && oddY)) pixels.At(x, y) = color;
        }
    Bitmap->PutPixels(0, 0, pixels);
}

void TUtlImageListItem::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index) {
    const TRect cell = GetImageRect(Index);
    const TRect dest = Bounds(X, Y, FWidth, FHeight);
    const TCopyMode saved = Canvas->CopyMode();
    core::ScopeExit restore([&] { Canvas->SetCopyMode(saved); });
    Canvas->SetCopyMode(cmSrcCopy);
    if (!FMasked) {
        Canvas->CopyRect(dest, FImage->Canvas(), cell);
        return;
    }
    if (FShowMask == 1) {
        Canvas->CopyRect(dest, FMask->Canvas(), cell);
        return;
    }
    const bool composed = FDrawStyle <= 1 || (FDrawStyle == 2 && FBackColor != clNone);
    if (composed) {
        TBitmap work;
        UtlBmpCreateFromRect(&work, Rect(0, 0, FWidth, FHeight), FBackColor);
        DrawMaskedCell(work.Canvas(), 0, 0, Index);
        if (FDrawStyle <= 1) CreatePattern(&work, FDrawStyle == 1);
        Canvas->CopyRect(dest, work.Canvas(), Rect(0, 0, FWidth, FHeight));
    } else if (FDrawStyle == 2 || FDrawStyle == 3) {
        DrawMaskedCell(Canvas, X, Y, Index);
    }
}

TRect TUtlImageListItem::DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer Index) {
    const TRect cell = GetImageRect(Index);
    if (FMasked)
        return UtlBmpDrawExt(Canvas, Rect, FImage->Canvas(), cell, Word(Mode | ubdMask), 0, FMask->Canvas());
    return UtlBmpDrawExt(Canvas, Rect, FImage->Canvas(), cell, Mode, TransparentColor(Index) | 0x02000000,
                         nullptr);
}

TRect TUtlImageListItem::ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                                  Integer Index) {
    const TRect cell = GetImageRect(Index);
    if (FMasked)
        return UtlBmpClipDrawExt(Canvas, Rect, FImage->Canvas(), cell, Word(Mode | ubdMask), 0,
                                 FMask->Canvas(), Value);
    return UtlBmpClipDrawExt(Canvas, Rect, FImage->Canvas(), cell, Mode, Color, nullptr, Value);
}

// ---- Records -------------------------------------------------------------------

void TUtlImageListItem::WriteData(TStream* Stream) {
    WriteStd(Stream);
    stWriteInteger(Stream, FHeight);
    stWriteInteger(Stream, FWidth);
    stWriteInteger(Stream, FAllocBy);
    stWriteByte(Stream, FMasked ? 1 : 0);
    const Integer count = GetCount();
    stWriteInteger(Stream, count);
    if (count == 0) return;
    // The strips trimmed to the used cells.
    TBitmap image(count * FWidth, FHeight, pf24bit);
    CopyBlock(&image, 0, FImage.get(), 0, count * FWidth, FHeight);
    Integer colors = UtlPixelFormatColors[FPixelFormat];
    stWriteBitmap(Stream, &image, Compressed(), colors);
    if (FMasked) {
        TBitmap mask(count * FWidth, FHeight, pf1bit);
        CopyBlock(&mask, 0, FMask.get(), 0, count * FWidth, FHeight);
        stWriteBitmap(Stream, &mask, Compressed(), 2);
    }
}

void TUtlImageListItem::ReadStrips(TStream* Stream) {
    const Integer count = stReadInteger(Stream);
    if (count < 0 || Int64(count) * FWidth > MaxStripWidth) throw EReadError(SReadError);
    // Read aside: a strip that does not fit leaves the item as it was.
    auto image = std::make_unique<TBitmap>();
    auto mask = std::make_unique<TBitmap>();
    if (count > 0) {
        stReadBitmap(Stream, image.get(), Compressed());
        if (image->Height() != FHeight || image->Width() < count * FWidth) InvalidSize();
        if (FMasked) {
            stReadBitmap(Stream, mask.get(), Compressed());
            if (mask->Height() != FHeight || mask->Width() < count * FWidth) InvalidSize();
            mask->SetPixelFormat(pf1bit);
        }
        image->SetPixelFormat(pf24bit);
    }
    BeginUpdate();
    Clear();
    if (count > 0) {
        FImage = std::move(image);
        if (FMasked) FMask = std::move(mask);
    }
    FUsedWidth = count * FWidth;
    RebuildTable(count);
    EndUpdate(true);
}

void TUtlImageListItem::ReadData(TStream* Stream) {
    const Byte flag = ReadStd(Stream);
    const Integer height = stReadInteger(Stream), width = stReadInteger(Stream),
                  allocBy = stReadInteger(Stream);
    const bool masked = stReadByte(Stream) != 0;
    if (height < 1 || width < 1 || height > MaxStripWidth || width > MaxStripWidth || allocBy < 1)
        throw EReadError(SReadError);
    FPixelFormat = (flag & ifMono)   ? spfMono
                   : (flag & if4Bit) ? spf4bit
                   : (flag & if8Bit) ? spf8bit
                                     : spfDefault;
    FHeight = height;
    FWidth = width;
    FAllocBy = allocBy;
    FMasked = masked;
    ReadStrips(Stream);
}

void TUtlImageListItem::DefineProperties(TFiler* Filer) {
    TUtlListItem::DefineProperties(Filer);
    // Read only: older resources kept just the strips under this name.
    Filer->DefineBinaryProperty(
        "Bitmap", [this](TStream* S) { ReadStrips(S); }, nullptr, false);
}

void UtlIMLGetItem(const String& FileName, Integer Index, TUtlImageListItem* Item) {
    UtlListGetItemFromFile(FileName, icImageList, nullptr, Index, Item);
}

Byte TUtlImageListItem::WriteFlag() const {
    static const Byte bits[4] = {0, ifMono, if4Bit, if8Bit};
    return Byte(TUtlListItem::WriteFlag() | bits[FPixelFormat]);
}
