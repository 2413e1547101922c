#include "sqlite/SqliteRout.h"

#include "platform/core/DateTime.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "sqlite/SqliteError.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Byte at 1-based position p; 0 past the end.
char At(const String& s, Integer p) {
    return p >= 1 && p <= static_cast<Integer>(s.size()) ? s[static_cast<std::size_t>(p - 1)] : '\0';
}

Integer Len(const String& s) {
    return static_cast<Integer>(s.size());
}

// Bytes of the UTF-8 character that starts with c.
Integer CharBytes(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

// Numbers in update templates are SQL literals: they are read with a full stop
// whatever the user's decimal separator.
const TFormatSettings& LiteralSettings() {
    static const TFormatSettings settings = [] {
        TFormatSettings s = TFormatSettings::English();
        s.DecimalSeparator = ".";
        return s;
    }();
    return settings;
}

// The day number of a valid date (as EncodeDate gives it) without the
// runtime's general checks; every row of a date column passes here.
bool EncodeDay(Integer year, Integer month, Integer day, TDateTime& date) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(static_cast<Word>(year), static_cast<Word>(month)))
        return false;
    // Days from 1970-01-01 by the civil-calendar formula, then to 1899-12-30.
    const Integer y = year - (month <= 2 ? 1 : 0);
    const Integer era = y / 400;
    const Integer yoe = y - era * 400;
    const Integer doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const Integer doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    constexpr Integer UnixEpochDay = 25569; // 1970-01-01 as a TDateTime
    date = static_cast<TDateTime>(era * 146097 + doe - 719468 + UnixEpochDay);
    return true;
}

} // namespace

void GetWord(const String& S, Integer& Pos, Integer& Kind, String& Word) {
    for (;;) {
        Word.clear();
        while (Pos <= Len(S) && static_cast<unsigned char>(At(S, Pos)) <= ' ')
            ++Pos;
        if (Pos < 1 || Pos > Len(S)) {
            Kind = wkEnd;
            return;
        }
        if (At(S, Pos) != '!') break;
        while (Pos <= Len(S) && At(S, Pos) != '\r' && At(S, Pos) != '\n')
            ++Pos;
    }

    const Integer start = Pos;
    const char c = At(S, Pos);
    if (IsAsciiLetter(c)) {
        while (IsAsciiLetter(At(S, Pos)) || IsDigit(At(S, Pos)) || At(S, Pos) == '_')
            ++Pos;
        Word = S.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(Pos - start));
        Kind = wkIdentifier;
    } else if (IsDigit(c) || c == '-') {
        bool fraction = false;
        while (IsDigit(At(S, Pos)) || At(S, Pos) == '-' || At(S, Pos) == '.') {
            if (At(S, Pos) == '.') fraction = true;
            ++Pos;
        }
        const String literal =
            S.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(Pos - start));
        if (fraction) {
            StrToFloat(literal, LiteralSettings()); // raises on a malformed number
            Word = literal;
            Kind = wkFloat;
        } else {
            Word = IntToStr(StrToInt64(literal));
            Kind = wkInteger;
        }
    } else if (c == ':') {
        if (At(S, Pos + 1) == '=') {
            Word = ":=";
            Kind = wkAssign;
            Pos += 2;
        } else {
            Word = ":";
            Kind = wkParam;
            ++Pos;
        }
    } else if (c == '\'' || c == '"') {
        ++Pos;
        const Integer textStart = Pos;
        while (Pos <= Len(S) && At(S, Pos) != c)
            ++Pos;
        Word = S.substr(static_cast<std::size_t>(textStart - 1), static_cast<std::size_t>(Pos - textStart));
        if (Pos <= Len(S)) ++Pos; // the closing quote
        Kind = c == '\'' ? wkSingleQuoted : wkDoubleQuoted;
    } else if (c == '=' || c == '<' || c == '>') {
        const char next = At(S, Pos + 1);
        const bool pair =
            (c == '<' && (next == '=' || next == '>')) || (c == '>' && (next == '<' || next == '='));
        Pos += pair ? 2 : 1;
        Word = S.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(Pos - start));
        Kind = wkCompare;
    } else {
        Pos += std::min(CharBytes(c), Len(S) - Pos + 1);
        Word = S.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(Pos - start));
    }
}

