#include "tests/report/BandEngineSupport.h"

#include "platform/data/TFieldDefs.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpPage.h"
#include "tests/support/TMemDataSet.h"

using Pages = std::vector<std::vector<String>>;

TEST_F(BandEngineTest, DetailRecordsFollowEachMaster) {
    Band(btMasterData, 20, 20, "2");
    Memo(0, 20, "M[LINE#]");
    Band(btDetailHeader, 50, 20);
    Memo(0, 50, "dh");
    Band(btDetailData, 80, 20, "2");
    Memo(0, 80, "d[LINE#]");
    Band(btDetailFooter, 110, 20);
    Memo(0, 110, "df");
    Report->PrepareReport();
    EXPECT_EQ(Built(), (Pages{{"M1@0,20", "dh@0,40", "d1@0,60", "d2@0,80", "df@0,100", "M2@0,120", "dh@0,140",
                               "d1@0,160", "d2@0,180", "df@0,200"}}));
}

TEST_F(BandEngineTest, AMasterWithoutDetailsIsDroppedUnlessFlagged) {
    Band(btMasterHeader, 4, 10);
    Memo(0, 4, "mh", 200, 10);
    TrpBandView* master = Band(btMasterData, 20, 20, "2");
    Memo(0, 20, "M");
    Band(btDetailData, 80, 20); // no data source: no detail record ever
    Memo(0, 80, "d");
    Report->PrepareReport();
    // Nothing printed, and the header went with the masters.
    EXPECT_EQ(Built(), (Pages{{}}));

    master->Flags = bfPrintIfDetailEmpty;
    Report->PrepareReport();
    EXPECT_EQ(Built(), (Pages{{"mh@0,20", "M@0,30", "M@0,50"}}));
}

TEST_F(BandEngineTest, TwoDataBandsOfOneLevelPrintTopToBottomPerRecord) {
    Band(btMasterData, 60, 20);
    Memo(0, 60, "lower");
    Band(btMasterData, 20, 20, "2");
    Memo(0, 20, "upper");
    Report->PrepareReport();
    EXPECT_EQ(Built(), (Pages{{"upper@0,20", "lower@0,40", "upper@0,60", "lower@0,80"}}));
}

TEST_F(BandEngineTest, ABandWithoutObjectsTakesNoRoom) {
    Band(btReportTitle, 20, 100);
    Band(btMasterData, 130, 20, "1");
    Memo(0, 130, "row");
    Report->PrepareReport();
    EXPECT_EQ(Built(), (Pages{{"row@0,20"}}));
}

namespace {

class GroupedReport : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        Data = new TMemDataSet(&Owner);
        Data->SetName("Query1");
        Data->FieldDefs()->Add("kat", ftString, 10);
        Data->FieldDefs()->Add("num", ftInteger);
        for (auto [kat, num] : std::vector<std::pair<const char*, Int64>>{{"A", 1}, {"A", 2}, {"B", 5}})
            Data->AppendRow({String(kat), num});
        Data->Open();
        Source = new TrpDBDataSet(&Owner);
        Source->SetName("rpData");
        Source->SetDataSet(Data);

        Band(btGroupHeader, 20, 20, "[Query1.kat]");
        Memo(0, 20, "G [kat]");
        Band(btMasterData, 50, 20, "rpData");
        Memo(0, 50, "[num]");
        Band(btGroupFooter, 80, 20);
        Memo(0, 80, "S [SUM([num])]");
        Band(btReportSummary, 110, 20);
        Memo(0, 110, "T [SUM([num])]");
    }
    TMemDataSet* Data = nullptr;
    TrpDBDataSet* Source = nullptr;
};

} // namespace

TEST_F(GroupedReport, GroupsBreakOnTheConditionWithTheirSums) {
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    EXPECT_EQ(Built(), (Pages{{"G A@0,20", "1@0,40", "2@0,60", "S 3@0,80", "G B@0,100", "5@0,120",
                               "S 5@0,140", "T 8@0,160"}}));
}

