#pragma once
// Saved export-settings files (".VGE"): an export's settings, columns, header and
// footer as "key=value" lines. The reader looks each key up wherever it stands,
// keeps a setting whose value is missing or unreadable, and rebuilds the
// columns and the header and footer lines from their numbered keys.
#include "platform/core/Types.h"

#include <vector>

class TVgExportToCellFile;

namespace vgespec {

// The lines of the saved settings named SpecName of Export, written by App.
std::vector<String> Write(const TVgExportToCellFile& Export, const String& App, const String& SpecName);

// Puts the settings of Lines into Export.
void Read(TVgExportToCellFile& Export, const std::vector<String>& Lines);

// One character as two hexadecimal digits per code page 1250 byte ("." is "2E");
// and back (text that is not hexadecimal gives "").
String HexText(const String& Text);
String FromHexText(const String& Hex);

} // namespace vgespec
