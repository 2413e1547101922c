// preview_page_ms: paging through a prepared list of at least 200 pages in the preview at
// 100%: one step to the next page and the page box painted, with the real
// fonts, the page's objects read again from its stream as on screen.
#include "bench/ListTemplate.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TApplication.h"
#include "report/build/TrpEMFPages.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/engine/rpEngine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr Integer Pages = 200;

// Enough rows of the benchmarks' list for the pages.
void MakeList(TrpReport& report) {
    bench::MakeListTemplate(
        report, std::to_string(Pages * 63),
        {"[LINE#].", "Ügyfél Ödön [LINE#]", "Budapest, Fő utca [LINE#].", "P-[LINE#]/2024", "[LINE#]250 Ft"});
}

void BM_PreviewPage(benchmark::State& state) {
    Application->Initialize();
    rpInitEngine();
    Prn->SetPrinterIndex(Prn->DefaultPrinter);
    TComponent owner(nullptr);
    auto* report = new TrpReport(&owner);
    MakeList(*report);
    report->PrepareReport();
    if (report->EMFPages()->Count() < Pages) {
        state.SkipWithError("too few pages");
        return;
    }
    LastZoomFactor = 1.0;
    LastZoomMode = mdNone;
    auto form = std::make_unique<TrpPreviewForm>(nullptr);
    form->SetWindowState(wsNormal);
    form->SetClientWidth(1000);
    form->SetClientHeight(740);
    form->Prepare(report);
    TBitmap screen;
    screen.SetSize(form->PBox->Width(), form->PBox->Height());
    for (auto _ : state) {
        if (form->CurrentPage == form->HeldPages()->Count()) {
            form->CurrentPage = 1;
            form->SetToCurPage();
        } else {
            form->PgDownClick(form.get());
        }
        form->PBox->PaintTo(screen.Canvas());
    }
    state.counters["pages"] = form->HeldPages()->Count();
    form.reset();
    delete report;
}
BENCHMARK(BM_PreviewPage)->Unit(benchmark::kMillisecond)->Repetitions(3);

} // namespace
