#include "report/script/detail/FormatValue.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"

#include <optional>
#include <string_view>

namespace {

const char* const kDateFormats[] = {"mm.dd.yy", "mm.dd.yyyy", "d mmm yyyy", "d mmmm yyyy"};
const char* const kTimeFormats[] = {"hh:nn:ss", "h:nn:ss", "hh:nn", "h:nn"};
const char* const kBooleanFormats[] = {"0;1", "No;Yes", "_;x", "False;True"};

String Pattern(const char* const* Table, Integer Index, const String& FormatStr) {
    if (Index == 4) return FormatStr;
    return Index >= 0 && Index < 4 ? Table[Index] : String();
}

String FormatNumber(double v, Integer Format, const String& FormatStr, const TFormatSettings& Settings) {
    const Integer decimals = rpFormatDecimals(Format);
    switch (rpFormatIndex(Format)) {
    case 0:
        return FormatFloat("###.##", v, Settings);
    case 1:
        return FloatToStrF(v, ffFixed, 15, decimals, Settings);
    case 2:
        return FormatFloat("#,###.##", v, Settings);
    case 3:
        return FloatToStrF(v, ffNumber, 15, decimals, Settings);
    case 4:
        return FormatFloat(FormatStr, v, Settings);
    default:
        return String();
    }
}

} // namespace

String rpFormatPattern(Integer Kind, Integer Index, const String& FormatStr) {
    if (Kind == 2) return Pattern(kDateFormats, Index, FormatStr);
    if (Kind == 3) return Pattern(kTimeFormats, Index, FormatStr);
    if (Kind == 4) return Pattern(kBooleanFormats, Index, FormatStr);
    return String();
}

String FormatValue(const Variant& V, Integer Format, const String& FormatStr,
                   const TFormatSettings& Settings) {
    if (V.IsEmpty() || V.IsNull()) return " ";
    // The format's separator applies to this conversion only. The settings are
    // copied only when it differs from theirs: a copy is dozens of strings, and
    // every field of every record is formatted here.
    const auto separator = static_cast<char>(Format & 0xFF);
    std::optional<TFormatSettings> own;
    if (separator != 0 && Settings.DecimalSeparator != std::string_view(&separator, 1)) {
        own.emplace(Settings);
        own->DecimalSeparator = String(1, separator);
    }
    const TFormatSettings& settings = own ? *own : Settings;
    const Integer index = rpFormatIndex(Format);
    try {
        switch (rpFormatKind(Format)) {
        case 0:
            return V.AsString(settings);
        case 1:
            return FormatNumber(V.AsFloat(settings), Format, FormatStr, settings);
        case 2:
        case 3: {
            const String pattern =
                Pattern(rpFormatKind(Format) == 2 ? kDateFormats : kTimeFormats, index, FormatStr);
            return pattern.empty() && index != 4 ? String()
                                                 : FormatDateTime(pattern, V.AsDateTime(settings), settings);
        }
        case 4: {
            const String pattern = Pattern(kBooleanFormats, index, FormatStr);
            if (pattern.empty() && index != 4) return String();
            const Integer semicolon = Pos(";", pattern);
            return V.AsFloat(settings) == 0 ? Copy(pattern, 1, semicolon - 1) : Copy(pattern, semicolon + 1);
        }
        default:
            return String();
        }
    } catch (const Exception&) {
        return FormatStr;
    }
}

String FormatValue(const Variant& V, Integer Format, const String& FormatStr) {
    return FormatValue(V, Format, FormatStr, FormatSettings);
}

void rpParseFormatSuffix(const String& ParName, String& Expr, Integer& Format, String& FormatStr) {
    const size_t mark = ParName.find(" #");
    if (mark == String::npos) {
        Expr = ParName;
        return;
    }
    Expr = ParName.substr(0, mark);
    String f = ParName.substr(mark + 2);
    const char first = f.empty() ? '\0' : f[0];
    if ((first >= '0' && first <= '9') || first == 'N' || first == 'n') {
        if (first >= '0' && first <= '9') f = "N" + f;
        const bool fixed = f.size() > 1 && f[1] >= '0' && f[1] <= '9';
        Format = rpMakeFormat(1, fixed ? 1 : 0, 0, '\0');
        for (size_t k = f.size() - 1; k >= 1; --k) {
            if (f[k] != ',' && f[k] != '-' && f[k] != '.') continue;
            Format |= static_cast<unsigned char>(f[k]);
            f[k] = '.';
            if (fixed) {
                Integer decimals = 0;
                for (size_t d = k + 1; d < f.size() && f[d] >= '0' && f[d] <= '9'; ++d)
                    decimals = decimals * 10 + (f[d] - '0');
                Format |= (decimals & 0xFF) << 8;
            }
            break;
        }
        if (!fixed) {
            Format = (Format & ~0x00FF0000) | (4 << 16);
            FormatStr = f.substr(1);
        }
        return;
    }
    if (first == 'D' || first == 'd' || first == 'T' || first == 't') {
        Format = rpMakeFormat(2, 4, 0, '\0');
        FormatStr = f.substr(1);
        return;
    }
    if (first == 'B' || first == 'b') {
        Format = rpMakeFormat(4, 4, 0, '\0');
        FormatStr = f.substr(1);
        return;
    }
    FormatStr = f;
}
