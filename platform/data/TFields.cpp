#include "platform/data/TFields.h"

#include "platform/core/StrUtils.h"
#include "platform/data/DBConsts.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"

#include <algorithm>

TFields::TFields(TDataSet* DataSet) : FDataSet(DataSet) {}

TFields::~TFields() {
    for (TField* field : FList)
        field->FDataSet = nullptr;
}

TField* TFields::Fields(Integer Index) const {
    if (Index < 0 || Index >= Count()) DatabaseError(SFieldIndexError, FDataSet);
    return FList[static_cast<size_t>(Index)];
}

Integer TFields::IndexOf(const TField* Field) const {
    auto it = std::find(FList.begin(), FList.end(), Field);
    return it == FList.end() ? -1 : static_cast<Integer>(it - FList.begin());
}

TField* TFields::FindField(const String& FieldName) const {
    // Reports look fields up by name for every value of every record: a name whose first
    // letter differs (both plain ASCII, case aside) is passed over without the comparison,
    // which would say no at that letter too.
    const auto fold = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u >= 'a' && u <= 'z' ? u - 32 : u; // UpCase, in place
    };
    const unsigned first = FieldName.empty() ? 0x80 : fold(FieldName[0]);
    for (TField* field : FList) {
        const String& name = field->FieldName();
        if (first < 0x80 && !name.empty()) {
            const unsigned c = fold(name[0]);
            if (c < 0x80 && c != first) continue;
        }
        if (AnsiSameText(name, FieldName)) return field;
    }
    return nullptr;
}

TField* TFields::FieldByName(const String& FieldName) const {
    TField* field = FindField(FieldName);
    if (!field) DatabaseErrorFmt(SFieldNotFound, {FieldName}, FDataSet);
    return field;
}

TField* TFields::FieldByNumber(Integer FieldNo) const {
    for (TField* field : FList)
        if (field->FieldNo() == FieldNo) return field;
    return nullptr;
}

void TFields::CheckFieldName(const String& FieldName) const {
    if (FieldName.empty()) DatabaseError(SFieldNameMissing, FDataSet);
    if (FindField(FieldName)) DatabaseErrorFmt(SDuplicateFieldName, {FieldName}, FDataSet);
}

void TFields::Add(TField* Field) {
    FList.push_back(Field);
    Field->FDataSet = FDataSet;
    if (FDataSet) FDataSet->FieldListChanged();
}

void TFields::Remove(TField* Field) {
    auto it = std::find(FList.begin(), FList.end(), Field);
    if (it == FList.end()) return;
    FList.erase(it);
    Field->FDataSet = nullptr;
    Field->FFieldNo = 0;
    if (FDataSet) FDataSet->FieldListChanged();
}

void TFields::SetFieldIndex(TField* Field, Integer Index) {
    const Integer current = IndexOf(Field);
    if (current < 0) return;
    Index = std::clamp(Index, 0, Count() - 1);
    if (Index == current) return;
    FList.erase(FList.begin() + current);
    FList.insert(FList.begin() + Index, Field);
    // Calculated-field slots stay as they are: the buffers hold values by them.
    if (FDataSet && FDataSet->Active()) FDataSet->DataEvent(deLayoutChange, 0);
}

void TFields::Clear() {
    while (!FList.empty()) {
        TField* field = FList.back();
        FList.pop_back();
        field->FDataSet = nullptr;
        if (field->Owner() == FDataSet) delete field;
    }
    if (FDataSet) FDataSet->FieldListChanged();
}
