#include "tests/sqlite/SqliteTestSupport.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/SqliteError.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

using sqlitetest::FileConnection;
using sqlitetest::TempDir;
using sqlitetest::TestTarget;

namespace {

class ExecTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.SetDatabase(":memory:");
        db.SetConnected(true);
    }
    // The single value of a one-row, one-column query, as text.
    String Value(const String& sql) {
        TestTarget t(&db);
        t.Load(sql);
        EXPECT_EQ(t.Store.Count(), 1) << sql;
        return t.Store.Count() ? String(t.Store.GetBytes(0, 0)) : String("<no row>");
    }

    TSqlite3DB db{nullptr};
};

} // namespace

// ---- Result description --------------------------------------------------------

TEST_F(ExecTest, DuplicateColumnNamesBecomeUnique) {
    TestTarget t(&db);
    t.Load("select 1 as total, 2 as total, 3 as total");
    TFieldDefs& defs = t.ResultFieldDefs();
    ASSERT_EQ(defs.Count(), 3);
    EXPECT_EQ(defs[0]->Name(), "total");
    EXPECT_EQ(defs[1]->Name(), "total_1");
    EXPECT_EQ(defs[2]->Name(), "total_2");
}

TEST_F(ExecTest, ASecondRowIdColumnIsTheFieldRowid1) {
    db.SQLite3_ExecSQL("create table t(a varchar(5)); insert into t(rowid, a) values(7, 'x')", nullptr);
    TestTarget t(&db);
    t.Load("select a, rowid as rowid, rowid * 2 as rowid from t");
    TFieldDefs& defs = t.ResultFieldDefs();
    ASSERT_EQ(defs.Count(), 2);
    EXPECT_EQ(defs[1]->Name(), "rowid_1");
    EXPECT_EQ(t.RowIdColumn, 1);
    EXPECT_EQ(t.Store.GetRowId(0), 7);
    EXPECT_EQ(t.Text(0, 1), "14");
}

TEST_F(ExecTest, RowIdColumnIsHiddenAndCarriedWithEachRow) {
    db.SQLite3_ExecSQL("create table t(a varchar(5)); insert into t(rowid, a) values(7, 'x');"
                       "insert into t(rowid, a) values(5000000000, 'y')",
                       nullptr);
    TestTarget t(&db);
    t.Load("select *, rowid as rowid from t order by rowid");
    ASSERT_EQ(t.ResultFieldDefs().Count(), 1);
    EXPECT_EQ(t.RowIdColumn, 1);
    ASSERT_EQ(t.Store.Count(), 2);
    EXPECT_EQ(t.Store.GetRowId(0), 7);
    EXPECT_EQ(t.Store.GetRowId(1), 5000000000LL);
    EXPECT_EQ(t.Text(1, 0), "y");
}

TEST_F(ExecTest, WithoutRowIdColumnEachRowCarriesItsPosition) {
    TestTarget t(&db);
    t.Load("select 'a' union all select 'b' union all select 'c'");
    EXPECT_EQ(t.RowIdColumn, -1);
    for (Integer i = 0; i < 3; ++i)
        EXPECT_EQ(t.Store.GetRowId(i), i);
}

