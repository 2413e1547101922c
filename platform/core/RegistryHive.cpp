#include "platform/core/RegistryHive.h"

#include "platform/core/AtomicFile.h"
#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
const char HexChars[] = "0123456789abcdefABCDEF";

// One "name"=data line (@ names the default value); false when it does not read.
bool ParseValue(const String& line, RegValue& v) {
    size_t pos = 0;
    if (line[0] == '@') {
        pos = 1;
    } else if (!Unquote(line, pos, v.Name)) {
        return false;
    }
    if (pos >= line.size() || line[pos] != '=') return false;
    const String data = line.substr(pos + 1);
    size_t p = 0;
    // Numbers and bytes are taken only when they read whole: anything else is kept as it stands.
    if (data.rfind("dword:", 0) == 0) {
        v.Kind = RegValueKind::Integer;
        const String digits = data.substr(6);
        if (digits.empty() || digits.size() > 8 || digits.find_first_not_of(HexChars) != String::npos)
            return false;
        v.Number = static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 16));
        return true;
    }
    if (data.rfind("hex:", 0) == 0) {
        v.Kind = RegValueKind::Binary;
        for (size_t i = 4; i < data.size(); i += 3) {
            const String pair = data.substr(i, 2);
            if (pair.size() != 2 || pair.find_first_not_of(HexChars) != String::npos) return false;
            if (i + 2 < data.size() && data[i + 2] != ',') return false;
            v.Data += static_cast<char>(std::strtoul(pair.c_str(), nullptr, 16));
        }
        return true;
    }
    if (data.rfind("expand:", 0) == 0) {
        v.Kind = RegValueKind::ExpandString;
        p = 7;
    } else {
        v.Kind = RegValueKind::String;
    }
    // Text after the closing quote would be lost on the next write: such a line is kept whole.
    return Unquote(data, p, v.Data) && p == data.size();
}

} // namespace

RegValue* RegKey::FindValue(const String& name) {
    const auto it = FPositions.find(Upper(name));
    return it == FPositions.end() ? nullptr : &FValues[it->second];
}

void RegKey::SetValue(RegValue value) {
    const auto [it, added] = FPositions.try_emplace(Upper(value.Name), FValues.size());
    if (added) {
        FValues.push_back(std::move(value));
        return;
    }
    RegValue& existing = FValues[it->second];
    value.Name = std::move(existing.Name);
    existing = std::move(value);
}

