#include "platform/print/TPrinter.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TApplication.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TPrinter* PdfPrinter() {
    Application->Initialize();
    TPrinter* p = Printer();
    const auto& names = p->Printers();
    const auto pdf = std::find(names.begin(), names.end(), String(FilePrinterName));
    p->SetPrinterIndex(Integer(pdf - names.begin()));
    return p;
}

void SetPaper(TPrinter* p, Integer code, Integer orientation, Integer w = 0, Integer h = 0) {
    TDeviceMode mode;
    mode.Fields = dmPaperSize | dmOrientation | dmPaperWidth | dmPaperLength;
    mode.PaperSize = code;
    mode.Orientation = orientation;
    mode.PaperWidth = w;
    mode.PaperLength = h;
    p->SetDeviceMode(mode);
}

} // namespace

TEST(TPrinter, FilePrinterIsLastAndSelectable) {
    TPrinter* p = PdfPrinter();
    EXPECT_EQ(p->Printers().back(), "Mentés PDF-fájlba");
    EXPECT_TRUE(p->IsFilePrinter());
    EXPECT_EQ(ErrorOf<EPrinter>([&] { p->SetPrinterIndex(Integer(p->Printers().size())); }),
              "Printer index out of range");
    EXPECT_EQ(ErrorOf<EPrinter>([&] { p->SetPrinterIndex(-1); }), "Printer index out of range");
}

TEST(TPrinter, PaperByWindowsNumberGivesDeviceFigures) {
    TPrinter* p = PdfPrinter();
    SetPaper(p, 9, DMORIENT_PORTRAIT);
    TDeviceMode mode;
    p->GetDeviceMode(mode);
    EXPECT_EQ(mode.PaperSize, 9);
    EXPECT_EQ(mode.PaperWidth, 2100);
    EXPECT_EQ(mode.PaperLength, 2970);
    EXPECT_EQ(p->PixelsPerInchX(), 600);
    // 210 mm (595 points) at 600 dpi; the file printer prints to the edge.
    EXPECT_NEAR(p->PhysicalSize().cx, 4959, 2);
    EXPECT_NEAR(p->PhysicalSize().cy, 7017, 2);
    EXPECT_EQ(p->PhysicalOffset(), TPoint(0, 0));
    EXPECT_EQ(p->PageWidth(), p->PhysicalSize().cx);

    // Landscape turns the physical page.
    SetPaper(p, 9, DMORIENT_LANDSCAPE);
    EXPECT_NEAR(p->PhysicalSize().cx, 7017, 2);
    p->GetDeviceMode(mode);
    EXPECT_EQ(mode.Orientation, DMORIENT_LANDSCAPE);
    SetPaper(p, 9, DMORIENT_PORTRAIT);
}

TEST(TPrinter, CustomPaperKeepsItsCodeAndSize) {
    TPrinter* p = PdfPrinter();
    SetPaper(p, DMPAPER_USER, DMORIENT_PORTRAIT, 1000, 1500);
    TDeviceMode mode;
    p->GetDeviceMode(mode);
    EXPECT_EQ(mode.PaperSize, 256);
    EXPECT_EQ(mode.PaperWidth, 1000);
    EXPECT_EQ(mode.PaperLength, 1500);
    // An unknown paper number leaves the paper as it was.
    SetPaper(p, 48, DMORIENT_PORTRAIT);
    p->GetDeviceMode(mode);
    EXPECT_EQ(mode.PaperSize, 256);
    SetPaper(p, 9, DMORIENT_PORTRAIT);
}

TEST(TPrinter, FilePrinterOffersStandardPapers) {
    TPrinter* p = PdfPrinter();
    const auto sizes = p->PaperSizes();
    const auto a4 = std::find_if(sizes.begin(), sizes.end(), [](const TPaperInfo& i) { return i.Code == 9; });
    ASSERT_NE(a4, sizes.end());
    EXPECT_EQ(a4->Name, "A4");
}

