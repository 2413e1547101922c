#pragma once
// A print spooler of the test's own: cupsd with its configuration, spool, logs
// and socket in a temporary folder, stopped when the object goes. Nothing of
// the machine's spooler is used. While it runs, CUPS_SERVER points this process
// (and the commands it starts) at it. Header-only.
#include "tests/support/FileBytes.h"
#include "tests/support/PythonTools.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <csignal>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

class PrivateSpooler {
public:
    PrivateSpooler() {
        const std::string cupsd = "/usr/sbin/cupsd";
        if (::access(cupsd.c_str(), X_OK) != 0) {
            FError = "cupsd (cups) is not installed";
            return;
        }
        // Run as root, cupsd gives filters another user, who must reach the spool.
        ::chmod(FDir.Path().c_str(), 0755);
        WriteFileBytes(FDir.File("cupsd.conf"),
                       "Listen " + Socket() +
                           "\nBrowsing No\nWebInterface No\nDefaultAuthType None\n"
                           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                           "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                           "    Allow all\n  </Limit>\n</Policy>\n");
        WriteFileBytes(FDir.File("cups-files.conf"),
                       "ServerRoot " + FDir.Path() + "\nRequestRoot " + FDir.File("spool") + "\nTempDir " +
                           FDir.File("spool/tmp") + "\nCacheDir " + FDir.File("cache") + "\nStateDir " +
                           FDir.File("state") + "\nAccessLog " + FDir.File("access_log") + "\nErrorLog " +
                           FDir.File("error_log") + "\nPageLog " + FDir.File("page_log") +
                           "\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\nFileDevice Yes\n");
        std::filesystem::create_directories(FDir.File("spool/tmp"));
        const std::string conf = FDir.File("cupsd.conf"), files = FDir.File("cups-files.conf");
        char* argv[] = {const_cast<char*>("cupsd"),
                        const_cast<char*>("-f"),
                        const_cast<char*>("-c"),
                        const_cast<char*>(conf.c_str()),
                        const_cast<char*>("-s"),
                        const_cast<char*>(files.c_str()),
                        nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, FDir.File("cupsd.out").c_str(), O_WRONLY | O_CREAT,
                                         0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        const int spawned = ::posix_spawn(&FPid, cupsd.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            FPid = 0;
            FError = "cupsd could not be started";
            return;
        }
        for (int i = 0; i < 600 && !std::filesystem::exists(Socket()); ++i) { // a minute: only a hang
            if (::waitpid(FPid, nullptr, WNOHANG) == FPid) {
                FPid = 0;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (FPid == 0 || !std::filesystem::exists(Socket())) {
            FError = "cupsd did not start: " + ReadFileBytes(FDir.File("cupsd.out")) +
                     ReadFileBytes(FDir.File("error_log"));
            return;
        }
        FServer.emplace("CUPS_SERVER", Socket());
        AskForTheServerAgain();
    }
    ~PrivateSpooler() {
        FServer.reset();
        AskForTheServerAgain();
        if (FPid == 0) return;
        ::kill(FPid, SIGTERM);
        ::waitpid(FPid, nullptr, 0);
    }
    PrivateSpooler(const PrivateSpooler&) = delete;
    PrivateSpooler& operator=(const PrivateSpooler&) = delete;

    // Why the spooler is not running; "" when it is.
    const std::string& Error() const { return FError; }
    std::string Socket() const { return FDir.File("cups.sock"); }
    std::string File(const std::string& name) const { return FDir.File(name); }

    // A command of the spooler's tools (lpadmin, cupsreject, lpstat) run against
    // this spooler: its output, with "exit N" appended when it fails.
    std::string Run(const std::string& command) const {
        return CommandOutput("CUPS_SERVER='" + Socket() + "' " + command + " || echo \"exit $?\"");
    }
    // Waits until no job of the spooler is unfinished; false when one still is after seconds.
    bool WaitForJobs(int seconds) const {
        for (int i = 0; i < seconds * 10; ++i) {
            if (Run("lpstat -o").empty()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

private:
    // The client library keeps the server it first found (Qt's printer support
    // asks for it as soon as a printer is made): it is told to look again.
    static void AskForTheServerAgain() {
        if (void* cups = ::dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL)) {
            if (auto set = reinterpret_cast<void (*)(const char*)>(::dlsym(cups, "cupsSetServer")))
                set(nullptr);
            ::dlclose(cups);
        }
    }

    TempFolder FDir{"velmora-cups"};
    std::optional<ScopedEnv> FServer;
    pid_t FPid = 0;
    std::string FError;
};
