#include "report/views/detail/LinePlacement.h"

#include <gtest/gtest.h>

// A 10-point memo steps 15 page pixels a line; its first line starts at 100.
TEST(LinePlacement, EachLineStandsAtItsRoundedLayoutPosition) {
    const struct {
        double Scale;
        Integer Lines;
        Int64 Last, End;
    } rows[] = {
        {1, 20, 385, 400},     // 15 a line, as laid out
        {0.966, 25, 448, 462}, // 24 × 14.49 = 347.76; 25 × 14.49 = 362.25
        {1.5, 20, 528, 550},   // 19 × 22.5 = 427.5 to the even 428, not 19 × 23 = 437
        {2, 25, 820, 850},     // 30 a line, not round(26.67) + 4 = 31
    };
    for (const auto& r : rows) {
        const report::LinePlacement lines{100, 15, r.Scale};
        EXPECT_EQ(lines.Start(r.Lines - 1), r.Last) << r.Scale;
        EXPECT_EQ(lines.Start(r.Lines), r.End) << r.Scale; // the text block's foot
    }
}
