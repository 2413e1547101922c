// The export run from Execute to the written cells: layouts, titles, records,
// files, cancellation and the process-wide formats.
#include "tests/export/ExportFixture.h"

#include "export/VgEEngine.h"
#include "platform/core/TStrings.h"
#include "platform/ui/MessageDialogs.h"

#include <limits>

namespace {

using exporttest::Cell;
using exporttest::ExportFixture;

class Pipeline : public ExportFixture {
protected:
    void ThreeColumns() {
        AddColumn("ev", "Év");
        AddColumn("nev", "Név", 30);
        AddColumn("datum", "Dátum", 12);
        AddColumn("osszeg", "Összeg");
    }
};

TEST_F(Pipeline, ColumnarWithTitlesAndABlankRowAfterThem) {
    AddCases(3);
    ThreeColumns();
    Export->SetAddTitle(true);
    Export->SetOptions(Export->Options() + TVgOptions{soBlankRowAfterCaptions, soExportBlankValues});
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erCompleted);
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Text, "Év");
    EXPECT_EQ(cells.at({0, 1}).Text, "Név");
    EXPECT_EQ(cells.at({1, 0}).Code, 1); // the blank row
    EXPECT_EQ(cells.at({1, 3}).Alignment, 2);
    const Cell& year = cells.at({2, 0});
    EXPECT_EQ(year.Code, 3);
    EXPECT_EQ(year.Number, 2001);
    EXPECT_EQ(year.Format, 2);
    EXPECT_EQ(cells.at({2, 1}).Text, "Ügy 1");
    EXPECT_EQ(cells.at({2, 2}).Code, 2);
    EXPECT_EQ(cells.at({2, 2}).Format, 14);
    EXPECT_EQ(cells.at({2, 2}).Number, EncodeDate(2024, 1, 2));
    EXPECT_EQ(cells.at({4, 3}).Number, 4.5);
    EXPECT_EQ(cells.count({5, 0}), 0u);
    EXPECT_EQ(Export->GetExportedRecordCount(), 2 + 3);
}

TEST_F(Pipeline, InvisibleColumnsTakeNoPosition) {
    AddCases(1);
    ThreeColumns();
    Export->Columns()->Items(1)->SetVisible(false);
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Number, 2001);
    EXPECT_EQ(cells.at({0, 1}).Format, 14);
    EXPECT_EQ(cells.at({0, 2}).Number, 1.5);
    EXPECT_EQ(cells.count({0, 3}), 0u);
}

TEST_F(Pipeline, ReversedColumnarPutsARecordInAColumn) {
    AddCases(2);
    ThreeColumns();
    Export->SetAddTitle(true);
    Export->SetLayout(elReversedColumnar);
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Text, "Év");
    EXPECT_EQ(cells.at({1, 0}).Text, "Név");
    EXPECT_EQ(cells.at({1, 1}).Text, "Ügy 1");
    EXPECT_EQ(cells.at({1, 2}).Text, "Ügy 2");
    EXPECT_EQ(cells.at({3, 2}).Number, 3.0);
}

TEST_F(Pipeline, TabularFormWithoutTitlesStacksValuesInColumnZero) {
    AddCases(2);
    AddColumn("ev", "Év");
    AddColumn("nev", "Név");
    Export->SetLayout(elTabularForm);
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Number, 2001);
    EXPECT_EQ(cells.at({1, 0}).Text, "Ügy 1");
    // One empty line between records.
    EXPECT_EQ(cells.count({2, 0}), 0u);
    EXPECT_EQ(cells.at({3, 0}).Number, 2002);
    EXPECT_EQ(cells.at({4, 0}).Text, "Ügy 2");
}

TEST_F(Pipeline, ARefusedRecordLeavesNoRowAndIsNotCounted) {
    AddCases(3);
    AddColumn("nev", "Név");
    Export->OnBeforeRecord = [this](TObject*, bool& Accept) {
        Accept = Data->FieldByName("ev")->AsInteger() != 2002;
    };
    std::vector<Integer> progress;
    Export->OnProgress = [&](TObject*, Integer Cur, Integer, bool&) { progress.push_back(Cur); };
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Text, "Ügy 1");
    EXPECT_EQ(cells.at({1, 0}).Text, "Ügy 3");
    EXPECT_EQ(cells.size(), 2u);
    // Two records and the closing call with the record count.
    EXPECT_EQ(progress, (std::vector<Integer>{0, 1, 3}));
}

