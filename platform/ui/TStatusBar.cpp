#include "platform/ui/TStatusBar.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawText.h"
#include "platform/graphics/TCanvas.h"

void TStatusPanel::Changed() {
    if (FOwner) FOwner->Invalidate();
}

void TStatusPanel::SetText(const String& v) {
    FText = v;
    Changed();
}
void TStatusPanel::SetWidth(Integer v) {
    FWidth = std::max(v, 0);
    Changed();
}
void TStatusPanel::SetAlignment(TAlignment v) {
    FAlignment = v;
    Changed();
}
void TStatusPanel::SetBevel(TStatusPanelBevel v) {
    FBevel = v;
    Changed();
}

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 300, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

TStatusPanel* TStatusBar::Panels(Integer Index) const {
    if (Index < 0 || Index >= PanelCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FPanels[std::size_t(Index)].get();
}

TStatusPanel* TStatusBar::AddPanel() {
    FPanels.push_back(std::make_unique<TStatusPanel>(this));
    Invalidate();
    return FPanels.back().get();
}

void TStatusBar::ClearPanels() {
    FPanels.clear();
    Invalidate();
}

void TStatusBar::SetSimplePanel(bool v) {
    FSimplePanel = v;
    Invalidate();
}

void TStatusBar::SetSimpleText(const String& v) {
    FSimpleText = v;
    Invalidate();
}

TRect TStatusBar::PanelRect(Integer Index) const {
    // Panels follow one another with a two-pixel gap, below a two-pixel top margin.
    Integer left = 0;
    for (Integer i = 0; i < Index; ++i)
        left += Panels(i)->Width() + 2;
    const Integer right = Index == PanelCount() - 1 ? Width() : left + Panels(Index)->Width();
    return Rect(left, 2, std::max(right, left), Height());
}

void TStatusBar::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsClear);
    constexpr Cardinal alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    if (FSimplePanel) {
        TRect r = Rect(0, 2, Width(), Height());
        DrawEdge(c, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        r.Left += 2;
        DrawText(c, FSimpleText, -1, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return;
    }
    for (Integer i = 0; i < PanelCount(); ++i) {
        const TStatusPanel* p = Panels(i);
        TRect r = PanelRect(i);
        if (p->Bevel() != pbNone)
            DrawEdge(c, r, p->Bevel() == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        InflateRect(r, -1, 0);
        DrawText(c, p->Text(), -1, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | alignments[p->Alignment()]);
    }
}
