#include "platform/graphics/RtfReader.h"

#include <gtest/gtest.h>

using namespace rtf;

namespace {

// Records runs as text with a short format mark and paragraph ends as "|".
struct Recorder : Sink {
    String Out;
    std::vector<CharFormat> Formats;
    std::vector<ParaFormat> Paragraphs;
    void Text(const String& t, const CharFormat& f) override {
        Out += (f.Bold ? "<b>" : "") + t + (f.Bold ? "</b>" : "");
        Formats.push_back(f);
    }
    void EndParagraph(const ParaFormat& p) override {
        Out += "|";
        Paragraphs.push_back(p);
    }
};

Recorder Read(const std::string& rtf) {
    Recorder r;
    ReadRtf(rtf, r);
    return r;
}

// What a rich edit control writes on a Hungarian system.
const std::string kHungarian =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1038{\\fonttbl{\\f0\\fswiss\\fcharset238{\\*\\fname "
    "Arial;}Arial "
    "CE;}{\\f1\\froman\\fcharset238 Times New Roman;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\qc\\f0\\fs20 Nyilatkozat\\par\r\n"
    "\\pard\\qj\\li720\\fi-360\\sb120\\sa60\\tx1440 T\\'fck\\'f6rf\\'far\\'f3g\\'e9p \\b [PNAME]\\b0  "
    "\\cf1\\f1 \\'f5 \\'fb\\cf0\\par\r\n}";

} // namespace

TEST(RtfReader, HungarianAccentsUnderCodePage1250) {
    const Recorder r = Read(kHungarian);
    EXPECT_EQ(r.Out, "Nyilatkozat|Tükörfúrógép <b>[PNAME]</b> ő ű|");
}

TEST(RtfReader, FontsSizesAndColours) {
    const Recorder r = Read(kHungarian);
    ASSERT_GE(r.Formats.size(), 4u);
    EXPECT_EQ(r.Formats[0].FontName, "Arial"); // the script variant "Arial CE" is the face itself
    EXPECT_EQ(r.Formats[0].HalfPoints, 20);
    EXPECT_TRUE(r.Formats[2].AutoColor);
    const CharFormat& red = r.Formats.back();
    EXPECT_EQ(red.FontName, "Times New Roman");
    EXPECT_EQ(red.Color, clRed);
    EXPECT_FALSE(red.AutoColor);
}

TEST(RtfReader, ParagraphFormatting) {
    const Recorder r = Read(kHungarian);
    ASSERT_EQ(r.Paragraphs.size(), 2u);
    EXPECT_EQ(r.Paragraphs[0].Align, alCenter);
    const ParaFormat& p = r.Paragraphs[1];
    EXPECT_EQ(p.Align, alJustify);
    EXPECT_EQ(p.LeftIndent, 720);
    EXPECT_EQ(p.FirstIndent, -360);
    EXPECT_EQ(p.SpaceBefore, 120);
    EXPECT_EQ(p.SpaceAfter, 60);
    EXPECT_EQ(p.Tabs, std::vector<Integer>{1440});
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback) {
    EXPECT_EQ(Read("{\\rtf1\\uc1 a\\u337\\'3fb\\u-3913?c}").Out, "aőb\uf0b7c|");
    EXPECT_EQ(Read("{\\rtf1\\uc2 \\u369 xyz}").Out, "űz|");
    // A group ends the skip count's scope.
    EXPECT_EQ(Read("{\\rtf1{\\uc0 \\u337}x}").Out, "őx|");
}

TEST(RtfReader, CharacterFormattingWordsAndGroups) {
    const Recorder r = Read("{\\rtf1 a{\\b b}c\\b d\\b0 e\\i\\ul\\strike f\\plain g}");
    EXPECT_EQ(r.Out, "a<b>b</b>c<b>d</b>efg|");
    EXPECT_TRUE(r.Formats[5].Italic);
    EXPECT_TRUE(r.Formats[5].Underline);
    EXPECT_TRUE(r.Formats[5].StrikeOut);
    EXPECT_FALSE(r.Formats[6].Italic);
}

TEST(RtfReader, SymbolsTabsAndLineBreaks) {
    EXPECT_EQ(Read("{\\rtf1 \\{x\\}\\\\\\tab y\\line z\\~w}").Out, "{x}\\\ty\u2028z\u00a0w|");
    // A backslash before a line break ends the paragraph.
    EXPECT_EQ(Read("{\\rtf1 a\\\nb}").Out, "a|b|");
}

TEST(RtfReader, DestinationsWithoutTextAreSkipped) {
    EXPECT_EQ(Read("{\\rtf1{\\info{\\title T}}{\\*\\generator G;}{\\stylesheet{\\s0 Normal;}}"
                   "{\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}x}")
                  .Out,
              "7x|");
}

TEST(RtfReader, ParagraphsAndTheLastOne) {
    EXPECT_EQ(Read("{\\rtf1 a\\par b}").Out, "a|b|");
    EXPECT_EQ(Read("{\\rtf1 a\\par\\par}").Out, "a||"); // an empty paragraph stays
    EXPECT_EQ(Read("{\\rtf1 }").Out, "");               // nothing: no paragraph
}

TEST(RtfReader, CharsetOfTheFontDecidesOverTheDocument) {
    EXPECT_EQ(Read("{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset204 X;}{\\f1\\fcharset0 Y;}}\\f0 "
                   "\\'c0\\f1 \\'f5}")
                  .Out,
              "Аõ|");
}

TEST(RtfReader, NotRtfIsPlainTextInCodePage1250) {
    EXPECT_EQ(Read("els\xf5 sor\r\nm\xe1sodik").Out, "első sor|második|");
    EXPECT_FALSE(IsRtf("{rtf"));
}

TEST(RtfReader, MalformedInputEndsQuietly) {
    EXPECT_EQ(Read("{\\rtf1 {{{\\b x").Out, "<b>x</b>|");
    EXPECT_EQ(Read("{\\rtf1 a}}}}b").Out, "ab|");
    EXPECT_EQ(Read("{\\rtf1 \\'").Out, ""); // a cut escape stands for nothing
    EXPECT_EQ(Read("{\\rtf1 \\fs99999999999999 \\u99999999999 xy}").Out, "\uffffy|");
}
