// The numbers, dates, balances and flags the database supplies on its own.
#include "tests/app/OfficeDbFixture.h"

#include "platform/core/NumberFormat.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class SchemaTriggers : public OfficeDbFixture {};

class CaseNumbers : public OfficeDbFixture {
protected:
    String Number(Integer caseId) {
        return Text("SELECT ev||'/'||szam FROM ugy WHERE sorszam=" + IntToStr(caseId));
    }
};

TEST_F(CaseNumbers, CountWithinTheYearOfTheCaseDate) {
    const Integer first = AddCase("Első", "2009-03-05");
    const Integer second = AddCase("Második", "2009-12-31");
    const Integer nextYear = AddCase("Harmadik", "2010-01-01");
    const Integer late = AddCase("Negyedik", "2009-06-01");
    EXPECT_EQ(Number(first), "2009/1");
    EXPECT_EQ(Number(second), "2009/2");
    EXPECT_EQ(Number(nextYear), "2010/1");
    EXPECT_EQ(Number(late), "2009/3");
}

TEST_F(CaseNumbers, UseThisYearWithoutAUsableDate) {
    const String year = Text("SELECT strftime('%Y','now','localtime')");
    Exec("INSERT INTO ugy (status, nev, leiras, datum) VALUES (1,'a','',NULL)");
    Exec("INSERT INTO ugy (status, nev, leiras, datum) VALUES (1,'b','','tegnap')");
    EXPECT_EQ(Number(1), year + "/1");
    EXPECT_EQ(Number(2), year + "/2");
}

TEST_F(CaseNumbers, KeepNumbersGivenOnInsert) {
    Exec("INSERT INTO ugy (ev, szam, status, nev, datum) VALUES (2008, 40, 1, 'régi', '2009-01-01')");
    EXPECT_EQ(Number(1), "2008/40");
    EXPECT_EQ(Number(AddCase("új", "2008-05-05")), "2008/41");
}

TEST_F(CaseNumbers, ChangingACaseKeepsItsNumber) {
    const Integer id = AddCase("Név", "2009-03-05");
    Exec("UPDATE ugy SET nev='Más', leiras='x',status=0 WHERE sorszam=" + IntToStr(id));
    EXPECT_EQ(Number(id), "2009/1");
}

TEST_F(SchemaTriggers, ClosingACaseDatesItsEndAndReopeningClearsIt) {
    const Integer id = AddCase("Ügy", "2009-03-05");
    const String key = IntToStr(id);
    EXPECT_FALSE(Value("SELECT befejezve FROM ugy WHERE sorszam=" + key));
    Exec("UPDATE ugy SET status=0 WHERE sorszam=" + key);
    EXPECT_EQ(Text("SELECT befejezve FROM ugy WHERE sorszam=" + key), Today());

    // Saving the closed case again must not move its end date.
    Exec("UPDATE ugy SET befejezve='2010-01-02' WHERE sorszam=" + key);
    Exec("UPDATE ugy SET nev='x', leiras='',status=0 WHERE sorszam=" + key);
    EXPECT_EQ(Text("SELECT befejezve FROM ugy WHERE sorszam=" + key), "2010-01-02");

    Exec("UPDATE ugy SET nev='x', leiras='',status=1 WHERE sorszam=" + key);
    EXPECT_FALSE(Value("SELECT befejezve FROM ugy WHERE sorszam=" + key));
}

TEST_F(SchemaTriggers, DocumentsAreNumberedWithinTheirCase) {
    const Integer a = AddCase("A", "2009-01-01");
    const Integer b = AddCase("B", "2009-01-02");
    const Integer a1 = AddHistoryEntry(a, "2009-01-05", "/iratok/a1.doc", "első");
    const Integer note = AddHistoryEntry(a, "2009-01-06", "", "csak esemény");
    const Integer b1 = AddHistoryEntry(b, "2009-01-06", "/iratok/b1.doc", "");
    const Integer a2 = AddHistoryEntry(a, "2009-01-07", "/iratok/a2.pdf", "második");
    auto serial = [this](Integer id) {
        return Value("SELECT dokszam FROM ugyitem WHERE sorszam=" + IntToStr(id));
    };
    EXPECT_EQ(serial(a1), "1");
    EXPECT_EQ(serial(a2), "2");
    EXPECT_EQ(serial(b1), "1");
    EXPECT_FALSE(serial(note)); // an event without a file is no document

    Exec("DELETE FROM ugyitem WHERE sorszam=" + IntToStr(a1));
    EXPECT_EQ(serial(AddHistoryEntry(a, "2009-02-01", "/iratok/a3.doc", "")), "3");
}

