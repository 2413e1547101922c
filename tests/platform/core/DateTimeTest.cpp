#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <utility>

namespace {

const TFormatSettings Hu = TFormatSettings::Hungarian();
const TFormatSettings En = TFormatSettings::English();

TDateTime At(Word y, Word m, Word d, Word h = 0, Word n = 0, Word s = 0, Word ms = 0) {
    return EncodeDate(y, m, d) + EncodeTime(h, n, s, ms);
}

TEST(DateEncoding, DaysCountFrom18991230) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2009, 12, 14), 40161.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), MinDateTime);
    EXPECT_EQ(EncodeDate(9999, 12, 31), std::floor(MaxDateTime));
    EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
}

TEST(DateEncoding, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
    EXPECT_EQ(MonthDays[1][2], 29);
    TDateTime d = 0;
    EXPECT_TRUE(TryEncodeDate(2024, 2, 29, d));
    EXPECT_FALSE(TryEncodeDate(2023, 2, 29, d));
}

TEST(DateEncoding, InvalidPartsRaise) {
    // Each row: a date that does not exist.
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeDate(2009, 2, 31); }), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeDate(2009, 0, 1); }), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeDate(0, 1, 1); }), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeDate(10000, 1, 1); }), "Invalid argument to date encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeTime(24, 0, 0, 0); }), "Invalid argument to time encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeTime(1, 60, 0, 0); }), "Invalid argument to time encode");
    EXPECT_EQ(ErrorOf<EConvertError>([] { EncodeTime(1, 0, 0, 1000); }), "Invalid argument to time encode");
}

TEST(DateDecoding, RoundTripAndMillisecondRounding) {
    Word y, m, d, h, n, s, ms;
    DecodeDate(At(2009, 12, 14, 10, 20, 30, 123), y, m, d);
    DecodeTime(At(2009, 12, 14, 10, 20, 30, 123), h, n, s, ms);
    EXPECT_EQ((std::array<Word, 7>{y, m, d, h, n, s, ms}),
              (std::array<Word, 7>{2009, 12, 14, 10, 20, 30, 123}));
    // A hair before midnight is midnight of the next day, in the date and the time alike.
    const TDateTime almost = EncodeDate(2009, 12, 31) + 0.9999999999;
    DecodeDate(almost, y, m, d);
    DecodeTime(almost, h, n, s, ms);
    EXPECT_EQ((std::array<Word, 5>{y, m, d, h, n}), (std::array<Word, 5>{2010, 1, 1, 0, 0}));
}

// Below 1899-12-30 the time counts forward from the day under the value, on the first day too;
// outside the first and last days everything decodes to zeros.
TEST(DateDecoding, NegativeValuesAndTheEdgeDaysKeepTheirTimes) {
    const TDateTime lastDay = std::floor(MaxDateTime);
    const std::pair<TDateTime, std::array<Word, 4>> rows[] = {
        {-1.25, {1899, 12, 29, 6}},           // the day before the base date
        {MinDateTime - 0.25, {1, 1, 1, 6}},   // a time on the first day lies below its value
        {MinDateTime, {1, 1, 1, 0}},          // the first day
        {lastDay + 0.75, {9999, 12, 31, 18}}, // the last day
        {MinDateTime - 1, {0, 0, 0, 0}},      // the day before the first
        {lastDay + 1, {0, 0, 0, 0}},          // the day after the last
        {1e9, {0, 0, 0, 0}},                  // far beyond
        {std::nan(""), {0, 0, 0, 0}},         // no value at all
    };
    for (const auto& [value, want] : rows) {
        Word y = 9, m = 9, d = 9, h = 9, n, s, ms;
        DecodeDate(value, y, m, d);
        DecodeTime(value, h, n, s, ms);
        EXPECT_EQ((std::array<Word, 4>{y, m, d, h}), want) << value;
    }
}

TEST(DateArithmetic, DayOfWeekAndIncMonth) {
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7); // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(2009, 12, 14)), 2); // Monday
    EXPECT_EQ(DayOfWeek(EncodeDate(2009, 12, 13)), 1); // Sunday
    EXPECT_EQ(IncMonth(EncodeDate(2009, 1, 31), 1), EncodeDate(2009, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2008, 1, 31), 1), EncodeDate(2008, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2009, 3, 15), -3), EncodeDate(2008, 12, 15));
    EXPECT_DOUBLE_EQ(IncMonth(At(2009, 3, 15, 12), 12), At(2010, 3, 15, 12));
}

TEST(DateArithmetic, NowDateAndTimeAgree) {
    const TDateTime before = Now();
    const TDateTime today = Date();
    const TDateTime time = Time();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GE(time, 0.0);
    EXPECT_LT(time, 1.0);
    EXPECT_LE(std::floor(before), today);
    EXPECT_GT(today, EncodeDate(2020, 1, 1));
}

