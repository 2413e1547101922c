#include "platform/core/TMemoryStream.h"
#include "platform/graphics/TRegion.h"
#include "platform/core/ScopeExit.h"
#include "platform/graphics/TBitmap.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpSubReportView.h"
#include "tests/report/views/ViewTestSupport.h"

#include <gtest/gtest.h>

using Log = std::vector<String>;

namespace {

std::unique_ptr<TrpMemoView> MakeMemo(Integer l, Integer t, Integer w, Integer h) {
    auto memo = std::make_unique<TrpMemoView>();
    memo->SetBounds(l, t, w, h);
    return memo;
}

} // namespace

TEST_F(ViewDrawingTest, OnePixelFrameLeavesTheWholeRectangleInside) {
    auto memo = MakeMemo(10, 20, 100, 50);
    for (Word sides : {Word(0), Word(FrameAll)}) {
        memo->FrameTyp = sides;
        memo->CalcGaps();
        EXPECT_EQ(memo->gapx, 2);
        EXPECT_EQ(memo->gapy, 1);
        EXPECT_EQ(memo->DRect, TRect(10, 20, 111, 71)) << sides;
        memo->RestoreCoord();
    }
}

TEST_F(ViewDrawingTest, TwoPixelFrameTakesOnePixelOffAFramedRightSide) {
    auto memo = MakeMemo(10, 20, 100, 50);
    memo->FrameWidth = 2;
    memo->FrameTyp = FrameRight;
    memo->CalcGaps();
    EXPECT_EQ(memo->gapx, 3);
    EXPECT_EQ(memo->gapy, 1);
    EXPECT_EQ(memo->DRect, TRect(10, 20, 110, 71));
}

TEST_F(ViewDrawingTest, ScaledDrawingLeavesTheStoredRectangleAlone) {
    auto memo = MakeMemo(5, 5, 100, 50);
    memo->FillColor = clYellow;
    memo->ScaleX = memo->ScaleY = 2;
    memo->OffsX = 10;
    memo->OffsY = 20;
    memo->Draw(Canvas.get());
    EXPECT_EQ(Rec->Log, Log{"FillRect 20,30,220,130 brush clYellow"});
    EXPECT_EQ(TRect(memo->Left, memo->Top, memo->Width, memo->Height), TRect(5, 5, 100, 50));
    EXPECT_EQ(memo->FrameWidth, 1.0f);
    EXPECT_EQ(CurView, memo.get());
}

TEST_F(ViewDrawingTest, DesignModeIgnoresScaleAndPaintsNoFillWhite) {
    DocMode = dmDesigning;
    auto memo = MakeMemo(5, 5, 100, 50);
    memo->ScaleX = memo->ScaleY = 2;
    memo->OffsX = 10;
    memo->BeginDraw(Canvas.get());
    memo->CalcGaps();
    EXPECT_EQ(memo->Left, 5);
    EXPECT_EQ(memo->Width, 100);
    memo->ShowBackGround();
    EXPECT_EQ(Rec->Log, Log{"FillRect 5,5,106,56 brush clWhite"});
}

TEST_F(ViewDrawingTest, SolidFourSidesAreOneRectangle) {
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->FrameTyp = FrameAll;
    memo->FrameColor = clNavy;
    memo->Draw(Canvas.get());
    EXPECT_EQ(Rec->Log, Log{"Rectangle 10,10,31,21 pen clNavy brush clear"});
}

TEST_F(ViewDrawingTest, StyledSidesAreDrawnOneByOneRightLeftBottomTop) {
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->FrameTyp = FrameAll;
    memo->FrameStyle = psDash;
    memo->Draw(Canvas.get());
    EXPECT_EQ(Rec->Log,
              (Log{"Polyline 30,10 30,20 pen clBlack psDash", "Polyline 10,10 10,20 pen clBlack psDash",
                   "Polyline 10,20 30,20 pen clBlack psDash", "Polyline 10,10 30,10 pen clBlack psDash"}));
}

TEST_F(ViewDrawingTest, AWideDottedSideIsParallelOnePixelLines) {
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->FrameTyp = FrameTop;
    memo->FrameStyle = psDot;
    memo->FrameWidth = 3;
    memo->Draw(Canvas.get());
    EXPECT_EQ(Rec->Log, (Log{"Polyline 10,9 30,9 pen clBlack psDot", "Polyline 10,10 30,10 pen clBlack psDot",
                             "Polyline 10,11 30,11 pen clBlack psDot"}));
    EXPECT_EQ(Canvas->Pen()->Width(), 3); // the width comes back
}

