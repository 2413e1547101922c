#include "controls/buttons/GxBitmapDraw.h"
#include "controls/buttons/GxDrawBox.h"
#include "controls/buttons/GxTextEffects.h"
#include "controls/buttons/TIllumination.h"
#include "controls/buttons/Tgx3DColors.h"

#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"

#include <gtest/gtest.h>

namespace {

class RecordingTest : public ::testing::Test {
protected:
    graphics::RecordingCanvasBackend* rec = nullptr;
    std::unique_ptr<TCanvas> canvas = graphics::MakeRecordingCanvas(rec);
};

String Hex(TColor c) {
    return ColorToString(ColorToRGB(c));
}

} // namespace

TEST_F(RecordingTest, BoxWithoutBevelOnlyFills) {
    const TRect inner =
        DrawBoxEx(canvas.get(), Rect(0, 0, 9, 9), TgxSides{}, bvNone, bvNone, false, clRed, false);
    EXPECT_EQ(inner, Rect(0, 0, 9, 9));
    EXPECT_EQ(rec->Log, std::vector<String>{"FillRect 0,0,10,10 brush clRed"});
}

TEST_F(RecordingTest, BoldLoweredBevelShrinksTwoAtTopLeft) {
    const TRect inner =
        DrawBoxEx(canvas.get(), Rect(0, 0, 9, 9), gxAllSides, bvNone, bvLowered, true, clRed, true);
    EXPECT_EQ(inner, Rect(2, 2, 8, 8));
    const auto lines = rec->Calls("Polyline");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Polyline 0,0 0,9 pen " + Hex(cl3DDkShadow));
    EXPECT_EQ(lines[1], "Polyline 1,1 1,9 pen " + Hex(clBtnShadow)); // bottom present: no extra pixel
    EXPECT_EQ(lines[4], "Polyline 9,0 9,9 pen " + Hex(clBtnHighlight));
    EXPECT_EQ(lines[5], "Polyline 0,9 10,9 pen " + Hex(clBtnHighlight));
    EXPECT_TRUE(rec->Calls("FillRect").empty());
}

TEST_F(RecordingTest, RaisedOuterThenInnerBevel) {
    const TRect inner =
        DrawBoxEx(canvas.get(), Rect(0, 0, 9, 9), gxAllSides, bvLowered, bvRaised, false, clRed, false);
    EXPECT_EQ(inner, Rect(2, 2, 7, 7));
    const auto lines = rec->Calls("Polyline");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Polyline 0,0 0,10 pen " + Hex(clBtnHighlight));
    EXPECT_EQ(lines[2], "Polyline 9,0 9,10 pen " + Hex(clBtnShadow));
    EXPECT_EQ(lines[4], "Polyline 1,1 1,8 pen " + Hex(clBtnShadow)); // inner, lowered
    EXPECT_EQ(rec->Calls("FillRect"), std::vector<String>{"FillRect 2,2,8,8 brush clRed"});
}

TEST_F(RecordingTest, BevelsUseTheGlobalSchemeWhileItLives) {
    {
        Tgx3DLocalColors scheme(nullptr);
        scheme.SetHighlight(clYellow);
        scheme.MakeGlobal();
        DrawBoxEx(canvas.get(), Rect(0, 0, 9, 9), TgxSides{fsdLeft}, bvNone, bvRaised, false, clRed, true);
        EXPECT_EQ(rec->Log.back(), "Polyline 0,0 0,10 pen clYellow");
    }
    EXPECT_EQ(gxGlobalData.Colors3D, nullptr);
}

TEST_F(RecordingTest, BevelKeepsThePenStyleAndRestoresThePen) {
    canvas->Pen()->SetStyle(psDot);
    canvas->Pen()->SetColor(clLime);
    DrawBoxEx(canvas.get(), Rect(0, 0, 9, 9), TgxSides{fsdTop}, bvNone, bvSpace, false, clRed, true);
    EXPECT_EQ(rec->Log.back(), "Polyline 0,0 9,0 pen " + Hex(clBtnShadow) + " psDot");
    EXPECT_EQ(canvas->Pen()->Color(), clLime);
}

TEST_F(RecordingTest, RaisedTextCopies) {
    TFont font;
    ExtTextOutExt(canvas.get(), 10, 20, Rect(0, 0, 100, 50), "Ügy", fstRaised, false, false, clBlack, clWhite,
                  clYellow, clGray, nullptr, nullptr, &font);
    const auto calls = rec->Calls("TextOut");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0], "TextOut 10,20 \"Ügy\" clYellow clip 0,0,100,50");
    EXPECT_EQ(calls[1], "TextOut 12,22 \"Ügy\" clGray clip 0,0,100,50");
    EXPECT_EQ(calls[2], "TextOut 11,21 \"Ügy\" clBlack clip 0,0,100,50");
}

