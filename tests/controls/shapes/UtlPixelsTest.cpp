#include "controls/shapes/UtlPixels.h"

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "tests/support/ErrorOf.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

namespace {

using sheet::At;
using sheet::Green;
using sheet::Put;

std::unique_ptr<TBitmap> Bmp(Integer w, Integer h, TColor fill = clBlack, TPixelFormat format = pf24bit) {
    return sheet::Make(w, h, fill, format);
}

} // namespace

TEST(UtlPixelsTest, GreyScaleRoundsTiesToEven) {
    auto b = Bmp(2, 1, clWhite);
    Put(*b, 1, 0, RGB(10, 20, 30));
    UtlBMPGrayScale(b.get(), TRect(0, 0, 2, 1), b.get(), TPoint(0, 0));
    // 76.5 rounds to the even 76: white becomes 254.
    EXPECT_EQ(At(*b, 0, 0), RGB(254, 254, 254));
    // 3 + 12 + 3
    EXPECT_EQ(At(*b, 1, 0), RGB(18, 18, 18));
}

TEST(UtlPixelsTest, FlipsReverseRowsOrColumns) {
    auto b = Bmp(3, 3);
    const TColor marks[3] = {clRed, clLime, clBlue};
    for (Integer i = 0; i < 3; ++i) {
        Put(*b, i, 0, marks[i]); // A B C along the top row
        Put(*b, 0, i, marks[i]); // 1 2 3 down the left column
    }
    auto rows = Bmp(3, 3, clWhite), mirror = Bmp(3, 3, clWhite);
    UtlBMPFlipHorizonzal(b.get(), TRect(0, 0, 3, 3), rows.get(), TPoint(0, 0));
    EXPECT_EQ(At(*rows, 0, 0), clBlue);
    EXPECT_EQ(At(*rows, 0, 1), clLime);
    EXPECT_EQ(At(*rows, 0, 2), clRed);
    UtlBMPFlipVertical(b.get(), TRect(0, 0, 3, 1), mirror.get(), TPoint(0, 0));
    EXPECT_EQ(At(*mirror, 0, 0), clBlue);
    EXPECT_EQ(At(*mirror, 1, 0), clLime); // the middle pixel stays
    EXPECT_EQ(At(*mirror, 2, 0), clRed);
    EXPECT_EQ(At(*mirror, 0, 1), clWhite); // outside the rectangle nothing is written
}

TEST(UtlPixelsTest, InvertTwiceRestoresAndBrightnessClamps) {
    auto b = Bmp(2, 2, RGB(10, 100, 250));
    UtlBMPInvert(b.get(), TRect(0, 0, 2, 2), b.get(), TPoint(0, 0));
    EXPECT_EQ(At(*b, 1, 1), RGB(245, 155, 5));
    UtlBMPInvert(b.get(), TRect(0, 0, 2, 2), b.get(), TPoint(0, 0));
    EXPECT_EQ(At(*b, 1, 1), RGB(10, 100, 250));
    UtlBMPBrightness(b.get(), TRect(0, 0, 1, 1), b.get(), TPoint(0, 0), 300);
    EXPECT_EQ(At(*b, 0, 0), clWhite);
    UtlBMPBrightness(b.get(), TRect(1, 0, 2, 1), b.get(), TPoint(1, 0), -300);
    EXPECT_EQ(At(*b, 1, 0), clBlack);
    UtlBMPBrightness(b.get(), TRect(0, 1, 1, 2), b.get(), TPoint(0, 1), 10);
    EXPECT_EQ(At(*b, 0, 1), RGB(20, 110, 255));
}

TEST(UtlPixelsTest, BrightnessExceptsOnlyTheExactColour) {
    auto b = Bmp(3, 1, RGB(100, 100, 100));
    Put(*b, 1, 0, RGB(100, 100, 200)); // shares red and green with the excepted colour
    Put(*b, 2, 0, RGB(200, 100, 100)); // the excepted colour itself
    UtlBmpBrightnessEC(b.get(), TRect(0, 0, 3, 1), b.get(), TPoint(0, 0), 20, RGB(200, 100, 100));
    EXPECT_EQ(At(*b, 0, 0), RGB(120, 120, 120));
    EXPECT_EQ(At(*b, 1, 0), RGB(120, 120, 220));
    EXPECT_EQ(At(*b, 2, 0), RGB(200, 100, 100));
}

TEST(UtlPixelsTest, AlphaBlendWeighsTheFirstSource) {
    auto s1 = Bmp(2, 1, RGB(200, 100, 0)), s2 = Bmp(4, 1, RGB(100, 200, 255)), t = Bmp(3, 1, clWhite);
    UtlBMPAlphaBlend(s1.get(), s2.get(), TRect(0, 0, 2, 1), TPoint(1, 0), t.get(), 0.5f, TPoint(2, 0));
    EXPECT_EQ(At(*t, 0, 0), clWhite);
    // 100 + round(50) = 150; 200 + round(−50) = 150; 255 + round(−127.5) = 255 − 128.
    EXPECT_EQ(At(*t, 1, 0), RGB(150, 150, 127));
    EXPECT_EQ(At(*t, 2, 0), RGB(150, 150, 127));
    UtlBMPAlphaBlend(s1.get(), s2.get(), TRect(0, 0, 1, 1), TPoint(0, 0), t.get(), 1.0f, TPoint(0, 0));
    EXPECT_EQ(At(*t, 0, 0), RGB(200, 100, 0));
    UtlBMPAlphaBlend(s1.get(), s2.get(), TRect(0, 0, 1, 1), TPoint(0, 0), t.get(), 0.0f, TPoint(0, 0));
    EXPECT_EQ(At(*t, 0, 0), RGB(100, 200, 255));
}

