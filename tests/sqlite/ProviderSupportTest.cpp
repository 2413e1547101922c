// The provider-support operations of the SQLite datasets, called directly.
#include "tests/sqlite/DatasetFixture.h"

#include <stdexcept>

using sqlitetest::DatasetFixture;

namespace {

class ProviderSupport : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        for (const char* name : {"posta", "fax", "email"})
            Exec(String("insert into ikt_mod (nev) values ('") + name + "')");
    }
};

TEST_F(ProviderSupport, ExecuteStatementAnswersTheRowsChanged) {
    auto q = MakeQuery("select * from ikt_mod");
    TParams params;
    params.CreateParam(ftInteger, "a", ptInput)->SetAsInteger(0);
    params.CreateParam(ftInteger, "b", ptInput)->SetAsInteger(2);
    EXPECT_EQ(q->PSExecuteStatement("update ikt_mod set aktiv=? where sorszam>=?", &params), 2);
    EXPECT_EQ(Scalar("select count(*) from ikt_mod where aktiv=0"), "2");
}

TEST_F(ProviderSupport, ExecuteStatementHandsBackAnOpenOneDirectionalQuery) {
    auto q = MakeQuery("select * from ikt_mod");
    TParams params;
    params.CreateParam(ftString, "n", ptInput)->SetAsString("fax");
    TSqlite3BaseQuery* result = nullptr;
    q->PSExecuteStatement("select sorszam from ikt_mod where nev=?", &params, &result);
    std::unique_ptr<TSqlite3BaseQuery> owned(result);
    ASSERT_NE(result, nullptr);
    EXPECT_TRUE(result->Active());
    EXPECT_TRUE(result->UniDirectional());
    EXPECT_EQ(result->FieldByName("sorszam")->AsInteger(), 2);
}

TEST_F(ProviderSupport, KeyFieldsQuoteAndCommandText) {
    auto q = OpenQuery("select sorszam, nev from ikt_mod");
    q->FieldByName("sorszam")->SetProviderFlags({pfInKey, pfInWhere});
    EXPECT_EQ(q->PSGetKeyFields(), "sorszam");
    EXPECT_EQ(q->PSGetQuoteChar(), "\"");
    EXPECT_TRUE(q->PSInTransaction());
    EXPECT_FALSE(q->PSUpdateRecord());
    q->PSSetCommandText("select nev from ikt_mod where sorszam=3");
    EXPECT_FALSE(q->Active());
    q->Open();
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "email");
}

TEST_F(ProviderSupport, TransactionsEndAsAsked) {
    auto q = MakeQuery("select * from ikt_mod");
    q->PSStartTransaction();
    Exec("delete from ikt_mod");
    q->PSEndTransaction(false);
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "3");
    q->PSStartTransaction();
    Exec("delete from ikt_mod where sorszam=1");
    q->PSEndTransaction(true);
    EXPECT_FALSE(DB().InTransaction());
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "2");
}

TEST_F(ProviderSupport, ParamsAndExecute) {
    auto q = MakeQuery("delete from ikt_mod where sorszam=:id");
    TParams params;
    params.CreateParam(ftInteger, "id", ptInput)->SetAsInteger(1);
    q->PSSetParams(&params);
    q->PSExecute();
    EXPECT_TRUE(q->UniDirectional());
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "2");
}

TEST_F(ProviderSupport, TableNameOfTheStatement) {
    // Each row: statement, the table the provider would write to.
    const std::pair<const char*, const char*> rows[] = {
        {"select * from ikt_mod where sorszam=1", "ikt_mod"},
        {"SELECT nev FROM \"ikt mod\" ORDER BY nev", "ikt mod"},
        {"select * from [ikt_mod]", "ikt_mod"},
        {"select * from main.ikt_mod", "main.ikt_mod"},
        {"select (select max(x) from masik) from ikt_mod", "ikt_mod"},
        {"select 'from masik' as t, nev from ikt_mod", "ikt_mod"},
        {"-- from masik\nselect /* from harmadik */ * from ikt_mod", "ikt_mod"},
        {"select * from (select 1)", ""},
        {"update ikt_mod set aktiv=0", ""},
        {"select * from", ""},
    };
    auto q = MakeQuery("");
    for (const auto& [sql, table] : rows) {
        q->SQL()->SetText(sql);
        EXPECT_EQ(q->PSGetTableName(), table) << sql;
    }
}

TEST_F(ProviderSupport, UpdateExceptionKeepsTheErrorAndCountsAttempts) {
    const EUpdateError prev("elozo", "", 17, 0, nullptr);
    // Each row: the raised error, the previous attempt, the previous error code wanted.
    const struct {
        std::exception_ptr error;
        const EUpdateError* prev;
        Integer previous;
    } rows[] = {
        {std::make_exception_ptr(SqliteError("kulcs")), &prev, 17},
        {std::make_exception_ptr(SqliteError("kulcs")), nullptr, 0},
        {std::make_exception_ptr(EDatabaseError("kulcs")), &prev, -1},
        {std::make_exception_ptr(std::runtime_error("kulcs")), nullptr, -1},
    };
    for (const auto& row : rows) {
        const EUpdateError e = TSqlite3BaseQuery::PSGetUpdateException(row.error, row.prev);
        EXPECT_STREQ(e.what(), "kulcs");
        EXPECT_EQ(e.Context(), "");
        EXPECT_EQ(e.ErrorCode(), -1);
        EXPECT_EQ(e.PreviousError(), row.previous);
        EXPECT_EQ(e.OriginalException(), row.error);
    }
}

} // namespace
