// sqlite_load_ratio: loading a million rows of (integer, text, date text, real)
// into the result store, against a plain step-and-read loop over the same query.
#include "bench/MillionRows.h"
#include "bench/Seconds.h"

#include "platform/data/TFieldDefs.h"
#include "platform/data/TParams.h"
#include "sqlite/ResultTarget.h"
#include "sqlite/SqliteFieldMap.h"
#include "sqlite/SqliteRout.h"
#include "sqlite/TFResult.h"
#include "sqlite/TSqlite3DB.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int RowCount = bench::MillionRowCount;
constexpr const char* Query = bench::MillionRowQuery;

// A dataset's part in loading: the store and the date conversion.
class LoadTarget : public sqlite::ResultTarget {
public:
    explicit LoadTarget(TSqlite3DB* db) : FDb(db), FDefs(nullptr) {}
    TSqlite3DB* ResultConnection() const override { return FDb; }
    void CloseForDisconnect() override {}
    TFieldDefs& ResultFieldDefs() override { return FDefs; }
    TParams& ResultParams() override { return FParams; }
    bool ResultTypeLess() const override { return false; }
    TFResult* ResultStore() override { return FStore.get(); }
    void UnpackText(Integer field, TFieldType type, const char* text, sqlite::RowImage& row) override {
        if (type == ftDate)
            row.SetFloat(field, YYYYMMDDParser(text));
        else if (text)
            row.SetBytes(field, text);
    }
    void Reset() { FStore = std::make_unique<TFResult>(); }
    std::unique_ptr<TFResult> FStore;

private:
    TSqlite3DB* FDb;
    TFieldDefs FDefs;
    TParams FParams;
};

// One load into a fresh store; returns its row count.
int LoadStore(TSqlite3DB& db, LoadTarget& target) {
    target.Reset();
    db.SQLite3_Execute(Query, &target);
    return target.FStore->Count();
}

// The reference: step through the same query reading every column once.
int StepLoop(TSqlite3DB& db) {
    const sqlite::EngineApi& api = db.Api();
    sqlite3_stmt* statement = nullptr;
    api.prepare(db.Handle(), Query, -1, &statement, nullptr);
    Int64 sum = 0;
    std::size_t bytes = 0;
    double real = 0;
    int rows = 0;
    while (api.step(statement) == SQLITE_ROW) {
        sum += api.column_int64(statement, 0);
        const unsigned char* s = api.column_text(statement, 1);
        bytes += static_cast<std::size_t>(api.column_bytes(statement, 1));
        const unsigned char* d = api.column_text(statement, 2);
        real += api.column_double(statement, 3);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(d);
        ++rows;
    }
    api.finalize(statement);
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(bytes);
    benchmark::DoNotOptimize(real);
    return rows;
}

// Both sides run back to back in each round, so a busy machine slows both
// alike; the median of the rounds' ratios is the figure.
void BM_SqliteLoadRatio(benchmark::State& state) {
    TSqlite3DB& db = bench::MillionRowDatabase().Db;
    LoadTarget target(&db);
    constexpr int Rounds = 7;
    std::vector<double> ratios;
    double bestStep = 1e9;
    double bestLoad = 1e9;
    for (auto _ : state) {
        for (int round = 0; round < Rounds; ++round) {
            int stepped = 0;
            int loaded = 0;
            const double step = bench::Seconds([&] { stepped = StepLoop(db); });
            const double load = bench::Seconds([&] { loaded = LoadStore(db, target); });
            if (stepped != RowCount || loaded != RowCount) state.SkipWithError("row count");
            ratios.push_back(load / step);
            bestStep = std::min(bestStep, step);
            bestLoad = std::min(bestLoad, load);
        }
    }
    std::sort(ratios.begin(), ratios.end());
    state.counters["ratio"] = ratios[ratios.size() / 2];
    state.counters["step_ms"] = bestStep * 1e3;
    state.counters["load_ms"] = bestLoad * 1e3;
    state.counters["bytes_per_row"] = static_cast<double>(target.FStore->MemoryUsed()) / RowCount;
}

} // namespace

BENCHMARK(BM_SqliteLoadRatio)->Unit(benchmark::kMillisecond)->Iterations(1);
