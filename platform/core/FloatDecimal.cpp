#include "platform/core/FloatDecimal.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>

namespace core {

namespace {

// Significant digits (leading digit first, no point) and the exponent of the leading
// digit, read from to_chars' scientific text "d.ddde±xx" (or "de±xx").
struct Scientific {
    char Digits[24];
    Integer Count = 0;
    Integer Exponent10 = 0; // value = 0.Digits x 10^Exponent10
};

Scientific Parse(const char* p, const char* end) {
    Scientific s;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.') s.Digits[s.Count++] = *p;
    ++p; // 'e'
    const bool negative = *p == '-';
    ++p; // sign
    Integer exponent = 0;
    for (; p < end; ++p)
        exponent = exponent * 10 + (*p - '0');
    s.Exponent10 = (negative ? -exponent : exponent) + 1;
    return s;
}

// Whole multiples of 10^-k (k <= 6) below 10^15: prices, quantities, day counts. When
// value x 10^k is a whole number m and m / 10^k rounds back to value, then m x 10^-k
// is a decimal of at most 15 digits that reads back as value, with no text work.
// Answers that k, or -1.
constexpr double Powers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};

int WholeScale(double magnitude) {
    if (magnitude >= 1e15 || magnitude < 1e-6) return -1;
    for (int k = 0; k < 7; ++k) {
        const double scaled = magnitude * Powers[k];
        if (scaled >= 1e15) return -1;
        if (scaled != std::floor(scaled)) continue;
        return scaled / Powers[k] == magnitude ? k : -1;
    }
    return -1;
}

bool ShortDecimal(double magnitude, Scientific& s) {
    int k = WholeScale(magnitude);
    if (k < 0) return false;
    auto m = static_cast<std::uint64_t>(magnitude * Powers[k]);
    char reversed[20];
    Integer n = 0;
    while (m % 10 == 0) {
        m /= 10;
        --k;
    }
    while (m != 0) {
        reversed[n++] = static_cast<char>('0' + m % 10);
        m /= 10;
    }
    s.Count = n;
    for (Integer i = 0; i < n; ++i)
        s.Digits[i] = reversed[n - 1 - i];
    s.Exponent10 = n - k;
    return true;
}

// The shortest digits of a finite, non-zero magnitude, as ToDecimal first tries them.
Scientific ShortestDigits(double magnitude) {
    Scientific s;
    if (!ShortDecimal(magnitude, s)) {
        char buf[40];
        const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
        s = Parse(buf, res.ptr);
    }
    return s;
}

} // namespace

bool ShortestFitsFifteen(double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= std::numeric_limits<double>::min()) || std::isinf(magnitude)) return false;
    if (WholeScale(magnitude) >= 0) return true;
    const Scientific s = ShortestDigits(magnitude);
    return s.Count <= 15 && s.Exponent10 + NoDecimalLimit >= 15;
}

FloatDecimal ShortestDecimal(double value) {
    FloatDecimal r;
    if (std::isnan(value)) {
        r.Nan = true;
        return r;
    }
    r.Negative = std::signbit(value);
    if (std::isinf(value)) {
        r.Infinite = true;
        return r;
    }
    if (value == 0) return r;
    const Scientific s = ShortestDigits(std::fabs(value));
    r.Exponent = s.Exponent10;
    r.Digits.assign(s.Digits, static_cast<size_t>(s.Count));
    return r;
}

FloatDecimal ToDecimal(double value, Integer precision, Integer decimals) {
    FloatDecimal r;
    if (std::isnan(value)) {
        r.Nan = true;
        return r;
    }
    if (std::isinf(value)) {
        r.Infinite = true;
        r.Negative = value < 0;
        return r;
    }
    if (value == 0) return r;
    const double magnitude = std::fabs(value);
    const Integer maxDigits = std::clamp<Integer>(precision, 1, 18);
    const Integer decimalLimit = std::min<Integer>(decimals, NoDecimalLimit);
    char buf[40];

    // The shortest digits that read back as this double are the answer whenever they
    // fit a grid of at most 15 significant digits: the double then lies closer to them
    // than half a step of that grid, so rounding its expansion lands on them too.
    // Subnormals hold too few bits for that argument and take the long way.
    if (magnitude >= std::numeric_limits<double>::min()) {
        const Scientific s = ShortestDigits(magnitude);
        const Integer keep = std::min<Integer>(maxDigits, s.Exponent10 + decimalLimit);
        if (s.Count <= keep && keep <= 15) {
            r.Negative = value < 0;
            r.Exponent = s.Exponent10;
            r.Digits.assign(s.Digits, static_cast<size_t>(s.Count));
            return r;
        }
    }

    // 18 significant digits carry more than a double holds, so rounding them again at the
    // requested place rounds the true value (the runtime worked on 18-digit extendeds).
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 17);
    Scientific all = Parse(buf, res.ptr);
    const Integer keep = std::min<Integer>(maxDigits, all.Exponent10 + decimalLimit);
    if (keep < 0) return r;
    char* digits = all.Digits;
    Integer count = keep;
    Integer exponent = all.Exponent10;
    if (keep < all.Count && all.Digits[keep] >= '5') {
        Integer i = keep - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            // Every kept digit carried over (or none was kept): a one in front.
            digits[0] = '1';
            count = 1;
            ++exponent;
        }
    }
    while (count > 0 && digits[count - 1] == '0')
        --count;
    if (count == 0) return r;
    r.Negative = value < 0;
    r.Exponent = exponent;
    r.Digits.assign(digits, static_cast<size_t>(count));
    return r;
}

} // namespace core
