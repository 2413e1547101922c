#include "report/views/TrpMemoView.h"

#include "tests/report/views/ViewTestSupport.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/TBitmap.h"
#include "report/views/detail/MemoText.h"
#include "report/build/TrpReport.h"
#include "report/engine/rpEngine.h"

#include <gtest/gtest.h>

namespace {

// A memo of 10-point Arial at (10, 20), 200 × 100, frame width 1 (gapx 2,
// gapy 1): every character 6 pixels wide on the measuring canvas, line step
// 2 + 13 = 15.
class MemoView : public ViewDrawingTest {
protected:
    void SetUp() override {
        ViewDrawingTest::SetUp();
        rpInitEngine();
        TempBmp->Canvas()->SetMeasurer(&Fixed);
        Memo.SetBounds(10, 20, 200, 100);
        rpGetValue = [](const String& e, String& v) { v = e == "NAME" ? "Kovács Ödön" : "<" + e + ">"; };
    }
    void TearDown() override {
        rpGetValue = nullptr;
        TempBmp->Canvas()->SetMeasurer(nullptr);
        ViewDrawingTest::TearDown();
    }

    std::vector<String> Texts() const {
        std::vector<String> r;
        for (const String& call : Rec->Calls("TextOut")) {
            const auto a = call.find('"'), b = call.find('"', a + 1);
            r.push_back(call.substr(a + 1, b - a - 1));
        }
        return r;
    }
    // "x,y" of the n-th text output.
    String At(std::size_t n) const {
        const String call = Rec->Calls("TextOut").at(n);
        return call.substr(8, call.find(' ', 8) - 8);
    }
    // The lines of a print-mode memo record written by Print.
    static std::vector<String> Printed(TMemoryStream& stream) {
        stream.SetPosition(0);
        EXPECT_EQ(stream.ReadByte(), gtMemo);
        TrpMemoView read;
        read.StreamMode = smPrinting;
        read.LoadFromStream(&stream);
        std::vector<String> r;
        for (Integer k = 0; k < read.Memo.Count(); ++k)
            r.push_back(read.Memo.Get(k));
        return r;
    }

    graphics::FixedTextMeasurer Fixed{6, 13, 11};
    TrpMemoView Memo;
};

} // namespace

TEST_F(MemoView, HeightOfThreeLinesIsThreeStepsAndTheGaps) {
    Memo.Memo.SetText("a\r\nb\r\nc");
    EXPECT_EQ(Memo.CalcHeight(), 3 * 15 + 2);
    EXPECT_EQ(Memo.TextHeight, 15);
    EXPECT_EQ(Memo.MinHeight(), 15);
    EXPECT_EQ(Memo.DrawMode, drAfterCalcHeight);
    Memo.Memo.Clear();
    EXPECT_EQ(Memo.CalcHeight(), 0);
    Memo.Memo.SetText("x");
    Memo.Visible = false;
    EXPECT_EQ(Memo.CalcHeight(), 0);
}

TEST_F(MemoView, CalcHeightExpandsAndWrapsIntoSMemo) {
    Memo.Memo.SetText("Name: [NAME] and more words to wrap here");
    // 196 pixels available: 32 characters.
    EXPECT_EQ(Memo.CalcHeight(), 2 * 15 + 2);
    ASSERT_EQ(SMemo->Count(), 2);
    EXPECT_EQ(report::ParseLineRecord(SMemo->Get(0)).Text, "Name: Kovács Ödön and more words");
    EXPECT_EQ(report::ParseLineRecord(SMemo->Get(0)).Width, 32 * 6);
    EXPECT_TRUE(report::ParseLineRecord(SMemo->Get(1)).LastOfParagraph);
}