void PeekWord(const String& S, Integer Pos, Integer& Kind, String& Word) {
    GetWord(S, Pos, Kind, Word);
}

void GetWordByDelim(const String& S, Integer& Pos, const String& Delims, String& Word) {
    while (At(S, Pos) == ' ')
        ++Pos;
    const Integer start = Pos;
    while (Pos >= 1 && Pos <= Len(S) && Delims.find(At(S, Pos)) == String::npos)
        ++Pos;
    Word = start >= 1 && start <= Len(S)
               ? Trim(S.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(Pos - start)))
               : String();
}

bool Recover(const String& S, Integer& Pos) {
    if (Pos > Len(S)) return false;
    while (Pos <= Len(S) && At(S, Pos) != '\r' && At(S, Pos) != '\n')
        ++Pos;
    return true;
}

void FindErrorPos(const String& S, Integer ErrorPos, Integer& Line, Integer& Col) {
    Line = 1;
    Col = 1;
    Integer p = 1;
    while (p < ErrorPos) {
        const char c = At(S, p);
        if (c == '\r' || c == '\n') {
            ++Line;
            Col = 1;
            p += 2;
            continue;
        }
        // A character spread over several bytes is one column.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++Col;
        ++p;
    }
}

TDateTime YYYYMMDDParser(const char* Text) {
    if (!Text) return 0;
    const std::string_view s(Text);
    if (s.size() < 10) return 0;
    // Every row of a date column passes here: plain digits, no allocation.
    auto part = [&](std::size_t from, std::size_t count, Integer& value) {
        value = 0;
        const std::size_t end = std::min(s.size(), from + count);
        if (from >= end) return false;
        for (std::size_t i = from; i < end; ++i) {
            if (!IsDigit(s[i])) return false;
            value = value * 10 + (s[i] - '0');
        }
        return true;
    };
    Integer year, month, day;
    TDateTime date;
    if (!part(0, 4, year) || !part(5, 2, month) || !part(8, 2, day) || year < 0 || month < 0 || day < 0 ||
        !EncodeDay(year, month, day, date))
        return 0;
    if (s.size() <= 10) return date;

    Integer hour, minute, second = 0, msec = 0;
    if (!part(11, 2, hour) || !part(14, 2, minute)) return 0;
    if (s.size() > 16 && !part(17, 2, second)) return 0;
    if (s.size() > 19) {
        // ".5" is half a second: the digits are a fraction, not a count of milliseconds.
        if (!part(20, 3, msec)) return 0;
        for (std::size_t n = std::min<std::size_t>(s.size() - 20, 3); n < 3; ++n)
            msec *= 10;
    }
    TDateTime time;
    if (hour < 0 || minute < 0 || second < 0 ||
        !TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(minute), static_cast<Word>(second),
                       static_cast<Word>(msec), time))
        return 0;
    return date + time;
}

TDateTime StrToDateX(const String& S) {
    TDateTime value;
    if (TryStrToDate(S, value)) return value;
    TFormatSettings settings = FormatSettings;
    settings.DateSeparator = "-";
    settings.ShortDateFormat = "dd-mm-yyyy";
    if (TryStrToDate(S, value, settings)) return value;
    settings.ShortDateFormat = "yyyy-mm-dd";
    return StrToDate(S, settings);
}

TDateTime StrToTimeX(const String& S) {
    String text = S;
    const auto blank = text.find(' ');
    if (blank != String::npos) text.erase(0, blank + 1);
    const auto dot = text.find('.');
    if (dot != String::npos) text.erase(dot);
    TDateTime value;
    return TryStrToTime(text, value) ? value : 0;
}

