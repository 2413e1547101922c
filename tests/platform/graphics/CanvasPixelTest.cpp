#include "tests/platform/graphics/PixelArt.h"

#include "platform/graphics/TRegion.h"

#include <gtest/gtest.h>

using graphicstest::Art;
using graphicstest::Filled;

namespace {
const std::map<TColor, char> BW = {{clWhite, '.'}, {clBlack, '#'}};
const std::map<TColor, char> BWR = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}};
} // namespace

TEST(CanvasPixelTest, FillRectLeavesRightAndBottomEdgesOut) {
    auto b = Filled(5, 4, clWhite);
    b->Canvas()->Brush()->SetColor(clBlack);
    b->Canvas()->FillRect(TRect(1, 1, 3, 3));
    EXPECT_EQ(Art(*b, BW), ".....\n.##..\n.##..\n.....");
}

TEST(CanvasPixelTest, RectangleOutlineEndsOnePixelInside) {
    auto b = Filled(6, 5, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetColor(clRed);
    c->Rectangle(0, 0, 5, 4);
    EXPECT_EQ(Art(*b, BWR), "#####.\n#rrr#.\n#rrr#.\n#####.\n......");
}

TEST(CanvasPixelTest, PenlessRectangleLeavesOutRightAndBottom) {
    auto b = Filled(5, 4, clWhite);
    auto* c = b->Canvas();
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetColor(clBlack);
    c->Rectangle(0, 0, 4, 3);
    EXPECT_EQ(Art(*b, BW), "###..\n###..\n.....\n.....");
}

TEST(CanvasPixelTest, EllipseTouchesAllFourSidesInsideItsBox) {
    auto b = Filled(12, 9, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Ellipse(1, 1, 11, 8);
    auto rowHas = [&](int y) {
        for (int x = 0; x < 12; ++x)
            if (c->Pixels(x, y) == clBlack) return true;
        return false;
    };
    auto colHas = [&](int x) {
        for (int y = 0; y < 9; ++y)
            if (c->Pixels(x, y) == clBlack) return true;
        return false;
    };
    EXPECT_FALSE(rowHas(0));
    EXPECT_TRUE(rowHas(1));
    EXPECT_TRUE(rowHas(7));
    EXPECT_FALSE(rowHas(8));
    EXPECT_FALSE(colHas(0));
    EXPECT_TRUE(colHas(1));
    EXPECT_TRUE(colHas(10));
    EXPECT_FALSE(colHas(11));
}

TEST(CanvasPixelTest, LineToLeavesOutTheEndPixel) {
    auto b = Filled(6, 6, clWhite);
    auto* c = b->Canvas();
    c->MoveTo(0, 0);
    c->LineTo(4, 0);
    c->MoveTo(0, 2);
    c->LineTo(3, 5);
    EXPECT_EQ(Art(*b, BW), "####..\n......\n#.....\n.#....\n..#...\n......");
    EXPECT_EQ(c->PenPos(), TPoint(3, 5));
}

TEST(CanvasPixelTest, ZeroWidthPenDrawsOnePixelWide) {
    auto b = Filled(4, 2, clWhite);
    b->Canvas()->Pen()->SetWidth(0);
    b->Canvas()->MoveTo(0, 0);
    b->Canvas()->LineTo(4, 0);
    b->Canvas()->Rectangle(0, 0, 2, 2);
    EXPECT_EQ(Art(*b, BW), "####\n##..");
}

TEST(CanvasPixelTest, PolylineJoinsSegmentsWithoutTheLastPoint) {
    auto b = Filled(4, 4, clWhite);
    b->Canvas()->Polyline({{0, 0}, {3, 0}, {3, 3}});
    EXPECT_EQ(Art(*b, BW), "####\n...#\n...#\n....");
}

TEST(CanvasPixelTest, DottedPenAlternatesWithBackgroundWhenOpaque) {
    auto b = Filled(12, 1, clRed);
    auto* c = b->Canvas();
    c->Pen()->SetStyle(psDot);
    c->Brush()->SetColor(clWhite); // the background colour of the gaps
    c->MoveTo(0, 0);
    c->LineTo(12, 0);
    EXPECT_EQ(Art(*b, BWR), "###...###...");
    c->Brush()->SetStyle(bsClear); // transparent gaps
    c->Pen()->SetColor(clRed);
    c->MoveTo(0, 0);
    c->LineTo(12, 0);
    EXPECT_EQ(Art(*b, BWR), "rrr...rrr...");
}

// A dashed line that runs far past the surface (a damaged page's frame, two billion
// pixels long) draws the part the surface shows, in the dash phase that stepping it
// from its start gives, without stepping the pixels it passes by.
TEST(CanvasPixelTest, AFarLineDrawsWhatTheSurfaceShowsInItsPhase) {
    constexpr Integer Far = 1073741808; // a multiple of the 24 pixels of the dash pattern
    const struct {
        const char* Why;
        TPoint From, To;
        const char* Art;
    } rows[] = {
        {"across", {-Far, 0}, {Far, 0}, "##################......######\n.............................."},
        {"from inside", {0, 1}, {Far, 1}, "..............................\n##################......######"},
        {"into the surface",
         {-Far, 1},
         {10, 1},
         "..............................\n##########...................."},
        {"beside it", {-Far, 5}, {Far, 5}, "..............................\n.............................."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        auto b = Filled(30, 2, clWhite);
        b->Canvas()->Pen()->SetStyle(psDash);
        b->Canvas()->Polyline({row.From, row.To});
        EXPECT_EQ(Art(*b, BW), row.Art);
    }
}

TEST(CanvasPixelTest, PolygonFillsAlternately) {
    // A frame drawn as one self-overlapping outline: the middle is crossed
    // twice, so the alternate rule leaves it empty.
    auto b = Filled(9, 9, clWhite);
    auto* c = b->Canvas();
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetColor(clBlack);
    c->Polygon({{0, 0}, {8, 0}, {8, 8}, {0, 8}, {0, 0}, {2, 2}, {6, 2}, {6, 6}, {2, 6}, {2, 2}});
    EXPECT_EQ(c->Pixels(1, 1), clBlack);
    EXPECT_EQ(c->Pixels(4, 4), clWhite);
    EXPECT_EQ(c->Pixels(7, 4), clBlack);
}

TEST(CanvasPixelTest, XorPenTwiceRestores) {
    auto b = Filled(4, 1, clRed);
    auto* c = b->Canvas();
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetColor(clWhite);
    c->MoveTo(0, 0);
    c->LineTo(4, 0);
    EXPECT_EQ(c->Pixels(0, 0), 0x00FFFF00u); // red XOR white
    c->MoveTo(0, 0);
    c->LineTo(4, 0);
    EXPECT_EQ(c->Pixels(3, 0), clRed);
}

TEST(CanvasPixelTest, NotPenInvertsWhateverIsThere) {
    auto b = Filled(3, 1, clWhite);
    auto* c = b->Canvas();
    c->Pen()->SetMode(pmNot);
    c->MoveTo(0, 0);
    c->LineTo(2, 0);
    EXPECT_EQ(Art(*b, BW), "##.");
}

TEST(CanvasPixelTest, FocusRectIsDottedAndRemovesItself) {
    auto b = Filled(6, 4, clWhite);
    auto* c = b->Canvas();
    c->DrawFocusRect(TRect(0, 0, 6, 4));
    EXPECT_EQ(Art(*b, BW), "#.#.#.\n.....#\n#.....\n.#.#.#");
    c->DrawFocusRect(TRect(0, 0, 6, 4));
    EXPECT_EQ(Art(*b, BW), "......\n......\n......\n......");
}

TEST(CanvasPixelTest, FrameRectIsOnePixelOfBrush) {
    auto b = Filled(5, 4, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetColor(clBlack);
    c->FrameRect(TRect(0, 0, 4, 3));
    EXPECT_EQ(Art(*b, BW), "####.\n#..#.\n####.\n.....");
}

TEST(CanvasPixelTest, ClipRectLimitsDrawing) {
    auto b = Filled(5, 1, clWhite);
    auto* c = b->Canvas();
    c->SetClipRect(TRect(1, 0, 3, 1));
    c->Brush()->SetColor(clBlack);
    c->FillRect(TRect(0, 0, 5, 1));
    EXPECT_EQ(Art(*b, BW), ".##..");
    EXPECT_EQ(c->ClipRect(), TRect(1, 0, 3, 1));
    c->ExcludeClipRect(TRect(2, 0, 3, 1));
    c->Brush()->SetColor(clRed);
    c->FillRect(TRect(0, 0, 5, 1));
    EXPECT_EQ(Art(*b, BWR), ".r#..");
    c->SetClipRegion(nullptr);
    EXPECT_EQ(c->ClipRect(), TRect(0, 0, 5, 1));
}

TEST(CanvasPixelTest, OriginShiftsLogicalCoordinates) {
    auto b = Filled(4, 1, clWhite);
    auto* c = b->Canvas();
    c->SetOrigin(TPoint(10, 0));
    c->Brush()->SetColor(clBlack);
    c->FillRect(TRect(11, 0, 12, 1));
    EXPECT_EQ(c->Pixels(11, 0), clBlack);
    EXPECT_EQ(c->ClipRect(), TRect(10, 0, 14, 1));
    c->SetOrigin(TPoint(0, 0));
    EXPECT_EQ(Art(*b, BW), ".#..");
}

TEST(CanvasPixelTest, PixelsOutsideTheSurfaceAreNone) {
    auto b = Filled(2, 2, clWhite);
    EXPECT_EQ(b->Canvas()->Pixels(-1, 0), clNone);
    EXPECT_EQ(b->Canvas()->Pixels(2, 0), clNone);
    b->Canvas()->SetPixels(5, 5, clBlack); // ignored
    b->Canvas()->SetPixels(1, 1, clBtnFace);
    EXPECT_EQ(b->Canvas()->Pixels(1, 1), RGB(212, 208, 200));
}

TEST(CanvasPixelTest, HatchedBrushDrawsLinesOnTheBackground) {
    auto b = Filled(8, 8, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetColor(clBlack);
    c->Brush()->SetStyle(bsHorizontal);
    c->SetBkColor(clRed);
    c->SetBkMode(OPAQUE);
    c->FillRect(TRect(0, 0, 8, 8));
    int black = 0, red = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            (c->Pixels(x, y) == clBlack ? black : red) += 1;
    EXPECT_EQ(black, 8); // one line in an 8 × 8 cell
    EXPECT_EQ(red, 56);
}
