// The case list and case search statements against the schema over a handful of cases.
#include "app/cases/CaseStatements.h"
#include "platform/core/Exceptions.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

using NameList = std::vector<String>;

using app::CaseListOptions;
using app::CaseSearchCriteria;

class CaseStatements : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        // Years and numbers come from the database: 2008/1, 2008/2, 2009/1, 2009/2, 2010/1.
        FBakos = AddCase("Bakos kártérítés", "2008-02-01", "Közlekedési baleset");
        FAdas = AddCase("Adásvétel", "2008-05-10", "Lakás eladása 100% készpénzzel");
        FCeg = AddCase("cégalapítás", "2009-01-15", "Kft. alapítása");
        FZalog = AddCase("Zálog", "2009-03-05", "Jelzálog bejegyzés");
        FOreilly = AddCase("O'Reilly hagyaték", "2010-07-01", "");
        Exec("UPDATE ugy SET status=0 WHERE sorszam=" + std::to_string(FZalog));
        AddCasePerson(FBakos, "Kiss Péter");
        Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev) VALUES (" + std::to_string(FCeg) + ",'Példa Kft.')");
        AddHistoryEntry(FAdas, "2008-05-11", "", "Tulajdoni lap kikérve");
        AddHistoryEntry(FZalog, "2009-03-06", "", "Hiánypótlás: O'Neil igazolás");
    }

    // The cases' names in the order the statement returns them.
    std::vector<String> Names(const String& sql) {
        std::vector<String> names;
        for (const Row& row : Rows("SELECT nev FROM (" + sql + ")"))
            names.push_back(row[0].value_or("<null>"));
        return names;
    }

    // A search with only the text filled in, every place checked, closed cases too.
    CaseSearchCriteria TextSearch(const String& text) {
        CaseSearchCriteria c;
        c.Text = text;
        c.ActiveOnly = false;
        return c;
    }

    Integer FBakos = 0, FAdas = 0, FCeg = 0, FZalog = 0, FOreilly = 0;
};

TEST_F(CaseStatements, ListShowsNumberAndStateColumns) {
    const auto rows = Rows(app::CaseListSql({.ActiveOnly = false}));
    ASSERT_EQ(rows.size(), 5u);
    // sorszam, ev, szam, nev, ugyszam, statusz
    EXPECT_EQ(rows[0][4], String("2008/1"));
    EXPECT_EQ(rows[0][5], String("aktív"));
    EXPECT_EQ(rows[3][3], String("Zálog"));
    EXPECT_EQ(rows[3][5], String("lezárt"));
}

TEST_F(CaseStatements, ListOrders) {
    const NameList byNumber{"Bakos kártérítés", "Adásvétel", "cégalapítás", "Zálog", "O'Reilly hagyaték"};
    EXPECT_EQ(Names(app::CaseListSql({.ActiveOnly = false})), byNumber);
    // Descending by year, and by number within a year.
    EXPECT_EQ(Names(app::CaseListSql({.ActiveOnly = false, .Descending = true})),
              (NameList{"O'Reilly hagyaték", "Zálog", "cégalapítás", "Adásvétel", "Bakos kártérítés"}));
    // Names ignore case.
    EXPECT_EQ(Names(app::CaseListSql({.ActiveOnly = false, .ByName = true})),
              (NameList{"Adásvétel", "Bakos kártérítés", "cégalapítás", "O'Reilly hagyaték", "Zálog"}));
    EXPECT_EQ(Names(app::CaseListSql({.ActiveOnly = false, .ByName = true, .Descending = true})),
              (NameList{"Zálog", "O'Reilly hagyaték", "cégalapítás", "Bakos kártérítés", "Adásvétel"}));
}

TEST_F(CaseStatements, ListActiveOnlyLeavesClosedCasesOut) {
    EXPECT_EQ(Names(app::CaseListSql({})),
              (NameList{"Bakos kártérítés", "Adásvétel", "cégalapítás", "O'Reilly hagyaték"}));
}

TEST_F(CaseStatements, SearchByYears) {
    CaseSearchCriteria c;
    c.ActiveOnly = false;
    c.YearFrom = c.YearTo = "2009"; // the same year in both boxes: that year only
    EXPECT_EQ(Names(app::CaseSearchSql(c)), (NameList{"cégalapítás", "Zálog"}));
    c.YearFrom = "2009";
    c.YearTo = "";
    EXPECT_EQ(Names(app::CaseSearchSql(c)), (NameList{"cégalapítás", "Zálog", "O'Reilly hagyaték"}));
    c.YearFrom = "";
    c.YearTo = "2008";
    EXPECT_EQ(Names(app::CaseSearchSql(c)), (NameList{"Bakos kártérítés", "Adásvétel"}));
}

TEST_F(CaseStatements, SearchIgnoresYearsShorterThanFourCharacters) {
    CaseSearchCriteria c;
    c.ActiveOnly = false;
    for (const char* year : {"2", "20", "201"}) {
        c.YearFrom = c.YearTo = year;
        EXPECT_EQ(Names(app::CaseSearchSql(c)).size(), 5u) << year;
    }
}

TEST_F(CaseStatements, SearchByNumbers) {
    CaseSearchCriteria c;
    c.ActiveOnly = false;
    c.NumberFrom = "2";
    EXPECT_EQ(Names(app::CaseSearchSql(c)), (NameList{"Adásvétel", "Zálog"}));
    c.NumberFrom = "";
    c.NumberTo = "1";
    EXPECT_EQ(Names(app::CaseSearchSql(c)),
              (NameList{"Bakos kártérítés", "cégalapítás", "O'Reilly hagyaték"}));
    c.YearFrom = c.YearTo = "2009";
    c.NumberFrom = c.NumberTo = "2";
    EXPECT_EQ(Names(app::CaseSearchSql(c)), (NameList{"Zálog"}));
}

