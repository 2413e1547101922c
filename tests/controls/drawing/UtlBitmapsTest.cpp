#include "controls/drawing/UtlBitmaps.h"

#include "controls/drawing/UtlGradient.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

namespace {

using sheet::At;
using sheet::Green;
using sheet::Put;

std::unique_ptr<TBitmap> Sheet(Integer w, Integer h, TColor fill = Green, TPixelFormat format = pf24bit) {
    return sheet::Make(w, h, fill, format);
}

// A 10 × 2 picture: column 0 red, column 9 blue, the rest yellow.
std::unique_ptr<TBitmap> Striped() {
    auto b = Sheet(10, 2, clYellow);
    for (Integer y = 0; y < 2; ++y) {
        Put(*b, 0, y, clRed);
        Put(*b, 9, y, clBlue);
    }
    return b;
}

} // namespace

TEST(UtlBitmapsTest, TargetRectangleByFlags) {
    const TRect dest(10, 10, 50, 30); // 40 × 20
    const TSize src(20, 5);
    EXPECT_EQ(utl::BmpTargetRect(dest, src, 0), TRect(10, 10, 30, 15));
    EXPECT_EQ(utl::BmpTargetRect(dest, src, ubdCenter), TRect(20, 17, 40, 22));
    EXPECT_EQ(utl::BmpTargetRect(dest, src, ubdStretch), dest);
    EXPECT_EQ(utl::BmpTargetRect(dest, src, ubdStretch | ubdAspect), TRect(10, 10, 50, 20));
    EXPECT_EQ(utl::BmpTargetRect(dest, src, ubdStretch | ubdKeepWidth), TRect(10, 10, 50, 20));
    EXPECT_EQ(utl::BmpTargetRect(dest, src, ubdStretch | ubdKeepHeight), TRect(10, 10, 90, 30));
    EXPECT_EQ(utl::BmpTargetRect(dest, src, ubdStretch | ubdAspect | ubdCenter), TRect(10, 15, 50, 25));
}

TEST(UtlBitmapsTest, StretchDrawFillsTheWholeRectangle) {
    auto glyph = Sheet(16, 16, clRed);
    auto b = Sheet(40, 60);
    const TRect covered = UtlBmpStretchDraw(b->Canvas(), TRect(4, 6, 36, 54), glyph.get());
    EXPECT_EQ(covered, TRect(4, 6, 36, 54));
    for (TPoint p : {TPoint(4, 6), TPoint(35, 6), TPoint(4, 53), TPoint(35, 53), TPoint(20, 30)})
        EXPECT_EQ(At(*b, p.X, p.Y), clRed) << p.X << "," << p.Y;
    EXPECT_EQ(At(*b, 36, 53), Green);
    EXPECT_EQ(At(*b, 35, 54), Green);
}

TEST(UtlBitmapsTest, TilesRepeatAndTheLastIsCut) {
    auto image = Striped();
    auto b = Sheet(30, 2);
    UtlBmpDraw(b->Canvas(), TRect(0, 0, 25, 2), image.get(), ubdTile, clNone);
    // Columns start at 0, 10 and 20; the third shows only its first five pixels.
    for (Integer x : {0, 10, 20})
        EXPECT_EQ(At(*b, x, 1), clRed) << x;
    for (Integer x : {9, 19})
        EXPECT_EQ(At(*b, x, 1), clBlue) << x;
    EXPECT_EQ(At(*b, 24, 1), clYellow);
    EXPECT_EQ(At(*b, 25, 1), Green);
}

TEST(UtlBitmapsTest, PlainCentredAndEmpty) {
    auto image = Striped();
    auto b = Sheet(20, 6);
    EXPECT_EQ(UtlBmpDraw(b->Canvas(), TRect(0, 0, 20, 6), image.get(), ubdCenter, clNone),
              TRect(5, 2, 15, 4));
    EXPECT_EQ(At(*b, 5, 2), clRed);
    EXPECT_EQ(At(*b, 14, 3), clBlue);
    EXPECT_EQ(At(*b, 4, 2), Green);
    // An empty destination draws nothing and answers itself.
    EXPECT_EQ(UtlBmpDraw(b->Canvas(), TRect(3, 3, 3, 9), image.get(), 0, clNone), TRect(3, 3, 3, 9));
}

TEST(UtlBitmapsTest, MaskModeWithoutAMaskDrawsNothing) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    auto image = Striped();
    UtlBmpDrawExt(canvas.get(), TRect(0, 0, 20, 20), image->Canvas(), TRect(0, 0, 10, 2), ubdMask, clNone,
                  nullptr);
    EXPECT_TRUE(rec->Log.empty());
}

TEST(UtlBitmapsTest, TransparentColourLeavesTheDestination) {
    auto image = Striped(); // yellow is the transparent colour
    auto b = Sheet(10, 2);
    UtlBmpDraw(b->Canvas(), TRect(0, 0, 10, 2), image.get(), ubdTransparent, clYellow);
    EXPECT_EQ(At(*b, 0, 0), clRed);
    EXPECT_EQ(At(*b, 9, 1), clBlue);
    EXPECT_EQ(At(*b, 5, 1), Green);
    // A brush copy puts the brush where the transparent colour was.
    auto c = Sheet(10, 2);
    c->Canvas()->Brush()->SetColor(clAqua);
    UtlBmpDraw(c->Canvas(), TRect(0, 0, 10, 2), image.get(), ubdBrushCopy, clYellow);
    EXPECT_EQ(At(*c, 5, 1), clAqua);
    EXPECT_EQ(At(*c, 0, 1), clRed);
}

