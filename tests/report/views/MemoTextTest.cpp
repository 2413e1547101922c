#include "report/views/detail/MemoText.h"

#include "platform/core/TStringList.h"
#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

using namespace report;

namespace {

// Every character 6 pixels wide.
const MeasureFn Fixed = [](const String& t) { return static_cast<Integer>(core::Utf8Length(t)) * 6; };

String Expand(String line, std::vector<String>* asked = nullptr) {
    ExpandLine(line, [&](const String& e) {
        if (asked) asked->push_back(e);
        return e == "TWO" ? String("a\r\nb") : "<" + e + ">";
    });
    return line;
}

std::vector<String> Texts(const std::vector<WrappedLine>& lines) {
    std::vector<String> r;
    for (const auto& l : lines)
        r.push_back(l.Text + (l.LastOfParagraph ? "|" : ""));
    return r;
}

} // namespace

TEST(MemoExpansion, ReplacesEachExpressionOnce) {
    std::vector<String> asked;
    EXPECT_EQ(Expand("x [A] y [B]", &asked), "x <A> y <B>");
    EXPECT_EQ(asked, (std::vector<String>{"A", "B"}));
}

TEST(MemoExpansion, NestedAndQuotedBracketsBelongToTheOuterExpression) {
    std::vector<String> asked;
    // The lookup receives the outer expression with the inner field in it.
    EXPECT_EQ(Expand("[IF([Q.x] = 1, 'a]', \"b[\")] end", &asked), "<IF([Q.x] = 1, 'a]', \"b[\")> end");
    ASSERT_EQ(asked.size(), 1u);
}

TEST(MemoExpansion, InsertedTextIsNotScannedAgain) {
    std::vector<String> asked;
    String line = "[A][B]";
    ExpandLine(line, [&](const String& e) {
        asked.push_back(e);
        return String("[X]");
    });
    EXPECT_EQ(line, "[X][X]");
    EXPECT_EQ(asked.size(), 2u);
}

TEST(MemoExpansion, UnclosedBracketTakesTheRestOfTheLine) {
    EXPECT_EQ(Expand("ab [cd"), "ab <cd>");
    EXPECT_EQ(Expand("["), "<>"); // unclosed and empty: replaced, no crash
    EXPECT_EQ(Expand("a["), "a<>");
    EXPECT_EQ(Expand("no brackets"), "no brackets");
}

TEST(MemoExpansion, MultiLineValueSplitsTheLineAndEmptyLinesStay) {
    TStringList memo, out;
    memo.SetText("pre [TWO] post\r\n\r\n[EMPTY]");
    ExpandMemo(memo, out, [](const String& e) { return e == "TWO" ? String("a\r\nb") : String(); });
    ASSERT_EQ(out.Count(), 3);
    EXPECT_EQ(out.Get(0), "pre a");
    EXPECT_EQ(out.Get(1), "b post");
    EXPECT_EQ(out.Get(2), ""); // the template's empty line; the line expanding to nothing is gone
}

TEST(LineRecords, EncodeTextMarkAndWidthBytes) {
    EXPECT_EQ(MakeLineRecord("ab", true, 0x0102), String("ab\x01\x01\x02"));
    EXPECT_EQ(MakeLineRecord("ab", false, 65536 + 5), String("ab\x00\x05", 4)); // modulo 65,536
    // A width byte above 127 is the code-page character of that byte.
    EXPECT_EQ(MakeLineRecord("", false, 0xF5), String("\x00", 1) + "ő");
}

TEST(LineRecords, ParseRoundTripsAndShortLinesAreText) {
    for (const Integer w : {0, 1, 13, 10, 255, 256, 0x8181, 0xFFFF}) {
        const LineRecord r = ParseLineRecord(MakeLineRecord("árvíztűrő", w % 2 == 0, w));
        EXPECT_EQ(r.Text, "árvíztűrő");
        EXPECT_EQ(r.Width, w);
        EXPECT_EQ(r.LastOfParagraph, w % 2 == 0);
    }
    EXPECT_EQ(ParseLineRecord("x").Text, "x");
    TStringList lines;
    lines.Add("plain");
    EXPECT_FALSE(IsWrapped(lines));
    lines.Add(MakeLineRecord("x", true, 6));
    EXPECT_TRUE(IsWrapped(lines));
}

