// Detail datasets following a master through MasterSource and MasterFields.
#include "tests/sqlite/DatasetFixture.h"

#include "platform/data/TDataSource.h"
#include "sqlite/TSqlite3Table.h"

using sqlitetest::DatasetFixture;

namespace {

class MasterDetail : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        Exec("insert into ugy (nev, ev, szam) values ('Kovács kontra Szabó', 2009, 1)");
        Exec("insert into ugy (nev, ev, szam) values ('Nagy hagyaték', 2009, 2)");
        Exec("insert into ugy (nev, ev, szam) values ('Üres ügy', 2009, 3)");
        Exec("insert into ugyitem (ugy, megjegyzes) values (1, 'keresetlevél')");
        Exec("insert into ugyitem (ugy, megjegyzes) values (1, 'tárgyalás')");
        Exec("insert into ugyitem (ugy, megjegyzes) values (2, 'végrendelet')");
        FMaster = OpenQuery("select sorszam, nev from ugy order by sorszam");
        FSource = std::make_unique<TDataSource>(nullptr);
        FSource->SetDataSet(FMaster.get());
        FDetail = MakeQuery("select sorszam, ugy, megjegyzes from ugyitem");
        FDetail->SetName("Query2");
        FDetail->SetMasterSource(FSource.get());
        FDetail->SetMasterFields("ugy=sorszam");
    }
    void TearDown() override {
        FDetail.reset();
        FSource.reset();
        FMaster.reset();
        DatasetFixture::TearDown();
    }
    String DetailNotes() {
        String notes;
        for (FDetail->First(); !FDetail->Eof(); FDetail->Next())
            notes += FDetail->FieldByName("megjegyzes")->AsString() + ";";
        return notes;
    }
    std::unique_ptr<TSqlite3Query> FMaster;
    std::unique_ptr<TDataSource> FSource;
    std::unique_ptr<TSqlite3Query> FDetail;
};

TEST_F(MasterDetail, DetailShowsTheMastersRows) {
    FDetail->Open();
    EXPECT_EQ(FDetail->WorkingSQL(), "select sorszam, ugy, megjegyzes from ugyitem where ugy='1'");
    EXPECT_EQ(DetailNotes(), "keresetlevél;tárgyalás;");
}

TEST_F(MasterDetail, DetailFollowsTheMastersScroll) {
    FDetail->Open();
    FMaster->Next();
    EXPECT_TRUE(FDetail->Active());
    EXPECT_EQ(DetailNotes(), "végrendelet;");
    FMaster->Next();
    EXPECT_EQ(FDetail->RecordCount(), 0);
}

TEST_F(MasterDetail, OnlyTheLinkColumnShowsTheMastersValue) {
    FMaster->Next();
    FDetail->Open();
    // The detail's own key is named inside "ugy=sorszam" but is no link column.
    EXPECT_EQ(FDetail->FieldByName("sorszam")->AsInteger(), 3);
    EXPECT_EQ(FDetail->FieldByName("ugy")->AsInteger(), 2);
}

TEST_F(MasterDetail, WhereInCapitalsGetsAnAnd) {
    FDetail->SQL()->SetText("SELECT sorszam, ugy, megjegyzes FROM ugyitem WHERE megjegyzes LIKE 't%'");
    FDetail->Open();
    EXPECT_EQ(FDetail->WorkingSQL(),
              "SELECT sorszam, ugy, megjegyzes FROM ugyitem WHERE megjegyzes LIKE 't%' and ugy='1'");
    EXPECT_EQ(DetailNotes(), "tárgyalás;");
}

TEST_F(MasterDetail, EmptyMasterClosesTheDetail) {
    FDetail->Open();
    FMaster->SQL()->SetText("select sorszam, nev from ugy where 0");
    FMaster->Open();
    FMaster->First();
    EXPECT_FALSE(FDetail->Active());
    // A scroll reopens it on empty link values, which match nothing.
    FDetail->SQLiteMasterChanged(false);
    EXPECT_TRUE(FDetail->Active());
    EXPECT_EQ(FDetail->WorkingSQL(), "select sorszam, ugy, megjegyzes from ugyitem where ugy=''");
    EXPECT_EQ(FDetail->RecordCount(), 0);
}

TEST_F(MasterDetail, MasterValuesAreQuoted) {
    Exec("update ugy set nev = 'O''Brien' where sorszam = 1");
    FMaster->Refresh();
    FDetail->SetMasterFields("megjegyzes=nev");
    FDetail->Open();
    EXPECT_EQ(FDetail->WorkingSQL(),
              "select sorszam, ugy, megjegyzes from ugyitem where megjegyzes='O''Brien'");
    EXPECT_EQ(FDetail->BuildFilter(true), "1 = 0");
}

TEST_F(MasterDetail, LinkErrors) {
    FDetail->SetMasterFields("ugy");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { FDetail->Open(); }),
              "Syntax error: Masterfields not build of a=b;... pairs");
    FDetail->SetMasterFields("ugy=nincs");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FDetail->Open(); }), "Field 'nincs' not found");
    TDataSource empty(nullptr);
    FDetail->SetMasterSource(&empty);
    FDetail->SetMasterFields("ugy=sorszam");
    EXPECT_EQ(ErrorOf<SqliteError>([&] { FDetail->Open(); }), "master dataset undefined");
    FDetail->SetMasterSource(nullptr);
}

TEST_F(MasterDetail, CircularLinkIsRefused) {
    TDataSource own(nullptr);
    own.SetDataSet(FDetail.get());
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { FDetail->SetMasterSource(&own); }),
              "Query2: circular references are not allowed");
    EXPECT_EQ(FDetail->MasterSource(), FSource.get());
}

TEST_F(MasterDetail, DetailTableInsertTakesTheMastersValue) {
    TSqlite3Table items(nullptr);
    items.SetConnection(&DB());
    items.SetTableName("ugyitem");
    items.SetMasterSource(FSource.get());
    items.SetMasterFields("ugy=sorszam");
    FMaster->Next();
    items.Open();
    EXPECT_EQ(items.RecordCount(), 1);
    items.Append();
    items.FieldByName("megjegyzes")->SetAsString("hagyatéki végzés");
    items.Post();
    EXPECT_EQ(Scalar("select ugy from ugyitem where megjegyzes = 'hagyatéki végzés'"), "2");
    items.Close();
    items.SetMasterSource(nullptr);
}

TEST_F(MasterDetail, UnlinkedDetailNoLongerFollows) {
    FDetail->Open();
    FDetail->SetMasterSource(nullptr);
    FDetail->SQL()->SetText("select sorszam, ugy, megjegyzes from ugyitem where ugy=1");
    FDetail->Open();
    FMaster->Next();
    EXPECT_TRUE(FDetail->Active());
    EXPECT_EQ(DetailNotes(), "keresetlevél;tárgyalás;");
}

TEST_F(MasterDetail, DeletedDetailLeavesTheMaster) {
    FDetail->Open();
    FDetail.reset();
    FMaster->Next(); // no detail left to notify
    EXPECT_EQ(FMaster->RecNo(), 2);
}

} // namespace
