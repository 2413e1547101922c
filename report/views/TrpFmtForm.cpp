#include "report/views/detail/TrpFmtForm.h"

#include "platform/core/CodePages.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ResourceStrings.h"
#include "platform/core/TStrings.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "report/script/detail/FormatValue.h"
#include "report/common/detail/rpFormControls.h"

namespace {

constexpr Integer rpsOk = 55000;
constexpr Integer rpsCancel = 55001;
constexpr Integer rpsFirstCategory = 55130;
constexpr Integer rpsFirstFormat = 55150; // + 5 * category + index
constexpr Integer rpsFmtCaption = 53420;  // window, group box, three labels
constexpr Integer CategoryCount = 5;
constexpr Integer FormatsPerCategory = 5;
constexpr Integer CustomIndex = 4;
constexpr Integer NumberCategory = 1;

void RegisterFmtStrings() {
    RegisterResourceStrings({
        {rpsOk, "OK"},
        {rpsCancel, "Cancel"},
        {55130, "Text"},
        {55131, "Number"},
        {55132, "Date"},
        {55133, "Time"},
        {55134, "Boolean"},
        {55150, "[None]"},
        {55155, "1234,5"},
        {55156, "1234,50"},
        {55157, "1 234,5"},
        {55158, "1 234,50"},
        {55159, "Custom"},
        {55160, "11.15.98"},
        {55161, "11.15.1998"},
        {55162, "15 nov 1998"},
        {55163, "15 november 1998"},
        {55164, "Custom"},
        {55165, "02:43:35"},
        {55166, "2:43:35"},
        {55167, "02:43"},
        {55168, "2:43"},
        {55169, "Custom"},
        {55170, "0;1"},
        {55171, "No;Yes"},
        {55172, "_;x"},
        {55173, "False;True"},
        {55174, "Custom"},
        {53420, "Display format"},
        {53421, "Display format"},
        {53422, "Decimals"},
        {53423, "Decimal separator"},
        {53424, "Format:"},
    });
}

String FmtStr(Integer Id) {
    static const bool registered = (RegisterFmtStrings(), true);
    (void)registered;
    return LoadStr(Id);
}

TPanel* MakePanel(TrpFmtForm* Form, TWinControl* Parent, const char* Name) {
    TPanel* p = report::MakeControl<TPanel>(Form, Parent, Name, 12, 80, 226, 50);
    p->SetBevelOuter(bvNone);
    p->SetCaption("");
    return p;
}

} // namespace

TrpFmtForm::TrpFmtForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("rpFmtForm");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(266);
    SetClientHeight(186);

    GroupBox2 = report::MakeControl<TGroupBox>(this, this, "GroupBox2", 8, 6, 250, 140);
    ComboBox1 = report::MakeControl<TComboBox>(this, GroupBox2, "ComboBox1", 12, 22, 226, 21);
    ComboBox1->SetStyle(csDropDownList);
    ComboBox2 = report::MakeControl<TComboBox>(this, GroupBox2, "ComboBox2", 12, 50, 226, 21);
    ComboBox2->SetStyle(csDropDownList);

    Panel1 = MakePanel(this, GroupBox2, "Panel1");
    Label5 = report::MakeControl<TLabel>(this, Panel1, "Label5", 0, 6, 130, 16);
    Edit3 = report::MakeControl<TEdit>(this, Panel1, "Edit3", 150, 2, 76, 21);
    Edit3->SetMaxLength(3);
    Label6 = report::MakeControl<TLabel>(this, Panel1, "Label6", 0, 32, 130, 16);
    SplEdit = report::MakeControl<TEdit>(this, Panel1, "SplEdit", 150, 28, 76, 21);
    SplEdit->SetMaxLength(1);

    Panel2 = MakePanel(this, GroupBox2, "Panel2");
    Label1 = report::MakeControl<TLabel>(this, Panel2, "Label1", 0, 6, 60, 16);
    Edit1 = report::MakeControl<TEdit>(this, Panel2, "Edit1", 0, 24, 226, 21);

    Button1 = report::MakeControl<TButton>(this, this, "Button1", 102, 154, 75, 25);
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = report::MakeControl<TButton>(this, this, "Button2", 183, 154, 75, 25);
    Button2->SetCancel(true);
    Button2->SetModalResult(mrCancel);

    SetCaption(FmtStr(rpsFmtCaption));
    GroupBox2->SetCaption(FmtStr(rpsFmtCaption + 1));
    Label5->SetCaption(FmtStr(rpsFmtCaption + 2));
    Label6->SetCaption(FmtStr(rpsFmtCaption + 3));
    Label1->SetCaption(FmtStr(rpsFmtCaption + 4));
    Button1->SetCaption(FmtStr(rpsOk));
    Button2->SetCaption(FmtStr(rpsCancel));

    OnActivate = [this](TObject* Sender) { FormActivate(Sender); };
    ComboBox1->OnChange = [this](TObject* Sender) { ComboBox1Change(Sender); };
    ComboBox2->OnChange = [this](TObject* Sender) { ComboBox2Click(Sender); };
    Edit3->OnChange = [this](TObject* Sender) { DesEditChange(Sender); };
    SplEdit->OnChange = [this](TObject* Sender) { SplEditChange(Sender); };
    SplEdit->OnEnter = [this](TObject* Sender) { SplEditEnter(Sender); };
}

