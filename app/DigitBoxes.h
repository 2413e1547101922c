#pragma once
// Text boxes for whole numbers (years, case numbers, retention periods): typed keys
// other than digits and editing keys are refused, and pasted text keeps its digits.
class TEdit;

namespace app {

// Installs the key filter and the paste clean-up on Edit (its OnKeyPress and OnChange).
void AcceptDigitsOnly(TEdit* Edit);

} // namespace app
