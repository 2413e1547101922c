#pragma once
// TrpReport: the component that owns one report's template pages, its value
// bindings and its variables list, and reads and writes the template stream
// (also as the "ReportForm" property of the form that holds it).
#include "platform/core/TComponent.h"
#include "platform/core/TSet.h"
#include "platform/core/TStringList.h"
#include "report/build/TrpPage.h"
#include "report/script/detail/TrpParser.h"
#include "report/script/detail/TrpValues.h"
#include "report/common/detail/rpRegistry.h"

#include <functional>
#include <memory>

class TBitmap;
class TDataSet;
class TStream;
class TStrings;
class TrpView;

using TEnterRectEvent = std::function<void(TStringList* Memo, TrpView* View)>;
// Asked first for every name a report expression uses; assigning ParValue answers it.
using TDetailEvent = std::function<void(const String& ParName, Variant& ParValue)>;
using TrpExportDataEvent = std::function<void(Integer x, Integer y, TrpView* View)>;
using TrpExportTextEvent = std::function<void(Integer x, Integer y, const String& Text, TrpView* View)>;
class TrpBand;
class TrpEMFPages;
class TrpPreview;
using TBeginDocEvent = std::function<void()>;
using TEndDocEvent = std::function<void()>;
using TBeginPageEvent = std::function<void(Integer pgNo)>;
using TEndPageEvent = std::function<void(Integer pgNo)>;
using TBeginBandEvent = std::function<void(TrpBand* Band)>;
using TEndBandEvent = std::function<void(TrpBand* Band)>;
using TProgressEvent = std::function<void(Integer n)>;
using TBeginColumnEvent = std::function<void(TrpBand* Band)>;
using TPrintColumnEvent = std::function<void(Integer ColNo, Integer& Width)>;
using TManualBuildEvent = std::function<void(TrpPage* Page)>;

class TrpDataset;
namespace report {
class BuildRun;
class ProgressWindow;
} // namespace report
enum TrpReportType { rtSimple, rtMultiple };
// How the preview first fits the pages (pzDefault: the zoom chosen last).
enum TrpPreviewZoom { pzDefault, pzPageWidth, pzOnePage, pzTwoPages };
enum TrpPreviewButton { pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbHelp, pbExit };
using TrpPreviewButtons = TSet<TrpPreviewButton>;

// The stream version this engine writes.
constexpr Byte rpCurrentVersion = 23;

class TrpReport : public TComponent {
public:
    explicit TrpReport(TComponent* AOwner);
    ~TrpReport() override;
    String ClassName() const override { return "TrpReport"; }

    TrpPages* Pages() const { return FPages.get(); }
    TrpValues* Values() const { return FValues.get(); }
    // The prepared pages of the last build.
    TrpEMFPages* EMFPages() const { return FEMFPages.get(); }
    // Hands the prepared pages to a holder (the preview); the report goes on
    // with a new empty list.
    std::unique_ptr<TrpEMFPages> TakeEMFPages();
    // Takes Pages back (null: a new empty list); the list held until now is freed.
    void SetEMFPages(std::unique_ptr<TrpEMFPages> Pages);

    // What the preview offers and how it opens.
    TrpPreviewButtons PreviewButtons{pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbHelp, pbExit};
    TrpPreviewZoom InitialZoom = pzDefault;
    bool ModalPreview = true;
    // An embedded preview panel: when set, and the report is not being
    // designed, the built pages show there instead of in a window.
    TrpPreview* Preview() const { return FPreview; }
    void SetPreview(TrpPreview* Value);
    bool ModifyPrepared = true;
    // The preview's toolbar glyphs gray while the mouse is elsewhere.
    bool GrayedButtons = false;
    // Category lines and, beginning with a blank, the variable names.
    TStringList* Variables() const { return FVariables.get(); }

    // The whole template from the stream's position. A version above 23 shows
    // "Unsupported RPF format" and reads nothing more; any failure while the
    // pages are read shows the same message and leaves one empty page.
    void LoadFromStream(TStream* Stream);
    // Writes the version byte 23 and the whole template; during SaveToRP3File
    // the XML template instead.
    void SaveToStream(TStream* Stream);
    // The XML template into a file named as AFileName with the extension
    // ".rp3"; a failed write leaves any earlier file as it was.
    void SaveToRP3File(const String& AFileName);
    // The "ReportForm" property: int32 23, then, when StoreInDFM is set, the
    // template's size and bytes (so its end positions count from its first byte).
    void ReadBinaryData(TStream* Stream);
    void WriteBinaryData(TStream* Stream);

