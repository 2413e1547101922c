#include "tests/app/reports/LongOffice.h"

#include "app/common/SqlRoutines.h"
#include "platform/core/NumberFormat.h"

namespace apptest {

namespace {

String Q(const String& Text) {
    return "'" + SqlQuote(Text) + "'";
}

String N(Integer Value) {
    return IntToStr(Value);
}

// The i-th of a few texts, so neighbouring rows differ in length.
String Pick(std::initializer_list<const char*> Texts, Integer i) {
    return *(Texts.begin() + i % static_cast<Integer>(Texts.size()));
}

String Date(Integer i) {
    const Integer month = 1 + i % 12, day = 1 + i % 28;
    return "2012-" + String(month < 10 ? "0" : "") + N(month) + "-" + String(day < 10 ? "0" : "") + N(day);
}

const String Company = "Öböl Kereskedelmi, Szolgáltató és Tanácsadó Korlátolt Felelősségű Társaság";
const String Address = "1118 Budapest, Dayka Gábor utca 12/B, III. lépcsőház, 4. emelet 17. ajtó, "
                       "kapucsengő: 417, a hátsó udvari bejáraton át";
const String Activity = "4690 Vegyes termékkörű nagykereskedelem; 4719 Egyéb vegyes termékkörű "
                        "kiskereskedelem; 6820 Saját tulajdonú ingatlan bérbeadása";
const String Remark =
    "A megbízó kérésére minden levelet tértivevényes küldeményként, egyidejűleg elektronikus úton is "
    "meg kell küldeni a képviselőnek; a számlákat a negyedév utolsó munkanapjáig kell kiállítani, "
    "a teljesítésigazolást az ügyvezető és a gazdasági igazgató együttesen írja alá. Az iratokat "
    "a székhelyen, munkanapokon 9 és 15 óra között lehet átvenni, előzetes telefonos egyeztetés után.";
const String FilePath = "/home/iroda/Dokumentumok/Ügyek/2012/2012-062 Öböl Kft. kontra Dunántúli Zrt/"
                        "Beadványok/2012-03-05 keresetlevél a Fővárosi Törvényszékhez (aláírt példány).pdf";

String CaseName(Integer i) {
    return Pick({"Öböl Kereskedelmi Kft. kontra Dunántúli Mezőgazdasági Termelő és Értékesítő Zrt. – "
                 "kártérítés a 2011. évi szállítási szerződés megszegése miatt",
                 "Szentgyörgyi-Kovácsházy Eleonóra hagyatéki ügye",
                 "Kovács és Társa Építőipari, Ingatlanfejlesztő és Vagyonkezelő Bt. társasági "
                 "szerződésének módosítása és cégbírósági változásbejegyzése"},
                i) +
           " (" + N(i) + ")";
}

String Description(Integer i) {
    String text = "Az ügyfél " + N(i) + ". megbízása: " + Remark;
    if (i % 4 == 0) text += " " + Remark + " " + Remark;
    if (i % 7 == 3) text = "Rövid leírás.";
    return text;
}

} // namespace

LongOfficeFixture::LongOffice LongOfficeFixture::AddLongOffice() {
    LongOffice office;
    SetSetting("cim", "Kovács és Társa Ügyvédi Iroda, 1052 Budapest, Váci utca 12. II. emelet 4. ajtó, "
                      "bejárat a Régi posta utca felől");
    SetSetting("kamarai_azonosito", "BUD-0123456");

    // Cases, enough for several pages of the case list; the first is the case sheet's.
    for (Integer i = 1; i <= 45; ++i)
        AddCase(CaseName(i), Date(i), Description(i));
    office.Case = LastKey("ugy") - 44;
    const Integer sheet = office.Case;
    for (Integer i = 1; i <= 24; ++i) {
        const String note = Pick({"Tárgyalás elhalasztva, a bíróság az alperest hiánypótlásra hívta fel.",
                                  "Keresetlevél benyújtva. ", "Ügyféllel egyeztetés."},
                                 i) +
                            (i % 3 == 1 ? " " + Remark : String());
        AddHistoryEntry(sheet, Date(i), i % 2 ? FilePath : String(), note, i % 4 == 1, i % 5 == 2);
    }
    // Some stored entries keep "no file" as null, as offices' databases hold.
    Exec("UPDATE ugyitem SET ufile=NULL WHERE ufile='' AND sorszam % 4 = 0");
    // History with files in other cases, for the document list.
    for (Integer i = 2; i <= 20; ++i)
        AddHistoryEntry(sheet + i, Date(i), FilePath, "Beadvány " + N(i), i % 2 == 0, i % 3 == 0);

    // The register person behind the case's person and the identification sheets.
    const Integer person = AddPerson("Dr. Szentgyörgyi-Kovácsházy Eleonóra Margit Erzsébet", "1958-11-23");
    const String personFields =
        " SET szuletesi_nev='Nagybányai-Horváth Eleonóra Margit Erzsébet Krisztina', lakcim=" + Q(Address) +
        ", szuletesi_hely='Budapest XVIII. kerület, Pestszentlőrinc-Pestszentimre',"
        " allampolgarsag='magyar és osztrák (kettős)', anyja_neve='Dr. Weiss-Brunszvik Mária Terézia "
        "Gabriella', azonosito_okmany_tipus='személyazonosító igazolvány',"
        " azonosito_okmany_szama='123456AB / 987654CD', tartozkodasi_hely=" +
        Q("8630 Balatonboglár, Szőlőhegyi dűlő 1234/5. hrsz., a Kisfaludy-kilátó melletti nyaraló, "
          "a kerti kapun át") +
        " ";
    Exec("UPDATE ugyfel_termeszetes_szemely" + personFields + "WHERE sorszam=" + N(person));
    for (Integer i = 0; i < 4; ++i) {
        const Integer copy =
            AddCasePerson(sheet, "Dr. Szentgyörgyi-Kovácsházy Eleonóra Margit " + N(i), person);
        Exec("UPDATE ugy_ugyfel_tsz" + personFields +
             ", szuletesi_ido='1958-11-23' WHERE sorszam=" + N(copy));
        if (i == 0) office.CaseClient = copy;
    }
    for (Integer i = 0; i < 3; ++i)
        Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev, roviditett_nev, szekhely_cime, fotevekenyseg,"
             " azonosito_okirat_szama, kepviselo, kezbesitesi_megbizott_neve,"
             " kezbesitesi_megbizott_anyja_neve, kezbesitesi_megbizott_cime) VALUES (" +
             N(sheet) + "," + Q(Company + " " + N(i)) + ",'Öböl Kereskedelmi és Tanácsadó Kft.'," +
             Q(Address) + "," + Q(Activity) + ",'Cg. 01-09-123456, adószám: 12345678-2-41'," +
             Q("Nagy Péter Pál ügyvezető igazgató és Dr. Kiss-Szabó Andrea cégvezető, együttesen") +
             ",'Dr. Űrös-Lengyel Ágnes Katalin ügyvéd, Budapesti Ügyvédi Kamara'," +
             "'Kelemen-Farkas Zsuzsanna Erzsébet'," + Q(Address) + ")");

