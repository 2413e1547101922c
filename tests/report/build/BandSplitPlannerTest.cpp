#include "report/build/detail/BandSplitPlanner.h"

#include <gtest/gtest.h>

namespace {

using report::SplitBox;

struct PageRoom {
    Integer Room;
    bool Fresh;
};

// A box that keeps its template place and height.
SplitBox Whole(Integer top, Integer height, Integer left = 0, Integer width = 100) {
    return {top, height, left, width, top, height, false, 0};
}

// A stretchable box with lines 15 high, measured taller than its template height.
SplitBox Stretching(Integer top, Integer height, Integer templateHeight, Integer left = 0,
                    Integer width = 100) {
    return {top, height, left, width, top, templateHeight, true, 15};
}

// Pages as "box@top+height" (p for a part; ?box where a rest is measured: 20 + the
// box's number high) and "=lowest", until no box waits.
String Plan(const std::vector<SplitBox>& boxes, const std::vector<PageRoom>& pages) {
    report::BandSplitPlanner planner(boxes);
    String trace;
    auto remain = [&](std::size_t box) {
        trace += "?" + std::to_string(box) + " ";
        return 20 + static_cast<Integer>(box);
    };
    auto place = [&](const report::SplitPlacement& p) {
        trace += std::to_string(p.Box) + "@" + std::to_string(p.Top) + "+" + std::to_string(p.Height) +
                 (p.Part ? "p " : " ");
    };
    for (const PageRoom& page : pages) {
        if (!planner.Pending()) break;
        if (!trace.empty()) trace += " / ";
        const Integer lowest = planner.PlanPage(page.Room, page.Fresh, remain, place);
        trace += "=" + std::to_string(lowest);
    }
    return planner.Pending() ? trace + " (waiting)" : trace;
}

} // namespace

TEST(BandSplitPlanner, PlacementTable) {
    const PageRoom fresh{100, true}, later{100, false}, page{1029, true};
    struct Row {
        std::vector<SplitBox> Boxes;
        std::vector<PageRoom> Pages;
        String Expected;
        const char* Why;
    } rows[] = {
        {{Whole(0, 3000), Whole(10, 3000, 200)},
         {page, page},
         "0@0+1029 =1029 / 1@0+1029 =1029",
         "taller than a fresh page: clipped to it once, on the next page when below the band's top"},
        // 20 + 2500 >= 1029: a part of 1029 - 20 + 1; then 2500 - 1009 = 1491 >= 1029 fills the
        // second page; 1491 - 1029 = 462 is left for the rest, 20 + 1 high.
        {{Stretching(20, 2500, 30)},
         {page, page, page},
         "0@20+1010p =1030 / 0@0+1029p =1029 / ?0 0@0+21p =21",
         "a stretchable box over three pages"},
        // 100 - 80 + 1 = 21 holds more than a 15 line block, 100 - 86 + 1 = 15 does not:
        // that box starts on the next page. 70 + 20 = 90 fits whole.
        {{Stretching(80, 50, 50), Stretching(86, 50, 50, 200), Whole(70, 20, 400)},
         {fresh, fresh},
         "0@80+21p 2@70+20 =101 / ?0 0@0+21p ?1 1@0+22p =22",
         "several stretchable boxes near the room's end"},
        // 29 + 70 = 99 < 100 fits; 0 + 100 does not: a whole box moves to the next page, a
        // stretchable one takes 100 - 0 + 1, then fills the next room with 200 - 100 = 100.
        {{Whole(29, 70), Whole(0, 100, 200), Stretching(0, 200, 200, 400)},
         {later, fresh, fresh},
         "0@29+70 2@0+101p =101 / 1@0+100 2@0+100p =100 / =0",
         "a box ending on the room's last row fits, one row lower does not"},
        {{Whole(0, 30)}, {{0, false}, page}, "=0 / 0@0+30 =30", "no room left: all on the next page"},
        {{Whole(150, 10)}, {fresh, fresh}, "=0 / 0@50+10 =60", "below a fresh page's room: on the next page"},
        // Below the room after one page: A's rest then grows 101 + 50 - 20 = 131 past its template,
        // which moves B (its left on A's right edge) from 120 to 251; C, one pixel further right, stays.
        {{Stretching(0, 150, 20), Whole(220, 10, 100), Whole(220, 10, 101)},
         {fresh, fresh, fresh, fresh},
         "0@0+101p =101 / ?0 0@0+21p =21 / 2@20+10 =30 / 1@51+10 =61",
         "a continued box pushes what lies wholly below it"},
        // 101 + 50 - 200 < 0: B is not moved up from 220 - 100 = 120.
        {{Stretching(0, 150, 200), Whole(220, 10)},
         {fresh, fresh, fresh},
         "0@0+101p =101 / ?0 0@0+21p =21 / 1@20+10 =30",
         "a continued box shorter than its template moves nothing up"},
        // On the second page 107 - 100 = 7 is left of A, not above 15 / 2 = 7: done, its
        // rest not even measured; 8 of B is.
        {{Stretching(0, 107, 107), Stretching(0, 108, 108, 200)},
         {fresh, fresh},
         "0@0+101p 1@0+101p =101 / ?1 1@0+22p =22",
         "less than half a line left is no part"},
        {{Stretching(-10, 5, 5)}, {fresh, fresh}, "=0", "a box that can never be placed makes no more pages"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Plan(row.Boxes, row.Pages), row.Expected) << row.Why;
}
