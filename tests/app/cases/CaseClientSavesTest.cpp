// Attaching persons and organisations to a case against the schema: the copy, the
// register row by each choice, the link, and the texts exactly as typed.
#include "app/common/CaseClientRows.h"
#include "app/cases/CaseSaves.h"
#include "app/common/QueryRun.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/support/ErrorOf.h"
#include "tests/app/StatementQueryFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace apptest {
namespace {

using app::RegisterChoice;

class CaseClientSaves : public StatementQueryFixture {
protected:
    void SetUp() override {
        StatementQueryFixture::SetUp();
        CaseId = AddCase("Hagyaték", "2009-03-05");
    }

    // Every text box holds an apostrophe and Hungarian letters.
    static app::CasePerson Typed() {
        app::CasePerson p;
        p.Name = "O'Brien Ödön";
        p.BirthName = "Kiss 'Ili' Ilona";
        p.BirthPlace = "Győr";
        p.BirthDate = app::StoredDate(EncodeDate(1958, 4, 23));
        p.MotherName = "Tóth Mária";
        p.Citizenship = "magyar";
        p.DocumentType = "személyi ig.";
        p.DocumentNumber = "123456AB";
        p.Address = "1052 Budapest, Váci u. 12.\r\nfsz. 1.";
        p.StayAddress = "Szőlő u. 3.";
        return p;
    }
    static constexpr const char* PersonColumns =
        "nev, szuletesi_nev, szuletesi_hely, szuletesi_ido, anyja_neve, allampolgarsag, "
        "azonosito_okmany_tipus, azonosito_okmany_szama, lakcim, tartozkodasi_hely";
    static Row TypedRow() {
        return {"O'Brien Ödön", "Kiss 'Ili' Ilona", "Győr",
                "1958-04-23",   "Tóth Mária",       "magyar",
                "személyi ig.", "123456AB",         "1052 Budapest, Váci u. 12.\r\nfsz. 1.",
                "Szőlő u. 3."};
    }
    Row CopyRow(Integer copyId) {
        return Rows("SELECT " + String(PersonColumns) + " FROM ugy_ugyfel_tsz WHERE sorszam=" + Key(copyId))
            .at(0);
    }
    Row RegisterRow(Integer id) {
        return Rows("SELECT " + String(PersonColumns) +
                    " FROM ugyfel_termeszetes_szemely WHERE sorszam=" + Key(id))
            .at(0);
    }

