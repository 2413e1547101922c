// Sizing and moving columns with the mouse: a drag on a title border sizes
// the column, a drag on a title moves it.
#include "platform/ui/TCustomGrid.h"

#include <algorithm>
#include <cstdlib>

Integer TCustomGrid::SizingColumnAt(Integer X, Integer Y) const {
    if (!FOptions.Contains(goColSizing) || FFixedRows == 0) return -1;
    Integer fixedBottom = RowTop(FFixedRows);
    if (fixedBottom < 0 || Y >= fixedBottom) return -1;
    for (Integer c = 0; c < ColCount(); ++c) {
        Integer x = ColumnLeft(c);
        if (x < 0 || ColWidths(c) < 0) continue;
        Integer right = x + ColWidths(c);
        if (c >= FFixedCols && X >= right - 3 && X <= right + 3) return c;
    }
    return -1;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    if (Button == mbLeft) {
        Integer sizing = SizingColumnAt(X, Y);
        TGridCoord cell = MouseCoord(X, Y);
        if (sizing >= 0) {
            FSizingCol = sizing;
            FSizingStart = X;
            FSizingWidth = ColWidths(sizing);
        } else if (cell.X >= FFixedCols && cell.Y >= 0 && cell.Y < FFixedRows)
            BeginColumnMove(cell.X, X);
        else if (cell.X >= FFixedCols && cell.Y >= FFixedRows)
            FocusCell(cell.X, cell.Y, true);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, Integer X, Integer Y) {
    if (FSizingCol >= 0)
        SetColWidths(FSizingCol, std::max(1, FSizingWidth + X - FSizingStart));
    else if (FMovingCol >= 0) {
        // A small wobble of a click is not a drag.
        if (std::abs(X - FMoveStartX) > 3) FMoveDragged = true;
        if (FMoveDragged) FMoveTarget = MoveTargetAt(X);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) {
    FSizingCol = -1;
    if (FMovingCol >= 0) {
        Integer from = FMovingCol;
        bool dragged = FMoveDragged;
        FMovingCol = -1;
        FMoveDragged = false;
        if (dragged) {
            FMoveTarget = MoveTargetAt(X);
            if (FMoveTarget >= 0 && FMoveTarget != from) MoveColumn(from, FMoveTarget);
        }
        FMoveTarget = -1;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::BeginColumnMove(Integer ACol, Integer X) {
    if (!FOptions.Contains(goColMoving) || ACol < FFixedCols || ACol >= ColCount()) return;
    FMovingCol = ACol;
    FMoveStartX = X;
    FMoveTarget = ACol;
    FMoveDragged = false;
}

Integer TCustomGrid::MoveTargetAt(Integer X) const {
    Integer target = -1;
    Integer last = -1;
    for (Integer c = FFixedCols; c < ColCount(); ++c) {
        Integer left = ColumnLeft(c);
        if (left < 0 || ColWidths(c) < 0) continue;
        last = c;
        if (X < left + ColWidths(c) + VertLineWidth()) {
            target = c;
            break;
        }
    }
    // Left of the scrolling columns drops at the first; right of them at the last shown.
    if (target < 0) target = X < ColumnLeft(FLeftCol) ? FLeftCol : last;
    return target;
}

void TCustomGrid::MoveColumn(Integer FromIndex, Integer ToIndex) {
    if (FromIndex == ToIndex || FromIndex < FFixedCols || ToIndex < FFixedCols || FromIndex >= ColCount() ||
        ToIndex >= ColCount())
        return;
    if (FEditorMode) UpdateText();
    auto from = FColWidths.begin() + FromIndex, to = FColWidths.begin() + ToIndex;
    if (FromIndex < ToIndex)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    if (FCol == FromIndex)
        FCol = ToIndex;
    else if (FromIndex < FCol && FCol <= ToIndex)
        --FCol;
    else if (ToIndex <= FCol && FCol < FromIndex)
        ++FCol;
    ColumnMoved(FromIndex, ToIndex);
    ColWidthsChanged();
    UpdateEditorBounds();
    Invalidate();
}
