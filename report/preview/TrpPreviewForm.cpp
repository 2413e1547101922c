#include "report/preview/TrpPreviewForm.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TRegIniFile.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TPen.h"
#include "platform/os/ShellApi.h"
#include "platform/print/TPrinter.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TBevel.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/TSaveDialog.h"
#include "platform/ui/TScrollBar.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/VirtualKeys.h"
#include "report/common/detail/TrpControls.h"
#include "report/common/detail/TrpReportDesigner.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpReport.h"
#include "report/preview/rpWebAddress.h"
#include "report/common/detail/rpConsts.h"
#include "report/common/detail/rpGlobals.h"
#include "report/preview/detail/rpDockPlacement.h"
#include "report/preview/detail/rpPreviewConsts.h"
#include "report/common/detail/rpPreviewGlyphs.h"
#include "report/preview/detail/rpPreviewHelp.h"
#include "report/preview/detail/rpPreviewKeys.h"

double LastZoomFactor = 1.0;
TrpScaleMode LastZoomMode = mdNone;

namespace {

constexpr TColor PageBoxGray = 0x808080;

TrpTBButton* ToolButton(TrpPreviewForm* Form, TPanel* Row, const char* Name, Integer Width, Integer Tag,
                        Integer Hint, Integer& X) {
    auto* b = new TrpTBButton(Form);
    b->SetName(Name);
    b->SetBounds(X, 0, Width, 24);
    b->SetParent(Row);
    b->SetTag(Tag);
    if (Hint) b->SetHint(rpPreviewStr(Hint));
    X += Width;
    return b;
}

TrpTBSeparator* Separator(TrpPreviewForm* Form, TPanel* Row, const char* Name, Integer& X) {
    auto* s = new TrpTBSeparator(Form);
    s->SetName(Name);
    s->SetBounds(X, 0, 8, 24);
    s->SetParent(Row);
    X += 8;
    return s;
}

void SetGlyph(TrpSpeedButton* Button, report::PreviewGlyph Glyph) {
    Button->SetGlyph(report::MakePreviewGlyph(Glyph).get());
}

// A registered designer's own setting, stored in its form's section, decides
// over the report's whether the toolbar's buttons stay grey until pointed at.
bool GrayedButtons(const TrpReport* Doc) {
    if (!rpDesigner) return Doc->GrayedButtons;
    TRegIniFile settings(String(rpDockRootKey) + "\\" + Application->Title());
    return settings.ReadBool("Form\\" + rpDesigner->Name(), "GrayButtons", false);
}

} // namespace

// ---- Page box -------------------------------------------------------------

TrpPBox::TrpPBox(TrpPreviewForm* APreview) : TPanel(APreview), Preview(APreview) {
    SetBevelOuter(bvNone);
    SetColor(PageBoxGray);
    SetCaption("");
}

void TrpPBox::Paint() {
    TrpPreviewForm* f = Preview;
    if (!f->PaintEnabled) return;
    TCanvas* c = Canvas();
    const TRect box = ClientRect();
    TrpEMFPages* pages = f->HeldPages();
    c->Brush()->SetStyle(bsSolid);
    if (!pages || pages->Count() == 0) {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(box);
        return;
    }
    c->Brush()->SetColor(PageBoxGray);
    c->FillRect(box);
    const TRect clip = c->ClipRect();
    for (Integer i = 0; i < pages->Count(); ++i) {
        TrpPageInfo* info = pages->Pages(i);
        TRect r = info->R;
        OffsetRect(r, f->ScrollOffsetX, f->ScrollOffsetY);
        TRect common;
        info->Visible = report::PageOnScreen(r, box.Height()) && IntersectRect(common, r, clip);
        if (!info->Visible) {
            pages->Draw(i, c, TRect());
            continue;
        }
        c->Pen()->SetColor(clBlack);
        c->Pen()->SetWidth(1);
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetMode(pmCopy);
        c->Brush()->SetColor(clWhite);
        c->Rectangle(r);
        c->Polyline({TPoint(r.Left + 1, r.Bottom), TPoint(r.Right, r.Bottom), TPoint(r.Right, r.Top + 1)});
        const TrpPrnInfo& p = info->PrnInfo;
        pages->Draw(i, c,
                    info->pgMargins
                        ? r
                        : report::PrintableArea(r, TPoint(p.Ofx, p.Ofy), TSize(p.Pw, p.Ph), f->ZoomFactor));
    }
}

