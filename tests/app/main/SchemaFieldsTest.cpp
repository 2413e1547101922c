// The schema seen through the data layer: the field types and values the forms read.
#include "tests/app/OfficeDbFixture.h"

#include "platform/core/DateTime.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class SchemaFields : public OfficeDbFixture {
protected:
    std::unique_ptr<TSqlite3Query> Open(const String& sql, bool typeLess = false) {
        auto query = std::make_unique<TSqlite3Query>(nullptr);
        query->SetConnection(&DB());
        query->SetTypeLess(typeLess);
        query->SetRawSQL(true);
        query->SQL()->Add(sql);
        query->Open();
        return query;
    }
};

TEST_F(SchemaFields, IdentificationListReadsDatesAndAnswerFlags) {
    const Integer person = AddPerson("Nagy Ödön");
    const Integer caseId = AddCase("Ügy", "2012-01-01");
    const Integer answered = AddIdentification(person, caseId, "2012-02-29", "K_1_2012/1");
    AddIdentification(person, caseId, "2012-03-01", "K_1_2012/2");
    Exec("UPDATE jub SET valaszfile='', jubok='true' WHERE sorszam=" + IntToStr(answered));

    auto list = Open("SELECT jub.sorszam, ugyfel_termeszetes_szemely.nev AS ugyfelnev,   jub.datum,"
                     " ugy.ev ||'/'|| ugy.szam AS ugyszam,   ugy.nev AS ugynev, jub.adatigenyles_szama,"
                     "   jub.valaszfile, jub.jubok, jub.orzesi_hatarido,   jub.szigszam, jub.szemszam"
                     " FROM jub INNER JOIN   ugyfel_termeszetes_szemely ON jub.ugyfel ="
                     " ugyfel_termeszetes_szemely.sorszam    INNER JOIN   ugy ON jub.ugy = ugy.sorszam"
                     "   WHERE 1=1  ORDER BY ugy.ev,ugy.szam, jub.adatigenyles_szama");
    ASSERT_EQ(list->RecordCount(), 2);
    TField* date = list->FieldByName("datum");
    TField* answer = list->FieldByName("jubok");
    EXPECT_EQ(date->DataType(), ftDate);
    EXPECT_EQ(answer->DataType(), ftString);
    EXPECT_EQ(list->FieldByName("orzesi_hatarido")->DataType(), ftDate);

    EXPECT_EQ(date->AsDateTime(), EncodeDate(2012, 2, 29));
    EXPECT_EQ(answer->AsString(), "true");
    EXPECT_TRUE(answer->AsBoolean());
    EXPECT_EQ(list->FieldByName("ugyszam")->AsString(), "2012/1");
    list->Next();
    EXPECT_EQ(date->AsDateTime(), EncodeDate(2012, 3, 1));
    EXPECT_TRUE(answer->IsNull());
    EXPECT_FALSE(answer->AsBoolean());
}

TEST_F(SchemaFields, ActiveFlagsAreIntegersAndIdentificationFlagsTexts) {
    const Integer person = AddPerson("Nagy Ödön");
    AddOrganisation("Kft");
    Exec("UPDATE ugyfel_termeszetes_szemely SET jubok='true' WHERE sorszam=" + IntToStr(person));
    auto persons = Open("SELECT aktiv, jubok FROM ugyfel_termeszetes_szemely");
    EXPECT_EQ(persons->FieldByName("aktiv")->DataType(), ftInteger);
    EXPECT_EQ(persons->FieldByName("aktiv")->AsInteger(), 1);
    EXPECT_EQ(persons->FieldByName("jubok")->AsString(), "true");
    auto organisations = Open("SELECT aktiv FROM ugyfel_szervezet");
    EXPECT_EQ(organisations->FieldByName("aktiv")->DataType(), ftInteger);
    EXPECT_EQ(organisations->FieldByName("aktiv")->AsInteger(), 1);
    auto copies = Open("SELECT jubok FROM ugy_ugyfel_tsz UNION ALL SELECT jubok FROM jub");
    EXPECT_NE(copies->FieldByName("jubok")->DataType(), ftBoolean);
}

TEST_F(SchemaFields, DatabasesOfTheEarlierDeclarationsStillRead) {
    // Files made before the flags were declared as stored: aktiv and jubok boolean.
    Exec("CREATE TABLE regi (aktiv boolean DEFAULT 1, jubok boolean)");
    Exec("INSERT INTO regi (jubok) VALUES ('true')");
    Exec("INSERT INTO regi (aktiv, jubok) VALUES (0, 'false')");
    auto old = Open("SELECT aktiv, jubok FROM regi");
    EXPECT_EQ(old->FieldByName("aktiv")->AsInteger(), 1);
    EXPECT_TRUE(old->FieldByName("jubok")->AsBoolean());
    old->Next();
    EXPECT_EQ(old->FieldByName("aktiv")->AsInteger(), 0);
    EXPECT_FALSE(old->FieldByName("jubok")->AsBoolean());
}

TEST_F(SchemaFields, CaseStatusShowsAsTrueOrFalse) {
    const Integer id = AddCase("Ügy", "2009-03-05");
    const String sql = "SELECT ev, szam, nev, leiras, status FROM ugy WHERE sorszam=" + IntToStr(id);
    auto active = Open(sql);
    EXPECT_EQ(active->FieldByName("status")->DataType(), ftBoolean);
    EXPECT_EQ(active->FieldByName("status")->DisplayText(), "True");
    EXPECT_EQ(active->FieldByName("ev")->AsInteger(), 2009);
    EXPECT_EQ(active->FieldByName("szam")->AsInteger(), 1);

    Exec("UPDATE ugy SET status=0 WHERE sorszam=" + IntToStr(id));
    EXPECT_EQ(Open(sql)->FieldByName("status")->DisplayText(), "False");
}