TEST_F(ExecTest, DeclaredTypesBecomeTypedValues) {
    db.SQLite3_ExecSQL("create table t(d date, dt datetime, i integer, f real, c currency, b boolean,"
                       " s varchar(3), w nvarchar(2), m memo, bl blob, x double);"
                       "insert into t values('2009-12-14', '2009-12-14 10:20:30.123', 5000000000, 2.5, 10,"
                       " 1, 'abcdef', 'ŐőŰ', '" +
                           String(1000, 'm') + "', x'610062', 1.5)",
                       nullptr);
    TestTarget t(&db);
    t.Load("select * from t");
    TFieldDefs& defs = t.ResultFieldDefs();
    const TFieldType types[] = {ftDate,   ftDateTime,   ftInteger, ftFloat, ftCurrency, ftBoolean,
                                ftString, ftWideString, ftMemo,    ftBlob,  ftString};
    for (Integer i = 0; i < defs.Count(); ++i)
        EXPECT_EQ(defs[i]->DataType(), types[i]) << i;

    EXPECT_DOUBLE_EQ(t.Store.GetFloat(0, 0), EncodeDate(2009, 12, 14));
    EXPECT_DOUBLE_EQ(t.Store.GetFloat(0, 1), EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 30, 123));
    EXPECT_EQ(t.Store.GetInteger(0, 2), 5000000000LL);
    EXPECT_DOUBLE_EQ(t.Store.GetFloat(0, 3), 2.5);
    EXPECT_DOUBLE_EQ(t.Store.GetFloat(0, 4), 10.0);
    EXPECT_EQ(t.Store.GetInteger(0, 5), 1);
    EXPECT_EQ(t.Text(0, 6), "abc");        // cut to the declared size
    EXPECT_EQ(t.Text(0, 7), "Őő");         // characters, not bytes
    EXPECT_EQ(t.Text(0, 8).size(), 1000u); // a memo is never cut
    EXPECT_EQ(t.Text(0, 9), std::string("a\0b", 3));
    EXPECT_EQ(t.Text(0, 10), "1.5");
}

TEST_F(ExecTest, NullColumnsStayNull) {
    TestTarget t(&db);
    t.Load("select cast(null as integer) as a, null as b");
    EXPECT_TRUE(t.Store.IsNull(0, 0));
    EXPECT_TRUE(t.Store.IsNull(0, 1));
}

TEST_F(ExecTest, TypeLessTextColumnIsNotCutToFourCharacters) {
    db.SQLite3_ExecSQL("create table t(megjegyzes text, n integer, v varchar(3));"
                       "insert into t values('hosszú megjegyzés', 123456789012345, 'abcd')",
                       nullptr);
    TestTarget t(&db, true);
    t.Load("select * from t");
    EXPECT_EQ(t.ResultFieldDefs()[0]->DataType(), ftString);
    EXPECT_EQ(t.Text(0, 0), "hosszú megjegyzés");
    EXPECT_EQ(t.Text(0, 1), "123456789012345");
    EXPECT_EQ(t.Text(0, 2), "abc");
}

// ---- Statements without result and parameter binding ---------------------------

TEST_F(ExecTest, ParamsBindByPositionAndMissingOnesStayNull) {
    db.SQLite3_ExecSQL("create table t(a, b, c)", nullptr);
    TParams params;
    params.CreateParam(ftInteger, "a", ptInput)->SetAsInteger(1);
    params.CreateParam(ftString, "b", ptInput)->SetAsString("két");
    db.SQLite3_ExecSQL_Params("insert into t values(?, ?, ?)", &params);
    EXPECT_EQ(Value("select a || '/' || b || '/' || ifnull(c, 'NULL') from t"), "1/két/NULL");
}

TEST_F(ExecTest, SameParamsBindToEveryStatementOfTheText) {
    db.SQLite3_ExecSQL("create table t(a)", nullptr);
    TParams params;
    params.CreateParam(ftInteger, "a", ptInput)->SetAsInteger(4);
    db.SQLite3_ExecSQL_Params("insert into t values(?); insert into t values(? * 10)", &params);
    EXPECT_EQ(Value("select group_concat(a) from t"), "4,40");
}

