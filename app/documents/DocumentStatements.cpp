#include "app/documents/DocumentStatements.h"

#include "app/common/SqlRoutines.h"
#include "platform/core/NumberFormat.h"

namespace app {

String DocumentListSql(const DocumentFilter& f) {
    String sql = "SELECT   ugyitem.sorszam,   ugy.nev AS ugynev,   ugyitem.datum,   ugy.ev,   "
                 "ugy.ev||'/'||ugy.szam AS ugyszam,   ugyitem.dokszam,   ugyitem.orzendo,   "
                 "ugyitem.archivalando,   ugyitem.ufile,   ugyitem.checksum_type,   "
                 "ugyitem.checksum_value,   ugyitem.bekerulesi_datum,   ugyitem.orzesi_hatarido, CASE "
                 "WHEN (ugyitem.orzendo=1) THEN 'őrzendő'      ELSE NULL END AS orzendotext, CASE WHEN "
                 "(ugyitem.archivalando=1) THEN 'archiválandó'      ELSE NULL END AS archivalandotext "
                 "FROM   ugyitem LEFT OUTER JOIN   ugy ON ugyitem.ugy = ugy.sorszam WHERE   "
                 "length(ugyitem.ufile) > 0 ";
    if (f.CaseId > 0) sql += " AND ugy.sorszam=" + IntToStr(f.CaseId);
    const String column = f.ByDeadline ? "ugyitem.orzesi_hatarido" : "ugyitem.datum";
    sql += DateRangeSql(column, f.From, f.To);
    if (f.KeepOnly) sql += " AND orzendo=1";
    if (f.ArchiveOnly) sql += " AND archivalando=1";
    return sql + " ORDER BY ugyszam, dokszam";
}

String DocumentSql(Integer ItemId) {
    return "SELECT   ugyitem.sorszam,  ugyitem.datum,  ugyitem.ufile,  ugyitem.megjegyzes,  "
           "ugy.nev AS ugynev,  ugyitem.bekerulesi_datum,  ugyitem.orzesi_hatarido,  "
           "ugyitem.orzendo,  ugyitem.archivalando,  CAST(ugy.ev AS text)||'/'||CAST(ugy.szam AS "
           "text)||'/'||CAST(ugyitem.dokszam AS text) AS dokuszam FROM   ugyitem LEFT OUTER JOIN "
           "  ugy ON ugyitem.ugy = ugy.sorszam WHERE ugyitem.sorszam=" +
           IntToStr(ItemId);
}

String RetentionSettingSql() {
    return "SELECT ertek FROM info WHERE valtozo LIKE 'dokumentum_orzesi_ido'";
}

} // namespace app
