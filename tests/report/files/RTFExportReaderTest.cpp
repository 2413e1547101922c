// A two-page report with Hungarian text and a picture, exported through the
// registered RTF filter as the preview does, and opened by an independent reader (LibreOffice, when
// installed), which turns it into a PDF whose text is read back.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"
#include "tests/report/FilePrinting.h"

#include "report/views/TrpPictureView.h"
#include "report/common/detail/rpRegistry.h"
#include "tests/support/FileBytes.h"
#include "tests/support/OfficeReader.h"
#include "tests/support/TempFolder.h"

#include <sstream>

namespace {

// The lines of Text that hold more than blanks, each without its blanks at either end;
// a leading byte-order mark is no text.
std::vector<std::string> TextLines(const std::string& Text) {
    std::vector<std::string> lines;
    std::istringstream in(Text.starts_with("\xEF\xBB\xBF") ? Text.substr(3) : Text);
    for (std::string line; std::getline(in, line);) {
        const auto first = line.find_first_not_of(" \t\f\r");
        if (first == std::string::npos) continue;
        lines.push_back(line.substr(first, line.find_last_not_of(" \t\f\r") - first + 1));
    }
    return lines;
}

class RTFExportReader : public BandEngineTest {
protected:
    // A title with a picture, 60 rows over two pages and a page footer; rows
    // 30 pixels apart, so that a page's rows fit a reader's page.
    void Make() {
        Band(btReportTitle, 20, 40);
        TrpMemoView* title = Memo(30, 20, "Ügyiratok: árvíztűrő tükörfúrógép", 400);
        title->Font.SetStyle({fsBold});
        title->Font.SetSize(12);
        auto* picture = new TrpPictureView();
        picture->Name = "Picture1";
        picture->SetBounds(600, 20, 40, 30);
        TBitmap bitmap(40, 30, pf24bit);
        bitmap.Canvas()->Brush()->SetColor(0x2060C0);
        bitmap.Canvas()->FillRect(TRect(0, 0, 40, 30));
        picture->Picture.SetGraphic(&bitmap);
        Page->Add(picture);
        Band(btMasterData, 70, 30, "60");
        Memo(30, 70, "Sor [LINE#]", 100);
        Memo(200, 70, "Őrzendő ügy – ÖŐÜŰ öőüű", 300)->Font.SetColor(0x000080);
        Band(btPageFooter, 1000, 20, "", bfPrintOnFirstPage | bfPrintOnLastPage);
        Memo(30, 1000, "Oldal [PAGE#]");
    }

    void SetUp() override {
        BandEngineTest::SetUp();
        report::rpSetProgressWindow(new FakeWindow()); // the engine owns it
        // Rows 30 pixels apart, as the report's.
        Recorder.AnswerWith(1, "30");
    }
    void TearDown() override {
        report::rpSetProgressWindow(nullptr);
        BandEngineTest::TearDown();
    }
};

TEST_F(RTFExportReader, ATwoPageReportOpensInAnotherReader) {
    Make();
    ASSERT_TRUE(Report->PrepareReport());
    ASSERT_EQ(Report->EMFPages()->Count(), 2);
    TempFolder folder("rtf-export");
    const std::string rtf = folder.File("Ügyek.rtf");
    ASSERT_EQ(rpFilters[1].ClassName, "TrpRTFExportFilter");
    Report->ExportTo(rpFilters[1].ClassRef, rtf);
    const std::string bytes = ReadFileBytes(rtf);
    ASSERT_EQ(bytes.substr(0, 23), "{\\rtf1\\ansi\\ansicpg1250");
    EXPECT_NE(bytes.find("\\'dcgyiratok: \\'e1rv\\'edzt\\'fbr\\'f5 t\\'fck\\'f6rf\\'far\\'f3g\\'e9p"),
              std::string::npos);
    EXPECT_NE(bytes.find("\\page"), std::string::npos);

    const OfficeConversion pdf = ConvertWithOffice(rtf, "pdf");
    SKIP_WITHOUT_TOOL(pdf.Missing);
    ASSERT_FALSE(pdf.File.empty()) << pdf.Log;
    SKIP_WITHOUT_TOOL(ProgramMissing("pdftotext", "poppler-utils"));
    const std::string text = CommandOutput("pdftotext -layout " + ShellQuoted(pdf.File) + " -");
    EXPECT_NE(text.find("Ügyiratok: árvíztűrő tükörfúrógép"), std::string::npos) << text;
    EXPECT_NE(text.find("Őrzendő ügy – ÖŐÜŰ öőüű"), std::string::npos);
    EXPECT_NE(text.find("Sor 1"), std::string::npos);
    EXPECT_NE(text.find("Sor 60"), std::string::npos);
    EXPECT_NE(text.find("Oldal 1"), std::string::npos);
    EXPECT_NE(text.find("Oldal 2"), std::string::npos);
    // One reader page per report page: the break sits between them.
    const std::size_t pageBreak = text.find('\f');
    ASSERT_NE(pageBreak, std::string::npos);
    EXPECT_LT(text.find("Oldal 1"), pageBreak);
    EXPECT_GT(text.find("Oldal 2"), pageBreak);
    EXPECT_EQ(text.find('\f', pageBreak + 1), text.size() - 1) << text; // two pages
}

// A long note wrapped over many lines, 10-point lines 15 pixels apart on rows of 30,
// and split by a page break: the reader's text holds every printed line once, in order.
TEST_F(RTFExportReader, AWrappedTextReadsAsThePrintedPages) {
    TempBmp->Canvas()->SetMeasurer(nullptr); // wrapped with the font's own widths, as printed
    Band(btReportTitle, 20, 900);
    Memo(36, 20, "Események");
    std::string note;
    for (int k = 1; note.size() < 4000; ++k) {
        note += "A bírósági tájékoztatás " + std::to_string(k);
        note += ". pontja szerint az ügyfél őrzendő iratait átvettük, ";
    }
    Band(btMasterData, 920, 20, "1", bfStretched | bfAllowSplit);
    Memo(140, 922, note, 576, 17);
    ASSERT_TRUE(Report->PrepareReport());
    ASSERT_EQ(Report->EMFPages()->Count(), 2);

    TempFolder folder("rtf-lines");
    {
        FilePrinting printing(folder.File("adatlap.pdf"));
        Report->PrintPreparedReport("", 1);
    }
    Report->ExportTo(rpFilters[1].ClassRef, folder.File("adatlap.rtf"));
    const OfficeConversion text = ConvertWithOffice(folder.File("adatlap.rtf"), "txt:Text (encoded):UTF8");
    SKIP_WITHOUT_TOOL(text.Missing);
    ASSERT_FALSE(text.File.empty()) << text.Log;
    SKIP_WITHOUT_TOOL(ProgramMissing("pdftotext", "poppler-utils"));
    const std::vector<std::string> printed =
        TextLines(CommandOutput("pdftotext " + ShellQuoted(folder.File("adatlap.pdf")) + " -"));
    ASSERT_GT(printed.size(), 30u);
    EXPECT_EQ(TextLines(ReadFileBytes(text.File)), printed);
}

} // namespace
