#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::string AllHighBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

class EveryByte : public ::testing::TestWithParam<int> {};

TEST_P(EveryByte, RoundTripsThroughUtf8) {
    const std::string bytes = AllHighBytes();
    const String utf8 = CodePageToUtf8(bytes, GetParam());
    EXPECT_EQ(Utf8ToCodePage(utf8, GetParam()), bytes);
}

TEST_P(EveryByte, EachByteGivesADistinctCharacter) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b)
        seen.insert(CodePageByteToChar(static_cast<unsigned char>(b), GetParam()));
    EXPECT_EQ(seen.size(), 256u);
}

// A row read converts into a slot that keeps the room of earlier rows: what is appended is
// the whole conversion, wherever the widest forms fall (a run of euro signs fills the room).
TEST_P(EveryByte, AppendsTheWholeConversion) {
    const std::string bytes = AllHighBytes();
    for (const std::string& text : {bytes, std::string(bytes.rbegin(), bytes.rend()), std::string(40, '\x80'),
                                    std::string("x\x80"), std::string()}) {
        String out = "kept ";
        AppendCodePageAsUtf8(out, text, GetParam());
        EXPECT_EQ(out, "kept " + CodePageToUtf8(text, GetParam()));
    }
}

INSTANTIATE_TEST_SUITE_P(CodePages, EveryByte, ::testing::Values(1250, 1251, 852));

TEST(CodePages, HungarianDoubleAcuteLettersIn1250) {
    EXPECT_EQ(Utf8ToCodePage("ŐőŰű", 1250), "\xD5\xF5\xDB\xFB");
    EXPECT_EQ(CodePageToUtf8("\xD5\xF5\xDB\xFB", 1250), "ŐőŰű");
}

TEST(CodePages, HungarianAlphabetIn852) {
    // Bytes of the DOS Latin-2 page for the long and umlauted vowels.
    EXPECT_EQ(Utf8ToCodePage("áéíóöőúüű", 852), "\xA0\x82\xA1\xA2\x94\x8B\xA3\x81\xFB");
    EXPECT_EQ(Utf8ToCodePage("ÁÉÍÓÖŐÚÜŰ", 852), "\xB5\x90\xD6\xE0\x99\x8A\xE9\x9A\xEB");
}

TEST(CodePages, CyrillicIn1251) {
    EXPECT_EQ(Utf8ToCodePage("Жизнь", 1251), "\xC6\xE8\xE7\xED\xFC");
    EXPECT_EQ(CodePageToUtf8("\xC0\xFF", 1251), "Ая");
}

TEST(CodePages, EuroSignAndQuotesIn1250) {
    EXPECT_EQ(Utf8ToCodePage("€„”", 1250), "\x80\x84\x94");
}

TEST(CodePages, CharacterWithoutPlaceBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToCodePage("a€b", 852), "a?b");   // no euro sign in 852
    EXPECT_EQ(Utf8ToCodePage("őЖ", 1250), "\xF5?"); // Cyrillic outside 1250
    EXPECT_EQ(Utf8ToCodePage("ő", 1251), "?");
    EXPECT_EQ(Utf8ToCodePage("😀x", 1250), "?x"); // four-byte sequence is one character
}

// Exactly the characters the conversion would turn into "?", so a save can refuse them first.
TEST(CodePages, UnstorableCharsAreWhatWouldBecomeQuestionMarks) {
    const struct {
        const char* text;
        int codePage;
        std::u32string found;
    } rows[] = {
        {"Ñuñez Жанна", 1250, U"ÑñЖан"}, // each once, in order of appearance
        {"Árvíztűrő tükörfúrógép ŐŰ €„”?", 1250, U""},
        {"a\xC3", 1250, U"\uFFFD"}, // broken UTF-8 is no character of any page
        {"Жанна", 1251, U""},
        {"€", 852, U"€"},
        {"Ñ😀", CP_UTF8_PAGE, U""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(UnstorableChars(r.text, r.codePage), r.found);
    }
}

TEST(CodePages, InvalidUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCodePage("a\xC3", 1250), "a?");         // truncated at the end
    EXPECT_EQ(Utf8ToCodePage("\xC3(x", 1250), "?(x");       // lead byte without continuation
    EXPECT_EQ(Utf8ToCodePage("\xC0\xAF", 1250), "??");      // overlong "/"
    EXPECT_EQ(Utf8ToCodePage("\xED\xA0\x80", 1250), "???"); // surrogate
    EXPECT_EQ(Utf8ToCodePage("\xFF", 1250), "?");
    EXPECT_EQ(Utf8ToCodePage("\x80ok", 1250), "?ok"); // stray continuation
}

TEST(CodePages, Utf8PageSanitizesWithoutConverting) {
    EXPECT_EQ(CodePageToUtf8("ő\xC3", CP_UTF8_PAGE), "ő?");
    EXPECT_EQ(Utf8ToCodePage("Árvíztűrő", CP_UTF8_PAGE), "Árvíztűrő");
}

TEST(CodePages, AsciiAndNulPassUnchanged) {
    const std::string text("a\0b\x7F", 4);
    EXPECT_EQ(Utf8ToCodePage(text, 1250), text);
    EXPECT_EQ(CodePageToUtf8(text, 852), text);
}

TEST(CodePages, SingleCharacterLookups) {
    EXPECT_EQ(CodePageByteToChar(0xF5, 1250), U'ő');
    EXPECT_EQ(CharToCodePageByte(U'ű', 1250), 0xFB);
    EXPECT_EQ(CharToCodePageByte(U'Ж', 1250), -1);
    EXPECT_EQ(CharToCodePageByte(U'A', 852), 'A');
}

TEST(CodePages, UnsupportedCodePageRaises) {
    EXPECT_EQ(ErrorOf<EConvertError>([&] { Utf8ToCodePage("x", 437); }), "Unsupported code page 437");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { CodePageToUtf8("x", 1252); }), "Unsupported code page 1252");
    EXPECT_FALSE(IsSupportedCodePage(437));
    EXPECT_TRUE(IsSupportedCodePage(852));
}

} // namespace
