#include "report/print/detail/PageSelection.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

// The selected page numbers of a report of count pages, as "1,3,4".
String Selected(const String& text, Integer count) {
    const report::PageSelection s(text, count);
    String list;
    for (Integer n = 0; n <= count + 1; ++n)
        if (s.Contains(n)) list += (list.empty() ? "" : ",") + std::to_string(n);
    EXPECT_EQ(s.Count(), static_cast<Integer>(std::count(list.begin(), list.end(), ',') + !list.empty()));
    return list;
}

} // namespace

TEST(PageSelection, ReadsNumbersAndRanges) {
    struct Row {
        const char* text;
        Integer count;
        const char* pages;
    } rows[] = {
        {"", 4, "1,2,3,4"},           // empty: every page
        {"   ", 4, "1,2,3,4"},        // blanks only are empty too
        {"1, 3-5", 6, "1,3,4,5"},     // blanks go, ranges take both ends
        {"3,1", 4, "1,3"},            // order does not matter
        {"2,2,1-2", 4, "1,2"},        // a page twice is one page
        {"5-3", 6, ""},               // end below start takes nothing
        {"4-4", 6, "4"},              // a range of one page
        {"0", 3, ""},                 // there is no page 0
        {"7", 6, ""},                 // beyond the last page
        {"2-2000000000", 4, "2,3,4"}, // clamped to the pages there are
        {"5-9,1", 6, "1,5,6"},        // a range running past the end keeps its start
        {"1-2-4", 6, "2,3,4"},        // a second "-" starts the range again
        {"", 0, ""},                  // no page at all
        {"1", 0, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Selected(r.text, r.count), r.pages) << '"' << r.text << '"';
}

TEST(PageSelection, APartThatIsNoNumberRaises) {
    struct Row {
        const char* text;
        const char* message;
    } rows[] = {
        {"1,a", "'a' is not a valid integer value"},
        {"3-", "'' is not a valid integer value"},     // a range without its end
        {"-3", "'' is not a valid integer value"},     // nor its start
        {"1,,2", "'' is not a valid integer value"},   // an empty part
        {"1;2", "'1;2' is not a valid integer value"}, // only commas separate
        {"99999999999", "'99999999999' is not a valid integer value"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ErrorOf<EConvertError>([&] { report::PageSelection(r.text, 5); }), r.message) << r.text;
}

TEST(PageSelection, AHugeRangeListsNoMoreThanThePages) {
    // A range is never expanded number by number: the whole span costs the report's pages.
    const report::PageSelection s("1-2147483647", 3);
    EXPECT_EQ(s.Count(), 3);
    EXPECT_FALSE(s.Contains(2147483647));
}
