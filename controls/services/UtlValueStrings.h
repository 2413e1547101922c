#pragma once
// One-line texts of rectangles, points and fonts, splitting at a delimiter, the
// divisors of a number, and the colour dialog's custom colours in an INI file or
// registry section. The settings store writes its values through these.
#include "platform/core/Types.h"
#include "platform/graphics/TRect.h"

class TCustomIniFile;
class TFont;
class TStrings;

// The UTL default list delimiter.
constexpr char32_t IDS_DEFAULTDELIMITER = U',';

// Clears List and adds the pieces of Text between Delimiter characters, empty
// ones included; a trailing delimiter adds no last empty piece ("a,,b" → a, "", b;
// "a,b," → a, b). Nothing happens without a list or text.
void UtlParseToStrList(const String& Text, char32_t Delimiter, TStrings* List);

// "left,top,right,bottom". Any other number of pieces reads as (0, 0, 0, 0);
// a piece that is not a number reads as 0.
String UtlRectToString(const TRect& R);
TRect UtlStringToRect(const String& S);

// "[x,y]". Reading accepts the text with or without its brackets; a text
// without a delimiter, or with it first or last, reads as (0, 0).
String UtlPointToString(const TPoint& P);
TPoint UtlStringToPoint(const String& S);

// "name,size,colour,bold,italic,underline,strikeout" with "1"/"0" flags and the
// colour's name (clRed) or number. Only a text of exactly seven pieces changes
// the font; a size that is not a number becomes 10, a colour or a flag that
// cannot be read raises EConvertError "'<text>' is not a valid integer value"
// and leaves the font unchanged.
String UtlFontToString(TFont* Font);
void UtlStringToFont(const String& S, TFont* Font);

// Clears List and fills it with the divisors of N in ascending numeric order;
// empty for N <= 1.
void UtlGetDivider(TStrings* List, Integer N);

// Custom colours as name=value lines of a section. Loading clears the list
// first; saving writes every line holding "=" and leaves the others out.
void UtlLoadCustomColorList(TCustomIniFile* Ini, const String& Section, TStrings* List);
void UtlSaveCustomColorList(TCustomIniFile* Ini, const String& Section, TStrings* List);
void UtlLoadCustomColorFromIniFile(const String& FileName, const String& Section, TStrings* List);
void UtlSaveCustomColorToIniFile(const String& FileName, const String& Section, TStrings* List);
// The same in the section "Custom Colors" of "Colors.ini" in the settings folder.
String UtlCustomColorFileName();
void UtlLoadCustomColors(TStrings* List);
void UtlSaveCustomColors(TStrings* List);
