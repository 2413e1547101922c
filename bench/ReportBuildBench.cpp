// report_pages_per_s: a list template of 10,000 rows of five memos over a
// SQLite query builds its prepared pages with the real fonts.
// report_build_ratio: that build against a plain walk of the same query that
// formats every field as text, in the same run.
#include "bench/ListTemplate.h"
#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/ui/TApplication.h"
#include "report/build/TrpDataset.h"
#include "report/build/TrpEMFPages.h"
#include "report/print/TrpPrinter.h"
#include "report/build/TrpReport.h"
#include "report/engine/rpEngine.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int ListRows = 10'000;
constexpr const char* ListQuery = "select nev, cim, ugyszam, datum, osszeg from lista";

class ListData {
public:
    ListData() {
        Db.SetDefaultDir(FFolder.Path());
        Db.SetDatabase("list.db");
        Db.SetConnected(true);
        Db.SQLite3_ExecSQL(
            "create table lista(nev varchar(40), cim varchar(60), ugyszam varchar(12), datum varchar(12),"
            " osszeg varchar(16));"
            "insert into lista with recursive c(n) as (select 1 union all select n + 1 from c limit " +
                std::to_string(ListRows) +
                ") select 'Ügyfél Ödön ' || n, 'Budapest, Fő utca ' || (n % 200) || '.', 'P-' || n || "
                "'/2024',"
                " '2024.0' || (1 + n % 9) || '.1' || (n % 9) || '.', (n * 1250) || ' Ft' from c",
            nullptr);
        Query.SetConnection(&Db);
        Query.SetName("Query1");
        Query.SQL()->SetText(ListQuery);
    }
    ~ListData() {
        Query.Close();
        Db.SetConnected(false);
    }

    ::TempFolder FFolder{"velmora-bench-report"};
    TSqlite3DB Db{nullptr};
    TComponent Owner{nullptr};
    TSqlite3Query Query{&Owner};
};

ListData& Data() {
    static ListData data;
    return data;
}

// The list over the query, its memos showing the five fields.
void MakeList(TrpReport& report, TrpDBDataSet& source) {
    bench::MakeListTemplate(report, "rpData", {"[nev]", "[cim]", "[ugyszam]", "[datum]", "[osszeg]"});
    source.SetName("rpData");
    source.SetDataSet(&Data().Query);
}

void BM_ReportBuild(benchmark::State& state) {
    Application->Initialize();
    rpInitEngine();
    Prn->SetPrinterIndex(Prn->DefaultPrinter);
    ListData& data = Data();
    auto* source = new TrpDBDataSet(&data.Owner);
    auto* report = new TrpReport(&data.Owner);
    MakeList(*report, *source);
    Integer pages = 0;
    for (auto _ : state) {
        data.Query.Close();
        report->PrepareReport();
        pages = report->EMFPages()->Count();
    }
    if (pages < 100) state.SkipWithError("too few pages");
    state.counters["pages_per_s"] =
        benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate);
    delete report;
    delete source;
}
BENCHMARK(BM_ReportBuild)->Unit(benchmark::kMillisecond)->Repetitions(3);

void BM_ReportQueryWalk(benchmark::State& state) {
    ListData& data = Data();
    for (auto _ : state) {
        data.Query.Close();
        data.Query.Open();
        TFields* fields = data.Query.Fields();
        std::size_t bytes = 0;
        for (; !data.Query.Eof(); data.Query.Next())
            for (Integer i = 0; i < fields->Count(); ++i)
                bytes += fields->Fields(i)->DisplayText().size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReportQueryWalk)->Unit(benchmark::kMillisecond)->Repetitions(3);

} // namespace
