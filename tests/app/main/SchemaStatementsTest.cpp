// Every area's statements, as the dialogs and lists build them, run against the schema:
// a misnamed or missing column fails here rather than in front of the office.
#include "app/cases/CaseStatements.h"
#include "tests/app/OfficeDbFixture.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

struct Statement {
    String sql;
    int rows; // rows the statement returns over the sample data; -1: not checked
};

// The case list and case search as their pages build them.
String ActiveCasesNewestFirst() {
    app::CaseListOptions options;
    options.Descending = true;
    return app::CaseListSql(options);
}

String SearchEverywhere(const String& Text) {
    app::CaseSearchCriteria c;
    c.YearFrom = c.YearTo = "2009";
    c.NumberFrom = "1";
    c.NumberTo = "9";
    c.Text = Text;
    c.ByName = true;
    return app::CaseSearchSql(c);
}

class SchemaStatements : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        const Integer caseId = AddCase("Teszt ügy", "2009-03-05", "Leírás");
        AddHistoryEntry(caseId, "2009-03-06", "/iratok/level.doc", "Beadvány", true, true);
        const Integer person = AddPerson("Kovács János", String("1970-01-01"));
        AddCasePerson(caseId, "Kovács János", person);
        AddOrganisation("Példa Kft.", "01-09-123456");
        Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev, azonosito_okirat_szama) VALUES (1,"
             "'Példa Kft.','01-09-123456')");
        const Integer account = AddAccount("Számla");
        AddProject("Projekt");
        const Integer deposit = AddDeposit(account, "Letevő", "2009-01-01", 12500);
        Exec("UPDATE letet SET project=1, kedvezmenyezett='Jogosult' WHERE sorszam=" +
             std::to_string(deposit));
        Exec("INSERT INTO partner(nev, kepviselo, cim, tel1, tel2, tel3, mobil1, mobil2, fax,"
             " email, web, kedvezmeny, megjegyzes) VALUES ('Partner','Képviselő','Cím','1','2',"
             "'3','4','5','6','a@b.hu','www.b.hu',10,'')");
        const Integer sender = AddRegistryPartner("Feladó", "Cím");
        Exec("INSERT INTO ikt_mt (aktiv,nev) VALUES(1,'Iroda')");
        Exec("INSERT INTO ikt_mod (aktiv,nev) VALUES(1,'Posta')");
        AddRegistryEntry("ikt_be", sender, "2009-04-01", "Tárgy");
        AddRegistryEntry("ikt_ki", sender, "2009-04-02", "Válasz");
        AddIdentification(person, caseId, "2009-05-05", "K_1_2009/1");
    }

    void RunAll(std::initializer_list<Statement> statements) {
        for (const Statement& s : statements) {
            SCOPED_TRACE(s.sql.c_str());
            try {
                const auto rows = Rows(s.sql);
                if (s.rows >= 0) {
                    EXPECT_EQ(static_cast<int>(rows.size()), s.rows);
                }
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();
            }
        }
    }
};

