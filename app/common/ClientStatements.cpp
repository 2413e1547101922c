#include "app/common/ClientStatements.h"

#include "app/common/StoredFlag.h"
#include "platform/core/NumberFormat.h"

namespace app {

String PersonListSql() {
    return "SELECT sorszam, nev, szuletesi_nev, lakcim, szuletesi_ido, szuletesi_hely, allampolgarsag, "
           "anyja_neve, azonosito_okmany_tipus, azonosito_okmany_szama, tartozkodasi_hely, "
           "case when aktiv=1 then 1 else 0 end AS aktiv\n"
           "FROM ugyfel_termeszetes_szemely ORDER BY nev COLLATE systemnocase";
}

String OrganisationListSql() {
    return "SELECT sorszam, nev, roviditett_nev, szekhely_cime, fotevekenyseg, azonosito_okirat_szama, "
           "kezbesitesi_megbizott_neve, kezbesitesi_megbizott_anyja_neve, kezbesitesi_megbizott_cime, "
           "kepviselo, case when aktiv=1 then 1 else 0 end AS aktiv FROM ugyfel_szervezet ORDER BY nev "
           "COLLATE systemnocase";
}

String PersonPanelUpdateSql(Integer PersonId, const CasePerson& Shown, const CasePerson& Person,
                            std::optional<bool> Active, const TextSetValue& Value) {
    ChangedValues values;
    AddPersonChanges(values, Shown, Person, Value);
    AddFlagChange(values, "aktiv", Active);
    return values.UpdateSql("ugyfel_termeszetes_szemely", PersonId);
}

String OrganisationPanelUpdateSql(Integer OrganisationId, const CaseOrganisation& Shown,
                                  const CaseOrganisation& Organisation, std::optional<bool> Active,
                                  const TextSetValue& Value) {
    ChangedValues values;
    AddOrganisationChanges(values, Shown, Organisation, Value);
    AddFlagChange(values, "aktiv", Active);
    return values.UpdateSql("ugyfel_szervezet", OrganisationId);
}

String DeletePersonSql(Integer PersonId) {
    return "DELETE FROM ugyfel_termeszetes_szemely WHERE sorszam=" + IntToStr(PersonId);
}

String DeleteOrganisationSql(Integer OrganisationId) {
    return "DELETE FROM ugyfel_szervezet WHERE sorszam=" + IntToStr(OrganisationId);
}

String PersonTable(PersonRowKind Kind) {
    return Kind == PersonRowKind::CaseCopy ? "ugy_ugyfel_tsz" : "ugyfel_termeszetes_szemely";
}

String PersonRowSql(PersonRowKind Kind, Integer Id) {
    return "SELECT * FROM " + PersonTable(Kind) + " WHERE sorszam=" + IntToStr(Id);
}

String PersonRowUpdateSql(PersonRowKind Kind, Integer Id, const CasePerson& Shown, const CasePerson& Person,
                          const TextSetValue& Value) {
    ChangedValues values;
    AddPersonChanges(values, Shown, Person, Value);
    return values.UpdateSql(PersonTable(Kind), Id);
}

} // namespace app
