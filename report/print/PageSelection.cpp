#include "report/print/detail/PageSelection.h"

#include "platform/core/NumberFormat.h"

#include <algorithm>

namespace report {

PageSelection::PageSelection(const String& Text, Integer PageCount)
    : FPages(static_cast<std::size_t>(std::max<Integer>(PageCount, 0)), false) {
    String s;
    for (char c : Text)
        if (c != ' ') s += c;
    if (s.empty()) {
        FPages.assign(FPages.size(), true);
        FCount = static_cast<Integer>(FPages.size());
        return;
    }
    s += ',';
    const Integer last = static_cast<Integer>(FPages.size());
    // Marks first..final of the report's pages; nothing outside them is touched.
    auto take = [&](Integer first, Integer final) {
        for (Integer n = std::max<Integer>(first, 1); n <= std::min(final, last); ++n)
            FPages[static_cast<std::size_t>(n - 1)] = true;
    };
    std::size_t partStart = 0;
    bool inRange = false;
    Integer rangeStart = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '-' && s[i] != ',') continue;
        const Integer n = StrToInt(s.substr(partStart, i - partStart));
        partStart = i + 1;
        if (s[i] == '-') {
            rangeStart = n;
            inRange = true;
        } else {
            take(inRange ? rangeStart : n, n);
            inRange = false;
        }
    }
    FCount = static_cast<Integer>(std::count(FPages.begin(), FPages.end(), true));
}

bool PageSelection::Contains(Integer PageNumber) const {
    return PageNumber >= 1 && PageNumber <= static_cast<Integer>(FPages.size()) &&
           FPages[static_cast<std::size_t>(PageNumber - 1)];
}

} // namespace report
