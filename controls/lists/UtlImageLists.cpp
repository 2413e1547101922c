#include "controls/lists/UtlImageLists.h"

#include "controls/drawing/UtlBitmaps.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"

namespace {

constexpr TColor NoColor = 0xFFFFFF;

} // namespace

void TUtlCustomImageList::SetIndex(Integer Value) {
    if (Value == FListIndex) return;
    // A negative index is refused like one past the end.
    if (Value < 0 || Value >= GetCount()) throw EInvalidGraphicOperation(Format(SListIndexError, {Value}));
    FListIndex = Value;
}

void TUtlCustomImageList::AssignSettings(TUtlCustomContainer* Source) {
    TUtlCustomContainer::AssignSettings(Source);
    if (auto* other = dynamic_cast<TUtlCustomImageList*>(Source))
        FDefaultPixelFormat = other->FDefaultPixelFormat;
}

TRect TUtlCustomImageList::DrawFetched(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                                       Integer ImageIndex) {
    TBitmap image;
    GetBitmapItem(ListIndex, ImageIndex, &image);
    return image.Empty() ? TRect() : UtlBmpDraw(Canvas, Rect, &image, Mode, image.TransparentColor());
}

TRect TUtlCustomImageList::ClipDrawFetched(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value,
                                           Integer ListIndex, Integer ImageIndex) {
    TBitmap image;
    GetBitmapItem(ListIndex, ImageIndex, &image);
    return image.Empty() ? TRect()
                         : UtlBmpClipDraw(Canvas, Rect, &image, Mode, image.TransparentColor(), Value);
}

// ---- Bitmap list ---------------------------------------------------------------

TUtlBitmapList::TUtlBitmapList(TComponent* AOwner)
    : TUtlCustomImageList(AOwner, icBitmap,
                          [](TComponent* O) -> TUtlListItem* { return new TUtlBitmapListItem(O); }) {
    UtlRegisterListClasses();
}

TBitmap* TUtlBitmapList::BitmapOf(Integer ListIndex) {
    if (ListIndex < 0 || ListIndex >= GetCount()) return nullptr;
    return Items(ListIndex)->Bitmap();
}

TCanvas* TUtlBitmapList::BmpCanvas(Integer ListIndex) {
    TBitmap* b = BitmapOf(ListIndex);
    return b ? b->Canvas() : nullptr;
}

TRect TUtlBitmapList::ItemRect(Integer ListIndex, Integer ImageIndex) {
    TBitmap* b = BitmapOf(ListIndex);
    return b ? Rect(0, 0, b->Width(), b->Height()) : TRect();
}

Integer TUtlBitmapList::Dimensions(Integer ListIndex, Integer Which) {
    TBitmap* b = BitmapOf(ListIndex);
    if (!b) return 0;
    return Which == 0 ? b->Width() : Which == 1 ? b->Height() : 0;
}

Integer TUtlBitmapList::ItemCount(Integer ListIndex) {
    TBitmap* b = BitmapOf(ListIndex);
    return b && !b->Empty() ? 1 : 0;
}

bool TUtlBitmapList::IsValidItem(Integer ListIndex, Integer ImageIndex) {
    TBitmap* b = BitmapOf(ListIndex);
    return b && !b->Empty();
}

void TUtlBitmapList::GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) {
    TBitmap* b = BitmapOf(ListIndex);
    if (b && Bitmap) Bitmap->Assign(b);
}

HPALETTE TUtlBitmapList::Palette(Integer ListIndex) {
    TBitmap* b = BitmapOf(ListIndex);
    return b ? b->PaletteHandle() : nullptr;
}

TColor TUtlBitmapList::TransparentColor(Integer ListIndex, Integer ImageIndex) {
    TBitmap* b = BitmapOf(ListIndex);
    return b && !b->Empty() ? b->TransparentColor() : clWhite;
}

TColor TUtlBitmapList::GetColorAtPoint(TPoint Point, Integer ListIndex, Integer ImageIndex) {
    TBitmap* b = BitmapOf(ListIndex);
    if (!b || Point.X < 0 || Point.Y < 0 || Point.X >= b->Width() || Point.Y >= b->Height()) return NoColor;
    return b->Canvas()->Pixels(Point.X, Point.Y);
}

void TUtlBitmapList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) {
    if (!IsValidItem(ListIndex, ImageIndex)) return;
    TBitmap* b = BitmapOf(ListIndex);
    UtlBmpDraw(Canvas, Bounds(X, Y, b->Width(), b->Height()), b, 0, 0);
}

