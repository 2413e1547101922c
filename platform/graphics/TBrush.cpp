#include "platform/graphics/TBrush.h"

void TBrush::Assign(TPersistent* Source) {
    if (auto* b = dynamic_cast<TBrush*>(Source)) {
        if (b == this) return;
        FColor = b->FColor;
        FStyle = b->FStyle;
        FBitmap = b->FBitmap;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}

void TBrush::SetColor(TColor v) {
    if (v == FColor && FStyle != bsClear) return;
    FColor = v;
    if (FStyle == bsClear) FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
    if (v == FStyle) return;
    FStyle = v;
    // A clear brush reads back white, as the platform's does.
    if (v == bsClear) FColor = clWhite;
    Changed();
}

void TBrush::SetBitmap(TBitmap* v) {
    if (v == FBitmap) return;
    FBitmap = v;
    Changed();
}
