#pragma once
// Further facts about the running system, read from Linux sources: the kernel
// and distribution (uname, os-release), the mount table,
// the environment, the time zone, the language and the processor clock.
#include "platform/core/Types.h"

#include <string_view>
#include <vector>

struct TOsVersion {
    Cardinal Major = 0; // kernel release "6.1.0-13-amd64": 6
    Cardinal Minor = 0; // 1
    Cardinal Build = 0; // 0
    String Release;     // the whole release text
    String Machine;     // "x86_64"
    String Name;        // os-release PRETTY_NAME; "" when unknown
};
TOsVersion GetOsVersion();

struct TMountEntry {
    String Root; // mount point with a trailing "/"
    String Type; // file-system type ("ext4", "nfs", "tmpfs" ...)
};
// The mounted file systems that hold files (kernel and pseudo file systems such
// as proc, sysfs and cgroup are left out), in the mount table's order.
std::vector<TMountEntry> GetMounts();
// The entry whose mount point holds path (the longest matching root); an entry
// with an empty Root when none does.
TMountEntry MountOf(const std::vector<TMountEntry>& mounts, std::string_view path);

// "NAME=value" lines of the process environment, in its order.
std::vector<String> GetEnvironmentStrings();

// Windows-style language identifier of LANG (LC_ALL and LC_MESSAGES first):
// "hu_HU.UTF-8" → 0x040E, "en_US" → 0x0409, "de_DE" → 0x0407; 0 when unknown.
Word LanguageIdOf(std::string_view locale);
Word GetSystemDefaultLangID();

// Standard-time zone name ("CET") and the bias in minutes (UTC = local + bias,
// so Central Europe gives -60).
String GetTimeZoneName();
Integer GetTimeZoneBias();

// The first processor's clock in MHz from /proc/cpuinfo; 0 when not given.
double GetProcessorMHz();
// The MHz figure of a /proc/cpuinfo text.
double ProcessorMHzOf(std::string_view cpuinfo);
