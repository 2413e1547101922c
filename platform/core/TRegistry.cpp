#include "platform/core/TRegistry.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/RegistryHive.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StringsUpdate.h"
#include "platform/core/TStrings.h"

#include <cstring>

using core::RegistryHive;
using core::RegValue;
using core::RegValueKind;

namespace {

[[noreturn]] void SetDataFailed(const String& name) {
    throw ERegistryException(Format(SRegSetDataFailed, {name}));
}

[[noreturn]] void InvalidType(const String& name) {
    throw ERegistryException(Format(SInvalidRegType, {name}));
}

} // namespace

String TRegistry::RootName() const {
    switch (FRootKey) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
        return "HKEY_USERS";
    case HKEY_CURRENT_CONFIG:
        return "HKEY_CURRENT_CONFIG";
    case HKEY_DYN_DATA:
        return "HKEY_DYN_DATA";
    default:
        return String();
    }
}

void TRegistry::SetRootKey(HKEY Value) {
    CloseKey();
    FRootKey = Value;
}

String TRegistry::ResolvePath(const String& Key) const {
    const bool absolute = !Key.empty() && Key[0] == '\\';
    if (absolute || !FHasKey) return RegistryHive::CleanPath(Key);
    return RegistryHive::CleanPath(FCurrentPath + "\\" + Key);
}

bool TRegistry::CanWrite() const {
    return FHasKey && !FReadOnly && (FAccess & KEY_SET_VALUE) != 0 && !RootName().empty();
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate) {
    if (RootName().empty() || Key.find_first_of("\r\n") != String::npos) return false;
    const String path = ResolvePath(Key);
    auto hive = RegistryHive::Load(RootName());
    if (hive.FindKey(path) == nullptr) {
        if (!CanCreate) return false;
        hive.CreateKey(path);
        if (!hive.Save()) return false;
    }
    FCurrentPath = path;
    FHasKey = true;
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const String& Key) {
    if (!OpenKey(Key, false)) return false;
    FReadOnly = true;
    return true;
}

void TRegistry::CloseKey() {
    FCurrentPath.clear();
    FHasKey = false;
    FReadOnly = false;
}

bool TRegistry::CreateKey(const String& Key) {
    if (RootName().empty() || Key.find_first_of("\r\n") != String::npos)
        throw ERegistryException(Format(SRegCreateFailed, {Key}));
    auto hive = RegistryHive::Load(RootName());
    const String path = ResolvePath(Key);
    if (hive.FindKey(path) != nullptr) return true;
    hive.CreateKey(path);
    if (!hive.Save()) throw ERegistryException(Format(SRegCreateFailed, {Key}));
    return true;
}

bool TRegistry::DeleteKey(const String& Key) {
    if (RootName().empty()) return false;
    auto hive = RegistryHive::Load(RootName());
    return hive.DeleteKey(ResolvePath(Key)) && hive.Save();
}

bool TRegistry::KeyExists(const String& Key) {
    if (RootName().empty()) return false;
    auto hive = RegistryHive::Load(RootName());
    return hive.FindKey(ResolvePath(Key)) != nullptr;
}

bool TRegistry::HasSubKeys() {
    if (!FHasKey) return false;
    return !RegistryHive::Load(RootName()).SubKeyNames(FCurrentPath).empty();
}

void TRegistry::GetKeyNames(TStrings* Strings) {
    std::vector<String> names;
    if (FHasKey) names = RegistryHive::Load(RootName()).SubKeyNames(FCurrentPath);
    core::ReplaceStrings(*Strings, names);
}

void TRegistry::GetValueNames(TStrings* Strings) {
    std::vector<String> names;
    if (FHasKey) {
        auto hive = RegistryHive::Load(RootName());
        if (auto* key = hive.FindKey(FCurrentPath))
            for (const RegValue& v : key->Values)
                names.push_back(v.Name);
    }
    core::ReplaceStrings(*Strings, names);
}

bool TRegistry::ValueExists(const String& Name) {
    return GetDataType(Name) != rdUnknown;
}

bool TRegistry::DeleteValue(const String& Name) {
    if (!CanWrite()) return false;
    auto hive = RegistryHive::Load(RootName());
    auto* key = hive.FindKey(FCurrentPath);
    return key != nullptr && key->DeleteValue(Name) && hive.Save();
}

