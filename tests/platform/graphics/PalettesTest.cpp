#include "tests/platform/graphics/PixelArt.h"

#include "platform/graphics/Palettes.h"

#include <gtest/gtest.h>

TEST(PalettesTest, PaletteKeepsItsEntriesAndSelectionAnswersThePrevious) {
    LOGPALETTE lp;
    lp.palPalEntry = {{10, 20, 30, PC_NOCOLLAPSE}, {40, 50, 60, PC_NOCOLLAPSE}};
    HPALETTE pal = CreatePalette(&lp);
    ASSERT_NE(pal, nullptr);
    EXPECT_EQ(GetPaletteEntries(pal, 0, 0, nullptr), 2u);
    PALETTEENTRY out[3];
    EXPECT_EQ(GetPaletteEntries(pal, 1, 3, out), 1u);
    EXPECT_EQ(out[0].peBlue, 60);
    auto b = graphicstest::Filled(2, 1, clWhite);
    EXPECT_EQ(SelectPalette(b->Canvas(), pal, false), nullptr);
    EXPECT_EQ(RealizePalette(b->Canvas()), 0u);
    EXPECT_EQ(SelectPalette(b->Canvas(), nullptr, false), pal);
    EXPECT_TRUE(DeleteObject(pal));
    LOGPALETTE empty;
    EXPECT_EQ(CreatePalette(&empty), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
}

TEST(PalettesTest, PaletteRelativeColoursDrawAsTheirRgb) {
    auto b = graphicstest::Filled(2, 1, clWhite);
    b->Canvas()->Brush()->SetColor(PALETTERGB(1, 2, 3));
    b->Canvas()->FillRect(TRect(0, 0, 1, 1));
    EXPECT_EQ(b->Canvas()->Pixels(0, 0), RGB(1, 2, 3));
}
