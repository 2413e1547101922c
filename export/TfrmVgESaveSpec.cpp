// The dialog for naming and saving an export's settings.
#include "export/TfrmVgESaveSpec.h"

#include "export/VgEUtils.h"

#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"

std::function<TModalResult(TfrmVgESaveSpec* Form)> TfrmVgESaveSpec::Runner;

TfrmVgESaveSpec::TfrmVgESaveSpec(TComponent* AOwner) : TForm(AOwner) {
    SetName("frmVgESaveSpec");
    SetCaption("Export settings");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(360);
    SetClientHeight(118);
    auto label = [this](const String& Caption, Integer Top) {
        auto* l = new TLabel(this);
        l->SetParent(this);
        l->SetBounds(10, Top + 3, 60, 13);
        l->SetCaption(Caption);
        return l;
    };
    auto edit = [this](Integer Top, Integer Width) {
        auto* e = new TEdit(this);
        e->SetParent(this);
        e->SetBounds(76, Top, Width, 21);
        return e;
    };
    auto button = [this](const String& Caption, Integer Left, Integer Top, Integer Width) {
        auto* b = new TButton(this);
        b->SetParent(this);
        b->SetBounds(Left, Top, Width, 25);
        b->SetCaption(Caption);
        return b;
    };
    lblSpecName = label("SpecName", 12);
    edSpecName = edit(12, 274);
    lblFileName = label("FileName", 42);
    edFileName = edit(42, 246);
    btnFileName = button("...", 326, 40, 24);
    btnFileName->OnClick = [this](TObject* Sender) { btnFileNameClick(Sender); };
    btnOk = button("OK", 194, 80, 75);
    btnOk->SetModalResult(mrOk);
    btnOk->SetDefault(true);
    btnCancel = button("Cancel", 275, 80, 75);
    btnCancel->SetModalResult(mrCancel);
    btnCancel->SetCancel(true);
}

void TfrmVgESaveSpec::btnFileNameClick(TObject*) {
    String name = edFileName->Text();
    if (VgEOpenSaveFileDialog("sme", FFilter, "", "", name, false)) edFileName->SetText(name);
}

TModalResult TfrmVgESaveSpec::Execute() {
    return Runner ? Runner(this) : ShowModal();
}
