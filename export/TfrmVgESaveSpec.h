#pragma once
// The small dialog in which a user names a saved set of export settings and
// chooses its file ("..." opens the save dialog).
#include "platform/ui/TCustomForm.h"

#include <functional>

class TButton;
class TEdit;
class TLabel;

class TfrmVgESaveSpec : public TForm {
public:
    explicit TfrmVgESaveSpec(TComponent* AOwner);
    String ClassName() const override { return "TfrmVgESaveSpec"; }

    TLabel* lblSpecName = nullptr;
    TEdit* edSpecName = nullptr;
    TLabel* lblFileName = nullptr;
    TEdit* edFileName = nullptr;
    TButton* btnFileName = nullptr;
    TButton* btnOk = nullptr;
    TButton* btnCancel = nullptr;

    // The file chooser's filter, set by the caller.
    const String& Filter() const { return FFilter; }
    void SetFilter(const String& Value) { FFilter = Value; }

    void btnFileNameClick(TObject* Sender);
    // Shows the dialog modally; tests answer it through Runner instead.
    TModalResult Execute();
    static std::function<TModalResult(TfrmVgESaveSpec* Form)> Runner;

private:
    String FFilter;
};
