#pragma once
// The pages a print takes from a page-number text such as "1,3,5-12": numbers
// and ranges separated by commas, blanks ignored. An empty text takes every
// page. A range whose end is below its start takes nothing; numbers beyond
// the report's pages are left out, so "1-99999" on a 12-page report takes
// pages 1 to 12 and never lists more pages than the report has.
#include "platform/core/Types.h"

#include <vector>

namespace report {

class PageSelection {
public:
    // Reads Text for a report of PageCount pages. Raises EConvertError
    // "'<part>' is not a valid integer value" for a part that is not a number
    // (also an empty part, as in "1,,2" or "3-").
    PageSelection(const String& Text, Integer PageCount);

    // Page numbers count from 1.
    bool Contains(Integer PageNumber) const;
    // How many pages of the report the text takes.
    Integer Count() const { return FCount; }

private:
    std::vector<bool> FPages;
    Integer FCount = 0;
};

} // namespace report