void TrpPBox::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TPanel::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft) {
        if (IgnoreNextMouseDown) {
            IgnoreNextMouseDown = false;
            return;
        }
        Dragging = true;
        DragX = X;
        DragY = Y;
        Preview->ShowPageNum();
    } else if (Button == mbRight) {
        const TPoint p = ClientToScreen(TPoint(X, Y));
        if (rpDesigner) Preview->ShowEditItems(true);
        // An embedding panel's own menu, when it has one, replaces the zoom menu.
        TWinControl* host = Preview->PreviewPanel->Parent();
        TPopupMenu* menu = host && host->PopupMenu() ? host->PopupMenu() : Preview->ProcMenu;
        menu->Popup(p.X, p.Y);
    }
}

void TrpPBox::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    TPanel::MouseMove(Shift, X, Y);
    if (!Dragging) return;
    Preview->HScrollBar->SetPosition(Preview->HScrollBar->Position() - (X - DragX));
    Preview->VScrollBar->SetPosition(Preview->VScrollBar->Position() - (Y - DragY));
    DragX = X;
    DragY = Y;
}

void TrpPBox::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    TPanel::MouseUp(Button, Shift, X, Y);
    Dragging = false;
}

void TrpPBox::DblClick() {
    TPanel::DblClick();
    // The press that follows a double click starts no drag.
    IgnoreNextMouseDown = true;
    if (Preview->N5->Visible()) Preview->EditBtnClick(this);
}

// ---- Window ---------------------------------------------------------------

TrpPreviewForm::TrpPreviewForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("rpPreviewForm");
    SetCaption(rpLoadStr(rpsPreview));
    SetKeyPreview(true);
    SetShowHint(true);
    Font()->SetName("MS Sans Serif");
    Font()->SetSize(8);
    Font()->SetColor(clBlack);
    SetClientWidth(661);
    SetClientHeight(383);
    BuildToolbar();
    BuildPageArea();
    BuildMenu();
    OpenDialog = new TOpenDialog(this);
    SaveDialog = new TSaveDialog(this);
    SetWindowState(wsMaximized);
    OnKeyDown = [this](TObject* s, Word& k, TShiftState sh) { FormKeyDown(s, k, sh); };
    OnResize = [this](TObject*) { FormResize(); };
    FHelp = std::make_unique<report::PreviewHelp>(this, HelpBtn);
    OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, Integer x, Integer y) {
        FormMouseDown(s, b, sh, x, y);
    };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    OnDeactivate = [this](TObject* s) { FormDeactivate(s); };
}

TrpPreviewForm::~TrpPreviewForm() {
    OnResize = nullptr;
    PaintEnabled = false;
    // The help cursor must not outlive the window, nor the report users' help
    // a modeless window that is freed while it is the active one.
    FHelp->Cancel();
    if (Screen->ActiveForm() == this) Application->SetHelpFile(SavedHelpFile);
}

