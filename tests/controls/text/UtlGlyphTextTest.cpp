#include "controls/text/UtlGlyphText.h"

#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

namespace {

// A caption of TextSize and a glyph of GlyphSize placed in R.
utl::GlyphTextPlacement Place(const TUtlGlyphTextLayout& layout, TSize text, TSize glyph,
                              TUtlDrawTextStyles styles = {}, TRect r = TRect(0, 0, 100, 40)) {
    utl::GlyphTextInput in;
    in.Bounds = r;
    in.HasText = text.cx > 0;
    in.TextSize = text;
    in.HasGlyph = glyph.cx > 0;
    in.GlyphSize = glyph;
    in.Styles = styles;
    return utl::LayoutGlyphText(in, layout);
}

} // namespace

TEST(UtlGlyphTextTest, SpacingOnlyBetweenTwoParts) {
    TUtlGlyphTextLayout layout; // glyph left of the text, spacing 2
    layout.SetAlignText2Glyph(taRight);
    auto both = Place(layout, TSize(30, 15), TSize(16, 16), TUtlDrawTextStyles{dtAutoSize});
    EXPECT_EQ(both.Glyph, TRect(0, 0, 16, 16));
    EXPECT_EQ(both.Text, TRect(18, 0, 48, 15)); // 16 + 2; (16 − 15) / 2 = 0
    auto textOnly = Place(layout, TSize(30, 15), TSize(), TUtlDrawTextStyles{dtAutoSize});
    EXPECT_EQ(textOnly.Text, TRect(0, 0, 30, 15));
    auto glyphOnly = Place(layout, TSize(), TSize(16, 16), TUtlDrawTextStyles{dtAutoSize});
    EXPECT_EQ(glyphOnly.Glyph, TRect(0, 0, 16, 16));
}

TEST(UtlGlyphTextTest, ArrangementsAroundTheGlyph) {
    TUtlGlyphTextLayout layout;
    layout.SetSpacing(4);
    const TSize text(30, 10), glyph(16, 20);
    struct Row {
        TUtlTextArrange Arrange;
        TRect Text;
        TRect Glyph;
    };
    const Row rows[] = {
        {taLeft, {0, 5, 30, 15}, {34, 0, 50, 20}},   {taLeftTop, {0, 5, 30, 15}, {34, 0, 50, 20}},
        {taRight, {20, 5, 50, 15}, {0, 0, 16, 20}},  {taRightTop, {20, 5, 50, 15}, {0, 0, 16, 20}},
        {taTop, {0, 0, 30, 10}, {7, 14, 23, 34}},    {taTopLeft, {0, 0, 30, 10}, {0, 14, 16, 34}},
        {taBottom, {0, 24, 30, 34}, {7, 0, 23, 20}}, {taBottomLeft, {0, 24, 30, 34}, {0, 0, 16, 20}},
    };
    for (const Row& row : rows) {
        layout.SetAlignText2Glyph(row.Arrange);
        auto p = Place(layout, text, glyph, TUtlDrawTextStyles{dtAutoSize});
        EXPECT_EQ(p.Text, row.Text) << "arrange " << row.Arrange;
        EXPECT_EQ(p.Glyph, row.Glyph) << "arrange " << row.Arrange;
    }
}

TEST(UtlGlyphTextTest, LeftTopKeepsTheGlyphFlushWhileTheTextIsCentred) {
    TUtlGlyphTextLayout layout;
    layout.SetAlignText2Glyph(taLeftTop);
    auto p = Place(layout, TSize(20, 30), TSize(10, 10), TUtlDrawTextStyles{dtAutoSize});
    EXPECT_EQ(p.Glyph.Top, 0);
    EXPECT_EQ(p.Text.Top, 0);
    layout.SetAlignText2Glyph(taLeft);
    p = Place(layout, TSize(20, 30), TSize(10, 10), TUtlDrawTextStyles{dtAutoSize});
    EXPECT_EQ(p.Glyph.Top, 10);
}

TEST(UtlGlyphTextTest, PairIsAlignedInTheRectangleAndOffset) {
    TUtlGlyphTextLayout layout;
    layout.SetAlignment(agCenter);
    layout.SetAlignText2Glyph(taRight);
    layout.SetOffsetX(3);
    layout.SetOffsetY(-1);
    auto p = Place(layout, TSize(30, 16), TSize(16, 16)); // box 48 × 16 in 100 × 40
    EXPECT_EQ(p.Glyph, TRect(26 + 3, 12 - 1, 42 + 3, 28 - 1));
    // The text sits one pixel right of and below the box position.
    EXPECT_EQ(p.Text, TRect(26 + 18 + 1 + 3, 12 + 1 - 1, 26 + 48 + 1 + 3, 28 + 1 - 1));
    // No focus style: the rectangle shrunk by one.
    EXPECT_EQ(p.Focus, TRect(1, 1, 99, 39));
    EXPECT_EQ(p.Union, TRect(29, 11, 78, 28));
}