TEST_F(Pipeline, RowsPerFileSplitsIntoNumberedFilesEachComplete) {
    AddCases(5);
    AddColumn("nev", "Név");
    Export->SetAddTitle(true);
    Export->SetRowsPerFile(2);
    Export->Execute();
    const char* names[] = {"cases.xls", "cases001.xls", "cases002.xls"};
    const int records[] = {2, 2, 1};
    for (int f = 0; f < 3; ++f) {
        const std::string bytes = Written(names[f]);
        const auto records_ = exporttest::ReadRecords(bytes);
        ASSERT_FALSE(records_.empty()) << names[f];
        EXPECT_EQ(records_.back().Code, 0x000A) << names[f];
        // Each file's dimensions count its own rows: titles and its records.
        for (const auto& r : records_) {
            if (r.Code == 0x0200) {
                EXPECT_EQ(exporttest::Word16(r.Body, 2), 1 + records[f]) << names[f];
            }
        }
        const exporttest::CellMap cells = exporttest::ReadCells(bytes);
        EXPECT_EQ(cells.at({0, 0}).Text, "Név") << names[f];
        EXPECT_EQ(cells.at({1, 0}).Text, "Ügy " + std::to_string(2 * f + 1)) << names[f];
    }
}

TEST_F(Pipeline, CancelFromTheProgressWindowKeepsACompleteFile) {
    AddCases(5);
    AddColumn("nev", "Név");
    Progress.CancelAfter = 2;
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erCanceled);
    EXPECT_EQ(Cells().size(), 2u);
    EXPECT_EQ(exporttest::ReadRecords(Written()).back().Code, 0x000A);
    EXPECT_EQ(Progress.Texts.back(), "Data export was canceled by user. (5/5)");
    EXPECT_TRUE(Progress.Destroyed);
}

TEST_F(Pipeline, AfterRecordAbortCancelsAfterTheCurrentRecord) {
    AddCases(4);
    AddColumn("nev", "Név");
    Export->SetAnimatedStatus(false);
    Export->OnAfterRecord = [](TObject*, bool& Abort) { Abort = true; };
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erCanceled);
    EXPECT_EQ(Cells().size(), 1u);
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text, "Data export was canceled by user.");
}

TEST_F(Pipeline, ProcessFormatsAreTheExportsOnlyWhileItRuns) {
    FormatSettings.DecimalSeparator = ".";
    FormatSettings.ThousandSeparator = ",";
    FormatSettings.DateSeparator = "-";
    FormatSettings.TimeSeparator = ";";
    FormatSettings.CurrencyString = "$";
    const TFormatSettings before = FormatSettings;
    AddCases(2);
    AddColumn("osszeg", "Összeg");
    TFormatSettings during;
    Export->OnBeforeRecord = [&](TObject*, bool&) { during = FormatSettings; };
    Export->Execute();
    EXPECT_EQ(during.DecimalSeparator, ",");
    EXPECT_EQ(during.ThousandSeparator, "\u00A0");
    EXPECT_EQ(during.DateSeparator, ".");
    EXPECT_EQ(during.CurrencyString, "Ft");
    EXPECT_EQ(FormatSettings, before);

    // A failure in the middle of the run, and a cancelled run, restore them too.
    Export->OnBeforeRecord = [](TObject*, bool&) { throw Exception("megszakadt"); };
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erFailed);
    EXPECT_EQ(FormatSettings, before);
    Export->OnBeforeRecord = nullptr;
    Progress.CancelAfter = 1;
    Progress.Texts.clear();
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erCanceled);
    EXPECT_EQ(FormatSettings, before);
}

