#include "platform/core/AtomicFile.h"

#include "platform/core/FileUtils.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

// Where the last name of a file-system path starts.
size_t NameStart(const String& path) {
    const auto slash = path.rfind('/');
    return slash == String::npos ? 0 : slash + 1;
}

// The file a chain of symbolic links ends at, whether it exists or not, so the
// links survive the rename and a dangling link gets its file. A relative link
// is read from the folder the link is in; a loop gives the path itself.
String ResolveLink(const String& path) {
    String current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        char next[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), next, sizeof next - 1);
        if (n <= 0) return current;
        const String link(next, static_cast<size_t>(n));
        current = link[0] == '/' ? link : current.substr(0, NameStart(current)) + link;
    }
    return path;
}

constexpr std::string_view TempSuffix = ".tmp-XXXXXX";
constexpr size_t TempLetters = 6;

// The folder of a path whose name starts at start, "." for a bare name.
String FolderOf(const String& path, size_t start) {
    return start == 0 ? String(".") : path.substr(0, start);
}

// The temporary file's name: the target's name and ".tmp-XXXXXX", the name cut
// (at the start of a character) where the whole would pass the longest name the
// folder's file system takes, so any target name that fits gets a temporary.
String TempPattern(const String& target) {
    const size_t start = NameStart(target);
    const long limit = ::pathconf(FolderOf(target, start).c_str(), _PC_NAME_MAX);
    const size_t maxName = limit > 0 ? static_cast<size_t>(limit) : size_t(NAME_MAX);
    size_t end = target.size();
    if (end - start + TempSuffix.size() > maxName) {
        end = start + (maxName > TempSuffix.size() ? maxName - TempSuffix.size() : 0);
        while (end > start && (static_cast<unsigned char>(target[end]) & 0xC0) == 0x80)
            --end;
    }
    return target.substr(0, end) + String(TempSuffix);
}

// A temporary file of another writer is taken for a dead one's only once it has
// not been written to for this long: its lock says more, but a lock taken on
// another machine need not reach this one through a network share.
constexpr time_t StaleAfterSeconds = 10 * 60;

// Removes the file at path when its writer left it at its death: a plain file
// of this user's, not written to lately, that no live writer locks. It goes
// while locked, once the name is sure to still mean that file.
void RemoveIfAbandoned(const String& path, time_t now) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
        now - opened.st_mtime >= StaleAfterSeconds && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(path.c_str(), &named) == 0 && named.st_ino == opened.st_ino && named.st_dev == opened.st_dev)
        ::unlink(path.c_str());
    ::close(fd);
}

// Removes the temporary files that writers of the same target left when they
// died before their rename (a kill, a crash, a power cut). The caller's own is
// young and locked. A name cut short to fit never matches: the whole target
// name and the suffix would not fit in a name of that folder.
void RemoveStaleTemporaries(const String& target) {
    const size_t start = NameStart(target);
    const String name = target.substr(start);
    DIR* dir = ::opendir(FolderOf(target, start).c_str());
    if (!dir) return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir))
        if (IsTemporaryNameOf(name, entry->d_name))
            RemoveIfAbandoned(target.substr(0, start) + entry->d_name, now);
    ::closedir(dir);
}

void SyncFolder(const String& path) {
    const String folder = ExtractFileDir(path);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool IsTemporaryNameOf(std::string_view TargetName, std::string_view Name) {
    const std::string_view stem = TempSuffix.substr(0, TempSuffix.size() - TempLetters);
    if (TargetName.empty() || Name.size() != TargetName.size() + stem.size() + TempLetters ||
        Name.substr(0, TargetName.size()) != TargetName ||
        Name.substr(TargetName.size(), stem.size()) != stem)
        return false;
    // The letters the system's temporary-name routine picks from.
    for (const char c : Name.substr(Name.size() - TempLetters))
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

FileReplacement::FileReplacement(const String& Target) : FTarget(ResolveLink(NormalizePath(Target))) {
    String name = TempPattern(FTarget);
    FHandle = ::mkostemp(name.data(), O_CLOEXEC);
    if (FHandle < 0) {
        FError = errno;
        return;
    }
    FTempName = name;
    // Held until the guard ends, so no other writer of this target takes the file
    // for a dead writer's; a killed writer's lock goes with its process.
    ::flock(FHandle, LOCK_EX | LOCK_NB);
    // Keep the permissions of the file being replaced, else the usual ones.
    struct stat st {};
    const mode_t mode = ::stat(FTarget.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (::fchmod(FHandle, mode) != 0) {
        Fail();
        return;
    }
    RemoveStaleTemporaries(FTarget);
}

FileReplacement::~FileReplacement() {
    Discard();
}

void FileReplacement::Discard() {
    if (FHandle >= 0) ::close(FHandle);
    FHandle = -1;
    if (!FTempName.empty()) ::unlink(FTempName.c_str());
    FTempName.clear();
}

void FileReplacement::Fail() {
    FError = errno;
    Discard();
}

bool FileReplacement::StillOpen() {
    if (FHandle >= 0) return true;
    if (FError == 0) FError = EBADF;
    return false;
}

bool FileReplacement::Write(std::string_view Bytes) {
    if (!StillOpen()) return false;
    while (!Bytes.empty()) {
        const ssize_t n = ::write(FHandle, Bytes.data(), Bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            Fail();
            return false;
        }
        Bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool FileReplacement::Commit() {
    if (!StillOpen()) return false;
    // fsync reaches what any descriptor of the file wrote, a writer's own included.
    if (::fsync(FHandle) != 0) {
        Fail();
        return false;
    }
    const int handle = FHandle;
    FHandle = -1;
    if (::close(handle) != 0 || std::rename(FTempName.c_str(), FTarget.c_str()) != 0) {
        Fail();
        return false;
    }
    FTempName.clear();
    SyncFolder(FTarget);
    return true;
}

bool WriteFileAtomically(const String& fileName, std::string_view bytes) {
    FileReplacement file(fileName);
    return file.Write(bytes) && file.Commit();
}

std::optional<std::string> ReadWholeFile(const String& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string result;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        result.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return result;
}

} // namespace core
