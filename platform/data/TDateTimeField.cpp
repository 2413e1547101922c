#include "platform/data/TDateTimeField.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/RtlConsts.h"

TDateTimeField::TDateTimeField(TComponent* AOwner) : TField(AOwner) {
    SetDataType(ftDateTime);
}

String TDateTimeField::GetAsString() const {
    String text;
    GetText(text, false);
    return text;
}

TDateTime TDateTimeField::GetAsDateTime() const {
    const TFieldData data = ReadData();
    if (const auto* stored = std::get_if<String>(&data)) throw EConvertError(Format(SInvalidDate, {*stored}));
    double value = 0;
    ReadFloat(value);
    return value;
}

Variant TDateTimeField::GetAsVariant() const {
    const TFieldData data = ReadData();
    if (const auto* stored = std::get_if<String>(&data)) return Variant(*stored);
    double value = 0;
    if (!ReadFloat(value)) return Null;
    return Variant::FromDateTime(value);
}

void TDateTimeField::GetText(String& Text, bool DisplayText) const {
    const TFieldData data = ReadData();
    if (const auto* stored = std::get_if<String>(&data)) {
        Text = *stored;
        return;
    }
    double value = 0;
    if (!ReadFloat(value)) {
        Text.clear();
        return;
    }
    String format;
    if (DisplayText && !FDisplayFormat.empty())
        format = FDisplayFormat;
    else if (DataType() == ftDate)
        format = FormatSettings.ShortDateFormat;
    else if (DataType() == ftTime)
        format = FormatSettings.LongTimeFormat;
    Text = FormatDateTime(format, value);
}

void TDateTimeField::SetAsStringValue(const String& Value) {
    if (Value.empty()) {
        Clear();
        return;
    }
    switch (DataType()) {
    case ftDate:
        SetAsDateTimeValue(StrToDate(Value));
        break;
    case ftTime:
        SetAsDateTimeValue(StrToTime(Value));
        break;
    default:
        SetAsDateTimeValue(StrToDateTime(Value));
        break;
    }
}

void TDateTimeField::SetAsDateTimeValue(TDateTime Value) {
    SetData(TFieldData(Value));
}

void TDateTimeField::SetVarValue(const Variant& Value) {
    if (Value.Type() == varString)
        SetAsStringValue(Value.AsString());
    else
        SetAsDateTimeValue(Value.AsDateTime());
}

TDateField::TDateField(TComponent* AOwner) : TDateTimeField(AOwner) {
    SetDataType(ftDate);
}

TTimeField::TTimeField(TComponent* AOwner) : TDateTimeField(AOwner) {
    SetDataType(ftTime);
}
