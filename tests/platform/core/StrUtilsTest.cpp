#include "platform/core/StrUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(StrUtilsCounting, LengthCountsCharactersNotBytes) {
    EXPECT_EQ(Length(""), 0);
    EXPECT_EQ(Length("Árvíztűrő"), 9);
    EXPECT_EQ(Length("a\xC3"), 2); // an invalid byte counts as one character
}

TEST(StrUtilsCounting, CopyIsOneBasedAndClamps) {
    EXPECT_EQ(Copy("tükörfúrógép", 1, 5), "tükör");
    EXPECT_EQ(Copy("tükörfúrógép", 6, 4), "fúró");
    EXPECT_EQ(Copy("tükörfúrógép", 10, 100), "gép");
    EXPECT_EQ(Copy("abc", 0, 2), "ab"); // index below 1 counts as 1
    EXPECT_EQ(Copy("abc", -5, 2), "ab");
    EXPECT_EQ(Copy("abc", 4, 1), ""); // past the end
    EXPECT_EQ(Copy("abc", 2, 0), "");
    EXPECT_EQ(Copy("abc", 2, -1), "");
    EXPECT_EQ(Copy("őűő", 2), "űő");
}

TEST(StrUtilsCounting, PosGivesCharacterPosition) {
    EXPECT_EQ(Pos("rő", "tűrő"), 3);
    EXPECT_EQ(Pos("x", "tűrő"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("abc", ""), 0);
    EXPECT_EQ(PosEx("a", "abca", 2), 4);
    EXPECT_EQ(PosEx("a", "abca", 5), 0);
    EXPECT_EQ(PosEx("a", "abca", 0), 0);
}

TEST(StrUtilsCounting, DeleteRemovesCharacters) {
    String s = "ügyfél";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "üfél");
    s = "abc";
    Delete(s, 0, 2); // index below 1 deletes nothing
    EXPECT_EQ(s, "abc");
    Delete(s, 4, 1);
    EXPECT_EQ(s, "abc");
    Delete(s, 2, 100);
    EXPECT_EQ(s, "a");
}

TEST(StrUtilsCounting, InsertPlacesBeforeIndex) {
    String s = "őz";
    Insert("ő", s, 2);
    EXPECT_EQ(s, "őőz");
    Insert("<", s, 0);
    EXPECT_EQ(s, "<őőz");
    Insert(">", s, 99);
    EXPECT_EQ(s, "<őőz>");
}

TEST(StrUtilsCounting, CharAccess) {
    EXPECT_EQ(CharAt("aőb", 2), "ő");
    EXPECT_EQ(CharAt("aőb", 4), "");
    EXPECT_EQ(CharAt("aőb", 0), "");
    EXPECT_EQ(CharCodeAt("aőb", 2), U'ő');
    EXPECT_EQ(CharCodeAt("aőb", 9), 0u);
    EXPECT_EQ(RightStr("kőzet", 3), "zet");
    EXPECT_EQ(RightStr("kő", 5), "kő");
    EXPECT_EQ(LeftStr("kőzet", 2), "kő");
    EXPECT_EQ(StringOfChar(U'ő', 3), "őőő");
    EXPECT_EQ(StringOfChar('-', 0), "");
    EXPECT_EQ(DupeString("ab", 2), "abab");
}

TEST(StrUtilsTrim, RemovesBlanksAndControls) {
    EXPECT_EQ(Trim(" \t\r\n ab c \x01"), "ab c");
    EXPECT_EQ(TrimLeft("  ő "), "ő ");
    EXPECT_EQ(TrimRight("  ő "), "  ő");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimRight(" \t "), ""); // blanks only: nothing is left, from either side
    EXPECT_EQ(TrimLeft(" \t "), "");
    EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x"); // non-breaking space is not a control byte
}

