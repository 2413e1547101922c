#include "controls/drawing/UtlGradient.h"

#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TRegion.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

namespace {

using sheet::At;
using sheet::Green;
using sheet::Put;

std::unique_ptr<TBitmap> Sheet(Integer w, Integer h, TColor fill = Green, TPixelFormat format = pf24bit) {
    return sheet::Make(w, h, fill, format);
}

} // namespace

TEST(UtlGradientTest, ColorAtPositionTruncatesPerChannel) {
    EXPECT_EQ(UtlGradientGetColor(clBlack, clWhite, 1, 2), RGB(127, 127, 127));
    EXPECT_EQ(UtlGradientGetColor(RGB(200, 0, 10), RGB(0, 200, 10), 1, 3), RGB(133, 66, 10));
    EXPECT_EQ(UtlGradientGetColor(clBlack, clWhite, 2, 2), clWhite);
    // A zero total is the start colour, not a division by zero.
    EXPECT_EQ(UtlGradientGetColor(clRed, clBlue, 5, 0), clRed);
    // System colours are resolved before the arithmetic.
    EXPECT_EQ(UtlGradientGetColor(clBtnFace, clBtnFace, 1, 2), ColorToRGB(clBtnFace));
}

TEST(UtlGradientTest, ColorListStepsWithRoundingAndSkipsTheSharedStart) {
    TUtlColorList list{clWhite};
    UtlGradientCreateColorList(clRed, clBlue, 3, &list, true);
    // 255 + MulDiv(1, −255, 2) rounds −127.5 away from zero.
    EXPECT_EQ(list, (TUtlColorList{clRed, RGB(127, 0, 128), clBlue}));
    UtlGradientCreateColorList(clBlue, clLime, 2, &list, false);
    EXPECT_EQ(list, (TUtlColorList{clRed, RGB(127, 0, 128), clBlue, clLime}));
}

TEST(UtlGradientTest, ColorListEdgeCounts) {
    TUtlColorList list;
    UtlGradientCreateColorList(clRed, clBlue, 0, &list, true);
    EXPECT_TRUE(list.empty());
    // One step has nothing to divide towards: the start colour alone.
    UtlGradientCreateColorList(clRed, clBlue, 1, &list, true);
    EXPECT_EQ(list, TUtlColorList{clRed});
    UtlGradientCreateColorList(clRed, clBlue, 5, nullptr, true); // no list: nothing happens
}

TEST(UtlGradientTest, PaletteHasOneNoCollapseEntryPerColour) {
    EXPECT_EQ(UtlGradientCreatePalette(nullptr), nullptr);
    TUtlColorList empty;
    EXPECT_EQ(UtlGradientCreatePalette(&empty), nullptr);
    TUtlColorList list{RGB(1, 2, 3), RGB(4, 5, 6)};
    HPALETTE p = UtlGradientCreatePalette(&list);
    ASSERT_NE(p, nullptr);
    ASSERT_EQ(p->Entries.size(), 2u);
    EXPECT_EQ(p->Entries[1].peRed, 4);
    EXPECT_EQ(p->Entries[1].peBlue, 6);
    EXPECT_EQ(p->Entries[0].peFlags, PC_NOCOLLAPSE);
    DeleteObject(p);
}

TEST(UtlGradientTest, HorizontalBandsFollowMulDiv) {
    auto b = Sheet(10, 2);
    TUtlColorList list{clRed, clBlue, clYellow};
    UtlGradientPaintExt(b->Canvas(), TRect(0, 0, 10, 2), gstHorizontal, &list, nullptr, 0, 0);
    const TColor expected[10] = {clRed,  clRed,  clRed,    clBlue,   clBlue,
                                 clBlue, clBlue, clYellow, clYellow, clYellow};
    for (Integer x = 0; x < 10; ++x)
        EXPECT_EQ(At(*b, x, 1), expected[x]) << "column " << x;
}

TEST(UtlGradientTest, VerticalBandsAndTheCanvasToolsComeBack) {
    auto b = Sheet(3, 4);
    b->Canvas()->Brush()->SetColor(clAqua);
    b->Canvas()->Pen()->SetColor(clMaroon);
    TUtlColorList list{clRed, clBlue};
    UtlGradientPaintExt(b->Canvas(), TRect(0, 0, 3, 4), gstVertical, &list, nullptr, 0, 0);
    EXPECT_EQ(At(*b, 1, 1), clRed);
    EXPECT_EQ(At(*b, 1, 2), clBlue);
    EXPECT_EQ(b->Canvas()->Brush()->Color(), clAqua);
    EXPECT_EQ(b->Canvas()->Pen()->Style(), psSolid);
    EXPECT_EQ(b->Canvas()->Pen()->Color(), clMaroon);
}

