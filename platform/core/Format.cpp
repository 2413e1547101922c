#include "platform/core/Format.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/Utf8.h"

#include <cstdint>

namespace {

class Formatter {
public:
    Formatter(std::string_view fmt, const TVarRec* args, size_t count, const TFormatSettings& fs)
        : FFmt(fmt), FArgs(args), FCount(count), FSettings(fs) {}

    String Run() {
        String out;
        while (FPos < FFmt.size()) {
            const char c = FFmt[FPos++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (Peek() == '%') {
                ++FPos;
                out += '%';
                continue;
            }
            out += Directive();
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const { throw EConvertError(Format(SInvalidFormat, {String(FFmt)})); }

    char Peek() const { return FPos < FFmt.size() ? FFmt[FPos] : '\0'; }

    const TVarRec& NextArg() {
        if (FArgIndex >= FCount) throw EConvertError(Format(SArgumentMissing, {String(FFmt)}));
        return FArgs[FArgIndex++];
    }

    // Digits or "*" (taken from the next argument); -1 when neither is there.
    Int64 Number() {
        if (Peek() == '*') {
            ++FPos;
            const TVarRec& a = NextArg();
            if (a.Kind() != TVarRec::TKind::Int64) Invalid();
            return a.AsInt64();
        }
        if (Peek() < '0' || Peek() > '9') return -1;
        Int64 n = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            n = n * 10 + (FFmt[FPos++] - '0');
            if (n > 100000) Invalid();
        }
        return n;
    }

    String Directive() {
        Int64 width = Number();
        if (Peek() == ':') {
            ++FPos;
            if (width < 0) Invalid();
            FArgIndex = static_cast<size_t>(width);
            width = -1;
        }
        bool left = false;
        if (Peek() == '-') {
            left = true;
            ++FPos;
        }
        if (width < 0) width = Number();
        Int64 precision = -1;
        if (Peek() == '.') {
            ++FPos;
            precision = Number();
            if (precision < 0) precision = 0;
        }
        if (FPos >= FFmt.size()) Invalid();
        const char type = static_cast<char>(FFmt[FPos++] | 0x20);
        String text = Convert(type, precision);
        const auto length = static_cast<Int64>(core::Utf8Length(text));
        if (width > length) {
            const String pad(static_cast<size_t>(width - length), ' ');
            text = left ? text + pad : pad + text;
        }
        return text;
    }

    static String Digits(String s, Int64 minDigits) {
        const bool negative = !s.empty() && s[0] == '-';
        const size_t have = s.size() - (negative ? 1 : 0);
        if (minDigits > static_cast<Int64>(have))
            s.insert(negative ? 1 : 0, static_cast<size_t>(minDigits) - have, '0');
        return s;
    }

    static std::uint64_t Unsigned(const TVarRec& a) {
        const Int64 v = a.AsInt64();
        if (a.IsNarrow()) return static_cast<std::uint32_t>(v);
        return static_cast<std::uint64_t>(v);
    }

    String Convert(char type, Int64 precision) {
        const TVarRec& a = NextArg();
        using K = TVarRec::TKind;
        const auto floatPrecision = [&](Integer fallback) {
            return precision < 0 ? fallback : static_cast<Integer>(precision > 18 ? 18 : precision);
        };
        switch (type) {
        case 'd':
            if (a.Kind() != K::Int64) Invalid();
            return Digits(IntToStr(a.AsInt64()), precision);
        case 'u':
            if (a.Kind() != K::Int64) Invalid();
            return Digits(std::to_string(Unsigned(a)), precision);
        case 'x':
            if (a.Kind() != K::Int64) Invalid();
            return IntToHex(static_cast<Int64>(Unsigned(a)), static_cast<Integer>(precision));
        case 'p':
            if (a.Kind() != K::Pointer) Invalid();
            return IntToHex(static_cast<Int64>(reinterpret_cast<std::uintptr_t>(a.AsPointer())),
                            static_cast<Integer>(sizeof(void*) * 2));
        case 's': {
            if (a.Kind() != K::String && a.Kind() != K::Char) Invalid();
            const String& s = a.AsString();
            if (precision >= 0) return s.substr(0, core::Utf8Offset(s, static_cast<size_t>(precision)));
            return s;
        }
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm':
            if (a.Kind() != K::Float) Invalid();
            break;
        default:
            Invalid();
        }
        const double v = a.AsFloat();
        switch (type) {
        case 'e':
            return FloatToStrF(v, ffExponent, floatPrecision(15), 3, FSettings);
        case 'f':
            return FloatToStrF(v, ffFixed, 15, floatPrecision(2), FSettings);
        case 'g':
            return FloatToStrF(v, ffGeneral, floatPrecision(15), 3, FSettings);
        case 'n':
            return FloatToStrF(v, ffNumber, 15, floatPrecision(2), FSettings);
        default:
            return FloatToStrF(v, ffCurrency, 15, floatPrecision(FSettings.CurrencyDecimals), FSettings);
        }
    }

    std::string_view FFmt;
    const TVarRec* FArgs;
    size_t FCount;
    const TFormatSettings& FSettings;
    size_t FPos = 0;
    size_t FArgIndex = 0;
};

} // namespace

String Format(std::string_view fmt, std::initializer_list<TVarRec> args, const TFormatSettings& settings) {
    return Formatter(fmt, args.begin(), args.size(), settings).Run();
}

String Format(std::string_view fmt, std::initializer_list<TVarRec> args) {
    return Format(fmt, args, FormatSettings);
}

String Format(std::string_view fmt, const TVarRecs& args, const TFormatSettings& settings) {
    return Formatter(fmt, args.data(), args.size(), settings).Run();
}

String Format(std::string_view fmt, const TVarRecs& args) {
    return Format(fmt, args, FormatSettings);
}
