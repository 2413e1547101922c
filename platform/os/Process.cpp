#include "platform/os/Process.h"

#include "platform/core/FileUtils.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Child {
    pid_t Pid = 0;
    bool Ended = false;
    bool Closed = false;
    bool Terminated = false;
    Cardinal TerminateCode = 0;
    Cardinal ExitCode = 0;
};

std::mutex gLock;
std::map<TProcessHandle, Child> gChildren;
TProcessHandle gNextHandle = 4;
thread_local Cardinal tLastError = ERROR_SUCCESS;

Cardinal ExitCodeOf(const Child& child, int status) {
    if (WIFEXITED(status)) return static_cast<Cardinal>(WEXITSTATUS(status));
    if (child.Terminated) return child.TerminateCode;
    if (WIFSIGNALED(status)) return 128u + static_cast<Cardinal>(WTERMSIG(status));
    return 0;
}

// Collects the child's status when it has ended; blocking waits until it does.
void Reap(Child& child, bool blocking) {
    if (child.Ended) return;
    int status = 0;
    pid_t r;
    do {
        r = ::waitpid(child.Pid, &status, blocking ? 0 : WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == child.Pid) {
        child.Ended = true;
        child.ExitCode = ExitCodeOf(child, status);
    } else if (r < 0) {
        // Someone else collected it (or children are ignored): it is gone all the same.
        child.Ended = true;
        child.ExitCode = child.Terminated ? child.TerminateCode : 0;
    }
}

// Closed handles of ended children are dropped; running ones wait for a later call.
void ReapClosed() {
    for (auto it = gChildren.begin(); it != gChildren.end();) {
        if (it->second.Closed) Reap(it->second, false);
        if (it->second.Closed && it->second.Ended)
            it = gChildren.erase(it);
        else
            ++it;
    }
}

Child* Find(TProcessHandle process) {
    ReapClosed();
    const auto it = gChildren.find(process);
    if (it == gChildren.end() || it->second.Closed) {
        tLastError = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    return &it->second;
}

bool IsExecutableFile(const String& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// The program's path, or "" with tLastError set.
String ResolveProgram(std::string_view program) {
    const String name = NormalizePath(program);
    if (name.empty()) {
        tLastError = ERROR_FILE_NOT_FOUND;
        return {};
    }
    if (name.find('/') != String::npos) {
        if (IsExecutableFile(name)) return name;
        tLastError = FileExists(name) ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
        return {};
    }
    const char* pathEnv = std::getenv("PATH");
    const String path = pathEnv ? pathEnv : "/usr/local/bin:/usr/bin:/bin";
    bool sawFile = false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find(':', start), path.size());
        const String dir = end > start ? path.substr(start, end - start) : String(".");
        const String candidate = dir + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
        sawFile = sawFile || FileExists(candidate);
        start = end + 1;
    }
    tLastError = sawFile ? ERROR_ACCESS_DENIED : ERROR_FILE_NOT_FOUND;
    return {};
}

Cardinal ErrorOfErrno(int error) {
    switch (error) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    case ENOEXEC:
        return ERROR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_INVALID_PARAMETER;
    }
}

} // namespace