TEST_F(MemoView, CalcHeightExpandsUnlessTheReportsHandlerChangedTheText) {
    TrpReport report(nullptr);
    CurReport = &report;
    Memo.Memo.SetText("[NAME]");
    // Without a handler the template is expanded as it stands.
    EXPECT_EQ(Memo.CalcHeight(), 15 + 2);
    EXPECT_EQ(Memo.Memo1.Text(), "Kovács Ödön\r\n");
    // A handler that leaves the text sees the template; it is expanded after it.
    std::vector<String> seen;
    report.OnEnterRect = [&](TStringList* memo, TrpView*) { seen.push_back(memo->Text()); };
    Memo.CalcHeight();
    EXPECT_EQ(seen, std::vector<String>{"[NAME]\r\n"});
    EXPECT_EQ(Memo.Memo1.Text(), "Kovács Ödön\r\n");
    // A handler that changes it has the last word: its text is laid out unexpanded.
    report.OnEnterRect = [](TStringList* memo, TrpView*) { memo->SetText("[a]\r\n[b]"); };
    EXPECT_EQ(Memo.CalcHeight(), 2 * 15 + 2);
    EXPECT_EQ(Memo.Memo1.Text(), "[a]\r\n[b]\r\n");
    CurReport = nullptr;
}

TEST_F(MemoView, DrawsLinesLeftRightAndCentred) {
    DocMode = dmPrinting;
    Memo.Memo.SetText("abc");
    Memo.Draw(Canvas.get());
    EXPECT_EQ(Texts(), std::vector<String>{"abc"});
    EXPECT_EQ(At(0), "12,21"); // Left + gapx, Top + gapy
    Rec->Log.clear();
    Memo.Adjust = 1;
    Memo.Draw(Canvas.get());
    EXPECT_EQ(At(0), std::to_string(10 + 200 - 1 - 2 - 18) + ",21");
    Rec->Log.clear();
    Memo.Adjust = 2;
    Memo.Draw(Canvas.get());
    EXPECT_EQ(At(0), std::to_string(12 + (196 - 18) / 2) + ",21");
}

TEST_F(MemoView, JustifySpreadsAllButTheParagraphsLastLine) {
    Memo.Adjust = 3;
    Memo.Memo.SetText("aaaa bbbb cccc dddd eeee ffff gggg hhhh");
    Memo.Draw(Canvas.get());
    const auto calls = Rec->Calls("TextOut");
    ASSERT_EQ(calls.size(), 2u);
    // "aaaa bbbb cccc dddd eeee ffff" is 29 characters: 196 - 174 pixels over 5 spaces.
    EXPECT_NE(calls[0].find("justify 22/5"), String::npos) << calls[0];
    EXPECT_EQ(calls[1].find("justify"), String::npos) << calls[1];
}

TEST_F(MemoView, AtTwiceTheScaleLinesKeepTheirBreaksAndProportions) {
    Memo.Memo.SetText("ab cd");
    Memo.ScaleX = Memo.ScaleY = 2;
    Memo.Draw(Canvas.get());
    // The fixed measurer ignores the font size: each character is placed at
    // twice its measured advance, so the line spans twice its width.
    EXPECT_EQ(Texts(), (std::vector<String>{"a", "b", " ", "c", "d"}));
    EXPECT_EQ(At(0), "23,41"); // round(10 × 2) + gapx 3, round(20 × 2) + gapy 1
    EXPECT_EQ(At(4), std::to_string(23 + 4 * 12) + ",41");
}

// Right-aligned amounts and a status in the preview at 100 % (the page's printable area
// drawn 716 of 752 pixels wide, 1035 of 1071 high) and at 200 %, with the real fonts:
// every glyph shows whole, as the font draws the text itself, none run into its
// neighbour or cut at the memo's edge, and no gap the font leaves between glyphs closes.
TEST_F(MemoView, AtThePreviewsScalesEveryGlyphKeepsItsAdvance) {
    TempBmp->Canvas()->SetMeasurer(nullptr);
    // Ink pixels and runs of inked columns of a picture.
    const auto ink = [](TBitmap& b) {
        std::pair<Integer, Integer> pixelsAndRuns{0, 0};
        bool inked = false;
        for (Integer x = 0; x < b.Width(); ++x) {
            const Integer before = pixelsAndRuns.first;
            for (Integer y = 0; y < b.Height(); ++y)
                pixelsAndRuns.first += (b.Canvas()->Pixels(x, y) & 0xFF) < 128;
            if (pixelsAndRuns.first > before && !inked) ++pixelsAndRuns.second;
            inked = pixelsAndRuns.first > before;
        }
        return pixelsAndRuns;
    };
    const auto blank = [](TBitmap& b) {
        b.SetSize(300, 40);
        b.Canvas()->Brush()->SetColor(clWhite);
        b.Canvas()->FillRect(TRect(0, 0, 300, 40));
    };
    struct Row {
        const char* Text;
        double Zoom;
    };
    for (const Row& r : {Row{"-200 000 Ft", 1}, Row{"50 000 Ft", 1}, Row{"aktív", 1},
                         Row{"200 111 111 Ft", 1}, // the kerned ones would take from the leading digits
                         Row{"1 111 111 Ft", 2}}) {
        TBitmap page, own;
        blank(page);
        blank(own);
        TrpMemoView m;
        m.SetBounds(10, 5, 130, 17);
        m.Adjust = 1;
        m.Memo.SetText(r.Text);
        m.ScaleX = 716.0 / 752 * r.Zoom;
        m.ScaleY = 1035.0 / 1071 * r.Zoom;
        m.Draw(page.Canvas());
        // The font the line was fitted to stays on the canvas.
        own.Canvas()->Font()->Assign(page.Canvas()->Font());
        own.Canvas()->Brush()->SetStyle(bsClear);
        own.Canvas()->TextOut(10, 5, r.Text);
        const auto drawn = ink(page), whole = ink(own);
        EXPECT_EQ(drawn.first, whole.first) << r.Text << " at " << r.Zoom;
        EXPECT_GE(drawn.second, whole.second) << r.Text << " at " << r.Zoom;
    }
}

