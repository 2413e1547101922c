// The query dataset: opening, moving, record numbers, bookmarks, limits,
// filters, parameters and ExecSQL on a real database file.
#include "tests/sqlite/DatasetFixture.h"

#include "sqlite/TFResult.h"

#include <cstring>

using sqlitetest::DatasetFixture;

namespace {

// Reaches the record-buffer contract the platform calls.
class ProbeQuery : public TSqlite3Query {
public:
    using TSqlite3Query::TSqlite3Query;
    TGetResult Fetch(TGetMode mode, bool check) {
        TRecordBuffer buffer = AllocRecordBuffer();
        struct Release {
            ProbeQuery* Self;
            TRecordBuffer& Buffer;
            ~Release() { Self->FreeRecordBuffer(Buffer); }
        } release{this, buffer};
        return GetRecord(buffer, mode, check);
    }
    void Rewind() { InternalFirst(); }
};

class QueryDataset : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        for (int i = 1; i <= 5; ++i)
            Exec("insert into ikt_mod (nev) values ('mod" + std::to_string(i) + "')");
    }
    std::unique_ptr<TSqlite3Query> Mods() {
        return OpenQuery("select sorszam, nev from ikt_mod order by sorszam");
    }
};

TEST_F(QueryDataset, EmptyResultIsAtEofWithNoRecords) {
    auto q = OpenQuery("select * from ikt_mod where sorszam > 100");
    EXPECT_TRUE(q->Active());
    EXPECT_TRUE(q->Eof());
    EXPECT_TRUE(q->Bof());
    EXPECT_EQ(q->RecordCount(), 0);
    EXPECT_EQ(q->RecNo(), 0);
    EXPECT_EQ(q->FieldCount(), 3);
}

TEST_F(QueryDataset, WalksEveryRowInOrder) {
    auto q = Mods();
    EXPECT_EQ(q->RecordCount(), 5);
    String names;
    for (q->First(); !q->Eof(); q->Next())
        names += q->FieldByName("nev")->AsString() + ",";
    EXPECT_EQ(names, "mod1,mod2,mod3,mod4,mod5,");
    q->Prior();
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod4");
    q->Last();
    EXPECT_EQ(q->RecNo(), 5);
}

TEST_F(QueryDataset, RecNoIsClampedToTheRows) {
    auto q = Mods();
    q->SetRecNo(3);
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod3");
    q->SetRecNo(6); // one past the last lands on the last
    EXPECT_EQ(q->RecNo(), 5);
    q->SetRecNo(0); // before the first lands on the first
    EXPECT_EQ(q->RecNo(), 1);
    q->SetRecNo(3);
    q->SetRecNo(7); // further out is ignored
    q->SetRecNo(-1);
    EXPECT_EQ(q->RecNo(), 3);
}

TEST_F(QueryDataset, RefreshKeepsTheRecordNumber) {
    auto q = Mods();
    q->SetRecNo(4);
    Exec("delete from ikt_mod where nev = 'mod1'");
    q->Refresh();
    EXPECT_EQ(q->RecNo(), 4);
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod5");
    EXPECT_EQ(q->RecordCount(), 4);
}

TEST_F(QueryDataset, BookmarksAreStoreIntegersFromZero) {
    auto q = Mods();
    q->SetRecNo(2);
    const TBookmark second = q->GetBookmark();
    ASSERT_EQ(second.size(), 4u);
    Integer value;
    std::memcpy(&value, second.data(), 4);
    EXPECT_EQ(value, 1);
    q->Last();
    const TBookmark last = q->GetBookmark();
    EXPECT_EQ(q->CompareBookmarks(second, last), -1);
    EXPECT_EQ(q->CompareBookmarks(last, second), 1);
    EXPECT_EQ(q->CompareBookmarks(second, second), 0);
    EXPECT_EQ(q->CompareBookmarks(second, TBookmark()), 0);
    q->GotoBookmark(second);
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod2");
    EXPECT_TRUE(q->BookmarkValid(second));
}

