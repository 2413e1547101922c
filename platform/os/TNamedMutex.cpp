#include "platform/os/TNamedMutex.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

String RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (runtime && runtime[0] == '/' && ::stat(runtime, &st) == 0 && S_ISDIR(st.st_mode)) return runtime;
    return "/tmp";
}

// Mutex names may hold any character; file names get a reversible encoding, so
// two different names never share a lock file.
String EncodeName(std::string_view name) {
    static const char hex[] = "0123456789ABCDEF";
    String out;
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' ||
            b == '_' || b == '.') {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(hex[b >> 4]);
            out.push_back(hex[b & 15]);
        }
    }
    // Past the file-name limit the tail is replaced by a stable hash of the whole name.
    if (out.size() > 180) {
        std::uint64_t hash = 1469598103934665603ull;
        for (char c : name) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ull;
        }
        out.resize(160);
        out.push_back('#');
        for (int shift = 60; shift >= 0; shift -= 4)
            out.push_back(hex[(hash >> shift) & 15]);
    }
    return out;
}

int OpenLockFile(const String& fileName, std::string_view name) {
    // Close-on-exec: programs we start must not inherit, and so keep, the lock.
    const int fd = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) throw EOSError("Cannot create mutex " + String(name) + ": " + std::strerror(errno));
    return fd;
}

int Flock(int fd, int operation) {
    int r;
    do {
        r = ::flock(fd, operation);
    } while (r != 0 && errno == EINTR);
    return r;
}

} // namespace

String TNamedMutex::LockFileName(std::string_view name) {
    const String folder = RuntimeFolder();
    // /tmp is shared by every user; the user id keeps each user's mutexes apart.
    const String prefix =
        folder == "/tmp" ? "velmora-" + std::to_string(::getuid()) + "-mutex-" : String("velmora-mutex-");
    return folder + "/" + prefix + EncodeName(name) + ".lock";
}

TNamedMutex::TNamedMutex(std::string_view name, bool initialOwner) : FName(name) {
    const String ownerFile = LockFileName(name);
    FOwnerFd = OpenLockFile(ownerFile, name);
    {
        // A constructor that raises runs no destructor.
        const core::ScopeFail closeOwner([this] { ::close(FOwnerFd); });
        FPresenceFd = OpenLockFile(ownerFile + ".open", name);
    }
    // Alone with the exclusive lock means no other object has the mutex open;
    // every open object then keeps a shared lock.
    FAlreadyExists = Flock(FPresenceFd, LOCK_EX | LOCK_NB) != 0;
    Flock(FPresenceFd, LOCK_SH);
    if (initialOwner) Wait(0);
}

TNamedMutex::~TNamedMutex() {
    if (FOwnerFd >= 0) ::close(FOwnerFd);
    if (FPresenceFd >= 0) ::close(FPresenceFd);
}

TWaitResult TNamedMutex::Wait(Cardinal timeoutMs) {
    if (FOwned) return TWaitResult::wrSignaled;
    if (timeoutMs == INFINITE_WAIT) {
        if (Flock(FOwnerFd, LOCK_EX) != 0) return TWaitResult::wrError;
        FOwned = true;
        return TWaitResult::wrSignaled;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        if (Flock(FOwnerFd, LOCK_EX | LOCK_NB) == 0) {
            FOwned = true;
            return TWaitResult::wrSignaled;
        }
        if (errno != EWOULDBLOCK) return TWaitResult::wrError;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) return TWaitResult::wrTimeout;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(std::chrono::milliseconds(10), deadline - now));
    }
}

bool TNamedMutex::Release() {
    if (!FOwned) return false;
    Flock(FOwnerFd, LOCK_UN);
    FOwned = false;
    return true;
}
