#pragma once
// Variant: a value of one of a few kinds, converted on demand with the runtime's rules.
// Conversions that cannot be made raise EVariantError "Invalid variant type conversion";
// text that does not parse as the requested number or date raises the same.
#include "platform/core/Types.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

struct TFormatSettings;

// The runtime's type codes.
enum TVarType : Word {
    varEmpty = 0x0000,
    varNull = 0x0001,
    varSmallint = 0x0002,
    varInteger = 0x0003,
    varDouble = 0x0005,
    varCurrency = 0x0006,
    varDate = 0x0007,
    varBoolean = 0x000B,
    varInt64 = 0x0014,
    varString = 0x0100,
    varVariant = 0x000C,
    varArray = 0x2000,
};

class Variant {
public:
    Variant() = default; // unassigned
    Variant(int v) : FType(varInteger), FInt(v) {}
    Variant(unsigned v) : FType(varInt64), FInt(v) {}
    Variant(long v) : FType(varInt64), FInt(v) {}
    Variant(unsigned long v) : FType(varInt64), FInt(static_cast<Int64>(v)) {}
    Variant(long long v) : FType(varInt64), FInt(v) {}
    Variant(unsigned long long v) : FType(varInt64), FInt(static_cast<Int64>(v)) {}
    Variant(double v) : FType(varDouble), FFloat(v) {}
    Variant(bool v) : FType(varBoolean), FInt(v ? 1 : 0) {}
    Variant(const String& v) : FType(varString), FStr(v) {}
    Variant(String&& v) : FType(varString), FStr(std::move(v)) {}
    Variant(const char* v) : FType(varString), FStr(v ? v : "") {}
    Variant(char v) : FType(varString), FStr(1, v) {}
    // A pointer would silently become a boolean.
    Variant(const void*) = delete;

    static Variant MakeNull();
    // TDateTime is a double, so a date needs its own maker.
    static Variant FromDateTime(TDateTime value);
    static Variant FromCurrency(Currency value);
    // An array of variants (type varArray | varVariant, bounds 0 .. count - 1), as
    // the field-values read of several fields answers.
    static Variant ArrayOf(std::vector<Variant> items);

    TVarType Type() const { return FType; }
    // Bytes of a string value's text (0 for every other kind), without copying it.
    std::size_t TextLength() const { return FType == varString ? FStr.size() : 0; }
    bool IsEmpty() const { return FType == varEmpty; }
    bool IsNull() const { return FType == varNull; }
    bool IsNumeric() const; // integer, float, currency or boolean kinds
    bool IsArray() const { return (FType & varArray) != 0; }
    // Elements of an array; raises EVariantError "Invalid variant type conversion"
    // for a value that is no array, "Variant or safe array index out of bounds"
    // for an index outside it.
    Integer ArrayCount() const;
    const Variant& operator[](Integer index) const;

    // Empty gives "" / 0 / false / 0.0; Null raises. Booleans read as "True"/"False" and
    // -1/0 as numbers (the runtime's convention); dates as text use DateTimeToStr.
    String AsString() const;
    String AsString(const TFormatSettings& settings) const;
    Integer AsInteger() const; // rounds a float (ties to even)
    Int64 AsInt64() const;
    double AsFloat() const;
    double AsFloat(const TFormatSettings& settings) const;
    bool AsBoolean() const; // numbers: non-zero; text: "true"/"false" in any case or a number
    TDateTime AsDateTime() const;
    TDateTime AsDateTime(const TFormatSettings& settings) const;

    // Equality: Null equals only Null, Empty only Empty; numbers compare by value, text with
    // text exactly, text with a number by converting the text to a number (not equal when
    // the text is no number); arrays element by element. An array converts to nothing
    // else ("Invalid variant type conversion").
    bool operator==(const Variant& other) const;
    bool operator!=(const Variant& other) const { return !(*this == other); }
    // Ordering: Empty < Null < anything else; text with text in Hungarian alphabetical order
    // (AnsiCompareStr). Raises EVariantError "Invalid variant operation" when text and a
    // number cannot be compared.
    bool operator<(const Variant& other) const;
    bool operator>(const Variant& other) const { return other < *this; }
    bool operator<=(const Variant& other) const { return !(other < *this); }
    bool operator>=(const Variant& other) const { return !(*this < other); }

private:
    TVarType FType = varEmpty;
    Int64 FInt = 0;
    double FFloat = 0;
    String FStr;
    std::shared_ptr<const std::vector<Variant>> FItems;
};

inline const Variant Null = Variant::MakeNull();
inline const Variant Unassigned = Variant();

inline bool VarIsNull(const Variant& v) {
    return v.IsNull();
}
inline bool VarIsEmpty(const Variant& v) {
    return v.IsEmpty();
}
inline TVarType VarType(const Variant& v) {
    return v.Type();
}
inline Variant VarArrayOf(std::vector<Variant> items) {
    return Variant::ArrayOf(std::move(items));
}
inline bool VarIsArray(const Variant& v) {
    return v.IsArray();
}
// Highest index of an array's only dimension (Dim 1); -1 for an empty array.
Integer VarArrayHighBound(const Variant& v, Integer Dim);
// "" for Null and Empty, else AsString.
String VarToStr(const Variant& v);
TDateTime VarToDateTime(const Variant& v);
