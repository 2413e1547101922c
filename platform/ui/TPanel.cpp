#include "platform/ui/TPanel.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlCanvas.h"

namespace {

void BevelColors(TBevelCut bevel, TColor& top, TColor& bottom) {
    top = bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = bevel == bvLowered ? clBtnHighlight : clBtnShadow;
}

constexpr Cardinal Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(0, 0, 185, 41);
}

void TPanel::Changed() {
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut v) {
    FBevelOuter = v;
    Changed();
}
void TPanel::SetBevelInner(TBevelCut v) {
    FBevelInner = v;
    Changed();
}
void TPanel::SetBevelWidth(Integer v) {
    FBevelWidth = std::max(v, 1);
    Changed();
}
void TPanel::SetBorderWidth(Integer v) {
    FBorderWidth = std::max(v, 0);
    Changed();
}
void TPanel::SetBorderStyle(TBorderStyle v) {
    FBorderStyle = v;
    Changed();
}
void TPanel::SetAlignment(TAlignment v) {
    FAlignment = v;
    Invalidate();
}

void TPanel::AdjustClientRect(TRect& Rect) const {
    Rect = ClientRect();
    // A single border is the sunken client edge of the classic look.
    if (FBorderStyle == bsSingle) InflateRect(Rect, -2, -2);
    InflateRect(Rect, -FBorderWidth, -FBorderWidth);
    Integer bevel = 0;
    if (FBevelOuter != bvNone) bevel += FBevelWidth;
    if (FBevelInner != bvNone) bevel += FBevelWidth;
    InflateRect(Rect, -bevel, -bevel);
}

void TPanel::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) DrawEdge(c, r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    TColor top = 0, bottom = 0;
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, top, bottom);
        ui::Frame3D(c, r, top, bottom, FBevelWidth);
    }
    ui::Frame3D(c, r, Color(), Color(), FBorderWidth);
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, top, bottom);
        ui::Frame3D(c, r, top, bottom, FBevelWidth);
    }
    c->Brush()->SetColor(Color());
    c->FillRect(r);
    if (Caption().empty()) return;
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    if (!ShowsEnabled()) c->Font()->SetColor(clGrayText);
    const Integer h = c->TextHeight("W");
    r.Top = (r.Bottom + r.Top - h) / 2;
    r.Bottom = r.Top + h;
    DrawText(c, Caption(), -1, r, DT_EXPANDTABS | DT_VCENTER | Alignments[FAlignment]);
}