TEST_F(Pipeline, AMissingDatasetFailsBeforeAnythingIsTouched) {
    const TFormatSettings before = FormatSettings;
    Export->SetDataSet(nullptr);
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erFailed);
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text, "Error of data export.: Property Dataset is not specified.");
    EXPECT_EQ(Dialogs[0].Icon, ui::DialogIcon::Information);
    EXPECT_FALSE(Progress.Started);
    EXPECT_EQ(FormatSettings, before);
    EXPECT_FALSE(FileExists(File("cases.xls")));
}

TEST_F(Pipeline, MissingSourcesNameTheirProperty) {
    Export->SetColumnSource(csDBGrid);
    Export->Execute();
    Export->SetColumnSource(csDataEngine);
    Export->Execute();
    ASSERT_EQ(Dialogs.size(), 2u);
    EXPECT_EQ(Dialogs[0].Text, "Error of data export.: Property DBGrid is not specified.");
    EXPECT_EQ(Dialogs[1].Text, "Error of data export.: Property DataEngine is not specified.");
}

TEST_F(Pipeline, AFileNameWithoutExtensionGetsXls) {
    AddCases(1);
    Export->SetFileName(File("lista"));
    Export->Execute();
    EXPECT_EQ(Export->FileName(), File("lista.XLS"));
    EXPECT_TRUE(FileExists(File("lista.XLS")));
}

TEST_F(Pipeline, CompletionMessageOnlyWithoutTheProgressWindow) {
    AddCases(3);
    Export->Execute();
    EXPECT_TRUE(Dialogs.empty());
    EXPECT_EQ(Progress.Caption, "VgExport 4.77");
    EXPECT_EQ(Progress.Max, 3);
    EXPECT_EQ(Progress.Texts.back(),
              "The " + File("cases.xls") + " file was successfully generated with exported data. (3/3)");
    Export->SetAnimatedStatus(false);
    Export->Execute();
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text,
              "The " + File("cases.xls") + " file was successfully generated with exported data.");
}

TEST_F(Pipeline, NoRecordsAndNoExportIfEmptyWritesNoFileAndSaysSo) {
    Data->Open();
    Export->SetExportIfEmpty(false);
    Export->SetAnimatedStatus(false);
    Export->SetActionAfterExport(aeOpenView);
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erCompleted);
    EXPECT_FALSE(FileExists(File("cases.xls")));
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text, "Data export was successfully completed.");
}

TEST_F(Pipeline, DefaultColumnsComeFromTheFieldsAndGoAfterTheRun) {
    AddCases(1);
    Export->Execute();
    EXPECT_EQ(Export->Columns()->Count(), 0);
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Number, 2001);
    EXPECT_EQ(cells.at({0, 1}).Text, "Ügy 1");
    EXPECT_EQ(cells.at({0, 3}).Number, 1.5);
}

TEST_F(Pipeline, ColourStyleAlternatesTitleAndDataRows) {
    AddCases(3);
    AddColumn("nev", "Név");
    Export->SetAddTitle(true);
    Export->ExportStyle()->SetStyle(esBrick);
    std::vector<TColor> colors;
    Export->OnGetCellParams = [&](TObject*, TField*, String&, TFont*, TAlignment&, TColor& Background,
                                  TCellType&) { colors.push_back(Background); };
    Export->Execute();
    EXPECT_EQ(colors, (std::vector<TColor>{0xCFDFDF, 0xA0BFBF, 0xCFDFDF, 0xA0BFBF}));
}

TEST_F(Pipeline, SystemValuesAndConstants) {
    AddCases(2);
    TVgEColumn* number = AddColumn("ROWNO", "Sor");
    number->SetColumnKind(ckSysVar);
    number->SetDataType(ctInteger);
    TVgEColumn* constant = AddColumn("állandó", "Szöveg");
    constant->SetColumnKind(ckConstant);
    Export->SetAddTitle(true);
    Export->SetOptions(Export->Options() + TVgOptions{soBlankRowAfterCaptions});
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({2, 0}).Number, 1);
    EXPECT_EQ(cells.at({3, 0}).Number, 2);
    EXPECT_EQ(cells.at({3, 1}).Text, "állandó");
}

