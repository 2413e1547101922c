#pragma once
// The statements of the case sheet: the case's header, history and clients, a new
// history event with its retention deadline, the closing of a case, and deleting an
// event or a client copy. Kept apart from the form so they run against a database in
// tests. Every text the user typed goes through SqlQuote; keys are numbers.
#include "platform/core/Types.h"

namespace app {

// The case's header row: number, name, dates and "aktív"/"lezárt".
String CaseHeaderSql(Integer CaseId);
// The case's history events in date order (entry order within a day), with the hint
// text behind each row.
String CaseHistorySql(Integer CaseId);
// The persons (tipus 1, " [JÜB]" behind an identified name, birth date "yyyy.mm.dd."
// as identifier) and organisations (tipus 2, document number as identifier) attached
// to the case.
String CaseClientsSql(Integer CaseId);

// What the user entered for a new history event.
struct CaseEventInput {
    Integer CaseId = 0;
    TDateTime Date = 0;
    String File;          // "Fájl:", empty for none
    String Text;          // "Esemény:"
    bool Keep = false;    // "Őrzendő"
    bool Archive = false; // "Archiválandó"
};

// An event is stored only when it has a file or a text.
bool HasEventContent(const CaseEventInput& Event);

// The retention deadline as it stands in the statement: the quoted date RetentionYears
// after the event's date when the event is kept and RetentionYears is above 0, else NULL.
String RetentionSql(const CaseEventInput& Event, Integer RetentionYears);

// INSERT of the event into ugyitem.
String CaseEventInsertSql(const CaseEventInput& Event, Integer RetentionYears);
// 1 when the database gave event EntryId, one with a file, its document number and its
// date of entry, else 0.
String EventDocumentNumberedSql(Integer EntryId);

// The history entry "Ügy lezárása" dated Today, without file.
String CaseClosingEntrySql(Integer CaseId, TDateTime Today);
// Marks the case closed (status 0); the database sets its end date.
String CaseCloseSql(Integer CaseId);
// 1 when case CaseId is closed (status 0), else 0.
String CaseClosedSql(Integer CaseId);
// The earlier of the database's two days now, "yyyy-mm-dd": its local one and its UTC one
// (date('now')). Offices' rules date a closing by either clock.
String EarliestTodaySql();
// 1 when case CaseId has an end date (neither NULL nor the '' older offices store), with From
// ("yyyy-mm-dd") not empty one on From or later, else 0.
String CaseEndDatedSql(Integer CaseId, const String& From);

// The case's person and organisation copies with every column, by name in Hungarian
// order, as the printed case sheet lists them.
String CasePersonCopiesSql(Integer CaseId);
String CaseOrganisationCopiesSql(Integer CaseId);

// Deletes one history event.
String DeleteHistoryEntrySql(Integer EntryId);
// Deletes the case's copy of a client: Kind 1 a person, 2 an organisation. Any other
// kind answers an empty text (nothing to delete); the register row always stays.
String DeleteCaseClientSql(Integer Kind, Integer CopyId);

} // namespace app
