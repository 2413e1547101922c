#include "tests/platform/graphics/PixelArt.h"

#include "platform/core/ScopeExit.h"
#include "platform/graphics/Palettes.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"

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

TEST(PalettesTest, APaletteScreenShowsTheNearestOfItsFixedColours) {
    const graphics::ScreenDepthQuery previous = graphics::SetScreenDepthQuery({});
    const core::ScopeExit restore([&] { graphics::SetScreenDepthQuery(previous); });
    graphics::RecordingCanvasBackend* backend = nullptr;
    const auto window = graphics::MakeRecordingCanvas(backend, TSize(4, 4));
    const auto bitmap = graphicstest::Filled(2, 1, clWhite);
    const struct {
        const char* Why;
        Integer Depth;
        TColor In;
        TColor Out;
    } rows[] = {
        {"true colour shows every colour", 32, RGB(200, 100, 50), RGB(200, 100, 50)},
        {"256 colours: one of the 20 static ones", 8, RGB(170, 200, 235), RGB(166, 202, 240)},
        {"16 colours: the standard ones only", 4, RGB(170, 200, 235), RGB(192, 192, 192)},
        {"monochrome", 1, RGB(100, 100, 100), RGB(0, 0, 0)},
        {"a system colour is resolved first", 8, clBtnFace, RGB(192, 220, 192)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        graphics::SetScreenDepthQuery([&] { return row.Depth; });
        EXPECT_EQ(ScreenColorDepth(), row.Depth);
        EXPECT_EQ(GetNearestColor(window.get(), row.In), row.Out);
        // A bitmap keeps its own depth, whatever the screen's.
        EXPECT_EQ(GetNearestColor(bitmap->Canvas(), RGB(170, 200, 235)), RGB(170, 200, 235));
    }
}
