#include "sqlite/SqliteRout.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "sqlite/SqliteError.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

struct Token {
    Integer Kind;
    String Word;
};

Token Next(const String& s, Integer& pos, Integer kindBefore = 0) {
    Token t{kindBefore, {}};
    GetWord(s, pos, t.Kind, t.Word);
    return t;
}

} // namespace

TEST(GetWord, IdentifiersSeparatedByBlanksThenEnd) {
    const String s = "update  ugy";
    Integer pos = 1;
    Token t = Next(s, pos);
    EXPECT_EQ(t.Word, "update");
    EXPECT_EQ(t.Kind, wkIdentifier);
    EXPECT_EQ(Next(s, pos).Word, "ugy");
    t = Next(s, pos);
    EXPECT_EQ(t.Word, "");
    EXPECT_EQ(t.Kind, wkEnd);
}

TEST(GetWord, ParameterMarkerAndAssignment) {
    Integer pos = 1;
    Token t = Next(":nev", pos);
    EXPECT_EQ(t.Word, ":");
    EXPECT_EQ(t.Kind, wkParam);
    EXPECT_EQ(Next(":nev", pos).Word, "nev");
    pos = 1;
    t = Next(":=", pos);
    EXPECT_EQ(t.Word, ":=");
    EXPECT_EQ(t.Kind, wkAssign);
}

TEST(GetWord, OtherCharacterLeavesKindUnchanged) {
    Integer pos = 1;
    Token t = Next("(", pos, 42);
    EXPECT_EQ(t.Word, "(");
    EXPECT_EQ(t.Kind, 42);
    pos = 1;
    t = Next("őx", pos, 5); // a non-ASCII letter is one word of its own
    EXPECT_EQ(t.Word, "ő");
    EXPECT_EQ(t.Kind, 5);
    EXPECT_EQ(Next("őx", pos).Word, "x");
}

TEST(GetWord, CommentRunsToTheEndOfTheLine) {
    Integer pos = 1;
    EXPECT_EQ(Next("! a comment\nx", pos).Word, "x");
}

TEST(GetWord, QuotedTextsAndComparisons) {
    const String s = "'a b' \"c\" <= <> >< >= = < 'open";
    Integer pos = 1;
    struct Row {
        const char* Word;
        Integer Kind;
    } rows[] = {{"a b", wkSingleQuoted}, {"c", wkDoubleQuoted}, {"<=", wkCompare},
                {"<>", wkCompare},       {"><", wkCompare},     {">=", wkCompare},
                {"=", wkCompare},        {"<", wkCompare},      {"open", wkSingleQuoted}};
    for (const Row& r : rows) {
        const Token t = Next(s, pos);
        EXPECT_EQ(t.Word, r.Word);
        EXPECT_EQ(t.Kind, r.Kind) << r.Word;
    }
    EXPECT_EQ(Next(s, pos).Kind, wkEnd);
}

TEST(GetWord, IntegersAreRewrittenAndDecimalsKeepTheirLiteralForm) {
    TFormatSettingsGuard guard;
    FormatSettings.DecimalSeparator = ","; // the office's locale
    Integer pos = 1;
    Token t = Next("007 1.50 -3 12345678901", pos);
    EXPECT_EQ(t.Word, "7");
    EXPECT_EQ(t.Kind, wkInteger);
    t = Next("007 1.50 -3 12345678901", pos);
    EXPECT_EQ(t.Word, "1.50"); // not "1,5": the word goes back into SQL text
    EXPECT_EQ(t.Kind, wkFloat);
    EXPECT_EQ(Next("007 1.50 -3 12345678901", pos).Word, "-3");
    EXPECT_EQ(Next("007 1.50 -3 12345678901", pos).Word, "12345678901");
}

TEST(GetWord, MalformedNumberRaisesTheConversionError) {
    Integer pos = 1;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Next("1-2", pos); }), "'1-2' is not a valid integer value");
    pos = 1;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Next("1.2.3", pos); }),
              "'1.2.3' is not a valid floating point value");
}

TEST(GetWord, PeekDoesNotMove) {
    Integer pos = 1;
    Integer kind = 0;
    String word;
    PeekWord("set x", pos, kind, word);
    EXPECT_EQ(word, "set");
    EXPECT_EQ(pos, 1);
}

TEST(TextRoutines, GetWordByDelimStopsOnTheDelimiter) {
    const String s = "  a b ,c";
    Integer pos = 1;
    String word;
    GetWordByDelim(s, pos, ",", word);
    EXPECT_EQ(word, "a b");
    EXPECT_EQ(pos, 7);
    pos = 8;
    GetWordByDelim(s, pos, ",", word);
    EXPECT_EQ(word, "c");
    EXPECT_EQ(pos, 9);
}

TEST(TextRoutines, RecoverMovesToTheLineEnd) {
    const String s = "ab\r\ncd";
    Integer pos = 1;
    EXPECT_TRUE(Recover(s, pos));
    EXPECT_EQ(pos, 3);
    pos = 7;
    EXPECT_FALSE(Recover(s, pos));
}

TEST(TextRoutines, FindErrorPosCountsALineBreakAsTwo) {
    Integer line = 0, col = 0;
    FindErrorPos("ab\r\ncd", 6, line, col);
    EXPECT_EQ(line, 2);
    EXPECT_EQ(col, 2);
    FindErrorPos("ab", 1, line, col);
    EXPECT_EQ(line, 1);
    EXPECT_EQ(col, 1);
}

