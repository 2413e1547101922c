#include "report/script/detail/TrpParser.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/VariantArith.h"
#include "report/script/detail/ParserConsts.h"

#include <cstring>
#include <vector>

TrpParser* rpParser = nullptr;

namespace {

// Resolving calls recurses through Calc; deeper nesting than this is refused rather
// than exhausting the stack.
constexpr Integer kMaxDepth = 64;
// A call whose result contains the call again would be replaced for ever.
constexpr Integer kMaxExpansions = 1000;

char At(const String& s, Integer i) {
    return i >= 1 && i <= static_cast<Integer>(s.size()) ? s[static_cast<size_t>(i - 1)] : '\0';
}

Integer Len(const String& s) {
    return static_cast<Integer>(s.size());
}

String Sub(const String& s, Integer from, Integer to) { // [from, to), 1-based
    if (from < 1) from = 1;
    if (to > Len(s) + 1) to = Len(s) + 1;
    return to > from ? s.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from)) : String();
}

// True when c is one of the characters of set (never for a zero byte, which strchr would
// find as the set's terminator).
bool Among(char c, const char* set) {
    return c != '\0' && std::strchr(set, c) != nullptr;
}

bool IsNameStop(char c) {
    return c == ' ' || Among(c, "()*+-/<=>");
}

Integer Level(char op) {
    switch (op) {
    case opz::GreaterEqual:
    case opz::LessEqual:
    case opz::NotEqual:
    case '<':
    case '=':
    case '>':
        return 3;
    case opz::Or:
    case opz::And:
    case opz::Not:
    case opz::Mod:
    case '*':
    case '/':
        return 1;
    case opz::Int:
    case opz::Frac:
    case opz::Str:
    case opz::Round:
        return 0;
    case opz::Negate:
    case opz::Plus:
    case '+':
    case '-':
        return 2;
    default:
        return 5; // "("
    }
}

bool IsPrefix(char op) {
    return op == opz::Negate || op == opz::Plus || op == opz::Not || op == opz::Int || op == opz::Frac ||
           op == opz::Str || op == opz::Round;
}

// Doubles the quotes strictly inside a text that starts with a quote, so that a
// function's raw literal survives being scanned again.
String DoubleInnerQuotes(const String& s) {
    if (s.size() <= 2 || s.front() != '\'') return s;
    String r(1, s.front());
    for (size_t k = 1; k + 1 < s.size(); ++k) {
        r += s[k];
        if (s[k] == '\'') r += '\'';
    }
    r += s.back();
    return r;
}

// The literal's text: delimiting quotes removed, doubled quotes made single.
String LiteralText(const String& lit) {
    String inner = lit.size() >= 2 && lit.back() == '\'' ? lit.substr(1, lit.size() - 2) : lit.substr(1);
    String r;
    for (size_t k = 0; k < inner.size(); ++k) {
        r += inner[k];
        if (inner[k] == '\'' && k + 1 < inner.size() && inner[k + 1] == '\'') ++k;
    }
    return r;
}

// True when a literal read by GetString has no closing quote of its own (it may end in
// a doubled quote, which is no closing quote).
bool Unterminated(const String& lit) {
    size_t k = 1;
    while (k < lit.size()) {
        if (lit[k] == '\'') {
            if (k + 1 < lit.size() && lit[k + 1] == '\'') {
                k += 2;
                continue;
            }
            return false;
        }
        ++k;
    }
    return true;
}

bool IsNumberStart(char c) {
    return c == ',' || c == '.' || (c >= '0' && c <= '9');
}

Integer KeywordCode(const String& upper) {
    static const struct {
        const char* Name;
        char Code;
    } kKeywords[] = {{"INT", opz::Int}, {"FRAC", opz::Frac}, {"ROUND", opz::Round}, {"OR", opz::Or},
                     {"AND", opz::And}, {"NOT", opz::Not},   {"STR", opz::Str},     {"MOD", opz::Mod}};
    for (const auto& k : kKeywords)
        if (upper == k.Name) return k.Code;
    return 0;
}

