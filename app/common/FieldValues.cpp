#include "app/common/FieldValues.h"

#include "app/common/SqlRoutines.h"
#include "platform/data/TField.h"

namespace app {

std::optional<TDateTime> FieldDate(TField* Field) {
    if (Field->IsNull()) return std::nullopt;
    if (Field->DataType() == ftDate || Field->DataType() == ftDateTime) return Field->AsDateTime();
    const String text = Field->AsString();
    if (text.empty()) return std::nullopt;
    return SqlTextToDate(text);
}

} // namespace app

namespace app {
void ShowAsForint(TField* Field) {
    Field->OnGetText = [](TField* Sender, String& Text, bool) {
        Text = Sender->IsNull() ? String() : FormatForint(Sender->AsLargeInt());
    };
}
} // namespace app