TEST_F(SchemaStatements, CasesAndCaseSheet) {
    RunAll({
        {ActiveCasesNewestFirst(), 1},
        {SearchEverywhere("ügy"), 1},
        // The accented capital matches its small letter, and only it.
        {SearchEverywhere("ÜGY"), 1},
        {SearchEverywhere("ugy"), 0},
        {"SELECT sorszam, leiras, datum, befejezve, nev,  ev, szam, CASE status  WHEN 1 THEN"
         " 'aktív' ELSE 'lezárt' END AS statusz FROM ugy WHERE sorszam=1",
         1},
        {"SELECT sorszam, datum, ufile, megjegyzes,  case                when ufile not null"
         "                then megjegyzes||'\n'||ufile                else megjegyzes"
         "                end  AS hintstring  FROM ugyitem WHERE ugy=1 ORDER BY datum, sorszam",
         1},
        {"SELECT sorszam, CASE WHEN jubok='true' THEN nev||' [JÜB]'             ELSE nev END AS"
         " nev , szuletesi_ido AS azonosito, 1 AS tipus, jubok FROM ugy_ugyfel_tsz WHERE ugy=1"
         " UNION SELECT sorszam, nev, azonosito_okirat_szama AS azonosito, 2 AS tipus, NULL AS"
         " jubok FROM ugy_ugyfel_szerv WHERE ugy=1",
         2},
        {"SELECT * FROM ugy_ugyfel_tsz  WHERE ugy=1 ORDER BY nev ", 1},
        {"SELECT * FROM ugy_ugyfel_szerv  WHERE ugy=1 ORDER BY nev ", 1},
        {"INSERT INTO ugyitem (ugy, datum, ufile, megjegyzes,orzendo,archivalando,orzesi_hatarido)"
         " VALUES (1,'2009-03-07','','Esemény',1,1,'2014-03-07')",
         0},
        {"INSERT INTO ugyitem (ugy, datum, ufile, megjegyzes) VALUES (1,'2009-03-08','',"
         "'Ügy lezárása')",
         0},
        {"UPDATE ugy SET status=0 WHERE sorszam=1", 0},
        {"INSERT INTO ugy (status, nev, leiras, datum) VALUES (1,'Új','','2009-06-01')", 0},
        {"SELECT ev, szam, nev, leiras, status FROM ugy WHERE sorszam=2", 1},
        {"UPDATE ugy SET nev='Új név', leiras='x',status=1 WHERE sorszam=2", 0},
        {"SELECT sorszam, nev FROM ugy WHERE status=1 ORDER BY nev COLLATE systemnocase", 1},
        {"DELETE FROM ugyitem WHERE sorszam=3", 0},
    });
}

TEST_F(SchemaStatements, ClientsAndAttachDialogs) {
    RunAll({
        {"SELECT sorszam, nev, szuletesi_nev, lakcim, szuletesi_ido, szuletesi_hely,"
         " allampolgarsag, anyja_neve, azonosito_okmany_tipus, azonosito_okmany_szama,"
         " tartozkodasi_hely, case when aktiv=1 then 1 else 0 end AS aktiv\nFROM"
         " ugyfel_termeszetes_szemely ORDER BY nev COLLATE systemnocase",
         1},
        {"SELECT sorszam, nev, roviditett_nev, szekhely_cime, fotevekenyseg,"
         " azonosito_okirat_szama, kezbesitesi_megbizott_neve, kezbesitesi_megbizott_anyja_neve,"
         " kezbesitesi_megbizott_cime, kepviselo, case when aktiv=1 then 1 else 0 end AS aktiv"
         " FROM ugyfel_szervezet ORDER BY nev COLLATE systemnocase",
         1},
        {"SELECT sorszam, nev, szuletesi_ido FROM ugyfel_termeszetes_szemely WHERE aktiv=1 ORDER"
         " BY nev COLLATE systemnocase",
         1},
        {"SELECT sorszam, nev, szuletesi_nev, lakcim, szuletesi_ido, szuletesi_hely,"
         " allampolgarsag, anyja_neve, azonosito_okmany_tipus, azonosito_okmany_szama,"
         " tartozkodasi_hely, aktiv, COALESCE (jubok, 'false') AS jubok FROM"
         " ugyfel_termeszetes_szemely WHERE sorszam=1",
         1},
        {"SELECT sorszam, nev, azonosito_okirat_szama FROM ugyfel_szervezet  WHERE aktiv=1 ORDER"
         " BY nev COLLATE systemnocase",
         1},
        {"SELECT * FROM ugyfel_szervezet WHERE sorszam=1", 1},
        {"UPDATE ugyfel_termeszetes_szemely SET nev='A', szuletesi_nev='B', szuletesi_hely='C',"
         " szuletesi_ido=NULL, anyja_neve='D', allampolgarsag='E', azonosito_okmany_tipus='F',"
         " azonosito_okmany_szama='G', lakcim='H', tartozkodasi_hely='I', aktiv=0 WHERE"
         " sorszam=1",
         0},
        {"UPDATE ugyfel_szervezet SET nev='A', roviditett_nev='B', szekhely_cime='C',"
         " fotevekenyseg='D', azonosito_okirat_szama='E', kezbesitesi_megbizott_neve='F',"
         " kezbesitesi_megbizott_anyja_neve='G', kezbesitesi_megbizott_cime='H', kepviselo='I',"
         " aktiv=1 WHERE sorszam=1",
         0},
        {"INSERT INTO ugy_ugyfel_szerv (ugy, nev, roviditett_nev, szekhely_cime, fotevekenyseg,"
         " azonosito_okirat_szama, kepviselo, kezbesitesi_megbizott_neve,"
         " kezbesitesi_megbizott_anyja_neve, kezbesitesi_megbizott_cime) VALUES (1,'a','b','c',"
         "'d','e','f','g','h','i')",
         0},
        {"SELECT * FROM ugy_ugyfel_tsz WHERE sorszam=1", 1},
        {"UPDATE ugy_ugyfel_tsz SET nev='A', szuletesi_nev='B', szuletesi_hely='C',"
         " szuletesi_ido='1970-01-01', anyja_neve='D', allampolgarsag='E',"
         " azonosito_okmany_tipus='F', azonosito_okmany_szama='G', lakcim='H',"
         " tartozkodasi_hely='I' WHERE sorszam=1",
         0},
        {"DELETE FROM ugy_ugyfel_szerv WHERE sorszam=2", 0},
        {"DELETE FROM ugyfel_szervezet WHERE sorszam=1", 0},
    });
}

