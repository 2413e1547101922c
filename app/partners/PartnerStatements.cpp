#include "app/partners/PartnerStatements.h"

#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"

#include <cmath>

namespace app {

namespace {

// The columns both lists show, with the numbers joined so that a missing part leaves
// neither a gap nor a blank text.
const char* const ListColumns =
    "SELECT sorszam, nev, "
    "SUBSTR(COALESCE('  '||NULLIF(tel1,''),'')||COALESCE('  '||NULLIF(tel2,''),'')"
    "||COALESCE('  '||NULLIF(tel3,''),''),3) AS tel, "
    "SUBSTR(COALESCE('  '||NULLIF(mobil1,''),'')||COALESCE('  '||NULLIF(mobil2,''),''),3) "
    "AS mobil, fax, cim, email, kedvezmeny, kepviselo, megjegyzes, web, "
    "SUBSTR(nev,1,1) AS kb, 2 AS flag FROM partner ";

const char* const ListOrder = " ORDER BY nev COLLATE systemnocase, kepviselo COLLATE systemnocase";

} // namespace

String PartnerListSql() {
    return String(ListColumns) + ListOrder;
}

String PartnerSearchSql(const String& Text) {
    const String t = SqlQuote(Text);
    return String(ListColumns) + "WHERE nev LIKE '%" + t + "%' COLLATE systemnocase OR kepviselo LIKE '" + t +
           "%' COLLATE systemnocase OR megjegyzes LIKE '" + t + "%' COLLATE systemnocase " + ListOrder;
}

String PartnerSelectSql(Integer Id) {
    return "SELECT nev, tel1, tel2, tel3, mobil1, mobil2, fax, cim, email, kedvezmeny, "
           "kepviselo, megjegyzes, web FROM partner WHERE sorszam=" +
           IntToStr(Id);
}

String PartnerDeleteSql(Integer Id) {
    return "DELETE FROM partner WHERE sorszam=" + IntToStr(Id);
}

String DiscountSqlValue(const String& Text) {
    const String trimmed = Trim(Text);
    if (trimmed.empty()) return "NULL";
    // Office users type "12,5" as often as "12.5"; both mean the same discount.
    TFormatSettings point = TFormatSettings::English();
    point.ThousandSeparator.clear();
    double value = 0;
    if (!TryStrToFloat(StringReplace(trimmed, ",", ".", rfReplaceAll), value, point) || !std::isfinite(value))
        throw EConvertError("A kedvezmény mezőbe számot kell írni!");
    return FloatToStr(value, point);
}

String PartnerUpdateSql(const PartnerFields& F, Integer Id, const TextSetValue& Value) {
    const String discount = DiscountSqlValue(F.Kedvezmeny);
    String sets;
    for (const auto& [column, text] : {std::pair<const char*, const String&>{"nev", F.Nev},
                                       {"kepviselo", F.Kepviselo},
                                       {"cim", F.Cim},
                                       {"tel1", F.Tel1},
                                       {"tel2", F.Tel2},
                                       {"tel3", F.Tel3},
                                       {"mobil1", F.Mobil1},
                                       {"mobil2", F.Mobil2},
                                       {"fax", F.Fax},
                                       {"email", F.Email},
                                       {"web", F.Web},
                                       {"megjegyzes", F.Megjegyzes}})
        sets += String(column) + "=" + Value(column, text) + ", ";
    return "UPDATE partner SET " + sets + "kedvezmeny=" + discount + " WHERE sorszam=" + IntToStr(Id);
}

String PartnerInsertSql(const PartnerFields& F) {
    const String discount = DiscountSqlValue(F.Kedvezmeny);
    String values;
    for (const String* text : {&F.Nev, &F.Kepviselo, &F.Cim, &F.Tel1, &F.Tel2, &F.Tel3, &F.Mobil1, &F.Mobil2,
                               &F.Fax, &F.Email, &F.Web})
        values += SqlLiteral(*text) + ",";
    return "INSERT INTO partner(nev, kepviselo, cim, tel1, tel2, tel3, mobil1, mobil2, fax, "
           "email, web, kedvezmeny, megjegyzes) VALUES (" +
           values + discount + "," + SqlLiteral(F.Megjegyzes) + ")";
}

} // namespace app