TEST_F(ExecTest, BindingRulesByType) {
    db.SQLite3_ExecSQL("create table t(kind, v)", nullptr);
    const TDateTime when = EncodeDate(2009, 3, 5) + EncodeTime(14, 7, 9, 42);
    struct Row {
        const char* Kind;
        std::function<void(TParam*)> Set;
        const char* Expected; // typeof(v) || ':' || v
    } rows[] = {
        // Flags are 1 and 0, so "WHERE statusz=1" keeps finding them.
        {"bool", [](TParam* p) { p->SetAsBoolean(true); }, "integer:1"},
        {"boolfalse", [](TParam* p) { p->SetAsBoolean(false); }, "integer:0"},
        {"date", [&](TParam* p) { p->SetAsDate(when); }, "text:2009-03-05"},
        {"datetime", [&](TParam* p) { p->SetAsDateTime(when); }, "text:2009-03-05 14:07:09.042"},
        {"time", [&](TParam* p) { p->SetAsTime(when); }, "text:14:07:09.042"},
        {"int", [](TParam* p) { p->SetAsInteger(-12); }, "integer:-12"},
        {"big", [](TParam* p) { p->SetAsLargeInt(5000000000LL); }, "real:5000000000.0"},
        {"float", [](TParam* p) { p->SetAsFloat(2.25); }, "real:2.25"},
        {"text", [](TParam* p) { p->SetAsString("ő'x"); }, "text:ő'x"},
        {"memo", [](TParam* p) { p->SetAsMemo("jegyzet"); }, "blob:jegyzet"},
        {"nullmemo",
         [](TParam* p) {
             p->SetAsMemo("");
             p->Clear();
         },
         "null:"},
        {"nullint",
         [](TParam* p) {
             p->SetAsInteger(3);
             p->Clear();
         },
         "null:"},
    };
    for (const Row& r : rows) {
        TParams params;
        params.CreateParam(ftString, "k", ptInput)->SetAsString(r.Kind);
        r.Set(params.CreateParam(ftUnknown, "v", ptInput));
        db.SQLite3_ExecSQL_Params("insert into t values(?, ?)", &params);
        EXPECT_EQ(
            Value(String("select typeof(v) || ':' || ifnull(v, '') from t where kind='") + r.Kind + "'"),
            r.Expected)
            << r.Kind;
    }
    EXPECT_EQ(Value("select count(*) from t where v=1"), "1");
}

TEST_F(ExecTest, LargeIntegersKeepTheirValueInAnIntegerColumn) {
    db.SQLite3_ExecSQL("create table t(n integer)", nullptr);
    TParams params;
    params.CreateParam(ftLargeint, "n", ptInput)->SetAsLargeInt(5000000000LL);
    db.SQLite3_ExecSQL_Params("insert into t values(?)", &params);
    params.Items(0)->SetAsLargeInt(1152921504606846977LL); // past 2^53
    db.SQLite3_ExecSQL_Params("insert into t values(?)", &params);
    EXPECT_EQ(Value("select group_concat(typeof(n) || ':' || n) from t"),
              "integer:5000000000,integer:1152921504606846977");
}

TEST_F(ExecTest, NamedPlaceholderWithoutFieldRaisesAndRunsNothing) {
    db.SQLite3_ExecSQL("create table t(a)", nullptr);
    EXPECT_EQ(ErrorOf<SqliteError>([&] { db.SQLite3_ExecSQL("insert into t values(:b)", nullptr); }),
              "b not found");
    EXPECT_EQ(Value("select count(*) from t"), "0");
    db.SetConnected(false); // no statement left behind to keep the engine open
    EXPECT_EQ(db.Handle(), nullptr);
}

TEST_F(ExecTest, EngineErrorsCarryTheMessageAndTheSql) {
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db.SQLite3_ExecSQL("select * from nope", nullptr); }),
              "no such table: nope\n\nselect * from nope");
    db.SQLite3_ExecSQL("create table t(a unique)", nullptr);
    const String sql = "insert into t values(1);\ninsert into t values(1)";
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db.SQLite3_ExecSQL(sql, nullptr); }),
              "UNIQUE constraint failed: t.a\n\n" + sql);
    // The first statement of the text ran before the second failed.
    EXPECT_EQ(Value("select count(*) from t"), "1");
    TestTarget t(&db);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { t.Load("select x from t"); }),
              "no such column: x\n\nselect x from t");
}