TEST(UtlGradientTest, EllipticCoversTheCorners) {
    auto b = Sheet(20, 10);
    UtlGradientPaint(b->Canvas(), TRect(0, 0, 20, 10), clNavy, clWhite, 8, gstElliptic, 0, 0);
    // The largest shape carries the end colour, the centre the start colour.
    for (TPoint p : {TPoint(0, 0), TPoint(19, 0), TPoint(0, 9), TPoint(19, 9)})
        EXPECT_EQ(At(*b, p.X, p.Y), clWhite) << p.X << "," << p.Y;
    EXPECT_EQ(At(*b, 10, 5), clNavy);
}

TEST(UtlGradientTest, OneColourPaintsOneShapeOfFullSize) {
    for (TUtlGradientStyle style : {gstSquare, gstTopLeft, gstBottomRight, gstTopRight, gstBottomLeft}) {
        auto b = Sheet(7, 5);
        TUtlColorList list{clPurple};
        UtlGradientPaintExt(b->Canvas(), TRect(0, 0, 7, 5), style, &list, nullptr, 0, 0);
        for (Integer y = 0; y < 5; ++y)
            for (Integer x = 0; x < 7; ++x)
                ASSERT_EQ(At(*b, x, y), clPurple) << "style " << style << " at " << x << "," << y;
    }
}

TEST(UtlGradientTest, CornerStylesGrowFromTheirCorner) {
    TUtlColorList list{clRed, clBlue};
    struct Row {
        TUtlGradientStyle Style;
        TPoint Inner; // a pixel of the small (first) shape
        TPoint Outer; // a pixel only the large shape covers
    };
    const Row rows[] = {
        {gstTopLeft, {0, 0}, {9, 9}},         {gstTopRight, {9, 0}, {0, 9}},
        {gstBottomLeft, {0, 9}, {9, 0}},      {gstBottomRight, {9, 9}, {0, 0}},
        {gstTopLeftDiagonal, {0, 0}, {9, 9}}, {gstTopRightDiagonal, {9, 0}, {0, 9}},
        {gstSquare, {5, 5}, {0, 0}},
    };
    for (const Row& row : rows) {
        auto b = Sheet(10, 10);
        UtlGradientPaintExt(b->Canvas(), TRect(0, 0, 10, 10), row.Style, &list, nullptr, 0, 0);
        EXPECT_EQ(At(*b, row.Inner.X, row.Inner.Y), clRed) << "style " << row.Style;
        EXPECT_EQ(At(*b, row.Outer.X, row.Outer.Y), clBlue) << "style " << row.Style;
        for (Integer y = 0; y < 10; ++y) {
            std::string line;
            for (Integer x = 0; x < 10; ++x)
                line += At(*b, x, y) == clRed ? 'r' : At(*b, x, y) == clBlue ? 'b' : '.';
            std::printf("%d %s\n", row.Style, line.c_str());
        }
    }
}

TEST(UtlGradientTest, PaintsInsideARectangleAwayFromTheOrigin) {
    auto b = Sheet(12, 12);
    TUtlColorList list{clRed, clBlue};
    UtlGradientPaintExt(b->Canvas(), TRect(2, 3, 8, 9), gstBottomRight, &list, nullptr, 0, 0);
    EXPECT_EQ(At(*b, 1, 3), Green);
    EXPECT_EQ(At(*b, 2, 3), clBlue);
    EXPECT_EQ(At(*b, 7, 8), clRed);
    EXPECT_EQ(At(*b, 8, 8), Green);
    EXPECT_EQ(At(*b, 7, 9), Green);
}

TEST(UtlGradientTest, NothingForAnEmptyRectangleOrList) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    TUtlColorList list{clRed}, empty;
    UtlGradientPaintExt(canvas.get(), TRect(5, 5, 5, 9), gstHorizontal, &list, nullptr, ugfPalette, 0);
    UtlGradientPaintExt(canvas.get(), TRect(0, 0, 9, 9), gstHorizontal, &empty, nullptr, ugfPalette, 0);
    UtlGradientPaintExt(canvas.get(), TRect(0, 0, 9, 9), gstHorizontal, nullptr, nullptr, ugfPalette, 0);
    UtlGradientPaint(canvas.get(), TRect(3, 3, 1, 1), clRed, clBlue, 4, gstVertical, ugfPalette, 0);
    EXPECT_TRUE(rec->Log.empty());
    EXPECT_EQ(canvas->Palette(), nullptr);
}

