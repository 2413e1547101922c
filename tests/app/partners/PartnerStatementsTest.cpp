// The partners area's statements against the schema: the list with its joined numbers,
// the search's three ways of matching, and the dialogs' reads and writes.
#include "app/partners/PartnerStatements.h"
#include "platform/core/Exceptions.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

using app::PartnerFields;

class PartnerStatements : public OfficeDbFixture {
protected:
    Integer AddPartner(const String& values) {
        Exec("INSERT INTO partner (nev, kepviselo, megjegyzes, tel1, tel2, tel3, mobil1, mobil2) "
             "VALUES (" +
             values + ")");
        return LastKey("partner");
    }
    std::vector<String> Names(const String& sql) {
        std::vector<String> names;
        for (const Row& row : Rows("SELECT nev FROM (" + sql + ")"))
            names.push_back(row[0].value_or("<null>"));
        return names;
    }
    static PartnerFields Sample() {
        return {"O'Brien és Tsa Kft.",
                "Kovács Ödön",
                "1055 Budapest, Kossuth tér 1.",
                "06-1-111-1111",
                "",
                "",
                "06-30-222-2222",
                "",
                "06-1-333-3333",
                "iroda@obrien.hu",
                "www.obrien.hu",
                "12,5",
                "Első sor\nMásodik 'sor'"};
    }
};

TEST_F(PartnerStatements, ListJoinsPresentNumbersAndSkipsMissingOnes) {
    // name, representative, remark, tel1..3, mobil1..2
    AddPartner("'Bárány Bt.', NULL, NULL, '1', NULL, NULL, NULL, NULL"); // tel2 NULL
    AddPartner("'Cserép Kft.', NULL, NULL, '1', '2', '3', '4', '5'");    // all numbers
    AddPartner("'Acél Zrt.', NULL, NULL, NULL, '', '3', NULL, NULL");    // only tel3
    const auto rows = Rows("SELECT nev, tel, mobil, kb, flag FROM (" + app::PartnerListSql() + ")");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Row{"Acél Zrt.", "3", "", "A", "2"}));
    EXPECT_EQ(rows[1], (Row{"Bárány Bt.", "1", "", "B", "2"}));
    EXPECT_EQ(rows[2], (Row{"Cserép Kft.", "1  2  3", "4  5", "C", "2"}));
}