TEST_F(Pipeline, HeaderAndFooterLinesGoToTheSecondColumn) {
    AddCases(2);
    AddColumn("nev", "Név");
    Export->Header()->Add("Ügyek listája");
    Export->Footer()->Add("Vége");
    Export->SetAddTitle(true);
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 1}).Text, "Ügyek listája");
    EXPECT_EQ(cells.at({1, 0}).Text, "Név");
    EXPECT_EQ(cells.at({2, 0}).Text, "Ügy 1");
    EXPECT_EQ(cells.at({4, 1}).Text, "Vége");
}

TEST_F(Pipeline, BandsAboveTheTitles) {
    AddCases(1);
    AddColumn("ev", "Év")->SetBandIndex(0);
    AddColumn("nev", "Név")->SetBandIndex(0);
    AddColumn("osszeg", "Összeg");
    Export->Bands()->Add()->SetCaption("Ügy");
    Export->SetAddTitle(true);
    Export->SetOptions(Export->Options() + TVgOptions{soExportBands, soExportBlankValues});
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Text, "Ügy");
    EXPECT_EQ(cells.count({0, 1}), 0u); // merged into the band cell
    EXPECT_EQ(cells.at({0, 2}).Code, 1);
    EXPECT_EQ(cells.at({1, 2}).Text, "Összeg");
    EXPECT_EQ(cells.at({2, 0}).Number, 2001);
}

TEST_F(Pipeline, ABandAfterAnInvisibleColumnStaysAboveItsColumns) {
    AddCases(1);
    AddColumn("ev", "Év")->SetVisible(false);
    AddColumn("nev", "Név")->SetBandIndex(0);
    Export->Bands()->Add()->SetCaption("Ügy");
    Export->SetAddTitle(true);
    Export->SetOptions(Export->Options() + TVgOptions{soExportBands});
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Text, "Ügy");
    EXPECT_EQ(cells.at({1, 0}).Text, "Név");
}

TEST_F(Pipeline, BandsWithoutColumnsGiveABlankBandRow) {
    AddCases(1);
    AddColumn("nev", "Név");
    Export->Bands()->Add()->SetCaption("Nincs");
    Export->SetAddTitle(true);
    Export->SetOptions(Export->Options() + TVgOptions{soExportBands});
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.count({0, 0}), 0u); // blank cells are not written by default
    EXPECT_EQ(cells.at({1, 0}).Text, "Név");
    EXPECT_EQ(cells.at({2, 0}).Text, "Ügy 1");
}

TEST_F(Pipeline, TheDatasetPositionIsRestoredAfterSuccessAndFailure) {
    AddCases(4);
    AddColumn("nev", "Név");
    Data->First();
    Data->Next();
    Export->Execute();
    EXPECT_EQ(Data->RecNo(), 2);
    Export->OnGetCellParams = [](TObject*, TField*, String& Text, TFont*, TAlignment&, TColor&,
                                 TCellType& Type) {
        Type = ctDate;
        Text = "nem dátum";
    };
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erFailed);
    EXPECT_EQ(Dialogs.back().Text, "Error of data export.: 'nem dátum' is not a valid date");
    EXPECT_EQ(Data->RecNo(), 2);
    // The file that was open is completed all the same.
    EXPECT_EQ(exporttest::ReadRecords(Written()).back().Code, 0x000A);
}

TEST_F(Pipeline, BlankIfZeroAndTheFieldMask) {
    Data->AppendRow({Int64(0), "Nulla", 0.0, 0.0});
    Data->AppendRow({Int64(7), "Hét", EncodeDate(2024, 2, 1), 2.5});
    Data->Open();
    AddColumn("ev", "Év");
    AddColumn("datum", "Dátum");
    AddColumn("osszeg", "Összeg");
    Export->SetBlankIfZero(true);
    Export->Execute();
    exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.count({0, 0}) + cells.count({0, 1}) + cells.count({0, 2}), 0u);
    EXPECT_EQ(cells.at({1, 0}).Number, 7);
    Export->SetBlankIfZero(false);
    Export->SetOptions(Export->Options() + TVgOptions{soFieldMask});
    Export->Execute();
    cells = Cells();
    EXPECT_EQ(cells.at({1, 0}).Text, "7");
    EXPECT_EQ(cells.at({1, 1}).Text, "2024.02.01.");
    EXPECT_EQ(cells.at({1, 2}).Text, "2,5");
}

