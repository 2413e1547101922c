// A built report printed on the file printer, through the platform printer
// that the office prints on: the pages land in one PDF document. And printed
// through a real spooler of the test's own to its PDF queue.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/FilePrinting.h"

#include "platform/print/Spooler.h"
#include "platform/print/TPrinter.h"
#include "platform/ui/TApplication.h"
#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/PrivateSpooler.h"
#include "tests/support/PythonTools.h"
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
        title->FrameTyp = FrameBottom;
        Band(btMasterData, 70, 30, "80");
        Memo(0, 74, "[LINE#].", 60, 20);
        Memo(70, 74, "Ügy: Szabó Árpád kontra Őri Zsófia, iktatószám [LINE#]/2026", 560, 20)->FrameTyp =
            FrameAll;
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

TEST_F(PrintToPdf, ThroughARealSpoolerToItsPdfQueue) {
    PrivateSpooler cups;
    SKIP_WITHOUT_TOOL(cups.Error());
    // The usual set-up: the PDF driver's queue, named "PDF", as the default; it writes into the test's
    // folder.
    const std::string out = cups.File("PDF.out");
    ASSERT_EQ(cups.Run("lpadmin -p PDF -E -v file://" + out +
                       " -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null"),
              "");
    ASSERT_EQ(cups.Run("lpadmin -d PDF"), "");
    print::Spooler* fake = print::SetSpooler(&print::SystemSpooler());
    TPrinter queues;
    print::SetSpooler(fake);
    ASSERT_EQ(queues.Printers(), (std::vector<String>{"PDF", FilePrinterName}));
    ASSERT_EQ(queues.PrinterIndex(), 0);
    TPrinter* old = SetPrinter(&queues);
    Prn->SetPrinter(&queues);
    core::ScopeExit restore([&] {
        Prn->SetPrinter(nullptr);
        SetPrinter(old);
    });
    ASSERT_TRUE(Report->PrepareReport());
    ASSERT_GE(Report->EMFPages()->Count(), 3);
    Report->Title = "Ügyek";
    Report->PrintPreparedReport("1-3", 1);
    EXPECT_TRUE(cups.WaitForJobs(60)) << cups.Run("lpstat -o");
    const std::string printed = ReadFileBytes(out);
    // The PDF driver's queue hands PostScript on (its own backend would make a
    // PDF of it, with no text kept): three A4 pages.
    std::size_t a4 = 0;
    for (std::size_t at = printed.find("%%PageBoundingBox: 0 0 595 842"); at != std::string::npos;
         at = printed.find("%%PageBoundingBox: 0 0 595 842", at + 1))
        ++a4;
    EXPECT_EQ(a4, 3u) << printed.substr(0, 1000);
    EXPECT_NE(printed.find("%%Pages: 3"), std::string::npos);
    EXPECT_NE(printed.find("%%Title: (Report: \\303\\234gyek)"), std::string::npos); // "Report: Ügyek"

    // A queue that refuses jobs: the user hears so and nothing is sent.
    ASSERT_EQ(cups.Run("cupsreject PDF"), "");
    const String refused = ErrorOf<EPrinter>([&] { Report->PrintPreparedReport("1", 1); });
    EXPECT_EQ(refused.substr(0, refused.find('\n')),
              "A(z) PDF nyomtató nem fogadta el a nyomtatást, semmi sem került kinyomtatásra.");
    EXPECT_TRUE(cups.Run("lpstat -o").empty());
    EXPECT_FALSE(queues.Printing());
    // A stopped queue keeps the job for later.
    ASSERT_EQ(cups.Run("cupsaccept PDF && cupsdisable PDF"), "");
    Report->PrintPreparedReport("1", 1);
    EXPECT_NE(cups.Run("lpstat -o"), "");
}
