#pragma once
// The export component root: published settings, value formats and their
// process-wide swap, the data engine of a run, Execute with its before and after
// processing, statistics, field text, system values, the progress window and
// the after-export actions. Concrete formats derive from TVgExportToCellFile.
#include "export/ExportTypes.h"
#include "export/VgEDataFormats.h"
#include "platform/core/TComponent.h"
#include "platform/data/TDataSetState.h"

#include <memory>
#include <optional>

class TCustomControl;
class TDataSet;
class TStrings;
class TVgECustomDataEngine;
class TVgEColumns;
class TVgEColumnBands;
class TVgEPageSetup;

namespace vge {
class ProgressDialog;
}

using TVgEGetNextSelected = std::function<void(TObject* Sender, Integer Index, TBookmark& Selected)>;

class TVgECustomBaseComponent : public TComponent {
public:
    explicit TVgECustomBaseComponent(TComponent* AOwner);
    ~TVgECustomBaseComponent() override;
    String ClassName() const override { return "TVgECustomBaseComponent"; }
    // Copies every published property and sub-object of another export component.
    void Assign(TPersistent* Source) override;

    // When FileName is set, its extension becomes the type's; then the type is kept.
    virtual void SetTableType(TTableTypeExport Value);
    TTableTypeExport TableType() const { return FTableType; }
    virtual Integer MappingVersion() const { return 0; }
    // The export's work (a cell file writes its whole file here).
    virtual void Prepare() {}
    // The text a field exports: its value as text, or with soFieldMask its display
    // text (booleans as BooleanTrue/BooleanFalse); with BlankIfZero zero numbers
    // and dates and null values give "".
    virtual String GetFieldStr(TField* Field);
    virtual String Extension() const { return ".EXP"; }

    bool AnimatedStatus() const { return FAnimatedStatus; }
    void SetAnimatedStatus(bool Value) { FAnimatedStatus = Value; }
    TVgEDataFormats* DataFormats() const { return FDataFormats.get(); }
    void SetDataFormats(TVgEDataFormats* Value);
    const String& KeyGenerator() const { return FKeyGenerator; }
    void SetKeyGenerator(const String& Value) { FKeyGenerator = Value; }
    bool SelectedRecord() const { return FSelectedRecord; }
    void SetSelectedRecord(bool Value) { FSelectedRecord = Value; }
    bool BlankIfZero() const { return FBlankIfZero; }
    void SetBlankIfZero(bool Value) { FBlankIfZero = Value; }
    TVgOptions Options() const { return FOptions; }
    void SetOptions(TVgOptions Value) { FOptions = Value; }
    bool RightToLeft() const { return FRightToLeft; }
    void SetRightToLeft(bool Value) { FRightToLeft = Value; }
    TVgESendTo* SendTo() const { return FSendTo.get(); }
    void SetSendTo(TVgESendTo* Value);
    bool ExportIfEmpty() const { return FExportIfEmpty; }
    void SetExportIfEmpty(bool Value) { FExportIfEmpty = Value; }
    TVgEStatistic* Statistic() const { return FStatistic.get(); }
    TVgExportStyle* ExportStyle() const { return FExportStyle.get(); }
    void SetExportStyle(TVgExportStyle* Value);
    TVgEPageSetup* PageSetup() const { return FPageSetup.get(); }
    Integer RowsPerFile() const { return FRowsPerFile; }
    void SetRowsPerFile(Integer Value) { FRowsPerFile = Value; }
    TStrings* Header() const;
    TStrings* Footer() const;

    // "ROWNO", "COLNO", "COUNT", "ERRCOUNT", "GENERATOR" (exact case); empty otherwise.
    Variant GetSysValue(const String& Name) const;
    // The style's odd or even colour for Row; esNormal leaves Color alone.
    void AssignStyle(Integer Row, TColor& Color) const;
    // Rows before the first record: 1, 2 with titles, 3 with a blank row, plus header lines.
    Integer GetTitleRowCount() const;
    // Text padded with "0" to Length characters, at the left or the right.
    static String AddZeros(const String& Text, Integer Length, bool AtLeft);
    // The language string Id, as OnGetLanguageString leaves it.
    String GetLanguageString(Integer Id);
    // Default extension of a table type (".XLS" for teXLS); "" for clipboard and ADO.
    static String GetDefExt(TTableTypeExport TableType);
    Integer GetExportedRecordCount() const;
    TVgEResult GetExportResult() const;

    TVgEGetLanguageStringEvent OnGetLanguageString;
    TVgEBeforeRecordEvent OnBeforeRecord;
    TVgEAfterRecordEvent OnAfterRecord;
    TNotifyEvent OnBeforeExecute;
    TNotifyEvent OnAfterExecute;
    TVgEGetFileName OnGetFileName;
    TVgEProgress OnProgress;

protected:
    // Cell-file settings, kept here because the root's routines read them.
    String FFileName;
    bool FAddTitle = false;
    TActionAfterExport FActionAfterExport = aeNone;
    TVgELayout FLayout = elColumnar;
    TCharacterSet FCharacterSet = csANSI_WINDOWS;

private:
    bool FAnimatedStatus = true;
    std::unique_ptr<TVgEDataFormats> FDataFormats;
    String FKeyGenerator = "VgExport 4.77";
    bool FSelectedRecord = false;
    bool FBlankIfZero = false;
    TVgOptions FOptions{soShowMessage, soWaitCursor, soDisableControls, soColLines, soRowLines};
    bool FRightToLeft = false;
    std::unique_ptr<TVgESendTo> FSendTo;
    bool FExportIfEmpty = true;
    std::unique_ptr<TVgEStatistic> FStatistic;
    std::unique_ptr<TVgExportStyle> FExportStyle;
    std::unique_ptr<TVgEPageSetup> FPageSetup;
    std::unique_ptr<TStrings> FHeader;
    std::unique_ptr<TStrings> FFooter;
    Integer FRowsPerFile = 0;
    TTableTypeExport FTableType = teParadox;
};

