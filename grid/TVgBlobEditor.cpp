#include "grid/TVgBlobEditor.h"

#include "platform/ui/TButton.h"
#include "platform/ui/TMemo.h"

#include <memory>

std::function<TModalResult(TVgBlobEditor* Editor)> TVgBlobEditor::Runner;

namespace {

constexpr Integer ButtonWidth = 75;
constexpr Integer ButtonHeight = 25;

} // namespace

TVgBlobEditor::TVgBlobEditor(TComponent* AOwner) : TForm(AOwner)
{
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 480, 320);
    FMemo = new TMemo(this);
    FMemo->SetParent(this);
    FOk = new TButton(this);
    FOk->SetParent(this);
    FOk->SetCaption("&OK");
    FOk->SetDefault(true);
    FOk->SetModalResult(mrOk);
    FCancel = new TButton(this);
    FCancel->SetParent(this);
    FCancel->SetCaption("&Cancel");
    FCancel->SetCancel(true);
    FCancel->SetModalResult(mrCancel);
    Resize();
}

TVgBlobEditor* TVgBlobEditor::Instance()
{
    static std::unique_ptr<TVgBlobEditor> editor;
    if (!editor)
        editor = std::make_unique<TVgBlobEditor>(nullptr);
    return editor.get();
}

TModalResult TVgBlobEditor::Execute()
{
    if (Runner)
        return Runner(this);
    return ShowModal();
}

void TVgBlobEditor::Resize()
{
    TForm::Resize();
    if (!FOk)  // sized during construction, before the controls exist
        return;
    Integer w = ClientWidth(), h = ClientHeight();
    Integer top = h - ButtonHeight - 5;
    FOk->SetBounds(w - 2 * ButtonWidth - 10, top, ButtonWidth, ButtonHeight);
    FCancel->SetBounds(w - ButtonWidth - 5, top, ButtonWidth, ButtonHeight);
    FMemo->SetBounds(5, 5, std::max(w - 10, 0), std::max(top - 15, 0));
}
