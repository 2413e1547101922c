#pragma once
// Running the system's Python with the Debian readers (python3-xlrd,
// python3-olefile), and other installed programs, that check written files
// independently; and the one way a test ends when such a tool is missing.
// Header-only.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// The system's interpreter, which the Debian modules belong to; another python3
// earlier on PATH may lack them.
inline std::string SystemPython() {
    return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// True when Program is installed (found on PATH).
inline bool OnPath(const std::string& Program) {
    return std::system(("command -v " + Program + " >/dev/null 2>&1").c_str()) == 0;
}

// Text as one word of a shell command, whatever it holds.
inline std::string ShellQuoted(const std::string& Text) {
    std::string quoted = "'";
    for (char c : Text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// What Command writes to its standard output and error.
inline std::string CommandOutput(const std::string& Command) {
    std::string out;
    if (FILE* pipe = ::popen((Command + " 2>&1").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// "" when the system's Python can import Module, else which Debian package is missing.
inline std::string PythonModuleMissing(const std::string& Module) {
    const bool has =
        std::system((SystemPython() + " -c 'import " + Module + "' >/dev/null 2>&1").c_str()) == 0;
    return has ? "" : "python3-" + Module + " is not installed";
}

// "" when Program is on PATH, else which one (and the Debian package that brings it) is missing.
inline std::string ProgramMissing(const std::string& Program, const std::string& Package) {
    return OnPath(Program) ? "" : Program + " (" + Package + ") is not installed";
}

// True where the outside tools must be there: tools/test installs them and says
// so (VELMORA_READERS_REQUIRED), so that a run in CI never passes by skipping them.
inline bool ToolsRequired() {
    const char* value = std::getenv("VELMORA_READERS_REQUIRED");
    return value != nullptr && *value != '\0' && std::string(value) != "0";
}

// In a test body: ends the test when Missing (why the outside tool it needs, a reader,
// renderer, spooler or X server that tools/setup installs, cannot serve) is not empty,
// as skipped on a developer's machine and as failed under tools/test.
#define SKIP_WITHOUT_TOOL(Missing)                                                                           \
    do {                                                                                                     \
        if (const std::string missing_ = (Missing); !missing_.empty()) {                                     \
            if (ToolsRequired())                                                                             \
                FAIL() << missing_ << " (tools/test needs it; tools/setup --tests installs it)";             \
            GTEST_SKIP() << missing_ << " (tools/setup --tests installs it)";                                \
        }                                                                                                    \
    } while (false)
