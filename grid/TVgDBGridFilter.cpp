// The data grid's filter bar: a value per column typed or picked in the
// strip under the titles; the grid filters the dataset through its record
// filter (with eoFilterAutoApply) and tells the owner in every case.
#include "grid/TFilterComboBox.h"
#include "grid/TVgDBGrid.h"
#include "grid/VgFilterMatch.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/data/TNumericField.h"
#include "platform/ui/TGridDataLink.h"
#include "platform/ui/VirtualKeys.h"

#include <algorithm>

TRect TVgDBGrid::FilterStripRect(const TRect& TitleCell) {
    return Rect(TitleCell.Left, TitleCell.Bottom - FilterStripHeight, TitleCell.Right, TitleCell.Bottom);
}

void TVgDBGrid::CreateFilterCombo() {
    FFilterCombo = std::make_unique<TFilterComboBox>(nullptr);
    FFilterCombo->SetVisible(false);
    FFilterCombo->SetParent(this);
    FFilterCombo->SetWidth(0);
    FFilterCombo->SetColor(FGridStyle->FilterColor());
    FFilterCombo->SetDropDownCount(10);
    FFilterCombo->OnChange = [this](TObject*) { CmbFilterChange(); };
    FFilterCombo->OnKeyDown = [this](TObject*, Word& Key, TShiftState) {
        if (Key == VK_RETURN) CmbFilterClick();
    };
    FFilterCombo->OnExit = [this](TObject*) { CmbFilterExit(); };
    FFilterCombo->OnClick = [this](TObject*) { CmbFilterClick(); };
    FFilterCombo->OnSelect = [this](TObject*) { CmbFilterClick(); };
}

TFilterComboBox* TVgDBGrid::FilterCombo() {
    if (!FFilterCombo) CreateFilterCombo();
    return FFilterCombo.get();
}

bool TVgDBGrid::FilterComboVisible() const {
    return FFilterCombo && FFilterCombo->Visible();
}

void TVgDBGrid::OpenFilterCombo(Integer ACol, Integer ARow) {
    TColumn* column = ColumnAt(ACol);
    if (!column) return;
    auto* vgColumn = dynamic_cast<TVgDBColumn*>(column);
    const TRect strip = FilterStripRect(CellRect(ACol, ARow));
    TFilterComboBox* combo = FilterCombo();
    combo->SetColumn(column);
    combo->SetColor(FGridStyle->FilterColor());
    String value = vgColumn ? vgColumn->FilterValue() : String();
    TStrings* list = vgColumn ? vgColumn->FilterList() : nullptr;
    if (list && list->Count() > 0) {
        // Sorted before the current value is looked up, so the index points
        // at the value and not at whatever sorting moved there.
        combo->SetStyle(csDropDown);
        combo->SetSorted(false);
        combo->Items()->Assign(list);
        combo->Items()->Insert(0, "");
        combo->SetSorted(true);
        combo->SetItemIndex(combo->Items()->IndexOf(value));
        combo->SetBounds(strip.Left, strip.Top, strip.Width() + 3, strip.Height());
    } else {
        combo->Items()->Clear();
        combo->SetStyle(csSimple);
        combo->SetText(value);
        combo->SetBounds(strip.Left, strip.Top, strip.Width(), strip.Height());
    }
    TField* field = column->Field();
    bool show = field && field->FieldKind() == fkData && (!vgColumn || vgColumn->Filterable());
    combo->SetVisible(show);
    if (show && combo->CanFocus()) combo->SetFocus();
}

void TVgDBGrid::CmbFilterClick() {
    TFilterComboBox* combo = FilterCombo();
    auto* column = dynamic_cast<TVgDBColumn*>(combo->Column());
    if (!column || combo->Text() == column->FilterValue()) return;
    if (DataLink()->Active()) DataSet()->CheckBrowseMode();
    column->SetFilterValue(combo->Text());
    ApplyFilter();
    FFilterCommitted = true;
}

void TVgDBGrid::CmbFilterChange() {
    if (FExOptions.Contains(eoAnyKeyFilter)) CmbFilterClick();
}

