#include "sqlite/TSqlite3Query.h"

#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/core/TypInfo.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/data/TParams.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3UpdateSQL.h"
#include "sqlite/UpdateTemplate.h"

TSqlite3Query::TSqlite3Query(TComponent* AOwner) : TSqlite3BaseQuery(AOwner) {
    // Routines that read a dataset's statement by property name (the export's
    // table name) find it here.
    static const bool registered = [] {
        RegisterClass<TSqlite3Query>("TSqlite3Query", "",
                                     {ObjectProp<TSqlite3Query>("SQL", &TSqlite3Query::SQL)});
        return true;
    }();
    (void)registered;
    SQLList()->OnChange = [this](TObject* Sender) { QueryChanged(Sender); };
}

TSqlite3Query::~TSqlite3Query() {
    SQLList()->OnChange = nullptr;
    try {
        Close();
    } catch (...) {
    }
}

TStrings* TSqlite3Query::SQL() const {
    return SQLList();
}

void TSqlite3Query::SetRawSQL(bool Value) {
    if (Value == FRawSQL) return;
    FRawSQL = Value;
    // The prepared text depends on it; keep it in step with the lines.
    QueryChanged(this);
}

void TSqlite3Query::SetSQL(TStrings* Value) {
    SetExecOnly(false);
    TSqlite3BaseQuery::SetSQL(Value);
}

void TSqlite3Query::SetUpdateSQL(TSqlite3UpdateSQL* Value) {
    if (Value == FUpdateSQL) return;
    if (FUpdateSQL) FUpdateSQL->RemoveFreeNotification(this);
    FUpdateSQL = Value;
    if (FUpdateSQL) FUpdateSQL->FreeNotification(this);
}

void TSqlite3Query::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == FUpdateSQL) FUpdateSQL = nullptr;
    TSqlite3BaseQuery::Notification(AComponent, Operation);
}

void TSqlite3Query::SQLiteMasterChanged(bool Empty) {
    TSqlite3BaseQuery::SQLiteMasterChanged(Empty);
}

void TSqlite3Query::QueryChanged(TObject* Sender) {
    SetExecOnly(false);
    Close();
    const String text = SQLList()->Text();
    if (FRawSQL) {
        SetPreparedSQL(text);
    } else {
        Params()->Clear();
        SetPreparedSQL(Params()->ParseSQL(text, true));
    }
}

void TSqlite3Query::PrepareWorkingSQL() {
    if (Trim(SQLList()->Text()).empty()) throw SqliteError("no query specified");
    AdjustLimits();
    String sql = Trim(PreparedSQL());
    if (Filtered() && !Filter().empty()) sql = "select * from (" + sql + ") where " + Filter();
    SetWorkingSQL(sql);
}

std::vector<String> TSqlite3Query::DataFieldNames() const {
    std::vector<String> names;
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        TField* field = Fields()->Fields(i);
        // Calculated values have no column to go to.
        if (field->FieldKind() == fkData) names.push_back(field->FieldName());
    }
    return names;
}

void TSqlite3Query::InternalPost() {
    if (ReadOnly()) throw SqliteError("Cannot post into a read-only dataset");
    CheckRequiredFields();
    TSqlite3DB& db = RequireConnection();
    if (!FUpdateSQL) throw SqliteError("Missing TSqlite3UpdateSQL component");

    // An edit always updates: a one-directional dataset keeps no rows, and
    // inserting there would duplicate the record being edited.
    const bool update = State() == dsEdit;
    const String sql = update
                           ? sqlite::BuildUpdateStatement(FUpdateSQL->UpdateSQL()->Text(), DataFieldNames())
                           : sqlite::BuildInsertStatement(FUpdateSQL->InsertSQL()->Text(), DataFieldNames());
    WriteInTransaction([&] { db.SQLite3_ExecSQL(sql, Fields()); }, true);

    if (!update && ResultStore() && ResultStore()->Count() == 0) SetCurrentRow(0);
    PostToStore();
}

void TSqlite3Query::InternalDelete() {
    if (ReadOnly()) throw SqliteError("Cannot delete from a read-only dataset");
    TSqlite3DB& db = RequireConnection();
    if (!FUpdateSQL) throw SqliteError("Missing TSqlite3UpdateSQL component");
    const String sql = sqlite::BuildDeleteStatement(FUpdateSQL->DeleteSQL()->Text());
    WriteInTransaction([&] { db.SQLite3_ExecSQL(sql, Fields()); }, true);
    DeleteFromStore();
}
