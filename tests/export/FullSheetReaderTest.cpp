// A worksheet filled to its last row, opened by an independent reader (LibreOffice;
// python3-xlrd refuses files of this version past 16,384 rows): the case search of
// 65,536 cases, exported as the cases area's exporter is set up, keeps every row
// and every Hungarian accented letter.
#include "tests/export/ExportFixture.h"

#include "tests/grid/CaseDatabase.h"
#include "tests/support/OfficeReader.h"

#include <sstream>

namespace {

class FullSheetReader : public exporttest::ExportFixture {};

TEST_F(FullSheetReader, EveryRowOfAFullWorksheetOpensWithItsAccents) {
    constexpr int rows = 65536;
    gridtest::CaseDatabase db(rows);
    db.Db.SQLite3_ExecSQL("update ugy set nev = 'Árvíztűrő tükörfúrógép ' || szam || ' ŐŰ őű – ÁÉÍÓÖÚÜ'",
                          nullptr);
    Export->SetDataSet(db.OpenCases("SELECT szam, nev FROM ugy ORDER BY szam"));
    // As the cases area's exporter: no title row, the name as a memo.
    AddColumn("szam", "Szám")->SetDataType(ctInteger);
    AddColumn("nev", "Név")->SetDataType(ctMEMO);
    Export->Execute();
    ASSERT_EQ(Export->GetExportResult(), erCompleted);

    const OfficeConversion csv =
        ConvertWithOffice(File("cases.xls"), "csv:Text - txt - csv (StarCalc):44,34,76");
    SKIP_WITHOUT_TOOL(csv.Missing);
    ASSERT_FALSE(csv.File.empty()) << csv.Log;
    std::vector<std::string> lines;
    std::istringstream text(ReadFileBytes(csv.File));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), std::size_t(rows));
    for (int n = 1; n <= rows; ++n) {
        const std::string number = std::to_string(n);
        ASSERT_EQ(lines[std::size_t(n - 1)],
                  number + ",Árvíztűrő tükörfúrógép " + number + " ŐŰ őű – ÁÉÍÓÖÚÜ");
    }
}

} // namespace