bool RegKey::DeleteValue(const String& name) {
    const auto it = FPositions.find(Upper(name));
    if (it == FPositions.end()) return false;
    const size_t position = it->second;
    FPositions.erase(it);
    FValues.erase(FValues.begin() + static_cast<std::ptrdiff_t>(position));
    // The values after it moved up by one.
    for (auto& [upper, at] : FPositions)
        if (at > position) --at;
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

RegistryWriteLock::RegistryWriteLock(const String& rootName) {
    const String folder = RegistryHive::Folder();
    if (!ForceDirectories(folder)) return;
    FHandle = ::open((folder + "/" + rootName + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (FHandle < 0) return;
    while (::flock(FHandle, LOCK_EX) != 0 && errno == EINTR) {
    }
}

RegistryWriteLock::~RegistryWriteLock() {
    // Closing the descriptor releases the lock.
    if (FHandle >= 0) ::close(FHandle);
}

RegistryHive RegistryHive::Load(const String& rootName) {
    RegistryHive hive;
    hive.FFileName = Folder() + "/" + rootName + ".reg";
    // Stamped before reading: a write in between shows as a change later.
    hive.FStamp = StampOf(hive.FFileName);
    if (auto text = ReadWholeFile(hive.FFileName)) hive.Parse(*text);
    return hive;
}

bool RegistryHive::Save() {
    if (!ForceDirectories(Folder())) return false;
    if (!WriteFileAtomically(FFileName, Serialize())) return false;
    FStamp = StampOf(FFileName);
    return true;
}

bool RegistryHive::Changed() const {
    return !(StampOf(FFileName) == FStamp);
}

RegistryHive::Stamp RegistryHive::StampOf(const String& fileName) {
    struct stat st {};
    Stamp stamp;
    if (::stat(fileName.c_str(), &st) != 0) return stamp;
    stamp.Exists = true;
    stamp.Device = static_cast<std::uint64_t>(st.st_dev);
    stamp.Inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.Size = static_cast<std::uint64_t>(st.st_size);
    stamp.Seconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    stamp.Nanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return stamp;
}

bool RegistryHive::ValidPath(const String& path) {
    if (path.size() > MaxPathBytes) return false;
    int depth = 0;
    size_t i = 0;
    while (i < path.size()) {
        const auto next = path.find('\\', i);
        const size_t end = next == String::npos ? path.size() : next;
        if (end > i) {
            if (++depth > MaxDepth || Length(path.substr(i, end - i)) > MaxNameLength) return false;
        }
        i = end + 1;
    }
    return true;
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
    if (clean.empty()) return &CreateKey(clean, true);
    auto it = FKeys.find(Upper(clean));
    return it == FKeys.end() ? nullptr : &it->second;
}

RegKey& RegistryHive::CreateKey(const String& path, bool Pending) {
    const String clean = CleanPath(path);
    // Parents made on the way are written only when they hold something: a
    // child's header brings them back on reading anyway. Each name is
    // upper-cased once, so a deep path costs its length, not its length squared.
    auto ensure = [this](const String& upper, const String& keyPath, bool pending) -> RegKey& {
        auto [it, inserted] = FKeys.try_emplace(upper);
        if (inserted) {
            it->second.Path = keyPath;
            it->second.Pending = pending;
        } else if (!pending) {
            it->second.Pending = false;
        }
        return it->second;
    };
    RegKey* key = &ensure(String(), String(), !clean.empty() || Pending);
    String upper;
    size_t i = 0;
    while (i < clean.size()) {
        size_t end = clean.find('\\', i);
        if (end == String::npos) end = clean.size();
        if (!upper.empty()) upper += '\\';
        upper += Upper(clean.substr(i, end - i));
        key = &ensure(upper, clean.substr(0, end), end < clean.size() || Pending);
        i = end + 1;
    }
    return *key;
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
        if (key.empty() || ParentOf(key) != upper) continue;
        const auto slash = value.Path.rfind('\\');
        names.push_back(slash == String::npos ? value.Path : value.Path.substr(slash + 1));
    }
    std::sort(names.begin(), names.end(),
              [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
    return names;
}

String RegistryHive::Serialize() const {
    String out;
    for (const String& line : FKeptLines)
        out += line + "\n";
    for (const auto& [upper, key] : FKeys) {
        if (key.Pending && key.Values().empty() && key.KeptLines.empty()) continue;
        out += "[" + key.Path + "]\n";
        for (const RegValue& v : key.Values()) {
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
        for (const String& line : key.KeptLines)
            out += line + "\n";
        out += '\n';
    }
    return out;
}

void RegistryHive::Parse(const std::string& text) {
    RegKey* current = nullptr;
    // Where lines that are not understood go: the key above them, or the file's head.
    std::vector<String>* kept = &FKeptLines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == String::npos) end = text.size();
        String line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[') {
            const bool closed = line.back() == ']';
            const String path = closed ? line.substr(1, line.size() - 2) : String();
            if (closed && ValidPath(path)) {
                current = &CreateKey(path);
                kept = &current->KeptLines;
                continue;
            }
            // A header naming no key we can hold (a blank after its bracket, too
            // deep a path) still ends the key above it: it and the lines under it
            // are kept together with the file's own, never as that key's, which a
            // write or a deletion of it would then carry off.
            current = nullptr;
            kept = &FKeptLines;
        }
        RegValue v;
        if (current == nullptr || !ParseValue(line, v)) {
            kept->push_back(line);
            continue;
        }
        current->SetValue(std::move(v));
    }
}

} // namespace core
