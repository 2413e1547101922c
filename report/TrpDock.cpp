#include "report/TrpDock.h"

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"
#include "platform/ui/ControlCanvas.h"

#include <algorithm>
#include <vector>

namespace {

constexpr Integer GripSize = 11;

// Floating windows that exist, for the unit's own bookkeeping.
std::vector<TrpFloatWindow*>& FloatWindows() {
    static std::vector<TrpFloatWindow*> list;
    return list;
}

void Forget(TrpFloatWindow* Window) {
    auto& list = FloatWindows();
    list.erase(std::remove(list.begin(), list.end(), Window), list.end());
}

// Across-the-dock position of a toolbar, measured from the dock's outer edge.
Integer Across(const TrpDock* Dock, const TControl* C) {
    switch (Dock->Align()) {
    case alTop:
        return C->Top();
    case alLeft:
        return C->Left();
    case alBottom:
        return Dock->Height() - C->Top() - C->Height();
    default:
        return Dock->Width() - C->Left() - C->Width();
    }
}

void SetAcross(const TrpDock* Dock, TControl* C, Integer A, Integer Thickness) {
    switch (Dock->Align()) {
    case alTop:
        C->SetTop(A);
        break;
    case alLeft:
        C->SetLeft(A);
        break;
    case alBottom:
        C->SetTop(Thickness - A - C->Height());
        break;
    default:
        C->SetLeft(Thickness - A - C->Width());
        break;
    }
}

} // namespace

TrpDock::TrpDock(TComponent* AOwner) : TPanel(AOwner) {
    SetBevelOuter(bvNone);
    SetCaption("");
    SetAlign(alTop);
    SetHeight(1);
}

void TrpDock::AdjustBounds() {
    std::vector<TControl*> bars;
    for (Integer i = 0; i < ControlCount(); ++i)
        if (Controls(i)->Visible()) bars.push_back(Controls(i));
    if (bars.empty()) {
        if (Horizontal())
            SetHeight(1);
        else
            SetWidth(1);
        return;
    }
    // Rows from the outer edge; an empty row goes and the rows beyond move in.
    std::vector<Integer> across;
    Integer rows = 0;
    for (TControl* c : bars) {
        across.push_back(std::max(0, Across(this, c)));
        rows = std::max(rows, across.back() / RowSize + 1);
    }
    for (Integer row = rows - 1; row >= 0; --row) {
        const bool used =
            std::any_of(across.begin(), across.end(), [&](Integer a) { return a / RowSize == row; });
        if (used) continue;
        for (Integer& a : across)
            if (a / RowSize > row) a -= RowSize;
        --rows;
    }
    Integer thickness = rows * RowSize + 1;
    for (std::size_t i = 0; i < bars.size(); ++i)
        thickness =
            std::max(thickness, across[i] + (Horizontal() ? bars[i]->Height() : bars[i]->Width()) + 1);
    if (Horizontal())
        SetHeight(thickness);
    else
        SetWidth(thickness);
    for (std::size_t i = 0; i < bars.size(); ++i)
        SetAcross(this, bars[i], across[i], thickness);
}

void TrpDock::Paint() {
    Canvas()->Brush()->SetColor(clBtnFace);
    Canvas()->FillRect(ClientRect());
}

TrpDragBox::TrpDragBox(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetBounds(0, 0, GripSize, GripSize);
}

void TrpDragBox::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(ClientRect());
    const auto* bar = dynamic_cast<const TrpToolBar*>(Parent());
    const bool vertical = bar && bar->ParentAlign() == 3;
    for (Integer from : {2, 5}) {
        TRect r = vertical ? Rect(1, from, Width() - 1, from + 3) : Rect(from, 1, from + 3, Height() - 1);
        ui::Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
    }
}

TrpFloatWindow::TrpFloatWindow(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetShowHint(true);
    SetClientWidth(213);
    SetClientHeight(61);
    FloatWindows().push_back(this);
}

TrpFloatWindow::~TrpFloatWindow() {
    if (ToolBar) ToolBar->FFloatWindow = nullptr;
    Forget(this);
}

TrpToolBar::TrpToolBar(TComponent* AOwner) : TPanel(AOwner) {
    SetBevelOuter(bvNone);
    SetCaption("");
    SetHeight(26);
    FDragBox = new TrpDragBox(this);
    FDragBox->SetParent(this);
    FDragBox->SetAlign(alLeft);
    OnResize = [this](TObject*) { DoResize(); };
}

TrpToolBar::~TrpToolBar() {
    OnResize = nullptr;
    if (FFloatWindow) {
        TrpFloatWindow* window = FFloatWindow;
        window->ToolBar = nullptr;
        FFloatWindow = nullptr;
        SetParent(nullptr);
        delete window;
    }
}

Integer TrpToolBar::ParentAlign() const {
    const auto* dock = dynamic_cast<const TrpDock*>(Parent());
    return dock && !dock->Horizontal() ? 3 : 1;
}

