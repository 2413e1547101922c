#pragma once
// The emulated registry's storage: one text file per root key under the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config, then
// "velmora/registry"), read whole for every operation and replaced whole on
// every change. Key paths are "\"-separated and compared ignoring case.
#include "platform/core/Types.h"

#include <cstdint>
#include <map>
#include <vector>

namespace core {

enum class RegValueKind { String, ExpandString, Integer, Binary };

struct RegValue {
    String Name;
    RegValueKind Kind = RegValueKind::String;
    std::string Data;         // text, or raw bytes for Binary
    std::uint32_t Number = 0; // for Integer
};

struct RegKey {
    String Path; // as created; "" for the root
    std::vector<RegValue> Values;

    RegValue* FindValue(const String& name);
    // Adds or replaces the value of that name.
    void SetValue(RegValue value);
    bool DeleteValue(const String& name);
};

class RegistryHive {
public:
    // The folder that holds the hive files.
    static String Folder();
    // The hive of rootName ("HKEY_CURRENT_USER"); empty when its file is missing.
    static RegistryHive Load(const String& rootName);

    // Writes the whole hive; false when the folder or file cannot be written.
    bool Save() const;

    // Path without leading or trailing "\"; null when the key is absent. The root always exists.
    RegKey* FindKey(const String& path);
    // Creates the key and its missing parents.
    RegKey& CreateKey(const String& path);
    // Deletes the key with everything below it; false when it was absent or is the root.
    bool DeleteKey(const String& path);
    // The names of the key's direct sub-keys, in alphabetical order.
    std::vector<String> SubKeyNames(const String& path) const;

    // "a\\b\\" and "\\a\\b" become "a\\b"; empty parts are dropped.
    static String CleanPath(const String& path);

private:
    String Serialize() const;
    void Parse(const std::string& text);

    String FFileName;
    std::map<String, RegKey> FKeys; // by upper-cased path
};

} // namespace core
