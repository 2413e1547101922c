#include "controls/buttons/GxColors.h"
#include "controls/buttons/TGradient.h"
#include "controls/buttons/Tgx3DColors.h"

#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Red = RGB(200, 0, 0), Blue = RGB(0, 0, 200);

// A gradient from red to blue painted on a white 40 × 40 bitmap.
class GradientTest : public ::testing::Test {
protected:
    void SetUp() override {
        g.SetFromColor(Red);
        g.SetToColor(Blue);
        g.SetActive(true);
        bmp.Canvas()->Brush()->SetColor(clWhite);
        bmp.Canvas()->FillRect(Rect(0, 0, 40, 40));
    }
    TColor Pixel(Integer x, Integer y) { return bmp.Canvas()->Pixels(x, y) & 0xFFFFFF; }
    TGradient g;
    TBitmap bmp{40, 40, pf24bit};
};

} // namespace

TEST(ColorHelpersTest, IncAndDecClipPerChannel) {
    EXPECT_EQ(IncColor(RGB(250, 10, 100), 30), RGB(255, 40, 130));
    EXPECT_EQ(DecColor(RGB(250, 10, 100), 30), RGB(220, 0, 70));
    EXPECT_EQ(IncColor(clWhite, 60), clWhite);
    EXPECT_EQ(DecColor(clBlack, 60), clBlack);
    EXPECT_EQ(IncColor(clBtnFace, 30), IncColor(GetSysColor(COLOR_BTNFACE), 30));
}

TEST(ColorHelpersTest, ChangeBitmapColorReplacesOnlyThatColour) {
    TBitmap b(3, 1, pf24bit);
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(1, 0, clBlue);
    b.Canvas()->SetPixels(2, 0, clRed);
    ChangeBitmapColor(&b, clRed, clLime);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clLime);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(2, 0), clLime);
}

TEST(GradientSettersTest, ClampingAndNotices) {
    TGradient g;
    int changes = 0;
    g.OnChange = [&](TObject*) { ++changes; };
    g.SetSteps(0);
    EXPECT_EQ(g.Steps(), 1);
    g.SetSteps(1000);
    EXPECT_EQ(g.Steps(), 255);
    EXPECT_EQ(changes, 2);
    g.SetOrientation(fgdVertical); // inactive: stored silently
    EXPECT_EQ(changes, 2);
    g.SetBrushStyle(bsSolid); // always notifies
    EXPECT_EQ(changes, 3);
    g.SetFromColor(clBtnFace);
    EXPECT_EQ(g.FromRGB(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(changes, 4);
    TThreeDGradient three;
    EXPECT_TRUE(three.Active());
    EXPECT_EQ(three.Depth(), 16);
}

TEST_F(GradientTest, HorizontalRunsTopToBottom) {
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    EXPECT_EQ(Pixel(5, 0), Red);
    EXPECT_EQ(Pixel(5, 39), Blue);
    EXPECT_EQ(Pixel(39, 20), Pixel(0, 20));
}

TEST_F(GradientTest, VerticalRunsLeftToRight) {
    g.SetOrientation(fgdVertical);
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    EXPECT_EQ(Pixel(0, 5), Red);
    EXPECT_EQ(Pixel(39, 5), Blue);
}

TEST_F(GradientTest, ConvergentHalvesShareTheMiddleRow) {
    g.SetOrientation(fgdHorzConvergent);
    int changes = 0;
    g.OnChange = [&](TObject*) { ++changes; };
    g.Draw(bmp.Canvas(), Rect(0, 0, 10, 25), psSolid, 1);
    EXPECT_EQ(Pixel(2, 0), Red);
    EXPECT_EQ(Pixel(2, 12), Blue);
    EXPECT_EQ(Pixel(2, 24), Red);
    EXPECT_EQ(g.Orientation(), fgdHorzConvergent); // restored
    EXPECT_EQ(g.FromRGB(), Red);
    EXPECT_EQ(changes, 0);
}

TEST_F(GradientTest, RectangleIsDarkestInTheCentre) {
    g.SetOrientation(fgdRectangle);
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    EXPECT_EQ(Pixel(0, 0), Red);
    EXPECT_EQ(Pixel(20, 20), Blue);
}

TEST_F(GradientTest, DiagonalSweepsFromTheTopLeft) {
    g.SetOrientation(fgdLeftBias);
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    EXPECT_EQ(Pixel(0, 1), Red);
    EXPECT_EQ(GetRValue(Pixel(1, 1)) > GetRValue(Pixel(30, 30)), true);
}

TEST_F(GradientTest, NothingIsPaintedWhenSwitchedOff) {
    g.SetSteps(1);
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    EXPECT_EQ(Pixel(5, 5), clWhite);
    g.SetSteps(255);
    gxGlobalData.GradientsOff = true;
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    gxGlobalData.GradientsOff = false;
    EXPECT_EQ(Pixel(5, 5), clWhite);
    g.SetActive(false);
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    EXPECT_EQ(Pixel(5, 5), clWhite);
}

TEST_F(GradientTest, EmptyRectangleAndOnePixelBand) {
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 0), psSolid, 1);
    EXPECT_EQ(Pixel(0, 0), clWhite);
    // One row: one band, which takes the from-colour instead of dividing by zero.
    g.Draw(bmp.Canvas(), Rect(0, 10, 40, 11), psSolid, 1);
    EXPECT_EQ(Pixel(3, 10), Red);
}

