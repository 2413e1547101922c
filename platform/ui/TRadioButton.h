#pragma once
// A radio button; checking one unchecks the others of the same parent.
// OnClick fires when it becomes checked, by the user or by the program.
#include "platform/ui/TWinControl.h"

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    String ClassName() const override { return "TRadioButton"; }

    bool Checked() const;
    void SetChecked(bool v);

protected:
    void TextChanged() override;
};
