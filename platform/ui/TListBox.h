#pragma once
// A list of lines to choose from. OnClick fires when the user changes the
// chosen line (by mouse or keys), not when the program sets ItemIndex.
// With DragMode dmAutomatic its lines can be dragged within the list: the
// chosen line stays chosen while the pointer moves, OnDragOver answers
// whether a drop is taken there, and OnDragDrop takes it.
#include "platform/ui/DragDrop.h"
#include "platform/ui/TWinControl.h"

#include <memory>

class TStrings;
namespace ui {
class ItemStrings;
}

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* AOwner);
    ~TListBox() override;
    String ClassName() const override { return "TListBox"; }

    TStrings* Items() const;
    Integer ItemIndex() const;
    // Out-of-range values choose nothing.
    void SetItemIndex(Integer v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    // Raises EListError "List index out of bounds (<i>)".
    bool Selected(Integer Index) const;
    void SetSelected(Integer Index, bool v);
    Integer SelCount() const;
    bool Sorted() const;
    void SetSorted(bool v);
    void Clear();
    // The line at Pos (client coordinates); off the lines -1 when Existing,
    // else Count.
    Integer ItemAtPos(TPoint Pos, bool Existing) const;
    // The line's rectangle in client coordinates; empty for an index outside the list.
    TRect ItemRect(Integer Index) const;

    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode v) { FDragMode = v; }
    // Whether a drag is under way.
    bool Dragging() const { return FDragging; }
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;

protected:
    void ColorChanged() override;

private:
    void CheckIndex(Integer Index) const;

    std::unique_ptr<ui::ItemStrings> FItems;
    bool FMultiSelect = false;
    bool FSyncing = false;

    friend class ListDragFilter;
    // The drag's steps, in client coordinates; true when the event is the drag's.
    bool DragPress(TPoint P);
    bool DragMove(TPoint P);
    bool DragRelease(TPoint P);
    bool AskDragOver(TPoint P, TDragState State);

    TDragMode FDragMode = dmManual;
    bool FPressed = false;
    bool FDragging = false;
    bool FAccepted = false;
    TPoint FPressAt;
    TCursor FCursorBeforeDrag = crDefault;
};