void TrpPreviewForm::BuildToolbar() {
    TopPanel = new TPanel(this);
    TopPanel->SetName("TPanel");
    TopPanel->SetCaption("");
    TopPanel->SetBevelOuter(bvNone);
    TopPanel->SetBounds(0, 0, ClientWidth(), 33);
    TopPanel->SetAlign(alTop);
    TopPanel->SetParent(this);
    Bevel2 = new TBevel(this);
    Bevel2->SetShape(bsTopLine);
    Bevel2->SetBounds(0, 0, ClientWidth(), 2);
    Bevel2->SetAlign(alTop);
    Bevel2->SetParent(TopPanel);
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetCaption("");
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetBounds(4, 6, 600, 24);
    Panel1->SetParent(TopPanel);

    Integer x = 0;
    ZoomBtn = ToolButton(this, Panel1, "ZoomBtn", 53, 200, rpsPvScale, x);
    ZoomBtn->SetMargin(3);
    SetGlyph(ZoomBtn, report::PreviewGlyph::Zoom);
    rpTBSeparator1 = Separator(this, Panel1, "rpTBSeparator1", x);
    rpTBSeparator1->SetDrawBevel(false);
    LoadBtn = ToolButton(this, Panel1, "LoadBtn", 22, 201, rpsPvOpen, x);
    SetGlyph(LoadBtn, report::PreviewGlyph::Open);
    SaveBtn = ToolButton(this, Panel1, "SaveBtn", 22, 202, rpsPvSave, x);
    SetGlyph(SaveBtn, report::PreviewGlyph::Save);
    PrintBtn = ToolButton(this, Panel1, "PrintBtn", 22, 203, rpsPvPrint, x);
    SetGlyph(PrintBtn, report::PreviewGlyph::Print);
    rpTBSeparator2 = Separator(this, Panel1, "rpTBSeparator2", x);
    FindBtn = ToolButton(this, Panel1, "FindBtn", 22, 204, rpsPvFind, x);
    SetGlyph(FindBtn, report::PreviewGlyph::Find);
    HelpBtn = ToolButton(this, Panel1, "HelpBtn", 22, 0, rpsPvHelp, x);
    SetGlyph(HelpBtn, report::PreviewGlyph::Help);
    rpTBSeparator4 = Separator(this, Panel1, "rpTBSeparator4", x);
    ExitBtn = ToolButton(this, Panel1, "ExitBtn", 22, 205, rpsPvClose, x);
    SetGlyph(ExitBtn, report::PreviewGlyph::Exit);
    rpTBSeparator3 = Separator(this, Panel1, "rpTBSeparator3", x);
    rpTBButton1 = ToolButton(this, Panel1, "rpTBButton1", 112, 205, 0, x);
    rpTBButton1->SetCaption(rpWebAddress());
    rpTBButton1->Font()->SetColor(clNavy);
    rpTBButton1->Font()->SetStyle({fsUnderline});
    rpTBButton1->SetCursor(crHandPoint);

    ZoomBtn->OnClick = [this](TObject* s) { ZoomBtnClick(s); };
    LoadBtn->OnClick = [this](TObject* s) { LoadBtnClick(s); };
    SaveBtn->OnClick = [this](TObject* s) { SaveBtnClick(s); };
    PrintBtn->OnClick = [this](TObject* s) { PrintBtnClick(s); };
    FindBtn->OnClick = [this](TObject* s) { FindBtnClick(s); };
    HelpBtn->OnClick = [this](TObject* s) { HelpBtnClick(s); };
    ExitBtn->OnClick = [this](TObject* s) { ExitBtnClick(s); };
    rpTBButton1->OnClick = [this](TObject* s) { rpTBButton1Click(s); };
}