    // Builds the pages (PrepareReport), then shows the error box with the
    // error text and clears the pages, or hands the pages to the preview, a
    // cancelled build's as far as they went.
    void ShowReport();
    // Builds the pages from the template and the data sources, in one pass or
    // (DoublePass) two, behind the progress window when ShowProgress is set and
    // OnProgress is not. False when the user cancelled the pass that draws the
    // pages: those built until then stay. A cancel in the counting pass ends that
    // pass only: the final pass still builds every page, the pages counted so far
    // its total, and the result is true. An error while building is kept in
    // rpBuild (text and flag), not raised, and leaves no page.
    bool PrepareReport();
    // Shows the built pages; the preview hook, when installed, opens them.
    void ShowPreparedReport();
    // One build of every template page into the prepared pages.
    virtual void DoBuildReport();
    // Progress of the build: OnProgress, or the progress window's label.
    void InternalOnProgress(Integer n);

    // Prints the prepared pages that PageNumbers selects (see
    // report::PageSelection; empty: every page), each Copies times in a row
    // (below 1: once), behind the progress window when ShowProgress is set and
    // OnProgress is not; its cancel button aborts the job after the page in
    // hand. A text that selects no page starts no job. A text that does not
    // read raises EConvertError before anything prints; a printer failure
    // aborts the job, closes the window and is raised again here.
    void PrintPreparedReport(const String& PageNumbers, Integer Copies);
    // The print loop itself: every selected page on the platform's current
    // printer (the virtual printer lends it that printer for the job), one job
    // per run of pages of the same paper (on the file printer one document).
    void DoPrintReport(const String& PageNumbers, Integer Copies);
    // Writes every prepared page through a filter that FilterClass makes (a
    // TrpExportFilter; else EInvalidCast "Invalid class typecast"), always
    // behind the progress window, whose cancel button does not stop it. The
    // file is written whole at the end: a filter that fails leaves any earlier
    // file as it was, closes the window and its error is raised here; a file
    // that cannot be created raises EFCreateError "Cannot create file "<name>"",
    // one that cannot be written whole (a full disk) EWriteError.
    void ExportTo(const TrpObjectFactory& FilterClass, const String& FileName);

    // The category lines of Variables, and the variables of category CatNo.
    void GetCategoryList(TStrings* List);
    void GetVarList(Integer CatNo, TStrings* List);
    // Index of the line " " + Name in Variables, or -1.
    Integer FindVariable(const String& Name);
    // Variables becomes a copy of List.
    void SetVars(TStrings* List);

    TrpDataset* Dataset() const { return FDataset; }
    void SetDataset(TrpDataset* Value);
    TrpReportType ReportType = rtSimple;
    bool ShowProgress = true;
    String Title;
    // Set by the progress window's cancel button and by a calculation error.
    bool Terminated = false;
    // True while the pass that produces the kept pages runs.
    bool FinalPass = false;

    // The template from or into a file of its own; loading sets FileName. Every
    // file here and below is replaced only once written whole (an earlier one
    // stays when writing fails).
    void LoadFromFile(const String& AFileName);
    void SaveToFile(const String& AFileName);
    // A template file with a description and a picture: memo, int32 position
    // of the pages, byte 0 or 1 and a bitmap, then the pages without a version
    // byte, always as version 23. Loading with Load false reads only the
    // description and the picture.
    void SaveTemplate(const String& AFileName, TStrings* Comm, TBitmap* Bmp);
    void LoadTemplate(const String& AFileName, TStrings* Comm, TBitmap* Bmp, bool Load);
    // The template of the record whose field 0 is DocN, in blob field 1. Saving
    // edits that record or appends one; a failed save leaves the table unchanged.
    void LoadFromDB(TDataSet* Table, Integer DocN);
    void SaveToDB(TDataSet* Table, Integer DocN);
    // Adds a page to an empty template, makes the report current and opens the
    // registered designer, modally, with "RPuser.hlp" as the application's help
    // file until it closes. None ships, so only the page is added.
    void DesignReport();
    // Opens the registered designer, modally, on the objects of prepared page
    // PageIndex, and writes them back into the page when it closes with OK.
    // Without a designer, or for a page that does not exist, does nothing.
    void EditPreparedReport(Integer PageIndex);
    // Selects printer NewIndex and lets every page take its paper again; on
    // failure shows "Printer selected is not valid", goes back to OldIndex and
    // answers false.
    bool ChangePrinter(Integer OldIndex, Integer NewIndex);
    String FileName;

