// The identification queries' statements against the schema: query numbers and serials
// per case, what a person copy without a register row gives, storing a query (deadline,
// quotes, success flag carried to the case, all or nothing) and the filtered list.
#include "app/common/CaseSheetStatements.h"
#include "app/identification/JubStatements.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/ErrorOf.h"
#include "tests/app/OfficeDbFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace apptest {
namespace {

class JubStatements : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        Query.reset(app::MakeStatementQuery(nullptr, "Query1", &DB()));
    }
    void TearDown() override {
        Query.reset();
        OfficeDbFixture::TearDown();
    }

    // A register person with an identity document, and their copy in CaseId.
    Integer Person(Integer CaseId, const String& Name, Integer& RegisterId) {
        RegisterId = AddPerson(Name);
        Exec("UPDATE ugyfel_termeszetes_szemely SET azonosito_okmany_szama='123456AB' WHERE sorszam=" +
             Key(RegisterId));
        return AddCasePerson(CaseId, Name, RegisterId);
    }

    // What "Rögzít" stores for New, with the card number the register gave.
    app::JubInput Input(const app::NewJub& New, Integer CaseId, TDateTime Date, bool Succeeded = false) {
        app::JubInput i;
        i.ClientId = New.ClientId;
        i.CaseId = CaseId;
        i.Serial = New.Serial;
        i.Date = Date;
        i.Number = New.Number;
        i.CardNumber = New.CardNumber;
        i.Succeeded = Succeeded;
        return i;
    }

    std::vector<String> Listed(const app::JubFilter& Filter, const String& Column = "adatigenyles_szama") {
        std::vector<String> values;
        for (const Row& row : Rows("SELECT " + Column + " FROM (" + app::JubListSql(Filter) + ")"))
            values.push_back(row[0].value_or("NULL"));
        return values;
    }

    static String Key(Integer id) { return std::to_string(id); }

    std::unique_ptr<TSqlite3Query> Query;
};

TEST_F(JubStatements, NumbersComposeChamberCaseYearAndSerialPerCase) {
    const Integer first = AddCase("Első", "2009-01-10");
    for (int i = 0; i < 14; ++i)
        AddCase("Kitöltő " + std::to_string(i), "2009-02-01");
    const Integer fifteenth = AddCase("Tizenötödik", "2009-05-05");
    const Integer later = AddCase("Későbbi", "2010-01-01");
    ASSERT_EQ(Text("SELECT ev||'/'||szam FROM ugy WHERE sorszam=" + Key(fifteenth)), "2009/16");
    Integer reg = 0;
    const Integer copy = Person(fifteenth, "Kovács Éva", reg);

    // Number before year; the serial is 1 for the first query of a case.
    app::NewJub jub = app::ReadNewJub(*Query, fifteenth, copy, "K");
    EXPECT_EQ(jub.Number, "K_16_2009/1");
    EXPECT_EQ(jub.Serial, 1);
    EXPECT_EQ(jub.ClientId, reg);
    EXPECT_EQ(jub.Name, "Kovács Éva");
    EXPECT_EQ(jub.CardNumber, "123456AB");
    EXPECT_FALSE(Query->Active());
    app::StoreJub(*Query, Input(jub, fifteenth, EncodeDate(2009, 6, 1)), 8);

    // A later query of the same case, for another person, takes the next serial.
    Integer other = 0;
    const Integer otherCopy = Person(fifteenth, "Nagy Ödön", other);
    jub = app::ReadNewJub(*Query, fifteenth, otherCopy, "K");
    EXPECT_EQ(jub.Number, "K_16_2009/2");
    // The largest stored serial counts, not the number of queries.
    Exec("UPDATE jub SET jubszam=5");
    EXPECT_EQ(app::ReadNewJub(*Query, fifteenth, otherCopy, "K").Number, "K_16_2009/6");
    // Other cases count on their own; an empty chamber id leaves the separator.
    EXPECT_EQ(app::ReadNewJub(*Query, first, otherCopy, "").Number, "_1_2009/1");
    EXPECT_EQ(app::ReadNewJub(*Query, later, otherCopy, "Ü-12").Number, "Ü-12_1_2010/1");
}

