#include "tests/report/BandEngineSupport.h"

#include "platform/core/TMemoryStream.h"
#include "report/TrpPage.h"
#include "report/TrpLineView.h"

#include <algorithm>

using Pages = std::vector<std::vector<String>>;

TEST_F(BandEngineTest, TwoColumnsFillLeftThenRightThenANewPage) {
    Page->ColumnCount = 2;
    Page->ColumnGap = 12;
    Band(btColumnHeader, 20, 20);
    Memo(0, 20, "oszlop");
    Band(btMasterData, 50, 600, "5");
    Memo(0, 50, "[LINE#]");
    Report->PrepareReport();
    // Column width (732 - 20) div 2 = 356; the second column starts at 356 + 12 further right.
    EXPECT_EQ(Built(), (Pages{{"oszlop@0,20", "1@0,40", "oszlop@368,20", "2@368,40"},
                              {"oszlop@0,20", "3@0,40", "oszlop@368,20", "4@368,40"},
                              {"oszlop@0,20", "5@0,40"}}));
}

TEST_F(BandEngineTest, AStretchedBandGrowsWithItsMemo) {
    Band(btMasterData, 20, 20, "2", bfStretched);
    Memo(0, 20, "egy\r\nkettő\r\nhárom", 200, 17);
    Report->PrepareReport();
    // Three lines of 15 and the gaps: 47 pixels per record.
    EXPECT_EQ(Built(), (Pages{{"egy|kettő|három@0,20", "egy|kettő|három@0,67"}}));
}

TEST_F(BandEngineTest, ABandTallerThanThePageIsDrawnOnceOnAFreshPage) {
    Band(btMasterData, 20, 2000, "2");
    Memo(0, 20, "[LINE#]");
    Report->PrepareReport();
    // No endless breaking and no blank page: each record on a page of its own.
    EXPECT_EQ(Built(), (Pages{{"1@0,20"}, {"2@0,20"}}));
}

TEST_F(BandEngineTest, NewPageFromAPageHeaderScriptDoesNotRecurse) {
    TrpBandView* header = Band(btPageHeader, 20, 20, "", bfPrintOnFirstPage);
    header->Script.SetText("NEWPAGE");
    Memo(0, 20, "fej");
    Band(btMasterData, 50, 400, "3");
    Memo(0, 50, "[LINE#]");
    Report->PrepareReport();
    const Pages pages = Built();
    // Rows of 400 from 40: two on the first page, the third under the next header.
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1], (std::vector<String>{"fej@0,20", "3@0,40"}));
}

TEST_F(BandEngineTest, ATallMemoSplitsOverThreePages) {
    Band(btMasterData, 20, 30, "1", bfStretched | bfAllowSplit);
    String text;
    for (int k = 1; k <= 150; ++k)
        text += (k > 1 ? "\r\n" : "") + std::string("sor ") + std::to_string(k);
    Memo(0, 20, text, 200, 17);
    // Beside the memo and under its top: not pushed down, and not stretched.
    Memo(300, 40, "alatta", 200, 15)->Flags = flWordWrap;
    Report->PrepareReport();
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 3u);
    // Every line printed once, in order, across the three pages.
    std::vector<String> lines;
    for (const auto& page : pages)
        for (const String& item : page) {
            const String text_ = item.substr(0, item.find('@'));
            if (text_.rfind("sor", 0) != 0) continue;
            std::size_t start = 0;
            // A part ends with the memo's own end-of-part mark, no line of text.
            for (std::size_t bar; (bar = text_.find('|', start)) != String::npos; start = bar + 1)
                if (text_.compare(start, 4, "sor ") == 0) lines.push_back(text_.substr(start, bar - start));
            if (text_.compare(start, 4, "sor ") == 0) lines.push_back(text_.substr(start));
        }
    ASSERT_EQ(lines.size(), 150u);
    EXPECT_EQ(lines.front(), "sor 1");
    EXPECT_EQ(lines.back(), "sor 150");
    EXPECT_EQ(pages[1].front().substr(pages[1].front().find('@')), "@0,20");
}

