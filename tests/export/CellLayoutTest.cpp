// The layout arithmetic of the cell files.
#include "export/CellLayout.h"

#include <gtest/gtest.h>

namespace {

using namespace cellfile;

TEST(CellLayout, TitleRows) {
    EXPECT_EQ(TitleRows(false, true, true, true), 0);
    EXPECT_EQ(TitleRows(true, false, false, false), 0); // the format takes no titles
    EXPECT_EQ(TitleRows(true, true, false, false), 1);
    EXPECT_EQ(TitleRows(true, true, true, false), 2);
    EXPECT_EQ(TitleRows(true, true, true, true), 3);
    EXPECT_EQ(TitleRowCount(false, true, 0), 1);
    EXPECT_EQ(TitleRowCount(true, false, 2), 4);
    EXPECT_EQ(TitleRowCount(true, true, 0), 3);
}

TEST(CellLayout, RowNumberCountsRecordsFromOne) {
    // Titles in row 0, a blank row 1, the first record in row 2.
    EXPECT_EQ(RowNumber(2, 0, true, true), 1);
    EXPECT_EQ(RowNumber(0, 0, false, false), 1);
    EXPECT_EQ(RowNumber(4, 2, true, false), 2);
}

TEST(CellLayout, RecordsInEachFile) {
    EXPECT_EQ(RecordsInFile(5, 0, 0), 5);
    EXPECT_EQ(RecordsInFile(5, 2, 0), 2);
    EXPECT_EQ(RecordsInFile(5, 2, 1), 2);
    EXPECT_EQ(RecordsInFile(5, 2, 2), 1);
    EXPECT_EQ(RecordsInFile(4, 2, 2), 0);
}

TEST(CellLayout, ExtentOfEachLayout) {
    const Extent columnar = LayoutExtent(elColumnar, 12, 3, 2);
    EXPECT_EQ(columnar.Rows, 12);
    EXPECT_EQ(columnar.Cols, 4);
    EXPECT_EQ(columnar.WidthColumns, 3);
    EXPECT_FALSE(columnar.WidestWidth);
    const Extent reversed = LayoutExtent(elReversedColumnar, 12, 3, 2);
    EXPECT_EQ(reversed.Rows, 3);
    EXPECT_EQ(reversed.Cols, 13);
    EXPECT_EQ(reversed.WidthColumns, 13);
    EXPECT_TRUE(reversed.WidestWidth);
    const Extent tabular = LayoutExtent(elTabularForm, 12, 3, 2);
    EXPECT_EQ(tabular.Rows, 36);
    EXPECT_EQ(tabular.Cols, 4);
    EXPECT_EQ(tabular.WidthColumns, 3);
}

TEST(CellLayout, CellPlaces) {
    EXPECT_EQ(PlaceRecordCell(elColumnar, 5, 2).Row, 5);
    EXPECT_EQ(PlaceRecordCell(elColumnar, 5, 2).Col, 2);
    EXPECT_EQ(PlaceRecordCell(elReversedColumnar, 5, 2).Row, 2);
    EXPECT_EQ(PlaceRecordCell(elReversedColumnar, 5, 2).Col, 5);
}

TEST(CellLayout, NumberedFileNames) {
    EXPECT_EQ(NumberedFileName("/out/report.xls", 0), "/out/report.xls");
    EXPECT_EQ(NumberedFileName("/out/report.xls", 1), "/out/report001.xls");
    EXPECT_EQ(NumberedFileName("/out/report.xls", 99), "/out/report099.xls");
    EXPECT_EQ(NumberedFileName("/out/report.xls", 100), "/out/report100.xls");
    EXPECT_EQ(NumberedFileName("/out.d/report", 2), "/out.d/report002");
}

TEST(CellLayout, ColourStyleAlternates) {
    TColor color = 0x123456;
    AssignStyle(esNormal, 1, 2, 1, color);
    EXPECT_EQ(color, 0x123456);
    AssignStyle(esBrick, 0xCFDFDF, 0xA0BFBF, 1, color);
    EXPECT_EQ(color, 0xCFDFDF);
    AssignStyle(esBrick, 0xCFDFDF, 0xA0BFBF, 2, color);
    EXPECT_EQ(color, 0xA0BFBF);
}

} // namespace