TEST_F(SchemaStatements, DepositsAndTheirDialogs) {
    RunAll({
        // The list's first text as the form holds it, with its comment line and grouping.
        {"Select\n  l.sorszam, sz.nev AS sznev,\nstrftime('%Y.%m.%d.', l.betet)\nAS betet,"
         " l.status, l.megjegyzes, l.kedvezmenyezett,\n  l.letevo, l.project, \nstrftime("
         "'%Y.%m.%d.', l.kifizetes) AS kifizetes, p.nev AS pnev,\n-- CAST ( total (m.osszeg) AS"
         " int) As letetosszeg\nl.egyenleg As letetosszeg\nFrom\n  letet l\n  Left Outer Join\n"
         "  project p On l.project = p.sorszam\n  Inner Join\n  letetmozgas m On l.sorszam ="
         " m.letet,\n  letetiszamla sz\nWhere\n  l.letetiszamla = sz.sorszam And\n  l.status ="
         " 1\nGroup By\n  l.sorszam, sz.nev, betet, l.status, l.megjegyzes, l.kedvezmenyezett,\n"
         "  l.letevo, l.project, l.kifizetes, p.nev\n ORDER BY betet",
         1},
        {"Select   l.sorszam, sz.nev AS sznev, strftime('%Y.%m.%d.', l.betet) AS betet, l.status,"
         " l.megjegyzes, l.kedvezmenyezett,   l.letevo, l.project, strftime('%Y.%m.%d.',"
         " l.kifizetes) AS kifizetes, p.nev AS pnev, l.egyenleg As letetosszeg From   letet l"
         "   Left Outer Join   project p On l.project = p.sorszam ,  letetiszamla sz Where"
         "   l.letetiszamla = sz.sorszam  And  l.status = 1  ORDER BY pnev COLLATE systemnocase,"
         " betet",
         1},
        {"Select\nCAST (SUM (l.egyenleg) As Int) AS osszeg\nFrom\n  letet l", 1},
        {"Select SUM(l.egyenleg) AS osszeg From letet l WHERE 1=1  AND l.letetiszamla=1 AND"
         " l.project=1 AND l.letevo LIKE '%Letev%' COLLATE systemnocase  AND l.kedvezmenyezett"
         " LIKE '%Jog%' COLLATE systemnocase  And  l.status = 1 ",
         1},
        {"INSERT INTO letetiszamla (nev, statusz, szamlaszam, megjegyzes) VALUES ('Másik',1,"
         "'11111111-22222222','')",
         0},
        {"INSERT INTO project (nev, statusz, megjegyzes) VALUES ('Másik',1,'')", 0},
        {"SELECT strftime('%Y.%m.%d.', datum) AS datum, osszeg, megjegyzes FROM letetmozgas WHERE"
         " letet=1 ORDER BY datum",
         1},
        {"INSERT INTO letetmozgas (datum, osszeg, megjegyzes, letet) VALUES ('2009-02-01', -500,"
         "'x',1)",
         0},
        {"INSERT INTO letetmozgas (datum, osszeg, megjegyzes, letet) VALUES ('2009-02-02',-12000,"
         "'',1)",
         0},
        {"UPDATE letet SET status=0, kifizetes='2009-02-02' WHERE sorszam=1", 0},
        {"SELECT sorszam, nev FROM letetiszamla WHERE statusz=1 ORDER BY nev", 2},
        {"SELECT sorszam, nev FROM project WHERE statusz=1 ORDER BY nev", 2},
        {"INSERT INTO letet (egyenleg,letetiszamla,project,letevo, kedvezmenyezett, status, betet,"
         " megjegyzes) VALUES (0,1,1,'a','b',1,'2009-03-03','')",
         0},
        {"SELECT l.letevo,l.kedvezmenyezett,l.betet,sz.nev AS sznev,p.nev AS pnev,l.megjegyzes"
         " FROM letet l LEFT OUTER JOIN letetiszamla sz ON sz.sorszam=l.letetiszamla LEFT OUTER"
         " JOIN project p ON p.sorszam=l.project WHERE l.sorszam=1",
         1},
        {"UPDATE letet SET letevo='a', kedvezmenyezett='b', betet='2009-01-01' ,letetiszamla=1,"
         " project=1, megjegyzes='c' WHERE sorszam=1",
         0},
    });
}

