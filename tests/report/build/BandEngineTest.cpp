#include "tests/report/BandEngineSupport.h"

#include "report/build/TrpPage.h"

using Pages = std::vector<std::vector<String>>;

namespace {

class ListReport : public BandEngineTest {
protected:
    // A list of Rows records with a title, headers, footers and a summary.
    void Make(const String& rows, Word pageFooterFlags = bfPrintOnFirstPage | bfPrintOnLastPage) {
        Band(btReportTitle, 20, 30);
        Memo(30, 25, "Lista");
        Band(btPageHeader, 60, 20);
        Memo(30, 60, "Fejléc [PAGE#]");
        Band(btMasterHeader, 90, 20);
        Memo(30, 90, "Név");
        Band(btMasterData, 120, 20, rows);
        Memo(30, 120, "Sor [LINE#]");
        Band(btMasterFooter, 150, 20);
        Memo(30, 150, "Vége");
        Band(btReportSummary, 180, 20);
        Memo(30, 180, "Összesen");
        Band(btPageFooter, 1000, 20, "", pageFooterFlags);
        Memo(30, 1000, "Oldal [PAGE#]/[TOTALPAGES]");
    }
};

} // namespace

TEST_F(ListReport, OnePageFlowsFromTheTopMargin) {
    Make("3");
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Built(), (Pages{{"Lista@30,25", "Név@30,50", "Sor 1@30,70", "Sor 2@30,90", "Sor 3@30,110",
                               "Vége@30,130", "Összesen@30,150", "Oldal 1/0@30,1031"}}));
    EXPECT_TRUE(Messages.empty());
}

TEST_F(ListReport, RowsContinueOnTheNextPageUnderItsPageHeader) {
    Make("60");
    EXPECT_TRUE(Report->PrepareReport());
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 2u);
    // 48 rows from 70 to 1010 fit above the page footer at 1031.
    ASSERT_EQ(pages[0].size(), 2u + 48 + 1);
    EXPECT_EQ(pages[0][49], "Sor 48@30,1010");
    EXPECT_EQ(pages[0][50], "Oldal 1/0@30,1031");
    EXPECT_EQ(pages[1][0], "Fejléc 2@30,20");
    EXPECT_EQ(pages[1][1], "Sor 49@30,40");
    EXPECT_EQ(pages[1][12], "Sor 60@30,260");
    EXPECT_EQ(pages[1][13], "Vége@30,280");
    EXPECT_EQ(pages[1][15], "Oldal 2/0@30,1031");
}

// Rows of 50 from the top margin at 20 to the page footer at 1020: the
// twentieth ends exactly where the footer begins and stays on the page.
TEST_F(BandEngineTest, ARowThatFillsThePageExactlyStaysOnIt) {
    Band(btMasterData, 20, 50, "25");
    Memo(0, 20, "Sor [LINE#]");
    Band(btPageFooter, 1000, 31, "", bfPrintOnFirstPage | bfPrintOnLastPage);
    Memo(0, 1000, "Oldal [PAGE#]");
    EXPECT_TRUE(Report->PrepareReport());
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 21u);
    EXPECT_EQ(pages[0][19], "Sor 20@0,970");
    EXPECT_EQ(pages[0][20], "Oldal 1@0,1020");
    EXPECT_EQ(pages[1][0], "Sor 21@0,20");
}

TEST_F(ListReport, DoublePassKnowsTheTotal) {
    Make("60");
    Report->DoublePass = true;
    EXPECT_TRUE(Report->PrepareReport());
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].back(), "Oldal 1/2@30,1031");
    EXPECT_EQ(pages[1].back(), "Oldal 2/2@30,1031");
    // The next single-pass build starts again from no total.
    Report->DoublePass = false;
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Built()[0].back(), "Oldal 1/0@30,1031");
}

TEST_F(ListReport, PageFooterFlagsChooseFirstAndLastPage) {
    Make("60", 0);
    Report->PrepareReport();
    Pages pages = Built();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].back(), "Sor 48@30,1010");  // not on the first page
    EXPECT_EQ(pages[1].back(), "Összesen@30,300"); // nor on the last
}
