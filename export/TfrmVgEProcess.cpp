// The progress window and the adapter through which an export drives it. While
// the window is up the program's other windows take no input, so the dataset an
// export walks cannot be closed or re-queried under it.
#include "export/TfrmVgEProcess.h"

#include "export/ProgressDialog.h"
#include "export/TVgEBusyIndicator.h"

#include "platform/core/Exceptions.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/ProgressPace.h"
#include "platform/ui/TProgressBar.h"
#include "platform/ui/TScreen.h"

#include <vector>

TfrmVgEProcess::TfrmVgEProcess(TComponent* AOwner) : TForm(AOwner) {
    SetName("frmVgEProcess");
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    SetClientWidth(442);
    SetClientHeight(87);

    Bevel = new TBevel(this);
    Bevel->SetParent(this);
    Bevel->SetBounds(0, 0, 442, 87);
    Bevel->SetShape(bsFrame);
    Bevel->SetStyle(bsRaised);

    lblStatus = new TLabel(this);
    lblStatus->SetParent(this);
    lblStatus->SetAutoSize(false);
    lblStatus->SetBounds(8, 56, 339, 13);

    ProgressBar = new TProgressBar(this);
    ProgressBar->SetParent(this);
    ProgressBar->SetBounds(10, 70, 337, 10);
    ProgressBar->SetMin(0);
    ProgressBar->SetMax(100);
    ProgressBar->SetPosition(34);

    btnCancel = new TButton(this);
    btnCancel->SetParent(this);
    btnCancel->SetBounds(355, 55, 75, 25);
    btnCancel->SetCancel(true);
    btnCancel->SetCaption("&Cancel");
    btnCancel->SetModalResult(mrCancel);
    btnCancel->SetCursor(crArrow);
    btnCancel->OnClick = [this](TObject* Sender) { btnCancelClick(Sender); };

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
    FormCreate(this);
}

void TfrmVgEProcess::FormCreate(TObject*) {
    if (Animate != nullptr) return;
    Animate = new TVgEBusyIndicator(this);
    Animate->SetParent(this);
    Animate->SetBounds(8, 4, 427, 45);
}

void TfrmVgEProcess::FormClose(TObject*, TCloseAction&) {
    Cancelled = true;
}

void TfrmVgEProcess::btnCancelClick(TObject*) {
    Cancelled = true;
}

namespace vge {

namespace {

class ProcessFormDialog : public ProgressDialog {
public:
    ProcessFormDialog() : FForm(new TfrmVgEProcess(Application)) {}

    ~ProcessFormDialog() override {
        delete FForm;
        for (TCustomForm* form : FDisabled)
            form->SetEnabled(true);
        if (Application != nullptr) Application->ProcessMessages();
    }

    void Start(const String& Caption, const String& Status, const String& ButtonCaption, Integer Min,
               Integer Max, Integer Position) override {
        if (Application != nullptr) Application->ProcessMessages();
        FForm->SetCaption(Caption);
        FForm->lblStatus->SetCaption(Status);
        FForm->btnCancel->SetCaption(ButtonCaption);
        FForm->ProgressBar->SetMin(Min);
        FForm->ProgressBar->SetMax(Max);
        FForm->ProgressBar->SetPosition(Position);
        FForm->ProgressBar->SetVisible(Min != 0 || Max != 0);
        DisableOtherForms();
        FForm->Show();
        Refresh();
    }

    void Update(const String& Text, Integer Value) override {
        FText = Text;
        FValue = Value;
        if (Due(Value)) Refresh();
    }

    // The texts are always kept; the window shows them at the pace of every progress window.
    bool Due(Integer Value) const override { return FPace.Ready() || Value >= FForm->ProgressBar->Max(); }

    Integer Max() const override { return FForm->ProgressBar->Max(); }
    bool Cancelled() const override { return FForm->Cancelled; }
    void SetCancelled(bool Value) override { FForm->Cancelled = Value; }

private:
    void DisableOtherForms() {
        if (Screen == nullptr) return;
        for (Integer i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form != FForm && form->Visible() && form->Enabled()) {
                form->SetEnabled(false);
                FDisabled.push_back(form);
            }
        }
    }

    void Refresh() {
        if (FValue >= 0) {
            FForm->lblStatus->SetCaption(FText);
            FForm->ProgressBar->SetPosition(FValue);
        }
        FForm->Animate->Advance();
        FForm->Repaint();
        if (Application != nullptr) Application->ProcessMessages();
        FPace.Mark();
    }

    TfrmVgEProcess* FForm;
    std::vector<TCustomForm*> FDisabled;
    String FText;
    Integer FValue = -1;
    ui::ProgressPace FPace;
};

ProgressDialogFactory& Factory() {
    static ProgressDialogFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<ProgressDialog> CreateProgressDialog() {
    if (Factory()) return Factory()();
    return std::make_unique<ProcessFormDialog>();
}

ProgressDialogFactory SetProgressDialogFactory(ProgressDialogFactory NewFactory) {
    ProgressDialogFactory previous = std::move(Factory());
    Factory() = std::move(NewFactory);
    return previous;
}

} // namespace vge
