#pragma once
// The client identification queries ("JÜB"): the filtered list of the main window,
// what the new-query dialog reads when it opens (the register person, the case's next
// serial, the composed query number), storing a new query, and reading and changing
// one query's answer file and success flag. Every text the user typed goes through
// SqlQuote; keys are numbers.
#include "app/common/StoredText.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Types.h"

#include <optional>

class TSqlite3Query;

namespace app {

// Which queries the list shows by their success flag.
enum class JubAnswer {
    All,      // "Mind"
    Checked,  // "Ellenőrzött": jubok 'true'
    Unchecked // "Ellenőrizetlen": 'false' or NULL
};

// What the identification area's filter strip holds.
struct JubFilter {
    String Name;                   // "Név:", a fragment of the client's name
    Integer CaseId = 0;            // "Ügy:"; 0: every case
    std::optional<TDateTime> From; // none: the picker is unchecked
    std::optional<TDateTime> To;
    JubAnswer Answer = JubAnswer::All;
};

// The queries that pass Filter, by case year and number, then query number. A query
// whose person or case row is missing is not listed. The name fragment is matched with
// LIKE '%…%' after quote doubling ("%" and "_" keep their pattern meaning). A date range
// lists no undated query (DateRangeSql).
String JubListSql(const JubFilter& Filter);

// The register person behind a case's person copy: sorszam, nev, azonosito_okmany_szama.
String JubClientSql(Integer CaseClientRowId);
// The next serial of the case: one more than its largest, 1 for its first query.
String JubNextSerialSql(Integer CaseId);
// The case's ev and szam.
String JubCaseNumberSql(Integer CaseId);
// Chamber id, "_", the case number, "_", the year, "/", the serial: "K_15_2009/1".
String JubQueryNumber(const String& ChamberId, Integer Number, Integer Year, Integer Serial);
// The whole register row of the person, which the declaration reads.
String JubPersonSql(Integer ClientId);

// What the new-query dialog holds when it opens.
struct NewJub {
    Integer ClientId = 0; // 0: the copy is linked to no register person
    String Name;
    String CardNumber; // the register's identity document number
    Integer Serial = 0;
    String Number; // the composed query number
};

// Reads the person, the serial and the case number on Query for the person copy
// CaseClientRowId of case CaseId; Query is left closed.
NewJub ReadNewJub(TSqlite3Query& Query, Integer CaseId, Integer CaseClientRowId, const String& ChamberId);

// One query as the new-query dialog stores it.
struct JubInput {
    Integer ClientId = 0;
    Integer CaseId = 0;
    Integer Serial = 0;
    TDateTime Date = 0;
    String Number;     // adatigenyles_szama
    String File;       // valaszfile
    String CardNumber; // szigszam
    String PersonalId; // szemszam
    bool Succeeded = false;
};

inline constexpr const char* JubNoClientMessage =
    "Az ügyfél nem szerepel a természetes személyek nyilvántartásában, a lekérdezés nem rögzíthető!";
inline constexpr const char* JubNoIdentityMessage =
    "Kérem a személyi igazolvány számot, vagy a személyi azonosítót töltse ki!";

// Why Input cannot be stored (one of the messages above); empty when it can.
String JubInputProblem(const JubInput& Input);

// The INSERT of Input; its retention deadline is the query date RetentionYears later.
String JubInsertSql(const JubInput& Input, Integer RetentionYears);
// Marks query JubId successful.
String JubSucceededSql(Integer JubId);

// How many queries of case CaseId carry the serial Serial.
String JubSerialUsesSql(Integer CaseId, Integer Serial);
// Number with its serial (what follows its last "/") replaced by Serial.
String JubRenumbered(const String& Number, Integer Serial);

// Another workstation stored a query of the case under the serial the dialog showed, after
// the dialog read it: nothing was stored. Serial and Number are the case's next free ones.
class EJubSerialTaken : public EDatabaseError {
public:
    EJubSerialTaken(const String& TakenNumber, Integer Serial, String Number);
    Integer Serial;
    String Number;
};

// Stores Input on Query (the row, its key read back, the success flag) in one
// transaction and answers the new key; Query is left closed. Raises EConvertError
// with JubInputProblem's message, storing nothing, when Input cannot be stored, and
// EJubSerialTaken when a query of the case already holds Input's serial: the check runs
// inside the write, with the database locked for it, so two workstations never store one
// serial of a case. Raises RowGoneMessage (QueryRun.h) when the register person or the case
// is no longer there.
Integer StoreJub(TSqlite3Query& Query, const JubInput& Input, Integer RetentionYears);

// One query with its client's name, as the edit dialog shows it.
String JubSql(Integer JubId);
// What the edit dialog changed of query JubId: the answer file, as Value gives it, when it
// differs from ShownFile, the one the dialog showed; the success flag when Succeeded holds
// one. Empty when nothing changed.
String JubUpdateSql(Integer JubId, const String& ShownFile, const String& File, std::optional<bool> Succeeded,
                    const TextSetValue& Value = TextValueSql);
// Takes the identification mark off every case copy of the person of query JubId once no
// query of the person succeeds any more. The database's triggers do the same; databases
// made before them have triggers that mark copies in the query's own case only.
String JubMarksClearedSql(Integer JubId);
// Stores the edit dialog's change of query JubId (as JubUpdateSql) and, when it takes the
// success away, clears the marks that no success backs any more, in one transaction; Query is
// left closed. Nothing changed: nothing is written.
void StoreJubChange(TSqlite3Query& Query, Integer JubId, const String& ShownFile, const String& File,
                    std::optional<bool> Succeeded, const TextSetValue& Value = TextValueSql);

} // namespace app
