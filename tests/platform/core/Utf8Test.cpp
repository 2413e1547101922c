#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

namespace {

using namespace core;

TEST(Utf8Decode, EveryLengthOfSequence) {
    EXPECT_EQ(Utf8ToU32("aő€😀"), (std::u32string{U'a', U'ő', U'€', U'😀'}));
    EXPECT_EQ(U32ToUtf8(U"aő€😀"), "aő€😀");
}

TEST(Utf8Decode, InvalidInputAdvancesOneByteAtATime) {
    // Each bad byte becomes one replacement character and decoding goes on.
    EXPECT_EQ(Utf8ToU32("\xE2\x82"), (std::u32string{0xFFFD, 0xFFFD}));
    EXPECT_EQ(Utf8ToU32("\xF4\x90\x80\x80"), std::u32string(4, 0xFFFD)); // past U+10FFFF
    EXPECT_EQ(Utf8ToU32("\xE0\x80\xAFx"), (std::u32string{0xFFFD, 0xFFFD, 0xFFFD, U'x'}));
    EXPECT_FALSE(IsValidUtf8("ok\xC3"));
    EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBD")); // a real replacement character is valid
    EXPECT_TRUE(IsValidUtf8(""));
}

TEST(Utf8Encode, UnencodableValuesBecomeReplacement) {
    String out;
    Utf8Append(out, 0xD800);
    Utf8Append(out, 0x110000);
    EXPECT_EQ(out, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Utf8Offsets, CountAndPositionByCharacter) {
    EXPECT_EQ(Utf8Length("tűrő"), 4u);
    EXPECT_EQ(Utf8Offset("tűrő", 0), 0u);
    EXPECT_EQ(Utf8Offset("tűrő", 2), 3u);
    EXPECT_EQ(Utf8Offset("tűrő", 4), 6u);
    EXPECT_EQ(Utf8Offset("tűrő", 99), 6u);
}

} // namespace