bool IsOperatorCode(char c) {
    return (c >= opz::GreaterEqual && c <= opz::Frac) || (c >= opz::Negate && c <= opz::Round) ||
           Among(c, "+-*/<=>");
}

} // namespace

String GetBrackedVariable(const String& s, Integer& i, Integer& j) {
    j = i;
    if (s.empty()) return String();
    Integer depth = 0;
    bool inSingle = false, inDouble = false;
    Integer k = i;
    const Integer n = Len(s);
    for (; k <= n; ++k) {
        const char c = k >= 1 ? s[static_cast<std::size_t>(k - 1)] : '\0';
        if (c == '"' && !inSingle)
            inDouble = !inDouble;
        else if (c == '\'' && !inDouble)
            inSingle = !inSingle;
        else if (!inSingle && !inDouble && c == '[') {
            if (depth == 0) i = k;
            ++depth;
        } else if (!inSingle && !inDouble && c == ']')
            --depth;
        if (depth == 0) break;
    }
    j = k;
    return k > i ? Sub(s, i + 1, k) : String();
}

String TrpParser::GetIdentify(const String& s, Integer& i) {
    while (At(s, i) == ' ')
        ++i;
    const Integer start = i;
    bool quoted = false;
    for (; i <= Len(s); ++i) {
        const char c = At(s, i);
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && IsNameStop(c))
            break;
    }
    return Sub(s, start, i);
}

String TrpParser::GetString(const String& s, Integer& i) {
    const Integer start = i;
    ++i;
    while (i <= Len(s)) {
        if (At(s, i) == '\'') {
            if (At(s, i + 1) != '\'') break;
            i += 2;
        } else
            ++i;
    }
    if (i <= Len(s)) ++i; // past the closing quote
    return Sub(s, start, i);
}

void TrpParser::Get3Parameters(const String& s, Integer& i, String& s1, String& s2, String& s3) {
    s1.clear();
    s2.clear();
    s3.clear();
    std::vector<String> parts;
    Integer depth = 0;
    bool quoted = false;
    Integer pieceStart = i + 1;
    for (; i <= Len(s); ++i) {
        const char c = At(s, i);
        if (c == '\'') quoted = !quoted;
        if (quoted) continue;
        if (c == '(')
            ++depth;
        else if (c == ')') {
            --depth;
            if (depth <= 0) break;
        } else if (c == ',' && depth == 1) {
            parts.push_back(Sub(s, pieceStart, i));
            pieceStart = i + 1;
        }
    }
    parts.push_back(Sub(s, pieceStart, i));
    if (i <= Len(s)) ++i; // past the ")"
    if (parts.size() > 3) throw EParserError(SExprTooManyArguments);
    s1 = parts[0];
    if (parts.size() > 1) s2 = parts[1];
    if (parts.size() > 2) s3 = parts[2];
}

void TrpParser::CheckTextLength(std::size_t Length) const {
    if (Length > FMaxTextLength) throw EParserError(SExprTextTooLong);
}

void TrpParser::AddOperator(char op, String& out, String& stack) const {
    // A prefix operator has no operand yet, so it can close nothing before it.
    if (!IsPrefix(op))
        while (!stack.empty() && Level(op) >= Level(stack.back())) {
            out += stack.back();
            stack.pop_back();
        }
    stack += op;
}

String TrpParser::Str2OPZ(String s) {
    bool callMet = false;
    return Convert(std::move(s), true, callMet);
}

bool TrpParser::Str2OPZWithoutCalls(const String& s, String& Opz) {
    bool callMet = false;
    String opz = Convert(s, false, callMet);
    if (callMet) return false;
    Opz = std::move(opz);
    return true;
}

