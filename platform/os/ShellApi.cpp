#include "platform/os/ShellApi.h"

#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"

#include <QString>
#include <QUrl>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Cardinal gOpenWaitMs = 0;

// The print command hands the job to the spooler and ends at once; its verdict is worth a moment.
constexpr Cardinal PrintWaitMs = 1000;

// "http://x", "mailto:a@b": a scheme of two or more letters, so "C:\x" stays a path.
bool IsLink(std::string_view file) {
    const std::size_t colon = file.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = file[i];
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
        if (!ok) return false;
    }
    return true;
}

// A file the system executes: a binary or a "#!" script the user may run.
// Documents on file systems that mark everything executable are still documents.
bool IsExecutable(const String& path) {
    if (::access(path.c_str(), X_OK) != 0) return false;
    std::ifstream in(path, std::ios::binary);
    char magic[4] = {};
    in.read(magic, 4);
    if (in.gcount() >= 4 && magic[0] == '\x7F' && magic[1] == 'E' && magic[2] == 'L' && magic[3] == 'F')
        return true;
    return in.gcount() >= 2 && magic[0] == '#' && magic[1] == '!';
}

// A file a desktop's opener starts rather than shows, whatever its mode: a
// launcher, or a Windows program (a compatibility layer takes those by name
// and by their "MZ" header with its "PE" signature).
bool OpenerRuns(const String& path) {
    static const char* const programNames[] = {".desktop", ".exe", ".com", ".bat", ".cmd",
                                               ".msi",     ".scr", ".pif", ".lnk", ".jar"};
    const String name = LowerCase(path);
    for (const char* ext : programNames) {
        const std::size_t n = std::strlen(ext);
        if (name.size() > n && name.compare(name.size() - n, n, ext) == 0) return true;
    }
    std::ifstream in(path, std::ios::binary);
    std::string head(4096, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    if (head.rfind("[Desktop Entry]", 0) == 0) return true;
    if (head.size() < 0x40 || head[0] != 'M' || head[1] != 'Z') return false;
    std::uint32_t pe = 0;
    for (int i = 3; i >= 0; --i)
        pe = pe << 8 | static_cast<unsigned char>(head[0x3C + i]);
    return std::size_t(pe) + 4 <= head.size() && head.compare(pe, 4, std::string("PE\0\0", 4)) == 0;
}

// The path a "file:" link names in any of its forms (file:/p, file:///p, file://host/p, the
// scheme in any case, the name percent-encoded): the desktop's openers take that path on this
// machine whatever the host. None for any other link.
std::optional<String> LocalFileOf(std::string_view link) {
    if (!AnsiStartsText("file:", link)) return std::nullopt;
    const QUrl url(QString::fromUtf8(link.data(), static_cast<qsizetype>(link.size())));
    return url.path(QUrl::FullyDecoded).toStdString();
}

// The file path ShellExecuteEx works on: slashes, relative names against the
// working directory, made absolute.
String ResolvePath(std::string_view file, const String& directory) {
    String path = NormalizePath(file);
    if (!path.empty() && path[0] != '/' && !directory.empty())
        path = IncludeTrailingPathDelimiter(directory) + path;
    return ExpandFileName(path);
}

Integer ShellErrorOf(Cardinal error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return SE_ERR_FNF;
    case ERROR_PATH_NOT_FOUND:
        return SE_ERR_PNF;
    case ERROR_ACCESS_DENIED:
        return SE_ERR_ACCESSDENIED;
    case ERROR_NOT_ENOUGH_MEMORY:
        return SE_ERR_OOM;
    case ERROR_BAD_FORMAT:
        return static_cast<Integer>(ERROR_BAD_FORMAT);
    default:
        return SE_ERR_NOASSOC;
    }
}

// Hands the process back to the caller when asked, else lets it be reaped.
bool Started(TShellExecuteInfo& info, TProcessHandle process) {
    info.InstApp = SE_OK;
    if ((info.Mask & SEE_MASK_NOCLOSEPROCESS) != 0)
        info.Process = process;
    else if (process != 0)
        CloseHandle(process);
    return true;
}

bool Failed(TShellExecuteInfo& info, Integer code) {
    info.InstApp = code;
    return false;
}

