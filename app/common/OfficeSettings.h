#pragma once
// The office settings the main window reads once at start from the `info` table.
#include "platform/core/Types.h"

class TSqlite3Query;

namespace app {

struct OfficeSettings {
    Integer DocRetentionYears = 0; // dokumentum_orzesi_ido
    Integer JubRetentionYears = 0; // jub_orzesi_ido
    String OfficeAddress;          // cim
    String ChamberId;              // kamarai_azonosito
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

// Replaces the four keys in one transaction: each key's row is deleted; the address
// and the chamber identifier are stored (also when empty, quotes doubled), a retention
// period only when it is not empty. A retention period that is not digits only raises
// EConvertError "'<text>' is not a valid integer value" before anything changes; an
// engine error rolls everything back and passes through.
void WriteOfficeSettings(TSqlite3Query& Query, const OfficeSettingsText& Settings);

// Reads the four settings in their fixed order into Settings, each as soon as it is
// read; a key without a row keeps its value. A retention period that is not a whole
// number raises EConvertError "'<trimmed text>' is not a valid integer value" and
// the settings after it are not read. Engine errors pass through.
void ReadOfficeSettings(TSqlite3Query& Query, OfficeSettings& Settings);

} // namespace app
