#pragma once
// The grid's own small pictures, drawn in code on first use: BLOB, memo,
// picture and object glyphs (olive background) and the two sort arrows
// (silver background). Index 0..5 in that order; null for any other.
#include "platform/core/Types.h"

class TBitmap;

constexpr Integer VG_BLOB = 0, VG_MEMO = 1, VG_PICT = 2, VG_OLE = 3, VG_ARROWASC = 4, VG_ARROWDESC = 5;

TBitmap* GetGridBitmap(Integer Index);