TEST(UtlBitmapsTest, MasksOfTheTransparentColour) {
    auto image = Striped();
    TBitmap mask, masked;
    UtlBmpCreateMasks(image.get(), TRect(0, 0, 10, 2), &mask, &masked, clYellow);
    EXPECT_EQ(mask.PixelFormat(), pf1bit);
    EXPECT_EQ(At(mask, 5, 0), clWhite);
    EXPECT_EQ(At(mask, 0, 0), clBlack);
    EXPECT_EQ(At(masked, 5, 0), clBlack);
    EXPECT_EQ(At(masked, 9, 0), clBlue);
    // Drawing through a given mask: only the mask's black pixels change.
    auto b = Sheet(10, 2);
    UtlBmpDrawExt(b->Canvas(), TRect(0, 0, 10, 2), masked.Canvas(), TRect(0, 0, 10, 2), ubdMask, clNone,
                  mask.Canvas());
    EXPECT_EQ(At(*b, 0, 0), clRed);
    EXPECT_EQ(At(*b, 4, 0), Green);
}

TEST(UtlBitmapsTest, ClippedDrawStaysInsideTheShiftedDestination) {
    auto image = Sheet(10, 1, clRed);
    auto b = Sheet(12, 1);
    UtlBmpClipDraw(b->Canvas(), TRect(0, 0, 10, 1), image.get(), ubdStretch, clNone, 4);
    EXPECT_EQ(At(*b, 3, 0), Green);
    EXPECT_EQ(At(*b, 4, 0), clRed);
    EXPECT_EQ(At(*b, 9, 0), clRed);
    EXPECT_EQ(At(*b, 10, 0), Green);
    EXPECT_EQ(b->Canvas()->ClipRect(), TRect(0, 0, 12, 1));
}

TEST(UtlBitmapsTest, DisabledStateIsEmbossed) {
    auto glyph = Sheet(3, 3, clOlive);
    glyph->SetTransparentColor(clOlive);
    Put(*glyph, 1, 1, clBlack);
    TBitmap target;
    UtlBmpDrawDisabledState(&target, glyph.get(), 0, 0);
    EXPECT_EQ(target.Width(), 4);
    EXPECT_EQ(At(target, 1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(target, 2, 2), ColorToRGB(clBtnHighlight) & 0xFFFFFF);
    EXPECT_EQ(At(target, 0, 0), ColorToRGB(clBtnFace));
}

TEST(UtlBitmapsTest, GreyscaleKeepsTheTransparentColour) {
    auto glyph = Sheet(3, 1, clOlive);
    glyph->SetTransparentColor(clOlive);
    Put(*glyph, 0, 0, clWhite);
    Put(*glyph, 1, 0, RGB(10, 10, 10));
    TBitmap grey;
    UtlBmpCreateGrayscale(&grey, glyph.get());
    EXPECT_EQ(At(grey, 0, 0), clWhite);
    EXPECT_EQ(At(grey, 1, 0), ColorToRGB(cl3DDkShadow) & 0xFFFFFF);
    EXPECT_EQ(At(grey, 2, 0), clOlive);
}

TEST(UtlBitmapsTest, TextureStartsAtTheOriginPhase) {
    auto tile = Striped(); // 10 × 2
    auto b = Sheet(14, 3);
    UtlFillTexture(b->Canvas(), TRect(1, 0, 13, 3), tile.get(), TPoint(9, 1));
    // Column 9 of the tile comes first, then a whole tile from column 0.
    EXPECT_EQ(At(*b, 1, 0), clBlue);
    EXPECT_EQ(At(*b, 2, 0), clRed);
    EXPECT_EQ(At(*b, 11, 2), clBlue);
    EXPECT_EQ(At(*b, 12, 2), clRed);
    EXPECT_EQ(At(*b, 0, 0), Green);
    EXPECT_EQ(At(*b, 13, 0), Green);
    auto untouched = Sheet(4, 4);
    UtlFillTexture(untouched->Canvas(), TRect(0, 0, 4, 4), tile.get(), TPoint(-1, 0));
    EXPECT_EQ(At(*untouched, 0, 0), Green);
}

TEST(UtlBitmapsTest, PatternAndsWithTheDestination) {
    auto pattern = Sheet(2, 2, clWhite);
    Put(*pattern, 0, 0, clBlack);
    auto b = Sheet(4, 2, RGB(255, 255, 0));
    UtlFillPattern(b->Canvas(), TRect(0, 0, 4, 2), pattern.get());
    EXPECT_EQ(At(*b, 0, 0), clBlack);
    EXPECT_EQ(At(*b, 1, 0), RGB(255, 255, 0));
    EXPECT_EQ(At(*b, 2, 0), clBlack);
    EXPECT_EQ(b->Canvas()->Brush()->Bitmap(), nullptr);
}

TEST(UtlBitmapsTest, SmallHelpers) {
    TBitmap made, source(7, 3, pf24bit);
    UtlBmpCreateFromRect(&made, TRect(5, 5, 9, 8), clMaroon);
    EXPECT_EQ(made.Width(), 4);
    EXPECT_EQ(made.Height(), 3);
    EXPECT_EQ(At(made, 3, 2), clMaroon);
    UtlCopyBmpSize(&made, &source);
    EXPECT_EQ(made.Width(), 7);
    // The offscreen display cannot be read.
    TBitmap desk;
    EXPECT_FALSE(UtlBmpFromDesktop(&desk, TRect(0, 0, 10, 10)));
    EXPECT_TRUE(desk.Empty());
}
