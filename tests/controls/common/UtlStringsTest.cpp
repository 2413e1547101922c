#include "controls/common/UtlStrings.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(UtlStringsTest, PaddingCountsCharactersNotBytes) {
    EXPECT_EQ(UtlAddZeroL("42", 5), "00042");
    EXPECT_EQ(UtlAddSpaceR("ő", 3), "ő  "); // two bytes, one character
    EXPECT_EQ(UtlAddCharL("ab", 4, U'é'), "ééab");
    EXPECT_EQ(UtlAddZeroR("abcdef", 3), "abcdef"); // already longer: unchanged
    EXPECT_EQ(UtlFillString(0, U'x'), "");
    EXPECT_EQ(UtlFillString(-3, U'x'), "");
    EXPECT_EQ(UtlSpace(3), "   ");
}

TEST(UtlStringsTest, EmptyMeansBlankOnly) {
    EXPECT_TRUE(UtlEmpty(""));
    EXPECT_TRUE(UtlEmpty("   "));
    EXPECT_FALSE(UtlEmpty(" a "));
}

TEST(UtlStringsTest, CharacterSearchAndReplace) {
    EXPECT_EQ(UtlCount("a;b;;c", U';'), 3);
    EXPECT_EQ(UtlBackPos(U'\\', "C:\\ügy\\a.doc"), 7); // ü is one character
    EXPECT_EQ(UtlBackPos(U'x', "abc"), 0);
    EXPECT_EQ(UtlReplaceChar("a\\b\\c", U'\\', U'/'), "a/b/c");
    EXPECT_EQ(UtlScanToNumber("ügy12"), 4);
    EXPECT_EQ(UtlScanToNumber("abc"), 0);
}

TEST(UtlStringsTest, FirstAndSecondStringSplitAtTheFirstSeparator) {
    EXPECT_EQ(UtlGetFirstString("key=value=x", U'='), "key");
    EXPECT_EQ(UtlGetSecondString("key=value=x", U'='), "value=x");
    EXPECT_EQ(UtlGetFirstString("novalue", U'='), "novalue");
    EXPECT_EQ(UtlGetSecondString("novalue", U'='), "novalue");
}

TEST(UtlStringsTest, SecondStringIsNotCutAt255Characters) {
    const String tail(400, 'x');
    EXPECT_EQ(UtlGetSecondString("k=" + tail, U'='), tail);
}

TEST(UtlStringsTest, SlashAddAndRemove) {
    EXPECT_EQ(UtlSlashAdd(""), "\\");
    EXPECT_EQ(UtlSlashAdd("   "), "   \\");
    EXPECT_EQ(UtlSlashAdd("C:\\data"), "C:\\data\\");
    EXPECT_EQ(UtlSlashAdd("C:\\data\\"), "C:\\data\\");
    EXPECT_EQ(UtlSlashAdd("/home/iroda/"), "/home/iroda/"); // a folder of this system
    EXPECT_EQ(UtlSlashRemove("C:\\data\\"), "C:\\data");
    EXPECT_EQ(UtlSlashRemove("/home/iroda/"), "/home/iroda");
    EXPECT_EQ(UtlSlashRemove("   "), "   ");
    EXPECT_EQ(UtlSlashRemove("abc"), "abc");
}

TEST(UtlStringsTest, CodedListFields) {
    EXPECT_EQ(UtlGetCodedString("a;b;c", U';', 1), "b");
    EXPECT_EQ(UtlGetCodedString("a;b;c", U';', 5), "");
    EXPECT_EQ(UtlGetCodedString("a;b;c", U';', -1), "");
    EXPECT_EQ(UtlGetCodedCount("a;b;c", U';'), 3);
    EXPECT_EQ(UtlGetCodedCount("", U';'), 0);
    EXPECT_EQ(UtlGetCodedCount(";", U';'), 2);
    EXPECT_EQ(UtlGetCodedInt("1;;3", U';', 1), -1);
    EXPECT_EQ(UtlGetCodedInt("1;;-3", U';', 2), -3);
}

TEST(UtlStringsTest, CodedIntOfTextRaisesTheConversionError) {
    EXPECT_EQ(ErrorOf<EConvertError>([&] { UtlGetCodedInt("1;x", U';', 1); }),
              "'x' is not a valid integer value");
}

TEST(UtlStringsTest, SetCodedStringAppendsMissingFields) {
    String s = "a";
    UtlSetCodedString(s, "v", U';', 2);
    EXPECT_EQ(s, "a;;v");
    UtlSetCodedString(s, "B", U';', 1);
    EXPECT_EQ(s, "a;B;v");
    String empty;
    UtlSetCodedString(empty, "x", U';', 0);
    EXPECT_EQ(empty, "x");
}

TEST(UtlStringsTest, CodeStringAndIntJoinUpToHigh) {
    EXPECT_EQ(UtlCodeString({"a", "b", "c"}, 1, U'|'), "a|b");
    EXPECT_EQ(UtlCodeString({"a", "b"}, 9, U'|'), "a|b"); // High past the end stops there
    EXPECT_EQ(UtlCodeInt({1, -2, 3}, 2, U','), "1,-2,3");
    EXPECT_EQ(UtlCodeInt({}, 0, U','), "");
}
