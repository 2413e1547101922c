#include "platform/core/NumberFormat.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FloatDecimal.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/RtlConsts.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// 2^63 as a double: the first value that no longer fits an Int64.
constexpr double Int64Limit = 9223372036854775808.0;

void CheckIntegral(double value) {
    if (!std::isfinite(value) || value >= Int64Limit || value < -Int64Limit) throw EInvalidOp(SInvalidOp);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads an optionally signed decimal or "$"/"0x" hexadecimal integer after leading blanks.
bool ParseInt64(const String& s, Int64 low, Int64 high, Int64& value) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return false;
    // Accumulate as a negative number so that the lowest Int64 fits.
    Int64 acc = 0;
    const Int64 minimum = std::numeric_limits<Int64>::min();
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        if (acc < (minimum + digit) / base) return false;
        acc = acc * base - digit;
    }
    if (!negative && acc == minimum) return false;
    const Int64 result = negative ? acc : -acc;
    if (result < low || result > high) return false;
    value = result;
    return true;
}

} // namespace

Int64 Round(double value) {
    CheckIntegral(value);
    // Within Int64's range the cut toward zero, one down below a negative value, is the
    // floor; a value with a fraction is far from the range's ends, so the step up fits.
    Int64 whole = static_cast<Int64>(value);
    if (static_cast<double>(whole) > value) --whole;
    const double rest = value - static_cast<double>(whole);
    if (rest > 0.5 || (rest == 0.5 && (whole & 1) != 0)) ++whole;
    return whole;
}

Int64 Trunc(double value) {
    CheckIntegral(value);
    return static_cast<Int64>(value);
}

double Frac(double value) {
    return value - std::trunc(value);
}

double Int(double value) {
    return std::trunc(value);
}

String IntToStr(Int64 value) {
    return std::to_string(value);
}

String IntToHex(Int64 value, Integer digits) {
    static const char hex[] = "0123456789ABCDEF";
    auto u = static_cast<std::uint64_t>(value);
    String out;
    do {
        out.insert(out.begin(), hex[u & 15]);
        u >>= 4;
    } while (u != 0);
    if (static_cast<Integer>(out.size()) < digits)
        out.insert(0, static_cast<size_t>(digits) - out.size(), '0');
    return out;
}

bool TryStrToInt64(const String& s, Int64& value) {
    return ParseInt64(s, std::numeric_limits<Int64>::min(), std::numeric_limits<Int64>::max(), value);
}

bool TryStrToInt(const String& s, Integer& value) {
    Int64 v = 0;
    if (!ParseInt64(s, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), v))
        return false;
    value = static_cast<Integer>(v);
    return true;
}

Integer StrToInt(const String& s) {
    Integer v = 0;
    if (!TryStrToInt(s, v)) throw EConvertError(Format(SInvalidInteger, {s}));
    return v;
}

Int64 StrToInt64(const String& s) {
    Int64 v = 0;
    if (!TryStrToInt64(s, v)) throw EConvertError(Format(SInvalidInteger, {s}));
    return v;
}

Integer StrToIntDef(const String& s, Integer defaultValue) {
    Integer v = 0;
    return TryStrToInt(s, v) ? v : defaultValue;
}

Int64 StrToInt64Def(const String& s, Int64 defaultValue) {
    Int64 v = 0;
    return TryStrToInt64(s, v) ? v : defaultValue;
}

bool TryStrToFloat(const String& s, double& value, const TFormatSettings& settings) {
    size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin]))
        ++begin;
    while (end > begin && IsBlank(s[end - 1]))
        --end;
    // Rewrite into the neutral form from_chars reads: "-ddd.ddde+dd".
    String neutral;
    size_t i = begin;
    if (i < end && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') neutral += '-';
        ++i;
    }
    bool digits = false, point = false;
    const String& sep = settings.DecimalSeparator;
    while (i < end) {
        const char c = s[i];
        if (c >= '0' && c <= '9') {
            neutral += c;
            digits = true;
            ++i;
        } else if (!point && !sep.empty() && s.compare(i, sep.size(), sep) == 0) {
            neutral += '.';
            point = true;
            i += sep.size();
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        neutral += 'e';
        ++i;
        if (i < end && (s[i] == '+' || s[i] == '-')) neutral += s[i++];
        bool expDigits = false;
        while (i < end && s[i] >= '0' && s[i] <= '9') {
            neutral += s[i++];
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    if (i != end) return false;
    double v = 0;
    const auto res = std::from_chars(neutral.data(), neutral.data() + neutral.size(), v);
    if (res.ec != std::errc() || res.ptr != neutral.data() + neutral.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool TryStrToFloat(const String& s, double& value) {
    return TryStrToFloat(s, value, FormatSettings);
}

double StrToFloat(const String& s, const TFormatSettings& settings) {
    double v = 0;
    if (!TryStrToFloat(s, v, settings)) throw EConvertError(Format(SInvalidFloat, {s}));
    return v;
}

double StrToFloat(const String& s) {
    return StrToFloat(s, FormatSettings);
}

double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& settings) {
    double v = 0;
    return TryStrToFloat(s, v, settings) ? v : defaultValue;
}

double StrToFloatDef(const String& s, double defaultValue) {
    return StrToFloatDef(s, defaultValue, FormatSettings);
}
