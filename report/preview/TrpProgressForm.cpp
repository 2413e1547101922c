#include "report/preview/detail/TrpProgressForm.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TTimer.h"
#include "report/build/TrpReport.h"
#include "report/common/detail/rpConsts.h"

TrpProgressForm::TrpProgressForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("rpProgressForm");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    SetClientWidth(278);
    SetClientHeight(106);

    Label1 = new TLabel(this);
    Label1->SetParent(this);
    Label1->SetAutoSize(false);
    Label1->SetAlignment(taCenter);
    Label1->SetBounds(20, 32, 237, 13);

    Button1 = new TButton(this);
    Button1->SetParent(this);
    Button1->SetBounds(100, 68, 75, 25);
    Button1->SetCancel(true);
    Button1->SetCaption(rpLoadStr(rpsCancel));
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };

    // The build starts once the modal loop runs, so the window is up and answers.
    FStart = new TTimer(this);
    FStart->SetEnabled(false);
    FStart->SetInterval(1);
    FStart->OnTimer = [this](TObject*) {
        FStart->SetEnabled(false);
        if (FAction) {
            auto action = std::move(FAction);
            FAction = nullptr;
            action();
        }
    };
}

void TrpProgressForm::SetCaption(const String& Caption) {
    TForm::SetCaption(Caption);
}

void TrpProgressForm::SetLabel(const String& Text) {
    Label1->SetCaption(Text);
}

String TrpProgressForm::Label() const {
    return Label1->Caption();
}

bool TrpProgressForm::Visible() const {
    return TForm::Visible();
}

bool TrpProgressForm::ShowModal(TrpReport* Report, const std::function<void()>& Action) {
    FReport = Report;
    FAction = Action;
    FPace.Restart();
    FStart->SetEnabled(true);
    const TModalResult result = TForm::ShowModal();
    FStart->SetEnabled(false);
    FAction = nullptr;
    FReport = nullptr;
    return result != mrCancel;
}

void TrpProgressForm::CloseModal(bool Cancelled) {
    SetModalResult(Cancelled ? mrCancel : mrOk);
}

void TrpProgressForm::ProcessMessages() {
    FPace.Pump();
}

void TrpProgressForm::Button1Click(TObject*) {
    if (FReport) FReport->Terminated = true;
    SetModalResult(mrCancel);
}

void rpRegisterProgressForm() {
    report::rpSetProgressWindowFactory([] { return new TrpProgressForm(nullptr); });
}
