#pragma once
// The numbered English texts every message and caption of the export takes.
// A component's GetLanguageString lets OnGetLanguageString replace them.
#include "platform/core/Types.h"

// Ids the export run uses.
constexpr Integer vgeNotSpecified = 0;    // "Property %s is not specified."
constexpr Integer vgeUnsupportedGrid = 1; // "Assigned DBGrid (%s) is not a supported type"
constexpr Integer vgeFileGenerated = 2;   // "The %s file was successfully generated with exported data."
constexpr Integer vgeExportError = 3;     // "Error of data export."
constexpr Integer vgeExportCompleted = 4; // "Data export was successfully completed."
constexpr Integer vgeExporting = 8;       // "Exporting..."
constexpr Integer vgeNoProcessDialog = 9; // "Can't create a process dialog"
constexpr Integer vgeCancelButton = 12;   // "&Cancel"
constexpr Integer vgeCanceledByUser = 16; // "Data export was canceled by user."

// The table's text of Id (0..145); empty for 49 and for any other Id.
String VgELanguageText(Integer Id);
