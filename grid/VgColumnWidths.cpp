#include "grid/VgColumnWidths.h"

#include <algorithm>
#include <cmath>

namespace vg {

Integer CaptionWidth(const MeasureText& Measure, const String& Caption, bool WordWrap) {
    if (!WordWrap) return Measure(Caption);
    Integer longest = 0;
    std::size_t start = 0;
    while (start <= Caption.size()) {
        std::size_t end = Caption.find(' ', start);
        if (end == String::npos) end = Caption.size();
        longest = std::max(longest, Measure(Caption.substr(start, end - start)));
        start = end + 1;
    }
    return longest;
}

Integer AvailableWidth(const ColumnRoom& Room) {
    return Room.GridWidth - 2 * Room.BorderWidth - Room.GridLineWidth * (Room.ColCount + 1) -
           Room.ScrollBarWidth - Room.IndicatorWidth;
}

std::vector<Integer> FitColumnWidths(const std::vector<Integer>& Wanted, const std::vector<bool>& Visible,
                                     Integer Available, const std::vector<Integer>& Minimum) {
    const std::size_t n = Wanted.size();
    auto shown = [&](std::size_t i) { return i < Visible.size() && Visible[i]; };
    auto minimum = [&](std::size_t i) { return i < Minimum.size() ? Minimum[i] : 0; };
    std::vector<Integer> out(n, 0);
    std::vector<bool> pinned(n, false);
    // Each round pins the columns whose share falls below their minimum; the rest share again.
    for (bool again = true; again;) {
        again = false;
        Integer sum = 0, sharing = 0, room = Available;
        for (std::size_t i = 0; i < n; ++i) {
            if (!shown(i)) continue;
            if (pinned[i])
                room -= out[i];
            else {
                sum += Wanted[i];
                ++sharing;
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (!shown(i) || pinned[i]) continue;
            double w = sum > 0 ? double(Wanted[i]) * double(room) / double(sum)
                               : double(room) / double(std::max(sharing, Integer(1)));
            out[i] = std::max(Integer(1), Integer(std::lround(w)));
            if (out[i] < minimum(i)) {
                out[i] = minimum(i);
                pinned[i] = again = true;
            }
        }
    }
    return out;
}

} // namespace vg
