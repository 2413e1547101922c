#include "platform/os/ProgramPaths.h"

#include <fstream>
#include <iterator>
#include <unistd.h>
#include <vector>

namespace {

std::vector<String> CommandLine() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<String> args;
    std::size_t start = 0;
    while (start < raw.size()) {
        const std::size_t end = raw.find('\0', start);
        args.emplace_back(raw.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return args;
}

} // namespace

String GetModuleFileName() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return n > 0 ? String(buffer.data(), static_cast<std::size_t>(n)) : String();
}

Integer ParamCount() {
    const auto args = CommandLine();
    return args.empty() ? 0 : static_cast<Integer>(args.size() - 1);
}

String ParamStr(Integer index) {
    if (index == 0) return GetModuleFileName();
    const auto args = CommandLine();
    if (index < 0 || static_cast<std::size_t>(index) >= args.size()) return {};
    return args[static_cast<std::size_t>(index)];
}
