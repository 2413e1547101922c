#include "controls/shapes/TUtlBevel.h"

#include "platform/graphics/RecordingCanvasBackend.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

using B = TUtlBevelStyle;

TEST(TUtlBevelTest, DefaultsTakeNoRoomAndDrawNothing) {
    TUtlBevel bevel;
    EXPECT_EQ(bevel.GetBevelExtend(), 0);
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    EXPECT_EQ(bevel.PaintBevel(canvas.get(), TRect(0, 0, 50, 30), false), TRect(0, 0, 50, 30));
    EXPECT_TRUE(rec->Log.empty());
    EXPECT_EQ(bevel.GetSetStr(), "{Custom style}");
}

TEST(TUtlBevelTest, ExtentOfCustomBevels) {
    TUtlBevel bevel;
    bevel.SetStyleOuter(B::bvFrameRaised);
    bevel.SetWidthOuter(2);
    bevel.SetStyleInner(B::bvLowered);
    bevel.SetWidthInner(1);
    bevel.SetBorderWidth(3);
    EXPECT_EQ(bevel.GetBevelExtend(), 2 + 1 + 3 + 1);
    EXPECT_EQ(bevel.ClientRect(TRect(0, 0, 40, 30)), TRect(7, 7, 33, 23));
    auto sheet = sheet::Make(40, 30);
    // Painting leaves one pixel less at the right and bottom: the one-pixel bevel
    // keeps its bottom line inside and its right edge one further in.
    EXPECT_EQ(bevel.PaintBevel(sheet->Canvas(), TRect(0, 0, 40, 30), false), TRect(7, 7, 32, 22));
    EXPECT_EQ(sheet::At(*sheet, 20, 15), sheet::Green);
    EXPECT_NE(sheet::At(*sheet, 0, 0), sheet::Green);
    // The border band between the bevels is in the border colour.
    EXPECT_EQ(sheet::At(*sheet, 4, 15), ColorToRGB(clBtnFace));
    bevel.SetWidthInner(200);
    EXPECT_EQ(bevel.WidthInner(), 50);
}

TEST(TUtlBevelTest, ShadowStylesComeInPairs) {
    TUtlBevel bevel;
    bevel.SetStyleInner(B::bvShadow);
    EXPECT_EQ(bevel.StyleOuter(), B::bvShadow);
    bevel.SetStyleOuter(B::bvRaised);
    EXPECT_EQ(bevel.StyleInner(), B::bvNone);
    bevel.SetStyleOuter(B::bvShadow);
    bevel.SetWidthInner(2);
    bevel.SetWidthOuter(3);
    bevel.SetBorderInnerWidth(1);
    EXPECT_EQ(bevel.GetBevelExtend(), 2 + 1);
    // The shadow lies on the right and bottom.
    EXPECT_EQ(bevel.ClientRect(TRect(0, 0, 40, 30)), TRect(3, 3, 34, 24));
    auto sheet = sheet::Make(40, 30);
    bevel.PaintBevel(sheet->Canvas(), TRect(0, 0, 40, 30), false);
    EXPECT_EQ(sheet::At(*sheet, 39, 29), ColorToRGB(clBtnShadow));
    EXPECT_EQ(sheet::At(*sheet, 0, 0), ColorToRGB(clBtnHighlight) & 0xFFFFFF);
}

TEST(TUtlBevelTest, OtherModes) {
    TUtlBevel bevel;
    bevel.SetMode(bmStandard);
    EXPECT_EQ(bevel.GetBevelExtend(), 1); // lsSingleLowered
    bevel.SetStandardStyle(lsLowered);
    bevel.SetBorderInnerWidth(2);
    EXPECT_EQ(bevel.GetBevelExtend(), 4);
    bevel.SetMode(bmEdge);
    EXPECT_EQ(bevel.GetBevelExtend(), 4);
    bevel.SetBorderSides(TUtlFrameSides{});
    EXPECT_EQ(bevel.GetBevelExtend(), 2);
    bevel.SetMode(bmWindows);
    EXPECT_EQ(bevel.GetBevelExtend(), 4);
    bevel.SetSystemEdge(true);
    EXPECT_EQ(bevel.GetBevelExtend(), 0);
    EXPECT_EQ(bevel.GetSetStr(), "{Windows style}");
}

