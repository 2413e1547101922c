#pragma once
// The report engine's numbered texts of the template model: messages, the
// error caption and the band type names.
#include "platform/core/Types.h"

constexpr Integer rpsError = 55206;             // "Error"
constexpr Integer rpsUnsupportedFormat = 55345; // "Unsupported RPF format"
constexpr Integer rpsDefaultCharset = 55337;    // "0"
constexpr Integer rpsFirstBandName = 55077;     // "Report title" … 55098 "None"

// The text of one engine string; registers the engine's block on first use,
// so the texts exist whether or not the engine was started.
String rpLoadStr(Integer Id);
