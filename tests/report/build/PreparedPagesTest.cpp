#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/graphics/RecordingCanvasBackend.h"
#include "platform/graphics/TCanvas.h"
#include "report/views/detail/MemoText.h"
#include "report/files/TrpCompressor.h"
#include "tests/report/StreamBytes.h"
#include "report/build/TrpEMFPages.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/engine/rpEngine.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class PreparedPages : public ::testing::Test {
protected:
    PreparedPages() {
        rpInitEngine();
        Prn->SetPrinterIndex(Prn->DefaultPrinter);
    }
    ~PreparedPages() override {
        CurReport = nullptr;
        MasterReport = nullptr;
    }

    // A line from (10,20) 100 wide on the given prepared page, written as the
    // band engine writes printed objects.
    static void PrintLine(TrpEMFPages* pages, Integer index) {
        TrpLineView line;
        line.SetBounds(10, 20, 100, 0);
        line.Flags = 0;
        line.FrameTyp = 8;
        TMemoryStream* s = pages->Pages(index)->Stream.get();
        s->Seek(0, soFromEnd);
        s->WriteByte(gtLine);
        line.StreamMode = smPrinting;
        line.SaveToStream(s);
    }

    static Bytes TwoPageFile() {
        ByteWriter w;
        w.U8(0).Str("").I32(2);
        // First record: 16 bytes of header, the version byte and one line record.
        w.I32(8 + 16 + 1 + 1 + 37).U16(9).I32(2100).I32(2970).U8(0).U8(1);
        w.U8(23).U8(gtLine).Block(10, 20, 100, 0, 0, 8, 1, 0, 0, 0x1FFFFFFF).Memo({});
        // A5 landscape, as the printer gives it.
        w.I32(63 + 17).U16(11).I32(2100).I32(1480).U8(1).U8(0).U8(23);
        return w.Out;
    }

    void BuildTwoPages() {
        TrpPage a4(9, 0, 0, 0);
        TrpPage a5(11, 0, 0, 1);
        a5.UseMargins = false;
        report.EMFPages()->Add(&a4);
        report.EMFPages()->Add(&a5);
        PrintLine(report.EMFPages(), 0);
    }

    TrpReport report{nullptr};
};

} // namespace

TEST_F(PreparedPages, AddTakesThePaperAndCallsOnBeginPage) {
    std::vector<Integer> begun;
    report.OnBeginPage = [&](Integer n) { begun.push_back(n); };
    CurReport = &report;
    PageNo = 4;
    TrpPage a5(11, 0, 0, 1);
    report.EMFPages()->Add(&a5);
    const TrpPageInfo* info = report.EMFPages()->Pages(0);
    EXPECT_EQ(info->pgSize, 11);
    EXPECT_EQ(info->pgWidth, 2100); // landscape
    EXPECT_EQ(info->pgHeight, 1480);
    EXPECT_EQ(info->pgOr, 1);
    EXPECT_TRUE(info->pgMargins);
    EXPECT_EQ(info->PrnInfo.Pgw, a5.PrnInfo.Pgw);
    EXPECT_EQ(info->Stream->Size(), 1);
    EXPECT_EQ(begun, std::vector<Integer>{4});

    // Insert puts a page in front without calling the event.
    report.EMFPages()->Insert(0, &a5);
    report.EMFPages()->Insert(99, &a5);
    EXPECT_EQ(report.EMFPages()->Count(), 3);
    EXPECT_EQ(begun.size(), 1u);
    EXPECT_EQ(ErrorOf<EListError>([&] { report.EMFPages()->Delete(3); }), "List index out of bounds (3)");
}

TEST_F(PreparedPages, TwoPageFileBytes) {
    BuildTwoPages();
    TMemoryStream s;
    report.EMFPages()->SaveToStream(&s);
    EXPECT_EQ(StreamBytes(s), TwoPageFile());
}

