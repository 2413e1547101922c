#include "tests/platform/graphics/PixelArt.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/DrawFrameControl.h"
#include "platform/graphics/RecordingCanvasBackend.h"

#include <gtest/gtest.h>

using graphicstest::Art;
using graphicstest::Filled;

namespace {

// W white (highlight), L light, F face, S shadow, D dark shadow, K black, w window.
const std::map<TColor, char> Classic = {
    {RGB(255, 255, 255), 'W'}, {RGB(212, 208, 200), 'F'}, {RGB(128, 128, 128), 'S'},
    {RGB(64, 64, 64), 'D'},    {RGB(0, 0, 0), 'K'},       {RGB(255, 0, 0), 'r'},
};

} // namespace

TEST(DrawEdgeTest, RaisedEdgeHasTwoRingsWithDarkCornersLast) {
    auto b = Filled(5, 5, clRed);
    TRect r(0, 0, 5, 5);
    ASSERT_TRUE(DrawEdge(b->Canvas(), r, EDGE_RAISED, BF_RECT));
    // Outer: light top-left, dark shadow bottom-right; inner: white / shadow.
    EXPECT_EQ(Art(*b, Classic), "FFFFD\n"
                                "FWWSD\n"
                                "FWrSD\n"
                                "FSSSD\n"
                                "DDDDD");
    EXPECT_EQ(r, TRect(0, 0, 5, 5)); // unchanged without BF_ADJUST
}

