#include "tests/report/BandEngineSupport.h"

#include "platform/core/TMemoryStream.h"
#include "platform/core/Utf8.h"
#include "report/views/detail/MemoText.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpLineView.h"

#include <algorithm>

using Pages = std::vector<std::vector<String>>;

namespace {

// The stored lines of the memo at Left on each built page, a part's lone end-of-part mark dropped.
Pages PartsAt(TrpReport* report, Integer left) {
    Pages parts;
    TrpEMFPages* p = report->EMFPages();
    for (Integer i = 0; i < p->Count(); ++i) {
        p->ObjectsToPage(i);
        for (const auto& v : p->Pages(i)->Page->Objects) {
            if (v->Left != left) continue;
            std::vector<String> lines;
            for (Integer k = 0; k < v->Memo.Count(); ++k)
                if (v->Memo[k] != "\x01") lines.push_back(v->Memo[k]);
            parts.push_back(lines);
        }
    }
    return parts;
}

std::vector<String> TextsOf(const Pages& parts) {
    std::vector<String> texts;
    for (const auto& part : parts)
        for (const String& record : part)
            texts.push_back(report::ParseLineRecord(record).Text);
    return texts;
}

// Widths as a real font gives them: narrow "i", "l" and punctuation, wide "m" and "w".
class ProportionalMeasurer : public graphics::FixedTextMeasurer {
public:
    Integer TextWidth(const graphics::FontState&, const String& text) override {
        Integer w = 0;
        for (const char32_t c : core::Utf8ToU32(text))
            w += std::u32string_view(U"il.,' ").find(c) != std::u32string_view::npos  ? 3
                 : std::u32string_view(U"mwMWő").find(c) != std::u32string_view::npos ? 10
                                                                                      : 6;
        return w;
    }
};

} // namespace

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
    const std::vector<String> lines = TextsOf(PartsAt(Report, 0));
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

// A page built by hand: OnManualBuild takes the place of the page's own walk and shows
// the bands it names; each cross row tells OnBeginColumn its band and lets OnPrintColumn
// set every column's width.
TEST_F(BandEngineTest, AManualBuildShowsTheBandsItNamesInColumnsAsWideAsItSays) {
    Band(btCrossData, 0, 1000, "3")->SetBounds(60, 0, 100, 1000);
    Band(btReportTitle, 20, 20)->Name = "Cim";
    Memo(0, 20, "Cím");
    Band(btMasterData, 50, 20)->Name = "Sor"; // no source: the page's own walk skips it
    Memo(0, 50, "sor");
    Memo(65, 50, "[COLUMN#]", 30, 15);
    String heard;
    Report->OnManualBuild = [&](TrpPage* page) {
        heard += "build ";
        page->NewPage();
        page->ShowBandByName("cim");
        page->ShowBandByType(btMasterData);
        page->ShowBandByName("Sor");
    };
    Report->OnBeginColumn = [&](TrpBand* band) { heard += band->BandName() + " "; };
    Report->OnPrintColumn = [&](Integer column, Integer& width) {
        heard += std::to_string(column) + ":" + std::to_string(width) + " ";
        width = 40 * column;
    };
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Built(), (Pages{{"Cím@0,20", "sor@0,40", "1@65,40", "2@105,40", "3@185,40", "sor@0,60",
                               "1@65,60", "2@105,60", "3@185,60"}}));
    EXPECT_EQ(heard, "build Sor 1:100 2:100 3:100 Sor 1:100 2:100 3:100 ");
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
    // Whole on the third page, alone at its top.
    ASSERT_EQ(pages[2].size(), 1u);
    EXPECT_EQ(pages[2][0].substr(pages[2][0].find('@')), "@0,20");
    EXPECT_EQ(TextsOf({PartsAt(Report, 0).back()}), (std::vector<String>{"egy", "kettő", "három"}));
}

TEST_F(BandEngineTest, ASplitMemoPrintsEachWrappedLineOnceWithItsOwnWidth) {
    ProportionalMeasurer measurer;
    TempBmp->Canvas()->SetMeasurer(&measurer);
    Band(btMasterData, 20, 30, "1", bfStretched | bfAllowSplit);
    std::vector<String> paragraphs;
    String text;
    for (int k = 1; k <= 30; ++k) {
        String p = std::to_string(k) + ". bekezdés:";
        for (int w = 0; w < 4 + k % 5; ++w)
            p += " a letéti szerződés eredeti példánya, amelyet a felek aláírtak";
        paragraphs.push_back(p);
        text += (k > 1 ? "\r\n" : "") + p;
    }
    Memo(0, 20, text, 200, 17);
    // An empty memo beside it wraps nothing: none of its neighbour's lines become its own.
    Memo(300, 20, "", 200, 15);
    Report->PrepareReport();

    // The memo's wrapped lines in 196 pixels, each record holding its text's own width.
    auto width = [&](const String& t) { return measurer.TextWidth({}, t); };
    std::vector<String> wrapped;
    for (const String& p : paragraphs)
        for (const auto& line : report::WrapLine(p, 196, false, width))
            wrapped.push_back(report::MakeLineRecord(line.Text, line.LastOfParagraph, width(line.Text)));
    const Pages parts = PartsAt(Report, 0);
    ASSERT_GE(parts.size(), 3u);
    std::vector<String> joined;
    for (const auto& part : parts) {
        EXPECT_FALSE(part.empty());
        joined.insert(joined.end(), part.begin(), part.end());
    }
    EXPECT_EQ(joined, wrapped);
    for (const auto& part : PartsAt(Report, 300))
        EXPECT_TRUE(part.empty());
}