class TVgExportBaseComponent : public TVgECustomBaseComponent {
public:
    explicit TVgExportBaseComponent(TComponent* AOwner);
    ~TVgExportBaseComponent() override;
    String ClassName() const override { return "TVgExportBaseComponent"; }
    void Assign(TPersistent* Source) override;

    // Runs one export. No exception leaves it: a failure ends the run as erFailed
    // (with soShowMessage a message box says why, once the progress window is
    // closed; a file cut at a format's row limit is named with the rows it holds);
    // Statistic holds the outcome.
    void Execute();
    // Lets the source's engine fill Columns and Bands.
    void BuildDefaultColumns();
    // The cell type of a field's value (ctString without a field).
    TCellType GetFieldType(TField* Field, bool BlankIfZero);
    // The selected rows: the events when assigned, else the data grid's selection.
    TBookmark GetNextSelected(Integer Index);
    Integer GetSelectedCount();
    // True when a visible column exports memo text.
    bool IsMemoColumnExist() const;

    TVgEColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TVgEColumns* Value);
    TVgEColumnBands* Bands() const { return FBands.get(); }
    void SetBands(TVgEColumnBands* Value);
    TCustomControl* DBGrid() const { return FDBGrid; }
    // Accepts none or a data grid; any other control raises language string 1.
    void SetDBGrid(TCustomControl* Value);
    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* Value);
    TVgECustomDataEngine* DataEngine() const { return FDataEngine; }
    void SetDataEngine(TVgECustomDataEngine* Value);
    TColumnSource ColumnSource() const { return FColumnSource; }
    void SetColumnSource(TColumnSource Value) { FColumnSource = Value; }
    const String& SpecificationDir() const { return FSpecificationDir; }
    void SetSpecificationDir(const String& Value) { FSpecificationDir = Value; }

    // The run's progress window: created, updated (skipping values off the UpdateStep) and destroyed.
    void CreateProgressDlg(const String& Caption, const String& Status, const String& ButtonCaption,
                           Integer Min, Integer Max, Integer Position);
    bool UpdateProgressDlg(const String& Text, Integer Value);
    bool DestroyProgressDlg();
    bool ProgressCanceled() const;
    void SetProgressCanceled(bool Value);

    // Mails FileName as SendTo describes; 0 on success, else the mail helper's
    // failure (-1 when there is none). With soShowMessage a failure is reported.
    Integer SendMail(const String& FileName);

    TVgEGetNextSelected OnGetNextSelected;
    TVgEGetSelectedCount OnGetSelectedCount;
    TVgESpecificationEvent OnBeforeLoadSpecification;
    TVgESpecificationEvent OnAfterLoadSpecification;
    TVgESpecificationEvent OnBeforeSaveSpecification;
    TVgESpecificationEvent OnAfterSaveSpecification;

protected:
    virtual void CreateSourceDataEngine();
    virtual void DestroySourceDataEngine();
    virtual void InternalBeforeProcess();
    virtual void InternalAfterProcess();
    virtual void AfterExport();
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The engine of the running export; null outside a run.
    TVgECustomDataEngine* Engine() const { return FEngine; }
    Integer RecordCountOfRun() const { return FRecordCount; }
    Integer VisibleColumnCount() const { return FVisibleCount; }
    // Set by a format once it has opened an output file during the run.
    void SetFileWritten() { FFileWritten = true; }

private:
    struct SavedFormats {
        String DecimalSeparator, DateSeparator, TimeSeparator, ThousandSeparator, CurrencyString;
    };
    void SwapFormats();
    // After processing's two halves: messages and action, then the restoring steps.
    void FinishRun();
    void RestoreRun();
    void RestoreFormats();
    // Closes the progress window, then (with soShowMessage) says what failed:
    // UserText when given, else "Error of data export.: " and Message.
    void ReportFailure(const String& Message, const String& UserText = String());
    void ShowInformation(const String& Message);

    std::unique_ptr<TVgEColumns> FColumns;
    std::unique_ptr<TVgEColumnBands> FBands;
    TCustomControl* FDBGrid = nullptr;
    TDataSet* FDataSet = nullptr;
    TVgECustomDataEngine* FDataEngine = nullptr;
    TColumnSource FColumnSource = csDBGrid;
    String FSpecificationDir;

    // Run state: what before processing did, so that after processing undoes
    // exactly that, also when a step failed half-way.
    TVgECustomDataEngine* FEngine = nullptr;
    bool FOwnsEngine = false;
    Integer FRecordCount = 0;
    Integer FVisibleCount = 0;
    bool FColumnsFilled = false;
    std::optional<SavedFormats> FSavedFormats;
    bool FControlsDisabled = false;
    bool FCursorSet = false;
    bool FCancelled = false;
    bool FFileWritten = false;
    std::unique_ptr<vge::ProgressDialog> FProgress;
};