TEST_F(ViewDrawingTest, DoubleSideIsTwoFrameLinesAroundOneInTheFill) {
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->FrameTyp = FrameLeft;
    memo->FrameStyle = fsDouble;
    memo->FrameColor = clRed;
    memo->FillColor = clWhite;
    memo->FrameWidth = 2;
    memo->Draw(Canvas.get());
    EXPECT_EQ(Rec->Log, (Log{"FillRect 10,10,30,20 brush clWhite", "Polyline 8,10 8,20 pen clRed w2",
                             "Polyline 10,10 10,20 pen clWhite w2", "Polyline 12,10 12,20 pen clRed w2"}));
}

TEST_F(ViewDrawingTest, DesignModeDrawsEightCornerMarks) {
    DocMode = dmDesigning;
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->BeginDraw(Canvas.get());
    memo->CalcGaps();
    memo->ShowFrame();
    EXPECT_EQ(Rec->Log, (Log{"Polyline 10,10 10,13 pen clBlack", "Polyline 10,10 14,10 pen clBlack",
                             "Polyline 10,20 10,17 pen clBlack", "Polyline 10,20 14,20 pen clBlack",
                             "Polyline 30,10 27,10 pen clBlack", "Polyline 30,10 30,14 pen clBlack",
                             "Polyline 30,20 27,20 pen clBlack", "Polyline 30,20 30,16 pen clBlack"}));
}

TEST_F(ViewDrawingTest, NothingIsDrawnWhileDrawingIsDisabledOrWithNothingToShow) {
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->Draw(Canvas.get()); // printing, no fill, no framed side
    memo->FrameTyp = FrameAll;
    memo->FillColor = clRed;
    DisableDrawing = true;
    memo->Draw(Canvas.get());
    EXPECT_TRUE(Rec->Log.empty());
}

TEST_F(ViewDrawingTest, ClipRegionGrowsOnFramedSidesOnly) {
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->FrameWidth = 3;
    memo->FrameTyp = FrameLeft | FrameBottom;
    // a = round(1.5) = 2 on the left, b = round(1) = 1 below.
    EXPECT_EQ(memo->GetClipRgn(rtNormal)->Bounds(), TRect(8, 10, 31, 22));
    EXPECT_EQ(memo->GetClipRgn(rtExtended)->Bounds(), TRect(-2, 0, 41, 32));
    memo->FrameStyle = fsDouble;
    // a = round(4.5) = 4, b = round(1 + 3) = 4.
    EXPECT_EQ(memo->GetClipRgn(rtNormal)->Bounds(), TRect(6, 10, 31, 25));
}

TEST_F(ViewDrawingTest, LinesAreTheFramedSideOfACollapsedObject) {
    struct Row {
        TRect Bounds; // left, top, width, height
        String Expected;
    };
    const Row rows[] = {
        {{10, 10, 0, 300}, "Polyline 10,10 10,310 pen clBlack"}, // vertical along its left edge
        {{10, 10, 300, 0}, "Polyline 10,10 310,10 pen clBlack"}, // horizontal along its top
        {{10, 10, 50, 50}, "Polyline 10,10 10,60 pen clBlack"},  // square counts as vertical
    };
    for (const Row& row : rows) {
        Rec->Log.clear();
        TrpLineView line;
        line.SetBounds(row.Bounds.Left, row.Bounds.Top, row.Bounds.Right, row.Bounds.Bottom);
        line.Draw(Canvas.get());
        EXPECT_EQ(Rec->Log, Log{row.Expected});
        EXPECT_EQ(TRect(line.Left, line.Top, line.Width, line.Height), row.Bounds);
        EXPECT_EQ(line.FrameTyp, FrameLeft);
    }
}

TEST(TrpView, DefaultsFollowTheClass) {
    TrpMemoView memo;
    EXPECT_EQ(memo.Flags, 3);
    EXPECT_EQ(memo.Format, 0x22C); // text, 2 decimals, "," from the Hungarian settings
    EXPECT_EQ(memo.FillColor, 0x1FFFFFFFu);
    EXPECT_TRUE(memo.Visible);
    TrpLineView line;
    EXPECT_EQ(line.Flags, 1);
    EXPECT_EQ(line.FrameTyp, FrameLeft);
}

