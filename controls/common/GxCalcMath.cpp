#include "controls/common/GxCalcMath.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"

#include <charconv>
#include <limits>

namespace {

// Each bracket costs a few frames of recursion; this bound keeps the deepest
// formula far from the end of the stack, also in the instrumented builds.
constexpr std::size_t MaxBracketDepth = 256;

bool IsOperator(char c) {
    return c == '*' || c == '+' || c == '-' || c == '/';
}

class Calculator {
public:
    explicit Calculator(const String& text) : FText(text) {}

    double Run() {
        const double value = Expression();
        if (Peek() == ')') throw Exception("Right braket havn't a left one. Pos:" + IntToStr(Integer(FPos)));
        return value;
    }

private:
    // The next character that counts (0 at the end); FPos stands on it.
    char Peek() {
        while (FPos < FText.size()) {
            const char c = FText[FPos];
            if (c == '(' || (c >= ')' && c <= '9')) return c;
            ++FPos;
        }
        return 0;
    }

    void TakeSign(char sign) {
        ++FPos;
        if (IsOperator(Peek()))
            throw Exception((sign == '+' ? "Duplicate signs. Pos:" : "Duplicate signs at. Pos:") +
                            IntToStr(Integer(FPos)));
    }

    double Expression() {
        double value = Term();
        for (char c = Peek(); c == '+' || c == '-'; c = Peek()) {
            TakeSign(c);
            const double right = Term();
            value = c == '+' ? value + right : value - right;
        }
        return value;
    }

    double Term() {
        double value = Factor();
        for (char c = Peek(); c == '*' || c == '/'; c = Peek()) {
            ++FPos;
            const double right = Factor();
            if (c == '/' && right == 0.0) throw Exception("Divide by 0");
            value = c == '*' ? value * right : value / right;
        }
        return value;
    }

    double Factor() {
        const char c = Peek();
        if (c == '(') {
            if (FDepth == MaxBracketDepth)
                throw Exception("Brackets nested too deeply. Pos:" + IntToStr(Integer(FPos)));
            ++FDepth;
            ++FPos;
            const double value = Expression();
            if (Peek() != ')') throw Exception("Right brakets not found");
            ++FPos;
            --FDepth;
            return value;
        }
        if (c == '-') {
            TakeSign(c);
            return -Factor();
        }
        return Number();
    }

    // Digits with at most one separator. The digits are converted as a whole,
    // so that no count of them overflows; a value past the range is infinite.
    double Number() {
        String digits = "0";
        bool separator = false, whole = false;
        for (char c = Peek(); c != 0; c = Peek()) {
            if (c >= '0' && c <= '9') {
                whole = whole || (c != '0' && !separator);
            } else if ((c == '.' || c == ',') && !separator) {
                separator = true;
                c = '.';
            } else {
                break;
            }
            digits += c;
            ++FPos;
        }
        double value = 0.0;
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        // Out of range: too large with a whole part, else too small.
        if (read.ec == std::errc::result_out_of_range)
            value = whole ? std::numeric_limits<double>::infinity() : 0.0;
        return value;
    }

    String FText;
    std::size_t FPos = 0;
    std::size_t FDepth = 0; // brackets open around FPos
};

} // namespace

float CalcMathString(const String& S) {
    const String text = Trim(S);
    if (text.empty()) throw Exception("Expression string is empty.");
    return float(Calculator(text).Run());
}