TEST_F(Pipeline, LanguageHookChangesMessagesButNotTheDialogFailure) {
    AddCases(3);
    Export->OnGetLanguageString = [](TObject*, Integer Id, String& Text) {
        if (Id == 16) Text = "Az exportálást megszakította.";
        if (Id == 9) Text = "nem ez";
    };
    Progress.CancelAfter = 1;
    Export->Execute();
    EXPECT_EQ(Progress.Texts.back(), "Az exportálást megszakította. (3/3)");
    vge::SetProgressDialogFactory(
        []() -> std::unique_ptr<vge::ProgressDialog> { throw Exception("no window"); });
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erCompleted);
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text, "Can't create a process dialog");
    EXPECT_EQ(Dialogs[0].Icon, ui::DialogIcon::Stop);
    EXPECT_EQ(Export->GetLanguageString(49), "");
    EXPECT_EQ(Export->GetLanguageString(146), "");
}

TEST_F(Pipeline, UpdateStepThinsTheProgressTexts) {
    AddCases(25);
    Export->Statistic()->SetUpdateStep(10);
    Export->Execute();
    // Records 0, 10 and 20 are shown; the closing text (25 is no multiple) is not.
    EXPECT_EQ(Progress.Texts,
              (std::vector<String>{"Exporting... (0/25)", "Exporting... (10/25)", "Exporting... (20/25)"}));
}

TEST_F(Pipeline, AnEmptyListHidesTheBarAndEndsAtZero) {
    Data->Open();
    Export->Execute();
    EXPECT_EQ(Progress.Min, 0);
    EXPECT_EQ(Progress.Max, 0);
    EXPECT_EQ(Progress.Texts.back(),
              "The " + File("cases.xls") + " file was successfully generated with exported data. (0/0)");
}

TEST_F(Pipeline, VirtualEngineRowsFromEvents) {
    TVgEVirtualDataEngine engine(nullptr);
    engine.OnCount = [](TObject*, Integer& Count) { Count = 3; };
    engine.OnGetValue = [&engine](TObject*, TVgEColumn* Column, Variant& Value) {
        Value = Column->FieldName() == "n" ? Variant(engine.RowIndex() * 200) : Variant("sor");
    };
    Export->SetColumnSource(csDataEngine);
    Export->SetDataEngine(&engine);
    AddColumn("n", "N")->SetDataType(ctInteger);
    AddColumn("t", "T");
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Code, 2);
    EXPECT_EQ(cells.at({1, 0}).Number, 200);
    EXPECT_EQ(cells.at({2, 0}).Code, 3);
    EXPECT_EQ(cells.at({2, 1}).Text, "sor");
}

