// preview_page_ms: paging through a prepared list of at least 200 pages in the preview at
// 100%: one step to the next page and the page box painted, with the real
// fonts, the page's objects read again from its stream as on screen.
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TApplication.h"
#include "report/TrpBandView.h"
#include "report/TrpEMFPages.h"
#include "report/TrpMemoView.h"
#include "report/TrpPage.h"
#include "report/TrpPreviewForm.h"
#include "report/TrpPrinter.h"
#include "report/TrpReport.h"
#include "report/rpEngine.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr Integer Pages = 200;

// A page header and a master data band of five memos, 16 pixels a row, as
// many rows as make the pages.
void MakeList(TrpReport& report) {
    report.ShowProgress = false;
    report.Pages()->Add();
    TrpPage* page = report.Pages()->Pages(0);
    auto band = [&](TrpBandType type, Integer top, const String& formatStr) {
        auto* b = new TrpBandView();
        b->SetBandType(type);
        b->SetBounds(0, top, 700, 16);
        b->FormatStr = formatStr;
        b->Flags = 0;
        page->Add(b);
    };
    auto memo = [&](Integer left, Integer top, Integer width, const String& text) {
        auto* m = new TrpMemoView();
        m->SetBounds(left, top, width, 16);
        m->Memo.SetText(text);
        m->Font.SetSize(8);
        page->Add(m);
    };
    band(btPageHeader, 20, "");
    memo(20, 20, 300, "Ügyfelek listája, [PAGE#]. oldal");
    band(btMasterData, 60, std::to_string(Pages * 63));
    const char* texts[] = {"Ügyfél Ödön [LINE#]", "Budapest, Fő utca [LINE#].", "P-[LINE#]/2024",
                           "2024.05.17.", "[LINE#]250 Ft"};
    const Integer widths[] = {160, 200, 100, 90, 100};
    Integer x = 20;
    for (int k = 0; k < 5; ++k) {
        memo(x, 60, widths[k], texts[k]);
        x += widths[k] + 4;
    }
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
