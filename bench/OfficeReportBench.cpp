// caselist_report_s: the case search's "Nyomtatás" over every case of a 100,000-case
// office, from the click until the preview is up: both passes of the stored case list
// template, behind the progress window, while the main window's grid shows the search
// the report walks. depositlist_report_s: the same for the deposit list's "Nyomtatás"
// over 5,000 deposits. The program's forms, templates, fonts and windows throughout.
#include "app/cases/TForm1CaseParts.h"
#include "bench/OfficeWindows.h"
#include "app/reports/TForm1PrintParts.h"
#include "app/cases/CaseArea.h"
#include "app/deposits/DepositArea.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/ui/TCheckBox.h"
#include "sqlite/TSqlite3Query.h"

#include <benchmark/benchmark.h>

namespace {

// Runs the click; the preview must show a page for every few rows.
void TimePrint(benchmark::State& state, bench::OfficeWindows& Windows, TgxExtSpeedButton* Button,
               Integer Rows) {
    for (auto _ : state) {
        Windows.ShownPages = 0;
        Button->OnClick(Button);
    }
    if (Windows.ShownPages < Rows / 30) state.SkipWithError("too few pages");
    state.counters["pages"] = static_cast<double>(Windows.ShownPages);
}

void BM_CaseListReport(benchmark::State& state) {
    bench::OfficeWindows windows;
    // The case search over every case, as its page shows it.
    app::Ugykereses1Click(*Form1, nullptr);
    Form1->Cases().CheckBox2->SetChecked(false);
    app::gxExtSpeedButton8Click(*Form1, nullptr);
    Application->ProcessMessages();
    TimePrint(state, windows, Form1->PrintCommands().gxExtSpeedButton45, Form1->Query5->RecordCount());
}
BENCHMARK(BM_CaseListReport)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(2);

void BM_DepositListReport(benchmark::State& state) {
    bench::OfficeWindows windows;
    app::ReloadDepositListPage(*Form1);
    Application->ProcessMessages();
    TimePrint(state, windows, Form1->PrintCommands().letetlistaPrint,
              Form1->letetlista_Query1->RecordCount());
}
BENCHMARK(BM_DepositListReport)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

} // namespace
