#include "grid/VgUtils.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Fill {
    TRect R;
    String Brush;
};

std::vector<Fill> Fills(graphics::RecordingCanvasBackend* b) {
    std::vector<Fill> out;
    for (const String& line : b->Calls("FillRect ")) {
        Fill f;
        char comma;
        std::istringstream in(line.substr(9));
        in >> f.R.Left >> comma >> f.R.Top >> comma >> f.R.Right >> comma >> f.R.Bottom;
        std::string word;
        in >> word >> f.Brush;
        out.push_back(f);
    }
    return out;
}

class GradientTest : public ::testing::Test {
protected:
    graphics::RecordingCanvasBackend* Backend = nullptr;
    std::unique_ptr<TCanvas> Canvas = graphics::MakeRecordingCanvas(Backend);
};

TEST_F(GradientTest, TenPixelsWithManyColoursUseTenOnePixelBands) {
    VgDrawGradient(Canvas.get(), Rect(0, 0, 50, 10), clBlack, clWhite, fdTopToBottom, 255);
    auto fills = Fills(Backend);
    ASSERT_EQ(fills.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(fills[i].R, Rect(0, i, 50, i + 1));
    EXPECT_EQ(fills.front().Brush, ColorToString(clBlack));
    EXPECT_EQ(fills.back().Brush, ColorToString(clWhite));
}

TEST_F(GradientTest, BandsStayInsideTheRectangleAndChannelsInRange) {
    // 7 pixels in 2 colours: bands of 3, the extra band and the rest pixel
    // would reach past the far edge and past the end colour.
    VgDrawGradient(Canvas.get(), Rect(10, 20, 17, 30), RGB(0, 0, 0), RGB(255, 0, 0), fdLeftToRight, 2);
    auto fills = Fills(Backend);
    ASSERT_FALSE(fills.empty());
    for (const Fill& f : fills) {
        EXPECT_GE(f.R.Left, 10);
        EXPECT_LE(f.R.Right, 17);
        EXPECT_TRUE(f.Brush == ColorToString(RGB(0, 0, 0)) || f.Brush == ColorToString(RGB(255, 0, 0)))
            << f.Brush;
    }
    EXPECT_EQ(fills.back().R, Rect(16, 20, 17, 30));
    EXPECT_EQ(fills.back().Brush, ColorToString(RGB(255, 0, 0)));
}

TEST_F(GradientTest, ReverseDirectionsRunFromTheEndColour) {
    VgDrawGradient(Canvas.get(), Rect(0, 0, 4, 4), RGB(0, 0, 0), RGB(0, 0, 255), fdBottomToTop, 255);
    auto fills = Fills(Backend);
    ASSERT_EQ(fills.size(), 4u);
    EXPECT_EQ(fills.front().Brush, ColorToString(RGB(0, 0, 255)));
    EXPECT_EQ(fills.back().Brush, ColorToString(RGB(0, 0, 0)));
}

TEST_F(GradientTest, OneColourFillsWithTheStartColour) {
    VgDrawGradient(Canvas.get(), Rect(0, 0, 8, 8), clRed, clBlue, fdTopToBottom, 1);
    auto fills = Fills(Backend);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].R, Rect(0, 0, 8, 8));
    EXPECT_EQ(fills[0].Brush, "clRed");
}

TEST_F(GradientTest, NoDirectionOrEmptyRectangleDrawsNothing) {
    VgDrawGradient(Canvas.get(), Rect(0, 0, 8, 8), clRed, clBlue, fdNone, 255);
    VgDrawGradient(Canvas.get(), Rect(5, 5, 5, 9), clRed, clBlue, fdTopToBottom, 255);
    EXPECT_TRUE(Fills(Backend).empty());
}

TEST_F(GradientTest, LeavesTheBrushAsItWas) {
    Canvas->Brush()->SetColor(clLime);
    VgDrawGradient(Canvas.get(), Rect(0, 0, 8, 8), clRed, clBlue, fdLeftToRight, 255);
    EXPECT_EQ(Canvas->Brush()->Color(), clLime);
}

TEST(WriteCellTextTest, ShrinksByTheMarginsAndDrawsClear) {
    graphics::RecordingCanvasBackend* b = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(b);
    canvas->Brush()->SetColor(clYellow);
    WriteCellText(canvas.get(), Rect(10, 10, 100, 30), 2, false, false, teNone, taLeftJustify, "abc", 2);
    auto text = b->Calls("TextOut ");
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].rfind("TextOut 12,12 \"abc\"", 0), 0u) << text[0];
    EXPECT_EQ(text[0].find("opaque"), String::npos);
    EXPECT_EQ(canvas->Brush()->Style(), bsSolid);
}

TEST(WriteCellTextTest, RightAlignmentEndsAtTheMargin) {
    graphics::RecordingCanvasBackend* b = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(b);
    WriteCellText(canvas.get(), Rect(0, 0, 100, 20), 2, false, false, teNone, taRightJustify, "abc", 2);
    auto text = b->Calls("TextOut ");
    ASSERT_EQ(text.size(), 1u);
    // Fixed metrics: 6 pixels a character.
    EXPECT_EQ(text[0].rfind("TextOut 80,2 ", 0), 0u) << text[0];
}

} // namespace