TEST_F(JubStatements, CopyWithoutRegisterRowHasNoClientAndIsRefused) {
    const Integer c = AddCase("Alfa", "2009-01-10");
    const Integer copy = AddCasePerson(c, "Csak az ügyben", 0);
    const app::NewJub jub = app::ReadNewJub(*Query, c, copy, "K");
    EXPECT_EQ(jub.ClientId, 0);
    EXPECT_EQ(jub.Name, "");
    EXPECT_EQ(jub.Number, "K_1_2009/1");
    app::JubInput input = Input(jub, c, EncodeDate(2009, 2, 1));
    input.CardNumber = "123456AB";
    EXPECT_EQ(app::JubInputProblem(input), app::JubNoClientMessage);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { app::StoreJub(*Query, input, 8); }), app::JubNoClientMessage);
    EXPECT_EQ(Number("SELECT count(*) FROM jub"), 0);
}

TEST_F(JubStatements, OneOfTheIdentityFieldsIsNeeded) {
    app::JubInput input;
    input.ClientId = 3;
    EXPECT_EQ(app::JubInputProblem(input), app::JubNoIdentityMessage);
    EXPECT_EQ(ErrorOf<EConvertError>([&] { app::StoreJub(*Query, input, 8); }), app::JubNoIdentityMessage);
    input.PersonalId = "1-750412-1234";
    EXPECT_EQ(app::JubInputProblem(input), "");
    input.PersonalId.clear();
    input.CardNumber = "123456AB";
    EXPECT_EQ(app::JubInputProblem(input), "");
    EXPECT_EQ(Number("SELECT count(*) FROM jub"), 0);
}

TEST_F(JubStatements, StoredQueryKeepsTextsAndItsDeadline) {
    const Integer c = AddCase("Alfa", "2009-01-10");
    Integer reg = 0;
    const Integer copy = Person(c, "O'Brien Anna", reg);
    app::JubInput input = Input(app::ReadNewJub(*Query, c, copy, "K'1"), c, EncodeDate(2012, 2, 29));
    input.File = "/válaszok/O'Brien ''válasz''.pdf";
    input.PersonalId = "x'; DROP TABLE jub; --";
    const Integer id = app::StoreJub(*Query, input, 8);
    EXPECT_FALSE(Query->Active());
    EXPECT_EQ(id, LastKey("jub"));
    // 29 February with 8 years: 1 March.
    EXPECT_EQ(
        Rows("SELECT ugyfel, ugy, datum, jubszam, adatigenyles_szama, valaszfile, jubok, "
             "orzesi_hatarido, szigszam, szemszam FROM jub"),
        (std::vector<Row>{{Key(reg), Key(c), String("2012-02-29"), String("1"), String("K'1_1_2009/1"),
                           String("/válaszok/O'Brien ''válasz''.pdf"), std::nullopt, String("2020-03-01"),
                           String("123456AB"), String("x'; DROP TABLE jub; --")}}));

    // With 0 years the deadline is the query date; an ordinary date keeps its day.
    input.Date = EncodeDate(2009, 3, 5);
    input.Serial = 2;
    app::StoreJub(*Query, input, 0);
    input.Serial = 3;
    app::StoreJub(*Query, input, 5);
    EXPECT_EQ(Rows("SELECT orzesi_hatarido FROM jub WHERE sorszam>" + Key(id) + " ORDER BY sorszam"),
              (std::vector<Row>{{String("2009-03-05")}, {String("2014-03-05")}}));
}

