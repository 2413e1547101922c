#pragma once
// Text boxes for whole numbers (years, case numbers, retention periods): typed keys
// other than digits and editing keys are refused, and pasted text keeps its digits.
#include "platform/core/Types.h"

class TEdit;

namespace app {

// Installs the key filter and the paste clean-up on Edit (its OnKeyPress and OnChange).
void AcceptDigitsOnly(TEdit* Edit);

// Puts a stored value into a box of AcceptDigitsOnly as it stands, whatever it holds
// ("10 év", as offices' databases hold), so the user sees what is stored and mends it; the
// user's edits are filtered again.
void ShowStoredText(TEdit* Edit, const String& Text);

// True when Text is empty or holds only the digits 0-9.
bool IsDigitsOnly(const String& Text);
// Text itself when IsDigitsOnly; else raises EConvertError "'<text>' is not a valid
// integer value", so a year or number box never puts typed text into a statement.
const String& CheckedDigits(const String& Text);

} // namespace app
