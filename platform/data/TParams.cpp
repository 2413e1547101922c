#include "platform/data/TParams.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/StrUtils.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TField.h"

#include <algorithm>

namespace {

TFieldType DataTypeOfVariant(const Variant& Value) {
    switch (Value.Type()) {
    case varSmallint:
        return ftSmallint;
    case varInteger:
        return ftInteger;
    case varInt64:
        return ftLargeint;
    case varDouble:
        return ftFloat;
    case varCurrency:
        return ftCurrency;
    case varDate:
        return ftDateTime;
    case varBoolean:
        return ftBoolean;
    case varString:
        return ftString;
    default:
        return ftUnknown;
    }
}

bool IsNameDelimiter(char C) {
    switch (C) {
    case ' ':
    case '\t':
    case '\r':
    case '\n':
    case ',':
    case ';':
    case '(':
    case ')':
    case '=':
    case '<':
    case '>':
    case '+':
    case '-':
    case '*':
    case '/':
    case '|':
    case '\'':
    case '"':
        return true;
    default:
        return false;
    }
}

} // namespace

TParam::TParam(TParams* Collection, TParamType ParamType) : FCollection(Collection), FParamType(ParamType) {}

void TParam::Assign(TPersistent* Source) {
    if (auto* param = dynamic_cast<TParam*>(Source)) {
        FName = param->FName;
        FDataType = param->FDataType;
        FParamType = param->FParamType;
        FSize = param->FSize;
        FBound = param->FBound;
        FData = param->FData;
        return;
    }
    if (auto* field = dynamic_cast<TField*>(Source)) {
        AssignField(field);
        return;
    }
    TPersistent::Assign(Source);
}

void TParam::AssignField(TField* Field) {
    if (!Field) return;
    FName = Field->FieldName();
    AssignFieldValue(Field, Field->Value());
}

void TParam::AssignFieldValue(TField* Field, const Variant& Value) {
    if (!Field) return;
    FDataType = Field->DataType();
    FSize = Field->Size();
    FData = Value;
    FBound = true;
}

void TParam::SetValue(const Variant& Value) {
    if (FDataType == ftUnknown) FDataType = DataTypeOfVariant(Value);
    FData = Value;
    FBound = !Value.IsEmpty();
}

void TParam::Clear() {
    FData = Null;
}

void TParam::Set(TFieldType DataType, const Variant& Value) {
    FDataType = DataType;
    FData = Value;
    FBound = true;
}

String TParam::AsString() const {
    return IsNull() ? String() : FData.AsString();
}

Int64 TParam::AsInteger() const {
    return IsNull() ? 0 : FData.AsInt64();
}

double TParam::AsFloat() const {
    return IsNull() ? 0.0 : FData.AsFloat();
}

bool TParam::AsBoolean() const {
    return IsNull() ? false : FData.AsBoolean();
}

TDateTime TParam::AsDateTime() const {
    return IsNull() ? 0.0 : FData.AsDateTime();
}

TParams::TParams(TComponent* Owner) : FOwner(Owner) {}

TParams::~TParams() = default;

void TParams::Assign(TPersistent* Source) {
    auto* params = dynamic_cast<TParams*>(Source);
    if (!params) {
        TPersistent::Assign(Source);
        return;
    }
    if (params == this) return;
    Clear();
    for (const auto& item : params->FItems)
        Add()->Assign(item.get());
}

TParam* TParams::Items(Integer Index) const {
    if (Index < 0 || Index >= Count()) throw EListError(Format("List index out of bounds (%d)", {Index}));
    return FItems[static_cast<size_t>(Index)].get();
}

TParam* TParams::Add() {
    FItems.push_back(std::make_unique<TParam>(this));
    return FItems.back().get();
}

TParam* TParams::CreateParam(TFieldType DataType, const String& ParamName, TParamType ParamType) {
    TParam* param = Add();
    param->SetName(ParamName);
    param->SetDataType(DataType);
    param->SetParamType(ParamType);
    return param;
}

void TParams::AddParam(TParam* Value) {
    FItems.emplace_back(Value);
}

void TParams::RemoveParam(TParam* Value) {
    auto it =
        std::find_if(FItems.begin(), FItems.end(), [Value](const auto& item) { return item.get() == Value; });
    if (it != FItems.end()) FItems.erase(it);
}

void TParams::Clear() {
    FItems.clear();
}

TParam* TParams::FindParam(const String& Value) const {
    for (const auto& item : FItems)
        if (AnsiSameText(item->Name(), Value)) return item.get();
    return nullptr;
}

TParam* TParams::ParamByName(const String& Value) const {
    TParam* param = FindParam(Value);
    if (!param) DatabaseErrorFmt(SParameterNotFound, {Value}, FOwner);
    return param;
}

void TParams::AssignValues(const TParams& Value) {
    for (const auto& source : Value.FItems) {
        if (TParam* target = FindParam(source->Name())) {
            String name = target->Name();
            TParamType kind = target->ParamType();
            target->Assign(source.get());
            target->SetName(name);
            target->SetParamType(kind);
        }
    }
}

String TParams::ParseSQL(const String& SQL, bool DoCreate) {
    if (DoCreate) Clear();
    String result;
    result.reserve(SQL.size());
    const size_t n = SQL.size();
    char quote = 0; // the character that opened the literal we are in
    size_t i = 0;
    while (i < n) {
        const char c = SQL[i];
        if (quote) {
            // A literal ends only at its own quote, so 'a"b' does not end it.
            if (c == quote) quote = 0;
            result += c;
            ++i;
            continue;
        }
        if (c == '\'' || c == '"') {
            quote = c;
            result += c;
            ++i;
            continue;
        }
        if (c != ':') {
            result += c;
            ++i;
            continue;
        }
        if (i + 1 < n && SQL[i + 1] == ':') {
            result += ':';
            i += 2;
            continue;
        }
        const size_t start = i + 1;
        size_t end = start;
        String name;
        if (start < n && (SQL[start] == '"' || SQL[start] == '\'')) {
            size_t close = SQL.find(SQL[start], start + 1);
            if (close == String::npos) close = n;
            name = SQL.substr(start + 1, close - start - 1);
            end = std::min(close + 1, n);
        } else {
            while (end < n && !IsNameDelimiter(SQL[end]))
                ++end;
            name = SQL.substr(start, end - start);
        }
        if (end == start) {
            // A colon followed by nothing name-like is plain text.
            result += ':';
            ++i;
            continue;
        }
        if (DoCreate) Add()->SetName(name);
        result += '?';
        i = end;
    }
    return result;
}
