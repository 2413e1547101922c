#pragma once
// Dock panels along the edges of a form, toolbars that live in rows on them or
// float in small stay-on-top tool windows, and the grip at a toolbar's start.
// A dock's Align (top, bottom, left, right) decides its orientation.
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TGraphicControl.h"
#include "platform/ui/TPanel.h"

class TrpToolBar;

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

protected:
    void Paint() override;
};

// The 11 by 11 grip; its mouse events go to the toolbar's drag handlers.
class TrpDragBox : public TGraphicControl {
public:
    explicit TrpDragBox(TComponent* AOwner);
    String ClassName() const override { return "TrpDragBox"; }

protected:
    void Paint() override;
};

class TrpFloatWindow : public TForm {
public:
    explicit TrpFloatWindow(TComponent* AOwner);
    ~TrpFloatWindow() override;
    String ClassName() const override { return "TrpFloatWindow"; }
    TrpToolBar* ToolBar = nullptr;
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

protected:
    void Paint() override;

private:
    friend class TrpFloatWindow;
    void DoResize();
    TrpDragBox* FDragBox;
    TrpFloatWindow* FFloatWindow = nullptr;
};
