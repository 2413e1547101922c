// The plain-text export filter: the character grid, row ordering, the page end.
#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "tests/report/StreamBytes.h"
#include "report/TrpMemoView.h"
#include "report/TrpTextExportFilter.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

String Written(TMemoryStream& s) {
    const Bytes b = StreamBytes(s);
    return String(b.begin(), b.end());
}

TEST(TextExportTest, ItemsOnTheCharacterGrid) {
    TMemoryStream s;
    TrpTextExportFilter f(&s, 16);
    TrpMemoView memo;
    f.OnBeginPage();
    f.OnText(130, 0, "Date", &memo);
    f.OnText(0, 0, "Name", &memo);
    f.OnText(0, 7, "Tail", &memo); // row 0, same x: goes first; Name then overlaps it
    f.OnText(0, 9, "Row1", &memo);
    f.OnText(0, 40, "Row2", &memo); // 2.5 rows round to even
    f.OnText(0, 40, "x", nullptr);  // no view: ignored
    EXPECT_EQ(f.PageLines(), (std::vector<String>{"TailName                Date", "Row1", "Row2"}));
    f.OnEndPage();
    EXPECT_EQ(Written(s), "TailName                Date\r\nRow1\r\nRow2\r\n\f\r\n");
}

TEST(TextExportTest, EmptyPageLongTextAndRowsOutsideThePage) {
    TMemoryStream s;
    TrpTextExportFilter f(&s, 10);
    TrpMemoView memo;
    f.OnBeginPage();
    f.OnEndPage();
    EXPECT_EQ(Written(s), "\f\r\n");

    f.OnBeginPage();
    const String longText(300, 'a');
    f.OnText(0, 5000, longText, &memo); // row 500 grows the grid
    f.OnText(0, -50, "top", &memo);     // above the page: row 0
    const auto lines = f.PageLines();
    ASSERT_EQ(lines.size(), 501u);
    EXPECT_EQ(lines[0], "top");
    EXPECT_EQ(lines[500], longText); // not cut
}

TEST(TextExportTest, AccentsInCodePage852) {
    TMemoryStream s;
    TrpTextExportFilter f(&s, 16);
    TrpMemoView memo;
    f.OnBeginPage();
    f.OnText(0, 0, "ő", &memo);
    f.OnText(13, 0, "x", &memo); // column 2 after a one-character text
    f.OnEndPage();
    EXPECT_EQ(Written(s), "\x8B x\r\n\f\r\n");
}

TEST(TextExportTest, AverageHeightAboveZeroOnly) {
    TMemoryStream s;
    for (Integer h : {0, -3})
        EXPECT_EQ(ErrorOf<EConvertError>([&] { TrpTextExportFilter f(&s, h); }),
                  "The average font height must be a whole number above 0");
}

} // namespace