    // The prepared pages from or into a prepared-report file; loading clears CanRebuild.
    void LoadPreparedReport(const String& FileName);
    void SavePreparedReport(const String& FileName);

    // Selects the stored printer when PrintToDefault is off and the printer
    // layer knows that exact name.
    void SetPrinterTo(const String& PrinterName);
    // The first object of any template page whose name equals Name ignoring case.
    TrpView* FindObject(const String& Name) const;

    // Before an object's text is expanded: a view bound to a blob field loads
    // it, then OnEnterRect runs.
    void InternalOnEnterRect(TStringList* Memo, TrpView* View);
    // Hands a view with its position to the active export filter.
    void InternalOnExportData(TrpView* View);

    // Declares the binary property "ReportForm" (ReadBinaryData / WriteBinaryData).
    void DefineProperties(TFiler* Filer) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Keep the template inside the form resource; a published property, read
    // before "ReportForm".
    bool StoreInDFM() const { return FStoreInDFM; }
    void SetStoreInDFM(bool Value) { FStoreInDFM = Value; }

    bool PrintToDefault = false;
    // Set by a build; the preview builds again after a printer change only when set.
    bool CanRebuild = false;
    bool DoublePass = false;
    TBeginDocEvent OnBeginDoc;
    TEndDocEvent OnEndDoc;
    TBeginPageEvent OnBeginPage;
    TEndPageEvent OnEndPage;
    TBeginBandEvent OnBeginBand;
    TEndBandEvent OnEndBand;
    TProgressEvent OnProgress;
    TBeginColumnEvent OnBeginColumn;
    TPrintColumnEvent OnPrintColumn;
    TManualBuildEvent OnManualBuild;
    TEnterRectEvent OnEnterRect;
    TDetailEvent OnGetValue;
    // Functions no library knows; Val receives expression text.
    TFunctionEvent OnUserFunction;
    // The active export filter's data handler; set only while an export runs.
    TrpExportDataEvent OnExportData;
    // The active export filter's text handler: one call per line of a memo.
    TrpExportTextEvent OnExportText;

private:
    std::unique_ptr<TrpPages> FPages;
    std::unique_ptr<TrpEMFPages> FEMFPages;
    std::unique_ptr<TStringList> FVariables;
    std::unique_ptr<TrpValues> FValues;
    bool FStoreInDFM = false;
    TrpDataset* FDataset = nullptr;
    TrpPreview* FPreview = nullptr;
    bool FCancelled = false;
    // An export runs: progress shows the page count beside the page.
    bool FExporting = false;
    // Set by SaveToRP3File: SaveToStream writes the XML template.
    bool FSaveXML = false;
    bool DoPrepareReport(report::BuildRun& Run);
    // One copy of prepared page Index on the printer; FirstOfJob: no sheet to advance.
    void PrintPage(Integer Index, bool FirstOfJob);
    // One or both passes; closes the window w (when there is one) at the end.
    void BuildAction(report::ProgressWindow* w, report::BuildRun& Run);

protected:
    friend class TrpCompositeReport;
    // Set by a composite report: the next report continues on this sheet.
    bool FContinueOnSheet = false;
};

// A report made of other reports, built one after another into its own pages.
class TrpCompositeReport : public TrpReport {
public:
    using TrpReport::TrpReport;
    String ClassName() const override { return "TrpCompositeReport"; }
    void DoBuildReport() override;
    // Not owned.
    std::vector<TrpReport*> Reports;
};

// Shows a built report's pages; installed by the preview. Without it
// ShowPreparedReport does nothing.
extern std::function<void(TrpReport* Report, const String& Caption)> rpShowPreview;

// The embedded preview panel as the report sees it. The preview defines both,
// so the report need not include it.
// The panel as a component, whose free notification the report takes.
TComponent* rpPreviewComponent(TrpPreview* Preview);
// Shows Report's built pages in the panel (TrpPreview::Connect).
void rpConnectPreview(TrpPreview* Preview, TrpReport* Report);

// Registers TrpReport's published properties for form-resource streaming.
void rpRegisterReportClass();
