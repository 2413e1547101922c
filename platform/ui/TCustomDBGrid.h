#pragma once
// The data grid: shows a sliding window of a dataset's records around its
// cursor, one row per buffered record, one column per TColumn, with a title
// row and an indicator column. The current row is the dataset's current
// record; moving between rows moves the dataset. Editing writes through the
// field's text.
#include "platform/data/TAlignment.h"
#include "platform/ui/TCustomDBGridColumns.h"
#include "platform/ui/TCustomGrid.h"

#include <functional>
#include <memory>

class TBookmarkList;
class TCanvas;
class TDataSet;
class TDataSource;
class TField;
class TFont;
class TGridDataLink;
class TImageList;

enum TDBGridOption {
    dgEditing,
    dgAlwaysShowEditor,
    dgTitles,
    dgIndicator,
    dgColumnResize,
    dgColLines,
    dgRowLines,
    dgTabs,
    dgRowSelect,
    dgAlwaysShowSelection,
    dgConfirmDelete,
    dgCancelOnExit,
    dgMultiSelect
};
using TDBGridOptions = TSet<TDBGridOption>;

using TDrawColumnCellEvent = std::function<void(TObject* Sender, const TRect& Rect, Integer DataCol,
                                                TColumn* Column, TGridDrawState State)>;
using TDBGridClickEvent = std::function<void(TColumn* Column)>;
using TMovedEvent = std::function<void(TObject* Sender, Integer FromIndex, Integer ToIndex)>;

namespace ui {
enum class DBGridKeyCommand;
// The five indicator images (width 8, height 11), white transparent.
std::unique_ptr<TImageList> MakeIndicatorImages();
// Draws image Index of the indicator set at (X, Y) directly, without a list.
void DrawIndicatorGlyph(TCanvas* Canvas, Integer X, Integer Y, Integer Index);
} // namespace ui

class TCustomDBGrid : public TCustomGrid {
public:
    explicit TCustomDBGrid(TComponent* AOwner);
    ~TCustomDBGrid() override;
    String ClassName() const override { return "TCustomDBGrid"; }