TEST_F(RecordingTest, DelineatedRaisedTextSitsInsideItsOutline) {
    TFont font;
    ExtTextOutExt(canvas.get(), 0, 0, Rect(0, 0, 100, 50), "a", fstRaised, true, false, clBlack, clWhite,
                  clYellow, clGray, nullptr, nullptr, &font);
    const auto calls = rec->Calls("TextOut");
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[1], "TextOut 4,4 \"a\" clGray clip 0,0,100,50");
    EXPECT_EQ(calls[2], "TextOut 1,1 \"a\" clWhite clip 0,0,100,50");
    EXPECT_EQ(calls[3], "TextOut 3,3 \"a\" clWhite clip 0,0,100,50");
    EXPECT_EQ(calls[6], "TextOut 2,2 \"a\" clBlack clip 0,0,100,50");
}

TEST_F(RecordingTest, PushedTextIgnoresSuppress3DAndHasNoFace) {
    TFont font;
    ExtTextOutExt(canvas.get(), 5, 5, Rect(0, 0, 100, 50), "a", fstPushed, false, true, clBlack, clWhite,
                  clYellow, clGray, nullptr, nullptr, &font);
    EXPECT_EQ(rec->Calls("TextOut"), (std::vector<String>{"TextOut 6,6 \"a\" clYellow clip 0,0,100,50",
                                                          "TextOut 5,5 \"a\" clGray clip 0,0,100,50"}));
}

TEST_F(RecordingTest, ShadowAndVolumetricUseTheIlluminationDepth) {
    TFont font;
    TIllumination light;
    light.SetShadowDepth(3);
    ExtTextOutExt(canvas.get(), 0, 0, Rect(0, 0, 100, 50), "a", fstShadow, false, false, clBlack, clWhite,
                  clYellow, clGray, &light, nullptr, &font);
    EXPECT_EQ(rec->Calls("TextOut")[0], "TextOut 3,3 \"a\" clGray clip 0,0,100,50");
    rec->Log.clear();
    ExtTextOutExt(canvas.get(), 0, 0, Rect(0, 0, 100, 50), "a", fstVolumetric, false, false, clBlack, clWhite,
                  clYellow, clGray, &light, nullptr, &font);
    EXPECT_EQ(rec->Calls("TextOut").size(), 4u);
    rec->Log.clear();
    ExtTextOutExt(canvas.get(), 0, 0, Rect(0, 0, 100, 50), "a", fstNone, false, false, clBlack, clWhite,
                  clYellow, clGray, nullptr, nullptr, nullptr);
    EXPECT_TRUE(rec->Log.empty()); // no font: nothing
}

TEST_F(RecordingTest, TextEffectsRestoreTheCanvasFont) {
    TFont font;
    font.SetName("Arial");
    canvas->Font()->SetName("Courier New");
    ExtTextOutExt(canvas.get(), 0, 0, Rect(0, 0, 10, 10), "a", fstNone, false, false, clBlack, clWhite,
                  clYellow, clGray, nullptr, nullptr, &font);
    EXPECT_EQ(canvas->Font()->Name(), "Courier New");
    EXPECT_EQ(canvas->BkMode(), OPAQUE);
}

TEST_F(RecordingTest, FixedBoxStylesShrinkTheRectangle) {
    TRect r(0, 0, 20, 20);
    DrawBox(canvas.get(), r, fbsCtl3D, clRed, false);
    EXPECT_EQ(r, Rect(2, 2, 18, 19));
    r = Rect(0, 0, 20, 20);
    DrawBox(canvas.get(), r, fbsRaised, clRed, false);
    EXPECT_EQ(r, Rect(3, 3, 17, 17));
    r = Rect(0, 0, 20, 20);
    DrawBox(canvas.get(), r, fbsRecessed, clRed, false);
    EXPECT_EQ(r, Rect(2, 2, 19, 18));
    r = Rect(0, 0, 20, 20);
    DrawBox(canvas.get(), r, fbsFlat, clRed, false);
    EXPECT_EQ(r, Rect(0, 0, 20, 20));
}