void TrpPreviewForm::BuildPageArea() {
    PreviewPanel = new TPanel(this);
    PreviewPanel->SetName("PreviewPanel");
    PreviewPanel->SetCaption("");
    PreviewPanel->SetBevelOuter(bvNone);
    PreviewPanel->SetAlign(alClient);
    PreviewPanel->SetParent(this);

    BPanel = new TPanel(this);
    BPanel->SetName("BPanel");
    BPanel->SetCaption("");
    BPanel->SetBevelOuter(bvNone);
    BPanel->SetBounds(0, 0, 661, 18);
    BPanel->SetAlign(alBottom);
    BPanel->SetParent(PreviewPanel);
    Bevel1 = new TBevel(this);
    Bevel1->SetBounds(0, 1, 77, 17);
    Bevel1->SetTag(206);
    Bevel1->SetParent(BPanel);
    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetAutoSize(false);
    Label1->SetAlignment(taCenter);
    Label1->SetBounds(2, 3, 73, 13);
    Label1->SetTag(206);
    Label1->SetParent(BPanel);
    HScrollBar = new TScrollBar(this);
    HScrollBar->SetName("HScrollBar");
    HScrollBar->SetBounds(80, 1, 581, 17);
    HScrollBar->SetParent(BPanel);

    ScrollBox1 = new TPanel(this);
    ScrollBox1->SetName("ScrollBox1");
    ScrollBox1->SetCaption("");
    ScrollBox1->SetBevelOuter(bvNone);
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->SetParent(PreviewPanel);

    RPanel = new TPanel(this);
    RPanel->SetName("RPanel");
    RPanel->SetCaption("");
    RPanel->SetBevelOuter(bvNone);
    RPanel->SetBounds(0, 0, 16, 300);
    RPanel->SetAlign(alRight);
    RPanel->SetParent(ScrollBox1);
    VScrollBar = new TScrollBar(this);
    VScrollBar->SetName("VScrollBar");
    VScrollBar->SetKind(sbVertical);
    VScrollBar->SetParent(RPanel);
    PgUp = new TrpSpeedButton(this);
    PgUp->SetName("PgUp");
    PgUp->SetBounds(0, 0, 16, 16);
    PgUp->SetParent(RPanel);
    SetGlyph(PgUp, report::PreviewGlyph::PageUp);
    PgDown = new TrpSpeedButton(this);
    PgDown->SetName("PgDown");
    PgDown->SetBounds(0, 0, 16, 16);
    PgDown->SetParent(RPanel);
    SetGlyph(PgDown, report::PreviewGlyph::PageDown);
    for (TScrollBar* bar : {VScrollBar, HScrollBar}) {
        bar->SetParams(0, 0, 32000);
        bar->SetSmallChange(10);
        bar->SetLargeChange(200);
        bar->SetPageSize(0);
    }

    PBox = new TrpPBox(this);
    PBox->SetName("PBox");
    // The page box's help context, which the help mode reads from the tag.
    PBox->SetTag(207);
    PBox->SetAlign(alClient);
    PBox->SetParent(ScrollBox1);

    VScrollBar->OnChange = [this](TObject* s) { VScrollBarChange(s); };
    HScrollBar->OnChange = [this](TObject* s) { HScrollBarChange(s); };
    PgUp->OnClick = [this](TObject* s) { PgUpClick(s); };
    PgDown->OnClick = [this](TObject* s) { PgDownClick(s); };
    PBox->OnMouseWheelDown = [this](TObject* s, TShiftState sh, TPoint p, bool& h) {
        FormMouseWheelDown(s, sh, p, h);
    };
    PBox->OnMouseWheelUp = [this](TObject* s, TShiftState sh, TPoint p, bool& h) {
        FormMouseWheelUp(s, sh, p, h);
    };
    ScrollBox1->OnMouseWheelDown = PBox->OnMouseWheelDown;
    ScrollBox1->OnMouseWheelUp = PBox->OnMouseWheelUp;
}

