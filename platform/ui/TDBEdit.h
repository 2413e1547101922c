#pragma once
// A one-line box bound to a field of the current record. Unfocused it shows
// the field's display text, focused its edit text; typing puts the dataset
// into edit state, and the text is written to the field when the record is
// posted or the focus leaves the box.
#include "platform/ui/TDataAwareControl.h"
#include "platform/ui/TEdit.h"

class TDBEdit : public TDataAwareText<TEdit> {
public:
    explicit TDBEdit(TComponent* AOwner);
    String ClassName() const override { return "TDBEdit"; }

protected:
    // Numeric fields refuse other characters as typed.
    bool AcceptsKey(const String& Key) const override;
    void DataChange() override;
    void UpdateData() override;
    void EditingChange() override;
};