TEST(UtlPixelsTest, WrongPixelFormatsRaiseBeforeWriting) {
    auto ok = Bmp(2, 2, clWhite), eight = Bmp(2, 2, clWhite, pf8bit), thirtyTwo = Bmp(2, 2, clWhite, pf32bit);
    const TRect r(0, 0, 2, 2);
    EXPECT_EQ(ErrorOf<EUtlWrongPixelFormat>(
                  [&] { UtlBMPAlphaBlend(ok.get(), eight.get(), r, {}, ok.get(), 0.5f, {}); }),
              "Wrong PixelFormat in Source 2 bitmap!");
    EXPECT_EQ(ErrorOf<EUtlWrongPixelFormat>(
                  [&] { UtlBMPAlphaBlend(eight.get(), eight.get(), r, {}, ok.get(), 0.5f, {}); }),
              "Wrong PixelFormat in Source 1 bitmap!");
    EXPECT_EQ(ErrorOf<EUtlWrongPixelFormat>(
                  [&] { UtlBMPAlphaBlend(ok.get(), ok.get(), r, {}, thirtyTwo.get(), 0.5f, {}); }),
              "Wrong PixelFormat in Target bitmap!");
    EXPECT_EQ(ErrorOf<EUtlWrongPixelFormat>([&] { UtlBMPInvert(eight.get(), r, ok.get(), {}); }),
              "Wrong PixelFormat in Source bitmap!");
    EXPECT_EQ(ErrorOf<EUtlWrongPixelFormat>([&] { UtlBMPGrayScale(ok.get(), r, nullptr, {}); }),
              "Wrong PixelFormat in Target bitmap!");
    EXPECT_EQ(At(*ok, 0, 0), clWhite);
}

TEST(UtlPixelsTest, RectanglesOutsideTheBitmapsRaise) {
    auto s = Bmp(4, 4, clWhite), t = Bmp(2, 2, clWhite);
    EXPECT_EQ(ErrorOf<EUtlWrongBmpSize>([&] { UtlBMPInvert(s.get(), TRect(0, 0, 5, 1), t.get(), {}); }),
              "Rectangle out of Source bitmap!");
    EXPECT_EQ(ErrorOf<EUtlWrongBmpSize>([&] { UtlBMPInvert(s.get(), TRect(-1, 0, 1, 1), t.get(), {}); }),
              "Rectangle out of Source bitmap!");
    EXPECT_EQ(
        ErrorOf<EUtlWrongBmpSize>([&] { UtlBMPInvert(s.get(), TRect(0, 0, 2, 2), t.get(), TPoint(1, 0)); }),
        "Rectangle out of Target bitmap!");
    EXPECT_EQ(ErrorOf<EUtlWrongBmpSize>([&] {
                  UtlBMPAlphaBlend(s.get(), t.get(), TRect(0, 0, 2, 2), {}, s.get(), 0.5f, TPoint(1, 1));
              }),
              "Rectangle out of Source 2 bitmap!");
    EXPECT_EQ(At(*t, 0, 0), clWhite);
    // An empty rectangle does nothing, wherever it lies.
    EXPECT_EQ(ErrorOf<EUtlWrongBmpSize>([&] { UtlBMPInvert(s.get(), TRect(9, 9, 9, 9), t.get(), {}); }),
              "no error");
}

TEST(UtlPixelsTest, OverlappingAreasOfOneBitmapAndWideRows) {
    // Shifting a row one pixel right inside the same bitmap reads before it writes.
    auto b = Bmp(4, 1, clBlack);
    Put(*b, 0, 0, clRed);
    Put(*b, 1, 0, clLime);
    Put(*b, 2, 0, clBlue);
    UtlBMPBrightness(b.get(), TRect(0, 0, 3, 1), b.get(), TPoint(1, 0), 0);
    EXPECT_EQ(At(*b, 1, 0), clRed);
    EXPECT_EQ(At(*b, 2, 0), clLime);
    EXPECT_EQ(At(*b, 3, 0), clBlue);
    // Rows wider than a fixed 32 KB buffer would hold.
    auto wide = Bmp(12000, 2, clBlack);
    Put(*wide, 11999, 0, clRed);
    UtlBMPFlipHorizonzal(wide.get(), TRect(0, 0, 12000, 2), wide.get(), TPoint(0, 0));
    EXPECT_EQ(At(*wide, 11999, 1), clRed);
    EXPECT_EQ(At(*wide, 11999, 0), clBlack);
}
