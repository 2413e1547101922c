#include "controls/shapes/TUtlAlphaObject.h"

#include "controls/lists/TUtlContainer.h"
#include "controls/shapes/UtlPixels.h"
#include "platform/core/TFiler.h"
#include "platform/graphics/RasterOps.h"
#include "platform/graphics/TBitmap.h"

#include <charconv>

TUtlAlphaObject::TUtlAlphaObject() : FFillObject(std::make_unique<TUtlFillObject>()) {
    FFillObject->OnChange = [this](TObject*) { Change(); };
    FLink.OnChange = [this](TObject*) { FetchListBitmap(); };
}

TUtlAlphaObject::~TUtlAlphaObject() {
    FFillObject->OnChange = nullptr;
    UtlRelinkImageList(FLink, nullptr);
}

TUtlCustomImageList* TUtlAlphaObject::ImageList() const {
    return UtlLinkedImageList(FLink);
}

void TUtlAlphaObject::SetImageList(TUtlCustomImageList* Value) {
    if (Value == ImageList()) return;
    UtlRelinkImageList(FLink, Value);
    FetchListBitmap();
}

void TUtlAlphaObject::SetStrength(float Value) {
    SetAndChange(FStrength, Value);
}

void TUtlAlphaObject::SetImageIndex(Integer Value) {
    FImageIndex = Value;
    FetchListBitmap();
}

void TUtlAlphaObject::SetListIndex(Integer Value) {
    FListIndex = Value;
    FetchListBitmap();
}

void TUtlAlphaObject::SetExtra(bool Value) {
    SetAndChange(FExtra, Value);
}

void TUtlAlphaObject::FetchListBitmap() {
    TUtlCustomImageList* list = ImageList();
    TBitmap picture;
    if (list && list->IsValidItem(FListIndex, FImageIndex))
        list->GetBitmapItem(FListIndex, FImageIndex, &picture);
    FFillObject->SetListBitmap(&picture);
    FFillObject->Change();
}

bool TUtlAlphaObject::Enabled() const {
    return FFillObject->Style() != sfNone && FStrength != 1.0f;
}

void TUtlAlphaObject::AlphaBlend(TBitmap* Bitmap) {
    if (Bitmap) AlphaBlendRect(Bitmap, TRect(0, 0, Bitmap->Width(), Bitmap->Height()));
}

void TUtlAlphaObject::AlphaBlendRect(TBitmap* Bitmap, const TRect& Area) {
    if (!Bitmap || Bitmap->Empty() || FFillObject->Style() == sfNone) return;
    TRect area;
    if (!IntersectRect(area, Area, TRect(0, 0, Bitmap->Width(), Bitmap->Height()))) return;
    const Integer w = area.Width(), h = area.Height();
    TBitmap fill(w, h, pf24bit);
    FFillObject->FillCanvas(fill.Canvas(), TRect(0, 0, w, h), clWhite);
    if (TBitmap* source = FFillObject->GetBitmap()) fill.SetTransparentColor(source->TransparentColor());
    Bitmap->SetPixelFormat(pf24bit);
    UtlBMPAlphaBlend(Bitmap, &fill, area, area.TopLeft(), Bitmap, FStrength, TPoint(0, 0));
}

void TUtlAlphaObject::ControlBlend(TBitmap* Bitmap, const TRect& SourceRect, const TRect&, TCanvas* Canvas,
                                   const TRect& TargetRect) {
    if (!Bitmap || !Canvas || IsRectEmpty(SourceRect)) return;
    TBitmap work(SourceRect.Width(), SourceRect.Height(), pf24bit);
    BitBlt(work.Canvas(), 0, 0, work.Width(), work.Height(), Bitmap->Canvas(), SourceRect.Left,
           SourceRect.Top, SRCCOPY);
    AlphaBlend(&work);
    StretchBlt(Canvas, TargetRect.Left, TargetRect.Top, TargetRect.Width(), TargetRect.Height(),
               work.Canvas(), 0, 0, work.Width(), work.Height(), SRCCOPY);
}

void TUtlAlphaObject::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlAlphaObject*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FStrength = from->FStrength;
    FImageIndex = from->FImageIndex;
    FListIndex = from->FListIndex;
    FExtra = from->FExtra;
    FFillObject->Assign(from->FFillObject.get());
    SetImageList(from->ImageList());
    EndUpdate(true);
}

String TUtlAlphaObject::GetSetStr() const {
    const TUtlFillStyle style = FFillObject->Style();
    if (style == sfNone) return "{Disabled}";
    const char* kind = style == sfBrush         ? "brush"
                       : style == sfGradient    ? "grad"
                       : style == sfBrushBitmap ? ""
                                                : "bmp";
    // Fixed point with three decimals, whatever the process locale.
    char strength[32];
    const auto end =
        std::to_chars(strength, strength + sizeof strength, double(FStrength), std::chars_format::fixed, 3);
    return String("{Enabled (") + kind + "), strength: " + String(strength, end.ptr) + "}";
}

void TUtlAlphaObject::DefineProperties(TFiler* Filer) {
    UtlDefineGlobalImageList(Filer, ImageList(), [this](TUtlCustomImageList* List) { SetImageList(List); });
}
