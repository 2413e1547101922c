#include "report/script/TrpVariables.h"

#include "platform/core/StrUtils.h"

TrpVariables* rpVariables = nullptr;

void TrpVariables::SetVariable(const String& Name, const Variant& Value) {
    const Integer i = IndexOf(Name);
    if (i >= 0)
        FItems[static_cast<std::size_t>(i)].Value = Value;
    else
        FItems.push_back({Name, Value});
}

Variant TrpVariables::GetVariable(const String& Name) const {
    const Integer i = IndexOf(Name);
    return i >= 0 ? FItems[static_cast<std::size_t>(i)].Value : Null;
}

Integer TrpVariables::IndexOf(const String& Name) const {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        if (AnsiSameText(FItems[i].Name, Name)) return static_cast<Integer>(i);
    return -1;
}

void TrpVariables::SetValue(Integer Index, const Variant& Value) {
    if (InRange(Index)) FItems[static_cast<std::size_t>(Index)].Value = Value;
}

Variant TrpVariables::GetValue(Integer Index) const {
    return InRange(Index) ? FItems[static_cast<std::size_t>(Index)].Value : Variant(0);
}

String TrpVariables::GetName(Integer Index) const {
    return InRange(Index) ? FItems[static_cast<std::size_t>(Index)].Name : String();
}

void TrpVariables::Delete(Integer Index) {
    if (InRange(Index)) FItems.erase(FItems.begin() + Index);
}

void TrpVariables::Clear() {
    FItems.clear();
}