TEST(Hyphenation, SyllablesOfTheCodePageLetters) {
    // The vowels are the code page's Ó, Ű (and letters Hungarian has not); Ú and Ü are sign letters.
    const struct {
        const char* Word;
        std::vector<Integer> Breaks;
    } rows[] = {
        {"valóság", {2}},     // no vowel, no vowel, vowel: va-lóság
        {"VALÓSÁG", {2}},     // upper case alike
        {"gyűrű", {3}},       // vowel, no vowel, vowel: gyű-rű
        {"rádióóra", {3, 5}}, // two vowels side by side: rádió-óra
        {"tolóajtó", {2, 6}}, // o and a are no vowels: to-lóaj-tó
        {"bűnös", {}},        // ö is no vowel
        {"kľúčový", {5}},     // never after a consonant before a sign letter (kľ-účový)
        {"műút", {}},         // four or fewer characters
        {"hyphenation", {}},  // plain ASCII letters have none
        {"молоко", {}},       // nor have Cyrillic ones
    };
    for (const auto& row : rows)
        EXPECT_EQ(BreakWord(row.Word), row.Breaks) << row.Word;
}

TEST(Wrapping, ShortOrFittingLineIsOneParagraphLine) {
    EXPECT_EQ(Texts(WrapLine("abc", 18, false, Fixed)), (std::vector<String>{"abc|"}));
    EXPECT_EQ(Texts(WrapLine("a", 0, false, Fixed)), (std::vector<String>{"a|"})); // under 2 characters
    // Text that measures nothing in a memo narrower than its gaps: it fits, whole or by paragraph.
    const MeasureFn none = [](const String&) { return 0; };
    EXPECT_EQ(Texts(WrapLine("ab", -4, false, none)), (std::vector<String>{"ab|"}));
    EXPECT_EQ(Texts(WrapLine("ab\r\ncd", -4, true, none)), (std::vector<String>{"ab|", "cd|"}));
}

TEST(Wrapping, BreaksAtSpacesAndKeepsDelimiters) {
    // 10 characters fit (60 pixels).
    EXPECT_EQ(Texts(WrapLine("one two three four", 60, false, Fixed)),
              (std::vector<String>{"one two", "three four|"}));
    EXPECT_EQ(Texts(WrapLine("alpha,beta-gamma.delta", 60, false, Fixed)),
              (std::vector<String>{"alpha,", "beta-", "gamma.", "delta|"}));
}

TEST(Wrapping, RunWithoutBreakPointIsCutAndContinued) {
    // Nothing is dropped and every line fits.
    EXPECT_EQ(Texts(WrapLine("abcdefghijklmnopqrstuvwxyz", 60, false, Fixed)),
              (std::vector<String>{"abcdefghij", "klmnopqrst", "uvwxyz|"}));
    EXPECT_EQ(Texts(WrapLine("abcdefghijklmnop", 60, true, Fixed)),
              (std::vector<String>{"abcdefghij", "klmnop|"}));
    // A width narrower than one character still makes progress.
    EXPECT_EQ(Texts(WrapLine("abc", 3, false, Fixed)), (std::vector<String>{"a", "b", "c|"}));
}

TEST(Wrapping, AccentedLinesKeepTheirBytesAndABrokenByteComesOutReplaced) {
    EXPECT_EQ(Texts(WrapLine("Őri Éva és Ödön úr", 60, false, Fixed)),
              (std::vector<String>{"Őri Éva és", "Ödön úr|"}));
    // A byte that is no UTF-8 is read as the replacement character, in every line made.
    EXPECT_EQ(Texts(WrapLine("ab\xFF"
                             "cd efgh ijk",
                             36, false, Fixed)),
              (std::vector<String>{"ab\xEF\xBF\xBD"
                                   "cd",
                                   "efgh", "ijk|"}));
}

