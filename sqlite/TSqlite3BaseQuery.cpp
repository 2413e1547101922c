// TSqlite3BaseQuery: properties, opening and closing, transactions.
#include "sqlite/TSqlite3BaseQuery.h"

#include "platform/core/ExceptionHook.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TFields.h"
#include "platform/data/TParams.h"
#include "sqlite/SqliteBinder.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/Transaction.h"

#include <algorithm>
#include <utility>

TSqlite3BaseQuery::TSqlite3BaseQuery(TComponent* AOwner)
    : TDataSet(AOwner), FSQL(std::make_unique<TStringList>()), FParams(std::make_unique<TParams>(this)) {}

TSqlite3BaseQuery::~TSqlite3BaseQuery() {
    try {
        Close();
    } catch (...) {
        // A destructor must not throw; the statement and store go with the object.
    }
    if (FStatementHandle && FConnection) FConnection->SQLite3_CloseResult(FStatementHandle);
    FStatementHandle = nullptr;
    FSQL->OnChange = nullptr;
}

void TSqlite3BaseQuery::SetConnection(TSqlite3DB* Value) {
    if (Value == FConnection) return;
    // A statement of one connection must not be finished through another.
    Close();
    if (FConnection) FConnection->RemoveFreeNotification(this);
    FConnection = Value;
    if (FConnection) FConnection->FreeNotification(this);
}

void TSqlite3BaseQuery::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove) {
        if (AComponent == FMasterSource) FMasterSource = nullptr;
        std::erase_if(FDetailList, [AComponent](TSqlite3BaseQuery* d) { return d == AComponent; });
        if (AComponent == FConnection) {
            // The statement belongs to the connection that goes away.
            FStatementHandle = nullptr;
            Close();
            FConnection = nullptr;
        }
    }
    TDataSet::Notification(AComponent, Operation);
}

TFieldDefs& TSqlite3BaseQuery::ResultFieldDefs() {
    return *FieldDefs();
}

void TSqlite3BaseQuery::UnpackText(Integer field, TFieldType type, const char* text, sqlite::RowImage& row) {
    if (!FTextReader) FTextReader.emplace(FSQLiteDateFormat, FTableDateFormat);
    FTextReader->Read(type, text, row[static_cast<std::size_t>(field)]);
}

TSqlite3DB& TSqlite3BaseQuery::RequireConnection() {
    if (!FConnection) throw SqliteError("no database connection");
    if (!FConnection->Connected()) FConnection->DBConnect(true);
    return *FConnection;
}

void TSqlite3BaseQuery::AdjustLimits() {
    if (FMaxResults == 0 && FStartResult != 0) FMaxResults = -1;
}

void TSqlite3BaseQuery::OpenCursor(bool InfoQuery) {
    if (InfoQuery) {
        // The definitions come from preparing the statement, so it really runs.
        if (FConnection) {
            InternalOpen();
            InternalClose();
        }
        return;
    }
    if (FExecOnly) {
        RunExecOnly();
        FCloseAfterOpen = true;
        return;
    }
    TDataSet::OpenCursor(false);
}

void TSqlite3BaseQuery::DataEvent(TDataEvent Event, std::intptr_t Info) {
    if (Event == deUpdateState && FCloseAfterOpen && State() == dsBrowse) {
        // An exec-only open has run its statement; it shows a closed dataset.
        FCloseAfterOpen = false;
        Close();
        return;
    }
    if (!FDetailList.empty() && !ControlsDisabled()) {
        if (Event == deDataSetChange) {
            const bool empty = MasterFirstFieldEmpty();
            for (TSqlite3BaseQuery* detail : std::vector<TSqlite3BaseQuery*>(FDetailList)) {
                if (empty) {
                    detail->Close();
                } else {
                    detail->Open();
                    detail->SQLiteMasterChanged(false);
                }
            }
        } else if (Event == deDataSetScroll) {
            NotifySQLiteMasterChanged();
        }
    }
    TDataSet::DataEvent(Event, Info);
}

void TSqlite3BaseQuery::RunExecOnly() {
    PrepareWorkingSQL();
    TSqlite3DB& db = RequireConnection();
    AppendMasterFilter();
    String sql = FWorkingSQL;
    if (FMaxResults != 0) sql += " limit " + IntToStr(FMaxResults);
    if (FStartResult != 0) sql += " offset " + IntToStr(FStartResult);
    FTextReader.reset();
    db.SQLite3_Execute(sql, this);
    FWorkingSQL.clear();
}

void TSqlite3BaseQuery::InternalOpen() {
    FTextReader.reset();
    PrepareWorkingSQL();
    TSqlite3DB& db = RequireConnection();
    if (db.Connected() && db.LibraryLoaded()) AppendMasterFilter();

    // ORDER BY must come before LIMIT and OFFSET to be valid SQL.
    const String orderBy = OrderByClause();
    if (!orderBy.empty()) FWorkingSQL += " order by " + orderBy;
    if (FMaxResults != 0) FWorkingSQL += " limit " + IntToStr(FMaxResults);
    if (FStartResult != 0) FWorkingSQL += " offset " + IntToStr(FStartResult);

    FResultStore = std::make_unique<TFResult>();
    {
        const core::ScopeFail undoOpen([&] {
            if (FStatementHandle) db.SQLite3_CloseResult(FStatementHandle);
            FStatementHandle = nullptr;
            FResultStore.reset();
        });
        if (UniDirectional()) {
            PrepareOneWay(db);
        } else if (db.Connected()) {
            db.SQLite3_Execute(FWorkingSQL, this);
        }
    }
    FCurrentRow = -1;
}

