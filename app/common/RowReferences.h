#pragma once
// Rows that other rows point at by key. The lists join a deposit to its account and project
// and an identification query to its person, so deleting a row still pointed at would hide the
// rows that point at it while the totals go on counting them: such a row is kept. (A case keeps
// a copy of its client, so the copy does not hold the register row.)
#include "platform/core/Types.h"

class TSqlite3Query;

namespace app {

// Raises EDatabaseError "A bejegyzés nem törölhető, mert 3 másik bejegyzés hivatkozik rá
// (3 letét)." while rows refer to row Key of Table, counted by Query against the schema's
// links; the kinds in brackets are those with rows. Tables that nothing refers to pass.
void CheckDeletable(TSqlite3Query& Query, const String& Table, Integer Key);

// Runs DeleteSql, the delete of row Key of Table, on Query after CheckDeletable, both in one
// transaction that holds the write lock from before the count: another program cannot add a
// referring row in between. Raises as CheckDeletable and ExecDelete do, deleting nothing.
void DeleteUnlessReferred(TSqlite3Query& Query, const String& Table, Integer Key, const String& DeleteSql);

} // namespace app