TEST_F(SchemaStatements, Partners) {
    RunAll({
        {"SELECT sorszam, nev, tel1 ||'  '|| tel2 ||'  '|| tel3 AS tel, mobil1 ||'  '|| mobil2 AS"
         " mobil, fax, cim, email, \n       kedvezmeny, kepviselo, megjegyzes, web, SUBSTR(nev,1,1)"
         " AS kb, 2 As flag\n  FROM partner \nORDER by nev COLLATE systemnocase, kepviselo COLLATE"
         " systemnocase",
         1},
        {"SELECT sorszam, nev, tel1 ||'  '|| tel2 ||'  '|| tel3 AS tel, mobil1 ||'  '|| mobil2 AS"
         " mobil, fax, cim, email, kedvezmeny, kepviselo, megjegyzes, web, SUBSTR(nev,1,1) AS kb,"
         "  2 As flag FROM partner WHERE nev LIKE '%art%' COLLATE systemnocase OR kepviselo LIKE"
         " 'art%' COLLATE systemnocase OR megjegyzes LIKE 'art%' COLLATE systemnocase  ORDER by"
         " nev COLLATE systemnocase, kepviselo COLLATE systemnocase",
         1},
        {"SELECT nev, tel1, tel2, tel3,       mobil1, mobil2, fax, cim, email,       kedvezmeny,"
         " kepviselo, megjegyzes, web   FROM partner WHERE sorszam=1",
         1},
        {"UPDATE partner SET nev='a', kepviselo='b', cim='c', tel1='d', tel2='e', tel3='f',"
         " mobil1='g', mobil2='h', fax='i', email='j', web='k', kedvezmeny=NULL, megjegyzes='l'"
         " WHERE sorszam=1",
         0},
        {"INSERT INTO partner(nev, kepviselo, cim, tel1, tel2, tel3, mobil1, mobil2, fax, email,"
         "            web, kedvezmeny, megjegyzes)     VALUES ('a','','','','','','','','','',"
         "'',2.5,'')",
         0},
        {"DELETE FROM partner WHERE sorszam=2", 0},
    });
}