void TSqlite3BaseQuery::PrepareOneWay(TSqlite3DB& db) {
    FStatementHandle = db.SQLite3_PrepareResult(FWorkingSQL, this);
    const int count = FStatementHandle ? db.Api().bind_parameter_count(FStatementHandle) : 0;
    for (Integer k = 0; k < FParams->Count() && k < count; ++k)
        sqlite::BindValue(db, FStatementHandle, k + 1, *FParams->Items(k));
}

sqlite::RowImage* TSqlite3BaseQuery::NextOneWayRow() {
    sqlite::RowImage* row = nullptr;
    bool again = false;
    FConnection->RetryOnSchemaChange([&] {
        if (std::exchange(again, true)) {
            FConnection->SQLite3_CloseResult(std::exchange(FStatementHandle, nullptr));
            PrepareOneWay(*FConnection);
        }
        row = FConnection->SQLite3_GetNextResult(FStatementHandle, this);
    });
    return row;
}

void TSqlite3BaseQuery::InternalClose() {
    FWorkingSQL.clear();
    if (FStatementHandle && FConnection) FConnection->SQLite3_CloseResult(FStatementHandle);
    FStatementHandle = nullptr;
    FResultStore.reset();
    FCurrentRow = -1;
}

void TSqlite3BaseQuery::InternalHandleException() {
    const std::exception_ptr current = std::current_exception();
    if (!current || !ApplicationHandleException) return;
    try {
        std::rethrow_exception(current);
    } catch (const Exception& e) {
        ApplicationHandleException(this, e);
    } catch (const std::exception& e) {
        ApplicationHandleException(this, Exception(e.what()));
    } catch (...) {
        // Nothing the handler could show.
    }
}

void TSqlite3BaseQuery::InternalRefresh() {
    const Integer recNo = GetRecNo();
    if (UniDirectional() || FWorkingSQL.empty() || !FConnection || !FConnection->Connected()) {
        Close();
        Open();
        SetRecNo(recNo);
        return;
    }
    // The rows shown stay until the new ones are all read: a refresh that fails, say
    // while another program holds the database, leaves the dataset as it was.
    std::unique_ptr<TFResult> shown = std::exchange(FResultStore, std::make_unique<TFResult>());
    {
        const core::ScopeFail keepShown([&] { FResultStore = std::move(shown); });
        FTextReader.reset();
        FConnection->SQLite3_Execute(FWorkingSQL, this);
    }
    FCurrentRow = std::min(recNo, FResultStore->Count()) - 1;
}

void TSqlite3BaseQuery::SetFilterText(const String& Value) {
    if (Active()) {
        Close();
        TDataSet::SetFilterText(Value);
        Open();
    } else {
        TDataSet::SetFilterText(Value);
    }
}

void TSqlite3BaseQuery::ExecSQL() {
    FExecOnly = true;
    TSqlite3DB& db = RequireConnection();
    Close();
    WriteInTransaction([&] { db.SQLite3_ExecSQL_Params(FPreparedSQL, FParams.get()); }, true);
}

void TSqlite3BaseQuery::WriteInTransaction(const std::function<void()>& Write, bool UseTransactionType) {
    TSqlite3DB& db = RequireConnection();
    if (!FAutoCommit) {
        Write();
        return;
    }
    // Half a write must not stay pending in a transaction nobody will end.
    sqlite::Transaction transaction(db, UseTransactionType ? FTransactionType : String("DEFAULT"));
    Write();
    transaction.Commit();
}

void TSqlite3BaseQuery::CheckRequiredFields() {
    for (Integer i = 0; i < Fields()->Count(); ++i) {
        TField* field = Fields()->Fields(i);
        if (field->Required() && field->FieldKind() == fkData && field->IsNull())
            throw EDatabaseError(field->DisplayName() + " is required.");
    }
}

void TSqlite3BaseQuery::StartTransaction() {
    if (FConnection) FConnection->ExecStartTransaction(FTransactionType);
}

void TSqlite3BaseQuery::StartDeferredTransaction() {
    if (FConnection) FConnection->StartDeferredTransaction();
}

void TSqlite3BaseQuery::StartImmediateTransaction() {
    if (FConnection) FConnection->StartImmediateTransaction();
}

void TSqlite3BaseQuery::StartExclusiveTransaction() {
    if (FConnection) FConnection->StartExclusiveTransaction();
}

void TSqlite3BaseQuery::Commit() {
    if (FConnection) FConnection->Commit();
}

void TSqlite3BaseQuery::RollBack() {
    if (FConnection) FConnection->RollBack();
}

void TSqlite3BaseQuery::SetParamsList(TParams* Value) {
    if (Value) FParams->Assign(Value);
}

Integer TSqlite3BaseQuery::GetParamsCount() const {
    return FParams->Count();
}

Int64 TSqlite3BaseQuery::GetLastInsertRow() const {
    return FConnection ? FConnection->LastInsertRowId() : -1;
}

void TSqlite3BaseQuery::SetSQL(TStrings* Value) {
    Close();
    FSQL->Assign(Value);
}