TEST_F(CaseStatements, SearchTextInEachPlace) {
    // Each row: text, which place is checked, the case expected.
    struct Case {
        const char* text;
        int place;
        const char* found;
    };
    const Case cases[] = {
        {"kártérítés", 0, "Bakos kártérítés"}, // name
        {"bejegyzés", 1, "Zálog"},             // description
        {"Kiss", 2, "Bakos kártérítés"},       // attached person
        {"Példa", 2, "cégalapítás"},           // attached organisation
        {"Tulajdoni", 3, "Adásvétel"},         // history note
    };
    for (const Case& row : cases) {
        CaseSearchCriteria c = TextSearch(row.text);
        c.InName = row.place == 0;
        c.InDescription = row.place == 1;
        c.InClients = row.place == 2;
        c.InHistory = row.place == 3;
        EXPECT_EQ(Names(app::CaseSearchSql(c)), (NameList{row.found})) << row.text;
        // The same text is not found when only the other places are searched.
        c.InName = !c.InName;
        c.InDescription = !c.InDescription;
        c.InClients = !c.InClients;
        c.InHistory = !c.InHistory;
        EXPECT_TRUE(Names(app::CaseSearchSql(c)).empty()) << row.text;
    }
}

TEST_F(CaseStatements, SearchWithNoPlaceCheckedFindsNothing) {
    CaseSearchCriteria c = TextSearch("a");
    c.InName = c.InDescription = c.InClients = c.InHistory = false;
    const String sql = app::CaseSearchSql(c);
    EXPECT_NE(sql.find("AND (1=0 )"), String::npos);
    EXPECT_TRUE(Names(sql).empty());
}

TEST_F(CaseStatements, SearchTextWithApostrophe) {
    const String sql = app::CaseSearchSql(TextSearch("O'"));
    EXPECT_NE(sql.find("nev LIKE '%O''%'"), String::npos);
    // In a name, and in a history note of a closed case.
    EXPECT_EQ(Names(sql), (NameList{"Zálog", "O'Reilly hagyaték"}));
    CaseSearchCriteria active = TextSearch("O'");
    active.ActiveOnly = true;
    EXPECT_EQ(Names(app::CaseSearchSql(active)), (NameList{"O'Reilly hagyaték"}));
}

TEST_F(CaseStatements, SearchTextKeepsPatternCharacters) {
    // "%" matches anything; "100%" finds the description that holds it.
    EXPECT_EQ(Names(app::CaseSearchSql(TextSearch("100%"))), (NameList{"Adásvétel"}));
    EXPECT_EQ(Names(app::CaseSearchSql(TextSearch("%"))).size(), 5u);
    EXPECT_EQ(Names(app::CaseSearchSql(TextSearch("Z_log"))), (NameList{"Zálog"}));
}

TEST_F(CaseStatements, SearchSortOrders) {
    CaseSearchCriteria c;
    c.ActiveOnly = false;
    c.Descending = true;
    EXPECT_EQ(Names(app::CaseSearchSql(c)),
              (NameList{"O'Reilly hagyaték", "Zálog", "cégalapítás", "Adásvétel", "Bakos kártérítés"}));
    c.ByName = true;
    c.Descending = false;
    EXPECT_EQ(Names(app::CaseSearchSql(c)),
              (NameList{"Adásvétel", "Bakos kártérítés", "cégalapítás", "O'Reilly hagyaték", "Zálog"}));
}

TEST_F(CaseStatements, SearchActiveOnly) {
    EXPECT_EQ(Names(app::CaseSearchSql({})),
              (NameList{"Bakos kártérítés", "Adásvétel", "cégalapítás", "O'Reilly hagyaték"}));
}

TEST_F(CaseStatements, NonDigitYearOrNumberIsRefusedBeforeTheStatement) {
    // Each row: which box gets the text.
    const struct {
        int box;
        const char* text;
    } rows[] = {
        {0, "2009 OR 1=1"}, {1, "20x9"}, {2, "1;"}, {3, "-1"}, {2, " 1"},
    };
    for (const auto& row : rows) {
        CaseSearchCriteria c;
        String* boxes[] = {&c.YearFrom, &c.YearTo, &c.NumberFrom, &c.NumberTo};
        *boxes[row.box] = row.text;
        EXPECT_EQ(ErrorOf<EConvertError>([&] { app::CaseSearchSql(c); }),
                  "'" + String(row.text) + "' is not a valid integer value");
    }
}

TEST(CaseStatementText, SearchStatementAsBuilt) {
    CaseSearchCriteria c;
    c.YearFrom = "2009";
    c.NumberTo = "12";
    c.Text = "x";
    c.InDescription = c.InClients = c.InHistory = false;
    EXPECT_EQ(app::CaseSearchSql(c),
              "SELECT sorszam, nev, ev, szam, leiras,ev||'/'||szam AS ugyszam,  CASE status  WHEN 1 "
              "THEN 'aktív' ELSE 'lezárt' END AS statusz  FROM ugy WHERE 1  AND ev >=2009  AND "
              "szam <=12 AND (1=0 OR nev LIKE '%x%' ) AND status=1 ORDER BY ev  ASC, szam  ASC");
    EXPECT_EQ(app::CaseListSql({.ByName = true, .Descending = true}),
              "SELECT sorszam, ev, szam, nev,ev||'/'||szam AS ugyszam,CASE status  WHEN 1 THEN "
              "'aktív' ELSE 'lezárt' END AS statusz FROM ugy  WHERE status=1  ORDER BY nev "
              "COLLATE systemnocase  DESC");
}

} // namespace
} // namespace apptest