String TrpParser::Convert(String s, bool AllowCalls, bool& CallMet) {
    if (FDepth >= kMaxDepth) throw EParserError(SExprTooDeep);
    ++FDepth;
    core::ScopeExit leave([this] { --FDepth; });

    String out, stack;
    Integer i = 1;
    bool operand = false;
    Integer expansions = 0;
    while (i <= Len(s)) {
        const char c = At(s, i);
        if (c == ' ') {
            ++i;
            continue;
        }
        if (c == ';') break;
        if (c == '(') {
            stack += '(';
            operand = false;
            ++i;
            continue;
        }
        if (c == ')') {
            const size_t open = stack.rfind('(');
            if (open != String::npos) {
                for (size_t k = stack.size(); k > open + 1; --k)
                    out += stack[k - 1];
                stack.resize(open);
            }
            ++i;
            continue;
        }
        if (Among(c, "*+-/<=>")) {
            char op = c;
            const char next = At(s, i + 1);
            if (c == '<' && next == '>')
                op = opz::NotEqual;
            else if (c == '>' && next == '=')
                op = opz::GreaterEqual;
            else if (c == '<' && next == '=')
                op = opz::LessEqual;
            i += op == c ? 1 : 2;
            if (!operand && op == '-')
                op = opz::Negate;
            else if (!operand && op == '+')
                op = opz::Plus;
            AddOperator(op, out, stack);
            operand = false;
            continue;
        }

        // An operand.
        const Integer start = i;
        operand = true;
        if (c == '%') i += 2;
        String text;
        bool plain = false; // a name or number, not a literal or bracketed variable
        if (At(s, i) == '\'')
            text = GetString(s, i);
        else if (At(s, i) == '[') {
            Integer j = 0;
            text = "[" + GetBrackedVariable(s, i, j) + "]";
            i = j + 1;
        } else {
            text = GetIdentify(s, i);
            plain = true;
        }
        if (i <= start) // nothing readable here: step over it
            i = start + 1;

        if (plain && !text.empty() && !IsNumberStart(text[0])) {
            const String upper = AnsiUpperCase(text);
            if (const Integer code = KeywordCode(upper)) {
                AddOperator(static_cast<char>(code), out, stack);
                operand = false;
                continue;
            }
            Integer paren = i;
            if (upper == "IF" || upper == "COPY")
                while (At(s, paren) == ' ')
                    ++paren;
            if (At(s, paren) == '(') {
                if (!AllowCalls) {
                    CallMet = true;
                    return String();
                }
                if (++expansions > kMaxExpansions) throw EParserError(SExprTooDeep);
                i = paren;
                Resolve(s, start, i, upper);
                i = start;
                operand = false;
                continue;
            }
        }
        out += Sub(s, start, i);
        if (!plain && text.size() >= 1 && text[0] == '\'' &&
            (text.size() < 2 || text.back() != '\'' || Unterminated(text)))
            out += '\''; // an unterminated literal ends with the text, not with what follows
        out += ' ';
    }
    if (stack.find('(') != String::npos) throw EParserError(SExprMissingParen);
    for (size_t k = stack.size(); k > 0; --k)
        out += stack[k - 1];
    return out;
}

void TrpParser::Resolve(String& s, Integer from, Integer at, const String& name) {
    Integer i = at;
    String p1, p2, p3;
    Get3Parameters(s, i, p1, p2, p3);
    String text;
    if (name == "COPY") {
        const String whole = Calc(p1).AsString();
        const Integer index = StrToInt(Calc(p2).AsString());
        const Integer count = StrToInt(Calc(p3).AsString());
        text = DoubleInnerQuotes("'" + Copy(whole, index, count) + "'");
    } else if (name == "IF") {
        // The branch is expression source already; its quotes stay as written.
        const double cond = StrToFloat(Calc(p1).AsString());
        text = Trunc(cond) > 0 ? p2 : p3;
    } else {
        if (OnFunction) OnFunction(name, Variant(p1), Variant(p2), Variant(p3), text);
        text = DoubleInnerQuotes(text);
    }
    CheckTextLength(s.size() + text.size());
    s = Sub(s, 1, from) + "(" + text + ")" + Sub(s, i, Len(s) + 1);
}

