#include "report/preview/detail/TrpPreviewSearchForm.h"

#include "platform/graphics/TFont.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TRadioButton.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpFormControls.h"
#include "report/preview/detail/rpPreviewConsts.h"

namespace {

template <class T>
T* Make(TrpPreviewSearchForm* Form, TWinControl* Parent, const char* Name, Integer L, Integer T_, Integer W,
        Integer H, Integer HelpContext = 0) {
    T* c = report::MakeControl<T>(Form, Parent, Name, L, T_, W, H);
    c->SetTag(HelpContext);
    return c;
}

} // namespace

TrpPreviewSearchForm::TrpPreviewSearchForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("rpPreviewSearchForm");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    SetClientWidth(262);
    SetClientHeight(158);

    Label1 = Make<TLabel>(this, this, "Label1", 4, 8, 120, 13);
    Edit1 = Make<TEdit>(this, this, "Edit1", 4, 24, 253, 21, 98);
    Label1->SetFocusControl(Edit1);
    GroupBox1 = Make<TGroupBox>(this, this, "GroupBox1", 4, 52, 141, 65);
    CB1 = Make<TCheckBox>(this, GroupBox1, "CB1", 8, 20, 125, 17, 107);
    GroupBox2 = Make<TGroupBox>(this, this, "GroupBox2", 152, 52, 105, 65);
    RB1 = Make<TRadioButton>(this, GroupBox2, "RB1", 8, 20, 93, 17, 116);
    RB2 = Make<TRadioButton>(this, GroupBox2, "RB2", 8, 40, 93, 17, 123);
    RB1->SetChecked(true);
    Button1 = Make<TButton>(this, this, "Button1", 102, 128, 75, 25, 40);
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = Make<TButton>(this, this, "Button2", 182, 128, 75, 25, 50);
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);

    SetCaption(rpPreviewStr(rpsPvFind));
    Label1->SetCaption(rpPreviewStr(rpsPvTextToFind));
    GroupBox1->SetCaption(rpPreviewStr(rpsPvOptions));
    CB1->SetCaption(rpPreviewStr(rpsPvCaseSensitive));
    GroupBox2->SetCaption(rpPreviewStr(rpsPvOrigin));
    RB1->SetCaption(rpPreviewStr(rpsPvFirstPage));
    RB2->SetCaption(rpPreviewStr(rpsPvCurrentPage));
    Button1->SetCaption(rpPreviewStr(rpsPvOk));
    Button2->SetCaption(rpLoadStr(rpsCancel));

    OnActivate = [this](TObject* Sender) { FormActivate(Sender); };
}

void TrpPreviewSearchForm::FormActivate(TObject*) {
    if (Edit1->CanFocus()) Edit1->SetFocus();
    Edit1->SelectAll();
}
