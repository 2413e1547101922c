#include "app/cases/CaseStatements.h"

#include "app/common/DigitBoxes.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/StrUtils.h"

namespace app {

namespace {

String Direction(bool Descending) {
    return Descending ? " DESC" : " ASC";
}

String OrderBy(bool ByName, bool Descending) {
    const String d = Direction(Descending);
    if (ByName) return " ORDER BY nev COLLATE systemnocase " + d;
    return " ORDER BY ev " + d + ", szam " + d;
}

} // namespace

String CaseListSql(const CaseListOptions& Options) {
    String sql = "SELECT sorszam, ev, szam, nev,ev||'/'||szam AS ugyszam,CASE status  WHEN 1 THEN "
                 "'aktív' ELSE 'lezárt' END AS statusz FROM ugy ";
    if (Options.ActiveOnly) sql += " WHERE status=1 ";
    sql += OrderBy(Options.ByName, Options.Descending);
    return sql;
}

String CaseSearchSql(const CaseSearchCriteria& c) {
    String sql = "SELECT sorszam, nev, ev, szam, leiras,ev||'/'||szam AS ugyszam,  CASE status  WHEN 1 "
                 "THEN 'aktív' ELSE 'lezárt' END AS statusz  FROM ugy WHERE 1 ";
    if (Length(c.YearFrom) >= 4) sql += " AND ev >=" + CheckedDigits(c.YearFrom) + " ";
    if (Length(c.YearTo) >= 4) sql += " AND ev <=" + CheckedDigits(c.YearTo) + " ";
    if (!c.NumberFrom.empty()) sql += " AND szam >=" + CheckedDigits(c.NumberFrom) + " ";
    if (!c.NumberTo.empty()) sql += " AND szam <=" + CheckedDigits(c.NumberTo) + " ";
    if (!c.Text.empty()) {
        const String t = SqlQuote(c.Text);
        sql += "AND (1=0 ";
        if (c.InName) sql += "OR nev LIKE '%" + t + "%' ";
        if (c.InDescription) sql += "OR leiras LIKE '%" + t + "%' ";
        if (c.InClients) {
            sql += "OR sorszam IN (SELECT ugy FROM ugy_ugyfel_tsz WHERE nev LIKE '%" + t + "%') ";
            sql += "OR sorszam IN (SELECT ugy FROM ugy_ugyfel_szerv WHERE nev LIKE '%" + t + "%') ";
        }
        if (c.InHistory)
            sql += "OR sorszam IN (SELECT ugy FROM ugyitem WHERE megjegyzes LIKE '%" + t + "%') ";
        sql += ")";
    }
    if (c.ActiveOnly) sql += " AND status=1";
    sql += OrderBy(c.ByName, c.Descending);
    return sql;
}

} // namespace app
