#include "app/common/CaseSheetStatements.h"

#include "app/common/SqlRoutines.h"
#include "app/common/StoredDate.h"
#include "platform/core/NumberFormat.h"

namespace app {

String CaseHeaderSql(Integer CaseId) {
    return "SELECT sorszam, leiras, datum, befejezve, nev,  ev, szam, CASE status  WHEN 1 THEN "
           "'aktív' ELSE 'lezárt' END AS statusz FROM ugy WHERE sorszam=" +
           IntToStr(CaseId);
}

// Plain ORDER BY nev would put "Ábel" after "Zoltán".
String CasePersonCopiesSql(Integer CaseId) {
    return "SELECT * FROM ugy_ugyfel_tsz  WHERE ugy=" + IntToStr(CaseId) +
           " ORDER BY nev COLLATE systemnocase ";
}

String CaseOrganisationCopiesSql(Integer CaseId) {
    return "SELECT * FROM ugy_ugyfel_szerv  WHERE ugy=" + IntToStr(CaseId) +
           " ORDER BY nev COLLATE systemnocase ";
}

String CaseHistorySql(Integer CaseId) {
    // In date order: the engine's own order follows whichever index it picks, which
    // put the entries without a file (the closing entry among them) first.
    return "SELECT sorszam, datum, ufile, megjegyzes,  case                when ufile not null "
           "               then megjegyzes||'\\n'||ufile                else megjegyzes       "
           "         end  AS hintstring  FROM ugyitem WHERE ugy=" +
           IntToStr(CaseId) + " ORDER BY datum, sorszam";
}

String CaseClientsSql(Integer CaseId) {
    const String id = IntToStr(CaseId);
    // The identifier column holds birth dates and document numbers alike, so the birth
    // date comes as display text: a date column would refuse the document numbers.
    return "SELECT sorszam, CASE WHEN jubok='true' THEN nev||' [JÜB]'             ELSE nev END "
           "AS nev , " +
           ListDateSql("szuletesi_ido") +
           " AS azonosito, 1 AS tipus, jubok "
           "FROM ugy_ugyfel_tsz WHERE ugy=" +
           id +
           " UNION SELECT sorszam, nev, azonosito_okirat_szama AS azonosito, 2 AS tipus, NULL AS "
           "jubok FROM ugy_ugyfel_szerv WHERE ugy=" +
           id;
}

bool HasEventContent(const CaseEventInput& Event) {
    return !Event.File.empty() || !Event.Text.empty();
}

String RetentionSql(const CaseEventInput& Event, Integer RetentionYears) {
    if (RetentionYears > 0 && Event.Keep)
        return "'" + DateToSqlText(AddYears(Event.Date, RetentionYears)) + "'";
    return "NULL";
}

String CaseEventInsertSql(const CaseEventInput& Event, Integer RetentionYears) {
    return "INSERT INTO ugyitem (ugy, datum, ufile, megjegyzes,orzendo,archivalando,"
           "orzesi_hatarido) VALUES (" +
           IntToStr(Event.CaseId) + ",'" + DateToSqlText(Event.Date) + "','" + SqlQuote(Event.File) + "','" +
           SqlQuote(Event.Text) + "'," + (Event.Keep ? "1" : "0") + "," + (Event.Archive ? "1" : "0") + "," +
           RetentionSql(Event, RetentionYears) + ")";
}

String EventDocumentNumberedSql(Integer EntryId) {
    return "SELECT count(*) FROM ugyitem WHERE dokszam IS NOT NULL AND bekerulesi_datum IS NOT NULL AND "
           "sorszam=" +
           IntToStr(EntryId);
}

String CaseClosingEntrySql(Integer CaseId, TDateTime Today) {
    return "INSERT INTO ugyitem (ugy, datum, ufile, megjegyzes) VALUES (" + IntToStr(CaseId) + ",'" +
           DateToSqlText(Today) + "','','Ügy lezárása')";
}

String CaseCloseSql(Integer CaseId) {
    return "UPDATE ugy SET status=0 WHERE sorszam=" + IntToStr(CaseId);
}

String CaseClosedSql(Integer CaseId) {
    return "SELECT count(*) FROM ugy WHERE status=0 AND sorszam=" + IntToStr(CaseId);
}

String EarliestTodaySql() {
    return "SELECT min(date('now'), date('now','localtime'))";
}

String CaseEndDatedSql(Integer CaseId, const String& From) {
    const String from = From.empty() ? String() : " AND befejezve>='" + From + "'";
    return "SELECT count(*) FROM ugy WHERE befejezve IS NOT NULL AND befejezve<>''" + from +
           " AND sorszam=" + IntToStr(CaseId);
}

String DeleteHistoryEntrySql(Integer EntryId) {
    return "DELETE FROM ugyitem WHERE sorszam=" + IntToStr(EntryId);
}

String DeleteCaseClientSql(Integer Kind, Integer CopyId) {
    if (Kind == 1) return "DELETE FROM ugy_ugyfel_tsz WHERE sorszam=" + IntToStr(CopyId);
    if (Kind == 2) return "DELETE FROM ugy_ugyfel_szerv WHERE sorszam=" + IntToStr(CopyId);
    return String();
}

} // namespace app