TEST_F(SchemaTriggers, ClosingEntryOfACaseGetsNoDocumentNumber) {
    const Integer id = AddCase("A", "2009-01-01");
    Exec("INSERT INTO ugyitem (ugy, datum, ufile, megjegyzes) VALUES (" + IntToStr(id) +
         ",'2009-05-05','','Ügy lezárása')");
    EXPECT_EQ(Rows("SELECT dokszam, bekerulesi_datum, orzendo, archivalando FROM ugyitem"),
              (std::vector<Row>{{std::nullopt, std::nullopt, "0", "0"}}));
}

TEST_F(SchemaTriggers, DocumentsRecordTheDayTheyCameIn) {
    const Integer id = AddCase("A", "2009-01-01");
    const Integer doc = AddHistoryEntry(id, "2001-01-01", "/iratok/x.doc", "", true, true);
    EXPECT_EQ(Text("SELECT bekerulesi_datum FROM ugyitem WHERE sorszam=" + IntToStr(doc)), Today());
    // The document number joins the case number and the serial.
    EXPECT_EQ(Text("SELECT CAST(ugy.ev AS text)||'/'||CAST(ugy.szam AS text)||'/'||"
                   "CAST(ugyitem.dokszam AS text) FROM ugyitem LEFT OUTER JOIN ugy ON "
                   "ugyitem.ugy = ugy.sorszam WHERE ugyitem.sorszam=" +
                   IntToStr(doc)),
              "2009/1/1");
}

TEST_F(SchemaTriggers, RegistryEntriesAreNumberedPerTableAndYear) {
    const Integer partner = AddRegistryPartner("Bíróság", "Budapest");
    const Integer in1 = AddRegistryEntry("ikt_be", partner, "2009-01-02");
    const Integer out1 = AddRegistryEntry("ikt_ki", partner, "2009-01-03");
    const Integer in2 = AddRegistryEntry("ikt_be", partner, "2009-11-30");
    const Integer in2010 = AddRegistryEntry("ikt_be", partner, "2010-01-04");
    const Integer out2 = AddRegistryEntry("ikt_ki", partner, "2009-12-31");
    const Integer out2010 = AddRegistryEntry("ikt_ki", partner, "2010-02-01");
    auto number = [this](const String& table, Integer id) {
        return Text("SELECT iktev||'/'||iktszam FROM " + table + " WHERE sorszam=" + IntToStr(id));
    };
    EXPECT_EQ(number("ikt_be", in1), "2009/1");
    EXPECT_EQ(number("ikt_be", in2), "2009/2");
    EXPECT_EQ(number("ikt_be", in2010), "2010/1");
    EXPECT_EQ(number("ikt_ki", out1), "2009/1");
    EXPECT_EQ(number("ikt_ki", out2), "2009/2");
    EXPECT_EQ(number("ikt_ki", out2010), "2010/1");
}

TEST_F(SchemaTriggers, NewRegistryEntriesAreValidAndListed) {
    const Integer partner = AddRegistryPartner("Ügyfél Kft.");
    AddRegistryEntry("ikt_be", partner, "2009-01-02", "Tárgy");
    EXPECT_EQ(Text("SELECT storno FROM ikt_be"), "0");
    // The default incoming list, as the registry area runs it.
    const auto rows =
        Rows("SELECT i.sorszam, i.iktev||'/'|| i.iktszam as iktatoszam, p.nev AS pnev, i.targy"
             " FROM ikt_be i , ikt_partner p LEFT OUTER JOIN ikt_mt m ON (m.sorszam=i.localmt)"
             " LEFT OUTER JOIN ugy u ON (u.sorszam=i.ugy) LEFT OUTER JOIN ikt_mod im ON"
             " (im.sorszam=i.iktmod) WHERE p.sorszam=i.partner AND storno=0 ORDER BY i.sorszam DESC");
    EXPECT_EQ(rows, (std::vector<Row>{{"1", "2009/1", "Ügyfél Kft.", "Tárgy"}}));
}

class DepositBalance : public OfficeDbFixture {
protected:
    Int64 Balance(Integer id) { return Number("SELECT egyenleg FROM letet WHERE sorszam=" + IntToStr(id)); }
};

