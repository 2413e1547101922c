#include "platform/data/TFieldDefs.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpPage.h"
#include "report/common/detail/rpGlobals.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

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
