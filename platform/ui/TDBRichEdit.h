#pragma once
// A rich text box showing a text or memo field of the current record: a value that
// begins with "{\rtf" shows formatted, any other text as it stands in the box's font.
// The user reads, selects and copies it; the box never edits the field.
#include "platform/ui/TDataAwareControl.h"
#include "platform/ui/TRichEdit.h"

class TDBRichEdit : public TDataAwareControl<TRichEdit> {
public:
    explicit TDBRichEdit(TComponent* AOwner);
    String ClassName() const override { return "TDBRichEdit"; }

protected:
    void DataChange() override;
};
