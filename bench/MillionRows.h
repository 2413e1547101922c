#pragma once
// The rows the loading benchmarks share: a million of (integer, text, date text, real)
// in table t, built once per run.
#include "bench/GeneratedTable.h"

#include <string>

namespace bench {

constexpr int MillionRowCount = 1'000'000;
constexpr const char* MillionRowQuery = "select i, s, d, r from t";

// The one instance of the run, created on first use.
inline GeneratedTable& MillionRowDatabase() {
    static GeneratedTable rows(
        "velmora-bench",
        "create table t(i integer, s varchar(40), d date, r real);"
        "insert into t with recursive c(n) as (select 1 union all select n + 1 from c limit " +
            std::to_string(MillionRowCount) +
            ") select n, 'ügyfél neve ' || n, date('2000-01-01', '+' || (n % 7300) || ' days'),"
            " n * 0.25 from c");
    return rows;
}

} // namespace bench
