#include "controls/TUtlCustomScrollBox.h"

TUtlScrollBoxBevel::TUtlScrollBoxBevel() {
    BeginUpdate();
    SetMode(bmWindows);
    EndUpdate(false);
    Change();
}

TUtlCustomScrollBox::TUtlCustomScrollBox(TComponent* AOwner)
    : TScrollBox(AOwner), FBevel(std::make_unique<TUtlScrollBoxBevel>()) {
    FBevel->OnChange = [this](TObject*) { Invalidate(); };
    SetBorderStyle(bsNone);
    SetBounds(Left(), Top(), 185, 41);
}

TUtlCustomScrollBox::~TUtlCustomScrollBox() {
    FBevel->OnChange = nullptr;
}

void TUtlCustomScrollBox::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Invalidate();
}

void TUtlCustomScrollBox::SetDelta(Byte Value) {
    if (Value == 0 || Value == FDelta) return;
    FDelta = Value;
    FCounter = 0;
}

bool TUtlCustomScrollBox::Optimized() const {
    if (!FTransparent) return false;
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent && parent->BackBitmapCheck();
}

bool TUtlCustomScrollBox::Scrolled(Integer Code) {
    if (!Optimized()) return false;
    bool repaint = Code == SB_ENDSCROLL;
    if (FOptimizedScrolling) {
        repaint = ++FCounter >= FDelta;
        if (repaint) FCounter = 0;
    }
    if (repaint) Invalidate();
    return repaint;
}

TBitmap* TUtlCustomScrollBox::BackBitmap() const {
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent ? parent->BackBitmap() : nullptr;
}

TPoint TUtlCustomScrollBox::BackMapPoint(TPoint P) const {
    const TPoint q(P.X + Left() + (Width() - ClientWidth()) / 2,
                   P.Y + Top() + (Height() - ClientHeight()) / 2);
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent ? parent->BackMapPoint(q) : q;
}

bool TUtlCustomScrollBox::BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const {
    return Optimized() && utl::BackgroundOf(Parent())->BackDrawArea(Canvas, R, P);
}