    TDataSource* DataSource() const;
    void SetDataSource(TDataSource* Value);
    TGridDataLink* DataLink() const { return FDataLink.get(); }
    TDataSet* DataSet() const;
    TDBGridColumns* Columns() const;
    void SetColumns(TDBGridColumns* Value);
    virtual TDBGridOptions Options() const { return FOptions; }
    virtual void SetOptions(TDBGridOptions Value);
    // The current column's index among the columns.
    Integer SelectedIndex() const;
    void SetSelectedIndex(Integer Value);
    TField* SelectedField() const;
    void SetSelectedField(TField* Value);
    TBookmarkList* SelectedRows() const { return FSelectedRows.get(); }
    TFont* TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(TFont* Value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    // 1 with dgTitles / dgIndicator, else 0.
    Integer TitleOffset() const { return FOptions.Contains(dgTitles) ? 1 : 0; }
    Integer IndicatorOffset() const { return FOptions.Contains(dgIndicator) ? 1 : 0; }
    // Images 0 current, 1 editing, 2 inserting, 3 selected, 4 selected and current.
    // A list set here (not owned) replaces the grid's own.
    TImageList* Indicators() const { return FIndicators ? FIndicators : FOwnIndicators.get(); }
    void SetIndicators(TImageList* Value);

    // The default look of a data cell: the field's text in the column's font and alignment.
    void DefaultDrawColumnCell(const TRect& Rect, Integer DataCol, TColumn* Column, TGridDrawState State);
    // Rebuilds rows, columns and widths from the columns and the dataset.
    virtual void LayoutChanged();
    // Holds layout work back (column edits, a layout load, the setup dialog)
    // until the matching EndLayout, which lays the grid out once.
    void BeginLayout() { ++FLayoutLock; }
    void EndLayout();
    // The title cell of a column.
    TRect CalcTitleRect(TColumn* Column, Integer ARow, TColumn*& MasterCol) const;
    // Grid column (indicator included) of a column index and back.
    Integer DataToRawColumn(Integer ACol) const { return ACol + IndicatorOffset(); }
    Integer RawToDataColumn(Integer ACol) const { return ACol - IndicatorOffset(); }
    // The column at a grid column, null for the indicator or out of range.
    TColumn* ColumnAt(Integer RawCol) const;

    // Data link notifications.
    virtual void LinkActive(bool Value);
    virtual void DataChanged();
    virtual void Scroll(Integer Distance);
    virtual void EditingChanged();
    virtual void RecordChanged(TField* Field);
    virtual void UpdateData();
    void FocusField(TField** Field);

    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // Takes the focus first, then moves one record per notch.
    bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
    // Takes the focus when the grid can have it (on a form, shown, enabled);
    // answers whether the grid or its editor has it then. A grid that cannot
    // take the focus answers true, so that it still scrolls.
    bool AcquireFocus();

    TDrawColumnCellEvent OnDrawColumnCell;
    TDBGridClickEvent OnCellClick;
    TDBGridClickEvent OnTitleClick;
    TNotifyEvent OnColEnter;
    TNotifyEvent OnColExit;
    TNotifyEvent OnEditButtonClick;
    // A column was dragged to another place (grid column indexes).
    TMovedEvent OnColumnMoved;

protected:
    // Makes the column collection (a grid with its own column kind overrides it).
    virtual TDBGridColumns* CreateColumns();
    // Replaces the columns by a new collection from CreateColumns; a derived
    // grid's constructor calls it, as the base's could not reach the override.
    void RecreateColumns();
    void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
    // Fires OnDrawColumnCell (DrawCell has drawn the default look first).
    virtual void DrawColumnCell(const TRect& Rect, Integer DataCol, TColumn* Column, TGridDrawState State);
    // Whether a data cell shows highlighted (selected and focused, or a selected row).
    virtual bool HighlightCell(Integer DataCol, Integer DataRow, const String& Value, TGridDrawState AState);
    // The indicator image of a data row (-1 for none) and its drawing.
    virtual void DrawIndicator(const TRect& ARect, Integer DataRow);
    bool SelectCell(Integer ACol, Integer ARow) override;
    // The vertical bar stands for the record number among the records.
    TScrollState VertScrollState() const override;
    void ScrollBarMoved(bool Vertical, Integer Pos) override;
    void ClientSizeChanged() override;
    void SizeChanged(Integer OldColCount, Integer OldRowCount) override;
    void ColWidthsChanged() override;
    void Resize() override;
    virtual void TitleClick(TColumn* Column);
    virtual void CellClick(TColumn* Column);
    void EditButtonClick() override;
    TEditStyle GetEditStyle(Integer ACol, Integer ARow) override;
    // A text field's size: typing stops there (a longer stored text stays whole, see
    // TInplaceEdit::SetMaxLength); 0 for other fields.
    Integer GetEditLimit() override;
    std::vector<String> GetPickListItems(Integer ACol, Integer ARow) override;
    // The dragged column's TColumn moves with it.
    void ColumnMoved(Integer FromIndex, Integer ToIndex) override;
    virtual void SetColumnAttributes();
    bool CanEditShow() const override;
    bool CanEditModify() override;
    String GetEditText(Integer ACol, Integer ARow) override;
    void SetEditText(Integer ACol, Integer ARow, const String& Value) override;
    // Rows to buffer: the data rows that fit in the client area.
    Integer DataRowsThatFit() const;
    void UpdateRowCount();
    // Puts the grid's current row on the dataset's current record.
    void UpdateActive();
    // Whether the grid is in a layout change (no notifications then).
    bool InLayout() const { return FLayoutLock > 0; }
    // Data columns kept in view beside the indicator (none here).
    virtual Integer FrozenColumns() const { return 0; }
    // Moves the dataset by Distance, posting a pending edit first.
    Integer MoveBy(Integer Distance);
    // Makes the record shown on grid row ARow current, as a press there does.
    void MoveToRow(Integer ARow);
    // Ends the edit of the current record with the editor's text: what was typed is posted;
    // a record nobody typed into is not (a new one is dropped, a stored one stays as stored),
    // so no key or command of any grid stores an empty row.
    void PostTypedRecord();

private:
    std::unique_ptr<TGridDataLink> FDataLink;
    mutable std::unique_ptr<TDBGridColumns> FColumns;
    std::unique_ptr<TBookmarkList> FSelectedRows;
    std::unique_ptr<TFont> FTitleFont;
    std::unique_ptr<TImageList> FOwnIndicators;
    TImageList* FIndicators = nullptr;
    TDBGridOptions FOptions;
    bool FDefaultDrawing = true;
    bool FReadOnly = false;
    Integer FLayoutLock = 0;
    bool FInColChange = false;
    Integer FPressedTitle = -1;
    // Carries out what the keyboard decided.
    void RunKeyCommand(ui::DBGridKeyCommand Command);
    // Selects the nearest visible column Step away; false when there is none.
    bool StepToVisibleColumn(Integer Step);
};
