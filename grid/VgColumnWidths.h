#pragma once
// Automatic column widths of the data grid, apart from the widget: what each
// column wants (its caption, or the longest word of a wrapped caption, and
// the current record's text) and how the room is shared out. The grid
// measures through its canvas; tests pass fixed metrics.
#include "platform/core/Types.h"

#include <functional>
#include <vector>

namespace vg {

using MeasureText = std::function<Integer(const String& Text)>;

// Width a caption asks for: the whole caption, or with WordWrap its longest
// word (words separated by blanks).
Integer CaptionWidth(const MeasureText& Measure, const String& Caption, bool WordWrap);

// The room the data columns share.
struct ColumnRoom {
    Integer GridWidth = 0;
    Integer BorderWidth = 0;    // the system border, counted on both sides
    Integer GridLineWidth = 1;  // one line per column and one more
    Integer ColCount = 0;       // grid columns, the indicator included
    Integer ScrollBarWidth = 0; // 0 unless the vertical bar is shown
    Integer IndicatorWidth = 0; // 0 without the indicator column
};
Integer AvailableWidth(const ColumnRoom& Room);

// Scales the wanted widths of the visible columns to Available (hidden ones
// keep 0). Columns that want nothing share the room evenly when no column
// wants anything; no visible column gets less than 1 pixel, nor less than its
// Minimum (missing entries are 0): such a column keeps its minimum and the
// others share what is left.
std::vector<Integer> FitColumnWidths(const std::vector<Integer>& Wanted, const std::vector<bool>& Visible,
                                     Integer Available, const std::vector<Integer>& Minimum = {});

} // namespace vg
