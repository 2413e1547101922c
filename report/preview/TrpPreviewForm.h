#pragma once
// The preview window: the prepared pages of a report laid out on a gray
// page box, paged, zoomed, scrolled and searched, printed, exported, saved
// and opened again. While connected it holds the report's pages; every
// operation that needs the report to work on them hands them back first and
// takes them again after.
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TPanel.h"
#include "report/preview/detail/rpPreviewFind.h"
#include "report/preview/detail/rpPreviewLayout.h"

#include <memory>

class TBevel;
class TLabel;
class TMenuItem;
class TOpenDialog;
class TPopupMenu;
class TSaveDialog;
class TScrollBar;
class TrpEMFPages;
class TrpPreviewForm;
class TrpPrintForm;
class TrpReport;
class TrpSpeedButton;
class TrpTBButton;
class TrpTBSeparator;
namespace report {
class PreviewHelp;
}

// The zoom the user chose last; every preview opened later starts with it.
extern double LastZoomFactor;
extern TrpScaleMode LastZoomMode;

// The gray box the pages lie on; a left drag moves the view.
class TrpPBox : public TPanel {
public:
    explicit TrpPBox(TrpPreviewForm* Preview);
    String ClassName() const override { return "TrpPBox"; }

    TrpPreviewForm* Preview;
    bool Dragging = false;
    Integer DragX = 0;
    Integer DragY = 0;
    bool IgnoreNextMouseDown = false;

    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void DblClick() override;

protected:
    void Paint() override;
};

class TrpPreviewForm : public TForm {
public:
    explicit TrpPreviewForm(TComponent* AOwner);
    ~TrpPreviewForm() override;
    String ClassName() const override { return "TrpPreviewForm"; }

    // ---- Controls ---------------------------------------------------------
    TPanel* TopPanel; // named "TPanel"
    TBevel* Bevel2;
    TPanel* Panel1;
    TrpTBButton* ZoomBtn;
    TrpTBSeparator* rpTBSeparator1;
    TrpTBButton* LoadBtn;
    TrpTBButton* SaveBtn;
    TrpTBButton* PrintBtn;
    TrpTBSeparator* rpTBSeparator2;
    TrpTBButton* FindBtn;
    TrpTBButton* HelpBtn;
    TrpTBSeparator* rpTBSeparator4;
    TrpTBButton* ExitBtn;
    TrpTBSeparator* rpTBSeparator3;
    TrpTBButton* rpTBButton1;
    TPanel* PreviewPanel;
    TPanel* ScrollBox1;
    TPanel* RPanel;
    TScrollBar* VScrollBar;
    TrpSpeedButton* PgUp;
    TrpSpeedButton* PgDown;
    TPanel* BPanel;
    TBevel* Bevel1;
    TLabel* Label1;
    TScrollBar* HScrollBar;
    TPopupMenu* ProcMenu;
    TMenuItem *N2001, *N1501, *N1001, *N751, *N501, *N251, *N101, *N1, *N2, *N3, *N4, *N5, *N6, *N7;
    TOpenDialog* OpenDialog;
    TSaveDialog* SaveDialog;
    TrpPBox* PBox;

    // ---- State ------------------------------------------------------------
    TrpReport* ConnectedReport = nullptr;
    TrpEMFPages* HeldPages() const { return FHeldPages.get(); }
    Integer CurrentPage = 1;
    Integer ScrollOffsetX = 0;
    Integer ScrollOffsetY = 0;
    Integer LastHPosition = 0;
    Integer LastVPosition = 0;
    double ZoomFactor = 1.0;
    TrpScaleMode ZoomMode = mdNone;
    bool PaintEnabled = true;
    Integer WheelStep = 1;
    report::SearchState Search;
    // The application's help file before the window took it over.
    String SavedHelpFile;

    // ---- Operations -------------------------------------------------------
    // Connects, sets up the toolbar and the zoom, then shows the window:
    // modally when the report's ModalPreview is set. The toolbar's buttons grey
    // out as the report's GrayedButtons says, or, with a designer registered,
    // as its stored "GrayButtons" (Software\Report\<title>, Form\<designer>) does.
    void Show_Modal(TrpReport* Doc);
    // Everything Show_Modal does before showing.
    void Prepare(TrpReport* Doc);
    // Takes Doc's prepared pages (Doc keeps an empty list).
    void Connect(TrpReport* Doc);
    // Gives the held pages back to the report.
    void ConnectBack();
    // Page 1 with the remembered zoom.
    void RedrawAll();
    // The layout of the pages in the page box, applied.
    void FormResize();
    void SetToCurPage();
    void ShowPageNum();

