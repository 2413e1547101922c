#include "report/print/detail/TrpPrintForm.h"

#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/graphics/TPicture.h"
#include "platform/print/TPrinter.h"
#include "platform/print/TPrinterSetupDialog.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TImage.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSaveDialog.h"
#include "report/print/detail/PageSelection.h"
#include "report/common/detail/TrpControls.h"
#include "report/print/TrpPrinter.h"
#include "report/common/detail/rpConsts.h"

TrpPrintForm* rpPrintForm = nullptr;

namespace {

// Olive: the colour the printer picture leaves transparent.
constexpr TColor kTransparent = 0x008080;

template <class T> T* Make(TrpPrintForm* Form, TWinControl* Parent, const char* Name, TRect Bounds) {
    T* c = new T(Form);
    c->SetName(Name);
    c->SetParent(Parent);
    c->SetBounds(Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom);
    return c;
}

// The 18 x 16 printer picture: paper in a gray printer on olive.
void DrawPrinterPicture(TBitmap* Bmp) {
    Bmp->SetSize(18, 16);
    TCanvas* c = Bmp->Canvas();
    c->Brush()->SetColor(kTransparent);
    c->FillRect(TRect(0, 0, 18, 16));
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clWhite);
    c->Rectangle(5, 1, 14, 8); // paper coming out
    c->Brush()->SetColor(clSilver);
    c->Rectangle(1, 6, 17, 13); // body
    c->Brush()->SetColor(clGray);
    c->Rectangle(3, 12, 15, 15); // tray
    c->SetPixels(14, 8, clLime); // the power light
}

// A 7 x 4 arrow for the copy buttons, pointing up or down, on olive, with an
// olive row below: a glyph takes its bottom-left pixel for the transparent colour.
void DrawArrow(TBitmap* Bmp, bool Up) {
    Bmp->SetSize(7, 5);
    TCanvas* c = Bmp->Canvas();
    c->Brush()->SetColor(kTransparent);
    c->FillRect(TRect(0, 0, 7, 5));
    for (Integer row = 0; row < 4; ++row) {
        const Integer y = Up ? row : 3 - row;
        for (Integer x = 3 - row; x <= 3 + row; ++x)
            c->SetPixels(x, y, clBlack);
    }
}

} // namespace

