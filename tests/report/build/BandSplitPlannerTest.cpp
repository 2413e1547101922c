#include "report/build/detail/BandSplitPlanner.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using report::SplitBox;

struct PageRoom {
    Integer Room;
    bool Fresh;
};

constexpr Integer kLine = 15;

struct Item {
    SplitBox Box;
    Integer Lines = 0; // of a growing box's content
};

// A box that keeps its template place and height.
Item Whole(Integer top, Integer height, Integer left = 0, Integer width = 100) {
    return {{top, height, left, width, top, height, false, false, 0}};
}

// A stretchable box of Lines lines of 15 (no gaps) that grows from its template height.
Item Growing(Integer top, Integer lines, Integer templateHeight, Integer left = 0, Integer width = 100) {
    return {
        {top, std::max(templateHeight, lines * kLine), left, width, top, templateHeight, true, true, kLine},
        lines};
}

// Pages as "box@top+height" (p for a part) and "=lowest", until no box waits. A growing
// box's content is lines of 15: a part of height h takes the lines that end above its
// clipped last row, at least one, as a memo's part does; Remain answers what is left.
String Plan(const std::vector<Item>& Items, const std::vector<PageRoom>& Pages) {
    std::vector<SplitBox> boxes;
    std::map<std::size_t, Integer> lines;
    for (const Item& i : Items) {
        if (i.Box.Grows) lines[boxes.size()] = i.Lines;
        boxes.push_back(i.Box);
    }
    report::BandSplitPlanner planner(boxes);
    auto place = [&](String& trace, const report::SplitPlacement& p) {
        trace += std::to_string(p.Box) + "@" + std::to_string(p.Top) + "+" + std::to_string(p.Height) +
                 (p.Part ? "p " : " ");
        if (!lines.count(p.Box)) return;
        const Integer fit = p.Part ? std::max<Integer>(1, (p.Height - 1) / kLine) : lines[p.Box];
        lines[p.Box] -= std::min(lines[p.Box], fit);
    };
    String trace;
    for (const PageRoom& page : Pages) {
        if (!planner.Pending()) break;
        if (!trace.empty()) trace += " / ";
        const Integer lowest = planner.PlanPage(
            page.Room, page.Fresh, [&](std::size_t k) { return lines[k] * kLine; },
            [&](const report::SplitPlacement& p) { place(trace, p); });
        trace += "=" + std::to_string(lowest);
    }
    return planner.Pending() ? trace + " (waiting)" : trace;
}

} // namespace

TEST(BandSplitPlanner, PlacementTable) {
    const PageRoom fresh{100, true}, later{100, false}, page{1029, true};
    struct Row {
        std::vector<Item> Boxes;
        std::vector<PageRoom> Pages;
        String Expected;
        const char* Why;
    } rows[] = {
        {{Whole(0, 3000), Whole(10, 3000, 200)},
         {page, page},
         "0@0+1029 =1029 / 1@0+1029 =1029",
         "taller than a fresh page: clipped to it once, on the next page when below the band's top"},
        // 150 lines: 1010 - 1 holds 67, a whole page 68, the last 15 lines take 225 + 1.
        {{Growing(20, 150, 30)},
         {page, page, page},
         "0@20+1010p =1030 / 0@0+1030p =1030 / 0@0+226p =226",
         "a growing box over three pages, its last part as tall as its last lines"},
        // 100 - 80 + 1 = 21 holds a line, 100 - 86 + 1 = 15 does not: that box starts whole
        // on the next page, not a line of it lost. 70 + 20 = 90 fits whole.
        {{Growing(80, 3, 45), Growing(86, 3, 45, 200), Whole(70, 20, 400)},
         {fresh, fresh},
         "0@80+21p 2@70+20 =101 / 0@0+31p 1@0+45 =45",
         "several stretchable boxes near the room's end"},
        // 29 + 70 = 99 < 100 fits; 0 + 100 does not: a whole box moves to the next page.
        {{Whole(29, 70), Whole(0, 100, 200), Growing(0, 12, 180, 400)},
         {later, fresh},
         "0@29+70 2@0+101p =101 / 1@0+100 2@0+91p =100",
         "a box ending on the room's last row fits, one row lower does not"},
        {{Whole(0, 30)}, {{0, false}, page}, "=0 / 0@0+30 =30", "no room left: all on the next page"},
        {{Whole(150, 10)}, {fresh, fresh}, "=0 / 0@50+10 =60", "below a fresh page's room: on the next page"},
        // A (10 lines from a template of 20) ends 4 lines = 60 down the second page: B, its
        // left on A's right edge, keeps its 10 below A's template there; C, one pixel further
        // right, and D beside A keep their template places.
        {{Growing(0, 10, 20), Whole(30, 10, 100), Whole(30, 10, 101), Whole(50, 10, 300)},
         {fresh, fresh},
         "0@0+101p 2@30+10 3@50+10 =101 / 0@0+61p 1@70+10 =80",
         "what lies under a growing box follows its end"},
        // A label whose one line fits its template keeps the text under it at its place.
        {{Growing(2, 1, 17), Growing(20, 10, 17)},
         {fresh, fresh},
         "0@2+17 1@20+81p =101 / 1@0+76p =76",
         "a stretched label above a long text is no taller than its line"},
        // Nothing moves up: a box shorter than its template leaves what is below where it is.
        {{Growing(0, 7, 200), Whole(220, 10)},
         {fresh, fresh, fresh},
         "0@0+101p =101 / 0@0+16p =16 / 1@20+10 =30",
         "a continued box shorter than its template moves nothing up"},
        {{Growing(0, 2, 30)}, {{10, true}, {10, true}}, "=0", "not a line fits a fresh page: no more pages"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Plan(row.Boxes, row.Pages), row.Expected) << row.Why;
}
