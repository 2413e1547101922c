#pragma once
// Format(): printf-like formatting with the runtime's directive language.
//   "%" [index ":"] ["-"] [width] ["." precision] type
//   type: d u x e f g n m s p (upper or lower case); index, width and precision may be "*".
//   %n inserts thousand separators, %m formats money with the currency string and layout.
//   "%%" is a literal percent sign.
// Raises EConvertError "Format '%s' invalid or incompatible with argument" when a directive
// is malformed or an argument's type does not fit it, and "No argument for format '%s'"
// when an argument is missing. Width and precision of %s count characters, not bytes.
#include "platform/core/Types.h"

#include <initializer_list>
#include <string_view>
#include <vector>

struct TFormatSettings;

// One argument of Format(): integer, floating point, text, character, boolean or pointer.
class TVarRec {
public:
    enum class TKind { Int64, Float, String, Char, Boolean, Pointer };

    TVarRec(int v) : FKind(TKind::Int64), FInt(v), FNarrow(true) {}
    TVarRec(unsigned v) : FKind(TKind::Int64), FInt(v), FNarrow(true) {}
    TVarRec(long v) : FKind(TKind::Int64), FInt(v) {}
    TVarRec(unsigned long v) : FKind(TKind::Int64), FInt(static_cast<Int64>(v)) {}
    TVarRec(long long v) : FKind(TKind::Int64), FInt(v) {}
    TVarRec(unsigned long long v) : FKind(TKind::Int64), FInt(static_cast<Int64>(v)) {}
    TVarRec(short v) : FKind(TKind::Int64), FInt(v), FNarrow(true) {}
    TVarRec(unsigned short v) : FKind(TKind::Int64), FInt(v), FNarrow(true) {}
    TVarRec(double v) : FKind(TKind::Float), FFloat(v) {}
    TVarRec(float v) : FKind(TKind::Float), FFloat(v) {}
    TVarRec(const String& v) : FKind(TKind::String), FStr(v) {}
    TVarRec(const char* v) : FKind(TKind::String), FStr(v ? v : "") {}
    TVarRec(std::string_view v) : FKind(TKind::String), FStr(v) {}
    TVarRec(char v) : FKind(TKind::Char), FStr(1, v) {}
    TVarRec(bool v) : FKind(TKind::Boolean), FInt(v ? 1 : 0) {}
    TVarRec(const void* v) : FKind(TKind::Pointer), FPtr(v) {}

    TKind Kind() const { return FKind; }
    Int64 AsInt64() const { return FInt; }
    double AsFloat() const { return FFloat; }
    const String& AsString() const { return FStr; }
    const void* AsPointer() const { return FPtr; }
    // True for 32-bit and smaller integers: %u and %x show negatives in 32 bits.
    bool IsNarrow() const { return FNarrow; }

private:
    TKind FKind;
    Int64 FInt = 0;
    double FFloat = 0;
    String FStr;
    const void* FPtr = nullptr;
    bool FNarrow = false;
};

using TVarRecs = std::vector<TVarRec>;

String Format(std::string_view fmt, std::initializer_list<TVarRec> args);
String Format(std::string_view fmt, std::initializer_list<TVarRec> args, const TFormatSettings& settings);
String Format(std::string_view fmt, const TVarRecs& args);
String Format(std::string_view fmt, const TVarRecs& args, const TFormatSettings& settings);
