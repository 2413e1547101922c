// The plain-text export filter: the character grid, row ordering, the page end.
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TMemoryStream.h"
#include "tests/report/StreamBytes.h"
#include "report/views/TrpMemoView.h"
#include "report/files/TrpTextExportFilter.h"
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
    TrpMemoView memo, other;
    f.OnBeginPage();
    f.OnText(130, 0, "Date", &memo);
    f.OnText(0, 0, "Name", &memo);
    f.OnText(0, 7, "Tail", &other); // row 0, same x: goes first; Name then overlaps it
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
    f.BeginPage(1, 1123);
    f.OnEndPage();
    EXPECT_EQ(Written(s), "\f\r\n");

    f.BeginPage(2, 1123);
    const String longText(300, 'a');
    f.OnText(0, 1120, longText, &memo); // the last row, 112
    f.OnText(0, -4, "top", &memo);      // rounds to row 0
    const auto lines = f.PageLines();
    ASSERT_EQ(lines.size(), 113u);
    EXPECT_EQ(lines[0], "top");
    EXPECT_EQ(lines[112], longText); // not cut
    // Beyond the page's rows either way: the page is named, the grid not grown.
    for (Integer y : {1126, -6, 1 << 29})
        EXPECT_EQ(ErrorOf<EListError>([&] { f.OnText(0, y, "x", &memo); }),
                  "List index out of bounds (" + std::to_string(Round(y / 10.0)) + ") on page 2");
    EXPECT_EQ(f.Lines.size(), 113u);
    // A page of unknown height keeps 201 rows.
    TrpTextExportFilter unknown(&s, 10);
    unknown.OnBeginPage();
    EXPECT_EQ(unknown.Lines.size(), 201u);
}

TEST(TextExportTest, AccentsAndDashesInUtf8) {
    TMemoryStream s;
    TrpTextExportFilter f(&s, 16);
    TrpMemoView memo;
    f.OnBeginPage();
    f.OnText(0, 0, "ő–Ű", &memo);
    f.OnText(26, 0, "x", &memo); // column 4 after a three-character text
    f.OnEndPage();
    EXPECT_EQ(Written(s), "ő–Ű x\r\n\f\r\n");
}

TEST(TextExportTest, AverageHeightAboveZeroOnly) {
    TMemoryStream s;
    for (Integer h : {0, -3})
        EXPECT_EQ(ErrorOf<EConvertError>([&] { TrpTextExportFilter f(&s, h); }),
                  "The average font height must be a whole number above 0");
}

} // namespace