TEST_F(BandEngineTest, SubReportsPrintSideBySideAndContinue) {
    Report->Pages()->Add();
    Report->Pages()->Add();
    TrpPage* left = Report->Pages()->Pages(1);
    TrpPage* right = Report->Pages()->Pages(2);
    left->Margins = right->Margins = TRect(20, 20, 20, 20);
    Band(btMasterData, 20, 20, "1");
    SubReport(0, 20, 1);
    SubReport(350, 20, 2);
    Band(btMasterData, 20, 20, "60", 0, left);
    Memo(20, 20, "L[LINE#]", 100, 15, left);
    Band(btMasterData, 20, 20, "3", 0, right);
    Memo(20, 20, "R[LINE#]", 100, 15, right);
    Report->PrepareReport();
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 2u);
    auto has = [&](std::size_t page, const String& item) {
        return std::find(pages[page].begin(), pages[page].end(), item) != pages[page].end();
    };
    EXPECT_TRUE(has(0, "L1@20,20"));
    EXPECT_TRUE(has(0, "R1@370,20"));
    EXPECT_TRUE(has(0, "R3@370,60"));
    EXPECT_TRUE(has(0, "L2@20,40"));
    // 51 rows fit from 20 to 1051; the rest at the top of the next page.
    EXPECT_TRUE(has(0, "L51@20,1020"));
    EXPECT_EQ(pages[1].front(), "L52@20,20");
    EXPECT_EQ(pages[1].back(), "L60@20,180");
}

TEST_F(BandEngineTest, ASubReportBandTallerThanThePageIsDrawnOnceOnAFreshPage) {
    Report->Pages()->Add();
    TrpPage* sub = Report->Pages()->Pages(1);
    sub->Margins = TRect(20, 20, 20, 20);
    Band(btMasterData, 20, 20, "1");
    Memo(0, 20, "fő");
    SubReport(300, 20, 1);
    Band(btMasterData, 20, 2000, "2", 0, sub);
    Memo(20, 20, "S[LINE#]", 100, 15, sub);
    Report->PrepareReport();
    // The first record does not fit under the main band: it and the second
    // each take a fresh page of their own, and the build ends.
    EXPECT_EQ(Built(), (Pages{{"fő@0,20"}, {"S1@320,20"}, {"S2@320,20"}}));
}

TEST_F(BandEngineTest, CrossColumnsContinueOnFurtherPagesAtTheSameHeight) {
    // A cross header 40 wide at the left margin and columns of 100: six on the
    // first page (60 to 660), seven on each further page from the margin.
    Band(btCrossHeader, 0, 1000)->SetBounds(20, 0, 40, 1000);
    Band(btCrossData, 0, 1000, "20")->SetBounds(60, 0, 100, 1000);
    Band(btMasterData, 100, 20, "1");
    Memo(25, 100, "fej", 30, 15);
    Memo(65, 100, "[COLUMN#]", 90, 15);
    Report->PrepareReport();
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].front(), "fej@25,20");
    EXPECT_EQ(pages[0][1], "1@65,20");
    EXPECT_EQ(pages[0].back(), "6@565,20");
    EXPECT_EQ(pages[1].front(), "7@25,20");
    EXPECT_EQ(pages[1].back(), "13@625,20");
    EXPECT_EQ(pages[2].back(), "20@625,20");
}

TEST_F(BandEngineTest, AnObjectTallerThanAPageInASplitBandIsClippedOnce) {
    Band(btMasterData, 20, 2000, "1", bfAllowSplit);
    auto* line = new TrpLineView();
    line->SetBounds(10, 20, 0, 3000);
    line->Flags = 0;
    Page->Add(line);
    Memo(100, 20, "mellette");
    Report->PrepareReport();
    // Drawn on the first page cut to the room left there, and done: no page follows.
    ASSERT_EQ(Report->EMFPages()->Count(), 1);
    Report->EMFPages()->ObjectsToPage(0);
    const auto& objects = Report->EMFPages()->Pages(0)->Page->Objects;
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]->ClassName(), "TrpLineView");
    EXPECT_EQ(objects[0]->Top, 20);
    EXPECT_EQ(objects[0]->Height, 1029);
}

TEST_F(BandEngineTest, AMemoStartingWhereNoLineFitsOnAPageOfItsSplitBandGoesOn) {
    Band(btMasterData, 20, 2500, "1", bfAllowSplit);
    Memo(0, 20, "fej");
    // On the second page the memo starts 9 pixels above the room's end, less than a line.
    Memo(0, 20 + 1029 + 1021, "egy\r\nkettő\r\nhárom", 200, 60);
    Report->PrepareReport();
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 3u);
    // Whole on the third page, closed by the end-of-part mark of a split memo.
    EXPECT_EQ(pages[2], (std::vector<String>{"egy|kettő|három|\x01@0,20"}));
}
