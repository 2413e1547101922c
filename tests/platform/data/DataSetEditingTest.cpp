#include "tests/platform/data/DataSetFixture.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

// Records every edit-cycle event of a dataset by name.
struct EventLog {
    std::vector<String> Events;

    void Attach(TDataSet& ds) {
        auto add = [this](const char* name) { return [this, name](TDataSet*) { Events.push_back(name); }; };
        ds.BeforeInsert = add("BeforeInsert");
        ds.AfterInsert = add("AfterInsert");
        ds.BeforeEdit = add("BeforeEdit");
        ds.AfterEdit = add("AfterEdit");
        ds.BeforePost = add("BeforePost");
        ds.AfterPost = add("AfterPost");
        ds.BeforeCancel = add("BeforeCancel");
        ds.AfterCancel = add("AfterCancel");
        ds.BeforeDelete = add("BeforeDelete");
        ds.AfterDelete = add("AfterDelete");
        ds.BeforeScroll = add("BeforeScroll");
        ds.AfterScroll = add("AfterScroll");
        ds.OnNewRecord = add("OnNewRecord");
    }
};

std::vector<String> Names(TMemDataSet& ds) {
    std::vector<String> names;
    for (Integer i = 0; i < ds.RowCount(); ++i)
        names.push_back(std::get<String>(ds.RowValue(i, 1)));
    return names;
}

} // namespace

TEST(DataSetEditing, InsertPutsTheNewRecordBeforeTheCurrentOne) {
    auto ds = MakePeople(3);
    ds->Next();
    EventLog log;
    log.Attach(*ds);
    ds->Insert();
    EXPECT_EQ(ds->State(), dsInsert);
    EXPECT_TRUE(ds->FieldByName("nev")->IsNull());
    ds->FieldByName("id")->SetAsInteger(9);
    ds->FieldByName("nev")->SetAsString("Zoltán");
    ds->Post();
    EXPECT_EQ(log.Events, (std::vector<String>{"BeforeInsert", "BeforeScroll", "OnNewRecord", "AfterInsert",
                                               "AfterScroll", "BeforePost", "AfterPost"}));
    EXPECT_EQ(Names(*ds), (std::vector<String>{"Anna", "Zoltán", "Béla", "Cecília"}));
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Zoltán");
    EXPECT_EQ(ds->RecNo(), 2);
    EXPECT_EQ(ds->RecordCount(), 4);
}

TEST(DataSetEditing, AppendAddsAtTheEndWhereverTheCursorIs) {
    auto ds = MakePeople(3);
    ds->Append();
    ds->FieldByName("nev")->SetAsString("Zoltán");
    ds->Post();
    EXPECT_EQ(Names(*ds), (std::vector<String>{"Anna", "Béla", "Cecília", "Zoltán"}));
    EXPECT_EQ(ds->RecNo(), 4);
    EXPECT_TRUE(ds->FieldByName("id")->IsNull());
}

TEST(DataSetEditing, InsertIntoAnEmptyDataset) {
    auto ds = MakePeople(0);
    ds->Insert();
    ds->FieldByName("nev")->SetAsString("Első");
    ds->Post();
    EXPECT_EQ(Names(*ds), (std::vector<String>{"Első"}));
    EXPECT_FALSE(ds->IsEmpty());
    EXPECT_EQ(ds->RecNo(), 1);
}

TEST(DataSetEditing, EditPostWritesTheRecordAndFiresEventsInOrder) {
    auto ds = MakePeople(3);
    ds->Last();
    EventLog log;
    log.Attach(*ds);
    ds->Edit();
    EXPECT_EQ(ds->State(), dsEdit);
    EXPECT_FALSE(ds->Modified());
    ds->FieldByName("nev")->SetAsString("Cili");
    EXPECT_TRUE(ds->Modified());
    ds->Post();
    EXPECT_EQ(log.Events, (std::vector<String>{"BeforeEdit", "AfterEdit", "BeforePost", "AfterPost"}));
    EXPECT_EQ(Names(*ds), (std::vector<String>{"Anna", "Béla", "Cili"}));
    EXPECT_EQ(ds->State(), dsBrowse);
    EXPECT_EQ(ds->RecNo(), 3);
}

TEST(DataSetEditing, CancelDropsTheChanges) {
    auto ds = MakePeople(3);
    ds->Edit();
    ds->FieldByName("nev")->SetAsString("Aranka");
    EventLog log;
    log.Attach(*ds);
    ds->Cancel();
    EXPECT_EQ(log.Events, (std::vector<String>{"BeforeCancel", "AfterCancel"}));
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Anna");
    EXPECT_EQ(Names(*ds), (std::vector<String>{"Anna", "Béla", "Cecília"}));
}

TEST(DataSetEditing, CancelOfAnInsertScrollsBack) {
    auto ds = MakePeople(3);
    ds->Next();
    ds->Insert();
    EventLog log;
    log.Attach(*ds);
    ds->Cancel();
    EXPECT_EQ(log.Events,
              (std::vector<String>{"BeforeCancel", "BeforeScroll", "AfterCancel", "AfterScroll"}));
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Béla");
    EXPECT_EQ(ds->RowCount(), 3);
}

