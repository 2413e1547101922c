#include "tests/platform/data/DataSetFixture.h"

#include "platform/core/Exceptions.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

// A link that logs its notifications, as a grid or an edit control would hear them.
class TLogLink : public TDataLink {
public:
    std::vector<String> Log;

    // The ids of the window's records, read the way a grid paints its rows.
    std::vector<Int64> Window() {
        std::vector<Int64> ids;
        const Integer saved = ActiveRecord();
        for (Integer i = 0; i < RecordCount(); ++i) {
            SetActiveRecord(i);
            ids.push_back(DataSet()->FieldByName("id")->AsInteger());
        }
        SetActiveRecord(saved);
        return ids;
    }

protected:
    void ActiveChanged() override { Log.push_back(Active() ? "active" : "inactive"); }
    void EditingChanged() override { Log.push_back(Editing() ? "editing" : "not editing"); }
    void DataSetChanged() override { Log.push_back("changed"); }
    void DataSetScrolled(Integer Distance) override { Log.push_back("scrolled " + std::to_string(Distance)); }
    void RecordChanged(TField* Field) override {
        Log.push_back("record " + (Field ? Field->FieldName() : String("-")));
    }
    void UpdateData() override { Log.push_back("update"); }
};

struct Linked {
    std::unique_ptr<TMemDataSet> Data;
    std::unique_ptr<TDataSource> Source;
    TLogLink Link;

    Linked(int rows, int buffers) : Data(MakePeople(rows)), Source(std::make_unique<TDataSource>(nullptr)) {
        Source->SetName("Source");
        Source->SetDataSet(Data.get());
        Link.SetBufferCount(buffers);
        Link.SetDataSource(Source.get());
        Link.Log.clear();
    }
    ~Linked() { Link.SetDataSource(nullptr); }
};

// A dataset that follows a master source, for the circular-link check.
class TDetailDataSet : public TMemDataSet {
public:
    TDataSource* Master = nullptr;
    TDataSource* GetDataSource() const override { return Master; }
};

} // namespace

TEST(DataLinkWindow, LinkSeesTheFirstRecordsAfterOpen) {
    Linked l(10, 4);
    EXPECT_TRUE(l.Link.Active());
    EXPECT_EQ(l.Link.BufferCount(), 4);
    EXPECT_EQ(l.Link.RecordCount(), 4);
    EXPECT_EQ(l.Link.ActiveRecord(), 0);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{1, 2, 3, 4}));
}

TEST(DataLinkWindow, ScrollingInsideTheWindowMovesOnlyTheActiveRecord) {
    Linked l(10, 4);
    l.Data->MoveBy(3);
    EXPECT_EQ(l.Link.ActiveRecord(), 3);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{1, 2, 3, 4}));
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"scrolled 0"}));
}

TEST(DataLinkWindow, ScrollingPastTheEdgeShiftsTheWindow) {
    Linked l(10, 4);
    l.Data->MoveBy(3);
    l.Link.Log.clear();
    l.Data->Next();
    EXPECT_EQ(l.Link.ActiveRecord(), 3);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{2, 3, 4, 5}));
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"scrolled 1"}));
    l.Data->MoveBy(2);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{4, 5, 6, 7}));
    EXPECT_EQ(l.Link.Log.back(), "scrolled 2");
    l.Data->MoveBy(-3);
    EXPECT_EQ(l.Link.ActiveRecord(), 0);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{4, 5, 6, 7}));
    l.Data->Prior();
    EXPECT_EQ(l.Link.ActiveRecord(), 0);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{3, 4, 5, 6}));
    EXPECT_EQ(l.Link.Log.back(), "scrolled -1");
}

TEST(DataLinkWindow, LastAndFirstRefillTheWindow) {
    Linked l(10, 4);
    l.Data->Last();
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{7, 8, 9, 10}));
    EXPECT_EQ(l.Link.ActiveRecord(), 3);
    l.Data->First();
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{1, 2, 3, 4}));
    EXPECT_EQ(l.Link.ActiveRecord(), 0);
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"changed", "changed"}));
}

