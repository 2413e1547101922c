// Cell hints of the data grid: a cell or title whose text is cut shows it whole.
#include "platform/core/ScopeExit.h"
#include "grid/TVgDBGrid.h"

#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TGridDataLink.h"

bool TVgDBGrid::CellHint(TPoint P, String& Text, TGridHintInfo& Info) {
    if (!FExOptions.Contains(eoCellHint) && FHintField.empty()) return false;
    Text.clear();
    if (!DataLink()->Active()) return true;
    TGridCoord cell = MouseCoord(P.X, P.Y);
    Integer dataCol = cell.X - IndicatorOffset(), dataRow = cell.Y - TitleOffset();
    if (cell.X < 0 || dataCol < 0 || dataRow < -1 || dataCol >= Columns()->Count()) return true;
    TRect r = CellRect(cell.X, cell.Y);
    Info.HintPos = r.TopLeft();
    Info.CursorRect = r;
    InflateRect(Info.CursorRect, 1, 1);
    TColumn* column = Columns()->Items(dataCol);
    TCanvas* C = Canvas();
    String text;
    if (dataRow >= 0) {
        if (dataRow >= DataLink()->RecordCount()) return true;
        Integer saved = DataLink()->ActiveRecord();
        DataLink()->SetActiveRecord(dataRow);
        {
            core::ScopeExit restore([&] { DataLink()->SetActiveRecord(saved); });
            TField* f = FHintField.empty() ? column->Field() : DataSet()->FindField(FHintField);
            if (f) text = f->IsBlob() ? f->AsString() : f->DisplayText();
            if (OnCellHint) OnCellHint(this, column, text, Info);
        }
        C->Font()->Assign(column->Font());
        Integer textWidth = C->TextWidth(text);
        Integer columnWidth = column->Width(), cellWidth = r.Width();
        if ((columnWidth <= cellWidth && textWidth < columnWidth) ||
            (textWidth < cellWidth && column->Alignment() == taLeftJustify))
            return true;
    } else {
        text = column->Title()->Caption();
        C->Font()->Assign(column->Title()->Font());
        if (C->TextWidth(text) < column->Width()) return true;
    }
    Text = text;
    return true;
}

String TVgDBGrid::ScrollHintText() const {
    TDataSet* ds = DataSet();
    if (!ds || !ds->Active() || ds->RecNo() <= 0) return {};
    return "rec." + std::to_string(ds->RecNo()) + " of " + std::to_string(GetRecordCount());
}

void TVgDBGrid::ScrollBarMoved(bool Vertical, Integer Pos) {
    TCustomDBGrid::ScrollBarMoved(Vertical, Pos);
    if (Vertical && FExOptions.Contains(eoShowRecNo)) ShowScrollHint(ScrollHintText());
}
