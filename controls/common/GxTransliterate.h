#pragma once
// Transliteration between the Cyrillic letters of code page 1251 and Latin letters.
#include "platform/core/Types.h"

// ToLatin: the two-letter and longer sounds first (щ shch, ч ch, ...), then one
// letter for each remaining Cyrillic letter. Back: the longest Latin sequences
// first, then one Cyrillic letter for each Latin letter that has one.
String Transliterate(const String& S, bool ToLatin);
