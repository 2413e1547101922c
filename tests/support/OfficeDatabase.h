#pragma once
// An office database in a fresh temporary folder: a file with the empty tables of
// resources/schema.sql, written as the office writes its own (code page 1250 text).
// Header-only, like TempFolder, so that tests and benchmarks share it without
// linking the tests' library.
#include "platform/core/Types.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/Transaction.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

// The text of resources/schema.sql.
inline String SchemaText() {
    const std::string path = std::string(VELMORA_SOURCE_DIR) + "/resources/schema.sql";
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the schema on Db's database inside one transaction. On failure the
// transaction is rolled back and the engine's error is raised again.
inline void ApplySchema(TSqlite3DB& Db) {
    sqlite::Transaction transaction(Db);
    Db.SQLite3_ExecSQL(SchemaText(), nullptr);
    transaction.Commit();
}

// The folder, removed with everything in it, holds the database as Name (a path
// inside it, whose folders are made); nothing stays connected to it.
class OfficeDatabase : public TempFolder {
public:
    explicit OfficeDatabase(const std::string& Name = "office.s3db",
                            const std::string& Prefix = "velmora-office")
        : TempFolder(Prefix), FName(Name) {
        const std::filesystem::path file = DatabaseFile();
        std::filesystem::create_directories(file.parent_path());
        TSqlite3DB maker(nullptr);
        maker.SetDefaultDir(file.parent_path().string());
        maker.SetDatabase(file.filename().string());
        maker.SetCharacterEncoding("STANDARD");
        maker.SetConnected(true);
        ApplySchema(maker);
        maker.SetConnected(false);
    }

    std::string DatabaseFile() const { return File(FName); }

private:
    std::string FName;
};