TEST_F(SchemaStatements, Registry) {
    RunAll({
        {"SELECT i.sorszam, i.iktev||'/'|| i.iktszam as iktatoszam, i.datum, p.nev AS pnev, m.nev"
         " AS ihnev, i.referencia, i.targy, i.megjegyzes, u.nev AS unev,  i.partnercim, im.nev AS"
         " modnev FROM ikt_be i , ikt_partner p LEFT OUTER JOIN ikt_mt m ON (m.sorszam=i.localmt)"
         " LEFT OUTER JOIN ugy u ON (u.sorszam=i.ugy) LEFT OUTER JOIN ikt_mod im ON"
         " (im.sorszam=i.iktmod) WHERE p.sorszam=i.partner AND storno=0 ORDER BY i.sorszam DESC",
         1},
        {"SELECT i.sorszam, i.iktev||'/'|| i.iktszam as iktatoszam, i.datum, p.nev AS pnev, m.nev"
         " AS ihnev, i.referencia, i.targy, i.megjegyzes, u.nev AS unev, i.partnercim, im.nev AS"
         " modnev FROM ikt_ki i , ikt_partner p LEFT OUTER JOIN ikt_mt m ON (m.sorszam=i.localmt)"
         " LEFT OUTER JOIN ugy u ON (u.sorszam=i.ugy) LEFT OUTER JOIN ikt_mod im ON"
         " (im.sorszam=i.iktmod) WHERE p.sorszam=i.partner  AND storno=0 AND i.partner=1 AND"
         " i.iktev>=2009 AND i.iktev<=2009 AND i.iktszam>=1 AND i.iktszam<=5 AND (1=0  OR i.targy"
         " LIKE '%Vál%' COLLATE BINARY  OR i.megjegyzes LIKE '%Vál%'  OR i.referencia LIKE"
         " '%Vál%' )  ORDER BY  pnev COLLATE systemnocase  ASC, i.sorszam  ASC",
         1},
        {"UPDATE ikt_be SET storno=1 WHERE sorszam=1", 0},
        {"SELECT sorszam, nev, cim FROM ikt_partner ORDER BY nev COLLATE systemnocase", 1},
        {"SELECT sorszam, nev FROM ikt_mod WHERE aktiv=1 ORDER BY nev COLLATE systemnocase", 1},
        {"SELECT sorszam, nev FROM ikt_mt WHERE aktiv=1 ORDER BY nev COLLATE systemnocase", 1},
        {"INSERT INTO ikt_be (partner,partnercim,targy, datum, iktmod, localmt, ugy, megjegyzes,"
         " referencia) VALUES (1,'Cím','Tárgy','2009-04-03',1,1,1,'Megj.\r\nsor','Ref')",
         0},
        {"INSERT INTO ikt_mt (aktiv,nev) VALUES(1,'Hely')", 0},
        {"INSERT INTO ikt_mod (aktiv,nev) VALUES(1,'Fax')", 0},
        {"INSERT INTO ikt_partner (nev,cim) VALUES('Új','Cím')", 0},
        {"SELECT sorszam, nev FROM letetiszamla ORDER BY nev COLLATE systemnocase", 1},
        {"SELECT sorszam, nev FROM project ORDER BY nev COLLATE systemnocase", 1},
    });
}