TEST(UtlGradientTest, ClipRegionIsTheRectangleShiftedByTheOffset) {
    auto b = Sheet(14, 1);
    TUtlColorList list{clRed};
    const Cardinal offset = (Cardinal(0) << 16) | 3; // x 3, y 0
    UtlGradientPaintExt(b->Canvas(), TRect(0, 0, 10, 1), gstHorizontal, &list, nullptr, ugfClip, offset);
    EXPECT_EQ(At(*b, 2, 0), Green);
    EXPECT_EQ(At(*b, 3, 0), clRed);
    EXPECT_EQ(At(*b, 9, 0), clRed);
    EXPECT_EQ(At(*b, 10, 0), Green);
    // The canvas clips nothing afterwards.
    EXPECT_EQ(b->Canvas()->ClipRegion(), nullptr);
    // A negative offset moves the clip left.
    auto c = Sheet(10, 1);
    UtlGradientPaintExt(c->Canvas(), TRect(4, 0, 10, 1), gstHorizontal, &list, nullptr, ugfClip, 0xFFFE);
    EXPECT_EQ(At(*c, 4, 0), clRed);
    EXPECT_EQ(At(*c, 7, 0), clRed);
    EXPECT_EQ(At(*c, 8, 0), Green);
}

TEST(UtlGradientTest, ShapesReachingPastTheRectangleAreCutAtIt) {
    for (TUtlGradientStyle style : {gstElliptic, gstTopLeftDiagonal, gstTopRightDiagonal, gstSquare}) {
        auto b = Sheet(12, 10);
        UtlGradientPaint(b->Canvas(), TRect(2, 2, 10, 8), clRed, clBlue, 4, style, 0, 0);
        for (Integer y = 0; y < 10; ++y)
            for (Integer x = 0; x < 12; ++x)
                ASSERT_EQ(At(*b, x, y) == Green, !PtInRect(TRect(2, 2, 10, 8), TPoint(x, y)))
                    << "style " << style << " at " << x << "," << y;
        EXPECT_EQ(b->Canvas()->ClipRegion(), nullptr);
    }
}

TEST(UtlGradientTest, BufferedPaintMatchesDirectPaint) {
    auto direct = Sheet(11, 9), buffered = Sheet(11, 9);
    UtlGradientPaint(direct->Canvas(), TRect(1, 1, 10, 8), clRed, clNavy, 6, gstElliptic, 0, 0);
    UtlGradientPaint(buffered->Canvas(), TRect(1, 1, 10, 8), clRed, clNavy, 6, gstElliptic, ugfBitmap, 0);
    for (Integer y = 1; y < 8; ++y)
        for (Integer x = 1; x < 10; ++x)
            ASSERT_EQ(At(*direct, x, y), At(*buffered, x, y)) << x << "," << y;
    EXPECT_EQ(At(*direct, 9, 7), clNavy); // the far corner of an odd-sized ellipse
    EXPECT_EQ(At(*buffered, 0, 0), Green);
}

TEST(UtlGradientTest, PaletteIsUsedAndNotLeftSelectedAfterItIsFreed) {
    auto b = Sheet(4, 4);
    UtlGradientPaint(b->Canvas(), TRect(0, 0, 4, 4), clRed, clBlue, 2, gstVertical, ugfPalette, 0);
    EXPECT_EQ(b->Canvas()->Palette(), nullptr);
    EXPECT_EQ(At(*b, 0, 0), clRed);
    EXPECT_EQ(At(*b, 0, 3), clBlue);
}

TEST(UtlGradientTest, SuperGradientSegmentsStartAfterTheirStartColour) {
    auto b = Sheet(10, 1);
    UtlSuperGradientPaint(b->Canvas(), TRect(0, 0, 10, 1), {clRed, clBlue, clYellow}, 4, gstHorizontal, 0, 0);
    // Two segments of 4 div 2 steps, each leaving out its start: blue, yellow.
    EXPECT_EQ(At(*b, 0, 0), clBlue);
    EXPECT_EQ(At(*b, 4, 0), clBlue);
    EXPECT_EQ(At(*b, 5, 0), clYellow);
    EXPECT_EQ(At(*b, 9, 0), clYellow);
    // One colour makes no segment and paints nothing.
    auto c = Sheet(3, 1);
    UtlSuperGradientPaint(c->Canvas(), TRect(0, 0, 3, 1), {clRed}, 4, gstHorizontal, 0, 0);
    EXPECT_EQ(At(*c, 1, 0), Green);
}
