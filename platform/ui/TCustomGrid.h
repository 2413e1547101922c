#pragma once
// The custom-painted grid: columns and rows of individual sizes, fixed
// (non-scrolling) columns and rows at the top-left, grid lines, a current
// cell with keyboard and mouse navigation, column sizing by dragging a title
// border, column moving by dragging a title, and an in-place editor. Descendants draw the cells (DrawCell).
#include "platform/core/Exceptions.h"
#include "platform/core/TSet.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/ui/TCustomControl.h"

#include <memory>
#include <vector>

class QObject;
class QScrollBar;
class TBitmap;
class TInplaceEdit;

VELMORA_EXCEPTION(EInvalidGridOperation, Exception)

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateItem>;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// The in-place editor's look for a cell: plain, with an ellipsis button, or
// with a drop-down list of choices.
enum TEditStyle { esSimple, esEllipsis, esPickList };

// Where a cell hint shows and the area it stays up for (client coordinates).
struct TGridHintInfo {
    TPoint HintPos;
    TRect CursorRect;
};

struct TGridCoord {
    Integer X = 0;
    Integer Y = 0;
    friend constexpr bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;
    String ClassName() const override { return "TCustomGrid"; }

    Integer ColCount() const { return Integer(FColWidths.size()); }
    void SetColCount(Integer Value);
    Integer RowCount() const { return Integer(FRowHeights.size()); }
    void SetRowCount(Integer Value);
    // Fixed columns and rows stay in view; at least one scrolling one is kept.
    // Raises EInvalidGridOperation "Fixed column count must be less than column count".
    Integer FixedCols() const { return FFixedCols; }
    void SetFixedCols(Integer Value);
    Integer FixedRows() const { return FFixedRows; }
    void SetFixedRows(Integer Value);
    Integer DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(Integer Value);
    Integer DefaultRowHeight() const { return FDefaultRowHeight; }
    virtual void SetDefaultRowHeight(Integer Value);
    // Widths and heights of single columns and rows; a hidden column has -1.
    Integer ColWidths(Integer Index) const;
    void SetColWidths(Integer Index, Integer Value);
    Integer RowHeights(Integer Index) const;
    void SetRowHeights(Integer Index, Integer Value);
    Integer GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(Integer Value);
    TGridOptions GridOptions() const { return FOptions; }
    void SetGridOptions(TGridOptions Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);

    // The current cell; setting it scrolls it into view.
    Integer Col() const { return FCol; }
    void SetCol(Integer Value) { FocusCell(Value, FRow, true); }
    Integer Row() const { return FRow; }
    void SetRow(Integer Value) { FocusCell(FCol, Value, true); }
    // The first scrolled-in column and row.
    Integer LeftCol() const { return FLeftCol; }
    void SetLeftCol(Integer Value);
    Integer TopRow() const { return FTopRow; }
    void SetTopRow(Integer Value);
    // Scrolling columns and rows that are wholly in view.
    Integer VisibleColCount() const;
    Integer VisibleRowCount() const;
    // The cell's rectangle in client coordinates, empty when out of view.
    TRect CellRect(Integer ACol, Integer ARow) const;
    // The cell under a client point; (-1, -1) outside every cell.
    TGridCoord MouseCoord(Integer X, Integer Y) const;
    // The area the grid paints (the control's client rectangle).
    TRect ClientRect() const override;

    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    // Moves a scrolling column to another place; its width and the current
    // cell go with it. Fixed columns stay where they are.
    void MoveColumn(Integer FromIndex, Integer ToIndex);

    void InvalidateCell(Integer ACol, Integer ARow);
    void InvalidateRow(Integer ARow);
    void InvalidateCol(Integer ACol);
    void InvalidateGrid() { Invalidate(); }

    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(String& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    // One notch of the wheel: Down when WheelDelta is negative. Answers whether it was used.
    virtual bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos);
    bool WantsKey(Word Key) const override;
    TPoint KeyboardPopupPoint() const override;
    // The hint for the point P: true with Text to show one (empty Text shows
    // none); false leaves the control's own Hint to the layer.
    virtual bool CellHint(TPoint P, String& Text, TGridHintInfo& Info) { return false; }

    TNotifyEvent OnTopLeftChanged;

protected:
    void Resize() override;

