#pragma once
// The export's progress window: caption, busy picture, status line, bar and a
// cancel button. The button and the close box only set Cancelled; the export
// looks at it before every record.
#include "platform/ui/TCustomForm.h"

class TBevel;
class TButton;
class TLabel;
class TProgressBar;
class TVgEBusyIndicator;

class TfrmVgEProcess : public TForm {
public:
    explicit TfrmVgEProcess(TComponent* AOwner);
    String ClassName() const override { return "TfrmVgEProcess"; }

    TBevel* Bevel = nullptr;
    TLabel* lblStatus = nullptr;
    TProgressBar* ProgressBar = nullptr;
    TButton* btnCancel = nullptr;
    TVgEBusyIndicator* Animate = nullptr;

    bool Cancelled = false;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void btnCancelClick(TObject* Sender);
};
