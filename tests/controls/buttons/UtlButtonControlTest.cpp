// The palette a check-style button hands out for its glyph.
#include "controls/buttons/TUtlButtonControl.h"

#include "tests/controls/PixelSheet.h"

#include <gtest/gtest.h>

// Only a glyph that an image list supplies brings the list's palette.
TEST(UtlButtonControlTest, PaletteOfTheGlyphFromAnImageList) {
    auto eight = sheet::EightBit({clNavy, clTeal}), full = sheet::Make(4, 4);
    TUtlBitmapList bitmaps(nullptr);
    for (TBitmap* b : {eight.get(), full.get(), eight.get()})
        bitmaps.Items(bitmaps.Add())->SetBitmap(b);
    bitmaps.Items(2)->Bitmap()->SetSize(0, 0); // keeps its colour table
    struct Row {
        TUtlCustomImageList* List;
        Integer ListIndex;
        TColor Second; // the palette's entry 1; clNone for no palette
    } rows[] = {
        {nullptr, 0, clNone},  // the standard glyph
        {&bitmaps, 0, clTeal}, // an eight-bit glyph
        {&bitmaps, 1, clNone}, // a true-colour one
        {&bitmaps, 2, clNone}, // an empty eight-bit bitmap supplies no glyph
    };
    for (const Row& r : rows) {
        TUtlRadioButton radio(nullptr);
        radio.SetImageList(r.List);
        radio.SetIndex(1, r.ListIndex);
        EXPECT_EQ(sheet::PaletteEntry(radio.GetPalette(), 1), r.Second) << r.ListIndex;
    }
}
