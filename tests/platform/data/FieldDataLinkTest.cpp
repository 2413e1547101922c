// The field link of a data-aware control: binding by name, which
// notifications reach it, when its value is asked for, and when it may edit.
#include "tests/platform/data/DataSetFixture.h"

#include "platform/core/TComponent.h"
#include "platform/data/DatabaseError.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TFieldDataLink.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

struct Bound {
    std::unique_ptr<TMemDataSet> Data = MakePeople(3, false);
    std::unique_ptr<TDataSource> Source = std::make_unique<TDataSource>(nullptr);
    TComponent Control{nullptr};
    TFieldDataLink Link;
    int DataChanges = 0;
    int EditingChanges = 0;
    int Updates = 0;

    explicit Bound(const String& Field = "nev") {
        Control.SetName("Edit1");
        Source->SetDataSet(Data.get());
        Link.SetControl(&Control);
        Link.OnDataChange = [this](TObject*) { ++DataChanges; };
        Link.OnEditingChange = [this](TObject*) { ++EditingChanges; };
        Link.OnUpdateData = [this](TObject*) {
            ++Updates;
            Link.Field()->SetAsString("írt");
        };
        Link.SetFieldName(Field);
        Link.SetDataSource(Source.get());
    }
    ~Bound() { Link.SetDataSource(nullptr); }
};

TEST(FieldDataLink, BindsOnOpenAndLetsGoOnClose) {
    Bound b;
    EXPECT_EQ(b.Link.Field(), nullptr);
    b.Data->Open();
    ASSERT_NE(b.Link.Field(), nullptr);
    EXPECT_EQ(b.Link.Field()->FieldName(), "nev");
    EXPECT_GE(b.DataChanges, 1);
    b.Data->Close();
    EXPECT_EQ(b.Link.Field(), nullptr);
}

TEST(FieldDataLink, RenamingOnAnOpenDatasetRebinds) {
    Bound b;
    b.Data->Open();
    b.DataChanges = 0;
    b.Link.SetFieldName("id");
    EXPECT_EQ(b.Link.Field()->FieldName(), "id");
    EXPECT_EQ(b.DataChanges, 1);
}

TEST(FieldDataLink, UnknownNameRaisesWithTheControlsName) {
    Bound b;
    b.Data->Open();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { b.Link.SetFieldName("nincs"); }),
              "Edit1: Field 'nincs' not found");
    EXPECT_EQ(b.Link.Field(), nullptr); // no pointer to the old field is kept
}

TEST(FieldDataLink, OnlyItsOwnFieldsChangesReachIt) {
    Bound b;
    b.Data->Open();
    b.Data->Edit();
    b.DataChanges = 0;
    b.Data->FieldByName("id")->SetAsInteger(9);
    EXPECT_EQ(b.DataChanges, 0);
    b.Data->FieldByName("nev")->SetAsString("Zita");
    EXPECT_EQ(b.DataChanges, 1);
    b.Data->Cancel();
    b.DataChanges = 0;
    b.Data->Next(); // a scroll is a change of every field
    EXPECT_EQ(b.DataChanges, 1);
}

TEST(FieldDataLink, ValueIsAskedForOnlyWhenModified) {
    Bound b;
    b.Data->Open();
    ASSERT_TRUE(b.Link.Edit());
    b.Data->Post();
    EXPECT_EQ(b.Updates, 0);
    ASSERT_TRUE(b.Link.Edit());
    b.Link.Modified();
    b.Data->Post();
    EXPECT_EQ(b.Updates, 1);
    EXPECT_EQ(b.Data->FieldByName("nev")->AsString(), "írt");
}

TEST(FieldDataLink, ResetDropsTheChange) {
    Bound b;
    b.Data->Open();
    b.Link.Edit();
    b.Link.Modified();
    b.Link.Reset();
    EXPECT_FALSE(b.Link.IsModified());
    b.Data->Post();
    EXPECT_EQ(b.Updates, 0);
}

TEST(FieldDataLink, EditingFollowsTheDataset) {
    Bound b;
    b.Data->Open();
    EXPECT_TRUE(b.Link.Edit());
    EXPECT_TRUE(b.Link.Editing());
    EXPECT_EQ(b.EditingChanges, 1);
    b.Data->Cancel();
    EXPECT_FALSE(b.Link.Editing());
    EXPECT_EQ(b.EditingChanges, 2);
}

TEST(FieldDataLink, ReadOnlyFieldOrLinkNeverEdits) {
    Bound b;
    b.Data->Open();
    b.Data->FieldByName("nev")->SetReadOnly(true);
    EXPECT_FALSE(b.Link.CanModify());
    EXPECT_FALSE(b.Link.Edit());
    EXPECT_EQ(b.Data->State(), dsBrowse);
    b.Data->Edit(); // the dataset edits, the control still may not
    EXPECT_FALSE(b.Link.Editing());
    b.Data->Cancel();
    b.Data->FieldByName("nev")->SetReadOnly(false);
    b.Link.SetReadOnly(true);
    EXPECT_FALSE(b.Link.Edit());
    EXPECT_EQ(b.Data->State(), dsBrowse);
}

TEST(FieldDataLink, NoAutoEditMeansNoEdit) {
    Bound b;
    b.Data->Open();
    b.Source->SetAutoEdit(false);
    EXPECT_FALSE(b.Link.Edit());
    EXPECT_EQ(b.Data->State(), dsBrowse);
}

TEST(FieldDataLink, RequiredEmptyFieldAsksForTheFocus) {
    Bound b;
    b.Data->Open();
    int asked = 0;
    b.Link.OnFocusControl = [&] {
        ++asked;
        return true;
    };
    b.Data->FieldByName("nev")->SetRequired(true);
    b.Data->Edit();
    b.Data->FieldByName("nev")->Clear();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { b.Data->Post(); }), "Field 'nev' must have a value");
    EXPECT_EQ(asked, 1);
}

} // namespace
