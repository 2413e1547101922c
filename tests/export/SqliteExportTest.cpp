// The dataset engine over the cases query of the office database: the search
// result exports as the cases area's exporter is set up.
#include "tests/export/ExportFixture.h"

#include "tests/grid/CaseDatabase.h"

namespace {

class SqliteExport : public exporttest::ExportFixture {};

TEST_F(SqliteExport, CaseSearchResultWithTheAreasColumns) {
    gridtest::CaseDatabase db(3);
    db.Db.SQLite3_ExecSQL(
        "update ugy set datum = '2024-05-0' || sorszam, leiras = 'Hagyaték ''' || sorszam || ''''", nullptr);
    TSqlite3Query* query =
        db.OpenCases("SELECT sorszam, nev, ev, szam, leiras, datum, ev||'/'||szam AS ugyszam, CASE status "
                     "WHEN 1 THEN 'aktív' "
                     "ELSE 'lezárt' END AS statusz FROM ugy WHERE 1 ORDER BY ev ASC, szam ASC");
    query->Last();
    Export->SetDataSet(query);
    const char* columns[][2] = {{"ev", "Év"},   {"szam", "Szám"},     {"statusz", "Státusz"},
                                {"nev", "Név"}, {"leiras", "Leírás"}, {"datum", "Dátum"}};
    for (const auto& column : columns)
        AddColumn(column[0], column[1]);
    Export->Columns()->Items(3)->SetDataType(ctMEMO);
    Export->Columns()->Items(4)->SetDataType(ctMEMO);
    Export->Execute();
    ASSERT_EQ(Export->GetExportResult(), erCompleted);
    const exporttest::CellMap cells = Cells();
    // ev 2000 + i % 20: cases 1..3 lie in 2001..2003, one per row.
    EXPECT_EQ(cells.at({0, 0}).Number, 2001);
    EXPECT_EQ(cells.at({0, 0}).Format, 2);
    EXPECT_EQ(cells.at({0, 1}).Code, 2);
    EXPECT_EQ(cells.at({0, 1}).Number, 1);
    EXPECT_EQ(cells.at({0, 2}).Text, "aktív");
    EXPECT_EQ(cells.at({1, 2}).Text, "lezárt");
    EXPECT_EQ(cells.at({2, 3}).Text, "Ügy 3");
    EXPECT_EQ(cells.at({2, 4}).Text, "Hagyaték '3'");
    EXPECT_EQ(cells.at({2, 5}).Format, 14);
    EXPECT_EQ(cells.at({2, 5}).Number, EncodeDate(2024, 5, 3));
    EXPECT_EQ(cells.count({3, 0}), 0u);
    // The query is left where the user had it.
    EXPECT_EQ(query->RecNo(), 3);
}

} // namespace
