#pragma once
// Whole-file replacement that a crash or a full disk cannot leave half written.
#include "platform/core/Types.h"

#include <optional>
#include <string_view>

namespace core {

// Writes bytes to a temporary file beside fileName and renames it over fileName.
// False (and fileName untouched) when any step fails. fileName is a file-system path.
bool WriteFileAtomically(const String& fileName, std::string_view bytes);

// The whole file, or nothing when it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const String& fileName);

} // namespace core
