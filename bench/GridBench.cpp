// grid_paint_screen_ms: one full paint of the case list grid (792 x 480) over the
// 100,000 cases of the benchmarks' office on an off-screen bitmap. grid_scroll_page_ms:
// Page Down and the repaint that follows.
#include "bench/OfficeFolder.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/VirtualKeys.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"

#include <benchmark/benchmark.h>

namespace {

struct GridSetup {
    GridSetup() {
        Db.SetDatabase(bench::Office().File());
        Db.SetCharacterEncoding("STANDARD");
        Db.SetConnected(true);
        Query.SetConnection(&Db);
        Query.SQL()->SetText("select sorszam, ev, szam, nev, datum, status from ugy order by sorszam");
        Query.Open();
        Source.SetDataSet(&Query);
        Grid.SetBounds(0, 0, 792, 480);
        Grid.SetDefaultRowHeight(17);
        Grid.GridStyle()->SetOddColor(clWindow);
        Grid.GridStyle()->SetEvenColor(15990526);
        Grid.SetExOptions(Grid.ExOptions() + TExOptions{eoBooleanAsCheckBox, eoShowFooter});
        Grid.SetDataSource(&Source);
        Grid.GetColumns()->GetColumn(3)->SetWidth(400);
        Grid.GetColumns()->GetColumn(3)->SetFooterText("Összesen: %");
        Grid.GetColumns()->GetColumn(3)->SetFooterValue(Variant(100000));
    }
    TSqlite3DB Db{nullptr};
    TSqlite3Query Query{nullptr};
    TDataSource Source{nullptr};
    TVgDBGrid Grid{nullptr};
    TBitmap Screen{792, 480};
};

GridSetup& Setup() {
    static GridSetup setup;
    return setup;
}

void BM_GridPaintScreen(benchmark::State& state) {
    GridSetup& s = Setup();
    s.Query.First();
    for (auto _ : state)
        s.Grid.PaintTo(s.Screen.Canvas());
}
BENCHMARK(BM_GridPaintScreen)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_GridScrollPage(benchmark::State& state) {
    GridSetup& s = Setup();
    s.Query.First();
    for (auto _ : state) {
        Word key = VK_NEXT;
        s.Grid.KeyDown(key, {});
        s.Grid.PaintTo(s.Screen.Canvas());
        if (s.Query.Eof()) {
            state.PauseTiming();
            s.Query.First();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_GridScrollPage)->Unit(benchmark::kMillisecond)->Repetitions(3);

} // namespace
