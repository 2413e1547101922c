#pragma once
// The statements of the case dialogs: a new case, a case's base data, and the copies
// of a person or an organisation attached to a case together with their register rows.
// Every text goes through SqlQuote, dates through DateToSqlText, keys as numbers.
#include "app/common/ChangedValues.h"
#include "app/common/StoredDate.h"
#include "app/common/StoredText.h"
#include "platform/core/Types.h"

#include <array>

namespace app {

// ---- New case and base data ---------------------------------------------------------

// A new active case; the database numbers it within its year.
String NewCaseSql(const String& Name, const String& Description, TDateTime Date);
// 1 when the database gave case CaseId its year and number, else 0.
String CaseNumberedSql(Integer CaseId);
String CaseBaseDataSql(Integer CaseId);

// ---- Persons ------------------------------------------------------------------------

// A natural person as the attach dialog holds it.
struct CasePerson {
    String Name;             // nev
    String BirthName;        // szuletesi_nev
    String BirthPlace;       // szuletesi_hely
    StoredDate BirthDate;    // szuletesi_ido
    String MotherName;       // anyja_neve
    String Citizenship;      // allampolgarsag
    String DocumentType;     // azonosito_okmany_tipus
    String DocumentNumber;   // azonosito_okmany_szama
    String Address;          // lakcim
    String StayAddress;      // tartozkodasi_hely
    bool Identified = false; // jubok of the copy
};

// The active persons of the register for the combo: sorszam, nev, szuletesi_ido.
String RegisterPersonsSql();
// One register person with every column the copy takes, jubok 'false' when unset.
String RegisterPersonSql(Integer RegisterId);
// The case's copy of the person (ugy_ugyfel_tsz), not yet linked to the register, each text
// as Value gives it.
String CasePersonInsertSql(Integer CaseId, const CasePerson& Person,
                           const TextSetValue& Value = TextInsertSql);
// A new register row from the person, each text as Value gives it.
String RegisterPersonInsertSql(const CasePerson& Person, const TextSetValue& Value = TextInsertSql);
// "Átír": register row RegisterId takes what the user changed of the person after "Másol"
// showed it as Copied. Empty when nothing changed.
String RegisterPersonUpdateSql(Integer RegisterId, const CasePerson& Copied, const CasePerson& Person,
                               const TextSetValue& Value = TextValueSql);
// Adds to Values the columns of a register person or of a case's copy in which Person
// differs from Shown, what the dialog showed when filled, each text as Value gives it.
void AddPersonChanges(ChangedValues& Values, const CasePerson& Shown, const CasePerson& Person,
                      const TextSetValue& Value = TextValueSql);
// Links copy CopyId to register row RegisterId (NULL when RegisterId is below 1).
String CasePersonLinkSql(Integer CopyId, Integer RegisterId);

// ---- Organisations --------------------------------------------------------------------

// The nine texts of an organisation, in the order of OrganisationColumns.
using CaseOrganisation = std::array<String, 9>;
// nev, roviditett_nev, szekhely_cime, fotevekenyseg, azonosito_okirat_szama, kepviselo,
// kezbesitesi_megbizott_neve, kezbesitesi_megbizott_anyja_neve, kezbesitesi_megbizott_cime.
extern const std::array<const char*, 9> OrganisationColumns;

// The active organisations of the register for the combo: sorszam, nev,
// azonosito_okirat_szama.
String RegisterOrganisationsSql();
String RegisterOrganisationSql(Integer RegisterId);
// The case's copy and a new register row, each text as Value gives it.
String CaseOrganisationInsertSql(Integer CaseId, const CaseOrganisation& Organisation,
                                 const TextSetValue& Value = TextInsertSql);
String RegisterOrganisationInsertSql(const CaseOrganisation& Organisation,
                                     const TextSetValue& Value = TextInsertSql);
// "Átír": what the user changed after "Másol" showed Copied; empty when nothing changed.
String RegisterOrganisationUpdateSql(Integer RegisterId, const CaseOrganisation& Copied,
                                     const CaseOrganisation& Organisation,
                                     const TextSetValue& Value = TextValueSql);
// Adds to Values the columns of a register organisation in which Organisation differs from
// Shown, each text as Value gives it.
void AddOrganisationChanges(ChangedValues& Values, const CaseOrganisation& Shown,
                            const CaseOrganisation& Organisation, const TextSetValue& Value = TextValueSql);

} // namespace app
