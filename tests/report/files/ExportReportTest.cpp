#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "report/files/TrpTextExportFilter.h"
#include "report/common/detail/rpRegistry.h"
#include "tests/support/DialogRecorder.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TempFolder.h"

#include <filesystem>

namespace {

// Three pages, each with the line "Oldal <page number>", exported through filters.
class ExportReport : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        Window = new FakeWindow();
        report::rpSetProgressWindow(Window);
        Report->Title = "Lista";
        Band(btMasterData, 20, 1000, "3");
        Memo(0, 20, "Oldal [PAGE#]");
        ASSERT_TRUE(Report->PrepareReport());
        ASSERT_EQ(Report->EMFPages()->Count(), 3);
        Report->ShowProgress = true;
    }
    void TearDown() override {
        report::rpSetProgressWindow(nullptr);
        BandEngineTest::TearDown();
    }
    static TrpObjectFactory TextFilter() {
        return [] { return new TrpTextExportFilter(nullptr, 16); };
    }

    FakeWindow* Window = nullptr;
    TempFolder Dir{"velmora-export"};
};

// Counts the events a filter sees, and fails on the page FailOnPage ends.
class CountingFilter : public TrpExportFilter {
public:
    explicit CountingFilter(std::vector<String>* ALog) : TrpExportFilter(nullptr), Log(ALog) {}
    void OnBeginDoc() override { Log->push_back("doc"); }
    void OnEndDoc() override {
        Log->push_back("end");
        Write("whole");
    }
    void OnBeginPage() override { Log->push_back("page"); }
    void OnEndPage() override {
        Write("p");
        if (int(std::count(Log->begin(), Log->end(), "page")) == FailOnPage)
            throw EWriteError("Stream write error");
    }
    void OnData(Integer, Integer, TrpView*) override { Log->push_back("data"); }
    void OnText(Integer, Integer, const String& Text, TrpView*) override { Log->push_back(Text); }
    void Write(const String& s) { Stream->Write(s.data(), Integer(s.size())); }

    std::vector<String>* Log;
    int FailOnPage = 0;
};

} // namespace

TEST_F(ExportReport, TheTextFilterWritesEveryPage) {
    const String name = Dir.File("lista.txt");
    Report->ExportTo(TextFilter(), name);
    const String text = ReadFileBytes(name);
    const auto p1 = text.find("Oldal 1"), p2 = text.find("Oldal 2"), p3 = text.find("Oldal 3");
    ASSERT_NE(p3, String::npos);
    EXPECT_LT(p1, p2);
    EXPECT_LT(p2, p3);
    // Each page ends with its form feed line, the last one the file.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 3);
    EXPECT_EQ(text.substr(text.size() - 3), "\f\r\n");
    EXPECT_EQ(Window->Caption, "Report preparing - Lista");
    EXPECT_EQ(Window->Labels.front(), "Processing page:  1");
    EXPECT_EQ(Window->Labels.back(), "Processing page:  3 from 3");
    EXPECT_EQ(Window->Result, 1);
    // The report's export handlers are the filter's only while it runs.
    EXPECT_FALSE(Report->OnExportData);
    EXPECT_FALSE(Report->OnExportText);
}

TEST_F(ExportReport, ATextOutsideItsPageEndsTheTextExportNamingThePage) {
    const String name = Dir.File("lista.txt");
    WriteFileBytes(name, "earlier");
    TrpEMFPages* pages = Report->EMFPages();
    pages->ObjectsToPage(1);
    pages->Pages(1)->Page->Objects.back()->Top = 1 << 29;
    pages->PageToObjects(1);
    EXPECT_EQ(ErrorOf<EListError>([&] { Report->ExportTo(TextFilter(), name); }),
              "List index out of bounds (33554432) on page 2");
    EXPECT_EQ(ReadFileBytes(name), "earlier");
}

// A memo of fixed height near the foot of the page whose lines run on below
// it and past the page's edge: the export writes what the page shows, the
// lines inside the memo, as the preview and the printer clip the rest.
TEST_F(ExportReport, LinesAMemoClipsAreNotExported) {
    TrpEMFPages* pages = Report->EMFPages();
    pages->ObjectsToPage(1);
    TrpView* memo = pages->Pages(1)->Page->Objects.back().get();
    memo->SetBounds(0, pages->Pages(1)->PrnInfo.Pgh - 30, 200, 30);
    memo->Flags = 0;
    memo->Memo.SetText("egy\r\nkettő\r\nhárom\r\nnégy\r\nöt\r\nhat\r\nhét");
    pages->PageToObjects(1);
    const String name = Dir.File("lista.txt");
    Report->ExportTo(TextFilter(), name);
    const String text = ReadFileBytes(name);
    EXPECT_NE(text.find("egy\r\nkettő\r\n\f"), String::npos);
    EXPECT_EQ(text.find("három"), String::npos);
}

