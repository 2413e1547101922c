#include "controls/bases/TUtlCustomScrollBox.h"

#include "controls/bases/TUtlCustomControl.h"
#include "platform/graphics/DrawEdge.h"

TUtlScrollBoxBevel::TUtlScrollBoxBevel() {
    BeginUpdate();
    SetMode(bmWindows);
    SetSystemEdge(true);
    EndUpdate(false);
    Change();
}

TUtlCustomScrollBox::TUtlCustomScrollBox(TComponent* AOwner)
    : TScrollBox(AOwner), FBevel(std::make_unique<TUtlScrollBoxBevel>()) {
    // The window takes or drops its edge with the Windows mode.
    FBevel->OnChange = [this](TObject*) { UpdateFrame(); };
    SetBorderStyle(bsNone);
    UpdateFrame();
    SetBounds(Left(), Top(), 185, 41);
}

TUtlCustomScrollBox::~TUtlCustomScrollBox() {
    FBevel->OnChange = nullptr;
}

void TUtlCustomScrollBox::SetBevel(TUtlBevel* Value) {
    FBevel->Assign(Value);
    FBevel->SetSystemEdge(true);
}

Integer TUtlCustomScrollBox::EdgeWidth() const {
    if (FBevel->Mode() != bmWindows) return 0;
    return Ctl3D() ? 2 : 1;
}

void TUtlCustomScrollBox::UpdateFrame() {
    SetFrameInset(EdgeWidth() + FBevel->GetBevelExtend());
    Invalidate();
}

void TUtlCustomScrollBox::Ctl3DChanged() {
    UpdateFrame();
    TScrollBox::Ctl3DChanged();
}

void TUtlCustomScrollBox::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Repaint();
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
    if (repaint) Repaint();
    return repaint;
}

void TUtlCustomScrollBox::Scrolled(bool, Integer Code) {
    Scrolled(Code);
}

void TUtlCustomScrollBox::Repaint() {
    Invalidate();
    InvalidateSurface();
    // The children now lie over another part of the background.
    utl::BroadcastBackgroundChanged(this);
}

void TUtlCustomScrollBox::ColorChanged() {
    TScrollBox::ColorChanged();
    if (!FTransparent) Invalidate();
}

TBitmap* TUtlCustomScrollBox::BackBitmap() const {
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent ? parent->BackBitmap() : nullptr;
}

TPoint TUtlCustomScrollBox::BackMapPoint(TPoint P) const {
    // The surface is shown from the scroll position on, inside the bevel.
    const TPoint scroll = ScrollPos();
    const TPoint q(P.X - scroll.X + FrameInset() + Left(), P.Y - scroll.Y + FrameInset() + Top());
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent ? parent->BackMapPoint(q) : q;
}

bool TUtlCustomScrollBox::BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const {
    return Optimized() && utl::BackgroundOf(Parent())->BackDrawArea(Canvas, R, P);
}

void TUtlCustomScrollBox::FillBackground(TCanvas* Canvas, const TRect& R) const {
    if (Optimized()) {
        TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
        if (parent->BackDrawArea(Canvas, R, parent->BackMapPoint(TPoint(Left() + R.Left, Top() + R.Top))))
            return;
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(R);
}

void TUtlCustomScrollBox::PaintFrame(TCanvas* Canvas) {
    const TRect whole(0, 0, Width(), Height());
    FillBackground(Canvas, whole);
    TRect r = whole;
    if (EdgeWidth() == 2) {
        DrawEdge(Canvas, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    } else if (EdgeWidth() == 1) {
        Canvas->Brush()->SetColor(clWindowFrame);
        Canvas->FrameRect(r);
        InflateRect(r, -1, -1);
    }
    FBevel->PaintBevel(Canvas, r, Optimized());
    // The bars lie inside the edge and the bevel, and so does the square between them.
    const TRect corner = ScrollCorner();
    if (!IsRectEmpty(corner)) FillBackground(Canvas, corner);
}

void TUtlCustomScrollBox::PaintSurface(TCanvas* Canvas, const TRect& R) {
    if (!Optimized()) return;
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    parent->BackDrawArea(Canvas, R, BackMapPoint(R.TopLeft()));
}