TEST(Wrapping, LongParagraphIsMeasuredLineByLineAboutALineAtATime) {
    // 140 words of 5 characters in lines of 60 characters: 14 lines of 10 words.
    String text;
    for (int i = 0; i < 140; ++i)
        text += i % 2 ? "árvíz " : "tűrő, ";
    int measured = 0;
    const MeasureFn counted = [&measured](const String& t) {
        ++measured;
        return Fixed(t);
    };
    const std::vector<WrappedLine> lines = WrapLine(text, 360, false, counted);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0].Text, "tűrő, árvíz tűrő, árvíz tűrő, árvíz tűrő, árvíz tűrő, árvíz");
    EXPECT_TRUE(lines[13].LastOfParagraph);
    EXPECT_LT(measured, 14 * 12);
    // Letters of unequal widths (W 12, others 3 pixels): the break falls where the text
    // overflows, not where the paragraph's average width would put it.
    const MeasureFn uneven = [](const String& t) {
        Integer w = 0;
        for (const char c : t)
            w += c == 'W' ? 12 : 3;
        return w;
    };
    EXPECT_EQ(Texts(WrapLine("iiiiiiiiii WWWW iiiiiiiiii WWWW", 60, false, uneven)),
              (std::vector<String>{"iiiiiiiiii", "WWWW", "iiiiiiiiii", "WWWW|"}));
    EXPECT_EQ(Texts(WrapLine("WWWWWWWWiii", 60, false, uneven)), (std::vector<String>{"WWWWW", "WWWiii|"}));
    // 24,000 characters: each line measures about a line's worth of text, never the rest of
    // the paragraph, with and without word break, so the cost follows the length.
    String longText;
    for (int i = 0; longText.size() < 24'000; ++i)
        longText += i % 3 ? "rádióóra " : "tolóajtó, ";
    const Int64 length = static_cast<Int64>(core::Utf8Length(longText));
    for (const bool wordBreak : {false, true}) {
        Int64 characters = 0;
        const MeasureFn counting = [&characters](const String& t) {
            characters += static_cast<Int64>(core::Utf8Length(t));
            return Fixed(t);
        };
        EXPECT_GT(static_cast<Int64>(WrapLine(longText, 360, wordBreak, counting).size()), length / 60);
        EXPECT_LT(characters, 16 * length) << wordBreak;
    }
}

