#pragma once
// Decimal digits of a double, rounded the way the runtime's text conversions round:
// half away from zero, on the decimal expansion (unlike Round, which is ties-to-even).
#include "platform/core/Types.h"

namespace core {

struct FloatDecimal {
    bool Negative = false;
    bool Nan = false;
    bool Infinite = false;
    // value = 0.Digits x 10^Exponent; Digits has no trailing zeros and is empty for zero.
    Integer Exponent = 0;
    String Digits;
};

inline constexpr Integer NoDecimalLimit = 9999;

// At most `precision` significant digits and at most `decimals` digits after the decimal
// point. A value that rounds to zero comes back with empty Digits and Negative false.
FloatDecimal ToDecimal(double value, Integer precision, Integer decimals = NoDecimalLimit);

// The fewest digits that read back as value itself (at most 17), subnormals included. Unlike
// ToDecimal, negative zero comes back with Negative true.
FloatDecimal ShortestDecimal(double value);

// Whether ToDecimal(value, 15) is value's shortest digits, so that its text reads back as
// value itself: a finite, normal value of at most 15 significant digits. Zero gives false
// (its text loses the sign).
bool ShortestFitsFifteen(double value);

} // namespace core