namespace {

// A 4 × 4 picture: black top-left 2 × 2, the rest lime.
void MakePicture(TBitmap& b) {
    b.SetSize(4, 4);
    b.Canvas()->Brush()->SetColor(clLime);
    b.Canvas()->FillRect(Rect(0, 0, 4, 4));
    b.Canvas()->Brush()->SetColor(clBlack);
    b.Canvas()->FillRect(Rect(0, 0, 2, 2));
}

class BitmapDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakePicture(picture);
        target.Canvas()->Brush()->SetColor(clWhite);
        target.Canvas()->FillRect(Rect(0, 0, 20, 20));
    }
    TColor Pixel(Integer x, Integer y) { return target.Canvas()->Pixels(x, y) & 0xFFFFFF; }
    TBitmap picture;
    TBitmap target{20, 20, pf24bit};
};

} // namespace

TEST_F(BitmapDrawTest, TransparentColourLeavesTheTarget) {
    CreateBitmapExt(target.Canvas(), &picture, Rect(2, 2, 20, 20), 1, 1, fwoNone, fdsDefault, true,
                    GetTransparentColor(&picture, ftcLeftBottomPixel), 0);
    EXPECT_EQ(Pixel(3, 3), clBlack);
    EXPECT_EQ(Pixel(6, 6), clWhite);
    CreateBitmapExt(target.Canvas(), &picture, Rect(0, 0, 20, 20), 10, 10, fwoNone, fdsDefault, false, clLime,
                    0);
    EXPECT_EQ(Pixel(13, 13), clLime);
}

TEST_F(BitmapDrawTest, TileClipsTheLastCopy) {
    CreateBitmapExt(target.Canvas(), &picture, Rect(0, 0, 6, 3), 0, 0, fwoTile, fdsDefault, false, clLime, 0);
    EXPECT_EQ(Pixel(4, 0), clBlack); // second copy
    EXPECT_EQ(Pixel(6, 0), clWhite); // clipped at the right edge
    EXPECT_EQ(Pixel(0, 3), clWhite); // and at the bottom
    CreateBitmapExt(target.Canvas(), &picture, Rect(10, 10, 12, 12), 0, 0, fwoTile, fdsDefault, false, clLime,
                    0);
    EXPECT_EQ(Pixel(11, 11), clBlack);
    EXPECT_EQ(Pixel(12, 10), clWhite); // smaller than the picture: one clipped copy
}

TEST_F(BitmapDrawTest, StretchAndProportionalStretch) {
    CreateBitmapExt(target.Canvas(), &picture, Rect(0, 0, 8, 16), 0, 0, fwoStretch, fdsDefault, false, clLime,
                    0);
    EXPECT_EQ(Pixel(3, 7), clBlack);
    EXPECT_EQ(Pixel(4, 8), clLime);
    target.Canvas()->FillRect(Rect(0, 0, 20, 20));
    CreateBitmapExt(target.Canvas(), &picture, Rect(0, 0, 8, 16), 0, 0, fwoPropStretch, fdsDefault, false,
                    clLime, 0);
    EXPECT_EQ(Pixel(7, 7), clLime);
    EXPECT_EQ(Pixel(7, 8), clWhite); // kept square
}

TEST_F(BitmapDrawTest, DisabledLookEmbossesWithoutChangingTheCallersBitmap) {
    picture.Canvas()->SetPixels(3, 3, clRed);
    CreateBitmapExt(target.Canvas(), &picture, Rect(0, 0, 20, 20), 0, 0, fwoNone, fdsDisabled, false, clLime,
                    clRed);
    EXPECT_EQ(picture.Canvas()->Pixels(3, 3) & 0xFFFFFF, clRed); // the caller's copy is untouched
    EXPECT_EQ(Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(2, 2), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel(3, 3), ColorToRGB(clBtnShadow)); // the mask colour counted as black
    EXPECT_EQ(Pixel(3, 0), ColorToRGB(clBtnFace));
}

TEST_F(BitmapDrawTest, CornerColoursAndEmptyPictures) {
    picture.Canvas()->SetPixels(3, 0, clRed);
    EXPECT_EQ(GetTransparentColor(&picture, ftcLeftTopPixel), clBlack);
    EXPECT_EQ(GetTransparentColor(&picture, ftcRightTopPixel), clRed);
    EXPECT_EQ(GetTransparentColor(&picture, ftcRightBottomPixel), clLime);
    EXPECT_EQ(GetTransparentColor(&picture, ftcUser), 0u);
    EXPECT_EQ(GetTransparentColor(nullptr, ftcLeftTopPixel), 0u);
    TBitmap flat(0, 5, pf24bit);
    EXPECT_NO_THROW(CreateBitmapExt(target.Canvas(), &flat, Rect(0, 0, 20, 20), 0, 0, fwoTile, fdsDefault,
                                    true, clLime, 0));
    EXPECT_EQ(Pixel(0, 0), clWhite);
}
