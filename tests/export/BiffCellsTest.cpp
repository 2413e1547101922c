// Which record a cell becomes, with the export's formats in force.
#include "export/BiffCells.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

using biff::CellKind;
using biff::ConvertCell;

class BiffCells : public ::testing::Test {
protected:
    // The application's export formats: decimal comma, date separator ".".
    TFormatSettingsGuard FGuard{TFormatSettings::Hungarian()};
};

TEST_F(BiffCells, IntegersFitOnlyZeroTo255) {
    struct Row {
        const char* Text;
        CellKind Kind;
        TCellType Type;
        double Value;
    };
    const Row rows[] = {
        {"0", CellKind::Integer, ctInteger, 0},
        {"255", CellKind::Integer, ctInteger, 255},
        {"256", CellKind::Number, ctDouble, 256}, // past the byte range
        {"-1", CellKind::Number, ctDouble, -1},   // negative
        {"2024", CellKind::Number, ctDouble, 2024},
        {"abc", CellKind::Integer, ctInteger, 0},        // no integer reads as 0, which fits
        {"5000000000", CellKind::Number, ctDouble, 5e9}, // beyond 32 bits, not wrapped
    };
    for (const Row& row : rows) {
        const biff::CellValue cell = ConvertCell(ctInteger, row.Text, false, false);
        EXPECT_EQ(cell.Kind, row.Kind) << row.Text;
        EXPECT_EQ(cell.Type, row.Type) << row.Text;
        EXPECT_EQ(cell.Kind == CellKind::Integer ? cell.Integer : cell.Number, row.Value) << row.Text;
    }
}

TEST_F(BiffCells, BlanksAndMasks) {
    EXPECT_EQ(ConvertCell(ctDouble, "", false, false).Kind, CellKind::None);
    EXPECT_EQ(ConvertCell(ctDouble, "", false, true).Kind, CellKind::Blank);
    EXPECT_EQ(ConvertCell(ctBlank, "x", false, true).Kind, CellKind::Blank);
    // The field mask writes every cell as text, even an empty one.
    EXPECT_EQ(ConvertCell(ctInteger, "12", true, false).Kind, CellKind::Label);
    EXPECT_EQ(ConvertCell(ctDate, "", true, false).Kind, CellKind::Label);
    EXPECT_EQ(ConvertCell(ctMEMO, "long", false, false).Kind, CellKind::Label);
}

TEST_F(BiffCells, NumbersReadWithTheDecimalComma) {
    EXPECT_DOUBLE_EQ(ConvertCell(ctDouble, "12,45", false, false).Number, 12.45);
    EXPECT_DOUBLE_EQ(ConvertCell(ctCurrency, "1500", false, false).Number, 1500);
    // Unreadable numbers become 0 without an error.
    EXPECT_EQ(ConvertCell(ctDouble, "12.45.1", false, false).Number, 0.0);
    EXPECT_EQ(ConvertCell(ctDateTime, "nincs", false, false).Number, 0.0);
    EXPECT_EQ(ConvertCell(ctTime, "25:99", false, false).Number, 0.0);
}

TEST_F(BiffCells, DatesAndTimes) {
    const biff::CellValue date = ConvertCell(ctDate, "2024.03.15.", false, false);
    EXPECT_EQ(date.Kind, CellKind::Integer);
    EXPECT_EQ(date.Integer, static_cast<Word>(EncodeDate(2024, 3, 15)));
    const biff::CellValue time = ConvertCell(ctTime, "06:00", false, false);
    EXPECT_DOUBLE_EQ(time.Number, 0.25);
    const biff::CellValue stamp = ConvertCell(ctDateTime, "2024.03.15. 12:00", false, false);
    EXPECT_DOUBLE_EQ(stamp.Number, EncodeDate(2024, 3, 15) + 0.5);
}

TEST_F(BiffCells, DatesOutsideTheSixteenBitRangeKeepTheirValue) {
    // 2180 lies past day 65535; 1899-12-01 before day 0. Neither wraps.
    const biff::CellValue late = ConvertCell(ctDate, "2180.01.01.", false, false);
    EXPECT_EQ(late.Kind, CellKind::Number);
    EXPECT_EQ(late.Type, ctDate);
    EXPECT_EQ(late.Number, EncodeDate(2180, 1, 1));
    const biff::CellValue early = ConvertCell(ctDate, "1899.12.01.", false, false);
    EXPECT_EQ(early.Kind, CellKind::Number);
    EXPECT_EQ(early.Number, -29);
    // The last day that fits is still an INTEGER.
    EXPECT_EQ(ConvertCell(ctDate, "2079.06.04.", false, false).Kind, CellKind::Integer);
    EXPECT_EQ(ConvertCell(ctDate, "2079.06.05.", false, false).Kind, CellKind::Number);
}

TEST_F(BiffCells, AnInvalidDateRaises) {
    EXPECT_EQ(ErrorOf<EConvertError>([] { ConvertCell(ctDate, "2024.13.45.", false, false); }),
              "'2024.13.45.' is not a valid date");
}

TEST(BiffCellAttributes, FormatIndexAndAlignment) {
    EXPECT_EQ(biff::FormatIndexOf(ctInteger), 1);
    EXPECT_EQ(biff::FormatIndexOf(ctDouble), 2);
    EXPECT_EQ(biff::FormatIndexOf(ctCurrency), 7);
    EXPECT_EQ(biff::FormatIndexOf(ctDate), 14);
    EXPECT_EQ(biff::FormatIndexOf(ctTime), 18);
    EXPECT_EQ(biff::FormatIndexOf(ctDateTime), 22);
    EXPECT_EQ(biff::FormatIndexOf(ctString), 0);
    EXPECT_EQ(biff::AlignmentByte(taLeftJustify), 1);
    EXPECT_EQ(biff::AlignmentByte(taCenter), 2);
    EXPECT_EQ(biff::AlignmentByte(taRightJustify), 3);
}

} // namespace