TEST_F(ExecTest, StatementsNeedAConnection) {
    db.SetConnected(false);
    EXPECT_EQ(ErrorOf<SqliteError>([&] { db.SQLite3_ExecSQL("select 1", nullptr); }),
              "Database is not connected");
    EXPECT_EQ(db.RowsAffected(), -1);
    EXPECT_EQ(db.LastInsertRowId(), -1);
}

TEST_F(ExecTest, RowsAffectedAndLastInsertRowId) {
    db.SQLite3_ExecSQL("create table t(a); insert into t values(1); insert into t values(2);"
                       "update t set a = a + 1",
                       nullptr);
    EXPECT_EQ(db.RowsAffected(), 2);
    EXPECT_EQ(db.LastInsertRowId(), 2);
}

// ---- Transactions --------------------------------------------------------------

TEST_F(ExecTest, TransactionsCommitAndRollBack) {
    db.SQLite3_ExecSQL("create table t(a)", nullptr);
    db.StartTransaction();
    EXPECT_TRUE(db.InTransaction());
    db.SQLite3_ExecSQL("insert into t values(1)", nullptr);
    db.RollBack();
    EXPECT_FALSE(db.InTransaction());
    for (const char* kind : {"", "DEFAULT", "deferred", "Immediate", "EXCLUSIVE", "other"}) {
        db.ExecStartTransaction(kind);
        db.SQLite3_ExecSQL("insert into t values(2)", nullptr);
        db.Commit();
    }
    EXPECT_EQ(Value("select count(*) from t"), "6");
}

TEST_F(ExecTest, BeginInsideATransactionIsRejectedByTheEngine) {
    db.StartImmediateTransaction();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db.StartTransaction(); }),
              "cannot start a transaction within a transaction\n\nbegin transaction");
    EXPECT_TRUE(db.InTransaction());
    db.Commit();
}

TEST(Transactions, CommitWhileDisconnectedConnectsThenRaises) {
    TSqlite3DB db(nullptr);
    db.SetDatabase(":memory:");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db.Commit(); }),
              "cannot commit - no transaction is active\n\ncommit transaction");
    EXPECT_TRUE(db.Connected());
    EXPECT_FALSE(db.InTransaction());
}

// ---- A locked database -----------------------------------------------------------

class BusyTest : public ::testing::Test {
protected:
    void SetUp() override {
        reader = FileConnection(dir);
        holder = FileConnection(dir);
        reader->SetConnected(true);
        reader->SQLite3_ExecSQL("create table t(a); insert into t values(1)", nullptr);
        TestTarget warm(reader.get());
        warm.Load("select a from t"); // the reader knows the schema before the lock
        holder->SetConnected(true);
        holder->StartExclusiveTransaction();
    }
    void TearDown() override { holder->RollBack(); }

    static double Millis(std::chrono::steady_clock::time_point from) {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
    }

    TempDir dir;
    std::unique_ptr<TSqlite3DB> reader;
    std::unique_ptr<TSqlite3DB> holder;
};

// The holder keeps its lock until the test ends: a statement that waited for it would hang.
TEST_F(BusyTest, StatementFailsAtOnceWithoutTimeOut) {
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { reader->SQLite3_ExecSQL("insert into t values(2)", nullptr); }),
              "Az adatbázist egy másik program használja, próbálja újra később.\n"
              "database is locked\n\ninsert into t values(2)");
}

TEST_F(BusyTest, StatementWaitsForTheTimeOutThenRaises) {
    reader->SetTimeOut(300);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { reader->SQLite3_ExecSQL("insert into t values(2)", nullptr); }),
              "Az adatbázist egy másik program használja, próbálja újra később.\n"
              "database is locked\n\ninsert into t values(2)");
    EXPECT_GE(Millis(start), 250); // a loaded machine only makes the wait longer
}

TEST_F(BusyTest, RowReadRaisesWithoutOnBusy) {
    TestTarget t(reader.get());
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { t.Load("select a from t"); }),
              "Az adatbázist egy másik program használja, próbálja újra később.\n"
              "database is locked\n\nselect a from t");
    EXPECT_EQ(t.Store.Count(), 0);
}

