// The text form of a form resource: writing an object tree and parsing one.
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/TFiler.h"
#include "platform/core/Utf8.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

constexpr std::size_t BytesPerLine = 32;
// Objects and lists each take a level of the parser's stack: deeper text is
// refused rather than allowed to exhaust it.
constexpr int MaxNesting = 256;

String FloatText(double v) {
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
    String text(buffer, r.ptr);
    // A float must not read back as an integer.
    if (text.find_first_of(".eEni") == String::npos) text += ".0";
    return text;
}

// 'text' with control characters, apostrophes kept doubled, as #n.
String QuotedText(const String& s) {
    if (s.empty()) return "''";
    String out;
    bool open = false;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const char32_t c = core::Utf8Next(s, pos);
        if (c < 32) {
            if (open) out += '\'';
            open = false;
            out += "#" + std::to_string(unsigned(c));
            continue;
        }
        if (!open) out += '\'';
        open = true;
        if (c == '\'')
            out += "''";
        else
            core::Utf8Append(out, c);
    }
    if (open) out += '\'';
    return out;
}

void WriteProperties(const TFormObject& o, const String& indent, String& out);

void WriteValue(const TFormValue& v, const String& indent, String& out) {
    switch (v.Kind) {
    case TFormValue::vaNull:
        out += "nil";
        break;
    case TFormValue::vaInteger:
        out += std::to_string(v.Integer);
        break;
    case TFormValue::vaFloat:
        out += FloatText(v.Float);
        break;
    case TFormValue::vaString:
        out += QuotedText(v.Text);
        break;
    case TFormValue::vaIdent:
        out += v.Text;
        break;
    case TFormValue::vaSet:
        out += '[';
        for (std::size_t i = 0; i < v.Elements.size(); ++i)
            out += (i ? ", " : "") + v.Elements[i];
        out += ']';
        break;
    case TFormValue::vaBinary: {
        static const char hex[] = "0123456789ABCDEF";
        out += '{';
        for (std::size_t i = 0; i < v.Bytes.size(); ++i) {
            if (i % BytesPerLine == 0) out += "\n" + indent + "  ";
            out += hex[v.Bytes[i] >> 4];
            out += hex[v.Bytes[i] & 15];
        }
        out += '}';
        break;
    }
    case TFormValue::vaList:
        out += '(';
        for (const TFormValue& item : v.Items) {
            out += "\n" + indent + "  ";
            WriteValue(item, indent + "  ", out);
        }
        out += ')';
        break;
    case TFormValue::vaCollection:
        out += '<';
        for (const TFormObject& item : v.Collection) {
            out += "\n" + indent + "  item\n";
            WriteProperties(item, indent + "    ", out);
            out += indent + "  end";
        }
        out += '>';
        break;
    }
}

void WriteProperties(const TFormObject& o, const String& indent, String& out) {
    for (const auto& [name, value] : o.Properties) {
        out += indent + name + " = ";
        WriteValue(value, indent, out);
        out += "\n";
    }
}

void WriteObject(const TFormObject& o, const String& indent, String& out) {
    out += indent + "object " + (o.Name.empty() ? o.ClassName : o.Name + ": " + o.ClassName) + "\n";
    WriteProperties(o, indent + "  ", out);
    for (const TFormObject& child : o.Children)
        WriteObject(child, indent + "  ", out);
    out += indent + "end\n";
}

class Parser {
public:
    explicit Parser(const String& text) : FText(text) {}

    TFormObject Object() {
        Expect("object");
        const Nested level(*this);
        TFormObject o;
        const String first = Name();
        SkipBlanks();
        if (Peek() == ':') {
            ++FPos;
            o.Name = first;
            o.ClassName = Name();
        } else {
            o.ClassName = first;
        }
        for (;;) {
            SkipBlanks();
            const String word = PeekWord();
            if (SameWord(word, "end")) {
                FPos += 3;
                return o;
            }
            if (SameWord(word, "object")) {
                o.Children.push_back(Object());
                continue;
            }
            if (word.empty()) Fail("'end' expected");
            Property(o);
        }
    }

    void End() {
        SkipBlanks();
        if (FPos < FText.size()) Fail("end of text expected");
    }

private:
    // One level deeper for as long as it lives.
    class Nested {
    public:
        explicit Nested(Parser& P) : FParser(P) {
            if (++FParser.FDepth > MaxNesting)
                FParser.Fail("Objects and lists nested deeper than " + std::to_string(MaxNesting) +
                             " levels");
        }
        ~Nested() { --FParser.FDepth; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        Parser& FParser;
    };

    [[noreturn]] void Fail(const String& what) {
        Integer line = 1;
        for (std::size_t i = 0; i < FPos && i < FText.size(); ++i)
            line += FText[i] == '\n';
        throw EReadError(Format("Line %d: %s", {line, what}));
    }

