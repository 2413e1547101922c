#include "controls/shapes/TUtlShapeFill.h"

#include "platform/graphics/TBitmap.h"

TUtlShapeFill::TUtlShapeFill() : TUtlShapeFill(sfBrush) {}

TUtlShapeFill::TUtlShapeFill(TUtlFillStyle DefaultStyle)
    : FBitmap(std::make_unique<TBitmap>()), FGradient(std::make_unique<TUtlGradient>()), FStyle(DefaultStyle),
      FListBitmap(std::make_unique<TBitmap>()) {
    FBitmap->OnChange = [this](TObject*) { Change(); };
    FGradient->OnChange = [this](TObject*) { Change(); };
}

TUtlShapeFill::~TUtlShapeFill() {
    FBitmap->OnChange = nullptr;
    FGradient->OnChange = nullptr;
}

void TUtlShapeFill::SetBitmap(TBitmap* Value) {
    FBitmap->Assign(Value);
}

void TUtlShapeFill::SetStyle(TUtlFillStyle Value) {
    SetAndChange(FStyle, Value);
}

void TUtlShapeFill::SetTileMode(TUtlTileMode Value) {
    SetAndChange(FTileMode, Value);
}

void TUtlShapeFill::SetListBitmap(TBitmap* Value) {
    FListBitmap->Assign(Value);
}

TBitmap* TUtlShapeFill::GetBitmap() const {
    return FStyle == sfBitmap ? FBitmap.get() : FStyle == sfBitmapList ? FListBitmap.get() : nullptr;
}

bool TUtlShapeFill::GetEmpty() const {
    if (FStyle == sfNone) return true;
    if (TBitmap* b = GetBitmap()) return b->Empty();
    return false;
}

bool TUtlShapeFill::GetMustRedraw() const {
    switch (FStyle) {
    case sfBrushBitmap:
    case sfBrush:
        return false;
    case sfBitmap:
    case sfBitmapList:
        return FTileMode != tmTile;
    default:
        return true;
    }
}

HPALETTE TUtlShapeFill::GetPalette() const {
    if (FStyle == sfGradient) return FGradient->GetPalette();
    // The brush pattern of sfBrushBitmap is Bitmap as well.
    TBitmap* b = FStyle == sfBrushBitmap ? FBitmap.get() : GetBitmap();
    return b ? b->PaletteHandle() : nullptr;
}

void TUtlShapeFill::Assign(TPersistent* Source) {
    auto* from = dynamic_cast<TUtlShapeFill*>(Source);
    if (!from) {
        TUtlObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FBitmap->Assign(from->FBitmap.get());
    FListBitmap->Assign(from->FListBitmap.get());
    FGradient->Assign(from->FGradient.get());
    FStyle = from->FStyle;
    FTileMode = from->FTileMode;
    EndUpdate(true);
}

String TUtlShapeFill::GetSetStr() const {
    static const char* const names[] = {"Disabled", "", "Brush", "Bitmap", "BitmapList", "Gradient"};
    return String("{") + names[FStyle] + "}";
}
