// The case sheet's statements and its event write, run against the schema: events
// with their serials and retention deadlines, the closing of a case, deletes, and the
// clients list with its identification mark.
#include "app/common/CaseSheetStatements.h"
#include "app/cases/CaseSaves.h"
#include "app/common/QueryRun.h"
#include "platform/core/DateTime.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/StatementQueryFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace apptest {
namespace {

class CaseSheetStatements : public StatementQueryFixture {
protected:
    void SetUp() override {
        StatementQueryFixture::SetUp();
        CaseId = AddCase("Bakos kártérítés", "2009-03-05", "Közlekedési baleset");
    }

    app::CaseEventInput Event(const String& date, const String& file, const String& text) {
        app::CaseEventInput e;
        e.CaseId = CaseId;
        e.Date = SqlDate(date);
        e.File = file;
        e.Text = text;
        return e;
    }
    static TDateTime SqlDate(const String& text) {
        return EncodeDate(static_cast<Word>(std::stoi(text.substr(0, 4))),
                          static_cast<Word>(std::stoi(text.substr(5, 2))),
                          static_cast<Word>(std::stoi(text.substr(8, 2))));
    }

    Integer CaseId = 0;
};

TEST_F(CaseSheetStatements, HeaderShowsNumberStateAndDates) {
    app::OpenStatement(Query(), app::CaseHeaderSql(CaseId));
    EXPECT_EQ(Query().FieldByName("ev")->AsInteger(), 2009);
    EXPECT_EQ(Query().FieldByName("szam")->AsInteger(), 1);
    EXPECT_EQ(Query().FieldByName("nev")->AsString(), "Bakos kártérítés");
    EXPECT_EQ(Query().FieldByName("leiras")->AsString(), "Közlekedési baleset");
    EXPECT_EQ(Query().FieldByName("statusz")->AsString(), "aktív");
    EXPECT_TRUE(Query().FieldByName("befejezve")->IsNull());
    Exec(app::CaseCloseSql(CaseId));
    app::OpenStatement(Query(), app::CaseHeaderSql(CaseId));
    EXPECT_EQ(Query().FieldByName("statusz")->AsString(), "lezárt");
    EXPECT_FALSE(Query().FieldByName("befejezve")->IsNull());
}

TEST_F(CaseSheetStatements, EventsGetSerialsFromTheDatabaseAndComeInDateOrder) {
    app::WriteCaseEvent(Query(), Event("2009-04-02", "C:\\iratok\\idézés.pdf", "Idézés"), 0, false, 0);
    app::WriteCaseEvent(Query(), Event("2009-03-10", "", "Telefon az ügyféllel"), 0, false, 0);
    app::WriteCaseEvent(Query(), Event("2009-03-20", "/iratok/szerződés.doc", ""), 0, false, 0);
    // Each row: date, file, text, document serial (only entries with a file get one).
    EXPECT_EQ(Rows("SELECT datum, ufile, megjegyzes, dokszam FROM ugyitem ORDER BY sorszam"),
              (std::vector<Row>{{"2009-04-02", "C:\\iratok\\idézés.pdf", "Idézés", "1"},
                                {"2009-03-10", "", "Telefon az ügyféllel", std::nullopt},
                                {"2009-03-20", "/iratok/szerződés.doc", "", "2"}}));
    app::OpenStatement(Query(), app::CaseHistorySql(CaseId));
    std::vector<String> texts;
    for (Query().First(); !Query().Eof(); Query().Next())
        texts.push_back(Query().FieldByName("megjegyzes")->AsString());
    EXPECT_EQ(texts, (std::vector<String>{"Telefon az ügyféllel", "", "Idézés"}));
}

TEST_F(CaseSheetStatements, EmptyEventStoresNothing) {
    app::WriteCaseEvent(Query(), Event("2009-04-02", "", ""), 10, false, 0);
    EXPECT_EQ(Number("SELECT count(*) FROM ugyitem"), 0);
    EXPECT_FALSE(Query().Active());
}

TEST_F(CaseSheetStatements, RetentionDeadline) {
    // Each row: event date, kept, retention years, the stored deadline.
    const struct {
        const char* date;
        bool keep;
        Integer years;
        std::optional<String> deadline;
    } rows[] = {
        {"2009-03-05", true, 10, String("2019-03-05")},
        {"2008-02-29", true, 5, String("2013-03-01")}, // 29 February becomes 1 March
        {"2008-02-29", true, 4, String("2012-03-01")}, // also in a leap year
        {"2009-03-05", true, 0, std::nullopt},         // no retention period set
        {"2009-03-05", false, 10, std::nullopt},       // not kept
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.date);
        app::CaseEventInput e = Event(r.date, "", "Esemény");
        e.Keep = r.keep;
        e.Archive = true;
        app::WriteCaseEvent(Query(), e, r.years, false, 0);
        const Row stored = Rows("SELECT orzendo, archivalando, orzesi_hatarido FROM ugyitem WHERE sorszam=" +
                                Key(LastKey("ugyitem")))
                               .at(0);
        EXPECT_EQ(stored, (Row{r.keep ? "1" : "0", "1", r.deadline}));
    }
}

