// Value formats, colour styles, mail settings and statistics of the export.
#include "export/VgEDataFormats.h"

#include "platform/core/FormatSettings.h"
#include "platform/core/StrUtils.h"

#include <array>

namespace {

// First letters of the short date format's parts, split at the date separator.
TVgEDateOrder OrderOf(const String& ShortDate, const String& Separator) {
    String letters;
    if (!Separator.empty()) {
        std::size_t start = 0;
        while (start <= ShortDate.size() && letters.size() < 3) {
            const std::size_t end = ShortDate.find(Separator, start);
            const String part = ShortDate.substr(start, end == String::npos ? String::npos : end - start);
            if (!part.empty())
                letters += static_cast<char>(std::toupper(static_cast<unsigned char>(part[0])));
            if (end == String::npos) break;
            start = end + Separator.size();
        }
    }
    if (letters == "DMY") return doDMY;
    if (letters == "DYM") return doDYM;
    if (letters == "MDY") return doMDY;
    if (letters == "MYD") return doMYD;
    if (letters == "YMD") return doYMD;
    if (letters == "YDM") return doYDM;
    return doMDY;
}

} // namespace

TVgEDataFormats::TVgEDataFormats() {
    LoadRegionalSettings();
}

void TVgEDataFormats::Assign(TPersistent* Source) {
    auto* formats = dynamic_cast<TVgEDataFormats*>(Source);
    if (formats == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FDateOrder = formats->FDateOrder;
    FDateSeparator = formats->FDateSeparator;
    FTimeSeparator = formats->FTimeSeparator;
    FFourDigitYear = formats->FFourDigitYear;
    FLeadingZerosInDate = formats->FLeadingZerosInDate;
    FThousandSeparator = formats->FThousandSeparator;
    FDecimalSeparator = formats->FDecimalSeparator;
    FCurrencyString = formats->FCurrencyString;
    FCustomDateTimeFormat = formats->FCustomDateTimeFormat;
    FBooleanTrue = formats->FBooleanTrue;
    FBooleanFalse = formats->FBooleanFalse;
    FUseRegionalSettings = formats->FUseRegionalSettings;
}

void TVgEDataFormats::LoadRegionalSettings() {
    FDateSeparator = FormatSettings.DateSeparator;
    FTimeSeparator = FormatSettings.TimeSeparator;
    FDateOrder = OrderOf(FormatSettings.ShortDateFormat, FDateSeparator);
    FDecimalSeparator = FormatSettings.DecimalSeparator;
    FThousandSeparator = FormatSettings.ThousandSeparator;
    FCurrencyString = FormatSettings.CurrencyString;
    const String pattern = UpperCase(FormatSettings.ShortDateFormat);
    FFourDigitYear = pattern.find("YYYY") != String::npos;
    FLeadingZerosInDate = pattern.find("DD") != String::npos;
    FCustomDateTimeFormat.clear();
}

String TVgEDataFormats::GetDateFormat() const {
    if (!FCustomDateTimeFormat.empty()) return FCustomDateTimeFormat;
    const String day = FLeadingZerosInDate ? "DD" : "D";
    const String month = FLeadingZerosInDate ? "MM" : "M";
    const String year = FFourDigitYear ? "YYYY" : (FLeadingZerosInDate ? "YY" : "Y");
    std::array<String, 3> parts;
    switch (FDateOrder) {
    case doMDY:
        parts = {month, day, year};
        break;
    case doDMY:
        parts = {day, month, year};
        break;
    case doYMD:
        parts = {year, month, day};
        break;
    case doYDM:
        parts = {year, day, month};
        break;
    case doDYM:
        parts = {day, year, month};
        break;
    case doMYD:
        parts = {month, year, day};
        break;
    }
    return parts[0] + FDateSeparator + parts[1] + FDateSeparator + parts[2];
}

String TVgEDataFormats::GetTimeFormat() const {
    return "HH" + FTimeSeparator + "NN" + FTimeSeparator + "SS";
}

void TVgExportStyle::Assign(TPersistent* Source) {
    auto* style = dynamic_cast<TVgExportStyle*>(Source);
    if (style == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FStyle = style->FStyle;
    FOddColor = style->FOddColor;
    FEvenColor = style->FEvenColor;
}

void TVgExportStyle::SetStyle(TVgEStyle Value) {
    if (Value == FStyle) return;
    struct Pair {
        TColor Odd, Even;
    };
    static constexpr std::array<Pair, 12> Pairs = {{
        {clWindow, clWindow},  // esNormal
        {cl3DLight, clWindow}, // esPriceList
        {0xFFFBF0, clWindow},  // esMSMoney
        {0xCFDFDF, 0xA0BFBF},  // esBrick
        {0xB8CCD8, 0x688CA0},  // esDesert
        {0xA8B090, 0x788058},  // esEggplant
        {0xD8A8B0, 0xB05058},  // esLilac
        {0xA8D8EB, 0x48A8C8},  // esMaple
        {0xB8C088, 0x889048},  // esMarine
        {0xB8B0D0, 0x7060A0},  // esRose
        {0xA8C8A0, 0x689858},  // esSpruce
        {0xA0E0E0, 0x40BCC0},  // esWheat
    }};
    FStyle = Value;
    FOddColor = Pairs[static_cast<std::size_t>(Value)].Odd;
    FEvenColor = Pairs[static_cast<std::size_t>(Value)].Even;
}

void TVgESendTo::Assign(TPersistent* Source) {
    auto* sendTo = dynamic_cast<TVgESendTo*>(Source);
    if (sendTo == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FEMailRecipient = sendTo->FEMailRecipient;
    FEMailCC = sendTo->FEMailCC;
    FEMailBCC = sendTo->FEMailBCC;
    FEMailSubject = sendTo->FEMailSubject;
    FEMailBody = sendTo->FEMailBody;
    FEMailOpenBeforeSend = sendTo->FEMailOpenBeforeSend;
}

void TVgEStatistic::Assign(TPersistent* Source) {
    auto* statistic = dynamic_cast<TVgEStatistic*>(Source);
    if (statistic == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FTotalCount = statistic->FTotalCount;
    FTotalErrors = statistic->FTotalErrors;
    FUpdateStep = statistic->FUpdateStep;
    FResult = statistic->FResult;
    FCurrentRow = statistic->FCurrentRow;
    FCurrentColumn = statistic->FCurrentColumn;
    FExportStage = statistic->FExportStage;
}
