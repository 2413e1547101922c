#include "tests/platform/graphics/PixelArt.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TImageList.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

using graphicstest::Art;
using graphicstest::Filled;

namespace {

const std::map<TColor, char> Legend = {{clRed, 'r'},
                                       {clBlue, 'b'},
                                       {clWhite, '.'},
                                       {clFuchsia, 'f'},
                                       {clBlack, '#'},
                                       {clYellow, 'y'},
                                       {ColorToRGB(clBtnShadow), 's'}};

// Two 2 × 1 images side by side: "rf" and "bb", fuchsia the mask colour.
std::unique_ptr<TBitmap> Strip() {
    auto b = std::make_unique<TBitmap>(4, 1, pf24bit);
    b->Canvas()->SetPixels(0, 0, clRed);
    b->Canvas()->SetPixels(1, 0, clFuchsia);
    b->Canvas()->SetPixels(2, 0, clBlue);
    b->Canvas()->SetPixels(3, 0, clBlue);
    return b;
}

} // namespace

TEST(ImageListTest, AddMaskedCutsAStripAndDrawsTransparently) {
    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(1);
    auto strip = Strip();
    EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);
    auto dest = Filled(4, 1, clYellow);
    list.Draw(dest->Canvas(), 0, 0, 0);
    list.Draw(dest->Canvas(), 2, 0, 1);
    EXPECT_EQ(Art(*dest, Legend), "rybb");
    list.Draw(dest->Canvas(), 0, 0, 7); // outside the list: nothing
    EXPECT_EQ(Art(*dest, Legend), "rybb");
}

TEST(ImageListTest, BackgroundColourFillsTheTransparentPixels) {
    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(1);
    auto strip = Strip();
    list.AddMasked(strip.get(), clFuchsia);
    list.SetBkColor(clBlack);
    auto dest = Filled(2, 1, clYellow);
    list.Draw(dest->Canvas(), 0, 0, 0);
    EXPECT_EQ(Art(*dest, Legend), "r#");
    TBitmap copy;
    ASSERT_TRUE(list.GetBitmap(0, &copy));
    EXPECT_EQ(Art(copy, Legend), "r#");
    EXPECT_FALSE(list.GetBitmap(5, &copy));
}

TEST(ImageListTest, AddWithAMaskBitmap) {
    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(1);
    auto image = Filled(2, 1, clRed, pf24bit);
    auto mask = Filled(2, 1, clBlack, pf24bit);
    mask->Canvas()->SetPixels(0, 0, clWhite); // white = transparent
    EXPECT_EQ(list.Add(image.get(), mask.get()), 0);
    auto dest = Filled(2, 1, clBlue);
    list.Draw(dest->Canvas(), 0, 0, 0);
    EXPECT_EQ(Art(*dest, Legend), "br");
}

TEST(ImageListTest, DisabledDrawIsEmbossed) {
    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(2);
    auto image = Filled(2, 2, clWhite, pf24bit);
    image->Canvas()->SetPixels(0, 0, clBlack);
    list.AddMasked(image.get(), clWhite);
    auto dest = Filled(3, 3, clYellow);
    list.Draw(dest->Canvas(), 0, 0, 0, false);
    EXPECT_EQ(Art(*dest, Legend), "syy\ny.y\nyyy"); // the highlight is white
}

TEST(ImageListTest, DeleteClearAndResize) {
    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(1);
    auto strip = Strip();
    list.AddMasked(strip.get(), clFuchsia);
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Delete(0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(ErrorOf<EInvalidOperation>([&] { list.Delete(1); }), "Invalid image list index");
    list.SetWidth(16); // a new size empties the list
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(list.Add(nullptr, nullptr), -1);
}

TEST(ImageListTest, OwnedByItsComponent) {
    TComponent owner(nullptr);
    auto* list = new TImageList(&owner);
    EXPECT_EQ(list->Owner(), &owner);
    EXPECT_EQ(list->Width(), 16);
    EXPECT_EQ(list->BkColor(), clNone);
}
