#pragma once
// Display formats of report values. A format is one 32-bit value: kind in bits 24 to 27
// (0 text, 1 number, 2 date, 3 time, 4 Boolean), index in bits 16 to 23 (a fixed format
// of the kind, 4 = the custom pattern FormatStr), decimals in bits 8 to 15 and the
// decimal separator's character code in bits 0 to 7.
#include "platform/core/Types.h"
#include "platform/core/Variant.h"

struct TFormatSettings;

inline constexpr Integer rpFormatKind(Integer Format) {
    return (Format >> 24) & 0x0F;
}
inline constexpr Integer rpFormatIndex(Integer Format) {
    return (Format >> 16) & 0xFF;
}
inline constexpr Integer rpFormatDecimals(Integer Format) {
    return (Format >> 8) & 0xFF;
}
inline constexpr Integer rpMakeFormat(Integer Kind, Integer Index, Integer Decimals, char Separator) {
    return (Kind << 24) | (Index << 16) | (Decimals << 8) | static_cast<unsigned char>(Separator);
}

// The value as display text: " " for an unassigned or null value; numbers with the
// format's decimal separator (the settings' own when the format holds none); an index
// outside the kind's table or an unknown kind gives ""; a value the format cannot convert
// gives FormatStr itself. Settings are the locale; nothing process-wide is changed.
String FormatValue(const Variant& V, Integer Format, const String& FormatStr,
                   const TFormatSettings& Settings);
// With the process-wide FormatSettings.
String FormatValue(const Variant& V, Integer Format, const String& FormatStr);

// Splits a memo expression with a format suffix ("[SUM] #N12,2", "[DATE] #Ddd.mm.yyyy"):
// when ParName holds " #", Expr is the text before it and Format and FormatStr are set
// from the text after it (number, date or Boolean formats; any other text keeps Format
// and becomes FormatStr). Without a suffix Expr is ParName and nothing else changes.
void rpParseFormatSuffix(const String& ParName, String& Expr, Integer& Format, String& FormatStr);

// The fixed pattern of a date (2), time (3) or Boolean (4) format index 0 to 3;
// index 4 gives FormatStr; anything else is empty.
String rpFormatPattern(Integer Kind, Integer Index, const String& FormatStr);