TEST_F(PartnerStatements, ListOrdersByNameThenRepresentativeHungarianWay) {
    AddPartner("'csiga', 'Béla', NULL, NULL, NULL, NULL, NULL, NULL");
    AddPartner("'Cukor', NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    AddPartner("'csiga', 'Ádám', NULL, NULL, NULL, NULL, NULL, NULL");
    AddPartner("'Ödön', NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    AddPartner("'Olga', NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    const auto rows = Rows("SELECT nev, kepviselo FROM (" + app::PartnerListSql() + ")");
    ASSERT_EQ(rows.size(), 5u);
    // "cs" is a letter of its own after "c"; "ö" after "o".
    EXPECT_EQ(rows[0][0], "Cukor");
    EXPECT_EQ(rows[1], (Row{"csiga", "Ádám"}));
    EXPECT_EQ(rows[2], (Row{"csiga", "Béla"}));
    EXPECT_EQ(rows[3][0], "Olga");
    EXPECT_EQ(rows[4][0], "Ödön");
}

TEST_F(PartnerStatements, SearchFindsNameAnywhereButRepresentativeAndRemarkOnlyAtTheStart) {
    AddPartner("'Nagy Építő Kft.', 'Kiss Anna', 'Régi ügyfél', NULL, NULL, NULL, NULL, NULL");
    AddPartner("'Fa és Társa', 'ÉPÍTŐ Béla', NULL, NULL, NULL, NULL, NULL, NULL");
    AddPartner("'Kő Bt.', 'Kő Péter', 'építőanyag', NULL, NULL, NULL, NULL, NULL");
    AddPartner("'Üveg Kft.', 'Tóth építő', 'Nem építő', NULL, NULL, NULL, NULL, NULL");
    EXPECT_EQ(Names(app::PartnerSearchSql("építő")),
              (std::vector<String>{"Fa és Társa", "Kő Bt.", "Nagy Építő Kft."}));
    EXPECT_EQ(Names(app::PartnerSearchSql("")).size(), 4u); // empty text lists everyone
}

TEST_F(PartnerStatements, SearchTextWithQuotesAndWildcardsIsSafe) {
    AddPartner("'O''Brien Kft.', NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    AddPartner("'100% Bt.', NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    AddPartner("'Más', NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    EXPECT_EQ(Names(app::PartnerSearchSql("O'Brien")), (std::vector<String>{"O'Brien Kft."}));
    EXPECT_EQ(Names(app::PartnerSearchSql("'; DELETE FROM partner; --")).size(), 0u);
    // The pattern signs keep their meaning: "%" and "_" match anything.
    EXPECT_EQ(Names(app::PartnerSearchSql("0%")).size(), 1u);
    EXPECT_EQ(Names(app::PartnerSearchSql("M_s")), (std::vector<String>{"Más"}));
    EXPECT_EQ(Number("SELECT COUNT(*) FROM partner"), 3);
}

TEST_F(PartnerStatements, DiscountIsReadAsANumber) {
    struct Case {
        const char* Typed;
        const char* Written;
    } cases[] = {
        {"", "NULL"},     // empty: no discount
        {"   ", "NULL"},  // blanks only
        {"10", "10"},     // whole number
        {" 10 ", "10"},   // blanks around
        {"12,5", "12.5"}, // decimal comma
        {"12.5", "12.5"}, // decimal point
        {"-3", "-3"},     // negative stays a number
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::DiscountSqlValue(c.Typed), c.Written) << c.Typed;
    for (const char* bad : {"tíz", "10%", "1 000", "10; DROP TABLE partner", "1,2,3", "inf", "nan"})
        EXPECT_EQ(ErrorOf<EConvertError>([&] { app::DiscountSqlValue(bad); }),
                  "A kedvezmény mezőbe számot kell írni!")
            << bad;
}

TEST_F(PartnerStatements, InsertStoresEveryBoxAsTyped) {
    Exec(app::PartnerInsertSql(Sample()));
    const Integer id = LastKey("partner");
    const auto rows = Rows("SELECT nev, kepviselo, cim, tel1, tel2, tel3, mobil1, mobil2, fax, email, "
                           "web, kedvezmeny, megjegyzes FROM partner WHERE sorszam=" +
                           std::to_string(id));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{"O'Brien és Tsa Kft.", "Kovács Ödön", "1055 Budapest, Kossuth tér 1.",
                            "06-1-111-1111", "", "", "06-30-222-2222", "", "06-1-333-3333", "iroda@obrien.hu",
                            "www.obrien.hu", "12.5", "Első sor\nMásodik 'sor'"}));
    PartnerFields none;
    none.Nev = "Üres";
    Exec(app::PartnerInsertSql(none));
    EXPECT_EQ(Value("SELECT kedvezmeny FROM partner WHERE nev='Üres'"), std::nullopt);
}

TEST_F(PartnerStatements, UpdateChangesOnlyThatPartner) {
    Exec(app::PartnerInsertSql(Sample()));
    const Integer first = LastKey("partner");
    PartnerFields other;
    other.Nev = "Másik";
    other.Kedvezmeny = "5";
    Exec(app::PartnerInsertSql(other));

    PartnerFields changed = Sample();
    changed.Nev = "O'Brien Zrt.";
    changed.Kedvezmeny = "";
    changed.Tel2 = "06-1-444-4444";
    Exec(app::PartnerUpdateSql(Sample(), changed, first));
    EXPECT_EQ(Text("SELECT nev FROM partner WHERE sorszam=" + std::to_string(first)), "O'Brien Zrt.");
    EXPECT_EQ(Value("SELECT kedvezmeny FROM partner WHERE sorszam=" + std::to_string(first)), std::nullopt);
    EXPECT_EQ(Text("SELECT tel FROM (" + app::PartnerListSql() + ") WHERE sorszam=" + std::to_string(first)),
              "06-1-111-1111  06-1-444-4444");
    EXPECT_EQ(Text("SELECT kedvezmeny FROM partner WHERE nev='Másik'"), "5.0");
}

TEST_F(PartnerStatements, BadDiscountMakesNoStatement) {
    PartnerFields f = Sample();
    f.Kedvezmeny = "0); DELETE FROM partner; --";
    EXPECT_EQ(ErrorOf<EConvertError>([&] { app::PartnerInsertSql(f); }),
              "A kedvezmény mezőbe számot kell írni!");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { app::PartnerUpdateSql(Sample(), f, 1); }),
              "A kedvezmény mezőbe számot kell írni!");
}

TEST_F(PartnerStatements, SelectReadsTheDialogColumnsAndDeleteRemovesOneRow) {
    Exec(app::PartnerInsertSql(Sample()));
    const Integer id = LastKey("partner");
    PartnerFields other;
    other.Nev = "Marad";
    Exec(app::PartnerInsertSql(other));
    const auto rows = Rows(app::PartnerSelectSql(id));
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 13u);
    EXPECT_EQ(rows[0][0], "O'Brien és Tsa Kft.");
    EXPECT_EQ(rows[0][12], "www.obrien.hu");
    Exec(app::PartnerDeleteSql(id));
    EXPECT_EQ(Names(app::PartnerListSql()), (std::vector<String>{"Marad"}));
}

} // namespace
} // namespace apptest
