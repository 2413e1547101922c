#pragma once
// The office settings the main window reads once at start from the `info` table.
#include "platform/core/Types.h"

#include <optional>

class TSqlite3Query;

namespace app {

struct OfficeSettings {
    Integer DocRetentionYears = 0; // dokumentum_orzesi_ido
    Integer JubRetentionYears = 0; // jub_orzesi_ido
    String OfficeAddress;          // cim
    String ChamberId;              // kamarai_azonosito
    // The stored text of a retention period that is no whole number ("10 év", as offices'
    // databases hold); its years stay 0. The start names it, and the saves that would
    // compute a deadline from it refuse.
    std::optional<String> UnreadableDocRetention;
    std::optional<String> UnreadableJubRetention;
};

// The two retention periods.
enum class Retention {
    Document, // dokumentum_orzesi_ido: kept case events and documents
    Jub       // jub_orzesi_ido: identification queries
};

// The value of one `info` key through Query (Close, clear, add, Open), whole however
// long it is stored (Query reads its texts whole from then on); false when the key has
// no row. The first row found wins.
bool ReadInfoValue(TSqlite3Query& Query, const String& Key, String& Value);

// The four settings as the settings dialog holds them, as text.
struct OfficeSettingsText {
    String OfficeAddress;     // cim
    String ChamberId;         // kamarai_azonosito
    String DocRetentionYears; // dokumentum_orzesi_ido, digits or empty
    String JubRetentionYears; // jub_orzesi_ido, digits or empty
};

// Writes, in one transaction, only the keys whose text in Settings differs from the text
// the settings dialog showed (Shown), each by deleting its row and inserting the new
// value: another workstation's change to any other key stays. The address and the chamber
// identifier are stored also when empty (quotes doubled); an emptied retention period
// only loses its row. A changed retention period that is not digits only raises
// EConvertError "'<text>' is not a valid integer value" before anything changes; one
// left as shown is not written, whatever it holds. Nothing changed: nothing is written.
// A key with a row that a rule of the database keeps from being deleted raises
// RowNotChangedMessage (QueryRun.h), also when an older table without its unique key holds it
// twice ("cim" and "CIM") and only one is kept: nothing is written. An engine error rolls
// everything back and passes through.
void WriteOfficeSettings(TSqlite3Query& Query, const OfficeSettingsText& Shown,
                         const OfficeSettingsText& Settings);

// Reads the four settings in their fixed order into Settings, each as soon as it is
// read; a key without a row keeps its value. A retention period whose trimmed text is
// not a whole number is kept as stored in its Unreadable member and the read goes on.
// Engine errors pass through, the settings after the failing one unread.
void ReadOfficeSettings(TSqlite3Query& Query, OfficeSettings& Settings);

// What the start tells the user about the retention periods it could not read: each
// setting with its stored text and the saves it blocks (the document period: kept events
// and documents; the JÜB period: new identification queries), then where to mend it; empty
// when there is none.
String UnreadableSettingsNotice(const OfficeSettings& Settings);

// The years of retention period Which, for a deadline about to be stored. Raises
// EConvertError naming the setting, its stored text and where to mend it when the start
// could not read it, so the save stores nothing instead of a wrong deadline.
Integer DeadlineYears(const OfficeSettings& Settings, Retention Which);

} // namespace app
