#include "platform/ui/TCustomGrid.h"

#include "platform/graphics/DrawEdge.h"
#include "platform/graphics/SystemMetrics.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/VirtualKeys.h"

#include <algorithm>

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
    SetTabStop(true);
    InstallEventFilter();
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::SetColCount(Integer Value) {
    Value = std::max(Value, 1);
    if (Value == ColCount()) return;
    Integer old = ColCount();
    FColWidths.resize(std::size_t(Value), FDefaultColWidth);
    if (FFixedCols >= Value) FFixedCols = Value - 1;
    FCol = std::clamp(FCol, FFixedCols, Value - 1);
    FLeftCol = std::clamp(FLeftCol, FFixedCols, Value - 1);
    SizeChanged(old, RowCount());
    Invalidate();
}

void TCustomGrid::SetRowCount(Integer Value) {
    Value = std::max(Value, 1);
    if (Value == RowCount()) return;
    Integer old = RowCount();
    FRowHeights.resize(std::size_t(Value), FDefaultRowHeight);
    if (FFixedRows >= Value) FFixedRows = Value - 1;
    FRow = std::clamp(FRow, FFixedRows, Value - 1);
    FTopRow = std::clamp(FTopRow, FFixedRows, Value - 1);
    SizeChanged(ColCount(), old);
    Invalidate();
}

void TCustomGrid::SetFixedCols(Integer Value) {
    if (Value < 0 || Value >= ColCount())
        throw EInvalidGridOperation("Fixed column count must be less than column count");
    FFixedCols = Value;
    FCol = std::max(FCol, Value);
    FLeftCol = std::max(FLeftCol, Value);
    if (FLeftCol > FFixedCols && FLeftCol >= ColCount()) FLeftCol = FFixedCols;
    Invalidate();
}