    Integer CaseId = 0;
};

TEST_F(CaseClientSaves, NewPersonGoesIntoTheCaseAndTheRegister) {
    AddPerson("Korábbi személy");
    const app::PersonLink link =
        app::WriteCasePerson(Query(), CaseId, Typed(), RegisterChoice::AddNew, -1, {});
    EXPECT_EQ(link.CopyId, LastKey("ugy_ugyfel_tsz"));
    EXPECT_EQ(link.RegisterId, 2);
    EXPECT_EQ(CopyRow(link.CopyId), TypedRow());
    EXPECT_EQ(RegisterRow(2), TypedRow());
    EXPECT_EQ(Rows("SELECT ugy, ugyfel_tsz, jubok FROM ugy_ugyfel_tsz"),
              (std::vector<Row>{{Key(CaseId), "2", "false"}}));
}

TEST_F(CaseClientSaves, OverwriteRewritesTheChosenRegisterRow) {
    const Integer chosen = AddPerson("Régi név", String("1950-01-01"));
    const Integer other = AddPerson("Más személy");
    const app::PersonLink link =
        app::WriteCasePerson(Query(), CaseId, Typed(), RegisterChoice::Overwrite, chosen, {});
    EXPECT_EQ(link.RegisterId, chosen);
    EXPECT_EQ(RegisterRow(chosen), TypedRow());
    EXPECT_EQ(Text("SELECT nev FROM ugyfel_termeszetes_szemely WHERE sorszam=" + Key(other)), "Más személy");
    EXPECT_EQ(Number("SELECT ugyfel_tsz FROM ugy_ugyfel_tsz"), chosen);
}

TEST_F(CaseClientSaves, KeepLinksWithoutChangingTheRegister) {
    const Integer chosen = AddPerson("Nyilvántartott Név", String("1950-01-01"));
    const app::PersonLink link =
        app::WriteCasePerson(Query(), CaseId, Typed(), RegisterChoice::Keep, chosen, {});
    EXPECT_EQ(link.RegisterId, chosen);
    EXPECT_EQ(Rows("SELECT nev, szuletesi_ido FROM ugyfel_termeszetes_szemely"),
              (std::vector<Row>{{"Nyilvántartott Név", "1950-01-01"}}));
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_termeszetes_szemely"), 1);
    EXPECT_EQ(Number("SELECT ugyfel_tsz FROM ugy_ugyfel_tsz"), chosen);
}

TEST_F(CaseClientSaves, NoBirthDateIsStoredAsNull) {
    app::CasePerson p = Typed();
    p.BirthDate = app::StoredDate();
    const app::PersonLink link = app::WriteCasePerson(Query(), CaseId, p, RegisterChoice::AddNew, -1, {});
    EXPECT_EQ(CopyRow(link.CopyId)[3], std::nullopt);
    EXPECT_EQ(RegisterRow(link.RegisterId)[3], std::nullopt);
}

TEST_F(CaseClientSaves, IdentifiedFlagTravelsWithTheCopy) {
    app::CasePerson p = Typed();
    p.Identified = true;
    const app::PersonLink link = app::WriteCasePerson(Query(), CaseId, p, RegisterChoice::AddNew, -1, {});
    EXPECT_EQ(Text("SELECT jubok FROM ugy_ugyfel_tsz WHERE sorszam=" + Key(link.CopyId)), "true");
}

TEST_F(CaseClientSaves, ACopyWithoutRegisterRowLinksToNothing) {
    for (const Integer none : {-1, 0}) { // no row chosen; a key no row has
        const app::PersonLink link =
            app::WriteCasePerson(Query(), CaseId, Typed(), RegisterChoice::Keep, none, {});
        EXPECT_EQ(link.RegisterId, none);
        EXPECT_EQ(Value("SELECT ugyfel_tsz FROM ugy_ugyfel_tsz WHERE sorszam=" + Key(link.CopyId)),
                  std::nullopt);
    }
}

TEST_F(CaseClientSaves, RegisterPersonReadBackForCopying) {
    const Integer id = AddPerson("Kovács János", String("1970-01-02"));
    Exec("UPDATE ugyfel_termeszetes_szemely SET szuletesi_nev='Kovács ''Jani''', jubok='true'");
    app::OpenStatement(Query(), app::RegisterPersonSql(id));
    const app::CasePerson p = app::ReadRegisterPerson(Query());
    EXPECT_EQ(p.Name, "Kovács János");
    EXPECT_EQ(p.BirthName, "Kovács 'Jani'");
    EXPECT_EQ(p.BirthDate.Date(), EncodeDate(1970, 1, 2));
    EXPECT_TRUE(p.Identified);
    EXPECT_EQ(app::PersonComboItem(Query()), "Kovács János (1970.01.02.)");

    // No date and no flag: none and false (an unset flag counts as not identified).
    const Integer bare = AddPerson("Nagy Ilona");
    app::OpenStatement(Query(), app::RegisterPersonSql(bare));
    const app::CasePerson q = app::ReadRegisterPerson(Query());
    EXPECT_TRUE(q.BirthDate.IsNull());
    EXPECT_FALSE(q.Identified);
    EXPECT_EQ(app::PersonComboItem(Query()), "Nagy Ilona ()");
}

TEST_F(CaseClientSaves, RegisterComboListsActivePersonsByHungarianName) {
    AddPerson("Zsolnai Ábel");
    AddPerson("Csóka Béla");
    AddPerson("Cz Aladár");
    const Integer retired = AddPerson("Ács Ödön");
    Exec("UPDATE ugyfel_termeszetes_szemely SET aktiv=0 WHERE sorszam=" + Key(retired));
    EXPECT_EQ(Rows("SELECT nev FROM (" + app::RegisterPersonsSql() + ")"),
              (std::vector<Row>{{"Cz Aladár"}, {"Csóka Béla"}, {"Zsolnai Ábel"}}));
}

TEST_F(CaseClientSaves, OrganisationByEachChoice) {
    app::CaseOrganisation typed = {"Példa és Társa Kft.", "Példa Kft.",      "Győr, Fő tér 1.",
                                   "jogi tanácsadás",     "Cg. 08-09-000'1", "Kiss Ödön ügyvezető",
                                   "Dr. O'Neil",          "Nagy Éva",        "Szeged, Tisza L. krt. 2."};
    const String columns = "nev, roviditett_nev, szekhely_cime, fotevekenyseg, "
                           "azonosito_okirat_szama, kepviselo, kezbesitesi_megbizott_neve, "
                           "kezbesitesi_megbizott_anyja_neve, kezbesitesi_megbizott_cime";
    const Row expected(typed.begin(), typed.end());

    app::WriteCaseOrganisation(Query(), CaseId, typed, RegisterChoice::AddNew, -1, {});
    EXPECT_EQ(Rows("SELECT " + columns + " FROM ugy_ugyfel_szerv"), (std::vector<Row>{expected}));
    EXPECT_EQ(Rows("SELECT " + columns + " FROM ugyfel_szervezet"), (std::vector<Row>{expected}));

    const Integer chosen = AddOrganisation("Régi Kft.", "01-09-1");
    typed[0] = "Átírt Kft.";
    app::WriteCaseOrganisation(Query(), CaseId, typed, RegisterChoice::Overwrite, chosen, {});
    EXPECT_EQ(Text("SELECT nev FROM ugyfel_szervezet WHERE sorszam=" + Key(chosen)), "Átírt Kft.");

    app::WriteCaseOrganisation(Query(), CaseId, typed, RegisterChoice::Keep, chosen, {});
    EXPECT_EQ(Number("SELECT count(*) FROM ugyfel_szervezet"), 2);
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_szerv WHERE ugy=" + Key(CaseId)), 3);

    app::OpenStatement(Query(), app::RegisterOrganisationSql(chosen));
    EXPECT_EQ(app::ReadRegisterOrganisation(Query())[0], "Átírt Kft.");
    EXPECT_EQ(app::OrganisationComboItem(Query()), "Átírt Kft. (Cg. 08-09-000'1)");
}

} // namespace
} // namespace apptest

