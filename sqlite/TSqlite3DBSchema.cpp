// Catalogue queries of TSqlite3DB: table, index and column names, keys,
// table descriptions, version numbers and the database files of DefaultDir.
#include "sqlite/TSqlite3DB.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TList.h"
#include "platform/core/TStrings.h"
#include "sqlite/EngineError.h"
#include "sqlite/SqliteRout.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

// A whole result of the engine's table call, released on every path.
class ResultTable {
public:
    ResultTable(TSqlite3DB& db, const String& sql) : FDb(db) {
        char* error = nullptr;
        const std::string text = db.ToEngine(sql);
        const int rc = db.Api().get_table(db.Handle(), text.c_str(), &FCells, &FRows, &FColumns, &error);
        if (rc != SQLITE_OK) {
            const String message = db.FromEngine(error ? error : db.Api().errmsg(db.Handle()));
            if (error) db.Api().free(error);
            Free();
            sqlite::RaiseEngineError(rc, message, sql, db.ExpectedSchema());
        }
    }
    ~ResultTable() { Free(); }
    ResultTable(const ResultTable&) = delete;
    ResultTable& operator=(const ResultTable&) = delete;

    int Rows() const { return FRows; }
    // Cell of a data row (0-based, below the header row); "" for NULL.
    String Cell(int row, int column) const {
        if (column >= FColumns) return {};
        const char* cell = FCells[(row + 1) * FColumns + column];
        return cell ? FDb.FromEngine(cell) : String();
    }

private:
    void Free() {
        if (FCells) FDb.Api().free_table(FCells);
        FCells = nullptr;
    }

    TSqlite3DB& FDb;
    char** FCells = nullptr;
    int FRows = 0;
    int FColumns = 0;
};

// A name inside double quotes, inner quotes doubled.
String QuotedName(const String& name) {
    return AnsiQuotedStr(name, '"');
}

String VersionPrefix(const String& databaseName) {
    return databaseName.empty() ? String() : databaseName + ".";
}

struct TableSearch {
    const TSqlite3DB* Db;
    const String* Name;
};

int MatchTableName(void* search, int columns, char** values, char**) {
    const auto* s = static_cast<const TableSearch*>(search);
    if (columns < 1 || !values[0]) return 0;
    return AnsiSameText(s->Db->FromEngine(values[0]), *s->Name) ? 1 : 0;
}

} // namespace

bool TSqlite3DB::TableExists(const String& TableName) {
    if (!EnsureConnected()) return false;
    FLastSQL = "SELECT name FROM sqlite_master WHERE type='table'";
    TableSearch search{this, &TableName};
    char* error = nullptr;
    const int rc = Api().exec(FHandle, FLastSQL.c_str(), &MatchTableName, &search, &error);
    String message = error ? FromEngine(error) : String();
    if (error) Api().free(error);
    // The callback's own stop is the answer "found", not an error.
    if (rc == SQLITE_ABORT) return true;
    if (rc != SQLITE_OK) sqlite::RaiseEngineError(rc, message, FLastSQL, FExpectedSchema);
    return false;
}

void TSqlite3DB::TableQueryColumn(const String& SQL, int Column, TStrings* List, bool AtTop) {
    List->Clear();
    if (!EnsureConnected()) return;
    const ResultTable table(*this, SQL);
    for (int r = 0; r < table.Rows(); ++r) {
        if (AtTop)
            List->Insert(0, table.Cell(r, Column));
        else
            List->Add(table.Cell(r, Column));
    }
}

void TSqlite3DB::GetTableNames(TStrings* List, bool, bool WithTemporary) {
    TableQueryColumn(WithTemporary ? "SELECT name FROM sqlite_master WHERE type='table' UNION "
                                     "SELECT name FROM sqlite_temp_master WHERE type='table' ORDER BY name"
                                   : "SELECT name FROM sqlite_master WHERE type='table' ORDER BY name",
                     0, List, false);
}

