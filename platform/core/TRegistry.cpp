#include "platform/core/TRegistry.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileUtils.h"
#include "platform/core/Format.h"
#include "platform/core/RegistryHive.h"
#include "platform/core/RtlConsts.h"
#include "platform/core/StringsUpdate.h"
#include "platform/core/TStrings.h"

#include <cstring>
#include <unistd.h>

using core::RegistryHive;
using core::RegKey;
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

TRegistry::TRegistry(Cardinal AAccess) : FAccess(AAccess) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY Value) {
    CloseKey();
    FRootKey = Value;
    FHive.reset();
}

String TRegistry::ResolvePath(const String& Key) const {
    const bool absolute = !Key.empty() && Key[0] == '\\';
    if (absolute || !FHasKey) return RegistryHive::CleanPath(Key);
    return RegistryHive::CleanPath(FCurrentPath + "\\" + Key);
}

bool TRegistry::CanWrite() const {
    return FHasKey && !FReadOnly && (FAccess & KEY_SET_VALUE) != 0 && !RootName().empty();
}

RegistryHive& TRegistry::Hive() {
    // One read serves every value until another writer changes the file.
    if (!FHive || FHive->Changed()) FHive = std::make_unique<RegistryHive>(RegistryHive::Load(RootName()));
    return *FHive;
}

bool TRegistry::Store() {
    if (FHive->Save()) return true;
    // What could not be stored is not kept either.
    FHive.reset();
    return false;
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate) {
    if (RootName().empty() || Key.find_first_of("\r\n") != String::npos) return false;
    const String path = ResolvePath(Key);
    if (!RegistryHive::ValidPath(path)) return false;
    if (Hive().FindKey(path) == nullptr) {
        if (!CanCreate) return false;
        // Created here only; the file gets it with its first value. A key that
        // could never be stored is refused now.
        const String folder = RegistryHive::Folder();
        if (!ForceDirectories(folder) || ::access(folder.c_str(), W_OK) != 0) return false;
        Hive().CreateKey(path, true);
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
    const String path = ResolvePath(Key);
    if (RootName().empty() || Key.find_first_of("\r\n") != String::npos || !RegistryHive::ValidPath(path))
        throw ERegistryException(Format(SRegCreateFailed, {Key}));
    const core::RegistryWriteLock lock(RootName());
    if (const RegKey* key = Hive().FindKey(path); key != nullptr && !key->Pending) return true;
    Hive().CreateKey(path);
    if (!Store()) throw ERegistryException(Format(SRegCreateFailed, {Key}));
    return true;
}

bool TRegistry::DeleteKey(const String& Key) {
    if (RootName().empty()) return false;
    const core::RegistryWriteLock lock(RootName());
    return Hive().DeleteKey(ResolvePath(Key)) && Store();
}

bool TRegistry::KeyExists(const String& Key) {
    if (RootName().empty()) return false;
    return Hive().FindKey(ResolvePath(Key)) != nullptr;
}

bool TRegistry::HasSubKeys() {
    if (!FHasKey) return false;
    return !Hive().SubKeyNames(FCurrentPath).empty();
}

void TRegistry::GetKeyNames(TStrings* Strings) {
    std::vector<String> names;
    if (FHasKey) names = Hive().SubKeyNames(FCurrentPath);
    core::ReplaceStrings(*Strings, names);
}

void TRegistry::GetValueNames(TStrings* Strings) {
    std::vector<String> names;
    if (FHasKey) {
        if (auto* key = Hive().FindKey(FCurrentPath))
            for (const RegValue& v : key->Values())
                names.push_back(v.Name);
    }
    core::ReplaceStrings(*Strings, names);
}

const RegValue* TRegistry::FindValue(const String& Name) {
    if (!FHasKey || RootName().empty()) return nullptr;
    RegKey* key = Hive().FindKey(FCurrentPath);
    return key != nullptr ? key->FindValue(Name) : nullptr;
}

bool TRegistry::ValueExists(const String& Name) {
    return FindValue(Name) != nullptr;
}

bool TRegistry::DeleteValue(const String& Name) {
    if (!CanWrite()) return false;
    const core::RegistryWriteLock lock(RootName());
    RegKey* key = Hive().FindKey(FCurrentPath);
    return key != nullptr && key->DeleteValue(Name) && Store();
}

TRegDataType TRegistry::GetDataType(const String& Name) {
    const RegValue* v = FindValue(Name);
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
    const RegValue* v = FindValue(Name);
    if (v == nullptr) return -1;
    if (v->Kind == RegValueKind::Integer) return 4;
    if (v->Kind == RegValueKind::Binary) return static_cast<Integer>(v->Data.size());
    return static_cast<Integer>(v->Data.size()) + 1;
}

String TRegistry::ReadString(const String& Name) {
    const RegValue* v = FindValue(Name);
    if (v == nullptr) return String();
    if (v->Kind != RegValueKind::String && v->Kind != RegValueKind::ExpandString) InvalidType(Name);
    return v->Data;
}

void TRegistry::StoreValue(RegValue Value) {
    const String name = Value.Name;
    if (!CanWrite()) SetDataFailed(name);
    const core::RegistryWriteLock lock(RootName());
    // The open key is stored with its first value.
    RegKey& key = Hive().CreateKey(FCurrentPath);
    const RegValue* old = key.FindValue(name);
    if (old != nullptr && old->Kind == Value.Kind && old->Data == Value.Data && old->Number == Value.Number)
        return;
    key.SetValue(std::move(Value));
    if (!Store()) SetDataFailed(name);
}

void TRegistry::WriteString(const String& Name, const String& Value) {
    StoreValue(RegValue{Name, RegValueKind::String, Value, 0});
}

void TRegistry::WriteExpandString(const String& Name, const String& Value) {
    StoreValue(RegValue{Name, RegValueKind::ExpandString, Value, 0});
}

Integer TRegistry::ReadInteger(const String& Name) {
    const RegValue* v = FindValue(Name);
    if (v == nullptr) throw ERegistryException(Format(SRegGetDataFailed, {Name}));
    if (v->Kind != RegValueKind::Integer) InvalidType(Name);
    return static_cast<Integer>(v->Number);
}

void TRegistry::WriteInteger(const String& Name, Integer Value) {
    StoreValue(RegValue{Name, RegValueKind::Integer, String(), static_cast<std::uint32_t>(Value)});
}

Integer TRegistry::ReadBinaryData(const String& Name, void* Buffer, Integer BufSize) {
    const RegValue* v = FindValue(Name);
    if (v == nullptr) return 0;
    const auto size = static_cast<Integer>(v->Data.size());
    if (v->Kind != RegValueKind::Binary || size > BufSize) InvalidType(Name);
    if (size > 0) std::memcpy(Buffer, v->Data.data(), static_cast<size_t>(size));
    return size;
}

void TRegistry::WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize) {
    if (BufSize < 0) SetDataFailed(Name);
    String bytes;
    if (BufSize > 0) bytes.assign(static_cast<const char*>(Buffer), static_cast<size_t>(BufSize));
    StoreValue(RegValue{Name, RegValueKind::Binary, bytes, 0});
}
