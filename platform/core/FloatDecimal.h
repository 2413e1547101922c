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

} // namespace core