TEST(DateFormatting, HungarianDefaults) {
    const TDateTime v = At(2009, 3, 5, 8, 7, 6, 45);
    EXPECT_EQ(DateToStr(v, Hu), "2009.03.05.");
    EXPECT_EQ(TimeToStr(v, Hu), "8:07:06");
    EXPECT_EQ(DateTimeToStr(v, Hu), "2009.03.05. 8:07:06");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2009, 3, 5), Hu), "2009.03.05."); // no midnight time
    EXPECT_EQ(FormatDateTime("dddddd", v, Hu), "2009. március 5.");
    EXPECT_EQ(FormatDateTime("dddd, mmm", v, Hu), "csütörtök, márc.");
    EXPECT_EQ(FormatDateTime("", v, Hu), "2009.03.05. 8:07:06");
}

TEST(DateFormatting, TokensUnderEnglishSettings) {
    const TDateTime v = At(2009, 3, 5, 14, 7, 6, 45);
    // Each row: format and the text it gives.
    const std::pair<const char*, const char*> rows[] = {
        {"d/m/yy", "5/3/09"},
        {"dd.mm.yyyy", "05.03.2009"},
        {"YYYY-MM-DD", "2009-03-05"},
        {"ddd mmmm", "Thu March"},
        {"ddddd", "3/5/2009"},
        {"hh:nn:ss.zzz", "14:07:06.045"},
        {"h:mm", "14:07"}, // m after h is minutes
        {"h:mm am/pm", "2:07 pm"},
        {"h:mm AM/PM", "2:07 PM"},
        {"h a/p", "2 p"},
        {"hh AMPM", "02 PM"},
        {"z", "45"},
        {"t", "2:07 PM"},
        {"tt", "2:07:06 PM"},
        {"c", "3/5/2009 2:07:06 PM"},
        {"'day' d \"of\" mmmm", "day 5 of March"},
        {"yyyy/mm/dd", "2009/03/05"}, // "/" is the date separator
    };
    for (const auto& [format, text] : rows) {
        SCOPED_TRACE(format);
        EXPECT_EQ(FormatDateTime(format, v, En), text);
    }
    EXPECT_EQ(FormatDateTime("h AMPM", At(2009, 3, 5, 0), En), "12 AM");
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd", v, Hu), "2009.03.05");
}

TEST(DateParsing, HungarianOrderAndTrailingSeparator) {
    EXPECT_EQ(StrToDate("2009.12.14.", Hu), EncodeDate(2009, 12, 14));
    EXPECT_EQ(StrToDate("2009.12.14", Hu), EncodeDate(2009, 12, 14));
    EXPECT_EQ(StrToDate(" 2009. 12. 14.", Hu), EncodeDate(2009, 12, 14));
    EXPECT_EQ(StrToDate("99.1.2", Hu), EncodeDate(1999, 1, 2)); // century window
    EXPECT_EQ(StrToDate("09.1.2", Hu), EncodeDate(2009, 1, 2));
    Word y, m, d, thisYear, cm, cd;
    DecodeDate(Date(), thisYear, cm, cd);
    DecodeDate(StrToDate("12.14", Hu), y, m, d); // no year: this year
    EXPECT_EQ(y, thisYear);
    EXPECT_EQ((std::array<Word, 2>{m, d}), (std::array<Word, 2>{12, 14}));
}

TEST(DateParsing, OtherOrdersFollowTheShortDateFormat) {
    EXPECT_EQ(StrToDate("12/14/2009", En), EncodeDate(2009, 12, 14));
    TFormatSettings de = En;
    de.ShortDateFormat = "dd-mm-yyyy";
    de.DateSeparator = "-";
    EXPECT_EQ(StrToDate("14-12-2009", de), EncodeDate(2009, 12, 14));
    TFormatSettings iso = de;
    iso.ShortDateFormat = "yyyy-mm-dd";
    EXPECT_EQ(StrToDate("2009-12-14", iso), EncodeDate(2009, 12, 14));
    // The day-first order rejects a year-first text.
    EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToDate("2009-12-14", de); }),
              "'2009-12-14' is not a valid date");
}

TEST(DateFormatting, SelfNamingSettingsFormatsDoNotLoop) {
    TFormatSettings odd = En;
    odd.ShortDateFormat = "c"; // names itself through "c"
    odd.LongTimeFormat = "tt";
    EXPECT_NO_THROW(FormatDateTime("c", At(2009, 3, 5, 1), odd));
    EXPECT_EQ(FormatDateTime("ddddd", At(2009, 3, 5), odd), "");
}

TEST(DateParsing, CenturyWindowZeroMeansThisCentury) {
    TFormatSettings s = Hu;
    s.TwoDigitYearCenturyWindow = 0;
    Word thisYear, m, d;
    DecodeDate(Date(), thisYear, m, d);
    Word y;
    DecodeDate(StrToDate("99.1.2", s), y, m, d);
    EXPECT_EQ(y, thisYear / 100 * 100 + 99);
    DecodeDate(StrToDate("0099.1.2", s), y, m, d); // four digits are taken as written
    EXPECT_EQ(y, 99);
}

TEST(DateParsing, BadDatesRaiseWithTheRuntimeMessage) {
    // Each row: text the Hungarian settings cannot read as a date.
    for (const char* bad :
         {"", "2009", "2009.13.01", "2009.02.30", "2009/12/14", "2009.12.14 x", "12345.1.1", "a.b.c"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToDate(bad, Hu); }),
                  String("'") + bad + "' is not a valid date");
    }
    EXPECT_EQ(StrToDateDef("x", -1, Hu), -1);
}

