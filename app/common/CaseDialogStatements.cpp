#include "app/common/CaseDialogStatements.h"

#include "app/common/SqlRoutines.h"
#include "app/common/StoredText.h"
#include "platform/core/NumberFormat.h"

namespace app {

namespace {

// The ten person values in column order, as they stand in a VALUES list, each text as
// Value gives it.
String PersonValues(const CasePerson& p, const TextSetValue& v) {
    return v("nev", p.Name) + "," + v("szuletesi_nev", p.BirthName) + "," +
           v("szuletesi_hely", p.BirthPlace) + "," + p.BirthDate.Sql() + "," + v("anyja_neve", p.MotherName) +
           "," + v("allampolgarsag", p.Citizenship) + "," + v("azonosito_okmany_tipus", p.DocumentType) +
           "," + v("azonosito_okmany_szama", p.DocumentNumber) + "," + v("lakcim", p.Address) + "," +
           v("tartozkodasi_hely", p.StayAddress);
}

constexpr const char* PersonColumns =
    "nev, szuletesi_nev, szuletesi_hely, szuletesi_ido, anyja_neve, allampolgarsag, "
    "azonosito_okmany_tipus, azonosito_okmany_szama, lakcim, tartozkodasi_hely";

String OrganisationValues(const CaseOrganisation& o, const TextSetValue& Value) {
    String values;
    for (std::size_t i = 0; i < OrganisationColumns.size(); ++i)
        values += (i == 0 ? "" : ",") + Value(OrganisationColumns[i], o[i]);
    return values;
}

String OrganisationColumnList() {
    String list;
    for (const char* column : OrganisationColumns)
        list += (list.empty() ? "" : ", ") + String(column);
    return list;
}

} // namespace

const std::array<const char*, 9> OrganisationColumns = {"nev",
                                                        "roviditett_nev",
                                                        "szekhely_cime",
                                                        "fotevekenyseg",
                                                        "azonosito_okirat_szama",
                                                        "kepviselo",
                                                        "kezbesitesi_megbizott_neve",
                                                        "kezbesitesi_megbizott_anyja_neve",
                                                        "kezbesitesi_megbizott_cime"};

String NewCaseSql(const String& Name, const String& Description, TDateTime Date) {
    return "INSERT INTO ugy (status, nev, leiras, datum) VALUES (1,'" + SqlQuote(Name) + "','" +
           SqlQuote(Description) + "','" + DateToSqlText(Date) + "')";
}

String CaseNumberedSql(Integer CaseId) {
    return "SELECT count(*) FROM ugy WHERE ev IS NOT NULL AND szam IS NOT NULL AND sorszam=" +
           IntToStr(CaseId);
}

String CaseBaseDataSql(Integer CaseId) {
    return "SELECT ev, szam, nev, leiras, status FROM ugy WHERE sorszam=" + IntToStr(CaseId);
}

String RegisterPersonsSql() {
    return "SELECT sorszam, nev, szuletesi_ido FROM ugyfel_termeszetes_szemely WHERE aktiv=1 "
           "ORDER BY nev COLLATE systemnocase";
}

String RegisterPersonSql(Integer RegisterId) {
    return "SELECT sorszam, nev, szuletesi_nev, lakcim, szuletesi_ido, szuletesi_hely, "
           "allampolgarsag, anyja_neve, azonosito_okmany_tipus, azonosito_okmany_szama, "
           "tartozkodasi_hely, aktiv, COALESCE (jubok, 'false') AS jubok FROM "
           "ugyfel_termeszetes_szemely WHERE sorszam=" +
           IntToStr(RegisterId);
}

String CasePersonInsertSql(Integer CaseId, const CasePerson& Person, const TextSetValue& Value) {
    return "INSERT INTO ugy_ugyfel_tsz (ugy, " + String(PersonColumns) + ", jubok) VALUES (" +
           IntToStr(CaseId) + "," + PersonValues(Person, Value) + "," +
           (Person.Identified ? "'true'" : "'false'") + ")";
}

String RegisterPersonInsertSql(const CasePerson& Person, const TextSetValue& Value) {
    return "INSERT INTO ugyfel_termeszetes_szemely (" + String(PersonColumns) + ") VALUES (" +
           PersonValues(Person, Value) + ")";
}

void AddPersonChanges(ChangedValues& Values, const CasePerson& Shown, const CasePerson& p,
                      const TextSetValue& v) {
    const auto text = [&](const char* Column, const String& ShownText, const String& Text) {
        Values.Add(Column, ShownText, Text, v(Column, Text));
    };
    text("nev", Shown.Name, p.Name);
    text("szuletesi_nev", Shown.BirthName, p.BirthName);
    text("szuletesi_hely", Shown.BirthPlace, p.BirthPlace);
    Values.Add("szuletesi_ido", Shown.BirthDate.Sql(), p.BirthDate.Sql(), p.BirthDate.Sql());
    text("anyja_neve", Shown.MotherName, p.MotherName);
    text("allampolgarsag", Shown.Citizenship, p.Citizenship);
    text("azonosito_okmany_tipus", Shown.DocumentType, p.DocumentType);
    text("azonosito_okmany_szama", Shown.DocumentNumber, p.DocumentNumber);
    text("lakcim", Shown.Address, p.Address);
    text("tartozkodasi_hely", Shown.StayAddress, p.StayAddress);
}

String RegisterPersonUpdateSql(Integer RegisterId, const CasePerson& Copied, const CasePerson& p,
                               const TextSetValue& Value) {
    ChangedValues values;
    AddPersonChanges(values, Copied, p, Value);
    return values.UpdateSql("ugyfel_termeszetes_szemely", RegisterId);
}

String CasePersonLinkSql(Integer CopyId, Integer RegisterId) {
    // A copy typed in without a register row must not point at a row that does not exist.
    const String link = RegisterId >= 1 ? IntToStr(RegisterId) : String("NULL");
    return "UPDATE ugy_ugyfel_tsz SET ugyfel_tsz=" + link + " WHERE sorszam=" + IntToStr(CopyId);
}

String RegisterOrganisationsSql() {
    return "SELECT sorszam, nev, azonosito_okirat_szama FROM ugyfel_szervezet  WHERE aktiv=1 "
           "ORDER BY nev COLLATE systemnocase";
}

String RegisterOrganisationSql(Integer RegisterId) {
    return "SELECT * FROM ugyfel_szervezet WHERE sorszam=" + IntToStr(RegisterId);
}

String CaseOrganisationInsertSql(Integer CaseId, const CaseOrganisation& Organisation,
                                 const TextSetValue& Value) {
    return "INSERT INTO ugy_ugyfel_szerv (ugy, " + OrganisationColumnList() + ") VALUES (" +
           IntToStr(CaseId) + "," + OrganisationValues(Organisation, Value) + ")";
}

String RegisterOrganisationInsertSql(const CaseOrganisation& Organisation, const TextSetValue& Value) {
    return "INSERT INTO ugyfel_szervezet (" + OrganisationColumnList() + ") VALUES (" +
           OrganisationValues(Organisation, Value) + ")";
}

void AddOrganisationChanges(ChangedValues& Values, const CaseOrganisation& Shown,
                            const CaseOrganisation& Organisation, const TextSetValue& Value) {
    for (std::size_t i = 0; i < OrganisationColumns.size(); ++i)
        Values.Add(OrganisationColumns[i], Shown[i], Organisation[i],
                   Value(OrganisationColumns[i], Organisation[i]));
}

String RegisterOrganisationUpdateSql(Integer RegisterId, const CaseOrganisation& Copied,
                                     const CaseOrganisation& Organisation, const TextSetValue& Value) {
    ChangedValues values;
    AddOrganisationChanges(values, Copied, Organisation, Value);
    return values.UpdateSql("ugyfel_szervezet", RegisterId);
}

} // namespace app
