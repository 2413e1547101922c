#include "tests/platform/graphics/PixelArt.h"

#include "platform/graphics/DeviceRegions.h"

#include <gtest/gtest.h>

using graphicstest::Art;
using graphicstest::Filled;

namespace {
const std::map<TColor, char> Legend = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}};
}

TEST(DeviceRegionsTest, FillAndFrameFollowTheOutline) {
    auto b = Filled(6, 5, clWhite);
    HRGN l1 = CreateRectRgn(0, 0, 6, 3), l2 = CreateRectRgn(0, 3, 3, 5), shape = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(shape, l1, l2, RGN_OR); // an L
    TBrush red;
    red.SetColor(clRed);
    ASSERT_TRUE(FillRgn(b->Canvas(), shape, &red));
    b->Canvas()->Brush()->SetColor(clBlack);
    ASSERT_TRUE(FrameRgn(b->Canvas(), shape, nullptr, 1, 1));
    // The concave corner pixel (2, 2) has region on all four sides: inside.
    EXPECT_EQ(Art(*b, Legend), "######\n#rrrr#\n#rr###\n#r#...\n###...");
    EXPECT_EQ(b->Canvas()->Brush()->Color(), clBlack); // the canvas brush is kept
    EXPECT_FALSE(FrameRgn(b->Canvas(), shape, nullptr, 0, 1));
    InvertRgn(b->Canvas(), l2);
    EXPECT_EQ(b->Canvas()->Pixels(1, 3), 0x00FFFF00u); // red inverted
    for (HRGN r : {l1, l2, shape})
        DeleteObject(r);
}

TEST(DeviceRegionsTest, ClipCalls) {
    auto b = Filled(6, 1, clWhite);
    auto* c = b->Canvas();
    TRect box;
    EXPECT_EQ(GetClipBox(c, &box), SIMPLEREGION);
    EXPECT_EQ(box, TRect(0, 0, 6, 1));
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(c, probe), 0);
    HRGN clip = CreateRectRgn(1, 0, 5, 1);
    EXPECT_EQ(SelectClipRgn(c, clip), SIMPLEREGION);
    DeleteObject(clip); // the canvas keeps its own copy
    EXPECT_EQ(ExcludeClipRect(c, 2, 0, 3, 1), COMPLEXREGION);
    c->Brush()->SetColor(clBlack);
    c->FillRect(TRect(0, 0, 6, 1));
    EXPECT_EQ(Art(*b, Legend), ".#.##.");
    EXPECT_EQ(GetClipRgn(c, probe), 1);
    EXPECT_TRUE(PtInRegion(probe, 1, 0));
    EXPECT_FALSE(PtInRegion(probe, 2, 0));
    EXPECT_EQ(IntersectClipRect(c, 3, 0, 4, 1), SIMPLEREGION);
    EXPECT_EQ(SelectClipRgn(c, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipRgn(c, probe), 0);
    EXPECT_EQ(SelectClipRgn(nullptr, nullptr), ERROR);
    DeleteObject(probe);
}