TEST(TUtlBevelTest, EdgeWithoutSidesDrawsOnlyTheInnerBand) {
    TUtlBevel bevel;
    bevel.SetMode(bmEdge);
    bevel.SetBorderSides(TUtlFrameSides{});
    bevel.SetBorderInnerWidth(1);
    auto sheet = sheet::Make(10, 10);
    EXPECT_EQ(bevel.PaintBevel(sheet->Canvas(), TRect(0, 0, 10, 10), false), TRect(1, 1, 9, 9));
    EXPECT_EQ(sheet::At(*sheet, 0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(sheet::At(*sheet, 1, 1), sheet::Green);
    // Only the left and top sides: two pixels of edge there, none at the right.
    TUtlBevel edge;
    edge.SetMode(bmEdge);
    edge.SetBorderSides(TUtlFrameSides{fsLeft, fsTop});
    auto two = sheet::Make(10, 10);
    EXPECT_EQ(edge.PaintBevel(two->Canvas(), TRect(0, 0, 10, 10), false), TRect(2, 2, 8, 8));
    EXPECT_NE(sheet::At(*two, 0, 5), sheet::Green);
    EXPECT_EQ(sheet::At(*two, 9, 5), sheet::Green);
}

TEST(TUtlBevelTest, TransparentBandsLeaveTheirPixels) {
    TUtlBevel bevel;
    bevel.SetStyleOuter(B::bvRaised);
    bevel.SetBorderWidth(4);
    auto sheet = sheet::Make(30, 30);
    const TRect inside = bevel.PaintBevel(sheet->Canvas(), TRect(0, 0, 30, 30), true);
    EXPECT_EQ(inside, TRect(5, 5, 24, 25 - 1));
    EXPECT_EQ(sheet::At(*sheet, 3, 15), sheet::Green);
}

TEST(TUtlBevelTest, ModeChangesAskForANewWindowOnlyWithTheSystemEdge) {
    TUtlBevel bevel;
    bevel.SetMode(bmWindows);
    EXPECT_FALSE(bevel.GetRecreateWnd());
    bevel.SetSystemEdge(true);
    EXPECT_TRUE(bevel.GetRecreateWnd()); // windows mode with the system edge
    bevel.SetMode(bmCustom);
    EXPECT_TRUE(bevel.GetRecreateWnd());
    EXPECT_FALSE(bevel.GetRecreateWnd()); // the request was cleared
}

TEST(TUtlBevelTest, AssignCopiesWithOneChange) {
    TUtlBevel from, to;
    from.SetMode(bmEdge);
    from.SetEdgeStyle(etBump);
    from.SetColor(1, clRed);
    from.SetSystemEdge(true);
    Integer changes = 0;
    to.OnChange = [&](TObject*) { ++changes; };
    to.Assign(&from);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(to.Mode(), bmEdge);
    EXPECT_EQ(to.EdgeStyle(), etBump);
    EXPECT_EQ(to.LightColor(), clRed);
    EXPECT_TRUE(to.SystemEdge());
    EXPECT_EQ(to.GetBevelExtend(), 2);
    to.SetEdgeStyle(etBump);
    EXPECT_EQ(changes, 1);
}

TEST(TUtlBevelTest, SimpleBevel) {
    TUtlSimpleBevel a, b;
    EXPECT_EQ(a.Width(), 2);
    EXPECT_EQ(a.GetSetStr(), "{Normal}");
    a.SetStyle(sbOffset);
    a.SetColor(clRed);
    Integer changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.GetSetStr(), "{Offset}");
    EXPECT_EQ(b.Color(), clRed);
}
