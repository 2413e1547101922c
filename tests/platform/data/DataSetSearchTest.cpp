#include "tests/platform/data/DataSetFixture.h"

#include "platform/core/Exceptions.h"
#include "platform/data/TStringField.h"

#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(DataSetBookmarks, GotoBookmarkReturnsToTheRecord) {
    auto ds = MakePeople(6);
    ds->MoveBy(3);
    TBookmark mark = ds->GetBookmark();
    ASSERT_FALSE(mark.empty());
    ds->First();
    ds->GotoBookmark(mark);
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 4);
    EXPECT_EQ(ds->RecNo(), 4);
    ds->FreeBookmark(mark);
    EXPECT_TRUE(mark.empty());
    ds->GotoBookmark(mark); // an empty bookmark goes nowhere
    EXPECT_EQ(ds->RecNo(), 4);
}

TEST(DataSetBookmarks, BookmarkSurvivesInsertsBeforeItsRecord) {
    auto ds = MakePeople(3);
    ds->Last();
    TBookmark mark = ds->GetBookmark();
    ds->First();
    ds->Insert();
    ds->FieldByName("nev")->SetAsString("Elöl");
    ds->Post();
    ds->GotoBookmark(mark);
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Cecília");
    EXPECT_EQ(ds->RecNo(), 4);
}

TEST(DataSetBookmarks, NoBookmarkOnAnEmptyDatasetOrANewRecord) {
    auto ds = MakePeople(0);
    EXPECT_TRUE(ds->GetBookmark().empty());
    ds->Append();
    EXPECT_TRUE(ds->GetBookmark().empty());
}

TEST(DataSetBookmarks, DeletedRecordsBookmarkIsInvalid) {
    auto ds = MakePeople(3);
    ds->Next();
    TBookmark mark = ds->GetBookmark();
    EXPECT_TRUE(ds->BookmarkValid(mark));
    ds->Delete();
    EXPECT_FALSE(ds->BookmarkValid(mark));
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->GotoBookmark(mark); }), "People: Bookmark not found");
}

TEST(DataSetBookmarks, CompareBookmarksFollowsRecordOrder) {
    auto ds = MakePeople(3);
    TBookmark first = ds->GetBookmark();
    ds->Last();
    TBookmark last = ds->GetBookmark();
    EXPECT_EQ(ds->CompareBookmarks(first, last), -1);
    EXPECT_EQ(ds->CompareBookmarks(last, first), 1);
    EXPECT_EQ(ds->CompareBookmarks(last, ds->GetBookmark()), 0);
    EXPECT_EQ(ds->CompareBookmarks(TBookmark(), last), 0);
}

TEST(DataSetFiltering, OnFilterRecordHidesRejectedRecords) {
    auto ds = MakePeople(6);
    ds->OnFilterRecord = [](TDataSet* d, bool& accept) {
        accept = d->FieldByName("id")->AsInteger() % 2 == 0;
    };
    EXPECT_EQ(WalkIds(*ds), (std::vector<Int64>{1, 2, 3, 4, 5, 6})); // not filtered yet
    ds->SetFiltered(true);
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 2); // switching on goes to the first
    EXPECT_EQ(WalkIds(*ds), (std::vector<Int64>{2, 4, 6}));
    ds->Last();
    ds->Prior();
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 4);
    ds->SetFiltered(false);
    EXPECT_EQ(WalkIds(*ds).size(), 6u);
}

TEST(DataSetFiltering, FilterRejectingEverythingLeavesAnEmptyView) {
    auto ds = MakePeople(3);
    ds->OnFilterRecord = [](TDataSet*, bool& accept) { accept = false; };
    ds->SetFiltered(true);
    EXPECT_TRUE(ds->IsEmpty());
    EXPECT_TRUE(ds->Bof() && ds->Eof());
}

TEST(DataSetFiltering, RaisingFilterLeavesTheTemporaryState) {
    auto ds = MakePeople(3);
    ds->OnFilterRecord = [](TDataSet*, bool&) { throw EDatabaseError("filter failed"); };
    EXPECT_THROW(ds->SetFiltered(true), EDatabaseError);
    EXPECT_EQ(ds->State(), dsBrowse);
    ds->OnFilterRecord = [](TDataSet* d, bool& accept) { accept = d->FieldByName("id")->AsInteger() != 2; };
    ds->SetFiltered(false);
    ds->SetFiltered(true);
    EXPECT_EQ(WalkIds(*ds), (std::vector<Int64>{1, 3}));
}

TEST(DataSetFiltering, FilteredOutBookmarkIsNotFound) {
    auto ds = MakePeople(3);
    TBookmark first = ds->GetBookmark();
    ds->OnFilterRecord = [](TDataSet* d, bool& accept) { accept = d->FieldByName("id")->AsInteger() > 1; };
    ds->SetFiltered(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->GotoBookmark(first); }), "People: Record not found");
}

