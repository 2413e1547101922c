// export_full_s: 65,536 rows of 10 mixed columns from a query to a spreadsheet
// file, as the application's exporters run (query opened, progress window up).
// export_walk_ratio: that against a plain step loop over the same query.
// export_writer_cells_per_s: the worksheet writer alone, cells into memory.
#include "bench/GeneratedTable.h"
#include "export/BiffCells.h"
#include "export/TVgExportToXLS.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/TStringList.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int ExportRows = 65536;
constexpr int ExportColumns = 10;
constexpr const char* ExportQuery =
    "select n, ev, nev, datum, osszeg, szam, leiras, hatarido, arany, statusz from t";

bench::GeneratedTable& Database() {
    static bench::GeneratedTable db(
        "velmora-bench-export",
        "create table t(n integer, ev integer, nev varchar(60), datum date, osszeg real, szam integer,"
        " leiras varchar(80), hatarido date, arany real, statusz varchar(10));"
        "insert into t with recursive c(n) as (select 1 union all select n + 1 from c limit " +
            std::to_string(ExportRows) +
            ") select n, 2000 + n % 25, 'Ügyfél neve ' || n, date('2000-01-01', '+' || (n % 7300) || ' "
            "days'),"
            " n * 1.25, n % 200, 'Hagyatéki ügy leírása, ' || n || '. tétel',"
            " date('2010-01-01', '+' || (n % 3650) || ' days'), (n % 100) / 8.0,"
            " case n % 2 when 1 then 'aktív' else 'lezárt' end from c");
    return db;
}

void BM_ExportFull(benchmark::State& state) {
    bench::GeneratedTable& db = Database();
    for (auto _ : state) {
        TSqlite3Query query(nullptr);
        query.SetConnection(&db.Db);
        query.SQL()->SetText(ExportQuery);
        query.Open();
        TVgExportToXLS exporter(nullptr);
        exporter.SetColumnSource(csDataSet);
        exporter.SetDataSet(&query);
        exporter.SetFileName(db.File("export.xls"));
        exporter.Execute();
        if (exporter.GetExportResult() != erCompleted || exporter.GetExportedRecordCount() != ExportRows)
            state.SkipWithError("export failed");
    }
}

void BM_ExportStepWalk(benchmark::State& state) {
    bench::GeneratedTable& db = Database();
    const sqlite::EngineApi& api = db.Db.Api();
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        api.prepare(db.Db.Handle(), ExportQuery, -1, &statement, nullptr);
        std::size_t bytes = 0;
        int rows = 0;
        while (api.step(statement) == SQLITE_ROW) {
            for (int i = 0; i < ExportColumns; ++i) {
                benchmark::DoNotOptimize(api.column_text(statement, i));
                bytes += static_cast<std::size_t>(api.column_bytes(statement, i));
            }
            ++rows;
        }
        api.finalize(statement);
        if (rows != ExportRows) state.SkipWithError("row count");
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_ExportWriter(benchmark::State& state) {
    TFormatSettingsGuard guard(TFormatSettings::Hungarian());
    // A row of cells as the pipeline hands them over: type and text.
    const std::pair<TCellType, String> row[ExportColumns] = {
        {ctInteger, "17"},   {ctInteger, "2024"}, {ctString, "Ügyfél neve 17"}, {ctDate, "2024.03.15."},
        {ctDouble, "21,25"}, {ctInteger, "117"},  {ctMEMO, "Hagyatéki ügy"},    {ctDate, "2012.11.30."},
        {ctDouble, "0,125"}, {ctString, "aktív"}};
    std::string out;
    std::int64_t cells = 0;
    for (auto _ : state) {
        out.clear();
        biff::RecordWriter writer(out);
        for (int r = 0; r < ExportRows; ++r) {
            for (int c = 0; c < ExportColumns; ++c) {
                const biff::CellValue cell = biff::ConvertCell(row[c].first, row[c].second, false, false);
                biff::WriteCell(writer, static_cast<Word>(r), static_cast<Word>(c), cell,
                                {biff::FormatIndexOf(cell.Type), 0, 1}, row[c].second);
            }
        }
        cells += ExportRows * ExportColumns;
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["cells_per_s"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_ExportStepWalk)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_ExportFull)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_ExportWriter)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
