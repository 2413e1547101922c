#pragma once
// The progress window of a report build: a centred dialog with one label
// ("Processing page:  3") and a Cancel button that stops the build. It runs
// the build from inside its own modal loop, so the user can press Cancel.
#include "platform/ui/ProgressPace.h"
#include "platform/ui/TCustomForm.h"
#include "report/build/rpProgress.h"

class TButton;
class TLabel;
class TTimer;
class TrpReport;

class TrpProgressForm : public TForm, public report::ProgressWindow {
public:
    explicit TrpProgressForm(TComponent* AOwner);
    String ClassName() const override { return "TrpProgressForm"; }

    TLabel* Label1 = nullptr;
    TButton* Button1 = nullptr;

    void SetCaption(const String& Caption) override;
    void SetLabel(const String& Text) override;
    String Label() const override;
    bool Visible() const override;
    bool ShowModal(TrpReport* Report, const std::function<void()>& Action) override;
    void CloseModal(bool Cancelled) override;
    // Lets the events run at the pace of every progress window: the engine asks at every
    // record and page.
    void ProcessMessages() override;

    void Button1Click(TObject* Sender);

private:
    TTimer* FStart = nullptr;
    TrpReport* FReport = nullptr;
    std::function<void()> FAction;
    ui::ProgressPace FPace;
};

// Makes the engine build behind TrpProgressForm.
void rpRegisterProgressForm();
