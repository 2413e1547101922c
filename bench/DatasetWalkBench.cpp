// dataset_walk_ratio: opening a query dataset on a million rows of (integer,
// text, date text, real) and walking it with Next, reading every field as text,
// against a plain step loop reading every column as text, in the same run.
// dataset_memory_ratio: heap taken per loaded row against the size of the row's
// values as the engine holds them (8 bytes a number, the text's bytes).
#include "bench/MillionRows.h"

#include "platform/core/TStringList.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstddef>

namespace {

constexpr int WalkRows = bench::MillionRowCount;
constexpr const char* WalkQuery = bench::MillionRowQuery;

void BM_DatasetWalk(benchmark::State& state) {
    TSqlite3DB& db = bench::MillionRowDatabase().Db;
    for (auto _ : state) {
        TSqlite3Query query(nullptr);
        query.SetConnection(&db);
        query.SQL()->SetText(WalkQuery);
        query.Open();
        TFields* fields = query.Fields();
        const Integer count = fields->Count();
        std::size_t bytes = 0;
        int rows = 0;
        for (; !query.Eof(); query.Next()) {
            for (Integer i = 0; i < count; ++i)
                bytes += fields->Fields(i)->AsString().size();
            ++rows;
        }
        if (rows != WalkRows) state.SkipWithError("row count");
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_DatasetWalkStepLoop(benchmark::State& state) {
    TSqlite3DB& db = bench::MillionRowDatabase().Db;
    const sqlite::EngineApi& api = db.Api();
    for (auto _ : state) {
        sqlite3_stmt* statement = nullptr;
        api.prepare(db.Handle(), WalkQuery, -1, &statement, nullptr);
        std::size_t bytes = 0;
        int rows = 0;
        while (api.step(statement) == SQLITE_ROW) {
            for (int i = 0; i < 4; ++i) {
                benchmark::DoNotOptimize(api.column_text(statement, i));
                bytes += static_cast<std::size_t>(api.column_bytes(statement, i));
            }
            ++rows;
        }
        api.finalize(statement);
        if (rows != WalkRows) state.SkipWithError("row count");
        benchmark::DoNotOptimize(bytes);
    }
}

// Size of the values as the engine holds them, summed over the result.
double EngineDataBytes(TSqlite3DB& db) {
    const sqlite::EngineApi& api = db.Api();
    sqlite3_stmt* statement = nullptr;
    api.prepare(db.Handle(), WalkQuery, -1, &statement, nullptr);
    double bytes = 0;
    while (api.step(statement) == SQLITE_ROW) {
        for (int i = 0; i < 4; ++i) {
            const int type = api.column_type(statement, i);
            if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
                bytes += 8;
            else
                bytes += api.column_bytes(statement, i);
        }
    }
    api.finalize(statement);
    return bytes;
}

// Heap in use, large blocks the allocator maps on their own included.
std::size_t HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void BM_DatasetMemory(benchmark::State& state) {
    TSqlite3DB& db = bench::MillionRowDatabase().Db;
    const double dataBytes = EngineDataBytes(db);
    double heapBytes = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = HeapInUse();
        TSqlite3Query query(nullptr);
        query.SetConnection(&db);
        query.SQL()->SetText(WalkQuery);
        query.Open();
        // The store may take chunks a closed store left in its pool, which a
        // heap difference does not see; its own count covers those.
        heapBytes = std::max(static_cast<double>(HeapInUse() - before),
                             static_cast<double>(query.ResultStore()->MemoryUsed()));
        if (query.RecordCount() != WalkRows) state.SkipWithError("row count");
    }
    state.counters["bytes_per_row"] = heapBytes / WalkRows;
    state.counters["data_bytes_per_row"] = dataBytes / WalkRows;
    state.counters["memory_ratio"] = heapBytes / dataBytes;
}

} // namespace

BENCHMARK(BM_DatasetWalkStepLoop)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_DatasetWalk)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(BM_DatasetMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
