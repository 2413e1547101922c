#include "controls/shapes/TUtlBitmapEffectObject.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

namespace {

using sheet::At;

// A list of one 4 × 4 image in the given colour.
std::unique_ptr<TUtlBitmapList> ListOf(TColor color) {
    auto list = std::make_unique<TUtlBitmapList>(nullptr);
    auto picture = sheet::Make(4, 4, color);
    list->Items(list->Add())->SetBitmap(picture.get());
    return list;
}

// The colours of the pictures below.
const sheet::Palette Colours{
    {'r', RGB(200, 0, 0)},    {'g', RGB(0, 200, 0)},
    {'b', RGB(0, 0, 200)},    {'m', RGB(100, 0, 100)}, // red half-blended with blue
    {'c', RGB(0, 100, 100)},                           // green half-blended with blue
    {'R', RGB(55, 255, 255)},                          // red inverted
    {'G', RGB(255, 55, 255)}, {'w', clWhite},
    {'.', clBlack},           {'#', sheet::Green},
};

std::unique_ptr<TBitmap> Picture(const std::vector<std::string>& rows) {
    return sheet::FromLetters(rows, Colours);
}

std::vector<std::string> Letters(TBitmap& b) {
    return sheet::Letters(b, Colours);
}

} // namespace

TEST(EffectObjectsTest, AlphaStrengthWeighsTheBitmap) {
    TUtlAlphaObject alpha;
    EXPECT_EQ(alpha.GetSetStr(), "{Disabled}");
    EXPECT_FALSE(alpha.Enabled());
    alpha.FillObject()->SetStyle(sfBrush);
    alpha.FillObject()->Brush()->SetColor(RGB(0, 0, 200));
    EXPECT_EQ(alpha.GetSetStr(), "{Enabled (brush), strength: 0.600}");
    auto b = sheet::Make(2, 2, RGB(200, 100, 0));
    alpha.SetStrength(1.0f);
    EXPECT_FALSE(alpha.Enabled());
    alpha.AlphaBlend(b.get());
    EXPECT_EQ(At(*b, 0, 0), RGB(200, 100, 0));
    alpha.SetStrength(0.0f);
    alpha.AlphaBlend(b.get());
    EXPECT_EQ(At(*b, 1, 1), RGB(0, 0, 200));
    alpha.SetStrength(0.5f);
    auto c = sheet::Make(2, 2, RGB(200, 100, 0));
    alpha.AlphaBlend(c.get());
    EXPECT_EQ(At(*c, 0, 0), RGB(100, 50, 100));
}

TEST(EffectObjectsTest, AlphaFollowsItsImageListAndForgetsADestroyedOne) {
    TUtlAlphaObject alpha;
    alpha.FillObject()->SetStyle(sfBitmapList);
    alpha.FillObject()->SetTileMode(tmStretch);
    {
        auto list = ListOf(clRed);
        alpha.SetImageList(list.get());
        EXPECT_EQ(alpha.ImageList(), list.get());
        EXPECT_EQ(alpha.FillObject()->ListBitmap()->Width(), 4);
        EXPECT_EQ(alpha.GetSetStr(), "{Enabled (bmp), strength: 0.600}");
        alpha.SetStrength(0.0f);
        auto b = sheet::Make(3, 3, clWhite);
        alpha.AlphaBlend(b.get());
        EXPECT_EQ(At(*b, 1, 1), clRed);
        alpha.SetListIndex(5); // no such item: the list bitmap is emptied
        EXPECT_TRUE(alpha.FillObject()->ListBitmap()->Empty());
        alpha.SetListIndex(0);
    }
    EXPECT_EQ(alpha.ImageList(), nullptr);
    auto b = sheet::Make(3, 3, clWhite);
    alpha.AlphaBlend(b.get()); // no list any more: nothing to reach through a dangling pointer
    alpha.SetListIndex(1);
    EXPECT_TRUE(alpha.FillObject()->ListBitmap()->Empty());
}

TEST(EffectObjectsTest, EffectsInTheirOrderAndTheSummary) {
    TUtlBitmapEffectObject fx;
    EXPECT_FALSE(fx.Enabled());
    EXPECT_EQ(fx.GetSetStr(), "{Disabled}");
    fx.SetBool(3, true); // invert
    fx.SetBool(0, true); // mirror
    fx.SetBrightness(300);
    EXPECT_EQ(fx.Brightness(), 255);
    EXPECT_EQ(fx.GetSetStr(), "{FV, INV, B}");
    auto b = sheet::Make(2, 1, clBlack);
    fx.Draw(b.get());
    EXPECT_EQ(At(*b, 0, 0), clWhite);
    fx.SetBrightness(-10);
    auto c = sheet::Make(2, 1, clBlack);
    sheet::Put(*c, 0, 0, RGB(10, 20, 30));
    fx.Draw(c.get());
    // Mirrored, inverted, darkened by 10.
    EXPECT_EQ(At(*c, 1, 0), RGB(235, 225, 215));
    EXPECT_EQ(At(*c, 0, 0), RGB(245, 245, 245));
}

