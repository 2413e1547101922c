#include "report/script/detail/ScriptCompiler.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "report/script/detail/ScriptConsts.h"

namespace report {

namespace {

constexpr Integer kMaxWorkChars = 32000;
constexpr size_t kMaxLabels = 101;
constexpr size_t kMaxLabelChars = 16;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// A character that counts for error positions: above the blank, and the first byte of
// a UTF-8 sequence.
bool Counts(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u > ' ' && (u < 0x80 || u >= 0xC0);
}

// The part of a source line the compiler reads: comments cut off.
String Uncommented(String line) {
    const size_t slash = line.find("//");
    if (slash != String::npos) line.resize(slash);
    const size_t brace = line.find('{');
    if (brace != String::npos) line.resize(brace);
    return line;
}

String Placeholder() {
    return String(2, '\0');
}

} // namespace

Integer JumpTarget(const String& Line) {
    if (Line.size() < 3) return 0;
    return static_cast<unsigned char>(Line[1]) | (static_cast<unsigned char>(Line[2]) << 8);
}

void SetJumpTarget(String& Line, Integer Target) {
    if (Line.size() < 3) Line.resize(3, '\0');
    Line[1] = static_cast<char>(Target & 0xFF);
    Line[2] = static_cast<char>((Target >> 8) & 0xFF);
}

ScriptCompiler::ScriptCompiler(const std::vector<String>& Source) : FSource(Source) {
    for (const String& src : FSource) {
        String line = Uncommented(" " + src);
        String collapsed;
        for (char c : line) {
            if (c == '\t') c = ' ';
            if (c == ' ' && !collapsed.empty() && collapsed.back() == ' ') continue;
            collapsed += c;
        }
        FWork += collapsed;
    }
}

String ScriptCompiler::ErrorAt(size_t Offset, const String& Message) const {
    size_t before = 0; // counted characters ahead of the offset
    for (size_t k = 0; k < Offset && k < FWork.size(); ++k)
        if (Counts(FWork[k])) ++before;
    Integer line = FSource.empty() ? 1 : static_cast<Integer>(FSource.size());
    Integer column = FSource.empty() ? 1 : Length(FSource.back()) + 1;
    for (size_t l = 0; l < FSource.size(); ++l) {
        const String text = Uncommented(FSource[l]);
        Integer chars = 0; // characters of the line so far, for the column
        bool found = false;
        for (char c : text) {
            const auto u = static_cast<unsigned char>(c);
            if (u < 0x80 || u >= 0xC0) ++chars;
            if (!Counts(c)) continue;
            if (before == 0) {
                found = true;
                break;
            }
            --before;
        }
        if (found) {
            line = static_cast<Integer>(l) + 1;
            column = chars;
            break;
        }
    }
    return SScriptErrorLine + IntToStr(line) + "/" + IntToStr(column) + ": " + Message;
}

CompiledScript ScriptCompiler::Compile() {
    FResult = CompiledScript();
    FLabels.clear();
    FFailed = false;
    FPos = 0;
    if (Length(FWork) > kMaxWorkChars) {
        size_t at = 0;
        for (Integer chars = 0; at < FWork.size(); ++at) {
            const auto u = static_cast<unsigned char>(FWork[at]);
            if ((u < 0x80 || u >= 0xC0) && ++chars > kMaxWorkChars) break;
        }
        Fail(at, SScriptTooLong);
        return FResult;
    }
    // One statement; text after it at the top level is ignored.
    Statement();
    if (!FFailed) ResolveGotos();
    return FResult;
}

void ScriptCompiler::Fail(size_t At, const String& Message) {
    if (FFailed) return;
    FFailed = true;
    FResult.Errors.push_back(ErrorAt(At, Message));
}

void ScriptCompiler::SkipBlanks() {
    while (FPos < FWork.size() && FWork[FPos] == ' ')
        ++FPos;
}

String ScriptCompiler::Token() {
    SkipBlanks();
    size_t end = FPos;
    if (end < FWork.size()) ++end;
    while (end < FWork.size() && static_cast<unsigned char>(FWork[end]) > ' ')
        ++end;
    return AnsiUpperCase(FWork.substr(FPos, end - FPos));
}

bool ScriptCompiler::StartsWith(const String& Upper) const {
    if (FWork.size() - FPos < Upper.size() || FPos > FWork.size()) return false;
    return UpperCase(FWork.substr(FPos, Upper.size())) == Upper;
}

bool ScriptCompiler::IsNameChar(size_t At) const {
    if (At >= FWork.size()) return false;
    const char c = FWork[At];
    return IsLetter(c) || IsDigit(c) || c == '_' || c == '.';
}

size_t ScriptCompiler::Add(const String& Line) {
    FResult.Lines.push_back(Line);
    FResult.Origins.push_back(FStatement);
    return FResult.Lines.size() - 1;
}

String ScriptCompiler::Source(size_t From) const {
    return Trim(FWork.substr(From, FPos > From ? FPos - From : 0));
}

void ScriptCompiler::Statement() {
    if (FFailed) return;
    for (;;) { // labels in front of the statement
        SkipBlanks();
        size_t k = FPos;
        while (k < FWork.size() && IsDigit(FWork[k]))
            ++k;
        if (k == FPos || k >= FWork.size() || FWork[k] != ':') break;
        const String name = FWork.substr(FPos, k + 1 - FPos);
        if (name.size() > kMaxLabelChars) return Fail(SScriptLabelTooLong);
        bool known = false;
        for (const Label& l : FLabels)
            known = known || l.Name == name;
        if (!known) {
            if (FLabels.size() >= kMaxLabels) return Fail(SScriptTooManyLabels);
            FLabels.push_back({name, static_cast<Integer>(FResult.Lines.size())});
        }
        FPos = k + 1;
    }
    SkipBlanks();
    FStatement = FPos;
    if (FPos >= FWork.size()) return; // an empty statement at the end of the text
    const String token = Token();
    if (token == "BEGIN") {
        FPos += 5;
        return Block(false);
    }
    if (token == "IF") {
        FPos += 2;
        return IfStatement();
    }
    if (token == "REPEAT") {
        FPos += 6;
        return Block(true);
    }
    if (token == "WHILE") {
        FPos += 5;
        return WhileStatement();
    }
    if (token == "GOTO") {
        FPos += 4;
        return GotoStatement();
    }
    if (token.rfind("END", 0) == 0) return; // an empty statement; END belongs to the list around it
    if (Assignment() || FFailed) return;
    const size_t start = FPos;
    Expression();
    if (FFailed) return;
    const String text = Source(start);
    if (!text.empty()) Add(String(1, scCall) + text);
}

void ScriptCompiler::Block(bool Repeat) {
    const Integer loopStart = static_cast<Integer>(FResult.Lines.size());
    for (;;) {
        Statement();
        if (FFailed) return;
        const String token = Token();
        if (!token.empty() && token[0] == ';') {
            ++FPos;
            continue;
        }
        if (!Repeat) {
            if (token.rfind("END", 0) != 0) return Fail(SScriptNeedSemicolonOrEnd);
            FPos += 3;
            return;
        }
        if (token != "UNTIL") return Fail(SScriptNeedSemicolonOrUntil);
        FPos += 5;
        const size_t start = FPos;
        Expression();
        if (FFailed) return;
        String line = String(1, scJumpIfZero) + Placeholder() + Source(start);
        SetJumpTarget(line, loopStart); // repeats while the condition is 0
        Add(line);
        return;
    }
}

void ScriptCompiler::IfStatement() {
    const size_t start = FPos;
    Expression();
    if (FFailed) return;
    const size_t jump = Add(String(1, scJumpIfZero) + Placeholder() + Source(start));
    if (Token() != "THEN") return Fail(SScriptNeedThen);
    FPos += 4;
    Statement();
    if (FFailed) return;
    if (Token() == "ELSE") {
        FPos += 4;
        const size_t over = Add(String(1, scJump) + Placeholder());
        SetJumpTarget(FResult.Lines[jump], static_cast<Integer>(FResult.Lines.size()));
        Statement();
        if (FFailed) return;
        SetJumpTarget(FResult.Lines[over], static_cast<Integer>(FResult.Lines.size()));
    } else
        SetJumpTarget(FResult.Lines[jump], static_cast<Integer>(FResult.Lines.size()));
}

void ScriptCompiler::WhileStatement() {
    const Integer loopStart = static_cast<Integer>(FResult.Lines.size());
    const size_t start = FPos;
    Expression();
    if (FFailed) return;
    const size_t test = Add(String(1, scJumpIfZero) + Placeholder() + Source(start));
    if (Token() != "DO") return Fail(SScriptNeedDo);
    FPos += 2;
    Statement();
    if (FFailed) return;
    String back = String(1, scJump) + Placeholder();
    SetJumpTarget(back, loopStart);
    Add(back);
    SetJumpTarget(FResult.Lines[test], static_cast<Integer>(FResult.Lines.size()));
}

void ScriptCompiler::GotoStatement() {
    SkipBlanks();
    size_t k = FPos;
    while (k < FWork.size() && IsDigit(FWork[k]))
        ++k;
    if (k == FPos) return Fail(SScriptGotoLabelNumber);
    // The target goes into the two bytes after the code; the label follows for the
    // second pass.
    Add(String(1, scJump) + Placeholder() + FWork.substr(FPos, k - FPos));
    FPos = k;
}

bool ScriptCompiler::Assignment() {
    const size_t start = FPos;
    if (!Variable()) return false;
    if (FFailed) return true;
    const String var = Source(start);
    const String token = Token();
    if (token.empty() || token[0] == ';') {
        Add(String(1, scCall) + var + "(0)"); // a bare name calls that name with 0
        return true;
    }
    if (token.rfind(":=", 0) != 0) {
        Fail(SScriptNeedAssign);
        return true;
    }
    FPos += 2;
    const size_t exprStart = FPos;
    Expression();
    if (FFailed) return true;
    const String expr = Source(exprStart);
    const size_t bracket = var.find('[');
    if (bracket != String::npos)
        Add(String(1, scCall) + "SETARRAY(" + var.substr(0, bracket) + ", " +
            var.substr(bracket + 1, var.size() - bracket - 2) + ", " + expr + ")");
    else
        Add(var + " " + expr);
    return true;
}

void ScriptCompiler::Expression() {
    SimpleExpression();
    if (FFailed) return;
    SkipBlanks();
    if (StartsWith(">=") || StartsWith("<=") || StartsWith("<>")) {
        FPos += 2;
        SimpleExpression();
    } else if (FPos < FWork.size() && (FWork[FPos] == '>' || FWork[FPos] == '<' || FWork[FPos] == '=')) {
        ++FPos;
        SimpleExpression();
    }
}

void ScriptCompiler::SimpleExpression() {
    Term();
    while (!FFailed) {
        SkipBlanks();
        if (FPos < FWork.size() && (FWork[FPos] == '+' || FWork[FPos] == '-'))
            ++FPos;
        else if (StartsWith("OR"))
            FPos += 2;
        else
            return;
        Term();
    }
}

void ScriptCompiler::Term() {
    Factor();
    while (!FFailed) {
        SkipBlanks();
        if (FPos < FWork.size() && (FWork[FPos] == '*' || FWork[FPos] == '/'))
            ++FPos;
        else if (StartsWith("AND") || StartsWith("MOD"))
            FPos += 3;
        else
            return;
        Factor();
    }
}

void ScriptCompiler::Factor() {
    SkipBlanks();
    if (FPos >= FWork.size()) return;
    const char c = FWork[FPos];
    if (c == '(') {
        ++FPos;
        Expression();
        if (FFailed) return;
        SkipBlanks();
        if (FPos >= FWork.size() || FWork[FPos] != ')') return Fail(SScriptNeedRightParen);
        ++FPos;
        return;
    }
    if (c == '[') {
        // Skipped as the parser's bracket scanner does: nesting, and quotes hide brackets.
        Integer depth = 0;
        bool single = false, dbl = false;
        for (; FPos < FWork.size(); ++FPos) {
            const char b = FWork[FPos];
            if (b == '"' && !single)
                dbl = !dbl;
            else if (b == '\'' && !dbl)
                single = !single;
            else if (!single && !dbl && b == '[')
                ++depth;
            else if (!single && !dbl && b == ']' && --depth == 0)
                break;
        }
        if (FPos >= FWork.size()) return Fail(SScriptNeedRightBracket);
        ++FPos;
        return;
    }
    if (c == '+' || c == '-') {
        ++FPos;
        return Expression();
    }
    if (StartsWith("NOT") && !IsNameChar(FPos + 3)) {
        FPos += 3;
        return Expression();
    }
    if (IsLetter(c)) {
        if (Variable() || FFailed) return;
        while (IsNameChar(FPos)) // a function name, followed by "("
            ++FPos;
        ++FPos;
        return Arguments();
    }
    if (IsDigit(c)) {
        while (FPos < FWork.size() && IsDigit(FWork[FPos]))
            ++FPos;
        if (FPos < FWork.size() && FWork[FPos] == '.') {
            ++FPos;
            while (FPos < FWork.size() && IsDigit(FWork[FPos]))
                ++FPos;
        }
        return;
    }
    if (c == '\'') {
        const size_t start = FPos;
        ++FPos;
        for (;;) {
            const size_t quote = FWork.find('\'', FPos);
            if (quote == String::npos) return Fail(start, SScriptNeedQuote);
            FPos = quote + 1;
            // A doubled quote stands for one quote inside the text, as in expressions.
            if (FPos < FWork.size() && FWork[FPos] == '\'')
                ++FPos;
            else
                return;
        }
    }
}

bool ScriptCompiler::Variable() {
    if (FPos >= FWork.size() || !IsLetter(FWork[FPos])) return false;
    size_t k = FPos + 1;
    while (IsNameChar(k))
        ++k;
    if (k < FWork.size() && FWork[k] == '(') return false;
    FPos = k;
    if (FPos < FWork.size() && FWork[FPos] == '[') {
        ++FPos;
        Expression();
        if (FFailed) return true;
        SkipBlanks();
        if (FPos >= FWork.size() || FWork[FPos] != ']') {
            Fail(SScriptNeedRightBracket);
            return true;
        }
        ++FPos;
    }
    return true;
}

void ScriptCompiler::Arguments() {
    SkipBlanks();
    if (FPos < FWork.size() && FWork[FPos] == ')') {
        ++FPos;
        return;
    }
    for (;;) {
        Expression();
        if (FFailed) return;
        SkipBlanks();
        if (FPos < FWork.size() && FWork[FPos] == ',') {
            ++FPos;
            continue;
        }
        if (FPos < FWork.size() && FWork[FPos] == ')') {
            ++FPos;
            return;
        }
        return Fail(SScriptNeedCommaOrParen);
    }
}

void ScriptCompiler::ResolveGotos() {
    for (size_t k = 0; k < FResult.Lines.size(); ++k) {
        String& line = FResult.Lines[k];
        if (line.empty() || line[0] != scJump || line.size() <= 3) continue;
        const String name = line.substr(3) + ":";
        const Label* found = nullptr;
        for (const Label& l : FLabels)
            if (l.Name == name) {
                found = &l;
                break;
            }
        if (!found) return Fail(FResult.Origins[k], SScriptUnknownLabel);
        SetJumpTarget(line, found->Line);
    }
}

} // namespace report
