#include "controls/drawing/UtlFrames.h"

#include "controls/services/TUtlApplication.h"
#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

namespace {

using sheet::At;
using sheet::Green;
using sheet::Put;

std::unique_ptr<TBitmap> Sheet(Integer w, Integer h, TColor fill = clWhite, TPixelFormat format = pf24bit) {
    return sheet::Make(w, h, fill, format);
}

class FramesTest : public ::testing::Test {
protected:
    graphics::RecordingCanvasBackend* rec = nullptr;
    std::unique_ptr<TCanvas> canvas = graphics::MakeRecordingCanvas(rec);
};

// Rows of the picture: '#' for Ink, '.' for anything else.
std::vector<std::string> Rows(TBitmap& b, TColor ink) {
    std::vector<std::string> rows;
    for (Integer y = 0; y < b.Height(); ++y) {
        std::string line;
        for (Integer x = 0; x < b.Width(); ++x)
            line += At(b, x, y) == (ColorToRGB(ink) & 0xFFFFFF) ? '#' : '.';
        rows.push_back(line);
    }
    return rows;
}

} // namespace

TEST_F(FramesTest, StandardFramesShrinkByTheirWidth) {
    for (Integer s = lsNone; s <= lsDoubleLowered; ++s) {
        const auto style = TUtlBorderStyle(s);
        TRect r(0, 0, 20, 20);
        EXPECT_TRUE(UtlDrawStdFrame(canvas.get(), r, style, BF_RECT));
        const Integer w = UtlDrawStdFrameExt(style);
        // The Ext looks keep one side of their inner edge inside the frame.
        if (style == lsRaisedspb || style == lsSingle || style == lsWindowBorder) continue;
        EXPECT_EQ(r, TRect(w, w, 20 - w, 20 - w)) << "style " << s;
    }
    TRect none(3, 4, 9, 9);
    UtlDrawStdFrame(canvas.get(), none, lsNone, BF_RECT);
    EXPECT_EQ(none, TRect(3, 4, 9, 9));
    // The speed-button look has its inner edge only at the bottom-right.
    TRect spb(0, 0, 20, 20);
    UtlDrawStdFrame(canvas.get(), spb, lsRaisedspb, BF_RECT);
    EXPECT_EQ(spb, TRect(1, 1, 18, 18));
    EXPECT_EQ(UtlDrawStdFrameExt(lsSingleLowered), 1);
    EXPECT_EQ(UtlDrawStdFrameExt(lsFrameInset), 2);
}

TEST_F(FramesTest, OneSidedAndExtendedFrames) {
    TRect r(0, 0, 10, 10);
    UtlDrawStdFrame(canvas.get(), r, lsLowered, 0); // sides 0 still draws all four
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
    r = TRect(0, 0, 10, 10);
    UtlDrawStdFrame(canvas.get(), r, lsRaisedExt, BF_RECT);
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
    r = TRect(0, 0, 10, 10);
    UtlDrawStdFrame(canvas.get(), r, lsLoweredExt, BF_RECT);
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
    r = TRect(0, 0, 10, 10);
    UtlDrawStdFrame(canvas.get(), r, lsWindowBorder, 0);
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
}

TEST(UtlFramesTest, ControlBorderWidth) {
    EXPECT_EQ(UtlGetCtrlBorderWidth(true, bsNone), 0);
    EXPECT_EQ(UtlGetCtrlBorderWidth(true, bsSingle), 2);
    EXPECT_EQ(UtlGetCtrlBorderWidth(false, bsSingle), 1);
}

TEST_F(FramesTest, Frame3DDrawsNothingForNoneShadowOrZeroWidth) {
    using B = TUtlBevelStyle;
    TRect r(0, 0, 10, 10);
    EXPECT_FALSE(UtlDrawFrame3D(canvas.get(), r, B::bvShadow, clRed, clBlue, 2));
    EXPECT_FALSE(UtlDrawFrame3D(canvas.get(), r, B::bvNone, clRed, clBlue, 2));
    EXPECT_FALSE(UtlDrawFrame3D(canvas.get(), r, B::bvRaised, clRed, clBlue, 0));
    EXPECT_TRUE(rec->Log.empty());
    EXPECT_EQ(r, TRect(0, 0, 10, 10));
}

