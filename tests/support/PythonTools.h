#pragma once
// Running the system's Python with the Debian readers (python3-xlrd,
// python3-olefile), and other installed programs, that check written files
// independently. Header-only.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// The system's interpreter, which the Debian modules belong to; another python3
// earlier on PATH may lack them.
inline std::string SystemPython() {
    return std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

// True when the system's Python can import Module.
inline bool PythonHas(const std::string& Module) {
    return std::system((SystemPython() + " -c 'import " + Module + "' >/dev/null 2>&1").c_str()) == 0;
}

// True when Program is installed (found on PATH).
inline bool OnPath(const std::string& Program) {
    return std::system(("command -v " + Program + " >/dev/null 2>&1").c_str()) == 0;
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
