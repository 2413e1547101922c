#include "tests/platform/data/DataSetFixture.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(DataSetNavigation, OpenLandsOnFirstRecordAtBof) {
    auto ds = MakePeople(3);
    EXPECT_TRUE(ds->Active());
    EXPECT_EQ(ds->State(), dsBrowse);
    EXPECT_TRUE(ds->Bof());
    EXPECT_FALSE(ds->Eof());
    EXPECT_EQ(ds->RecNo(), 1);
    EXPECT_EQ(ds->RecordCount(), 3);
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Anna");
}

TEST(DataSetNavigation, NextWalksToEofAndStaysOnLastRecord) {
    auto ds = MakePeople(3);
    EXPECT_EQ(WalkIds(*ds), (std::vector<Int64>{1, 2, 3}));
    EXPECT_TRUE(ds->Eof());
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 3);
    EXPECT_EQ(ds->RecNo(), 3);
    ds->Next(); // a further Next at the end changes nothing
    EXPECT_TRUE(ds->Eof());
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 3);
}

TEST(DataSetNavigation, PriorFromLastWalksBackToBof) {
    auto ds = MakePeople(4);
    ds->Last();
    EXPECT_TRUE(ds->Eof());
    EXPECT_EQ(ds->RecNo(), 4);
    std::vector<Int64> ids;
    while (!ds->Bof()) {
        ids.push_back(ds->FieldByName("id")->AsInteger());
        ds->Prior();
    }
    EXPECT_EQ(ids, (std::vector<Int64>{4, 3, 2, 1}));
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 1);
}

TEST(DataSetNavigation, EmptyDatasetIsAtBothEnds) {
    auto ds = MakePeople(0);
    EXPECT_TRUE(ds->Bof());
    EXPECT_TRUE(ds->Eof());
    EXPECT_TRUE(ds->IsEmpty());
    EXPECT_EQ(ds->RecNo(), 0);
    EXPECT_EQ(ds->RecordCount(), 0);
    ds->Next();
    ds->Last();
    ds->Prior();
    ds->First();
    EXPECT_TRUE(ds->Bof() && ds->Eof());
    EXPECT_TRUE(ds->FieldByName("nev")->IsNull());
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "");
}

TEST(DataSetNavigation, MoveByAnswersTheDistanceMovedAndStopsAtTheEnds) {
    auto ds = MakePeople(5);
    EXPECT_EQ(ds->MoveBy(2), 2);
    EXPECT_EQ(ds->RecNo(), 3);
    EXPECT_EQ(ds->MoveBy(10), 2); // only two more records
    EXPECT_TRUE(ds->Eof());
    EXPECT_EQ(ds->RecNo(), 5);
    EXPECT_EQ(ds->MoveBy(-10), -4);
    EXPECT_TRUE(ds->Bof());
    EXPECT_EQ(ds->MoveBy(0), 0);
}

TEST(DataSetNavigation, SetRecNoMovesAndIgnoresNumbersOutOfRange) {
    auto ds = MakePeople(5);
    ds->SetRecNo(4);
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 4);
    ds->SetRecNo(0);
    ds->SetRecNo(6);
    EXPECT_EQ(ds->RecNo(), 4);
}

TEST(DataSetNavigation, MoveByPostsAModifiedRecordFirst) {
    auto ds = MakePeople(3);
    ds->Edit();
    ds->FieldByName("nev")->SetAsString("Aranka");
    ds->Next();
    EXPECT_EQ(ds->State(), dsBrowse);
    EXPECT_EQ(ds->RecNo(), 2);
    EXPECT_EQ(std::get<String>(ds->RowValue(0, 1)), "Aranka");
}

TEST(DataSetNavigation, MoveByCancelsAnUnmodifiedInsert) {
    auto ds = MakePeople(3);
    ds->Next();
    ds->Insert();
    ds->Next();
    EXPECT_EQ(ds->State(), dsBrowse);
    EXPECT_EQ(ds->RowCount(), 3);
}

TEST(DataSetNavigation, ClosedDatasetRefusesToMove) {
    auto ds = MakePeople(3, false);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Next(); }),
              "People: Cannot perform this operation on a closed dataset");
}

TEST(DataSetNavigation, UnidirectionalDatasetRefusesToGoBack) {
    auto ds = MakePeople(3, false);
    ds->SetUniDirectional(true);
    ds->Open();
    ds->Next();
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 2);
    for (auto move : {+[](TDataSet& d) { d.Prior(); }, +[](TDataSet& d) { d.Last(); }}) {
        EXPECT_EQ(ErrorOf<EDatabaseError>([&] { move(*ds); }),
                  "People: Operation not allowed on a unidirectional dataset");
    }
    ds->Next();
    ds->Next();
    EXPECT_TRUE(ds->Eof());
    ds->First();
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 1);
}

TEST(DataSetNavigation, UniDirectionalCannotChangeWhileOpen) {
    auto ds = MakePeople(1);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->SetUniDirectional(true); }),
              "People: Cannot perform this operation on an open dataset");
}

TEST(DataSetNavigation, RefreshKeepsTheCurrentRecord) {
    auto ds = MakePeople(5);
    ds->MoveBy(3);
    ds->Refresh();
    EXPECT_EQ(ds->RecNo(), 4);
}

TEST(DataSetNavigation, ScrollEventsSurroundEveryMove) {
    auto ds = MakePeople(3);
    std::vector<String> log;
    ds->BeforeScroll = [&](TDataSet* d) { log.push_back("before " + d->FieldByName("nev")->AsString()); };
    ds->AfterScroll = [&](TDataSet* d) { log.push_back("after " + d->FieldByName("nev")->AsString()); };
    ds->Next();
    ds->Last();
    EXPECT_EQ(log, (std::vector<String>{"before Anna", "after Béla", "before Béla", "after Cecília"}));
}

TEST(DataSetNavigation, OpenAndCloseEventsInOrder) {
    auto ds = MakePeople(2, false);
    std::vector<String> log;
    ds->BeforeOpen = [&](TDataSet*) { log.push_back("BeforeOpen"); };
    ds->AfterOpen = [&](TDataSet*) { log.push_back("AfterOpen"); };
    ds->AfterScroll = [&](TDataSet*) { log.push_back("AfterScroll"); };
    ds->BeforeClose = [&](TDataSet*) { log.push_back("BeforeClose"); };
    ds->AfterClose = [&](TDataSet*) { log.push_back("AfterClose"); };
    ds->Open();
    ds->Open(); // already open: nothing
    ds->Close();
    EXPECT_EQ(log,
              (std::vector<String>{"BeforeOpen", "AfterOpen", "AfterScroll", "BeforeClose", "AfterClose"}));
    EXPECT_EQ(ds->State(), dsInactive);
    EXPECT_EQ(ds->FieldCount(), 0); // default fields go with the cursor
}
