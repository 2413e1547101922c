#include "app/partners/PartnerStatements.h"

#include "app/common/ChangedValues.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"

#include <cmath>
#include <tuple>

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

String PartnerUpdateSql(const PartnerFields& Shown, const PartnerFields& F, Integer Id,
                        const TextSetValue& Value) {
    ChangedValues values;
    for (const auto& [column, shown, text] :
         {std::tuple<const char*, const String&, const String&>{"nev", Shown.Nev, F.Nev},
          {"kepviselo", Shown.Kepviselo, F.Kepviselo},
          {"cim", Shown.Cim, F.Cim},
          {"tel1", Shown.Tel1, F.Tel1},
          {"tel2", Shown.Tel2, F.Tel2},
          {"tel3", Shown.Tel3, F.Tel3},
          {"mobil1", Shown.Mobil1, F.Mobil1},
          {"mobil2", Shown.Mobil2, F.Mobil2},
          {"fax", Shown.Fax, F.Fax},
          {"email", Shown.Email, F.Email},
          {"web", Shown.Web, F.Web},
          {"megjegyzes", Shown.Megjegyzes, F.Megjegyzes}})
        values.Add(column, shown, text, Value(column, text));
    // Read only when typed: a discount the user left alone never stops the save.
    if (F.Kedvezmeny != Shown.Kedvezmeny) values.Add("kedvezmeny", true, DiscountSqlValue(F.Kedvezmeny));
    return values.UpdateSql("partner", Id);
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
