#pragma once
// The office settings the main window reads once at start from the `info` table.
#include "platform/core/Types.h"

class TSqlite3Query;

namespace app {

struct OfficeSettings {
    Integer DocRetentionYears = 0;  // dokumentum_orzesi_ido
    Integer JubRetentionYears = 0;  // jub_orzesi_ido
    String OfficeAddress;           // cim
    String ChamberId;               // kamarai_azonosito
};

// The value of one `info` key through Query (Close, clear, add, Open); false when
// the key has no row. The first row found wins.
bool ReadInfoValue(TSqlite3Query& Query, const String& Key, String& Value);

// Reads the four settings in their fixed order into Settings, each as soon as it is
// read; a key without a row keeps its value. A retention period that is not a whole
// number raises EConvertError "'<trimmed text>' is not a valid integer value" and
// the settings after it are not read. Engine errors pass through.
void ReadOfficeSettings(TSqlite3Query& Query, OfficeSettings& Settings);

}  // namespace app