TEST(DateParsing, EngineDateTimeText) {
    EXPECT_DOUBLE_EQ(YYYYMMDDParser("2009-12-14 10:20:30.123"),
                     EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 30, 123));
    EXPECT_DOUBLE_EQ(YYYYMMDDParser("2009-12-14"), EncodeDate(2009, 12, 14));
    EXPECT_DOUBLE_EQ(YYYYMMDDParser("2009-12-14 10:20"), EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 0, 0));
    // A fraction of one digit is tenths of a second.
    EXPECT_DOUBLE_EQ(YYYYMMDDParser("2009-12-14 10:20:30.5"),
                     EncodeDate(2009, 12, 14) + EncodeTime(10, 20, 30, 500));
}

TEST(DateParsing, UnreadableEngineTextGivesZero) {
    EXPECT_EQ(YYYYMMDDParser("2009-13-01"), 0);
    EXPECT_EQ(YYYYMMDDParser("2009-12-1"), 0);
    EXPECT_EQ(YYYYMMDDParser("abcd-ef-gh"), 0);
    EXPECT_EQ(YYYYMMDDParser("2009-12-14 xx:20"), 0);
    EXPECT_EQ(YYYYMMDDParser(nullptr), 0);
}

TEST(DateParsing, StrToDateXTriesThreeFormatsAndLeavesTheLocaleAlone) {
    const TFormatSettings before = FormatSettings; // Hungarian: "." separator
    EXPECT_DOUBLE_EQ(StrToDateX("14-12-2009"), EncodeDate(2009, 12, 14));
    EXPECT_DOUBLE_EQ(StrToDateX("2009-12-14"), EncodeDate(2009, 12, 14));
    EXPECT_DOUBLE_EQ(StrToDateX("2009.12.14."), EncodeDate(2009, 12, 14));
    EXPECT_EQ(FormatSettings.DateSeparator, before.DateSeparator);
    EXPECT_EQ(FormatSettings.ShortDateFormat, before.ShortDateFormat);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToDateX("nodate"); }), "'nodate' is not a valid date");
    EXPECT_EQ(FormatSettings.ShortDateFormat, before.ShortDateFormat);
}

TEST(DateParsing, StrToTimeXTakesTheTimeWithoutFraction) {
    EXPECT_DOUBLE_EQ(StrToTimeX("2009-12-14 10:20:30.5"), EncodeTime(10, 20, 30, 0));
    EXPECT_EQ(StrToTimeX("garbage here"), 0);
}

TEST(DateParsing, StrToDateTimeX) {
    EXPECT_EQ(StrToDateTimeX(""), 0);
    EXPECT_DOUBLE_EQ(StrToDateTimeX("2009-12-14"), EncodeDate(2009, 12, 14));
}

TEST(NumberParsing, LenientConversionsGiveZero) {
    EXPECT_EQ(StrToIntX("12a"), 0);
    EXPECT_EQ(StrToIntX("42"), 42);
    EXPECT_EQ(StrToIntX("5000000000"), 5000000000LL);
    EXPECT_EQ(StrToFloatX(""), 0);
    EXPECT_DOUBLE_EQ(StrToFloatX("2,5"), 2.5); // Hungarian decimal comma
}

TEST(NumberParsing, FloatParserUsesTheLocaleSeparator) {
    String out;
    FloatParser("12.5", out);
    EXPECT_EQ(out, "12,5");
    EXPECT_DOUBLE_EQ(StrToFloatX(out), 12.5);
    TFormatSettingsGuard guard;
    FormatSettings.DecimalSeparator = ".";
    FloatParser("12.5", out);
    EXPECT_EQ(out, "12.5");
}

TEST(TextRoutines, WStrCopyCopiesTheTerminator) {
    char16_t dest[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_EQ(WStrCopy(dest, u"ab"), dest);
    EXPECT_EQ(dest[1], u'b');
    EXPECT_EQ(dest[2], u'\0');
    EXPECT_EQ(dest[3], u'x');
}

TEST(DateParsing, EngineDatesAgreeWithTheRuntimeAcrossTheCalendar) {
    // Leap days, century years and the ends of the range.
    const char* dates[] = {"0001-01-01", "1899-12-30", "1900-02-28", "1900-03-01", "2000-02-29",
                           "2004-02-29", "2100-03-01", "9999-12-31", "1970-01-01"};
    for (const char* d : dates) {
        const String s(d);
        const TDateTime expected = EncodeDate(static_cast<Word>(std::stoi(s.substr(0, 4))),
                                              static_cast<Word>(std::stoi(s.substr(5, 2))),
                                              static_cast<Word>(std::stoi(s.substr(8, 2))));
        EXPECT_DOUBLE_EQ(YYYYMMDDParser(d), expected) << d;
    }
    EXPECT_EQ(YYYYMMDDParser("1900-02-29"), 0);
    EXPECT_EQ(YYYYMMDDParser("0000-01-01"), 0);
}

TEST(TextRoutines, SyntaxCheckComparesIgnoringCaseOrRaises) {
    EXPECT_TRUE(SyntaxCheck("WHERE", "where"));
    EXPECT_EQ(ErrorOf<SqliteError>([&] { SyntaxCheck("set", "where"); }),
              "SQL macro syntax error on sql, expected where");
}