TEST(StrUtilsCase, AsciiRoutinesLeaveOtherLettersAlone) {
    EXPECT_EQ(UpperCase("árvíz"), "áRVíZ");
    EXPECT_EQ(LowerCase("ÁRVÍZ"), "ÁrvÍz");
    EXPECT_TRUE(SameText("Select", "SELECT"));
    EXPECT_FALSE(SameText("ő", "Ő"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_GT(CompareText("abcd", "ABC"), 0);
    EXPECT_LT(CompareStr("B", "a"), 0);
}

TEST(StrUtilsCase, AnsiCaseCoversHungarianAndCyrillic) {
    EXPECT_EQ(AnsiUpperCase("árvíztűrő tükörfúrógép"), "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
    EXPECT_EQ(AnsiLowerCase("ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"), "árvíztűrő tükörfúrógép");
    EXPECT_EQ(AnsiUpperCase("žluťoučký kůň łódź"), "ŽLUŤOUČKÝ KŮŇ ŁÓDŹ");
    EXPECT_EQ(AnsiUpperCase("привет ёж"), "ПРИВЕТ ЁЖ");
    EXPECT_EQ(AnsiLowerCase("ΑΒΓ"), "αβγ");
    EXPECT_EQ(AnsiUpperCase("1-2 ß µ"), "1-2 ß µ"); // no one-to-one upper case: unchanged
    EXPECT_EQ(AnsiUpperCase("a\xC3"), "A\xC3");     // invalid bytes kept as they are
}

TEST(StrUtilsCase, AnsiSameTextIgnoresCaseButNotAccents) {
    EXPECT_TRUE(AnsiSameText("Őrség", "őRSÉG"));
    EXPECT_FALSE(AnsiSameText("Orség", "Őrség"));
    // An ASCII start compared in place, the rest by its upper case.
    EXPECT_TRUE(AnsiSameText("nev_ő", "NEV_Ő"));
    EXPECT_FALSE(AnsiSameText("nev_ő", "NEV_O"));
    EXPECT_FALSE(AnsiSameText("nev", "NEVé"));
    EXPECT_FALSE(AnsiSameText("nevx", "NEV"));
    EXPECT_FALSE(AnsiSameText("a[", "A{")); // only letters change case
    EXPECT_TRUE(AnsiSameText("", ""));
    EXPECT_FALSE(AnsiSameText("", "a"));
    EXPECT_TRUE(AnsiSameText("a\xC3", "A\xC3"));
    EXPECT_FALSE(AnsiSameText("a\xC3", "A\xC4"));
    EXPECT_TRUE(AnsiStartsText("ÜGY", "ügyfél"));
    EXPECT_TRUE(AnsiContainsText("Kovács Éva", "ÉVA"));
    EXPECT_FALSE(AnsiContainsText("Kovács Éva", "Eva"));
}

TEST(StrUtilsReplace, FirstOrAll) {
    EXPECT_EQ(StringReplace("a-b-c", "-", "+"), "a+b-c");
    EXPECT_EQ(StringReplace("a-b-c", "-", "+", rfReplaceAll), "a+b+c");
    EXPECT_EQ(StringReplace("abc", "", "x", rfReplaceAll), "abc");
    EXPECT_EQ(StringReplace("aaa", "aa", "a", rfReplaceAll), "aa"); // no rescanning of output
}

TEST(StrUtilsReplace, IgnoreCaseKeepsUntouchedText) {
    EXPECT_EQ(StringReplace("Őz őz ŐZ", "őz", "x", rfReplaceAll | rfIgnoreCase), "x x x");
    EXPECT_EQ(StringReplace("Őz őz", "őz", "x"), "Őz x");
    EXPECT_EQ(StringReplace("ÁbC", "b", "--", rfIgnoreCase), "Á--C");
}

TEST(StrUtilsQuote, QuotedStrDoublesQuotes) {
    EXPECT_EQ(QuotedStr(""), "''");
    EXPECT_EQ(QuotedStr("O'Brien"), "'O''Brien'");
    EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
}

TEST(StrUtilsQuote, DequotedReversesQuoting) {
    EXPECT_EQ(AnsiDequotedStr("'O''Brien'", '\''), "O'Brien");
    EXPECT_EQ(AnsiDequotedStr("''", '\''), "");
    EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
    EXPECT_EQ(AnsiDequotedStr("'open", '\''), "'open"); // not enclosed: unchanged
    EXPECT_EQ(AnsiDequotedStr("'", '\''), "'");
    EXPECT_EQ(AnsiExtractQuotedStr("'ab'cd", '\''), "ab");
    EXPECT_EQ(AnsiExtractQuotedStr("'ab", '\''), "ab");
    EXPECT_EQ(AnsiExtractQuotedStr("ab", '\''), "");
}

TEST(StrUtilsDelimiters, LastDelimiterAndIsDelimiter) {
    EXPECT_EQ(LastDelimiter("\\:", "C:\\adat\\dőrnek.s3db"), 8);
    EXPECT_EQ(LastDelimiter(".", "ő.ű.x"), 4);
    EXPECT_EQ(LastDelimiter(".", "abc"), 0);
    EXPECT_EQ(LastDelimiter("ő", "aőbő"), 4);
    EXPECT_TRUE(IsDelimiter(",;", "a;b", 2));
    EXPECT_FALSE(IsDelimiter(",;", "a;b", 1));
    EXPECT_FALSE(IsDelimiter(",;", "a;b", 4));
    EXPECT_FALSE(IsDelimiter(",;", "a;b", 0));
}

TEST(StrUtilsLineBreaks, EveryBreakBecomesOneStyleBreak) {
    EXPECT_EQ(AdjustLineBreaks("a\nb\rc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\ne");
    EXPECT_EQ(AdjustLineBreaks("a\n\nb"), "a\r\n\r\nb"); // two LFs are two breaks
    EXPECT_EQ(AdjustLineBreaks("a\r\n\r\nb", TTextLineBreakStyle::tlbsLF), "a\n\nb");
    EXPECT_EQ(AdjustLineBreaks(""), "");
}

} // namespace
