#pragma once
// TSqlite3DB: the one object through which the program reaches the SQLite engine.
// It loads the engine library, opens and closes the database file, registers the
// collations "systemnocase" and "system" and the program's LIKE, runs transaction, pragma and start-up
// statements and the statements of its datasets, and raises engine errors as
// EDatabaseError with the engine's message, two line feeds and the SQL text.
//
// Text inside the program is UTF-8. With CharacterEncoding "utf8" (any case) or
// empty the database holds UTF-8; with anything else ("STANDARD") it holds code
// page 1250, and SQL text and bound text cross the boundary converted.
#include "platform/core/TComponent.h"
#include "sqlite/BusyWait.h"
#include "sqlite/EngineError.h"
#include "sqlite/SqliteApi.h"
#include "sqlite/TSqlite3Field.h"

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

class TFields;
class TParams;
class TStrings;
class TList;
class TSqlite3Pragma;
class TSqlite3Log;

namespace sqlite {
class ResultTarget;
class RowImage;
struct ColumnPlan;
} // namespace sqlite

using TSqlite3NotifyEvent = std::function<void(TObject* Sender)>;

class TSqlite3DB : public TComponent {
public:
    explicit TSqlite3DB(TComponent* AOwner);
    // Disconnects (closing the owner's datasets bound to this connection) and
    // releases the library. Never throws.
    ~TSqlite3DB() override;
    String ClassName() const override { return "TSqlite3DB"; }

    // ---- Properties --------------------------------------------------------------
    // Busy time-out in milliseconds: how long a statement waits for a database another
    // program holds locked (sqlite::BusyWait); 0: no wait. Applied at once when connected.
    Integer TimeOut() const { return FTimeOut; }
    void SetTimeOut(Integer Value);
    const String& CharacterEncoding() const { return FCharacterEncoding; }
    void SetCharacterEncoding(const String& Value) { FCharacterEncoding = Value; }
    // Kind of "begin" for ExecStartTransaction("").
    const String& TransactionType() const { return FTransactionType; }
    void SetTransactionType(const String& Value) { FTransactionType = Value; }
    // File name or ":memory:". The setter trims blanks and control characters and
    // appends the stored DefaultExt to a name without an extension.
    const String& Database() const { return FDatabase; }
    void FSetDatabase(const String& Value);
    void SetDatabase(const String& Value) { FSetDatabase(Value); }
    TSqlite3Pragma* SqlitePragma() const { return FSqlitePragma; }
    void SetSqlitePragma(TSqlite3Pragma* Value);
    TSqlite3Log* SqliteLog() const { return FSqliteLog; }
    void SetSqliteLog(TSqlite3Log* Value);
    // An empty value is first set to ".sqb".
    String FGetDefaultExt();
    String DefaultExt() { return FGetDefaultExt(); }
    void SetDefaultExt(const String& Value) { FDefaultExt = Value; }
    const String& DefaultDir() const { return FDefaultDir; }
    void SetDefaultDir(const String& Value) { FDefaultDir = Value; }
    // Engine version text, set at each connect.
    const String& Version() const { return FVersion; }
    void SetVersion(const String& Value) { FVersion = Value; }
    // An empty value is first set to "SQLite3.dll".
    String FGetDriverDLL();
    String DriverDLL() { return FGetDriverDLL(); }
    void SetDriverDLL(const String& Value) { FDriverDLL = Value; }
    bool Connected() const { return FConnected; }
    void SetConnected(bool Value) { DBConnect(Value); }
    bool MustExist() const { return FMustExist; }
    void SetMustExist(bool Value) { FMustExist = Value; }
    // The start-up script component; it must implement sqlite::InlineScript.
    TComponent* SqliteInlineSQL() const { return FSqliteInlineSQL; }
    void SetSqliteInlineSQL(TComponent* Value);
    bool ExecuteInlineSQL() const { return FExecuteInlineSQL; }
    void SetExecuteInlineSQL(bool Value) { FExecuteInlineSQL = Value; }

    TSqlite3NotifyEvent AfterConnect;
    TSqlite3NotifyEvent BeforeConnect;
    TSqlite3NotifyEvent AfterDisconnect;
    TSqlite3NotifyEvent BeforeDisconnect;
    // A row read met a busy database and its wait ran out; the read then ends.
    TSqlite3NotifyEvent OnBusy;

