#include "platform/graphics/RasterOps.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

TEST(StretchPart, IsTheSameCutOfTheWholeScaling) {
    graphics::PixelBuffer src(3, 2);
    for (std::size_t i = 0; i < src.Pixels.size(); ++i)
        src.Pixels[i] = TColor(i + 1);
    const graphics::PixelBuffer whole = graphics::Stretch(src, 7, 5);
    const TRect part(2, 1, 6, 4);
    const graphics::PixelBuffer cut = graphics::StretchPart(src, 7, 5, part);
    ASSERT_EQ(cut.Width, 4);
    ASSERT_EQ(cut.Height, 3);
    for (Integer y = 0; y < cut.Height; ++y)
        for (Integer x = 0; x < cut.Width; ++x)
            EXPECT_EQ(cut.At(x, y), whole.At(x + 2, y + 1)) << x << "," << y;
}

TEST(StretchPart, APictureStretchedFarBeyondTheSurfaceDrawsOnlyWhatLandsOnIt) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec, TSize(80, 60));
    TBitmap bitmap(2, 2, pf24bit);
    bitmap.SetTransparent(true); // the path that stretches in memory
    canvas->StretchDraw(TRect(-100, 10, 1 << 29, 1 << 29), &bitmap);
    const auto blts = rec->Calls("Blt");
    ASSERT_EQ(blts.size(), 2u);
    EXPECT_EQ(blts[0].substr(0, 14), "Blt 0,10,80,60");
    rec->Log.clear();
    canvas->StretchDraw(TRect(100, 100, 200, 200), &bitmap); // wholly off the surface
    EXPECT_TRUE(rec->Calls("Blt").empty());
}
