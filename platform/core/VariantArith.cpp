#include "platform/core/VariantArith.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RtlConsts.h"

#include <cmath>
#include <limits>

namespace {

bool IsIntegral(const Variant& v) {
    switch (v.Type()) {
    case varEmpty:
    case varSmallint:
    case varInteger:
    case varInt64:
    case varBoolean:
        return true;
    default:
        return false;
    }
}

// Text that reads as a whole number computes as an integer, other text as a float.
bool ActsIntegral(const Variant& v) {
    if (v.Type() != varString) return IsIntegral(v);
    Int64 i = 0;
    return TryStrToInt64(v.AsString(), i);
}

Variant FromInt64(Int64 v) {
    if (v >= std::numeric_limits<Integer>::min() && v <= std::numeric_limits<Integer>::max())
        return Variant(static_cast<int>(v));
    return Variant(static_cast<long long>(v));
}

enum class Op { Add, Sub, Mul };

Variant Numeric(const Variant& a, const Variant& b, Op op) {
    if (ActsIntegral(a) && ActsIntegral(b)) {
        const Int64 x = a.AsInt64(), y = b.AsInt64();
        Int64 r = 0;
        bool overflow = false;
        switch (op) {
        case Op::Add:
            overflow = __builtin_add_overflow(x, y, &r);
            break;
        case Op::Sub:
            overflow = __builtin_sub_overflow(x, y, &r);
            break;
        case Op::Mul:
            overflow = __builtin_mul_overflow(x, y, &r);
            break;
        }
        if (!overflow) return FromInt64(r);
    }
    const double x = a.AsFloat(), y = b.AsFloat();
    double r = 0;
    switch (op) {
    case Op::Add:
        r = x + y;
        break;
    case Op::Sub:
        r = x - y;
        break;
    case Op::Mul:
        r = x * y;
        break;
    }
    const bool dated = (a.Type() == varDate) != (b.Type() == varDate) && op != Op::Mul;
    return dated ? Variant::FromDateTime(r) : Variant(r);
}

} // namespace

Variant VarAdd(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Null;
    const bool textA = a.Type() == varString || a.IsEmpty();
    const bool textB = b.Type() == varString || b.IsEmpty();
    if (textA && textB && !(a.IsEmpty() && b.IsEmpty())) return Variant(a.AsString() + b.AsString());
    return Numeric(a, b, Op::Add);
}

Variant VarSub(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Null;
    return Numeric(a, b, Op::Sub);
}

Variant VarMul(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Null;
    return Numeric(a, b, Op::Mul);
}

Variant VarDiv(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Null;
    const double x = a.AsFloat(), y = b.AsFloat();
    if (y == 0) throw EZeroDivide(SZeroDivide);
    return Variant(x / y);
}

Variant VarMod(const Variant& a, const Variant& b) {
    if (a.IsNull() || b.IsNull()) return Null;
    const Int64 x = a.AsInt64(), y = b.AsInt64();
    if (y == 0) throw EZeroDivide(SDivByZero);
    if (y == -1) // INT64_MIN % -1 overflows in hardware
        return Variant(0);
    return FromInt64(x % y);
}

Variant VarNeg(const Variant& a) {
    if (a.IsNull()) return Null;
    if (a.Type() == varDate) return Variant::FromDateTime(-a.AsFloat());
    if (ActsIntegral(a)) {
        const Int64 x = a.AsInt64();
        if (x != std::numeric_limits<Int64>::min()) return FromInt64(-x);
    }
    return Variant(-a.AsFloat());
}