TEST_F(BusyTest, RowReadEndsQuietlyWithOnBusy) {
    int calls = 0;
    reader->OnBusy = [&](TObject* sender) {
        EXPECT_EQ(sender, reader.get());
        ++calls;
    };
    TestTarget t(reader.get());
    t.Load("select a from t");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(t.Store.Count(), 0);
}

// Another program commits row after row, each in its own transaction, and takes the lock
// again at once after each commit. A save (begin, insert, commit) gets in between, and the
// other program's writes all go through. The time-outs only keep a lost wait from hanging: the
// verdict is on what was stored, however slowly a loaded machine lets the two take turns.
TEST(BusyWriter, SaveGetsBetweenItsCommits) {
    TempDir dir;
    auto db = FileConnection(dir);
    auto writer = FileConnection(dir);
    db->SetConnected(true);
    db->SQLite3_ExecSQL("create table t(a); create table w(b)", nullptr);
    constexpr Integer Unbounded = 10 * 60 * 1000;
    db->SetTimeOut(Unbounded);
    writer->SetConnected(true);
    writer->SetTimeOut(Unbounded);
    std::atomic<int> writes = 0;
    std::atomic<int> writerFailures = 0;
    {
        const std::jthread other([&](const std::stop_token& stop) {
            while (!stop.stop_requested()) {
                try {
                    sqlite::Transaction transaction(*writer);
                    writer->SQLite3_ExecSQL("insert into w values(1)", nullptr);
                    transaction.Commit();
                    ++writes;
                } catch (const EDatabaseError&) {
                    ++writerFailures;
                }
            }
        });
        while (writes < 20)
            std::this_thread::yield();
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(ErrorOf<EDatabaseError>([&] {
                          sqlite::Transaction transaction(*db);
                          db->SQLite3_ExecSQL("insert into t values(" + IntToStr(i) + ")", nullptr);
                          transaction.Commit();
                      }),
                      "no error");
        }
        // The other program still takes its turns after the last save: the saves got in
        // between its commits rather than after it stopped.
        const int afterSaves = writes;
        while (writes < afterSaves + 2 && writerFailures == 0)
            std::this_thread::yield();
    }
    EXPECT_EQ(writerFailures, 0);
    TestTarget count(db.get());
    count.Load("select count(*) from t");
    EXPECT_EQ(count.Text(0, 0), "10");
}

// ---- Another program's schema change ----------------------------------------------

// Another program adds a trigger after this connection read the schema: the next statement,
// prepared with the old schema, is prepared again once and runs, whichever way it runs.
TEST(SchemaChange, TheNextStatementIsPreparedAgainAndRuns) {
    TempDir dir;
    auto db = FileConnection(dir);
    auto other = FileConnection(dir);
    db->SetConnected(true);
    other->SetConnected(true);
    db->SQLite3_ExecSQL("create table t(a); insert into t values(1)", nullptr);
    TestTarget loaded(db.get());
    TSqlite3Query oneWay(nullptr);
    oneWay.SetConnection(db.get());
    oneWay.SetUniDirectional(true);
    oneWay.SQL()->Add("select a from t order by a desc");
    const struct {
        const char* Statement;
        std::function<String()> Run;
        String Expected;
    } runs[] = {
        // A save.
        {"without result",
         [&] { return String(db->SQLite3_ExecSQL("insert into t values(2)", nullptr) ? "?" : ""); }, ""},
        // A list.
        {"loaded whole",
         [&] {
             loaded.Load("select count(*) from t");
             return loaded.Text(0, 0);
         },
         "2"},
        // A record's header.
        {"one-directional",
         [&] {
             oneWay.Open();
             return oneWay.Fields()->Fields(0)->AsString();
         },
         "2"},
    };
    int n = 0;
    for (const auto& r : runs) {
        SCOPED_TRACE(r.Statement);
        db->SQLite3_ExecSQL("select a from t", nullptr); // reads the schema as it is now
        other->SQLite3_ExecSQL("create trigger g" + IntToStr(++n) + " after delete on t begin select 1; end",
                               nullptr);
        String result;
        try {
            result = r.Run();
        } catch (const EDatabaseError& e) {
            result = e.Message();
        }
        EXPECT_EQ(result, r.Expected);
    }
}

