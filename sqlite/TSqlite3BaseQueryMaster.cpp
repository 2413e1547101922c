// TSqlite3BaseQuery: a detail dataset following its master through
// MasterSource and MasterFields.
#include "sqlite/TSqlite3BaseQuery.h"

#include "platform/core/StrUtils.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/SqliteError.h"

#include <algorithm>

namespace {

struct LinkPair {
    String Detail;
    String Master;
};

// "a=b; c=d" into its pairs; raises the syntax error for a pair without "=".
std::vector<LinkPair> ParseMasterFields(const String& Text) {
    std::vector<LinkPair> pairs;
    for (std::size_t start = 0; start < Text.size();) {
        std::size_t end = Text.find(';', start);
        if (end == String::npos) end = Text.size();
        const String pair = Trim(Text.substr(start, end - start));
        start = end + 1;
        if (pair.empty()) continue;
        const auto eq = pair.find('=');
        if (eq == String::npos) throw SqliteError("Syntax error: Masterfields not build of a=b;... pairs");
        pairs.push_back({Trim(pair.substr(0, eq)), Copy(Trim(pair.substr(eq + 1)), 1, 99)});
    }
    return pairs;
}

bool IsIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Whether the statement has the word "where" in any letter case.
bool HasWhere(const String& Sql) {
    const String lower = LowerCase(Sql);
    for (std::size_t at = lower.find("where"); at != String::npos; at = lower.find("where", at + 1)) {
        const bool startsWord = at == 0 || !IsIdentifierChar(lower[at - 1]);
        const bool endsWord = at + 5 >= lower.size() || !IsIdentifierChar(lower[at + 5]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

} // namespace

void TSqlite3BaseQuery::SetDataSource(TDataSource* Value) {
    if (Value == FMasterSource) return;
    TDataSet* dataSet = Value ? Value->DataSet() : nullptr;
    for (int depth = 0; dataSet && depth < 1000; ++depth) {
        if (dataSet == this) DatabaseError("circular references are not allowed", this);
        TDataSource* source = dataSet->GetDataSource();
        dataSet = source ? source->DataSet() : nullptr;
    }
    // The old master must stop steering this dataset.
    if (TSqlite3BaseQuery* old = MasterDataset()) std::erase(old->FDetailList, this);
    if (FMasterSource) FMasterSource->RemoveFreeNotification(this);
    FMasterSource = Value;
    if (FMasterSource) FMasterSource->FreeNotification(this);
}

TSqlite3BaseQuery* TSqlite3BaseQuery::MasterDataset() const {
    return FMasterSource ? dynamic_cast<TSqlite3BaseQuery*>(FMasterSource->DataSet()) : nullptr;
}

void TSqlite3BaseQuery::CheckMaster() const {
    TDataSet* master = FMasterSource ? FMasterSource->DataSet() : nullptr;
    if (!master) throw SqliteError("master dataset undefined");
    const String className = master->ClassName();
    if (!SameText(Copy(className, 1, 8), "TSqlite3") || !MasterDataset())
        throw SqliteError("master dataset " + className + " is not of TSQLiteBaseQuery type");
}

void TSqlite3BaseQuery::AppendMasterFilter() {
    if (!FMasterSource) return;
    CheckMaster();
    TSqlite3BaseQuery* master = MasterDataset();
    master->RegisterDetailDataset(this);
    const String filter = BuildFilter(false);
    // Without link pairs there is nothing to add; a bare " where " would not parse.
    if (filter.empty()) return;
    FWorkingSQL += (HasWhere(FWorkingSQL) ? " and " : " where ") + filter;
}

void TSqlite3BaseQuery::RegisterDetailDataset(TSqlite3BaseQuery* Detail) {
    if (!Detail || std::find(FDetailList.begin(), FDetailList.end(), Detail) != FDetailList.end()) return;
    FDetailList.push_back(Detail);
    FreeNotification(Detail);
}

String TSqlite3BaseQuery::BuildFilter(bool Empty) const {
    if (Empty) return "1 = 0";
    String filter;
    TSqlite3BaseQuery* master = MasterDataset();
    for (const LinkPair& pair : ParseMasterFields(FMasterFields)) {
        const String value = master ? master->FieldByName(pair.Master)->AsString() : String();
        if (!filter.empty()) filter += " and ";
        filter += pair.Detail + "=" + QuotedStr(value);
    }
    return filter;
}

bool TSqlite3BaseQuery::IsLinkColumn(const String& FieldName, String& MasterField) const {
    if (!FMasterSource || FMasterFields.empty()) return false;
    // A column whose name merely contains a link column's name is not one.
    for (const LinkPair& pair : ParseMasterFields(FMasterFields)) {
        if (SameText(pair.Detail, FieldName)) {
            MasterField = pair.Master;
            return true;
        }
    }
    return false;
}

bool TSqlite3BaseQuery::MasterFirstFieldEmpty() const {
    if (!Active() || FieldCount() == 0) return true;
    return Fields()->Fields(0)->IsNull();
}

void TSqlite3BaseQuery::NotifySQLiteMasterChanged() {
    const bool empty = MasterFirstFieldEmpty();
    for (TSqlite3BaseQuery* detail : std::vector<TSqlite3BaseQuery*>(FDetailList))
        detail->SQLiteMasterChanged(empty);
}

void TSqlite3BaseQuery::SQLiteMasterChanged(bool Empty) {
    Close();
    if (!BuildFilter(Empty).empty()) Open();
}
