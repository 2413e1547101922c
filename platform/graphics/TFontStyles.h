#pragma once
// Font style set and pitch, shared by TFont and the drawing backends.
#include "platform/core/TSet.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontStyles = TSet<TFontStyle>;
