#pragma once
// A multi-line box bound to a text or memo field of the current record.
// Typing puts the dataset into edit state; the text is written to the field
// when the record is posted or the focus leaves the box.
#include "platform/ui/TDataAwareControl.h"
#include "platform/ui/TMemo.h"

class TDBMemo : public TDataAwareControl<TMemo> {
public:
    explicit TDBMemo(TComponent* AOwner);
    String ClassName() const override { return "TDBMemo"; }

    void KeyDown(Word& Key, TShiftState Shift) override;
    // Escape takes back the field's value and selects it.
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
