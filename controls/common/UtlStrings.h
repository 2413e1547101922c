#pragma once
// String routines shared by the UTL components. Positions and lengths count
// characters (1-based), so UTF-8 text behaves as the 8-bit strings did.
#include "platform/core/Types.h"

#include <vector>

// N copies of C; empty for N <= 0.
String UtlFillString(Integer N, char32_t C);
String UtlSpace(Integer N);
// S padded with C on the left / right to N characters; unchanged when already as long.
String UtlAddCharL(const String& S, Integer N, char32_t C);
String UtlAddCharR(const String& S, Integer N, char32_t C);
String UtlAddSpaceL(const String& S, Integer N);
String UtlAddSpaceR(const String& S, Integer N);
String UtlAddZeroL(const String& S, Integer N);
String UtlAddZeroR(const String& S, Integer N);
// True when S is empty or blanks only.
bool UtlEmpty(const String& S);
String UtlTrimL(const String& S);
String UtlTrimR(const String& S);
String UtlTrim(const String& S);
// Occurrences of the character C.
Integer UtlCount(const String& S, char32_t C);
// Position of the last C in S; 0 when absent.
Integer UtlBackPos(char32_t C, const String& S);
String UtlReplaceChar(const String& S, char32_t Old, char32_t New);
// The part before the first C, or S when there is none.
String UtlGetFirstString(const String& S, char32_t C);
// The part after the first C, or S when there is none.
String UtlGetSecondString(const String& S, char32_t C);
// S with a trailing delimiter. A blank S gets "\" appended; a non-blank S that
// already ends in "\" or "/" is returned unchanged.
String UtlSlashAdd(const String& S);
// S without one trailing "\" or "/" (a blank S is returned unchanged).
String UtlSlashRemove(const String& S);
// Position of the first decimal digit; 0 when none.
Integer UtlScanToNumber(const String& S);

// Elements 0..High joined with Sep.
String UtlCodeString(const std::vector<String>& Strings, Integer High, char32_t Sep);
String UtlCodeInt(const std::vector<Integer>& Ints, Integer High, char32_t Sep);
// Number of fields: 1 + separators; 0 for an empty S.
Integer UtlGetCodedCount(const String& S, char32_t Sep);
// Field Index (0-based); empty when S has fewer fields.
String UtlGetCodedString(const String& S, char32_t Sep, Integer Index);
// Field Index as an integer, -1 when it is empty. Raises EConvertError
// "'<text>' is not a valid integer value" for a field that is not a number.
Integer UtlGetCodedInt(const String& S, char32_t Sep, Integer Index);
// Replaces field Index; separators are appended until the field exists.
void UtlSetCodedString(String& S, const String& Value, char32_t Sep, Integer Index);