TEST_F(CaseSheetStatements, QuotesAndHungarianLettersStayAsTyped) {
    app::WriteCaseEvent(Query(),
                        Event("2009-03-05", "C:\\O'Brien\\őrzés ''két''.txt",
                              "Ügyfél: O'Brien; árvíztűrő tükörfúrógép\r\nmásodik sor"),
                        0, false, 0);
    EXPECT_EQ(Rows("SELECT ufile, megjegyzes FROM ugyitem"),
              (std::vector<Row>{{"C:\\O'Brien\\őrzés ''két''.txt",
                                 "Ügyfél: O'Brien; árvíztűrő tükörfúrógép\r\nmásodik sor"}}));
}

TEST_F(CaseSheetStatements, ClosingAddsTheEntryDatedTodayAndClosesTheCase) {
    const TDateTime today = EncodeDate(2010, 6, 1);
    // An empty event with closing checked: only the closing entry, dated today.
    app::WriteCaseEvent(Query(), Event("2009-03-07", "", ""), 10, true, today);
    EXPECT_EQ(Rows("SELECT datum, ufile, megjegyzes, orzesi_hatarido FROM ugyitem"),
              (std::vector<Row>{{"2010-06-01", "", "Ügy lezárása", std::nullopt}}));
    EXPECT_EQ(Number("SELECT status FROM ugy WHERE sorszam=" + Key(CaseId)), 0);

    // With an event: the event with its own date first, then the closing entry.
    const Integer other = AddCase("Másik", "2009-01-01");
    app::CaseEventInput e = Event("2009-03-07", "", "Utolsó tárgyalás");
    e.CaseId = other;
    app::WriteCaseEvent(Query(), e, 10, true, today);
    EXPECT_EQ(Rows("SELECT datum, megjegyzes FROM ugyitem WHERE ugy=" + Key(other) + " ORDER BY sorszam"),
              (std::vector<Row>{{"2009-03-07", "Utolsó tárgyalás"}, {"2010-06-01", "Ügy lezárása"}}));
}

TEST_F(CaseSheetStatements, DeletesTouchOnlyTheirRow) {
    const Integer keep = AddHistoryEntry(CaseId, "2009-03-06", "", "Marad");
    const Integer gone = AddHistoryEntry(CaseId, "2009-03-07", "", "Törlendő");
    app::OpenStatement(Query(), app::DeleteHistoryEntrySql(gone));
    EXPECT_EQ(Rows("SELECT sorszam FROM ugyitem"), (std::vector<Row>{{Key(keep)}}));

    const Integer person = AddPerson("Kovács János");
    const Integer copy = AddCasePerson(CaseId, "Kovács János", person);
    Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev) VALUES (" + Key(CaseId) + ", 'Példa Kft.')");
    const Integer orgCopy = LastKey("ugy_ugyfel_szerv");
    app::OpenStatement(Query(), app::DeleteCaseClientSql(1, copy));
    app::OpenStatement(Query(), app::DeleteCaseClientSql(2, orgCopy));
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_tsz"), 0);
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_szerv"), 0);
    // The register keeps its row.
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_termeszetes_szemely"), 1);
    EXPECT_EQ(app::DeleteCaseClientSql(3, copy), "");
}

TEST_F(CaseSheetStatements, ClientsListMarksIdentifiedPersonsAndShowsIdentifiers) {
    const Integer person = AddPerson("Kovács János", String("1970-01-02"));
    AddCasePerson(CaseId, "Kovács János", person, true);
    Exec("UPDATE ugy_ugyfel_tsz SET szuletesi_ido='1970-01-02'");
    AddCasePerson(CaseId, "O'Brien Éva");
    Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev, azonosito_okirat_szama) VALUES (" + Key(CaseId) +
         ", 'Példa Kft.', 'Cg. 01-09-123456')");
    AddCasePerson(AddCase("Másik ügy", "2009-01-01"), "Más ügyfele");

    app::OpenStatement(Query(), app::CaseClientsSql(CaseId));
    std::vector<Row> rows;
    for (Query().First(); !Query().Eof(); Query().Next())
        rows.push_back({Query().FieldByName("nev")->AsString(), Query().FieldByName("azonosito")->AsString(),
                        Query().FieldByName("tipus")->AsString()});
    std::sort(rows.begin(), rows.end());
    // Birth dates and document numbers share the identifier column.
    EXPECT_EQ(rows, (std::vector<Row>{{"Kovács János [JÜB]", "1970.01.02.", "1"},
                                      {"O'Brien Éva", "", "1"},
                                      {"Példa Kft.", "Cg. 01-09-123456", "2"}}));
}

} // namespace
} // namespace apptest
