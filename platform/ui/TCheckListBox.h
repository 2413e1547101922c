#pragma once
// A list box whose lines carry check boxes. OnClickCheck fires when the user
// toggles a line's box (by mouse or the space bar), not when the program does.
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TListBox.h"

class TCheckListBox : public TListBox {
public:
    explicit TCheckListBox(TComponent* AOwner);
    String ClassName() const override { return "TCheckListBox"; }

    // Each raises EListError "List index out of bounds (<i>)".
    bool Checked(Integer Index) const { return State(Index) == cbChecked; }
    void SetChecked(Integer Index, bool v) { SetState(Index, v ? cbChecked : cbUnchecked); }
    TCheckBoxState State(Integer Index) const;
    void SetState(Integer Index, TCheckBoxState v);
    // Whether the user's clicks pass through the grey state.
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool v);

    TNotifyEvent OnClickCheck;

protected:
    virtual void ClickCheck();

private:
    void CheckRange(Integer Index) const;

    bool FAllowGrayed = false;
    bool FSetting = false;
};
