#include "platform/ui/TDBCheckBox.h"

#include "platform/core/StrUtils.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFieldDataLink.h"
#include "platform/ui/SafeCall.h"
#include "platform/ui/VirtualKeys.h"

#include <QMouseEvent>

namespace {

// The ";"-separated texts of List, blanks around each one dropped.
std::vector<String> Values(const String& List) {
    std::vector<String> out;
    std::size_t start = 0;
    while (start <= List.size()) {
        const std::size_t end = List.find(';', start);
        out.push_back(Trim(List.substr(start, end == String::npos ? String::npos : end - start)));
        if (end == String::npos) break;
        start = end + 1;
    }
    return out;
}

bool ValueMatch(const String& List, const String& Value) {
    for (const String& v : Values(List))
        if (AnsiSameText(v, Value)) return true;
    return false;
}

} // namespace

TDBCheckBox::TDBCheckBox(TComponent* AOwner) : TDataAwareControl<TCheckBox>(AOwner) {
    DataChange();
}

void TDBCheckBox::SetValueChecked(const String& v) {
    FValueCheck = v;
    DataChange();
}

void TDBCheckBox::SetValueUnchecked(const String& v) {
    FValueUncheck = v;
    DataChange();
}

TCheckBoxState TDBCheckBox::FieldState() const {
    const TField* field = Field();
    if (!field) return cbUnchecked;
    if (field->IsNull()) return cbGrayed;
    if (field->DataType() == ftBoolean) return field->AsBoolean() ? cbChecked : cbUnchecked;
    const String text = field->Text();
    if (ValueMatch(FValueCheck, text)) return cbChecked;
    if (ValueMatch(FValueUncheck, text)) return cbUnchecked;
    return cbGrayed;
}

void TDBCheckBox::DataChange() {
    ShowValue([&] {
        SetState(FieldState());
        // Grey shown for a null value must not become a step of the user's clicks.
        SetAllowGrayed(AllowGrayed());
    });
}

void TDBCheckBox::UpdateData() {
    TField* field = Field();
    if (State() == cbGrayed) {
        field->Clear();
    } else if (field->DataType() == ftBoolean) {
        field->SetAsBoolean(Checked());
    } else {
        const std::vector<String> values = Values(Checked() ? FValueCheck : FValueUncheck);
        field->SetText(values.front());
    }
}

void TDBCheckBox::Click() {
    if (!Loading()) {
        DataLink()->Modified();
        SetAllowGrayed(AllowGrayed());
    }
    TCheckBox::Click();
}

void TDBCheckBox::KeyDown(Word& Key, TShiftState Shift) {
    TCheckBox::KeyDown(Key, Shift);
    if (Key == VK_SPACE && !DataLink()->Edit()) Key = 0;
}

bool TDBCheckBox::WidgetEvent(QEvent* Event) {
    if (Event->type() != QEvent::MouseButtonPress && Event->type() != QEvent::MouseButtonDblClick)
        return false;
    if (static_cast<QMouseEvent*>(Event)->button() != Qt::LeftButton || !Enabled()) return false;
    // A failed edit is reported here so that the click is still refused.
    bool editing = false;
    ui::SafeCall(this, [&] { editing = DataLink()->Edit(); });
    return !editing;
}

void TDBCheckBox::DoExit() {
    WriteOnExit();
    TCheckBox::DoExit();
}
