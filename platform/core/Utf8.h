#pragma once
// Small UTF-8 helpers the character-counting string routines stand on.
#include "platform/core/Types.h"

#include <string_view>
#include <vector>

namespace core {

// Decodes the character at byte offset pos and advances pos past it. An invalid
// or truncated sequence yields U+FFFD and advances by one byte, so every input
// is consumed without reading past its end.
char32_t Utf8Next(std::string_view s, std::size_t& pos);

// Appends the UTF-8 form of ch (surrogates and values past U+10FFFF become U+FFFD).
void Utf8Append(String& out, char32_t ch);

// Whole-string conversions.
std::u32string Utf8ToU32(std::string_view s);
String U32ToUtf8(std::u32string_view s);

// Number of characters (code points; invalid bytes count one each).
std::size_t Utf8Length(std::string_view s);

// Byte offset of the character with 0-based index charIndex; s.size() when past the end.
std::size_t Utf8Offset(std::string_view s, std::size_t charIndex);

// True when s is well-formed UTF-8.
bool IsValidUtf8(std::string_view s);

} // namespace core