namespace apptest {
namespace {

using app::RegisterChoice;

class CaseClientSavesFailing : public StatementQueryFixture {
protected:
    void SetUp() override {
        StatementQueryFixture::SetUp();
        CaseId = AddCase("Hagyaték", "2009-03-05");
    }
    // Makes every write of Event on Table fail with Message, as a locked or damaged
    // register would.
    void Refuse(const String& Table, const String& Event, const String& Message) {
        Exec("CREATE TRIGGER refuse_" + Table + " BEFORE " + Event + " ON " + Table +
             " BEGIN SELECT RAISE(ABORT, '" + Message + "'); END");
    }
    Integer CaseId = 0;
};

TEST_F(CaseClientSavesFailing, PersonCopyIsRolledBackWhenTheRegisterRefuses) {
    const Integer chosen = AddPerson("Kovács János");
    Refuse("ugyfel_termeszetes_szemely", "INSERT", "a nyilvántartás zárolva");
    app::CasePerson p;
    p.Name = "O'Brien Ödön";
    EXPECT_EQ(ErrorOf<EDatabaseError>(
                  [&] { app::WriteCasePerson(Query(), CaseId, p, RegisterChoice::AddNew, -1, {}); }),
              "a nyilvántartás zárolva\n\n" + app::RegisterPersonInsertSql(p) + "\r\n");
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_tsz"), 0);
    // Nothing is left pending: the next save stands on its own.
    app::WriteCasePerson(Query(), CaseId, p, RegisterChoice::Keep, chosen, {});
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_tsz"), 1);
}

TEST_F(CaseClientSavesFailing, OrganisationCopyIsRolledBackWhenTheOverwriteFails) {
    const Integer chosen = AddOrganisation("Régi Kft.");
    Refuse("ugyfel_szervezet", "UPDATE", "nem írható");
    app::CaseOrganisation o{"Új Kft."};
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] {
                  app::WriteCaseOrganisation(Query(), CaseId, o, RegisterChoice::Overwrite, chosen, {});
              }),
              "nem írható\n\n" + app::RegisterOrganisationUpdateSql(chosen, {}, o) + "\r\n");
    EXPECT_EQ(Number("SELECT count(*) FROM ugy_ugyfel_szerv"), 0);
    EXPECT_EQ(Text("SELECT nev FROM ugyfel_szervezet"), "Régi Kft.");
}

TEST_F(CaseClientSavesFailing, EventAndClosingEntryAreRolledBackWhenTheCaseCannotClose) {
    Refuse("ugy", "UPDATE", "az ügy zárolva");
    app::CaseEventInput e;
    e.CaseId = CaseId;
    e.Date = EncodeDate(2009, 3, 6);
    e.Text = "Utolsó esemény";
    EXPECT_EQ(
        ErrorOf<EDatabaseError>([&] { app::WriteCaseEvent(Query(), e, 10, true, EncodeDate(2009, 3, 7)); }),
        "az ügy zárolva\n\n" + app::CaseCloseSql(CaseId) + "\r\n");
    EXPECT_EQ(Number("SELECT count(*) FROM ugyitem"), 0);
    EXPECT_EQ(Number("SELECT status FROM ugy"), 1);
}

} // namespace
} // namespace apptest
