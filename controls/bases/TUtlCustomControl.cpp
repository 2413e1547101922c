#include "controls/bases/TUtlCustomControl.h"

#include "controls/lists/TUtlContainer.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/ControlCanvas.h"
#include "platform/ui/PostCall.h"

// ---- TUtlCustomControl -----------------------------------------------------------

TUtlCustomControl::TUtlCustomControl(TComponent* AOwner)
    : TCustomControl(AOwner), FBackFX(std::make_unique<TUtlBitmapEffectObject>()) {
    FLink.OnChange = [this](TObject* Sender) { GetIMLChange(Sender); };
    FBackFX->OnChange = [this](TObject* Sender) { GetChange(Sender); };
    SetBounds(Left(), Top(), 100, 40);
    SetTabStop(false);
}

TUtlCustomControl::~TUtlCustomControl() {
    FBackFX->OnChange = nullptr;
    UtlRelinkImageList(FLink, nullptr);
}

void TUtlCustomControl::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    DoFlatChanged();
    Invalidate();
}

void TUtlCustomControl::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    SetOpaque(!(FTransparent && FTransparencyMode == tmReal));
    Invalidate();
}

void TUtlCustomControl::SetTransparencyMode(TUtlTransparencyMode Value) {
    if (Value == FTransparencyMode) return;
    FTransparencyMode = Value;
    SetOpaque(!(FTransparent && FTransparencyMode == tmReal));
    Invalidate();
}

TUtlCustomImageList* TUtlCustomControl::ImageList() const {
    return UtlLinkedImageList(FLink);
}

void TUtlCustomControl::SetImageList(TUtlCustomImageList* Value) {
    if (Value == ImageList()) return;
    UtlRelinkImageList(FLink, Value);
    GetIMLChange(this);
}

void TUtlCustomControl::SetIndex(Integer Index, Integer Value) {
    if (Value < 0) return;
    Integer& field = Index == 0 ? FImageIndex : FListIndex;
    if (field == Value) return;
    field = Value;
    if (ImageList()) GetIMLChange(this);
}

void TUtlCustomControl::DefineProperties(TFiler* Filer) {
    TCustomControl::DefineProperties(Filer);
    UtlDefineGlobalImageList(Filer, ImageList(), [this](TUtlCustomImageList* List) { SetImageList(List); });
}

bool TUtlCustomControl::IMLEmpty() const {
    TUtlCustomImageList* list = ImageList();
    return !list || !list->IsValidItem(FListIndex, FImageIndex);
}

bool TUtlCustomControl::CheckOptimized() const {
    if (!FTransparent) return false;
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent && parent->BackBitmapCheck();
}

TPoint TUtlCustomControl::BackMapPoint(TPoint P) const {
    // A border takes half the difference between the size and the client size on each side.
    const TPoint q(P.X + Left() + (Width() - ClientWidth()) / 2,
                   P.Y + Top() + (Height() - ClientHeight()) / 2);
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent ? parent->BackMapPoint(q) : q;
}

bool TUtlCustomControl::BackDrawArea(TCanvas*, const TRect&, TPoint) const {
    return false;
}

HPALETTE TUtlCustomControl::BackBitmapPalette() const {
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    TBitmap* back = parent ? parent->BackBitmap() : nullptr;
    return back ? back->PaletteHandle() : nullptr;
}

void TUtlCustomControl::FillControl(TCanvas* Canvas) {
    // With the window system's transparency the parent shows through by itself.
    if (FTransparent && FTransparencyMode == tmReal) return;
    const TRect r = ClientRect();
    if (CheckOptimized()) {
        TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
        TPoint origin(Left() + (Width() - ClientWidth()) / 2, Top() + (Height() - ClientHeight()) / 2);
        if (auto* provider = dynamic_cast<TUtlBackgroundProvider*>(Parent()))
            origin = provider->BackMapPoint(origin);
        if (parent->BackDrawArea(Canvas, r, origin)) return;
    }
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(r);
}

void TUtlCustomControl::Paint() {
    if (ComponentState().Contains(csLoading)) return;
    FPainting = true;
    core::ScopeExit done([this] { FPainting = false; });
    FillControl(Canvas());
    DrawContent(Canvas());
    if (FBorderPending) {
        FBorderPending = false;
        RestoreBorderBack(Canvas());
    }
}

