#pragma once
// Version blocks: the running program carries one (built in from the CMake
// settings of platform/os); other files have none, unless registered.
#include "platform/core/Types.h"
#include "platform/os/ProgramPaths.h"

#include <string_view>
#include <utility>
#include <vector>

struct TFixedFileInfo {
    Cardinal FileVersionMS = 0; // major << 16 | minor
    Cardinal FileVersionLS = 0; // release << 16 | build
    Cardinal ProductVersionMS = 0;
    Cardinal ProductVersionLS = 0;
    Cardinal FileDateMS = 0; // 64-bit file time (100 ns since 1601-01-01), high half
    Cardinal FileDateLS = 0;
};

struct TVersionBlock {
    TFixedFileInfo Fixed;
    bool HasTranslation = true;
    Word Language = 0x040E; // Hungarian
    Word CodePage = 1250;
    // String values by key ("CompanyName", "ProductName" ...), in the block's order.
    std::vector<std::pair<String, String>> Strings;
};

// The block built into this program.
const TVersionBlock& ProgramVersionBlock();

// GetLastError after a file without a version block.
constexpr Cardinal ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;

// Size of the version block of fileName, 0 when it has none. The running program
// answers its own block under its path (backslashes accepted, symbolic links followed).
Cardinal GetFileVersionInfoSize(std::string_view fileName);
// Fills block; false when fileName has no version block.
bool GetFileVersionInfo(std::string_view fileName, TVersionBlock& block);
// Lets a file answer a given block (tests, and files of other programs).
void RegisterFileVersionInfo(std::string_view fileName, const TVersionBlock& block);
void UnregisterFileVersionInfo(std::string_view fileName);

// Queries by the block's paths: "\" gives the fixed part; "\VarFileInfo\Translation"
// the first language and code page; "\StringFileInfo\040e04e2\CompanyName" a string
// (the hexadecimal code in any case; a value only under the block's own translation;
// doubled backslashes count as one).
bool VerQueryFixedFileInfo(const TVersionBlock& block, TFixedFileInfo& info);
bool VerQueryTranslation(const TVersionBlock& block, Word& language, Word& codePage);
bool VerQueryString(const TVersionBlock& block, std::string_view subBlock, String& value);
