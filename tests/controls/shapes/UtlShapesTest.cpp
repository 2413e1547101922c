#include "controls/shapes/UtlShapes.h"

#include "controls/shapes/TUtlShape.h"
#include "platform/graphics/RecordingCanvasBackend.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

namespace {

using sheet::At;
using sheet::Green;

std::vector<TPoint> Calc(const TRect& r, TUtlShapeType shape, TUtlTeeth* teeth = nullptr, bool square = false,
                         TUtlSimpleBevel* bevel = nullptr, TUtlShadow* shadow = nullptr,
                         TUtlPercent round = 33) {
    TUtlPointList list;
    UtlShapeCalc(r, shape, teeth, square, nullptr, round, bevel, shadow, &list);
    std::vector<TPoint> out;
    for (Integer i = 0; i < list.Count(); ++i)
        out.push_back(list.GetPoint(i));
    return out;
}

} // namespace

TEST(UtlShapesTest, RectangleChainsAndPenWidths) {
    TUtlSimpleBevel bevel;
    bevel.SetWidth(1); // b1 = b2 = 0: the inner chain is the outer one
    auto p = Calc(TRect(10, 10, 110, 70), stRectangle, nullptr, false, &bevel);
    EXPECT_EQ(p, (std::vector<TPoint>{{0, 0}, {100, 60}, {0, 0}, {100, 60}}));
    bevel.SetWidth(3); // b1 = b2 = 1
    p = Calc(TRect(0, 0, 100, 60), stEllipse, nullptr, false, &bevel);
    EXPECT_EQ(p[2], TPoint(1, 1));
    EXPECT_EQ(p[3], TPoint(99, 59));
    bevel.SetWidth(2); // b1 = 1, b2 = 0
    p = Calc(TRect(0, 0, 100, 60), stDirectUp, nullptr, false, &bevel);
    EXPECT_EQ(p, (std::vector<TPoint>{{50, 0}, {100, 60}, {0, 60}, {50, 1}, {100, 60}, {2, 60}}));
}

TEST(UtlShapesTest, SquareBoxAndShadowOffset) {
    auto p = Calc(TRect(0, 0, 100, 60), stRectangle, nullptr, true);
    EXPECT_EQ(p[0], TPoint(20, 0));
    EXPECT_EQ(p[1], TPoint(80, 60));
    TUtlShadow shadow; // solid, depth 6
    p = Calc(TRect(0, 0, 100, 60), stRectangle, nullptr, false, nullptr, &shadow);
    EXPECT_EQ(p[0], TPoint(6, 6));
    shadow.SetStyle(hssNone);
    p = Calc(TRect(0, 0, 100, 60), stRectangle, nullptr, false, nullptr, &shadow);
    EXPECT_EQ(p[0], TPoint(0, 0));
}

TEST(UtlShapesTest, OctagonCombAndRoundRectNumbers) {
    auto oct = Calc(TRect(0, 0, 100, 100), stOctagon);
    ASSERT_EQ(oct.size(), 16u);
    EXPECT_EQ(oct[0], TPoint(29, 0));
    EXPECT_EQ(oct[1], TPoint(70, 0));
    EXPECT_EQ(oct[2], TPoint(100, 29));
    EXPECT_EQ(oct[3], TPoint(100, 70));
    auto comb = Calc(TRect(0, 0, 80, 100), stComb);
    ASSERT_EQ(comb.size(), 12u);
    EXPECT_EQ(comb[1], TPoint(80, 20));
    EXPECT_EQ(comb[2], TPoint(80, 80));
    EXPECT_EQ(comb[3], TPoint(40, 100));
    TUtlShadow shadow;
    shadow.SetDepth(4);
    auto round = Calc(TRect(0, 0, 104, 64), stRoundRect, nullptr, false, nullptr, &shadow, 50);
    // r = min(100, 60) × 50 / 100; the inner chain's corner point carries r + d.
    EXPECT_EQ(round[2], TPoint(30, 30));
    EXPECT_EQ(round[5], TPoint(34, 34));
}

TEST(UtlShapesTest, StarTipsAndDiamond) {
    auto star = Calc(TRect(0, 0, 100, 100), stStar);
    ASSERT_EQ(star.size(), 20u);
    EXPECT_EQ(star[0], TPoint(50, 0));
    EXPECT_EQ(star[1], TPoint(65, 38));
    EXPECT_EQ(star[4], TPoint(85, 100));
    EXPECT_EQ(star[11], star[1]); // inner points stay
    auto diamond = Calc(TRect(0, 0, 41, 21), stDiamond);
    EXPECT_EQ(diamond[0], TPoint(20, 0));
    EXPECT_EQ(diamond[1], TPoint(41, 10));
}

TEST(UtlShapesTest, TeethFromTheCountWriteTheStepBackQuietly) {
    TUtlTeeth teeth; // count 10, right, offset, set per count, width 10
    Integer changes = 0;
    teeth.OnChange = [&](TObject*) { ++changes; };
    auto p = Calc(TRect(0, 0, 100, 200), stRectangle, &teeth);
    EXPECT_EQ(teeth.Height(), 10);
    EXPECT_EQ(changes, 0);
    ASSERT_EQ(p.size(), 4u + 21u + 1u);
    EXPECT_EQ(p[0], TPoint(99, 199)); // offset: the base starts at the outer edge
    EXPECT_EQ(p[4], TPoint(99, 0));   // zigzag: i = 0, phase 0
    EXPECT_EQ(p[5], TPoint(89, 10));  // phase 1: one tooth depth in
    EXPECT_EQ(p[24], TPoint(99, 200));
    EXPECT_EQ(p[25], TPoint(99, 200)); // closing, phase 20 mod 2
}

