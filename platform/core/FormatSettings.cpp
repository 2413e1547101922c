#include "platform/core/FormatSettings.h"

#include <utility>

TFormatSettings TFormatSettings::Hungarian() {
    TFormatSettings s;
    s.CurrencyString = "Ft";
    s.CurrencyFormat = 3; // "1 Ft"
    s.NegCurrFormat = 8;  // "-1 Ft"
    s.ThousandSeparator = " ";
    s.DecimalSeparator = ",";
    s.CurrencyDecimals = 2;
    s.DateSeparator = ".";
    s.TimeSeparator = ":";
    s.ListSeparator = ";";
    s.ShortDateFormat = "yyyy.MM.dd.";
    s.LongDateFormat = "yyyy. MMMM d.";
    s.TimeAMString = "de.";
    s.TimePMString = "du.";
    s.ShortTimeFormat = "H:mm";
    s.LongTimeFormat = "H:mm:ss";
    s.ShortMonthNames = {"jan.", "febr.", "márc.",  "ápr.", "máj.", "jún.",
                         "júl.", "aug.",  "szept.", "okt.", "nov.", "dec."};
    s.LongMonthNames = {"január", "február",   "március",    "április", "május",    "június",
                        "július", "augusztus", "szeptember", "október", "november", "december"};
    s.ShortDayNames = {"V", "H", "K", "Sze", "Cs", "P", "Szo"};
    s.LongDayNames = {"vasárnap", "hétfő", "kedd", "szerda", "csütörtök", "péntek", "szombat"};
    s.TwoDigitYearCenturyWindow = 50;
    return s;
}

TFormatSettings TFormatSettings::English() {
    TFormatSettings s;
    s.CurrencyString = "$";
    s.CurrencyFormat = 0; // "$1"
    s.NegCurrFormat = 0;  // "($1)"
    s.ThousandSeparator = ",";
    s.DecimalSeparator = ".";
    s.CurrencyDecimals = 2;
    s.DateSeparator = "/";
    s.TimeSeparator = ":";
    s.ListSeparator = ",";
    s.ShortDateFormat = "M/d/yyyy";
    s.LongDateFormat = "dddd, MMMM d, yyyy";
    s.TimeAMString = "AM";
    s.TimePMString = "PM";
    s.ShortTimeFormat = "h:mm AMPM";
    s.LongTimeFormat = "h:mm:ss AMPM";
    s.ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    s.LongMonthNames = {"January", "February", "March",     "April",   "May",      "June",
                        "July",    "August",   "September", "October", "November", "December"};
    s.ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    s.LongDayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    s.TwoDigitYearCenturyWindow = 50;
    return s;
}

TFormatSettings FormatSettings = TFormatSettings::Hungarian();

TFormatSettingsGuard::TFormatSettingsGuard() : FSaved(FormatSettings) {}

TFormatSettingsGuard::TFormatSettingsGuard(const TFormatSettings& replacement) : FSaved(FormatSettings) {
    FormatSettings = replacement;
}

TFormatSettingsGuard::~TFormatSettingsGuard() {
    // Moving never allocates, so restoring cannot throw.
    FormatSettings = std::move(FSaved);
}
