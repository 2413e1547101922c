#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TList.h"
#include "platform/core/TStringList.h"
#include "sqlite/TSqlite3Field.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <fstream>

using sqlitetest::TempDir;

namespace {

std::vector<String> Items(const TStrings& list) {
    std::vector<String> out;
    for (Integer i = 0; i < list.Count(); ++i)
        out.push_back(list[i]);
    return out;
}

class SchemaTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.SetDatabase(":memory:");
        db.SetConnected(true);
        db.SQLite3_ExecSQL(
            "create table ugy(sorszam integer primary key, nev varchar(40) not null default 'x', ev int);"
            "create table name(a);"
            "create table \"we\"\"ird\"(k1, k2, v, primary key(k1, k2));"
            "create index ugy_nev on ugy(nev, ev);"
            "create index ugy_ev on ugy(ev);",
            nullptr);
    }
    TSqlite3DB db{nullptr};
    TStringList list;
};

} // namespace

TEST_F(SchemaTest, TableNamesIncludeATableCalledName) {
    db.GetTableNames(&list, false, false);
    EXPECT_EQ(Items(list), (std::vector<String>{"name", "ugy", "we\"ird"}));
    db.SQLite3_ExecSQL("create temp table tmp(a)", nullptr);
    db.GetTableNames(&list, false, true);
    EXPECT_EQ(Items(list), (std::vector<String>{"name", "tmp", "ugy", "we\"ird"}));
}

TEST_F(SchemaTest, IndexNames) {
    db.GetIndexNames(&list, false);
    ASSERT_GE(list.Count(), 2);
    EXPECT_NE(list.IndexOf("ugy_nev"), -1);
    EXPECT_NE(list.IndexOf("ugy_ev"), -1);
}

TEST_F(SchemaTest, FieldNamesAndPrimaryKeysOfAQuotedName) {
    db.GetFieldNames("we\"ird", &list);
    EXPECT_EQ(Items(list), (std::vector<String>{"k1", "k2", "v"}));
    db.GetPrimaryKeys("ugy", &list);
    EXPECT_EQ(Items(list), (std::vector<String>{"sorszam"}));
    // Only a pk cell of exactly "1" counts: the second key column reads "2".
    db.GetPrimaryKeys("we\"ird", &list);
    EXPECT_EQ(Items(list), (std::vector<String>{"k1"}));
}

TEST_F(SchemaTest, IndexColumnsAndTableIndexesComeInReverseOrder) {
    db.GetIndexFieldNames("ugy_nev", &list);
    EXPECT_EQ(Items(list), (std::vector<String>{"ev", "nev"}));
    TStringList pragmaOrder;
    {
        sqlitetest::TestTarget t(&db);
        t.Load("PRAGMA index_list(\"ugy\")");
        for (Integer i = 0; i < t.Store.Count(); ++i)
            pragmaOrder.Insert(0, t.Text(i, 1));
    }
    db.GetTableIndexNames("ugy", &list);
    EXPECT_EQ(Items(list), Items(pragmaOrder));
    EXPECT_EQ(list.Count(), 2);
}

TEST_F(SchemaTest, TableInfoReplacesTheListsObjects) {
    TList fields;
    fields.Add(new TSqlite3Field); // released by the call
    db.GetTableInfo("ugy", &fields);
    ASSERT_EQ(fields.Count(), 3);
    const auto* nev = static_cast<TSqlite3Field*>(fields[1]);
    EXPECT_EQ(nev->FieldNo, 1);
    EXPECT_EQ(nev->FieldName, "nev");
    EXPECT_EQ(nev->FieldType, "varchar(40)");
    EXPECT_EQ(nev->FieldNotNull, 1);
    EXPECT_EQ(nev->FieldDefault, "'x'");
    EXPECT_EQ(nev->FieldPK, 0);
    EXPECT_EQ(static_cast<TSqlite3Field*>(fields[0])->FieldPK, 1);
    for (Integer i = 0; i < fields.Count(); ++i)
        delete static_cast<TSqlite3Field*>(fields[i]);
}

TEST_F(SchemaTest, UserAndSchemaVersions) {
    EXPECT_EQ(db.GetUserVersion(""), 0);
    db.SetUserVersion(7, "");
    EXPECT_EQ(db.GetUserVersion(""), 7);
    EXPECT_EQ(db.GetUserVersion("main"), 7);
    EXPECT_GT(db.GetSchemaVersion(""), 0);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db.GetUserVersion("nodb"); }),
              "unknown database nodb\n\nPRAGMA nodb.user_version");
}

TEST_F(SchemaTest, TableExistsFindsTablesOnly) {
    EXPECT_TRUE(db.TableExists("ugy"));
    EXPECT_TRUE(db.TableExists("UGY"));
    EXPECT_TRUE(db.TableExists("we\"ird"));
    EXPECT_FALSE(db.TableExists("ugy_nev")); // an index
    EXPECT_FALSE(db.TableExists("nincs"));
}

TEST(Schema, TableExistsConnectsFirst) {
    TSqlite3DB db(nullptr);
    db.SetDatabase(":memory:");
    EXPECT_FALSE(db.TableExists("sqlite_master"));
    EXPECT_TRUE(db.Connected());
}

TEST(Schema, ShowDatabasesListsMatchingFilesEachCall) {
    TempDir dir;
    for (const char* name : {"a.sqb", "b.SQB", "c.db", "d.sqbx"})
        std::ofstream(dir.File(name)) << "x";
    TSqlite3DB db(nullptr);
    db.SetDefaultDir(dir.Path());
    db.SetDefaultExt("sqb");
    TStringList list;
    db.ShowDatabases(&list);
    EXPECT_EQ(db.DefaultExt(), ".sqb");
    EXPECT_EQ(db.DefaultDir(), dir.Path() + "/");
    EXPECT_EQ(Items(list), (std::vector<String>{"a.sqb", "b.SQB"}));
    db.ShowDatabases(&list);
    EXPECT_EQ(list.Count(), 4);
}