    void ZoomBtnClick(TObject* Sender);
    void ZoomItemClick(TObject* Sender);
    void LoadBtnClick(TObject* Sender);
    void SaveBtnClick(TObject* Sender);
    void PrintBtnClick(TObject* Sender);
    void FindBtnClick(TObject* Sender);
    // The next press in the window names a control, whose help topic shows.
    void HelpBtnClick(TObject* Sender);
    void ExitBtnClick(TObject* Sender);
    // Opens the maker's web address (rpWebAddress) in the desktop's browser.
    void rpTBButton1Click(TObject* Sender);
    void PgUpClick(TObject* Sender);
    void PgDownClick(TObject* Sender);
    void VScrollBarChange(TObject* Sender);
    void HScrollBarChange(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    // A press that reaches the window itself: the help mode's answer.
    void FormMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    // While the window is active the application's help is the report users'.
    void FormActivate(TObject* Sender);
    // Leaving the window ends the help mode, closes a help note and gives the
    // application its own help file back.
    void FormDeactivate(TObject* Sender);
    report::PreviewHelp& Help() const { return *FHelp; }
    void FormMouseWheelDown(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled);
    void FormMouseWheelUp(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled);

    // Replaces the held pages with a prepared-report file's. A file that does
    // not read raises its error and leaves the pages shown as they were.
    void LoadFromFile(const String& FileName);
    // The held pages into a prepared-report file; the extension becomes .rpp.
    void SaveToFile(const String& FileName);
    // The save dialog's filter: prepared reports, then every export filter.
    String SaveFilter() const;
    // What SaveBtnClick does with the dialog's answer: the first filter saves,
    // filter k exports through export filter k - 1 with its extension.
    void SaveAs(const String& FileName, Integer FilterIndex);
    // Selects printer NewIndex and builds the pages again for it. The pages
    // shown stay until the new ones are ready: when the printer cannot be
    // selected or the build fails or is cancelled, they are kept, the old
    // printer is selected again and the answer is false.
    bool RebuildForPrinter(Integer OldIndex, Integer NewIndex);
    // What PrintBtnClick does after the print dialog's OK: a printer other
    // than OldIndex builds the pages again first (when the report may be
    // rebuilt), then the pages the dialog chose print its number of copies.
    void PrintChosen(TrpPrintForm* Dialog, Integer OldIndex);
    // Prints the page list (empty: all) Copies times and shows page 1 again.
    void PrintPages(const String& Pages, Integer Copies);
    // A new search as the find dialog starts it.
    void StartSearch(const String& Text, bool CaseSensitive, bool FromFirstPage);
    // F3: on from the last hit, or from the top of the page now shown.
    void FindNext();
    // The scan from the search state; a hit shows its page and scrolls to it.
    void FindText();

    // The page-editing items N4 to N7 of the menu, and the keys that follow N5.
    void ShowEditItems(bool Shown);
    // Page editing, offered (N5 to N7 shown) only while a designer is registered.
    // The designer edits the page shown, when the report allows editing.
    void EditBtnClick(TObject* Sender);
    // A blank page of the report's first template page before the page shown.
    void NewPageBtnClick(TObject* Sender);
    // The page shown goes after a Yes to the question; the last page stays.
    void DelPageBtnClick(TObject* Sender);

private:
    void BuildToolbar();
    void BuildPageArea();
    void BuildMenu();
    void PlaceScrollControls();
    void ApplyLayout(const report::PreviewLayout& Layout);
    void CheckZoomItem();
    void ReleaseHidden();
    void ScrollVert(Integer Delta);
    void ScrollHorz(Integer Delta);

    std::unique_ptr<TrpEMFPages> FHeldPages;
    std::unique_ptr<report::PreviewHelp> FHelp;
    // Set while the program moves the vertical bar to a page it chose.
    bool FSettingPage = false;
};

// Installs the preview as the window that ShowReport and ShowPreparedReport open.
void rpInstallPreview();
