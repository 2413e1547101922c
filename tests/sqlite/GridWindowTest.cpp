// What a grid sees of a query dataset: the window of buffered records while the
// dataset moves, and each row of the window read through ActiveRecord.
#include "tests/sqlite/DatasetFixture.h"

#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"

using sqlitetest::DatasetFixture;

namespace {

class GridWindow : public DatasetFixture {
protected:
    void SetUp() override {
        DatasetFixture::SetUp();
        for (int i = 1; i <= 7; ++i)
            Exec("insert into ikt_mod (nev) values ('sor" + std::to_string(i) + "')");
        FQuery = OpenQuery("select nev from ikt_mod order by sorszam");
        FSource = std::make_unique<TDataSource>(nullptr);
        FSource->SetDataSet(FQuery.get());
        FLink = std::make_unique<TDataLink>();
        FLink->SetBufferCount(3);
        FLink->SetDataSource(FSource.get());
    }
    void TearDown() override {
        FLink.reset();
        FSource.reset();
        FQuery.reset();
        DatasetFixture::TearDown();
    }
    // The names in the window, top to bottom, the active one in brackets.
    String Window() {
        const Integer active = FLink->ActiveRecord();
        String text;
        for (Integer i = 0; i < FLink->RecordCount(); ++i) {
            FLink->SetActiveRecord(i);
            const String name = FQuery->FieldByName("nev")->AsString();
            text += i == active ? "[" + name + "]" : name;
            text += " ";
        }
        FLink->SetActiveRecord(active);
        return text;
    }
    std::unique_ptr<TSqlite3Query> FQuery;
    std::unique_ptr<TDataSource> FSource;
    std::unique_ptr<TDataLink> FLink;
};

TEST_F(GridWindow, WindowFollowsTheCursor) {
    EXPECT_EQ(Window(), "[sor1] sor2 sor3 ");
    FQuery->MoveBy(3);
    EXPECT_EQ(Window(), "sor2 sor3 [sor4] ");
    FQuery->Last();
    EXPECT_EQ(Window(), "sor5 sor6 [sor7] ");
    FQuery->Prior();
    EXPECT_EQ(Window(), "sor5 [sor6] sor7 ");
}

TEST_F(GridWindow, RecNoAndBookmarksRefillTheWindow) {
    FQuery->SetRecNo(5);
    EXPECT_EQ(FQuery->FieldByName("nev")->AsString(), "sor5");
    EXPECT_EQ(FQuery->RecNo(), 5);
    const TBookmark mark = FQuery->GetBookmark();
    FQuery->First();
    FQuery->GotoBookmark(mark);
    EXPECT_EQ(FQuery->RecNo(), 5);
    EXPECT_EQ(FQuery->FieldByName("nev")->AsString(), "sor5");
}

TEST_F(GridWindow, InsertInTheMiddleKeepsTheOrder) {
    TSqlite3UpdateSQL update(nullptr);
    update.InsertSQL()->SetText("insert into ikt_mod (nev) values (:nev)");
    FQuery->SetUpdateSQL(&update);
    FQuery->SetRecNo(2);
    FQuery->Insert();
    FQuery->FieldByName("nev")->SetAsString("új");
    FQuery->Post();
    EXPECT_EQ(FQuery->RecNo(), 2);
    EXPECT_EQ(FQuery->RecordCount(), 8);
    String names;
    for (FQuery->First(); !FQuery->Eof(); FQuery->Next())
        names += FQuery->FieldByName("nev")->AsString() + ",";
    EXPECT_EQ(names, "sor1,új,sor2,sor3,sor4,sor5,sor6,sor7,");
    FQuery->SetUpdateSQL(nullptr);
}

} // namespace