TEST_F(GradientTest, PartialFillingStopsAfterTheBandPastThePercentage) {
    g.SetSteps(10);
    g.SetPercentFilling(50);
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1); // bands of 4 rows
    EXPECT_NE(Pixel(1, 27), clWhite);                     // band 6
    EXPECT_EQ(Pixel(1, 28), clWhite);                     // band 7 not drawn
    g.SetPercentFilling(0);
    bmp.Canvas()->FillRect(Rect(0, 0, 40, 40));
    g.Draw(bmp.Canvas(), Rect(0, 0, 40, 40), psSolid, 1);
    EXPECT_NE(Pixel(1, 7), clWhite);
    EXPECT_EQ(Pixel(1, 8), clWhite);
}

TEST_F(GradientTest, BufferedDrawingMatchesDirectDrawingAwayFromTheOrigin) {
    TBitmap direct(40, 40, pf24bit);
    direct.Canvas()->Brush()->SetColor(clWhite);
    direct.Canvas()->FillRect(Rect(0, 0, 40, 40));
    g.SetPercentFilling(40);
    g.Draw(direct.Canvas(), Rect(10, 5, 30, 35), psSolid, 1);
    g.SetBufferedDraw(true);
    g.Draw(bmp.Canvas(), Rect(10, 5, 30, 35), psSolid, 1);
    for (Integer y = 0; y < 40; ++y)
        for (Integer x = 0; x < 40; ++x)
            ASSERT_EQ(Pixel(x, y), direct.Canvas()->Pixels(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST_F(GradientTest, ColourOfAGradientLine) {
    EXPECT_EQ(g.GetColorFromGradientLine(10, 0), Red);
    EXPECT_EQ(g.GetColorFromGradientLine(10, 10), Blue);
    EXPECT_EQ(g.GetColorFromGradientLine(10, 5), RGB(100, 0, 100));
    EXPECT_EQ(g.GetColorFromGradientLine(0, 3), Red); // no parts: no division
}

TEST_F(GradientTest, TextIsDrawnOneRowAtATime) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    canvas->SetBkMode(TRANSPARENT);
    g.TextOut(canvas.get(), "Ab", Rect(0, 0, 20, 4), 1, 0);
    const auto calls = rec->Calls("TextOut");
    ASSERT_EQ(calls.size(), 5u); // rows 0..4
    EXPECT_EQ(calls[0], "TextOut 1,0 \"Ab\" $000000C8 clip 0,0,20,1");
    EXPECT_EQ(calls[4], "TextOut 1,0 \"Ab\" $00C80000 clip 0,4,20,5");
    g.SetActive(false);
    rec->Log.clear();
    g.TextOut(canvas.get(), "Ab", Rect(0, 0, 20, 0), 1, 0);
    EXPECT_EQ(rec->Calls("TextOut").size(), 1u);
}