TEST(TimeParsing, SeparatorsFractionsAndMarkers) {
    EXPECT_DOUBLE_EQ(StrToTime("10:20", Hu), EncodeTime(10, 20, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("10:20:30", Hu), EncodeTime(10, 20, 30, 0));
    EXPECT_DOUBLE_EQ(StrToTime("10:20:30,5", Hu), EncodeTime(10, 20, 30, 500));
    EXPECT_DOUBLE_EQ(StrToTime("10:20:30.25", En), EncodeTime(10, 20, 30, 250));
    EXPECT_DOUBLE_EQ(StrToTime("2:07 PM", En), EncodeTime(14, 7, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("12:00 am", En), 0.0);
    EXPECT_DOUBLE_EQ(StrToTime("12:30 du.", Hu), EncodeTime(12, 30, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("de. 9:15", Hu), EncodeTime(9, 15, 0, 0));
}

TEST(TimeParsing, BadTimesRaiseWithTheRuntimeMessage) {
    for (const char* bad : {"", "24:00", "10:60", "13:00 PM", "0:30 AM", "10:20:30,1234", "x"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ErrorOf<EConvertError>([&] { StrToTime(bad, Hu); }),
                  String("'") + bad + "' is not a valid time");
    }
}

TEST(DateTimeParsing, DateWithOptionalTime) {
    EXPECT_DOUBLE_EQ(StrToDateTime("2009.12.14. 10:20:30", Hu), At(2009, 12, 14, 10, 20, 30));
    EXPECT_DOUBLE_EQ(StrToDateTime("2009.12.14.", Hu), At(2009, 12, 14));
    EXPECT_DOUBLE_EQ(StrToDateTime("12/14/2009 2:07 PM", En), At(2009, 12, 14, 14, 7));
    EXPECT_DOUBLE_EQ(StrToDateTime("10:20", Hu), EncodeTime(10, 20, 0, 0)); // time only
    EXPECT_EQ(ErrorOf<EConvertError>([] { StrToDateTime("2009.12.14. 25:00", Hu); }),
              "'2009.12.14. 25:00' is not a valid date and time");
    TDateTime v = 7;
    EXPECT_FALSE(TryStrToDateTime("tegnap", v, Hu));
    EXPECT_EQ(v, 7);
}

TEST(DateTimeRoundTrip, FormattedTextParsesBack) {
    // Every day of a leap year through the short date format, in both settings.
    for (TDateTime d = EncodeDate(2024, 1, 1); d <= EncodeDate(2024, 12, 31); d += 1) {
        ASSERT_EQ(StrToDate(DateToStr(d, Hu), Hu), d);
        ASSERT_EQ(StrToDate(DateToStr(d, En), En), d);
    }
    const TDateTime v = At(1999, 12, 31, 23, 59, 59);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(v, Hu), Hu), v);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(v, En), En), v);
}

TEST(DateSettings, ShortFormsReadTheProcessSettings) {
    TFormatSettingsGuard guard(En);
    EXPECT_EQ(DateToStr(EncodeDate(2009, 12, 14)), "12/14/2009");
    EXPECT_EQ(StrToDate("12/14/2009"), EncodeDate(2009, 12, 14));
}

} // namespace

// Formats whose dates read back as the same day, and one reason each for those that do not;
// the accepted ones are checked against the round trip itself.
TEST(DateParsing, ShortDateFormatsThatReadBack) {
    const struct {
        const char* Format;
        const char* Separator;
        bool ReadsBack;
    } cases[] = {
        {"yyyy.MM.dd.", ".", true}, {"M/d/yyyy", "/", true},    {"dd/MM/yyyy", "-", true},
        {"yy.MM.dd", ".", false},   {"yyyy.dd.MM", ".", false}, {"dd-MMM-yyyy", "-", false},
        {"yyyyMMdd", ".", false},   {"yyyy.MM.dd", "", false},  {"yyyy.MM.dd..", ".", false},
        {"yyyy-MM-dd", ".", false}, {"yyyy.MM.dd", "1", false}, {"'d' yyyy.MM.dd", ".", false},
    };
    for (const auto& c : cases) {
        TFormatSettings fs = TFormatSettings::Hungarian();
        fs.ShortDateFormat = c.Format;
        fs.DateSeparator = c.Separator;
        EXPECT_EQ(ShortDateReadsBack(fs), c.ReadsBack) << c.Format << " " << c.Separator;
        if (!c.ReadsBack) continue;
        for (const TDateTime day :
             {EncodeDate(1, 1, 1), EncodeDate(1899, 12, 1), 45000.0, EncodeDate(9999, 12, 31)}) {
            TDateTime back = 0;
            EXPECT_TRUE(TryStrToDate(FormatDateTime(fs.ShortDateFormat, day, fs), back, fs)) << c.Format;
            EXPECT_EQ(back, day) << c.Format;
        }
    }
}
