#include "platform/os/VersionInfo.h"

#include "VersionBlockConfig.h"
#include "platform/core/FileUtils.h"
#include "platform/core/StrUtils.h"
#include "platform/os/Process.h"

#include <cstdio>
#include <map>
#include <sys/stat.h>

namespace {

// "2.0.1.3" as the fixed block's two halves; missing parts count 0.
void ParseVersion(const char* text, Cardinal& ms, Cardinal& ls) {
    unsigned parts[4] = {0, 0, 0, 0};
    std::sscanf(text, "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]);
    ms = (parts[0] & 0xFFFFu) << 16 | (parts[1] & 0xFFFFu);
    ls = (parts[2] & 0xFFFFu) << 16 | (parts[3] & 0xFFFFu);
}

TVersionBlock BuildProgramBlock() {
    TVersionBlock block;
    ParseVersion(VELMORA_FILE_VERSION, block.Fixed.FileVersionMS, block.Fixed.FileVersionLS);
    ParseVersion(VELMORA_PRODUCT_VERSION, block.Fixed.ProductVersionMS, block.Fixed.ProductVersionLS);
    block.Strings = {
        {"CompanyName", VELMORA_COMPANY_NAME},
        {"FileDescription", VELMORA_FILE_DESCRIPTION},
        {"FileVersion", VELMORA_FILE_VERSION},
        {"InternalName", VELMORA_INTERNAL_NAME},
        {"LegalCopyright", ""},
        {"OriginalFilename", ""},
        {"ProductName", VELMORA_PRODUCT_NAME},
        {"ProductVersion", VELMORA_PRODUCT_VERSION},
        {"Comments", ""},
        {"LegalTrademarks", ""},
    };
    return block;
}

std::map<String, TVersionBlock>& Registered() {
    static std::map<String, TVersionBlock> blocks;
    return blocks;
}

bool SameFile(const String& a, const String& b) {
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

const TVersionBlock* Lookup(std::string_view fileName) {
    if (fileName.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    const String path = ExpandFileName(fileName);
    const auto it = Registered().find(path);
    if (it != Registered().end()) return &it->second;
    if (!FileExists(path)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    if (SameFile(path, GetModuleFileName())) return &ProgramVersionBlock();
    SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

// Hexadecimal "040e04e2" of a translation, case ignored when compared.
String TranslationKey(Word language, Word codePage) {
    char buffer[9];
    std::snprintf(buffer, sizeof buffer, "%04x%04x", language, codePage);
    return buffer;
}

} // namespace

const TVersionBlock& ProgramVersionBlock() {
    static const TVersionBlock block = BuildProgramBlock();
    return block;
}

Cardinal GetFileVersionInfoSize(std::string_view fileName) {
    const TVersionBlock* block = Lookup(fileName);
    if (!block) return 0;
    // The size of the block as the resource would store it: the fixed part and
    // each string entry with its key, value and header, rounded as the format pads.
    Cardinal size = 92 + 68;
    for (const auto& [key, value] : block->Strings)
        size += 6 + 2 * static_cast<Cardinal>(Length(key) + Length(value) + 2) + 4;
    return size;
}

bool GetFileVersionInfo(std::string_view fileName, TVersionBlock& block) {
    const TVersionBlock* found = Lookup(fileName);
    if (!found) return false;
    block = *found;
    return true;
}

void RegisterFileVersionInfo(std::string_view fileName, const TVersionBlock& block) {
    Registered()[ExpandFileName(fileName)] = block;
}

void UnregisterFileVersionInfo(std::string_view fileName) {
    Registered().erase(ExpandFileName(fileName));
}

bool VerQueryFixedFileInfo(const TVersionBlock& block, TFixedFileInfo& info) {
    info = block.Fixed;
    return true;
}

bool VerQueryTranslation(const TVersionBlock& block, Word& language, Word& codePage) {
    if (!block.HasTranslation) return false;
    language = block.Language;
    codePage = block.CodePage;
    return true;
}

bool VerQueryString(const TVersionBlock& block, std::string_view path, String& value) {
    // Callers write doubled backslashes in these paths, so a run of
    // delimiters counts as one.
    String subBlock;
    for (char c : path)
        if (c != '\\' || subBlock.empty() || subBlock.back() != '\\') subBlock.push_back(c);
    static constexpr std::string_view prefix = "\\StringFileInfo\\";
    if (!block.HasTranslation || subBlock.size() < prefix.size() + 10 ||
        !SameText(std::string_view(subBlock).substr(0, prefix.size()), prefix))
        return false;
    const std::string_view rest = std::string_view(subBlock).substr(prefix.size());
    if (rest[8] != '\\' || !SameText(rest.substr(0, 8), TranslationKey(block.Language, block.CodePage)))
        return false;
    const std::string_view key = rest.substr(9);
    for (const auto& [name, text] : block.Strings)
        if (SameText(name, key)) {
            value = text;
            return true;
        }
    return false;
}