TEST(UtlShapesTest, NoTeethFromAZeroCountOrStep) {
    TUtlTeeth teeth;
    teeth.SetCount(0);
    auto p = Calc(TRect(0, 0, 100, 200), stRectangle, &teeth);
    EXPECT_EQ(p.size(), 4u + 1u + 1u);
    EXPECT_EQ(teeth.Height(), 0);
    TUtlTeeth stepless;
    stepless.SetBoolean(1, false); // the step is Height, which is 0
    stepless.SetDirection(tdLeft);
    p = Calc(TRect(0, 0, 100, 200), stRectangle, &stepless);
    EXPECT_EQ(p.size(), 6u);
    TUtlTeeth down;
    down.SetDirection(tdDown);
    down.SetBoolean(0, false); // no offset: the base begins inside the teeth
    down.SetCount(5);
    p = Calc(TRect(0, 0, 100, 50), stRectangle, &down);
    EXPECT_EQ(down.Width(), 10);
    EXPECT_EQ(p[0], TPoint(99, 50 - 0)); // height 0: no depth
}

TEST(UtlShapesTest, LightColoursAndFocusFlags) {
    TColor light = 1, dark = 2;
    UtlGetLightColors(lcYellow, light, dark);
    EXPECT_EQ(light, 0x00FFFFu);
    EXPECT_EQ(dark, 0x008080u);
    UtlGetLightColors(TUtlLightColor(9), light, dark);
    EXPECT_EQ(light, 0x00FFFFu);
    EXPECT_EQ(UtlConvertFocusStyle(fcText), 64);
    EXPECT_EQ(UtlConvertFocusStyle(fcGlyph), 128);
    EXPECT_EQ(UtlConvertFocusStyle(fcGlyphText), 256);
    EXPECT_EQ(UtlConvertFocusStyle(fcNone), 0);
}

TEST(UtlShapesTest, DrawnRectangleWithShadowAndEdge) {
    auto b = sheet::Make(40, 30);
    TUtlShape shape;
    shape.Brush()->SetColor(clYellow);
    shape.Shadow()->SetDepth(4);
    shape.Shadow()->SetColor(clGray);
    shape.Bevel()->SetWidth(1);
    shape.Bevel()->SetStyle(sbOffset);
    shape.Bevel()->SetLightColor(clWhite);
    shape.Bevel()->SetShadowColor(clNavy);
    UtlShapeDraw(TRect(0, 0, 40, 30), b->Canvas(), stRectangle, nullptr, nullptr, false, shape.Brush(), 33,
                 shape.Bevel(), shape.Shadow(), nullptr, clNone, clWhite);
    EXPECT_EQ(At(*b, 38, 28), clGray); // the shadow, down and right
    EXPECT_EQ(At(*b, 2, 28), Green);   // left of the shadow
    EXPECT_EQ(At(*b, 10, 10), clYellow);
    EXPECT_EQ(At(*b, 0, 0), clWhite);  // the lit edge
    EXPECT_EQ(At(*b, 35, 25), clNavy); // the shaded edge
    EXPECT_EQ(At(*b, 36, 10), clGray);
}

TEST(UtlShapesTest, BitmapFillsOnlyTheShape) {
    auto b = sheet::Make(40, 40);
    auto picture = sheet::Make(40, 40, clBlue);
    TUtlSimpleBevel bevel;
    bevel.SetWidth(0);
    TBrush brush;
    UtlShapeDraw(TRect(0, 0, 40, 40), b->Canvas(), stEllipse, nullptr, nullptr, false, &brush, 33, &bevel,
                 nullptr, picture.get(), clFuchsia, clWhite);
    EXPECT_EQ(At(*b, 20, 20), clBlue);
    EXPECT_EQ(At(*b, 1, 1), Green);        // outside the ellipse the canvas stays
    EXPECT_EQ(At(*picture, 1, 1), clBlue); // the caller's bitmap is not changed
}

TEST(UtlShapesTest, CallersPointListIsLeftAsItWas) {
    TUtlSimpleBevel bevel;
    TUtlShadow shadow;
    TUtlPointList list;
    const TRect r(5, 7, 65, 57);
    UtlShapeCalc(r, stStar, nullptr, false, nullptr, 33, &bevel, &shadow, &list);
    TUtlPointList before;
    list.Clone(&before);
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    TBrush brush;
    UtlShapeDraw(r, canvas.get(), stStar, nullptr, &list, false, &brush, 33, &bevel, &shadow, nullptr, clNone,
                 clWhite);
    ASSERT_EQ(list.Count(), before.Count());
    for (Integer i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.GetPoint(i), before.GetPoint(i));
    // Shadow first (tip at cx 33 + 5, T 6 + 7), then the body 6 pixels up and left, its tip b1 lower.
    const auto polygons = rec->Calls("Polygon");
    ASSERT_GE(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].substr(0, 14), "Polygon 38,13 ");
    EXPECT_EQ(polygons[1].substr(0, 13), "Polygon 32,8 ");
}

TEST(UtlShapesTest, ZeroEdgeWidthDrawsWithoutPenOrEdge) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    TUtlSimpleBevel bevel;
    bevel.SetWidth(0);
    bevel.SetStyle(sbInset);
    TBrush brush;
    UtlShapeDraw(TRect(0, 0, 30, 20), canvas.get(), stRectangle, nullptr, nullptr, false, &brush, 33, &bevel,
                 nullptr, nullptr, clNone, clWhite);
    ASSERT_EQ(rec->Calls("Rectangle").size(), 1u);
    EXPECT_NE(rec->Calls("Rectangle")[0].find("pen clear"), String::npos);
    EXPECT_TRUE(rec->Calls("Polyline").empty());
}
