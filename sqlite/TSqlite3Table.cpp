#include "sqlite/TSqlite3Table.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TFields.h"
#include "platform/data/TParams.h"
#include "sqlite/SqliteError.h"
#include "sqlite/SqliteRout.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"

#include <map>

namespace {

bool IsDataField(const TField* Field) {
    return Field->FieldKind() == fkData;
}

} // namespace

TSqlite3Table::TSqlite3Table(TComponent* AOwner) : TSqlite3BaseQuery(AOwner) {}

void TSqlite3Table::SetTableName(const String& Value) {
    Close();
    FTableName = Value;
}

void TSqlite3Table::SetOrderBy(const String& Value) {
    if (Value == FOrderBy) return;
    Close();
    FOrderBy = Value;
}

TStrings* TSqlite3Table::SQL() const {
    return SQLList();
}

void TSqlite3Table::SQLiteMasterChanged(bool Empty) {
    TSqlite3BaseQuery::SQLiteMasterChanged(Empty);
}

void TSqlite3Table::SetSQLLines(const std::vector<String>& Lines) {
    TStringList* sql = SQLList();
    sql->Clear();
    for (const String& line : Lines) sql->Add(line);
}

void TSqlite3Table::PrepareWorkingSQL() {
    if (FTableName.empty()) throw SqliteError("no table specified");
    std::vector<String> lines{"select *, rowid as rowid from " + FTableName};
    if (Filtered() && !Filter().empty()) lines.push_back(" where " + Filter());
    SetSQLLines(lines);
    AdjustLimits();
    SetPreparedSQL(SQLList()->Text());
    SetWorkingSQL(Trim(PreparedSQL()));
}

String TSqlite3Table::UpdateStatementText() {
    SetLastRowId(StoredRowId());
    String assignments;
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        const TField* field = Fields()->Fields(i);
        if (IsDataField(field)) assignments += field->FieldName() + "=:" + field->FieldName() + ",";
    }
    if (!assignments.empty()) assignments.back() = ' ';
    SetSQLLines({"update " + FTableName + " set ", assignments,
                 " where rowid=" + QuotedStr(IntToStr(LastRowId()))});
    return SQLList()->Text();
}

String TSqlite3Table::InsertStatementText() {
    String sql = "insert into " + FTableName + " (";
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        const TField* field = Fields()->Fields(i);
        if (IsDataField(field)) sql += field->FieldName() + ",";
    }
    sql.back() = ')';
    sql += " values (";

    // A detail row takes its link columns from the master's current values.
    std::map<String, String> masterValues;
    if (MasterSource() && MasterSource()->DataSet()) {
        const String pairs = MasterFields();
        Integer pos = 1;
        while (pos <= static_cast<Integer>(pairs.size())) {
            String pair;
            GetWordByDelim(pairs, pos, ";", pair);
            ++pos;
            const auto eq = pair.find('=');
            if (eq == String::npos) continue;
            const String detail = UpperCase(Trim(pair.substr(0, eq)));
            if (masterValues.count(detail)) continue;
            const String master = Trim(pair.substr(eq + 1));
            masterValues[detail] = MasterSource()->DataSet()->FieldByName(master)->AsString();
        }
    }

    bool skipFirst = false;
    if (FPrimaryAutoInc && FieldDefs()->Count() > 0) {
        const TFieldType first = FieldDefs()->Items(0)->DataType();
        skipFirst = first == ftInteger || first == ftSmallint || first == ftLargeint ||
                    first == ftAutoInc || first == ftWord;
    }
    if (skipFirst) sql += "null,";
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        const TField* field = Fields()->Fields(i);
        if (!IsDataField(field)) continue;
        if (skipFirst && field->FieldNo() == 1) continue;
        const auto master = masterValues.find(UpperCase(field->FieldName()));
        if (master != masterValues.end()) sql += QuotedStr(master->second) + ",";
        else sql += ":" + field->FieldName() + ",";
    }
    sql.back() = ')';
    SetSQLLines({sql});
    return SQLList()->Text();
}

void TSqlite3Table::InternalPost() {
    if (ReadOnly()) throw SqliteError("Cannot post into a read-only dataset");
    CheckRequiredFields();
    TSqlite3DB& db = RequireConnection();
    // Values are bound as typed numbers, so no decimal separator is involved.
    const bool update = State() == dsEdit && ResultStore() && ResultStore()->Count() > 0;
    const String sql = update ? UpdateStatementText() : InsertStatementText();
    SetPreparedSQL(sql);
    WriteInTransaction(
        [&] {
            db.SQLite3_ExecSQL(sql, Fields());
            if (!update && FPrimaryAutoInc && FieldDefs()->Count() > 0) {
                TField* first = Fields()->FieldByNumber(1);
                const TFieldType type = FieldDefs()->Items(0)->DataType();
                if (first && (type == ftInteger || type == ftSmallint || type == ftLargeint ||
                              type == ftAutoInc || type == ftWord))
                    first->SetAsInteger(db.LastInsertRowId());
            }
        },
        false);
    if (!update && ResultStore() && ResultStore()->Count() == 0) SetCurrentRow(0);
    PostToStore();
}

void TSqlite3Table::InternalDelete() {
    if (ReadOnly()) throw SqliteError("Cannot delete from a read-only dataset");
    TSqlite3DB& db = RequireConnection();
    SetPreparedSQL(String());
    SetLastRowId(StoredRowId());
    SetSQLLines({"delete from " + FTableName + " where rowid=" + QuotedStr(IntToStr(LastRowId()))});
    SetPreparedSQL(SQLList()->Text());
    const String sql = PreparedSQL();
    WriteInTransaction([&] { db.SQLite3_ExecSQL_Params(sql, Params()); }, true);
    DeleteFromStore();
}
