// Texts stored longer than their columns are declared (the database keeps them whole): every
// report prints them whole, and the spreadsheet export writes them up to the 255 characters a
// cell of its format holds.
#include "app/cases/TForm1CaseParts.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/documents/DocumentArea.h"
#include "app/partners/PartnerArea.h"
#include "export/TVgExportToXLS.h"
#include "platform/core/StrUtils.h"
#include "tests/app/XlsRows.h"
#include "tests/app/reports/PrintFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace apptest {
namespace {

// Exactly Chars characters of accented words, ending in Tail, so a cut shows at the end.
String LongText(Integer Chars, const String& Tail) {
    String text;
    while (Length(text) < Chars - Length(Tail))
        text += "őrzött ügyirat ";
    return Copy(text, 1, Chars - Length(Tail)) + Tail;
}

// Text without its blanks and line ends: a printed memo wraps its text into lines.
String Squeezed(const String& Text) {
    String out;
    for (char c : Text)
        if (c != ' ' && c != '\n') out += c;
    return out;
}

class LongTexts : public PrintFixture {
protected:
    // Some printed memo holds Text whole.
    bool PrintedWhole(const String& Text) const {
        const String whole = Squeezed(Text);
        for (const String& memo : Printed())
            if (Squeezed(memo).find(whole) != String::npos) return true;
        return false;
    }
    // The rows of the file Exporter writes, read back by an independent reader.
    std::string Exported(TVgExportToXLS& Exporter, const std::string& Name) {
        Exporter.SetFileName(Folder() + "/" + Name);
        Exporter.Execute();
        EXPECT_EQ(Exporter.GetExportResult(), erCompleted) << Name;
        return XlsRows(Folder() + "/" + Name, Folder());
    }
};

TEST_F(LongTexts, ArePrintedWholeAndExportedUpToTheCellLimit) {
    const Sample sample = AddSampleOffice();
    // Each past its column's declared size, as the database keeps it.
    const String description = LongText(2355, "őrzött ügyirat VÉGE"); // varchar(2000)
    const String payer = LongText(200, "Letevő Vége");                // varchar(128)
    const String remark = LongText(2100, "Megjegyzés Vége");          // varchar(2000)
    const String address = LongText(180, "Lakcím Vége");              // varchar(128)
    const String file = "/iratok/" + LongText(292, "kereset.pdf");    // varchar(255)
    const String officeAddress = LongText(1200, "Iroda Vége");        // varchar(1000)
    Exec("UPDATE ugy SET leiras='" + description + "' WHERE sorszam=" + Key(sample.Case));
    Exec("UPDATE letet SET letevo='" + payer + "' WHERE sorszam=" + Key(sample.Deposit));
    Exec("UPDATE partner SET megjegyzes='" + remark + "'");
    Exec("UPDATE ugyfel_termeszetes_szemely SET lakcim='" + address + "'");
    Exec("UPDATE ugyitem SET ufile='" + file + "' WHERE ufile<>''");
    SetSetting("cim", officeAddress);
    Create();
    app::MainWindowShared& f = app::MainWindow();

    const struct {
        const char* Report;
        std::function<void()> Print;
        String Text;
    } rows[] = {
        {"case list",
         [&] {
             SearchAllCases();
             f.PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
         },
         description},
        {"case sheet", [&] { ugyitemfrf->PrintCaseSheet(sample.Case); }, description},
        {"deposit list",
         [&] {
             app::ReloadDepositList(f);
             f.PrintCommands().letetlistaPrint->OnClick(nullptr);
         },
         payer},
        {"deposit sheet",
         [&] {
             letet_adatlap->DepositId = sample.Deposit;
             letet_adatlap->FormShow(nullptr);
             letet_adatlap->BitBtn3->OnClick(nullptr);
         },
         payer},
        {"partner list",
         [&] {
             app::Partnerlista1Click(f, nullptr);
             f.PrintCommands().partnerlistaPrint->OnClick(nullptr);
         },
         remark},
        {"document list",
         [&] {
             app::RunDocumentList(f);
             f.PrintCommands().gxExtSpeedButton49->OnClick(nullptr);
         },
         file},
        {"identification sheet: the person",
         [&] {
             jubmod->JubId = LastKey("jub");
             jubmod->FormShow(nullptr);
             jubmod->BitBtn3->OnClick(nullptr);
         },
         address},
        {"identification sheet: the office", nullptr, officeAddress}, // the same sheet again
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Report);
        if (row.Print) {
            const std::size_t before = Shown.size();
            row.Print();
            ASSERT_EQ(Shown.size(), before + 1);
        }
        EXPECT_TRUE(PrintedWhole(row.Text)) << Dump();
    }
    EXPECT_TRUE(Boxes.empty());

    // A cell holds 255 characters: the description to there, a shorter text whole past
    // the size its column was declared with.
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    SearchAllCases();
    EXPECT_NE(Exported(*f.Cases().ToXLS1, "ugyek.xls").find("|" + Copy(description, 1, 255) + "\n"),
              std::string::npos);
    app::ReloadDepositList(f);
    EXPECT_NE(Exported(*f.Deposits().letetlista_ToXLS1, "letetek.xls").find(payer + "|"), std::string::npos);
}

} // namespace
} // namespace apptest
