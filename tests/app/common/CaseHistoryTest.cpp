// What the history list shows and does: its dates, whatever the database holds, and
// the action behind a double-click on each kind of cell.
#include "app/common/CaseHistory.h"
#include "app/common/QueryRun.h"
#include "app/common/StoredDate.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/OfficeDbFixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace apptest {
namespace {

using app::HistoryClick;

class CaseHistory : public OfficeDbFixture {};

TEST_F(CaseHistory, DatesShowInTheShortFormatAndForeignTextAsItIs) {
    TSqlite3Query query(nullptr);
    query.SetConnection(&DB());
    query.SetRawSQL(true);
    // A date column as the schema declares it.
    AddHistoryEntry(AddCase("Ügy", "2009-01-01"), "2009-03-05", "", "");
    app::OpenStatement(query, "SELECT datum FROM ugyitem");
    EXPECT_EQ(app::StoredDate::Of(query.FieldByName("datum")).DisplayText(), "2009.03.05.");
    Exec("UPDATE ugyitem SET datum=NULL");
    app::OpenStatement(query, "SELECT datum FROM ugyitem");
    EXPECT_EQ(app::StoredDate::Of(query.FieldByName("datum")).DisplayText(), "");

    // A column the data layer leaves as text. Each row: the text, what the list shows.
    const struct {
        const char* stored;
        const char* shown;
    } rows[] = {
        {"'2009-03-05'", "2009.03.05."}, {"NULL", ""}, {"''", ""},
        {"'tavaly'", "tavaly"},         // not a date: shown as stored, never raised
        {"'2009-02-30'", "2009-02-30"}, // no such day
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.stored);
        app::OpenStatement(query, "SELECT " + String(r.stored) + " AS datum");
        EXPECT_EQ(app::StoredDate::Of(query.FieldByName("datum")).DisplayText(), r.shown);
    }
}

TEST_F(CaseHistory, DoubleClickByColumn) {
    const std::string present = Folder() + "/levél.pdf";
    std::ofstream(present) << "x";
    // Each row: column, the row's file, the action.
    const struct {
        const char* field;
        std::string file;
        HistoryClick action;
    } rows[] = {
        {"megjegyzes", "", HistoryClick::ShowNote},
        {"megjegyzes", present, HistoryClick::ShowNote},
        {"ufile", present, HistoryClick::OpenFile},
        {"ufile", Folder() + "/nincs.pdf", HistoryClick::FileMissing},
        {"ufile", Folder(), HistoryClick::FileMissing}, // a folder is no document
        {"ufile", "", HistoryClick::Nothing},
        {"datum", present, HistoryClick::Nothing},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.field) + " " + r.file);
        EXPECT_EQ(app::HistoryDoubleClick(r.field, r.file), r.action);
    }
}

} // namespace
} // namespace apptest
