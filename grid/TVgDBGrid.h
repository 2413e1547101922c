#pragma once
// The data grid of every list: the platform data grid with extended options,
// column kinds, sort markers, odd/even row colours, bands, grouping rows, a
// footer with totals, check-box cells and rows, frozen columns, automatic
// column widths and its own multi-row selection. It never sorts or filters
// by itself: it marks columns and fires events.
#include "grid/TVgDBColumn.h"
#include "grid/TVgDBGTitleHeight.h"
#include "grid/TVgDBGridStyle.h"
#include "grid/TVgGroupings.h"
#include "platform/data/TDataSetState.h"
#include "platform/ui/TCustomDBGrid.h"
#include "platform/ui/UiTypes.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

class TBitmap;
class TFilterComboBox;
class TImageList;
class TMenuItem;
class TPopupMenu;
class TStrings;

enum TExOption {
    eoAutoWidth,
    eoBooleanAsCheckBox,
    eoCheckBoxSelect,
    eoCellHint,
    eoDisableDelete,
    eoDisableInsert,
    eoDrawGraphicField,
    eoENTERlikeTAB,
    eoFixedLikeColumn,
    eoKeepSelection,
    eoLayout,
    eoRowNumber,
    eoRowSizing,
    eoSelectedTitle,
    eoShowFooter,
    eoShowGlyphs,
    eoShowLookup,
    eoShowRecNo,
    eoStandardPopup,
    eoTitleButtons,
    eoAutoSave,
    eoAutoLoad,
    eoDrawBands,
    eoHotTrack,
    eoBLOBEditor,
    eoBandsOverTitles,
    eoRowHeightAutofit,
    eoTitleWordWrap,
    eoShowFilterBar,
    eoAnyKeyFilter,
    eoFilterAutoApply
};
using TExOptions = TSet<TExOption>;

namespace vg {
enum class GridKeyCommand;
struct GridKeyState;
using TGetCellParamsEvent =
    std::function<void(TObject* Sender, TField* Field, TFont* AFont, TColor& Background, bool Highlight)>;
} // namespace vg
using TCheckTitleBtnEvent = std::function<void(TObject* Sender, Integer ACol, TField* Field, bool& Enabled)>;
using TGetParsedExpression =
    std::function<void(TObject* Sender, const String& Expression, String& Text, bool& Value)>;
using TDrawGroupingCellEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& CellRect, TVgGrouping* Group,
                       const String& Text, bool& DefaultDrawing)>;
using TGetRecordCountEvent = std::function<void(TObject* Sender, Integer& RecordCount)>;
using TGetGlyphEvent = std::function<void(TObject* Sender, TBitmap*& Bitmap)>;
using TDrawFooterCellEvent = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& FooterCellRect,
                                                TField* Field, String& FooterText, bool& DefaultDrawing)>;
using TGetCellHint =
    std::function<void(TObject* Sender, TColumn* Column, String& HintStr, TGridHintInfo& HintInfo)>;
using TVgSortChangedEvent = std::function<void(TObject* Sender, TColumn* Column)>;
using TOnFilterApply =
    std::function<void(TObject* Sender, TField* Field, const String& FilterString, bool& Accept)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

class TVgDBGrid : public TCustomDBGrid {
public:
    explicit TVgDBGrid(TComponent* AOwner);
    ~TVgDBGrid() override;
    String ClassName() const override { return "TVgDBGrid"; }

    TVgDBGridColumns* GetColumns() const;
    void SetColumns(TVgDBGridColumns* Value);

    TExOptions ExOptions() const { return FExOptions; }
    void SetExOptions(TExOptions Value);
    // dgMultiSelect is kept apart from the platform options.
    TDBGridOptions Options() const override;
    void SetOptions(TDBGridOptions Value) override;
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TStrings* Bands() const { return FBands.get(); }
    void SetBands(TStrings* Value);
    TFont* BandsFont() const { return FBandsFont.get(); }
    void SetBandsFont(TFont* Value);
    TVgGroupings* Groupings() const { return FGroupings.get(); }
    void SetGroupings(TVgGroupings* Value);
    TVgDBGridStyle* GridStyle() const { return FGridStyle.get(); }
    void SetGridStyle(TVgDBGridStyle* Value);
    TVgDBGTitleHeight* TitleHeight() const { return FTitleHeight.get(); }
    void SetTitleHeight(TVgDBGTitleHeight* Value);
    TColor FooterColor() const { return FFooterColor; }
    void SetFooterColor(TColor Value);
    Integer FooterHeight() const { return FFooterHeight; }
    // Negative values are stored as 0 (DefaultRowHeight + 4 is used then).
    void SetFooterHeight(Integer Value);
    const String& HintField() const { return FHintField; }
    void SetHintField(const String& Value) { FHintField = Value; }
    TImageList* Images() const { return FImages; }
    // The glyphs of the standard popup's entries; the grid forgets a list that is freed.
    void SetImages(TImageList* Value);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // Frozen data columns (the indicator not counted).
    Integer FixedCols() const;
    void SetFixedCols(Integer Value);
    const String& RegistryKey() const { return FRegistryKey; }
    void SetRegistryKey(const String& Value) { FRegistryKey = Value; }
    const String& RegistrySection() const { return FRegistrySection; }
    void SetRegistrySection(const String& Value) { FRegistrySection = Value; }
    Integer WidthOfIndicator() const { return FWidthOfIndicator; }
    void SetIndicatorWidth(Integer Value);
    void SetWidthOfIndicator(Integer Value) { SetIndicatorWidth(Value); }
    // Keeps the title row's own height.
    void SetDefaultRowHeight(Integer Value) override;

