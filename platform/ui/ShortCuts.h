#pragma once
// Menu shortcuts: a virtual key with scShift, scCtrl and scAlt bits.
#include "platform/ui/UiTypes.h"

TShortCut ShortCut(Word Key, TShiftState Shift);
void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift);
// "Ctrl+N", "Shift+Del", "F5"; empty for scNone or a key without a name.
String ShortCutToText(TShortCut ShortCut);
// The inverse of ShortCutToText (case-insensitive); scNone when not understood.
TShortCut TextToShortCut(const String& Text);
// Whether Key is the accelerator of Caption: the ASCII letter or digit after
// a single "&" (upper case), as labels and buttons underline it.
bool IsAccel(Word Key, const String& Caption);
