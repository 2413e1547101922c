#pragma once
// A multi-line box bound to a text or memo field of the current record.
// Typing puts the dataset into edit state; the text is written to the field
// when the record is posted or the focus leaves the box.
#include "platform/ui/TDataAwareControl.h"
#include "platform/ui/TMemo.h"

class TDBMemo : public TDataAwareText<TMemo> {
public:
    explicit TDBMemo(TComponent* AOwner);
    String ClassName() const override { return "TDBMemo"; }

protected:
    // Tab and line ends change a memo's text too.
    bool IsTyping(const String& Key) const override;
    void DataChange() override;
    void UpdateData() override;
    void EditingChange() override;
};
