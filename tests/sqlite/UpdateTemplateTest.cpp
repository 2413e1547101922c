// Update templates: the exact statements they produce, their syntax errors, and
// posting and deleting through them on a query.
#include "tests/sqlite/DatasetFixture.h"

#include "sqlite/TSqlite3UpdateSQL.h"
#include "sqlite/UpdateTemplate.h"

using sqlitetest::DatasetFixture;

namespace {

const std::vector<String> UgyFields{"sorszam", "nev", "leiras"};

TEST(UpdateTemplate, UpdateWithNamesAndStar) {
    EXPECT_EQ(sqlite::BuildUpdateStatement("update ugy set nev=:nev, leiras=* where rowid=:rowid", UgyFields),
              "update ugy set nev=:nev,leiras=:leiras where  rowid=:rowid");
}

TEST(UpdateTemplate, UpdateOfEveryField) {
    EXPECT_EQ(sqlite::BuildUpdateStatement("UPDATE ugy * WHERE sorszam=:sorszam", UgyFields),
              "update ugy set sorszam=:sorszam,nev=:nev,leiras=:leiras where  sorszam=:sorszam");
}

TEST(UpdateTemplate, InsertWithColumnsAndValues) {
    EXPECT_EQ(sqlite::BuildInsertStatement("insert into ugy (nev, leiras) values (:nev, :leiras)", UgyFields),
              "insert into ugy (nev,leiras) values (:nev,:leiras)");
    // Literal values keep their quotes.
    EXPECT_EQ(sqlite::BuildInsertStatement("insert into ugy (nev, status) values ('a b', 1)", UgyFields),
              "insert into ugy (nev,status) values ('a b',1)");
}

TEST(UpdateTemplate, InsertOfEveryField) {
    EXPECT_EQ(sqlite::BuildInsertStatement("insert into ugy *", UgyFields),
              "insert into ugy (sorszam,nev,leiras) values (:sorszam,:nev,:leiras)");
}

TEST(UpdateTemplate, DeleteKeepsItsCondition) {
    EXPECT_EQ(sqlite::BuildDeleteStatement("delete from ugy where sorszam=:sorszam"),
              "delete from ugy where  sorszam=:sorszam");
}

TEST(UpdateTemplate, SyntaxErrors) {
    auto message = [](auto&& build) { return ErrorOf<SqliteError>(build); };
    EXPECT_EQ(message([] { sqlite::BuildDeleteStatement("remove from ugy where 1"); }),
              "SQL macro syntax error on sql, expected delete");
    EXPECT_EQ(message([] { sqlite::BuildDeleteStatement("delete ugy where 1"); }),
              "SQL macro syntax error on sql, expected from");
    EXPECT_EQ(message([] { sqlite::BuildUpdateStatement("update ugy nev=:nev", UgyFields); }),
              "SQL macro syntax error on sql, expected set");
    // Without a condition every row would change.
    EXPECT_EQ(message([] { sqlite::BuildUpdateStatement("update ugy set nev=:nev", UgyFields); }),
              "SQL macro syntax error on sql, expected where");
    EXPECT_EQ(message([] { sqlite::BuildUpdateStatement("update ugy set nev :nev where 1", UgyFields); }),
              "SQL macro syntax error on sql, expected =");
    EXPECT_EQ(message([] { sqlite::BuildInsertStatement("insert into ugy values (1)", UgyFields); }),
              "SQL macro syntax error on insertsql, expected ( or *");
    EXPECT_EQ(message([] { sqlite::BuildInsertStatement("insert into ugy (nev, leiras", UgyFields); }),
              "SQL macro syntax error on sql, expected )");
}

class QueryWrites : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        Exec("insert into ikt_mod (nev) values ('posta')");
        Exec("insert into ikt_mod (nev) values ('fax')");
        FUpdate = std::make_unique<TSqlite3UpdateSQL>(nullptr);
        FUpdate->InsertSQL()->SetText("insert into ikt_mod (nev, aktiv) values (:nev, :aktiv)");
        FUpdate->UpdateSQL()->SetText("update ikt_mod set nev=:nev, aktiv=* where sorszam=:sorszam");
        FUpdate->DeleteSQL()->SetText("delete from ikt_mod where sorszam=:sorszam");
        FQuery = OpenQuery("select sorszam, nev, aktiv from ikt_mod order by sorszam");
        FQuery->SetUpdateSQL(FUpdate.get());
    }
    std::unique_ptr<TSqlite3UpdateSQL> FUpdate;
    std::unique_ptr<TSqlite3Query> FQuery;
};

TEST_F(QueryWrites, EditPostsThroughTheUpdateTemplate) {
    FQuery->Edit();
    FQuery->FieldByName("nev")->SetAsString("e-mail");
    FQuery->Post();
    EXPECT_EQ(Scalar("select nev from ikt_mod where sorszam=1"), "e-mail");
    EXPECT_EQ(FQuery->FieldByName("nev")->AsString(), "e-mail");
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "2");
}

TEST_F(QueryWrites, AppendPostsThroughTheInsertTemplate) {
    FQuery->Append();
    FQuery->FieldByName("nev")->SetAsString("futár");
    FQuery->FieldByName("aktiv")->SetAsInteger(0);
    FQuery->Post();
    EXPECT_EQ(Scalar("select nev || '/' || aktiv from ikt_mod where sorszam=3"), "futár/0");
    EXPECT_EQ(FQuery->RecordCount(), 3);
    EXPECT_EQ(FQuery->RecNo(), 3);
}

