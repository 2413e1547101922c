#pragma once
// The runtime's string routines over UTF-8 text. Positions, indexes and counts
// are in characters (code points) and 1-based: callers count characters of
// Hungarian text, never UTF-8 bytes.
#include "platform/core/Types.h"

#include <string_view>

// ---- Length, copy, search, edit -------------------------------------------------

// Number of characters in s.
Integer Length(std::string_view s);

// Up to count characters of s from the 1-based index. An index below 1 counts as 1;
// an index past the end or a count below 1 gives an empty text.
String Copy(std::string_view s, Integer index, Integer count);
// From index to the end.
String Copy(std::string_view s, Integer index);

// 1-based character position of the first sub in s, 0 when absent or sub is empty.
Integer Pos(std::string_view sub, std::string_view s);
// The same, searching from character offset (1-based); 0 when offset is out of range.
Integer PosEx(std::string_view sub, std::string_view s, Integer offset = 1);
// Synonym the runtime kept for multi-byte texts.
inline Integer AnsiPos(std::string_view sub, std::string_view s) {
    return Pos(sub, s);
}

// Removes count characters from the 1-based index; out-of-range parts are ignored.
void Delete(String& s, Integer index, Integer count);
// Inserts source before the 1-based index; an index below 1 inserts at the front,
// past the end appends.
void Insert(std::string_view source, String& s, Integer index);

// The 1-based character at index as a one-character text; empty when out of range.
String CharAt(std::string_view s, Integer index);
// The code point at the 1-based index; 0 when out of range.
char32_t CharCodeAt(std::string_view s, Integer index);

String LeftStr(std::string_view s, Integer count);
String RightStr(std::string_view s, Integer count);
String StringOfChar(char32_t ch, Integer count);
String DupeString(std::string_view s, Integer count);

// ---- Trimming (characters up to and including ' ') --------------------------------
String Trim(std::string_view s);
String TrimLeft(std::string_view s);
String TrimRight(std::string_view s);

// ---- ASCII case: only 'a'..'z' / 'A'..'Z' change ----------------------------------
String UpperCase(std::string_view s);
String LowerCase(std::string_view s);
char UpCase(char c);
// Byte-wise ordinal comparison: <0, 0, >0.
Integer CompareStr(std::string_view a, std::string_view b);
// As CompareStr after ASCII upper-casing.
Integer CompareText(std::string_view a, std::string_view b);
bool SameStr(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

// ---- Locale-aware (Hungarian) case and order ---------------------------------------
// Letters of Latin-1, Latin Extended-A (ő, ű ...), Greek and Cyrillic change case.
String AnsiUpperCase(std::string_view s);
String AnsiLowerCase(std::string_view s);
char32_t CharUpper(char32_t ch);
char32_t CharLower(char32_t ch);
// Hungarian alphabetical order: AnsiCompareStr observes case, AnsiCompareText ignores it.
Integer AnsiCompareStr(std::string_view a, std::string_view b);
Integer AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
bool AnsiStartsText(std::string_view subText, std::string_view text);
bool AnsiContainsText(std::string_view text, std::string_view subText);

// ---- Replace ---------------------------------------------------------------------
enum TReplaceFlag : unsigned { rfReplaceAll = 1u, rfIgnoreCase = 2u };
using TReplaceFlags = unsigned;

// Replaces the first (or, with rfReplaceAll, every) occurrence of oldPattern by
// newPattern; rfIgnoreCase compares with AnsiUpperCase. An empty oldPattern changes nothing.
String StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                     TReplaceFlags flags = 0);

// ---- Quoting ---------------------------------------------------------------------
// 'text' with every ' doubled.
String QuotedStr(std::string_view s);
// s in quote characters, every quote inside doubled.
String AnsiQuotedStr(std::string_view s, char quote);
// Reads a quoted text from the front of s (doubled quotes give one); s must start
// with quote, else the result is empty. Stops at the closing quote or the end.
String AnsiExtractQuotedStr(std::string_view s, char quote);
// s without its quotes; s unchanged when it is not enclosed in quote characters.
String AnsiDequotedStr(std::string_view s, char quote);

// ---- Delimiters and line breaks -------------------------------------------------
// 1-based position of the last character of s that occurs in delimiters; 0 when none.
Integer LastDelimiter(std::string_view delimiters, std::string_view s);
// True when the character at the 1-based index occurs in delimiters.
bool IsDelimiter(std::string_view delimiters, std::string_view s, Integer index);

enum class TTextLineBreakStyle { tlbsLF, tlbsCRLF };
// Every CR, LF, CR LF or LF CR becomes one line break of the given style.
String AdjustLineBreaks(std::string_view s, TTextLineBreakStyle style = TTextLineBreakStyle::tlbsCRLF);
