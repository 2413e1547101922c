#include "grid/TfrmGridSetup.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckListBox.h"
#include "platform/ui/TColorDialog.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TFontDialog.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"

namespace {

template <class T>
T* Make(TfrmGridSetup* Form, TWinControl* Parent, const char* Name, Integer L, Integer T_, Integer W,
        Integer H) {
    T* c = new T(Form);
    c->SetName(Name);
    c->SetParent(Parent);
    c->SetBounds(L, T_, W, H);
    return c;
}

TComboBox* ColorList(TfrmGridSetup* Form, TWinControl* Parent, const char* Name, Integer L, Integer T_) {
    TComboBox* c = Make<TComboBox>(Form, Parent, Name, L, T_, 118, 22);
    c->SetStyle(csOwnerDrawFixed);
    c->SetItemHeight(16);
    c->SetDropDownCount(12);
    for (Integer i = 0; i < vg::SetupColorCount; ++i)
        c->Items()->Add("");
    return c;
}

TComboBox* AlignmentList(TfrmGridSetup* Form, TWinControl* Parent, const char* Name, Integer L, Integer T_) {
    TComboBox* c = Make<TComboBox>(Form, Parent, Name, L, T_, 118, 21);
    c->SetStyle(csDropDownList);
    for (const char* s : {"left", "right", "center"})
        c->Items()->Add(s);
    return c;
}

TEdit* FontEdit(TfrmGridSetup* Form, TWinControl* Parent, const char* Name, Integer T_) {
    TEdit* e = Make<TEdit>(Form, Parent, Name, 10, T_, 220, 21);
    e->SetReadOnly(true);
    e->SetParentFont(false);
    return e;
}

} // namespace

TfrmGridSetup::TfrmGridSetup(TComponent* AOwner) : TForm(AOwner) {
    SetName("frmGridSetup");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(487);
    SetClientHeight(296);

    pmColumns = new TPopupMenu(this);
    pmColumns->SetName("pmColumns");
    miSelectAll = new TMenuItem(this);
    miUnselectAll = new TMenuItem(this);
    miInvertSelection = new TMenuItem(this);
    Integer tag = 0;
    for (TMenuItem* mi : {miSelectAll, miUnselectAll, miInvertSelection}) {
        mi->SetTag(tag++);
        mi->OnClick = [this](TObject* s) { miSelectAllClick(s); };
        pmColumns->Items()->Add(mi);
    }

    clbFields = Make<TCheckListBox>(this, this, "clbFields", 8, 8, 193, 280);
    clbFields->SetDragMode(dmAutomatic);
    clbFields->SetPopupMenu(pmColumns);
    clbFields->OnClick = [this](TObject* s) { clbFieldsClick(s); };
    clbFields->OnDragOver = [this](TObject* s, TObject* src, Integer x, Integer y, TDragState st, bool& a) {
        clbFieldsDragOver(s, src, x, y, st, a);
    };
    clbFields->OnDragDrop = [this](TObject* s, TObject* src, Integer x, Integer y) {
        clbFieldsDragDrop(s, src, x, y);
    };

    gbTitle = Make<TGroupBox>(this, this, "gbTitle", 209, 4, 270, 106);
    edTitleCaption = Make<TEdit>(this, gbTitle, "edTitleCaption", 10, 20, 250, 21);
    cbTitleAlignment = AlignmentList(this, gbTitle, "cbTitleAlignment", 10, 48);
    VgColorsCBTitle = ColorList(this, gbTitle, "VgColorsCBTitle", 142, 47);
    edTitleFont = FontEdit(this, gbTitle, "edTitleFont", 76);
    btnTitleFont = Make<TButton>(this, gbTitle, "btnTitleFont", 234, 76, 26, 21);

    gbData = Make<TGroupBox>(this, this, "gbData", 209, 114, 270, 78);
    cbDataAlignment = AlignmentList(this, gbData, "cbDataAlignment", 10, 20);
    VgColorsCBData = ColorList(this, gbData, "VgColorsCBData", 142, 19);
    edDataFont = FontEdit(this, gbData, "edDataFont", 48);
    btnDataFont = Make<TButton>(this, gbData, "btnDataFont", 234, 48, 26, 21);

    lblWidth = Make<TLabel>(this, this, "lblWidth", 211, 205, 44, 16);
    edWidth = Make<TEdit>(this, this, "edWidth", 258, 201, 46, 21);
    edWidth->SetText("10");
    lblCharacters = Make<TLabel>(this, this, "lblCharacters", 310, 205, 70, 16);
    btnApplyAll = Make<TButton>(this, this, "btnApplyAll", 383, 199, 96, 25);
    btnOk = Make<TButton>(this, this, "btnOk", 323, 263, 75, 25);
    btnOk->SetDefault(true);
    btnOk->SetModalResult(mrOk);
    btnCancel = Make<TButton>(this, this, "btnCancel", 404, 263, 75, 25);
    btnCancel->SetCancel(true);
    btnCancel->SetModalResult(mrCancel);
    FontDlg = new TFontDialog(this);
    FontDlg->SetName("FontDlg");

    const std::pair<TWinControl*, Integer> editors[] = {
        {edTitleCaption, 1},  {cbTitleAlignment, 2}, {VgColorsCBTitle, 3}, {edTitleFont, 4},
        {cbDataAlignment, 5}, {VgColorsCBData, 6},   {edDataFont, 7},      {edWidth, 9}};
    for (auto [editor, t] : editors) {
        editor->SetTag(t);
        editor->OnExit = [this](TObject* s) { PropertyExit(s); };
    }
    for (TComboBox* colours : {VgColorsCBTitle, VgColorsCBData}) {
        colours->OnDrawItem = [this](TWinControl* c, Integer i, const TRect& r, TOwnerDrawState s) {
            VgColorsCBTitleDrawItem(c, i, r, s);
        };
        // A choice is first a click (the custom entry asks for its colour), then a change.
        colours->OnSelect = [this](TObject* s) { VgColorsCBTitleClick(s); };
        colours->OnChange = [this](TObject* s) { VgColorsCBTitleChange(s); };
    }
    btnTitleFont->OnClick = [this](TObject*) { edTitleFontButtonClick(edTitleFont); };
    btnDataFont->OnClick = [this](TObject*) { edTitleFontButtonClick(edDataFont); };
    btnApplyAll->OnClick = [this](TObject* s) { btnApplyAllClick(s); };
}

