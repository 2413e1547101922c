#include "app/common/OfficeSettings.h"

#include "app/common/ChangedValues.h"
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

namespace {

// A text an office's database holds here ("10 év") must not keep the office from starting:
// it is kept for the message and the refused saves, and its years stay as they were.
void ReadRetention(const String& Value, Integer& Years, std::optional<String>& Unreadable) {
    Integer years = 0;
    if (TryStrToInt(Trim(Value), years)) {
        Years = years;
        Unreadable.reset();
    } else {
        Unreadable = Value;
    }
}

// The settings dialog's name of the setting, the text the start could not read, and the
// saves that compute a deadline from it.
struct UnreadableRetention {
    const char* Name;
    const std::optional<String>& Text;
    const char* Blocks;
};

String ProblemText(const UnreadableRetention& Setting) {
    return "A „" + String(Setting.Name) + "” beállítás tárolt értéke („" + *Setting.Text +
           "”) nem egész szám.";
}

const char* const MendText = "Javítsa a Rendszer › Beállítások ablakban; a javított érték a program "
                             "következő indításától érvényes.";

UnreadableRetention Of(const OfficeSettings& Settings, Retention Which) {
    if (Which == Retention::Document)
        return {"Dokumentum őrzési idő", Settings.UnreadableDocRetention, "őrzendő esemény vagy dokumentum"};
    return {"JÜB őrzési idő", Settings.UnreadableJubRetention, "új JÜB lekérdezés"};
}

} // namespace

void ReadOfficeSettings(TSqlite3Query& Query, OfficeSettings& Settings) {
    String value;
    if (ReadInfoValue(Query, "dokumentum_orzesi_ido", value))
        ReadRetention(value, Settings.DocRetentionYears, Settings.UnreadableDocRetention);
    if (ReadInfoValue(Query, "jub_orzesi_ido", value))
        ReadRetention(value, Settings.JubRetentionYears, Settings.UnreadableJubRetention);
    if (ReadInfoValue(Query, "cim", value)) Settings.OfficeAddress = value;
    if (ReadInfoValue(Query, "kamarai_azonosito", value)) Settings.ChamberId = value;
}

String UnreadableSettingsNotice(const OfficeSettings& Settings) {
    String notice;
    for (Retention which : {Retention::Document, Retention::Jub})
        if (const UnreadableRetention setting = Of(Settings, which); setting.Text)
            notice += ProblemText(setting) +
                      "\nAmíg nincs javítva, a program nem rögzít olyan adatot, amelynek őrzési "
                      "határidejét ebből kellene kiszámítania (" +
                      setting.Blocks + ").\n";
    return notice.empty() ? notice : notice + MendText;
}

Integer DeadlineYears(const OfficeSettings& Settings, Retention Which) {
    const UnreadableRetention setting = Of(Settings, Which);
    if (setting.Text)
        throw EConvertError("Az őrzési határidő nem számítható ki, ezért semmi sem került rögzítésre.\n" +
                            ProblemText(setting) + "\n" + MendText);
    return Which == Retention::Document ? Settings.DocRetentionYears : Settings.JubRetentionYears;
}

void WriteOfficeSettings(TSqlite3Query& Query, const OfficeSettingsText& Shown,
                         const OfficeSettingsText& Settings) {
    const struct {
        const char* Key;
        const String& Shown;
        const String& Value;
        bool Years;
    } keys[] = {{"dokumentum_orzesi_ido", Shown.DocRetentionYears, Settings.DocRetentionYears, true},
                {"jub_orzesi_ido", Shown.JubRetentionYears, Settings.JubRetentionYears, true},
                {"cim", Shown.OfficeAddress, Settings.OfficeAddress, false},
                {"kamarai_azonosito", Shown.ChamberId, Settings.ChamberId, false}};
    ChangedValues changes;
    for (const auto& k : keys) {
        if (k.Years && k.Value != k.Shown && !IsDigitsOnly(k.Value))
            throw EConvertError(Format(SInvalidInteger, {k.Value}));
        // No value: the key loses its row.
        changes.Add(k.Key, k.Shown, k.Value, k.Years && k.Value.empty() ? String() : SqlLiteral(k.Value));
    }
    if (changes.Empty()) return;
    sqlite::Transaction transaction(*Query.Connection());
    for (const ChangedValue& change : changes.Changed()) {
        ExecDelete(Query, "DELETE FROM info WHERE valtozo LIKE '" + change.Name + "'");
        if (!change.Sql.empty())
            ExecInsert(Query,
                       "INSERT INTO info (valtozo,ertek) VALUES('" + change.Name + "'," + change.Sql + ")");
    }
    Query.Close();
    transaction.Commit();
}

} // namespace app
