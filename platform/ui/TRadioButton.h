#pragma once
// A radio button; checking one unchecks the others of the same parent, which
// make up its group. OnClick fires when it becomes checked, by the user or by
// the program. Tab enters a group at its checked button, or at its first when
// none is checked; the arrow keys move round the group; a button reached by a
// key (or focused by the program) becomes checked, so a group can be chosen
// without the mouse.
#include "platform/ui/TWinControl.h"

#include <vector>

class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* AOwner);
    String ClassName() const override { return "TRadioButton"; }

    bool Checked() const;
    void SetChecked(bool v);

    bool StopsTab() const override;
    void KeyDown(Word& Key, TShiftState Shift) override;

protected:
    bool WidgetEvent(QEvent* Event) override;
    void TextChanged() override;

private:
    // The buttons of the group that can take the focus, in tab order.
    std::vector<TRadioButton*> Group() const;
};