TfrmGridSetup::~TfrmGridSetup() = default;

void TfrmGridSetup::AddItem(TVgGridSetupItem Item) {
    const bool checked = Item.Checked;
    const Integer line = clbFields->Items()->Add(GetItemCaption(Item));
    clbFields->SetChecked(line, checked);
    Items.push_back(std::move(Item));
}

void TfrmGridSetup::StoreChecks() {
    for (std::size_t i = 0; i < Items.size(); ++i)
        Items[i].Checked = clbFields->Checked(Integer(i));
}

String TfrmGridSetup::GetItemCaption(const TVgGridSetupItem& Item) {
    return Item.FieldName + "  :  " + Item.TitleCaption;
}

String TfrmGridSetup::GetCaptionFont(const TFont* Font) {
    return Font->Name() + ", " + IntToStr(Font->Size());
}

TVgGridSetupItem* TfrmGridSetup::Selected() {
    const Integer line = clbFields->ItemIndex();
    return line >= 0 && line < Integer(Items.size()) ? &Items[std::size_t(line)] : nullptr;
}

bool TfrmGridSetup::IsData(TObject* Sender) const {
    return Sender == VgColorsCBData || Sender == edDataFont || Sender == btnDataFont;
}

TEdit* TfrmGridSetup::FontEditOf(TObject* Sender) const {
    return IsData(Sender) ? edDataFont : edTitleFont;
}

void TfrmGridSetup::clbFieldsClick(TObject*) {
    TVgGridSetupItem* item = Selected();
    if (!item) return;
    edTitleCaption->SetText(item->TitleCaption);
    cbTitleAlignment->SetItemIndex(Integer(item->TitleAlignment));
    cbDataAlignment->SetItemIndex(Integer(item->DataAlignment));
    // A colour outside the table moves into the list's custom slot: the last
    // entry then shows it, and leaving the list keeps it.
    VgColorsCBTitle->SetItemIndex(vg::IndexOfSetupColor(item->TitleColor, false));
    VgColorsCBData->SetItemIndex(vg::IndexOfSetupColor(item->DataColor, true));
    VgColorsCBTitle->Invalidate();
    VgColorsCBData->Invalidate();
    edTitleFont->Font()->Assign(item->TitleFont.get());
    edTitleFont->SetText(GetCaptionFont(item->TitleFont.get()));
    edTitleFont->SetColor(item->TitleColor);
    edDataFont->Font()->Assign(item->DataFont.get());
    edDataFont->SetText(GetCaptionFont(item->DataFont.get()));
    edDataFont->SetColor(item->DataColor);
    edWidth->SetText(IntToStr(item->Width));
}

void TfrmGridSetup::clbFieldsDragOver(TObject*, TObject* Source, Integer, Integer, TDragState, bool& Accept) {
    Accept = Source == clbFields;
}

void TfrmGridSetup::clbFieldsDragDrop(TObject*, TObject*, Integer X, Integer Y) {
    const Integer from = clbFields->ItemIndex();
    const Integer to = clbFields->ItemAtPos(TPoint(X, Y), true);
    if (from < 0 || to < 0 || from == to) return;
    StoreChecks();
    TVgGridSetupItem moved = std::move(Items[std::size_t(from)]);
    Items.erase(Items.begin() + from);
    Items.insert(Items.begin() + to, std::move(moved));
    clbFields->Items()->Move(from, to);
    for (std::size_t i = 0; i < Items.size(); ++i)
        clbFields->SetChecked(Integer(i), Items[i].Checked);
    clbFields->SetItemIndex(to);
}

