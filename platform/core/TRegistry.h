#pragma once
// The registry, emulated in files (see core::RegistryHive): keys under a root
// key, each holding named string, integer and binary values. The root's file is
// read once and again only when it changed on disk; it is written only when a
// key is created or deleted or a value changes, under the root's write lock,
// so a second program's changes are read first and kept.
#include "platform/core/TObject.h"

#include <cstdint>
#include <memory>

namespace core {
class RegistryHive;
struct RegValue;
} // namespace core

class TStrings;

using HKEY = std::uint32_t;
constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr HKEY HKEY_USERS = 0x80000003u;
constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;
constexpr HKEY HKEY_DYN_DATA = 0x80000006u;

constexpr Cardinal KEY_QUERY_VALUE = 0x0001;
constexpr Cardinal KEY_SET_VALUE = 0x0002;
constexpr Cardinal KEY_READ = 0x20019;
constexpr Cardinal KEY_WRITE = 0x20006;
constexpr Cardinal KEY_ALL_ACCESS = 0xF003F;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry : public TObject {
public:
    explicit TRegistry(Cardinal AAccess = KEY_ALL_ACCESS);
    ~TRegistry() override;

    String ClassName() const override { return "TRegistry"; }

    HKEY RootKey() const { return FRootKey; }
    // Closes the current key.
    void SetRootKey(HKEY Value);
    Cardinal Access() const { return FAccess; }
    void SetAccess(Cardinal Value) { FAccess = Value; }
    // The open key's path below the root ("" for the root itself or none open).
    const String& CurrentPath() const { return FCurrentPath; }
    bool HasCurrentKey() const { return FHasKey; }

    // Key is relative to the open key, or to the root when it starts with "\" or
    // none is open. Opens it and makes it current; with CanCreate a missing key
    // is created, but reaches the file only with the next change (opening
    // writes nothing).
    // False when it is missing (without CanCreate), the root key is unknown, the
    // name holds a line break, the path is too deep or long (see
    // core::RegistryHive::ValidPath) or the store's folder cannot be written.
    bool OpenKey(const String& Key, bool CanCreate);
    // Opens an existing key; writes through it then fail.
    bool OpenKeyReadOnly(const String& Key);
    void CloseKey();
    // Creates Key (relative as for OpenKey) without opening it. Raises
    // ERegistryException "Failed to create key <key>" when it cannot be stored
    // or its path is refused.
    bool CreateKey(const String& Key);
    // Deletes Key and everything below it; false when it did not exist.
    bool DeleteKey(const String& Key);
    bool KeyExists(const String& Key);
    bool HasSubKeys();
    // The sub-keys / value names of the open key (Strings is cleared first).
    void GetKeyNames(TStrings* Strings);
    void GetValueNames(TStrings* Strings);

    bool ValueExists(const String& Name);
    bool DeleteValue(const String& Name);
    // rdUnknown when the value is absent.
    TRegDataType GetDataType(const String& Name);
    // Bytes of data (strings count their terminating zero); -1 when absent.
    Integer GetDataSize(const String& Name);

    // "" when absent; ERegistryException "Invalid data type for '<name>'" when
    // the value is not a string.
    String ReadString(const String& Name);
    // Raises ERegistryException "Failed to set data for '<name>'" when no key is
    // open, the key is read-only or the change cannot be stored. Writing the
    // value a key already holds leaves the file alone.
    void WriteString(const String& Name, const String& Value);
    void WriteExpandString(const String& Name, const String& Value);
    // Raises "Failed to get data for '<name>'" when absent and "Invalid data type
    // for '<name>'" when not an integer.
    Integer ReadInteger(const String& Name);
    void WriteInteger(const String& Name, Integer Value);
    bool ReadBool(const String& Name) { return ReadInteger(Name) != 0; }
    void WriteBool(const String& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
    // Copies the value into Buffer and returns its size; 0 when absent. Raises
    // "Invalid data type for '<name>'" when it is not binary or BufSize is too small.
    Integer ReadBinaryData(const String& Name, void* Buffer, Integer BufSize);
    void WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize);

protected:
    // True when the open key was opened with OpenKeyReadOnly.
    bool ReadOnlyKey() const { return FReadOnly; }

private:
    String ResolvePath(const String& Key) const;
    String RootName() const;
    bool CanWrite() const;
    // The root's hive, read again when its file changed. Precondition: a known root.
    core::RegistryHive& Hive();
    // The open key's value Name; null when absent.
    const core::RegValue* FindValue(const String& Name);
    // Writes the changed hive; false (and the hive read again) when the file
    // cannot be written.
    bool Store();
    void StoreValue(core::RegValue Value);

    std::unique_ptr<core::RegistryHive> FHive;

    HKEY FRootKey = HKEY_CURRENT_USER;
    Cardinal FAccess;
    String FCurrentPath;
    bool FHasKey = false;
    bool FReadOnly = false;
};