TEST_F(SchemaFields, TextAndMemoColumnsKeepHungarianText) {
    const String representative = "Dr. Őry Űrsula\r\nügyvezető, „képviselő”";
    Exec("INSERT INTO ugyfel_szervezet(nev, roviditett_nev, szekhely_cime, fotevekenyseg,"
         " azonosito_okirat_szama, kezbesitesi_megbizott_neve, kezbesitesi_megbizott_anyja_neve,"
         " kezbesitesi_megbizott_cime, kepviselo) VALUES ('Árvíztűrő Kft.','ÁT','Győr','',"
         "'01-09-1','','','','" +
         representative + "')");
    auto organisation = Open("SELECT * FROM ugyfel_szervezet WHERE sorszam=1");
    EXPECT_EQ(organisation->FieldByName("nev")->AsString(), "Árvíztűrő Kft.");
    EXPECT_EQ(organisation->FieldByName("kepviselo")->DataType(), ftMemo);
    EXPECT_EQ(organisation->FieldByName("kepviselo")->AsString(), representative);

    AddPerson("Tőzsér Ödönné", String("1950-12-24"));
    auto persons = Open("SELECT sorszam, nev, szuletesi_ido FROM ugyfel_termeszetes_szemely"
                        " ORDER BY nev COLLATE systemnocase",
                        true);
    EXPECT_EQ(persons->FieldByName("nev")->AsString(), "Tőzsér Ödönné");
    EXPECT_EQ(persons->FieldByName("szuletesi_ido")->AsString(), "1950-12-24");
}

TEST_F(SchemaFields, DocumentFlagsReadAsOneWhetherTypedOrNot) {
    const Integer caseId = AddCase("Ügy", "2009-01-01");
    const Integer doc = AddHistoryEntry(caseId, "2009-01-02", "/iratok/a.doc", "", true, false);
    const String sql =
        "SELECT   ugyitem.sorszam,  ugyitem.datum,  ugyitem.orzendo,  ugyitem.archivalando,"
        "  CAST(ugy.ev AS text)||'/'||CAST(ugy.szam AS text)||'/'||CAST(ugyitem.dokszam AS text)"
        " AS dokuszam FROM   ugyitem LEFT OUTER JOIN   ugy ON ugyitem.ugy = ugy.sorszam"
        " WHERE ugyitem.sorszam=" +
        IntToStr(doc);
    for (bool typeLess : {false, true}) {
        auto row = Open(sql, typeLess);
        EXPECT_EQ(row->FieldByName("orzendo")->AsString(), "1") << typeLess;
        EXPECT_EQ(row->FieldByName("archivalando")->AsString(), "0") << typeLess;
        EXPECT_EQ(row->FieldByName("dokuszam")->AsString(), "2009/1/1") << typeLess;
        EXPECT_EQ(row->FieldByName("datum")->AsString().substr(0, 4), "2009") << typeLess;
    }
}

TEST_F(SchemaFields, SettingsGridKeepsAccountFlagsAsOneAndZero) {
    AddAccount("Letéti számla");
    TSqlite3Table table(nullptr);
    table.SetConnection(&DB());
    table.SetTableName("letetiszamla");
    table.Open();
    ASSERT_EQ(table.FieldByName("statusz")->DataType(), ftBoolean);
    table.Edit();
    table.FieldByName("statusz")->SetAsBoolean(false);
    table.Post();
    EXPECT_EQ(Text("SELECT statusz FROM letetiszamla"), "0");
    table.Edit();
    table.FieldByName("statusz")->SetAsBoolean(true);
    table.FieldByName("nev")->SetAsString("Új név");
    table.Post();
    EXPECT_EQ(Rows("SELECT sorszam, nev FROM letetiszamla WHERE statusz=1 ORDER BY nev"),
              (std::vector<Row>{{"1", "Új név"}}));
}

TEST_F(SchemaFields, DepositHeaderReadsTheBalanceTheDatabaseKeeps) {
    const Integer account = AddAccount("Számla");
    const Integer id = AddDeposit(account, "Kiss Éva", "2009-01-01", 12500);
    AddMovement(id, "2009-02-01", -2500, "Részleges kifizetés");
    auto header = Open("Select   l.sorszam, sz.nev AS sznev, strftime('%Y.%m.%d.', l.betet) AS betet, CASE"
                       " l.status  WHEN 1 THEN 'aktív' ELSE 'lezárt' END AS statusz , l.megjegyzes,"
                       " l.kedvezmenyezett,  l.letevo, l.project, strftime('%Y.%m.%d.', l.kifizetes) AS"
                       " kifizetes, p.nev AS pnev, \n CAST (l.status AS int) AS status, l.egyenleg AS"
                       " letetosszeg From   letet l   Left Outer Join   project p On l.project = p.sorszam"
                       "   Inner Join   letetmozgas m On l.sorszam = m.letet,   letetiszamla sz Where"
                       "   l.letetiszamla = sz.sorszam AND l.sorszam=" +
                       IntToStr(id));
    EXPECT_EQ(header->FieldByName("letetosszeg")->AsInteger(), 10000);
    EXPECT_EQ(header->FieldByName("betet")->AsString(), "2009.01.01.");
    EXPECT_EQ(header->FieldByName("statusz")->AsString(), "aktív");
    EXPECT_EQ(header->FieldByName("status")->AsString(), "1");
}

} // namespace
} // namespace apptest
