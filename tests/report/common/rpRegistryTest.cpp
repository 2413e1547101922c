#include "report/common/detail/rpRegistry.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TFieldDefs.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpRichView.h"
#include "report/views/TrpSubReportView.h"
#include "report/engine/rpEngine.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

TEST(rpCreateObject, BuiltInCodesCreateTheirClassesAndTakeTheNextIdentifier) {
    const Integer first = ObjectCounter;
    const char* classes[] = {"TrpMemoView", "TrpPictureView", "TrpBandView", "TrpSubReportView",
                             "TrpLineView"};
    for (Byte code = 0; code <= 4; ++code) {
        std::unique_ptr<TrpView> view(rpCreateObject(code, ""));
        ASSERT_TRUE(view);
        EXPECT_EQ(view->ClassName(), classes[code]);
        EXPECT_EQ(view->Typ, code);
        EXPECT_EQ(view->ID, first + code);
    }
    EXPECT_EQ(ObjectCounter, first + 5);
}

TEST(rpCreateObject, UnusedCodesCreateNothingAndKeepTheCounter) {
    const Integer before = ObjectCounter;
    for (Byte code : {Byte(5), Byte(7), Byte(9), Byte(11), Byte(200)})
        EXPECT_EQ(rpCreateObject(code, ""), nullptr);
    EXPECT_EQ(ObjectCounter, before);
}

TEST(rpCreateObject, AddInsAreFoundByTheirExactClassName) {
    rpInitEngine();
    std::unique_ptr<TrpView> rich(rpCreateObject(gtAddIn, "TrpRichView"));
    ASSERT_TRUE(dynamic_cast<TrpRichView*>(rich.get()));
    EXPECT_EQ(rich->Typ, 10);
    EXPECT_EQ(ErrorOf<EClassNotFound>([] { rpCreateObject(gtAddIn, "trpRichView"); }),
              "Не найден класс trpRichView");
    EXPECT_EQ(ErrorOf<EClassNotFound>([] { rpCreateObject(gtAddIn, ""); }), "Не найден класс ");
}

TEST(rpRegistry, AThirtyThirdRegistrationIsRefused) {
    while (rpToolsCount < rpMaxRegistryEntries)
        rpRegisterTool("Tool", nullptr, nullptr);
    EXPECT_EQ(ErrorOf<EListError>([] { rpRegisterTool("Extra", nullptr, nullptr); }),
              "Report registry full: Extra");
    EXPECT_EQ(rpToolsCount, rpMaxRegistryEntries);
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
