#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

// Digit placeholders after an exponent that opens the picture were read as digits of the
// number, past the end of its digits (found by the report expression fuzz target).
TEST(FormatFloatPicture, PlaceholdersAfterALeadingExponentShowZeros) {
    const TFormatSettings en = TFormatSettings::English();
    EXPECT_EQ(FormatFloat("E+(" + String(60, '0'), 0, en), "E+0(" + String(60, '0'));
    EXPECT_EQ(FormatFloat("E+(00", 5, en), "E+0(00");
    EXPECT_EQ(FormatFloat("E+(#", 0, en), "E+0(");
}

} // namespace