bool TrpToolBar::Accepts(const TrpDock* Dock) const {
    if (Orientation == toVertOnly) return !Dock->Horizontal();
    if (Orientation == toHorzOnly) return Dock->Horizontal();
    return true;
}

void TrpToolBar::DockTo(TrpDock* Dock, Integer X, Integer Y) {
    Hide();
    if (FFloatWindow) {
        TrpFloatWindow* window = FFloatWindow;
        window->Hide();
        window->ToolBar = nullptr;
        FFloatWindow = nullptr;
        SetParent(nullptr);
        delete window;
    }
    auto* oldDock = dynamic_cast<TrpDock*>(Parent());
    SetParent(Dock);
    if (oldDock && oldDock != Dock) oldDock->AdjustBounds();
    FDragBox->Show();
    RealignControls();
    SetBounds(X, Y, Width(), Height());
    Show();
    Dock->AdjustBounds();
}

void TrpToolBar::AddToDock(TrpDock* Dock) {
    switch (Dock->Align()) {
    case alTop:
        DockTo(Dock, 0, Dock->Height() - 1);
        break;
    case alBottom:
        DockTo(Dock, 0, 1 - Height());
        break;
    case alLeft:
        DockTo(Dock, Dock->Width() - 1, 0);
        break;
    default:
        DockTo(Dock, 1 - Width(), 0);
        break;
    }
}

void TrpToolBar::FloatTo(Integer X, Integer Y) {
    if (FFloatWindow) {
        FFloatWindow->SetBounds(X, Y, FFloatWindow->Width(), FFloatWindow->Height());
        return;
    }
    Hide();
    FDragBox->Hide();
    auto* oldDock = dynamic_cast<TrpDock*>(Parent());
    FFloatWindow = new TrpFloatWindow(nullptr);
    FFloatWindow->ToolBar = this;
    FFloatWindow->SetCaption(Caption());
    FFloatWindow->SetBounds(X, Y, FFloatWindow->Width(), FFloatWindow->Height());
    SetParent(FFloatWindow);
    RealignControls();
    if (oldDock) oldDock->AdjustBounds();
    FFloatWindow->SetClientWidth(Width() - GripSize);
    FFloatWindow->SetClientHeight(Height());
    SetBounds(0, 0, Width(), Height());
    Show();
}

void TrpToolBar::RealignControls() {
    const bool horizontal = ParentAlign() == 1;
    std::vector<TControl*> controls;
    for (Integer i = 0; i < ControlCount(); ++i)
        if (Controls(i) != FDragBox) controls.push_back(Controls(i));
    std::stable_sort(controls.begin(), controls.end(), [&](TControl* a, TControl* b) {
        return horizontal ? a->Left() < b->Left() : a->Top() < b->Top();
    });
    if (horizontal != (Width() >= Height())) SetBounds(Left(), Top(), Height(), Width());
    DisableAlign();
    for (TControl* c : controls) {
        if (horizontal) {
            if (c->Align() == alBottom)
                c->SetAlign(alRight);
            else if (c->Align() != alLeft && c->Align() != alRight) {
                c->SetLeft(c->Top());
                c->SetAlign(alLeft);
            }
        } else {
            if (c->Align() == alRight)
                c->SetAlign(alBottom);
            else if (c->Align() != alTop && c->Align() != alBottom) {
                c->SetTop(c->Left());
                c->SetAlign(alTop);
            }
        }
    }
    // The grip sorts before every other control of its alignment.
    DoResize();
    if (horizontal)
        FDragBox->SetLeft(-1);
    else
        FDragBox->SetTop(-1);
    EnableAlign();
}

void TrpToolBar::AdjustBounds() {
    const bool horizontal = ParentAlign() == 1;
    Integer length = 4;
    for (Integer i = 0; i < ControlCount(); ++i)
        length += horizontal ? Controls(i)->Width() : Controls(i)->Height();
    if (horizontal)
        SetWidth(length);
    else
        SetHeight(length);
}

bool TrpToolBar::GetVisible() const {
    return FFloatWindow ? FFloatWindow->Visible() : Visible();
}

void TrpToolBar::SetVisible(bool Value) {
    if (!FFloatWindow) return TPanel::SetVisible(Value);
    // Floating: the window carries the visibility, the toolbar stays shown in it.
    TPanel::SetVisible(true);
    FFloatWindow->SetVisible(Value);
}

TRect TrpToolBar::ClientRect() const {
    TRect r = TPanel::ClientRect();
    return Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

void TrpToolBar::Paint() {
    TCanvas* c = Canvas();
    TRect r = TPanel::ClientRect();
    if (!Floating()) ui::Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
}

void TrpToolBar::DoResize() {
    if (ComponentState().Contains(csDestroying) || !FDragBox) return;
    FDragBox->SetAlign(ParentAlign() == 1 ? alLeft : alTop);
    FDragBox->SetBounds(FDragBox->Left(), FDragBox->Top(), GripSize, GripSize);
}
