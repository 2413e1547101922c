#include "tests/platform/graphics/PixelArt.h"

#include "platform/graphics/RasterOps.h"

#include <gtest/gtest.h>

using graphicstest::Filled;

namespace {

// Source: two pixels, destination: two pixels; the result of rop at each.
struct RopCase {
    Cardinal Rop;
    TColor Src, Dest, Brush, Expected;
    const char* Name;
};

TColor BlitOne(Cardinal rop, TColor src, TColor dest, TColor brush) {
    auto s = Filled(1, 1, src);
    auto d = Filled(1, 1, dest);
    d->Canvas()->Brush()->SetColor(brush);
    EXPECT_TRUE(BitBlt(d->Canvas(), 0, 0, 1, 1, s->Canvas(), 0, 0, rop));
    return d->Canvas()->Pixels(0, 0);
}

} // namespace

TEST(RasterOpsTest, EveryNamedOperationOnColourPixels) {
    const TColor s = 0x00F0CC33, d = 0x003355AA, p = 0x000F0F0F;
    const RopCase cases[] = {
        {SRCCOPY, s, d, p, s, "SRCCOPY"},
        {SRCAND, s, d, p, s & d, "SRCAND"},
        {SRCPAINT, s, d, p, s | d, "SRCPAINT"},
        {SRCINVERT, s, d, p, s ^ d, "SRCINVERT"},
        {BLACKNESS, s, d, p, clBlack, "BLACKNESS"},
        {WHITENESS, s, d, p, clWhite, "WHITENESS"},
        {NOTSRCCOPY, s, d, p, ~s & 0xFFFFFF, "NOTSRCCOPY"},
        {DSTINVERT, s, d, p, ~d & 0xFFFFFF, "DSTINVERT"},
        {PATCOPY, s, d, p, p, "PATCOPY"},
        {PATINVERT, s, d, p, p ^ d, "PATINVERT"},
        {DPa, s, d, p, p & d, "pattern AND destination (0x00A000C9)"},
        // Where the source is set the pattern; elsewhere the destination stays.
        {DSPDxax, s, d, p, (s & p) | (~s & d & 0xFFFFFF), "DSPDxax (0x00E20746)"},
        {SRCERASE, s, d, p, s & ~d & 0xFFFFFF, "SRCERASE"},
        {MERGEPAINT, s, d, p, (~s | d) & 0xFFFFFF, "MERGEPAINT"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlitOne(c.Rop, c.Src, c.Dest, c.Brush), c.Expected) << c.Name;
}

TEST(RasterOpsTest, ApplyRop3MatchesTheLogicalFormulas) {
    for (TColor v : {0u, 0xFFFFFFu, 0x123456u}) {
        EXPECT_EQ(graphics::ApplyRop3(SRCAND, 0, v, 0xFF00FF), v & 0xFF00FF);
        EXPECT_EQ(graphics::ApplyRop3(0x00E20746, 0xABCDEF, v, 0x0F0F0F),
                  (v & 0xABCDEF) | (~v & 0x0F0F0F & 0xFFFFFF));
    }
    EXPECT_TRUE(graphics::RopUsesSource(SRCCOPY));
    EXPECT_FALSE(graphics::RopUsesSource(PATCOPY));
    EXPECT_FALSE(graphics::RopUsesSource(BLACKNESS));
    EXPECT_TRUE(graphics::RopUsesPattern(DSPDxax));
    EXPECT_FALSE(graphics::RopUsesPattern(SRCAND));
}

TEST(RasterOpsTest, EveryOperationCodeMatchesItsTruthTableBitByBit) {
    const TColor p = 0x00F0F0F0, s = 0x00CCCCCC, d = 0x00AAAAAA; // all eight bit combinations
    for (unsigned code = 0; code < 256; ++code) {
        TColor expected = 0;
        for (unsigned bit = 0; bit < 24; ++bit) {
            const unsigned index = (((p >> bit) & 1u) << 2) | (((s >> bit) & 1u) << 1) | ((d >> bit) & 1u);
            expected |= TColor((code >> index) & 1u) << bit;
        }
        EXPECT_EQ(graphics::ApplyRop3(code << 16, p, s, d), expected) << code;
    }
}

TEST(RasterOpsTest, MonochromeSourceTakesTextAndBackgroundColours) {
    auto mono = std::make_unique<TBitmap>(2, 1, pf1bit);
    mono->Canvas()->SetPixels(0, 0, clBlack);
    mono->Canvas()->SetPixels(1, 0, clWhite);
    auto dest = Filled(2, 1, clGreen);
    dest->Canvas()->SetTextColor(clRed);
    dest->Canvas()->SetBkColor(clBlue);
    BitBlt(dest->Canvas(), 0, 0, 2, 1, mono->Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), clRed);  // black → text colour
    EXPECT_EQ(dest->Canvas()->Pixels(1, 0), clBlue); // white → background colour
}