TEST_F(QueryDataset, UnknownBookmarkRaises) {
    auto q = Mods();
    TBookmark missing(4, 0);
    missing[0] = 42;
    EXPECT_FALSE(q->BookmarkValid(missing));
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { q->GotoBookmark(missing); }), "Bookmark not found");
}

TEST_F(QueryDataset, OffsetWithoutLimitUsesLimitMinusOne) {
    auto q = MakeQuery("select nev from ikt_mod order by sorszam");
    q->SetStartResult(3);
    q->Open();
    EXPECT_EQ(q->MaxResults(), -1);
    EXPECT_EQ(q->WorkingSQL(), "select nev from ikt_mod order by sorszam limit -1 offset 3");
    EXPECT_EQ(q->RecordCount(), 2);
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod4");
}

TEST_F(QueryDataset, FilterWrapsTheStatement) {
    auto q = MakeQuery("select nev, aktiv from ikt_mod");
    Exec("update ikt_mod set aktiv = 0 where nev in ('mod2', 'mod4')");
    q->SetFilter("aktiv=1");
    q->SetFiltered(true);
    q->Open();
    EXPECT_EQ(q->WorkingSQL(), "select * from (select nev, aktiv from ikt_mod) where aktiv=1");
    EXPECT_EQ(q->RecordCount(), 3);
    // A new filter text on an open query reopens it at once.
    q->SetFilter("aktiv=0");
    EXPECT_TRUE(q->Active());
    EXPECT_EQ(q->RecordCount(), 2);
}

TEST_F(QueryDataset, NamedMarkersBecomeParameters) {
    auto q = MakeQuery("select nev from ikt_mod where sorszam=:id");
    ASSERT_EQ(q->Params()->Count(), 1);
    EXPECT_EQ(q->Params()->Items(0)->Name(), "id");
    q->Params()->Items(0)->SetAsInteger(3);
    q->Open();
    EXPECT_EQ(q->RecordCount(), 1);
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod3");
}

TEST_F(QueryDataset, RawSQLCreatesNoParameter) {
    auto q = MakeQuery("select nev, ':x' as c from ikt_mod where sorszam=1");
    q->SetRawSQL(true);
    q->SQL()->SetText("select nev from ikt_mod where sorszam=:id");
    EXPECT_EQ(q->Params()->Count(), 0);
    EXPECT_EQ(q->PreparedSQL(), "select nev from ikt_mod where sorszam=:id\r\n");
}

TEST_F(QueryDataset, ChangingTheTextClosesTheQuery) {
    auto q = Mods();
    q->SQL()->Add("limit 1");
    EXPECT_FALSE(q->Active());
    q->Open();
    EXPECT_EQ(q->RecordCount(), 1);
}

TEST_F(QueryDataset, ExecSQLRunsAndLeavesTheQueryClosed) {
    auto q = MakeQuery("delete from ikt_mod where sorszam=:id");
    q->Params()->Items(0)->SetAsInteger(2);
    q->ExecSQL();
    EXPECT_FALSE(q->Active());
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "4");
    // Opening the same text again runs it and shows a closed dataset.
    q->Params()->Items(0)->SetAsInteger(3);
    q->Open();
    EXPECT_FALSE(q->Active());
    EXPECT_EQ(Scalar("select count(*) from ikt_mod"), "3");
}

TEST_F(QueryDataset, OpenConnectsTheConnection) {
    DB().SetConnected(false);
    auto q = Mods();
    EXPECT_TRUE(DB().Connected());
    EXPECT_EQ(q->RecordCount(), 5);
}

TEST_F(QueryDataset, DisconnectClosesTheOwnersDatasets) {
    TComponent owner(nullptr);
    auto* db = new TSqlite3DB(&owner);
    db->SetDefaultDir(FDir.Path());
    db->SetDatabase("office.s3db");
    db->SetCharacterEncoding("STANDARD");
    auto* q = new TSqlite3Query(&owner);
    q->SetConnection(db);
    q->SQL()->SetText("select * from ikt_mod");
    q->Open();
    EXPECT_TRUE(db->Connected());
    db->SetConnected(false);
    EXPECT_FALSE(q->Active());
}

