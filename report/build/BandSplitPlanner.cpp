#include "report/build/detail/BandSplitPlanner.h"

#include <algorithm>
#include <numeric>

namespace report {

namespace {

// A box clips its content one pixel row above its bottom edge; a part one pixel
// taller lets its last line reach the room's last row.
constexpr Integer kClippedRow = 1;
// The room ends this far above the column footer: a part, which reaches
// kClippedRow past the room, still leaves a pixel row clear above the footer.
constexpr Integer kFooterClearance = kClippedRow + 1;

// Lower starts under Upper's template bottom and within its horizontal span; a
// line of no height and a box at its top are beside each other.
bool Below(const SplitBox& Lower, const SplitBox& Upper) {
    return Lower.TemplateTop >= Upper.TemplateTop + Upper.TemplateHeight &&
           Lower.TemplateTop > Upper.TemplateTop && Lower.Left >= Upper.Left &&
           Upper.Left + Upper.Width >= Lower.Left;
}

} // namespace

Integer SplitRoom(Integer SpaceToFooter) {
    return SpaceToFooter - kFooterClearance;
}

BandSplitPlanner::BandSplitPlanner(std::vector<SplitBox> Boxes)
    : FBoxes(std::move(Boxes)), FOrder(FBoxes.size()), FPrinted(FBoxes.size(), 0),
      FStarted(FBoxes.size(), false), FPending(FBoxes.size(), true) {
    std::iota(FOrder.begin(), FOrder.end(), std::size_t{0});
    std::stable_sort(FOrder.begin(), FOrder.end(), [this](std::size_t a, std::size_t b) {
        return FBoxes[a].TemplateTop < FBoxes[b].TemplateTop;
    });
    FTop.reserve(FBoxes.size());
    for (const SplitBox& b : FBoxes)
        FTop.push_back(b.Top);
}

bool BandSplitPlanner::Pending() const {
    return std::find(FPending.begin(), FPending.end(), true) != FPending.end();
}

bool BandSplitPlanner::Waits(std::size_t Box) const {
    for (std::size_t k = 0; k < FBoxes.size(); ++k)
        if (k != Box && FPending[k] && Below(FBoxes[Box], FBoxes[k])) return true;
    return false;
}

void BandSplitPlanner::Finish(std::size_t Box, Integer End) {
    FPending[Box] = false;
    const SplitBox& b = FBoxes[Box];
    for (std::size_t j = 0; j < FBoxes.size(); ++j)
        if (FPending[j] && !FStarted[j] && Below(FBoxes[j], b))
            FTop[j] = std::max(FTop[j], End + FBoxes[j].TemplateTop - (b.TemplateTop + b.TemplateHeight));
}

Integer BandSplitPlanner::PlanPage(Integer Room, bool Fresh, const RemainFn& Remain, const PlaceFn& Place) {
    std::vector<SplitPlacement> placed;
    Integer lowest = 0;
    bool progress = false;
    auto put = [&](std::size_t k, Integer top, Integer height, bool part) {
        placed.push_back({k, top, height, part});
        lowest = std::max(lowest, top + height);
        progress = true;
    };
    for (const std::size_t k : FOrder) {
        const SplitBox& b = FBoxes[k];
        if (!FPending[k] || Waits(k)) continue;
        const Integer top = FTop[k];
        if (FStarted[k]) {
            // Continued from an earlier page: its rest starts at the page's top.
            const Integer rest = b.Grows ? Remain(k) : b.Height - FPrinted[k];
            if (rest <= Room) {
                if (rest > 0 && b.MinHeight < rest + kClippedRow) put(k, 0, rest + kClippedRow, true);
                FPrinted[k] += std::max(0, rest);
                Finish(k, std::max(0, rest));
                progress = true;
            } else if (b.MinHeight < Room + kClippedRow) {
                put(k, 0, Room + kClippedRow, true);
                FPrinted[k] += Room;
            } else {
                // Not a line of it fits a whole page: it can never be printed.
                Finish(k, 0);
            }
        } else if (top >= Room) {
            // On a later page.
        } else if (top + b.Height < Room) {
            put(k, top, b.Height, false);
            Finish(k, top + b.TemplateHeight);
        } else if (b.Stretches && b.MinHeight < Room - top + kClippedRow) {
            put(k, top, Room - top + kClippedRow, true);
            FPrinted[k] += Room - top;
            FStarted[k] = true;
        } else if (top <= 0 && Fresh) {
            // Taller than a whole page: a plain box is drawn clipped to it; not a line
            // of a stretchable one fits, so nothing of it can ever be printed.
            if (!b.Stretches) put(k, top, Room - top, false);
            Finish(k, top + b.TemplateHeight);
            progress = true;
        } else {
            // Starts at the next page's top.
            FTop[k] = Room;
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const SplitPlacement& a, const SplitPlacement& b) { return a.Box < b.Box; });
    for (const SplitPlacement& p : placed)
        Place(p);
    // A part that took the last of its content ends the box here: no page follows for nothing.
    for (const SplitPlacement& p : placed)
        if (p.Part && FBoxes[p.Box].Grows && FPending[p.Box] && Remain(p.Box) == 0)
            Finish(p.Box, p.Top + p.Height);

    bool below = false;
    for (std::size_t k = 0; k < FBoxes.size(); ++k) {
        below = below || (FPending[k] && !FStarted[k] && FTop[k] >= Room);
        if (!FStarted[k]) FTop[k] -= Room;
    }
    if (!progress && !below && Fresh) std::fill(FPending.begin(), FPending.end(), false);
    return lowest;
}

} // namespace report