TEST(TrpView, AssignCopiesTheStoredFieldsButNotTheIdentifier) {
    TrpMemoView a, b;
    a.Name = "Memo7";
    a.SetBounds(1, 2, 3, 4);
    a.FrameWidth = 1.5f;
    a.FormatStr = "#,##0";
    a.Memo.Add("[PAGE#]");
    a.Script.Add("if x then y");
    a.Visible = false;
    a.Adjust = 2;
    a.HighlightStr = "[x] > 1";
    a.Font.SetName("Courier New");
    a.ID = 77;
    b.Assign(&a);
    EXPECT_EQ(b.Name, "Memo7");
    EXPECT_EQ(b.Width, 3);
    EXPECT_EQ(b.FrameWidth, 1.5f);
    EXPECT_EQ(b.FormatStr, "#,##0");
    EXPECT_EQ(b.Memo.Get(0), "[PAGE#]");
    EXPECT_EQ(b.Script.Count(), 1);
    EXPECT_FALSE(b.Visible);
    EXPECT_EQ(b.Adjust, 2);
    EXPECT_EQ(b.HighlightStr, "[x] > 1");
    EXPECT_EQ(b.Font.Name(), "Courier New");
    EXPECT_NE(b.ID, 77);
}

TEST(TrpView, UniqueNamesSkipThoseTheReportHolds) {
    TrpReport report(nullptr);
    report.Pages()->Add();
    TrpPage* page = report.Pages()->Pages(0);
    for (const char* name : {"Memo1", "memo2"}) {
        auto* memo = new TrpMemoView();
        memo->Name = name;
        page->Add(memo);
    }
    CurReport = &report;
    TrpMemoView fresh;
    fresh.CreateUniqueName();
    EXPECT_EQ(fresh.Name, "Memo3");
    TrpLineView line;
    line.CreateUniqueName();
    EXPECT_EQ(line.Name, "Line1");
    CurReport = nullptr;
}

TEST(TrpView, PrintRunsTheNotificationAndScriptButAnInvisibleViewWritesNothing) {
    TrpReport report(nullptr);
    CurReport = &report;
    std::vector<String> calls;
    report.OnEnterRect = [&](TStringList* memo, TrpView* view) { calls.push_back("enter " + memo->Get(0)); };
    rpDoScript = [&](TrpView*, TStringList* script) { calls.push_back("script " + script->Get(0)); };
    TrpLineView line;
    line.Memo.Add("text");
    line.Script.Add("Visible := False");
    line.Visible = false;
    TMemoryStream out;
    line.Print(&out);
    EXPECT_EQ(calls, (std::vector<String>{"enter text", "script Visible := False"}));
    EXPECT_EQ(out.Size(), 0);
    rpDoScript = nullptr;
    CurReport = nullptr;
}

TEST(TrpView, PrintWritesTheTypeCodeAndThePrintRecord) {
    TrpLineView line;
    line.SetBounds(1, 2, 0, 40);
    line.Memo.Add("x");
    TMemoryStream out;
    line.Print(&out);
    const Byte* b = out.Memory();
    // Type code, then no name: the 30-byte block starts at once.
    ASSERT_EQ(out.Size(), 1 + 30 + 4 + 2 + 2 + 1 + 1);
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(line.StreamMode, smDesigning);
}

TEST_F(ViewDrawingTest, AnAbsurdlyWideStyledSideStopsAtTenThousandLines) {
    auto memo = MakeMemo(10, 10, 20, 10);
    memo->FrameTyp = FrameTop;
    memo->FrameStyle = psDot;
    memo->FrameWidth = 50000;
    memo->Draw(Canvas.get());
    EXPECT_EQ(Rec->Log.size(), 10000u);
    EXPECT_EQ(Rec->Log.front(), "Polyline 10,-24990 30,-24990 pen clBlack psDot");
}

TEST_F(ViewDrawingTest, BandsAndSubReportLinksShowOnlyInADesigner) {
    TrpBandView band;
    band.SetBandType(btPageFooter);
    band.SetBounds(0, 40, 300, 20);
    TrpSubReportView sub;
    sub.SetBounds(10, 10, 100, 20);
    sub.SubPage = 1;
    band.Draw(Canvas.get());
    sub.Draw(Canvas.get());
    EXPECT_TRUE(Rec->Log.empty());

    DocMode = dmDesigning;
    band.Draw(Canvas.get());
    EXPECT_EQ(Rec->Calls("TextOut"), Log{"TextOut 4,42 \"Page footer\" clBlack"});
    Rec->Log.clear();
    sub.Draw(Canvas.get());
    EXPECT_EQ(Rec->Calls("Rectangle"), Log{"Rectangle 10,10,111,31 pen clBlack brush clWhite"});
    ASSERT_EQ(Rec->Calls("TextOut").size(), 1u);
    EXPECT_EQ(Rec->Calls("TextOut")[0].substr(0, 27), "TextOut 12,12 \"SubReport 2\"");
}

