#include "app/common/RowReferences.h"

#include "app/common/QueryRun.h"
#include "platform/core/NumberFormat.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

#include <vector>

namespace app {

namespace {

// A column that holds the key of a row of another table.
struct Link {
    const char* Table;     // the table referred to
    const char* Referring; // the table of the referring rows
    const char* Column;    // their column holding the key
    const char* Kind;      // what a referring row is, for the message
};

constexpr Link Links[] = {
    {"letetiszamla", "letet", "letetiszamla", "letét"},
    {"project", "letet", "project", "letét"},
    {"ugyfel_termeszetes_szemely", "jub", "ugyfel", "JÜB lekérdezés"},
};

} // namespace

void CheckDeletable(TSqlite3Query& Query, const String& Table, Integer Key) {
    std::vector<const Link*> links;
    String sql;
    for (const Link& link : Links)
        if (Table == link.Table) {
            sql += String(links.empty() ? "SELECT " : ", ") + "(SELECT COUNT(*) FROM " + link.Referring +
                   " WHERE " + link.Column + "=" + IntToStr(Key) + ")";
            links.push_back(&link);
        }
    if (links.empty()) return;
    OpenStatement(Query, sql);
    Int64 total = 0;
    String kinds;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const Int64 count = Query.Fields()->Fields(static_cast<Integer>(i))->AsLargeInt();
        if (count == 0) continue;
        total += count;
        kinds += (kinds.empty() ? "" : ", ") + IntToStr(count) + " " + links[i]->Kind;
    }
    Query.Close();
    if (total > 0)
        DatabaseError("A bejegyzés nem törölhető, mert " + IntToStr(total) +
                      " másik bejegyzés hivatkozik rá (" + kinds + ").");
}

void DeleteUnlessReferred(TSqlite3Query& Query, const String& Table, Integer Key, const String& DeleteSql) {
    sqlite::Transaction transaction(ConnectionOf(Query), "IMMEDIATE");
    CheckDeletable(Query, Table, Key);
    ExecDelete(Query, DeleteSql);
    transaction.Commit();
}

} // namespace app