// Each aggregate in the group footer over the group's records only: A holds
// 1 and 2, B holds 5.
TEST_F(GroupedReport, EveryAggregateOfAGroupFooterCoversItsGroup) {
    const struct {
        const char* Text;
        const char* A;
        const char* B;
    } rows[] = {
        {"[SUM([num])]", "3", "5"},   {"[AVG([num])]", "1,5", "5"}, // by the records the band counted
        {"[COUNT(Band3)]", "2", "1"},                               // the data band's records
        {"[MIN([num])]", "1", "5"},   {"[MAX([num])]", "2", "5"},
    };
    for (Integer i = 0; i < 5; ++i)
        Memo(100 * (i + 1), 80, rows[i].Text, 90);
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    const std::vector<String> built = Built().front();
    const auto textAt = [&built](const String& place) {
        for (const String& item : built)
            if (item.ends_with(place)) return item.substr(0, item.size() - place.size());
        return String("(none)");
    };
    for (Integer i = 0; i < 5; ++i) {
        const String x = "@" + std::to_string(100 * (i + 1));
        EXPECT_EQ(textAt(x + ",80"), rows[i].A) << rows[i].Text << " of group A";
        EXPECT_EQ(textAt(x + ",140"), rows[i].B) << rows[i].Text << " of group B";
    }
}

TEST_F(GroupedReport, TheMasterFooterClosesEachGroupOnceAndNotAgainAtTheEnd) {
    Band(btMasterFooter, 140, 20);
    Memo(0, 140, "MF");
    Report->PrepareReport();
    EXPECT_EQ(Built(), (Pages{{"G A@0,20", "1@0,40", "2@0,60", "MF@0,80", "S 3@0,100", "G B@0,120", "5@0,140",
                               "MF@0,160", "S 5@0,180", "T 8@0,200"}}));
}

TEST_F(GroupedReport, NewPageAfterAGroup) {
    Page->Objects[0]->Flags = bfStartNewPage;
    Report->PrepareReport();
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].front(), "G B@0,20");
}

TEST_F(BandEngineTest, AMemoBoundToAMemoFieldPrintsTheFieldsTextAsItStands) {
    auto* data = new TMemDataSet(&Owner);
    data->SetName("Query1");
    data->FieldDefs()->Add("nev", ftString, 20);
    data->FieldDefs()->Add("jegyzet", ftMemo);
    data->AppendRow({String("Kovács"), String("első sor\r\n[nem kifejtve]")});
    data->AppendRow({String("Nagy")}); // no note: null
    data->Open();
    auto* source = new TrpDBDataSet(&Owner);
    source->SetName("rpData");
    source->SetDataSet(data);
    Band(btMasterData, 20, 40, "rpData");
    Memo(0, 20, "[jegyzet]", 200, 30);
    Memo(300, 20, "[nev]");
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    // The note's lines, not expanded; the null note prints no line; a string field is expanded.
    EXPECT_EQ(Built(), (Pages{{"első sor|[nem kifejtve]@0,20", "Kovács@300,20", "@0,60", "Nagy@300,60"}}));
}

// A data band that starts a new page after each record starts none after the
// last: the summary shares the last record's page and no page is left empty.
TEST_F(BandEngineTest, NewPageAfterADataBandComesBetweenRecordsOnly) {
    Band(btMasterData, 20, 20, "3", bfStartNewPage);
    Memo(0, 20, "r[LINE#]");
    Band(btReportSummary, 50, 20);
    Memo(0, 50, "T");
    Report->PrepareReport();
    EXPECT_EQ(Built(), (Pages{{"r1@0,20"}, {"r2@0,20"}, {"r3@0,20", "T@0,40"}}));
}

// Under groups the detail footer still closes each master's details, before
// the next master record and before the group footer.
TEST_F(GroupedReport, TheDetailFooterClosesEachMastersDetails) {
    // The footer and summary without their sums, which would look for [num] in the details.
    Page->Objects[5]->Memo.SetText("S");
    Page->Objects[7]->Memo.SetText("T");
    Band(btDetailData, 140, 20, "2");
    Memo(0, 140, "d[LINE#]");
    Band(btDetailFooter, 170, 20);
    Memo(0, 170, "df");
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_TRUE(Messages.empty()) << Messages.front();
    EXPECT_EQ(Built(), (Pages{{"G A@0,20", "1@0,40", "d1@0,60", "d2@0,80", "df@0,100", "2@0,120", "d1@0,140",
                               "d2@0,160", "df@0,180", "S@0,200", "G B@0,220", "5@0,240", "d1@0,260",
                               "d2@0,280", "df@0,300", "S@0,320", "T@0,340"}}));
}