TrpPrintForm::TrpPrintForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("rpPrintForm");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);
    SetClientWidth(365);
    SetClientHeight(230);

    GroupBox1 = Make<TGroupBox>(this, this, "GroupBox1", {8, 6, 349, 56});
    CB1 = Make<TComboBox>(this, GroupBox1, "CB1", {12, 20, 244, 22});
    CB1->SetStyle(csOwnerDrawFixed);
    CB1->SetItemHeight(16);
    PropButton = Make<TButton>(this, GroupBox1, "PropButton", {264, 19, 75, 25});

    GroupBox2 = Make<TGroupBox>(this, this, "GroupBox2", {8, 68, 349, 116});
    RB1 = Make<TRadioButton>(this, GroupBox2, "RB1", {12, 20, 150, 17});
    RB1->SetChecked(true);
    RB2 = Make<TRadioButton>(this, GroupBox2, "RB2", {12, 42, 150, 17});
    RB3 = Make<TRadioButton>(this, GroupBox2, "RB3", {12, 66, 76, 17});
    E2 = Make<TEdit>(this, GroupBox2, "E2", {92, 63, 245, 21});
    Label2 = Make<TLabel>(this, GroupBox2, "Label2", {12, 88, 325, 26});
    Label2->SetAutoSize(false);
    Label2->SetWordWrap(true);

    Label1 = Make<TLabel>(this, this, "Label1", {16, 200, 48, 13});
    E1 = Make<TEdit>(this, this, "E1", {68, 196, 41, 21});
    E1->SetText("1");
    E1->SetMaxLength(3);
    Label1->SetFocusControl(E1);
    rpSpeedButton1 = Make<TrpSpeedButton>(this, this, "rpSpeedButton1", {110, 198, 17, 8});
    rpSpeedButton2 = Make<TrpSpeedButton>(this, this, "rpSpeedButton2", {110, 206, 17, 8});
    DrawArrow(rpSpeedButton1->Glyph(), true);
    DrawArrow(rpSpeedButton2->Glyph(), false);

    Button1 = Make<TButton>(this, this, "Button1", {196, 194, 75, 25});
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = Make<TButton>(this, this, "Button2", {282, 194, 75, 25});
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);

    Image1 = Make<TImage>(this, this, "Image1", {0, 0, 18, 16});
    Image1->SetVisible(false);
    DrawPrinterPicture(Image1->Picture()->Bitmap());
    PrinterSetupDialog1 = new TPrinterSetupDialog(this);
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetFilter("PDF file (*.pdf)|*.pdf");
    SaveDialog1->SetDefaultExt("pdf");
    SaveDialog1->SetOptions({ofHideReadOnly, ofOverwritePrompt, ofEnableSizing});

    CB1->OnChange = [this](TObject* Sender) { CB1Click(Sender); };
    CB1->OnDrawItem = [this](TWinControl* Control, Integer Index, const TRect& Rect, TOwnerDrawState State) {
        CB1DrawItem(Control, Index, Rect, State);
    };
    PropButton->OnClick = [this](TObject* Sender) { PropButtonClick(Sender); };
    // An edit hears presses, not clicks: a press into the text chooses numbers.
    E2->OnMouseDown = [this](TObject* Sender, TMouseButton, TShiftState, Integer, Integer) {
        E2Click(Sender);
    };
    RB3->OnClick = [this](TObject* Sender) { RB3Click(Sender); };
    rpSpeedButton1->OnClick = [this](TObject* Sender) { rpSpeedButton1Click(Sender); };
    rpSpeedButton2->OnClick = [this](TObject* Sender) { rpSpeedButton2Click(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
    OnCloseQuery = [this](TObject* Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };
    FormCreate(this);
    rpPrintForm = this;
}

void TrpPrintForm::FormCreate(TObject*) {
    if (TPrinter* printer = Printer()) {
        // From here on the engine prints on the printer this list selects.
        if (Prn && Prn->Printer() != printer) Prn->SetPrinter(printer);
        for (const String& name : printer->Printers())
            CB1->Items()->Add(name);
        CB1->SetItemIndex(printer->PrinterIndex());
        OldIndex = printer->PrinterIndex();
    }
    if (Prn) OldLayoutIndex = Prn->PrinterIndex();
    SetCaption(rpLoadStr(rpsPrint));
    GroupBox1->SetCaption(rpLoadStr(rpsPrint + 1));
    PropButton->SetCaption(rpLoadStr(rpsPrint + 2));
    Label1->SetCaption(rpLoadStr(rpsPrint + 3));
    GroupBox2->SetCaption(rpLoadStr(rpsPrint + 4));
    RB1->SetCaption(rpLoadStr(rpsPrint + 5));
    RB2->SetCaption(rpLoadStr(rpsPrint + 6));
    RB3->SetCaption(rpLoadStr(rpsPrint + 7));
    Label2->SetCaption(rpLoadStr(rpsPrint + 8));
    Button1->SetCaption(rpLoadStr(rpsOK));
    Button2->SetCaption(rpLoadStr(rpsCancel));
}

void TrpPrintForm::CB1Click(TObject*) {
    if (Prn && CB1->ItemIndex() >= 0) Prn->SetPrinterIndex(CB1->ItemIndex());
}

void TrpPrintForm::PropButtonClick(TObject*) {
    PrinterSetupDialog1->Execute();
    if (TPrinter* printer = Printer()) CB1->SetItemIndex(printer->PrinterIndex());
}

void TrpPrintForm::CB1DrawItem(TWinControl*, Integer Index, const TRect& Rect, TOwnerDrawState) {
    TCanvas* c = CB1->Canvas();
    c->FillRect(Rect);
    // The picture's olive goes over in the item's own colour: a window surface
    // cannot mask a transparent colour out, so the picture is drawn opaque.
    TBitmap picture;
    picture.Assign(Image1->Picture()->Bitmap());
    const TColor ground = ColorToRGB(c->Brush()->Color());
    for (Integer y = 0; y < picture.Height(); ++y)
        for (Integer x = 0; x < picture.Width(); ++x)
            if (picture.Canvas()->Pixels(x, y) == kTransparent) picture.Canvas()->SetPixels(x, y, ground);
    c->Draw(Rect.Left + 2, Rect.Top, &picture);
    if (Index >= 0 && Index < CB1->Items()->Count())
        c->TextOut(Rect.Left + 24, Rect.Top + 1, CB1->Items()->Get(Index));
}

void TrpPrintForm::E2Click(TObject*) {
    RB3->SetChecked(true);
}

void TrpPrintForm::RB3Click(TObject*) {
    // Numbers may be chosen before the dialog shows (the caller's choice): no focus to move yet.
    if (Visible() && E2->CanFocus()) E2->SetFocus();
}

Integer TrpPrintForm::Copies() const {
    Integer n = 0;
    if (!TryStrToInt(Trim(E1->Text()), n) || n < 1 || n > MaxCopies) return 0;
    return n;
}

void TrpPrintForm::rpSpeedButton1Click(TObject*) {
    // A count that is no number starts again from 1.
    const Integer n = Copies();
    E1->SetText(IntToStr(n == 0 ? 1 : std::min(n + 1, MaxCopies)));
}

void TrpPrintForm::rpSpeedButton2Click(TObject*) {
    E1->SetText(IntToStr(std::max(Copies() - 1, 1)));
}

String TrpPrintForm::InputError() const {
    if (Copies() == 0)
        return "The number of copies must be a whole number from 1 to " + IntToStr(MaxCopies) + ".";
    if (!RB3->Checked()) return "";
    try {
        const report::PageSelection pages(E2->Text(), PageCount);
        if (PageCount > 0 && pages.Count() == 0)
            return "These numbers select no page: the report has " + IntToStr(PageCount) + " pages.";
    } catch (const EConvertError& e) {
        return e.Message() + ".\n" + rpLoadStr(rpsPrint + 8);
    }
    return "";
}

void TrpPrintForm::FormCloseQuery(TObject*, bool& CanClose) {
    if (ModalResult() != mrOk) return;
    const String error = InputError();
    if (error.empty()) {
        TPrinter* printer = Printer();
        if (!printer || !printer->IsFilePrinter()) return;
        SaveDialog1->SetFileName(printer->OutputFileName());
        if (SaveDialog1->Execute())
            printer->SetOutputFileName(SaveDialog1->FileName());
        else
            CanClose = false;
        return;
    }
    CanClose = false;
    MessageBox(this, error, rpLoadStr(rpsError), MB_OK | MB_ICONERROR);
    TEdit* culprit = Copies() == 0 ? E1 : E2;
    if (culprit->CanFocus()) {
        culprit->SetFocus();
        culprit->SelectAll();
    }
}

void TrpPrintForm::FormClose(TObject*, TCloseAction&) {
    // The engine's own index: with no queue it lays out on its virtual printer,
    // which the system's list does not hold.
    if (ModalResult() != mrOk && Prn && Prn->PrinterIndex() != OldLayoutIndex)
        Prn->SetPrinterIndex(OldLayoutIndex);
}

TrpPrintForm::~TrpPrintForm() {
    if (rpPrintForm == this) rpPrintForm = nullptr;
}