    // Identification queries, one per case, all of the register person.
    for (Integer i = 0; i < 30; ++i)
        AddIdentification(person, sheet + i, Date(i), "BUD-0123456_" + N(i + 1) + "_2012/1");
    office.Identification = LastKey("jub") - 29;

    // Deposits on long-named accounts and projects; the first with many movements.
    const Integer account = AddAccount("Ügyvédi letéti számla – OTP Bank Nyrt. 11773016-01234567-00000000");
    const Integer project = AddProject("Dunakeszi lakópark II. ütem, ingatlan-adásvételi letétek 2012");
    for (Integer i = 0; i < 30; ++i) {
        const Integer id =
            AddDeposit(account, Pick({Company.c_str(), "Szűcs Erzsébet"}, i) + String(" ") + N(i), Date(i),
                       1000000 + 250000 * i);
        Exec("UPDATE letet SET project=" + N(project) + ", kifizetes=" + Q(Date(i + 3)) +
             ", kedvezmenyezett=" +
             Q(Pick({"Dunántúli Mezőgazdasági Termelő, Feldolgozó és Értékesítő Zártkörűen Működő "
                     "Részvénytársaság",
                     "Kiss Béla"},
                    i + 1)) +
             ", megjegyzes=" + Q(Remark + " " + Remark) + ", egyenleg=" + N(1000000 + 250000 * i) +
             " WHERE sorszam=" + N(id));
        if (i == 0) office.Deposit = id;
    }
    for (Integer i = 0; i < 40; ++i)
        AddMovement(office.Deposit, Date(i), i % 2 ? -12500 * i : 250000,
                    "Részkifizetés a jogosultnak a " + N(i) +
                        ". számla alapján, a teljesítésigazolás és az ügyvezetői jóváhagyás után");

    // Partners with every contact field filled.
    for (Integer i = 0; i < 30; ++i)
        Exec("INSERT INTO partner (nev, kepviselo, cim, tel1, tel2, tel3, mobil1, mobil2, fax, email, web,"
             " megjegyzes) VALUES (" +
             Q(Pick({Company.c_str(), "Tükör Fúró Kft."}, i) + String(" ") + N(i)) + "," +
             Q("Dr. Fehér-Kovács Ödön Zsigmond ügyvezető igazgató") + "," + Q(Address) +
             ",'+36 1 234 5678 (központ)','+36 1 234 5679','+36 1 234 5680 (titkárság)',"
             "'+36 30 123 4567','+36 70 765 4321','+36 1 234 5690',"
             "'kovacsne.szentgyorgyi.eleonora@obolkereskedelmi-tanacsado.hu',"
             "'www.obolkereskedelmi-szolgaltato-es-tanacsado.hu/kapcsolat'," +
             Q(i % 3 ? Remark : String("Rövid megjegyzés.")) + ")");
    return office;
}

} // namespace apptest
