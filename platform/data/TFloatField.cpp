#include "platform/data/TFloatField.h"

#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"

TFloatField::TFloatField(TComponent* AOwner) : TNumericField(AOwner) {
    SetDataType(ftFloat);
}

String TFloatField::GetAsString() const {
    double value = 0;
    return ReadFloat(value) ? FloatToStr(value) : String();
}

Int64 TFloatField::GetAsInteger() const {
    return Round(GetAsFloat());
}

double TFloatField::GetAsFloat() const {
    double value = 0;
    ReadFloat(value);
    return value;
}

Variant TFloatField::GetAsVariant() const {
    double value = 0;
    if (!ReadFloat(value)) return Null;
    return FCurrency ? Variant::FromCurrency(value) : Variant(value);
}

void TFloatField::GetText(String& Text, bool DisplayText) const {
    double value = 0;
    if (!ReadFloat(value)) {
        Text.clear();
        return;
    }
    const String& format = FormatFor(DisplayText);
    if (!format.empty()) {
        Text = FormatFloat(format, value);
    } else if (FCurrency) {
        Text = FloatToStrF(value, DisplayText ? ffCurrency : ffFixed, FPrecision,
                           FormatSettings.CurrencyDecimals);
    } else {
        Text = FloatToStrF(value, ffGeneral, FPrecision, 0);
    }
}

void TFloatField::SetAsStringValue(const String& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    double number = 0;
    if (!TryStrToFloat(Value, number)) DatabaseErrorFmt(SInvalidFloatValue, {Value, DisplayName()});
    SetAsFloatValue(number);
}

void TFloatField::SetAsFloatValue(double Value) {
    SetData(TFieldData(Value));
}

void TFloatField::SetVarValue(const Variant& Value) {
    if (Value.Type() == varString)
        SetAsStringValue(Value.AsString());
    else
        SetAsFloatValue(Value.AsFloat());
}

TCurrencyField::TCurrencyField(TComponent* AOwner) : TFloatField(AOwner) {
    SetDataType(ftCurrency);
    SetCurrency(true);
}

TBCDField::TBCDField(TComponent* AOwner) : TFloatField(AOwner) {
    SetDataType(ftBCD);
}
