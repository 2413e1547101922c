// Engine failures: one message shape, the engine's result code kept, and a
// Hungarian first line for the failures an office worker meets.
#include "tests/sqlite/SqliteTestSupport.h"

#include "sqlite/EngineError.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

using sqlitetest::FileConnection;
using sqlitetest::TempDir;

namespace {

const String Busy = "Az adatbázist egy másik program használja, próbálja újra később.\n";
const String ReadOnly = "Az adatbázis fájl vagy a mappája csak olvasható, a változás nem menthető. "
                        "Kérjen írási jogot a fájlhoz és a mappájához, majd próbálja újra.\n";
const String Full = "Megtelt a lemez, a változás nem menthető. "
                    "Szabadítson fel helyet a lemezen, majd próbálja újra.\n";
const String Damaged = "Az adatbázis fájl sérült. Állítsa vissza a legutóbbi mentésből, "
                       "vagy kérje a rendszergazda segítségét.\n";
const String OtherShape = "Az adatbázis szerkezete nem ennek a programnak felel meg: hiányzik belőle "
                          "egy tábla vagy oszlop. Kérje a rendszergazda segítségét.\n";

// The result code of the engine error body raises (0 when it raises none).
template <class F> int CodeOf(F&& body) {
    try {
        body();
    } catch (const sqlite::EngineError& e) {
        return e.ResultCode();
    }
    return 0;
}

struct EngineErrors : ::testing::Test {
    TempDir Dir;
    std::unique_ptr<TSqlite3DB> Db = FileConnection(Dir);
    void SetUp() override {
        Db->SetConnected(true);
        Db->SQLite3_ExecSQL("create table t(a integer primary key, b text)", nullptr);
    }
};

} // namespace

TEST(EngineFailureAdvice, OnlyTheFailuresMetInDailyWorkHaveALine) {
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_BUSY) + "\n", Busy);
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_LOCKED) + "\n", Busy);
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_READONLY) + "\n", ReadOnly);
    // A folder without write permission keeps the journal from being made.
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_CANTOPEN) + "\n", ReadOnly);
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_FULL) + "\n", Full);
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_CORRUPT) + "\n", Damaged);
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_NOTADB) + "\n", Damaged);
    // Extended codes count by their primary code.
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_BUSY_SNAPSHOT) + "\n", Busy);
    // Faults of the program or its data, not of the office's machine.
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_CONSTRAINT), "");
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_ERROR), "");
    EXPECT_EQ(sqlite::EngineFailureAdvice(SQLITE_MISMATCH), "");
}

TEST(RaiseEngineError, CutsTheEngineTextAndKeepsTheCode) {
    const String longText(300, 'x');
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { sqlite::RaiseEngineError(SQLITE_ERROR, longText, "select 1"); }),
              String(255, 'x') + "\n\nselect 1");
    EXPECT_EQ(CodeOf([&] { sqlite::RaiseEngineError(SQLITE_ERROR, longText, "select 1"); }), SQLITE_ERROR);
}

TEST_F(EngineErrors, ConstraintFailureKeepsItsCodeAndHasNoAdvice) {
    Db->SQLite3_ExecSQL("insert into t values(1, 'x')", nullptr);
    const String sql = "insert into t values(1, 'y')";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { Db->SQLite3_ExecSQL(sql, nullptr); }),
              "UNIQUE constraint failed: t.a\n\n" + sql);
    EXPECT_EQ(CodeOf([&] { Db->SQLite3_ExecSQL(sql, nullptr); }) & 0xff, SQLITE_CONSTRAINT);
}

TEST_F(EngineErrors, SyntaxErrorOfAPrepareKeepsItsCode) {
    EXPECT_EQ(CodeOf([&] { Db->SQLite3_ExecSQL("selec 1", nullptr); }), SQLITE_ERROR);
}

