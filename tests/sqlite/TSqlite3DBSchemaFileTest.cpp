// The office schema applied through the connection, as the application's
// database is built and read: code page 1250, a file in a data folder.
#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/TStringList.h"
#include "tests/support/OfficeDatabase.h"

#include <gtest/gtest.h>

using sqlitetest::TempDir;

TEST(SchemaFile, AppliesInOneTransactionAndServesHungarianText) {
    TempDir dir;
    TSqlite3DB db(nullptr);
    db.SetDefaultDir(dir.Path() + "\\data\\"); // a stored Windows-style folder
    std::filesystem::create_directory(dir.File("data"));
    db.SetDatabase("dornek.s3db");
    db.SetCharacterEncoding("STANDARD");
    db.StartTransaction();
    db.SQLite3_ExecSQL(SchemaText(), nullptr);
    db.Commit();

    EXPECT_TRUE(db.TableExists("ugy"));
    EXPECT_TRUE(db.TableExists("info"));
    TStringList columns;
    db.GetFieldNames("ugy", &columns);
    EXPECT_NE(columns.IndexOf("sorszam"), -1);

    db.SQLite3_ExecSQL("insert into info(valtozo, ertek) values('proba', 'Őrző Űrhajós')", nullptr);
    sqlitetest::TestTarget t(&db);
    t.Load("select ertek from info where valtozo='proba'");
    ASSERT_EQ(t.Store.Count(), 1);
    EXPECT_EQ(t.Text(0, 0), "Őrző Űrhajós");
    db.SetConnected(false);
    EXPECT_TRUE(std::filesystem::exists(dir.File("data/dornek.s3db")));
}
