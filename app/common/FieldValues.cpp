#include "app/common/FieldValues.h"

#include "app/common/SqlRoutines.h"
#include "platform/data/TField.h"

namespace app {
void ShowAsForint(TField* Field) {
    Field->OnGetText = [](TField* Sender, String& Text, bool) {
        Text = Sender->IsNull() ? String() : FormatForint(Sender->AsLargeInt());
    };
}
} // namespace app
