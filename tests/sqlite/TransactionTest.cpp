// The transaction guard: all of a multi-statement write or none of it.
#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/TStrings.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using sqlitetest::FileConnection;
using sqlitetest::TempDir;

namespace {

struct TransactionGuard : ::testing::Test {
    TempDir Dir;
    std::unique_ptr<TSqlite3DB> Db = FileConnection(Dir);
    void SetUp() override {
        Db->SetConnected(true);
        Db->SQLite3_ExecSQL("create table t(a integer primary key)", nullptr);
    }
    String Rows() {
        sqlitetest::TestTarget target(Db.get());
        target.Load("select group_concat(a) from t");
        return target.Text(0, 0);
    }
};

} // namespace

TEST_F(TransactionGuard, CommitKeepsEveryRow) {
    {
        sqlite::Transaction transaction(*Db);
        EXPECT_TRUE(transaction.Owner());
        EXPECT_TRUE(Db->InTransaction());
        Db->SQLite3_ExecSQL("insert into t values(1); insert into t values(2)", nullptr);
        transaction.Commit();
        EXPECT_FALSE(Db->InTransaction());
    }
    EXPECT_EQ(Rows(), "1,2");
}

TEST_F(TransactionGuard, AnExceptionRollsEverythingBack) {
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] {
                  sqlite::Transaction transaction(*Db);
                  Db->SQLite3_ExecSQL("insert into t values(1)", nullptr);
                  Db->SQLite3_ExecSQL("insert into t values(1)", nullptr);
                  transaction.Commit();
              }),
              "UNIQUE constraint failed: t.a\n\ninsert into t values(1)");
    EXPECT_FALSE(Db->InTransaction());
    EXPECT_EQ(Rows(), "");
}

TEST_F(TransactionGuard, LeavingWithoutCommitRollsBack) {
    {
        sqlite::Transaction transaction(*Db);
        Db->SQLite3_ExecSQL("insert into t values(7)", nullptr);
    }
    EXPECT_FALSE(Db->InTransaction());
    EXPECT_EQ(Rows(), "");
}

TEST_F(TransactionGuard, FailedCommitRollsBackAndRaises) {
    Db->SQLite3_ExecSQL("pragma foreign_keys=on; create table c(p integer references t(a) "
                        "deferrable initially deferred)",
                        nullptr);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] {
                  sqlite::Transaction transaction(*Db);
                  Db->SQLite3_ExecSQL("insert into t values(1); insert into c values(9)", nullptr);
                  transaction.Commit();
              }),
              "FOREIGN KEY constraint failed\n\ncommit transaction");
    EXPECT_FALSE(Db->InTransaction());
    EXPECT_EQ(Rows(), "");
}

TEST_F(TransactionGuard, AnInnerGuardJoinsTheOuterOne) {
    {
        sqlite::Transaction outer(*Db);
        {
            sqlite::Transaction inner(*Db);
            EXPECT_FALSE(inner.Owner());
            Db->SQLite3_ExecSQL("insert into t values(3)", nullptr);
            inner.Commit();
        }
        EXPECT_TRUE(Db->InTransaction());
    }
    EXPECT_EQ(Rows(), "");
}

TEST_F(TransactionGuard, AutoCommitDatasetsJoinTheGuard) {
    TSqlite3Query query(nullptr);
    query.SetConnection(Db.get());
    query.SetAutoCommit(true);
    query.SQL()->SetText("insert into t values(5)");
    {
        sqlite::Transaction transaction(*Db);
        query.ExecSQL();
        EXPECT_TRUE(Db->InTransaction());
    }
    EXPECT_EQ(Rows(), "");
}

// Whatever kind is asked for, the guard holds the write lock from its start, so a save that
// reads first waits for another program's write at its begin instead of being refused when it
// comes to write. Only an exclusive guard keeps the other program's reads out too.
TEST_F(TransactionGuard, EveryKindTakesTheWriteLockAtItsStart) {
    auto other = FileConnection(Dir);
    other->SetConnected(true);
    const auto busy = [](const auto& Run) {
        return ErrorOf<EDatabaseError>(Run).starts_with("Az adatbázist egy másik program használja");
    };
    // The guard's kind, the connection's transaction type, and whether reads are kept out too.
    const std::tuple<const char*, const char*, bool> kinds[] = {
        {"", "", false},         // the connection's plain begin
        {"", "deferred", false}, // a connection set to defer
        {"DEFERRED", "", false}, // asked for by name
        {"DEFAULT", "", false},  {"IMMEDIATE", "", false}, {"EXCLUSIVE", "", true}, {"", "Exclusive", true},
    };
    for (const auto& [kind, type, readsKeptOut] : kinds) {
        SCOPED_TRACE(std::string(kind) + "/" + type);
        Db->SetTransactionType(type);
        sqlite::Transaction transaction(*Db, kind);
        EXPECT_TRUE(busy([&] { other->SQLite3_ExecSQL("insert into t values(1)", nullptr); }));
        sqlitetest::TestTarget target(other.get());
        EXPECT_EQ(busy([&] { target.Load("select * from t"); }), readsKeptOut);
    }
}

// The engine rolls a whole transaction back by itself on a full disk (a page limit stands in
// for it here: a one-row insert keeps no statement journal to undo only itself) and on a
// conflict rule of "rollback". The saves after it are still whole or nothing.
TEST_F(TransactionGuard, AfterTheEngineRolledBackTheNextSavesStayWhole) {
    const std::string full = "Megtelt a lemez, a változás nem menthető. Szabadítson fel helyet a lemezen, "
                             "majd próbálja újra.\ndatabase or disk is full\n\n";
    const struct {
        const char* Rule;
        const char* Failing; // ended by the engine's own rollback
        std::string Message;
    } rows[] = {
        {"on conflict rollback", "insert into s(a) values(1)", "UNIQUE constraint failed: s.a\n\n"},
        {"", "pragma max_page_count=8; insert into s values(2, zeroblob(100000))", full},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Rule);
        Db->SQLite3_ExecSQL("drop table if exists s; create table s(a integer primary key " +
                                String(row.Rule) + ", b check(b is not 'refused'))",
                            nullptr);
        const auto save = [&](const String& second) {
            const String error = ErrorOf<EDatabaseError>([&] {
                sqlite::Transaction transaction(*Db);
                Db->SQLite3_ExecSQL("insert into s(b) values('first')", nullptr);
                Db->SQLite3_ExecSQL(second, nullptr);
                transaction.Commit();
            });
            EXPECT_FALSE(Db->InTransaction()) << second;
            return error;
        };
        EXPECT_EQ(save(row.Failing), row.Message + row.Failing);
        Db->SQLite3_ExecSQL("pragma max_page_count=1000000", nullptr); // room again
        EXPECT_EQ(save("insert into s(b) values('refused')"),
                  "CHECK constraint failed: b is not 'refused'\n\ninsert into s(b) values('refused')");
        EXPECT_EQ(save("insert into s(b) values('second')"), "no error");
        sqlitetest::TestTarget target(Db.get());
        target.Load("select group_concat(b) from s");
        EXPECT_EQ(target.Text(0, 0), "first,second");
    }
}