TEST(DataSetLocate, FindsByTextWithOptions) {
    auto ds = MakePeople(5);
    ds->Last();
    EXPECT_FALSE(ds->Locate("nev", Variant("déN"), {}));
    EXPECT_EQ(ds->RecNo(), 5); // a failed search keeps the position
    EXPECT_FALSE(ds->Locate("nev", Variant("dén"), {loCaseInsensitive}));
    EXPECT_TRUE(ds->Locate("nev", Variant("déN"), {loCaseInsensitive, loPartialKey}));
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Dénes");
    EXPECT_TRUE(ds->Locate("nev", Variant("Béla"), {}));
    EXPECT_EQ(ds->RecNo(), 2);
}

TEST(DataSetLocate, SeveralKeysMustAllMatch) {
    auto ds = MakePeople(5);
    EXPECT_FALSE(ds->Locate("id;nev", std::vector<Variant>{Variant(3), Variant("Anna")}, {}));
    EXPECT_TRUE(ds->Locate("id; nev", std::vector<Variant>{Variant(3), Variant("Cecília")}, {}));
    EXPECT_EQ(ds->RecNo(), 3);
}

TEST(DataSetLocate, UnknownKeyFieldRaises) {
    auto ds = MakePeople(2);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Locate("kor", Variant(1), {}); }),
              "People: Field 'kor' not found");
}

TEST(DataSetLocate, ScrollEventsOnlyWhenFound) {
    auto ds = MakePeople(4);
    int scrolls = 0;
    ds->AfterScroll = [&](TDataSet*) { ++scrolls; };
    ds->Locate("id", Variant(9), {});
    EXPECT_EQ(scrolls, 0);
    ds->Locate("id", Variant(4), {});
    EXPECT_EQ(scrolls, 1);
}

TEST(DataSetLookup, AnswersWithoutMoving) {
    auto ds = MakePeople(5);
    ds->Next();
    EXPECT_EQ(ds->Lookup("id", Variant(4), "nev").AsString(), "Dénes");
    EXPECT_TRUE(ds->Lookup("id", Variant(42), "nev").IsNull());
    EXPECT_EQ(ds->RecNo(), 2);
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Béla");
}

TEST(DataSetLookup, SeveralResultFieldsAnswerAnArrayInTheirOrder) {
    auto ds = MakePeople(5);
    const Variant values = ds->Lookup("id", Variant(4), "nev;id");
    ASSERT_TRUE(VarIsArray(values));
    EXPECT_EQ(VarArrayHighBound(values, 1), 1);
    EXPECT_EQ(values[0].AsString(), "Dénes");
    EXPECT_EQ(values[1].AsInteger(), 4);
    EXPECT_EQ(ds->RecNo(), 1);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Lookup("id", Variant(4), "nev;nincs"); }),
              "People: Field 'nincs' not found");
}

TEST(DataSetCalcFields, OnCalcFieldsFillsCalculatedFieldsPerRecord) {
    auto ds = MakePeople(3, false);
    ds->FieldDefs()->Update();
    // Persistent fields: the two data fields and a calculated one.
    for (Integer i = 0; i < ds->FieldDefs()->Count(); ++i)
        ds->FieldDefs()->Items(i)->CreateField(ds.get());
    auto* label = new TStringField(ds.get());
    label->SetFieldName("cimke");
    label->SetFieldKind(fkCalculated);
    label->SetDataSet(ds.get());
    ds->OnCalcFields = [](TDataSet* d) {
        d->FieldByName("cimke")->SetAsString(d->FieldByName("id")->AsString() + ". " +
                                             d->FieldByName("nev")->AsString());
    };
    ds->Open();
    EXPECT_FALSE(ds->DefaultFields());
    EXPECT_EQ(label->AsString(), "1. Anna");
    ds->Last();
    EXPECT_EQ(label->AsString(), "3. Cecília");
    EXPECT_EQ(label->FieldNo(), -1);
    // Editing recalculates after each change.
    ds->Edit();
    ds->FieldByName("nev")->SetAsString("Cili");
    EXPECT_EQ(label->AsString(), "3. Cili");
    ds->Close();
    EXPECT_EQ(ds->FieldCount(), 3); // persistent fields stay
}

TEST(DataSetCalcFields, PersistentFieldWithoutColumnStopsTheOpen) {
    auto ds = MakePeople(1, false);
    auto* ghost = new TStringField(ds.get());
    ghost->SetFieldName("nincs");
    ghost->SetDataSet(ds.get());
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Open(); }), "People: Field 'nincs' not found");
    EXPECT_FALSE(ds->Active());
}
