#include "platform/core/RegistryHive.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace core {

namespace {

String Upper(const String& path) {
    return AnsiUpperCase(path);
}

String ParentOf(const String& path) {
    const auto slash = path.rfind('\\');
    return slash == String::npos ? String() : path.substr(0, slash);
}

String Quote(const String& s) {
    String out = "\"";
    for (char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// Reads a quoted text at line[pos] (which is '"'); pos ends after the closing quote.
bool Unquote(const String& line, size_t& pos, String& out) {
    if (pos >= line.size() || line[pos] != '"') return false;
    ++pos;
    out.clear();
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == '"') return true;
        if (c == '\\' && pos < line.size()) {
            const char e = line[pos++];
            out += e == 'r' ? '\r' : e == 'n' ? '\n' : e;
        } else {
            out += c;
        }
    }
    return false;
}

const char HexDigits[] = "0123456789abcdef";

} // namespace

RegValue* RegKey::FindValue(const String& name) {
    for (RegValue& v : Values)
        if (AnsiSameText(v.Name, name)) return &v;
    return nullptr;
}

void RegKey::SetValue(RegValue value) {
    if (RegValue* existing = FindValue(value.Name)) {
        value.Name = existing->Name;
        *existing = std::move(value);
    } else {
        Values.push_back(std::move(value));
    }
}

bool RegKey::DeleteValue(const String& name) {
    auto it = std::find_if(Values.begin(), Values.end(),
                           [&](const RegValue& v) { return AnsiSameText(v.Name, name); });
    if (it == Values.end()) return false;
    Values.erase(it);
    return true;
}

String RegistryHive::Folder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    String base;
    if (config != nullptr && *config != '\0') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = String(home != nullptr ? home : ".") + "/.config";
    }
    return IncludeTrailingPathDelimiter(base) + "velmora/registry";
}

RegistryHive RegistryHive::Load(const String& rootName) {
    RegistryHive hive;
    hive.FFileName = Folder() + "/" + rootName + ".reg";
    if (auto text = ReadWholeFile(hive.FFileName)) hive.Parse(*text);
    return hive;
}

bool RegistryHive::Save() const {
    if (!ForceDirectories(Folder())) return false;
    return WriteFileAtomically(FFileName, Serialize());
}

String RegistryHive::CleanPath(const String& path) {
    String out;
    size_t i = 0;
    while (i < path.size()) {
        const auto next = path.find('\\', i);
        const size_t end = next == String::npos ? path.size() : next;
        if (end > i) {
            if (!out.empty()) out += '\\';
            out.append(path, i, end - i);
        }
        i = end + 1;
    }
    return out;
}

RegKey* RegistryHive::FindKey(const String& path) {
    const String clean = CleanPath(path);
    if (clean.empty()) return &CreateKey(clean);
    auto it = FKeys.find(Upper(clean));
    return it == FKeys.end() ? nullptr : &it->second;
}

RegKey& RegistryHive::CreateKey(const String& path) {
    const String clean = CleanPath(path);
    const String upper = Upper(clean);
    if (!clean.empty() && FKeys.find(upper) == FKeys.end()) CreateKey(ParentOf(clean));
    auto [it, inserted] = FKeys.try_emplace(upper);
    if (inserted) it->second.Path = clean;
    return it->second;
}

bool RegistryHive::DeleteKey(const String& path) {
    const String clean = CleanPath(path);
    if (clean.empty()) return false;
    const String upper = Upper(clean);
    if (FKeys.erase(upper) == 0) return false;
    const String prefix = upper + "\\";
    for (auto it = FKeys.lower_bound(prefix);
         it != FKeys.end() && it->first.compare(0, prefix.size(), prefix) == 0;)
        it = FKeys.erase(it);
    return true;
}

std::vector<String> RegistryHive::SubKeyNames(const String& path) const {
    const String upper = Upper(CleanPath(path));
    std::vector<String> names;
    for (const auto& [key, value] : FKeys) {
        if (key.empty() || Upper(ParentOf(value.Path)) != upper) continue;
        const auto slash = value.Path.rfind('\\');
        names.push_back(slash == String::npos ? value.Path : value.Path.substr(slash + 1));
    }
    std::sort(names.begin(), names.end(),
              [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
    return names;
}

String RegistryHive::Serialize() const {
    String out;
    for (const auto& [upper, key] : FKeys) {
        out += "[" + key.Path + "]\n";
        for (const RegValue& v : key.Values) {
            out += v.Name.empty() ? String("@") : Quote(v.Name);
            out += '=';
            switch (v.Kind) {
            case RegValueKind::String:
                out += Quote(v.Data);
                break;
            case RegValueKind::ExpandString:
                out += "expand:" + Quote(v.Data);
                break;
            case RegValueKind::Integer: {
                char buf[16];
                std::snprintf(buf, sizeof buf, "dword:%08x", v.Number);
                out += buf;
                break;
            }
            case RegValueKind::Binary:
                out += "hex:";
                for (size_t i = 0; i < v.Data.size(); ++i) {
                    const auto b = static_cast<unsigned char>(v.Data[i]);
                    if (i > 0) out += ',';
                    out += HexDigits[b >> 4];
                    out += HexDigits[b & 15];
                }
                break;
            }
            out += '\n';
        }
        out += '\n';
    }
    return out;
}

void RegistryHive::Parse(const std::string& text) {
    RegKey* current = nullptr;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == String::npos) end = text.size();
        const String line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            current = &CreateKey(line.substr(1, line.size() - 2));
            continue;
        }
        if (current == nullptr) continue;
        RegValue v;
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (!Unquote(line, pos, v.Name)) {
            continue;
        }
        if (pos >= line.size() || line[pos] != '=') continue;
        const String data = line.substr(pos + 1);
        size_t p = 0;
        if (data.rfind("dword:", 0) == 0) {
            v.Kind = RegValueKind::Integer;
            v.Number = static_cast<std::uint32_t>(std::strtoul(data.c_str() + 6, nullptr, 16));
        } else if (data.rfind("hex:", 0) == 0) {
            v.Kind = RegValueKind::Binary;
            for (size_t i = 4; i + 1 < data.size(); i += 3)
                v.Data += static_cast<char>(std::strtoul(data.substr(i, 2).c_str(), nullptr, 16));
        } else if (data.rfind("expand:", 0) == 0) {
            v.Kind = RegValueKind::ExpandString;
            p = 7;
            if (!Unquote(data, p, v.Data)) continue;
        } else {
            v.Kind = RegValueKind::String;
            if (!Unquote(data, p, v.Data)) continue;
        }
        current->SetValue(std::move(v));
    }
}

} // namespace core
