// Binding placeholders by name from a dataset's fields.
#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/data/TFields.h"
#include "sqlite/SqliteError.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

namespace {

class FieldBindTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.SetDatabase(":memory:");
        db.SetConnected(true);
        db.SQLite3_ExecSQL("create table t(k, v)", nullptr);
        TFieldDefs* defs = source.FieldDefs();
        defs->Add("a", ftInteger);
        defs->Add("s", ftString, 10);
        defs->Add("flag", ftBoolean);
        defs->Add("m", ftMemo);
        source.AppendRow({Int64(5), String("ő'b"), true, TFieldData{}});
        source.Open();
    }
    String Rows() {
        TestTarget t(&db);
        t.Load("select group_concat(k || '=' || typeof(v) || ':' || ifnull(v, ''), ' ') from t");
        return t.Text(0, 0);
    }

    TSqlite3DB db{nullptr};
    TMemDataSet source;
    using TestTarget = sqlitetest::TestTarget;
};

} // namespace

TEST_F(FieldBindTest, OnePlaceholderNameBindsInEveryStatement) {
    db.SQLite3_ExecSQL("insert into t values('a', :a); insert into t values('a2', :a * 2)", source.Fields());
    EXPECT_EQ(Rows(), "a=integer:5 a2=integer:10");
}

TEST_F(FieldBindTest, FieldsBindByTheirTypes) {
    db.SQLite3_ExecSQL("insert into t values('s', :s); insert into t values('flag', :flag);"
                       "insert into t values('m', :m)",
                       source.Fields());
    // A null memo is NULL, not an empty blob.
    EXPECT_EQ(Rows(), "s=text:ő'b flag=integer:1 m=null:");
}

TEST_F(FieldBindTest, MissingFieldStopsBeforeItsStatement) {
    EXPECT_EQ(ErrorOf<SqliteError>([&] {
                  db.SQLite3_ExecSQL("insert into t values('first', :a); insert into t values('x', :nope)",
                                     source.Fields());
              }),
              "nope not found");
    EXPECT_EQ(Rows(), "first=integer:5");
    db.SetConnected(false);
    EXPECT_EQ(db.Handle(), nullptr);
}
