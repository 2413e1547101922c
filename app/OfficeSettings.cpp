#include "app/OfficeSettings.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

bool ReadInfoValue(TSqlite3Query& Query, const String& Key, String& Value)
{
    Query.Close();
    Query.SQL()->Clear();
    Query.SQL()->Add("SELECT ertek FROM info WHERE valtozo LIKE '" + Key + "'");
    Query.Open();
    if (Query.RecordCount() <= 0)
        return false;
    Value = Query.FieldByName("ertek")->AsString();
    return true;
}

void ReadOfficeSettings(TSqlite3Query& Query, OfficeSettings& Settings)
{
    String value;
    if (ReadInfoValue(Query, "dokumentum_orzesi_ido", value))
        Settings.DocRetentionYears = StrToInt(Trim(value));
    if (ReadInfoValue(Query, "jub_orzesi_ido", value))
        Settings.JubRetentionYears = StrToInt(Trim(value));
    if (ReadInfoValue(Query, "cim", value))
        Settings.OfficeAddress = value;
    if (ReadInfoValue(Query, "kamarai_azonosito", value))
        Settings.ChamberId = value;
}

}  // namespace app
