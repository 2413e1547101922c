#pragma once
// Text routines of the data-access layer: the update-template tokenizer and
// lenient conversions from engine text to numbers, dates and times.
// Positions are 1-based byte positions in the text.
#include "platform/core/Types.h"

// Token kinds GetWord reports.
enum : Integer {
    wkIdentifier = 1, // letter, then letters, digits, "_"
    wkInteger = 2,    // digits (and "-") without "."
    wkAssign = 3,     // ":="
    wkSingleQuoted = 4,
    wkDoubleQuoted = 5,
    wkCompare = 6, // = < > <= <> >= ><
    wkFloat = 7,   // digits with a "."
    wkParam = 8,   // ":" not followed by "="
    wkEnd = 9,
};

// Reads the token at Pos and moves Pos past it. Any other single character
// (",", "(", a non-ASCII letter …) is returned as Word with Kind unchanged; "!"
// starts a comment to the end of the line. Integers come back rewritten ("007"
// gives "7"), numbers with "." in their literal form. Raises EConvertError when
// a number token is not a number.
void GetWord(const String& S, Integer& Pos, Integer& Kind, String& Word);
// GetWord without moving Pos.
void PeekWord(const String& S, Integer Pos, Integer& Kind, String& Word);
// Skips blanks, collects up to the first character of Delims (Pos stays on it)
// and returns the collected text trimmed.
void GetWordByDelim(const String& S, Integer& Pos, const String& Delims, String& Word);
// False when Pos is past the text; else moves Pos to the next CR or LF (or the end).
bool Recover(const String& S, Integer& Pos);
// Line and column (from 1) of ErrorPos; a line break counts as two characters.
void FindErrorPos(const String& S, Integer ErrorPos, Integer& Line, Integer& Col);

// "yyyy-mm-dd[ hh:nn[:ss[.zzz]]]"; 0 for anything it cannot read.
TDateTime YYYYMMDDParser(const char* Text);
// The locale's date format, then dd-mm-yyyy, then yyyy-mm-dd. The process-wide
// settings are not touched. Raises EConvertError when none reads S.
TDateTime StrToDateX(const String& S);
// The time after the first blank, without fractions of a second; 0 when unreadable.
TDateTime StrToTimeX(const String& S);
// 0 for ""; the locale's date and time, else StrToDateX (which raises).
TDateTime StrToDateTimeX(const String& S);
// 0 when S is not a whole number.
Int64 StrToIntX(const String& S);
// The locale's decimal separator; 0 when S is not a number.
double StrToFloatX(const String& S);
// S with its first "." replaced by the locale's decimal separator.
void FloatParser(const String& S, String& Result);
// Update-template keyword check: true when Found equals Expected ignoring case;
// otherwise raises SqliteError "SQL macro syntax error on sql, expected <Expected>".
bool SyntaxCheck(const String& Found, const String& Expected);
// The first table a statement reads: the name after its first FROM outside
// brackets, comments and quotes, without its quotes ("", [] or ``), schema parts
// kept ("main.ugyek"). "" without FROM or when a sub-select follows it.
String GetTableNameFromSQL(const String& SQL);
// Copies 16-bit characters up to and including the terminating zero; returns Dest.
char16_t* WStrCopy(char16_t* Dest, const char16_t* Source);
