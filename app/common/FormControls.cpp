#include "app/common/FormControls.h"

#include "app/common/AreaLayout.h"
#include "controls/buttons/ButtonLooks.h"
#include "platform/data/TDataSource.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"

namespace app {

namespace {

template <class T>
T* Place(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left, Integer Top, Integer Width,
         Integer Height) {
    auto* control = new T(Owner);
    control->SetName(Name);
    control->SetParent(Parent);
    control->SetBounds(Left, Top, Width, Height);
    return control;
}

} // namespace

void SetUpDialog(TCustomForm* Form, const String& Name, const String& Caption, Integer ClientWidth,
                 Integer ClientHeight) {
    Form->SetName(Name);
    Form->SetCaption(Caption);
    Form->SetBorderStyle(bsSingle);
    Form->SetPosition(poScreenCenter);
    Form->SetClientWidth(ClientWidth);
    Form->SetClientHeight(ClientHeight);
}

TDataSource* MakeDataSource(TComponent* Owner, const String& Name, TDataSet* DataSet) {
    auto* source = new TDataSource(Owner);
    source->SetName(Name);
    source->SetDataSet(DataSet);
    return source;
}

TComboBox* MakeChoiceCombo(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left,
                           Integer Top, Integer Width) {
    auto* combo = Place<TComboBox>(Owner, Parent, Name, Left, Top, Width, EditHeight);
    combo->SetStyle(csDropDownList);
    return combo;
}

TEdit* MakeEdit(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left, Integer Top,
                Integer Width) {
    auto* edit = Place<TEdit>(Owner, Parent, Name, Left, Top, Width, EditHeight);
    edit->SetText("");
    return edit;
}

TMemo* MakeMemo(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left, Integer Top,
                Integer Width, Integer Height) {
    auto* memo = Place<TMemo>(Owner, Parent, Name, Left, Top, Width, Height);
    memo->SetText("");
    memo->SetWordWrap(true);
    return memo;
}

TCheckBox* MakeCheckBox(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                        Integer Left, Integer Top, Integer Width, bool Checked) {
    auto* box = Place<TCheckBox>(Owner, Parent, Name, Left, Top, Width, 17);
    box->SetCaption(Caption);
    box->SetChecked(Checked);
    return box;
}

TRadioButton* MakeRadioButton(TComponent* Owner, TWinControl* Parent, const String& Name,
                              const String& Caption, Integer Left, Integer Top, Integer Width, bool Checked) {
    auto* radio = Place<TRadioButton>(Owner, Parent, Name, Left, Top, Width, 17);
    radio->SetCaption(Caption);
    radio->SetChecked(Checked);
    return radio;
}

TDateTimePicker* MakeDatePicker(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Left,
                                Integer Top, Integer Width) {
    auto* picker = Place<TDateTimePicker>(Owner, Parent, Name, Left, Top, Width, EditHeight);
    picker->SetKind(dtkDate);
    picker->SetDateFormat(dfShort);
    return picker;
}

TBitBtn* MakeBitBtn(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                    Integer Left, Integer Top, Integer Width) {
    auto* button = Place<TBitBtn>(Owner, Parent, Name, Left, Top, Width, ButtonHeight);
    button->SetCaption(Caption);
    return button;
}

TDBText* MakeDBText(TComponent* Owner, TWinControl* Parent, const String& Name, TDataSource* Source,
                    const String& Field, Integer Left, Integer Top, Integer Width, Integer Height) {
    auto* text = Place<TDBText>(Owner, Parent, Name, Left, Top, Width, Height);
    text->SetTransparent(true);
    text->SetDataSource(Source);
    text->SetDataField(Field);
    return text;
}

TPanel* MakeHeaderPanel(TComponent* Owner, TWinControl* Parent, const String& Name, Integer Height) {
    TPanel* panel = MakePanel(Owner, Parent, Name, alTop);
    panel->SetHeight(Height);
    panel->SetColor(looks::HouseBlue);
    panel->Font()->SetName("Arial");
    panel->Font()->SetHeight(-15);
    panel->Font()->SetStyle({fsBold});
    panel->Font()->SetColor(clWhite);
    return panel;
}

TLabel* MakeFieldLabel(TComponent* Owner, TWinControl* Parent, const String& Name, const String& Caption,
                       Integer Right, Integer Top) {
    TLabel* label = MakeLabel(Owner, Parent, Name, Caption, 0, Top + 4);
    label->SetAutoSize(false);
    label->SetAlignment(taRightJustify);
    label->SetBounds(Right - 160, Top + 4, 160, 13);
    return label;
}

} // namespace app
