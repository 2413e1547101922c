#pragma once
// A check box. OnClick fires whenever the state changes,
// whether the user clicked or the program set Checked.
#include "platform/data/TAlignment.h"
#include "platform/ui/TWinControl.h"

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* AOwner);
    String ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const;
    void SetState(TCheckBoxState v);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool v);
    // taRightJustify (the default): the text right of the box.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);

protected:
    void TextChanged() override;

private:
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};
