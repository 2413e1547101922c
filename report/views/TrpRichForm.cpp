#include "report/views/TrpRichForm.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TFontDialog.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRichEdit.h"
#include "platform/ui/TSaveDialog.h"
#include "platform/ui/VirtualKeys.h"
#include "report/common/detail/TrpControls.h"
#include "report/views/TrpRichView.h"
#include "report/views/TrpVarForm.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpFormControls.h"
#include "report/views/detail/rpIndentRuler.h"
#include "report/common/detail/rpPreviewGlyphs.h"
#include "report/views/detail/rpRichGlyphs.h"

#include <algorithm>

namespace {

TrpRichForm* richForm = nullptr;

// A paragraph with a bullet begins with it and a tab, and hangs from its bullet.
const String BulletPrefix = "\u2022\t";
constexpr Integer BulletIndent = 360; // a quarter inch, in twips

// A flat toolbar button with its picture and hint; Group keeps it down.
TrpSpeedButton* ToolButton(TrpRichForm* Form, TPanel* Bar, const char* Name, Integer& X,
                           std::unique_ptr<TBitmap> Glyph, const char* Hint, Integer Group = 0) {
    auto* b = report::MakeControl<TrpSpeedButton>(Form, Bar, Name, X, 2, 24, 24);
    b->SetFlat(true);
    b->SetGlyph(Glyph.get());
    b->SetHint(Hint);
    if (Group) {
        b->SetGroupIndex(Group);
        b->SetAllowAllUp(true);
    }
    X += 24;
    return b;
}

bool EndsWithTxt(const String& Name) {
    if (Name.size() < 4) return false;
    String ext = Name.substr(Name.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".txt";
}

} // namespace

TrpRichForm::TrpRichForm(TComponent* AOwner) : TrpObjEditorForm(AOwner) {
    SetName("rpRichForm");
    SetCaption("Rich text");
    SetPosition(poScreenCenter);
    SetShowHint(true);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    SetClientWidth(584);
    SetClientHeight(400);
    Constraints()->SetMinWidth(400);
    Constraints()->SetMinHeight(200);

    ToolBar = report::MakeControl<TPanel>(this, this, "ToolBar", 0, 0, 584, 28);
    ToolBar->SetAlign(alTop);
    ToolBar->SetBevelOuter(bvNone);
    ToolBar->SetCaption("");
    using G = report::RichGlyph;
    using P = report::PreviewGlyph;
    auto Pic = [](G Glyph) { return report::MakeRichGlyph(Glyph); };
    Integer x = 4;
    OpenBtn = ToolButton(this, ToolBar, "OpenBtn", x, report::MakePreviewGlyph(P::Open), "Open");
    SaveBtn = ToolButton(this, ToolBar, "SaveBtn", x, report::MakePreviewGlyph(P::Save), "Save");
    UndoBtn = ToolButton(this, ToolBar, "UndoBtn", x, Pic(G::Undo), "Undo");
    x += 8;
    FontBtn = ToolButton(this, ToolBar, "FontBtn", x, Pic(G::Font), "Font");
    FontName = report::MakeControl<TComboBox>(this, ToolBar, "FontName", x + 2, 4, 140, 21);
    for (const char* face : {"Arial", "Courier New", "MS Sans Serif", "Times New Roman"})
        FontName->Items()->Add(face);
    x += 146;
    FontSize = report::MakeControl<TEdit>(this, ToolBar, "FontSize", x, 4, 32, 21);
    x += 34;
    SizeUpBtn = ToolButton(this, ToolBar, "SizeUpBtn", x, Pic(G::SizeUp), "Larger");
    SizeDownBtn = ToolButton(this, ToolBar, "SizeDownBtn", x, Pic(G::SizeDown), "Smaller");
    x += 8;
    BoldBtn = ToolButton(this, ToolBar, "BoldBtn", x, Pic(G::Bold), "Bold", 1);
    ItalicBtn = ToolButton(this, ToolBar, "ItalicBtn", x, Pic(G::Italic), "Italic", 2);
    UnderlineBtn = ToolButton(this, ToolBar, "UnderlineBtn", x, Pic(G::Underline), "Underline", 3);
    x += 8;
    LeftBtn = ToolButton(this, ToolBar, "LeftBtn", x, Pic(G::AlignLeft), "Align left", 4);
    CenterBtn = ToolButton(this, ToolBar, "CenterBtn", x, Pic(G::AlignCenter), "Center", 4);
    RightBtn = ToolButton(this, ToolBar, "RightBtn", x, Pic(G::AlignRight), "Align right", 4);
    for (TrpSpeedButton* b : {LeftBtn, CenterBtn, RightBtn})
        b->SetAllowAllUp(false);
    x += 8;
    BulletsBtn = ToolButton(this, ToolBar, "BulletsBtn", x, Pic(G::Bullets), "Bullets", 5);
    x += 8;
    InsVarBtn = ToolButton(this, ToolBar, "InsVarBtn", x, Pic(G::Variable), "Insert variable");

    ButtonPanel = report::MakeControl<TPanel>(this, this, "ButtonPanel", 0, 362, 584, 38);
    ButtonPanel->SetAlign(alBottom);
    ButtonPanel->SetBevelOuter(bvNone);
    ButtonPanel->SetCaption("");
    OkBtn = report::MakeControl<TButton>(this, ButtonPanel, "OkBtn", 420, 6, 75, 25);
    OkBtn->SetCaption(rpLoadStr(rpsOK));
    OkBtn->SetModalResult(mrOk);
    CancelBtn = report::MakeControl<TButton>(this, ButtonPanel, "CancelBtn", 501, 6, 75, 25);
    CancelBtn->SetCaption(rpLoadStr(rpsCancel));
    CancelBtn->SetModalResult(mrCancel);
    CancelBtn->SetCancel(true);
    for (TButton* b : {OkBtn, CancelBtn})
        b->SetAnchors({akRight, akTop});

    Ruler = report::MakeControl<report::IndentRuler>(this, this, "Ruler", 0, 28, 584, 24);
    Ruler->SetAlign(alTop);
    RichEdit1 = report::MakeControl<TRichEdit>(this, this, "RichEdit1", 0, 52, 584, 310);
    RichEdit1->SetAlign(alClient);

    OpenDialog = new TOpenDialog(this);
    OpenDialog->SetFilter(rpLoadStr(rpsRTFFile) + " (*.rtf)|*.rtf");
    OpenDialog->SetDefaultExt("rtf");
    SaveDialog = new TSaveDialog(this);
    SaveDialog->SetFilter(rpLoadStr(rpsRTFFile) + " (*.rtf)|*.rtf|" + rpLoadStr(rpsTextFile) +
                          " (*.txt)|*.txt");
    SaveDialog->SetDefaultExt("rtf");
    FontDialog = new TFontDialog(this);
    VarForm = new TrpVarForm(this);

    OpenBtn->OnClick = [this](TObject* s) { OpenBtnClick(s); };
    SaveBtn->OnClick = [this](TObject* s) { SaveBtnClick(s); };
    UndoBtn->OnClick = [this](TObject* s) { UndoBtnClick(s); };
    FontBtn->OnClick = [this](TObject* s) { FontBtnClick(s); };
    // A face from the list takes effect when chosen, a typed one with Enter:
    // half-typed names never reach the text.
    FontName->OnChange = [this](TObject* s) {
        if (FontName->Items()->IndexOf(FontName->Text()) >= 0) FontNameChange(s);
    };
    FontName->OnKeyDown = [this](TObject* s, Word& Key, TShiftState) {
        if (Key != VK_RETURN) return;
        Key = 0;
        FontNameChange(s);
    };
    FontSize->OnChange = [this](TObject* s) { FontSizeChange(s); };
    SizeUpBtn->OnClick = [this](TObject* s) { SizeUpBtnClick(s); };
    SizeDownBtn->OnClick = [this](TObject* s) { SizeDownBtnClick(s); };
    for (TrpSpeedButton* b : {BoldBtn, ItalicBtn, UnderlineBtn})
        b->OnClick = [this](TObject* s) { StyleBtnClick(s); };
    for (TrpSpeedButton* b : {LeftBtn, CenterBtn, RightBtn})
        b->OnClick = [this](TObject* s) { AlignBtnClick(s); };
    BulletsBtn->OnClick = [this](TObject* s) { BulletsBtnClick(s); };
    InsVarBtn->OnClick = [this](TObject* s) { InsVarBtnClick(s); };
    Ruler->OnChange = [this](TObject* s) { RulerChange(s); };
    RichEdit1->OnSelectionChange = [this](TObject* s) { RichEdit1SelectionChange(s); };
    RichEdit1->OnChange = [this](TObject* s) { RichEdit1SelectionChange(s); };
    // The ruler's scale runs over the edit box's lines.
    OnResize = [this](TObject*) { Ruler->SetTextArea(4, RichEdit1->Width() - 8); };
    OnShow = OnResize;
    RichEdit1SelectionChange(RichEdit1);
}

TrpRichForm::~TrpRichForm() {
    // The boxes go before the form's members do; what they say on the way must not reach them.
    OnResize = nullptr;
    OnShow = nullptr;
    FontName->OnChange = nullptr;
    FontSize->OnChange = nullptr;
    RichEdit1->OnChange = nullptr;
    RichEdit1->OnSelectionChange = nullptr;
}

void TrpRichForm::ShowEditor(TrpView* View) {
    auto* rich = dynamic_cast<TrpRichView*>(View);
    if (!rich) return;
    RichEdit1->LoadRtf(rich->RichText);
    RichEdit1SelectionChange(RichEdit1);
    if (ShowModal() == mrOk) rich->RichText = RichEdit1->SaveRtf();
    RichEdit1->Clear();
}

void TrpRichForm::OpenBtnClick(TObject*) {
    if (!OpenDialog->Execute()) return;
    TMemoryStream file;
    file.LoadFromFile(OpenDialog->FileName());
    std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
    file.SetPosition(0);
    if (!bytes.empty()) file.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    RichEdit1->LoadRtf(bytes);
    RichEdit1SelectionChange(RichEdit1);
}

void TrpRichForm::SaveBtnClick(TObject*) {
    if (!SaveDialog->Execute()) return;
    const String name = SaveDialog->FileName();
    const std::string bytes =
        SaveDialog->FilterIndex() == 2 || EndsWithTxt(name) ? RichEdit1->Text() : RichEdit1->SaveRtf();
    TMemoryStream file;
    if (!bytes.empty()) file.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    // Written whole: a failed write leaves an earlier file as it was.
    file.SaveToFile(name);
}

void TrpRichForm::UndoBtnClick(TObject*) {
    RichEdit1->Undo();
}

void TrpRichForm::FontBtnClick(TObject*) {
    const rtf::CharFormat now = RichEdit1->SelAttributes();
    TFont* font = FontDialog->Font();
    font->SetName(now.FontName);
    font->SetSize(std::max<Integer>(1, now.HalfPoints / 2));
    TFontStyles style;
    if (now.Bold) style.Include(fsBold);
    if (now.Italic) style.Include(fsItalic);
    if (now.Underline) style.Include(fsUnderline);
    if (now.StrikeOut) style.Include(fsStrikeOut);
    font->SetStyle(style);
    font->SetColor(now.AutoColor ? clBlack : now.Color);
    if (!FontDialog->Execute()) return;
    RichEdit1->ChangeSelAttributes([font](rtf::CharFormat& f) {
        f.FontName = font->Name();
        f.HalfPoints = std::max<Integer>(1, font->Size()) * 2;
        f.Bold = font->Style().Contains(fsBold);
        f.Italic = font->Style().Contains(fsItalic);
        f.Underline = font->Style().Contains(fsUnderline);
        f.StrikeOut = font->Style().Contains(fsStrikeOut);
        f.AutoColor = font->Color() == clBlack;
        f.Color = font->Color();
    });
    RichEdit1SelectionChange(RichEdit1);
}

void TrpRichForm::FontNameChange(TObject*) {
    if (FUpdating || FontName->Text().empty()) return;
    const String name = FontName->Text();
    RichEdit1->ChangeSelAttributes([&](rtf::CharFormat& f) { f.FontName = name; });
}

void TrpRichForm::FontSizeChange(TObject*) {
    if (FUpdating) return;
    Integer points = 0;
    if (!TryStrToInt(FontSize->Text(), points) || points < 1 || points > 1638) return;
    RichEdit1->ChangeSelAttributes([points](rtf::CharFormat& f) { f.HalfPoints = points * 2; });
}

void TrpRichForm::ApplyPoints(Integer Delta) {
    RichEdit1->ChangeSelAttributes(
        [Delta](rtf::CharFormat& f) { f.HalfPoints = std::max<Integer>(2, (f.HalfPoints / 2 + Delta) * 2); });
    RichEdit1SelectionChange(RichEdit1);
}

void TrpRichForm::SizeUpBtnClick(TObject*) {
    ApplyPoints(1);
}

void TrpRichForm::SizeDownBtnClick(TObject*) {
    ApplyPoints(-1);
}

void TrpRichForm::StyleBtnClick(TObject* Sender) {
    const bool on = static_cast<TrpSpeedButton*>(Sender)->Down();
    RichEdit1->ChangeSelAttributes([&](rtf::CharFormat& f) {
        if (Sender == BoldBtn) f.Bold = on;
        if (Sender == ItalicBtn) f.Italic = on;
        if (Sender == UnderlineBtn) f.Underline = on;
    });
}

void TrpRichForm::AlignBtnClick(TObject* Sender) {
    const rtf::Alignment align = Sender == CenterBtn  ? rtf::alCenter
                                 : Sender == RightBtn ? rtf::alRight
                                                      : rtf::alLeft;
    RichEdit1->ChangeParagraphs([align](rtf::ParaFormat& p) { p.Align = align; });
}

void TrpRichForm::BulletsBtnClick(TObject*) {
    const bool on = BulletsBtn->Down();
    const Integer first = RichEdit1->ParagraphAt(RichEdit1->SelStart());
    const Integer last = RichEdit1->ParagraphAt(RichEdit1->SelStart() + RichEdit1->SelLength());
    const Integer prefix = 2; // characters of BulletPrefix
    for (Integer k = first; k <= last; ++k) {
        const bool has = RichEdit1->ParagraphText(k).rfind(BulletPrefix, 0) == 0;
        if (has == on) continue;
        RichEdit1->SetSelStart(RichEdit1->ParagraphStart(k));
        if (has) RichEdit1->SetSelLength(prefix);
        RichEdit1->SetSelText(on ? BulletPrefix : String());
    }
    // The bullets' paragraphs again, with their hanging indent.
    RichEdit1->SetSelStart(RichEdit1->ParagraphStart(first));
    RichEdit1->SetSelLength(RichEdit1->ParagraphStart(last) - RichEdit1->ParagraphStart(first));
    RichEdit1->ChangeParagraphs([on](rtf::ParaFormat& p) {
        p.LeftIndent = on ? BulletIndent : 0;
        p.FirstIndent = on ? -BulletIndent : 0;
        p.Tabs = on ? std::vector<Integer>{BulletIndent} : std::vector<Integer>{};
    });
}

void TrpRichForm::InsVarBtnClick(TObject*) {
    if (VarForm->ShowModal() != mrOk || VarForm->SelectedValue.empty()) return;
    RichEdit1->SetSelText("[" + VarForm->SelectedValue + "]");
}

void TrpRichForm::RulerChange(TObject*) {
    const Integer first = Ruler->FirstIndent(), left = Ruler->LeftIndent(), right = Ruler->RightIndent();
    RichEdit1->ChangeParagraphs([&](rtf::ParaFormat& p) {
        p.FirstIndent = first;
        p.LeftIndent = left;
        p.RightIndent = right;
    });
}

void TrpRichForm::RichEdit1SelectionChange(TObject*) {
    if (FUpdating) return;
    FUpdating = true;
    const rtf::CharFormat f = RichEdit1->SelAttributes();
    FontName->SetText(f.FontName);
    FontSize->SetText(IntToStr(f.HalfPoints / 2));
    BoldBtn->SetDown(f.Bold);
    ItalicBtn->SetDown(f.Italic);
    UnderlineBtn->SetDown(f.Underline);
    const rtf::ParaFormat p = RichEdit1->Paragraph();
    LeftBtn->SetDown(p.Align == rtf::alLeft || p.Align == rtf::alJustify);
    CenterBtn->SetDown(p.Align == rtf::alCenter);
    RightBtn->SetDown(p.Align == rtf::alRight);
    const Integer here = RichEdit1->ParagraphAt(RichEdit1->SelStart());
    BulletsBtn->SetDown(RichEdit1->ParagraphText(here).rfind(BulletPrefix, 0) == 0);
    Ruler->SetIndents(p.FirstIndent, p.LeftIndent, p.RightIndent);
    UndoBtn->SetEnabled(RichEdit1->CanUndo());
    FUpdating = false;
}

TrpRichForm* rpRichForm() {
    if (!richForm) richForm = new TrpRichForm(nullptr);
    return richForm;
}

void rpDoneRichForm() {
    delete richForm;
    richForm = nullptr;
}
