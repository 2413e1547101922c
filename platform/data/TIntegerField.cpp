#include "platform/data/TIntegerField.h"

#include "platform/core/NumberFormat.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"

TIntegerField::TIntegerField(TComponent* AOwner) : TNumericField(AOwner) {
    SetDataType(ftInteger);
}

String TIntegerField::GetAsString() const {
    Int64 value = 0;
    return ReadInteger(value) ? IntToStr(value) : String();
}

Int64 TIntegerField::GetAsInteger() const {
    Int64 value = 0;
    ReadInteger(value);
    return value;
}

double TIntegerField::GetAsFloat() const {
    return static_cast<double>(GetAsInteger());
}

Variant TIntegerField::GetAsVariant() const {
    Int64 value = 0;
    if (!ReadInteger(value)) return Null;
    return Variant(static_cast<long long>(value));
}

void TIntegerField::GetText(String& Text, bool DisplayText) const {
    Int64 value = 0;
    if (!ReadInteger(value)) {
        Text.clear();
        return;
    }
    const String& format = FormatFor(DisplayText);
    Text = format.empty() ? IntToStr(value) : FormatFloat(format, static_cast<double>(value));
}

void TIntegerField::SetAsStringValue(const String& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    Int64 number = 0;
    if (!TryStrToInt64(Value, number)) DatabaseErrorFmt(SInvalidIntegerValue, {Value, DisplayName()});
    SetAsIntegerValue(number);
}

void TIntegerField::SetAsIntegerValue(Int64 Value) {
    CheckRange(Value);
    SetData(TFieldData(Value));
}

void TIntegerField::SetAsFloatValue(double Value) {
    SetAsIntegerValue(Round(Value));
}

void TIntegerField::SetVarValue(const Variant& Value) {
    if (Value.Type() == varString)
        SetAsStringValue(Value.AsString());
    else
        SetAsIntegerValue(Value.AsInt64());
}

void TIntegerField::RangeError(Int64 Value, Int64 Min, Int64 Max) const {
    DatabaseErrorFmt(SFieldRangeError, {static_cast<double>(Value), DisplayName(), static_cast<double>(Min),
                                        static_cast<double>(Max)});
}

TSmallintField::TSmallintField(TComponent* AOwner) : TIntegerField(AOwner) {
    SetDataType(ftSmallint);
}

void TSmallintField::CheckRange(Int64 Value) const {
    if (Value < -32768 || Value > 32767) RangeError(Value, -32768, 32767);
}

TWordField::TWordField(TComponent* AOwner) : TIntegerField(AOwner) {
    SetDataType(ftWord);
}

void TWordField::CheckRange(Int64 Value) const {
    if (Value < 0 || Value > 65535) RangeError(Value, 0, 65535);
}

TAutoIncField::TAutoIncField(TComponent* AOwner) : TIntegerField(AOwner) {
    SetDataType(ftAutoInc);
}

TLargeintField::TLargeintField(TComponent* AOwner) : TIntegerField(AOwner) {
    SetDataType(ftLargeint);
}
