// Dragging toolbars by mouse: along and across a dock, out of it into a
// float window, and from a float window back onto a dock.
#include "report/preview/detail/TrpDock.h"

#include "platform/core/ScopeExit.h"
#include "platform/ui/ScreenCapture.h"
#include "platform/ui/TDragFrame.h"

void TrpDragBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (auto* bar = dynamic_cast<TrpToolBar*>(Parent())) bar->MouseDown(Button, Shift, X + Left(), Y + Top());
}

void TrpDragBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (auto* bar = dynamic_cast<TrpToolBar*>(Parent())) bar->MouseMove(Shift, X + Left(), Y + Top());
}

void TrpDragBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (auto* bar = dynamic_cast<TrpToolBar*>(Parent())) bar->MouseUp(Button, Shift, X + Left(), Y + Top());
}

namespace {

// The pointer on the screen for a mouse event at (X, Y) of Control. Where the
// window system reports the pointer, that is asked: an event that reaches
// the toolbar both from its grip and through it carries coordinates of where
// the toolbar was before the first one moved it.
TPoint PointerOf(const TControl* Control, Integer X, Integer Y) {
    return ui::CursorPosReadable() ? ui::GetCursorPos() : Control->ClientToScreen(TPoint(X, Y));
}

} // namespace

TWinControl* TrpToolBar::DockSite() const {
    return dynamic_cast<TWinControl*>(Owner());
}

void TrpToolBar::DoMouseDown(TMouseButton Button, Integer X, Integer Y) {
    if (Button != mbLeft) return;
    FDown = true;
    FLast = FPointer = PointerOf(this, X, Y);
}

void TrpToolBar::DoMouseMove(Integer X, Integer Y) {
    if (!FDown) return;
    if (Floating()) {
        SetCursor(crDefault);
        FDown = false;
        return;
    }
    auto* dock = dynamic_cast<TrpDock*>(Parent());
    if (!dock) return;
    FPointer = PointerOf(this, X, Y);
    // Across the dock a drag goes row by row, along it pixel by pixel.
    const Integer stepX = dock->Horizontal() ? 1 : dock->RowSize;
    const Integer stepY = dock->Horizontal() ? dock->RowSize : 1;
    const Integer dx = rpdock::DragStep(FLast.X, FPointer.X, stepX);
    const Integer dy = rpdock::DragStep(FLast.Y, FPointer.Y, stepY);
    if (dx == 0 && dy == 0) return;
    const TPoint before = ClientToScreen(TPoint(0, 0));
    if (!MoveTo(Left() + dx, Top() + dy) || Floating()) return;
    // Only a direction in which the toolbar moved takes the step: a toolbar
    // held back at the dock's start lets the pointer run on until it is more
    // than 20 pixels out.
    const TPoint after = ClientToScreen(TPoint(0, 0));
    if (after.X != before.X) FLast.X += dx;
    if (after.Y != before.Y) FLast.Y += dy;
}

void TrpToolBar::DoMouseUp() {
    FDown = false;
    SetMouseCapture(false);
}

bool TrpToolBar::MoveTo(Integer X, Integer Y) {
    auto* dock = dynamic_cast<TrpDock*>(Parent());
    if (Floating() || !dock) return true;
    const rpdock::Span wanted = dock->SpanOf(Bounds(X, Y, Width(), Height()));
    std::vector<rpdock::Span> others;
    for (Integer i = 0; i < dock->ControlCount(); ++i) {
        TControl* c = dock->Controls(i);
        if (c != this && c->Visible()) others.push_back(dock->SpanOf(c->BoundsRect()));
    }
    const rpdock::MovePlan plan = rpdock::PlanMove(wanted, dock->Length(), others, CanFloat);
    if (plan.Result == rpdock::MoveResult::Refused) return false;
    if (plan.Result == rpdock::MoveResult::Float) {
        MakeFloat();
        return true;
    }
    rpdock::Span placed = wanted;
    placed.Along = plan.Along;
    placed.Across = plan.Across;
    const TPoint p = dock->PlaceOf(placed);
    const Integer before = dock->Thickness();
    SetBounds(p.X, p.Y, Width(), Height());
    dock->AdjustBounds();
    // Moved into a new row that the dock did not take (its row was the only
    // one it filled): the toolbar leaves the dock.
    if (CanFloat && rpdock::BeyondInnerEdge(placed, before) && dock->Thickness() <= before) MakeFloat();
    return true;
}

void TrpToolBar::MakeFloat() {
    // The pointer of the drag in progress, else where the mouse is.
    const TPoint at = FDown ? FPointer : ui::GetCursorPos();
    FDown = false;
    SetMouseCapture(false);
    FloatTo(at.X, at.Y);
    FFloatWindow->Capture(at);
}

bool TrpToolBar::FindDock(TWinControl* Owner, TPoint Point) {
    if (!Owner) return false;
    for (Integer i = 0; i < Owner->ControlCount(); ++i) {
        auto* dock = dynamic_cast<TrpDock*>(Owner->Controls(i));
        if (!dock || !dock->Visible() || !Accepts(dock) || !PtInRect(dock->BoundsRect(), Point)) continue;
        const TSize size = SizeOn(dock);
        const Integer offset = dock->Horizontal() ? Point.X - dock->Left() : Point.Y - dock->Top();
        const Integer along =
            rpdock::DropAlong(offset, dock->Length(), dock->Horizontal() ? size.cx : size.cy);
        const TPoint p = dock->InnerEdgePlace(size, along);
        DockTo(dock, p.X, p.Y);
        FDown = true;
        FLast = FPointer = Owner->ClientToScreen(Point);
        SetMouseCapture(true);
        return true;
    }
    return false;
}

void TrpFloatWindow::Capture(TPoint Pointer) {
    FMoving = true;
    FGrab = TPoint(Pointer.X - Left(), Pointer.Y - Top());
    FFrame = Bounds(Left(), Top(), Width(), Height());
    if (!FDragFrame) FDragFrame = std::make_unique<ui::TDragFrame>(4);
    FDragFrame->Show(FFrame);
    SetMouseCapture(true);
}

void TrpFloatWindow::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TForm::MouseDown(Button, Shift, X, Y);
    // The caption bar lies above the client area.
    if (Button == mbLeft && Y < 0 && !FMoving) Capture(PointerOf(this, X, Y));
}

void TrpFloatWindow::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TForm::MouseMove(Shift, X, Y);
    if (!FMoving) return;
    FHandling = true;
    core::ScopeExit done([this] { FHandling = false; });
    const TPoint p = PointerOf(this, X, Y);
    FDragFrame->Hide();
    if (ToolBar) {
        TWinControl* site = ToolBar->DockSite();
        // Docking takes the toolbar out of this window, which then goes.
        if (site && ToolBar->FindDock(site, site->ScreenToClient(p))) return;
    }
    FFrame = Bounds(p.X - FGrab.X, p.Y - FGrab.Y, Width(), Height());
    FDragFrame->Show(FFrame);
}

void TrpFloatWindow::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TForm::MouseUp(Button, Shift, X, Y);
    if (!FMoving) return;
    EndMove();
    SetBounds(FFrame.Left, FFrame.Top, Width(), Height());
    Show();
    Repaint();
}

void TrpFloatWindow::EndMove() {
    FMoving = false;
    if (FDragFrame) FDragFrame->Hide();
    SetMouseCapture(false);
}

void TrpFloatWindow::Discard() {
    EndMove();
    Hide();
    if (FHandling)
        Release();
    else
        delete this;
}