TEST(RasterOpsTest, ColourSourceOnMonochromeMatchesTheSourceBackground) {
    auto src = Filled(3, 1, clRed);
    src->Canvas()->SetPixels(1, 0, clYellow);
    src->Canvas()->SetBkColor(clYellow);
    auto mask = std::make_unique<TBitmap>(3, 1, pf1bit);
    BitBlt(mask->Canvas(), 0, 0, 3, 1, src->Canvas(), 0, 0, SRCCOPY);
    EXPECT_EQ(graphicstest::Art(*mask, {{clWhite, '.'}, {clBlack, '#'}}), "#.#");
}

TEST(RasterOpsTest, ChangingOneColourThroughAMaskWithDSPDxax) {
    // The colour-replacement recipe: a mask that is white where the old colour
    // was, then the brush written where the mask is set.
    auto picture = Filled(3, 1, clRed);
    picture->Canvas()->SetPixels(1, 0, clGreen);
    auto mask = std::make_unique<TBitmap>(3, 1, pf1bit);
    picture->Canvas()->SetBkColor(clRed);
    BitBlt(mask->Canvas(), 0, 0, 3, 1, picture->Canvas(), 0, 0, SRCCOPY);
    auto* c = picture->Canvas();
    c->Brush()->SetColor(clBlue);
    c->SetTextColor(clBlack);
    c->SetBkColor(clWhite);
    BitBlt(c, 0, 0, 3, 1, mask->Canvas(), 0, 0, DSPDxax);
    EXPECT_EQ(c->Pixels(0, 0), clBlue);
    EXPECT_EQ(c->Pixels(1, 0), clGreen);
    EXPECT_EQ(c->Pixels(2, 0), clBlue);
}

TEST(RasterOpsTest, StretchBltScalesAndMirrors) {
    auto src = Filled(2, 1, clBlack);
    src->Canvas()->SetPixels(1, 0, clWhite);
    auto dest = Filled(4, 2, clRed);
    StretchBlt(dest->Canvas(), 0, 0, 4, 2, src->Canvas(), 0, 0, 2, 1, SRCCOPY);
    const std::map<TColor, char> legend = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}};
    EXPECT_EQ(graphicstest::Art(*dest, legend), "##..\n##..");
    StretchBlt(dest->Canvas(), 0, 0, 4, 1, src->Canvas(), 2, 0, -2, 1, SRCCOPY);
    EXPECT_EQ(graphicstest::Art(*dest, legend), "..##\n##..");
}

TEST(RasterOpsTest, PatBltUsesTheBrushAndRefusesSourceOperations) {
    auto dest = Filled(3, 1, clWhite);
    auto* c = dest->Canvas();
    c->Brush()->SetColor(clNavy);
    EXPECT_TRUE(PatBlt(c, 1, 0, 2, 1, PATCOPY));
    EXPECT_EQ(c->Pixels(0, 0), clWhite);
    EXPECT_EQ(c->Pixels(1, 0), clNavy);
    EXPECT_FALSE(PatBlt(c, 0, 0, 3, 1, SRCCOPY));
    EXPECT_FALSE(BitBlt(c, 0, 0, 3, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 3, 1, c, 0, 0, SRCCOPY));
}

TEST(RasterOpsTest, PatternBitmapTilesFromTheDeviceOrigin) {
    auto tile = std::make_unique<TBitmap>(2, 1, pf32bit);
    tile->Canvas()->SetPixels(0, 0, clBlack);
    tile->Canvas()->SetPixels(1, 0, clWhite);
    auto dest = Filled(5, 1, clRed);
    dest->Canvas()->Brush()->SetBitmap(tile.get());
    PatBlt(dest->Canvas(), 1, 0, 4, 1, DPa); // pattern AND red
    const std::map<TColor, char> legend = {{clBlack, '#'}, {clRed, 'r'}};
    EXPECT_EQ(graphicstest::Art(*dest, legend), "rr#r#");
    dest->Canvas()->Brush()->SetBitmap(nullptr);
}

TEST(RasterOpsTest, CopyRectUsesTheCopyMode) {
    auto src = Filled(2, 2, 0x00FF00FF);
    auto dest = Filled(2, 2, 0x0000FFFF);
    dest->Canvas()->SetCopyMode(cmSrcAnd);
    dest->Canvas()->CopyRect(TRect(0, 0, 2, 2), src->Canvas(), TRect(0, 0, 2, 2));
    EXPECT_EQ(dest->Canvas()->Pixels(1, 1), 0x000000FFu);
}

TEST(RasterOpsTest, BrushCopyReplacesTheKeyColourWithTheBrush) {
    auto src = Filled(2, 1, clFuchsia);
    src->Canvas()->SetPixels(1, 0, clNavy);
    auto dest = Filled(2, 1, clWhite);
    dest->Canvas()->Brush()->SetColor(clBtnFace);
    dest->Canvas()->BrushCopy(TRect(0, 0, 2, 1), src.get(), TRect(0, 0, 2, 1), clFuchsia);
    EXPECT_EQ(dest->Canvas()->Pixels(0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(dest->Canvas()->Pixels(1, 0), clNavy);
}