TRegDataType TRegistry::GetDataType(const String& Name) {
    if (!FHasKey) return rdUnknown;
    auto hive = RegistryHive::Load(RootName());
    auto* key = hive.FindKey(FCurrentPath);
    const RegValue* v = key != nullptr ? key->FindValue(Name) : nullptr;
    if (v == nullptr) return rdUnknown;
    switch (v->Kind) {
    case RegValueKind::String:
        return rdString;
    case RegValueKind::ExpandString:
        return rdExpandString;
    case RegValueKind::Integer:
        return rdInteger;
    case RegValueKind::Binary:
        return rdBinary;
    }
    return rdUnknown;
}

Integer TRegistry::GetDataSize(const String& Name) {
    if (!FHasKey) return -1;
    auto hive = RegistryHive::Load(RootName());
    auto* key = hive.FindKey(FCurrentPath);
    const RegValue* v = key != nullptr ? key->FindValue(Name) : nullptr;
    if (v == nullptr) return -1;
    if (v->Kind == RegValueKind::Integer) return 4;
    if (v->Kind == RegValueKind::Binary) return static_cast<Integer>(v->Data.size());
    return static_cast<Integer>(v->Data.size()) + 1;
}

String TRegistry::ReadString(const String& Name) {
    if (!FHasKey) return String();
    auto hive = RegistryHive::Load(RootName());
    auto* key = hive.FindKey(FCurrentPath);
    const RegValue* v = key != nullptr ? key->FindValue(Name) : nullptr;
    if (v == nullptr) return String();
    if (v->Kind != RegValueKind::String && v->Kind != RegValueKind::ExpandString) InvalidType(Name);
    return v->Data;
}

namespace {

void StoreValue(const String& rootName, const String& path, RegValue value) {
    auto hive = RegistryHive::Load(rootName);
    auto* key = hive.FindKey(path);
    const String name = value.Name;
    if (key == nullptr) SetDataFailed(name);
    key->SetValue(std::move(value));
    if (!hive.Save()) SetDataFailed(name);
}

} // namespace

void TRegistry::WriteString(const String& Name, const String& Value) {
    if (!CanWrite()) SetDataFailed(Name);
    StoreValue(RootName(), FCurrentPath, RegValue{Name, RegValueKind::String, Value, 0});
}

void TRegistry::WriteExpandString(const String& Name, const String& Value) {
    if (!CanWrite()) SetDataFailed(Name);
    StoreValue(RootName(), FCurrentPath, RegValue{Name, RegValueKind::ExpandString, Value, 0});
}

Integer TRegistry::ReadInteger(const String& Name) {
    if (!FHasKey) throw ERegistryException(Format(SRegGetDataFailed, {Name}));
    auto hive = RegistryHive::Load(RootName());
    auto* key = hive.FindKey(FCurrentPath);
    const RegValue* v = key != nullptr ? key->FindValue(Name) : nullptr;
    if (v == nullptr) throw ERegistryException(Format(SRegGetDataFailed, {Name}));
    if (v->Kind != RegValueKind::Integer) InvalidType(Name);
    return static_cast<Integer>(v->Number);
}

void TRegistry::WriteInteger(const String& Name, Integer Value) {
    if (!CanWrite()) SetDataFailed(Name);
    StoreValue(RootName(), FCurrentPath,
               RegValue{Name, RegValueKind::Integer, String(), static_cast<std::uint32_t>(Value)});
}

Integer TRegistry::ReadBinaryData(const String& Name, void* Buffer, Integer BufSize) {
    if (!FHasKey) return 0;
    auto hive = RegistryHive::Load(RootName());
    auto* key = hive.FindKey(FCurrentPath);
    const RegValue* v = key != nullptr ? key->FindValue(Name) : nullptr;
    if (v == nullptr) return 0;
    const auto size = static_cast<Integer>(v->Data.size());
    if (v->Kind != RegValueKind::Binary || size > BufSize) InvalidType(Name);
    if (size > 0) std::memcpy(Buffer, v->Data.data(), static_cast<size_t>(size));
    return size;
}

void TRegistry::WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize) {
    if (!CanWrite() || BufSize < 0) SetDataFailed(Name);
    String bytes;
    if (BufSize > 0) bytes.assign(static_cast<const char*>(Buffer), static_cast<size_t>(BufSize));
    StoreValue(RootName(), FCurrentPath, RegValue{Name, RegValueKind::Binary, bytes, 0});
}
