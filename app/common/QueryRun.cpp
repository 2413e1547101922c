#include "app/common/QueryRun.h"

#include "app/common/StorableText.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/EngineError.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "sqlite/Transaction.h"

#include <algorithm>

namespace app {

namespace {

// Anything but a SELECT may write: its text must survive the database's code page.
bool MayWrite(const String& Sql) {
    return !SameText(Copy(TrimLeft(Sql), 1, 6), "SELECT");
}

void SetStatement(TSqlite3Query& Query, const String& Sql) {
    if (Query.Connection() && MayWrite(Sql)) CheckStorable(*Query.Connection(), Sql);
    Query.Close();
    Query.SQL()->Clear();
    Query.SQL()->Add(Sql);
}

// Whether CountSql, a SELECT count(*), counts any row; the query is closed after.
bool AnyRow(TSqlite3Query& Query, const String& CountSql) {
    const bool there = OpenForInteger(Query, CountSql) > 0;
    Query.Close();
    return there;
}

String RowCountSql(const String& Table, Integer Key) {
    return "SELECT count(*) FROM " + Table + " WHERE sorszam=" + IntToStr(Key);
}

// Whether the row that the last " WHERE " of Sql names, a statement on Table, is still there.
bool RowStillThere(TSqlite3Query& Query, const String& Table, const String& Sql) {
    const std::size_t where = Sql.rfind(" WHERE ");
    return where != String::npos && AnyRow(Query, "SELECT count(*) FROM " + Table + Sql.substr(where));
}

} // namespace

TSqlite3Query* MakeStatementQuery(TComponent* Owner, const String& Name, TSqlite3DB* Connection) {
    auto* query = new TSqlite3Query(Owner);
    query->SetName(Name);
    query->SetConnection(Connection);
    query->SetRawSQL(true);
    return query;
}

TSqlite3Query* MakeListQuery(TComponent* Owner, const String& Name, TSqlite3DB* Connection) {
    TSqlite3Query* query = MakeStatementQuery(Owner, Name, Connection);
    query->SetWholeTexts(true);
    return query;
}

TSqlite3Table* MakeSettingsTable(TComponent* Owner, const String& Name, TSqlite3DB* Connection,
                                 const String& Table) {
    auto* table = new TSqlite3Table(Owner);
    table->SetName(Name);
    table->SetConnection(Connection);
    table->SetTableName(Table);
    table->SetPrimaryAutoInc(false);
    table->SetWholeTexts(true);
    if (Connection) CheckStorableOnPost(*table, *Connection);
    return table;
}

TSqlite3DB& ConnectionOf(TSqlite3Query& Query) {
    if (!Query.Connection()) throw SqliteError("no database connection");
    return *Query.Connection();
}

void OpenStatement(TSqlite3Query& Query, const String& Sql) {
    // The same statement again is a re-read, which a busy database cannot empty.
    if (Query.Active() && Query.SQL()->Count() == 1 && Query.SQL()->Strings(0) == Sql) {
        Reopen(Query);
        return;
    }
    SetStatement(Query, Sql);
    Query.Open();
}

void OpenSingleRow(TSqlite3Query& Query, const String& Sql) {
    // Never the re-read of OpenStatement: a refresh starts the statement over and leaves
    // it on its row.
    SetStatement(Query, Sql);
    Query.Open();
    ReadPastSingleRow(Query);
}

void ReadPastSingleRow(TSqlite3Query& Query) {
    if (Query.Active() && !Query.Eof()) Query.Next();
}

void ExecStatement(TSqlite3Query& Query, const String& Sql) {
    SetStatement(Query, Sql);
    Query.ExecSQL();
}

void ExecInsert(TSqlite3Query& Query, const String& InsertSql) {
    ExecStatement(Query, InsertSql);
    if (ConnectionOf(Query).RowsAffected() != 1) throw EDatabaseError(sqlite::NoRowAddedMessage);
}

void ExecUpdate(TSqlite3Query& Query, const String& UpdateSql) {
    if (UpdateSql.empty()) return;
    ExecStatement(Query, UpdateSql);
    if (ConnectionOf(Query).RowsAffected() > 0) return;
    // "UPDATE table SET ... WHERE key": every value stands before the last WHERE.
    const std::size_t set = UpdateSql.find(" SET ");
    const bool there = set != String::npos && RowStillThere(Query, UpdateSql.substr(7, set - 7), UpdateSql);
    throw EDatabaseError(there ? RowNotChangedMessage : RowGoneMessage);
}

void ExecDelete(TSqlite3Query& Query, const String& DeleteSql) {
    // The check below reads under the delete's own write lock, and what it refuses is undone.
    sqlite::Transaction transaction(ConnectionOf(Query));
    ExecStatement(Query, DeleteSql);
    // "DELETE FROM table WHERE condition". A row of the condition still there was kept by a
    // rule, also beside rows the statement deleted: an older settings table without its unique
    // key holds "cim" and "CIM", and the value saved next would stand beside the kept one.
    const std::size_t where = DeleteSql.rfind(" WHERE ");
    if (where != String::npos && RowStillThere(Query, DeleteSql.substr(12, where - 12), DeleteSql))
        throw EDatabaseError(RowNotChangedMessage);
    transaction.Commit();
}

void RequireRow(TSqlite3Query& Query, const String& Table, Integer Key) {
    RequireGiven(Query, RowCountSql(Table, Key), RowGoneMessage);
}

void RequireRow(TSqlite3Query& Query, const String& Table, Integer Key, const String& Condition,
                const String& Message) {
    RequireRow(Query, Table, Key);
    RequireGiven(Query, RowCountSql(Table, Key) + " AND (" + Condition + ")", Message);
}

Integer InsertForKey(TSqlite3Query& Query, const String& InsertSql) {
    ExecInsert(Query, InsertSql);
    return static_cast<Integer>(ConnectionOf(Query).LastInsertRowId());
}

Integer OpenForInteger(TSqlite3Query& Query, const String& Sql) {
    OpenStatement(Query, Sql);
    if (Query.IsEmpty() || Query.FieldCount() == 0) return 0;
    // An aggregate over no rows (max, sum) gives a NULL of no declared type, which reads as
    // text: its empty text is no number.
    TField* field = Query.Fields()->Fields(0);
    return field->IsNull() ? 0 : static_cast<Integer>(field->AsInteger());
}

String OpenForText(TSqlite3Query& Query, const String& Sql) {
    OpenStatement(Query, Sql);
    if (Query.IsEmpty() || Query.FieldCount() == 0) return String();
    return Query.Fields()->Fields(0)->AsString();
}

void RequireGiven(TSqlite3Query& Query, const String& CountSql, const String& Message) {
    if (!AnyRow(Query, CountSql)) throw EDatabaseError(Message);
}

Integer CurrentKey(TSqlite3Query& Query) {
    if (!Query.Active() || Query.IsEmpty()) return 0;
    return static_cast<Integer>(Query.FieldByName("sorszam")->AsInteger());
}

void Reopen(TSqlite3BaseQuery& Query) {
    // An open list is read again in place, so a failed read leaves it showing its rows.
    if (!Query.Active()) {
        Query.Open();
        return;
    }
    Query.Refresh();
    Query.First();
}

void ReopenIfSet(TSqlite3Query& Query, Integer RecNo) {
    if (Query.SQL()->Count() == 0) {
        Query.Close();
        return;
    }
    Reopen(Query);
    GoToRecord(Query, RecNo);
}

void GoToRecord(TSqlite3BaseQuery& Query, Integer RecNo) {
    if (RecNo > 0 && !Query.IsEmpty()) Query.SetRecNo(std::min(RecNo, Query.RecordCount()));
}

} // namespace app