TEST(DataLinkWindow, FewerRecordsThanBuffers) {
    Linked l(2, 5);
    EXPECT_EQ(l.Link.RecordCount(), 2);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{1, 2}));
    l.Data->Append();
    EXPECT_EQ(l.Link.RecordCount(), 3);
    EXPECT_EQ(l.Link.ActiveRecord(), 2);
}

TEST(DataLinkWindow, GotoBookmarkCentresTheWindow) {
    Linked l(20, 5);
    l.Data->SetRecNo(12);
    TBookmark mark = l.Data->GetBookmark();
    l.Data->First();
    l.Data->GotoBookmark(mark);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{10, 11, 12, 13, 14}));
    EXPECT_EQ(l.Link.ActiveRecord(), 2);
}

TEST(DataLinkWindow, GrowingTheBufferCountFillsMoreRecords) {
    Linked l(10, 2);
    l.Data->MoveBy(5);
    l.Link.SetBufferCount(4);
    EXPECT_EQ(l.Link.RecordCount(), 4);
    EXPECT_EQ(l.Data->FieldByName("id")->AsInteger(), 6);
    const std::vector<Int64> window = l.Link.Window();
    EXPECT_NE(std::find(window.begin(), window.end(), 6), window.end());
    l.Link.SetBufferCount(1);
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{6}));
}

TEST(DataLinkWindow, DeletingTheLastRecordRefillsTheWindowFromAbove) {
    Linked l(10, 4);
    l.Data->Last();
    l.Data->Delete();
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{6, 7, 8, 9}));
    EXPECT_EQ(l.Link.ActiveRecord(), 3);
    l.Data->MoveBy(-2);
    l.Data->Delete(); // in the middle: the next record takes its place, the window stays full
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{5, 6, 8, 9}));
    EXPECT_EQ(l.Data->FieldByName("id")->AsInteger(), 8);
    EXPECT_EQ(l.Link.ActiveRecord(), 2);
}

TEST(DataLinkWindow, ShrinkingAWindowKeepsTheCurrentRecord) {
    Linked l(10, 6);
    TLogLink edit; // a one-record control on the same source
    edit.SetDataSource(l.Source.get());
    l.Data->MoveBy(5);
    l.Link.SetBufferCount(3);
    EXPECT_EQ(l.Data->FieldByName("id")->AsInteger(), 6);
    EXPECT_EQ(l.Link.RecordCount(), 3);
    EXPECT_EQ(l.Link.Window().back(), 6);
    l.Data->Next();
    EXPECT_EQ(l.Data->FieldByName("id")->AsInteger(), 7);
    edit.SetDataSource(nullptr);
}

TEST(DataLinkWindow, UnidirectionalDatasetKeepsOneBuffer) {
    auto ds = MakePeople(5, false);
    ds->SetUniDirectional(true);
    TDataSource source(nullptr);
    source.SetDataSet(ds.get());
    TLogLink link;
    link.SetBufferCount(10);
    link.SetDataSource(&source);
    ds->Open();
    EXPECT_EQ(link.RecordCount(), 1);
    link.SetDataSource(nullptr);
}

TEST(DataLinkState, LinkFollowsOpenCloseAndEditing) {
    Linked l(3, 1);
    l.Data->Edit();
    l.Data->FieldByName("nev")->SetAsString("Ági");
    l.Data->Post();
    l.Data->Close();
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"editing", "record -", "record nev", "update", "not editing",
                                               "changed", "inactive"}));
    EXPECT_FALSE(l.Link.Active());
    EXPECT_EQ(l.Link.RecordCount(), 0);
}

TEST(DataLinkState, ReadOnlyLinkNeverEdits) {
    Linked l(3, 1);
    l.Link.SetReadOnly(true);
    EXPECT_FALSE(l.Link.Edit());
    EXPECT_EQ(l.Data->State(), dsBrowse);
    l.Link.SetReadOnly(false);
    EXPECT_TRUE(l.Link.Edit()); // AutoEdit puts the dataset into edit state
    EXPECT_EQ(l.Data->State(), dsEdit);
}

