#include "platform/os/SystemInfo.h"

#include "platform/core/FileUtils.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// The logical sector size of the block device behind a file system; 0 when
// there is none. A partition's figure is its disk's.
Cardinal DeviceSectorSize(dev_t device) {
    if (major(device) == 0) return 0;
    const String base =
        "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device)) + "/";
    for (const char* queue : {"queue/logical_block_size", "../queue/logical_block_size"}) {
        std::ifstream in(base + queue);
        unsigned long size = 0;
        if (in >> size && size > 0) return Cardinal(size);
    }
    return 0;
}

String ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') return String(home) + "/.config";
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? String(entry->pw_dir) + "/.config" : String();
}

String EnsureFolder(const String& folder) {
    if (folder.empty() || !ForceDirectories(folder)) return {};
    return folder;
}

} // namespace

String GetUserName() {
    // The account, not $USER: the environment may be inherited from someone else.
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name)
        return found->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "";
}

String FullNameOfAccountComment(std::string_view comment) {
    const auto comma = comment.find(',');
    std::string_view name = comment.substr(0, comma);
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return String(name);
}

String GetUserFullName() {
    std::vector<char> buffer(4096);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_gecos)
        return {};
    return FullNameOfAccountComment(found->pw_gecos);
}

String GetComputerName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

String GetWindowsDirectory() {
    const String config = ConfigFolder();
    return config.empty() ? String() : EnsureFolder(config + "/velmora");
}

String GetSystemDirectory() {
    const String windows = GetWindowsDirectory();
    return windows.empty() ? String() : EnsureFolder(windows + "/system");
}

bool GlobalMemoryStatus(TMemoryStatus& status) {
    struct sysinfo info {};
    if (::sysinfo(&info) != 0) return false;
    const auto unit = static_cast<Int64>(info.mem_unit ? info.mem_unit : 1);
    status.TotalPhys = static_cast<Int64>(info.totalram) * unit;
    // Buffers are memory the system hands back on demand, so they count as free.
    status.AvailPhys = static_cast<Int64>(info.freeram + info.bufferram) * unit;
    status.TotalPageFile = static_cast<Int64>(info.totalswap) * unit;
    status.AvailPageFile = static_cast<Int64>(info.freeswap) * unit;
    status.TotalVirtual = status.TotalPhys + status.TotalPageFile;
    status.AvailVirtual = status.AvailPhys + status.AvailPageFile;
    status.MemoryLoad =
        status.TotalPhys > 0 ? static_cast<Cardinal>(100 - status.AvailPhys * 100 / status.TotalPhys) : 0;
    return true;
}

Integer GetProcessorCount() {
    const unsigned count = std::thread::hardware_concurrency();
    return count > 0 ? static_cast<Integer>(count) : 1;
}

bool GetDiskFreeSpaceEx(std::string_view path, Int64& freeToCaller, Int64& total, Int64& totalFree) {
    const String name = NormalizePath(path);
    struct statvfs fs {};
    if (name.empty() || ::statvfs(name.c_str(), &fs) != 0) return false;
    const auto unit = static_cast<Int64>(fs.f_frsize ? fs.f_frsize : fs.f_bsize);
    freeToCaller = static_cast<Int64>(fs.f_bavail) * unit;
    total = static_cast<Int64>(fs.f_blocks) * unit;
    totalFree = static_cast<Int64>(fs.f_bfree) * unit;
    return true;
}

bool GetDiskGeometry(std::string_view path, TDiskGeometry& geometry) {
    const String name = NormalizePath(path);
    struct statvfs fs {};
    struct stat st {};
    if (name.empty() || ::statvfs(name.c_str(), &fs) != 0 || ::stat(name.c_str(), &st) != 0) return false;
    const auto cluster = Cardinal(fs.f_frsize ? fs.f_frsize : fs.f_bsize);
    Cardinal sector = DeviceSectorSize(st.st_dev);
    if (sector == 0 || sector > cluster || cluster % sector != 0) sector = cluster;
    geometry.BytesPerSector = sector;
    geometry.SectorsPerCluster = sector ? cluster / sector : 0;
    return true;
}
