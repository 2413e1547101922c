#pragma once
// TSqlite3BaseQuery: the dataset over the SQLite engine that the query and the
// table datasets share. A loaded dataset runs its statement at open and keeps
// every row in its result store; a one-directional one steps its statement row
// by row. Values live in typed slots (sqlite::RowImage), bookmarks are the store's
// integers handed out from 0.
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSet.h"
#include "sqlite/EngineTextReader.h"
#include "sqlite/ResultTarget.h"

#include <exception>
#include <memory>
#include <optional>
#include <vector>

class TDataSource;
class TFieldDef;
class TFResult;
class TParams;
class TSqlite3BlobStream;
class TSqlite3DB;
class TStringList;
class TStrings;
struct sqlite3_stmt;

enum TBlobStreamMode { bmRead, bmWrite, bmReadWrite };

class TSqlite3BaseQuery : public TDataSet, public sqlite::ResultTarget {
public:
    explicit TSqlite3BaseQuery(TComponent* AOwner);
    ~TSqlite3BaseQuery() override;
    String ClassName() const override { return "TSqlite3BaseQuery"; }

    // ---- Properties ----------------------------------------------------------------
    // Post, delete and ExecSQL run inside their own transaction.
    bool AutoCommit() const { return FAutoCommit; }
    void SetAutoCommit(bool Value) { FAutoCommit = Value; }
    const String& TransactionType() const { return FTransactionType; }
    void SetTransactionType(const String& Value) { FTransactionType = Value; }
    // Date columns hold "yyyy-mm-dd" texts; else TableDateFormat (or the locale's).
    bool SQLiteDateFormat() const { return FSQLiteDateFormat; }
    void SetSQLiteDateFormat(bool Value) { FSQLiteDateFormat = Value; }
    const String& TableDateFormat() const { return FTableDateFormat; }
    void SetTableDateFormat(const String& Value) { FTableDateFormat = Value; }
    TSqlite3DB* Connection() const { return FConnection; }
    void SetConnection(TSqlite3DB* Value);
    // " limit " / " offset " appended at open when not 0.
    Integer MaxResults() const { return FMaxResults; }
    void SetMaxResults(Integer Value) { FMaxResults = Value; }
    Integer StartResult() const { return FStartResult; }
    void SetStartResult(Integer Value) { FStartResult = Value; }
    // Every column becomes a text field.
    bool TypeLess() const { return FTypeLess; }
    void SetTypeLess(bool Value) { FTypeLess = Value; }
    // Text columns are read whole however long the stored text is, and their fields take
    // and write back a text of any length; the declared size still gives the field its
    // Size (display width, typing limit). Set before the dataset opens.
    bool WholeTexts() const override { return FWholeTexts; }
    void SetWholeTexts(bool Value) { FWholeTexts = Value; }
    // "detail=master;..." pairs linking this dataset to MasterSource's dataset.
    const String& MasterFields() const { return FMasterFields; }
    void SetMasterFields(const String& Value) { FMasterFields = Value; }
    TDataSource* MasterSource() const { return FMasterSource; }
    // Raises EDatabaseError "<name>: circular references are not allowed" when
    // Value's dataset follows this dataset.
    void SetDataSource(TDataSource* Value);
    void SetMasterSource(TDataSource* Value) { SetDataSource(Value); }
    bool SQLCursor() const { return FSQLCursor; }
    void SetSQLCursor(bool Value) { FSQLCursor = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    TParams* Params() const { return FParams.get(); }
    // The statement actually run by the last open (empty while closed).
    const String& WorkingSQL() const { return FWorkingSQL; }
    const String& PreparedSQL() const { return FPreparedSQL; }
    // Row id used by the last update or delete of the table dataset.
    Int64 LastRowId() const { return FLastRowId; }

    // ---- Operations ------------------------------------------------------------------
    // Runs the statement without keeping rows (see TSqlite3Query).
    virtual void ExecSQL();
    // Each forwards to the connection; nothing without a connection.
    void StartTransaction();
    void StartDeferredTransaction();
    void StartImmediateTransaction();
    void StartExclusiveTransaction();
    void Commit();
    void RollBack();
    void SetParamsList(TParams* Value);
    Integer GetParamsCount() const;
    // The engine's last inserted row id; -1 without a connection.
    Int64 GetLastInsertRow() const;
    // Closes, then copies the lines into the SQL list.
    virtual void SetSQL(TStrings* Value);

    // A stream over a BLOB or memo field of the current record.
    TSqlite3BlobStream* CreateBlobStream(TField* Field, TBlobStreamMode Mode);

    // Searches the loaded rows from the first; see the .cpp for the rules. A
    // failed search leaves the dataset on its last row.
    using TDataSet::Locate;
    using TDataSet::Lookup;
    bool Locate(const String& KeyFields, const std::vector<Variant>& KeyValues,
                TLocateOptions Options) override;
    // An empty text when no row matches.
    Variant Lookup(const String& KeyFields, const std::vector<Variant>& KeyValues,
                   const String& ResultFields) override;

    // ---- Provider support (plain methods; no provider machinery calls them) ----------
    // Commits (true) or rolls back on the connection; nothing without one.
    void PSEndTransaction(bool Commit);
    // Makes the dataset one-directional, then ExecSQL.
    void PSExecute();
    // Runs ASQL ("?" placeholders bound from AParams in order) on this dataset's
    // connection and answers the rows it changed. With ResultSet, the statement's
    // rows are handed back in a new one-directional query, open, owned by the caller.
    Integer PSExecuteStatement(const String& ASQL, TParams* AParams, TSqlite3BaseQuery** ResultSet = nullptr);
    // Names of the fields flagged pfInKey, joined by ";".
    String PSGetKeyFields() const;
    // The table the SQL text reads (GetTableNameFromSQL).
    String PSGetTableName() const;
    // E as the provider reports a row it could not apply: E's message, no context,
    // error code -1 and E kept. The previous error code is Prev's for an
    // SqliteError (0 without Prev) and -1 for any other exception.
    static EUpdateError PSGetUpdateException(const std::exception_ptr& E, const EUpdateError* Prev);
    TParams* PSGetParams() const { return Params(); }
    String PSGetQuoteChar() const { return "\""; }
    bool PSInTransaction() const { return FConnection != nullptr; }
    bool PSIsSQLBased() const { return true; }
    bool PSIsSQLSupported() const { return true; }
    // Closes and reopens an open dataset.
    void PSReset();
    // Takes AParams when it has items; closes the dataset in any case.
    void PSSetParams(TParams* AParams);
    // A non-empty Text becomes the SQL text and the working statement.
    void PSSetCommandText(const String& Text);
    void PSStartTransaction() { StartTransaction(); }
    // The provider writes changes itself.
    bool PSUpdateRecord() const { return false; }

    // ---- Master/detail -------------------------------------------------------------
    TDataSource* GetDataSource() const override { return FMasterSource; }
    bool HasDetails() const override { return !FDetailList.empty(); }
    // Registers Detail with this master, once.
    void RegisterDetailDataset(TSqlite3BaseQuery* Detail);
    // "1 = 0" for an empty master; else "col='value' and ...". Raises SqliteError
    // "Syntax error: Masterfields not build of a=b;... pairs".
    String BuildFilter(bool Empty) const;
    // Closes and, unless the filter is empty, reopens on the master's values.
    virtual void SQLiteMasterChanged(bool Empty);
    void NotifySQLiteMasterChanged();
    void DataEvent(TDataEvent Event, std::intptr_t Info) override;

    bool GetFieldData(TField* Field, TFieldData& Data) override;
    void SetFieldData(TField* Field, const TFieldData& Data) override;
    Integer CompareBookmarks(const TBookmark& Bookmark1, const TBookmark& Bookmark2) const override;
    bool BookmarkValid(const TBookmark& Bookmark) const override;
    // 0 <= Value <= RecordCount + 1: moves to the nearest row to Value; other
    // values are ignored.
    void SetRecNo(Integer Value) override;

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // ---- sqlite::ResultTarget --------------------------------------------------------
    TSqlite3DB* ResultConnection() const override { return FConnection; }
    void CloseForDisconnect() override { Close(); }
    TFieldDefs& ResultFieldDefs() override;
    TParams& ResultParams() override { return *FParams; }
    bool ResultTypeLess() const override { return FTypeLess; }
    bool ResultWholeTexts() const override { return FWholeTexts; }
    bool ResultSQLCursor() const override { return FSQLCursor; }
    TFResult* ResultStore() override { return FResultStore.get(); }
    void UnpackText(Integer field, TFieldType type, const char* text, sqlite::RowImage& row) override;

protected:
    friend class TSqlite3BlobStream;

    // ---- The record-buffer contract -------------------------------------------------
    TRecordBuffer AllocRecordBuffer() override;
    void FreeRecordBuffer(TRecordBuffer& Buffer) override;
    TGetResult GetRecord(TRecordBuffer Buffer, TGetMode GetMode, bool DoCheck) override;
    void InternalInitRecord(TRecordBuffer Buffer) override;
    void GetBookmarkData(TRecordBuffer Buffer, TBookmark& Data) const override;
    void SetBookmarkData(TRecordBuffer Buffer, const TBookmark& Data) override;
    TBookmarkFlag GetBookmarkFlag(TRecordBuffer Buffer) const override;
    void SetBookmarkFlag(TRecordBuffer Buffer, TBookmarkFlag Value) override;
    bool IsCursorOpen() const override { return FResultStore != nullptr; }
    void OpenCursor(bool InfoQuery) override;
    void InternalOpen() override;
    void InternalClose() override;
    void InternalInitFieldDefs() override {}
    void InternalFirst() override;
    void InternalLast() override;
    void InternalHandleException() override;
    void InternalAddRecord(TRecordBuffer Buffer, bool Append) override;
    void InternalDelete() override;
    void InternalPost() override;
    // Reads the statement again into a new store; when that fails the rows read
    // before stay (the dataset stays open on them) and the error passes on.
    void InternalRefresh() override;
    void InternalGotoBookmark(const TBookmark& Bookmark) override;
    void InternalSetToRecord(TRecordBuffer Buffer) override;
    Integer GetRecNo() const override;
    Integer GetRecordCount() const override;
    bool GetCanModify() const override { return !FReadOnly; }
    void SetFilterText(const String& Value) override;

    // ---- For the query and the table -------------------------------------------------
    TStringList* SQLList() const { return FSQL.get(); }
    void SetWorkingSQL(const String& Value) { FWorkingSQL = Value; }
    void SetPreparedSQL(const String& Value) { FPreparedSQL = Value; }
    void SetLastRowId(Int64 Value) { FLastRowId = Value; }
    bool ExecOnly() const { return FExecOnly; }
    void SetExecOnly(bool Value) { FExecOnly = Value; }
    Integer CurrentRow() const { return FCurrentRow; }
    void SetCurrentRow(Integer Value) { FCurrentRow = Value; }
    // Builds WorkingSQL from SQL (and Filter) at the start of every open; raises
    // the dataset's "no query/table specified" message when there is nothing to run.
    virtual void PrepareWorkingSQL() {}
    // " order by " text the table appends; empty for the query.
    virtual String OrderByClause() const { return String(); }
    // MaxResults becomes -1 when only StartResult is set, so " offset " is valid SQL.
    void AdjustLimits();

    // Connects when needed; raises SqliteError "no database connection" without one.
    TSqlite3DB& RequireConnection();
    // Raises EDatabaseError "<display name> is required." for a required null field.
    void CheckRequiredFields();
    // Runs Write inside the dataset's own transaction when AutoCommit is on: a
    // failure of the write or of the commit rolls back and is raised again.
    void WriteInTransaction(const std::function<void()>& Write, bool UseTransactionType);
    // The stored-row side of a post (after the statement ran) and of a delete.
    void PostToStore();
    void DeleteFromStore();
    sqlite::RowImage& ActiveRow();
    Int64 StoredRowId() const;

private:
    bool IsLinkColumn(const String& FieldName, String& MasterField) const;
    void AppendMasterFilter();
    void CheckMaster() const;
    TSqlite3BaseQuery* MasterDataset() const;
    bool MasterFirstFieldEmpty() const;
    void RunExecOnly();
    // Prepares the working SQL of a one-directional dataset and binds its Params.
    void PrepareOneWay(TSqlite3DB& db);
    // The next row of a one-directional dataset's statement; a statement that another
    // program's schema change stopped at its start is prepared again and read.
    sqlite::RowImage* NextOneWayRow();
    sqlite::SlotKind KindOf(const TField* Field) const;
    // The same, with the column's definition it followed (null for none).
    sqlite::SlotKind KindOf(const TField* Field, const TFieldDef*& Def) const;

    bool FAutoCommit = false;
    String FTransactionType;
    bool FSQLiteDateFormat = true;
    String FTableDateFormat;
    TSqlite3DB* FConnection = nullptr;
    Integer FMaxResults = 0;
    Integer FStartResult = 0;
    bool FTypeLess = false;
    bool FWholeTexts = false;
    String FMasterFields;
    TDataSource* FMasterSource = nullptr;
    bool FSQLCursor = true;
    bool FReadOnly = false;

    std::unique_ptr<TStringList> FSQL;
    std::unique_ptr<TParams> FParams;
    String FWorkingSQL;
    String FPreparedSQL;
    std::unique_ptr<TFResult> FResultStore;
    sqlite3_stmt* FStatementHandle = nullptr;
    Integer FCurrentRow = -1;
    bool FExecOnly = false;
    // Set by an open of an exec-only dataset: the open ran the statement and the
    // dataset closes again as soon as it reports itself open.
    bool FCloseAfterOpen = false;
    std::vector<TSqlite3BaseQuery*> FDetailList;
    Int64 FLastRowId = -1;
    bool FModifiedMark = false;
    std::optional<sqlite::EngineTextReader> FTextReader;
};
