#include "report/build/detail/rpDBUtils.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDefs.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpPage.h"
#include "report/common/detail/rpGlobals.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

TEST(rpDBUtils, BlobTestAndBookmarks) {
    TMemDataSet q;
    q.FieldDefs()->Add("nev", ftString, 10);
    q.FieldDefs()->Add("jegyzet", ftMemo);
    q.FieldDefs()->Add("kep", ftGraphic);
    q.AppendRow({String("a")});
    q.AppendRow({String("b")});
    q.Open();
    EXPECT_FALSE(rpIsBlob(q.FieldByName("nev")));
    EXPECT_TRUE(rpIsBlob(q.FieldByName("jegyzet")));
    EXPECT_TRUE(rpIsBlob(q.FieldByName("kep")));
    EXPECT_FALSE(rpIsBlob(nullptr));
    TBookmark first = rpGetBookmark(&q);
    q.Next();
    TBookmark second = rpGetBookmark(&q);
    EXPECT_FALSE(rpIsBookmarksEqual(&q, first, second));
    rpGotoBookmark(&q, first);
    EXPECT_TRUE(rpIsBookmarksEqual(&q, rpGetBookmark(&q), first));
    EXPECT_FALSE(
        rpIsBookmarksEqual(&q, TBookmark(), first)); // a record without a bookmark is not the saved one
    rpFreeBookmark(&q, first);
    EXPECT_TRUE(first.empty());
    TStringList names;
    rpGetFieldNames(&q, &names);
    EXPECT_EQ(names.Count(), 3);
}

namespace {

struct DefaultDataSetTest : ::testing::Test {
    void SetUp() override {
        Data.FieldDefs()->Add("id", ftInteger);
        Report.SetDataSet(&Data);
        for (TrpBandType t : {btMasterData, btDetailData, btSubDetailData, btCrossData}) {
            Heads[t].Typ = t;
            Heads[t].Parent = &Page;
            Page.Bands[t] = &Heads[t];
        }
        Heads[btMasterData].DataSet = &Report;
        Heads[btDetailData].DataSet = &User;
        Current.Parent = &Page;
        CurBand = &Current;
    }
    void TearDown() override { CurBand = nullptr; }

    TMemDataSet Data;
    TrpDBDataSet Report{nullptr};
    TrpUserDataset User{nullptr};
    TrpPage Page{9, 2100, 2970, 0};
    TrpBand Heads[rpBandTypeCount];
    TrpBand Current;
};

} // namespace

TEST_F(DefaultDataSetTest, BandTypesTakeTheirDataBandsSource) {
    struct Row {
        TrpBandType Type;
        TDataSet* Expected;
    };
    const Row rows[] = {
        {btReportSummary, &Data}, // summary, master and group bands use the master data band
        {btMasterData, &Data},
        {btMasterFooter, &Data},
        {btGroupHeader, &Data},
        {btGroupFooter, &Data},
        {btDetailData, nullptr},    // its source is a user dataset, which has no
                                    // platform data set
        {btDetailFooter, nullptr},  //
        {btSubDetailData, nullptr}, // the sub-detail band has no data source
        {btPageHeader, nullptr},    // no default for other band types
        {btReportTitle, nullptr},   //
        {btMasterHeader, nullptr},  //
    };
    for (const Row& row : rows) {
        Current.Typ = row.Type;
        EXPECT_EQ(GetDefaultDataSet(), row.Expected) << row.Type;
    }
    CurBand = nullptr;
    EXPECT_EQ(GetDefaultDataSet(), nullptr);
}
