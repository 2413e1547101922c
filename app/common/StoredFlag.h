#pragma once
// A check box over a 1/0 flag column. Rows other tools wrote may hold NULL there, which the
// box shows unchecked; a save writes the flag only when the user changed the box, so an
// untouched box neither turns NULL into 0 nor undoes a change made elsewhere since the row
// was read (a dialog that stays open beside the lists).
#include "platform/core/Types.h"

#include <optional>

class TCheckBox;

namespace app {

class ChangedValues;

// Adds flag column Column, 1 or 0, to what a save writes when Value holds one; none keeps it.
void AddFlagChange(ChangedValues& Values, const String& Column, std::optional<bool> Value);

class StoredFlagBox {
public:
    StoredFlagBox() = default;
    explicit StoredFlagBox(TCheckBox* Box) : FBox(Box) {}

    // Shows Checked and takes it as the box's showing.
    void Show(bool Checked);
    // What a save writes: the box's state when it differs from what Show put there; none
    // (keep the column) otherwise.
    std::optional<bool> Value() const;
    // Adds Column to what a save writes when the user changed the box.
    void AddTo(ChangedValues& Values, const String& Column) const { AddFlagChange(Values, Column, Value()); }

private:
    TCheckBox* FBox = nullptr;
    bool FShown = false;
};

} // namespace app
