#include "platform/ui/TImage.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TGraphic.h"
#include "platform/graphics/TPicture.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
    FPicture->OnChange = nullptr;
}

void TImage::SetPicture(TPicture* v) {
    FPicture->Assign(v);
}

void TImage::SetStretch(bool v) {
    FStretch = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    FCenter = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    FTransparent = v;
    PictureChanged();
}

void TImage::SetAutoSize(bool v) {
    FAutoSize = v;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (TGraphic* g = FPicture->Graphic()) {
        g->SetTransparent(FTransparent);
        if (FAutoSize && g->Width() > 0 && g->Height() > 0) SetBounds(Left(), Top(), g->Width(), g->Height());
    }
    Invalidate();
}

TRect TImage::DestRect() const {
    const Integer w = FPicture->Width(), h = FPicture->Height();
    if (FStretch) return ClientRect();
    if (FCenter) return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
    return Rect(0, 0, w, h);
}

void TImage::Paint() {
    TGraphic* g = FPicture->Graphic();
    if (!g || g->Empty()) return;
    Canvas()->StretchDraw(DestRect(), g);
}