void TrpFmtForm::SetBits(Integer Shift, Integer Value) {
    const auto mask = static_cast<uint32_t>(0xFF) << Shift;
    const auto word =
        (static_cast<uint32_t>(Format) & ~mask) | ((static_cast<uint32_t>(Value) << Shift) & mask);
    Format = static_cast<Integer>(word);
}

void TrpFmtForm::FillFormats(Integer Category) {
    ComboBox2->Items()->Clear();
    for (Integer i = 0; i < FormatsPerCategory; ++i) {
        const String text = FmtStr(rpsFirstFormat + FormatsPerCategory * Category + i);
        if (!text.empty()) ComboBox2->Items()->Add(text);
    }
}

void TrpFmtForm::FormActivate(TObject*) {
    Panel1->SetVisible(false);
    Panel2->SetVisible(false);
    ComboBox1->Items()->Clear();
    for (Integer i = 0; i < CategoryCount; ++i)
        ComboBox1->Items()->Add(FmtStr(rpsFirstCategory + i));
    ComboBox1->SetItemIndex(rpFormatKind(Format));
    FillFormats(rpFormatKind(Format));
    ComboBox2->SetItemIndex(rpFormatIndex(Format));
    UpdatePanels();
}

void TrpFmtForm::ComboBox1Change(TObject*) {
    const Integer category = ComboBox1->ItemIndex();
    if (category < 0) return;
    // Bits 24-27 only: the top nibble is not the dialog's.
    Format = static_cast<Integer>((static_cast<uint32_t>(Format) & ~0x0F000000u) |
                                  (static_cast<uint32_t>(category) << 24));
    FillFormats(category);
    ComboBox2->SetItemIndex(0);
    ComboBox2Click(ComboBox2);
    Edit1->Clear();
}

void TrpFmtForm::ComboBox2Click(TObject*) {
    SetBits(16, ComboBox2->ItemIndex() < 0 ? 0 : ComboBox2->ItemIndex());
    UpdatePanels();
}

void TrpFmtForm::UpdatePanels() {
    Panel2->SetVisible(rpFormatIndex(Format) == CustomIndex);
    const bool numbers = rpFormatKind(Format) == NumberCategory && !Panel2->Visible();
    if (numbers && !Panel1->Visible()) {
        const Integer decimals = rpFormatDecimals(Format);
        const auto separator = static_cast<unsigned char>(Format & 0xFF);
        Edit3->SetText(IntToStr(decimals));
        SplEdit->SetText(separator == 0 ? String()
                                        : CodePageToUtf8(std::string(1, static_cast<char>(separator)), 1250));
    }
    Panel1->SetVisible(numbers);
}

void TrpFmtForm::DesEditChange(TObject*) {
    Integer decimals = StrToInt(Edit3->Text());
    if (decimals < 0 || decimals > 255) {
        decimals = decimals < 0 ? 0 : 255;
        Edit3->SetText(IntToStr(decimals)); // re-enters with a value in range
        return;
    }
    SetBits(8, decimals);
}

void TrpFmtForm::SplEditChange(TObject*) {
    const std::string bytes = Utf8ToCodePage(SplEdit->Text(), 1250);
    SetBits(0, static_cast<unsigned char>(bytes.empty() ? ',' : bytes[0]));
}

void TrpFmtForm::SplEditEnter(TObject*) {
    SplEdit->SelectAll();
}
