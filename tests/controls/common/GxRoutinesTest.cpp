#include "controls/common/GxCalcMath.h"
#include "controls/common/GxTransliterate.h"
#include "controls/common/GxUtils.h"

#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

void ExpectCalcError(const String& text, const String& message) {
    EXPECT_EQ(ErrorOf<Exception>([&] { CalcMathString(text); }), message) << text;
}

} // namespace

TEST(CalcMathStringTest, Values) {
    EXPECT_FLOAT_EQ(CalcMathString("2*(3+4)"), 14.0f);
    EXPECT_FLOAT_EQ(CalcMathString("1,5+1.25"), 2.75f);
    EXPECT_FLOAT_EQ(CalcMathString("-2*3"), -6.0f);
    EXPECT_FLOAT_EQ(CalcMathString("abc"), 0.0f); // letters skipped, no number
    EXPECT_FLOAT_EQ(CalcMathString(" 10 - 4 / 2 "), 8.0f);
    EXPECT_FLOAT_EQ(CalcMathString("2 3"), 23.0f); // blanks are skipped, even in a number
    EXPECT_FLOAT_EQ(CalcMathString("(2)3"), 2.0f); // left-overs ignored
    EXPECT_FLOAT_EQ(CalcMathString("x=2*-3"), -6.0f);
    // Digit runs longer than any number type holds.
    EXPECT_FLOAT_EQ(CalcMathString("1." + String(400, '0')), 1.0f);
    EXPECT_FLOAT_EQ(CalcMathString("0," + String(400, '3')), 1.0f / 3.0f);
    EXPECT_EQ(CalcMathString("1" + String(400, '0')), std::numeric_limits<float>::infinity());
    EXPECT_EQ(CalcMathString("0," + String(400, '0') + "1"), 0.0f); // too small: zero, not infinity
}

TEST(CalcMathStringTest, Errors) {
    ExpectCalcError("   ", "Expression string is empty.");
    ExpectCalcError("7/0", "Divide by 0");
    ExpectCalcError("2++3", "Duplicate signs. Pos:2");
    ExpectCalcError("2-*3", "Duplicate signs at. Pos:2");
    ExpectCalcError("(2+3", "Right brakets not found");
    ExpectCalcError("2+3)", "Right braket havn't a left one. Pos:3");
}

TEST(CalcMathStringTest, BracketNestingIsBounded) {
    const auto nested = [](const String& open, const String& inner, std::size_t depth) {
        String text;
        for (std::size_t i = 0; i < depth; ++i)
            text += open;
        return text + inner + String(depth, ')');
    };
    EXPECT_FLOAT_EQ(CalcMathString(nested("(", "-2*3", 256)), -6.0f); // the deepest allowed
    EXPECT_FLOAT_EQ(CalcMathString(nested("-(", "5", 256)), 5.0f);    // a sign before each adds none
    ExpectCalcError(nested("(", "1", 257), "Brackets nested too deeply. Pos:256");
    String siblings = "(1)"; // each closing bracket gives its depth back
    for (int i = 1; i < 300; ++i)
        siblings += "+(1)";
    EXPECT_FLOAT_EQ(CalcMathString(siblings), 300.0f);
    ExpectCalcError(nested("-(", "5", 257), "Brackets nested too deeply. Pos:513");
}

TEST(CalcMathStringTest, AFormulaDeeperThanTheStackRaises) {
    // In a child process, so that a stack overflow fails the test instead of ending the run.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const String error = ErrorOf<Exception>([] { CalcMathString(String(200000, '(') + "1"); });
            std::fputs(error.c_str(), stderr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "Brackets nested too deeply\\. Pos:256");
}

TEST(TransliterateTest, ToLatinAndBack) {
    EXPECT_EQ(Transliterate("щи", true), "shchi");
    EXPECT_EQ(Transliterate("Москва", true), "Moskva");
    EXPECT_EQ(Transliterate("Щука, Юрий, Чай", true), "Shchuka, Iurii, Chai");
    EXPECT_EQ(Transliterate("ЪЬ ж", true), "\"' g");
    // Back: the longest Latin sequences first, so shch stays one letter.
    EXPECT_EQ(Transliterate("shchi", false), "щи");
    EXPECT_EQ(Transliterate("Shchuka", false), "Щука");
    EXPECT_EQ(Transliterate("Moskva", false), "Москва");
    EXPECT_EQ(Transliterate("QWX q-1", false), "     -1");
}

TEST(GxSmallRoutinesTest, StringsAndRectangles) {
    EXPECT_EQ(ExpandString("abc", 2), "abc");
    EXPECT_EQ(ExpandString("ő", 3), "ő  ");
    EXPECT_EQ(Spaces(0), "");
    EXPECT_EQ(DupChar(U'é', 3), "ééé");
    EXPECT_EQ(DupStr("ab", 2), "abab");
    EXPECT_FALSE(IsPointInRect(TPoint(0, 0), Rect(0, 0, 10, 10)));
    EXPECT_TRUE(IsPointInRect(TPoint(1, 1), Rect(0, 0, 10, 10)));
    EXPECT_FALSE(IsPointInRect(TPoint(10, 5), Rect(0, 0, 10, 10)));
    EXPECT_EQ(RectW(Rect(2, 3, 12, 8)), 10);
    EXPECT_EQ(RectH(Rect(2, 3, 12, 8)), 5);
    EXPECT_TRUE(IsEven(-4));
    EXPECT_EQ(IIF(false, String("a"), String("b")), "b");
    EXPECT_EQ(StrPosExt("abcdef", "cd", 4), 3);
    EXPECT_EQ(StrPosExt("abcdef", "cd", 3), 0);
    EXPECT_EQ(StrPosExt("", "cd", 3), 0);
}

TEST(GxSmallRoutinesTest, FilesAndScreen) {
    EXPECT_EQ(GetFileType("kep.JPG"), fftJpeg);
    EXPECT_EQ(GetFileType("a.jpeg"), fftJpeg);
    EXPECT_EQ(GetFileType("a.Gif"), fftGif);
    EXPECT_EQ(GetFileType("a.bmp"), fftBmp);
    EXPECT_EQ(GetFileType("a.png"), fftUndefined);
    EXPECT_EQ(CreateIniFileName().substr(CreateIniFileName().size() - 4), ".ini");
    EXPECT_GE(SystemColorDepth(), 16);
    EXPECT_TRUE(IsSmallFonts());
    EXPECT_LE(Length(UserName()), 32);
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    EXPECT_EQ(SantimsToPixels(canvas.get(), true, 1.0f), 38); // 96 × 1.541 × 0.254
}

TEST(GxSmallRoutinesTest, RotatedFontKeepsTheFace) {
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-13);
    const auto rotated = CreateRotatedFont(&font, 900);
    EXPECT_EQ(rotated->Name(), "Arial");
    EXPECT_EQ(rotated->Height(), -13);
    EXPECT_EQ(rotated->Orientation(), 900);
}

TEST(GxSmallRoutinesTest, JustifiedTextSpreadsTheGaps) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    // Fixed metrics: 6 pixels a character.
    DrawTextExtAligned(canvas.get(), "aa bb cc dd", Rect(0, 0, 40, 100), ftaBroadwise, true);
    std::vector<String> starts;
    for (const String& call : rec->Calls("TextOut"))
        starts.push_back(call.substr(8, call.find(' ', 8) - 8));
    // Three words (36 pixels of text) fill 40 with gaps of 2; "dd" starts the last line.
    EXPECT_EQ(starts, (std::vector<String>{"0,0", "14,0", "28,0", "0,13"}));
}
