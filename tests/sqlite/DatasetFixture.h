#pragma once
// The dataset tests' database: an office database in a fresh temporary folder,
// a connection that keeps text in code page 1250 as the office's does, and a few
// helpers.
#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/FormatSettings.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/data/TParams.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3UpdateSQL.h"
#include "sqlite/Transaction.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/OfficeDatabase.h"

#include <gtest/gtest.h>

#include <memory>

namespace sqlitetest {

class DatasetFixture : public ::testing::Test {
protected:
    void SetUp() override {
        FormatSettings = TFormatSettings::Hungarian();
        FDB = FileConnection(FDir, "office.s3db", "STANDARD");
        FDB->SetConnected(true);
    }
    void TearDown() override {
        FDB->SetConnected(false);
        FormatSettings = TFormatSettings::Hungarian();
    }

    TSqlite3DB& DB() { return *FDB; }
    void Exec(const String& sql) { FDB->SQLite3_ExecSQL(sql, nullptr); }

    // A query owned by the test, not yet opened.
    std::unique_ptr<TSqlite3Query> MakeQuery(const String& sql) {
        auto query = std::make_unique<TSqlite3Query>(nullptr);
        query->SetConnection(FDB.get());
        query->SQL()->SetText(sql);
        return query;
    }
    std::unique_ptr<TSqlite3Query> OpenQuery(const String& sql) {
        auto query = MakeQuery(sql);
        query->Open();
        return query;
    }
    // The first column of the first row as text; "<null>" for NULL, "<none>" for no row.
    String Scalar(const String& sql) {
        auto query = MakeQuery(sql);
        query->SetTypeLess(true);
        query->Open();
        if (query->Eof()) return "<none>";
        TField* field = query->Fields()->Fields(0);
        return field->IsNull() ? String("<null>") : field->AsString();
    }

    OfficeDatabase FDir;
    std::unique_ptr<TSqlite3DB> FDB;
};

} // namespace sqlitetest