TEST_F(JubStatements, SuccessReachesTheCaseSheetAndTheWriteIsWhole) {
    const Integer c = AddCase("Alfa", "2009-01-10");
    Integer reg = 0;
    const Integer copy = Person(c, "Kovács Éva", reg);
    const app::NewJub jub = app::ReadNewJub(*Query, c, copy, "K");

    // The flag's update fails: the query row goes with it.
    Exec("CREATE TRIGGER no_flag BEFORE UPDATE OF jubok ON jub BEGIN SELECT RAISE(ABORT, 'zárolva'); END");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { app::StoreJub(*Query, Input(jub, c, Date(), true), 8); }),
              "zárolva\n\nUPDATE jub SET jubok='true' WHERE sorszam=1\r\n");
    EXPECT_EQ(Number("SELECT count(*) FROM jub"), 0);
    Exec("DROP TRIGGER no_flag");

    const Integer id = app::StoreJub(*Query, Input(jub, c, Date(), true), 8);
    EXPECT_EQ(Text("SELECT jubok FROM jub WHERE sorszam=" + Key(id)), "true");
    EXPECT_EQ(Text("SELECT nev FROM (" + app::CaseClientsSql(c) + ")"), "Kovács Éva [JÜB]");
    EXPECT_EQ(Text("SELECT jubok FROM ugyfel_termeszetes_szemely WHERE sorszam=" + Key(reg)), "true");
}

TEST_F(JubStatements, EditChangesOnlyFileAndFlag) {
    const Integer c = AddCase("Alfa", "2009-01-10");
    const Integer reg = AddPerson("Kovács Éva");
    const Integer id = AddIdentification(reg, c, "2009-03-05", "K_1_2009/1");
    app::OpenStatement(*Query, app::JubSql(id));
    EXPECT_EQ(Query->FieldByName("nev")->AsString(), "Kovács Éva");
    EXPECT_EQ(Query->FieldByName("adatigenyles_szama")->AsString(), "K_1_2009/1");
    EXPECT_EQ(Query->FieldByName("ugyfel")->AsInteger(), reg);

    app::ExecStatement(*Query, app::JubUpdateSql(id, "", "/válasz/Ő'k.pdf", true));
    EXPECT_EQ(Rows("SELECT valaszfile, jubok, datum, adatigenyles_szama FROM jub"),
              (std::vector<Row>{
                  {String("/válasz/Ő'k.pdf"), String("true"), String("2009-03-05"), String("K_1_2009/1")}}));
    app::ExecStatement(*Query, app::JubUpdateSql(id, "/válasz/Ő'k.pdf", "", false));
    EXPECT_EQ(Rows("SELECT valaszfile, jubok FROM jub"), (std::vector<Row>{{String(""), String("false")}}));
    // No query behind the id: no row changes.
    app::ExecStatement(*Query, app::JubUpdateSql(0, "", "x", true));
    EXPECT_EQ(Text("SELECT jubok FROM jub"), "false");
}

// A person the register calls identified has copies marked from it while their one query has no
// success: a change clears the marks only when it takes a success away, also in a database made
// before the triggers that carry the flag.
TEST_F(JubStatements, AChangeClearsTheMarksOnlyWhenItTakesASuccessAway) {
    const Integer c = AddCase("Alfa", "2009-01-10");
    Integer reg = 0;
    Person(c, "Kovács Éva", reg);
    const Integer id = AddIdentification(reg, c, "2009-03-05", "K_1_2009/1");
    // Each row: the file typed over the one stored before, the flag's change, the copy's mark after.
    const struct {
        const char* File;
        std::optional<bool> Succeeded;
        const char* Mark;
    } rows[] = {{"/válasz.pdf", std::nullopt, "true"},
                {"/válasz.pdf", true, "true"},
                {"/másik.pdf", std::nullopt, "true"},
                {"/másik.pdf", false, "false"}};
    for (const char* before : {"SELECT 1", "DROP TRIGGER jub_added; DROP TRIGGER jub_changed"}) {
        SCOPED_TRACE(before);
        Exec(before);
        Exec("UPDATE jub SET valaszfile='', jubok=NULL; UPDATE ugyfel_termeszetes_szemely SET jubok='true'; "
             "UPDATE ugy_ugyfel_tsz SET jubok='true'");
        String shown;
        for (const auto& r : rows) {
            SCOPED_TRACE(r.File);
            app::StoreJubChange(*Query, id, shown, r.File, r.Succeeded);
            shown = r.File;
            EXPECT_EQ(Text("SELECT jubok FROM ugy_ugyfel_tsz"), r.Mark);
        }
    }
}