TEST_F(QueryWrites, DeleteRunsTheDeleteTemplate) {
    FQuery->Delete();
    EXPECT_EQ(Scalar("select group_concat(nev) from ikt_mod"), "fax");
    EXPECT_EQ(FQuery->RecordCount(), 1);
    EXPECT_EQ(FQuery->FieldByName("nev")->AsString(), "fax");
    // Deleting the last row leaves the dataset on the new last row.
    Exec("insert into ikt_mod (nev) values ('x')");
    FQuery->Refresh();
    FQuery->Last();
    FQuery->Delete();
    EXPECT_EQ(FQuery->RecNo(), 1);
}

TEST_F(QueryWrites, RefusedWrites) {
    FQuery->SetUpdateSQL(nullptr);
    FQuery->Edit();
    FQuery->FieldByName("nev")->SetAsString("x");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { FQuery->Post(); }), "Missing TSqlite3UpdateSQL component");
    FQuery->Cancel();
    EXPECT_EQ(ErrorOf<SqliteError>([&] { FQuery->Delete(); }), "Missing TSqlite3UpdateSQL component");
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "2");

    FQuery->SetUpdateSQL(FUpdate.get());
    FQuery->FieldByName("nev")->SetRequired(true);
    FQuery->Edit();
    FQuery->FieldByName("nev")->Clear();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FQuery->Post(); }), "nev is required.");
    FQuery->Cancel();
    EXPECT_EQ(FQuery->FieldByName("nev")->AsString(), "posta");
}

TEST_F(QueryWrites, ReadOnlyQueryRefusesWrites) {
    FQuery->SetReadOnly(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FQuery->Edit(); }), "Cannot modify a read-only dataset");
}

TEST_F(QueryWrites, PostWhileDisconnectedConnectsAndWrites) {
    FQuery->Edit();
    FQuery->FieldByName("nev")->SetAsString("telefon");
    DB().SetConnected(false);
    // The disconnect closed nothing this test owns; the post reconnects.
    FQuery->Post();
    EXPECT_TRUE(DB().Connected());
    EXPECT_EQ(Scalar("select nev from ikt_mod where sorszam=1"), "telefon");
}

TEST_F(QueryWrites, FailedAutoCommitWriteRollsBack) {
    FQuery->SetAutoCommit(true);
    FUpdate->UpdateSQL()->SetText("update ikt_mod set nincs=:nev where sorszam=:sorszam");
    FQuery->Edit();
    FQuery->FieldByName("nev")->SetAsString("x");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FQuery->Post(); }),
              "no such column: nincs\n\nupdate ikt_mod set nincs=:nev where  sorszam=:sorszam\r\n");
    EXPECT_FALSE(DB().InTransaction());
    FQuery->Cancel();
    // The connection is usable for a new transaction.
    FUpdate->UpdateSQL()->SetText("update ikt_mod set nev=:nev where sorszam=:sorszam");
    FQuery->Edit();
    FQuery->FieldByName("nev")->SetAsString("y");
    FQuery->Post();
    EXPECT_FALSE(DB().InTransaction());
    EXPECT_EQ(Scalar("select nev from ikt_mod where sorszam=1"), "y");
}

TEST_F(QueryWrites, FailedCommitRollsBack) {
    // A deferred key check fails only when the transaction commits.
    Exec("create table hivatkozas (mod integer references ikt_mod(sorszam) deferrable initially deferred,"
         " nev varchar(10))");
    Exec("pragma foreign_keys = on");
    auto q = OpenQuery("select mod, nev from hivatkozas");
    TSqlite3UpdateSQL update(nullptr);
    update.InsertSQL()->SetText("insert into hivatkozas (mod, nev) values (:mod, :nev)");
    q->SetUpdateSQL(&update);
    q->SetAutoCommit(true);
    q->Append();
    q->FieldByName("mod")->SetAsInteger(99);
    q->FieldByName("nev")->SetAsString("árva");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { q->Post(); }),
              "FOREIGN KEY constraint failed\n\ncommit transaction");
    EXPECT_FALSE(DB().InTransaction());
    EXPECT_EQ(Scalar("select count(*) from hivatkozas"), "0");
    EXPECT_EQ(q->State(), dsInsert);
    q->Cancel();
    EXPECT_EQ(q->RecordCount(), 0);
}

TEST_F(QueryWrites, OneDirectionalPostKeepsItsPlace) {
    auto q = MakeQuery("select sorszam, nev, aktiv from ikt_mod order by sorszam");
    Exec("insert into ikt_mod (nev) values ('harmadik')");
    q->SetUniDirectional(true);
    q->SetUpdateSQL(FUpdate.get());
    q->Open();
    q->Edit();
    q->FieldByName("nev")->SetAsString("első");
    q->Post();
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "első");
    q->Next();
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "fax");
    EXPECT_EQ(Scalar("select nev from ikt_mod where sorszam=1"), "első");
}

TEST_F(QueryWrites, ExecSQLWithAutoCommitRollsBackOnFailure) {
    auto q = MakeQuery("insert into ikt_mod (nev) values ('a'); insert into nincs values (1)");
    q->SetRawSQL(true);
    q->SetAutoCommit(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { q->ExecSQL(); }),
              "no such table: nincs\n\ninsert into ikt_mod (nev) values ('a'); insert into nincs "
              "values (1)\r\n");
    EXPECT_FALSE(DB().InTransaction());
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "2");
}

} // namespace
