#include "platform/core/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

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

// A view that ends inside a character: the character is invalid, and nothing past the view is
// read, neither the bytes that would complete it nor (seen by the sanitizer) past the end of the
// allocation the view closes.
TEST(Utf8Decode, AViewCutInsideACharacterEndsAtItsEnd) {
    for (const std::string whole : {"ő", "€", "😀"}) {
        for (std::size_t cut = 1; cut < whole.size(); ++cut) {
            SCOPED_TRACE(whole + " cut after " + std::to_string(cut));
            const auto exact = std::make_unique<char[]>(cut);
            std::copy_n(whole.begin(), cut, exact.get());
            for (const char* bytes : {whole.data(), static_cast<const char*>(exact.get())}) {
                const std::string_view view(bytes, cut);
                std::size_t pos = 0;
                EXPECT_EQ(Utf8Next(view, pos), char32_t{0xFFFD});
                EXPECT_EQ(pos, 1u);
                EXPECT_EQ(Utf8Length(view), cut);
            }
        }
    }
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
