#pragma once
// The expression language of report texts. Str2OPZ turns infix text into postfix (OPZ)
// text: operands are written with one blank after them, operators as one character with
// no blank (keywords and two-character operators as control codes). CalcOPZ evaluates
// that text on a stack of Variant values. Function calls, IF and COPY are resolved while
// converting: their result text replaces the call in the source and is scanned again.
//
// The parser knows no names itself: variables go to OnGetValue (bracketed ones exactly as
// written, bare names upper-cased), unknown functions to OnFunction with the upper-cased
// name and the argument source texts; OnFunction answers with expression text.
//
// Positions of the scanners are 1-based byte positions: every syntax character is ASCII,
// and no byte of a multi-byte UTF-8 character equals one.
//
// Errors: platform conversion and Variant errors propagate; a division by zero with "/"
// gives 0. The parser itself raises EParserError for an operator without its operands,
// an unclosed "(", a call with more than three arguments, runaway nesting, and a text
// grown past its limit (see SetMaxTextLength).
#include "platform/core/Types.h"
#include "platform/core/Variant.h"

#include <cstddef>
#include <functional>

// The longest text, in bytes, that "+" may make or a call's result may splice into an
// expression: a thousand pages of a report hold some 5 MB of text, and a script that
// keeps doubling a text stops here, a few hundred MB of memory at most, instead of
// growing until the program dies.
inline constexpr std::size_t rpMaxTextLength = std::size_t{64} << 20;

// Called for every variable operand; stores the value in v (v arrives unassigned).
using TGetPValueEvent = std::function<void(const String& s, Variant& v)>;
// Called for every function the parser does not know; Val receives expression text.
using TFunctionEvent = std::function<void(const String& Name, const Variant& p1, const Variant& p2,
                                          const Variant& p3, String& Val)>;

// Operator codes of the OPZ text.
namespace opz {
inline constexpr char GreaterEqual = '\x01';
inline constexpr char LessEqual = '\x02';
inline constexpr char NotEqual = '\x03';
inline constexpr char Or = '\x04';
inline constexpr char And = '\x05';
inline constexpr char Int = '\x06';
inline constexpr char Frac = '\x07';
inline constexpr char Negate = '\x09';
inline constexpr char Plus = '\x0A';
inline constexpr char Str = '\x0B';
inline constexpr char Not = '\x0C';
inline constexpr char Mod = '\x0D';
inline constexpr char Round = '\x0E';
} // namespace opz

class TrpParser {
public:
    TGetPValueEvent OnGetValue;
    TFunctionEvent OnFunction;

    // CalcOPZ(Str2OPZ(s)).
    Variant Calc(const String& s);
    // Infix text to OPZ text; text after a ";" at the top level is ignored.
    String Str2OPZ(String s);
    // As Str2OPZ, but false (Opz untouched) when the text calls a function, IF or COPY:
    // such text must be resolved when it runs, since a call's result is spliced in.
    bool Str2OPZWithoutCalls(const String& s, String& Opz);
    // Evaluates OPZ text; the result is the bottom of the stack, unassigned for no text.
    Variant CalcOPZ(const String& s);

    // Skips blanks, then reads a name up to a blank or one of ( ) * + - / < = >; inside
    // double quotes those characters belong to the name. Leaves i at the stop character.
    String GetIdentify(const String& s, Integer& i);
    // At an opening quote: the literal with its quotes, doubled quotes kept; i just after
    // it. An unterminated literal runs to the end.
    String GetString(const String& s, Integer& i);
    // At the "(" after a function name: the argument source texts split at top-level
    // commas; i just after the matching ")". Raises EParserError for a fourth argument.
    void Get3Parameters(const String& s, Integer& i, String& s1, String& s2, String& s3);

    // The longest text "+" may make or a call's result may splice in (rpMaxTextLength
    // unless set).
    void SetMaxTextLength(std::size_t Value) { FMaxTextLength = Value; }

private:
    // Every text the parser makes longer passes here.
    void CheckTextLength(std::size_t Length) const;
    // Str2OPZ; with AllowCalls false it stops at the first call and sets CallMet.
    String Convert(String s, bool AllowCalls, bool& CallMet);
    void AddOperator(char op, String& out, String& stack) const;
    // Replaces a call (from `from` to before `to`) in s by "(" + text + ")".
    void Resolve(String& s, Integer from, Integer to, const String& name);

    Integer FDepth = 0;
    std::size_t FMaxTextLength = rpMaxTextLength;
};

// From i, the text between the first "[" and its matching "]" (nested brackets and
// brackets inside quotes stay in it); i is set to the "[" and j to the "]" (one past the
// end when unclosed). A start on no bracket gives an empty text.
String GetBrackedVariable(const String& s, Integer& i, Integer& j);

// The engine's parser, created at start-up.
extern TrpParser* rpParser;
