#include "sqlite/TSqlite3Table.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/core/TypInfo.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TFields.h"
#include "platform/data/TParams.h"
#include "sqlite/EngineError.h"
#include "sqlite/SqliteError.h"
#include "sqlite/SqliteRout.h"
#include "sqlite/Statement.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"

#include <map>

namespace {

bool IsDataField(const TField* Field) {
    return Field->FieldKind() == fkData;
}

// The same value in both slots; members a kind leaves unused are zero or empty.
bool SameSlot(const sqlite::Slot& A, const sqlite::Slot& B) {
    if (A.Null || B.Null) return A.Null == B.Null;
    return A.Int == B.Int && A.Float == B.Float && A.Bytes == B.Bytes;
}

bool IsIntegerType(TFieldType Type) {
    return Type == ftInteger || Type == ftSmallint || Type == ftLargeint || Type == ftAutoInc ||
           Type == ftWord;
}

// Prepares Sql into Statement and takes its first step; answers the step's result, or the
// prepare's when that failed.
int FirstStep(TSqlite3DB& Db, const String& Sql, sqlite::Statement& Statement) {
    const std::string text = Db.ToEngine(Sql);
    const int rc = Db.Api().prepare(Db.Handle(), text.c_str(), -1, Statement.Receive(), nullptr);
    if (rc != SQLITE_OK) return rc;
    return Statement.Get() ? Db.Api().step(Statement.Get()) : SQLITE_DONE;
}

} // namespace

TSqlite3Table::TSqlite3Table(TComponent* AOwner) : TSqlite3BaseQuery(AOwner) {
    // Routines that read a dataset's table by property name (the export's table
    // name) find it here.
    static const bool registered = [] {
        RegisterClass<TSqlite3Table>(
            "TSqlite3Table", "",
            {StrProp<TSqlite3Table>("TableName", &TSqlite3Table::TableName, &TSqlite3Table::SetTableName),
             ObjectProp<TSqlite3Table>("SQL", &TSqlite3Table::SQL)});
        return true;
    }();
    (void)registered;
}

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
    for (const String& line : Lines)
        sql->Add(line);
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
    // Only the columns this edit changed are written: a text the load cut to its field's
    // size stays whole in the table while another column of its row is edited, and a
    // column another user changed meanwhile keeps their value. A one-directional table
    // keeps no row to compare with, so it writes them all.
    sqlite::RowImage stored;
    const bool hasStored = ResultStore() && ResultStore()->GetData(CurrentRow(), stored);
    const sqlite::RowImage& edited = ActiveRow();
    String assignments;
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        const TField* field = Fields()->Fields(i);
        if (!IsDataField(field)) continue;
        const auto slot = static_cast<std::size_t>(field->FieldNo() - 1);
        if (hasStored && slot < stored.Count() && slot < edited.Count() &&
            SameSlot(stored[slot], edited[slot]))
            continue;
        assignments += field->FieldName() + "=:" + field->FieldName() + ",";
    }
    if (assignments.empty()) return String();
    assignments.back() = ' ';
    SetSQLLines(
        {"update " + FTableName + " set ", assignments, " where rowid=" + QuotedStr(IntToStr(LastRowId()))});
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

    const bool skipFirst =
        FPrimaryAutoInc && FieldDefs()->Count() > 0 && IsIntegerType(FieldDefs()->Items(0)->DataType());
    if (skipFirst) sql += "null,";
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        const TField* field = Fields()->Fields(i);
        if (!IsDataField(field)) continue;
        if (skipFirst && field->FieldNo() == 1) continue;
        const auto master = masterValues.find(UpperCase(field->FieldName()));
        if (master != masterValues.end())
            sql += QuotedStr(master->second) + ",";
        else
            sql += ":" + field->FieldName() + ",";
    }
    sql.back() = ')';
    SetSQLLines({sql});
    return SQLList()->Text();
}

void TSqlite3Table::TakeInsertedKey(TSqlite3DB& db) {
    if (FieldDefs()->Count() == 0 || !IsIntegerType(FieldDefs()->Items(0)->DataType())) return;
    TField* first = Fields()->FieldByNumber(1);
    if (!first) return;
    const Int64 rowId = db.LastInsertRowId();
    if (FPrimaryAutoInc) {
        first->SetAsInteger(rowId);
        return;
    }
    if (!first->IsNull()) return;
    // A key the engine filled in must be in the stored row too, or a later
    // update of that row would write NULL into it.
    sqlite::Statement statement(db.Api());
    if (FirstStep(db,
                  "select " + first->FieldName() + " from " + FTableName + " where rowid=" + IntToStr(rowId),
                  statement) == SQLITE_ROW &&
        db.Api().column_type(statement.Get(), 0) == SQLITE_INTEGER)
        first->SetAsInteger(db.Api().column_int64(statement.Get(), 0));
}

bool TSqlite3Table::RowStillThere(TSqlite3DB& db) {
    sqlite::Statement statement(db.Api());
    const int rc =
        FirstStep(db, "select rowid from " + FTableName + " where rowid=" + IntToStr(LastRowId()), statement);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) db.RaiseEngineError(rc);
    return rc == SQLITE_ROW;
}

void TSqlite3Table::InternalPost() {
    if (ReadOnly()) throw SqliteError("Cannot post into a read-only dataset");
    CheckRequiredFields();
    TSqlite3DB& db = RequireConnection();
    // Values are bound as typed numbers, so no decimal separator is involved.
    // An edit always updates: a one-directional dataset keeps no rows, and
    // inserting there would duplicate the record being edited.
    const bool update = State() == dsEdit;
    const String sql = update ? UpdateStatementText() : InsertStatementText();
    SetPreparedSQL(sql);
    if (sql.empty()) { // an edit that changed nothing writes nothing
        PostToStore();
        return;
    }
    WriteInTransaction(
        [&] {
            db.SQLite3_ExecSQL(sql, Fields());
            // An edit the database did not store must not show as stored.
            if (update) {
                if (db.RowsAffected() == 0)
                    throw EDatabaseError(RowStillThere(db) ? sqlite::RowNotChangedMessage
                                                           : sqlite::RowGoneMessage);
                return;
            }
            // A trigger that skipped the row leaves the last row id naming an older row,
            // which a later edit of this record would then overwrite.
            if (db.RowsAffected() != 1) throw EDatabaseError(sqlite::NoRowAddedMessage);
            TakeInsertedKey(db);
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
    WriteInTransaction(
        [&] {
            db.SQLite3_ExecSQL_Params(sql, Params());
            // A row that stayed must stay shown; one already gone (another workstation, or
            // the area's own delete before this one) leaves the grid as deleted.
            if (db.RowsAffected() == 0 && RowStillThere(db))
                throw EDatabaseError(sqlite::RowNotChangedMessage);
        },
        true);
    DeleteFromStore();
}