TEST_F(MemoView, RotatedLinesRunAlongTheVerticalAxis) {
    Memo.Adjust = 4;
    Memo.Memo.SetText("abc");
    Memo.Draw(Canvas.get());
    EXPECT_EQ(At(0), "12,119"); // Left + gapx, Top + Height - gapy
    Rec->Log.clear();
    Memo.Adjust = 4 | 1;
    Memo.Draw(Canvas.get());
    EXPECT_EQ(At(0), std::to_string(12) + "," + std::to_string(20 + 1 + 18));
}

TEST_F(MemoView, VerticalAlignment) {
    Memo.Memo.SetText("abc"); // block 15 + 2 high in 100
    Memo.Adjust = 24;
    Memo.Draw(Canvas.get());
    EXPECT_EQ(At(0), "12,21"); // 24 behaves as top
    Rec->Log.clear();
    Memo.Adjust = 8;
    Memo.Draw(Canvas.get());
    EXPECT_EQ(At(0), "12," + std::to_string(21 + (100 - 17) / 2));
    Rec->Log.clear();
    Memo.Adjust = 16;
    Memo.Draw(Canvas.get());
    EXPECT_EQ(At(0), "12," + std::to_string(21 + 100 - 17));
    EXPECT_EQ(Memo.Adjust, 16);
}

TEST_F(MemoView, WrappedTextIsNeverWrappedAgain) {
    Memo.Memo.Add(report::MakeLineRecord(String(60, 'x'), true, 360));
    Memo.Draw(Canvas.get());
    EXPECT_EQ(Rec->Calls("TextOut").size(), 1u);
    // The part marker alone is dropped.
    Rec->Log.clear();
    Memo.Memo.Clear();
    Memo.Memo.Add(report::MakeLineRecord("abc", false, 18));
    Memo.Memo.Add("\x01");
    Memo.Draw(Canvas.get());
    EXPECT_EQ(Texts(), std::vector<String>{"abc"});
}

TEST_F(MemoView, RightAlignedAutoWidthKeepsItsRightEdge) {
    Memo.Flags |= flAutoWidth;
    Memo.Adjust = 1;
    Memo.Memo.SetText("abcd\r\nab");
    Memo.Draw(Canvas.get());
    EXPECT_EQ(Memo.Width, 24 + 2 + 2);
    EXPECT_EQ(Memo.Left + Memo.Width, 210);
}

TEST_F(MemoView, PrintWritesTheExpandedText) {
    Memo.Memo.SetText("[NAME]\r\nx");
    TMemoryStream stream;
    Memo.Print(&stream);
    EXPECT_EQ(Printed(stream), (std::vector<String>{"Kovács Ödön", "x"}));
    EXPECT_EQ(Memo.Memo.Get(0), "[NAME]"); // the template is kept
    EXPECT_EQ(Memo.DrawMode, drAll);
}

