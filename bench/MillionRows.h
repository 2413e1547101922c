#pragma once
// The database the loading benchmarks share: a million rows of (integer, text,
// date text, real) in table t, built once per run in a temporary folder.
#include "sqlite/TSqlite3DB.h"
#include "tests/support/TempFolder.h"

#include <string>

namespace bench {

constexpr int MillionRowCount = 1'000'000;
constexpr const char* MillionRowQuery = "select i, s, d, r from t";

class MillionRows {
public:
    MillionRows() {
        Db.SetDefaultDir(FFolder.Path());
        Db.SetDatabase("rows.db");
        Db.SetConnected(true);
        Db.SQLite3_ExecSQL(
            "create table t(i integer, s varchar(40), d date, r real);"
            "insert into t with recursive c(n) as (select 1 union all select n + 1 from c limit " +
                std::to_string(MillionRowCount) +
                ") select n, 'ügyfél neve ' || n, date('2000-01-01', '+' || (n % 7300) || ' days'),"
                " n * 0.25 from c",
            nullptr);
    }
    ~MillionRows() { Db.SetConnected(false); }
    MillionRows(const MillionRows&) = delete;
    MillionRows& operator=(const MillionRows&) = delete;

    // The folder goes last, after the connection has closed its file.
    ::TempFolder FFolder{"velmora-bench"};
    TSqlite3DB Db{nullptr};
};

// The one instance of the run, created on first use.
inline MillionRows& MillionRowDatabase() {
    static MillionRows rows;
    return rows;
}

} // namespace bench
