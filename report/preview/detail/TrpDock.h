#pragma once
// Dock panels along the edges of a form, toolbars that live in rows on them or
// float in small stay-on-top tool windows, and the grip at a toolbar's start.
// A dock's Align (top, bottom, left, right) decides its orientation.
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TPanel.h"
#include "report/preview/detail/rpDockDrag.h"

#include <memory>

class TrpToolBar;
namespace ui {
class TDragFrame;
}

enum TrpOrientation { toAny, toVertOnly, toHorzOnly };

class TrpDock : public TPanel {
public:
    explicit TrpDock(TComponent* AOwner);
    String ClassName() const override { return "TrpDock"; }

    Integer RowSize = 26;
    bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
    // Thickness to the rows its visible toolbars occupy (1 pixel when empty);
    // empty rows are removed and the toolbars beyond move inward.
    void AdjustBounds();

    // Length along the dock and thickness across it.
    Integer Length() const { return Horizontal() ? Width() : Height(); }
    Integer Thickness() const { return Horizontal() ? Height() : Width(); }
    // A control's extent on the dock (across measured from the outer edge),
    // and the control's left and top for an extent.
    rpdock::Span SpanOf(const TRect& Bounds) const;
    TPoint PlaceOf(const rpdock::Span& Span) const;
    // Left and top of a toolbar of Size lying Along the dock at its inner edge.
    TPoint InnerEdgePlace(TSize Size, Integer Along) const;

protected:
    void Paint() override;
};

// The 11 by 11 grip; its mouse events go to the toolbar's drag handlers.
class TrpDragBox : public TGraphicControl {
public:
    explicit TrpDragBox(TComponent* AOwner);
    String ClassName() const override { return "TrpDragBox"; }

    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

protected:
    void Paint() override;
};

// A small tool window above the others that carries a floating toolbar. Its
// caption bar is its own: a press there starts a move shown by a drag frame,
// and wherever the pointer passes over a dock that takes the toolbar, the
// toolbar docks there and the drag goes on docked.
class TrpFloatWindow : public TForm {
public:
    explicit TrpFloatWindow(TComponent* AOwner);
    ~TrpFloatWindow() override;
    String ClassName() const override { return "TrpFloatWindow"; }
    TrpToolBar* ToolBar = nullptr;

    // Captures the mouse and starts a move from Pointer (screen), as a press
    // on the caption bar there would.
    void Capture(TPoint Pointer);
    bool Moving() const { return FMoving; }
    // Where the window goes when the button is released (screen).
    TRect MoveFrame() const { return FFrame; }
    const ui::TDragFrame* DragFrame() const { return FDragFrame.get(); }

    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

private:
    friend class TrpToolBar;
    void EndMove();
    // Hidden and freed; later when it is inside one of its own handlers.
    void Discard();
    bool FMoving = false;
    bool FHandling = false;
    TPoint FGrab;
    TRect FFrame;
    std::unique_ptr<ui::TDragFrame> FDragFrame;
};

class TrpToolBar : public TPanel {
public:
    explicit TrpToolBar(TComponent* AOwner);
    ~TrpToolBar() override;
    String ClassName() const override { return "TrpToolBar"; }

    bool CanFloat = true;
    TrpOrientation Orientation = toAny;

    void DockTo(TrpDock* Dock, Integer X, Integer Y);
    // Docks at the dock's inner edge.
    void AddToDock(TrpDock* Dock);
    // Into a float window at (X, Y) (screen); a floating toolbar's window only moves.
    void FloatTo(Integer X, Integer Y);
    bool Floating() const { return FFloatWindow != nullptr; }
    TrpFloatWindow* GetFloatWindow() const { return FFloatWindow; }
    // 1 on a horizontal dock (and floating), 3 on a vertical one.
    Integer ParentAlign() const;
    // Whether the toolbar may lie on Dock.
    bool Accepts(const TrpDock* Dock) const;
    void RealignControls();
    // Length := the sum of the controls' lengths plus 4.
    void AdjustBounds();
    bool GetVisible() const;
    // While floating: the float window's visibility.
    void SetVisible(bool Value) override;
    TRect ClientRect() const override;
    TrpDragBox* DragBox() const { return FDragBox; }
    // The toolbar's size once turned to lie on Dock.
    TSize SizeOn(const TrpDock* Dock) const;

    // Moves a docked toolbar to (X, Y) on its dock as a drag does: it may
    // float, be held back or be refused (false: nothing moved). A floating
    // toolbar answers true.
    bool MoveTo(Integer X, Integer Y);
    // Floats at the pointer and lets the float window carry on the drag.
    void MakeFloat();
    // Docks on the first dock among Owner's controls that holds Point (in
    // Owner's client coordinates) and takes the toolbar; the drag goes on
    // docked. True when it docked.
    bool FindDock(TWinControl* Owner, TPoint Point);
    // The control whose docks a floating toolbar may land on: its owner.
    TWinControl* DockSite() const;
    bool Dragging() const { return FDown; }

protected:
    void Paint() override;

private:
    friend class TrpFloatWindow;
    friend class TrpDragBox;
    void DoResize();
    void DoMouseDown(TMouseButton Button, Integer X, Integer Y);
    void DoMouseMove(Integer X, Integer Y);
    void DoMouseUp();
    // Takes the toolbar out of its float window and frees the window.
    void LeaveFloatWindow();
    TrpDragBox* FDragBox;
    TrpFloatWindow* FFloatWindow = nullptr;
    bool FDown = false;
    // Screen positions: the last accepted one and the pointer's latest.
    TPoint FLast;
    TPoint FPointer;
};