void TCustomGrid::SetFixedRows(Integer Value) {
    if (Value < 0 || Value >= RowCount())
        throw EInvalidGridOperation("Fixed row count must be less than row count");
    FFixedRows = Value;
    FRow = std::max(FRow, Value);
    FTopRow = std::max(FTopRow, Value);
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(Integer Value) {
    FDefaultColWidth = Value;
    std::fill(FColWidths.begin(), FColWidths.end(), Value);
    ColWidthsChanged();
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(Integer Value) {
    FDefaultRowHeight = Value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
    RowHeightsChanged();
    UpdateEditorBounds();
    Invalidate();
}

Integer TCustomGrid::ColWidths(Integer Index) const {
    if (Index < 0 || Index >= ColCount()) return FDefaultColWidth;
    return FColWidths[std::size_t(Index)];
}

void TCustomGrid::SetColWidths(Integer Index, Integer Value) {
    if (Index < 0 || Index >= ColCount() || FColWidths[std::size_t(Index)] == Value) return;
    FColWidths[std::size_t(Index)] = Value;
    ColWidthsChanged();
    UpdateEditorBounds();
    Invalidate();
}

Integer TCustomGrid::RowHeights(Integer Index) const {
    if (Index < 0 || Index >= RowCount()) return FDefaultRowHeight;
    return FRowHeights[std::size_t(Index)];
}

void TCustomGrid::SetRowHeights(Integer Index, Integer Value) {
    if (Index < 0 || Index >= RowCount() || FRowHeights[std::size_t(Index)] == Value) return;
    FRowHeights[std::size_t(Index)] = Value;
    RowHeightsChanged();
    UpdateEditorBounds();
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(Integer Value) {
    FGridLineWidth = std::max(Value, 0);
    Invalidate();
}

void TCustomGrid::SetGridOptions(TGridOptions Value) {
    if (Value == FOptions) return;
    FOptions = Value;
    if (!FOptions.Contains(goEditing)) HideEditor();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    FFixedColor = Value;
    Invalidate();
}

Integer TCustomGrid::VertLineWidth() const {
    return FOptions.Contains(goVertLine) || FOptions.Contains(goFixedVertLine) ? FGridLineWidth : 0;
}

Integer TCustomGrid::HorzLineWidth() const {
    return FOptions.Contains(goHorzLine) || FOptions.Contains(goFixedHorzLine) ? FGridLineWidth : 0;
}

TRect TCustomGrid::ClientRect() const {
    TRect r = TCustomControl::ClientRect();
    if (FVertShown) r.Right = std::max(r.Left, r.Right - GetSystemMetrics(SM_CXVSCROLL));
    if (FHorzShown) r.Bottom = std::max(r.Top, r.Bottom - GetSystemMetrics(SM_CYHSCROLL));
    return r;
}

Integer TCustomGrid::ColumnLeft(Integer ACol) const {
    if (ACol < 0 || ACol >= ColCount() || (ACol >= FFixedCols && ACol < FLeftCol)) return -1;
    Integer lw = VertLineWidth();
    Integer x = 0;
    for (Integer i = 0; i < FFixedCols && i < ACol; ++i)
        if (ColWidths(i) >= 0) x += ColWidths(i) + lw;
    if (ACol >= FFixedCols)
        for (Integer i = FLeftCol; i < ACol; ++i)
            if (ColWidths(i) >= 0) x += ColWidths(i) + lw;
    return x;
}

Integer TCustomGrid::RowTop(Integer ARow) const {
    if (ARow < 0 || ARow >= RowCount() || (ARow >= FFixedRows && ARow < FTopRow)) return -1;
    Integer lw = HorzLineWidth();
    Integer y = 0;
    for (Integer i = 0; i < FFixedRows && i < ARow; ++i)
        y += RowHeights(i) + lw;
    if (ARow >= FFixedRows)
        for (Integer i = FTopRow; i < ARow; ++i)
            y += RowHeights(i) + lw;
    return y;
}

TRect TCustomGrid::CellRect(Integer ACol, Integer ARow) const {
    Integer x = ColumnLeft(ACol), y = RowTop(ARow);
    if (x < 0 || y < 0 || ColWidths(ACol) < 0) return {};
    TRect client = ClientRect();
    if (x >= client.Right || y >= client.Bottom) return {};
    return Rect(x, y, x + ColWidths(ACol), y + RowHeights(ARow));
}

TGridCoord TCustomGrid::MouseCoord(Integer X, Integer Y) const {
    TRect client = ClientRect();
    if (X < 0 || Y < 0 || X >= client.Right || Y >= client.Bottom) return {-1, -1};
    TGridCoord c{-1, -1};
    Integer lw = VertLineWidth();
    Integer x = 0;
    for (Integer i = 0; i < ColCount() && x <= X; ++i) {
        if (i >= FFixedCols && i < FLeftCol) continue;
        if (ColWidths(i) < 0) continue;
        if (X < x + ColWidths(i) + lw) {
            c.X = i;
            break;
        }
        x += ColWidths(i) + lw;
    }
    Integer hw = HorzLineWidth();
    Integer y = 0;
    for (Integer i = 0; i < RowCount() && y <= Y; ++i) {
        if (i >= FFixedRows && i < FTopRow) continue;
        if (Y < y + RowHeights(i) + hw) {
            c.Y = i;
            break;
        }
        y += RowHeights(i) + hw;
    }
    if (c.X < 0 || c.Y < 0) return {-1, -1};
    return c;
}

Integer TCustomGrid::VisibleColCount() const {
    TRect client = ClientRect();
    Integer n = 0;
    for (Integer i = FLeftCol; i < ColCount(); ++i) {
        if (ColWidths(i) < 0) continue;
        if (ColumnLeft(i) + ColWidths(i) > client.Right) break;
        ++n;
    }
    return n;
}

Integer TCustomGrid::VisibleRowCount() const {
    TRect client = ClientRect();
    Integer hw = HorzLineWidth();
    Integer y = 0;
    for (Integer i = 0; i < FFixedRows; ++i)
        y += RowHeights(i) + hw;
    Integer n = 0;
    for (Integer i = FTopRow; i < RowCount(); ++i) {
        if (y + RowHeights(i) > client.Bottom) break;
        y += RowHeights(i) + hw;
        ++n;
    }
    return n;
}

void TCustomGrid::SetLeftCol(Integer Value) {
    MoveTopLeft(Value, FTopRow);
}

void TCustomGrid::SetTopRow(Integer Value) {
    MoveTopLeft(FLeftCol, Value);
}

void TCustomGrid::MoveTopLeft(Integer ALeft, Integer ATop) {
    ALeft = std::clamp(ALeft, FFixedCols, std::max(FFixedCols, ColCount() - 1));
    ATop = std::clamp(ATop, FFixedRows, std::max(FFixedRows, RowCount() - 1));
    if (ALeft == FLeftCol && ATop == FTopRow) return;
    FLeftCol = ALeft;
    FTopRow = ATop;
    // An open list would hang beside a cell that scrolled away.
    if (FInplaceEdit) FInplaceEdit->CloseUp(false);
    UpdateEditorBounds();
    UpdateScrollBars();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
    if (FEditorMode) UpdateEditorBounds();
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::ClampInView() {
    Integer left = FLeftCol, top = FTopRow;
    if (FCol >= FFixedCols) {
        if (FCol < left)
            left = FCol;
        else {
            // Scroll right until the whole current column shows (or it is the first).
            TRect client = ClientRect();
            Integer lw = VertLineWidth();
            Integer fixedWidth = 0;
            for (Integer i = 0; i < FFixedCols; ++i)
                if (ColWidths(i) >= 0) fixedWidth += ColWidths(i) + lw;
            auto span = [&](Integer from) {
                Integer x = fixedWidth;
                for (Integer i = from; i <= FCol; ++i)
                    if (ColWidths(i) >= 0) x += ColWidths(i) + lw;
                return x;
            };
            while (left < FCol && span(left) > client.Right)
                ++left;
        }
    }
    if (FRow >= FFixedRows) {
        if (FRow < top)
            top = FRow;
        else {
            TRect client = ClientRect();
            Integer hw = HorzLineWidth();
            Integer fixedHeight = 0;
            for (Integer i = 0; i < FFixedRows; ++i)
                fixedHeight += RowHeights(i) + hw;
            auto span = [&](Integer from) {
                Integer y = fixedHeight;
                for (Integer i = from; i <= FRow; ++i)
                    y += RowHeights(i) + hw;
                return y;
            };
            while (top < FRow && span(top) > client.Bottom)
                ++top;
        }
    }
    MoveTopLeft(left, top);
}

void TCustomGrid::FocusCell(Integer ACol, Integer ARow, bool Show) {
    MoveColRow(ACol, ARow, true, Show);
}

void TCustomGrid::MoveColRow(Integer ACol, Integer ARow, bool, bool Show) {
    ACol = std::clamp(ACol, FFixedCols, std::max(FFixedCols, ColCount() - 1));
    ARow = std::clamp(ARow, FFixedRows, std::max(FFixedRows, RowCount() - 1));
    if (ACol == FCol && ARow == FRow) {
        if (Show) ClampInView();
        return;
    }
    if (!SelectCell(ACol, ARow)) return;
    bool editing = FEditorMode;
    if (editing) UpdateText();
    FCol = ACol;
    FRow = ARow;
    if (Show) ClampInView();
    if (editing || FOptions.Contains(goAlwaysShowEditor)) ShowEditor();
    Invalidate();
}

void TCustomGrid::InvalidateCell(Integer, Integer) {
    Invalidate();
}

void TCustomGrid::InvalidateRow(Integer) {
    Invalidate();
}

void TCustomGrid::InvalidateCol(Integer) {
    Invalidate();
}

void TCustomGrid::Paint() {
    UpdateScrollBars();
    TCanvas* C = Canvas();
    TRect client = ClientRect();
    Integer lw = VertLineWidth(), hw = HorzLineWidth();
    Integer gridRight = 0, gridBottom = 0;
    std::vector<Integer> cols;
    for (Integer c = 0; c < ColCount(); ++c) {
        Integer left = ColumnLeft(c);
        if (left >= 0 && ColWidths(c) >= 0 && left < client.Right) {
            cols.push_back(c);
            gridRight = std::max(gridRight, left + ColWidths(c) + lw);
        }
    }
    std::vector<Integer> rows;
    for (Integer r = 0; r < RowCount(); ++r) {
        Integer top = RowTop(r);
        if (top < 0) continue;
        if (top >= client.Bottom) break;
        rows.push_back(r);
        gridBottom = std::max(gridBottom, top + RowHeights(r) + hw);
    }
    gridRight = std::min(gridRight, client.Right);
    gridBottom = std::min(gridBottom, client.Bottom);
    // Lines first: a cell may paint across them (a band over two columns).
    DrawLines(C, Rect(0, 0, gridRight, gridBottom));
    for (Integer r : rows) {
        for (Integer c : cols) {
            TRect rect = CellRect(c, r);
            if (IsRectEmpty(rect)) continue;
            bool fixed = c < FFixedCols || r < FFixedRows;
            TGridDrawState state;
            if (fixed)
                state.Include(gdFixed);
            else {
                bool current = FOptions.Contains(goRowSelect) ? r == FRow : (c == FCol && r == FRow);
                if (current) state.Include(gdSelected);
                if (c == FCol && r == FRow && Focused()) state.Include(gdFocused);
            }
            C->Font()->Assign(Font());
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(fixed ? FFixedColor : Color());
            DrawCell(c, r, rect, state);
        }
    }
    // What lies beyond the last column and row keeps the grid's colour.
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    if (gridRight < client.Right) C->FillRect(Rect(gridRight, 0, client.Right, client.Bottom));
    if (gridBottom < client.Bottom) C->FillRect(Rect(0, gridBottom, gridRight, client.Bottom));
}

void TCustomGrid::DrawLines(TCanvas* C, const TRect& Area) {
    Integer lw = VertLineWidth(), hw = HorzLineWidth();
    C->Brush()->SetStyle(bsSolid);
    for (Integer c = 0; c < ColCount(); ++c) {
        Integer x = ColumnLeft(c);
        if (x < 0 || ColWidths(c) < 0 || lw == 0) continue;
        bool fixed = c < FFixedCols;
        x += ColWidths(c);
        if (x >= Area.Right) break;
        // Fixed lines run the full height, scrolling ones only below the fixed rows.
        Integer fixedBottom = RowTop(FFixedRows) < 0 ? 0 : RowTop(FFixedRows);
        if (FOptions.Contains(goFixedVertLine)) {
            C->Brush()->SetColor(clBlack);
            C->FillRect(Rect(x, 0, x + lw, fixed ? Area.Bottom : fixedBottom));
        }
        if (!fixed && FOptions.Contains(goVertLine)) {
            C->Brush()->SetColor(clSilver);
            C->FillRect(Rect(x, fixedBottom, x + lw, Area.Bottom));
        } else if (fixed && !FOptions.Contains(goFixedVertLine)) {
            C->Brush()->SetColor(FFixedColor);
            C->FillRect(Rect(x, 0, x + lw, Area.Bottom));
        }
    }
    for (Integer r = 0; r < RowCount(); ++r) {
        Integer y = RowTop(r);
        if (y < 0 || hw == 0) continue;
        y += RowHeights(r);
        if (y >= Area.Bottom) break;
        bool fixed = r < FFixedRows;
        Integer fixedRight = 0;
        for (Integer c = 0; c < FFixedCols; ++c)
            if (ColWidths(c) >= 0) fixedRight += ColWidths(c) + lw;
        if (FOptions.Contains(goFixedHorzLine)) {
            C->Brush()->SetColor(clBlack);
            C->FillRect(Rect(0, y, fixed ? Area.Right : fixedRight, y + hw));
        }
        if (!fixed && FOptions.Contains(goHorzLine)) {
            C->Brush()->SetColor(clSilver);
            C->FillRect(Rect(fixedRight, y, Area.Right, y + hw));
        } else if (!fixed || !FOptions.Contains(goFixedHorzLine)) {
            C->Brush()->SetColor(fixed ? FFixedColor : Color());
            C->FillRect(Rect(fixed ? 0 : fixedRight, y, Area.Right, y + hw));
        }
    }
}

void TCustomGrid::Resize() {
    TCustomControl::Resize();
    UpdateScrollBars();
    UpdateEditorBounds();
    Invalidate();
}

bool TCustomGrid::DoMouseWheel(TShiftState, Integer WheelDelta, TPoint) {
    if (WheelDelta == 0) return false;
    FocusCell(FCol, FRow + (WheelDelta < 0 ? 1 : -1), true);
    return true;
}

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    bool ctrl = Shift.Contains(ssCtrl);
    Integer page = std::max(1, VisibleRowCount());
    Integer col = FCol, row = FRow;
    switch (Key) {
    case VK_UP:
        --row;
        break;
    case VK_DOWN:
        ++row;
        break;
    case VK_LEFT:
        if (!FOptions.Contains(goRowSelect)) --col;
        break;
    case VK_RIGHT:
        if (!FOptions.Contains(goRowSelect)) ++col;
        break;
    case VK_PRIOR:
        row -= page;
        break;
    case VK_NEXT:
        row += page;
        break;
    case VK_HOME:
        if (ctrl)
            row = FFixedRows;
        else
            col = FFixedCols;
        break;
    case VK_END:
        if (ctrl)
            row = RowCount() - 1;
        else
            col = ColCount() - 1;
        break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs) || Shift.Contains(ssAlt)) return;
        if (Shift.Contains(ssShift)) {
            if (--col < FFixedCols) {
                col = ColCount() - 1;
                if (--row < FFixedRows) row = RowCount() - 1;
            }
        } else if (++col >= ColCount()) {
            col = FFixedCols;
            if (++row >= RowCount()) row = FFixedRows;
        }
        break;
    case VK_F2:
        if (CanEditShow()) ShowEditor();
        return;
    case VK_RETURN:
        if (FEditorMode) {
            UpdateText();
            HideEditor();
        } else if (CanEditShow())
            ShowEditor();
        return;
    case VK_ESCAPE:
        if (FEditorMode) HideEditor();
        return;
    default:
        return;
    }
    FocusCell(col, row, true);
}

void TCustomGrid::KeyPress(String& Key) {
    TCustomControl::KeyPress(Key);
    if (Key.empty() || FEditorMode || static_cast<unsigned char>(Key[0]) < 0x20) return;
    if (!CanEditShow()) return;
    ShowEditor();
    // The key that opens the editor is typed like the ones after it: into a cell that can change.
    if (FInplaceEdit && FEditorMode && CanEditModify()) {
        FInplaceEdit->SetText(Key);
        FInplaceEdit->SetModified(true);
        FInplaceEdit->SelectEnd();
    }
    Key.clear();
}

bool TCustomGrid::WantsKey(Word Key) const {
    // A grid that selects whole rows leaves Tab to the form: there are no cells to go round.
    return Key == VK_TAB ? FOptions.Contains(goTabs) && !FOptions.Contains(goRowSelect)
           : Key == VK_RETURN || Key == VK_ESCAPE ? FEditorMode
                                                  : false;
}

TPoint TCustomGrid::KeyboardPopupPoint() const {
    // Under the current cell, so the menu leaves the row it acts on in sight; a
    // current column scrolled out of view gives the row's first one in view.
    TRect cell = CellRect(FCol, FRow);
    if (IsRectEmpty(cell)) cell = CellRect(FLeftCol, FRow);
    if (IsRectEmpty(cell)) return {};
    return TPoint(cell.Left, std::min(cell.Bottom, ClientRect().Bottom));
}

bool TCustomGrid::CanEditShow() const {
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FCol >= FFixedCols &&
           FRow >= FFixedRows;
}

TInplaceEdit* TCustomGrid::CreateEditor() {
    return new TInplaceEdit(this);
}

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value == FEditorMode) return;
    if (Value) {
        if (CanEditShow()) ShowEditor();
    } else
        HideEditor();
}

