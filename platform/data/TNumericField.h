#pragma once
// Common ground of the number fields: right alignment and the display and
// edit formats (FormatFloat pictures).
#include "platform/data/TField.h"

class TNumericField : public TField {
public:
    explicit TNumericField(TComponent* AOwner) : TField(AOwner) { SetAlignment(taRightJustify); }
    String ClassName() const override { return "TNumericField"; }

    const String& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const String& Value) { FDisplayFormat = Value; }
    // The format of Text; DisplayFormat when empty.
    const String& EditFormat() const { return FEditFormat; }
    void SetEditFormat(const String& Value) { FEditFormat = Value; }

protected:
    const String& FormatFor(bool DisplayText) const {
        return DisplayText || FEditFormat.empty() ? FDisplayFormat : FEditFormat;
    }

private:
    String FDisplayFormat;
    String FEditFormat;
};