void TVgDBGrid::CmbFilterExit() {
    TFilterComboBox* combo = FilterCombo();
    combo->SetVisible(false);
    if (FExOptions.Contains(eoAnyKeyFilter)) return;
    FFilterCommitted = false;
    CmbFilterClick();
    if (FFilterCommitted) combo->SetColumn(nullptr);
    combo->Items()->Clear();
    combo->SetText("");
}

void TVgDBGrid::ApplyFilter() {
    if (FExOptions.Contains(eoFilterAutoApply)) {
        Integer left = LeftCol();
        BeginUpdate();
        core::ScopeExit restore([&] {
            SetLeftCol(std::min(left, ColCount() - 1));
            EndUpdate();
            Invalidate();
        });
        if (DataLink()->Active()) {
            TDataSet* ds = DataSet();
            ds->CheckBrowseMode();
            ds->SetFiltered(false);
            InstallRecordTest(ds);
            ds->SetFiltered(!FilterIsEmpty());
        }
    }
    if (OnFilterChanged) OnFilterChanged(this);
}

namespace {

// The grid's record test as a dataset holds it: recognisable, so that the grid takes
// away only its own test and never one installed after it.
struct GridRecordTest {
    TVgDBGrid* Grid;
    void operator()(TDataSet* DataSet, bool& Accept) const { Grid->OnFilterRecord(DataSet, Accept); }
};

} // namespace

void TVgDBGrid::InstallRecordTest(TDataSet* DataSet) {
    if (DataSet != FFilteredDataSet) {
        RemoveRecordTest();
        FPriorFilterRecord = DataSet->OnFilterRecord;
        FFilteredDataSet = DataSet;
        // A dataset freed first is forgotten (Notification).
        DataSet->FreeNotification(this);
    }
    DataSet->OnFilterRecord = GridRecordTest{this};
}

void TVgDBGrid::RemoveRecordTest() {
    if (!FFilteredDataSet) return;
    const auto* installed = FFilteredDataSet->OnFilterRecord.target<GridRecordTest>();
    if (installed && installed->Grid == this)
        FFilteredDataSet->OnFilterRecord = std::move(FPriorFilterRecord);
    FFilteredDataSet->RemoveFreeNotification(this);
    FFilteredDataSet = nullptr;
    FPriorFilterRecord = nullptr;
}

void TVgDBGrid::OnFilterRecord(TDataSet* DataSet, bool& Accept) {
    if (!DataSet || !DataSet->Active()) {
        Accept = false;
        return;
    }
    Accept = true;
    TVgDBGridColumns* cols = GetColumns();
    for (Integer i = 0; i < cols->Count() && Accept; ++i) {
        TVgDBColumn* c = cols->GetColumn(i);
        TField* f = c->Field();
        if (!f || !c->Filterable()) continue;
        Accept =
            vg::FilterMatches(c->FilterValue(), f->AsString(), dynamic_cast<TNumericField*>(f) != nullptr);
        if (!c->FilterValue().empty() && OnFilterApply) OnFilterApply(this, f, c->FilterValue(), Accept);
    }
}

bool TVgDBGrid::FilterIsEmpty() const {
    TVgDBGridColumns* cols = GetColumns();
    for (Integer i = 0; i < cols->Count(); ++i)
        if (!cols->GetColumn(i)->FilterValue().empty()) return false;
    return true;
}

void TVgDBGrid::ClearFilter() {
    TVgDBGridColumns* cols = GetColumns();
    for (Integer i = 0; i < cols->Count(); ++i)
        cols->GetColumn(i)->SetFilterValue("");
    if (FFilterCombo) {
        FFilterCombo->Items()->Clear();
        if (FFilterCombo->Visible()) FFilterCombo->SetVisible(false);
    }
    ApplyFilter();
}

void TVgDBGrid::FocusFilterBar() {
    if (!FExOptions.Contains(eoShowFilterBar)) return;
    const TRect strip = FilterStripRect(CellRect(DataToRawColumn(SelectedIndex()), 0));
    if (strip.Left != strip.Right) MouseDown(mbLeft, TShiftState{}, strip.Left + 5, strip.Top + 5);
}
