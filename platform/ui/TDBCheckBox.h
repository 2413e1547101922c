#pragma once
// A check box bound to a field: checked when the field holds true (or one of
// the ValueChecked texts), unchecked for false (or a ValueUnchecked text),
// grey for null or any other text. A click puts the dataset into edit state
// first; a field that cannot be edited leaves the box as it is. The state is
// written to the field when the record is posted or the focus leaves the box.
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDataAwareControl.h"

class TDBCheckBox : public TDataAwareControl<TCheckBox> {
public:
    explicit TDBCheckBox(TComponent* AOwner);
    String ClassName() const override { return "TDBCheckBox"; }

    // Texts separated by ";", compared without regard to case; the first one
    // is written. Defaults "True" and "False".
    const String& ValueChecked() const { return FValueCheck; }
    void SetValueChecked(const String& v);
    const String& ValueUnchecked() const { return FValueUncheck; }
    void SetValueUnchecked(const String& v);

    void Click() override;
    void KeyDown(Word& Key, TShiftState Shift) override;

protected:
    bool WidgetEvent(QEvent* Event) override;
    // Writes the state first; a value the field refuses keeps the focus here and raises.
    void DoExit() override;
    void DataChange() override;
    void UpdateData() override;

private:
    TCheckBoxState FieldState() const;

    String FValueCheck = "True";
    String FValueUncheck = "False";
};