TEST(DataLinkState, DisabledSourceLooksInactive) {
    Linked l(3, 1);
    l.Source->SetEnabled(false);
    EXPECT_FALSE(l.Link.Active());
    EXPECT_EQ(l.Source->State(), dsInactive);
    l.Source->SetEnabled(true);
    EXPECT_TRUE(l.Link.Active());
}

TEST(DataLinkState, FixedDataSourceCannotChange) {
    Linked l(1, 1);
    l.Link.SetDataSourceFixed(true);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { l.Link.SetDataSource(nullptr); }),
              "Source: DataSource cannot be changed");
    l.Link.SetDataSourceFixed(false);
}

TEST(DataLinkState, DeletingTheDatasetDeactivatesTheLink) {
    Linked l(3, 2);
    l.Data.reset();
    EXPECT_FALSE(l.Link.Active());
    EXPECT_EQ(l.Source->DataSet(), nullptr);
}

TEST(DisableControls, NestedCallsNotifyOnlyAtTheOutermostEnable) {
    Linked l(5, 2);
    l.Data->DisableControls();
    l.Data->DisableControls();
    l.Data->Next();
    l.Data->Last();
    l.Data->EnableControls();
    EXPECT_TRUE(l.Data->ControlsDisabled());
    EXPECT_TRUE(l.Link.Log.empty());
    l.Data->EnableControls();
    EXPECT_FALSE(l.Data->ControlsDisabled());
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"changed"}));
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{4, 5}));
    l.Data->EnableControls(); // unbalanced: ignored
    EXPECT_EQ(l.Link.Log.size(), 1u);
}

TEST(DisableControls, StateChangeWhileDisabledIsReportedAfterwards) {
    Linked l(5, 1);
    l.Data->DisableControls();
    l.Data->Edit();
    EXPECT_FALSE(l.Link.Editing());
    l.Data->EnableControls();
    EXPECT_TRUE(l.Link.Editing());
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"editing", "changed"}));
}

TEST(DisableControls, ClosingWhileDisabledStillReleasesLinks) {
    Linked l(5, 1);
    l.Data->DisableControls();
    l.Data->Close();
    EXPECT_FALSE(l.Link.Active());
    l.Data->EnableControls();
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"inactive"}));
}

TEST(DisableControls, ReopeningWhileDisabledReconnectsLinksAtTheEnd) {
    Linked l(5, 3);
    l.Data->DisableControls();
    l.Data->Close();
    l.Data->Open();
    l.Data->Next();
    EXPECT_FALSE(l.Link.Active());
    l.Data->EnableControls();
    EXPECT_TRUE(l.Link.Active());
    EXPECT_EQ(l.Link.Window(), (std::vector<Int64>{1, 2, 3}));
    EXPECT_EQ(l.Link.ActiveRecord(), 1);
    EXPECT_EQ(l.Link.Log, (std::vector<String>{"inactive", "active", "changed"}));
}

TEST(DataSourceEvents, StateAndDataChangesInOrder) {
    auto ds = MakePeople(3, false);
    TDataSource source(nullptr);
    std::vector<String> log;
    source.OnStateChange = [&](TObject*) { log.push_back("state " + std::to_string(source.State())); };
    source.OnDataChange = [&](TObject*, TField* f) {
        log.push_back("data " + (f ? f->FieldName() : String("-")));
    };
    source.OnUpdateData = [&](TObject*) { log.push_back("update"); };
    source.SetDataSet(ds.get());
    ds->Open();
    ds->Next();
    ds->Edit();
    ds->FieldByName("nev")->SetAsString("Bea");
    ds->Post();
    EXPECT_EQ(log, (std::vector<String>{"state 1", "data -", "data -", "state 2", "data -", "data nev",
                                        "update", "state 1", "data -"}));
}