// Memos of 40 to 400 lines under bands of several heights, in a stretched band that may
// split and in one that may not, built in two passes: every line printed once and clear
// of the page footer, also of a small memo beside, the note under the memo after its last line, the footer
// counting the pages built (a summary follows), and a band that a fresh page holds moved there whole.
TEST_F(BandEngineTest, LongMemosPrintEveryLineOnceOnTheirPages) {
    Report->DoublePass = true;
    for (const Word split : {Word(0), Word(bfAllowSplit)})
        for (Integer lines = 40; lines <= 400; lines += 60)
            for (Integer above : {0, 300, 700, 990}) {
                SCOPED_TRACE(std::to_string(lines) + " lines under " + std::to_string(above) +
                             (split ? ", may split" : ", may not split"));
                Page->Clear();
                if (above > 0) {
                    Band(btMasterData, 20, above, "1");
                    Memo(0, 20, "fej");
                }
                Band(btMasterData, 1100, 40, "1", bfStretched | split);
                String text;
                for (Integer k = 1; k <= lines; ++k)
                    text += (k > 1 ? "\r\n" : "") + std::string("sor ") + std::to_string(k);
                Memo(0, 1100, text, 200, 17);
                Memo(0, 1120, "alatta", 100, 15)->Flags = flWordWrap;
                // Beside it a line whose box starts 12 pixels above the first page's room end
                // when the band starts at 1010.
                Memo(500, 1107, "kicsi", 100, 17)->Flags = flWordWrap;
                Band(btReportSummary, 1200, 20);
                Memo(400, 1200, "vége", 100, 15);
                Band(btPageFooter, 1031, 20, "", bfPrintOnFirstPage | bfPrintOnLastPage);
                Memo(300, 1031, "[PAGE#]/[TOTALPAGES]", 100, 15);
                ASSERT_TRUE(Report->PrepareReport());

                TrpEMFPages* prepared = Report->EMFPages();
                const Integer pages = prepared->Count();
                std::vector<String> printed;
                Integer ends = 0, smalls = 0, parts = 0, lastPart = -1, lastBottom = 0, notePage = -1,
                        noteTop = 0;
                for (Integer i = 0; i < pages; ++i) {
                    prepared->ObjectsToPage(i);
                    for (const auto& v : prepared->Pages(i)->Page->Objects) {
                        // Split memos hold wrapped line records, with a lone end-of-part mark.
                        std::vector<String> texts;
                        for (Integer k = 0; k < v->Memo.Count(); ++k)
                            if (v->Memo[k] != "\x01")
                                texts.push_back(report::IsWrapped(v->Memo)
                                                    ? report::ParseLineRecord(v->Memo[k]).Text
                                                    : v->Memo[k]);
                        const String first = texts.empty() ? String() : texts[0];
                        if (v->Left == 400) ++ends;
                        if (first == "kicsi") ++smalls;
                        if (v->Left == 300) {
                            EXPECT_EQ(first, std::to_string(i + 1) + "/" + std::to_string(pages));
                            continue;
                        }
                        EXPECT_LE(v->Top + v->Height, 1031) << first;
                        if (first == "alatta") {
                            notePage = i;
                            noteTop = v->Top;
                        }
                        if (!first.starts_with("sor")) continue;
                        ++parts;
                        lastPart = i;
                        lastBottom = v->Top + 2 + static_cast<Integer>(texts.size()) * 15;
                        printed.insert(printed.end(), texts.begin(), texts.end());
                    }
                }
                EXPECT_EQ(ends, 1);
                EXPECT_EQ(smalls, 1);
                ASSERT_EQ(printed.size(), static_cast<std::size_t>(lines));
                for (Integer k = 0; k < lines; ++k)
                    ASSERT_EQ(printed[static_cast<std::size_t>(k)], "sor " + std::to_string(k + 1));
                // Under the memo's end, or where no room is left there, on the next page.
                if (parts > 1) {
                    EXPECT_TRUE((notePage == lastPart && noteTop >= lastBottom) || notePage == lastPart + 1)
                        << "the note on page " << notePage + 1 << " at " << noteTop;
                }
                // 1011 pixels under the top margin hold the band whole when its memo's
                // lines and gaps (15 each, 2) and its foot fit.
                if (!split && lines * 15 + 2 + 20 <= 1011 && above > 0) {
                    EXPECT_EQ(parts, 1);
                }
            }
}
