// A built report printed on the file printer, through the platform printer
// that the office prints on: the pages land in one PDF document.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/FilePrinting.h"

#include "platform/print/TPrinter.h"
#include "platform/ui/TApplication.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <filesystem>

namespace {

class PrintToPdf : public BandEngineTest {
protected:
    void SetUp() override {
        Application->Initialize();
        BandEngineTest::SetUp();
        // Built with the fonts' real metrics, as the office builds it.
        TempBmp->Canvas()->SetMeasurer(nullptr);
        Printing = std::make_unique<FilePrinting>(Dir.File("lista.pdf"));
        Device = Printing->Device;
        // A title on every page, 80 numbered rows, the page number at the foot.
        Band(btPageHeader, 20, 40, "", bfPrintOnFirstPage | bfPrintOnLastPage);
        TrpMemoView* title = Memo(0, 24, "Ügyek listája – Kovács és Társa Ügyvédi Iroda", 700, 24);
        title->Font.SetSize(14);
        title->Font.SetStyle({fsBold});
        title->FrameTyp = frBottom;
        Band(btMasterData, 70, 30, "80");
        Memo(0, 74, "[LINE#].", 60, 20);
        Memo(70, 74, "Ügy: Szabó Árpád kontra Őri Zsófia, iktatószám [LINE#]/2026", 560, 20)->FrameTyp =
            frAll;
        Band(btPageFooter, 1010, 30, "", bfPrintOnFirstPage | bfPrintOnLastPage);
        Memo(300, 1014, "[PAGE#]. oldal", 100, 20);
    }
    void TearDown() override {
        Printing.reset();
        BandEngineTest::TearDown();
    }

    TempFolder Dir{"velmora-pdf"};
    std::unique_ptr<FilePrinting> Printing;
    TPrinter* Device = nullptr;
};

} // namespace

TEST_F(PrintToPdf, EveryPageOfTheReportIsOnePageOfTheDocument) {
    ASSERT_TRUE(Report->PrepareReport());
    const Integer pages = Report->EMFPages()->Count();
    ASSERT_GE(pages, 3);
    Report->Title = "Ügyek";
    Report->PrintPreparedReport("", 1);
    const String pdf = ReadFileBytes(Dir.File("lista.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count " + std::to_string(pages)), String::npos);
    EXPECT_FALSE(Device->Printing());
    if (const char* keep = std::getenv("VELMORA_KEEP_SNAPSHOTS"))
        std::filesystem::copy_file(Dir.File("lista.pdf"), String(keep) + "/lista.pdf",
                                   std::filesystem::copy_options::overwrite_existing);

    // Two pages, twice each: four sheets.
    Report->PrintPreparedReport("2-3", 2);
    EXPECT_NE(ReadFileBytes(Dir.File("lista.pdf")).find("/Count 4"), String::npos);
}