TEST_F(PreparedPages, FileReadsBackPageByPage) {
    TMemoryStream s;
    LoadBytes(s, TwoPageFile());
    report.EMFPages()->LoadFromStream(&s);
    TrpEMFPages* pages = report.EMFPages();
    ASSERT_EQ(pages->Count(), 2);
    EXPECT_EQ(pages->Pages(0)->pgSize, 9);
    EXPECT_TRUE(pages->Pages(0)->pgMargins);
    EXPECT_EQ(pages->Pages(0)->PrnInfo.Pgw, 752);
    EXPECT_EQ(pages->Pages(1)->pgOr, 1);
    EXPECT_FALSE(pages->Pages(1)->pgMargins);
    EXPECT_EQ(pages->Pages(1)->PrnInfo.Pgh, 534); // A5 landscape: 148 mm down
    EXPECT_EQ(pages->Pages(1)->Stream->Size(), 1);

    pages->ObjectsToPage(0);
    TrpPage* page = pages->Pages(0)->Page.get();
    ASSERT_EQ(page->ObjectCount(), 1);
    EXPECT_EQ(page->Object(0)->ClassName(), "TrpLineView");
    EXPECT_EQ(page->Object(0)->Left, 10);
    EXPECT_EQ(page->Object(0)->Width, 100);
    EXPECT_EQ(page->Object(0)->StreamMode, smDesigning);

    // Written again, the page stream is the same.
    const Bytes before = StreamBytes(*pages->Pages(0)->Stream);
    pages->PageToObjects(0);
    EXPECT_EQ(StreamBytes(*pages->Pages(0)->Stream), before);
}

TEST_F(PreparedPages, FilesRoundTripThroughTheReport) {
    TempFolder dir("velmora-rpp");
    BuildTwoPages();
    report.CanRebuild = true;
    report.SavePreparedReport(dir.File("list.rpp"));
    TrpReport other(nullptr);
    other.CanRebuild = true;
    other.LoadPreparedReport(dir.File("list.rpp"));
    EXPECT_FALSE(other.CanRebuild);
    ASSERT_EQ(other.EMFPages()->Count(), 2);
    TMemoryStream a, b;
    report.EMFPages()->SaveToStream(&a);
    other.EMFPages()->SaveToStream(&b);
    EXPECT_EQ(StreamBytes(a), StreamBytes(b));
}

TEST_F(PreparedPages, AnEnabledCompressorMarksTheFileAndWritesNoPageBytes) {
    BuildTwoPages();
    ASSERT_NE(rpCompressor, nullptr);
    EXPECT_FALSE(rpCompressor->Enabled()); // the engine starts it disabled
    rpCompressor->SetEnabled(true);
    TMemoryStream s;
    report.EMFPages()->SaveToStream(&s);
    rpCompressor->SetEnabled(false);
    // The compressor has no algorithm: each record is its header alone.
    ByteWriter w;
    w.U8(1).Str("").I32(2);
    w.I32(8 + 16).U16(9).I32(2100).I32(2970).U8(0).U8(1);
    w.I32(24 + 16).U16(11).I32(2100).I32(1480).U8(1).U8(0);
    EXPECT_EQ(StreamBytes(s), w.Out);
    s.SetPosition(0);
    EXPECT_EQ(ErrorOf<EReadError>([&] { report.EMFPages()->LoadFromStream(&s); }),
              "Unsupported prepared report format");
    EXPECT_EQ(report.EMFPages()->Count(), 2);
}

TEST_F(PreparedPages, SavingNoPageWritesNothing) {
    TMemoryStream s;
    EXPECT_EQ(ErrorOf<EListError>([&] { report.EMFPages()->SaveToStream(&s); }),
              "List index out of bounds (0)");
    EXPECT_EQ(s.Size(), 0);
}

TEST_F(PreparedPages, BadFilesAreRefusedAndThePagesKept) {
    BuildTwoPages();
    const Bytes good = TwoPageFile();
    auto withCount = [&](std::int32_t n) {
        Bytes b = good;
        ByteWriter w;
        w.I32(n);
        std::copy(w.Out.begin(), w.Out.end(), b.begin() + 4);
        return b;
    };
    auto withNext = [&](std::int32_t next) {
        Bytes b = good;
        ByteWriter w;
        w.I32(next);
        std::copy(w.Out.begin(), w.Out.end(), b.begin() + 8);
        return b;
    };
    struct Case {
        const char* Why;
        Bytes Data;
        const char* Message;
    };
    Bytes older = good;
    older[0] = 'A'; // read as an older file, which begins with its printer name
    Bytes compressed = good;
    compressed[0] = 1;
    const Case cases[] = {
        {"empty file", {}, "Stream read error"},
        {"a page count that the older kind cannot hold", older, "Stream read error"},
        {"compressed pages", compressed, "Unsupported prepared report format"},
        {"no page", withCount(0), "Stream read error"},
        {"negative count", withCount(-1), "Stream read error"},
        {"more pages than bytes", withCount(5), "Stream read error"},
        {"next record beyond the file", withNext(81), "Stream read error"},
        {"next record inside its own header", withNext(20), "Stream read error"},
        {"next record before the record", withNext(-7), "Stream read error"},
        {"cut in the second record", Bytes(good.begin(), good.end() - 3), "Stream read error"},
    };
    for (const Case& c : cases) {
        TMemoryStream s;
        LoadBytes(s, c.Data);
        EXPECT_EQ(ErrorOf<EReadError>([&] { report.EMFPages()->LoadFromStream(&s); }), c.Message) << c.Why;
        EXPECT_EQ(report.EMFPages()->Count(), 2) << c.Why;
    }
}