// Hands target to a helper program (the desktop's opener, or the print command),
// judging its result by its exit code when it ends within the wait: the opener's
// (gOpenWaitMs), or the print command's.
bool RunHelper(TShellExecuteInfo& info, const char* helper, const String& target, const String& directory,
               bool printing = false) {
    const TProcessHandle opener = CreateProcess(helper, {target}, directory);
    if (opener == 0)
        // Without the helper nothing is associated with anything.
        return Failed(info,
                      GetLastError() == ERROR_FILE_NOT_FOUND ? SE_ERR_NOASSOC : ShellErrorOf(GetLastError()));
    // Not waited for at all: its verdict, however quick, comes through its exit code.
    const Cardinal waitMs = printing ? PrintWaitMs : gOpenWaitMs;
    if (waitMs == 0 || WaitForSingleObject(opener, waitMs) == WAIT_TIMEOUT) return Started(info, opener);
    Cardinal code = 0;
    GetExitCodeProcess(opener, code);
    CloseHandle(opener);
    // The print command ends with 1 for every refusal: no printer, a queue that takes no job.
    if (printing && code != 0) return Failed(info, static_cast<Integer>(ERROR_NOT_READY));
    const Integer result = ShellCodeOfHelperExit(code);
    // A helper that succeeded has handed the document to a program that runs on its own.
    return result > 32 ? Started(info, 0) : Failed(info, result);
}

} // namespace

Integer ShellCodeOfHelperExit(Cardinal exitCode) {
    switch (exitCode) {
    case 0:
        return SE_OK;
    case 2:
        return SE_ERR_FNF;
    default:
        return SE_ERR_NOASSOC;
    }
}

void SetShellOpenWaitMs(Cardinal ms) {
    gOpenWaitMs = ms;
}

bool ShellExecuteEx(TShellExecuteInfo& info) {
    info.InstApp = 0;
    info.Process = 0;
    const String verb = LowerCase(Trim(info.Verb));
    if (!verb.empty() && verb != "open" && verb != "explore" && verb != "print")
        return Failed(info, SE_ERR_NOASSOC);
    if (info.File.empty()) return Failed(info, SE_ERR_FNF);

    const String directory = NormalizePath(info.Directory);
    if (!directory.empty() && !DirectoryExists(directory)) return Failed(info, SE_ERR_PNF);

    if (IsLink(info.File)) {
        if (verb == "explore" || verb == "print") return Failed(info, SE_ERR_NOASSOC);
        // A link is shown, never run: one to a program file is refused, and so is one whose
        // path no file can have, which leaves nothing to check.
        if (const auto local = LocalFileOf(info.File)) {
            if (local->empty() || local->find('\0') != String::npos) return Failed(info, SE_ERR_FNF);
            if (IsProgramFile(*local, directory)) return Failed(info, SE_ERR_ACCESSDENIED);
        }
        return RunHelper(info, "xdg-open", info.File, directory);
    }

    const String path = ResolvePath(info.File, directory);

    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const String parent = ExtractFileDir(ExcludeTrailingPathDelimiter(path));
        return Failed(info, !parent.empty() && !DirectoryExists(parent) ? SE_ERR_PNF : SE_ERR_FNF);
    }
    if (S_ISDIR(st.st_mode))
        return verb == "print" ? Failed(info, SE_ERR_NOASSOC) : RunHelper(info, "xdg-open", path, directory);
    // Only folders can be explored.
    if (verb == "explore") return Failed(info, SE_ERR_NOASSOC);
    if (::access(path.c_str(), R_OK) != 0) return Failed(info, SE_ERR_ACCESSDENIED);
    if (verb == "print") return RunHelper(info, "lp", path, directory, true);
    if (IsExecutable(path)) {
        const TProcessHandle process = CreateProcess(path, SplitCommandLine(info.Parameters), directory);
        if (process == 0) return Failed(info, ShellErrorOf(GetLastError()));
        return Started(info, process);
    }
    return RunHelper(info, "xdg-open", path, directory);
}

bool IsProgramFile(std::string_view file, std::string_view directory) {
    const String path = ResolvePath(file, NormalizePath(directory));
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    return IsExecutable(path) || OpenerRuns(path);
}

Integer ShellExecute(std::string_view verb, std::string_view file, std::string_view parameters,
                     std::string_view directory, Integer show) {
    TShellExecuteInfo info;
    info.Verb = String(verb);
    info.File = String(file);
    info.Parameters = String(parameters);
    info.Directory = String(directory);
    info.Show = show;
    ShellExecuteEx(info);
    return info.InstApp;
}