TEST_F(DepositBalance, FollowsInsertedMovements) {
    const Integer account = AddAccount("Letéti számla");
    const Integer id = AddDeposit(account, "Kiss Éva", "2009-01-01", 12500);
    EXPECT_EQ(Balance(id), 12500);
    AddMovement(id, "2009-02-01", -500, "Részleges");
    AddMovement(id, "2009-03-01", 2000, "Befizetés");
    EXPECT_EQ(Balance(id), 14000);
}

TEST_F(DepositBalance, FollowsChangedAndDeletedMovements) {
    const Integer account = AddAccount("Számla");
    const Integer id = AddDeposit(account, "a", "2009-01-01", 1000);
    AddMovement(id, "2009-02-01", -300);
    const String movement = IntToStr(LastKey("letetmozgas"));
    Exec("UPDATE letetmozgas SET osszeg=-400 WHERE sorszam=" + movement);
    EXPECT_EQ(Balance(id), 600);
    Exec("DELETE FROM letetmozgas WHERE sorszam=" + movement);
    EXPECT_EQ(Balance(id), 1000);
    Exec("DELETE FROM letetmozgas WHERE letet=" + IntToStr(id));
    EXPECT_EQ(Balance(id), 0);
}

TEST_F(DepositBalance, MovingAMovementUpdatesBothDeposits) {
    const Integer account = AddAccount("Számla");
    const Integer from = AddDeposit(account, "a", "2009-01-01", 1000);
    const Integer to = AddDeposit(account, "b", "2009-01-01", 50);
    AddMovement(from, "2009-02-01", 700);
    Exec("UPDATE letetmozgas SET letet=" + IntToStr(to) +
         " WHERE sorszam=" + IntToStr(LastKey("letetmozgas")));
    EXPECT_EQ(Balance(from), 1000);
    EXPECT_EQ(Balance(to), 750);
}

TEST_F(DepositBalance, FullPayoutClosesAtZeroAlsoFromANegativeBalance) {
    const Integer account = AddAccount("Számla");
    const Integer id = AddDeposit(account, "a", "2009-01-01", 200);
    AddMovement(id, "2009-02-01", -500); // a partial payout larger than the balance
    ASSERT_EQ(Balance(id), -300);
    AddMovement(id, "2009-03-01", -Balance(id));
    Exec("UPDATE letet SET status=0, kifizetes='2009-03-01' WHERE sorszam=" + IntToStr(id));
    EXPECT_EQ(Balance(id), 0);
    EXPECT_EQ(Text("SELECT CAST(SUM(l.egyenleg) As Int) AS osszeg FROM letet l"), "0");
}

class IdentificationFlag : public OfficeDbFixture {
protected:
    std::optional<String> RegisterFlag(Integer person) {
        return Value("SELECT jubok FROM ugyfel_termeszetes_szemely WHERE sorszam=" + IntToStr(person));
    }
    String CopyFlag(Integer copy) {
        return Text("SELECT jubok FROM ugy_ugyfel_tsz WHERE sorszam=" + IntToStr(copy));
    }
    void SetResult(Integer query, const String& result) {
        Exec("UPDATE jub SET valaszfile='', jubok='" + result + "' WHERE sorszam=" + IntToStr(query));
    }
};

TEST_F(IdentificationFlag, FollowsTheQueriesOfThePerson) {
    const Integer person = AddPerson("Nagy Ödön", String("1970-01-01"));
    const Integer caseId = AddCase("Ügy", "2009-01-01");
    EXPECT_FALSE(RegisterFlag(person));

    const Integer query = AddIdentification(person, caseId, "2009-02-02", "K_1_2009/1");
    EXPECT_NE(RegisterFlag(person), "true"); // not answered yet

    SetResult(query, "true");
    EXPECT_EQ(RegisterFlag(person), "true");
    SetResult(query, "false");
    EXPECT_EQ(RegisterFlag(person), "false");
}

TEST_F(IdentificationFlag, StaysWhileAnotherQuerySucceeded) {
    const Integer person = AddPerson("Nagy Ödön");
    const Integer caseId = AddCase("Ügy", "2009-01-01");
    const Integer first = AddIdentification(person, caseId, "2009-02-02", "K_1_2009/1");
    const Integer second = AddIdentification(person, caseId, "2009-03-02", "K_1_2009/2");
    SetResult(first, "true");
    SetResult(second, "false");
    EXPECT_EQ(RegisterFlag(person), "true");
    Exec("DELETE FROM jub WHERE sorszam=" + IntToStr(first));
    EXPECT_EQ(RegisterFlag(person), "false");
}

