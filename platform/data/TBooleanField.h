#pragma once
// Yes/no fields, shown through DisplayValues ("True;False" by default).
#include "platform/data/TField.h"

class TBooleanField : public TField {
public:
    explicit TBooleanField(TComponent* AOwner);
    String ClassName() const override { return "TBooleanField"; }

    // "<true text>;<false text>"; a missing part is empty.
    String DisplayValues() const { return FDisplayValues; }
    void SetDisplayValues(const String& Value);

protected:
    Integer GetDefaultWidth() const override;
    String GetAsString() const override;
    bool GetAsBoolean() const override;
    // 1 or 0 (0 for null): flags the forms read as integers stay readable in
    // databases that declare them boolean.
    Int64 GetAsInteger() const override;
    Variant GetAsVariant() const override;
    // Accepts a leading part of either display value, ignoring case; "" gives
    // the value whose text is empty, else null. Raises "'<text>' is not a valid
    // boolean value for field '<name>'".
    void SetAsStringValue(const String& Value) override;
    void SetAsBooleanValue(bool Value) override;
    void SetVarValue(const Variant& Value) override;

private:
    String FDisplayValues;
    String FTrueText;
    String FFalseText;
};
