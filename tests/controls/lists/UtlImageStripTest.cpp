// Image strips and the image lists over them: cell reservation and its limit,
// insert, delete and move in pixels, masked drawing with the dither pattern,
// records and the one-item file, and the list interface's answers.
#include "controls/lists/UtlImageLists.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/TCanvas.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

// A Width × Height cell filled with Color and a transparent (white) border column.
std::unique_ptr<TBitmap> Cell(Integer W, Integer H, TColor Color) {
    auto b = std::make_unique<TBitmap>(W, H, pf24bit);
    b->Canvas()->Brush()->SetColor(clWhite);
    b->Canvas()->FillRect(Rect(0, 0, W, H));
    b->Canvas()->Brush()->SetColor(Color);
    b->Canvas()->FillRect(Rect(1, 0, W, H));
    return b;
}

TColor StripPixel(TUtlImageListItem& s, Integer X, Integer Y) {
    return s.GetImageBitmap()->Canvas()->Pixels(X, Y);
}

TEST(UtlImageStrip, CellsUpTo32768Pixels) {
    TUtlImageListItem strip(nullptr);
    for (Integer i = 0; i < 2048; ++i)
        ASSERT_EQ(strip.Add(nullptr, nullptr), i);
    EXPECT_EQ(strip.GetImageBitmap()->Width(), 32768);
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { strip.Add(nullptr, nullptr); }), "Too many images");
    // Refused without a trace.
    EXPECT_EQ(strip.GetCount(), 2048);
    EXPECT_EQ(strip.UsedWidth(), 32768);
    EXPECT_EQ(strip.GetImageBitmap()->Width(), 32768);
}

TEST(UtlImageStrip, WrongSizesAreRefused) {
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([] { TUtlImageListItem s(nullptr, 0, 16); }),
              "Invalid image size");
    TUtlImageListItem strip(nullptr);
    auto bad = Cell(16, 15, clRed);
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { strip.Add(bad.get(), nullptr); }),
              "Invalid image size");
    EXPECT_EQ(strip.GetCount(), 0);
    auto wide = Cell(20, 16, clRed);
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { strip.Add(wide.get(), nullptr); }),
              "Invalid image size");
    EXPECT_EQ(ErrorOf<EListError>([&] { strip.GetImageRect(0); }), "List index out of bounds (0)");
}

TEST(UtlImageStrip, InsertDeleteAndMoveKeepCellsInOrder) {
    TUtlImageListItem strip(nullptr);
    auto red = Cell(16, 16, clRed), green = Cell(16, 16, clLime), blue = Cell(16, 16, clBlue);
    strip.Add(red.get(), nullptr);
    strip.Add(blue.get(), nullptr);
    strip.Insert(1, green.get(), nullptr);
    ASSERT_EQ(strip.GetCount(), 3);
    EXPECT_EQ(StripPixel(strip, 5, 5), clRed);
    EXPECT_EQ(StripPixel(strip, 21, 5), clLime);
    EXPECT_EQ(StripPixel(strip, 37, 5), clBlue);
    EXPECT_EQ(strip.GetImageRect(2), Bounds(32, 0, 16, 16));
    strip.Move(0, 2);
    EXPECT_EQ(StripPixel(strip, 5, 5), clLime);
    EXPECT_EQ(StripPixel(strip, 37, 5), clRed);
    strip.Delete(0);
    EXPECT_EQ(strip.GetCount(), 2);
    EXPECT_EQ(StripPixel(strip, 5, 5), clBlue);
    EXPECT_EQ(strip.UsedWidth(), 32);
    EXPECT_EQ(strip.TransparentColor(1), clWhite);
}

TEST(UtlImageStrip, DeletingTheOnlyCellKeepsTheStrip) {
    TUtlImageListItem strip(nullptr);
    auto red = Cell(16, 16, clRed);
    strip.Add(red.get(), nullptr);
    strip.Delete(0);
    EXPECT_EQ(strip.GetCount(), 0);
    EXPECT_EQ(strip.GetImageBitmap()->Width(), 4 * 16);
}

TEST(UtlImageStrip, MaskedDrawWithCheckerPattern) {
    TUtlImageListItem strip(nullptr);
    strip.SetMaskedState(true);
    auto red = Cell(16, 16, clRed);
    strip.AddMasked(red.get(), clWhite);
    strip.SetDrawStyle(1);
    strip.SetBackColor(clWhite);
    strip.SetPatternColor(clBlack);
    TBitmap target(100, 60, pf24bit);
    target.Canvas()->Brush()->SetColor(clYellow);
    target.Canvas()->FillRect(Rect(0, 0, 100, 60));
    strip.Draw(target.Canvas(), 50, 20, 0);
    TCanvas* c = target.Canvas();
    EXPECT_EQ(c->Pixels(49, 20), clYellow);        // outside the cell
    EXPECT_EQ(c->Pixels(50 + 0, 20 + 0), clWhite); // transparent, even x and y
    EXPECT_EQ(c->Pixels(50 + 0, 20 + 1), clBlack); // exactly one odd: pattern
    EXPECT_EQ(c->Pixels(50 + 2, 20 + 2), clRed);   // opaque, both even
    EXPECT_EQ(c->Pixels(50 + 3, 20 + 3), clRed);   // both odd: no pattern
    EXPECT_EQ(c->Pixels(50 + 3, 20 + 2), clBlack);
    // Style 3 draws through the mask straight onto the canvas.
    strip.SetDrawStyle(3);
    strip.Draw(c, 0, 0, 0);
    EXPECT_EQ(c->Pixels(0, 0), clYellow);
    EXPECT_EQ(c->Pixels(3, 3), clRed);
}

