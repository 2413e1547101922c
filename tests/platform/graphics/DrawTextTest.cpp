#include "platform/graphics/DrawText.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

using graphics::FixedTextMeasurer;
using graphics::LayoutText;
using graphics::RecordingCanvasBackend;

namespace {

// 6 pixels a character, 13 a line: "abc" is 18 wide.
struct DrawTextTest : ::testing::Test {
    FixedTextMeasurer M{6, 13, 11};
    graphics::FontState F;

    graphics::TextLayout Layout(const String& text, const TRect& r, Cardinal format) {
        return LayoutText(M, F, 0, text, r, format);
    }
    static std::vector<String> Texts(const graphics::TextLayout& l) {
        std::vector<String> out;
        for (const auto& line : l.Lines)
            out.push_back(line.Text);
        return out;
    }
};

} // namespace

TEST_F(DrawTextTest, WordBreakFillsLinesUpToTheWidth) {
    // 60 pixels hold 10 characters.
    auto l = Layout("the quick brown fox jumps", TRect(0, 0, 60, 100), DT_WORDBREAK);
    EXPECT_EQ(Texts(l), (std::vector<String>{"the quick", "brown fox", "jumps"}));
    EXPECT_EQ(l.Lines[1].Y, 13);
    EXPECT_EQ(l.Height, 39);
}

