#pragma once
// The emulated registry's storage: one text file per root key under the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config, then
// "velmora/registry"), read whole and replaced whole (never half written) when
// something in it changes. Key paths are "\"-separated and compared ignoring
// case. Lines may end in LF or CR LF; lines that are not understood (and the
// values under a header that is not) are kept and written back: within their
// key, or, under a header that is not understood, as a block of their own
// ahead of the keys.
#include "platform/core/Types.h"

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace core {

enum class RegValueKind { String, ExpandString, Integer, Binary };

struct RegValue {
    String Name;
    RegValueKind Kind = RegValueKind::String;
    std::string Data;         // text, or raw bytes for Binary
    std::uint32_t Number = 0; // for Integer
};

// Value names are compared ignoring case (AnsiSameText).
struct RegKey {
    String Path;                   // as created; "" for the root
    std::vector<String> KeptLines; // not understood; written back after the values
    // Opened for creation only: written once it holds something.
    bool Pending = false;

    // In the order they were first stored, which is the order they are written in.
    const std::vector<RegValue>& Values() const { return FValues; }
    RegValue* FindValue(const String& name);
    // Replaces the value of that name in its place (keeping the stored spelling of
    // the name), or adds it at the end.
    void SetValue(RegValue value);
    bool DeleteValue(const String& name);

private:
    std::vector<RegValue> FValues;
    // Each value's position by its upper-cased name: a key read with many values
    // costs every look-up one step, not a walk through the values before it.
    std::unordered_map<String, size_t> FPositions;
};

// The write lock of a root's file (an advisory lock on a file beside it), held
// for as long as the object lives: two programs that change the same root take
// turns, and each reads the other's change before making its own. Without a
// folder to lock in, nothing is locked (the change then fails to save anyway).
class RegistryWriteLock {
public:
    explicit RegistryWriteLock(const String& rootName);
    ~RegistryWriteLock();
    RegistryWriteLock(const RegistryWriteLock&) = delete;
    RegistryWriteLock& operator=(const RegistryWriteLock&) = delete;

private:
    int FHandle = -1;
};

class RegistryHive {
public:
    // The folder that holds the hive files.
    static String Folder();
    // The hive of rootName ("HKEY_CURRENT_USER"); empty when its file is missing.
    static RegistryHive Load(const String& rootName);

    // Writes the whole hive; false when the folder or file cannot be written.
    bool Save();
    // True when the file is not the one last read or written (another program,
    // or another registry object, wrote it since).
    bool Changed() const;

    // Path without leading or trailing "\"; null when the key is absent. The root always exists.
    RegKey* FindKey(const String& path);
    // Creates the key and its missing parents. Precondition: ValidPath(path).
    // Pending keys (and parents made on the way) reach the file only once they
    // hold a value; creating a pending key again without Pending makes it a
    // key of its own.
    RegKey& CreateKey(const String& path, bool Pending = false);
    // Deletes the key with everything below it; false when it was absent or is the root.
    bool DeleteKey(const String& path);
    // The names of the key's direct sub-keys, in alphabetical order.
    std::vector<String> SubKeyNames(const String& path) const;

    // "a\\b\\" and "\\a\\b" become "a\\b"; empty parts are dropped.
    static String CleanPath(const String& path);
    // At most MaxDepth names below the root, none longer than MaxNameLength
    // characters, MaxPathBytes in all: other paths are refused, so no file can
    // make a key's work grow without bound.
    static bool ValidPath(const String& path);
    static constexpr int MaxDepth = 512;
    static constexpr int MaxNameLength = 255;
    static constexpr size_t MaxPathBytes = 8192;

private:
    // What identifies one version of the file: device, inode, size and change time.
    struct Stamp {
        std::uint64_t Device = 0, Inode = 0, Size = 0;
        std::int64_t Seconds = 0, Nanoseconds = 0;
        bool Exists = false;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp StampOf(const String& fileName);
    String Serialize() const;
    void Parse(const std::string& text);

    String FFileName;
    Stamp FStamp;
    std::map<String, RegKey> FKeys; // by upper-cased path
    // Not understood: the lines before the first key, then each block under a
    // header that is not understood.
    std::vector<String> FKeptLines;
};

} // namespace core