TEST_F(QueryDataset, OpenFailures) {
    auto empty = MakeQuery("  ");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { empty->Open(); }), "no query specified");
    EXPECT_FALSE(empty->Active());

    auto unbound = std::make_unique<TSqlite3Query>(nullptr);
    unbound->SQL()->SetText("select 1");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { unbound->Open(); }), "no database connection");

    auto bad = MakeQuery("select * from nosuchtable");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { bad->Open(); }),
              "no such table: nosuchtable\n\nselect * from nosuchtable");
    EXPECT_FALSE(bad->Active());
}

TEST_F(QueryDataset, CurrentRecordOfAnEmptyResultSaysNoRecords) {
    auto q = OpenQuery("select * from ikt_mod where 0");
    // An edit on an empty dataset inserts; cancelling it brings back the empty view.
    q->Insert();
    q->Cancel();
    EXPECT_EQ(q->RecordCount(), 0);
}

TEST_F(QueryDataset, OneDirectionalReadsForwardOnly) {
    auto q = MakeQuery("select nev from ikt_mod order by sorszam");
    q->SetUniDirectional(true);
    q->Open();
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod1");
    q->Next();
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod2");
    EXPECT_EQ(q->RecordCount(), 0);
    EXPECT_EQ(q->RecNo(), 0);
    // The platform refuses before asking the dataset for a prior row.
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { q->Prior(); }),
              "Operation not allowed on a unidirectional dataset");
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod2");
}

TEST_F(QueryDataset, RecordContractAnswers) {
    ProbeQuery q(nullptr);
    q.SetConnection(&DB());
    q.SQL()->SetText("select nev from ikt_mod order by sorszam");
    q.Open();
    q.Rewind();
    EXPECT_EQ(q.Fetch(gmCurrent, false), grError);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { q.Fetch(gmCurrent, true); }), "No Records");
    EXPECT_EQ(q.Fetch(gmPrior, false), grBOF);
    EXPECT_EQ(q.Fetch(gmNext, false), grOK);

    ProbeQuery oneWay(nullptr);
    oneWay.SetConnection(&DB());
    oneWay.SQL()->SetText("select nev from ikt_mod");
    oneWay.SetUniDirectional(true);
    oneWay.Open();
    EXPECT_EQ(ErrorOf<SqliteError>([&] { oneWay.Fetch(gmPrior, false); }),
              "operation PRIOR not allowed on unidirectional dataset");
}

TEST_F(QueryDataset, RecNoOfAClosedQuery) {
    auto q = MakeQuery("select nev from ikt_mod");
    q->SetRecNo(2);
    EXPECT_EQ(q->RecNo(), 0);
    EXPECT_FALSE(q->Active());
}

TEST_F(QueryDataset, OneDirectionalFirstStartsOver) {
    auto q = MakeQuery("select nev from ikt_mod order by sorszam");
    q->SetUniDirectional(true);
    q->Open();
    int rows = 0;
    for (; !q->Eof(); q->Next())
        ++rows;
    EXPECT_EQ(rows, 5);
    q->First();
    EXPECT_FALSE(q->Eof());
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod1");
    rows = 0;
    for (; !q->Eof(); q->Next())
        ++rows;
    EXPECT_EQ(rows, 5);
}

TEST_F(QueryDataset, OneDirectionalBindsItsParameters) {
    auto q = MakeQuery("select nev from ikt_mod where sorszam > :min order by sorszam");
    q->SetUniDirectional(true);
    q->Params()->Items(0)->SetAsInteger(3);
    q->Open();
    EXPECT_EQ(q->FieldByName("nev")->AsString(), "mod4");
}

} // namespace
