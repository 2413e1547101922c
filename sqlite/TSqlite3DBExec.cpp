// Statement execution of TSqlite3DB: statements without result, result sets
// read row by row, and whole results loaded into a dataset's store.
#include "sqlite/TSqlite3DB.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/data/DBScreen.h"
#include "platform/core/Utf8.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TParams.h"
#include "sqlite/EngineError.h"
#include "sqlite/ResultTarget.h"
#include "sqlite/SqliteBinder.h"
#include "sqlite/SqliteError.h"
#include "sqlite/SqliteFieldMap.h"
#include "sqlite/Statement.h"
#include "sqlite/TFResult.h"

namespace {

// Cuts UTF-8 text to at most capacity characters (capacity < 0: no cut).
std::string_view CutToCapacity(std::string_view text, Integer capacity) {
    if (capacity < 0 || text.size() <= static_cast<std::size_t>(capacity)) return text;
    return text.substr(0, core::Utf8Offset(text, static_cast<std::size_t>(capacity)));
}

} // namespace

Integer TSqlite3DB::RowsAffected() {
    if (!FConnected || !FHandle) return -1;
    return Api().changes(FHandle);
}

Int64 TSqlite3DB::LastInsertRowId() {
    if (!FConnected || !FHandle) return -1;
    return Api().last_insert_rowid(FHandle);
}

void TSqlite3DB::Check(int rc) {
    if (rc != SQLITE_OK) RaiseEngineError(rc);
}

void TSqlite3DB::RaiseStepError(sqlite3_stmt* Statement) {
    // The first-generation prepare reports step failures only generically; the
    // reset brings the engine's own code and message, and leaves the statement
    // ready to be finalized quietly by its owner.
    const int rc = Api().reset(Statement);
    RaiseEngineError(rc == SQLITE_OK ? SQLITE_ERROR : rc);
}

void TSqlite3DB::RetryOnSchemaChange(const std::function<void()>& Run) {
    try {
        Run();
    } catch (const sqlite::EngineError& e) {
        // The engine forgot the old schema when it stopped the statement: the next
        // prepare reads the new one.
        if (e.PrimaryCode() != SQLITE_SCHEMA) throw;
        Run();
    }
}

void TSqlite3DB::StepToEnd(sqlite3_stmt* Statement) {
    // A step reports a busy database only when the busy wait has given up, or where
    // waiting cannot help (the engine waits for none that waits for this connection):
    // trying again here would stack a second wait on the first.
    int rc = SQLITE_ROW;
    while (rc == SQLITE_ROW)
        rc = Api().step(Statement);
    if (rc != SQLITE_DONE) RaiseStepError(Statement);
}

Integer TSqlite3DB::ExecStatements(const String& SQL, const std::function<void(sqlite3_stmt*)>& Bind) {
    if (!FConnected || !FHandle) throw SqliteError("Database is not connected");
    FLastSQL = SQL;
    const std::string text = ToEngine(SQL);
    const char* rest = text.c_str();
    while (*rest) {
        const char* next = rest;
        const sqlite::BusyWait::Statement wait(FBusyWait);
        RetryOnSchemaChange([&] {
            sqlite::Statement statement(Api());
            const char* tail = nullptr;
            Check(Api().prepare(FHandle, rest, -1, statement.Receive(), &tail));
            next = tail ? tail : "";
            if (!statement.Get()) return; // blanks or a comment only
            Bind(statement.Get());
            StepToEnd(statement.Get());
            Check(statement.Finalize());
        });
        rest = next;
    }
    return SQLITE_OK;
}

Integer TSqlite3DB::SQLite3_ExecSQL(const String& SQL, TFields* Fields) {
    return ExecStatements(SQL, [&](sqlite3_stmt* statement) {
        const int count = Api().bind_parameter_count(statement);
        for (int n = 1; n <= count; ++n) {
            const char* marker = Api().bind_parameter_name(statement, n);
            const String name = marker && *marker ? FromEngine(marker + 1) : String();
            if (name.empty()) continue;
            // Running a statement with a value silently missing would write NULL
            // where the caller meant a value.
            if (!sqlite::BindNamedField(*this, statement, n, Fields, name))
                throw SqliteError(name + " not found");
        }
    });
}

Integer TSqlite3DB::SQLite3_ExecSQL_Params(const String& SQL, TParams* Params) {
    return ExecStatements(SQL, [&](sqlite3_stmt* statement) {
        if (!Params) return;
        const int count = Api().bind_parameter_count(statement);
        for (Integer k = 0; k < Params->Count() && k < count; ++k)
            sqlite::BindValue(*this, statement, k + 1, *Params->Items(k));
    });
}

