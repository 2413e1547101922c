// A prepared-report file of the older kind, its pages metafiles, written by
// hand through the engine's stream writer: it opens in the preview, prints to
// a PDF document and exports, each page one picture of its whole paper.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"
#include "tests/report/FilePrinting.h"
#include "tests/report/PreviewWindow.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/TMetafile.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "report/views/TrpPictureView.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/common/detail/rpRegistry.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/MetafileBuilder.h"
#include "tests/support/PythonTools.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace metafiletest;

namespace {

// An A4 page as a picture of 840 × 1188 pixels at four a millimetre: a red
// block from a tenth to half of the page each way, and a line of text.
Bytes RedPage() {
    Emf e(840, 1188);
    e.Record(39, Ints({1, 0, 0x0000FF, 0})).Record(37, Ints({1})).Record(37, Ints({0x80000008}));
    e.Record(43, Ints({84, 119, 420, 594}));
    e.Font(2, -40, u"Arial").Record(37, Ints({2})).TextW(84, 700, u"Régi jelentés");
    return e.Build();
}

// The second page in the older picture format: a green block over its lower half.
Bytes GreenPage() {
    Wmf w(2100, 2970, 254); // tenths of a millimetre
    w.Record(0x02FC, Shorts({0}) + Ints({0x00FF00}) + Shorts({0})).Record(0x012D, Shorts({0}));
    w.Record(0x041B, Shorts({2970, 2100, 1485, 0}));
    return w.Build();
}

void WriteOlderFile(const String& FileName, const std::vector<Bytes>& Pages) {
    TMemoryStream s;
    WriteOlderPreparedFile(&s, "Nyomtato", Pages);
    s.SaveToFile(FileName);
}

struct Rgb {
    int R = 0, G = 0, B = 0;
};

// The pixel at a fraction of a binary PPM picture's width and height.
Rgb PpmAt(const std::string& Ppm, double Fx, double Fy) {
    std::istringstream in(Ppm);
    std::string magic;
    int w = 0, h = 0, max = 0;
    in >> magic >> w >> h >> max;
    in.get();
    const std::size_t at =
        std::size_t(in.tellg()) + 3 * (std::size_t(Fy * h) * std::size_t(w) + std::size_t(Fx * w));
    return {Byte(Ppm[at]), Byte(Ppm[at + 1]), Byte(Ppm[at + 2])};
}

class OlderPreparedFile : public BandEngineTest {
protected:
    void SetUp() override {
        Application->Initialize();
        BandEngineTest::SetUp();
        report::rpSetProgressWindow(new FakeWindow()); // the engine owns it
        TempBmp->Canvas()->SetMeasurer(nullptr);
        Printing = std::make_unique<FilePrinting>(Dir.File("regi.pdf"));
        WriteOlderFile(File, {RedPage(), GreenPage()});
    }
    void TearDown() override {
        Form.reset();
        LastZoomMode = mdNone;
        Printing.reset();
        report::rpSetProgressWindow(nullptr);
        BandEngineTest::TearDown();
    }

    TempFolder Dir{"velmora-older"};
    std::unique_ptr<FilePrinting> Printing;
    const String File = Dir.File("regi.rpp");
    std::unique_ptr<TrpPreviewForm> Form;
};

} // namespace