TEST_F(SchemaStatements, DocumentsIdentificationAndSettings) {
    RunAll({
        {"SELECT   ugyitem.sorszam,   ugy.nev AS ugynev,   ugyitem.datum,   ugy.ev,"
         "   ugy.ev||'/'||ugy.szam AS ugyszam,   ugyitem.dokszam,   ugyitem.orzendo,"
         "   ugyitem.archivalando,   ugyitem.ufile,   ugyitem.checksum_type,"
         "   ugyitem.checksum_value,   ugyitem.bekerulesi_datum,   ugyitem.orzesi_hatarido, CASE"
         " WHEN (ugyitem.orzendo=1) THEN 'őrzendő'      ELSE NULL END AS orzendotext, CASE WHEN"
         " (ugyitem.archivalando=1) THEN 'archiválandó'      ELSE NULL END AS archivalandotext"
         " FROM   ugyitem LEFT OUTER JOIN   ugy ON ugyitem.ugy = ugy.sorszam WHERE"
         "   length(ugyitem.ufile) > 0  AND ugy.sorszam=1 AND ugyitem.datum>='2009-01-01' AND"
         " ugyitem.datum<='2009-12-31' AND orzendo=1 AND archivalando=1 ORDER BY ugyszam,"
         " dokszam",
         1},
        {"SELECT   ugyitem.sorszam,  ugyitem.datum,  ugyitem.ufile,  ugyitem.megjegyzes,  ugy.nev"
         " AS ugynev,  ugyitem.bekerulesi_datum,  ugyitem.orzesi_hatarido,  ugyitem.orzendo,"
         "  ugyitem.archivalando,  CAST(ugy.ev AS text)||'/'||CAST(ugy.szam AS"
         " text)||'/'||CAST(ugyitem.dokszam AS text) AS dokuszam FROM   ugyitem LEFT OUTER JOIN"
         "   ugy ON ugyitem.ugy = ugy.sorszam WHERE ugyitem.sorszam=1",
         1},
        {"UPDATE ugyitem SET orzendo=1, archivalando=0,orzesi_hatarido='2019-03-06' WHERE"
         " sorszam=1",
         0},
        {"SELECT jub.sorszam, ugyfel_termeszetes_szemely.nev AS ugyfelnev,   jub.datum, ugy.ev"
         " ||'/'|| ugy.szam AS ugyszam,   ugy.nev AS ugynev, jub.adatigenyles_szama,"
         "   jub.valaszfile, jub.jubok, jub.orzesi_hatarido,   jub.szigszam, jub.szemszam,   CASE"
         " WHEN jub.jubok='true' THEN CAST ('OK' AS char(2)) ELSE CAST ('  ' AS char(2)) END AS"
         " valasz FROM jub INNER JOIN   ugyfel_termeszetes_szemely ON jub.ugyfel ="
         " ugyfel_termeszetes_szemely.sorszam    INNER JOIN   ugy ON jub.ugy = ugy.sorszam"
         "   WHERE 1=1  AND ugyfel_termeszetes_szemely.nev LIKE '%Kov%'  AND ugy.sorszam=1  AND"
         " (jub.jubok='false' OR jub.jubok IS NULL)  AND jub.datum>='2009-01-01'  AND"
         " jub.datum<='2009-12-31'  ORDER BY ugy.ev,ugy.szam, jub.adatigenyles_szama",
         1},
        {"SELECT ugyfel_termeszetes_szemely.sorszam, ugyfel_termeszetes_szemely.nev,"
         " ugyfel_termeszetes_szemely.azonosito_okmany_szama FROM ugyfel_termeszetes_szemely,"
         " ugy_ugyfel_tsz WHERE ugyfel_termeszetes_szemely.sorszam=ugy_ugyfel_tsz.ugyfel_tsz AND"
         " ugy_ugyfel_tsz.sorszam=1",
         1},
        {"SELECT COALESCE(MAX(jubszam)+1,1) AS jssz FROM jub WHERE ugy=1", 1},
        {"SELECT ev,szam FROM ugy WHERE sorszam=1", 1},
        {"SELECT * FROM ugyfel_termeszetes_szemely WHERE sorszam=1", 1},
        {"INSERT INTO jub( ugyfel, datum, ugy, jubszam, adatigenyles_szama,             valaszfile,"
         " orzesi_hatarido, szigszam, szemszam)     VALUES (1,'2012-02-29',1,2,'K_1_2009/2','',"
         "'2020-03-01','123456AB','')",
         0},
        {"UPDATE jub SET jubok='true' WHERE sorszam=2", 0},
        {"SELECT jub.sorszam, ugyfel_termeszetes_szemely.nev, jub.datum,   jub.adatigenyles_szama,"
         " jub.valaszfile, jub.jubok, jub.szigszam, jub.szemszam, jub.ugyfel FROM  jub INNER JOIN"
         "   ugyfel_termeszetes_szemely ON jub.ugyfel = ugyfel_termeszetes_szemely.sorszam"
         "   WHERE jub.sorszam =2",
         1},
        {"UPDATE jub SET valaszfile='/valasz.pdf', jubok='false' WHERE sorszam=2", 0},
        {"SELECT ertek FROM info WHERE valtozo LIKE 'kamarai_azonosito'", 1},
        {"DELETE FROM info WHERE valtozo LIKE 'jub_orzesi_ido'", 0},
        {"INSERT INTO info (valtozo,ertek) VALUES('jub_orzesi_ido','8')", 0},
        {"SELECT ertek FROM info WHERE valtozo LIKE 'dbver'", 1},
    });
}

} // namespace
} // namespace apptest