    // ---- Connection --------------------------------------------------------------
    // Connect: loads the library when needed, opens the database, registers the
    // collations, runs AfterConnect, the pragmas, the inline script (first connect
    // only) and sets the busy time-out. A connected connection stays as it is.
    // Raises SqliteError "Missing database property", "Could not load SQLite
    // library(<DriverDLL>)", "Cannot open database", the
    // missing entry point's message, or EDatabaseError "Database <path> does not exist".
    // Disconnect: closes the owner's datasets bound here, then every other dataset
    // still reading a statement of this connection, the database and the library.
    // When the engine refuses to close, raises EDatabaseError (engine message, two
    // line feeds, last SQL) and stays connected.
    void DBConnect(bool Connect);
    void Open();
    void Close();
    // Loads DriverDLL and binds the entry points; false when it cannot be loaded.
    // A library already loaded stays as it is (an open database depends on it).
    bool LoadLibs();
    // The path the next connect opens (DefaultDir and current-directory rules).
    String DatabasePath();

    // The tables and columns the application's statements rely on, in lower case.
    // An engine error naming one of them that the database lacks carries the advice
    // that the database is of another shape (sqlite::EngineFailureAdvice). Empty
    // after construction.
    const sqlite::SchemaNames& ExpectedSchema() const { return FExpectedSchema; }
    void SetExpectedSchema(sqlite::SchemaNames Value) { FExpectedSchema = std::move(Value); }

    // Raises sqlite::EngineError (an EDatabaseError) for the engine's last error:
    // see sqlite::RaiseEngineError for the message; the last SQL text closes it.
    [[noreturn]] void ShowError();
    // The same for the engine result code ResultCode (not SQLITE_OK).
    [[noreturn]] void RaiseEngineError(int ResultCode);

    // ---- Transactions and maintenance (each connects first when needed) ---------
    // Kind "", "DEFAULT", "DEFERRED", "IMMEDIATE" or "EXCLUSIVE" (any case); "" takes
    // TransactionType, anything unknown a plain "begin transaction".
    void ExecStartTransaction(const String& Kind);
    void StartTransaction();
    void StartDeferredTransaction();
    void StartImmediateTransaction();
    void StartExclusiveTransaction();
    void Commit();
    void RollBack();
    // True while the engine holds a transaction open on this connection. The engine
    // ends one by itself on a full disk, an I/O error, an interrupt or a conflict rule
    // of "rollback": then false, though no Commit or RollBack ran. False when not
    // connected.
    bool InTransaction() const;
    void Vacuum();
    void ExecPragma();

    void Notification(TComponent* AComponent, TOperation Operation) override;

    // ---- Statements ----------------------------------------------------------------
    // Rows changed by the last statement; -1 when not connected.
    Integer RowsAffected();
    // Runs every statement of SQL in turn. Placeholders are bound by name from
    // Fields (may be null for texts without placeholders). Raises EDatabaseError on
    // an engine error, and "<name> not found" when a placeholder has no field:
    // that statement does not run, but the earlier statements of a
    // multi-statement text have run. Returns 0.
    Integer SQLite3_ExecSQL(const String& SQL, TFields* Fields);
    // The same, binding Params by position to every statement of SQL.
    Integer SQLite3_ExecSQL_Params(const String& SQL, TParams* Params);
    // Prepares SQL, binds the dataset's Params by position and appends every row
    // to its result store. Returns 0.
    Integer SQLite3_Execute(const String& SQL, sqlite::ResultTarget* Dataset);
    // Prepares a statement that returns rows and describes its columns to the
    // dataset (its FieldDefs and column plan). The caller closes the statement
    // with SQLite3_CloseResult; until then a disconnect closes the dataset.
    sqlite3_stmt* SQLite3_PrepareResult(const String& SQL, sqlite::ResultTarget* Dataset);
    // Reads the next row into the dataset's RowScratch; null at the end, or after
    // OnBusy when the database stayed busy. Raises EDatabaseError on an engine error.
    sqlite::RowImage* SQLite3_GetNextResult(sqlite3_stmt* Statement, sqlite::ResultTarget* Dataset);
    // Finalizes the statement (nothing for null). Never raises: a failed step was
    // raised when it happened, and closing a dataset afterwards must succeed.
    void SQLite3_CloseResult(sqlite3_stmt* Statement);
    // The engine's last inserted row id; -1 when not connected.
    Int64 LastInsertRowId();
    // Runs Run, which prepares, binds and steps one statement from its start, once more
    // when a step raises the engine's "database schema has changed" (another program
    // changed the schema after this connection last read it): the first-generation
    // prepare does not prepare again by itself, and the engine stops such a statement
    // before it reads or writes a row. Run prepares anew on its second run.
    void RetryOnSchemaChange(const std::function<void()>& Run);