TEST_F(OlderPreparedFile, EachPageIsOnePictureOfItsWholePaper) {
    Report->LoadPreparedReport(File);
    TrpEMFPages* pages = Report->EMFPages();
    ASSERT_EQ(pages->Count(), 2);
    EXPECT_FALSE(Report->CanRebuild);
    const TrpPageInfo* info = pages->Pages(0);
    EXPECT_EQ(info->pgSize, 9);
    EXPECT_TRUE(info->pgMargins);
    ASSERT_GT(info->PrnInfo.Pgw, 0);
    pages->ObjectsToPage(0);
    ASSERT_EQ(info->Page->Objects.size(), 1u);
    auto* picture = dynamic_cast<TrpPictureView*>(info->Page->Objects[0].get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(TRect(picture->Left, picture->Top, picture->Width, picture->Height),
              TRect(0, 0, info->PrnInfo.Pgw, info->PrnInfo.Pgh));
    auto* metafile = dynamic_cast<TMetafile*>(picture->Picture.Graphic());
    ASSERT_NE(metafile, nullptr);
    EXPECT_EQ(metafile->Data(), RedPage());
    // Saved again, the pages are a prepared-report file of today's kind that reads back the same.
    Report->SavePreparedReport(Dir.File("uj.rpp"));
    EXPECT_EQ(ReadFileBytes(Dir.File("uj.rpp"))[0], 0);
    Report->LoadPreparedReport(Dir.File("uj.rpp"));
    pages->ObjectsToPage(1);
    auto* green = dynamic_cast<TrpPictureView*>(pages->Pages(1)->Page->Objects.at(0).get());
    ASSERT_NE(green, nullptr);
    EXPECT_EQ(dynamic_cast<TMetafile*>(green->Picture.Graphic())->Data(), GreenPage());
}

TEST_F(OlderPreparedFile, ThePreviewOpensItAndShowsThePages) {
    ASSERT_TRUE(Report->PrepareReport());
    LastZoomMode = mdOnePage;
    Form = OpenPreview(Report);
    Form->LoadFromFile(File);
    ASSERT_EQ(Form->HeldPages()->Count(), 2);
    EXPECT_EQ(Form->Label1->Caption(), "Page 1/2");
    TBitmap shot;
    ui::Snapshot(Form->PBox, &shot);
    const TRect r = Form->HeldPages()->Pages(0)->R;
    ASSERT_FALSE(IsRectEmpty(r));
    auto at = [&](double fx, double fy) {
        return shot.Canvas()->Pixels(r.Left + Integer(fx * r.Width()), r.Top + Integer(fy * r.Height()));
    };
    EXPECT_EQ(at(0.3, 0.3), clRed);
    EXPECT_EQ(at(0.7, 0.3), clWhite);
    EXPECT_EQ(at(0.3, 0.8), clWhite);
}

TEST_F(OlderPreparedFile, TheSearchFindsTheTextOfAMetafilePage) {
    ASSERT_TRUE(Report->PrepareReport());
    Form = OpenPreview(Report);
    Form->LoadFromFile(File);
    Form->StartSearch("régi JELENTÉS", false, true);
    ASSERT_TRUE(Form->Search.Hit);
    EXPECT_EQ(Form->Search.Page, 0);
    // The text record's place, 84, 700 of 840 × 1188, on the page's pixels (the
    // top of the characters' cell a little above the record's reference point).
    const TrpPageInfo* info = Form->HeldPages()->Pages(0);
    EXPECT_NEAR(Form->Search.HitAt.X, 84.0 * info->PrnInfo.Pgw / 840, 2);
    EXPECT_NEAR(Form->Search.HitAt.Y, 700.0 * info->PrnInfo.Pgh / 1188, 8);
    Form->FindNext();
    EXPECT_FALSE(Form->Search.Hit); // once on the page, nowhere on the next
    EXPECT_EQ(Form->Search.Page, 2);
}

TEST_F(OlderPreparedFile, ItPrintsToAPdfDocumentAndExports) {
    Report->LoadPreparedReport(File);
    Report->PrintPreparedReport("", 1);
    const String pdf = ReadFileBytes(Dir.File("regi.pdf"));
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf.find("/Count 2"), String::npos);
    if (const char* keep = std::getenv("VELMORA_KEEP_SNAPSHOTS"))
        for (const char* name : {"regi.pdf", "regi.rpp"})
            std::filesystem::copy_file(Dir.File(name), String(keep) + "/" + name,
                                       std::filesystem::copy_options::overwrite_existing);

    // The pages as an independent reader renders them.
    SKIP_WITHOUT_TOOL(ProgramMissing("pdftoppm", "poppler-utils"));
    CommandOutput("pdftoppm -r 30 " + Dir.File("regi.pdf") + " " + Dir.File("lap"));
    const String first = ReadFileBytes(Dir.File("lap-1.ppm")), second = ReadFileBytes(Dir.File("lap-2.ppm"));
    ASSERT_FALSE(first.empty());
    const Rgb red = PpmAt(first, 0.3, 0.3), blank = PpmAt(first, 0.7, 0.3), green = PpmAt(second, 0.5, 0.8);
    EXPECT_TRUE(red.R > 200 && red.G < 60 && red.B < 60) << red.R << " " << red.G << " " << red.B;
    EXPECT_TRUE(blank.R > 200 && blank.G > 200 && blank.B > 200);
    EXPECT_TRUE(green.G > 200 && green.R < 60) << green.R << " " << green.G << " " << green.B;
    EXPECT_TRUE(PpmAt(second, 0.5, 0.2).R > 200);
    EXPECT_NE(CommandOutput("pdftotext -f 1 -l 1 " + Dir.File("regi.pdf") + " -").find("Régi jelentés"),
              String::npos);

    // Exported: the RTF document holds one picture a page (rows of 16 pixels, asked for).
    Recorder.AnswerWith(1, "16");
    Report->ExportTo(rpFilters[1].ClassRef, Dir.File("regi.rtf"));
    const String rtf = ReadFileBytes(Dir.File("regi.rtf"));
    std::size_t pictures = 0;
    for (std::size_t at = rtf.find("{\\pict"); at != String::npos; at = rtf.find("{\\pict", at + 1))
        ++pictures;
    EXPECT_EQ(pictures, 2u);
}

TEST_F(OlderPreparedFile, ADamagedPageIsAClearErrorAndThePagesStay) {
    ASSERT_TRUE(Report->PrepareReport());
    const Integer built = Report->EMFPages()->Count();
    ASSERT_GT(built, 0);
    Bytes damaged = GreenPage();
    damaged[40] = 2; // the first record: fewer words than its own header
    WriteOlderFile(File, {RedPage(), damaged});
    EXPECT_EQ(ErrorOf<EInvalidGraphic>([&] { Report->LoadPreparedReport(File); }),
              "Metafile is not valid: record 1 is damaged");
    EXPECT_EQ(Report->EMFPages()->Count(), built);
}
