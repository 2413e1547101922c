#pragma once
// Hungarian alphabetical order, deterministic and independent of installed
// locale data, so stored sort orders and the database collations never change
// with the machine.
//
// Levels, as a dictionary orders: first the letters of the Hungarian alphabet
// (a á b c cs d dz dzs e é f g gy h i í j k l ly m n ny o ó ö ő p q r s sz t ty
// u ú ü ű v w x y z zs, with a=á, e=é, i=í, o=ó, ö=ő, u=ú, ü=ű equal at this level);
// then accents (unaccented first); then, in case-observing mode, case (lower first).
// Digraphs and the trigraph dzs count as single letters. Other characters order
// by their code point after folding other Latin accents to their base letters.
#include "platform/core/Types.h"

#include <string_view>

namespace core {

enum class TCollationCase { Observe, Ignore };

// <0 when a sorts before b, 0 when equal, >0 after. Inputs are UTF-8; invalid
// bytes compare as U+FFFD.
int HungarianCompare(std::string_view a, std::string_view b, TCollationCase mode);

// The same order for texts in an 8-bit code page (1250, 1251 or 852), read byte by byte
// without converting them: the order of their UTF-8 forms. Raises EConvertError
// ("Unsupported code page %d") for any other code page.
int HungarianCompareCodePage(std::string_view a, std::string_view b, TCollationCase mode, int codePage);

// The length of the start a and b share up to and including its last ASCII character that
// ends a collation element whatever follows: a space, digit or other mark, or a letter that
// starts no digraph (not c, d, g, l, n, s, t or z, nor their capitals), so the texts compare
// as they compare without it. Holds for UTF-8 and for 8-bit code pages that keep ASCII (the
// database's 1250).
std::size_t HungarianSharedStart(std::string_view a, std::string_view b);

} // namespace core
