#include "platform/data/TField.h"

#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TFields.h"

TField::TField(TComponent* AOwner) : TComponent(AOwner) {}

TField::~TField() {
    if (FDataSet) FDataSet->Fields()->Remove(this);
}

void TField::SetDataSet(TDataSet* Value) {
    if (Value == FDataSet) return;
    if (FDataSet) FDataSet->CheckInactive();
    if (Value) Value->CheckInactive();
    if (Value) Value->Fields()->CheckFieldName(FFieldName);
    if (FDataSet) FDataSet->Fields()->Remove(this);
    if (Value) Value->Fields()->Add(this);
}

void TField::SetFieldName(const String& Value) {
    if (FDataSet && Value != FFieldName) FDataSet->Fields()->CheckFieldName(Value);
    FFieldName = Value;
}

void TField::SetFieldKind(TFieldKind Value) {
    if (FDataSet) FDataSet->CheckInactive();
    FFieldKind = Value;
}

Integer TField::Index() const {
    return FDataSet ? FDataSet->Fields()->IndexOf(this) : -1;
}

void TField::SetIndex(Integer Value) {
    if (FDataSet) FDataSet->Fields()->SetFieldIndex(this, Value);
}

bool TField::CanModify() const {
    if (FReadOnly || !FDataSet) return false;
    if (FFieldKind != fkData) return FDataSet->State() == dsSetKey || FDataSet->State() == dsCalcFields;
    return FDataSet->CanModify();
}

bool TField::GetData(TFieldData& Data) const {
    if (!FDataSet) DatabaseErrorFmt(SDataSetMissing, {DisplayName()});
    if (FFieldKind == fkData) return FDataSet->GetFieldData(const_cast<TField*>(this), Data);
    return FDataSet->GetCalcFieldData(this, Data);
}

TFieldData TField::ReadData() const {
    TFieldData data;
    if (!GetData(data)) return TFieldData();
    return data;
}

bool TField::ReadInteger(Int64& Value) const {
    const TFieldData data = ReadData();
    if (const auto* number = std::get_if<Int64>(&data))
        Value = *number;
    else if (const auto* real = std::get_if<double>(&data))
        Value = Round(*real);
    else if (const auto* flag = std::get_if<bool>(&data))
        Value = *flag ? 1 : 0;
    else if (const auto* text = std::get_if<String>(&data))
        Value = StrToInt64Def(*text, 0);
    else
        return false;
    return true;
}

bool TField::ReadFloat(double& Value) const {
    const TFieldData data = ReadData();
    if (const auto* real = std::get_if<double>(&data))
        Value = *real;
    else if (const auto* number = std::get_if<Int64>(&data))
        Value = static_cast<double>(*number);
    else if (const auto* flag = std::get_if<bool>(&data))
        Value = *flag ? 1 : 0;
    else if (const auto* text = std::get_if<String>(&data))
        Value = StrToFloatDef(*text, 0);
    else
        return false;
    return true;
}

bool TField::ReadBoolean(bool& Value) const {
    const TFieldData data = ReadData();
    if (const auto* flag = std::get_if<bool>(&data))
        Value = *flag;
    else if (const auto* number = std::get_if<Int64>(&data))
        Value = *number != 0;
    else if (const auto* real = std::get_if<double>(&data))
        Value = *real != 0;
    else if (const auto* text = std::get_if<String>(&data))
        Value = !text->empty() && (AnsiSameText(*text, STextTrue) || *text == "1");
    else
        return false;
    return true;
}

bool TField::IsNull() const {
    TFieldData data;
    return !GetData(data) || FieldDataIsNull(data);
}

void TField::SetData(const TFieldData& Data) {
    if (!FDataSet) DatabaseErrorFmt(SDataSetMissing, {DisplayName()});
    const TDataSetState state = FDataSet->State();
    const bool dataField = FFieldKind == fkData;
    const bool writable = state == dsEdit || state == dsInsert || state == dsSetKey || state == dsFilter ||
                          state == dsNewValue ||
                          (!dataField && (state == dsCalcFields || state == dsInternalCalc));
    if (!writable) DatabaseError(SNotEditing, FDataSet);
    if (dataField && FReadOnly && state != dsSetKey && state != dsFilter)
        DatabaseErrorFmt(SFieldReadOnly, {DisplayName()});
    if (dataField)
        FDataSet->SetFieldData(this, Data);
    else
        FDataSet->SetCalcFieldData(this, Data);
    if (state == dsCalcFields || state == dsInternalCalc || state == dsFilter || state == dsNewValue) return;
    FDataSet->DataEvent(deFieldChange, reinterpret_cast<std::intptr_t>(this));
    if (OnChange) OnChange(this);
}

void TField::Clear() {
    SetData(TFieldData());
}

void TField::SetValue(const Variant& Value) {
    if (Value.IsNull() || Value.IsEmpty())
        Clear();
    else
        SetVarValue(Value);
}

void TField::SetVarValue(const Variant& Value) {
    SetAsString(Value.AsString());
}

String TField::DisplayText() const {
    String text;
    if (OnGetText)
        OnGetText(const_cast<TField*>(this), text, true);
    else
        GetText(text, true);
    return text;
}

String TField::Text() const {
    String text;
    if (OnGetText)
        OnGetText(const_cast<TField*>(this), text, false);
    else
        GetText(text, false);
    return text;
}

void TField::SetText(const String& Value) {
    if (OnSetText)
        OnSetText(this, Value);
    else
        SetTextValue(Value);
}

void TField::GetText(String& Text, bool DisplayText) const {
    Text = GetAsString();
}

void TField::FocusControl() {
    if (FDataSet && FDataSet->Active()) {
        TField* field = this;
        FDataSet->DataEvent(deFocusControl, reinterpret_cast<std::intptr_t>(&field));
    }
}

void TField::AccessError(const char* TypeName) const {
    DatabaseErrorFmt(SFieldAccessError, {DisplayName(), TypeName});
}

String TField::GetAsString() const {
    TFieldData data = ReadData();
    if (auto* text = std::get_if<String>(&data)) return std::move(*text);
    if (const auto* number = std::get_if<Int64>(&data)) return IntToStr(*number);
    if (const auto* real = std::get_if<double>(&data)) return FloatToStr(*real);
    if (const auto* flag = std::get_if<bool>(&data)) return *flag ? STextTrue : STextFalse;
    return String();
}

Variant TField::GetAsVariant() const {
    const TFieldData data = ReadData();
    if (const auto* text = std::get_if<String>(&data)) return Variant(*text);
    if (const auto* number = std::get_if<Int64>(&data)) return Variant(static_cast<long long>(*number));
    if (const auto* real = std::get_if<double>(&data)) return Variant(*real);
    if (const auto* flag = std::get_if<bool>(&data)) return Variant(*flag);
    return Null;
}

void TField::SetAsStringValue(const String& Value) {
    SetData(TFieldData(Value));
}
