#pragma once
// The registry behind the INI-file interface, for code that serves both stores.
#include "platform/core/TCustomIniFile.h"
#include "platform/core/TRegIniFile.h"

#include <memory>

class TRegistryIniFile : public TCustomIniFile {
public:
    explicit TRegistryIniFile(const String& AFileName, Cardinal AAccess = KEY_ALL_ACCESS)
        : TCustomIniFile(AFileName), FRegIniFile(std::make_unique<TRegIniFile>(AFileName, AAccess)) {}

    // Over a registry-INI object opened elsewhere (another root, read-only).
    explicit TRegistryIniFile(std::unique_ptr<TRegIniFile> RegIniFile)
        : TCustomIniFile(RegIniFile->FileName()), FRegIniFile(std::move(RegIniFile)) {}

    String ClassName() const override { return "TRegistryIniFile"; }
    // The registry object, to reopen the key under another root.
    TRegIniFile* RegIniFile() const { return FRegIniFile.get(); }

    String ReadString(const String& Section, const String& Ident, const String& Default) override {
        return FRegIniFile->ReadString(Section, Ident, Default);
    }
    void WriteString(const String& Section, const String& Ident, const String& Value) override {
        FRegIniFile->WriteString(Section, Ident, Value);
    }
    Integer ReadInteger(const String& Section, const String& Ident, Integer Default) override {
        return FRegIniFile->ReadInteger(Section, Ident, Default);
    }
    void ReadSection(const String& Section, TStrings* Strings) override {
        FRegIniFile->ReadSection(Section, Strings);
    }
    void ReadSections(TStrings* Strings) override { FRegIniFile->ReadSections(Strings); }
    void ReadSectionValues(const String& Section, TStrings* Strings) override {
        FRegIniFile->ReadSectionValues(Section, Strings);
    }
    void EraseSection(const String& Section) override { FRegIniFile->EraseSection(Section); }
    void DeleteKey(const String& Section, const String& Ident) override {
        FRegIniFile->DeleteKey(Section, Ident);
    }
    // Every change is stored when made.
    void UpdateFile() override {}

private:
    std::unique_ptr<TRegIniFile> FRegIniFile;
};