TRect TUtlBitmapList::DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                              Integer ImageIndex) {
    if (!IsValidItem(ListIndex, ImageIndex)) return TRect();
    TBitmap* b = BitmapOf(ListIndex);
    return UtlBmpDraw(Canvas, Rect, b, Mode, b->TransparentColor());
}

TRect TUtlBitmapList::ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                               Integer ListIndex, Integer ImageIndex) {
    if (!IsValidItem(ListIndex, ImageIndex)) return TRect();
    return UtlBmpClipDraw(Canvas, Rect, BitmapOf(ListIndex), Mode, Color, Value);
}

// ---- Image list ----------------------------------------------------------------

TUtlImageList::TUtlImageList(TComponent* AOwner)
    : TUtlCustomImageList(AOwner, icImageList,
                          [](TComponent* O) -> TUtlListItem* { return new TUtlImageListItem(O); }) {
    UtlRegisterListClasses();
}

void TUtlImageList::Assign(TPersistent* Source) {
    TUtlCustomImageList::Assign(Source);
    if (dynamic_cast<TUtlImageList*>(Source) && GetCount() > 0) SetIndex(0);
}

TUtlImageListItem* TUtlImageList::StripOf(Integer ListIndex) const {
    if (ListIndex < 0 || ListIndex >= GetCount()) return nullptr;
    return Items(ListIndex);
}

TCanvas* TUtlImageList::BmpCanvas(Integer ListIndex) {
    TUtlImageListItem* s = StripOf(ListIndex);
    return s ? s->GetImageBitmap()->Canvas() : nullptr;
}

TRect TUtlImageList::ItemRect(Integer ListIndex, Integer ImageIndex) {
    return IsValidItem(ListIndex, ImageIndex) ? StripOf(ListIndex)->GetImageRect(ImageIndex) : TRect();
}

Integer TUtlImageList::Dimensions(Integer ListIndex, Integer Which) {
    TUtlImageListItem* s = StripOf(ListIndex);
    if (!s) return 0;
    return Which == 0 ? s->Width() : Which == 1 ? s->Height() : 0;
}

Integer TUtlImageList::ItemCount(Integer ListIndex) {
    TUtlImageListItem* s = StripOf(ListIndex);
    return s ? s->GetCount() : -1;
}

bool TUtlImageList::IsValidItem(Integer ListIndex, Integer ImageIndex) {
    TUtlImageListItem* s = StripOf(ListIndex);
    return s && ImageIndex >= 0 && ImageIndex < s->GetCount();
}

void TUtlImageList::GetBitmapItem(Integer ListIndex, Integer ImageIndex, TBitmap* Bitmap) {
    if (Bitmap && IsValidItem(ListIndex, ImageIndex)) StripOf(ListIndex)->GetBitmap(ImageIndex, Bitmap);
}

bool TUtlImageList::Masked(Integer ListIndex) {
    TUtlImageListItem* s = StripOf(ListIndex);
    return s && s->Masked();
}

HPALETTE TUtlImageList::Palette(Integer ListIndex) {
    TUtlImageListItem* s = StripOf(ListIndex);
    return s ? s->GetImageBitmap()->PaletteHandle() : nullptr;
}

TColor TUtlImageList::TransparentColor(Integer ListIndex, Integer ImageIndex) {
    return IsValidItem(ListIndex, ImageIndex) ? StripOf(ListIndex)->TransparentColor(ImageIndex) : NoColor;
}

TColor TUtlImageList::GetColorAtPoint(TPoint Point, Integer ListIndex, Integer ImageIndex) {
    return IsValidItem(ListIndex, ImageIndex) ? StripOf(ListIndex)->GetColorAtPoint(Point, ImageIndex)
                                              : NoColor;
}

void TUtlImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer ListIndex, Integer ImageIndex) {
    if (IsValidItem(ListIndex, ImageIndex)) StripOf(ListIndex)->Draw(Canvas, X, Y, ImageIndex);
}

TRect TUtlImageList::DrawExt(TCanvas* Canvas, const TRect& Rect, Word Mode, Integer ListIndex,
                             Integer ImageIndex) {
    return IsValidItem(ListIndex, ImageIndex) ? StripOf(ListIndex)->DrawExt(Canvas, Rect, Mode, ImageIndex)
                                              : TRect();
}

TRect TUtlImageList::ClipDraw(TCanvas* Canvas, const TRect& Rect, Word Mode, Cardinal Value, TColor Color,
                              Integer ListIndex, Integer ImageIndex) {
    return IsValidItem(ListIndex, ImageIndex)
               ? StripOf(ListIndex)->ClipDraw(Canvas, Rect, Mode, Value, Color, ImageIndex)
               : TRect();
}
