#include "platform/core/FileUtils.h"

#include "platform/core/Exceptions.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool IsDelim(char c) {
    return c == '/' || c == '\\';
}

// Index of the last path delimiter or drive colon, npos when none.
std::size_t LastPathBreak(std::string_view s) {
    for (std::size_t i = s.size(); i > 0; --i)
        if (IsDelim(s[i - 1]) || s[i - 1] == ':') return i - 1;
    return std::string_view::npos;
}

// Index of the extension's ".", npos when the name part has none.
std::size_t ExtensionDot(std::string_view s) {
    for (std::size_t i = s.size(); i > 0; --i) {
        const char c = s[i - 1];
        if (c == '.') return i - 1;
        if (IsDelim(c) || c == ':') break;
    }
    return std::string_view::npos;
}

fs::path ToPath(std::string_view name) {
    return fs::path(NormalizePath(name));
}

} // namespace

String NormalizePath(std::string_view path) {
    String out(path);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

bool IsPathDelimiter(std::string_view s, Integer index) {
    return index >= 1 && static_cast<std::size_t>(index) <= s.size() &&
           IsDelim(s[static_cast<std::size_t>(index - 1)]);
}

String ExtractFilePath(std::string_view fileName) {
    const std::size_t i = LastPathBreak(fileName);
    return i == std::string_view::npos ? String() : String(fileName.substr(0, i + 1));
}

String ExtractFileDir(std::string_view fileName) {
    std::size_t i = LastPathBreak(fileName);
    if (i == std::string_view::npos) return {};
    // Keep the delimiter of a root ("/", "C:\") so the result still names that root.
    if (i > 0 && IsDelim(fileName[i]) && !IsDelim(fileName[i - 1]) && fileName[i - 1] != ':')
        return String(fileName.substr(0, i));
    return String(fileName.substr(0, i + 1));
}

String ExtractFileName(std::string_view fileName) {
    const std::size_t i = LastPathBreak(fileName);
    return String(i == std::string_view::npos ? fileName : fileName.substr(i + 1));
}

String ExtractFileExt(std::string_view fileName) {
    const std::size_t dot = ExtensionDot(fileName);
    return dot == std::string_view::npos ? String() : String(fileName.substr(dot));
}

String ChangeFileExt(std::string_view fileName, std::string_view extension) {
    const std::size_t dot = ExtensionDot(fileName);
    String out(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
    out.append(extension);
    return out;
}

String IncludeTrailingPathDelimiter(std::string_view s) {
    String out(s);
    if (out.empty() || !IsDelim(out.back())) out.push_back(PathDelim);
    return out;
}

String ExcludeTrailingPathDelimiter(std::string_view s) {
    String out(s);
    if (out.size() > 1 && IsDelim(out.back())) out.pop_back();
    return out;
}

String ExpandFileName(std::string_view fileName) {
    if (fileName.empty()) return {};
    String path = NormalizePath(fileName);
    if (path[0] != '/') path = GetCurrentDir() + "/" + path;
    std::vector<std::string_view> parts;
    std::string_view rest(path);
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    String out;
    for (std::string_view part : parts) {
        out.push_back('/');
        out.append(part);
    }
    // A trailing delimiter names a folder; keep it so callers can append a file name.
    if (!out.empty() && path.back() == '/') out.push_back('/');
    return out.empty() ? String("/") : out;
}

bool FileExists(std::string_view fileName) {
    if (fileName.empty()) return false;
    std::error_code ec;
    const fs::file_status status = fs::status(ToPath(fileName), ec);
    return !ec && fs::exists(status) && !fs::is_directory(status);
}

bool FileNameTaken(std::string_view fileName) {
    if (fileName.empty()) return false;
    std::error_code ec;
    return fs::exists(fs::symlink_status(ToPath(fileName), ec));
}

bool DirectoryExists(std::string_view dir) {
    if (dir.empty()) return false;
    std::error_code ec;
    return fs::is_directory(ToPath(dir), ec);
}

bool ForceDirectories(std::string_view dir) {
    const String path = ExcludeTrailingPathDelimiter(NormalizePath(dir));
    if (path.empty()) throw EInOutError("Unable to create directory");
    std::error_code ec;
    fs::create_directories(fs::path(path), ec);
    return DirectoryExists(path);
}

bool CreateDir(std::string_view dir) {
    if (dir.empty()) return false;
    return ::mkdir(NormalizePath(dir).c_str(), 0777) == 0;
}

bool RemoveDir(std::string_view dir) {
    if (dir.empty()) return false;
    return ::rmdir(NormalizePath(dir).c_str()) == 0;
}

bool DeleteFile(std::string_view fileName) {
    if (!FileExists(fileName)) return false;
    return ::unlink(NormalizePath(fileName).c_str()) == 0;
}

bool RenameFile(std::string_view oldName, std::string_view newName) {
    const String from = NormalizePath(oldName);
    const String to = NormalizePath(newName);
    if (from.empty() || to.empty()) return false;
    // Renaming never replaces an existing file: callers rename into a free name
    // and must not lose a file that appeared there meanwhile.
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (FileNameTaken(to)) return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

String GetCurrentDir() {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    return ec ? String() : current.string();
}

bool SetCurrentDir(std::string_view dir) {
    return !dir.empty() && ::chdir(NormalizePath(dir).c_str()) == 0;
}

Int64 FileSize(std::string_view fileName) {
    struct stat st {};
    if (fileName.empty() || ::stat(NormalizePath(fileName).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<Int64>(st.st_size);
}

String GetTempPath() {
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && tmp[0] == '/' && DirectoryExists(tmp)) return IncludeTrailingPathDelimiter(tmp);
    return "/tmp/";
}

String GetTempFileName(std::string_view dir, std::string_view prefix, Cardinal unique) {
    const String folder = IncludeTrailingPathDelimiter(NormalizePath(dir));
    const String head = String(prefix.substr(0, 3));
    const auto nameOf = [&](Cardinal number) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%X", number & 0xFFFFu);
        return folder + head + hex + ".tmp";
    };
    if (unique != 0) return nameOf(unique);
    // Start from a varying number so that successive runs do not probe the same names.
    const Cardinal start =
        static_cast<Cardinal>(::getpid()) * 7919u + static_cast<Cardinal>(std::time(nullptr));
    for (Cardinal i = 0; i < 0x10000u; ++i) {
        const Cardinal number = ((start + i) & 0xFFFFu) == 0 ? 1 : (start + i);
        const String name = nameOf(number);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) return {};
    }
    return {};
}