TEST(UtlImageStrip, RecordsRoundTripPlainAndCompressed) {
    for (bool masked : {false, true})
        for (bool compressed : {false, true}) {
            TUtlImageListItem strip(nullptr, 8, 8);
            strip.SetMaskedState(masked);
            strip.SetCompressed(compressed);
            auto red = Cell(8, 8, clRed), blue = Cell(8, 8, clBlue);
            strip.AddMasked(red.get(), clWhite);
            strip.AddMasked(blue.get(), clWhite);
            TMemoryStream s;
            strip.SaveToStream(&s);
            s.SetPosition(0);
            TUtlImageListItem back(nullptr);
            back.LoadFromStream(&s);
            ASSERT_EQ(back.GetCount(), 2);
            EXPECT_EQ(back.Width(), 8);
            EXPECT_EQ(back.Masked(), masked);
            EXPECT_EQ(back.Compressed(), compressed);
            EXPECT_EQ(StripPixel(back, 12, 4), clBlue);
            if (masked) {
                EXPECT_EQ(back.GetImageMaskBitmap()->Canvas()->Pixels(0, 0), clWhite);
            }
        }
}

TEST(UtlImageStrip, BitmapFilesAndTheOneItemFile) {
    TempFolder folder("strip");
    TBitmap sheet(48, 16, pf24bit);
    sheet.Canvas()->Brush()->SetColor(clRed);
    sheet.Canvas()->FillRect(Rect(16, 0, 32, 16));
    sheet.SaveToFile(folder.File("ikonok.bmp"));
    TUtlImageListItem strip(nullptr);
    EXPECT_TRUE(strip.LoadFromBitmap(folder.File("ikonok.bmp"), 3, false));
    EXPECT_EQ(strip.GetCount(), 3);
    EXPECT_EQ(strip.Width(), 16);
    EXPECT_EQ(strip.Description(), "ikonok");
    EXPECT_EQ(ErrorOf<Exception>([&] { strip.LoadFromBitmap(folder.File("ikonok.bmp"), 5, false); }),
              "Cannot open file " + folder.File("ikonok.bmp"));
    strip.SaveToFile(folder.File("one.iml"));
    TUtlImageListItem back(nullptr);
    back.LoadFromFile(folder.File("one.iml"));
    EXPECT_EQ(back.GetCount(), 3);
    EXPECT_EQ(StripPixel(back, 20, 3), clRed);
    TUtlImageListItem fetched(nullptr);
    UtlIMLGetItem(folder.File("one.iml"), 0, &fetched);
    EXPECT_EQ(fetched.GetCount(), 3);
}

TEST(UtlImageLists, AnswersInAndOutOfRange) {
    TUtlImageList images(nullptr);
    images.Add();
    auto red = Cell(16, 16, clRed);
    images.Items(0)->Add(red.get(), nullptr);
    EXPECT_EQ(images.ItemCount(0), 1);
    EXPECT_EQ(images.ItemCount(1), -1);
    EXPECT_TRUE(images.IsValidItem(0, 0));
    EXPECT_FALSE(images.IsValidItem(0, 1));
    EXPECT_EQ(images.TransparentColor(5, 0), TColor(0xFFFFFF));
    EXPECT_EQ(images.Dimensions(0, 1), 16);
    EXPECT_EQ(images.Dimensions(3, 0), 0);
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { images.SetIndex(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf<EInvalidGraphicOperation>([&] { images.SetIndex(-1); }),
              "List index out of bounds (-1)");
    EXPECT_EQ(images.ListIndex(), 0);

    TUtlBitmapList bitmaps(nullptr);
    bitmaps.Add();
    EXPECT_EQ(bitmaps.ItemCount(0), 0); // empty bitmap
    bitmaps.Items(0)->SetBitmap(red.get());
    EXPECT_EQ(bitmaps.ItemCount(0), 1);
    EXPECT_EQ(bitmaps.ItemCount(7), 0);
    EXPECT_EQ(bitmaps.TransparentColor(7, 0), clWhite);
    TBitmap target(20, 20, pf24bit);
    bitmaps.Draw(target.Canvas(), 2, 2, 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clRed);
    EXPECT_TRUE(UtlIsSingleItemImageList(&bitmaps));
    EXPECT_FALSE(UtlIsSingleItemImageList(&images));

    TUtlImageList copy(nullptr);
    copy.Assign(&images);
    EXPECT_EQ(copy.GetCount(), 1);
    EXPECT_EQ(copy.Items(0)->GetCount(), 1);
}

} // namespace
