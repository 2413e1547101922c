#include "app/common/StoredText.h"

#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TField.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

String TextValueSql(const String& Column, const String& Text) {
    if (!Text.empty()) return "'" + SqlQuote(Text) + "'";
    return "CASE WHEN " + Column + " IS NULL THEN NULL ELSE '' END";
}

FieldText FieldText::Of(TField* Field) {
    FieldText loaded;
    loaded.Text = Field->AsString();
    loaded.Full = Field->Size() > 0 && Length(loaded.Text) >= Field->Size();
    return loaded;
}

void StoredTextBox::Show(const FieldText& Loaded, TSqlite3Query& Query, const String& Table,
                         const String& Column, Integer Key) {
    FKept = false;
    if (Loaded.Full) {
        FKept = OpenForInteger(Query, "SELECT " + Column + "='" + SqlQuote(Loaded.Text) + "' FROM " + Table +
                                          " WHERE sorszam=" + IntToStr(Key)) != 1;
        Query.Close();
    }
    FBox->SetText(Loaded.Text);
    if (auto* edit = dynamic_cast<TEdit*>(FBox))
        edit->SetReadOnly(FKept);
    else if (auto* memo = dynamic_cast<TMemo*>(FBox))
        memo->SetReadOnly(FKept);
    if (FKept)
        FNote->SetCaption("A tárolt szöveg hosszabb a mezőnél: itt nem módosítható, változatlan marad.");
}

String StoredTextBox::Sql(const String& Column) const {
    return FKept ? Column : TextValueSql(Column, FBox->Text());
}

} // namespace app
