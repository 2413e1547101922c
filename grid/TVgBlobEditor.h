#pragma once
// The editor of long text and BLOB fields that a double click on a grid cell
// opens: a memo with OK and Cancel, one form shared by every grid.
#include "platform/ui/TCustomForm.h"

#include <functional>

class TButton;
class TMemo;

class TVgBlobEditor : public TForm {
public:
    explicit TVgBlobEditor(TComponent* AOwner);
    String ClassName() const override { return "TVgBlobEditor"; }

    TMemo* Memo() const { return FMemo; }
    TButton* OkButton() const { return FOk; }
    TButton* CancelButton() const { return FCancel; }

    // The shared editor, made on first use.
    static TVgBlobEditor* Instance();
    // Shows the editor modally; tests answer through Runner instead.
    TModalResult Execute();
    static std::function<TModalResult(TVgBlobEditor* Editor)> Runner;

protected:
    void Resize() override;

private:
    TMemo* FMemo = nullptr;
    TButton* FOk = nullptr;
    TButton* FCancel = nullptr;
};