void TCustomGrid::ShowEditor() {
    if (!CanEditShow()) return;
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetParent(this);
    }
    FEditorMode = true;
    TEditStyle style = GetEditStyle(FCol, FRow);
    FInplaceEdit->SetPickList(style == esPickList ? GetPickListItems(FCol, FRow) : std::vector<String>{});
    FInplaceEdit->SetEditStyle(style);
    FInplaceEdit->SetMaxLength(GetEditLimit());
    FInplaceEdit->SetText(GetEditText(FCol, FRow));
    FInplaceEdit->SetModified(false);
    UpdateEditorBounds();
    FInplaceEdit->Show();
    // Keys typed after the one that opened the editor go on into it.
    if (Focused()) FInplaceEdit->SetFocus();
}

void TCustomGrid::HideEditor() {
    if (!FEditorMode) return;
    FEditorMode = false;
    if (FInplaceEdit) {
        FInplaceEdit->CloseUp(false);
        const bool hadFocus = FInplaceEdit->Focused();
        FInplaceEdit->Hide();
        // Moving between cells goes on from the grid.
        if (hadFocus) SetFocus();
    }
}

void TCustomGrid::UpdateText() {
    if (FEditorMode && FInplaceEdit && FInplaceEdit->Modified()) {
        FInplaceEdit->SetModified(false);
        SetEditText(FCol, FRow, FInplaceEdit->Text());
    }
}

void TCustomGrid::UpdateEditorBounds() {
    if (!FInplaceEdit || !FEditorMode) return;
    TRect r = CellRect(FCol, FRow);
    if (IsRectEmpty(r)) {
        FInplaceEdit->SetBounds(0, 0, 0, 0);
        return;
    }
    FInplaceEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}