TEST(DataSourceEvents, CircularMasterLinkIsRefused) {
    auto master = MakePeople(1);
    TDataSource masterSource(nullptr);
    masterSource.SetName("MasterSource");
    masterSource.SetDataSet(master.get());
    TDetailDataSet detail;
    detail.Master = &masterSource;
    EXPECT_TRUE(detail.IsLinkedTo(&masterSource));
    TDataSource other(nullptr);
    other.SetDataSet(&detail); // not a cycle: other is nobody's master
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { masterSource.SetDataSet(&detail); }),
              "MasterSource: Circular datalinks are not allowed");
    EXPECT_EQ(masterSource.DataSet(), master.get());
}

TEST(BookmarkList, KeepsSelectionOrderAndFindsRows) {
    Linked l(6, 3);
    TBookmarkList rows(&l.Link);
    int changes = 0;
    rows.OnChange = [&](TObject*) { ++changes; };
    l.Data->SetRecNo(5);
    rows.SetCurrentRowSelected(true);
    l.Data->SetRecNo(2);
    rows.SetCurrentRowSelected(true);
    rows.SetCurrentRowSelected(true); // already selected: no change
    EXPECT_EQ(rows.Count(), 2);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(rows.CurrentRowSelected());
    l.Data->GotoBookmark(rows[0]);
    EXPECT_EQ(l.Data->RecNo(), 5);
    Integer index = -1;
    EXPECT_TRUE(rows.Find(l.Data->GetBookmark(), index));
    EXPECT_EQ(index, 0);
    l.Data->First();
    EXPECT_FALSE(rows.Find(l.Data->GetBookmark(), index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(rows.IndexOf(l.Data->GetBookmark()), -1);
    l.Data->SetRecNo(5);
    rows.SetCurrentRowSelected(false);
    EXPECT_EQ(rows.Count(), 1);
    l.Data->GotoBookmark(rows[0]);
    EXPECT_EQ(l.Data->RecNo(), 2);
}

TEST(BookmarkList, RefreshDropsDeletedRows) {
    Linked l(4, 2);
    TBookmarkList rows(&l.Link);
    rows.SetCurrentRowSelected(true);
    l.Data->Next();
    rows.SetCurrentRowSelected(true);
    EXPECT_FALSE(rows.Refresh());
    l.Data->Delete();
    EXPECT_TRUE(rows.Refresh());
    EXPECT_EQ(rows.Count(), 1);
}

TEST(BookmarkList, DeleteRemovesTheSelectedRecords) {
    Linked l(5, 2);
    TBookmarkList rows(&l.Link);
    for (Integer recNo : {2, 4}) {
        l.Data->SetRecNo(recNo);
        rows.SetCurrentRowSelected(true);
    }
    l.Link.Log.clear();
    rows.Delete();
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_EQ(WalkIds(*l.Data), (std::vector<Int64>{1, 3, 5}));
    EXPECT_FALSE(l.Data->ControlsDisabled());
}

TEST(BookmarkList, NothingSelectableWithoutAnActiveLink) {
    TLogLink link;
    TBookmarkList rows(&link);
    rows.SetCurrentRowSelected(true);
    EXPECT_EQ(rows.Count(), 0);
    EXPECT_FALSE(rows.CurrentRowSelected());
    EXPECT_EQ(ErrorOf<EListError>([&] { (void)rows[0]; }), "List index out of bounds (0)");
}

TEST(DataLinkWindow, GrowingTheWindowDuringAnInsertKeepsEveryRecord) {
    Linked l(10, 4);
    l.Data->MoveBy(3); // the cursor stands on the window's last record
    l.Data->MoveBy(-2);
    l.Data->Insert();
    l.Link.SetBufferCount(6);
    std::vector<Int64> ids;
    const Integer saved = l.Link.ActiveRecord();
    for (Integer i = 0; i < l.Link.RecordCount(); ++i) {
        l.Link.SetActiveRecord(i);
        ids.push_back(l.Data->FieldByName("id")->IsNull() ? 0 : l.Data->FieldByName("id")->AsInteger());
    }
    l.Link.SetActiveRecord(saved);
    EXPECT_EQ(ids, (std::vector<Int64>{1, 0, 2, 3, 4, 5}));
}
