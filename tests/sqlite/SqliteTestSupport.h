#pragma once
// Shared pieces of the data-access tests: a fresh temporary folder and a small
// result receiver standing in for a dataset.
#include "platform/data/TFieldDefs.h"
#include "platform/data/TParams.h"
#include "sqlite/ResultTarget.h"
#include "sqlite/SqliteFieldMap.h"
#include "sqlite/SqliteRout.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <memory>
#include <string>

namespace sqlitetest {

using TempDir = ::TempFolder;

inline std::string ReadBytes(const std::string& file) {
    return ReadFileBytes(file);
}

// Receives a result as a dataset would, with the simplest text conversions.
class TestTarget : public sqlite::ResultTarget {
public:
    explicit TestTarget(TSqlite3DB* db, bool typeLess = false)
        : FDb(db), FTypeLess(typeLess), FDefs(nullptr) {}

    TSqlite3DB* ResultConnection() const override { return FDb; }
    void CloseForDisconnect() override { ++Closed; }
    TFieldDefs& ResultFieldDefs() override { return FDefs; }
    TParams& ResultParams() override { return FParams; }
    bool ResultTypeLess() const override { return FTypeLess; }
    TFResult* ResultStore() override { return &Store; }
    void UnpackText(Integer field, TFieldType type, const char* text, sqlite::RowImage& row) override {
        const String s = text ? text : "";
        switch (sqlite::SlotKindOf(type)) {
        case sqlite::SlotKind::Integer:
            row.SetInteger(field, StrToIntX(s));
            break;
        case sqlite::SlotKind::Float:
            row.SetFloat(field,
                         type == ftFloat || type == ftCurrency ? StrToFloatX(s) : YYYYMMDDParser(s.c_str()));
            break;
        case sqlite::SlotKind::Bytes:
            row.SetBytes(field, s);
            break;
        }
    }

    // Runs SQL into the store.
    void Load(const String& sql) { FDb->SQLite3_Execute(sql, this); }
    String Text(Integer row, std::size_t field) const { return String(Store.GetBytes(row, field)); }

    TFResult Store;
    int Closed = 0;

private:
    TSqlite3DB* FDb;
    bool FTypeLess;
    TFieldDefs FDefs;
    TParams FParams;
};

// A connection on a file in dir (created on first connect), UTF-8 text.
inline std::unique_ptr<TSqlite3DB> FileConnection(const TempDir& dir, const String& name = "test.db",
                                                  const String& encoding = "") {
    auto db = std::make_unique<TSqlite3DB>(nullptr);
    db->SetDefaultDir(dir.Path());
    db->SetDatabase(name);
    db->SetCharacterEncoding(encoding);
    db->SetDriverDLL("sqlite3.dll");
    return db;
}

} // namespace sqlitetest