// A designer's band drawn on a white bitmap: a checkerboard strip across its page from
// 0 (a cross band's down it), framed in button face, its name inside it or, with titles
// shown, on a button-face tab above it (left of a cross band) shadowed on its far side.
TEST_F(ViewDrawingTest, ADesignedBandSpansItsPageAndShowsItsTitleInsideOrOnATab) {
    DocMode = dmDesigning;
    TrpReport report(nullptr);
    report.Pages()->Add();
    TrpPage* page = report.Pages()->Pages(0);
    page->PrnInfo.Pgw = 300;
    page->PrnInfo.Pgh = 130;
    auto* band = new TrpBandView();
    band->SetBandType(btMasterData);
    band->SetBounds(40, 40, 100, 30);
    page->Add(band);
    auto* cross = new TrpBandView();
    cross->SetBandType(btCrossData);
    cross->SetBounds(220, 10, 40, 50);
    page->Add(cross);
    CurReport = &report;
    const core::ScopeExit back([] {
        CurReport = nullptr;
        TrpBandView::ShowBandTitles = false;
    });

    const TColor face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow);
    auto kind = [&](TBitmap& b, Integer x, Integer y) {
        const TColor c = b.Canvas()->Pixels(x, y);
        if (c == clWhite) return 'w';
        if (c == clSilver) return 'c';
        return c == face ? 'f' : c == shadow ? 's' : 'i'; // i: ink
    };
    // Pixels of the title's ink in r.
    auto ink = [&](TBitmap& b, const TRect& r) {
        int n = 0;
        for (Integer y = r.Top; y < r.Bottom; ++y)
            for (Integer x = r.Left; x < r.Right; ++x)
                n += kind(b, x, y) == 'i';
        return n;
    };
    struct Probe {
        Integer X, Y;
        char Off, On; // without and with titles: w white, c checkerboard, f face, s shadow
    };
    const Probe probes[] = {
        {3, 60, 'c', 'c'},    // the strip starts at 0, left of the band
        {151, 50, 'c', 'c'},  // and goes on to the page's edge
        {300, 55, 'f', 'f'},  // framed there
        {151, 70, 'f', 'f'},  // and below
        {311, 55, 'w', 'w'},  // nothing past the page
        {80, 30, 'w', 'f'},   // the tab above the strip
        {99, 30, 'w', 's'},   // its shadow
        {101, 30, 'w', 'w'},  // 100 wide
        {5, 21, 'w', 'w'},    // 18 high
        {241, 120, 'c', 'c'}, // the cross band runs down the page
        {211, 30, 'w', 'f'},  // its tab on the left
        {211, 99, 'w', 's'},  // shadowed at the bottom
        {211, 101, 'w', 'w'},
    };
    for (bool titles : {false, true}) {
        TrpBandView::ShowBandTitles = titles;
        TBitmap bitmap(320, 140, pf24bit);
        bitmap.Canvas()->Brush()->SetColor(clWhite);
        bitmap.Canvas()->FillRect(TRect(0, 0, 320, 140));
        band->Draw(bitmap.Canvas());
        cross->Draw(bitmap.Canvas());
        for (const Probe& p : probes) {
            const char want = titles ? p.On : p.Off;
            EXPECT_EQ(kind(bitmap, p.X, p.Y), want) << p.X << "," << p.Y << " titles " << titles;
            if (want == 'c') {
                EXPECT_EQ(kind(bitmap, p.X + 1, p.Y), 'w') << p.X << "," << p.Y << " checkered";
            }
        }
        // The band's name inside it or on its tab, never both.
        EXPECT_EQ(ink(bitmap, TRect(1, 41, 100, 60)) > 0, !titles);
        EXPECT_EQ(ink(bitmap, TRect(1, 22, 98, 40)) > 0, titles);
        EXPECT_EQ(ink(bitmap, TRect(221, 1, 240, 100)) > 0, !titles);
        EXPECT_EQ(ink(bitmap, TRect(202, 1, 220, 98)) > 0, titles);
        // The stored rectangle stays the band's own.
        EXPECT_EQ(TRect(band->Left, band->Top, band->Width, band->Height), TRect(40, 40, 100, 30));
        EXPECT_EQ(band->GetClipRgn(rtNormal)->Bounds(),
                  titles ? TRect(0, 22, 141, 71) : TRect(40, 40, 141, 71));
    }
}

TEST(TrpBandView, TheTypeLivesInTheLowSevenBitsOfFrameTyp) {
    TrpBandView band;
    EXPECT_EQ(band.Flags, 48);
    EXPECT_EQ(band.Format, 0);
    band.FrameTyp = 0x80 | btGroupHeader;
    EXPECT_EQ(band.GetBandType(), btGroupHeader);
    band.SetBandType(btCrossData);
    EXPECT_EQ(band.FrameTyp, 19);
    band.FrameTyp = 100; // beyond the types
    EXPECT_EQ(band.GetBandType(), btNone);
    EXPECT_EQ(rpBandName(btMasterData), "Master data");
    EXPECT_EQ(rpBandName(22), "");
}