// ---- Text encoding and collations ---------------------------------------------

TEST(Encoding, StandardStoresCodePage1250AndReadsBackUtf8) {
    TempDir dir;
    auto db = FileConnection(dir, "cp.db", "STANDARD");
    db->SetConnected(true);
    db->SQLite3_ExecSQL("create table t(s varchar(10)); insert into t values('ŐőŰű')", nullptr);
    TParams params;
    params.CreateParam(ftString, "s", ptInput)->SetAsString("űŰőŐ");
    db->SQLite3_ExecSQL_Params("insert into t values(?)", &params);
    TestTarget t(db.get());
    t.Load("select s from t where s like 'Ő%' or s = 'űŰőŐ' order by rowid");
    ASSERT_EQ(t.Store.Count(), 2);
    EXPECT_EQ(t.Text(0, 0), "ŐőŰű");
    EXPECT_EQ(t.Text(1, 0), "űŰőŐ");
    db->SetConnected(false);
    const std::string bytes = sqlitetest::ReadBytes(dir.File("cp.db"));
    EXPECT_NE(bytes.find("\xD5\xF5\xDB\xFB"), std::string::npos);
    EXPECT_NE(bytes.find("\xFB\xDB\xF5\xD5"), std::string::npos);
    EXPECT_EQ(bytes.find("ŐőŰű"), std::string::npos);
}

TEST(Encoding, Utf8DatabaseKeepsUtf8) {
    TempDir dir;
    auto db = FileConnection(dir, "u.db", "UTF8");
    db->SetConnected(true);
    db->SQLite3_ExecSQL("create table t(s varchar(10)); insert into t values('ŐőŰű')", nullptr);
    db->SetConnected(false);
    EXPECT_NE(sqlitetest::ReadBytes(dir.File("u.db")).find("ŐőŰű"), std::string::npos);
}

namespace {

std::vector<String> Ordered(TSqlite3DB& db, const String& collation) {
    db.SQLite3_ExecSQL("create table if not exists nev(n varchar(20)); delete from nev;"
                       "insert into nev values('Zsolt'),('szabó'),('Csaba'),('adam'),('Ábel'),"
                       "('öböl'),('Sutka'),('ocelot'),('Czakó'),('zoltán')",
                       nullptr);
    TestTarget t(&db);
    t.Load("select n from nev order by n collate " + collation);
    std::vector<String> names;
    for (Integer i = 0; i < t.Store.Count(); ++i)
        names.push_back(t.Text(i, 0));
    return names;
}

} // namespace

TEST(Collation, HungarianOrderIgnoringCaseInBothEncodings) {
    const std::vector<String> expected = {"Ábel", "adam",  "Czakó", "Csaba",  "ocelot",
                                          "öböl", "Sutka", "szabó", "zoltán", "Zsolt"};
    for (const char* encoding : {"", "STANDARD"}) {
        TSqlite3DB db(nullptr);
        db.SetDatabase(":memory:");
        db.SetCharacterEncoding(encoding);
        db.SetConnected(true);
        EXPECT_EQ(Ordered(db, "systemnocase"), expected) << encoding;
    }
}

TEST(Collation, SystemObservesCase) {
    TSqlite3DB db(nullptr);
    db.SetDatabase(":memory:");
    db.SetConnected(true);
    db.SQLite3_ExecSQL("create table c(n); insert into c values('B'),('a'),('A'),('b')", nullptr);
    auto value = [&](const String& sql) {
        TestTarget t(&db);
        t.Load(sql);
        return t.Text(0, 0);
    };
    EXPECT_EQ(value("select group_concat(n, '') from (select n from c order by n collate system)"), "aAbB");
    EXPECT_EQ(value("select count(*) from c where n = 'A' collate system"), "1");
    EXPECT_EQ(value("select count(*) from c where n = 'A' collate systemnocase"), "2");
}

