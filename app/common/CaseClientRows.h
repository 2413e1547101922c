#pragma once
// Reading the register rows that the attach dialogs copy: a person or an organisation
// from the current row of a dataset, and the text of each row in the register combo.
#include "app/common/CaseDialogStatements.h"

class TDataSet;

namespace app {

// The person of the current row of a dataset with the person columns (a
// RegisterPersonSql result, the clients list, a case's copy), with its identification
// flag when the row has one (jubok 'true' in any case).
CasePerson ReadRegisterPerson(TDataSet& Row);
// The organisation of the current row of a RegisterOrganisationSql result.
CaseOrganisation ReadRegisterOrganisation(TDataSet& Row);

// The combo texts: nev + " (" + birth date + ")", nev + " (" + document number + ")".
String PersonComboItem(TDataSet& Row);
String OrganisationComboItem(TDataSet& Row);

} // namespace app