    // Footer.
    TRect ClientRect() const override;
    TRect GetFooterRect() const;
    void InvalidateFooter();
    // A column's footer text changed: the columns make room for it and the strip repaints.
    void FooterChanged();
    // Recomputes the footer values of typed columns over all or the selected records.
    void CalculateTotals(bool SelectedOnly);
    // Sort markers.
    void ClearSort();
    void SetSortField(TField* Field, TVgSortType SortType);
    // Repaints the title row.
    void InvalidateTitles();
    // Record actions.
    void DeleteData();
    void RefreshData();
    // Opens the long-text editor for the current cell (text fields of 257
    // characters or more and BLOB fields; not in frozen columns).
    void ShowBlobEditor();
    Integer GetImageIndex(TField* Field) const;
    bool ActiveRowSelected() const;
    void FreeStartOfSelect();
    Integer GetRecordCount() const;
    // "rec." + record number + " of " + record count; empty without a record number.
    String ScrollHintText() const;
    // Popup actions.
    void AppendClick();
    void InsertClick();
    void EditClick();
    void DeleteClick();
    void PostClick();
    void CancelClick();
    void RefreshClick();
    void PrintClick();
    void ExportClick();
    void FilterClick();
    void SearchClick();
    void SetupGridClick();
    // Save and restore the column layout under RegistryKey / RegistrySection.
    void SaveLayoutClick();
    void RestoreLayoutClick();
    // The standard context menu's mark in the corner cell: a triangle this wide and high.
    static constexpr Integer PopupMarkSize = 7;
    // The standard context menu: 25 entries, items 15-19 under item 14.
    TPopupMenu* StandardPopup() const { return FPopup.get(); }
    TMenuItem* StandardPopupItem(Integer Index) const { return FPopupItems.at(std::size_t(Index)); }
    // Enables and shows the entries for the grid's present state.
    void UpdatePopupItems();
    void SelectOneClick();
    void SelectAllClick();
    void UnSelectOneClick();
    void UnSelectAllClick();
    void ToggleRowSelection();
    void GotoSelection(Integer Index);

    // Filter bar.
    // The strip at the foot of every title cell that holds a column's filter value; its top
    // line separates it from the caption. The title row grows by its height.
    static constexpr Integer FilterStripHeight = 19;
    // The strip of a title cell: where it is drawn and where the filter box opens over it.
    static TRect FilterStripRect(const TRect& TitleCell);
    // Installs or removes the record test (with eoFilterAutoApply) and fires OnFilterChanged.
    void ApplyFilter();
    // Empties every column's filter value, hides the box and applies.
    void ClearFilter();
    bool FilterIsEmpty() const;
    // Opens the filter box on the selected column.
    void FocusFilterBar();
    // The record test installed as the dataset's OnFilterRecord. The grid takes it away
    // again, giving back the test the dataset had before, when it is destroyed or installs
    // it on another dataset.
    void OnFilterRecord(TDataSet* DataSet, bool& Accept);
    // The filter box, made the first time it is asked for: a window's grids start without
    // one, since making a combo box costs more than most of a grid.
    TFilterComboBox* FilterCombo();
    bool FilterComboVisible() const;
    // Places the box over the filter strip of a title cell and binds it to that column.
    void OpenFilterCombo(Integer ACol, Integer ARow);
    void CmbFilterClick();
    void CmbFilterChange();
    void CmbFilterExit();

    // Geometry.
    void SetTitlesHeight();
    TRect GetBandRect(Integer Index) const;
    TRect CalcTitleRect1(TColumn* Column, Integer ARow, TColumn*& MasterCol) const;
    virtual void UpdateColWidths1();
    virtual void UpdateColWidths();
    void LayoutChanged() override;
    // With eoRowHeightAutofit each shown record's row fits its tallest cell text.
    void SetRowHeight();
    // Set while a stored layout is read: no title heights or automatic widths meanwhile.
    void SetLayoutInProgress(bool Value) { FLoading = Value; }
    Integer TitleOffsetOf() const { return TitleOffset(); }

