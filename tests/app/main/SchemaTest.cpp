// The tables as the program reads them: settings, defaults, declared types, text
// encoding, keys, and a schema that applies whole or not at all.
#include "tests/app/OfficeDbFixture.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "sqlite/SqliteFieldMap.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace apptest {
namespace {

class Schema : public OfficeDbFixture {};

TEST_F(Schema, StartsWithTheSettingsTheMainWindowReads) {
    auto setting = [this](const String& key) {
        return Rows("SELECT ertek FROM info WHERE valtozo LIKE '" + key + "'");
    };
    EXPECT_EQ(setting("dokumentum_orzesi_ido"), (std::vector<Row>{{"10"}}));
    EXPECT_EQ(setting("jub_orzesi_ido"), (std::vector<Row>{{"8"}}));
    EXPECT_EQ(setting("cim"), (std::vector<Row>{{""}}));
    EXPECT_EQ(setting("kamarai_azonosito"), (std::vector<Row>{{""}}));
    EXPECT_EQ(setting("dbver"), (std::vector<Row>{{"2.0"}}));
    // Read back as the start-up reads the retention periods.
    EXPECT_EQ(StrToInt(Trim(Text("SELECT ertek FROM info WHERE valtozo LIKE 'jub_orzesi_ido'"))), 8);
}

TEST_F(Schema, ReplacingASettingKeepsOneRowPerKey) {
    SetSetting("cim", "1051 Budapest, Fő utca 1.");
    SetSetting("cim", "1052 Budapest, Váci utca 2.");
    EXPECT_EQ(Rows("SELECT ertek FROM info WHERE valtozo LIKE 'cim'"),
              (std::vector<Row>{{"1052 Budapest, Váci utca 2."}}));
    EXPECT_EQ(Number("SELECT COUNT(*) FROM info"), 5);
}

TEST_F(Schema, NewRegisterRowsAreActive) {
    AddPerson("Kovács János");
    AddOrganisation("Példa Kft.", "01-09-123456");
    EXPECT_EQ(Rows("SELECT sorszam, nev FROM ugyfel_termeszetes_szemely WHERE aktiv=1"),
              (std::vector<Row>{{"1", "Kovács János"}}));
    EXPECT_EQ(Rows("SELECT sorszam, nev, azonosito_okirat_szama FROM ugyfel_szervezet"
                   "  WHERE aktiv=1"),
              (std::vector<Row>{{"1", "Példa Kft.", "01-09-123456"}}));
    EXPECT_EQ(Text("SELECT COALESCE (jubok, 'false') AS jubok FROM ugyfel_termeszetes_szemely"), "false");
}

TEST_F(Schema, DeletedKeysAreNotHandedOutAgain) {
    AddPerson("a");
    const Integer second = AddPerson("b");
    Exec("DELETE FROM ugyfel_termeszetes_szemely WHERE sorszam=" + IntToStr(second));
    EXPECT_EQ(AddPerson("c"), second + 1);
}

TEST_F(Schema, CheckBoxTextsPostedByTheSettingsGridsAreStoredAsFlags) {
    const Integer account = AddAccount("Számla");
    const String key = IntToStr(account);
    Exec("update letetiszamla set sorszam='" + key +
         "', nev='Számla', szamlaszam='1',"
         " megjegyzes='', statusz='True' where rowid='" +
         key + "'");
    EXPECT_EQ(Rows("SELECT sorszam, nev FROM letetiszamla WHERE statusz=1 ORDER BY nev"),
              (std::vector<Row>{{key, "Számla"}}));
    Exec("update letetiszamla set statusz='False' where rowid='" + key + "'");
    EXPECT_EQ(Text("SELECT statusz FROM letetiszamla"), "0");

    Exec("insert into project (sorszam, nev, megjegyzes, statusz) values (NULL,'P','','True')");
    Exec("insert into project (sorszam, nev, megjegyzes, statusz) values (NULL,'Q','','false')");
    EXPECT_EQ(Rows("SELECT sorszam, nev, statusz FROM project ORDER BY sorszam"),
              (std::vector<Row>{{"1", "P", "1"}, {"2", "Q", "0"}}));
}

TEST_F(Schema, HungarianTextIsStoredInCodePage1250AndReadBackUnchanged) {
    const String name = "Árvíztűrő tükörfúrógép ŐőŰű";
    const Integer id = AddCase(name, "2009-03-05", "Leírás: „idézet” – ő");
    EXPECT_EQ(Text("SELECT hex(nev) FROM ugy WHERE sorszam=" + IntToStr(id)),
              "C17276ED7A74FB72F52074FC6BF67266FA72F367E97020D5F5DBFB");
    EXPECT_EQ(Rows("SELECT nev, leiras FROM ugy"), (std::vector<Row>{{name, "Leírás: „idézet” – ő"}}));
    // The case search finds it by a fragment with accented letters.
    EXPECT_EQ(Text("SELECT sorszam FROM ugy WHERE 1 AND (1=0 OR nev LIKE '%tűrő%' )"), IntToStr(id));
}

// The field types the forms expect, as the data layer derives them from the declared types.
String FieldKind(const String& declType) {
    TFieldType type = ftUnknown;
    Integer size = 0;
    Integer precision = 0;
    GetFieldInfo(declType, type, size, precision);
    switch (type) {
    case ftString:
        return "s" + IntToStr(size);
    case ftInteger:
        return "int";
    case ftDate:
        return "date";
    case ftBoolean:
        return "bool";
    case ftMemo:
        return "memo";
    case ftFloat:
        return "float";
    default:
        return "type" + IntToStr(type);
    }
}

TEST_F(Schema, DeclaredTypesGiveTheFieldsTheFormsExpect) {
    // Columns in table order: name and field kind (sN text of N characters).
    const std::map<String, String> expected = {
        {"ugy", "sorszam int ev int szam int nev s255 leiras s2000 datum date befejezve date "
                "status bool"},
        {"ugyitem", "sorszam int ugy int datum date dokszam int ufile s255 megjegyzes s10000 "
                    "orzendo int archivalando int orzesi_hatarido date bekerulesi_datum date "
                    "checksum_type s5 checksum_value s128"},
        {"ugyfel_termeszetes_szemely",
         "sorszam int nev s128 szuletesi_nev s128 lakcim s128 szuletesi_ido date "
         "szuletesi_hely s128 allampolgarsag s32 anyja_neve s128 azonosito_okmany_tipus s32 "
         "azonosito_okmany_szama s32 tartozkodasi_hely s128 aktiv int jubok s5"},
        {"ugyfel_szervezet",
         "sorszam int nev s256 roviditett_nev s128 szekhely_cime s128 fotevekenyseg s128 "
         "azonosito_okirat_szama s64 kepviselo memo kezbesitesi_megbizott_neve s128 "
         "kezbesitesi_megbizott_anyja_neve s128 kezbesitesi_megbizott_cime s128 aktiv int"},
        {"ugy_ugyfel_tsz", "sorszam int ugy int ugyfel_tsz int nev s128 szuletesi_nev s128 lakcim s128 "
                           "szuletesi_ido date szuletesi_hely s128 allampolgarsag s32 anyja_neve s128 "
                           "azonosito_okmany_tipus s32 azonosito_okmany_szama s32 tartozkodasi_hely s128 "
                           "jubok s5"},
        {"ugy_ugyfel_szerv",
         "sorszam int ugy int nev s256 roviditett_nev s128 szekhely_cime s128 fotevekenyseg s128 "
         "azonosito_okirat_szama s64 kepviselo memo kezbesitesi_megbizott_neve s128 "
         "kezbesitesi_megbizott_anyja_neve s128 kezbesitesi_megbizott_cime s128"},
        {"letetiszamla", "sorszam int nev s128 szamlaszam s36 megjegyzes s1000 statusz bool"},
        {"project", "sorszam int nev s128 megjegyzes s512 statusz bool"},
        {"letet", "sorszam int letetiszamla int project int letevo s128 kedvezmenyezett s128 "
                  "status bool betet date kifizetes date megjegyzes s1000 egyenleg int"},
        {"letetmozgas", "sorszam int letet int datum date osszeg int megjegyzes s128"},
        {"partner", "sorszam int nev s255 kepviselo s255 cim s255 tel1 s64 tel2 s64 tel3 s64 "
                    "mobil1 s64 mobil2 s64 fax s64 email s255 web s255 kedvezmeny float "
                    "megjegyzes s2000"},
        {"ikt_partner", "sorszam int nev s127 cim s250"},
        {"ikt_mt", "sorszam int nev s64 aktiv int"},
        {"ikt_mod", "sorszam int nev s64 aktiv int"},
        {"ikt_be", "sorszam int iktev int iktszam int datum date partner int partnercim s250 "
                   "localmt int iktmod int ugy int referencia s30 targy s100 megjegyzes s500 "
                   "storno int"},
        {"ikt_ki", "sorszam int iktev int iktszam int datum date partner int partnercim s100 "
                   "localmt int iktmod int ugy int referencia s30 targy s100 megjegyzes s500 "
                   "storno int"},
        {"jub", "sorszam int ugyfel int ugy int datum date jubszam int adatigenyles_szama s64 "
                "valaszfile s255 jubok s5 orzesi_hatarido date szigszam s32 szemszam s32"},
        {"info", "valtozo s64 ertek s1000"},
    };
    std::map<String, String> actual;
    for (const Row& table : Rows("SELECT name FROM sqlite_master WHERE type='table'"
                                 " AND name NOT LIKE 'sqlite%'")) {
        String columns;
        for (const Row& column : Rows("PRAGMA table_info(" + *table[0] + ")"))
            columns += (columns.empty() ? "" : " ") + *column[1] + " " + FieldKind(*column[2]);
        actual[*table[0]] = columns;
    }
    EXPECT_EQ(actual, expected);
}

TEST_F(Schema, AppliedToADatabaseThatHoldsItFailsAndChangesNothing) {
    const Integer id = AddCase("Megmarad", "2009-01-01");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ApplySchema(DB()); }),
              "table ugy already exists\n\n" + SchemaText());
    EXPECT_FALSE(DB().InTransaction());
    EXPECT_EQ(Rows("SELECT sorszam, nev FROM ugy"), (std::vector<Row>{{IntToStr(id), "Megmarad"}}));
    EXPECT_EQ(Number("SELECT COUNT(*) FROM info"), 5);
}

TEST_F(Schema, OpensWithTheMainWindowConnectionSettings) {
    UseAsWorkingFolder();
    TSqlite3DB db(nullptr);
    db.SetDatabase("dornek.s3db");
    db.SetDefaultDir(".\\data\\");
    db.SetDefaultExt(".s3db");
    db.SetDriverDLL(".\\sqlite3.dll");
    db.SetCharacterEncoding("STANDARD");
    db.SetMustExist(true);
    db.SetConnected(true);
    EXPECT_TRUE(db.TableExists("ugyitem"));
}

TEST(SchemaApply, StopsWholeWhenALaterStatementFails) {
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() + "/data");
    auto db = MakeConnection(folder.Path());
    db->SetMustExist(false);
    db->SetConnected(true);
    // A table the schema creates near its end: everything before it must be undone.
    db->SQLite3_ExecSQL("CREATE TABLE info (valtozo text)", nullptr);
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { ApplySchema(*db); }),
              "table info already exists\n\n" + SchemaText());
    EXPECT_TRUE(db->TableExists("info"));
    EXPECT_FALSE(db->TableExists("ugy"));
    EXPECT_FALSE(db->TableExists("jub"));
}

} // namespace
} // namespace apptest