TProcessHandle CreateProcess(std::string_view program, const std::vector<String>& arguments,
                             std::string_view directory) {
    std::lock_guard<std::mutex> guard(gLock);
    ReapClosed();
    const String path = ResolveProgram(program);
    if (path.empty()) return 0;
    const String dir = NormalizePath(directory);
    if (!dir.empty() && !DirectoryExists(dir)) {
        tLastError = ERROR_PATH_NOT_FOUND;
        return 0;
    }

    // Everything the child needs is built before fork: after it only
    // async-signal-safe calls may run.
    std::vector<String> argvText;
    argvText.push_back(String(program));
    argvText.insert(argvText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (String& arg : argvText)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        tLastError = ERROR_NOT_ENOUGH_MEMORY;
        return 0;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(report[0]);
        ::close(report[1]);
        tLastError = ERROR_NOT_ENOUGH_MEMORY;
        return 0;
    }
    if (pid == 0) {
        // Its own session, so the started program outlives us (a document opened from
        // the program stays open after it ends); signals we block or ignore are not passed on.
        ::setsid();
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        ::sigaction(SIGPIPE, &standard, nullptr);
        int error = 0;
        if (!dir.empty() && ::chdir(dir.c_str()) != 0)
            error = errno;
        else {
            ::execve(path.c_str(), argv.data(), environ);
            error = errno;
        }
        [[maybe_unused]] const ssize_t written = ::write(report[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(report[1]);
    int childError = 0;
    ssize_t n;
    do {
        n = ::read(report[0], &childError, sizeof childError);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    if (n == static_cast<ssize_t>(sizeof childError)) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        tLastError = ErrorOfErrno(childError);
        return 0;
    }
    const TProcessHandle handle = gNextHandle;
    gNextHandle += 4;
    Child child;
    child.Pid = pid;
    gChildren.emplace(handle, child);
    tLastError = ERROR_SUCCESS;
    return handle;
}

Cardinal WaitForSingleObject(TProcessHandle process, Cardinal timeoutMs) {
    std::unique_lock<std::mutex> guard(gLock);
    Child* child = Find(process);
    if (!child) return WAIT_FAILED;
    if (timeoutMs == INFINITE) {
        Reap(*child, true);
        return WAIT_OBJECT_0;
    }
    const Int64 deadline = static_cast<Int64>(timeoutMs);
    Int64 waited = 0;
    while (true) {
        Reap(*child, false);
        if (child->Ended) return WAIT_OBJECT_0;
        if (waited >= deadline) return WAIT_TIMEOUT;
        const Int64 step = std::min<Int64>(5, deadline - waited);
        guard.unlock();
        ::usleep(static_cast<useconds_t>(step * 1000));
        guard.lock();
        waited += step;
        child = Find(process);
        if (!child) return WAIT_FAILED;
    }
}

bool GetExitCodeProcess(TProcessHandle process, Cardinal& exitCode) {
    std::lock_guard<std::mutex> guard(gLock);
    Child* child = Find(process);
    if (!child) return false;
    Reap(*child, false);
    exitCode = child->Ended ? child->ExitCode : STILL_ACTIVE;
    return true;
}

bool TerminateProcess(TProcessHandle process, Cardinal exitCode) {
    std::lock_guard<std::mutex> guard(gLock);
    Child* child = Find(process);
    if (!child) return false;
    Reap(*child, false);
    // An ended child's pid may already belong to another process: never signal it.
    if (child->Ended) {
        tLastError = ERROR_ACCESS_DENIED;
        return false;
    }
    if (::kill(child->Pid, SIGTERM) != 0) {
        tLastError = ERROR_ACCESS_DENIED;
        return false;
    }
    child->Terminated = true;
    child->TerminateCode = exitCode;
    return true;
}

bool CloseHandle(TProcessHandle process) {
    std::lock_guard<std::mutex> guard(gLock);
    Child* child = Find(process);
    if (!child) return false;
    child->Closed = true;
    ReapClosed();
    return true;
}

Integer ProcessId(TProcessHandle process) {
    std::lock_guard<std::mutex> guard(gLock);
    const auto it = gChildren.find(process);
    return it == gChildren.end() || it->second.Closed ? 0 : static_cast<Integer>(it->second.Pid);
}

Cardinal GetLastError() {
    return tLastError;
}

void SetLastError(Cardinal code) {
    tLastError = code;
}

std::vector<String> SplitCommandLine(std::string_view commandLine) {
    std::vector<String> args;
    String current;
    bool inArg = false;
    bool quoted = false;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        const char c = commandLine[i];
        if (!quoted && (c == ' ' || c == '\t')) {
            if (inArg) {
                args.push_back(current);
                current.clear();
                inArg = false;
            }
            ++i;
            continue;
        }
        inArg = true;
        if (c == '\\') {
            std::size_t slashes = 0;
            while (i < commandLine.size() && commandLine[i] == '\\') {
                ++slashes;
                ++i;
            }
            if (i < commandLine.size() && commandLine[i] == '"') {
                current.append(slashes / 2, '\\');
                if (slashes % 2 == 1) {
                    current.push_back('"');
                    ++i;
                }
            } else {
                current.append(slashes, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (quoted && i + 1 < commandLine.size() && commandLine[i + 1] == '"') {
                current.push_back('"');
                i += 2;
                continue;
            }
            quoted = !quoted;
            ++i;
            continue;
        }
        current.push_back(c);
        ++i;
    }
    if (inArg) args.push_back(current);
    return args;
}
