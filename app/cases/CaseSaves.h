#pragma once
// The case writes: a new case, its base data, recording an event with the closing of the
// case, and attaching a person or an organisation together with its register row. Each runs
// its statements on Query in the order the user's choice gives, all in one transaction: a
// failing statement leaves the database as it was and raises the engine's error, and a
// statement that wrote no row, a case or chosen register row another workstation deleted, or a
// chosen register row it made inactive, raises as QueryRun.h says.
#include "app/common/CaseDialogStatements.h"
#include "app/common/CaseSheetStatements.h"

#include <optional>

class TSqlite3Query;

namespace app {

// The register radio buttons of the attach dialogs.
enum class RegisterChoice {
    Overwrite, // "Átír": the chosen register row takes the typed data
    AddNew,    // "Újként rögzít": the typed data becomes a new register row
    Keep       // "Nem módosít": the register stays as it is
};

// What the new-case dialog says when the database stored the case without the year and
// number it gives every new case.
inline constexpr const char* CaseNotNumberedMessage =
    "Az adatbázis nem adott évet és számot az új ügynek (egy szabálya kihagyta a számozást), "
    "ezért az ügy nem lett mentve. Kérje a rendszergazda segítségét.";

// "Rögzít" of the new-case dialog: stores the case and answers its key. A case the database
// left without its year or number is rolled back: raises CaseNotNumberedMessage.
Integer WriteNewCase(TSqlite3Query& Query, const String& Name, const String& Description, TDateTime Date);

// What the case sheet says when the database stored an event's file without the document
// number and date of entry it gives every file.
inline constexpr const char* DocumentNotNumberedMessage =
    "Az adatbázis nem adott dokumentumszámot és bekerülési dátumot a csatolt fájlnak (egy szabálya "
    "kihagyta), ezért semmi sem lett mentve. Kérje a rendszergazda segítségét.";

// What the case sheet and the base-data dialog say when the database closed a case without an
// end date of this closing. Both close a case the same way: status 0, then the end date read
// back inside the save's transaction. The database's rule dates a closing by its own local or
// UTC clock (offices' rules take either), so an end date of this closing is on the earlier of
// the two days read just before, or later, also across midnight; an older one is an earlier
// closing's. A case closed before keeps the end date of that closing.
inline constexpr const char* CaseNotEndDatedMessage =
    "Az adatbázis nem adott befejezési dátumot a lezárt ügynek (egy szabálya kihagyta), ezért "
    "semmi sem lett mentve. Kérje a rendszergazda segítségét.";

// "Rögzít" of the case sheet: the event when it has a file or a text, then, with
// CloseCase, the entry "Ügy lezárása" dated Today and the closing of the case. An event whose
// file the database left without its document number or date of entry is rolled back with
// the rest: raises DocumentNotNumberedMessage.
void WriteCaseEvent(TSqlite3Query& Query, const CaseEventInput& Event, Integer RetentionYears, bool CloseCase,
                    TDateTime Today);

// "Módosít" of the base-data dialog: the changed name and description (Changes) and, when the
// user changed "Aktív", Active: true reopens the case, false closes it. Nothing changed:
// nothing is written.
void WriteCaseBaseData(TSqlite3Query& Query, Integer CaseId, ChangedValues Changes,
                       std::optional<bool> Active);

// The person's copy in the case and the register row it is linked to.
struct PersonLink {
    Integer CopyId = 0;
    Integer RegisterId = 0; // below 1: none
};

// How the texts of an attached client enter its statements: Set for the overwrite of the
// register row, Copy for the inserts of the case's copy and of a new register row.
struct ClientTexts {
    TextSetValue Set = TextValueSql;
    TextSetValue Copy = TextInsertSql;
};

// Stores the copy of Person in case CaseId, then adds, overwrites or keeps the register
// row by Choice (SelectedRegisterId is the row chosen with "Másol", -1 for none, which
// "Másol" showed as Copied: the overwrite writes only what the user changed since) and
// links the copy to it, each text as Texts gives it.
PersonLink WriteCasePerson(TSqlite3Query& Query, Integer CaseId, const CasePerson& Person,
                           RegisterChoice Choice, Integer SelectedRegisterId, const CasePerson& Copied,
                           const ClientTexts& Texts = {});

// Stores the copy of Organisation in case CaseId, then adds, overwrites or keeps the
// register row by Choice (the overwrite as for a person), each text as Texts gives it.
// The copy keeps no link to the register.
void WriteCaseOrganisation(TSqlite3Query& Query, Integer CaseId, const CaseOrganisation& Organisation,
                           RegisterChoice Choice, Integer SelectedRegisterId, const CaseOrganisation& Copied,
                           const ClientTexts& Texts = {});

} // namespace app
