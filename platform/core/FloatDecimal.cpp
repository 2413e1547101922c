#include "platform/core/FloatDecimal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace core {

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
    if (value == 0)
        return r;
    // 18 significant digits carry more than a double holds, so rounding them again at the
    // requested place rounds the true value (the runtime worked on 18-digit extendeds).
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));
    String all;
    all += buf[0];
    const char* p = buf + 2;
    while (*p >= '0' && *p <= '9')
        all += *p++;
    const Integer exp10 = static_cast<Integer>(std::strtol(p + 1, nullptr, 10)) + 1;

    const Integer keep = std::min<Integer>(std::clamp<Integer>(precision, 1, 18),
                                           exp10 + std::min<Integer>(decimals, NoDecimalLimit));
    if (keep < 0)
        return r;
    String digits = all.substr(0, static_cast<size_t>(keep));
    Integer exponent = exp10;
    if (static_cast<size_t>(keep) < all.size() && all[static_cast<size_t>(keep)] >= '5') {
        int i = keep - 1;
        while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
            digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[static_cast<size_t>(i)];
        } else {
            digits.insert(digits.begin(), '1');
            ++exponent;
        }
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    if (digits.empty())
        return r;
    r.Negative = value < 0;
    r.Exponent = exponent;
    r.Digits = std::move(digits);
    return r;
}

}  // namespace core