    void Paint() override;
    virtual void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) {}
    // Whether the cell may become the current one.
    virtual bool SelectCell(Integer ACol, Integer ARow) { return true; }
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    virtual void SizeChanged(Integer OldColCount, Integer OldRowCount) {}
    virtual void ColumnMoved(Integer FromIndex, Integer ToIndex) {}
    // In-place editor hooks.
    virtual bool CanEditShow() const;
    virtual bool CanEditModify() { return FOptions.Contains(goEditing); }
    virtual String GetEditText(Integer ACol, Integer ARow) { return {}; }
    virtual void SetEditText(Integer ACol, Integer ARow, const String& Value) {}
    virtual TInplaceEdit* CreateEditor();
    virtual TEditStyle GetEditStyle(Integer ACol, Integer ARow) { return esSimple; }
    // The most characters the cell's editor takes; 0 for no limit.
    virtual Integer GetEditLimit() { return 0; }
    virtual std::vector<String> GetPickListItems(Integer ACol, Integer ARow) { return {}; }
    // The editor's ellipsis button was clicked (or Ctrl+Enter pressed).
    virtual void EditButtonClick() {}
    void ShowEditor();
    void HideEditor();
    // Writes the editor's pending text back (SetEditText) when it changed.
    void UpdateText();
    // The current cell moves (SelectCell may refuse); Show scrolls it into view.
    void FocusCell(Integer ACol, Integer ARow, bool Show);
    void MoveColRow(Integer ACol, Integer ARow, bool MoveAnchor, bool Show);
    // Makes the current cell visible by moving LeftCol/TopRow.
    void ClampInView();
    // Moves LeftCol/TopRow without touching the current cell.
    void MoveTopLeft(Integer ALeft, Integer ATop);
    // Where the scroll bars stand; the data grid maps the vertical one to records.
    struct TScrollState {
        bool Shown = false;
        Integer Min = 0;
        Integer Max = 0;
        Integer Pos = 0;
        Integer Page = 1;
    };
    virtual TScrollState HorzScrollState() const;
    virtual TScrollState VertScrollState() const;
    // The user moved a scroll bar to Pos.
    virtual void ScrollBarMoved(bool Vertical, Integer Pos);
    // Shows Text beside the mouse pointer while a scroll bar is dragged
    // (empty Text hides it).
    void ShowScrollHint(const String& Text);
    // The client area changed size because a scroll bar came or went.
    virtual void ClientSizeChanged() {}
    // Brings both bars up to date (shown, range, position).
    void UpdateScrollBars();
    // Width of the lines between columns and rows (0 when they are off).
    Integer VertLineWidth() const;
    Integer HorzLineWidth() const;
    Integer UpdateLock() const { return FUpdateLock; }
    void BeginUpdate() { ++FUpdateLock; }
    void EndUpdate() {
        if (FUpdateLock > 0) --FUpdateLock;
    }
    // Column whose right border lies under X in a fixed row; -1 when none.
    Integer SizingColumnAt(Integer X, Integer Y) const;
    bool Sizing() const { return FSizingCol >= 0; }
    // A press on a title that may start a column drag (with goColMoving).
    void BeginColumnMove(Integer ACol, Integer X);
    // A title is being dragged past the click threshold.
    bool ColumnDragging() const { return FMovingCol >= 0 && FMoveDragged; }
    // A press on a title holds its column for a drag until the release, dragged or not.
    bool ColumnPressed() const { return FMovingCol >= 0; }

private:
    // Left edge of column ACol in client coordinates, or -1 when not shown.
    Integer ColumnLeft(Integer ACol) const;
    Integer RowTop(Integer ARow) const;
    void DrawLines(TCanvas* C, const TRect& Area);
    void UpdateEditorBounds();
    void ApplyScrollBar(QScrollBar*& Bar, bool Vertical, const TScrollState& State);
    void InstallEventFilter();
    // The scrolling column a title drag at X would drop onto.
    Integer MoveTargetAt(Integer X) const;

    std::vector<Integer> FColWidths;
    std::vector<Integer> FRowHeights;
    Integer FFixedCols = 1;
    Integer FFixedRows = 1;
    Integer FDefaultColWidth = 64;
    Integer FDefaultRowHeight = 24;
    Integer FGridLineWidth = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    TColor FFixedColor = clBtnFace;
    TScrollStyle FScrollBars = ssBoth;
    Integer FCol = 1;
    Integer FRow = 1;
    Integer FLeftCol = 1;
    Integer FTopRow = 1;
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    Integer FUpdateLock = 0;
    Integer FSizingCol = -1;
    Integer FSizingStart = 0;
    Integer FSizingWidth = 0;
    QScrollBar* FHorzBar = nullptr;
    QScrollBar* FVertBar = nullptr;
    bool FHorzShown = false;
    bool FVertShown = false;
    bool FUpdatingBars = false;
    QObject* FWheelFilter = nullptr;
    Integer FMovingCol = -1;
    Integer FMoveStartX = 0;
    Integer FMoveTarget = -1;
    bool FMoveDragged = false;

    friend class TInplaceEdit;
};
