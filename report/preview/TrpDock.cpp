#include "report/preview/detail/TrpDock.h"

#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"
#include "platform/ui/ControlCanvas.h"
#include "platform/ui/TDragFrame.h"

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
        across.push_back(std::max(0, SpanOf(c->BoundsRect()).Across));
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
    for (std::size_t i = 0; i < bars.size(); ++i) {
        rpdock::Span span = SpanOf(bars[i]->BoundsRect());
        span.Across = across[i];
        const TPoint p = PlaceOf(span);
        bars[i]->SetBounds(p.X, p.Y, bars[i]->Width(), bars[i]->Height());
    }
}

rpdock::Span TrpDock::SpanOf(const TRect& B) const {
    const bool h = Horizontal();
    rpdock::Span s;
    s.Along = h ? B.Left : B.Top;
    s.Length = h ? B.Width() : B.Height();
    s.Thickness = h ? B.Height() : B.Width();
    switch (Align()) {
    case alTop:
        s.Across = B.Top;
        break;
    case alLeft:
        s.Across = B.Left;
        break;
    case alBottom:
        s.Across = Height() - B.Bottom;
        break;
    default:
        s.Across = Width() - B.Right;
        break;
    }
    return s;
}

TPoint TrpDock::PlaceOf(const rpdock::Span& S) const {
    switch (Align()) {
    case alTop:
        return TPoint(S.Along, S.Across);
    case alLeft:
        return TPoint(S.Across, S.Along);
    case alBottom:
        return TPoint(S.Along, Height() - S.Across - S.Thickness);
    default:
        return TPoint(Width() - S.Across - S.Thickness, S.Along);
    }
}

TPoint TrpDock::InnerEdgePlace(TSize Size, Integer Along) const {
    switch (Align()) {
    case alTop:
        return TPoint(Along, Height() - 1);
    case alBottom:
        return TPoint(Along, 1 - Size.cy);
    case alLeft:
        return TPoint(Width() - 1, Along);
    default:
        return TPoint(1 - Size.cx, Along);
    }
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
    SetBorderIcons({biSystemMenu});
    // The window system's caption cannot report the presses and moves a
    // drag back to a dock needs; the window draws its own.
    SetOwnFrame(true);
    // Shown above the other windows (the form raises itself) without taking the focus.
    SetActivateOnShow(false);
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
    OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, Integer X, Integer Y) {
        DoMouseDown(Button, X, Y);
    };
    OnMouseMove = [this](TObject*, TShiftState, Integer X, Integer Y) { DoMouseMove(X, Y); };
    OnMouseUp = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) { DoMouseUp(); };
}

TrpToolBar::~TrpToolBar() {
    OnResize = nullptr;
    LeaveFloatWindow();
}

void TrpToolBar::LeaveFloatWindow() {
    if (!FFloatWindow) return;
    TrpFloatWindow* window = FFloatWindow;
    window->ToolBar = nullptr;
    FFloatWindow = nullptr;
    SetParent(nullptr);
    window->Discard();
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
    LeaveFloatWindow();
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
    // The inner edge as the toolbar will lie there, turned to the dock.
    const TPoint p = Dock->InnerEdgePlace(SizeOn(Dock), 0);
    DockTo(Dock, p.X, p.Y);
}

TSize TrpToolBar::SizeOn(const TrpDock* Dock) const {
    const Integer length = std::max(Width(), Height()), thickness = std::min(Width(), Height());
    return Dock->Horizontal() ? TSize(length, thickness) : TSize(thickness, length);
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
    // Turned with the alignment held, so that the buttons keep their length
    // instead of being stretched across the old shape.
    DisableAlign();
    if (horizontal != (Width() >= Height())) SetBounds(Left(), Top(), Height(), Width());
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