TEST(DrawEdgeTest, SunkenEdgeAndAdjust) {
    auto b = Filled(5, 5, clRed);
    TRect r(0, 0, 5, 5);
    DrawEdge(b->Canvas(), r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(Art(*b, Classic), "SSSSW\n"
                                "SDDFW\n"
                                "SDrFW\n"
                                "SFFFW\n"
                                "WWWWW");
    EXPECT_EQ(r, TRect(2, 2, 3, 3));
}

TEST(DrawEdgeTest, LoneInnerEdgeTakesTheOuterRing) {
    auto b = Filled(3, 3, clRed);
    TRect r(0, 0, 3, 3);
    DrawEdge(b->Canvas(), r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    EXPECT_EQ(Art(*b, Classic), "WWS\nWrS\nSSS");
    EXPECT_EQ(r, TRect(1, 1, 2, 2));
}

TEST(DrawEdgeTest, SoftSwapsTheTopLeftShades) {
    auto b = Filled(4, 4, clRed);
    TRect r(0, 0, 4, 4);
    DrawEdge(b->Canvas(), r, EDGE_RAISED, BF_RECT | BF_SOFT);
    EXPECT_EQ(Art(*b, Classic), "WWWD\nWFSD\nWSSD\nDDDD");
}

TEST(DrawEdgeTest, OnlyTheNamedSidesAreDrawn) {
    auto b = Filled(3, 3, clRed);
    TRect r(0, 0, 3, 3);
    DrawEdge(b->Canvas(), r, BDR_SUNKENINNER, BF_LEFT | BF_BOTTOM | BF_ADJUST);
    EXPECT_EQ(Art(*b, Classic), "Drr\nDrr\nFFF");
    EXPECT_EQ(r, TRect(1, 0, 3, 2));
}

TEST(DrawEdgeTest, FlatAndMiddle) {
    auto b = Filled(4, 4, clRed);
    TRect r(0, 0, 4, 4);
    DrawEdge(b->Canvas(), r, BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_MIDDLE);
    EXPECT_EQ(Art(*b, Classic), "SSSS\nSFFS\nSFFS\nSSSS");
    // BF_FLAT without sides draws nothing at all.
    auto c = Filled(2, 2, clRed);
    TRect q(0, 0, 2, 2);
    DrawEdge(c->Canvas(), q, BDR_RAISEDINNER, BF_FLAT);
    EXPECT_EQ(Art(*c, Classic), "rr\nrr");
    EXPECT_FALSE(DrawEdge(nullptr, q, EDGE_RAISED, BF_RECT));
}

TEST(DrawEdgeTest, UsesSystemColoursOnTheRecording) {
    graphics::RecordingCanvasBackend* rec;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    TRect r(10, 10, 20, 20);
    DrawEdge(canvas.get(), r, BDR_RAISEDINNER, BF_TOPLEFT);
    EXPECT_EQ(rec->Log, (std::vector<String>{"FillRect 10,10,11,20 brush clBtnHighlight",
                                             "FillRect 10,10,20,11 brush clBtnHighlight"}));
}

TEST(DrawFrameControlTest, UncheckedBoxIsSunkenWithAWindowFace) {
    auto b = Filled(13, 13, clRed);
    TRect r(0, 0, 13, 13);
    ASSERT_TRUE(DrawFrameControl(b->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK));
    auto* c = b->Canvas();
    EXPECT_EQ(c->Pixels(0, 0), RGB(128, 128, 128));
    EXPECT_EQ(c->Pixels(1, 1), RGB(64, 64, 64));
    EXPECT_EQ(c->Pixels(12, 12), clWhite);
    for (int y = 2; y < 11; ++y)
        for (int x = 2; x < 11; ++x)
            EXPECT_EQ(c->Pixels(x, y), clWhite) << x << "," << y;
}

TEST(DrawFrameControlTest, CheckedBoxHasTheMarkInWindowText) {
    auto b = Filled(13, 13, clRed);
    TRect r(0, 0, 13, 13);
    DrawFrameControl(b->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    auto* c = b->Canvas();
    // The V: lowest at column 5, rising to the right.
    EXPECT_EQ(c->Pixels(3, 5), clBlack);
    EXPECT_EQ(c->Pixels(5, 9), clBlack);
    EXPECT_EQ(c->Pixels(9, 3), clBlack);
    EXPECT_EQ(c->Pixels(9, 8), clWhite);
    EXPECT_EQ(c->Pixels(2, 2), clWhite);
}

TEST(DrawFrameControlTest, InactiveCheckedBoxIsGreyOnFace) {
    auto b = Filled(13, 13, clRed);
    TRect r(0, 0, 13, 13);
    DrawFrameControl(b->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE);
    EXPECT_EQ(b->Canvas()->Pixels(5, 9), RGB(128, 128, 128));
    EXPECT_EQ(b->Canvas()->Pixels(2, 2), RGB(212, 208, 200));
}

TEST(DrawFrameControlTest, FlatBoxHasAOnePixelShadowFrame) {
    auto b = Filled(13, 13, clRed);
    TRect r(0, 0, 13, 13);
    DrawFrameControl(b->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT);
    EXPECT_EQ(b->Canvas()->Pixels(0, 6), RGB(128, 128, 128));
    EXPECT_EQ(b->Canvas()->Pixels(12, 12), RGB(128, 128, 128));
    EXPECT_EQ(b->Canvas()->Pixels(1, 1), clWhite);
}

TEST(DrawFrameControlTest, CheckBoxIsSquareAndCentred) {
    auto b = Filled(21, 13, clRed);
    TRect r(0, 0, 21, 13);
    DrawFrameControl(b->Canvas(), r, DFC_BUTTON, DFCS_BUTTONCHECK);
    EXPECT_EQ(b->Canvas()->Pixels(3, 6), clRed);
    EXPECT_EQ(b->Canvas()->Pixels(4, 6), RGB(128, 128, 128));
    EXPECT_EQ(b->Canvas()->Pixels(16, 6), clWhite);
    EXPECT_EQ(b->Canvas()->Pixels(17, 6), clRed);
}

TEST(DrawFrameControlTest, ComboArrowPointsDownInButtonText) {
    auto b = Filled(16, 16, clRed);
    TRect r(0, 0, 16, 16);
    DrawFrameControl(b->Canvas(), r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    auto* c = b->Canvas();
    int top = -1, bottom = -1, widest = 0;
    for (int y = 0; y < 16; ++y) {
        int n = 0;
        for (int x = 2; x < 14; ++x)
            n += c->Pixels(x, y) == clBlack;
        if (n) {
            if (top < 0) top = y;
            bottom = y;
            widest = std::max(widest, n);
        }
    }
    EXPECT_EQ(widest, 7);
    EXPECT_EQ(bottom - top + 1, 4);
    int last = 0;
    for (int x = 2; x < 14; ++x)
        last += c->Pixels(x, bottom) == clBlack;
    EXPECT_EQ(last, 1);                             // the tip at the bottom
    EXPECT_EQ(c->Pixels(0, 0), RGB(255, 255, 255)); // soft raised edge
}

TEST(DrawFrameControlTest, PushButtonAdjustsWhenAsked) {
    auto b = Filled(10, 10, clRed);
    TRect r(0, 0, 10, 10);
    DrawFrameControl(b->Canvas(), r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(r, TRect(2, 2, 8, 8));
    EXPECT_EQ(b->Canvas()->Pixels(5, 5), RGB(212, 208, 200));
    TRect e(0, 0, 0, 0);
    EXPECT_FALSE(DrawFrameControl(b->Canvas(), e, DFC_BUTTON, DFCS_BUTTONPUSH));
    TRect q(0, 0, 5, 5);
    EXPECT_FALSE(DrawFrameControl(b->Canvas(), q, DFC_CAPTION, 0));
}

TEST(DrawFrameControlTest, RadioIsRoundWithADotWhenChecked) {
    auto b = Filled(13, 13, clRed);
    TRect r(0, 0, 13, 13);
    DrawFrameControl(b->Canvas(), r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    auto* c = b->Canvas();
    EXPECT_EQ(c->Pixels(0, 0), clRed); // corners stay outside the circle
    EXPECT_EQ(c->Pixels(12, 12), clRed);
    EXPECT_EQ(c->Pixels(6, 6), clBlack);
    EXPECT_EQ(c->Pixels(6, 3), clWhite);
    EXPECT_EQ(c->Pixels(6, 0), RGB(128, 128, 128)); // top of the outer ring: shadow
    auto u = Filled(13, 13, clRed);
    TRect q(0, 0, 13, 13);
    DrawFrameControl(u->Canvas(), q, DFC_BUTTON, DFCS_BUTTONRADIO);
    EXPECT_EQ(u->Canvas()->Pixels(6, 6), clWhite);
}
