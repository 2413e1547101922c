#include "app/common/StoredDate.h"

#include "app/common/AreaLayout.h"
#include "app/common/ChangedValues.h"
#include "app/common/SqlRoutines.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TLabel.h"

#include <algorithm>

namespace app {

StoredDate::StoredDate(TDateTime Date) : FText(DateToSqlText(Date)) {}

StoredDate StoredDate::FromText(const String& Text) {
    StoredDate value;
    value.FText = Text;
    return value;
}

StoredDate StoredDate::Of(TField* Field) {
    if (Field->IsNull()) return {};
    if (Field->DataType() == ftDate || Field->DataType() == ftDateTime) {
        // A date field hands a text it could not read as that text.
        const Variant value = Field->AsVariant();
        if (value.Type() == varString) return FromText(value.AsString());
        return StoredDate(Field->AsDateTime());
    }
    return FromText(Field->AsString());
}

bool StoredDate::IsEmpty() const {
    return !FText || Trim(*FText).empty();
}

std::optional<TDateTime> StoredDate::Date() const {
    if (IsEmpty()) return std::nullopt;
    try {
        return SqlTextToDate(*FText);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

String StoredDate::DisplayText() const {
    if (IsEmpty()) return String();
    const std::optional<TDateTime> date = Date();
    return date ? DateToStr(*date) : *FText;
}

String StoredDate::Sql() const {
    return FText ? SqlLiteral(*FText) : String("NULL");
}

String ListDateSql(const String& Column) {
    return "COALESCE(strftime(\"%Y.%m.%d.\", " + Column + "), " + Column + ")";
}

void ShowStoredDates(TDataSet& Data, std::initializer_list<const char*> Names) {
    for (const char* name : Names)
        if (TField* field = Data.FindField(name))
            field->OnGetText = [](TField* Sender, String& Text, bool) {
                Text = StoredDate::Of(Sender).DisplayText();
            };
    // Controls that showed the current record on open (a detail strip's labels) show it
    // again through the new text.
    if (Data.Active()) Data.DataEvent(deRecordChange, 0);
}

StoredDatePicker::StoredDatePicker(TComponent* Owner, TDateTimePicker* Picker, bool WithNote)
    : FPicker(Picker) {
    FPicker->SetShowCheckbox(true);
    FPicker->SetShowHint(true);
    if (!WithNote) return;
    const Integer left = FPicker->Left() + FPicker->Width() + 6;
    FNote = MakeLabel(Owner, FPicker->Parent(), FPicker->Name() + "Note", "", left, FPicker->Top() + 3);
    FNote->SetAutoSize(false);
    FNote->SetShowHint(true);
}

void StoredDatePicker::Show(const StoredDate& Value, TDateTime Unset) {
    const std::optional<TDateTime> date = Value.Date();
    FPicker->SetDate(date ? *date : Unset);
    FPicker->SetChecked(date.has_value());
    Keep(Value);
}

void StoredDatePicker::Keep(const StoredDate& Value) {
    FStored = Value;
    if (!FClearable) FPicker->SetShowCheckbox(!Value.Date());
    FShownChecked = FPicker->Checked();
    FShownDate = FPicker->Date();
    // Who opens a row written elsewhere learns why its date shows unchecked.
    const bool unreadable = Value.IsUnreadable();
    FPicker->SetHint(unreadable ? "A tárolt „" + Value.Text() +
                                      "” nem dátum; változatlan marad, amíg a dátumot nem módosítja."
                                : String());
    if (!FNote) return;
    // Up to the form's edge, which is known once the form is laid out.
    FNote->SetWidth(std::max(FNote->Parent()->ClientWidth() - FNote->Left() - 6, 0));
    FNote->SetCaption(unreadable ? "„" + Value.Text() + "”: nem dátum" : String());
    FNote->SetHint(FPicker->Hint());
}

bool StoredDatePicker::Changed() const {
    return FPicker->Checked() != FShownChecked || (FShownChecked && FPicker->Date() != FShownDate);
}

void StoredDatePicker::AddTo(ChangedValues& Values, const String& Column) const {
    Values.Add(Column, Changed(), Value().Sql());
}

StoredDate StoredDatePicker::Value() const {
    if (!Changed()) return FStored;
    if (FPicker->Checked()) return StoredDate(FPicker->Date());
    return FStored.IsEmpty() ? FStored : StoredDate();
}

} // namespace app
