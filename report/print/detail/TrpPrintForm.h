#pragma once
// The print dialog: the printer (with its paper setup), the number of copies
// and the pages to print. The engine's printer takes the system's printer list
// when the dialog fills its own (the engine starts before the system printer
// exists). Picking a printer selects it in the engine's printer at once;
// closing without OK selects the earlier one again. The dialog closes
// with OK only when the copy count is a whole number from 1 to 999 and, with
// "Numbers" chosen, the page text reads (and selects a page of the report
// when PageCount is known); otherwise it says what is wrong and stays open.
// On the file printer OK then asks where the PDF document goes; without an
// answer the dialog stays open.
// The caller reads RB1/RB2/RB3 with E2 and E1 after OK.
#include "platform/ui/OwnerDraw.h"
#include "platform/ui/TCustomForm.h"

class TBitmap;
class TButton;
class TComboBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TPrinterSetupDialog;
class TRadioButton;
class TSaveDialog;
class TrpSpeedButton;

class TrpPrintForm : public TForm {
public:
    explicit TrpPrintForm(TComponent* AOwner);
    ~TrpPrintForm() override;
    String ClassName() const override { return "TrpPrintForm"; }

    // The most copies one print makes.
    static constexpr Integer MaxCopies = 999;

    TGroupBox* GroupBox1;
    TComboBox* CB1; // printers, each drawn with the printer picture
    TButton* PropButton;
    TLabel* Label1;
    TEdit* E1;                      // copies
    TrpSpeedButton* rpSpeedButton1; // copies up
    TrpSpeedButton* rpSpeedButton2; // copies down
    TGroupBox* GroupBox2;
    TRadioButton* RB1; // all pages
    TRadioButton* RB2; // current page
    TRadioButton* RB3; // page numbers
    TEdit* E2;
    TLabel* Label2;
    TButton* Button1;
    TButton* Button2;
    TImage* Image1; // hidden: the picture drawn before each printer
    TPrinterSetupDialog* PrinterSetupDialog1;
    // Where the file printer writes.
    TSaveDialog* SaveDialog1;

    // The platform printer index when the dialog was made.
    Integer OldIndex = 0;
    // The engine printer's index then, which closing without OK gives back.
    Integer OldLayoutIndex = 0;
    // Pages of the report to print; 0 when not known (the page text's form is still checked).
    Integer PageCount = 0;

    void FormCreate(TObject* Sender);
    void CB1Click(TObject* Sender);
    void PropButtonClick(TObject* Sender);
    void CB1DrawItem(TWinControl* Control, Integer Index, const TRect& Rect, TOwnerDrawState State);
    void E2Click(TObject* Sender);
    void RB3Click(TObject* Sender);
    void rpSpeedButton1Click(TObject* Sender);
    void rpSpeedButton2Click(TObject* Sender);
    // Closing without OK gives the engine's printer back its earlier choice.
    void FormClose(TObject* Sender, TCloseAction& Action);
    // Keeps the dialog open, saying why, while OK is pressed on a bad copy count or page text.
    void FormCloseQuery(TObject* Sender, bool& CanClose);

    // The copy count E1 holds: a whole number from 1 to MaxCopies, else 0.
    Integer Copies() const;
    // What is wrong with the dialog's input, "" when it may close with OK.
    String InputError() const;
};

// The dialog while it is shown.
extern TrpPrintForm* rpPrintForm;
