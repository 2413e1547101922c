#include "platform/core/Exceptions.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TColor.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

TEST(ColorTest, SystemColoursResolveThroughTheClassicTable) {
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(128, 128, 128));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
    EXPECT_EQ(ColorToRGB(cl3DDkShadow), RGB(64, 64, 64));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(10, 36, 106));
    EXPECT_EQ(ColorToRGB(clInfoBk), RGB(255, 255, 225));
    EXPECT_EQ(ColorToRGB(clWindowFrame), clBlack);
}

TEST(ColorTest, PlainAndSpecialColoursPassUnchanged) {
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    // An index past the table is black rather than a read past its end.
    EXPECT_EQ(ColorToRGB(clSystemColor | 200), 0u);
}

TEST(ColorTest, RgbPutsRedInTheLowByte) {
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(GetRValue(0x030201), 1);
    EXPECT_EQ(GetGValue(0x030201), 2);
    EXPECT_EQ(GetBValue(0x030201), 3);
}

TEST(ColorTest, ColorToStringUsesNamesThenHex) {
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(0xC0C0C0), "clSilver");
    EXPECT_EQ(ColorToString(0x00FF8000), "$00FF8000");
    EXPECT_EQ(ColorToString(clNone), "clNone");
}

TEST(ColorTest, StringToColorReadsNamesHexAndDecimal) {
    EXPECT_EQ(StringToColor("clBtnFace"), clBtnFace);
    EXPECT_EQ(StringToColor("CLWHITE"), clWhite);
    EXPECT_EQ(StringToColor("$00FF8000"), 0x00FF8000u);
    EXPECT_EQ(StringToColor("0x80000005"), clWindow);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("-2147483633"), clBtnFace); // 0x8000000F as a signed number
    for (TColor c : {clBlack, clMoneyGreen, clGradientActiveCaption, TColor(0x00ABCDEF)})
        EXPECT_EQ(StringToColor(ColorToString(c)), c);
}

TEST(ColorTest, StringToColorRejectsOtherText) {
    for (const char* bad : {"clNoSuchColour", "", "$", "12x", "$1FFFFFFFF", "99999999999"}) {
        EXPECT_EQ(ErrorOf<EConvertError>([&] { StringToColor(bad); }),
                  String("'") + bad + "' is not a valid integer value");
    }
}

TEST(MulDivTest, RoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(3, 10, 4), 8);   // 7.5
    EXPECT_EQ(MulDiv(1, 10, 3), 3);   // 3.33
    EXPECT_EQ(MulDiv(2, 10, 3), 7);   // 6.67
    EXPECT_EQ(MulDiv(5, -3, 2), -8);  // -7.5
    EXPECT_EQ(MulDiv(5, 3, -2), -8);  // negative divisor
    EXPECT_EQ(MulDiv(8, 96, 72), 11); // 8 points at 96 dpi
}

TEST(MulDivTest, ZeroDivisorAndOverflowGiveMinusOne) {
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 2, 1), -1);
    // The intermediate product may exceed 32 bits as long as the result fits.
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF), 0x7FFFFFFF);
}

TEST(MulDivTest, GradientBandsSplitByRounding) {
    // Three bands over ten pixels: 0-3, 3-7, 7-10.
    EXPECT_EQ(MulDiv(1, 10, 3), 3);
    EXPECT_EQ(MulDiv(2, 10, 3), 7);
    EXPECT_EQ(MulDiv(3, 10, 3), 10);
}

TEST(SystemMetricsTest, ClassicMetrics) {
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 16);
    EXPECT_EQ(GetSystemMetrics(SM_CXCURSOR), 32); // index 13, the grid's button width
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(9999), 0);
    EXPECT_EQ(GetDeviceCaps(nullptr, LOGPIXELSX), 0);
}
