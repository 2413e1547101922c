#pragma once
// How the forms run their own statements on a query dataset: Close, clear the SQL
// lines, add the statement as one line, then Open it (also for INSERT, UPDATE and
// DELETE) or ExecSQL it. The engine's errors pass through as EDatabaseError. A statement
// other than a SELECT is refused before it runs when its text holds characters the database
// cannot store (see StorableText.h).
#include "platform/core/Types.h"
#include "sqlite/EngineError.h"

class TComponent;
class TSqlite3BaseQuery;
class TSqlite3DB;
class TSqlite3Query;
class TSqlite3Table;

namespace app {

// A query named Name owned by Owner, on Connection (may be null), running its text as
// written (no parameters), as every form's statement datasets are set up.
TSqlite3Query* MakeStatementQuery(TComponent* Owner, const String& Name, TSqlite3DB* Connection);
// The same for a dataset that is only shown, printed or exported: its texts are read whole,
// past their columns' declared sizes (the database keeps longer texts that other tools
// stored), so a report prints them whole and an export writes what its format holds. No
// dialog saves through its fields.
TSqlite3Query* MakeListQuery(TComponent* Owner, const String& Name, TSqlite3DB* Connection);
// A table dataset named Name owned by Owner over Table on Connection, whose rows a settings
// grid edits in place: texts are read whole, so a cell stored past its column's declared
// size shows whole and an edit writes back exactly what the user left (the grid stops
// typing at the declared size); every posted row is checked against the database's code
// page; the key is the table's own.
TSqlite3Table* MakeSettingsTable(TComponent* Owner, const String& Name, TSqlite3DB* Connection,
                                 const String& Table);

// The connection of Query, which the writes of one save share so that they commit or
// roll back together; raises "no database connection" when it has none.
TSqlite3DB& ConnectionOf(TSqlite3Query& Query);
// Close, clear, add Sql, Open; an open query already on Sql is read again as Reopen does.
void OpenStatement(TSqlite3Query& Query, const String& Sql);
// Close, clear, add Sql, Open on a one-directional Query whose statement yields at most
// one row (a record's header by its key), then reads on past that row. The statement ends
// there, so the open query holds no read lock on the database and other programs may
// write while the record stands shown; the row stays the one the controls show.
void OpenSingleRow(TSqlite3Query& Query, const String& Sql);
// Steps an open one-directional Query past its current row when it is not at its end:
// after a walk cut short (a print cancelled), its statement ends and lets the database go.
void ReadPastSingleRow(TSqlite3Query& Query);
// Close, clear, add Sql, ExecSQL.
void ExecStatement(TSqlite3Query& Query, const String& Sql);
// The rule of every save's own rows, checked by the rows each statement changed itself (its
// triggers' writes do not count): an INSERT adds its row, an UPDATE changes the row it names,
// or the save raises EDatabaseError with one of the messages below. A save of several
// statements runs them in one sqlite::Transaction, so then nothing of it stays stored and the
// dialog keeps what the user typed.
//
// RowGoneMessage: the row a save changes, or the case or deposit it adds a row to, is no
// longer in the database (another workstation deleted it while the dialog stood open).
// RowNotChangedMessage: the row is there, but a rule of the database skipped its change.
// The settings grids' table datasets give the same two.
// RowInactiveMessage: the row a save writes the key of is there, but no longer active.
using sqlite::RowGoneMessage;
using sqlite::RowInactiveMessage;
using sqlite::RowNotChangedMessage;

// Runs InsertSql as ExecStatement does; raises sqlite::NoRowAddedMessage unless it added
// exactly one row (a trigger of the database skipped it).
void ExecInsert(TSqlite3Query& Query, const String& InsertSql);
// Runs UpdateSql, "UPDATE table SET … WHERE sorszam=key", as ExecStatement does; an empty
// text (nothing changed) runs nothing. When it changed no row, raises RowGoneMessage when
// that row is gone, else RowNotChangedMessage.
void ExecUpdate(TSqlite3Query& Query, const String& UpdateSql);
// Runs DeleteSql, "DELETE FROM table WHERE condition" (sorszam=key, or an `info` key), as
// ExecStatement does. When a row of the condition is still there after it (a rule of the
// database skipped its delete, also beside other rows of the condition that it deleted), raises
// RowNotChangedMessage with nothing deleted; no such row (another workstation deleted it, or
// there never was one) is no error. Outside a save's transaction it runs in one of its own.
void ExecDelete(TSqlite3Query& Query, const String& DeleteSql);
// Raises RowGoneMessage when Table holds no row of key Key: a save that adds rows to a case
// or a deposit checks first that it is still there.
void RequireRow(TSqlite3Query& Query, const String& Table, Integer Key);
// As above, and raises Message when the row is there but does not meet Condition, an SQL
// condition on its columns ("statusz=1"): what the dialog required of it when it offered it.
// A save that writes the key of another row checks it so, inside its transaction.
void RequireRow(TSqlite3Query& Query, const String& Table, Integer Key, const String& Condition,
                const String& Message);
// Runs InsertSql as ExecInsert does and answers the key of the row it added: the last
// row id that this connection itself inserted, read straight after the statement, so a row
// that another program adds to the table meanwhile is never taken for it (the largest key
// of the table may be that program's). InsertSql adds one row to a table whose key is its
// row id (sorszam INTEGER PRIMARY KEY). A row not added would leave the last row id naming
// an older row. A save calls it inside its transaction or as its first write, so then
// nothing of it is stored.
Integer InsertForKey(TSqlite3Query& Query, const String& InsertSql);
// Opens Sql and answers the first column of its first row as an integer (0 for NULL
// or no row); the query stays open.
Integer OpenForInteger(TSqlite3Query& Query, const String& Sql);
// Opens Sql and answers the first column of its first row as text ("" for NULL or no row);
// the query stays open.
String OpenForText(TSqlite3Query& Query, const String& Sql);
// Reads back what the database's own rules (its triggers) were to give a save's rows: raises
// EDatabaseError with Message when CountSql, a SELECT count(*) of the rows that hold it,
// counts none. The query is closed after. A save calls it inside its transaction, so then
// nothing of it stays stored.
void RequireGiven(TSqlite3Query& Query, const String& CountSql, const String& Message);
// The current row's sorszam; 0 when the dataset is closed or empty.
Integer CurrentKey(TSqlite3Query& Query);
// Reads the current statement again (opens it when closed); the cursor goes to the first
// row. An open query or table that fails to read keeps the rows it had and stays open:
// every list refreshes through here, so a busy database never empties one.
void Reopen(TSqlite3BaseQuery& Query);
// As Reopen, for a list that may never have been built: a query without a statement
// is closed. With RecNo above 0 the cursor goes back to that record (or the last).
void ReopenIfSet(TSqlite3Query& Query, Integer RecNo = 0);
// With RecNo above 0, moves the cursor of an open Query to that record, or to the last one
// when it holds fewer; an empty one stays as it is.
void GoToRecord(TSqlite3BaseQuery& Query, Integer RecNo);

} // namespace app
