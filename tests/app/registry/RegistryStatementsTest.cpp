// The registry's statements against the schema: the default lists, every filter and
// sort, cancellation, new items with the database's registry numbers, and the look-up
// rows; hostile text in every filter changes nothing.
#include "app/registry/RegistryStatements.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

using app::RegistryBook;
using app::RegistryFilter;
using app::RegistrySort;

class RegistryStatements : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        FKiss = AddRegistryPartner("kiss Anna", "1111 Budapest");
        FBiro = AddRegistryPartner("Bíróság", "Markó u. 27.");
        FAdo = AddRegistryPartner("Adóhivatal");
        FCase = AddCase("Hagyaték", "2024-01-10");
        // 2023/1, 2024/1, 2024/2, 2024/3 from the database's numbering.
        FOld = Entry(FBiro, "2023-12-20", "Idézés", "régi", "R-1");
        FFirst = Entry(FKiss, "2024-01-05", "Levél 100%", "első_sor", "A'B");
        FSecond = Entry(FBiro, "2024-02-01", "végzés", "második", "R-2");
        FThird = Entry(FAdo, "2024-03-01", "Határozat", "", "");
        Exec("UPDATE ikt_be SET ugy=" + Key(FCase) + " WHERE sorszam IN (" + Key(FFirst) + "," + Key(FThird) +
             ")");
    }
    Integer Entry(Integer partner, const String& date, const String& subject, const String& note,
                  const String& reference) {
        app::RegistryEntry e;
        e.PartnerId = partner;
        e.Subject = subject;
        e.Date = SqlTextToDate(date);
        e.Note = note;
        e.Reference = reference;
        Exec(app::RegistryInsertSql(RegistryBook::Incoming, e));
        return LastKey("ikt_be");
    }
    std::vector<String> Numbers(const String& sql) {
        std::vector<String> numbers;
        for (const Row& row : Rows("SELECT iktatoszam FROM (" + sql + ")"))
            numbers.push_back(row[0].value_or("<null>"));
        return numbers;
    }
    std::vector<String> Filtered(const RegistryFilter& f) {
        return Numbers(app::RegistryFilterSql(RegistryBook::Incoming, f));
    }
    static String Key(Integer id) { return std::to_string(id); }

    Integer FKiss = 0, FBiro = 0, FAdo = 0, FCase = 0;
    Integer FOld = 0, FFirst = 0, FSecond = 0, FThird = 0;
};

TEST_F(RegistryStatements, DefaultListShowsValidItemsNewestFirstWithTheirNames) {
    Exec("UPDATE ikt_be SET storno=1 WHERE sorszam=" + Key(FSecond));
    // An item whose partner row is gone is never listed.
    const Integer orphan = AddRegistryEntry("ikt_be", 999, "2024-04-01", "Árva");
    const auto sql = app::RegistryDefaultListSql(RegistryBook::Incoming);
    EXPECT_EQ(Numbers(sql), (std::vector<String>{"2024/3", "2024/1", "2023/1"}));
    const auto rows = Rows("SELECT sorszam, datum, pnev, unev, ihnev, modnev FROM (" + sql + ")");
    EXPECT_EQ(rows[0], (Row{Key(FThird), "2024-03-01", "Adóhivatal", "Hagyaték", {}, {}}));
    EXPECT_EQ(rows[2][3], std::nullopt); // no case: empty name, still listed
    EXPECT_NE(orphan, 0);
    // The outgoing book is its own table with its own numbering.
    AddRegistryEntry("ikt_ki", FKiss, "2024-05-01", "Válasz");
    EXPECT_EQ(Numbers(app::RegistryDefaultListSql(RegistryBook::Outgoing)), (std::vector<String>{"2024/1"}));
}

TEST_F(RegistryStatements, FiltersNarrowTheList) {
    RegistryFilter f;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/3", "2024/2", "2024/1", "2023/1"}));
    f.PartnerId = FBiro;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/2", "2023/1"}));
    f = {};
    f.CaseId = FCase;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/3", "2024/1"}));
    f = {};
    f.YearFrom = "2024";
    f.NumberFrom = "2";
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/3", "2024/2"}));
    f.YearTo = "2024";
    f.NumberTo = "2";
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/2"}));
}

TEST_F(RegistryStatements, TextIsSearchedInTheCheckedPlacesOnly) {
    RegistryFilter f;
    f.Text = "R-";
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/2", "2023/1"})); // references
    f.InReference = false;
    EXPECT_TRUE(Filtered(f).empty());
    f.Text = "második";
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/2"})); // note
    f.InNote = false;
    f.InSubject = false;
    EXPECT_TRUE(Filtered(f).empty()); // nothing checked: nothing found
    // Letter case does not matter, accented letters included.
    f = {};
    f.Text = "VÉGZÉS";
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/2"}));
}

TEST_F(RegistryStatements, CancelledItemsShowOnlyWhenAsked) {
    Exec(app::RegistryCancelSql(RegistryBook::Incoming, FFirst));
    EXPECT_EQ(Number("SELECT storno FROM ikt_be WHERE sorszam=" + Key(FFirst)), 1);
    EXPECT_EQ(Number("SELECT COUNT(*) FROM ikt_be"), 4); // the row stays
    RegistryFilter f;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/3", "2024/2", "2023/1"}));
    f.ShowCancelled = true;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/3", "2024/2", "2024/1", "2023/1"}));
    // Cancelling an outgoing item leaves the incoming book alone.
    const Integer out = AddRegistryEntry("ikt_ki", FKiss, "2024-05-01", "Válasz");
    Exec(app::RegistryCancelSql(RegistryBook::Outgoing, out));
    EXPECT_EQ(Number("SELECT storno FROM ikt_ki WHERE sorszam=" + Key(out)), 1);
    EXPECT_EQ(Number("SELECT SUM(storno) FROM ikt_be"), 1);
}

