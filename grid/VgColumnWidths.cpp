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
                                     Integer Available) {
    std::vector<Integer> out(Wanted.size(), 0);
    Integer sum = 0, visible = 0;
    for (std::size_t i = 0; i < Wanted.size(); ++i)
        if (i < Visible.size() && Visible[i]) {
            sum += Wanted[i];
            ++visible;
        }
    for (std::size_t i = 0; i < Wanted.size(); ++i) {
        if (i >= Visible.size() || !Visible[i]) continue;
        double w = sum > 0 ? double(Wanted[i]) * double(Available) / double(sum)
                           : double(Available) / double(std::max(visible, Integer(1)));
        out[i] = std::max(Integer(1), Integer(std::lround(w)));
    }
    return out;
}

} // namespace vg