TEST_F(MemoView, HighlightAppliesWhileTheConditionHolds) {
    Memo.Memo.SetText("abc");
    Memo.HighlightStr = "1 = 1";
    Memo.Highlight.FillColor = clYellow;
    TMemoryStream stream;
    Memo.Print(&stream);
    stream.SetPosition(1);
    TrpMemoView read;
    read.StreamMode = smPrinting;
    read.LoadFromStream(&stream);
    EXPECT_EQ(read.FillColor, clYellow);
    EXPECT_TRUE(read.Font.Style().Contains(fsBold));
    EXPECT_EQ(Memo.FillColor, clNoFill); // put back after printing
}

namespace {

// The band engine's split: compute the lines, then print parts of Height
// until none is left; answers the lines of each part.
std::vector<std::vector<String>> Split(TrpMemoView& memo, Integer height) {
    memo.CalcHeight();
    memo.Memo1.Assign(SMemo);
    std::vector<std::vector<String>> parts;
    for (int guard = 0; memo.Memo1.Count() > 0 && guard < 100; ++guard) {
        memo.DrawMode = drPart;
        memo.Height = height;
        TMemoryStream stream;
        memo.Print(&stream);
        stream.SetPosition(1);
        TrpMemoView read;
        read.StreamMode = smPrinting;
        read.LoadFromStream(&stream);
        std::vector<String> lines;
        for (Integer k = 0; k < read.Memo.Count(); ++k)
            if (read.Memo.Get(k) != "\x01") lines.push_back(report::ParseLineRecord(read.Memo.Get(k)).Text);
        parts.push_back(lines);
    }
    return parts;
}

} // namespace

TEST_F(MemoView, SplitPrintsEveryLineOnceInOrder) {
    Memo.Memo.SetText("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7");
    // 50 pixels: lines at 1, 16, 31 fit (31 + 15 ≤ 50).
    const auto parts = Split(Memo, 50);
    EXPECT_EQ(parts, (std::vector<std::vector<String>>{{"1", "2", "3"}, {"4", "5", "6"}, {"7"}}));
    EXPECT_EQ(Memo.RemainHeight(), 0);
}

TEST_F(MemoView, SplitIntoPartsLowerThanALineStillMovesOn) {
    Memo.Memo.SetText("1\r\n2\r\n3");
    EXPECT_EQ(Split(Memo, 5), (std::vector<std::vector<String>>{{"1"}, {"2"}, {"3"}}));
}

TEST_F(MemoView, ExportHandsEveryLineWithItsPosition) {
    TrpReport report(nullptr);
    CurReport = &report;
    std::vector<String> got;
    report.OnExportText = [&](Integer x, Integer y, const String& t, TrpView*) {
        got.push_back(std::to_string(x) + "," + std::to_string(y) + " " + t);
    };
    Memo.Memo.SetText("ab\r\ncd");
    Memo.ExportData();
    CurReport = nullptr;
    EXPECT_EQ(got, (std::vector<String>{"12,21 ab", "12,36 cd"}));
    EXPECT_FALSE(Memo.Exporting);
}

TEST_F(MemoView, RotatedJustifiedLinesPlaceTheirWordsUpwards) {
    Memo.Adjust = 4 | 3;
    Memo.SetBounds(10, 20, 100, 80); // 78 pixels along the text: 13 characters
    Memo.Memo.SetText("aa bb cc dd ee ff");
    Memo.Draw(Canvas.get());
    // "aa bb cc dd" (11 characters, 66 pixels) spreads 12 pixels over 3 spaces.
    EXPECT_EQ(Texts(), (std::vector<String>{"aa", "bb", "cc", "dd", "ee ff"}));
    EXPECT_EQ(At(0), "12,99"); // Top + Height - gapy
    EXPECT_EQ(At(1), "12," + std::to_string(99 - 18 - 4));
    EXPECT_EQ(At(3), "12," + std::to_string(99 - 54 - 12));
}

namespace {

// The coordinate of a text output along the lines' direction: y, or x when rotated.
Integer Along(const String& at, bool rotated) {
    const auto comma = at.find(',');
    return std::stoi(rotated ? at.substr(0, comma) : at.substr(comma + 1));
}

} // namespace