void TUtlCustomControl::RestoreBorderFront() {
    if (FPainting) {
        RestoreBorderBack(Canvas());
        return;
    }
    FBorderPending = true;
    Invalidate();
}

void TUtlCustomControl::RestoreBorderBack(TCanvas* Canvas) const {
    if (!Canvas) return;
    TRect r(0, 0, Width(), Height());
    if (Ctl3D()) {
        ui::Frame3D(Canvas, r, clBtnShadow, clBtnFace, 1);
        DrawEdge(Canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    } else {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(clWindowFrame);
        FrameRect(Canvas, r, nullptr);
    }
}

void TUtlCustomControl::GetChange(TObject*) {
    if (FNotify) Invalidate();
}

void TUtlCustomControl::MouseEnter() {
    TCustomControl::MouseEnter();
    FMouseAbove = true;
}

void TUtlCustomControl::MouseLeave() {
    FMouseAbove = false;
    if (!FFocused) Invalidate();
    TCustomControl::MouseLeave();
    if (OnMouseExit) OnMouseExit(this);
}

void TUtlCustomControl::DoEnter() {
    TCustomControl::DoEnter();
    FFocused = true;
    if (FFlat) Invalidate();
    // After the whole focus change: a handler may move the focus on itself.
    ui::PostCall(this, [this] {
        if (OnAfterEnter) OnAfterEnter(this);
    });
}

void TUtlCustomControl::DoExit() {
    TCustomControl::DoExit();
    FFocused = false;
    ui::PostCall(this, [this] {
        if (OnAfterExit) OnAfterExit(this);
    });
}

void TUtlCustomControl::Resize() {
    PlaceChanged();
    TCustomControl::Resize();
}

void TUtlCustomControl::Moved() {
    PlaceChanged();
    TCustomControl::Moved();
}

void TUtlCustomControl::PlaceChanged() {
    // The effect's remembered picture was of the background at the old place.
    FBackFX->DestroyBuffer();
    // A see-through control shows another part of the background now, and so
    // do its children; the window system would only shift the old picture.
    if (FTransparent) BackgroundChanged();
}

void TUtlCustomControl::BackgroundChanged() {
    Invalidate();
    if (FTransparent) utl::BroadcastBackgroundChanged(this);
}

namespace utl {

void BroadcastBackgroundChanged(TWinControl* Parent) {
    if (!Parent) return;
    for (Integer i = 0; i < Parent->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TUtlCustomControl*>(Parent->Controls(i))) child->BackgroundChanged();
}

} // namespace utl

// ---- TUtlCustomPanel ---------------------------------------------------------------

TUtlCustomPanel::TUtlCustomPanel(TComponent* AOwner) : TUtlCustomControl(AOwner) {
    SetColor(clBtnFace);
}

TUtlCustomPanel::~TUtlCustomPanel() = default;

bool TUtlCustomPanel::BackBitmapCheck() const {
    if (!Transparent()) return false;
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    return parent && parent->BackBitmapCheck();
}

TBitmap* TUtlCustomPanel::BackBitmap() const {
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    TBitmap* back = parent ? parent->BackBitmap() : nullptr;
    if (!back || !BackFX()->Enabled()) return back;
    if (!FEffected) FEffected = std::make_unique<TBitmap>();
    BackFX()->DrawCopy(back, FEffected.get());
    return FEffected.get();
}

bool TUtlCustomPanel::BackDrawArea(TCanvas* Canvas, const TRect& R, TPoint P) const {
    if (!BackBitmapCheck()) return false;
    TUtlBackgroundProvider* parent = utl::BackgroundOf(Parent());
    if (!BackFX()->Enabled() || IsRectEmpty(R)) return parent->BackDrawArea(Canvas, R, P);
    TBitmap area(R.Width(), R.Height(), pf24bit);
    const TRect whole(0, 0, R.Width(), R.Height());
    if (!parent->BackDrawArea(area.Canvas(), whole, P)) return false;
    BackFX()->DrawCutRect(area.Canvas(), whole, Canvas, R);
    return true;
}