    static bool IsNameChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
    }
    static bool SameWord(const String& a, const char* b) {
        const String bs = b;
        if (a.size() != bs.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(a[i])) != bs[i]) return false;
        return true;
    }

    char Peek() const { return FPos < FText.size() ? FText[FPos] : '\0'; }

    void SkipBlanks() {
        while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos])))
            ++FPos;
    }

    String PeekWord() {
        std::size_t end = FPos;
        while (end < FText.size() && IsNameChar(FText[end]))
            ++end;
        return FText.substr(FPos, end - FPos);
    }

    String Name() {
        SkipBlanks();
        const String word = PeekWord();
        if (word.empty() || std::isdigit(static_cast<unsigned char>(word[0]))) Fail("identifier expected");
        FPos += word.size();
        return word;
    }

    void Expect(const char* word) {
        SkipBlanks();
        if (!SameWord(PeekWord(), word)) Fail(String("'") + word + "' expected");
        FPos += String(word).size();
    }

    void Property(TFormObject& o) {
        const String name = Name();
        SkipBlanks();
        if (Peek() != '=') Fail("'=' expected");
        ++FPos;
        o.Properties.emplace_back(name, Value());
    }

    // "<", then "item" ... "end" per item, then ">".
    void Collection(TFormValue& v) {
        const Nested level(*this);
        v.Kind = TFormValue::vaCollection;
        ++FPos;
        for (SkipBlanks(); Peek() != '>'; SkipBlanks()) {
            if (FPos >= FText.size()) Fail("'>' expected");
            Expect("item");
            TFormObject& item = v.Collection.emplace_back();
            for (SkipBlanks(); !SameWord(PeekWord(), "end"); SkipBlanks()) {
                if (PeekWord().empty()) Fail("'end' expected");
                Property(item);
            }
            FPos += 3;
        }
        ++FPos;
    }

    TFormValue Value() {
        SkipBlanks();
        const char c = Peek();
        TFormValue v;
        if (c == '\'' || c == '#') {
            v.Kind = TFormValue::vaString;
            v.Text = Text();
        } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
            Number(v);
        } else if (c == '[') {
            v.Kind = TFormValue::vaSet;
            ++FPos;
            SkipBlanks();
            while (Peek() != ']') {
                v.Elements.push_back(Name());
                SkipBlanks();
                if (Peek() == ',') {
                    ++FPos;
                    SkipBlanks();
                } else if (Peek() != ']') {
                    Fail("']' expected");
                }
            }
            ++FPos;
        } else if (c == '{') {
            v.Kind = TFormValue::vaBinary;
            ++FPos;
            Binary(v.Bytes);
        } else if (c == '<') {
            Collection(v);
        } else if (c == '(') {
            const Nested level(*this);
            v.Kind = TFormValue::vaList;
            ++FPos;
            for (SkipBlanks(); Peek() != ')'; SkipBlanks()) {
                if (FPos >= FText.size()) Fail("')' expected");
                v.Items.push_back(Value());
            }
            ++FPos;
        } else {
            const String word = Name();
            if (SameWord(word, "nil")) return v;
            v.Kind = TFormValue::vaIdent;
            v.Text = word;
        }
        return v;
    }

    void Number(TFormValue& v) {
        std::size_t end = FPos + 1;
        while (
            end < FText.size() &&
            (std::isalnum(static_cast<unsigned char>(FText[end])) || FText[end] == '.' ||
             ((FText[end] == '-' || FText[end] == '+') && (FText[end - 1] == 'e' || FText[end - 1] == 'E'))))
            ++end;
        String text = FText.substr(FPos, end - FPos);
        if (!text.empty() && text[0] == '+') text.erase(0, 1);
        const char* first = text.data();
        const char* last = text.data() + text.size();
        if (text.find_first_of(".eE") == String::npos) {
            v.Kind = TFormValue::vaInteger;
            const auto r = std::from_chars(first, last, v.Integer);
            if (r.ec != std::errc() || r.ptr != last) Fail("Invalid integer value " + text);
        } else {
            v.Kind = TFormValue::vaFloat;
            const auto r = std::from_chars(first, last, v.Float);
            if (r.ec != std::errc() || r.ptr != last) Fail("Invalid floating point value " + text);
        }
        FPos = end;
    }

    // Quoted pieces and #n characters, joined; "+" continues on the next line.
    String Text() {
        String out;
        for (;;) {
            const char c = Peek();
            if (c == '\'') {
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || FText[FPos] == '\n') Fail("Unterminated string");
                    if (FText[FPos] == '\'') {
                        if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                            out += '\'';
                            FPos += 2;
                            continue;
                        }
                        ++FPos;
                        break;
                    }
                    out += FText[FPos++];
                }
            } else if (c == '#') {
                ++FPos;
                std::size_t end = FPos;
                while (end < FText.size() && std::isdigit(static_cast<unsigned char>(FText[end])))
                    ++end;
                if (end == FPos || end - FPos > 7) Fail("Invalid character code");
                core::Utf8Append(out, char32_t(std::stoul(FText.substr(FPos, end - FPos))));
                FPos = end;
            } else {
                std::size_t save = FPos;
                SkipBlanks();
                if (Peek() == '+') {
                    ++FPos;
                    SkipBlanks();
                    if (Peek() == '\'' || Peek() == '#') continue;
                }
                FPos = save;
                return out;
            }
        }
    }

    void Binary(std::vector<Byte>& bytes) {
        auto digit = [&](char c) -> int {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            return -1;
        };
        int high = -1;
        for (;;) {
            SkipBlanks();
            if (FPos >= FText.size()) Fail("'}' expected");
            const char c = FText[FPos++];
            if (c == '}') break;
            const int d = digit(c);
            if (d < 0) Fail("Invalid binary value");
            if (high < 0) {
                high = d;
            } else {
                bytes.push_back(Byte(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0) Fail("Invalid binary value");
    }

    const String& FText;
    std::size_t FPos = 0;
    int FDepth = 0;
};

} // namespace

String FormObjectToText(const TFormObject& Object) {
    String out;
    WriteObject(Object, "", out);
    return out;
}

TFormObject TextToFormObject(const String& Text) {
    Parser parser(Text);
    TFormObject o = parser.Object();
    parser.End();
    return o;
}
