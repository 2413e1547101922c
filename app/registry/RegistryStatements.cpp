#include "app/registry/RegistryStatements.h"

#include "app/common/DigitBoxes.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "sqlite/Transaction.h"

namespace app {

namespace {

String Base(RegistryBook Book) {
    return "SELECT i.sorszam, i.iktev||'/'||i.iktszam AS iktatoszam, i.datum, p.nev AS pnev, "
           "m.nev AS ihnev, i.referencia, i.targy, i.megjegyzes, u.nev AS unev, i.partnercim, "
           "im.nev AS modnev FROM " +
           RegistryTable(Book) +
           " i, ikt_partner p LEFT OUTER JOIN ikt_mt m ON (m.sorszam=i.localmt) "
           "LEFT OUTER JOIN ugy u ON (u.sorszam=i.ugy) "
           "LEFT OUTER JOIN ikt_mod im ON (im.sorszam=i.iktmod) WHERE p.sorszam=i.partner ";
}

String Reference(const std::optional<Integer>& Id) {
    return Id ? IntToStr(*Id) : String("NULL");
}

String OrderBy(RegistrySort Sort, bool Descending) {
    const String d = Descending ? " DESC" : " ASC";
    switch (Sort) {
    case RegistrySort::ByPartner:
        return " ORDER BY pnev COLLATE systemnocase " + d + ", i.sorszam " + d;
    case RegistrySort::BySubject:
        return " ORDER BY i.targy COLLATE systemnocase " + d + ", i.sorszam " + d;
    case RegistrySort::ByCase:
        return " ORDER BY unev COLLATE systemnocase " + d + ", i.sorszam " + d;
    case RegistrySort::ByNumber:
        break;
    }
    return " ORDER BY i.sorszam " + d;
}

} // namespace

String RegistryTable(RegistryBook Book) {
    return Book == RegistryBook::Incoming ? "ikt_be" : "ikt_ki";
}

String RegistryDefaultListSql(RegistryBook Book) {
    return Base(Book) + "AND storno=0 ORDER BY i.sorszam DESC";
}

String RegistryFilterSql(RegistryBook Book, const RegistryFilter& F) {
    String sql = Base(Book);
    if (!F.ShowCancelled) sql += " AND storno=0";
    if (F.PartnerId) sql += " AND i.partner=" + IntToStr(*F.PartnerId);
    if (F.CaseId) sql += " AND i.ugy=" + IntToStr(*F.CaseId);
    if (!F.YearFrom.empty()) sql += " AND i.iktev>=" + CheckedDigits(F.YearFrom);
    if (!F.YearTo.empty()) sql += " AND i.iktev<=" + CheckedDigits(F.YearTo);
    if (!F.NumberFrom.empty()) sql += " AND i.iktszam>=" + CheckedDigits(F.NumberFrom);
    if (!F.NumberTo.empty()) sql += " AND i.iktszam<=" + CheckedDigits(F.NumberTo);
    if (!F.Text.empty()) {
        const String t = SqlQuote(F.Text);
        sql += " AND (1=0 ";
        if (F.InSubject) sql += " OR i.targy LIKE '%" + t + "%' COLLATE BINARY ";
        if (F.InNote) sql += " OR i.megjegyzes LIKE '%" + t + "%' ";
        if (F.InReference) sql += " OR i.referencia LIKE '%" + t + "%' ";
        sql += ") ";
    }
    return sql + OrderBy(F.Sort, F.Descending);
}

String RegistryCancelSql(RegistryBook Book, Integer Id) {
    return "UPDATE " + RegistryTable(Book) + " SET storno=1 WHERE sorszam=" + IntToStr(Id);
}

String RegistryInsertSql(RegistryBook Book, const RegistryEntry& E) {
    if (E.PartnerId <= 0) throw EConvertError("A feladó mező kötelezően kitöltendő!");
    return "INSERT INTO " + RegistryTable(Book) +
           " (partner,partnercim,targy, datum, iktmod, localmt, ugy, megjegyzes, referencia) "
           "VALUES (" +
           IntToStr(E.PartnerId) + ",'" + SqlQuote(E.Address) + "','" + SqlQuote(E.Subject) + "','" +
           DateToSqlText(E.Date) + "'," + Reference(E.ModeId) + "," + Reference(E.LocationId) + "," +
           Reference(E.CaseId) + ",'" + SqlQuote(E.Note) + "','" + SqlQuote(E.Reference) + "')";
}

String RegistryNumberedSql(RegistryBook Book, Integer Id) {
    return "SELECT count(*) FROM " + RegistryTable(Book) +
           " WHERE iktev IS NOT NULL AND iktszam IS NOT NULL AND sorszam=" + IntToStr(Id);
}

Integer WriteRegistryEntry(TSqlite3Query& Query, RegistryBook Book, const RegistryEntry& Entry) {
    const String insert = RegistryInsertSql(Book, Entry);
    sqlite::Transaction transaction(ConnectionOf(Query));
    // The lists show an item only with its partner; the mode, location and case stand as the
    // dialog offered them.
    RequireRow(Query, "ikt_partner", Entry.PartnerId);
    if (Entry.ModeId) RequireRow(Query, "ikt_mod", *Entry.ModeId, "aktiv=1", RowInactiveMessage);
    if (Entry.LocationId) RequireRow(Query, "ikt_mt", *Entry.LocationId, "aktiv=1", RowInactiveMessage);
    if (Entry.CaseId) RequireRow(Query, "ugy", *Entry.CaseId, "status=1", RowInactiveMessage);
    const Integer id = InsertForKey(Query, insert);
    // The year and number are what the lists, the filters and the letters quote.
    RequireGiven(Query, RegistryNumberedSql(Book, id), RegistryNotNumberedMessage);
    transaction.Commit();
    return id;
}

String RegistryPartnersSql() {
    return "SELECT sorszam, nev, cim FROM ikt_partner ORDER BY nev COLLATE systemnocase";
}

String ActiveModesSql() {
    return "SELECT sorszam, nev FROM ikt_mod WHERE aktiv=1 ORDER BY nev COLLATE systemnocase";
}

String ActiveLocationsSql() {
    return "SELECT sorszam, nev FROM ikt_mt WHERE aktiv=1 ORDER BY nev COLLATE systemnocase";
}

String LocationInsertSql(const String& Name) {
    return "INSERT INTO ikt_mt (aktiv,nev) VALUES(1,'" + SqlQuote(Name) + "')";
}

String ModeInsertSql(const String& Name) {
    return "INSERT INTO ikt_mod (aktiv,nev) VALUES(1,'" + SqlQuote(Name) + "')";
}

String RegistryPartnerInsertSql(const String& Name, const String& Address) {
    return "INSERT INTO ikt_partner (nev,cim) VALUES('" + SqlQuote(Name) + "','" + SqlQuote(Address) + "')";
}

Integer WriteRegistryPartner(TSqlite3Query& Query, const String& Name, const String& Address) {
    return InsertForKey(Query, RegistryPartnerInsertSql(Name, Address));
}

} // namespace app
