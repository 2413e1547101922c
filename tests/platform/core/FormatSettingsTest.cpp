#include "platform/core/FormatSettings.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(FormatSettingsDefaults, ProcessStartsHungarian) {
    EXPECT_EQ(FormatSettings, TFormatSettings::Hungarian());
    EXPECT_EQ(FormatSettings.ShortDateFormat, "yyyy.MM.dd.");
    EXPECT_EQ(FormatSettings.DateSeparator, ".");
    EXPECT_EQ(FormatSettings.DecimalSeparator, ",");
    EXPECT_EQ(FormatSettings.ThousandSeparator, " ");
    EXPECT_EQ(FormatSettings.CurrencyString, "Ft");
    EXPECT_EQ(FormatSettings.LongMonthNames[0], "január");
    EXPECT_EQ(FormatSettings.LongDayNames[1], "hétfő");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 0), "-1 235 Ft");
    EXPECT_EQ(DateToStr(EncodeDate(2009, 12, 14)), "2009.12.14.");
}

TEST(FormatSettingsGuard, RestoresWhatItSwappedAtScopeEnd) {
    {
        TFormatSettingsGuard guard;
        FormatSettings.DecimalSeparator = ".";
        FormatSettings.CurrencyString = "EUR";
        EXPECT_EQ(FloatToStr(1.5), "1.5");
        EXPECT_EQ(guard.Saved().DecimalSeparator, ",");
    }
    EXPECT_EQ(FormatSettings, TFormatSettings::Hungarian());
}

TEST(FormatSettingsGuard, RestoresWhenAnExceptionLeavesTheScope) {
    EXPECT_EQ(ErrorOf<EConvertError>([&] {
                  TFormatSettingsGuard guard(TFormatSettings::English());
                  EXPECT_EQ(DateToStr(EncodeDate(2009, 12, 14)), "12/14/2009");
                  StrToDate("2009.12.14."); // not a US date: raises inside the swapped scope
              }),
              "'2009.12.14.' is not a valid date");
    EXPECT_EQ(FormatSettings, TFormatSettings::Hungarian());
}

TEST(FormatSettingsGuard, NestedGuardsUnwindInOrder) {
    {
        TFormatSettingsGuard outer;
        FormatSettings.DecimalSeparator = ".";
        {
            TFormatSettingsGuard inner;
            FormatSettings.DecimalSeparator = "!";
        }
        EXPECT_EQ(FormatSettings.DecimalSeparator, ".");
    }
    EXPECT_EQ(FormatSettings.DecimalSeparator, ",");
}

TEST(FormatSettingsLocalCopy, ExplicitSettingsLeaveTheGlobalAlone) {
    TFormatSettings local = FormatSettings;
    local.DecimalSeparator = ".";
    local.ShortDateFormat = "dd/mm/yyyy";
    local.DateSeparator = "-";
    EXPECT_EQ(FloatToStr(2.5, local), "2.5");
    EXPECT_EQ(DateToStr(EncodeDate(2009, 12, 14), local), "14-12-2009");
    EXPECT_EQ(StrToDate("14-12-2009", local), EncodeDate(2009, 12, 14));
    EXPECT_EQ(FormatSettings, TFormatSettings::Hungarian());
}

TEST(FormatSettingsLocalCopy, NoBreakSpaceThousandSeparator) {
    TFormatSettings local = TFormatSettings::Hungarian();
    local.ThousandSeparator = "\u00a0"; // what a spreadsheet export puts in place
    EXPECT_EQ(FloatToStrF(1234567.0, ffNumber, 15, 0, local), "1\u00a0234\u00a0567");
    EXPECT_EQ(FormatFloat("#,##0", 1234.0, local), "1\u00a0234");
}

} // namespace