TEST_F(PreparedPages, UnknownObjectCodeInAPageStreamRaises) {
    BuildTwoPages();
    report.EMFPages()->Pages(1)->Stream->WriteByte(7);
    EXPECT_EQ(ErrorOf<EReadError>([&] { report.EMFPages()->ObjectsToPage(1); }), "Stream read error");
}

TEST_F(PreparedPages, DrawScalesAndReusesTheLoadedObjects) {
    BuildTwoPages();
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec, TSize(2000, 3000));
    TrpPageInfo* info = report.EMFPages()->Pages(0);
    info->Visible = true;
    // Twice the page's pixel size, placed at 5,5.
    report.EMFPages()->Draw(0, canvas.get(), TRect(5, 5, 5 + 2 * 752, 5 + 2 * 1071));
    ASSERT_NE(info->Page, nullptr);
    const TrpPage* loaded = info->Page.get();
    const auto lines = rec->Calls("Polyline");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].substr(0, 24), "Polyline 25,45 225,45 pe");

    report.EMFPages()->Draw(0, canvas.get(), TRect(0, 0, 752, 1071));
    EXPECT_EQ(info->Page.get(), loaded);

    // Outside the clipping rectangle nothing is drawn.
    rec->Log.clear();
    canvas->SetClipRect(TRect(0, 500, 700, 900));
    report.EMFPages()->Draw(0, canvas.get(), TRect(0, 0, 752, 1071));
    EXPECT_TRUE(rec->Calls("Polyline").empty());

    info->Visible = false;
    report.EMFPages()->Draw(0, canvas.get(), TRect(0, 0, 752, 1071));
    EXPECT_EQ(info->Page, nullptr);
}

TEST_F(PreparedPages, ExportHandsEveryObjectToTheFilter) {
    BuildTwoPages();
    std::vector<String> seen;
    report.OnExportData = [&](Integer x, Integer y, TrpView* v) {
        seen.push_back(v->ClassName() + " " + std::to_string(x) + "," + std::to_string(y));
    };
    CurReport = &report;
    report.EMFPages()->ExportData(0);
    report.EMFPages()->ExportData(1);
    EXPECT_EQ(seen, std::vector<String>{"TrpLineView 10,20"});
}

TEST_F(PreparedPages, FarObjectsDrawAtALargeScaleWithoutOverflow) {
    // A custom paper of 0.3 mm is one page pixel: drawn 400 wide, the scale is 400.
    TrpPage tiny(256, 3, 3, 0);
    report.EMFPages()->Add(&tiny);
    TrpLineView line;
    line.SetBounds(1 << 29, 1 << 29, 1 << 29, 0);
    TMemoryStream* s = report.EMFPages()->Pages(0)->Stream.get();
    s->Seek(0, soFromEnd);
    s->WriteByte(gtLine);
    line.StreamMode = smPrinting;
    line.SaveToStream(s);
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    report.EMFPages()->Pages(0)->Visible = true;
    report.EMFPages()->Draw(0, canvas.get(), TRect(0, 0, 400, 400));
    EXPECT_EQ(report.EMFPages()->Pages(0)->PrnInfo.Pgw, 1);
}

