// old_template_load_ms: a template of the older stream version (22) with 4,000
// objects read into a report; such a stream carries no names, so every view
// is named as it is read.
// rich_text_build_ms: a report whose one band holds a rich text of 400,000
// characters (a single paragraph of alternating plain and bold words) built
// over its pages: expanded, measured, laid out and split part by part (it
// ends in an expression, so no build reuses the layout of the one before).
// rich_long_word_s: the same report over a megabyte without a blank, which the
// document breaks into lines itself (the toolkit's own breaking takes about a
// minute over it).
// rich_expand_s: the same report over a paragraph of 50,000 bracketed
// expressions, each value asked of the report (put in one by one from the
// front, each scan starting again, they took over three minutes).
#include "platform/core/TMemoryStream.h"
#include "platform/ui/TApplication.h"
#include "report/views/TrpBandView.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpPage.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichView.h"
#include "report/engine/rpEngine.h"
#include "platform/core/Variant.h"
#include "platform/graphics/TRichDocument.h"
#include "tests/report/StreamBytes.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int OldObjects = 4'000;
constexpr std::size_t RichCharacters = 400'000;
constexpr std::size_t LongWordLetters = 1'000'000;
constexpr int Expressions = 50'000;

// One page, then memos and lines in turn, as version 22 wrote them.
Bytes OldTemplate() {
    ByteWriter w;
    w.U8(22).U16(0).U16(0).Str22("");
    w.U8(255).I32(9).I32(2100).I32(2970).I32(0).I32(0).I32(0).I32(0).U8(0);
    w.Raw(Bytes{1, 2, 3, 4, 5, 6});
    w.U16(0).U16(0xFFFF).I32(1).I32(0);
    for (int k = 0; k < OldObjects; ++k) {
        const std::int32_t top = 20 + k % 50 * 20;
        if (k % 2 == 0) {
            w.U8(0).U8(0);
            w.Block(5, top, 70, 15, 1, 0, 2, 0, 0, 0xFFFFFF).I32(0x22C).Str22("").Memo22({"[PNAME]"});
            w.Str22("Arial").I32(9).U16(0).I32(0).I32(1).U16(0);
            w.U16(1).I32(0).I32(0xFFFFFF).Str22("");
        } else {
            w.U8(4).U8(0).Block(0, top, 100, 0, 1, 4, 1, 0, 0, 0x1FFFFFFF).I32(0x22C).Str22("").Memo22({});
        }
    }
    w.U8(254).I32(0).Memo22({});
    return w.Out;
}

void BM_OldTemplateLoad(benchmark::State& state) {
    Application->Initialize();
    rpInitEngine();
    const Bytes bytes = OldTemplate();
    TMemoryStream stream;
    TrpReport report(nullptr);
    for (auto _ : state) {
        LoadBytes(stream, bytes);
        report.LoadFromStream(&stream);
    }
    if (report.Pages()->Count() != 1 || report.Pages()->Pages(0)->Objects.size() != OldObjects ||
        report.Pages()->Pages(0)->Objects.back()->Name != "Line" + std::to_string(OldObjects / 2))
        state.SkipWithError("the template did not read as written");
}
BENCHMARK(BM_OldTemplateLoad)->Unit(benchmark::kMillisecond)->Repetitions(3);

// Builds of rich-text reports so far in this run.
int RichBuilds = 0;

// A report of one stretching band holding one rich view of Rtf. Each build asks
// the report for "N" and gets the build's number in the run, so a text holding
// [N] is read, expanded and laid out anew every time, as for a new record.
struct RichReport {
    explicit RichReport(const std::string& Rtf) {
        Application->Initialize();
        rpInitEngine();
        Prn->SetPrinterIndex(Prn->DefaultPrinter);
        Report.ShowProgress = false;
        Report.OnGetValue = [](const String& Name, Variant& Value) {
            if (Name == "N") Value = Variant(RichBuilds);
        };
        Report.Pages()->Add();
        TrpPage* page = Report.Pages()->Pages(0);
        auto* band = new TrpBandView();
        band->SetBandType(btMasterData);
        band->SetBounds(0, 20, 700, 30);
        band->FormatStr = "1";
        band->Flags = bfStretched | bfAllowSplit;
        page->Add(band);
        auto* rich = new TrpRichView();
        rich->SetBounds(0, 20, 600, 30);
        rich->RichText = Rtf;
        page->Add(rich);
    }
    // Builds the report; answers its page count.
    Integer Build() {
        ++RichBuilds;
        Report.PrepareReport();
        return Report.EMFPages()->Count();
    }

    TrpReport Report{nullptr};
};

void BM_RichTextBuild(benchmark::State& state) {
    std::string text = "{\\rtf1\\ansi\\fs20 ";
    for (int k = 0; text.size() < RichCharacters; ++k)
        text += (k % 2 ? "\\b0 " : "\\b ") + std::string("szó") + std::to_string(k) + " ";
    RichReport report(text + "[N]\\par}");
    Integer pages = 0;
    for (auto _ : state)
        pages = report.Build();
    if (pages < 20) state.SkipWithError("too few pages");
}
BENCHMARK(BM_RichTextBuild)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_RichLongWord(benchmark::State& state) {
    RichReport report("{\\rtf1\\ansi\\fs20 " + std::string(LongWordLetters, 'w') + " [N]\\par}");
    Integer pages = 0;
    for (auto _ : state)
        pages = report.Build();
    if (pages < 100) state.SkipWithError("too few pages");
}
BENCHMARK(BM_RichLongWord)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

void BM_RichExpand(benchmark::State& state) {
    std::string text = "{\\rtf1\\ansi\\fs20 ";
    for (int k = 0; k < Expressions; ++k)
        text += "x[N] ";
    RichReport report(text + "\\par}");
    String expanded, expected;
    for (auto _ : state) {
        report.Build();
        const String n = std::to_string(RichBuilds);
        expected = "x" + n + " x" + n + " ";
        expanded = rpRichShared().Line(0).substr(0, expected.size());
    }
    if (expanded != expected) state.SkipWithError("the expressions were not expanded");
}
BENCHMARK(BM_RichExpand)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

} // namespace