TEST_F(Pipeline, SaveToStreamRunsAroundAGivenStream) {
    AddCases(2);
    AddColumn("nev", "Név");
    TMemoryStream stream;
    Export->SaveToStream(&stream);
    EXPECT_EQ(Export->GetExportResult(), erCompleted);
    std::string bytes(static_cast<std::size_t>(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    EXPECT_EQ(exporttest::ReadCells(bytes).at({1, 0}).Text, "Ügy 2");
    EXPECT_FALSE(FileExists(File("cases.xls")));
}

} // namespace

namespace {

TEST_F(Pipeline, NothingLeavesExecuteEvenFromTheLastHandler) {
    AddCases(1);
    Export->OnAfterExecute = [](TObject*) { throw 42; };
    Export->Execute();
    EXPECT_EQ(Export->GetExportResult(), erFailed);
    ASSERT_EQ(Dialogs.size(), 1u);
    EXPECT_EQ(Dialogs[0].Text, "Error of data export.: Unknown exception");
    EXPECT_TRUE(Progress.Destroyed);
}

} // namespace

namespace {

TEST_F(Pipeline, FileNamesFromTheEventAndTheDosCharacterSet) {
    AddCases(1);
    AddColumn("nev", "Név");
    Export->SetAddTitle(true);
    Export->SetCharacterSet(csASCII_MSDOS);
    std::vector<Integer> numbers;
    Export->OnGetFileName = [&](TObject*, Integer Number, String& Name) {
        numbers.push_back(Number);
        Name = File("atnevezett.xls");
    };
    Export->Execute();
    EXPECT_EQ(numbers, (std::vector<Integer>{0}));
    EXPECT_FALSE(FileExists(File("cases.xls")));
    const std::string bytes = Written("atnevezett.xls");
    // Title and data text in the DOS code page: "é" is 0x82 there, "Ü" 0x9A.
    EXPECT_NE(bytes.find("N\x82v"), std::string::npos);
    EXPECT_NE(bytes.find("\x9Agy 1"), std::string::npos);
}

TEST_F(Pipeline, TabularFormWithTitlesPutsCaptionsBesideValues) {
    AddCases(1);
    AddColumn("ev", "Év");
    AddColumn("nev", "Név");
    Export->SetLayout(elTabularForm);
    Export->SetAddTitle(true);
    Export->Execute();
    const exporttest::CellMap cells = Cells();
    EXPECT_EQ(cells.at({0, 0}).Text, "Év");
    EXPECT_EQ(cells.at({0, 1}).Number, 2001);
    EXPECT_EQ(cells.at({1, 0}).Text, "Név");
    EXPECT_EQ(cells.at({1, 1}).Text, "Ügy 1");
}

// Number and date cells made from their fields' values are the cells the fields' texts
// make when read back, under any settings: exact values, values the text rounds or cannot
// hold, and settings whose texts do not read back all give the same file.
TEST_F(Pipeline, CellsFromFieldValuesAreThoseTheirTextsMake) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Data->AppendRow({Int64(0), "a", 0.0, 0.0});
    Data->AppendRow({Int64(255), "b", EncodeDate(1899, 12, 1), -0.0});
    Data->AppendRow({Int64(256), "c", 0.75, 0.1 + 0.2});
    Data->AppendRow({Int64(-1), "d", 45000.9999999999, 1e20});
    Data->AppendRow({Int64(9007199254740993), "e", EncodeDate(9999, 12, 31), 1.5e-5});
    Data->AppendRow({std::numeric_limits<Int64>::min(), "f", EncodeDate(1, 1, 1), 123456.789});
    Data->AppendRow({TFieldData(), "g", TFieldData(), nan});
    Data->Open();
    AddColumn("ev", "Év");
    AddColumn("datum", "Dátum");
    AddColumn("osszeg", "Összeg");
    const struct {
        const char* DateFormat;
        const char* DateSeparator;
        const char* DecimalSeparator;
    } settings[] = {
        {"yyyy.MM.dd.", ".", ","}, // the office's
        {"M/d/yyyy", "/", "."},    {"d/M/yyyy", "-", ","},
        {"yy.MM.dd", ".", ","},    // two-digit years pass the century window
        {"yyyy.dd.MM", ".", ","},  // read back as year, month, day
        {"dd-MMM-yyyy", "-", ","}, // month names do not read back: the run fails
        {"yyyy.MM.dd.", ".", ";"}, // another decimal separator
    };
    for (const auto& s : settings) {
        FormatSettings.ShortDateFormat = s.DateFormat;
        Export->DataFormats()->SetDateSeparator(s.DateSeparator);
        Export->DataFormats()->SetDecimalSeparator(s.DecimalSeparator);
        Export->OnGetCellParams = nullptr;
        Export->Execute();
        const TVgEResult fromValues = Export->GetExportResult();
        const std::string file = Written();
        // A handler, even one that changes nothing, has every cell made from its text.
        Export->OnGetCellParams = [](TObject*, TField*, String&, TFont*, TAlignment&, TColor&, TCellType&) {};
        Export->Execute();
        EXPECT_EQ(Export->GetExportResult(), fromValues) << s.DateFormat;
        EXPECT_EQ(Written(), file) << s.DateFormat << " " << s.DecimalSeparator;
    }
}

} // namespace
