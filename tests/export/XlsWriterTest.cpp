// Whole worksheet files: the record order, the fonts and the row limit.
#include "tests/export/ExportFixture.h"

#include "export/ExportErrors.h"
#include "export/VgEEngine.h"
#include "platform/graphics/TFont.h"

namespace {

using exporttest::ExportFixture;
using exporttest::Hex;
using exporttest::ReadRecords;

class XlsWriter : public ExportFixture {};

TEST_F(XlsWriter, AnEmptyListWithTitlesHoldsTheFrameAndTitlesOnly) {
    Data->Open();
    AddColumn("ev", "Év", 10);
    AddColumn("nev", "Név", 0);
    Export->SetAddTitle(true);
    Export->Execute();
    const auto records = ReadRecords(Written());
    // BOF, CODEPAGE, 36 FORMAT, DIMENSIONS, one COLWIDTH (width 0 writes none),
    // two title labels, EOF.
    ASSERT_EQ(records.size(), 1u + 1 + 36 + 1 + 1 + 2 + 1);
    EXPECT_EQ(records[0].Code, 0x0809);
    EXPECT_EQ(Hex(records[0].Body), "00 00 10 00 BB 0D");
    EXPECT_EQ(records[1].Code, 0x0042);
    EXPECT_EQ(Hex(records[1].Body), "E2 04");
    for (int i = 2; i < 38; ++i)
        EXPECT_EQ(records[static_cast<std::size_t>(i)].Code, 0x041E);
    // The date formats are the process's short date format, the currency the export's.
    EXPECT_EQ(records[2 + 7].Body.substr(3), "00.00Ft");
    EXPECT_EQ(records[2 + 14].Body.substr(3), "yyyy.MM.dd.");
    EXPECT_EQ(Hex(records[38].Body), "00 00 01 00 00 00 02 00 00 00");
    EXPECT_EQ(Hex(records[39].Body), "00 00 00 0C");
    EXPECT_EQ(records[40].Code, 0x0004);
    EXPECT_EQ(records[41].Code, 0x0004);
    EXPECT_EQ(records.back().Code, 0x000A);
    EXPECT_TRUE(records.back().Body.empty());
}

TEST_F(XlsWriter, WithoutColoursAndFontsThereIsNoFontRecord) {
    AddCases(2);
    AddColumn("nev", "Név");
    Export->Execute();
    for (const auto& r : ReadRecords(Written()))
        EXPECT_NE(r.Code, 0x0031);
    EXPECT_EQ(Cells().at({0, 0}).Font, 0);
}

TEST_F(XlsWriter, FourFontsAtMostThenTheDefault) {
    AddCases(1);
    const char* faces[] = {"Arial", "Times New Roman", "Courier New", "Tahoma", "Verdana"};
    for (const char* face : faces) {
        TVgEColumn* column = AddColumn("nev", "Név");
        column->Font()->SetName(face);
        column->Font()->SetSize(face == faces[0] ? 8 : 10);
    }
    Export->Columns()->Items(1)->Font()->SetStyle(TFontStyles{fsBold, fsItalic});
    Export->SetOptions(Export->Options() + TVgOptions{soColorsFonts});
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Font, 0); // "Arial" 8 is the table's default
    EXPECT_EQ(cells.at({0, 1}).Font, 1);
    EXPECT_EQ(cells.at({0, 2}).Font, 2);
    EXPECT_EQ(cells.at({0, 3}).Font, 3);
    EXPECT_EQ(cells.at({0, 4}).Font, 0); // the table is full
    std::vector<std::string> fonts;
    const auto records = ReadRecords(Written());
    for (const auto& r : records)
        if (r.Code == 0x0031) fonts.push_back(Hex(r.Body.substr(0, 4)) + " " + r.Body.substr(5));
    EXPECT_EQ(fonts, (std::vector<std::string>{"A0 00 00 00 Arial", "C8 00 03 00 Times New Roman",
                                               "C8 00 00 00 Courier New", "C8 00 00 00 Tahoma"}));
    // The fonts come last, just before the end.
    EXPECT_EQ(records[records.size() - 2].Code, 0x0031);
}

