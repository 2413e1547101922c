#pragma once
// The variable picker: a category list (the current report's variable
// categories, then the special values and the global variables) over the
// names of the chosen category. Enter in the list or a click on one of its
// lines closes the window with mrOk, Escape with mrCancel. After mrOk SelectedValue holds the
// chosen name, a special value by its engine name ("PAGE#", "DATE", ...).
// The chosen category is selected again at the next opening.
#include "platform/ui/TCustomForm.h"

class TComboBox;
class TLabel;
class TListBox;

class TrpVarForm : public TForm {
public:
    explicit TrpVarForm(TComponent* AOwner);
    String ClassName() const override { return "TrpVarForm"; }

    TLabel* Label1;
    TComboBox* ValCombo;
    TListBox* ValList;

    // The chosen name after closing with mrOk; empty when no line was chosen.
    String SelectedValue;

    // Fills the categories and selects the last one chosen (else the first).
    void FormActivate(TObject* Sender);
    // Fills the list with the names of the chosen category.
    void ValComboClick(TObject* Sender);
    void ValListClick(TObject* Sender);
    void ValListKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void FormClose(TObject* Sender, TCloseAction& Action);

private:
    enum class Category { Report, Special, Globals };
    Category Chosen() const;
    // How many categories the report gave, ahead of the engine's two.
    Integer FReportCategories = 0;
};

// The category chosen at the last closing; empty before the first.
extern String rpVarFormCategory;
