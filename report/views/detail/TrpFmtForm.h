#pragma once
// The modal dialog that edits a memo object's display format: the packed
// Format word (category in bits 24-27, predefined format in 16-23, decimals
// in 8-15, decimal separator in 0-7; bits 28-31 kept) and the custom format
// text in Edit1. The caller sets Format and Edit1's text before ShowModal and
// reads both back on mrOk.
#include "platform/ui/TCustomForm.h"

class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;

class TrpFmtForm : public TForm {
public:
    explicit TrpFmtForm(TComponent* AOwner);
    String ClassName() const override { return "TrpFmtForm"; }

    Integer Format = 0; // the working format word

    TGroupBox* GroupBox2;
    TComboBox* ComboBox1; // category
    TComboBox* ComboBox2; // predefined format of the category
    TPanel* Panel1;       // decimals and separator (number formats)
    TLabel* Label5;
    TEdit* Edit3; // decimals, 0..255
    TLabel* Label6;
    TEdit* SplEdit; // decimal separator, one character
    TPanel* Panel2; // custom format text
    TLabel* Label1;
    TEdit* Edit1;
    TButton* Button1;
    TButton* Button2;

    void FormActivate(TObject* Sender);
    // User's choice of a category: refills the formats, selects the first,
    // stores it, clears the custom text.
    void ComboBox1Change(TObject* Sender);
    void ComboBox2Click(TObject* Sender);
    // Raises EConvertError for text that is no integer (Format keeps its value);
    // values beyond 0..255 are brought into that range in the box and the word.
    void DesEditChange(TObject* Sender);
    void SplEditChange(TObject* Sender);
    void SplEditEnter(TObject* Sender);

private:
    void FillFormats(Integer Category);
    void UpdatePanels();
    void SetBits(Integer Shift, Integer Value);
};
