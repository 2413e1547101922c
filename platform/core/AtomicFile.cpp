#include "platform/core/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace core {

FileReplacement::FileReplacement(const String& Target) : FTarget(Target) {
    String name = Target + ".tmp-XXXXXX";
    FHandle = ::mkstemp(name.data());
    if (FHandle < 0) return;
    FTempName = name;
    // Keep the permissions of the file being replaced, else the usual ones.
    struct stat st {};
    const mode_t mode = ::stat(Target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (::fchmod(FHandle, mode) != 0) Discard();
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

bool FileReplacement::Commit() {
    if (FHandle < 0) return false;
    // fsync reaches what any descriptor of the file wrote, a writer's own included.
    bool ok = ::fsync(FHandle) == 0;
    ok = ::close(FHandle) == 0 && ok;
    FHandle = -1;
    ok = ok && std::rename(FTempName.c_str(), FTarget.c_str()) == 0;
    if (ok) FTempName.clear();
    Discard();
    return ok;
}

bool WriteFileAtomically(const String& fileName, std::string_view bytes) {
    FileReplacement file(fileName);
    bool ok = file.Valid();
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(file.Handle(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<size_t>(n);
    }
    return ok && file.Commit();
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
