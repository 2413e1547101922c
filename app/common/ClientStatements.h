#pragma once
// The statements of the clients area and the client dialogs: the two register lists,
// the detail panels' updates with the active flag, deletes, and the case copy of a
// person read and written by the copy editor. Every text goes through SqlQuote.
#include "app/common/CaseDialogStatements.h"

#include <optional>

namespace app {

// Persons (Query1 of the main window): every column as text, aktiv as 1 or 0, by name.
String PersonListSql();
// Organisations (Query3 of the main window), by name.
String OrganisationListSql();

// The person panel's "Módosít": the register row PersonId takes what of Person differs from
// Shown, what the panel showed when filled, and aktiv 1 or 0 when Active says so (none keeps
// it). Each text as Value gives it. Empty when nothing changed.
String PersonPanelUpdateSql(Integer PersonId, const CasePerson& Shown, const CasePerson& Person,
                            std::optional<bool> Active, const TextSetValue& Value = TextValueSql);
// The organisation panel's "Módosít", the same way.
String OrganisationPanelUpdateSql(Integer OrganisationId, const CaseOrganisation& Shown,
                                  const CaseOrganisation& Organisation, std::optional<bool> Active,
                                  const TextSetValue& Value = TextValueSql);

// "Töröl": the register row only; the cases' copies stay.
String DeletePersonSql(Integer PersonId);
String DeleteOrganisationSql(Integer OrganisationId);

// Which row the copy editor works on.
enum class PersonRowKind {
    Register = 1, // ugyfel_termeszetes_szemely
    CaseCopy = 2  // ugy_ugyfel_tsz
};

// The table Kind names.
String PersonTable(PersonRowKind Kind);
// The whole row Id of the table Kind names.
String PersonRowSql(PersonRowKind Kind, Integer Id);
// Row Id of the table Kind names takes what of Person differs from Shown (the identification
// flag is left alone). Empty when nothing changed.
String PersonRowUpdateSql(PersonRowKind Kind, Integer Id, const CasePerson& Shown, const CasePerson& Person,
                          const TextSetValue& Value = TextValueSql);

} // namespace app
