#pragma once
// The report script compiler: Pascal-like statements (BEGIN END, IF THEN ELSE, REPEAT
// UNTIL, WHILE DO, GOTO to numeric labels, assignments, procedure and function calls)
// into a list of simple instructions, one a line. The first character says what a line
// is:
//   #1, target line as 16 bits (low byte first), condition: jump when the condition is 0
//   #2, target line as 16 bits [, the GOTO label's digits]: jump
//   #3, expression: evaluate and drop the value
//   otherwise: variable name, one blank, expression: assignment
// Expressions stay source text here; the interpreter converts them afterwards.
//
// Errors become lines "Строка <line>/<column>: <message>" (Russian, as the engine's
// script messages are); compiling stops at the first. The source is at most 32,000
// characters and holds at most 101 labels of at most 16 characters (colon included).
#include "platform/core/Types.h"

#include <vector>

namespace report {

struct CompiledScript {
    std::vector<String> Lines;
    // Offset in the work text of the statement each line came from, for later errors.
    std::vector<size_t> Origins;
    std::vector<String> Errors;
};

inline constexpr char scJumpIfZero = '\x01';
inline constexpr char scJump = '\x02';
inline constexpr char scCall = '\x03';

// Target of a jump line.
Integer JumpTarget(const String& Line);
void SetJumpTarget(String& Line, Integer Target);

class ScriptCompiler {
public:
    explicit ScriptCompiler(const std::vector<String>& Source);

    // Compiles the whole source: statements, then GOTO targets.
    CompiledScript Compile();
    // The error line for a message found at an offset of the work text.
    String ErrorAt(size_t Offset, const String& Message) const;

    // The work text: every line with a blank in front, comments cut, blanks collapsed.
    const String& WorkText() const { return FWork; }

private:
    void Statement();
    void Block(bool Repeat);
    void IfStatement();
    void WhileStatement();
    void GotoStatement();
    bool Assignment();
    void Expression();
    void SimpleExpression();
    void Term();
    void Factor();
    bool Variable();
    void Arguments();

    void SkipBlanks();
    // The blank-delimited word at the position, upper-cased; the position moves past
    // the blanks only.
    String Token();
    bool StartsWith(const String& Upper) const; // the text at the position, upper-cased
    bool IsNameChar(size_t At) const;
    size_t Add(const String& Line);
    String Source(size_t From) const;
    void Fail(const String& Message) { Fail(FPos, Message); }
    void Fail(size_t At, const String& Message);
    void ResolveGotos();

    std::vector<String> FSource;
    String FWork;
    size_t FPos = 0;
    size_t FStatement = 0; // start of the statement being compiled
    bool FFailed = false;
    CompiledScript FResult;
    struct Label {
        String Name; // digits and colon
        Integer Line;
    };
    std::vector<Label> FLabels;
};

} // namespace report
