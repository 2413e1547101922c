#include "platform/data/TBooleanField.h"

#include "platform/core/StrUtils.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"

#include <algorithm>

TBooleanField::TBooleanField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftBoolean);
    SetDisplayValues(String(STextTrue) + ";" + STextFalse);
}

void TBooleanField::SetDisplayValues(const String& Value) {
    FDisplayValues = Value;
    const size_t separator = Value.find(';');
    FTrueText = Value.substr(0, separator);
    FFalseText = separator == String::npos ? String() : Value.substr(separator + 1);
}

Integer TBooleanField::GetDefaultWidth() const {
    return std::max(Length(FTrueText), Length(FFalseText));
}

String TBooleanField::GetAsString() const {
    bool value = false;
    if (!ReadBoolean(value)) return String();
    return value ? FTrueText : FFalseText;
}

bool TBooleanField::GetAsBoolean() const {
    bool value = false;
    ReadBoolean(value);
    return value;
}

Int64 TBooleanField::GetAsInteger() const {
    return GetAsBoolean() ? 1 : 0;
}

Variant TBooleanField::GetAsVariant() const {
    bool value = false;
    if (!ReadBoolean(value)) return Null;
    return Variant(value);
}

void TBooleanField::SetAsStringValue(const String& Value) {
    const Integer length = Length(Value);
    if (length == 0) {
        if (FFalseText.empty())
            SetAsBooleanValue(false);
        else if (FTrueText.empty())
            SetAsBooleanValue(true);
        else
            Clear();
        return;
    }
    if (AnsiCompareText(Value, Copy(FFalseText, 1, length)) == 0)
        SetAsBooleanValue(false);
    else if (AnsiCompareText(Value, Copy(FTrueText, 1, length)) == 0)
        SetAsBooleanValue(true);
    else
        DatabaseErrorFmt(SInvalidBoolValue, {Value, DisplayName()});
}

void TBooleanField::SetAsBooleanValue(bool Value) {
    SetData(TFieldData(Value));
}

void TBooleanField::SetVarValue(const Variant& Value) {
    if (Value.Type() == varString)
        SetAsStringValue(Value.AsString());
    else
        SetAsBooleanValue(Value.AsBoolean());
}
