#include "platform/core/AtomicFile.h"

#include "platform/core/FileUtils.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

namespace {

// The file a symbolic link names, so the link itself survives the rename.
String ResolveLink(const String& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? String(resolved) : path;
}

void SyncFolder(const String& path) {
    const String folder = ExtractFileDir(path);
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

FileReplacement::FileReplacement(const String& Target) : FTarget(ResolveLink(NormalizePath(Target))) {
    String name = FTarget + ".tmp-XXXXXX";
    FHandle = ::mkostemp(name.data(), O_CLOEXEC);
    if (FHandle < 0) {
        FError = errno;
        return;
    }
    FTempName = name;
    // Keep the permissions of the file being replaced, else the usual ones.
    struct stat st {};
    const mode_t mode = ::stat(FTarget.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (::fchmod(FHandle, mode) != 0) Fail();
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