Variant TrpParser::CalcOPZ(const String& s) {
    std::vector<Variant> stack;
    auto top = [&stack](size_t need) -> Variant& {
        if (stack.size() < need) throw EParserError(SExprMissingOperand);
        return stack[stack.size() - 1];
    };
    char convert = 0; // 'D' date, 'T' time
    Integer i = 1;
    while (i <= Len(s)) {
        const char c = At(s, i);
        if (c == ' ' || c == opz::Plus) {
        } else if (c == '%') {
            const char f = At(s, i + 1);
            if (f == 'D' || f == 'd')
                convert = 'D';
            else if (f == 'T' || f == 't')
                convert = 'T';
            ++i;
        } else if (c == '[') {
            Integer j = 0;
            const String name = GetBrackedVariable(s, i, j);
            Variant v;
            if (OnGetValue) OnGetValue(name, v);
            stack.push_back(v);
            i = j;
        } else if (c == '\'') {
            const String text = LiteralText(GetString(s, i));
            if (convert == 'D')
                stack.push_back(Variant::FromDateTime(StrToDate(text)));
            else if (convert == 'T')
                stack.push_back(Variant::FromDateTime(StrToTime(text)));
            else
                stack.push_back(Variant(text));
            convert = 0;
            --i;
        } else if (!IsOperatorCode(c)) {
            String name = GetIdentify(s, i);
            if (name.empty()) { // a stray "(" or ")": nothing to read
                ++i;
                continue;
            }
            if (!name.empty() && IsNumberStart(name[0])) {
                for (char& ch : name)
                    if (ch == ',' || ch == '.') ch = '\x01';
                name = StringReplace(name, "\x01", FormatSettings.DecimalSeparator, rfReplaceAll);
                stack.push_back(Variant(StrToFloat(name)));
            } else {
                Variant v;
                if (OnGetValue) OnGetValue(AnsiUpperCase(name), v);
                stack.push_back(v);
            }
            if (At(s, i) != ' ') --i; // a name cut short by an operator: read the operator next
        } else if (c == opz::Int || c == opz::Frac || c == opz::Round || c == opz::Negate || c == opz::Str ||
                   c == opz::Not) {
            Variant& v = top(1);
            switch (c) {
            case opz::Int:
                v = Variant(Int(v.AsFloat()));
                break;
            case opz::Frac:
                v = Variant(Frac(v.AsFloat()));
                break;
            case opz::Round:
                v = Variant(static_cast<long long>(Round(v.AsFloat())));
                break;
            case opz::Negate:
                v = VarNeg(v);
                break;
            case opz::Str:
                v = Variant(v.AsString());
                break;
            default:
                v = Variant(v == Variant(0) ? 1 : 0);
                break;
            }
        } else {
            const Variant b = top(2);
            stack.pop_back();
            Variant& a = stack.back();
            switch (c) {
            case '+':
            case opz::Or:
                a = VarAdd(a, b);
                CheckTextLength(a.TextLength());
                break;
            case '-':
                a = VarSub(a, b);
                break;
            case '*':
            case opz::And:
                a = VarMul(a, b);
                break;
            case '/':
                a = !b.IsNull() && b.AsFloat() == 0 ? Variant(0) : VarDiv(a, b);
                break;
            case opz::Mod:
                a = VarMod(a, b);
                break;
            case '>':
                a = Variant(a > b ? 1 : 0);
                break;
            case '<':
                a = Variant(a < b ? 1 : 0);
                break;
            case '=':
                a = Variant(a == b ? 1 : 0);
                break;
            case opz::NotEqual:
                a = Variant(a != b ? 1 : 0);
                break;
            case opz::GreaterEqual:
                a = Variant(a >= b ? 1 : 0);
                break;
            default:
                a = Variant(a <= b ? 1 : 0);
                break;
            }
        }
        ++i;
    }
    return stack.empty() ? Variant() : stack.front();
}

Variant TrpParser::Calc(const String& s) {
    return CalcOPZ(Str2OPZ(s));
}
