#pragma once
// The rich-text editor of a rich-text view: the view's text in an edit box
// under a toolbar (open an RTF file, save as RTF or plain text, undo, font
// dialog, font name and size with size steps that never go below 1 point,
// bold, italic and underline, paragraph alignment, bullets, inserting a
// variable chosen in the variable picker) and a ruler whose markers show and
// set the caret's paragraph indents. Only a designer would open it; this
// system has none, so nothing in the program shows it.
#include "report/common/detail/TrpReportDesigner.h"

class TButton;
class TComboBox;
class TEdit;
class TFontDialog;
class TOpenDialog;
class TPanel;
class TRichEdit;
class TSaveDialog;
class TrpSpeedButton;
class TrpVarForm;
namespace report {
class IndentRuler;
}

class TrpRichForm : public TrpObjEditorForm {
public:
    explicit TrpRichForm(TComponent* AOwner);
    ~TrpRichForm() override;
    String ClassName() const override { return "TrpRichForm"; }

    // Copies the rich text of View (a TrpRichView; other views are left
    // alone) into the editor, shows it modally, copies the text back on mrOk
    // and empties the editor.
    void ShowEditor(TrpView* View) override;

    TPanel* ToolBar;
    TrpSpeedButton* OpenBtn;
    TrpSpeedButton* SaveBtn;
    TrpSpeedButton* UndoBtn;
    TrpSpeedButton* FontBtn;
    TComboBox* FontName;
    TEdit* FontSize; // points
    TrpSpeedButton* SizeUpBtn;
    TrpSpeedButton* SizeDownBtn;
    TrpSpeedButton* BoldBtn;
    TrpSpeedButton* ItalicBtn;
    TrpSpeedButton* UnderlineBtn;
    TrpSpeedButton* LeftBtn;
    TrpSpeedButton* CenterBtn;
    TrpSpeedButton* RightBtn;
    TrpSpeedButton* BulletsBtn;
    TrpSpeedButton* InsVarBtn;
    report::IndentRuler* Ruler;
    TRichEdit* RichEdit1;
    TPanel* ButtonPanel;
    TButton* OkBtn;
    TButton* CancelBtn;
    TOpenDialog* OpenDialog;
    TSaveDialog* SaveDialog;
    TFontDialog* FontDialog;
    TrpVarForm* VarForm;

    // Replaces the text with a chosen ".rtf" file.
    void OpenBtnClick(TObject* Sender);
    // Writes the text to the chosen file: plain text (UTF-8, CR LF) when the
    // text filter is chosen or the name ends in ".txt", else RTF.
    void SaveBtnClick(TObject* Sender);
    void UndoBtnClick(TObject* Sender);
    void FontBtnClick(TObject* Sender);
    void FontNameChange(TObject* Sender);
    // A size typed into FontSize, from 1 point up; other text is ignored.
    void FontSizeChange(TObject* Sender);
    // One point up or down for every run of the selection, never below 1.
    void SizeUpBtnClick(TObject* Sender);
    void SizeDownBtnClick(TObject* Sender);
    void StyleBtnClick(TObject* Sender);
    void AlignBtnClick(TObject* Sender);
    // Gives the selection's paragraphs a bullet ("•" and a tab, hanging
    // indent), or takes it off when the button is released.
    void BulletsBtnClick(TObject* Sender);
    // The picker's choice goes in place of the selection as "[" name "]".
    void InsVarBtnClick(TObject* Sender);
    void RulerChange(TObject* Sender);
    // The buttons, boxes and ruler follow the caret.
    void RichEdit1SelectionChange(TObject* Sender);

private:
    void ApplyPoints(Integer Delta);
    bool FUpdating = false;
};

// The engine's rich-text editor, made when first asked for and freed by
// rpDoneRichForm.
TrpRichForm* rpRichForm();
void rpDoneRichForm();
