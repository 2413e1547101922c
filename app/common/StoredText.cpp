#include "app/common/StoredText.h"

#include "app/common/AreaLayout.h"
#include "app/common/ChangedValues.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"

namespace app {

String TextValueSql(const String& Column, const String& Text) {
    if (!Text.empty()) return SqlLiteral(Text);
    return "CASE WHEN " + Column + " IS NULL THEN NULL ELSE '' END";
}

String TextInsertSql(const String&, const String& Text) {
    return SqlLiteral(Text);
}

TLabel* MakeTextNote(TComponent* Owner, TControl* Button) {
    TLabel* note = MakeLabel(Owner, Button->Parent(), "Note", "", 8, Button->Top() - 4);
    note->SetAutoSize(false);
    note->SetWordWrap(true);
    note->SetBounds(8, Button->Top() - 4, Button->Left() - 16, 34);
    return note;
}

FieldText FieldText::Of(TField* Field) {
    FieldText loaded;
    loaded.Text = Field->AsString();
    loaded.Full = Field->Size() > 0 && Length(loaded.Text) >= Field->Size();
    return loaded;
}

void StoredTextBox::Show(const FieldText& Loaded, TSqlite3Query& Query, const String& Table,
                         const String& Column, Integer Key) {
    bool kept = false;
    if (Loaded.Full) {
        kept = OpenForInteger(Query, "SELECT " + Column + "='" + SqlQuote(Loaded.Text) + "' FROM " + Table +
                                         " WHERE sorszam=" + IntToStr(Key)) != 1;
        Query.Close();
    }
    FTable = Table;
    FKey = Key;
    Present(Loaded.Text, kept);
}

void StoredTextBox::Clear() {
    Present("", false);
}

void StoredTextBox::Present(const String& Text, bool Kept) {
    FKept = Kept;
    FBox->SetText(Text);
    FShown = FBox->Text();
    if (auto* edit = dynamic_cast<TEdit*>(FBox))
        edit->SetReadOnly(Kept);
    else if (auto* memo = dynamic_cast<TMemo*>(FBox))
        memo->SetReadOnly(Kept);
    const String why = "A tárolt szöveg hosszabb a mezőnél: itt nem módosítható, változatlan marad.";
    FBox->SetHint(Kept ? why : String());
    FBox->SetShowHint(Kept);
    if (Kept && FNote) FNote->SetCaption(why);
}

bool StoredTextBox::Keeps() const {
    return FKept && FBox->Text() == FShown;
}

String StoredTextBox::Sql(const String& Column) const {
    return Keeps() ? Column : TextValueSql(Column, FBox->Text());
}

String StoredTextBox::CopySql(const String& Column) const {
    if (!Keeps()) return TextInsertSql(Column, FBox->Text());
    return "(SELECT " + Column + " FROM " + FTable + " WHERE sorszam=" + IntToStr(FKey) + ")";
}

void StoredTextBox::AddTo(ChangedValues& Values, const String& Column) const {
    Values.Add(Column, FShown, FBox->Text(), Sql(Column));
}

StoredTextBoxes::StoredTextBoxes(TLabel* Note,
                                 std::initializer_list<std::pair<const char*, TWinControl*>> Columns)
    : FNote(Note) {
    for (const auto& [column, box] : Columns)
        Add(column, box);
}

void StoredTextBoxes::Add(const String& Column, TWinControl* Box) {
    FEntries.push_back({Column, StoredTextBox(Box, FNote)});
}

void StoredTextBoxes::Show(TDataSet& Row, TSqlite3Query& Query, const String& Table, Integer Key) {
    // Every text is read before Query, which may be Row, is used for the comparisons.
    std::vector<FieldText> loaded;
    for (const Entry& entry : FEntries)
        loaded.push_back(Row.IsEmpty() ? FieldText() : FieldText::Of(Row.FieldByName(entry.Column)));
    if (&Row == &Query) Query.Close();
    if (FNote) FNote->SetCaption("");
    for (std::size_t i = 0; i < FEntries.size(); ++i)
        FEntries[i].Guard.Show(loaded[i], Query, Table, FEntries[i].Column, Key);
}

void StoredTextBoxes::Clear() {
    if (FNote) FNote->SetCaption("");
    for (Entry& entry : FEntries)
        entry.Guard.Clear();
}

const StoredTextBox* StoredTextBoxes::Find(const String& Column) const {
    for (const Entry& entry : FEntries)
        if (entry.Column == Column) return &entry.Guard;
    return nullptr;
}

String StoredTextBoxes::operator()(const String& Column, const String& Text) const {
    const StoredTextBox* box = Find(Column);
    return box ? box->Sql(Column) : TextValueSql(Column, Text);
}

TextSetValue StoredTextBoxes::Copies() const {
    return [this](const String& Column, const String& Text) {
        const StoredTextBox* box = Find(Column);
        return box ? box->CopySql(Column) : TextInsertSql(Column, Text);
    };
}

} // namespace app
