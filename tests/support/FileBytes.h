#pragma once
// Whole files in and out, byte for byte, for tests that prepare or inspect files.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

// The file's bytes; "" when it cannot be read (a folder too).
inline std::string ReadFileBytes(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return {};
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Writes bytes to path, creating its folders; executable makes it a program.
inline void WriteFileBytes(const std::string& path, const std::string& bytes, bool executable = false) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    { std::ofstream(path, std::ios::binary) << bytes; }
    if (executable) ::chmod(path.c_str(), 0755);
}

// The names of the entries in folder (hidden ones too), sorted.
inline std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