TEST_F(RegistryStatements, SortKeysAndDirections) {
    RegistryFilter f;
    f.Sort = RegistrySort::ByPartner;
    f.Descending = false;
    // By name without regard to case, then by key: Adóhivatal, Bíróság (twice), kiss Anna.
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/3", "2023/1", "2024/2", "2024/1"}));
    f.Descending = true;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/1", "2024/2", "2023/1", "2024/3"}));
    f.Sort = RegistrySort::BySubject;
    f.Descending = false;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/3", "2023/1", "2024/1", "2024/2"}));
    f.Sort = RegistrySort::ByCase;
    EXPECT_EQ(Filtered(f).front(), "2023/1"); // no case sorts first
    f.Sort = RegistrySort::ByNumber;
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2023/1", "2024/1", "2024/2", "2024/3"}));
}

TEST_F(RegistryStatements, NumbersMustBeDigits) {
    for (const char* bad : {"2024 OR 1=1", "-1", "20x4", "1e3"}) {
        RegistryFilter f;
        f.NumberTo = bad;
        EXPECT_EQ(ErrorOf<EConvertError>([&] { app::RegistryFilterSql(RegistryBook::Incoming, f); }),
                  "'" + String(bad) + "' is not a valid integer value");
        f = {};
        f.YearFrom = bad;
        EXPECT_EQ(ErrorOf<EConvertError>([&] { app::RegistryFilterSql(RegistryBook::Outgoing, f); }),
                  "'" + String(bad) + "' is not a valid integer value");
    }
}

TEST_F(RegistryStatements, HostileTextFindsOnlyWhatItSaysAndChangesNothing) {
    const String before = Text("SELECT group_concat(sorszam||targy||storno) FROM ikt_be");
    RegistryFilter f;
    f.Text = "A'B";
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/1"}));
    f.Text = "'; UPDATE ikt_be SET storno=1; --";
    EXPECT_TRUE(Filtered(f).empty());
    f.Text = "100%"; // "%" keeps its pattern meaning
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/1"}));
    f.Text = "első_sor"; // "_" matches any one character, here itself
    EXPECT_EQ(Filtered(f), (std::vector<String>{"2024/1"}));
    f.Text = String(2000, 'x');
    EXPECT_TRUE(Filtered(f).empty());
    f.Text = String(2000, '\'');
    EXPECT_TRUE(Filtered(f).empty());
    EXPECT_EQ(Text("SELECT group_concat(sorszam||targy||storno) FROM ikt_be"), before);
}

TEST_F(RegistryStatements, NewItemGetsItsNumberAndStoresTextsAsTyped) {
    const Integer mode = (Exec(app::ModeInsertSql("Posta")), LastKey("ikt_mod"));
    const Integer place = (Exec(app::LocationInsertSql("Iroda")), LastKey("ikt_mt"));
    app::RegistryEntry e;
    e.PartnerId = FKiss;
    e.Address = "1111 Budapest, O'Brien u. 1.";
    e.Subject = String(100, 's');
    e.Date = SqlTextToDate("2024-06-30");
    e.ModeId = mode;
    e.LocationId = place;
    e.CaseId = FCase;
    e.Note = "Első sor\r\n'második' sor; --";
    e.Reference = "%_'";
    Exec(app::RegistryInsertSql(RegistryBook::Outgoing, e));
    const auto rows = Rows("SELECT iktatoszam, partnercim, targy, datum, modnev, ihnev, unev, "
                           "megjegyzes, referencia FROM (" +
                           app::RegistryDefaultListSql(RegistryBook::Outgoing) + ")");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{"2024/1", "1111 Budapest, O'Brien u. 1.", String(100, 's'), "2024-06-30", "Posta",
                            "Iroda", "Hagyaték", "Első sor\r\n'második' sor; --", "%_'"}));
    // Unset references are stored as NULL.
    e = {};
    e.PartnerId = FAdo;
    e.Date = SqlTextToDate("2024-07-01");
    Exec(app::RegistryInsertSql(RegistryBook::Outgoing, e));
    EXPECT_EQ(Rows("SELECT iktmod, localmt, ugy, storno, iktszam FROM ikt_ki WHERE partner=" + Key(FAdo)),
              (std::vector<Row>{{{}, {}, {}, "0", "2"}}));
    e.PartnerId = 0;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { app::RegistryInsertSql(RegistryBook::Incoming, e); }),
              "A feladó mező kötelezően kitöltendő!");
}

TEST_F(RegistryStatements, ChoicesOfferActiveModesAndLocationsByName) {
    Exec(app::ModeInsertSql("Posta"));
    Exec(app::ModeInsertSql("E-mail"));
    Exec(app::LocationInsertSql("Ügyvéd O'Neil"));
    Exec(app::LocationInsertSql("Archívum"));
    Exec("UPDATE ikt_mod SET aktiv=0 WHERE nev='Posta'");
    Exec(app::RegistryPartnerInsertSql("Ügyész", "Fő u. 1.\r\nII. em."));
    EXPECT_EQ(Rows(app::ActiveModesSql()).size(), 1u);
    const auto places = Rows(app::ActiveLocationsSql());
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0][1], "Archívum");
    EXPECT_EQ(places[1][1], "Ügyvéd O'Neil");
    const auto partners = Rows(app::RegistryPartnersSql());
    ASSERT_EQ(partners.size(), 4u);
    EXPECT_EQ(partners[0][1], "Adóhivatal");
    EXPECT_EQ(partners[3], (Row{Key(LastKey("ikt_partner")), "Ügyész", "Fő u. 1.\r\nII. em."}));
}

} // namespace
} // namespace apptest
