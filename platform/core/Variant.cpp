#include "platform/core/Variant.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StrUtils.h"

#include <cmath>
#include <limits>

namespace {

[[noreturn]] void CastError() {
    throw EVariantError(SInvalidVarCast);
}

bool IsIntegral(TVarType t) {
    return t == varSmallint || t == varInteger || t == varInt64 || t == varBoolean;
}

} // namespace

Variant Variant::MakeNull() {
    Variant v;
    v.FType = varNull;
    return v;
}

Variant Variant::FromDateTime(TDateTime value) {
    Variant v;
    v.FType = varDate;
    v.FFloat = value;
    return v;
}

Variant Variant::FromCurrency(Currency value) {
    Variant v;
    v.FType = varCurrency;
    v.FFloat = value;
    return v;
}

Variant Variant::ArrayOf(std::vector<Variant> items) {
    Variant v;
    v.FType = static_cast<TVarType>(varArray | varVariant);
    v.FItems = std::make_shared<const std::vector<Variant>>(std::move(items));
    return v;
}

Integer Variant::ArrayCount() const {
    if (!IsArray()) CastError();
    return static_cast<Integer>(FItems->size());
}

const Variant& Variant::operator[](Integer index) const {
    if (index < 0 || index >= ArrayCount()) throw EVariantError(SVarArrayBounds);
    return (*FItems)[static_cast<std::size_t>(index)];
}

Integer VarArrayHighBound(const Variant& v, Integer Dim) {
    if (Dim != 1) throw EVariantError(SVarArrayBounds);
    return v.ArrayCount() - 1;
}

bool Variant::IsNumeric() const {
    return IsIntegral(FType) || FType == varDouble || FType == varCurrency;
}

String Variant::AsString(const TFormatSettings& settings) const {
    switch (FType) {
    case varEmpty:
        return String();
    case varSmallint:
    case varInteger:
    case varInt64:
        return IntToStr(FInt);
    case varBoolean:
        return FInt ? "True" : "False";
    case varDouble:
        return FloatToStr(FFloat, settings);
    case varCurrency:
        return CurrToStr(FFloat, settings);
    case varDate:
        // A time of day alone (day 0) shows as a time, not as 1899.12.30. with a time.
        if (FFloat > 0 && FFloat < 1) return TimeToStr(FFloat, settings);
        return DateTimeToStr(FFloat, settings);
    case varString:
        return FStr;
    default:
        CastError();
    }
}

String Variant::AsString() const {
    return AsString(FormatSettings);
}

double Variant::AsFloat(const TFormatSettings& settings) const {
    switch (FType) {
    case varEmpty:
        return 0;
    case varBoolean:
        return FInt ? -1 : 0;
    case varSmallint:
    case varInteger:
    case varInt64:
        return static_cast<double>(FInt);
    case varDouble:
    case varCurrency:
    case varDate:
        return FFloat;
    case varString: {
        double v = 0;
        Int64 i = 0;
        if (TryStrToFloat(FStr, v, settings)) return v;
        if (TryStrToInt64(FStr, i)) // also "$1F" hexadecimal
            return static_cast<double>(i);
        CastError();
    }
    default:
        CastError();
    }
}

double Variant::AsFloat() const {
    return AsFloat(FormatSettings);
}

Int64 Variant::AsInt64() const {
    switch (FType) {
    case varEmpty:
        return 0;
    case varBoolean:
        return FInt ? -1 : 0;
    case varSmallint:
    case varInteger:
    case varInt64:
        return FInt;
    case varString: {
        Int64 i = 0;
        if (TryStrToInt64(FStr, i)) return i;
        break;
    }
    case varNull:
        CastError();
    default:
        break;
    }
    const double v = AsFloat();
    if (!std::isfinite(v) || std::fabs(v) >= 9.2e18) CastError();
    return Round(v);
}

Integer Variant::AsInteger() const {
    const Int64 v = AsInt64();
    if (v < std::numeric_limits<Integer>::min() || v > std::numeric_limits<Integer>::max()) CastError();
    return static_cast<Integer>(v);
}

bool Variant::AsBoolean() const {
    if (FType == varString) {
        if (SameText(FStr, "true")) return true;
        if (SameText(FStr, "false")) return false;
    }
    return AsFloat() != 0;
}

TDateTime Variant::AsDateTime(const TFormatSettings& settings) const {
    if (FType == varString) {
        TDateTime d = 0;
        if (TryStrToDateTime(FStr, d, settings)) return d;
        CastError();
    }
    return AsFloat(settings);
}

TDateTime Variant::AsDateTime() const {
    return AsDateTime(FormatSettings);
}

namespace {

// -1, 0 or 1; `comparable` false when text cannot be read as the other side's number.
int CompareValues(const Variant& a, const Variant& b, bool& comparable) {
    comparable = true;
    const TVarType ta = a.Type(), tb = b.Type();
    if (ta == varString && tb == varString) {
        const Integer c = AnsiCompareStr(a.AsString(), b.AsString());
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (IsIntegral(ta) && IsIntegral(tb)) {
        const Int64 x = a.AsInt64(), y = b.AsInt64();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    double x = 0, y = 0;
    try {
        x = a.AsFloat();
        y = b.AsFloat();
    } catch (const EVariantError&) {
        comparable = false;
        return 0;
    }
    return x < y ? -1 : (x > y ? 1 : 0);
}

// Empty before Null before every value.
int Rank(TVarType t) {
    return t == varEmpty ? 0 : (t == varNull ? 1 : 2);
}

} // namespace

bool Variant::operator==(const Variant& other) const {
    if (IsArray() || other.IsArray()) return IsArray() && other.IsArray() && *FItems == *other.FItems;
    if (Rank(FType) != 2 || Rank(other.FType) != 2) return Rank(FType) == Rank(other.FType);
    bool comparable = true;
    return CompareValues(*this, other, comparable) == 0 && comparable;
}

bool Variant::operator<(const Variant& other) const {
    if (Rank(FType) != 2 || Rank(other.FType) != 2) return Rank(FType) < Rank(other.FType);
    bool comparable = true;
    const int c = CompareValues(*this, other, comparable);
    if (!comparable) throw EVariantError(SInvalidVarOp);
    return c < 0;
}

String VarToStr(const Variant& v) {
    return v.IsNull() ? String() : v.AsString();
}

TDateTime VarToDateTime(const Variant& v) {
    return v.AsDateTime();
}
