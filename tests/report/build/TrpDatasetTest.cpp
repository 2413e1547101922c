#include "report/build/TrpDataset.h"

#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

namespace {

class ReportDatasetTest : public ::testing::Test {
protected:
    void SetUp() override {
        Data = new TMemDataSet(&Owner);
        Data->SetName("Query1");
        Data->FieldDefs()->Add("id", ftInteger);
        for (Int64 id = 1; id <= 5; ++id)
            Data->AppendRow({id});
        Report = new TrpDBDataSet(&Owner);
        Report->SetName("rpDBDataSet1");
        Report->SetDataSet(Data);
    }

    Int64 CurrentId() { return Data->FieldByName("id")->AsInteger(); }

    // Runs a band's data loop and answers the ids it saw.
    std::vector<Int64> Walk(TrpDataset* ds) {
        std::vector<Int64> seen;
        ds->Init();
        ds->First();
        while (!ds->Eof() && seen.size() < 100) {
            seen.push_back(CurrentId());
            ds->Next();
        }
        ds->Exit();
        return seen;
    }

    TComponent Owner{nullptr};
    TMemDataSet* Data = nullptr;
    TrpDBDataSet* Report = nullptr;
};

using Ids = std::vector<Int64>;

} // namespace

TEST_F(ReportDatasetTest, RangeCombinationsWalkTheirRecords) {
    struct Row {
        TRangeBegin Begin;
        TRangeEnd End;
        Integer Count;
        Ids Expected;
        Int64 After; // where the data set is left
    };
    const Row rows[] = {
        {rbFirst, reLast, 0, {1, 2, 3, 4, 5}, 5}, // the whole data set, left on its last record
        {rbCurrent, reLast, 0, {3, 4, 5}, 3},     // from the current record; it goes back there
        {rbFirst, reCurrent, 0, {1, 2, 3}, 3},    // up to and including the current one
        {rbCurrent, reCurrent, 0, {3}, 3},        // the current record only
        {rbFirst, reCount, 2, {1, 2}, 3},         // a count of records from the first
        {rbCurrent, reCount, 10, {3, 4, 5}, 3},   // fewer at the end of the data set
    };
    for (const Row& row : rows) {
        Data->Open();
        Data->First();
        Data->MoveBy(2);
        Report->RangeBegin = row.Begin;
        Report->RangeEnd = row.End;
        Report->RangeEndCount = row.Count;
        EXPECT_EQ(Walk(Report), row.Expected) << row.Begin << "/" << row.End;
        if (row.End != reCount) {
            EXPECT_EQ(CurrentId(), row.After) << row.Begin << "/" << row.End;
        }
        Data->Close();
    }
}

TEST_F(ReportDatasetTest, InitOpensAClosedDataSetThatStaysOpenWithoutCloseDataSource) {
    ASSERT_FALSE(Data->Active());
    std::vector<std::string> events;
    Report->OnOpen = [&](TObject*) { events.push_back("open " + std::to_string(Data->Active())); };
    Report->OnClose = [&](TObject*) { events.push_back("close " + std::to_string(Data->Active())); };
    EXPECT_EQ(Walk(Report).size(), 5u);
    EXPECT_TRUE(Data->Active());
    EXPECT_EQ(events, (std::vector<std::string>{"open 1", "close 1"}));
}

TEST_F(ReportDatasetTest, CloseDataSourceClosesAfterTheWalkAndOpenDataSourceOffLeavesItClosed) {
    Report->CloseDataSource = true;
    Walk(Report);
    EXPECT_FALSE(Data->Active());

    Report->OpenDataSource = false;
    Report->CloseDataSource = false;
    Report->Init();
    EXPECT_FALSE(Data->Active());
}

TEST_F(ReportDatasetTest, ADataSourceServesInPlaceOfTheDataSet) {
    auto* source = new TDataSource(&Owner);
    source->SetDataSet(Data);
    Report->SetDataSource(source);
    EXPECT_EQ(Report->DataSet(), nullptr); // setting a source clears the data set
    EXPECT_EQ(Report->GetDataSet(), Data);
    Report->SetDataSet(Data);
    EXPECT_EQ(Report->DataSource(), nullptr);
}

