#include "report/build/detail/BandSplitPlanner.h"

#include <algorithm>

namespace report {

namespace {

// A box clips its content one pixel row above its bottom edge; a part one pixel
// taller lets its last line reach the room's last row.
constexpr Integer kClippedRow = 1;
// The room ends this far above the column footer: a part, which reaches
// kClippedRow past the room, still leaves a pixel row clear above the footer.
constexpr Integer kFooterClearance = kClippedRow + 1;
// A continued box with less than half a line (its MinHeight) of its place left
// on the new page holds only the gap below its last line: it is done, without
// a part as thin as that.
constexpr Integer kLineFractionWorthAPart = 2;

} // namespace

Integer SplitRoom(Integer SpaceToFooter) {
    return SpaceToFooter - kFooterClearance;
}

BandSplitPlanner::BandSplitPlanner(std::vector<SplitBox> Boxes)
    : FBoxes(std::move(Boxes)), FPrinted(FBoxes.size(), 0), FPending(FBoxes.size(), true) {
    FTop.reserve(FBoxes.size());
    for (const SplitBox& b : FBoxes)
        FTop.push_back(b.Top);
}

bool BandSplitPlanner::Pending() const {
    return std::find(FPending.begin(), FPending.end(), true) != FPending.end();
}

Integer BandSplitPlanner::PlanPage(Integer Room, bool Fresh, const RemainFn& Remain, const PlaceFn& Place) {
    const std::size_t n = FBoxes.size();
    Integer lowest = 0;
    bool progress = false;
    for (std::size_t k = 0; k < n; ++k) {
        const SplitBox& b = FBoxes[k];
        Integer& top = FTop[k];
        if (!FPending[k] || top < 0 || top >= Room) continue;
        if (top + b.Height < Room) {
            Place({k, top, b.Height, false});
            lowest = std::max(lowest, top + b.Height);
            FPending[k] = false;
            progress = true;
        } else if (b.Stretches) {
            // Where not even a line block fits, the box starts at the next page's top.
            const Integer h = Room - top + kClippedRow;
            FPrinted[k] += h;
            if (b.MinHeight < h) Place({k, top, h, true});
            lowest = std::max(lowest, top + h);
            progress = true;
        } else if (top == 0 && Fresh) {
            // Taller than a whole page: drawn clipped to it, and done.
            Place({k, 0, Room, false});
            lowest = std::max(lowest, Room);
            FPending[k] = false;
            progress = true;
        } else {
            top = Room;
        }
    }
    for (std::size_t k = 0; k < n; ++k) {
        const SplitBox& b = FBoxes[k];
        const Integer top = FTop[k];
        if (!FPending[k] || !b.Stretches || top >= 0 || top + b.Height < 0) continue;
        const Integer left = top + b.Height;
        if (left >= Room) {
            Place({k, 0, Room, true});
            FPrinted[k] += Room;
            lowest = std::max(lowest, Room);
        } else {
            if (b.MinHeight / kLineFractionWorthAPart < left) {
                const Integer h = Remain(k) + kClippedRow;
                Place({k, 0, h, true});
                lowest = std::max(lowest, h);
            }
            PushBelow(k, FPrinted[k] + left - b.TemplateHeight);
            FPending[k] = false;
        }
        progress = true;
    }
    bool below = false;
    for (std::size_t k = 0; k < n; ++k) {
        below = below || (FPending[k] && FTop[k] >= Room);
        FTop[k] -= Room;
    }
    if (!progress && !below && Fresh) std::fill(FPending.begin(), FPending.end(), false);
    return lowest;
}

void BandSplitPlanner::PushBelow(std::size_t Box, Integer Grown) {
    const SplitBox& b = FBoxes[Box];
    for (std::size_t j = 0; j < FBoxes.size(); ++j) {
        const SplitBox& other = FBoxes[j];
        if (j == Box || !FPending[j]) continue;
        if (other.TemplateTop >= b.TemplateTop + b.TemplateHeight && other.Left >= b.Left &&
            b.Left + b.Width >= other.Left)
            FTop[j] += std::max(0, Grown);
    }
}

} // namespace report