void TrpPreviewForm::BuildMenu() {
    ProcMenu = new TPopupMenu(this);
    ProcMenu->SetName("ProcMenu");
    auto item = [this](TMenuItem*& Field, const char* Name, const String& Caption, Integer Tag) {
        Field = new TMenuItem(this);
        Field->SetName(Name);
        Field->SetCaption(Caption);
        Field->SetTag(Tag);
        ProcMenu->Items()->Add(Field);
        return Field;
    };
    const struct {
        TMenuItem** Field;
        const char* Name;
        String Caption;
        Integer Tag;
    } zooms[] = {
        {&N2001, "N2001", "200%", 200},
        {&N1501, "N1501", "150%", 150},
        {&N1001, "N1001", "100%", 100},
        {&N751, "N751", "75%", 75},
        {&N501, "N501", "50%", 50},
        {&N251, "N251", "25%", 25},
        {&N101, "N101", "10%", 10},
        {&N1, "N1", rpPreviewStr(rpsPvPageWidth), 1},
        {&N2, "N2", rpPreviewStr(rpsPvWholePage), 2},
        {&N3, "N3", rpPreviewStr(rpsPvTwoPages), 3},
    };
    for (const auto& z : zooms) {
        TMenuItem* m = item(*z.Field, z.Name, z.Caption, z.Tag);
        m->SetRadioItem(true);
        m->SetGroupIndex(1);
        m->OnClick = [this](TObject* s) { ZoomItemClick(s); };
    }
    N1001->SetChecked(true);
    item(N4, "N4", "-", 0);
    item(N5, "N5", rpPreviewStr(rpsPvEditPage), 0);
    item(N6, "N6", rpPreviewStr(rpsPvAddPage), 0);
    item(N7, "N7", rpPreviewStr(rpsPvDeletePage), 0);
    N5->OnClick = [this](TObject* s) { EditBtnClick(s); };
    N6->OnClick = [this](TObject* s) { NewPageBtnClick(s); };
    N7->OnClick = [this](TObject* s) { DelPageBtnClick(s); };
}

// ---- Connection -----------------------------------------------------------

void TrpPreviewForm::Connect(TrpReport* Doc) {
    ConnectedReport = Doc;
    FHeldPages = Doc->TakeEMFPages();
}

void TrpPreviewForm::ConnectBack() {
    if (!ConnectedReport) return;
    ConnectedReport->SetEMFPages(std::move(FHeldPages));
}

void TrpPreviewForm::Prepare(TrpReport* Doc) {
    Connect(Doc);
    const TrpPreviewButtons shown = Doc->PreviewButtons;
    ZoomBtn->SetVisible(shown.Contains(pbZoom));
    rpTBSeparator1->SetVisible(ZoomBtn->Visible());
    LoadBtn->SetVisible(shown.Contains(pbLoad));
    SaveBtn->SetVisible(shown.Contains(pbSave));
    PrintBtn->SetVisible(shown.Contains(pbPrint));
    FindBtn->SetVisible(shown.Contains(pbFind));
    HelpBtn->SetVisible(shown.Contains(pbHelp));
    ExitBtn->SetVisible(shown.Contains(pbExit));
    rpTBSeparator3->SetVisible(FindBtn->Visible() || HelpBtn->Visible());
    PrintBtn->SetEnabled(Printer() && !Printer()->Printers().empty());
    ShowEditItems(rpDesigner != nullptr);
    switch (Doc->InitialZoom) {
    case pzPageWidth:
        LastZoomMode = mdPageWidth;
        break;
    case pzOnePage:
        LastZoomMode = mdOnePage;
        break;
    case pzTwoPages:
        LastZoomMode = mdTwoPages;
        break;
    case pzDefault:
        break;
    }
    RedrawAll();
    const bool grayed = GrayedButtons(Doc);
    for (Integer i = 0; i < Panel1->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TrpSpeedButton*>(Panel1->Controls(i))) b->SetGrayedInactive(grayed);
}

void TrpPreviewForm::Show_Modal(TrpReport* Doc) {
    Prepare(Doc);
    // Activation takes the application's help file over; hiding the window (its
    // deactivation) or freeing it while active gives this one back.
    SavedHelpFile = Application->HelpFile();
    if (Doc->ModalPreview)
        ShowModal();
    else
        Show();
}

void TrpPreviewForm::ShowEditItems(bool Shown) {
    for (TMenuItem* m : {N4, N5, N6, N7})
        m->SetVisible(Shown);
}

// ---- Layout and scrolling --------------------------------------------------

