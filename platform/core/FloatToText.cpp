// FloatToStr, FloatToStrF and CurrToStr: the runtime's fixed layouts of a number.
#include "platform/core/FloatDecimal.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"

#include <algorithm>
#include <cstdlib>

namespace {

using core::FloatDecimal;

String SpecialText(const FloatDecimal& d) {
    if (d.Nan) return "NAN";
    return d.Negative ? "-INF" : "INF";
}

String ExponentText(Integer exponent, Integer minDigits, bool forceSign) {
    String out = "E";
    if (exponent < 0)
        out += '-';
    else if (forceSign)
        out += '+';
    String digits = std::to_string(std::abs(exponent));
    const auto width = static_cast<size_t>(std::clamp<Integer>(minDigits, 0, 4));
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return out + digits;
}

String Scientific(const FloatDecimal& d, Integer mantissaDigits, Integer expDigits, bool forceSign,
                  const TFormatSettings& fs) {
    String digits = d.Digits.empty() ? String("0") : d.Digits;
    if (static_cast<Integer>(digits.size()) < mantissaDigits)
        digits.append(static_cast<size_t>(mantissaDigits) - digits.size(), '0');
    String out = d.Negative ? "-" : "";
    out += digits[0];
    if (digits.size() > 1) out += fs.DecimalSeparator + digits.substr(1);
    const Integer exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
    return out + ExponentText(exponent, expDigits, forceSign);
}

String GeneralText(const FloatDecimal& d, Integer precision, Integer expDigits, const TFormatSettings& fs) {
    if (d.Nan || d.Infinite) return SpecialText(d);
    if (d.Digits.empty()) return d.Negative ? "-0" : "0";
    if (d.Exponent > precision || d.Exponent < -3) return Scientific(d, 0, expDigits, false, fs);
    // Built in place: this runs for every number a list or an export shows.
    const auto n = static_cast<Integer>(d.Digits.size());
    String out;
    out.reserve(static_cast<size_t>(std::max(n, d.Exponent) + 6) + fs.DecimalSeparator.size());
    if (d.Negative) out += '-';
    if (d.Exponent <= 0) {
        out += '0';
        out += fs.DecimalSeparator;
        out.append(static_cast<size_t>(-d.Exponent), '0');
        out += d.Digits;
    } else if (n <= d.Exponent) {
        out += d.Digits;
        out.append(static_cast<size_t>(d.Exponent - n), '0');
    } else {
        out.append(d.Digits, 0, static_cast<size_t>(d.Exponent));
        out += fs.DecimalSeparator;
        out.append(d.Digits, static_cast<size_t>(d.Exponent));
    }
    return out;
}

String GroupThousands(const String& integerPart, const String& separator) {
    String out;
    const size_t n = integerPart.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += integerPart[i];
    }
    return out;
}

// Digits of |value| laid out with `decimals` places; no sign.
String FixedBody(const FloatDecimal& d, Integer decimals, bool thousands, const TFormatSettings& fs) {
    String intPart, fracPart;
    const auto n = static_cast<Integer>(d.Digits.size());
    for (Integer i = 0; i < d.Exponent; ++i)
        intPart += i < n ? d.Digits[static_cast<size_t>(i)] : '0';
    if (intPart.empty()) intPart = "0";
    for (Integer i = d.Exponent; i < d.Exponent + decimals; ++i)
        fracPart += (i >= 0 && i < n) ? d.Digits[static_cast<size_t>(i)] : '0';
    String out = thousands ? GroupThousands(intPart, fs.ThousandSeparator) : intPart;
    if (decimals > 0) out += fs.DecimalSeparator + fracPart;
    return out;
}

String CurrencyLayout(const String& body, bool negative, const TFormatSettings& fs) {
    const String& c = fs.CurrencyString;
    if (!negative) {
        switch (fs.CurrencyFormat) {
        case 1:
            return body + c;
        case 2:
            return c + " " + body;
        case 3:
            return body + " " + c;
        default:
            return c + body;
        }
    }
    switch (fs.NegCurrFormat) {
    case 1:
        return "-" + c + body;
    case 2:
        return c + "-" + body;
    case 3:
        return c + body + "-";
    case 4:
        return "(" + body + c + ")";
    case 5:
        return "-" + body + c;
    case 6:
        return body + "-" + c;
    case 7:
        return body + c + "-";
    case 8:
        return "-" + body + " " + c;
    case 9:
        return "-" + c + " " + body;
    case 10:
        return body + " " + c + "-";
    case 11:
        return c + " " + body + "-";
    case 12:
        return c + " -" + body;
    case 13:
        return body + "- " + c;
    case 14:
        return "(" + c + " " + body + ")";
    case 15:
        return "(" + body + " " + c + ")";
    default:
        return "(" + c + body + ")";
    }
}

} // namespace

String FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits,
                   const TFormatSettings& fs) {
    precision = std::clamp<Integer>(precision, 1, 18);
    if (format == ffGeneral) return GeneralText(core::ToDecimal(value, precision), precision, digits, fs);
    if (format == ffExponent) {
        const FloatDecimal d = core::ToDecimal(value, precision);
        if (d.Nan || d.Infinite) return SpecialText(d);
        return Scientific(d, precision, digits, true, fs);
    }
    const Integer decimals = std::clamp<Integer>(digits, 0, 18);
    const FloatDecimal probe = core::ToDecimal(value, precision);
    if (probe.Nan || probe.Infinite) return SpecialText(probe);
    // Too many integer digits for the precision: the runtime falls back to general.
    if (probe.Exponent > precision) return GeneralText(probe, precision, 0, fs);
    const FloatDecimal d = core::ToDecimal(value, precision, decimals);
    const String body = FixedBody(d, decimals, format != ffFixed, fs);
    if (format == ffCurrency) return CurrencyLayout(body, d.Negative, fs);
    return d.Negative ? "-" + body : body;
}

String FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits) {
    return FloatToStrF(value, format, precision, digits, FormatSettings);
}

String FloatToStr(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, ffGeneral, 15, 0, settings);
}

String FloatToStr(double value) {
    return FloatToStr(value, FormatSettings);
}

String FloatToStrExact(double value, const TFormatSettings& settings) {
    // FloatToStr's precision decides the layout, so its exact texts stay as they were.
    return GeneralText(core::ShortestDecimal(value), 15, 0, settings);
}

String FloatToStrExact(double value) {
    return FloatToStrExact(value, FormatSettings);
}

String CurrToStr(Currency value, const TFormatSettings& settings) {
    // Currency keeps four decimals.
    return GeneralText(core::ToDecimal(value, 18, 4), 18, 0, settings);
}

String CurrToStr(Currency value) {
    return CurrToStr(value, FormatSettings);
}
