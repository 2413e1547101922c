#pragma once
// The program's LIKE: "%" stands for any run of characters (none included),
// "_" for exactly one character, every other character for itself. Letters
// compare without regard to case, ASCII and accented alike (ő matches Ő, á
// matches Á), yet a letter never matches another letter (ő matches neither o
// nor ö, ű neither u nor ü). Characters are counted, not bytes, so "_" stands
// for one "ő". The connection registers it as the engine's LIKE, so the
// search boxes of every area find accented text in the stored code page.
#include <string_view>

namespace sqlite {

// True when Text matches Pattern; both UTF-8. Escape (0: none) makes the
// following "%", "_" or Escape itself stand for itself.
bool LikeMatch(std::string_view Pattern, std::string_view Text, char32_t Escape = 0);

// The same over 8-bit text of CodePage (one of the code pages of
// platform/core/CodePages.h); Escape is a character, not a byte.
bool LikeMatchCodePage(std::string_view Pattern, std::string_view Text, char32_t Escape, int CodePage);

} // namespace sqlite