void TrpPreviewForm::RedrawAll() {
    if (!FHeldPages) return;
    ZoomFactor = LastZoomFactor;
    ZoomMode = LastZoomMode;
    CheckZoomItem();
    CurrentPage = 1;
    ShowPageNum();
    ScrollOffsetX = ScrollOffsetY = 0;
    LastHPosition = LastVPosition = 0;
    {
        FSettingPage = true;
        core::ScopeExit done([this] { FSettingPage = false; });
        HScrollBar->SetPosition(0);
        VScrollBar->SetPosition(0);
    }
    FormResize();
    ReleaseHidden();
    PBox->Invalidate();
}

void TrpPreviewForm::CheckZoomItem() {
    switch (ZoomMode) {
    case mdPageWidth:
        N1->SetChecked(true);
        break;
    case mdOnePage:
        N2->SetChecked(true);
        break;
    case mdTwoPages:
        N3->SetChecked(true);
        break;
    case mdNone:
        for (TMenuItem* m : {N2001, N1501, N1001, N751, N501, N251, N101})
            if (m->Tag() == Round(ZoomFactor * 100) && m->Tag() == ZoomFactor * 100) m->SetChecked(true);
        break;
    }
}

void TrpPreviewForm::ReleaseHidden() {
    for (Integer i = 0; i < FHeldPages->Count(); ++i) {
        FHeldPages->Pages(i)->Visible = false;
        FHeldPages->Draw(i, PBox->Canvas(), TRect());
    }
}

void TrpPreviewForm::FormResize() {
    if (!FHeldPages || FHeldPages->Count() == 0) return;
    PaintEnabled = false;
    core::ScopeExit paint([this] { PaintEnabled = true; });
    std::vector<TSize> sizes;
    sizes.reserve(std::size_t(FHeldPages->Count()));
    for (Integer i = 0; i < FHeldPages->Count(); ++i) {
        const TrpPageInfo* info = FHeldPages->Pages(i);
        sizes.emplace_back(info->PrnInfo.Pgw, info->PrnInfo.Pgh);
    }
    ApplyLayout(
        report::LayOutPreview(sizes, CurrentPage - 1, PBox->Width(), PBox->Height(), ZoomMode, ZoomFactor));
}

void TrpPreviewForm::ApplyLayout(const report::PreviewLayout& Layout) {
    ZoomFactor = Layout.ZoomFactor;
    ZoomBtn->SetCaption(report::ZoomCaption(ZoomFactor));
    for (Integer i = 0; i < FHeldPages->Count(); ++i)
        FHeldPages->Pages(i)->R = Layout.Pages[std::size_t(i)];
    PlaceScrollControls();
    {
        FSettingPage = true;
        core::ScopeExit done([this] { FSettingPage = false; });
        HScrollBar->SetMax(Layout.HorzRange);
        HScrollBar->SetEnabled(Layout.HorzRange != 0);
        VScrollBar->SetMax(Layout.VertRange);
        VScrollBar->SetEnabled(Layout.VertRange != 0);
    }
    SetToCurPage();
}

void TrpPreviewForm::PlaceScrollControls() {
    const Integer h = RPanel->Height();
    PgDown->SetBounds(0, h - 16, 16, 16);
    PgUp->SetBounds(0, h - 32, 16, 16);
    VScrollBar->SetBounds(0, 0, 16, std::max(h - 33, 0));
    const Integer right = BPanel->Width() - (RPanel->Visible() ? VScrollBar->Width() : 0);
    HScrollBar->SetBounds(80, 1, std::max(right - 80, 0), 17);
}

void TrpPreviewForm::SetToCurPage() {
    if (!FHeldPages || CurrentPage < 1 || CurrentPage > FHeldPages->Count()) return;
    FSettingPage = true;
    core::ScopeExit done([this] { FSettingPage = false; });
    VScrollBar->SetPosition(FHeldPages->Pages(CurrentPage - 1)->R.Top - report::PreviewGap);
}