TEST_F(DrawTextTest, LongWordOverflowsUnlessEditControl) {
    auto l = Layout("a abcdefghijklmnop b", TRect(0, 0, 30, 100), DT_WORDBREAK);
    EXPECT_EQ(Texts(l), (std::vector<String>{"a", "abcdefghijklmnop", "b"}));
    l = Layout("abcdefghijkl", TRect(0, 0, 30, 100), DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_EQ(Texts(l), (std::vector<String>{"abcde", "fghij", "kl"}));
}

TEST_F(DrawTextTest, AWordBreaksAfterItsHyphen) {
    // 72 pixels hold 12 characters: "Dokumentum-" (11) fits, the whole word (18) does not.
    auto l = Layout("Dokumentum-kezelés", TRect(0, 0, 72, 100), DT_WORDBREAK);
    EXPECT_EQ(Texts(l), (std::vector<String>{"Dokumentum-", "kezelés"}));
    // A word that fits stays whole; a dash between spaces is no place to break after.
    EXPECT_EQ(Texts(Layout("a-b c", TRect(0, 0, 72, 100), DT_WORDBREAK)), std::vector<String>{"a-b c"});
    EXPECT_EQ(Texts(Layout("abcdefgh - ijklm", TRect(0, 0, 60, 100), DT_WORDBREAK)),
              (std::vector<String>{"abcdefgh -", "ijklm"}));
    // The later of a space and a hyphen wins.
    EXPECT_EQ(Texts(Layout("ab cd-efghij", TRect(0, 0, 48, 100), DT_WORDBREAK)),
              (std::vector<String>{"ab cd-", "efghij"}));
    // Without word break the hyphen changes nothing.
    EXPECT_EQ(Texts(Layout("Dokumentum-kezelés", TRect(0, 0, 72, 100), 0)),
              std::vector<String>{"Dokumentum-kezelés"});
}

TEST_F(DrawTextTest, LineBreaksStartNewLinesUnlessSingleLine) {
    EXPECT_EQ(Texts(Layout("one\r\ntwo\nthree", TRect(0, 0, 100, 100), 0)),
              (std::vector<String>{"one", "two", "three"}));
    EXPECT_EQ(Texts(Layout("one\r\ntwo", TRect(0, 0, 100, 100), DT_SINGLELINE)),
              (std::vector<String>{"onetwo"}));
}

TEST_F(DrawTextTest, HorizontalAlignment) {
    const TRect r(10, 0, 70, 20);
    EXPECT_EQ(Layout("abcd", r, DT_LEFT).Lines[0].X, 10);
    EXPECT_EQ(Layout("abcd", r, DT_CENTER).Lines[0].X, 28); // 10 + (60 − 24) / 2
    EXPECT_EQ(Layout("abcd", r, DT_RIGHT).Lines[0].X, 46);
    EXPECT_EQ(Layout("abcde", r, DT_CENTER).Lines[0].X, 25); // (60 − 30) / 2 = 15
}

TEST_F(DrawTextTest, VerticalAlignmentOnlyForSingleLines) {
    const TRect r(0, 10, 100, 40);                                        // 30 high, line 13
    EXPECT_EQ(Layout("x", r, DT_SINGLELINE | DT_VCENTER).Lines[0].Y, 18); // 10 + 17 / 2
    EXPECT_EQ(Layout("x", r, DT_SINGLELINE | DT_BOTTOM).Lines[0].Y, 27);
    EXPECT_EQ(Layout("x", r, DT_VCENTER).Lines[0].Y, 10);
    // The answer for a centred line reaches from the top to the line's bottom.
    EXPECT_EQ(Layout("x", r, DT_SINGLELINE | DT_VCENTER).Height, 21);
}

TEST_F(DrawTextTest, EndEllipsisKeepsWhatFits) {
    auto l = Layout("abcdefghij", TRect(0, 0, 42, 13), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(l.Lines[0].Text, "abcd..."); // 7 characters = 42 pixels
    l = Layout("abcdef", TRect(0, 0, 36, 13), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(l.Lines[0].Text, "abcdef"); // fits: untouched
    l = Layout("abcdef", TRect(0, 0, 5, 13), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(l.Lines[0].Text, "...");
}

TEST_F(DrawTextTest, PathEllipsisKeepsTheFileName) {
    auto l =
        Layout("C:\\Dokumentumok\\ugyek\\level.doc", TRect(0, 0, 120, 13), DT_SINGLELINE | DT_PATH_ELLIPSIS);
    EXPECT_EQ(l.Lines[0].Text, "C:\\Doku...\\level.doc"); // 20 characters
}

TEST_F(DrawTextTest, EllipsisCountsCharactersNotBytes) {
    auto l = Layout("árvíztűrő tükörfúrógép", TRect(0, 0, 60, 13), DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_EQ(l.Lines[0].Text, "árvíztű...");
}

TEST_F(DrawTextTest, PrefixUnderlinesTheMarkedCharacter) {
    auto l = Layout("&Mentés", TRect(0, 0, 100, 13), DT_SINGLELINE);
    EXPECT_EQ(l.Lines[0].Text, "Mentés");
    EXPECT_EQ(l.Lines[0].Underline, 0);
    l = Layout("Fish && Chips", TRect(0, 0, 100, 13), DT_SINGLELINE);
    EXPECT_EQ(l.Lines[0].Text, "Fish & Chips");
    EXPECT_EQ(l.Lines[0].Underline, -1);
    l = Layout("a&b", TRect(0, 0, 100, 13), DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(l.Lines[0].Text, "a&b");
    l = Layout("a&b", TRect(0, 0, 100, 13), DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_EQ(l.Lines[0].Text, "ab");
    EXPECT_EQ(l.Lines[0].Underline, -1);
}

TEST_F(DrawTextTest, TabsExpandToEightAverageCharacters) {
    auto l = Layout("a\tb", TRect(0, 0, 200, 13), DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_EQ(l.Lines[0].Width, 48 + 6);
    EXPECT_EQ(Layout("a\tb", TRect(0, 0, 200, 13), DT_SINGLELINE).Lines[0].Width, 18);
}

TEST_F(DrawTextTest, CalcRectFitsTheText) {
    RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    TRect r(5, 5, 200, 5);
    EXPECT_EQ(DrawText(canvas.get(), "abcd", -1, r, DT_CALCRECT | DT_SINGLELINE), 13);
    EXPECT_EQ(r, TRect(5, 5, 29, 18));
    r = TRect(0, 0, 60, 0);
    DrawText(canvas.get(), "the quick brown fox", -1, r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(r, TRect(0, 0, 54, 26)); // "the quick" / "brown fox"
    EXPECT_TRUE(rec->Log.empty());     // measuring draws nothing
    r = TRect(0, 0, 60, 0);
    EXPECT_EQ(DrawText(canvas.get(), "", -1, r, DT_CALCRECT), 0);
    EXPECT_EQ(r, TRect(0, 0, 0, 0));
}

TEST_F(DrawTextTest, DrawsClippedLinesInTheTextColour) {
    RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clNavy);
    TRect r(0, 0, 100, 40);
    DrawText(canvas.get(), "12", -1, r, DT_RIGHT | DT_EXPANDTABS);
    ASSERT_EQ(rec->Log.size(), 1u);
    EXPECT_EQ(rec->Log[0], "TextOut 88,0 \"12\" clNavy clip 0,0,100,40");
}

TEST_F(DrawTextTest, OpaqueBackgroundAndUnderlineAreDrawn) {
    RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    canvas->Brush()->SetColor(clYellow);
    TRect r(0, 0, 100, 20);
    DrawText(canvas.get(), "&Ok", -1, r, DT_NOCLIP);
    ASSERT_EQ(rec->Log.size(), 2u);
    EXPECT_EQ(rec->Log[0], "TextOut 0,0 \"Ok\" clWindowText opaque clYellow");
    EXPECT_EQ(rec->Log[1], "FillRect 0,12,6,13 brush clWindowText");
}

TEST_F(DrawTextTest, CountLimitsTheCharacters) {
    RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    canvas->Brush()->SetStyle(bsClear);
    TRect r(0, 0, 100, 20);
    DrawText(canvas.get(), "őrző", 2, r, DT_NOCLIP);
    EXPECT_EQ(rec->Log[0], "TextOut 0,0 \"őr\" clWindowText");
}

TEST_F(DrawTextTest, CharacterExtraWidensMeasurement) {
    RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    EXPECT_EQ(SetTextCharacterExtra(canvas.get(), 2), 0);
    EXPECT_EQ(canvas->TextWidth("abc"), 24);
    TRect r(0, 0, 100, 0);
    DrawText(canvas.get(), "abc", -1, r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r.Right, 24);
}

TEST_F(DrawTextTest, DeviceStateSettersAnswerThePreviousValue) {
    RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    EXPECT_EQ(SetTextColor(canvas.get(), clRed), clWindowText);
    EXPECT_EQ(SetBkColor(canvas.get(), clBlue), clWhite);
    EXPECT_EQ(SetBkMode(canvas.get(), TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(canvas.get(), 7), 0); // unknown mode refused
    // A new font colour replaces the text colour, as selecting the font does.
    canvas->Font()->SetColor(clGreen);
    EXPECT_EQ(canvas->TextColor(), clGreen);
    TRect none;
    EXPECT_EQ(DrawText(nullptr, "x", -1, none, 0), 0);
}

TEST_F(DrawTextTest, ZeroWidthPutsEachWordOnItsOwnLine) {
    auto l = Layout("egy ketto harom", TRect(0, 0, 0, 0), DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(Texts(l), (std::vector<String>{"egy", "ketto", "harom"}));
    EXPECT_EQ(l.Extent, TRect(0, 0, 30, 39));
    // Edit-control breaking still moves on by at least one character a line.
    l = Layout("abc", TRect(0, 0, 0, 0), DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_EQ(Texts(l), (std::vector<String>{"a", "b", "c"}));
}

TEST_F(DrawTextTest, TextMetricsAndExtentOfTheCanvasFont) {
    RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    canvas->Font()->SetStyle({fsBold});
    TEXTMETRIC tm;
    ASSERT_TRUE(GetTextMetrics(canvas.get(), &tm));
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmAscent, 11);
    EXPECT_EQ(tm.tmDescent, 2);
    EXPECT_EQ(tm.tmWeight, 700);
    EXPECT_EQ(tm.tmPitchAndFamily & 1, 0); // the fixed metrics are monospaced
    TSize size;
    ASSERT_TRUE(GetTextExtentPoint32(canvas.get(), "ügyfél", 3, &size));
    EXPECT_EQ(size, TSize(18, 13));
    EXPECT_FALSE(GetTextMetrics(nullptr, &tm));
}
