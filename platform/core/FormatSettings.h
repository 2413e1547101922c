#pragma once
// Locale settings that drive every conversion between values and text.
// Separators are UTF-8 text of one character; an empty separator means "none".
#include "platform/core/Types.h"

#include <array>

struct TFormatSettings {
    String CurrencyString;
    Byte CurrencyFormat = 0; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    Byte NegCurrFormat = 0;  // 0..15, the runtime's negative currency layouts
    String ThousandSeparator;
    String DecimalSeparator;
    Byte CurrencyDecimals = 2;
    String DateSeparator;
    String TimeSeparator;
    String ListSeparator;
    String ShortDateFormat;
    String LongDateFormat;
    String TimeAMString;
    String TimePMString;
    String ShortTimeFormat;
    String LongTimeFormat;
    std::array<String, 12> ShortMonthNames; // [0] is January
    std::array<String, 12> LongMonthNames;
    std::array<String, 7> ShortDayNames; // [0] is Sunday
    std::array<String, 7> LongDayNames;
    Word TwoDigitYearCenturyWindow = 50;

    // The office's settings: Hungarian names, "yyyy.MM.dd.", decimal ",", thousands " ", "Ft".
    static TFormatSettings Hungarian();
    // Neutral English settings ("M/d/yyyy", decimal ".", thousands ",", "$"), handy for
    // code that must write or read text independent of the office's locale.
    static TFormatSettings English();

    bool operator==(const TFormatSettings&) const = default;
};

// The process-wide settings, Hungarian by default. Swap parts of it only through
// TFormatSettingsGuard so that the previous values come back on every path.
extern TFormatSettings FormatSettings;

// Saves the whole of FormatSettings on construction and restores it on destruction,
// also when an exception unwinds the scope.
class TFormatSettingsGuard {
public:
    TFormatSettingsGuard();
    // Saves, then puts `replacement` in force.
    explicit TFormatSettingsGuard(const TFormatSettings& replacement);
    ~TFormatSettingsGuard();
    TFormatSettingsGuard(const TFormatSettingsGuard&) = delete;
    TFormatSettingsGuard& operator=(const TFormatSettingsGuard&) = delete;

    const TFormatSettings& Saved() const { return FSaved; }

private:
    TFormatSettings FSaved;
};