TEST_F(ReportDatasetTest, WithoutADataSetEveryOperationNamesTheReportDataset) {
    Report->SetDataSet(nullptr);
    EXPECT_EQ(ErrorOf<ErpDataSourceError>([&] { Report->Init(); }), "Unable to open dataset rpDBDataSet1");
    EXPECT_EQ(ErrorOf<ErpDataSourceError>([&] { Report->First(); }), "Unable to open dataset rpDBDataSet1");
    auto* empty = new TDataSource(&Owner);
    Report->SetDataSource(empty);
    EXPECT_EQ(ErrorOf<ErpDataSourceError>([&] { Report->Eof(); }), "Unable to open dataset rpDBDataSet1");
}

TEST_F(ReportDatasetTest, ARemovedDataSetIsForgotten) {
    delete Data;
    EXPECT_EQ(Report->DataSet(), nullptr);
    auto* source = new TDataSource(&Owner);
    Report->SetDataSource(source);
    delete source;
    EXPECT_EQ(Report->DataSource(), nullptr);
}

TEST_F(ReportDatasetTest, AnEmptyDataSetYieldsNoRecordWhateverTheRange) {
    Data->ClearRows();
    Report->RangeBegin = rbCurrent;
    Report->RangeEnd = reCurrent;
    EXPECT_TRUE(Walk(Report).empty());
}

TEST(TrpUserDataset, CountOfZeroYieldsNoRecord) {
    TrpUserDataset ds(nullptr);
    ds.RangeEnd = reCount;
    ds.RangeEndCount = 0;
    ds.First();
    EXPECT_TRUE(ds.Eof());
}

TEST(TrpUserDataset, EventsFollowFirstAndNextAndMayEndTheWalk) {
    TrpUserDataset ds(nullptr);
    std::vector<Integer> seen;
    ds.OnFirst = [&](TObject*) { seen.push_back(-1); };
    ds.OnNext = [&](TObject*) { seen.push_back(ds.RecNo); };
    ds.OnCheckEOF = [&](TObject*, bool& eof) { eof = ds.RecNo >= 3; };
    ds.First();
    while (!ds.Eof())
        ds.Next();
    EXPECT_EQ(seen, (std::vector<Integer>{-1, 1, 2, 3}));
    // reLast never ends by itself: without the event the walk would go on.
    ds.OnCheckEOF = nullptr;
    EXPECT_FALSE(ds.Eof());
}

TEST(rpResolveBandDataSet, NumbersMakeUserDatasetsAndNamesFindReportDatasets) {
    TComponent owner(nullptr);
    auto* q = new TMemDataSet(&owner);
    q->SetName("Query1");
    q->FieldDefs()->Add("nev", ftString, 40);
    auto* ds = new TrpDBDataSet(&owner);
    ds->SetName("rpDBDataSet1");
    ds->SetDataSet(q);
    bool owned = true;
    EXPECT_EQ(rpResolveBandDataSet(&owner, "rpdbdataset1", owned), ds);
    EXPECT_FALSE(owned);
    EXPECT_TRUE(q->Active()); // initialised, so opened

    std::unique_ptr<TrpDataset> counted(rpResolveBandDataSet(&owner, "12", owned));
    EXPECT_TRUE(owned);
    ASSERT_TRUE(dynamic_cast<TrpUserDataset*>(counted.get()));
    EXPECT_EQ(counted->RangeEnd, reCount);
    EXPECT_EQ(counted->RangeEndCount, 12);

    EXPECT_EQ(rpResolveBandDataSet(&owner, "", owned), nullptr);
    EXPECT_EQ(rpResolveBandDataSet(&owner, "nosuch", owned), nullptr);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { rpResolveBandDataSet(&owner, "1x", owned); }),
              "'1x' is not a valid integer value");
    EXPECT_EQ(ErrorOf<EInvalidCast>([&] { rpResolveBandDataSet(&owner, "Query1", owned); }),
              "Invalid class typecast");
}
