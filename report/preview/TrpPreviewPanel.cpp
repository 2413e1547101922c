#include "report/preview/detail/TrpPreviewPanel.h"

#include "platform/core/NumberFormat.h"
#include "platform/ui/TCustomForm.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpReport.h"
#include "report/preview/TrpPreviewForm.h"

TrpPreview::TrpPreview(TComponent* AOwner)
    : TPanel(AOwner), FForm(std::make_unique<TrpPreviewForm>(nullptr)) {
    SetCaption("");
    SetBevelInner(bvNone);
    SetBevelOuter(bvLowered);
    SetScrollBars(ssBoth);
}

TrpPreview::~TrpPreview() {
    // The page area belongs to the hidden window and leaves with it.
    FForm.reset();
}

void TrpPreview::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    FForm->RPanel->SetVisible(Value == ssBoth || Value == ssVertical);
    FForm->BPanel->SetVisible(Value == ssBoth || Value == ssHorizontal);
}

void TrpPreview::Resize() {
    TPanel::Resize();
    if (FForm) FForm->FormResize();
}

void TrpPreview::Connect(TrpReport* Doc) {
    FForm->PreviewPanel->SetParent(this);
    FForm->Connect(Doc);
    FForm->CurrentPage = 1;
    FForm->RedrawAll();
    if (TCustomForm* host = GetParentForm(this)) {
        TrpPreviewForm* f = FForm.get();
        host->OnMouseWheelUp = [f](TObject* s, TShiftState sh, TPoint p, bool& h) {
            f->FormMouseWheelUp(s, sh, p, h);
        };
        host->OnMouseWheelDown = [f](TObject* s, TShiftState sh, TPoint p, bool& h) {
            f->FormMouseWheelDown(s, sh, p, h);
        };
        f->WheelStep = 3;
    }
}

TComponent* rpPreviewComponent(TrpPreview* Preview) {
    return Preview;
}

void rpConnectPreview(TrpPreview* Preview, TrpReport* Report) {
    Preview->Connect(Report);
}

Integer TrpPreview::Page() const {
    return FForm->CurrentPage;
}

void TrpPreview::SetPage(Integer Value) {
    if (Value < 1 || Value > AllPages()) return;
    FForm->CurrentPage = Value;
    FForm->ShowPageNum();
    FForm->SetToCurPage();
}

Integer TrpPreview::AllPages() const {
    return FForm->HeldPages() ? FForm->HeldPages()->Count() : 0;
}

Integer TrpPreview::Zoom() const {
    return static_cast<Integer>(Round(FForm->ZoomFactor * 100));
}

void TrpPreview::SetZoom(Integer Value) {
    // A zoom of nothing or less would lay the pages out with no size.
    if (Value < 1) return;
    FForm->ZoomFactor = Value / 100.0;
    Fit(mdNone);
}

void TrpPreview::Fit(TrpScaleMode Mode) {
    FForm->ZoomMode = Mode;
    FForm->FormResize();
    FForm->PBox->Invalidate();
}

void TrpPreview::OnePage() {
    Fit(mdOnePage);
}
void TrpPreview::TwoPages() {
    Fit(mdTwoPages);
}
void TrpPreview::PageWidth() {
    Fit(mdPageWidth);
}
void TrpPreview::First() {
    SetPage(1);
}
void TrpPreview::Next() {
    FForm->PgDownClick(this);
}
void TrpPreview::Prev() {
    FForm->PgUpClick(this);
}
void TrpPreview::Last() {
    SetPage(AllPages());
}
void TrpPreview::SaveToFile() {
    FForm->SaveBtnClick(this);
}
void TrpPreview::LoadFromFile() {
    FForm->LoadBtnClick(this);
}
void TrpPreview::Print() {
    FForm->PrintBtnClick(this);
}
void TrpPreview::Edit() {
    FForm->EditBtnClick(this);
}
void TrpPreview::Find() {
    FForm->FindBtnClick(this);
}
