#pragma once
// Conversion between UTF-8 (the program's inner text) and the 8-bit code pages
// of stored data: 1250 (Central European, the database's "STANDARD" encoding),
// 1251 (Cyrillic) and 852 (DOS Latin-2).
#include "platform/core/Types.h"

#include <string>
#include <string_view>

// Code pages the tables cover.
constexpr int CP_WINDOWS_1250 = 1250;
constexpr int CP_WINDOWS_1251 = 1251;
constexpr int CP_DOS_852 = 852;
// UTF-8 itself: both routines pass text through (invalid sequences become "?").
constexpr int CP_UTF8_PAGE = 65001;

// The ANSI code page of the system the office's data was written on (Hungarian
// Windows): the code page of "ANSI" text in stored files and the database.
inline int GetACP() {
    return CP_WINDOWS_1250;
}

// True for 1250, 1251, 852 and 65001.
bool IsSupportedCodePage(int codePage);

// 8-bit bytes to UTF-8. Bytes the code page leaves undefined become the C1 control
// character of the same value, so every byte of a stored text survives a round trip.
// Raises EConvertError("Unsupported code page %d") for an unknown code page.
String CodePageToUtf8(std::string_view bytes, int codePage);
// The same appended to out, whose room is reused (a row read converts every text into
// the same slots). An 8-bit code page only (not 65001).
void AppendCodePageAsUtf8(String& out, std::string_view bytes, int codePage);

// UTF-8 to 8-bit bytes. A character with no place in the code page, and every
// invalid UTF-8 sequence, becomes "?". Raises EConvertError as above.
std::string Utf8ToCodePage(std::string_view utf8, int codePage);
// The same, at most maxChars characters of utf8, appended to out; answers the bytes
// appended. An 8-bit code page only (not 65001).
std::size_t AppendUtf8AsCodePage(std::string& out, std::string_view utf8, int codePage, std::size_t maxChars);

// The characters of utf8 that codePage has no place for, each once, in the order they first
// appear (an invalid UTF-8 sequence counts as U+FFFD): what Utf8ToCodePage would turn into "?".
// Empty for 65001. Raises EConvertError as above.
std::u32string UnstorableChars(std::string_view utf8, int codePage);

// Single characters: the code point of one byte, and the byte of one code point
// (-1 when the code page has no place for it). Both raise EConvertError as above.
char32_t CodePageByteToChar(unsigned char byte, int codePage);
int CharToCodePageByte(char32_t ch, int codePage);
