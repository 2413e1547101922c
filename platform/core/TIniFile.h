#pragma once
// An INI file with the semantics of the Windows profile routines: sections and
// keys compared ignoring case, plain "key=value" lines (blanks around key and
// value ignored, no quoting), comments and layout of the file kept. Every write
// goes to disk at once and completely (a temporary file renamed over the old
// one), so UpdateFile has nothing left to do. The file holds code page 1250.
#include "platform/core/TCustomIniFile.h"

#include <vector>

class TIniFile : public TCustomIniFile {
public:
    // Windows paths are accepted. The file need not exist until the first write.
    explicit TIniFile(const String& AFileName) : TCustomIniFile(AFileName) {}

    String ClassName() const override { return "TIniFile"; }

    String ReadString(const String& Section, const String& Ident, const String& Default) override;
    // Raises EIniFileException "Unable to write to <file>" when the file cannot be
    // written, "Line breaks cannot be stored in <file>" for a section, key or value
    // with a line break, "A key name cannot contain "=" in <file>", "A section name
    // cannot contain "]" in <file>", "A key name cannot start with ";" or "[" in <file>",
    // "A section or key name cannot start or end with a blank in <file>" and "A section
    // or key name cannot hold characters outside code page 1250 in <file>": names that
    // reading would never find again.
    void WriteString(const String& Section, const String& Ident, const String& Value) override;
    // WriteString's refusals of an entry (all but "Unable to write"); reads no file.
    void CheckEntry(const String& Section, const String& Ident, const String& Value) override;
    void ReadSection(const String& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(const String& Section, TStrings* Strings) override;
    // Raises "Unable to write to <file>" as WriteString does.
    void EraseSection(const String& Section) override;
    void DeleteKey(const String& Section, const String& Ident) override;
    void UpdateFile() override {}

private:
    std::vector<String> Load() const;
    void Save(const std::vector<String>& Lines) const;
};