    // ---- Catalogue queries (TSqlite3DBSchema.cpp) ------------------------------------
    bool TableExists(const String& TableName);
    void GetTableNames(TStrings* List, bool Flag, bool WithTemporary);
    void GetIndexNames(TStrings* List, bool Flag);
    void GetFieldNames(const String& TableName, TStrings* List);
    void GetPrimaryKeys(const String& TableName, TStrings* List);
    void GetIndexFieldNames(const String& IndexName, TStrings* List);
    void GetTableIndexNames(const String& TableName, TStrings* List);
    // Releases the objects already in List, then fills it with TSqlite3Field objects.
    void GetTableInfo(const String& TableName, TList* List);
    Integer GetUserVersion(const String& DatabaseName);
    void SetUserVersion(Integer Value, const String& DatabaseName);
    Integer GetSchemaVersion(const String& DatabaseName);
    void SetSchemaVersion(Integer Value, const String& DatabaseName);
    void ShowDatabases(TStrings* List);

    // ---- For the datasets --------------------------------------------------------
    // True when text travels in UTF-8 (recomputed at every DBConnect call).
    bool UTF8() const { return FUTF8; }
    bool LibraryLoaded() const { return FLibrary.Loaded(); }
    sqlite3* Handle() const { return FHandle; }
    const sqlite::EngineApi& Api() const { return FLibrary.Api(); }
    const String& LastSQL() const { return FLastSQL; }
    // Program text to the database's encoding and back.
    std::string ToEngine(std::string_view Text) const;
    String FromEngine(std::string_view Text) const;
    // Text from the engine appended to Out in the program's encoding.
    void AppendFromEngine(std::string_view Text, String& Out) const;

private:
    void Connect();
    void Disconnect();
    // Closes the datasets that still read a statement of this connection; a
    // statement a dataset keeps after that is finalized here.
    void CloseOpenResults();
    // SQLite3_PrepareResult without keeping the statement among the open results.
    sqlite3_stmt* PrepareStatement(const String& SQL, sqlite::ResultTarget* Dataset);
    void RegisterCollations();
    // Registers the program's LIKE (sqlite::LikeMatch) for the connection's encoding.
    void RegisterLike();
    void RunTransactionStatement(const char* SQL);
    // Prepares, binds (through Bind), steps and finalizes every statement of SQL.
    Integer ExecStatements(const String& SQL, const std::function<void(sqlite3_stmt*)>& Bind);
    // Steps a statement without result to its end.
    void StepToEnd(sqlite3_stmt* Statement);
    // SQLite3_GetNextResult within the caller's busy deadline.
    sqlite::RowImage* ReadRow(sqlite3_stmt* Statement, sqlite::ResultTarget* Dataset);
    // Sets the slot of Row's field to Text from the engine; answers the slot's bytes.
    String& SetConverted(sqlite::RowImage& Row, std::size_t Field, std::string_view Text) const;
    // Hands a column's text to the dataset's conversion (nothing for NULL).
    void UnpackColumn(sqlite3_value* Value, const sqlite::ColumnPlan& Plan, sqlite::ResultTarget* Dataset);
    // Raises the engine's error for rc (nothing for SQLITE_OK).
    void Check(int rc);
    // Raises the error of a failed step; the statement stays with its owner.
    [[noreturn]] void RaiseStepError(sqlite3_stmt* Statement);
    // Ensures a connection for the operations that connect on demand.
    bool EnsureConnected();
    String TableQueryCell(const String& SQL);
    void TableQueryColumn(const String& SQL, int Column, TStrings* List, bool AtTop);

    Integer FTimeOut = 0;
    String FCharacterEncoding;
    String FTransactionType;
    String FDatabase;
    TSqlite3Pragma* FSqlitePragma = nullptr;
    TSqlite3Log* FSqliteLog = nullptr;
    String FDefaultExt;
    String FDefaultDir;
    String FVersion;
    String FDriverDLL;
    bool FConnected = false;
    bool FMustExist = false;
    TComponent* FSqliteInlineSQL = nullptr;
    bool FExecuteInlineSQL = false;

    bool FUTF8 = true;
    String FLastSQL;
    // A column's text in the program's encoding for the dataset's conversion; kept so
    // that its room serves every row.
    String FConverted;
    sqlite::SchemaNames FExpectedSchema;
    sqlite3* FHandle = nullptr;
    sqlite::EngineLibrary FLibrary;
    sqlite::BusyWait FBusyWait;
    // Statements handed out by SQLite3_PrepareResult and not yet closed: the engine
    // cannot close while any of them lives.
    std::vector<std::pair<sqlite3_stmt*, sqlite::ResultTarget*>> FOpenResults;
};
