#pragma once
// Whole files in and out, byte for byte, for tests that prepare or inspect files.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>

// The file's bytes; "" when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Writes bytes to path, creating its folders; executable makes it a program.
inline void WriteFileBytes(const std::string& path, const std::string& bytes, bool executable = false) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    { std::ofstream(path, std::ios::binary) << bytes; }
    if (executable) ::chmod(path.c_str(), 0755);
}
