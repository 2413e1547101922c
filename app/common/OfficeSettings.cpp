#include "app/common/OfficeSettings.h"

#include "app/common/DigitBoxes.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/Transaction.h"

namespace app {

bool ReadInfoValue(TSqlite3Query& Query, const String& Key, String& Value) {
    Query.Close();
    // The whole value: the address prints on the identification sheet, and the settings
    // dialog writes back what it read.
    Query.SetWholeTexts(true);
    Query.SQL()->Clear();
    Query.SQL()->Add("SELECT ertek FROM info WHERE valtozo LIKE '" + Key + "'");
    Query.Open();
    if (Query.RecordCount() <= 0) return false;
    Value = Query.FieldByName("ertek")->AsString();
    return true;
}

void ReadOfficeSettings(TSqlite3Query& Query, OfficeSettings& Settings) {
    String value;
    if (ReadInfoValue(Query, "dokumentum_orzesi_ido", value))
        Settings.DocRetentionYears = StrToInt(Trim(value));
    if (ReadInfoValue(Query, "jub_orzesi_ido", value)) Settings.JubRetentionYears = StrToInt(Trim(value));
    if (ReadInfoValue(Query, "cim", value)) Settings.OfficeAddress = value;
    if (ReadInfoValue(Query, "kamarai_azonosito", value)) Settings.ChamberId = value;
}

void WriteOfficeSettings(TSqlite3Query& Query, const OfficeSettingsText& Settings) {
    for (const String* years : {&Settings.DocRetentionYears, &Settings.JubRetentionYears})
        if (!IsDigitsOnly(*years)) throw EConvertError(Format(SInvalidInteger, {*years}));
    const auto insert = [&](const char* key, const String& value) {
        ExecStatement(Query, "INSERT INTO info (valtozo,ertek) VALUES('" + String(key) + "','" +
                                 SqlQuote(value) + "')");
    };
    sqlite::Transaction transaction(*Query.Connection());
    for (const char* key : {"dokumentum_orzesi_ido", "jub_orzesi_ido", "cim", "kamarai_azonosito"})
        ExecStatement(Query, "DELETE FROM info WHERE valtozo LIKE '" + String(key) + "'");
    insert("cim", Settings.OfficeAddress);
    insert("kamarai_azonosito", Settings.ChamberId);
    if (!Settings.DocRetentionYears.empty()) insert("dokumentum_orzesi_ido", Settings.DocRetentionYears);
    if (!Settings.JubRetentionYears.empty()) insert("jub_orzesi_ido", Settings.JubRetentionYears);
    Query.Close();
    transaction.Commit();
}

} // namespace app