void TrpPreviewForm::ShowPageNum() {
    const Integer count = FHeldPages ? FHeldPages->Count() : 0;
    Label1->SetCaption(rpPreviewStr(rpsPvPage) + " " + std::to_string(CurrentPage) + "/" +
                       std::to_string(count));
}

void TrpPreviewForm::VScrollBarChange(TObject*) {
    const Integer pos = VScrollBar->Position();
    LastVPosition = pos;
    ScrollOffsetY = -pos;
    PBox->Invalidate();
    // A page chosen by the program stays chosen even when the bar stops short
    // of its top (the last pages).
    if (FSettingPage || !FHeldPages) return;
    std::vector<TRect> rects;
    rects.reserve(std::size_t(FHeldPages->Count()));
    for (Integer i = 0; i < FHeldPages->Count(); ++i)
        rects.push_back(FHeldPages->Pages(i)->R);
    const Integer page = report::PageAtScroll(rects, pos);
    if (page >= 0) CurrentPage = page + 1;
    ShowPageNum();
}

void TrpPreviewForm::HScrollBarChange(TObject*) {
    LastHPosition = HScrollBar->Position();
    ScrollOffsetX = -LastHPosition;
    PBox->Invalidate();
}

void TrpPreviewForm::ScrollVert(Integer Delta) {
    VScrollBar->SetPosition(VScrollBar->Position() + Delta);
}

void TrpPreviewForm::ScrollHorz(Integer Delta) {
    HScrollBar->SetPosition(HScrollBar->Position() + Delta);
}

void TrpPreviewForm::PgUpClick(TObject*) {
    if (!FHeldPages) return;
    if (CurrentPage > 1) --CurrentPage;
    ShowPageNum();
    SetToCurPage();
}

void TrpPreviewForm::PgDownClick(TObject*) {
    if (!FHeldPages) return;
    if (CurrentPage < FHeldPages->Count()) ++CurrentPage;
    ShowPageNum();
    SetToCurPage();
}

void TrpPreviewForm::FormMouseWheelDown(TObject*, TShiftState, TPoint, bool& Handled) {
    ScrollVert(VScrollBar->SmallChange() * WheelStep);
    Handled = true;
}

void TrpPreviewForm::FormMouseWheelUp(TObject*, TShiftState, TPoint, bool& Handled) {
    ScrollVert(-VScrollBar->SmallChange() * WheelStep);
    Handled = true;
}

// ---- Zoom -----------------------------------------------------------------

void TrpPreviewForm::ZoomBtnClick(TObject*) {
    // The zoom button's menu holds the zoom alone; the editing items, and the
    // keys that follow them, come back once it closes.
    ShowEditItems(false);
    const core::ScopeExit back([this] { ShowEditItems(rpDesigner != nullptr); });
    const TPoint p = ZoomBtn->ClientToScreen(TPoint(0, ZoomBtn->Height() + 2));
    ProcMenu->Popup(p.X, p.Y);
}

void TrpPreviewForm::ZoomItemClick(TObject* Sender) {
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item || !FHeldPages) return;
    ScrollOffsetX = 0;
    switch (item->Tag()) {
    case 1:
        ZoomMode = mdPageWidth;
        break;
    case 2:
        ZoomMode = mdOnePage;
        break;
    case 3:
        ZoomMode = mdTwoPages;
        break;
    default:
        ZoomMode = mdNone;
        ZoomFactor = item->Tag() / 100.0;
        break;
    }
    item->SetChecked(true);
    HScrollBar->SetPosition(0);
    FormResize();
    LastZoomFactor = ZoomFactor;
    LastZoomMode = ZoomMode;
    PBox->Invalidate();
}

// ---- Keyboard ---------------------------------------------------------------