TEST(DataSetEditing, DeleteMovesToTheNextRecordOrTheNewLast) {
    auto ds = MakePeople(3);
    ds->Next();
    EventLog log;
    log.Attach(*ds);
    ds->Delete();
    EXPECT_EQ(log.Events,
              (std::vector<String>{"BeforeDelete", "BeforeScroll", "AfterDelete", "AfterScroll"}));
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Cecília");
    ds->Delete(); // the last row: the new last becomes current
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Anna");
    ds->Delete();
    EXPECT_TRUE(ds->IsEmpty());
    EXPECT_TRUE(ds->Bof() && ds->Eof());
}

TEST(DataSetEditing, DeleteDuringInsertCancelsIt) {
    auto ds = MakePeople(2);
    ds->Append();
    ds->Delete();
    EXPECT_EQ(ds->State(), dsBrowse);
    EXPECT_EQ(ds->RowCount(), 2);
}

TEST(DataSetEditing, EditOnAnEmptyDatasetInserts) {
    auto ds = MakePeople(0);
    ds->Edit();
    EXPECT_EQ(ds->State(), dsInsert);
}

TEST(DataSetEditing, ErrorsOfTheEditCycle) {
    auto ds = MakePeople(0);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Delete(); }),
              "People: Cannot perform this operation on an empty dataset");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Post(); }), "People: Dataset not in edit or insert mode");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->FieldByName("nev")->SetAsString("x"); }),
              "People: Dataset not in edit or insert mode");
    ds->SetReadOnly(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Append(); }), "People: Cannot modify a read-only dataset");
    ds->Close();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Append(); }),
              "People: Cannot perform this operation on a closed dataset");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Delete(); }),
              "People: Cannot perform this operation on a closed dataset");
}

TEST(DataSetEditing, RequiredFieldWithoutValueStopsThePost) {
    auto ds = MakePeople(1);
    ds->FieldByName("nev")->SetRequired(true);
    ds->FieldByName("nev")->SetDisplayLabel("Név");
    ds->Append();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->Post(); }), "Field 'Név' must have a value");
    EXPECT_EQ(ds->State(), dsInsert); // still editing: the user can fill it in
    ds->FieldByName("nev")->SetAsString("Ottó");
    ds->Post();
    EXPECT_EQ(ds->RowCount(), 2);
}

TEST(DataSetEditing, ReadOnlyFieldRefusesAValue) {
    auto ds = MakePeople(1);
    ds->FieldByName("id")->SetReadOnly(true);
    ds->Edit();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ds->FieldByName("id")->SetAsInteger(5); }),
              "Field 'id' cannot be modified");
    EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 1);
}

TEST(DataSetEditing, PostErrorHandlerDecidesWhatHappens) {
    auto ds = MakePeople(1);
    ds->FieldByName("nev")->SetRequired(true);
    ds->Append();
    int calls = 0;
    // Retry after filling in the value: the post goes through.
    ds->OnPostError = [&](TDataSet* d, EDatabaseError& e, TDataAction& action) {
        ++calls;
        EXPECT_EQ(e.Message(), "Field 'nev' must have a value");
        d->FieldByName("nev")->SetAsString("Pótolt");
        action = daRetry;
    };
    ds->Post();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(ds->RowCount(), 2);
    // Abort: a silent EAbort instead of the error.
    ds->Append();
    ds->OnPostError = [](TDataSet*, EDatabaseError&, TDataAction& action) { action = daAbort; };
    EXPECT_THROW(ds->Post(), EAbort);
    EXPECT_EQ(ds->State(), dsInsert);
}

TEST(DataSetEditing, FailingOnNewRecordLeavesTheDatasetBrowsing) {
    auto ds = MakePeople(2);
    ds->Next();
    ds->OnNewRecord = [](TDataSet*) { throw EDatabaseError("no new record"); };
    EXPECT_THROW(ds->Insert(), EDatabaseError);
    EXPECT_EQ(ds->State(), dsBrowse);
    EXPECT_EQ(ds->FieldByName("nev")->AsString(), "Béla");
    EXPECT_EQ(ds->RowCount(), 2);
}

TEST(DataSetEditing, OnNewRecordCanFillDefaults) {
    auto ds = MakePeople(1);
    ds->OnNewRecord = [](TDataSet* d) { d->FieldByName("nev")->SetAsString("Új"); };
    ds->Append();
    EXPECT_FALSE(ds->Modified()); // defaults alone do not make the record modified
    ds->Post();
    EXPECT_EQ(std::get<String>(ds->RowValue(1, 1)), "Új");
}

TEST(DataSetEditing, FieldChangeFiresOnChangeAndMarksModified) {
    auto ds = MakePeople(1);
    TField* nev = ds->FieldByName("nev");
    std::vector<String> seen;
    nev->OnChange = [&](TField* f) { seen.push_back(f->AsString()); };
    ds->Edit();
    nev->SetAsString("Anikó");
    nev->Clear();
    EXPECT_EQ(seen, (std::vector<String>{"Anikó", ""}));
    EXPECT_TRUE(ds->Modified());
    ds->Post();
    EXPECT_TRUE(FieldDataIsNull(ds->RowValue(0, 1)));
}