sqlite3_stmt* TSqlite3DB::SQLite3_PrepareResult(const String& SQL, sqlite::ResultTarget* Dataset) {
    sqlite3_stmt* statement = PrepareStatement(SQL, Dataset);
    if (statement) FOpenResults.emplace_back(statement, Dataset);
    return statement;
}

sqlite3_stmt* TSqlite3DB::PrepareStatement(const String& SQL, sqlite::ResultTarget* Dataset) {
    if (!Dataset) return nullptr;
    if (!FConnected || !FHandle) throw SqliteError("Database is not connected");
    Dataset->RowIdColumn = -1;
    Dataset->CurrentRowId = -1;
    FLastSQL = SQL;
    const std::string text = ToEngine(SQL);
    const sqlite::BusyWait::Statement wait(FBusyWait);
    sqlite::Statement guard(Api());
    const char* tail = nullptr;
    Check(Api().prepare(FHandle, text.c_str(), -1, guard.Receive(), &tail));
    sqlite3_stmt* statement = guard.Get();

    const int columns = Api().column_count(statement);
    TFieldDefs& defs = Dataset->ResultFieldDefs();
    if (columns > 0) defs.Clear();
    Dataset->Columns.assign(static_cast<std::size_t>(columns), sqlite::ColumnPlan{});
    std::vector<sqlite::SlotKind> layout;
    for (int i = 0; i < columns; ++i) {
        sqlite::ColumnPlan& plan = Dataset->Columns[static_cast<std::size_t>(i)];
        const char* name = Api().column_name(statement, i);
        const String columnName = name ? FromEngine(name) : String();
        sqlite::DescribeColumn(columnName.c_str(), Api().column_decltype(statement, i),
                               Dataset->ResultTypeLess(), defs, plan, Dataset->RowIdColumn >= 0,
                               Dataset->ResultWholeTexts());
        if (plan.Field < 0) {
            if (Dataset->RowIdColumn < 0) Dataset->RowIdColumn = i;
            continue;
        }
        layout.push_back(plan.Kind);
    }
    Dataset->RowScratch.Resize(layout.size());
    if (TFResult* store = Dataset->ResultStore()) store->SetLayout(std::move(layout));
    return guard.Release();
}

sqlite::RowImage* TSqlite3DB::SQLite3_GetNextResult(sqlite3_stmt* Statement, sqlite::ResultTarget* Dataset) {
    if (!Dataset || !Statement) return nullptr;
    const sqlite::BusyWait::Statement wait(FBusyWait);
    return ReadRow(Statement, Dataset);
}

sqlite::RowImage* TSqlite3DB::ReadRow(sqlite3_stmt* Statement, sqlite::ResultTarget* Dataset) {
    sqlite::RowImage& row = Dataset->RowScratch;
    row.Clear();
    const int rc = Api().step(Statement);
    if (rc == SQLITE_DONE) return nullptr;
    if (rc == SQLITE_BUSY && OnBusy) {
        Api().reset(Statement);
        OnBusy(this);
        return nullptr;
    }
    // The statement stays with the dataset, which finalizes it when it closes.
    if (rc != SQLITE_ROW) RaiseStepError(Statement);

    // One locked engine call per column: its value, read at once on this thread and
    // before the next step, answers the rest without the connection's lock.
    const sqlite::EngineApi& api = Api();
    const bool typeLess = Dataset->ResultTypeLess();
    const std::size_t columns = Dataset->Columns.size();
    const sqlite::ColumnPlan* plans = Dataset->Columns.data();
    for (std::size_t i = 0; i < columns; ++i) {
        const int column = static_cast<int>(i);
        const sqlite::ColumnPlan& plan = plans[i];
        if (plan.Field < 0) {
            if (column == Dataset->RowIdColumn) Dataset->CurrentRowId = api.column_int64(Statement, column);
            continue;
        }
        const auto field = static_cast<std::size_t>(plan.Field);
        sqlite3_value* value = api.column_value(Statement, column);
        const TFieldType type = typeLess ? ftString : plan.Type;
        switch (type) {
        case ftString:
        case ftFixedChar:
        case ftWideString: {
            // A null text pointer is the null value.
            const auto* text = reinterpret_cast<const char*>(api.value_text(value));
            if (!text) break; // slots start null
            // Wide text is stored as Unicode in either encoding.
            if (FUTF8 || type == ftWideString) {
                row.SetBytes(field, CutToCapacity(text, plan.Capacity));
            } else {
                String& bytes = SetConverted(row, field, text);
                bytes.resize(CutToCapacity(bytes, plan.Capacity).size());
            }
            break;
        }
        case ftBlob:
        case ftGraphic:
        case ftMemo:
        case ftFmtMemo: {
            if (api.value_type(value) == SQLITE_NULL) break;
            const auto* bytes = static_cast<const char*>(api.value_blob(value));
            const std::string_view raw(bytes ? bytes : "", static_cast<std::size_t>(api.value_bytes(value)));
            if (FUTF8 || type == ftBlob || type == ftGraphic)
                row.SetBytes(field, raw);
            else
                SetConverted(row, field, raw);
            break;
        }
        case ftSmallint:
        case ftInteger:
        case ftWord:
        case ftAutoInc:
        case ftLargeint:
        case ftFloat:
        case ftCurrency:
        case ftBCD: {
            // Numbers the engine already holds natively need no text round trip.
            const int storage = api.value_type(value);
            if (storage == SQLITE_NULL) break;
            if (plan.Kind == sqlite::SlotKind::Integer && storage == SQLITE_INTEGER)
                row.SetInteger(field, api.value_int64(value));
            else if (plan.Kind == sqlite::SlotKind::Float &&
                     (storage == SQLITE_FLOAT || storage == SQLITE_INTEGER))
                row.SetFloat(field, api.value_double(value));
            else
                UnpackColumn(value, plan, Dataset);
            break;
        }
        default:
            UnpackColumn(value, plan, Dataset);
        }
    }
    return &row;
}