TEST_F(EngineErrors, ATableOrColumnTheApplicationExpectsSaysTheDatabaseIsOfAnotherShape) {
    Db->SetExpectedSchema({"t", "leiras", "aktiv", "ugy"});
    Db->SQLite3_ExecSQL("create table naplo(x); "
                        "create trigger tr after insert on t begin insert into naplo values(new.leiras); end",
                        nullptr);
    const struct {
        String Sql;
        String Expected;
    } rows[] = {
        {"select leiras from t", OtherShape + "no such column: leiras"},
        {"update t set b='x' where t.aktiv=1", OtherShape + "no such column: t.aktiv"},
        {"select * from main.ugy", OtherShape + "no such table: main.ugy"},
        // A save names its columns; a schema change checks the database's triggers.
        {"insert into t(b, leiras) values('x', 'y')", OtherShape + "table t has no column named leiras"},
        {"alter table t rename column leiras to c", OtherShape + "no such column: \"leiras\""},
        {"alter table naplo rename to n", OtherShape + "error in trigger tr: no such column: new.leiras"},
        {"insert into t(b) values('x')", OtherShape + "no such column: new.leiras"},
        {"insert into t(b, lerias) values('x', 'y')", "table t has no column named lerias"},
        // Names the application does not rely on: a typing slip of a developer.
        {"select lerias from t", "no such column: lerias"},
        {"select * from ugyek", "no such table: ugyek"},
        // Errors of the statement itself.
        {"selec 1", "near \"selec\": syntax error"},
        {"select aktiv(a) from t", "no such function: aktiv"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ErrorOf<EDatabaseError>([&] { Db->SQLite3_ExecSQL(row.Sql, nullptr); }),
                  row.Expected + "\n\n" + row.Sql);
        // A dataset's read raises the same way.
        sqlitetest::TestTarget target(Db.get());
        EXPECT_EQ(ErrorOf<EDatabaseError>([&] { target.Load(row.Sql); }), row.Expected + "\n\n" + row.Sql);
    }
}

TEST_F(EngineErrors, DatabaseLockedByAnotherProgramSaysSoInHungarian) {
    auto other = FileConnection(Dir);
    other->SetConnected(true);
    other->StartExclusiveTransaction();
    const String sql = "insert into t values(2, 'z')";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { Db->SQLite3_ExecSQL(sql, nullptr); }),
              Busy + "database is locked\n\n" + sql);
    EXPECT_EQ(CodeOf([&] { Db->SQLite3_ExecSQL(sql, nullptr); }), SQLITE_BUSY);
    other->RollBack();
}

TEST_F(EngineErrors, BusyReadOfADatasetSaysSoInHungarian) {
    auto other = FileConnection(Dir);
    other->SetConnected(true);
    other->StartExclusiveTransaction();
    other->SQLite3_ExecSQL("insert into t values(3, 'w')", nullptr);
    sqlitetest::TestTarget target(Db.get());
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { target.Load("select * from t"); }),
              Busy + "database is locked\n\nselect * from t");
    other->RollBack();
}

TEST_F(EngineErrors, ReadOnlyDatabaseSaysSoInHungarian) {
    Db->SQLite3_ExecSQL("pragma query_only=1", nullptr);
    const String sql = "insert into t values(4, 'v')";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { Db->SQLite3_ExecSQL(sql, nullptr); }),
              ReadOnly + "attempt to write a readonly database\n\n" + sql);
}

TEST_F(EngineErrors, FullDiskSaysSoInHungarian) {
    Db->SQLite3_ExecSQL("pragma max_page_count=3", nullptr);
    const String sql = "insert into t values(5, hex(zeroblob(100000)))";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { Db->SQLite3_ExecSQL(sql, nullptr); }),
              Full + "database or disk is full\n\n" + sql);
}

TEST(EngineErrorsOnFile, DamagedFileSaysSoInHungarian) {
    TempDir dir;
    WriteFileBytes(dir.File("test.db"), std::string(4096, '\x5a'));
    auto db = FileConnection(dir);
    db->SetConnected(true);
    sqlitetest::TestTarget target(db.get());
    const String sql = "select name from sqlite_master";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { target.Load(sql); }),
              Damaged + "file is not a database\n\n" + sql);
    EXPECT_EQ(CodeOf([&] { db->GetUserVersion(""); }), SQLITE_NOTADB);
}
