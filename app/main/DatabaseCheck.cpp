#include "app/main/DatabaseCheck.h"

#include "app/main/OfficeSchema.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "sqlite/EngineError.h"
#include "sqlite/TSqlite3DB.h"

#include <sqlite3.h>

#include <filesystem>

namespace app {

namespace {

// At most this many missing tables are named; the rest are "…".
constexpr std::size_t NamedMissing = 5;

String MissingTables(TSqlite3DB& db) {
    TStringList present;
    db.GetTableNames(&present, false, false);
    std::vector<String> missing;
    for (const String& table : OfficeTables()) {
        bool found = false;
        for (Integer i = 0; i < present.Count() && !found; ++i)
            found = SameText(present.Strings(i), table);
        if (!found) missing.push_back(table);
    }
    if (missing.empty()) return {};
    String names;
    for (std::size_t i = 0; i < missing.size() && i < NamedMissing; ++i)
        names += (i ? ", " : "") + missing[i];
    if (missing.size() > NamedMissing) names += ", …";
    return "hiányzik belőle: " + names;
}

String Problem(TSqlite3DB& db) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(NormalizePath(db.DatabasePath()), ec);
    if (!ec && size == 0) return "a fájl üres";
    try {
        db.SetConnected(true);
        return MissingTables(db);
    } catch (const sqlite::EngineError& e) {
        const int code = e.PrimaryCode();
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT) return "a fájl nem adatbázis, vagy sérült";
        // The office's database, held by another program for the moment: the
        // start-up goes on and the first read says so.
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) return {};
        return "a fájl nem olvasható";
    } catch (const Exception&) {
        return "a fájl nem nyitható meg";
    }
}

} // namespace

String OfficeDatabaseProblem(TSqlite3DB& Db) {
    String problem = Problem(Db);
    if (!problem.empty()) {
        try {
            Db.SetConnected(false);
        } catch (const Exception&) {
            // Nothing was written; a refused close changes nothing on disk.
        }
    }
    return problem;
}

String UnreadableDatabaseMessage(const String& File, const String& Problem) {
    return "A(z) " + File + " fájl nem olvasható adatbázis: " + Problem + ".\nA program leáll.";
}

String MissingDatabaseMessage(const String& Path) {
    // A folder by the database's name (a copy gone wrong, an unpacked backup) is
    // there to see; "not found" would send the user looking for a file.
    if (DirectoryExists(Path)) return "A(z) " + Path + " nem adatbázis fájl, hanem mappa.\nA program leáll.";
    return "Az adatbázis fájl nem található, a program leáll.";
}

} // namespace app