TEST(UtlFramesTest, Frame3DColoursByStyle) {
    using B = TUtlBevelStyle;
    auto b = Sheet(6, 6);
    TRect r(0, 0, 6, 6);
    EXPECT_TRUE(UtlDrawFrame3D(b->Canvas(), r, B::bvRaised, clRed, clBlue, 1));
    EXPECT_EQ(At(*b, 0, 0), clBlue); // raised: colour B at the top-left
    EXPECT_EQ(At(*b, 0, 4), clBlue);
    EXPECT_EQ(At(*b, 5, 0), clRed);
    EXPECT_EQ(At(*b, 5, 5), clRed);
    EXPECT_EQ(At(*b, 0, 5), clRed); // the bottom line runs the whole width
    EXPECT_EQ(At(*b, 2, 2), clWhite);
    EXPECT_EQ(r, TRect(1, 1, 4, 4));

    auto wide = Sheet(10, 10);
    TRect w(0, 0, 10, 10);
    UtlDrawFrame3D(wide->Canvas(), w, B::bvLowered, clRed, clBlue, 3);
    EXPECT_EQ(Rows(*wide, clRed)[1], "#########.");
    EXPECT_EQ(Rows(*wide, clBlue)[8], "..########");
    EXPECT_EQ(At(*wide, 5, 5), clWhite);
    EXPECT_EQ(w, TRect(3, 3, 6, 6));

    auto normal = Sheet(5, 5);
    TRect n(0, 0, 5, 5);
    UtlDrawFrame3D(normal->Canvas(), n, B::bvNormal, clRed, clBlue, 1);
    EXPECT_EQ(At(*normal, 0, 0), clBlack);
    EXPECT_EQ(At(*normal, 4, 4), clBlack);
}

TEST(UtlFramesTest, FramedBevelRings) {
    auto b = Sheet(8, 8);
    TRect r(0, 0, 8, 8);
    UtlDrawFrame3D(b->Canvas(), r, TUtlBevelStyle::bvFrameLowered, clRed, clBlue, 1);
    // Lowered: the outer ring's top-left in colour A, an inner ring in colour B.
    EXPECT_EQ(At(*b, 0, 0), clRed);
    EXPECT_EQ(At(*b, 1, 1), clBlue);
    EXPECT_EQ(At(*b, 7, 7), clBlue);
    EXPECT_EQ(r, TRect(2, 2, 6, 6));
}

TEST(UtlFramesTest, FrameWithShadow) {
    auto b = Sheet(10, 8, clYellow);
    TRect r(0, 0, 10, 8);
    EXPECT_TRUE(UtlDrawFrameShadow(b->Canvas(), r, clBlack, clGray, clWhite, 2, 1, false, BF_RECT));
    EXPECT_EQ(r, TRect(1, 1, 7, 5));
    EXPECT_EQ(At(*b, 9, 7), clGray); // shadow
    EXPECT_EQ(At(*b, 8, 2), clGray);
    EXPECT_EQ(At(*b, 9, 0), clWhite); // corner beside the shadow
    EXPECT_EQ(At(*b, 0, 7), clWhite);
    EXPECT_EQ(At(*b, 0, 0), clBlack); // the frame
    EXPECT_EQ(At(*b, 7, 5), clBlack);
    EXPECT_EQ(At(*b, 3, 3), clYellow);
    auto t = Sheet(10, 8, clYellow);
    TRect q(0, 0, 10, 8);
    UtlDrawFrameShadow(t->Canvas(), q, clBlack, clGray, clWhite, 2, 2, true, BF_RECT);
    EXPECT_EQ(At(*t, 9, 0), clYellow); // transparent: the corners stay
    EXPECT_EQ(q, TRect(2, 2, 6, 4));
    EXPECT_EQ(t->Canvas()->Pen()->Width(), 1);
}

TEST(UtlFramesTest, BorderLines) {
    auto b = Sheet(4, 3);
    UtlDrawBorder(b->Canvas(), TRect(0, 0, 4, 3), clRed, clBlue);
    EXPECT_EQ(Rows(*b, clRed), (std::vector<std::string>{"###.", "#...", "#..."}));
    EXPECT_EQ(Rows(*b, clBlue), (std::vector<std::string>{"...#", "...#", ".###"}));
}

