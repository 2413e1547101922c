#include "grid/TVgSetDBGridDialog.h"

#include "grid/TfrmGridSetup.h"
#include "grid/VgGridSetup.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TStringList.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckListBox.h"
#include "platform/ui/TCustomDBGrid.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"

TVgSetDBGridDialog::TVgSetDBGridDialog(TComponent* AOwner)
    : TComponent(AOwner), FAllowedFields(std::make_unique<TStringList>()) {}

TVgSetDBGridDialog::~TVgSetDBGridDialog() = default;

void TVgSetDBGridDialog::SetDBGrid(TCustomDBGrid* Value) {
    if (Value == FDBGrid) return;
    if (FDBGrid) FDBGrid->RemoveFreeNotification(this);
    FDBGrid = Value;
    if (FDBGrid) FDBGrid->FreeNotification(this);
}

void TVgSetDBGridDialog::SetAllowedFields(TStrings* Value) {
    FAllowedFields->Assign(Value);
}

void TVgSetDBGridDialog::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDBGrid) FDBGrid = nullptr;
}

namespace {

void SetTexts(TfrmGridSetup* f, const String& Caption) {
    f->SetCaption(Caption);
    f->gbTitle->SetCaption(" Title ");
    f->gbData->SetCaption(" Data ");
    f->btnTitleFont->SetCaption("...");
    f->btnDataFont->SetCaption("...");
    f->lblWidth->SetCaption("Width:");
    f->lblCharacters->SetCaption("characters");
    f->btnApplyAll->SetCaption("Apply to All");
    f->btnOk->SetCaption("&OK");
    f->btnCancel->SetCaption("&Cancel");
    f->miSelectAll->SetCaption("Select &All");
    f->miUnselectAll->SetCaption("&Unselect all");
    f->miInvertSelection->SetCaption("Invert selection");
}

} // namespace

bool TVgSetDBGridDialog::Execute() {
    if (OnBeforeExecute) OnBeforeExecute(this);
    auto form = std::make_unique<TfrmGridSetup>(nullptr);
    FForm = form.get();
    core::ScopeExit forget([this] { FForm = nullptr; });
    SetTexts(FForm, FCaption);
    const bool filled = FDBGrid && FDBGrid->DataSet();
    if (filled) {
        for (TVgGridSetupItem& item : vg::BuildSetupItems(FDBGrid, FAllowedFields.get(), vg::FontZeroWidth))
            FForm->AddItem(std::move(item));
        if (!FForm->Items.empty()) {
            FForm->clbFields->SetItemIndex(0);
            FForm->clbFieldsClick(FForm->clbFields);
        }
    }
    if (OnShow) OnShow(this);
    if (FForm->ShowModal() != mrOk) return false;
    // Confirmed with Enter inside an editor: that editor was never left.
    FForm->PropertyExit(FForm->ActiveControl());
    if (!filled || !FDBGrid) return false;
    FForm->StoreChecks();
    vg::ApplySetupItems(FDBGrid, FForm->Items, vg::FontZeroWidth);
    form.reset();
    if (OnAfterExecute) OnAfterExecute(this);
    return true;
}
