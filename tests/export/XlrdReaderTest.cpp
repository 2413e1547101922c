// The written worksheet read back by an independent reader (python3-xlrd):
// Hungarian text, integers, numbers, dates and blanks come back as written.
#include "tests/export/ExportFixture.h"

#include "tests/support/PythonTools.h"

namespace {

class XlrdReader : public exporttest::ExportFixture {};

TEST_F(XlrdReader, ReadsBackWhatWasWritten) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    Data->AppendRow({Int64(7), "őűŐŰáé", EncodeDate(2024, 3, 15), 1234.5});
    Data->AppendRow({Int64(2024), "Kiss & Társa", EncodeDate(2180, 1, 1), {}});
    Data->Open();
    AddColumn("ev", "Év");
    AddColumn("nev", "Név", 30);
    AddColumn("datum", "Dátum", 12);
    AddColumn("osszeg", "Összeg");
    Export->SetAddTitle(true);
    Export->SetOptions(Export->Options() + TVgOptions{soBlankRowAfterCaptions, soExportBlankValues});
    Export->Execute();
    ASSERT_EQ(Export->GetExportResult(), erCompleted);

    const std::string script = File("read.py");
    WriteFileBytes(script, R"(import sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sheet = book.sheet_by_index(0)
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype == xlrd.XL_CELL_EMPTY:
            continue
        value = cell.value
        if cell.ctype == xlrd.XL_CELL_DATE:
            value = xlrd.xldate.xldate_as_datetime(value, book.datemode).strftime('%Y-%m-%d')
        print(r, c, cell.ctype, value)
)");
    const std::string out = CommandOutput(SystemPython() + " '" + script + "' '" + File("cases.xls") + "'");
    EXPECT_EQ(out, "0 0 1 Év\n"
                   "0 1 1 Név\n"
                   "0 2 1 Dátum\n"
                   "0 3 1 Összeg\n"
                   "1 0 6 \n"
                   "1 1 6 \n"
                   "1 2 6 \n"
                   "1 3 6 \n"
                   "2 0 2 7.0\n"
                   "2 1 1 őűŐŰáé\n"
                   "2 2 3 2024-03-15\n"
                   "2 3 2 1234.5\n"
                   "3 0 2 2024.0\n"
                   "3 1 1 Kiss & Társa\n"
                   "3 2 3 2180-01-01\n"
                   "3 3 6 \n");
}

} // namespace