void TfrmGridSetup::PropertyExit(TObject* Sender) {
    auto* component = dynamic_cast<TComponent*>(Sender);
    TVgGridSetupItem* item = Selected();
    if (!component || !item) return;
    auto alignment = [](TComboBox* c) {
        return c->ItemIndex() >= 0 ? TAlignment(c->ItemIndex()) : taLeftJustify;
    };
    switch (component->Tag()) {
    case 1: {
        item->TitleCaption = edTitleCaption->Text();
        const Integer line = clbFields->ItemIndex();
        const bool checked = clbFields->Checked(line);
        clbFields->Items()->Put(line, GetItemCaption(*item));
        clbFields->SetChecked(line, checked);
        break;
    }
    case 2:
        item->TitleAlignment = alignment(cbTitleAlignment);
        break;
    case 3:
        item->TitleColor = vg::SetupColor(VgColorsCBTitle->ItemIndex(), false);
        break;
    case 4:
        item->TitleFont->Assign(edTitleFont->Font());
        break;
    case 5:
        item->DataAlignment = alignment(cbDataAlignment);
        break;
    case 6:
        item->DataColor = vg::SetupColor(VgColorsCBData->ItemIndex(), true);
        break;
    case 7:
        item->DataFont->Assign(edDataFont->Font());
        break;
    case 8:
    case 9:
        item->Width = StrToIntDef(edWidth->Text(), 0);
        break;
    case 10:
        item->Width = 10;
        break;
    default:
        break;
    }
}

void TfrmGridSetup::edTitleFontButtonClick(TObject* Sender) {
    TEdit* edit = FontEditOf(Sender);
    FontDlg->SetFont(edit->Font());
    if (!FontDlg->Execute()) return;
    edit->Font()->Assign(FontDlg->Font());
    edit->SetText(GetCaptionFont(edit->Font()));
    // The read-only box may never have had the focus, so its exit would not
    // store the choice: it is stored here.
    PropertyExit(edit);
}

void TfrmGridSetup::VgColorsCBTitleDrawItem(TWinControl* Control, Integer Index, const TRect& Rect,
                                            TOwnerDrawState) {
    TCanvas* canvas = static_cast<TComboBox*>(Control)->Canvas();
    const TColor saved = canvas->Brush()->Color();
    TRect r = Rect;
    InflateRect(r, -2, -2);
    canvas->Brush()->SetColor(clWindowText);
    canvas->FrameRect(r);
    InflateRect(r, -1, -1);
    canvas->Brush()->SetColor(vg::SetupColor(Index, Control == VgColorsCBData));
    canvas->FillRect(r);
    canvas->Brush()->SetColor(saved);
}

void TfrmGridSetup::VgColorsCBTitleClick(TObject* Sender) {
    auto* list = static_cast<TComboBox*>(Sender);
    if (list->ItemIndex() != vg::CustomColorEntry) return;
    const bool data = Sender == VgColorsCBData;
    TColorDialog dialog(nullptr);
    dialog.SetColor(vg::SetupColor(vg::CustomColorEntry, data));
    if (dialog.Execute()) vg::SetSetupCustomColor(data, dialog.Color());
    list->Invalidate();
}

void TfrmGridSetup::VgColorsCBTitleChange(TObject* Sender) {
    auto* list = static_cast<TComboBox*>(Sender);
    const bool data = Sender == VgColorsCBData;
    FontEditOf(Sender)->SetColor(vg::SetupColor(list->ItemIndex(), data));
}

void TfrmGridSetup::miSelectAllClick(TObject* Sender) {
    const Int64 how = static_cast<TMenuItem*>(Sender)->Tag();
    for (Integer i = 0; i < clbFields->Items()->Count(); ++i)
        clbFields->SetChecked(i, how == 0 ? true : how == 1 ? false : !clbFields->Checked(i));
    clbFields->Invalidate();
}

void TfrmGridSetup::btnApplyAllClick(TObject*) {
    TVgGridSetupItem* from = Selected();
    if (!from) return;
    StoreChecks();
    for (TVgGridSetupItem& to : Items) {
        if (&to == from || !to.Checked) continue;
        to.TitleAlignment = from->TitleAlignment;
        to.TitleColor = from->TitleColor;
        to.TitleFont->Assign(from->TitleFont.get());
        to.DataAlignment = from->DataAlignment;
        to.DataColor = from->DataColor;
        to.DataFont->Assign(from->DataFont.get());
        to.Width = from->Width;
    }
}