void TrpPreviewForm::FormKeyDown(TObject*, Word& Key, TShiftState Shift) {
    // A key while help is asked for or shown only ends the help.
    if (FHelp->KeyDown()) {
        Key = 0;
        return;
    }
    if (!FHeldPages) return;
    using C = report::PreviewCommand;
    auto focus = [this](TScrollBar* Bar) {
        if (Bar->Enabled() && Showing() && Bar->CanFocus()) Bar->SetFocus();
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        focus(VScrollBar);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        focus(HScrollBar);
        break;
    default:
        break;
    }
    report::PreviewKeyState state;
    state.CanPrint = PrintBtn->Enabled();
    state.CanEdit = N5->Visible();
    state.HasSearchText = !Search.Text.empty();
    const report::PreviewKeyAction action = report::PreviewKey(Key, Shift, state);
    if (action.Consumed) Key = 0;
    switch (action.Command) {
    case C::LineUp:
        ScrollVert(-VScrollBar->SmallChange());
        break;
    case C::LineDown:
        ScrollVert(VScrollBar->SmallChange());
        break;
    case C::LineLeft:
        ScrollHorz(-HScrollBar->SmallChange());
        break;
    case C::LineRight:
        ScrollHorz(HScrollBar->SmallChange());
        break;
    case C::ScreenUp:
        ScrollVert(-VScrollBar->LargeChange());
        break;
    case C::ScreenDown:
        ScrollVert(VScrollBar->LargeChange());
        break;
    case C::PrevPage:
        PgUpClick(this);
        break;
    case C::NextPage:
        PgDownClick(this);
        break;
    case C::ZoomMenu:
        ZoomBtnClick(this);
        break;
    case C::Exit:
        ExitBtnClick(this);
        break;
    case C::Top:
        VScrollBar->SetPosition(0);
        break;
    case C::LastPage:
        CurrentPage = FHeldPages->Count();
        ShowPageNum();
        SetToCurPage();
        break;
    case C::Open:
        LoadBtnClick(this);
        break;
    case C::Save:
        SaveBtnClick(this);
        break;
    case C::Print:
        PrintBtnClick(this);
        break;
    case C::Find:
        FindBtnClick(this);
        break;
    case C::FindNext:
        FindNext();
        break;
    case C::Edit:
        EditBtnClick(this);
        break;
    case C::DeletePage:
        DelPageBtnClick(this);
        break;
    case C::InsertPage:
        NewPageBtnClick(this);
        break;
    case C::None:
        break;
    }
}

// ---- Closing ----------------------------------------------------------------

void TrpPreviewForm::HelpBtnClick(TObject*) {
    HelpBtn->MouseLeave(); // its hover look goes while the window waits for the press
    FHelp->Start();
}

void TrpPreviewForm::FormMouseDown(TObject*, TMouseButton, TShiftState, Integer X, Integer Y) {
    FHelp->MouseDown(TPoint(X, Y));
}

void TrpPreviewForm::FormActivate(TObject*) {
    Application->SetHelpFile(rpUserHelpFile);
}

void TrpPreviewForm::FormDeactivate(TObject*) {
    FHelp->Cancel();
    Application->SetHelpFile(SavedHelpFile);
}

void TrpPreviewForm::ExitBtnClick(TObject*) {
    if (!ConnectedReport) return;
    if (Modal())
        SetModalResult(mrOk);
    else
        Close();
}

void TrpPreviewForm::rpTBButton1Click(TObject*) {
    if (!rpWebAddress().empty()) ShellExecute("open", "http://" + rpWebAddress(), "", "", SW_SHOWNORMAL);
}

void rpInstallPreview() {
    rpShowPreview = [](TrpReport* Report, const String& Caption) {
        auto form = std::make_unique<TrpPreviewForm>(nullptr);
        form->SetCaption(Caption);
        if (Report->ModalPreview) {
            form->Show_Modal(Report);
            return;
        }
        // A modeless preview lives until its window closes.
        TrpPreviewForm* f = form.release();
        f->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
        f->Show_Modal(Report);
    };
}