    // Cell drawing helpers.
    virtual void DrawCheckBox(const TRect& Rect, TCheckBoxState State, TAlignment Alignment);
    bool ColumnIsCheckbox(TColumn* Column) const;
    TRect CellRectForDraw(const TRect& Rect, Integer DataCol) const;
    Integer GetSortImageWidth() const;

    // Input.
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // The menu key on a grid without a popup of its own opens the standard one,
    // as a right press on a data cell does. No menu opens during a right title drag.
    bool ContextPopup(TPoint ScreenPos, bool FromKeyboard) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void DblClick() override;
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    // Cell and title hints: the whole text of a cell that does not fit.
    bool CellHint(TPoint P, String& Text, TGridHintInfo& Info) override;
    void DisableScroll() { ++FScrollLock; }
    void EnableScroll();
    bool ScrollDisabled() const { return FScrollLock > 0; }

    // Data link.
    void LinkActive(bool Value) override;
    // With eoAutoLoad the stored layout is read; dgAlwaysShowEditor, held
    // back while loading, comes back; automatic widths are applied.
    void Loaded() override;
    void Scroll(Integer Distance) override;

    vg::TGetCellParamsEvent OnGetCellParams;
    vg::TGetCellParamsEvent OnGetBtnParams;
    TNotifyEvent OnAppendRecord, OnInsertRecord, OnEditRecord, OnDeleteRecord, OnPostData, OnCancelData,
        OnRefreshData, OnPrintData, OnExportData, OnFilterData, OnSearchData, OnSetupGrid;
    TCheckTitleBtnEvent OnCheckButton;
    TGetCellHint OnCellHint;
    TGetParsedExpression OnExpression;
    TDrawGroupingCellEvent OnDrawGroupingCell;
    TGetRecordCountEvent OnGetRecordCount;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnChangeSelection, OnFilterChanged, OnColWidthsChanged, OnDrawBackground, OnUpdateFooter;
    TDrawColumnCellEvent OnDrawColumnTitle;
    TGetGlyphEvent OnGetGlyph;
    TDrawFooterCellEvent OnDrawFooterCell;
    TVgSortChangedEvent OnSortChanged;
    TOnFilterApply OnFilterApply;
    TMouseWheelUpDownEvent OnMouseWheelDown, OnMouseWheelUp;

protected:
    TDBGridColumns* CreateColumns() override;
    Integer FrozenColumns() const override { return FixedCols(); }
    void ScrollBarMoved(bool Vertical, Integer Pos) override;
    TScrollState HorzScrollState() const override;
    void Paint() override;
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
    void DrawColumnCell(const TRect& Rect, Integer DataCol, TColumn* Column, TGridDrawState State) override;
    bool HighlightCell(Integer DataCol, Integer DataRow, const String& Value, TGridDrawState AState) override;
    void TitleClick(TColumn* Column) override;
    void CellClick(TColumn* Column) override;
    bool CanEditShow() const override;
    // The editor takes the grid's colour and reports its text changes through OnEditChange.
    TInplaceEdit* CreateEditor() override;
    void SetColumnAttributes() override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void Resize() override;
    void TopLeftChanged() override;
    virtual void DrawGridBackground();
    // Fires OnUpdateFooter once per recalculation of the totals; never re-entered.
    virtual void DoUpdateFooter();
    virtual TBitmap* GetGlyph();
    virtual void DrawGraphic(const TRect& Rect, TField* Field);
    void DefDrawCell(Integer ACol, Integer ARow, TRect Rect, TGridDrawState State);
    void GetCellProps(Integer DataCol, TField* Field, TFont* AFont, TColor& Background, bool Highlight);
    bool DrawGroupings(const TRect& Rect, Integer DataCol, TColumn* Column, TGridDrawState State);
    void DrawComboArrow(const TRect& Rect);
    void DrawFooter();
    // The left edge a footer text of Width pixels needs in the cell of raw column Raw: it
    // spreads over the cells to its left whose footer Texts are empty.
    Integer FooterTextLeft(Integer Raw, Integer Width, const std::vector<String>& Texts) const;
    // The width a footer cell needs for Text: the text in the grid's font, its frame and margins.
    Integer FooterTextRoom(const String& Text) const;
    // The columns' widths for their contents: the automatic widths with eoAutoWidth, which
    // give each footer text its room; otherwise a column whose footer text does not fit
    // over the empty footer cells to its left widens, so a total never shows with digits
    // cut. Never run from Paint: a width changed there asks for another paint.
    void FitWidths();
    void WidenForFooters();
    virtual void CheckTitleButton(Integer ACol, bool& Enabled);

private:
    void BuildStandardPopup();
    void CreateFilterCombo();
    void PopupStandardMenu(Integer X, Integer Y);
    // A cell on its way to the canvas: where it is and what it shows.
    struct DrawnCell {
        Integer Col = 0, Row = 0;
        TRect Rect;
        TGridDrawState State;
        TColumn* Column = nullptr;
        TVgDBColumn* VgColumn = nullptr;
        Integer DataCol = 0, DataRow = 0;
        bool Indicator = false, TitleRow = false;
    };
    // The steps of DrawCell, in their order.
    DrawnCell DescribeCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) const;
    void DrawFixedFrame(const DrawnCell& Cell);
    void DrawFixedBody(const DrawnCell& Cell);
    void DrawPopupMark(const TRect& Rect);
    // Answers whether the column's kind drew the cell.
    bool DrawKindCell(const DrawnCell& Cell);
    void DrawCellBody(const DrawnCell& Cell);
    void DrawTitleButton(const DrawnCell& Cell);
    void DrawTitleButtonFace(const DrawnCell& Cell, const TRect& Face, bool Down);
    void DrawFilterStrip(const DrawnCell& Cell);
    void DrawTitleCell(Integer ACol, TRect Rect, TColumn* Column, TGridDrawState State);
    void DrawTitleBand(TVgDBColumn* Column);
    void DrawSortMarker(const TRect& Rect, TVgDBColumn* Column, Integer Width);
    void DrawIndicatorCell(Integer ARow, const TRect& Rect);
    void DrawRowNumber(Integer ARow, Integer DataRow, const TRect& Text);
    // A data cell the plain way: the link on its record, then DrawColumnCell.
    void DrawDataCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState);
    Integer CheckBoxMinimum() const;
    bool ModifiableBrowsing() const;
    void ClearSelectionUnlessKept();
    void MoveAndExtendSelection(bool Shift, Integer Distance);
    bool NextRowOrAppend(bool Shift);
    void PriorRow(bool Shift);
    bool AtLastRecordNoInsert() const;
    void TabToNextColumn(bool Forward);
    // What the keyboard's decisions look at, and the carrying out of what they decided.
    vg::GridKeyState KeyState() const;
    void RunGridKeyCommand(vg::GridKeyCommand Command, bool Extend);
    void SelectRange(const TBookmark& From, const TBookmark& To);
    void ChangeSelection();
    bool ClaimedByGrouping(TColumn* Column) const;
    // A click on a pick-list cell drops its list; on an ellipsis cell it presses the button.
    void OpenCellButton(TColumn* Column);

    TExOptions FExOptions{eoENTERlikeTAB, eoKeepSelection, eoStandardPopup,
                          eoBLOBEditor,   eoTitleWordWrap, eoFilterAutoApply};
    bool FMultiSelect = false;
    bool FFlat = false;
    std::unique_ptr<TStrings> FBands;
    std::unique_ptr<TFont> FBandsFont;
    std::unique_ptr<TVgGroupings> FGroupings;
    std::unique_ptr<TVgDBGridStyle> FGridStyle;
    std::unique_ptr<TVgDBGTitleHeight> FTitleHeight;
    TColor FFooterColor = clBtnFace;
    Integer FFooterHeight = 0;
    String FHintField;
    TImageList* FImages = nullptr;
    Integer FFixedCols = 0;
    String FRegistryKey = "Software\\VgGrid";
    String FRegistrySection = "VgDBGrid";
    Integer FWidthOfIndicator = 11;
    std::unique_ptr<TImageList> FIndicatorImages;
    bool FLoading = true;
    bool FHeldAlwaysShowEditor = false;
    bool FUpdatingWidths = false;
    bool FSettingRowHeights = false;
    TBookmark FStartOfSelect;
    bool FKeySelecting = false;
    TBookmark FKeySelectBookmark;
    Integer FScrollLock = 0;
    bool FUpdatingFooter = false;
    Integer FPressedCol = -1;
    bool FPressed = false;
    bool FTracking = false;
    // A right press on a title is dragging the column.
    bool FRightDrag = false;
    // The last right press opened the standard menu: the window system's request for a
    // context menu that follows it brings no second one.
    bool FRightPressMenu = false;
    // Ends a right press on a title at its release: a drag moves the column, a click
    // clicks the title and then opens the grid's menu; false when none runs.
    bool EndRightDrag(TShiftState Shift, Integer X, Integer Y);
    std::unique_ptr<TPopupMenu> FPopup;
    std::unique_ptr<TFilterComboBox> FFilterCombo;
    bool FFilterCommitted = false;
    // The dataset holding the grid's record test, and the test it had before.
    TDataSet* FFilteredDataSet = nullptr;
    std::function<void(TDataSet* DataSet, bool& Accept)> FPriorFilterRecord;
    void InstallRecordTest(TDataSet* DataSet);
    void RemoveRecordTest();
    std::array<TMenuItem*, 25> FPopupItems{};
};