TEST(TPrinter, PrintsPagesIntoAPdfFile) {
    TempFolder dir("velmora-print");
    TPrinter* p = PdfPrinter();
    EXPECT_EQ(ErrorOf<EPrinter>([&] { p->NewPage(); }), "Printer is not currently printing");
    p->SetOutputFileName("");
    EXPECT_EQ(ErrorOf<EPrinter>([&] { p->BeginDoc(); }), "Printer selected is not valid");
    EXPECT_FALSE(p->Printing());

    p->SetOutputFileName(dir.File("out.pdf"));
    p->Title = "Ügy lista";
    p->BeginDoc();
    EXPECT_TRUE(p->Printing());
    EXPECT_EQ(ErrorOf<EPrinter>([&] { p->BeginDoc(); }), "Printing in progress");
    EXPECT_EQ(ErrorOf<EPrinter>([&] { p->SetPrinterIndex(0); }), "Printing in progress");
    ASSERT_NE(p->Canvas(), nullptr);
    // Points on the sheet are points at the device's resolution.
    EXPECT_EQ(p->Canvas()->Font()->PixelsPerInch(), 600);
    EXPECT_EQ(p->Canvas()->Font()->Size(), 8);
    p->Canvas()->Rectangle(100, 100, 1000, 1000);
    p->NewPage();
    p->Canvas()->TextOut(100, 100, "Második oldal");
    p->EndDoc();
    EXPECT_FALSE(p->Printing());
    EXPECT_EQ(p->Canvas(), nullptr);

    const std::string pdf = ReadFileBytes(dir.File("out.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
}

// A disk that fills while the document is written: the earlier PDF stays whole,
// no temporary file is left, the document ends, and the failure names the file
// and the cause.
TEST(TPrinter, AFullDiskKeepsTheEarlierPdf) {
    TempFolder dir("velmora-print");
    TPrinter* p = PdfPrinter();
    const std::string target = dir.File("lista.pdf");
    const std::string earlier = "%PDF-1.4 yesterday's list";
    p->SetOutputFileName(target);
    // Each row: how many pages; a few fill the disk only with the fonts written
    // at the end, many already on a page change.
    for (const int pages : {3, 40}) {
        SCOPED_TRACE(pages);
        WriteFileBytes(target, earlier);
        const auto print = [&] {
            const FileSizeLimit full(4096);
            p->BeginDoc();
            for (int page = 0; page < pages; ++page) {
                if (page > 0) p->NewPage();
                for (int line = 0; line < 60; ++line)
                    p->Canvas()->TextOut(100, 100 + 80 * line, "Ügy " + std::to_string(page * 60 + line));
            }
            p->EndDoc();
        };
        EXPECT_EQ(ErrorOf<EWriteError>(print), "A(z) „" + target + "” fájl nem készült el: a fájl túl nagy.");
        EXPECT_FALSE(p->Printing());
        EXPECT_EQ(ReadFileBytes(target), earlier);
        EXPECT_EQ(FileNamesIn(dir.Path()), std::vector<std::string>{"lista.pdf"});
    }
}

TEST(TPrinter, AbortEndsTheDocument) {
    TempFolder dir("velmora-print");
    TPrinter* p = PdfPrinter();
    p->SetOutputFileName(dir.File("abort.pdf"));
    p->BeginDoc();
    p->Abort();
    EXPECT_FALSE(p->Printing());
    EXPECT_TRUE(p->Aborted());
    p->Abort(); // nothing open: nothing happens
}

TEST(TPrinter, TheFilePrinterTakesANewPaperFromTheNextPage) {
    TempFolder dir("velmora-print");
    TPrinter* p = PdfPrinter();
    EXPECT_TRUE(p->IsFilePrinter());
    SetPaper(p, 9, DMORIENT_PORTRAIT);
    p->SetOutputFileName(dir.File("papers.pdf"));
    p->BeginDoc();
    const TSize a4 = p->PhysicalSize();
    p->Canvas()->TextOut(100, 100, "A4");
    SetPaper(p, 8, DMORIENT_PORTRAIT);
    p->NewPage();
    // The sheet and its canvas have the A3 size; the document goes on.
    EXPECT_NEAR(p->PhysicalSize().cx, 7016, 2);
    EXPECT_EQ(p->Canvas()->ClipRect().Right, p->PageWidth());
    EXPECT_GT(p->PhysicalSize().cy, a4.cy);
    p->Canvas()->TextOut(100, 100, "A3");
    p->EndDoc();
    SetPaper(p, 9, DMORIENT_PORTRAIT);

    const std::string pdf = ReadFileBytes(dir.File("papers.pdf"));
    EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
    // One page in A4 points, one in A3 points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 595.000000 842.000000]"), std::string::npos);
    EXPECT_NE(pdf.find("/MediaBox [0 0 842.000000 1191.000000]"), std::string::npos);
}
