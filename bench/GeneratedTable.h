#pragma once
// A database in a fresh temporary folder whose table t one statement fills, for the
// benchmarks that load, walk and export plain rows; each set of rows is made once per run.
#include "sqlite/TSqlite3DB.h"
#include "tests/support/TempFolder.h"

#include <string>

namespace bench {

class GeneratedTable {
public:
    // Prefix names the folder; Fill creates and fills t.
    GeneratedTable(const std::string& Prefix, const String& Fill) : FFolder(Prefix) {
        Db.SetDefaultDir(FFolder.Path());
        Db.SetDatabase("rows.db");
        Db.SetConnected(true);
        Db.SQLite3_ExecSQL(Fill, nullptr);
    }
    ~GeneratedTable() { Db.SetConnected(false); }
    GeneratedTable(const GeneratedTable&) = delete;
    GeneratedTable& operator=(const GeneratedTable&) = delete;

    // A file of the folder, for what a benchmark writes.
    std::string File(const std::string& Name) const { return FFolder.File(Name); }

private:
    // The folder goes last, after the connection has closed its file.
    ::TempFolder FFolder;

public:
    TSqlite3DB Db{nullptr};
};

} // namespace bench