// Where lines break in varied text at fixed metrics, one digest a row: words that hyphenate
// and words that do not, runs without a break point, every delimiter, runs of spaces, line
// breaks of every kind, at widths from none to whole paragraphs. A line broken elsewhere
// changes its row.
TEST(Wrapping, BreaksOfVariedTextStayWhereTheyAre) {
    // The pieces texts are made of: words and runs without a break point, then delimiters,
    // spaces and line breaks.
    const String run(30, 'w');
    const String words[] = {
        "valóság",        "gyűrű",        "rádióóra", "tolóajtó", "árvíztűrő", "tükörfúrógép",
        "ÁLLAMPOLGÁRSÁG", "hyphenation",  "a",        "az",       "és",        "W",
        "WWWWWWWW",       "iiiiiiiiiiii", run,        "x1.5"};
    const String marks[] = {" ", " ",  " ",    "  ", ", ", ",",        "-",    " - ",
                            ".", ". ", "\r\n", "\n", "\r", "\r\n\r\n", "\n\r", "\t"};
    // W wide, i narrow, accented letters wider than plain ones; kerned, an "a" after a "W"
    // tucks in under it.
    const MeasureFn uneven = [](const String& t) {
        Integer w = 0;
        for (const char32_t c : core::Utf8ToU32(t))
            w += c == U'W' ? 14 : c == U'i' ? 3 : c == U' ' ? 4 : c < 128 ? 7 : 9;
        return w;
    };
    const MeasureFn kerned = [&uneven](const String& t) {
        Integer pairs = 0;
        for (std::size_t at = t.find("Wa"); at != String::npos; at = t.find("Wa", at + 1))
            ++pairs;
        return uneven(t) - 3 * pairs;
    };
    const struct {
        const char* Metrics;
        const MeasureFn& Width;
        bool WordBreak;
        std::uint64_t Digest;
        std::size_t Lines;
    } rows[] = {
        {"fixed", Fixed, false, 0x67a32b96e79dcc41, 27308},
        {"fixed", Fixed, true, 0xe807419f78da7461, 27422},
        {"uneven", uneven, false, 0x881079e6e6bf2acb, 31632},
        {"uneven", uneven, true, 0xd7dc9a2af5072418, 31799},
        {"kerned", kerned, false, 0xcededd00e677c8e7, 31631},
        {"kerned", kerned, true, 0x5be5647fc749fcb0, 31798},
    };
    for (const auto& row : rows) {
        std::mt19937 random(92);
        std::uint64_t digest = 14695981039346656037u;
        std::size_t count = 0;
        for (int k = 0; k < 100; ++k) {
            String text;
            for (auto n = random() % 40 + 1; n > 0; --n) {
                const auto piece = random() % (std::size(words) + std::size(marks));
                text += piece < std::size(words) ? words[piece] : marks[piece - std::size(words)];
            }
            for (const Integer available : {0, 5, 13, 42, 60, 97, 180, 400}) {
                for (const WrappedLine& line : WrapLine(text, available, row.WordBreak, row.Width)) {
                    for (const char c : line.Text + (line.LastOfParagraph ? "|\n" : "\n"))
                        digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211u;
                    ++count;
                }
            }
        }
        char shown[24];
        std::snprintf(shown, sizeof shown, "0x%016llx", static_cast<unsigned long long>(digest));
        EXPECT_EQ(digest, row.Digest) << row.Metrics << " " << row.WordBreak << ": " << shown;
        EXPECT_EQ(count, row.Lines) << row.Metrics << " " << row.WordBreak;
    }
}

TEST(Wrapping, LineBreaksEndParagraphs) {
    EXPECT_EQ(Texts(WrapLine("ab\r\ncd", 600, false, Fixed)), (std::vector<String>{"ab|", "cd|"}));
    EXPECT_EQ(Texts(WrapLine("ab\r\n", 600, false, Fixed)), (std::vector<String>{"ab|"}));
}

TEST(Wrapping, WordBreakHyphenatesWords) {
    // "xx valóság" in 7 characters: "xx va-" fits (6 characters).
    EXPECT_EQ(Texts(WrapLine("xx valóság", 42, true, Fixed)), (std::vector<String>{"xx va-", "lóság|"}));
    EXPECT_EQ(Texts(WrapLine("xx valóság", 42, false, Fixed)), (std::vector<String>{"xx", "valóság|"}));
    // Latin words are never hyphenated: the line breaks at the space.
    EXPECT_EQ(Texts(WrapLine("xx hyphenation", 42, true, Fixed)),
              (std::vector<String>{"xx", "hyphena", "tion|"}));
}

TEST(Placement, AlignmentPositions) {
    // Box at 10, 100 wide, gap 2, line 40 wide.
    EXPECT_EQ(AlignedX(0, 10, 100, 2, 40), 12);
    EXPECT_EQ(AlignedX(1, 10, 100, 2, 40), 10 + 100 - 1 - 2 - 40);
    EXPECT_EQ(AlignedX(2, 10, 100, 2, 40), 12 + 28);
    EXPECT_EQ(AlignedX(3, 10, 100, 2, 40), 12);
    // Rotated in a box at 20, 100 high, gap 1.
    EXPECT_EQ(RotatedY(0, 20, 100, 1, 40), 119);
    EXPECT_EQ(RotatedY(1, 20, 100, 1, 40), 61);
    EXPECT_EQ(RotatedY(2, 20, 100, 1, 40), 20 + 100 - 1 - 1 - 29);
}
