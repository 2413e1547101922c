// The connector to platform image lists and the graphic list of pictures,
// and the palettes all four image lists hand out.
#include "controls/lists/UtlCollectionLists.h"
#include "platform/graphics/TCanvas.h"
#include "tests/controls/PixelSheet.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TBitmap> Filled(Integer W, Integer H, TColor C) {
    auto b = std::make_unique<TBitmap>(W, H, pf24bit);
    b->Canvas()->Brush()->SetColor(C);
    b->Canvas()->FillRect(Rect(0, 0, W, H));
    return b;
}

TEST(UtlImageListConnector, DrawsFromTheReferencedListAndForgetsItWhenFreed) {
    TUtlImageListConnector connector(nullptr);
    auto* images = new TImageList(nullptr);
    images->SetName("Ikonok");
    auto red = Filled(16, 16, clRed);
    images->Add(red.get(), nullptr);
    auto* entry = static_cast<TUtlBorImageListItem*>(connector.ImageLists()->Add());
    entry->SetImageList(images);
    EXPECT_EQ(entry->DisplayName(), "Ikonok");
    entry->SetName("Gombok");
    EXPECT_EQ(connector.GetItem(0)->Description(), "Gombok");
    EXPECT_EQ(connector.ItemCount(0), 1);
    EXPECT_EQ(connector.ItemCount(1), -1);
    EXPECT_TRUE(connector.IsValidItem(0, 0));
    EXPECT_EQ(connector.Dimensions(0, 0), 16);
    TBitmap target(40, 40, pf24bit);
    connector.Draw(target.Canvas(), 10, 10, 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(12, 12), clRed);
    EXPECT_TRUE(UtlIsCollectionImageList(&connector));
    delete images;
    EXPECT_EQ(entry->ImageList(), nullptr);
    EXPECT_EQ(connector.ItemCount(0), -1);
}

TEST(UtlGraphicList, PicturesAsSingleItems) {
    TUtlGraphicList list(nullptr);
    Integer changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    auto* entry = static_cast<TUtlGraphicListItem*>(list.Graphics()->Add());
    EXPECT_FALSE(list.IsValidItem(0, 0));
    EXPECT_EQ(list.TransparentColor(0, 0), clNone);
    auto blue = Filled(6, 4, clBlue);
    entry->Picture()->SetGraphic(blue.get());
    EXPECT_GT(changes, 0);
    EXPECT_EQ(list.ItemCount(0), 1);
    EXPECT_EQ(list.ItemRect(0, 0), Rect(0, 0, 6, 4));
    TBitmap copy;
    list.GetBitmapItem(0, 0, &copy);
    EXPECT_EQ(copy.Canvas()->Pixels(5, 3), clBlue);
    EXPECT_TRUE(UtlIsSingleItemImageList(&list));
    EXPECT_EQ(ErrorOf<EListError>([&] { list.GetItem(3); }), "List index out of bounds (3)");
}

// Each list hands out the colour table of the bitmap behind an item.
TEST(UtlImageLists, PaletteOfTheItemsBitmap) {
    auto eight = sheet::EightBit({clNavy, clTeal});
    auto full = Filled(4, 4, clRed);
    TUtlBitmapList bitmaps(nullptr);
    TUtlImageList images(nullptr);
    TUtlGraphicList graphics(nullptr);
    for (TBitmap* b : {eight.get(), full.get()}) {
        bitmaps.Items(bitmaps.Add())->SetBitmap(b);
        images.Add();
        static_cast<TUtlGraphicListItem*>(graphics.Graphics()->Add())->Picture()->SetGraphic(b);
    }
    images.Items(0)->GetImageBitmap()->Assign(eight.get());
    struct Row {
        TUtlCustomImageList* List;
        Integer ListIndex;
        TColor Second; // the palette's entry 1; clNone for no palette
    } rows[] = {
        {&bitmaps, 0, clTeal},  // an eight-bit bitmap
        {&bitmaps, 1, clNone},  // a true-colour one
        {&bitmaps, 2, clNone},  // past the items
        {&images, 0, clTeal},   // an eight-bit strip
        {&images, 1, clNone},   // a true-colour one
        {&graphics, 0, clTeal}, // an eight-bit bitmap picture
        {&graphics, 1, clNone}, // a true-colour one
    };
    for (const Row& r : rows)
        EXPECT_EQ(sheet::PaletteEntry(r.List->Palette(r.ListIndex), 1), r.Second)
            << r.List->ClassName() << " " << r.ListIndex;
}

} // namespace
