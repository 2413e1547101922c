#pragma once
// A one-line box bound to a field of the current record. Unfocused it shows
// the field's display text, focused its edit text; typing puts the dataset
// into edit state, and the text is written to the field when the record is
// posted or the focus leaves the box.
#include "platform/ui/TDataAwareControl.h"
#include "platform/ui/TEdit.h"

class TDBEdit : public TDataAwareControl<TEdit> {
public:
    explicit TDBEdit(TComponent* AOwner);
    String ClassName() const override { return "TDBEdit"; }

    void KeyDown(Word& Key, TShiftState Shift) override;
    // Numeric fields refuse other characters as typed; Escape takes back the
    // field's value and selects it.
    void KeyPress(String& Key) override;

protected:
    void Change() override;
    void DoEnter() override;
    // Writes the text first; a value the field refuses is selected, keeps the
    // focus here and raises.
    void DoExit() override;
    void DataChange() override;
    void UpdateData() override;
    void EditingChange() override;
    void ExitRefused() override { SelectAll(); }
};