TEST_F(IdentificationFlag, MarksThePersonInTheQueriedCaseOnly) {
    const Integer person = AddPerson("Nagy Ödön");
    const Integer other = AddPerson("Kis Ede");
    const Integer caseA = AddCase("A", "2009-01-01");
    const Integer caseB = AddCase("B", "2009-01-01");
    const Integer copyA = AddCasePerson(caseA, "Nagy Ödön", person);
    const Integer copyB = AddCasePerson(caseB, "Nagy Ödön", person);
    const Integer otherA = AddCasePerson(caseA, "Kis Ede", other);

    SetResult(AddIdentification(person, caseA, "2009-02-02", "K_1_2009/1"), "true");
    EXPECT_EQ(CopyFlag(copyA), "true");
    EXPECT_EQ(CopyFlag(copyB), "false");
    EXPECT_EQ(CopyFlag(otherA), "false");

    // The case sheet marks the identified person.
    EXPECT_EQ(Text("SELECT CASE WHEN jubok='true' THEN nev||' [JÜB]' ELSE nev END AS nev"
                   " FROM ugy_ugyfel_tsz WHERE sorszam=" +
                   IntToStr(copyA)),
              "Nagy Ödön [JÜB]");
}

// The case sheet refuses a new query for a marked copy, so the mark must go with the success.
TEST_F(IdentificationFlag, CopyMarkFollowsTheQueriesOfItsCase) {
    const Integer person = AddPerson("Nagy Ödön");
    const Integer caseA = AddCase("A", "2009-01-01");
    const Integer caseB = AddCase("B", "2009-01-01");
    const Integer copyA = AddCasePerson(caseA, "Nagy Ödön", person);
    const Integer copyB = AddCasePerson(caseB, "Nagy Ödön", person);
    const Integer first = AddIdentification(person, caseA, "2009-02-02", "K_1_2009/1");
    const Integer second = AddIdentification(person, caseA, "2009-03-02", "K_1_2009/2");

    SetResult(first, "true");
    SetResult(second, "true");
    SetResult(first, "false"); // another query of the case still succeeded
    EXPECT_EQ(CopyFlag(copyA), "true");
    SetResult(second, "false"); // revoked
    EXPECT_EQ(CopyFlag(copyA), "false");

    // A successful query moved to another case takes its mark along.
    SetResult(second, "true");
    Exec("UPDATE jub SET ugy=" + IntToStr(caseB) + " WHERE sorszam=" + IntToStr(second));
    EXPECT_EQ(CopyFlag(copyA), "false");
    EXPECT_EQ(CopyFlag(copyB), "true");

    Exec("DELETE FROM jub WHERE sorszam=" + IntToStr(second));
    EXPECT_EQ(CopyFlag(copyB), "false");
    EXPECT_EQ(RegisterFlag(person), "false");
}

TEST_F(IdentificationFlag, IsSetByAQueryStoredAsSuccessful) {
    const Integer person = AddPerson("Nagy Ödön");
    const Integer caseId = AddCase("A", "2009-01-01");
    const Integer copy = AddCasePerson(caseId, "Nagy Ödön", person);
    Exec("INSERT INTO jub (ugyfel, datum, ugy, jubszam, adatigenyles_szama, jubok) VALUES (" +
         IntToStr(person) + ",'2009-02-02'," + IntToStr(caseId) + ",1,'K_1_2009/1','true')");
    EXPECT_EQ(RegisterFlag(person), "true");
    EXPECT_EQ(CopyFlag(copy), "true");
}

TEST_F(IdentificationFlag, SerialsCountPerCase) {
    const Integer person = AddPerson("P");
    const Integer caseA = AddCase("A", "2009-01-01");
    const Integer caseB = AddCase("B", "2009-01-01");
    auto serial = [this](Integer id) {
        return Text("SELECT jubszam FROM jub WHERE sorszam=" + IntToStr(id));
    };
    EXPECT_EQ(serial(AddIdentification(person, caseA, "2009-02-02", "a")), "1");
    EXPECT_EQ(serial(AddIdentification(person, caseA, "2009-02-03", "b")), "2");
    EXPECT_EQ(serial(AddIdentification(person, caseB, "2009-02-03", "c")), "1");
}

} // namespace
} // namespace apptest
