// The statement routines every save reads its numbers through, on the real schema.
#include "app/common/QueryRun.h"
#include "tests/app/StatementQueryFixture.h"

#include <gtest/gtest.h>

#include <utility>

namespace apptest {
namespace {

class QueryRun : public StatementQueryFixture {};

// A largest key reads as the number; nothing there reads as 0, whatever type the
// engine gives the column.
TEST_F(QueryRun, OpenForIntegerGivesZeroForNullOrNoRow) {
    const Integer caseId = AddCase("Ügy", "2009-03-05");
    const std::pair<const char*, Integer> rows[] = {
        {"SELECT max(sorszam) FROM jub", 0},      // an aggregate over no rows: one NULL of no type
        {"SELECT sorszam FROM jub", 0},           // no row at all
        {"SELECT befejezve FROM ugy", 0},         // a NULL of a declared column
        {"SELECT max(sorszam) FROM ugy", caseId}, // a key
    };
    for (const auto& [sql, expected] : rows)
        EXPECT_EQ(app::OpenForInteger(Query(), sql), expected) << sql;
}

} // namespace
} // namespace apptest
