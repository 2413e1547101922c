#include "platform/graphics/TextPlacement.h"

#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TextMeasurer.h"

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

// Widths the measurer keeps are the face's own: asked in turns, in two sizes and two
// styles, and after more texts than it keeps, every answer is the first one again.
TEST(TextPlacement, KeptWidthsBelongToTheirFace) {
    graphics::TextMeasurer& measurer = graphics::DefaultTextMeasurer();
    graphics::FontState small;
    small.Name = "Arial";
    small.Height = -11;
    graphics::FontState large = small;
    large.Height = -20;
    graphics::FontState bold = small;
    bold.Style = TFontStyles{fsBold};
    const String text = "Ügyfelek listája";
    const Integer widths[] = {measurer.TextWidth(small, text), measurer.TextWidth(large, text),
                              measurer.TextWidth(bold, text)};
    EXPECT_LT(widths[0], widths[1]);
    EXPECT_LT(widths[0], widths[2]);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(measurer.TextWidth(small, text), widths[0]);
        EXPECT_EQ(measurer.TextWidth(large, text), widths[1]);
        EXPECT_EQ(measurer.TextWidth(bold, text), widths[2]);
        for (int i = 0; i < 5000; ++i)
            measurer.TextWidth(small, "Ügy " + std::to_string(i));
    }
}

// Under nested holds the measurer keeps more texts than it usually does, and when the
// last hold goes the trimmed faces still answer every width as before.
TEST(TextPlacement, HeldWidthsAnswerAsBeforeAfterTheHoldsEnd) {
    graphics::TextMeasurer& measurer = graphics::DefaultTextMeasurer();
    graphics::FontState face;
    face.Name = "Arial";
    face.Height = -13;
    const auto text = [](int i) { return "Ügyirat " + std::to_string(i) + " – Őrbottyán"; };
    std::vector<Integer> first;
    {
        graphics::TextWidthHold outer;
        {
            graphics::TextWidthHold inner;
            for (int i = 0; i < 6000; ++i)
                first.push_back(measurer.TextWidth(face, text(i)));
        }
        for (int i = 0; i < 6000; i += 7)
            EXPECT_EQ(measurer.TextWidth(face, text(i)), first[std::size_t(i)]);
    }
    for (int i = 0; i < 6000; i += 7)
        EXPECT_EQ(measurer.TextWidth(face, text(i)), first[std::size_t(i)]);
    EXPECT_LT(first[9], first[10]);
}