// A file's line at the integer limits, on a custom paper of 100 page pixels drawn
// 400 wide: objects beyond the page are left out without overflowing their scaled
// rectangle, and one reaching from the page to the limit is drawn.
TEST_F(PreparedPages, ObjectsAtTheIntegerLimitsAreCulledWithoutOverflow) {
    constexpr std::int32_t Max = 0x7FFFFFFF, Min = -Max - 1;
    const struct {
        const char* Why;
        std::int32_t Left, Top, Width;
        bool Drawn;
    } rows[] = {
        {"left at the limit", Max, 0, 10, false},
        {"left at the negative limit", Min, 0, 10, false},
        {"top at the limit", 0, Max, 10, false},
        {"as wide as the limit", 0, 0, Max, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Why);
        ByteWriter w;
        w.U8(0).Str("").I32(1);
        w.I32(8 + 16 + 1 + 1 + 37).U16(256).I32(279).I32(279).U8(0).U8(1);
        w.U8(23).U8(gtLine).Block(row.Left, row.Top, row.Width, 0, 0, 8, 1, 0, 0, 0x1FFFFFFF).Memo({});
        TMemoryStream s;
        LoadBytes(s, w.Out);
        report.EMFPages()->LoadFromStream(&s);
        ASSERT_EQ(report.EMFPages()->Pages(0)->PrnInfo.Pgw, 100);
        graphics::RecordingCanvasBackend* rec = nullptr;
        auto canvas = graphics::MakeRecordingCanvas(rec);
        report.EMFPages()->Pages(0)->Visible = true;
        report.EMFPages()->Draw(0, canvas.get(), TRect(0, 0, 400, 400));
        EXPECT_EQ(rec->Calls("Polyline").size(), row.Drawn ? 1u : 0u);
    }
}

TEST_F(PreparedPages, AMemoWithAnAbsurdFontIsFittedQuickly) {
    // A damaged file (found by fuzzing) whose memo asks for a huge font: its
    // line is fitted to the page by a search, not one pixel of height at a time.
    const Bytes file = {0x00, 0x00, 0x00, 0xfd, 0x01, 0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x4e, 0x31,
                        0x30, 0x5f, 0x5f, 0x63, 0x78, 0x79, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x4b,
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x05,
                        0x92, 0x92, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x69, 0x76,
                        0x13, 0xff, 0xff, 0x00, 0x0b, 0x9a, 0x00, 0x00, 0x00, 0x01, 0x17, 0x04, 0x0a, 0x34,
                        0x08, 0x00, 0x00, 0x00, 0x00, 0x14, 0x00, 0x00, 0x00, 0x64, 0x00, 0x02, 0x00, 0x0a,
                        0x00, 0x08, 0x04, 0x00, 0x05, 0xc8, 0x00, 0x01, 0x00, 0x17};
    TMemoryStream s;
    LoadBytes(s, file);
    report.EMFPages()->LoadFromStream(&s);
    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    for (Integer i = 0; i < report.EMFPages()->Count(); ++i) {
        report.EMFPages()->Pages(i)->Visible = true;
        try {
            report.EMFPages()->Draw(i, canvas.get(), TRect(0, 0, 400, 560));
        } catch (const Exception&) { // the damaged second page names no object kind
        }
    }
    EXPECT_EQ(report.EMFPages()->Count(), 1);
}

TEST_F(PreparedPages, AMemoWithAnAbsurdFontSizeDrawsItsLinesInOrder) {
    // Found by fuzzing: a damaged file stores a memo of 1.6 billion points, so
    // its line step lies beyond the integer range.
    TrpPage a4(9, 0, 0, 0);
    report.EMFPages()->Add(&a4);
    TrpMemoView memo;
    memo.SetBounds(10, 20, 200, 100);
    memo.Font.SetSize(1'600'000'000);
    for (const char* t : {"a", "b", "c"})
        memo.Memo.Add(report::MakeLineRecord(t, true, 6));
    TMemoryStream* page = report.EMFPages()->Pages(0)->Stream.get();
    page->Seek(0, soFromEnd);
    page->WriteByte(gtMemo);
    memo.StreamMode = smPrinting;
    memo.SaveToStream(page);
    TMemoryStream file;
    report.EMFPages()->SaveToStream(&file);
    file.SetPosition(0);
    TrpReport loaded(nullptr);
    loaded.EMFPages()->LoadFromStream(&file);

    graphics::RecordingCanvasBackend* rec = nullptr;
    auto canvas = graphics::MakeRecordingCanvas(rec);
    loaded.EMFPages()->Pages(0)->Visible = true;
    loaded.EMFPages()->Draw(0, canvas.get(), TRect(0, 0, 752, 1071)); // scale 1
    std::vector<Integer> ys;
    for (const String& call : rec->Calls("TextOut")) {
        const auto comma = call.find(',');
        ys.push_back(std::stoi(call.substr(comma + 1, call.find(' ', comma) - comma - 1)));
    }
    ASSERT_EQ(ys.size(), 3u);
    EXPECT_LT(ys[0], ys[1]);
    EXPECT_LE(ys[1], ys[2]);
}
