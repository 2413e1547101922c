#include "platform/data/TStringField.h"

#include "platform/core/DateTime.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSet.h"

TStringField::TStringField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftString);
    SetSize(20);
}

String TStringField::GetAsString() const {
    return TField::GetAsString();
}

Int64 TStringField::GetAsInteger() const {
    return StrToInt64(GetAsString());
}

double TStringField::GetAsFloat() const {
    return StrToFloat(GetAsString());
}

bool TStringField::GetAsBoolean() const {
    const String text = GetAsString();
    return !text.empty() && (text[0] == 'T' || text[0] == 't' || text[0] == 'Y' || text[0] == 'y');
}

TDateTime TStringField::GetAsDateTime() const {
    return StrToDateTime(GetAsString());
}

Variant TStringField::GetAsVariant() const {
    if (IsNull()) return Null;
    return Variant(GetAsString());
}

void TStringField::SetAsStringValue(const String& Value) {
    if (Size() > 0 && !(DataSet() && DataSet()->WholeTexts()) && Length(Value) > Size())
        SetData(TFieldData(Copy(Value, 1, Size())));
    else
        SetData(TFieldData(Value));
}

void TStringField::SetAsIntegerValue(Int64 Value) {
    SetAsString(IntToStr(Value));
}

void TStringField::SetAsFloatValue(double Value) {
    SetAsString(FloatToStr(Value));
}

void TStringField::SetAsBooleanValue(bool Value) {
    SetAsString(Value ? "T" : "F");
}

void TStringField::SetAsDateTimeValue(TDateTime Value) {
    SetAsString(DateTimeToStr(Value));
}

TWideStringField::TWideStringField(TComponent* AOwner) : TStringField(AOwner) {
    SetDataType(ftWideString);
}