// A memo of fixed height aligned to its foot or its middle, its text taller than it: its
// first lines run above its top (rotated: before its left edge). The export hands on what the
// page shows, a line cut by an edge as the lines inside; the lines wholly outside are clipped.
TEST_F(ExportReport, ALineAcrossAMemosEdgeIsExported) {
    const struct {
        Integer Adjust;
        std::vector<String> Exported;
    } rows[] = {
        {16, {"öt", "hat", "hét"}},     // "öt" runs from 6 pixels above the top to 9 below
        {8, {"három", "négy", "öt"}},   // "három" across the top, "öt" across the foot
        {16 | 4, {"öt", "hat", "hét"}}, // rotated, "öt" across the left edge
    };
    for (const auto& row : rows) {
        TrpEMFPages* pages = Report->EMFPages();
        pages->ObjectsToPage(1);
        auto* memo = static_cast<TrpMemoView*>(pages->Pages(1)->Page->Objects.back().get());
        memo->SetBounds(100, 300, 40, 40);
        memo->Flags = 0;
        memo->Adjust = row.Adjust;
        memo->Memo.SetText("egy\r\nkettő\r\nhárom\r\nnégy\r\nöt\r\nhat\r\nhét");
        pages->PageToObjects(1);
        std::vector<String> log;
        Report->ExportTo([&] { return new CountingFilter(&log); }, Dir.File("lista.txt"));
        const auto second = std::find(std::find(log.begin(), log.end(), "page") + 1, log.end(), "page");
        const auto third = std::find(second + 1, log.end(), "page");
        EXPECT_EQ(std::vector<String>(second + 2, third), row.Exported) << row.Adjust;
    }
}

TEST_F(ExportReport, EventsInOrderAndAnExistingFileReplaced) {
    const String name = Dir.File("lista.txt");
    WriteFileBytes(name, "a much longer earlier content of the file");
    std::vector<String> log;
    Report->ExportTo([&] { return new CountingFilter(&log); }, name);
    EXPECT_EQ(log, (std::vector<String>{"doc", "page", "data", "Oldal 1", "page", "data", "Oldal 2", "page",
                                        "data", "Oldal 3", "end"}));
    EXPECT_EQ(ReadFileBytes(name), "pppwhole");
}

TEST_F(ExportReport, TheCancelButtonDoesNotStopAnExport) {
    Window->CancelAt = 1;
    const String name = Dir.File("lista.txt");
    Report->ExportTo(TextFilter(), name);
    EXPECT_NE(ReadFileBytes(name).find("Oldal 3"), String::npos);
    EXPECT_EQ(Window->Result, 1);
    EXPECT_FALSE(Report->Terminated);
}

TEST_F(ExportReport, ExportShowsTheWindowWhateverTheReportSays) {
    Report->ShowProgress = false;
    Report->ExportTo(TextFilter(), Dir.File("lista.txt"));
    EXPECT_EQ(Window->Showings, 1);
}

TEST_F(ExportReport, AFailingFilterClosesTheWindowAndLeavesTheOldFile) {
    const String name = Dir.File("lista.txt");
    WriteFileBytes(name, "earlier");
    std::vector<String> log;
    EXPECT_EQ(ErrorOf<EWriteError>([&] {
                  Report->ExportTo(
                      [&] {
                          auto* f = new CountingFilter(&log);
                          f->FailOnPage = 2;
                          return f;
                      },
                      name);
              }),
              "Stream write error");
    EXPECT_EQ(ReadFileBytes(name), "earlier");
    EXPECT_FALSE(Window->Shown);
    EXPECT_EQ(Window->Result, 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "page"), 2);
    EXPECT_FALSE(Report->OnExportText);
    // Nothing half done stays behind: the next export runs whole.
    Report->ExportTo(TextFilter(), name);
    EXPECT_NE(ReadFileBytes(name).find("Oldal 3"), String::npos);
}

TEST_F(ExportReport, AFilterRefusedWhileMadeTouchesNoFile) {
    const String name = Dir.File("lista.txt");
    WriteFileBytes(name, "earlier");
    EXPECT_EQ(ErrorOf<EConvertError>(
                  [&] { Report->ExportTo([] { return new TrpTextExportFilter(nullptr, 0); }, name); }),
              "The average font height must be a whole number above 0");
    EXPECT_EQ(ReadFileBytes(name), "earlier");
    EXPECT_EQ(Window->Showings, 0);
}

TEST_F(ExportReport, OnlyAFilterClassExports) {
    const String name = Dir.File("lista.txt");
    EXPECT_EQ(ErrorOf<EInvalidCast>([&] { Report->ExportTo([] { return new TComponent(nullptr); }, name); }),
              "Invalid class typecast");
    EXPECT_EQ(ErrorOf<EInvalidCast>([&] { Report->ExportTo(nullptr, name); }), "Invalid class typecast");
    EXPECT_FALSE(std::filesystem::exists(name));
}

TEST_F(ExportReport, AFileThatCannotBeWrittenSaysWhich) {
    const String name = Dir.File("nincs/lista.txt");
    EXPECT_EQ(ErrorOf<EFCreateError>([&] { Report->ExportTo(TextFilter(), name); }),
              "Cannot create file \"" + name + "\"");
    EXPECT_FALSE(Window->Shown);
}

TEST_F(ExportReport, TheRegisteredFiltersExportAsThePreviewCallsThem) {
    // The text filter asks for its average font height.
    DialogRecorder dialogs([](const ui::DialogRequest& r) {
        return ui::DialogAnswer{1, r.Kind == ui::DialogKind::InputBox ? "16" : ""};
    });
    int exported = 0;
    for (Integer i = 0; i < rpFiltersCount; ++i) {
        const String mask = rpFilters[i].FilterExt;
        const String name = Dir.File("lista" + mask.substr(1));
        Report->ExportTo(rpFilters[i].ClassRef, name);
        const String bytes = ReadFileBytes(name);
        if (mask == "*.txt") {
            EXPECT_NE(bytes.find("Oldal 3"), String::npos);
            ++exported;
        } else if (mask == "*.rtf") {
            EXPECT_EQ(bytes.substr(0, 5), "{\\rtf");
            EXPECT_NE(bytes.find("Oldal 3"), String::npos);
            ++exported;
        }
    }
    EXPECT_EQ(exported, 2);
}
