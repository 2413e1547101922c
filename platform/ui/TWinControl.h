#pragma once
// A control that holds other controls and can take the keyboard focus: its
// children are laid out by Align (top, bottom, left, right, then client) and
// Anchors whenever it is resized, and Tab moves the focus in tab order.
#include "platform/ui/TControl.h"

#include <vector>

class TCanvas;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner) : TWinControl(AOwner, nullptr) {}
    // Leaves its parent, then deletes the child controls, the last first, so that no
    // child outlives its parent.
    ~TWinControl() override;
    String ClassName() const override { return "TWinControl"; }

    Integer ControlCount() const { return Integer(FControls.size()); }
    // Raises EListError "List index out of bounds (<i>)".
    TControl* Controls(Integer Index) const;
    bool ContainsControl(const TControl* Control) const;

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);
    // Whether Tab stops here now: TabStop, except that a radio button stops only
    // where Tab enters its group.
    virtual bool StopsTab() const { return FTabStop; }
    // Position among the parent's focusable children; -1 without a parent.
    Integer TabOrder() const;
    // Values past the end move the control last; negative values are ignored.
    void SetTabOrder(Integer v);
    // The parent's focusable children in tab order, then recursively each one's.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // The next control after CurControl in tab order below this one that can take the
    // focus, wrapping around; null when there is none.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    // On a form, visible and enabled up to it (the form itself may be hidden), and not
    // buried: the user can see and use it. No key, call or move of the toolkit's
    // focuses a control that cannot.
    virtual bool CanFocus() const;
    // Wholly hidden, itself or a parent, behind an opaque windowed sibling drawn above
    // it (the work areas and pages that a window brings to front).
    bool Buried() const;
    // Makes the control its form's active control. Raises EInvalidOperation
    // "Cannot focus a disabled or invisible window" when it or its form cannot
    // take the focus, and "Control '<name>' has no parent window" off a form.
    virtual void SetFocus();
    bool Focused() const;
    // Whether the control handles Tab, Enter or Escape itself (a memo wants
    // Enter, a grid Tab) instead of letting the form move the focus or press
    // its default or cancel button.
    virtual bool WantsKey(Word Key) const { return false; }
    // Tab, Enter or Escape offered by the form to each of its controls; a
    // default or cancel button answers true when it took it.
    virtual bool DialogKey(Word Key) { return false; }
    // Where a popup asked for by the menu key or Shift+F10 opens, in client
    // coordinates: the top-left corner; a grid answers its current cell.
    virtual TPoint KeyboardPopupPoint() const { return {}; }

    // The three-dimensional look of the control's frame (True) or a flat one;
    // taken from the parent while ParentCtl3D holds. Setting it lets go of the
    // parent's.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool v);
    bool ParentCtl3D() const { return FParentCtl3D; }
    // True takes the parent's Ctl3D at once.
    void SetParentCtl3D(bool v);

    // Lays out the aligned and anchored children.
    void Realign();
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();

    // The layer calls these; they fire the events.
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void KeyPress(String& Key);
    virtual void DoEnter();
    virtual void DoExit();

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Platform-internal: the widget that holds the children's widgets, and
    // where the client area starts inside the control's widget.
    virtual QWidget* ContainerWidget() const { return Widget(); }
    virtual TPoint ClientOffset() const { return {}; }

protected:
    TWinControl(TComponent* AOwner, QWidget* AWidget);

    // The rectangle the aligned children share; shrink it for borders.
    virtual void AdjustClientRect(TRect& Rect) const { Rect = ClientRect(); }
    // A child moved or changed size (a scroll box recomputes its range).
    virtual void ControlBoundsChanged(TControl* Child) {}
    void FontChanged() override;
    void ColorChanged() override;
    // Ctl3D changed: repaints; the children that take it from this control follow.
    virtual void Ctl3DChanged();
    // Paints the control as the screen shows it (its children too) onto DC at
    // the canvas origin; library code uses it to picture a control elsewhere.
    virtual void PaintWindow(TCanvas* DC);
    // The toolkit keeps one window for a control's whole life, so recreating it
    // means applying the control's font and colour again and repainting.
    void RecreateWnd();

private:
    friend class TControl;
    friend void ui::AlignChildren(TWinControl* Parent);

    void InsertControl(TControl* Control);
    void RemoveControl(TControl* Control);
    void ParentCtl3DChanged();

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    Integer FAlignLevel = 0;
    bool FAligning = false;
};
