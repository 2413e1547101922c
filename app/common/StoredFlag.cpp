#include "app/common/StoredFlag.h"

#include "app/common/ChangedValues.h"
#include "platform/ui/TCheckBox.h"

namespace app {

void AddFlagChange(ChangedValues& Values, const String& Column, std::optional<bool> Value) {
    Values.Add(Column, Value.has_value(), Value.value_or(false) ? "1" : "0");
}

void StoredFlagBox::Show(bool Checked) {
    FBox->SetChecked(Checked);
    FShown = Checked;
}

std::optional<bool> StoredFlagBox::Value() const {
    const bool checked = FBox->Checked();
    if (checked == FShown) return std::nullopt;
    return checked;
}

} // namespace app
