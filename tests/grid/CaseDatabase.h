#pragma once
// An office database in a fresh temporary folder, built from resources/schema.sql,
// with Count cases (ev 2000 + i % 20, szam i, nev "Ügy i", status 1 for odd i),
// and a query over them, for grid tests and benchmarks.
#include "platform/core/TStringList.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/OfficeDatabase.h"

#include <memory>
#include <string>

namespace gridtest {

class CaseDatabase {
public:
    explicit CaseDatabase(int Count) {
        Db.SetDefaultDir(FOffice.Path());
        Db.SetDatabase("office.s3db");
        Db.SetCharacterEncoding("STANDARD");
        Db.SetConnected(true);
        Db.SQLite3_ExecSQL("insert into ugy(ev, szam, nev, leiras, datum, status) "
                           "select 2000 + n % 20, n, 'Ügy ' || n, 'Leírás', '2024.01.02.', n % 2 from "
                           "(with recursive c(n) as (select 1 union all select n + 1 from c limit " +
                               std::to_string(Count) + ") select n from c)",
                           nullptr);
    }
    ~CaseDatabase() {
        Query.reset();
        Db.SetConnected(false);
    }
    CaseDatabase(const CaseDatabase&) = delete;
    CaseDatabase& operator=(const CaseDatabase&) = delete;

    // Opens the case list the way the cases area reads it.
    TSqlite3Query*
    OpenCases(const String& Sql = "select sorszam, ev, szam, nev, status from ugy order by sorszam") {
        Query = std::make_unique<TSqlite3Query>(nullptr);
        Query->SetConnection(&Db);
        Query->SQL()->SetText(Sql);
        Query->Open();
        return Query.get();
    }

private:
    // The folder goes last, after the connection has closed its file.
    OfficeDatabase FOffice{"office.s3db", "velmora-grid"};

public:
    TSqlite3DB Db{nullptr};
    std::unique_ptr<TSqlite3Query> Query;
};

} // namespace gridtest