TEST(EffectObjectsTest, TheBufferIsDrawnUntilASettingChanges) {
    TUtlBitmapEffectObject fx;
    fx.SetBool(2, true); // grey
    fx.SetBool(4, true); // buffered
    auto first = sheet::Make(2, 2, clRed);
    fx.Draw(first.get());
    const TColor grey = At(*first, 0, 0);
    auto other = sheet::Make(2, 2, clBlue);
    fx.Draw(other.get());
    EXPECT_EQ(At(*other, 0, 0), grey); // the buffered picture, not the new one
    fx.SetBool(3, true);
    auto again = sheet::Make(2, 2, clBlue);
    fx.Draw(again.get());
    EXPECT_NE(At(*again, 0, 0), grey);
    TUtlBitmapEffectObject copy;
    copy.Assign(&fx);
    EXPECT_TRUE(copy.Buffered());
    EXPECT_TRUE(copy.Invert());
}

TEST(EffectObjectsTest, CopiesOfAreas) {
    TUtlBitmapEffectObject fx;
    fx.SetBool(3, true);
    auto source = sheet::Make(6, 6, clBlack);
    TBitmap target;
    fx.DrawCopyFromRect(source.get(), TRect(1, 1, 4, 3), &target);
    EXPECT_EQ(target.Width(), 3);
    EXPECT_EQ(At(target, 0, 0), clWhite);
    auto wide = sheet::Make(8, 8, clBlue);
    fx.DrawCopyRect(source.get(), TRect(0, 0, 2, 2), wide.get(), TPoint(5, 5));
    EXPECT_EQ(At(*wide, 5, 5), clWhite);
    EXPECT_EQ(At(*wide, 4, 4), clBlue);
}

TEST(EffectObjectsTest, CutRectTakesOnlyTheClippedPartAndStretchesIntoTheTarget) {
    TUtlBitmapEffectObject fx;
    fx.SetBool(3, true); // invert
    auto source = Picture({"rrgg", "rrgg", "gggg"});
    source->Canvas()->SetClipRect(TRect(0, 0, 3, 3)); // the last column is outside
    auto target = Picture({"######", "######", "######", "######"});
    fx.DrawCutRect(source->Canvas(), TRect(1, 0, 4, 2), target->Canvas(), TRect(0, 1, 6, 3));
    // Each cut pixel doubled across; the unclipped column stays the new bitmap's white, inverted.
    EXPECT_EQ(Letters(*target), (std::vector<std::string>{"######", "RRGG..", "RRGG..", "######"}));
}

TEST(EffectObjectsTest, CutRect2BlendsOnlyTheCopiedAreaAndBuffersTheWholeTarget) {
    TUtlBitmapEffectObject fx;
    fx.SetBool(0, true); // mirrored
    fx.AlphaBlend()->FillObject()->SetStyle(sfBrush);
    fx.AlphaBlend()->FillObject()->Brush()->SetColor(RGB(0, 0, 200));
    fx.AlphaBlend()->SetStrength(0.5f);
    auto source = Picture({"rgbw", "wwww"});
    auto target = Picture({"......", "......", "......"});
    fx.DrawCutRect2(source.get(), TRect(0, 0, 3, 1), target.get(), TPoint(2, 1));
    const std::vector<std::string> expected{"......", "..bcm.", "......"};
    EXPECT_EQ(Letters(*target), expected);
    // At the edge only the part inside the target is copied.
    auto edge = Picture({"....", "...."});
    fx.DrawCutRect2(source.get(), TRect(0, 0, 3, 1), edge.get(), TPoint(2, 1));
    EXPECT_EQ(Letters(*edge), (std::vector<std::string>{"....", "..cm"}));

    fx.SetBool(4, true); // buffered: the next result is remembered whole
    fx.DrawCutRect2(source.get(), TRect(0, 0, 3, 1), target.get(), TPoint(2, 1));
    auto other = Picture({"######", "######", "######"});
    fx.DrawCutRect2(Picture({"gggg"}).get(), TRect(0, 0, 3, 1), other.get(), TPoint(0, 0));
    EXPECT_EQ(Letters(*other), Letters(*target));
}
