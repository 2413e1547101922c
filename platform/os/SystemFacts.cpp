#include "platform/os/SystemFacts.h"

#include "platform/core/FileUtils.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <set>
#include <sstream>
#include <sys/utsname.h>

extern char** environ;

namespace {

String ReadWholeFile(const char* name) {
    std::ifstream in(name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// "NAME=value" or NAME="value" of an os-release text.
String OsReleaseValue(const String& text, const String& key) {
    std::istringstream lines(text);
    String line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + "=", 0) != 0) continue;
        String value = line.substr(key.size() + 1);
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return {};
}

// Unescapes the octal escapes (\040 for a blank) of a mount-table field.
String MountField(const String& field) {
    String out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const String digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == String::npos) {
                out += char(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool HoldsFiles(const String& type) {
    static const std::set<String> pseudo = {
        "proc",     "sysfs",      "cgroup",     "cgroup2",         "devpts",        "mqueue",
        "debugfs",  "tracefs",    "securityfs", "pstore",          "bpf",           "configfs",
        "fusectl",  "hugetlbfs",  "autofs",     "binfmt_misc",     "devtmpfs",      "nsfs",
        "efivarfs", "rpc_pipefs", "selinuxfs",  "fuse.gvfsd-fuse", "ramfs_internal"};
    return pseudo.count(type) == 0;
}

} // namespace

TOsVersion GetOsVersion() {
    TOsVersion v;
    utsname name{};
    if (::uname(&name) == 0) {
        v.Release = name.release;
        v.Machine = name.machine;
        unsigned parts[3] = {0, 0, 0};
        std::sscanf(name.release, "%u.%u.%u", &parts[0], &parts[1], &parts[2]);
        v.Major = parts[0];
        v.Minor = parts[1];
        v.Build = parts[2];
    }
    v.Name = OsReleaseValue(ReadWholeFile("/etc/os-release"), "PRETTY_NAME");
    return v;
}

std::vector<TMountEntry> GetMounts() {
    std::vector<TMountEntry> out;
    std::istringstream lines(ReadWholeFile("/proc/self/mounts"));
    String line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        String device, root, type;
        if (!(fields >> device >> root >> type) || !HoldsFiles(type)) continue;
        root = MountField(root);
        if (root.back() != '/') root += '/';
        out.push_back({root, type});
    }
    return out;
}

TMountEntry MountOf(const std::vector<TMountEntry>& mounts, std::string_view path) {
    String name = NormalizePath(path);
    if (name.empty() || name.back() != '/') name += '/';
    TMountEntry best;
    for (const TMountEntry& m : mounts)
        if (name.rfind(m.Root, 0) == 0 && m.Root.size() > best.Root.size()) best = m;
    return best;
}

std::vector<String> GetEnvironmentStrings() {
    std::vector<String> out;
    for (char** e = environ; e && *e; ++e)
        out.emplace_back(*e);
    return out;
}

Word LanguageIdOf(std::string_view locale) {
    struct Entry {
        const char* prefix;
        Word id;
    };
    // Country forms first, so "en_GB" is not taken for "en".
    static const Entry table[] = {
        {"en_GB", 0x0809}, {"en_US", 0x0409}, {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"hu", 0x040E},
        {"en", 0x0409},    {"de", 0x0407},    {"ru", 0x0419},    {"fr", 0x040C},    {"it", 0x0410},
        {"es", 0x0C0A},    {"sk", 0x041B},    {"cs", 0x0405},    {"pl", 0x0415},    {"ro", 0x0418},
        {"hr", 0x041A},    {"sl", 0x0424},    {"sr", 0x081A},    {"uk", 0x0422},    {"nl", 0x0413},
    };
    for (const Entry& e : table)
        if (locale.substr(0, std::string_view(e.prefix).size()) == e.prefix) return e.id;
    return 0;
}

Word GetSystemDefaultLangID() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return LanguageIdOf(value);
    }
    return 0;
}

String GetTimeZoneName() {
    ::tzset();
    return ::tzname[0] ? String(::tzname[0]) : String();
}

Integer GetTimeZoneBias() {
    ::tzset();
    return Integer(::timezone / 60);
}

double ProcessorMHzOf(std::string_view cpuinfo) {
    std::istringstream lines{String(cpuinfo)};
    String line;
    while (std::getline(lines, line)) {
        if (line.rfind("cpu MHz", 0) != 0) continue;
        const auto colon = line.find(':');
        if (colon == String::npos) continue;
        try {
            return std::stod(line.substr(colon + 1));
        } catch (const std::exception&) {
            return 0;
        }
    }
    return 0;
}

double GetProcessorMHz() {
    return ProcessorMHzOf(ReadWholeFile("/proc/cpuinfo"));
}