class ManyRows : public ExportFixture {
protected:
    void Run(Integer Rows) {
        FEngine.OnCount = [Rows](TObject*, Integer& Count) { Count = Rows; };
        FEngine.OnGetValue = [](TObject*, TVgEColumn*, Variant& Value) { Value = 1; };
        Export->SetColumnSource(csDataEngine);
        Export->SetDataEngine(&FEngine);
        AddColumn("n", "N")->SetDataType(ctInteger);
        Export->Footer()->Add("vége");
        Export->Execute();
    }
    TVgEVirtualDataEngine FEngine{nullptr};
};

TEST_F(ManyRows, SixtyFiveThousandFiveHundredThirtySixRowsFit) {
    Run(65536);
    EXPECT_EQ(Export->GetExportResult(), erCompleted);
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.count({65535, 0}), 1u);
    // The footer line has no row left and is dropped; the file still ends properly.
    const auto records = ReadRecords(Written());
    EXPECT_EQ(records.back().Code, 0x000A);
    EXPECT_EQ(exporttest::Word16(records[38].Body, 2), 0xFFFF);
}

TEST_F(ManyRows, OneMoreRowFailsWithTheLimitAndKeepsAReadableFile) {
    Run(65537);
    EXPECT_EQ(Export->GetExportResult(), erFailed);
    ASSERT_EQ(Dialogs.size(), 1u);
    // The user is told what the file holds, with the progress window out of the way.
    EXPECT_EQ(Dialogs[0].Text,
              "Egy munkalapra legfeljebb 65 536 sor fér, ezért a(z) „" + File("cases.xls") +
                  "” fájl csak az első 65 536 sort tartalmazza; a többi sor nem került bele.");
    EXPECT_FALSE(ProgressOpenAtDialog[0]);
    const auto records = ReadRecords(Written());
    EXPECT_EQ(records.back().Code, 0x000A);
    EXPECT_EQ(Cells().count({65535, 0}), 1u);
    EXPECT_EQ(FileNamesIn(FFolder.Path()), std::vector<std::string>{"cases.xls"});
    // A caller of SaveToStream gets the limit itself.
    TMemoryStream stream;
    EXPECT_THROW(Export->SaveToStream(&stream), vge::ERowLimit);
}

TEST(XlsWriterColours, PaletteIndexResolvesSystemColours) {
    EXPECT_EQ(TVgExportToXLS::GetXLSIndexByColor(clWhite), 8);
    EXPECT_EQ(TVgExportToXLS::GetXLSIndexByColor(clSilver), 16);
    EXPECT_EQ(TVgExportToXLS::GetXLSIndexByColor(clWindowText), 1);
}

TEST(XlsWriterSettings, ConstructorDefaults) {
    TVgExportToXLS writer(nullptr);
    EXPECT_EQ(writer.TableType(), teXLS);
    EXPECT_EQ(writer.ExcelVersion(), exvExcel5);
    EXPECT_EQ(writer.KeyGenerator(), "VgExport 4.77");
    EXPECT_TRUE(writer.AnimatedStatus());
    EXPECT_TRUE(writer.ExportIfEmpty());
    EXPECT_EQ(writer.Options(),
              (TVgOptions{soShowMessage, soWaitCursor, soDisableControls, soColLines, soRowLines}));
    EXPECT_EQ(writer.ColumnSource(), csDBGrid);
    EXPECT_EQ(ExtractFileName(writer.FileName()), "VgExport.XLS");
    EXPECT_EQ(writer.Statistic()->UpdateStep(), 1);
    // Changing the table type changes the file name's extension.
    writer.SetTableType(teText);
    EXPECT_EQ(ExtractFileName(writer.FileName()), "VgExport.TXT");
}

} // namespace