TEST_F(ExecTest, StepFailureMidResultRaisesInsteadOfEndingTheResult) {
    db.SQLite3_ExecSQL("create table n(v integer); insert into n values(1), (-9223372036854775807 - 1)",
                       nullptr);
    const String sql = "select abs(v) as a from n order by rowid";
    TestTarget t(&db);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { t.Load(sql); }), "integer overflow\n\n" + sql);
    EXPECT_EQ(t.Store.Count(), 1); // the rows read before the failure stay
}

TEST_F(ExecTest, StatementThatFailedToStepClosesQuietly) {
    db.SQLite3_ExecSQL("create table n(v integer); insert into n values(-9223372036854775807 - 1)", nullptr);
    TestTarget t(&db);
    sqlite3_stmt* statement = db.SQLite3_PrepareResult("select abs(v) from n", &t);
    ASSERT_NE(statement, nullptr);
    EXPECT_THROW(db.SQLite3_GetNextResult(statement, &t), EDatabaseError);
    EXPECT_NO_THROW(db.SQLite3_CloseResult(statement));
    db.SQLite3_CloseResult(nullptr);
}

TEST_F(ExecTest, RowByRowReadingEndsWithNull) {
    TestTarget t(&db);
    sqlite3_stmt* statement = db.SQLite3_PrepareResult("select 1 as a union all select 2", &t);
    ASSERT_NE(db.SQLite3_GetNextResult(statement, &t), nullptr);
    sqlite::RowImage* row = db.SQLite3_GetNextResult(statement, &t);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ((*row)[0].Bytes, "2");
    EXPECT_EQ(db.SQLite3_GetNextResult(statement, &t), nullptr);
    db.SQLite3_CloseResult(statement);
}

TEST_F(ExecTest, DatasetParamsBindByPositionWhenLoading) {
    db.SQLite3_ExecSQL("create table t(a, b); insert into t values(1, 'x'), (2, 'y'), (3, 'x')", nullptr);
    TestTarget t(&db);
    t.ResultParams().CreateParam(ftString, "b", ptInput)->SetAsString("x");
    t.ResultParams().CreateParam(ftInteger, "a", ptInput)->SetAsInteger(1);
    t.Load("select a from t where b = ? and a > ? order by a");
    ASSERT_EQ(t.Store.Count(), 1);
    EXPECT_EQ(t.Text(0, 0), "3");
}

TEST(Encoding, StandardConvertsEngineMessagesMemosButNotWideText) {
    TSqlite3DB db(nullptr);
    db.SetDatabase(":memory:");
    db.SetCharacterEncoding("STANDARD");
    db.SetConnected(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { db.SQLite3_ExecSQL("select * from ügyek", nullptr); }),
              "no such table: ügyek\n\nselect * from ügyek");

    db.SQLite3_ExecSQL("create table t(m memo, w nvarchar(10))", nullptr);
    TParams params;
    params.CreateParam(ftMemo, "m", ptInput)->SetAsMemo("Őrző");
    params.CreateParam(ftWideString, "w", ptInput)->SetAsWideString("Űrhajó");
    db.SQLite3_ExecSQL_Params("insert into t values(?, ?)", &params);
    TestTarget t(&db);
    t.Load("select m, w, hex(m) as hm, hex(w) as hw from t");
    EXPECT_EQ(t.Text(0, 0), "Őrző");
    EXPECT_EQ(t.Text(0, 1), "Űrhajó");
    EXPECT_EQ(t.Text(0, 2), "D5727AF5");         // the memo in code page 1250
    EXPECT_EQ(t.Text(0, 3), "C5B07268616AC3B3"); // wide text as Unicode
}
