// casesheet_longword_s: the case sheet opened on a case of the office whose description is one
// word of a million letters (a text pasted without spaces), from the show until the sheet is up
// with its description laid out and drawn: the program's sheet with its queries, grids and
// read-only description box.
#include "app/cases/Tugyadatlap.h"
#include "app/main/TForm1.h"
#include "bench/OfficeFolder.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBMemo.h"
#include "sqlite/TSqlite3DB.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_CaseSheetLongWord(benchmark::State& state) {
    constexpr std::size_t Letters = 1'000'000;
    bench::Office();
    Application->Initialize();
    Application->CreateForm(Form1);
    Application->CreateForm(ugyadatlap);
    Form1->Show();
    Application->ProcessMessages();
    TSqlite3DB& db = *Form1->Sqlite3DB1;
    db.SQLite3_ExecSQL("INSERT INTO ugy (status, nev, leiras, datum) VALUES (1, 'Hosszú leírás', '" +
                           std::string(Letters, 'w') + "', '2024-01-02')",
                       nullptr);
    const auto id = static_cast<Integer>(db.LastInsertRowId());
    std::size_t shown = 0;
    for (auto _ : state) {
        ugyadatlap->CaseId = id;
        ugyadatlap->Show();
        while (!ugyadatlap->Showing())
            Application->ProcessMessages();
        Application->ProcessMessages();
        state.PauseTiming();
        shown = ugyadatlap->DBMemo1->Text().size();
        ugyadatlap->Hide();
        Application->ProcessMessages();
        state.ResumeTiming();
    }
    // The other benchmarks of the run find the office as it was.
    db.SQLite3_ExecSQL("DELETE FROM ugy WHERE sorszam=" + std::to_string(id), nullptr);
    Application->DestroyComponents();
    Form1 = nullptr;
    Application->ProcessMessages();
    if (shown != Letters) state.SkipWithError("the description did not show whole");
}
BENCHMARK(BM_CaseSheetLongWord)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

} // namespace