TEST(UtlGlyphTextTest, FocusRectanglesByStyle) {
    TUtlGlyphTextLayout layout;
    const TSize text(30, 16), glyph(16, 16);
    auto t = Place(layout, text, glyph, TUtlDrawTextStyles{dtRectText});
    auto tt = t.Text;
    InflateRect(tt, 1, 1);
    EXPECT_EQ(t.Focus, tt);
    auto g = Place(layout, text, glyph, TUtlDrawTextStyles{dtRectGlyph});
    EXPECT_EQ(g.Focus, g.Glyph);
    auto both = Place(layout, text, glyph, TUtlDrawTextStyles{dtRectGlyphText});
    TRect u = both.Union;
    InflateRect(u, 1, 1);
    EXPECT_EQ(both.Focus, u);
    // Measuring gives the rectangles of drawing, the focus grown once more.
    auto measured = Place(layout, text, glyph, TUtlDrawTextStyles{dtCalculate});
    EXPECT_EQ(measured.Text, both.Text);
    EXPECT_EQ(measured.Glyph, both.Glyph);
    InflateRect(u, 1, 1);
    EXPECT_EQ(measured.Focus, u);
}

TEST(UtlGlyphTextTest, ArrowBesideTheTextOrTheGlyph) {
    TUtlButtonLayout layout; // centred, arrow size 3 (5 wide), indent 3
    layout.SetArrow(true);
    layout.SetAlignment(agTopLeft);
    layout.SetAlignText2Glyph(taRight);
    auto right = Place(layout, TSize(30, 16), TSize(16, 16));
    // The text grows by 5 + 3; the arrow sits at its right end, centred.
    EXPECT_EQ(right.Text, TRect(19, 1, 57, 17));
    ASSERT_TRUE(right.TextArrow);
    EXPECT_EQ(right.TextArrowAt, TPoint(57 - 5 - 1, 1 + 8 - 1));
    layout.SetArrowPosition(apLeftText);
    auto left = Place(layout, TSize(30, 16), TSize(16, 16));
    EXPECT_EQ(left.Text.Left, 19 + 8);
    EXPECT_EQ(left.TextArrowAt.X, left.Text.Left - 8);
    layout.SetArrowPosition(apRightGlyph);
    auto glyphArrow = Place(layout, TSize(30, 16), TSize(16, 16));
    EXPECT_FALSE(glyphArrow.TextArrow);
    ASSERT_TRUE(glyphArrow.GlyphArrow);
    EXPECT_EQ(glyphArrow.Glyph, TRect(0, 0, 24, 16));
    EXPECT_EQ(glyphArrow.GlyphArrowAt, TPoint(24 - 5, 8 - 1));
    layout.SetArrowPosition(apLeftGlyph);
    auto leftGlyph = Place(layout, TSize(30, 16), TSize(16, 16));
    EXPECT_EQ(leftGlyph.Glyph.Left, 8);
    EXPECT_EQ(leftGlyph.GlyphArrowAt.X, 0);
}

TEST(UtlGlyphTextTest, MeasuringPaintsNothingAndDrawingPaintsBoth) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    TBitmap glyph(16, 16, pf24bit);
    TUtlGlyphTextLayout layout;
    TRect glyphRect(0, 0, 16, 16);
    TUtlTextGlyphRects measured, drawn;
    UtlDrawTextAndGlyphExt(canvas.get(), "Ok", nullptr, TRect(0, 0, 100, 30), glyph.Canvas(), glyphRect,
                           nullptr, clNone, &layout, false, true, false,
                           TUtlDrawTextStyles{dtEnabled, dtCalculate}, 0, measured);
    EXPECT_TRUE(rec->Log.empty());
    // "Ok" is 12 × 13 measured, 14 × 15 with the measuring margin; the glyph 16 × 16 to its left.
    EXPECT_EQ(measured.Glyph, TRect(0, 0, 16, 16));
    EXPECT_EQ(measured.Text, TRect(19, 1, 33, 16));
    EXPECT_EQ(glyphRect, TRect(-2, -2, 35, 18));
    TRect drawRect(0, 0, 16, 16);
    UtlDrawTextAndGlyphExt(canvas.get(), "Ok", nullptr, TRect(0, 0, 100, 30), glyph.Canvas(), drawRect,
                           nullptr, clNone, &layout, false, true, false, TUtlDrawTextStyles{dtEnabled}, 0,
                           drawn);
    EXPECT_EQ(drawn.Text, measured.Text);
    EXPECT_EQ(rec->Calls("TextOut").size(), 1u);
    EXPECT_EQ(rec->Calls("Blt").size(), 1u);
    EXPECT_EQ(drawRect, TRect(1, 1, 99, 29));
}