TDateTime StrToDateTimeX(const String& S) {
    if (S.empty()) return 0;
    TDateTime value;
    if (TryStrToDateTime(S, value)) return value;
    return StrToDateX(S);
}

Int64 StrToIntX(const String& S) {
    Int64 value;
    return TryStrToInt64(S, value) ? value : 0;
}

double StrToFloatX(const String& S) {
    double value;
    return TryStrToFloat(S, value) ? value : 0;
}

void FloatParser(const String& S, String& Result) {
    Result = S;
    if (FormatSettings.DecimalSeparator == ".") return;
    const auto dot = Result.find('.');
    if (dot != String::npos) Result.replace(dot, 1, FormatSettings.DecimalSeparator);
}

char16_t* WStrCopy(char16_t* Dest, const char16_t* Source) {
    char16_t* d = Dest;
    while ((*d++ = *Source++) != u'\0') {
    }
    return Dest;
}

bool SyntaxCheck(const String& Found, const String& Expected) {
    if (SameText(Found, Expected)) return true;
    throw SqliteError("SQL macro syntax error on sql, expected " + Expected);
}

namespace {

// One token of a statement for GetTableNameFromSQL: a word, a quoted name
// (without its quotes), or a single other character. Comments and string
// literals are skipped.
struct SqlToken {
    enum Kind { End, Word, Name, Other } Kind = End;
    String Text;
};

SqlToken NextSqlToken(std::string_view s, std::size_t& pos) {
    for (;;) {
        while (pos < s.size() && static_cast<unsigned char>(s[pos]) <= ' ')
            ++pos;
        if (s.substr(pos, 2) == "--") {
            pos = std::min(s.find('\n', pos), s.size());
        } else if (s.substr(pos, 2) == "/*") {
            const std::size_t close = s.find("*/", pos + 2);
            pos = close == std::string_view::npos ? s.size() : close + 2;
        } else if (pos < s.size() && s[pos] == '\'') {
            // A literal; a doubled quote stays inside it.
            for (++pos; pos < s.size(); ++pos)
                if (s[pos] == '\'' && (++pos >= s.size() || s[pos] != '\'')) break;
        } else {
            break;
        }
    }
    if (pos >= s.size()) return {};
    const char c = s[pos];
    if (c == '"' || c == '[' || c == '`') {
        const char close = c == '[' ? ']' : c;
        const std::size_t end = std::min(s.find(close, pos + 1), s.size());
        SqlToken token{SqlToken::Name, String(s.substr(pos + 1, end - pos - 1))};
        pos = std::min(end + 1, s.size());
        return token;
    }
    const auto isWordChar = [](char ch) {
        return IsAsciiLetter(ch) || IsDigit(ch) || ch == '_' || ch == '$' ||
               static_cast<unsigned char>(ch) >= 0x80;
    };
    if (!isWordChar(c)) return {SqlToken::Other, String(1, s[pos++])};
    const std::size_t start = pos;
    while (pos < s.size() && isWordChar(s[pos]))
        ++pos;
    return {SqlToken::Word, String(s.substr(start, pos - start))};
}

} // namespace

String GetTableNameFromSQL(const String& SQL) {
    std::size_t pos = 0;
    Integer depth = 0;
    for (SqlToken token = NextSqlToken(SQL, pos); token.Kind != SqlToken::End;
         token = NextSqlToken(SQL, pos)) {
        if (token.Kind == SqlToken::Other) depth += token.Text == "(" ? 1 : token.Text == ")" ? -1 : 0;
        if (depth != 0 || token.Kind != SqlToken::Word || !SameText(token.Text, "FROM")) continue;
        String name;
        for (;;) {
            const SqlToken part = NextSqlToken(SQL, pos);
            if (part.Kind != SqlToken::Word && part.Kind != SqlToken::Name) return String();
            name += part.Text;
            if (pos >= SQL.size() || SQL[pos] != '.') return name;
            name += '.';
            ++pos;
        }
    }
    return String();
}
