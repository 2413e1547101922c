#pragma once
// Turns the engine's text of one column into the typed value of a slot: numbers,
// flags, dates, times and date-times. The reader works on its own copies of the
// format settings, taken when it is made, so reading never touches the
// process-wide settings.
#include "platform/core/FormatSettings.h"
#include "platform/core/Types.h"
#include "platform/data/TFieldType.h"
#include "sqlite/RowImage.h"

namespace sqlite {

class EngineTextReader {
public:
    // sqliteDateFormat: dates are "yyyy-mm-dd" texts and date-times
    // "yyyy-mm-dd hh:nn:ss.zzz". Otherwise dates are read in tableDateFormat,
    // or in the locale's short date format when that is empty.
    EngineTextReader(bool sqliteDateFormat, const String& tableDateFormat);

    // Stores the value of text (UTF-8; null when the engine gave none) for a field
    // of type `type` into slot. Integer and float texts that are not numbers give
    // 0. A date or date-time text that no accepted form reads (see ReadDate) is
    // kept as it is in the slot's Bytes (an empty one leaves the slot null), so
    // one foreign row cannot keep a whole list from loading. Raises EConvertError
    // for a Boolean text that is not one.
    void Read(TFieldType type, const char* text, Slot& slot) const;

    // Whole integers keep all 64 bits; anything else gives 0.
    static Int64 ReadInteger(std::string_view text);
    // "." is the decimal point; anything that is not a number gives 0.
    double ReadFloat(std::string_view text) const;
    // "true"/"false" in any case or a whole number (non-zero is true); empty is
    // false. Raises EConvertError "'<text>' is not a valid boolean value".
    static bool ReadBoolean(std::string_view text);
    // An empty text reads as 1900-01-01 (SQLite or table date format). Tries the
    // date format in force, then "dd-mm-yyyy" and "yyyy-mm-dd" with "-"; raises
    // EConvertError "'<text>' is not a valid date" when none reads it.
    TDateTime ReadDate(std::string_view text) const;
    // The time of day after the first blank, without fractions; 0 when unreadable.
    TDateTime ReadTime(std::string_view text) const;
    TDateTime ReadDateTime(std::string_view text) const;

    // "yyyy-mm-dd[ hh:nn[:ss[.zzz]]]" by character positions; 0 for anything that
    // does not encode a valid date and time.
    static TDateTime ParseSqliteDateTime(std::string_view text);

private:
    // Reads text with settings, then with the two fallback forms.
    static TDateTime DateWithFallbacks(const String& text, const TFormatSettings& settings);

    bool FSQLiteDateFormat;
    // The settings a date is read with first.
    TFormatSettings FDateSettings;
    // Locale settings with "." as decimal separator, for numbers.
    TFormatSettings FNumberSettings;
    // Locale settings for times and locale date-times.
    TFormatSettings FLocaleSettings;
    bool FUseFixedDateEmpty;
};

} // namespace sqlite
