// The compound workbook: container, globals, the sample worksheet, and the
// failures that leave no file.
#include "tests/export/ExportFixture.h"

#include "platform/core/CompoundFile.h"
#include "tests/support/ErrorOf.h"

#include "tests/support/PythonTools.h"

#include <filesystem>

namespace {

using exporttest::Hex;
using exporttest::ReadRecords;

std::uint32_t U32(const std::string& s, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, s.data() + at, 4);
    return v;
}

// The "Book" stream of a workbook this writer made: the second directory entry,
// in the mini stream, whose sectors follow one another.
std::string BookStream(const std::string& File) {
    const std::size_t dir = 512 * (std::size_t{U32(File, 48)} + 1);
    const std::size_t mini = 512 * (std::size_t{U32(File, dir + 116)} + 1);
    return File.substr(mini + 64 * std::size_t{U32(File, dir + 128 + 116)}, U32(File, dir + 128 + 120));
}

class Workbook : public exporttest::ExportFixture {
protected:
    Workbook() { Export->SetFileName(File("book.xls")); }
};

TEST_F(Workbook, GlobalsThenTheSampleWorksheet) {
    Export->SaveToWorkbook();
    const std::string book = BookStream(Written("book.xls"));
    EXPECT_EQ(Hex(book.substr(0, 10)), "09 08 06 00 00 05 05 00 00 00");
    const auto records = ReadRecords(book);
    const std::vector<Word> globals = {0x0809, 0x005C, 0x0042, 0x009C, 0x0040,
                                       0x008D, 0x0022, 0x000E, 0x01B7, 0x00DA};
    ASSERT_GE(records.size(), 49u + 10u);
    for (std::size_t i = 0; i < globals.size(); ++i)
        EXPECT_EQ(records[i].Code, globals[i]) << i;
    for (std::size_t i = 10; i < 46; ++i)
        EXPECT_EQ(records[i].Code, 0x041E) << i;
    EXPECT_EQ(Hex(records[2].Body), "E2 04"); // code page 1250
    EXPECT_EQ(records[1].Body, std::string(1, '\0') + std::string(30, ' ') + std::string(1, '\0'));
    const auto& sheet = records[46];
    EXPECT_EQ(sheet.Code, 0x0085);
    ASSERT_EQ(sheet.Body.size(), 13u);
    EXPECT_EQ(sheet.Body.substr(7), "Sheet1");
    EXPECT_EQ(records[47].Code, 0x008C);
    EXPECT_EQ(records[48].Code, 0x000A);
    // The sheet's position is where its beginning record stands.
    const std::uint32_t offset = U32(sheet.Body, 0);
    EXPECT_EQ(Hex(book.substr(offset, 8)), "09 08 06 00 00 05 10 00");
    const auto worksheet = ReadRecords(book.substr(offset));
    std::vector<Word> codes = exporttest::Codes(worksheet);
    EXPECT_EQ(codes, (std::vector<Word>{0x0809, 0x007D, 0x007D, 0x007D, 0x0200, 0x0004, 0x0003, 0x0002,
                                        0x0004, 0x000A}));
    EXPECT_EQ(Hex(worksheet[2].Body), "01 00 01 00 C8 00 00 00 00 00 00 00");
    EXPECT_EQ(Hex(worksheet[4].Body), "00 00 02 00 00 00 02 00 00 00");
    const exporttest::CellMap cells = exporttest::ReadCells(book.substr(offset));
    EXPECT_EQ(cells.at({0, 0}).Text, "aaaaa");
    EXPECT_EQ(cells.at({0, 0}).Alignment, 1);
    EXPECT_DOUBLE_EQ(cells.at({1, 0}).Number, 12.45);
    EXPECT_EQ(cells.at({1, 0}).Format, 2);
    EXPECT_EQ(cells.at({1, 1}).Number, 2);
    EXPECT_EQ(cells.at({0, 1}).Text, "bbbbbb");
}

TEST_F(Workbook, ADecimalPointReadsTheSampleNumberAsZero) {
    FormatSettings.DecimalSeparator = ".";
    Export->SaveToWorkbook();
    const std::string book = BookStream(Written("book.xls"));
    const exporttest::CellMap cells = exporttest::ReadCells(book.substr(U32(ReadRecords(book)[46].Body, 0)));
    EXPECT_EQ(cells.at({1, 0}).Number, 0.0);
}

TEST_F(Workbook, EarlierVersionsAreRefusedBeforeAFileExists) {
    Export->SetExcelVersion(exvExcel4);
    EXPECT_EQ(ErrorOf<Exception>([&] { Export->SaveToWorkbook(); }),
              "Version number for MS Excel workbook must be greater than 5");
    EXPECT_FALSE(FileExists(File("book.xls")));
}

TEST_F(Workbook, AMissingFolderRaisesAndCreatesNothing) {
    Export->SetFileName(File("nincs/book.xls"));
    std::uint32_t code = 0;
    try {
        Export->SaveToWorkbook();
    } catch (const EOleSysError& e) {
        code = e.ErrorCode();
    }
    EXPECT_EQ(code, STG_E_PATHNOTFOUND);
    EXPECT_FALSE(std::filesystem::exists(File("nincs")));
}

TEST_F(Workbook, AnExistingFileIsReplacedAndExecuteWritesPlainFilesAfterwards) {
    WriteFileBytes(File("book.xls"), "régi tartalom");
    Export->SaveToWorkbook();
    EXPECT_EQ(Written("book.xls").substr(0, 4), "\xD0\xCF\x11\xE0");
    AddCases(1);
    Export->SetFileName(File("plain.xls"));
    Export->Execute();
    EXPECT_EQ(Hex(Written("plain.xls").substr(0, 10)), "09 08 06 00 00 00 10 00 BB 0D");
    EXPECT_EQ(Cells("plain.xls").at({0, 1}).Text, "Ügy 1");
}

TEST_F(Workbook, IndependentReadersOpenIt) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("olefile"));
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    Export->SaveToWorkbook();
    const std::string file = File("book.xls");
    EXPECT_EQ(CommandOutput(SystemPython() +
                            " -c \"import olefile,sys; o=olefile.OleFileIO(sys.argv[1]); "
                            "print(o.listdir(), o.openstream('Book').read()[:10].hex())\" '" +
                            file + "'"),
              "[['Book']] 09080600000505000000\n");
    // The reader finds the worksheet through the position in BOUNDSHEET. It
    // reads cells of this generation's own record kinds only, so the sample
    // cells (the older kinds every plain export writes) are checked above.
    EXPECT_EQ(CommandOutput(SystemPython() +
                            " -c \"import xlrd,sys; b=xlrd.open_workbook(sys.argv[1]); "
                            "print(b.biff_version, b.sheet_names(), b.sheet_by_index(0).name)\" '" +
                            file + "'"),
              "50 ['Sheet1'] Sheet1\n");
}

} // namespace