String& TSqlite3DB::SetConverted(sqlite::RowImage& Row, std::size_t Field, std::string_view Text) const {
    // Converted straight into the slot, whose room the earlier rows left.
    sqlite::Slot& slot = Row[Field];
    slot.Null = false;
    AppendFromEngine(Text, slot.Bytes);
    return slot.Bytes;
}

void TSqlite3DB::UnpackColumn(sqlite3_value* Value, const sqlite::ColumnPlan& Plan,
                              sqlite::ResultTarget* Dataset) {
    const auto* text = reinterpret_cast<const char*>(Api().value_text(Value));
    if (!text) return; // null: the slot stays null
    if (FUTF8) {
        Dataset->UnpackText(Plan.Field, Plan.Type, text, Dataset->RowScratch);
    } else {
        FConverted.clear();
        AppendFromEngine(text, FConverted);
        Dataset->UnpackText(Plan.Field, Plan.Type, FConverted.c_str(), Dataset->RowScratch);
    }
}

void TSqlite3DB::SQLite3_CloseResult(sqlite3_stmt* Statement) {
    std::erase_if(FOpenResults, [Statement](const auto& open) { return open.first == Statement; });
    if (!Statement || !FLibrary.Loaded()) return;
    // A failed step was raised when it happened; closing only releases.
    Api().reset(Statement);
    Api().finalize(Statement);
}

Integer TSqlite3DB::SQLite3_Execute(const String& SQL, sqlite::ResultTarget* Dataset) {
    if (!Dataset) return 0;
    FLastSQL = SQL;
    // The wait cursor while the rows are read; the previous cursor comes back on
    // every way out, and a wait cursor left over from elsewhere becomes the default.
    const bool showWait = DBScreen && Dataset->ResultSQLCursor();
    const TDBScreenCursor savedCursor = showWait ? DBScreen->Cursor() : dcrDefault;
    if (showWait) DBScreen->SetCursor(dcrSQLWait);
    const core::ScopeExit restoreCursor([&] {
        if (!showWait || !DBScreen) return;
        DBScreen->SetCursor(savedCursor);
        if (DBScreen->Cursor() == dcrSQLWait) DBScreen->SetCursor(dcrDefault);
    });
    const sqlite::BusyWait::Statement wait(FBusyWait);
    RetryOnSchemaChange([&] {
        sqlite::Statement guard(Api(), PrepareStatement(SQL, Dataset));
        sqlite3_stmt* statement = guard.Get();
        TParams& params = Dataset->ResultParams();
        const int count = statement ? Api().bind_parameter_count(statement) : 0;
        for (Integer k = 0; k < params.Count() && k < count; ++k)
            sqlite::BindValue(*this, statement, k + 1, *params.Items(k));
        TFResult* store = Dataset->ResultStore();
        if (!statement) return;
        // One deadline, from before the prepare, serves every row.
        while (sqlite::RowImage* row = ReadRow(statement, Dataset))
            if (store) store->Add(*row, Dataset->CurrentRowId);
    });
    return 0;
}
