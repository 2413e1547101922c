// Folders, file dialog, Base64 and character-set routines of the export.
#include "export/VgEUtils.h"

#include "platform/core/CodePages.h"
#include "platform/core/FileUtils.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TSaveDialog.h"

#include <array>
#include <memory>

namespace {

constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<Byte, 256> MakeAsciiToEbcdic() {
    std::array<Byte, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = i < 32 ? static_cast<Byte>(i) : 0x4B;
    // Printable characters, space (0x20) to "~" (0x7E), in the EBCDIC code page 037 order.
    constexpr Byte printable[95] = {
        0x40, 0x5A, 0x7F, 0x7B, 0x5B, 0x6C, 0x50, 0x7D, 0x4D, 0x5D, 0x5C, 0x4E, 0x6B, 0x60, 0x4B, 0x61,
        0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0x7A, 0x5E, 0x4C, 0x7E, 0x6E, 0x6F,
        0x7C, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6,
        0xD7, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xAD, 0xE0, 0xBD, 0x5F, 0x6D,
        0x79, 0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96,
        0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xC0, 0x6A, 0xD0, 0xA1};
    for (int i = 0; i < 95; ++i)
        table[32 + i] = printable[i];
    return table;
}

constexpr std::array<Byte, 256> AsciiToEbcdic = MakeAsciiToEbcdic();

constexpr std::array<Byte, 256> MakeEbcdicToAscii() {
    std::array<Byte, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = '.';
    for (int i = 127; i >= 0; --i)
        table[AsciiToEbcdic[i]] = static_cast<Byte>(i);
    return table;
}

constexpr std::array<Byte, 256> EbcdicToAscii = MakeEbcdicToAscii();

int AlphabetIndex(char c) {
    const std::size_t at = Alphabet.find(c);
    return at == std::string_view::npos ? 0 : static_cast<int>(at);
}

} // namespace

bool VgEDirectoryExists(const String& Name) {
    return DirectoryExists(Name);
}

bool VgEForceDirectories(const String& Dir) {
    if (Dir.empty()) return true;
    const String dir = ExcludeTrailingPathDelimiter(Dir);
    // A drive name or a root is never created.
    if (dir.size() < 3 || dir == "/" || VgEDirectoryExists(dir)) return true;
    return ForceDirectories(dir);
}

bool VgEOpenSaveFileDialog(const String& DefExt, const String& Filter, const String& InitialDir,
                           const String& Title, String& FileName, bool IsOpenDialog) {
    std::unique_ptr<TOpenDialog> dialog =
        IsOpenDialog ? std::make_unique<TOpenDialog>(nullptr) : std::make_unique<TSaveDialog>(nullptr);
    String name = FileName;
    if (!name.empty() && (name.back() == ':' || name.back() == '\\' || name.back() == '/')) name += "default";
    dialog->SetFileName(name);
    dialog->SetDefaultExt(DefExt);
    dialog->SetFilter(Filter);
    dialog->SetInitialDir(InitialDir);
    dialog->SetTitle(Title);
    dialog->SetOptions(TOpenOptions());
    if (!dialog->Execute()) return false;
    FileName = dialog->FileName();
    return true;
}

String Encode64(const String& Text) {
    String out;
    out.reserve((Text.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < Text.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, Text.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = (group << 8) | (k < n ? static_cast<Byte>(Text[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

String Decode64(const String& Text) {
    String out;
    for (std::size_t i = 0; i + 4 <= Text.size(); i += 4) {
        if (Text[i] == '=') continue;
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k)
            group = (group << 6) |
                    static_cast<std::uint32_t>(Text[i + k] == '=' ? 0 : AlphabetIndex(Text[i + k]));
        out += static_cast<char>((group >> 16) & 0xFF);
        if (Text[i + 2] != '=') out += static_cast<char>((group >> 8) & 0xFF);
        if (Text[i + 2] != '=' && Text[i + 3] != '=') out += static_cast<char>(group & 0xFF);
    }
    return out;
}

Byte ASCII2EBCDIC(Byte Ch) {
    return AsciiToEbcdic[Ch];
}
Byte EBCDIC2ASCII(Byte Ch) {
    return EbcdicToAscii[Ch];
}

String AnsiToOemText(const String& Text) {
    return CodePageToUtf8(Utf8ToCodePage(Text, CP_DOS_852), CP_WINDOWS_1250);
}

String AnsiToEbcdicText(const String& Text) {
    std::string bytes = Utf8ToCodePage(Text, CP_WINDOWS_1250);
    for (char& c : bytes)
        c = static_cast<char>(ASCII2EBCDIC(static_cast<Byte>(c)));
    return CodePageToUtf8(bytes, CP_WINDOWS_1250);
}
