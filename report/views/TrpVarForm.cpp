#include "report/views/TrpVarForm.h"

#include "platform/core/TStringList.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TListBox.h"
#include "platform/ui/VirtualKeys.h"
#include "report/script/TrpVariables.h"
#include "report/script/detail/TrpValues.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpFormControls.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpReportLink.h"

String rpVarFormCategory;

namespace {

constexpr Integer SpecialCount = 9;
constexpr Integer NamelessSpecial = 1; // the table's second entry has no name

} // namespace

TrpVarForm::TrpVarForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("rpVarForm");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(217);
    SetClientHeight(317);
    SetKeyPreview(true);
    SetCaption(rpLoadStr(rpsVarFormCaption));
    Label1 = report::MakeControl<TLabel>(this, this, "Label1", 8, 8, 201, 13);
    Label1->SetCaption(rpLoadStr(rpsVarFormLabel));
    ValCombo = report::MakeControl<TComboBox>(this, this, "ValCombo", 8, 24, 201, 21);
    ValCombo->SetStyle(csDropDownList);
    Label1->SetFocusControl(ValCombo);
    ValList = report::MakeControl<TListBox>(this, this, "ValList", 8, 52, 201, 257);

    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnKeyDown = [this](TObject* s, Word& k, TShiftState sh) { FormKeyDown(s, k, sh); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    ValCombo->OnChange = [this](TObject* s) { ValComboClick(s); };
    // A click on a line chooses it; the arrow keys only move through the list.
    ValList->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState, Integer x, Integer y) {
        const Integer row = ValList->ItemAtPos(TPoint(x, y), true);
        if (b != mbLeft || row < 0) return;
        ValList->SetItemIndex(row);
        ValListClick(s);
    };
    ValList->OnKeyDown = [this](TObject* s, Word& k, TShiftState sh) { ValListKeyDown(s, k, sh); };
}

void TrpVarForm::FormActivate(TObject*) {
    TStrings* items = ValCombo->Items();
    items->Clear();
    TStringList categories;
    rpGetCategoryList(CurReport, &categories);
    items->AddStrings(&categories);
    FReportCategories = items->Count();
    items->Add(rpLoadStr(rpsSpecialValues));
    items->Add(rpLoadStr(rpsGlobalVariables));
    const Integer last = items->IndexOf(rpVarFormCategory);
    ValCombo->SetItemIndex(last >= 0 ? last : 0);
    ValComboClick(ValCombo);
}

TrpVarForm::Category TrpVarForm::Chosen() const {
    const Integer index = ValCombo->ItemIndex();
    if (index < FReportCategories) return Category::Report;
    return index == FReportCategories ? Category::Special : Category::Globals;
}

void TrpVarForm::ValComboClick(TObject*) {
    TStrings* items = ValList->Items();
    items->Clear();
    if (ValCombo->ItemIndex() < 0) return;
    switch (Chosen()) {
    case Category::Globals:
        for (Integer k = 0; rpVariables && k < rpVariables->GetCount(); ++k)
            items->Add(rpVariables->GetName(k));
        break;
    case Category::Special:
        for (Integer k = 0; k < SpecialCount; ++k)
            if (k != NamelessSpecial) items->Add(rpLoadStr(rpsFirstSpecialName + k));
        break;
    case Category::Report: {
        TStringList names;
        rpGetVarList(CurReport, ValCombo->ItemIndex(), &names);
        items->AddStrings(&names);
        break;
    }
    }
}

void TrpVarForm::ValListClick(TObject*) {
    SetModalResult(mrOk);
}

void TrpVarForm::ValListKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key == VK_RETURN) SetModalResult(mrOk);
}

void TrpVarForm::FormKeyDown(TObject*, Word& Key, TShiftState) {
    if (Key != VK_ESCAPE) return;
    Key = 0;
    SetModalResult(mrCancel);
}

void TrpVarForm::FormClose(TObject*, TCloseAction&) {
    rpVarFormCategory = ValCombo->Text();
    if (ModalResult() != mrOk) return;
    const Integer row = ValList->ItemIndex();
    SelectedValue.clear();
    if (row < 0) return;
    // The list leaves out the nameless entry: rows after the first sit one further on.
    if (Chosen() == Category::Special)
        SelectedValue = report::SpecialVariableName(row == 0 ? 0 : row + 1);
    else
        SelectedValue = ValList->Items()->Get(row);
}
