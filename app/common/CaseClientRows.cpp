#include "app/common/CaseClientRows.h"

#include "platform/core/StrUtils.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"

namespace app {

namespace {

String Text(TDataSet& Row, const char* Name) {
    return Row.FieldByName(Name)->AsString();
}

} // namespace

CasePerson ReadRegisterPerson(TDataSet& Row) {
    CasePerson p;
    p.Name = Text(Row, "nev");
    p.BirthName = Text(Row, "szuletesi_nev");
    p.BirthPlace = Text(Row, "szuletesi_hely");
    p.BirthDate = StoredDate::Of(Row.FieldByName("szuletesi_ido"));
    p.MotherName = Text(Row, "anyja_neve");
    p.Citizenship = Text(Row, "allampolgarsag");
    p.DocumentType = Text(Row, "azonosito_okmany_tipus");
    p.DocumentNumber = Text(Row, "azonosito_okmany_szama");
    p.Address = Text(Row, "lakcim");
    p.StayAddress = Text(Row, "tartozkodasi_hely");
    if (TField* flag = Row.FindField("jubok")) p.Identified = SameText(flag->AsString(), "true");
    return p;
}

CaseOrganisation ReadRegisterOrganisation(TDataSet& Row) {
    CaseOrganisation o;
    for (std::size_t i = 0; i < OrganisationColumns.size(); ++i)
        o[i] = Text(Row, OrganisationColumns[i]);
    return o;
}

String PersonComboItem(TDataSet& Row) {
    return Text(Row, "nev") + " (" + StoredDate::Of(Row.FieldByName("szuletesi_ido")).DisplayText() + ")";
}

String OrganisationComboItem(TDataSet& Row) {
    return Text(Row, "nev") + " (" + Text(Row, "azonosito_okirat_szama") + ")";
}

} // namespace app