// A long text in the preview ends inside its memo instead of under its clip's
// foot (at 150 % a step of 23 against 22.5); a printer keeps its own font's step.
TEST_F(MemoView, AtAZoomTheLastLineEndsInsideTheMemo) {
    for (Integer k = 0; k < 20; ++k)
        Memo.Memo.Add("x");
    Memo.SetBounds(10, 20, 200, 20 * 15 + 2);
    Memo.ScaleX = Memo.ScaleY = 1.5;
    for (const bool printer : {false, true}) {
        Memo.IsPrinting = printer;
        Rec->Log.clear();
        Memo.Draw(Canvas.get());
        const String last = Rec->Calls("TextOut").back();
        const Integer bottom = Along(At(19), false);
        if (printer) // its 13-pixel font and round(2 × 1.5), as printed so far
            EXPECT_EQ(bottom - Along(At(0), false), 19 * 16);
        else
            EXPECT_LE(bottom + 22.5, std::stoi(last.substr(last.rfind(',') + 1)));
    }
}

TEST_F(MemoView, AnAbsurdFontSizeSaturatesTheLineStepInsteadOfOverflowing) {
    // A damaged prepared page may store a font of 1.6 billion points: its line
    // step (font height plus spacing) lies beyond the integer range.
    Memo.Font.SetSize(1'600'000'000);
    Memo.Memo.SetText("a\r\nb\r\nc");
    EXPECT_EQ(Memo.CalcHeight(), 1 << 29);
    EXPECT_EQ(Memo.TextHeight, 1 << 29);
    EXPECT_EQ(Memo.RemainHeight(), 1 << 29); // three lines of that height

    for (const Integer adjust : {0, 8, 16, 4, 4 | 16}) {
        SCOPED_TRACE(adjust);
        Memo.Adjust = adjust;
        Rec->Log.clear();
        Memo.Draw(Canvas.get());
        ASSERT_EQ(Texts(), (std::vector<String>{"a", "b", "c"}));
        // Each line below (or, rotated, right of) the one before; never wrapped round.
        const bool rotated = (adjust & 4) != 0;
        EXPECT_LT(Along(At(0), rotated), Along(At(1), rotated));
        EXPECT_LE(Along(At(1), rotated), Along(At(2), rotated));
    }

    // Lines wrapped when the page was built take the same step.
    Memo.Adjust = 16;
    Memo.Memo.Clear();
    for (const char* t : {"a", "b", "c"})
        Memo.Memo.Add(report::MakeLineRecord(t, true, 6));
    Rec->Log.clear();
    Memo.Draw(Canvas.get());
    ASSERT_EQ(Texts(), (std::vector<String>{"a", "b", "c"}));
    EXPECT_LT(Along(At(0), false), Along(At(1), false));
    EXPECT_EQ(Memo.Top, 20); // put back after the vertical placement
}

// A damaged page may store any frame width: a negative one reads as none, a
// huge one as the widest frame, so the gaps made from it keep the lines' arithmetic
// in range at any scale and alignment (the sanitizer build watches the drawing).
TEST_F(MemoView, AFrameWidthReadFromAPageIsBounded) {
    const struct {
        std::int32_t Stored;
        float Read;
    } cases[] = {
        {-1'500'000'000, 0},   // negative whole units
        {7, 7},                // whole units
        {1500, 1.5f},          // thousandths
        {2'147'483'647, 1000}, // two million pixels
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Stored);
        TrpMemoView stored;
        stored.StreamMode = smPrinting;
        stored.SetBounds(1 << 29, -(1 << 29), 1 << 29, 40);
        stored.Flags = flWordWrap | 8; // auto width
        stored.Memo.SetText("Kovács Ödön ügyvéd");
        TMemoryStream stream;
        stored.SaveToStream(&stream);
        stream.SetPosition(20);
        stream.WriteInt32(c.Stored);
        stream.SetPosition(0);
        TrpMemoView read;
        read.StreamMode = smPrinting;
        read.LoadFromStream(&stream);
        EXPECT_EQ(read.FrameWidth, c.Read);
        for (const Integer adjust : {0, 1, 2, 3, 4 | 1, 4 | 2, 4 | 3})
            for (const double scale : {1.0, 1000.0}) {
                read.Adjust = adjust;
                read.ScaleX = read.ScaleY = scale;
                Rec->Log.clear();
                read.Draw(Canvas.get());
                EXPECT_FALSE(Texts().empty()) << adjust << " " << scale;
            }
    }
}
