#pragma once
// The preview's find dialog: the text sought, case sensitivity and where the
// search starts (the first page or the page shown). A new dialog each time,
// so every search opens empty, case-blind and from the first page.
#include "platform/ui/TCustomForm.h"

class TButton;
class TCheckBox;
class TEdit;
class TGroupBox;
class TLabel;
class TRadioButton;

class TrpPreviewSearchForm : public TForm {
public:
    explicit TrpPreviewSearchForm(TComponent* AOwner);
    String ClassName() const override { return "TrpPreviewSearchForm"; }

    TLabel* Label1;
    TEdit* Edit1;
    TGroupBox* GroupBox1;
    TCheckBox* CB1;
    TGroupBox* GroupBox2;
    TRadioButton* RB1;
    TRadioButton* RB2;
    TButton* Button1;
    TButton* Button2;

    // Focuses the text with all of it selected.
    void FormActivate(TObject* Sender);
};