void TSqlite3DB::GetIndexNames(TStrings* List, bool) {
    TableQueryColumn("SELECT name FROM sqlite_master WHERE type='index' ORDER BY name", 0, List, false);
}

void TSqlite3DB::GetFieldNames(const String& TableName, TStrings* List) {
    TableQueryColumn("PRAGMA table_info(" + QuotedName(TableName) + ");", 1, List, false);
}

void TSqlite3DB::GetPrimaryKeys(const String& TableName, TStrings* List) {
    List->Clear();
    if (!EnsureConnected()) return;
    const ResultTable table(*this, "PRAGMA table_info(" + QuotedName(TableName) + ");");
    for (int r = 0; r < table.Rows(); ++r)
        if (table.Cell(r, 5) == "1") List->Add(table.Cell(r, 1));
}

void TSqlite3DB::GetIndexFieldNames(const String& IndexName, TStrings* List) {
    TableQueryColumn("PRAGMA  index_info(" + QuotedName(IndexName) + ");", 2, List, true);
}

void TSqlite3DB::GetTableIndexNames(const String& TableName, TStrings* List) {
    TableQueryColumn("PRAGMA  index_list(" + QuotedName(TableName) + ");", 1, List, true);
}

void TSqlite3DB::GetTableInfo(const String& TableName, TList* List) {
    if (!EnsureConnected()) return;
    const ResultTable table(*this, "PRAGMA table_info(" + QuotedName(TableName) + ");");
    for (Integer i = 0; i < List->Count(); ++i)
        delete static_cast<TSqlite3Field*>(List->Get(i));
    List->Clear();
    for (int r = 0; r < table.Rows(); ++r) {
        auto* field = new TSqlite3Field;
        field->FieldNo = StrToIntX(table.Cell(r, 0));
        field->FieldName = table.Cell(r, 1);
        field->FieldType = table.Cell(r, 2);
        field->FieldNotNull = StrToIntX(table.Cell(r, 3));
        field->FieldDefault = table.Cell(r, 4);
        field->FieldPK = StrToIntX(table.Cell(r, 5));
        List->Add(field);
    }
}

String TSqlite3DB::TableQueryCell(const String& SQL) {
    const ResultTable table(*this, SQL);
    return table.Rows() > 0 ? table.Cell(0, 0) : String();
}

Integer TSqlite3DB::GetUserVersion(const String& DatabaseName) {
    if (!EnsureConnected()) return -1;
    return StrToIntX(TableQueryCell("PRAGMA " + VersionPrefix(DatabaseName) + "user_version"));
}

Integer TSqlite3DB::GetSchemaVersion(const String& DatabaseName) {
    if (!EnsureConnected()) return -1;
    return StrToIntX(TableQueryCell("PRAGMA " + VersionPrefix(DatabaseName) + "schema_version"));
}

void TSqlite3DB::SetUserVersion(Integer Value, const String& DatabaseName) {
    SQLite3_ExecSQL("PRAGMA " + VersionPrefix(DatabaseName) + "user_version=" + IntToStr(Value), nullptr);
}

void TSqlite3DB::SetSchemaVersion(Integer Value, const String& DatabaseName) {
    SQLite3_ExecSQL("PRAGMA " + VersionPrefix(DatabaseName) + "schema_version=" + IntToStr(Value), nullptr);
}

void TSqlite3DB::ShowDatabases(TStrings* List) {
    String ext = FGetDefaultExt();
    if (ext.front() != '.') FDefaultExt = ext = "." + ext;
    if (!FDefaultDir.empty() && FDefaultDir.back() != '\\' && FDefaultDir.back() != '/')
        FDefaultDir += FDefaultDir.find('\\') != String::npos ? "\\" : "/";

    const String folder = FDefaultDir.empty() ? String(".") : NormalizePath(FDefaultDir);
    std::vector<String> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const String name = it->path().filename().string();
        // The extension matches in any letter case: office files copied from
        // other machines may carry ".S3DB".
        if (name.size() >= ext.size() && SameText(name.substr(name.size() - ext.size()), ext))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const String& name : names)
        List->Add(name);
}