TEST(UtlFramesTest, TrianglesPointDownOrUp) {
    auto down = Sheet(7, 4);
    UtlDrawTriangle(down->Canvas(), 1, 0, 3, clBlack, true, true);
    EXPECT_EQ(Rows(*down, clBlack), (std::vector<std::string>{".#####.", "..###..", "...#...", "......."}));
    auto up = Sheet(7, 4);
    UtlDrawTriangle(up->Canvas(), 1, 0, 3, clBlack, false, true);
    EXPECT_EQ(Rows(*up, clBlack), (std::vector<std::string>{"..#....", ".###...", "#####..", "......."}));
    auto disabled = Sheet(7, 4);
    UtlDrawTriangle(disabled->Canvas(), 1, 0, 3, clBlack, true, false);
    EXPECT_EQ(At(*disabled, 1, 0), ColorToRGB(clGrayText));
    EXPECT_EQ(At(*disabled, 4, 3), ColorToRGB(clHighlightText) & 0xFFFFFF);
}

TEST_F(FramesTest, TrianglesOutsideTwoToFifteenDrawNothing) {
    UtlDrawTriangle(canvas.get(), 0, 0, 1, clBlack, true, true);
    UtlDrawTriangle(canvas.get(), 0, 0, 16, clBlack, false, false);
    EXPECT_TRUE(rec->Log.empty());
}

TEST(UtlFramesTest, FlatLooks) {
    EXPECT_FALSE(UtlDrawBtnIsFlat(ubsQuellon));
    EXPECT_TRUE(UtlDrawBtnIsFlat(ubsQuellonFlat));
    EXPECT_TRUE(UtlDrawBtnIsFlat(ubsExplorerColored));
    EXPECT_FALSE(UtlDrawBtnIsFlat(ubsIntegrated));
}

TEST_F(FramesTest, ButtonFaceContentAreaAndPressedShift) {
    using S = TUtlButtonState;
    for (Integer style = ubsAutoDetect; style <= ubsIntegrated; ++style) {
        TRect up(0, 0, 40, 20), down(0, 0, 40, 20);
        EXPECT_TRUE(
            UtlDrawBtnFace(canvas.get(), true, up, TUtlUserButtonStyle(style), S::bsUp, 0, clBtnFace));
        UtlDrawBtnFace(canvas.get(), true, down, TUtlUserButtonStyle(style), S::bsDown, 0, clBtnFace);
        EXPECT_EQ(up, TRect(3, 3, 37, 17)) << "style " << style;
        EXPECT_EQ(down, TRect(4, 4, 38, 18)) << "style " << style;
    }
    // A default button's outer frame takes room first.
    TRect def(0, 0, 40, 20);
    UtlDrawBtnFace(canvas.get(), false, def, ubsWin40, S::bsUp, ubfDefault, clBtnFace);
    EXPECT_EQ(def, TRect(5, 5, 35, 15));
}

TEST(UtlFramesTest, ButtonFacesFillOrLeaveTheFace) {
    using S = TUtlButtonState;
    auto filled = Sheet(20, 12, clYellow);
    TRect r(0, 0, 20, 12);
    UtlDrawBtnFace(filled->Canvas(), false, r, ubsWin40, S::bsUp, 0, clAqua);
    EXPECT_EQ(At(*filled, 10, 6), clAqua);
    auto explorer = Sheet(20, 12, clYellow);
    r = TRect(0, 0, 20, 12);
    UtlDrawBtnFace(explorer->Canvas(), true, r, ubsExplorer, S::bsUp, 0, clAqua);
    EXPECT_EQ(At(*explorer, 10, 6), clYellow);
    // A pressed option in a raised look shows the dithered brush: neighbours differ.
    UtlInitialization();
    auto option = Sheet(20, 12, clYellow);
    r = TRect(0, 0, 20, 12);
    UtlDrawBtnFace(option->Canvas(), false, r, ubsWin40, S::bsOptionSet, 0, clBtnFace);
    EXPECT_NE(At(*option, 10, 6), At(*option, 11, 6));
    UtlFinalization();
    // Quellon: a black outline around the face.
    auto quellon = Sheet(20, 12, clYellow);
    r = TRect(0, 0, 20, 12);
    UtlDrawBtnFace(quellon->Canvas(), false, r, ubsQuellon, S::bsUp, 0, clBtnFace);
    EXPECT_EQ(At(*quellon, 0, 0), clBlack);
    EXPECT_EQ(At(*quellon, 19, 11), clBlack);
}