TEST_F(JubStatements, ListFiltersByNameCaseAnswerAndDates) {
    const Integer a = AddCase("Alfa", "2009-01-10");
    const Integer b = AddCase("Béta", "2009-02-10");
    const Integer brien = AddPerson("O'Brien Anna");
    const Integer eva = AddPerson("Kovács Éva");
    AddIdentification(eva, b, "2009-03-01", "K_2_2009/1"); // flag NULL
    const Integer ok = AddIdentification(brien, a, "2009-04-01", "K_1_2009/1");
    const Integer nem = AddIdentification(eva, a, "2009-05-01", "K_1_2009/2");
    Exec("UPDATE jub SET jubok='true' WHERE sorszam=" + Key(ok));
    Exec("UPDATE jub SET jubok='false' WHERE sorszam=" + Key(nem));
    // Rows whose person or case is gone are not listed.
    AddIdentification(9999, a, "2009-06-01", "K_1_2009/3");
    AddIdentification(eva, 9999, "2009-06-01", "K_9_2009/1");

    // By case year and number, then query number.
    EXPECT_EQ(Listed({}), (std::vector<String>{"K_1_2009/1", "K_1_2009/2", "K_2_2009/1"}));
    EXPECT_EQ(Listed({}, "ugyszam"), (std::vector<String>{"2009/1", "2009/1", "2009/2"}));
    EXPECT_EQ(Listed({}, "valasz"), (std::vector<String>{"OK", "  ", "  "}));

    app::JubFilter f;
    f.Name = "O'Br"; // a quote in the fragment is text, not SQL
    EXPECT_EQ(Listed(f, "ugyfelnev"), std::vector<String>{"O'Brien Anna"});
    f.Name = "'; DELETE FROM jub; --";
    EXPECT_TRUE(Listed(f).empty());
    EXPECT_EQ(Number("SELECT count(*) FROM jub"), 5);
    f.Name = "ÉVA"; // the name matches without regard to case
    EXPECT_EQ(Listed(f), (std::vector<String>{"K_1_2009/2", "K_2_2009/1"}));

    f = {};
    f.CaseId = b;
    EXPECT_EQ(Listed(f), std::vector<String>{"K_2_2009/1"});
    f = {};
    f.Answer = app::JubAnswer::Checked;
    EXPECT_EQ(Listed(f), std::vector<String>{"K_1_2009/1"});
    f.Answer = app::JubAnswer::Unchecked; // 'false' and NULL alike
    EXPECT_EQ(Listed(f), (std::vector<String>{"K_1_2009/2", "K_2_2009/1"}));

    // Both ends of the range are included.
    f = {};
    f.From = EncodeDate(2009, 4, 1);
    EXPECT_EQ(Listed(f), (std::vector<String>{"K_1_2009/1", "K_1_2009/2"}));
    f.To = EncodeDate(2009, 4, 1);
    EXPECT_EQ(Listed(f), std::vector<String>{"K_1_2009/1"});
    f.From.reset();
    EXPECT_EQ(Listed(f), (std::vector<String>{"K_1_2009/1", "K_2_2009/1"}));
}

// Older offices store '' for no date: like NULL it lies in no range, also not below an end day alone.
TEST_F(JubStatements, ADateRangeListsNoUndatedQuery) {
    const Integer caseId = AddCase("Alfa", "2009-01-10"), person = AddPerson("Kiss Éva");
    AddIdentification(person, caseId, "", "üres");
    Exec("UPDATE jub SET datum=NULL WHERE sorszam=" + Key(AddIdentification(person, caseId, "", "null")));
    AddIdentification(person, caseId, "2009-05-01", "datált");
    const std::optional<TDateTime> none, start = EncodeDate(2009, 1, 1), end = EncodeDate(2026, 12, 9);
    // Only the end day ('' sorts before every date), only the start day, both.
    for (const auto& [from, to] : {std::pair{none, end}, {start, none}, {start, end}}) {
        SCOPED_TRACE(String(from ? "from" : "") + (to ? " to" : ""));
        EXPECT_EQ(Listed(app::JubFilter{.Name = {}, .From = from, .To = to}), std::vector<String>{"datált"});
    }
}

} // namespace
} // namespace apptest
