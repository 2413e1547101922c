#include "platform/core/TIniFile.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StrUtils.h"
#include "platform/core/StringsUpdate.h"
#include "platform/core/TStringList.h"

namespace {

constexpr int IniCodePage = CP_WINDOWS_1250;

// "[name]" (blanks allowed around it) gives name.
bool IsSectionLine(const String& line, String& name) {
    const String t = Trim(line);
    if (t.empty() || t[0] != '[') return false;
    const auto close = t.find(']');
    name = Trim(t.substr(1, close == String::npos ? String::npos : close - 1));
    return true;
}

// "key=value" outside comments gives the trimmed key and value.
bool IsKeyLine(const String& line, String& key, String& value) {
    const String t = TrimLeft(line);
    if (t.empty() || t[0] == ';' || t[0] == '[') return false;
    const auto eq = t.find('=');
    if (eq == String::npos) return false;
    key = Trim(t.substr(0, eq));
    value = Trim(t.substr(eq + 1));
    return true;
}

// The lines of the section's body: [first, last), or first = -1 when absent.
struct TSectionRange {
    long header = -1;
    long first = -1;
    long last = -1;
};

TSectionRange FindSection(const std::vector<String>& lines, const String& section, size_t from = 0) {
    TSectionRange r;
    String name;
    for (size_t i = from; i < lines.size(); ++i) {
        if (!IsSectionLine(lines[i], name)) continue;
        if (r.header >= 0) {
            r.last = static_cast<long>(i);
            return r;
        }
        if (AnsiSameText(name, section)) {
            r.header = static_cast<long>(i);
            r.first = static_cast<long>(i) + 1;
        }
    }
    if (r.header >= 0) r.last = static_cast<long>(lines.size());
    return r;
}

// Calls visit(key, value) for each key line of the section, in order.
template <typename F> void ForEachKey(const std::vector<String>& lines, const String& section, F visit) {
    const TSectionRange r = FindSection(lines, section);
    String key;
    String value;
    for (long i = r.first; i >= 0 && i < r.last; ++i)
        if (IsKeyLine(lines[static_cast<size_t>(i)], key, value)) visit(key, value);
}

bool HasLineBreak(const String& s) {
    return s.find_first_of("\r\n") != String::npos;
}

// Why reading could never find the entry again as written (the lines above
// parse it differently), or empty when it can be stored.
String UnreadableEntry(const String& Section, const String& Ident, const String& Value) {
    // A line break would split the line and plant a different key on reading.
    if (HasLineBreak(Section) || HasLineBreak(Ident) || HasLineBreak(Value))
        return "Line breaks cannot be stored in ";
    if (Ident.find('=') != String::npos) return "A key name cannot contain \"=\" in ";
    if (Section.find(']') != String::npos) return "A section name cannot contain \"]\" in ";
    if (!Ident.empty() && (Ident[0] == ';' || Ident[0] == '['))
        return "A key name cannot start with \";\" or \"[\" in ";
    if (Trim(Section) != Section || Trim(Ident) != Ident)
        return "A section or key name cannot start or end with a blank in ";
    // The file would keep them as "?", where no read of the name finds them again.
    if (!UnstorableChars(Section, IniCodePage).empty() || !UnstorableChars(Ident, IniCodePage).empty())
        return "A section or key name cannot hold characters outside code page 1250 in ";
    return {};
}

} // namespace

std::vector<String> TIniFile::Load() const {
    std::vector<String> lines;
    const auto bytes = core::ReadWholeFile(NormalizePath(FileName()));
    if (!bytes) return lines;
    TStringList list;
    list.SetText(CodePageToUtf8(*bytes, IniCodePage));
    for (Integer i = 0; i < list.Count(); ++i)
        lines.push_back(list[i]);
    return lines;
}

void TIniFile::Save(const std::vector<String>& Lines) const {
    String text;
    for (const String& line : Lines) {
        text += line;
        text += "\r\n";
    }
    if (!core::WriteFileAtomically(NormalizePath(FileName()), Utf8ToCodePage(text, IniCodePage)))
        throw EIniFileException(Format(SIniFileWriteError, {FileName()}));
}

String TIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
    const auto lines = Load();
    const TSectionRange r = FindSection(lines, Section);
    String key;
    String value;
    for (long i = r.first; i >= 0 && i < r.last; ++i)
        if (IsKeyLine(lines[static_cast<size_t>(i)], key, value) && AnsiSameText(key, Ident)) return value;
    return Default;
}

void TIniFile::CheckEntry(const String& Section, const String& Ident, const String& Value) {
    if (const String reason = UnreadableEntry(Section, Ident, Value); !reason.empty())
        throw EIniFileException(reason + FileName());
}

void TIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
    CheckEntry(Section, Ident, Value);
    auto lines = Load();
    const String entry = Ident + "=" + Value;
    const TSectionRange r = FindSection(lines, Section);
    if (r.header < 0) {
        if (!lines.empty() && !Trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + Section + "]");
        lines.push_back(entry);
        Save(lines);
        return;
    }
    String key;
    String value;
    long insertAt = r.first;
    for (long i = r.first; i < r.last; ++i) {
        const String& line = lines[static_cast<size_t>(i)];
        if (IsKeyLine(line, key, value) && AnsiSameText(key, Ident)) {
            lines[static_cast<size_t>(i)] = entry;
            Save(lines);
            return;
        }
        // New keys go after the section's last non-blank line, before the gap.
        if (!Trim(line).empty()) insertAt = i + 1;
    }
    lines.insert(lines.begin() + insertAt, entry);
    Save(lines);
}

void TIniFile::ReadSection(const String& Section, TStrings* Strings) {
    std::vector<String> keys;
    ForEachKey(Load(), Section, [&](const String& key, const String&) { keys.push_back(key); });
    core::ReplaceStrings(*Strings, keys);
}

void TIniFile::ReadSections(TStrings* Strings) {
    std::vector<String> names;
    String name;
    for (const String& line : Load())
        if (IsSectionLine(line, name)) names.push_back(name);
    core::ReplaceStrings(*Strings, names);
}

void TIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
    std::vector<String> pairs;
    ForEachKey(Load(), Section,
               [&](const String& key, const String& value) { pairs.push_back(key + "=" + value); });
    core::ReplaceStrings(*Strings, pairs);
}

void TIniFile::EraseSection(const String& Section) {
    auto lines = Load();
    bool changed = false;
    for (TSectionRange r = FindSection(lines, Section); r.header >= 0; r = FindSection(lines, Section)) {
        lines.erase(lines.begin() + r.header, lines.begin() + r.last);
        changed = true;
    }
    if (changed) Save(lines);
}

void TIniFile::DeleteKey(const String& Section, const String& Ident) {
    auto lines = Load();
    const TSectionRange r = FindSection(lines, Section);
    String key;
    String value;
    for (long i = r.first; i >= 0 && i < r.last; ++i) {
        if (IsKeyLine(lines[static_cast<size_t>(i)], key, value) && AnsiSameText(key, Ident)) {
            lines.erase(lines.begin() + i);
            Save(lines);
            return;
        }
    }
}
