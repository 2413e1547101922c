#include "app/common/StoredText.h"

#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/NumberFormat.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

bool StoredWhole(TSqlite3Query& Query, const String& Table, const String& Column, Integer Key,
                 const String& Text) {
    const Integer whole = OpenForInteger(Query, "SELECT " + Column + "='" + SqlQuote(Text) + "' FROM " +
                                                    Table + " WHERE sorszam=" + IntToStr(Key));
    Query.Close();
    return whole == 1;
}

String TextValueSql(const String& Column, const String& Text) {
    if (!Text.empty()) return "'" + SqlQuote(Text) + "'";
    return "CASE WHEN " + Column + " IS NULL THEN NULL ELSE '' END";
}

void StoredTextBox::Show(const String& Text, bool Whole) {
    FKept = !Whole;
    FBox->SetText(Text);
    FBox->SetReadOnly(FKept);
    if (FKept)
        FNote->SetCaption(
            "A tárolt szöveg hosszabb a mezőnél, ezért itt nem módosítható, és változatlan marad.");
}

String StoredTextBox::Sql(const String& Column) const {
    return FKept ? Column : TextValueSql(Column, FBox->Text());
}

} // namespace app
