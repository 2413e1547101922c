// The digits of a double must not depend on which way ToDecimal finds them: every
// result is checked against a plain reference that always rounds the 18-digit
// expansion, over values chosen to sit on the edges of the quick way.
#include "platform/core/FloatDecimal.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

using core::FloatDecimal;
using core::NoDecimalLimit;
using core::ToDecimal;

const TFormatSettings En = TFormatSettings::English();
const TFormatSettings Hu = TFormatSettings::Hungarian();

// The reference: the full 18-digit expansion from printf, rounded half up.
FloatDecimal Reference(double value, Integer precision, Integer decimals) {
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
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));
    String all(1, buf[0]);
    const char* p = buf + 2;
    while (*p >= '0' && *p <= '9')
        all += *p++;
    const Integer exp10 = static_cast<Integer>(std::strtol(p + 1, nullptr, 10)) + 1;
    const Integer keep = std::min<Integer>(std::clamp<Integer>(precision, 1, 18),
                                           exp10 + std::min<Integer>(decimals, NoDecimalLimit));
    if (keep < 0) return r;
    String digits = all.substr(0, static_cast<size_t>(keep));
    Integer exponent = exp10;
    if (static_cast<size_t>(keep) < all.size() && all[static_cast<size_t>(keep)] >= '5') {
        Integer i = keep - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
            digits[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++digits[static_cast<size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty()) return r;
    r.Negative = value < 0;
    r.Exponent = exponent;
    r.Digits = digits;
    return r;
}

void ExpectSame(double value, Integer precision, Integer decimals) {
    const FloatDecimal got = ToDecimal(value, precision, decimals);
    const FloatDecimal want = Reference(value, precision, decimals);
    ASSERT_TRUE(got.Digits == want.Digits && got.Exponent == want.Exponent && got.Negative == want.Negative &&
                got.Nan == want.Nan && got.Infinite == want.Infinite)
        << std::hexfloat << value << std::defaultfloat << " (" << value << ") precision " << precision
        << " decimals " << decimals << ": got 0." << got.Digits << "e" << got.Exponent
        << (got.Negative ? " negative" : "") << ", want 0." << want.Digits << "e" << want.Exponent
        << (want.Negative ? " negative" : "");
}

// Every precision and a spread of decimal limits, the way the formatters ask.
void ExpectSameEverywhere(double value) {
    for (Integer precision : {1, 3, 15, 16, 18})
        for (Integer decimals : {-3, 0, 2, 15, NoDecimalLimit})
            ExpectSame(value, precision, decimals);
}

std::vector<double> EdgeValues() {
    std::vector<double> v = {0.0,
                             -0.0,
                             1e15,
                             1e-5,
                             0.1 + 0.2,
                             0.1,
                             0.3,
                             1.0 / 3.0,
                             2.675,
                             0.125,
                             999.996,
                             9007199254740992.0, // 2^53
                             9007199254740993.0, // rounds to 2^53
                             9007199254740994.0,
                             123456789012345.0,
                             1234567890123456.0,
                             999999999999999.0,
                             999999999999999.9,
                             99999999999999.99,
                             1125899906842624.125, // ties at the eighteenth digit
                             1e22,
                             1e23,
                             1e-7,
                             9.999999999999999e22,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::min() / 3,
                             std::nextafter(1.0, 0.0),
                             std::nextafter(1.0, 2.0),
                             std::nextafter(10.0, 0.0),
                             std::nextafter(1e-3, 0.0),
                             std::nan(""),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (int e = -325; e <= 308; ++e) {
        const double p = std::pow(10.0, e);
        v.push_back(p);
        v.push_back(std::nextafter(p, 0.0));
        v.push_back(std::nextafter(p, 2 * p));
        v.push_back(5 * p); // halfway at the place above
        v.push_back(p * 0.95);
    }
    return v;
}

TEST(FloatDigits, EdgeValuesMatchTheFullExpansion) {
    for (double x : EdgeValues()) {
        ExpectSameEverywhere(x);
        ExpectSameEverywhere(-x);
    }
}

TEST(FloatDigits, HalfwayDecimalsMatchTheFullExpansion) {
    // k + 0.5, k + 0.05, ... at every place: the classic ties of fixed layouts.
    for (int k = 0; k < 60; ++k) {
        double half = 0.5;
        for (int place = 0; place < 12; ++place, half /= 10) {
            ExpectSameEverywhere(k + half);
            ExpectSameEverywhere(k * 0.01 + half);
        }
    }
}

TEST(FloatDigits, ShortDecimalsAndWholeNumbersMatchTheFullExpansion) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 3000; ++i) {
        const auto digits = static_cast<double>(random() % 100000000000000000ULL);
        const int scale = static_cast<int>(random() % 40) - 20;
        ExpectSameEverywhere(digits * std::pow(10.0, scale));
        ExpectSameEverywhere(static_cast<double>(random() % 1000000) * 0.25);
        // Up to fifteen digits with up to eight decimals: amounts, rates, measures.
        const auto whole = static_cast<double>(random() % 1000000000000000ULL);
        const double amount = whole / std::pow(10.0, static_cast<double>(random() % 9));
        ExpectSameEverywhere(amount);
        ExpectSameEverywhere(std::nextafter(amount, 1e300)); // scales to a whole number too
        ExpectSameEverywhere(std::nextafter(amount, 0.0));
        ExpectSameEverywhere(static_cast<double>(random() % 100000) / 1000.0 + 0.1);
    }
}

TEST(FloatDigits, ArbitraryBitPatternsMatchTheFullExpansion) {
    std::mt19937_64 random(77);
    for (int i = 0; i < 50000; ++i) {
        const std::uint64_t bits = random();
        double x;
        std::memcpy(&x, &bits, sizeof x);
        ExpectSame(x, 15, NoDecimalLimit);
        ExpectSame(x, static_cast<Integer>(random() % 18) + 1, static_cast<Integer>(random() % 20));
    }
}

TEST(FloatDigits, NumbersAsTheyAreShown) {
    EXPECT_EQ(FloatToStr(-0.0, En), "0");
    EXPECT_EQ(FloatToStr(1e15, En), "1E15");
    EXPECT_EQ(FloatToStr(999999999999999.0, En), "999999999999999");
    EXPECT_EQ(FloatToStr(1e-5, En), "1E-5");
    EXPECT_EQ(FloatToStr(0.0001, En), "0.0001");
    EXPECT_EQ(FloatToStr(0.1 + 0.2, Hu), "0,3");
    EXPECT_EQ(FloatToStr(9007199254740993.0, En), "9.00719925474099E15");
    EXPECT_EQ(FloatToStr(1e23, En), "1E23");
    EXPECT_EQ(FloatToStr(1e-7, En), "1E-7");
    EXPECT_EQ(FloatToStr(std::numeric_limits<double>::denorm_min(), En), "4.94065645841247E-324");
    EXPECT_EQ(FloatToStr(250000.25, Hu), "250000,25");
    EXPECT_EQ(FloatToStr(-12.5, Hu), "-12,5");
    EXPECT_EQ(FloatToStrF(0.5, ffFixed, 15, 0, En), "1");
    EXPECT_EQ(FloatToStrF(-2.5, ffFixed, 15, 0, En), "-3");
    EXPECT_EQ(FloatToStrF(1.005, ffFixed, 15, 2, En), "1.00"); // held as 1.00499999999999989...
    EXPECT_EQ(FloatToStrF(0.1 + 0.2, ffGeneral, 17, 0, En), "0.30000000000000004");
}

} // namespace
