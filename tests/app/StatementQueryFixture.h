#pragma once
// An office database with one statement query on it, set up as the forms set up theirs.
#include "app/common/QueryRun.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/OfficeDbFixture.h"

#include <memory>

namespace apptest {

class StatementQueryFixture : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        FQuery.reset(app::MakeStatementQuery(nullptr, "Query1", &DB()));
    }
    void TearDown() override {
        FQuery.reset();
        OfficeDbFixture::TearDown();
    }
    TSqlite3Query& Query() { return *FQuery; }
    static String Key(Integer id) { return std::to_string(id); }

private:
    std::unique_ptr<TSqlite3Query> FQuery;
};

} // namespace apptest
