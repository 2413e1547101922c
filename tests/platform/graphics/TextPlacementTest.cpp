#include "platform/graphics/TextPlacement.h"

#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"

#include <gtest/gtest.h>

using graphics::SpreadAdvances;

TEST(TextPlacement, SpreadAdvancesReachesTheExtent) {
    EXPECT_EQ(SpreadAdvances({6, 6, 6}, 20), (std::vector<Integer>{7, 7, 6})); // the first take the remainder
    EXPECT_EQ(SpreadAdvances({6, 6, 6}, 16), (std::vector<Integer>{5, 5, 6})); // narrower: taken back alike
    EXPECT_EQ(SpreadAdvances({}, 16), std::vector<Integer>{});
}

TEST(TextPlacement, SpanningTextIsPlacedOnlyWhenItsWidthDiffers) {
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec); // 6 pixels a character
    graphics::TextOutSpanning(canvas.get(), 5, 7, "abc", 18, nullptr);
    EXPECT_EQ(rec->Calls("TextOut").size(), 1u);
    rec->Log.clear();
    graphics::TextOutSpanning(canvas.get(), 5, 7, "abc", 36, nullptr);
    const auto calls = rec->Calls("TextOut");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[2].rfind("TextOut 29,7", 0), 0u) << calls[2];
}
