#include "app/common/StoredFlag.h"

#include "platform/ui/TCheckBox.h"

namespace app {

String FlagValueSql(const String& Column, std::optional<bool> Value) {
    if (!Value) return Column;
    return *Value ? "1" : "0";
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
