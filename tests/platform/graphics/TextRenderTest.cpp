#include "tests/platform/graphics/PixelArt.h"

#include "platform/graphics/DrawText.h"
#include "platform/graphics/SystemMetrics.h"

#include <gtest/gtest.h>

using graphicstest::Filled;

namespace {

// Bounding box of the pixels of one colour; empty when there are none.
TRect InkBox(TBitmap& b, TColor ink) {
    TRect r(b.Width(), b.Height(), 0, 0);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas()->Pixels(x, y) == ink) {
                r.Left = std::min(r.Left, x);
                r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1);
                r.Bottom = std::max(r.Bottom, y + 1);
            }
    return IsRectEmpty(r) ? TRect() : r;
}

} // namespace

TEST(TextRenderTest, ArialTenPointHasTheClassicLineHeight) {
    auto b = Filled(10, 10, clWhite);
    auto* c = b->Canvas();
    c->Font()->SetName("Arial");
    c->Font()->SetSize(10);
    EXPECT_EQ(c->Font()->Height(), -13);
    const Integer h = c->TextHeight("Ág");
    EXPECT_GE(h, 14);
    EXPECT_LE(h, 16);
    EXPECT_GT(c->TextWidth("WWWW"), c->TextWidth("iiii"));
    c->Font()->SetName("Courier New");
    EXPECT_EQ(c->TextWidth("WWWW"), c->TextWidth("iiii")); // the monospaced face is used
}

TEST(TextRenderTest, TextStaysInsideItsMeasuredBoxWithoutGreys) {
    auto b = Filled(120, 40, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clBlack);
    c->TextOut(10, 5, "Kovács Ügyvéd");
    const TRect ink = InkBox(*b, clBlack);
    ASSERT_FALSE(IsRectEmpty(ink));
    EXPECT_GE(ink.Left, 10);
    EXPECT_GE(ink.Top, 5);
    EXPECT_LE(ink.Right, 10 + c->TextWidth("Kovács Ügyvéd") + 1);
    EXPECT_LE(ink.Bottom, 5 + c->TextHeight("Kovács Ügyvéd"));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            const TColor p = c->Pixels(x, y);
            ASSERT_TRUE(p == clBlack || p == clWhite) << x << "," << y; // no antialiasing
        }
}

TEST(TextRenderTest, OpaqueTextFillsItsCellAndTextRectClips) {
    auto b = Filled(60, 20, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetColor(clYellow);
    c->TextOut(0, 0, "ab");
    EXPECT_EQ(c->Pixels(c->TextWidth("ab") - 1, c->TextHeight("ab") - 1), clYellow);
    EXPECT_EQ(c->Pixels(c->TextWidth("ab") + 1, 0), clWhite);
    auto d = Filled(60, 20, clWhite);
    d->Canvas()->Brush()->SetColor(clYellow);
    d->Canvas()->Font()->SetColor(clBlack);
    d->Canvas()->TextRect(TRect(0, 0, 8, 20), 0, 0, "WWWWWW");
    EXPECT_LE(InkBox(*d, clBlack).Right, 8);
    EXPECT_EQ(d->Canvas()->Pixels(7, 19), clYellow); // the whole rectangle is filled
    EXPECT_EQ(d->Canvas()->Pixels(8, 0), clWhite);
}

TEST(TextRenderTest, RotatedFontRunsUpwards) {
    auto b = Filled(40, 120, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clBlack);
    c->Font()->SetOrientation(900);
    c->TextOut(10, 110, "Ügyiratszám");
    const TRect ink = InkBox(*b, clBlack);
    ASSERT_FALSE(IsRectEmpty(ink));
    EXPECT_GT(ink.Height(), 3 * ink.Width());
    EXPECT_LE(ink.Bottom, 111);
    EXPECT_GE(ink.Left, 9);
}

TEST(TextRenderTest, AcceleratorIsUnderlined) {
    auto b = Filled(60, 20, clWhite);
    auto* c = b->Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(clRed);
    TRect r(0, 0, 60, 20);
    DrawText(c, "&Mentés", -1, r, DT_SINGLELINE);
    const Integer ascent = c->Measurer().Metrics(c->Font()->State()).Ascent;
    const Integer wm = c->TextWidth("M");
    for (int x = 0; x < wm; ++x)
        EXPECT_EQ(c->Pixels(x, ascent + 1), clRed) << x;
}

TEST(TextRenderTest, JustificationSpreadsPixelsOverTheSpaces) {
    EXPECT_EQ(graphics::JustifyShift(10, 3, 1), 4); // 3 + one of the remainder
    EXPECT_EQ(graphics::JustifyShift(10, 3, 2), 7);
    EXPECT_EQ(graphics::JustifyShift(10, 3, 3), 10);
    EXPECT_EQ(graphics::JustifyShift(10, 3, 9), 10); // spaces past the count get nothing
    EXPECT_EQ(graphics::JustifyShift(10, 0, 1), 0);
    auto plain = Filled(80, 20, clWhite), wide = Filled(80, 20, clWhite);
    for (TBitmap* b : {plain.get(), wide.get()}) {
        b->Canvas()->Brush()->SetStyle(bsClear);
        b->Canvas()->Font()->SetColor(clBlack);
    }
    plain->Canvas()->TextOut(0, 0, "i i");
    ASSERT_TRUE(SetTextJustification(wide->Canvas(), 12, 1));
    wide->Canvas()->TextOut(0, 0, "i i");
    EXPECT_EQ(InkBox(*wide, clBlack).Right, InkBox(*plain, clBlack).Right + 12);
    EXPECT_EQ(InkBox(*wide, clBlack).Left, InkBox(*plain, clBlack).Left);
    EXPECT_EQ(GetNearestColor(wide->Canvas(), clBtnFace), RGB(212, 208, 200));
}
