#include "grid/TVgDBGrid.h"

#include "grid/TFilterComboBox.h"
#include "grid/VgFooterTotal.h"
#include "grid/VgGridLayout.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/data/TNumericField.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/MessageDialogs.h"
#include "platform/ui/TGridDataLink.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/TPopupMenu.h"

#include <algorithm>

TVgDBGrid::TVgDBGrid(TComponent* AOwner)
    : TCustomDBGrid(AOwner), FBands(std::make_unique<TStringList>()), FBandsFont(std::make_unique<TFont>()),
      FGroupings(std::make_unique<TVgGroupings>(this)), FGridStyle(std::make_unique<TVgDBGridStyle>(this)),
      FTitleHeight(std::make_unique<TVgDBGTitleHeight>(this)), FIndicatorImages(ui::MakeIndicatorImages()) {
    RecreateColumns();
    FBandsFont->Assign(TitleFont());
    FGridStyle->SetOddColor(Color());
    FGridStyle->SetEvenColor(Color());
    FTitleHeight->SetPixelCount(DefaultRowHeight());
    SetIndicators(FIndicatorImages.get());
    BuildStandardPopup();
    FLoading = false;
    LayoutChanged();
}

TVgDBGrid::~TVgDBGrid() {
    FreeStartOfSelect();
    if (FExOptions.Contains(eoAutoSave)) {
        // A destructor raises nothing: a store that cannot be written loses this save only.
        try {
            SaveGridToRegistry(this, FRegistryKey, FRegistrySection);
        } catch (...) {
        }
    }
    // The dataset outlives the grid: its record test must not call into it.
    RemoveRecordTest();
    if (FExOptions.Contains(eoShowFilterBar) && DataSet()) DataSet()->SetFiltered(false);
}

TDBGridColumns* TVgDBGrid::CreateColumns() {
    return new TVgDBGridColumns(this);
}

TVgDBGridColumns* TVgDBGrid::GetColumns() const {
    return static_cast<TVgDBGridColumns*>(Columns());
}

void TVgDBGrid::SetColumns(TVgDBGridColumns* Value) {
    Columns()->Assign(Value);
}

TDBGridOptions TVgDBGrid::Options() const {
    TDBGridOptions o = TCustomDBGrid::Options();
    if (FMultiSelect) o.Include(dgMultiSelect);
    return o;
}

void TVgDBGrid::SetOptions(TDBGridOptions Value) {
    bool multi = Value.Contains(dgMultiSelect);
    Value.Exclude(dgMultiSelect);
    if (ComponentState().Contains(csLoading) && Value.Contains(dgAlwaysShowEditor)) {
        Value.Exclude(dgAlwaysShowEditor);
        FHeldAlwaysShowEditor = true;
    }
    if (FMultiSelect && !multi) SelectedRows()->Clear();
    FMultiSelect = multi;
    TCustomDBGrid::SetOptions(Value);
}

void TVgDBGrid::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

void TVgDBGrid::SetBands(TStrings* Value) {
    FBands->Assign(Value);
    if (!FLoading) {
        SetTitlesHeight();
        Invalidate();
    }
}

void TVgDBGrid::SetBandsFont(TFont* Value) {
    FBandsFont->Assign(Value);
    if (!FLoading) Invalidate();
}

void TVgDBGrid::SetGroupings(TVgGroupings* Value) {
    FGroupings->Assign(Value);
}

void TVgDBGrid::SetGridStyle(TVgDBGridStyle* Value) {
    FGridStyle->Assign(Value);
}

void TVgDBGrid::SetTitleHeight(TVgDBGTitleHeight* Value) {
    FTitleHeight->Assign(Value);
}

void TVgDBGrid::SetFooterColor(TColor Value) {
    if (Value == FFooterColor) return;
    FFooterColor = Value;
    LayoutChanged();
}

void TVgDBGrid::SetFooterHeight(Integer Value) {
    Value = std::max(Value, 0);
    if (Value == FFooterHeight) return;
    FFooterHeight = Value;
    LayoutChanged();
}

void TVgDBGrid::SetDefaultRowHeight(Integer Value) {
    if (Value == DefaultRowHeight()) return;
    if (Value == 0) Value = DefaultRowHeight();
    Integer title = RowCount() > 0 ? RowHeights(0) : Value;
    TCustomDBGrid::SetDefaultRowHeight(Value);
    if (Options().Contains(dgTitles) && RowCount() > 0) SetRowHeights(0, title);
    LayoutChanged();
}

// ---- Footer ----------------------------------------------------------------

TRect TVgDBGrid::ClientRect() const {
    TRect r = TCustomDBGrid::ClientRect();
    if (FExOptions.Contains(eoShowFooter))
        r.Bottom -= FFooterHeight > 0 ? FFooterHeight : DefaultRowHeight() + 4;
    // A tiny window keeps an empty client area rather than a negative one.
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
}

TRect TVgDBGrid::GetFooterRect() const {
    TRect client = ClientRect();
    Integer top = client.Bottom;
    Integer bottom = FFooterHeight > 0 ? top + FFooterHeight - 1 : top + DefaultRowHeight() + 3;
    return Rect(0, top, TCustomDBGrid::ClientRect().Right, bottom);
}

void TVgDBGrid::InvalidateFooter() {
    if (Showing()) Invalidate();
}

void TVgDBGrid::DoUpdateFooter() {
    // A handler that sets footer values, or recalculates, does not fire again.
    if (!OnUpdateFooter || FUpdatingFooter) return;
    FUpdatingFooter = true;
    core::ScopeExit done([this] { FUpdatingFooter = false; });
    OnUpdateFooter(this);
}

void TVgDBGrid::CalculateTotals(bool SelectedOnly) {
    TVgDBGridColumns* cols = GetColumns();
    // Totals are gathered apart and stored once, so the walk repaints nothing.
    struct Total {
        TVgDBColumn* Column;
        TField* Field;
        vg::FooterTotal Value;
    };
    std::vector<Total> totals;
    for (Integer i = 0; i < cols->Count(); ++i) {
        TVgDBColumn* c = cols->GetColumn(i);
        if (vg::FooterTotal::Computed(c->FooterType()))
            totals.push_back({c, c->Field(), vg::FooterTotal(c->FooterType())});
    }
    if (totals.empty()) return;
    TDataSet* ds = DataSet();
    if (ds && ds->Active() && !(ds->Bof() && ds->Eof())) {
        auto visit = [&] {
            for (Total& t : totals)
                if (t.Field) t.Value.Add(t.Field->Value(), dynamic_cast<TNumericField*>(t.Field) != nullptr);
        };
        ds->DisableControls();
        TBookmark mark = ds->GetBookmark();
        // Back to the record the user was on, also when the walk fails.
        core::ScopeExit back([&] {
            if (!mark.empty() && ds->BookmarkValid(mark)) ds->GotoBookmark(mark);
            ds->EnableControls();
        });
        if (SelectedOnly) {
            for (Integer i = 0; i < SelectedRows()->Count(); ++i) {
                ds->GotoBookmark(SelectedRows()->Items(i));
                visit();
            }
        } else
            for (ds->First(); !ds->Eof(); ds->Next())
                visit();
    }
    for (Total& t : totals) {
        t.Column->SetRecordCounter(t.Value.Counter());
        t.Column->SetFooterValue(t.Value.Result());
    }
    DoUpdateFooter();
    InvalidateFooter();
}

// ---- Sort markers -----------------------------------------------------------

void TVgDBGrid::ClearSort() {
    TVgDBGridColumns* cols = GetColumns();
    for (Integer i = 0; i < cols->Count(); ++i)
        cols->GetColumn(i)->SetSortType(stNone);
}

void TVgDBGrid::SetSortField(TField* Field, TVgSortType SortType) {
    if (!Field) return;
    TVgDBGridColumns* cols = GetColumns();
    for (Integer i = 0; i < cols->Count(); ++i) {
        TVgDBColumn* c = cols->GetColumn(i);
        if (c->Field()) c->SetSortType(c->FieldName() == Field->FieldName() ? SortType : stNone);
    }
}

void TVgDBGrid::InvalidateTitles() {
    if (Options().Contains(dgTitles)) InvalidateRow(0);
}

// ---- Record actions ---------------------------------------------------------

void TVgDBGrid::DeleteData() {
    TDataSet* ds = DataSet();
    if (!ds) return;
    String question =
        SelectedRows()->Count() < 2 ? "Delete a record?" : "Do you really want to delete a selected records?";
    if (Options().Contains(dgConfirmDelete) &&
        MessageDlg(question, mtConfirmation, TMsgDlgButtons{mbYes, mbNo}) != mrYes)
        return;
    if (SelectedRows()->Count() > 0)
        SelectedRows()->Delete();
    else
        ds->Delete();
}

void TVgDBGrid::RefreshData() {
    TDataSet* ds = DataSet();
    if (!ds) return;
    if (ds->CanModify()) PostTypedRecord();
    TBookmark mark = ds->GetBookmark();
    ds->Close();
    ds->Open();
    // The reopened data may no longer hold the record.
    if (!mark.empty() && ds->BookmarkValid(mark)) ds->GotoBookmark(mark);
}

Integer TVgDBGrid::GetImageIndex(TField* Field) const {
    if (!Field || !FExOptions.Contains(eoShowGlyphs)) return -1;
    if (!ReadOnly() && Field->CanModify() && Field->OnGetText && Field->OnSetText) return -1;
    switch (Field->DataType()) {
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftTypedBinary:
        return 0;
    case ftMemo:
    case ftFmtMemo:
        return 1;
    case ftGraphic:
        return 2;
    case ftParadoxOle:
    case ftDBaseOle:
        return 3;
    default:
        return -1;
    }
}

bool TVgDBGrid::ActiveRowSelected() const {
    if (!DataLink()->Active() || !(FMultiSelect || FExOptions.Contains(eoCheckBoxSelect))) return false;
    return SelectedRows()->CurrentRowSelected();
}

void TVgDBGrid::FreeStartOfSelect() {
    FStartOfSelect.clear();
}

Integer TVgDBGrid::GetRecordCount() const {
    Integer n = DataSet() && DataSet()->Active() ? DataSet()->RecordCount() : 0;
    if (OnGetRecordCount) OnGetRecordCount(const_cast<TVgDBGrid*>(this), n);
    return n;
}

bool TVgDBGrid::ModifiableBrowsing() const {
    TDataSet* ds = DataSet();
    return ds && !ReadOnly() && ds->CanModify() && ds->State() == dsBrowse;
}

void TVgDBGrid::AppendClick() {
    if (OnAppendRecord)
        OnAppendRecord(this);
    else if (DataSet())
        DataSet()->Append();
}

void TVgDBGrid::InsertClick() {
    if (OnInsertRecord)
        OnInsertRecord(this);
    else if (DataSet())
        DataSet()->Insert();
}

void TVgDBGrid::EditClick() {
    if (OnEditRecord)
        OnEditRecord(this);
    else if (DataSet())
        DataSet()->Edit();
}

void TVgDBGrid::DeleteClick() {
    if (OnDeleteRecord)
        OnDeleteRecord(this);
    else
        DeleteData();
}

void TVgDBGrid::PostClick() {
    if (OnPostData)
        OnPostData(this);
    else if (DataSet())
        PostTypedRecord();
}

void TVgDBGrid::CancelClick() {
    if (OnCancelData)
        OnCancelData(this);
    else if (DataSet())
        DataSet()->Cancel();
}

void TVgDBGrid::RefreshClick() {
    if (OnRefreshData)
        OnRefreshData(this);
    else
        RefreshData();
}

// ---- Selection --------------------------------------------------------------

void TVgDBGrid::ChangeSelection() {
    Invalidate();
    if (OnChangeSelection) OnChangeSelection(this);
}

void TVgDBGrid::SelectOneClick() {
    if (!FMultiSelect || !DataLink()->Active()) return;
    SelectedRows()->SetCurrentRowSelected(true);
    ChangeSelection();
}

void TVgDBGrid::UnSelectOneClick() {
    if (!FMultiSelect || !DataLink()->Active()) return;
    SelectedRows()->SetCurrentRowSelected(false);
    ChangeSelection();
}

void TVgDBGrid::SelectAllClick() {
    TDataSet* ds = DataSet();
    if (!FMultiSelect || !DataLink()->Active() || (ds->Bof() && ds->Eof())) return;
    ds->DisableControls();
    TBookmark mark = ds->GetBookmark();
    {
        core::ScopeExit restore([&] {
            if (!mark.empty() && ds->BookmarkValid(mark)) ds->GotoBookmark(mark);
            ds->EnableControls();
        });
        for (ds->First(); !ds->Eof(); ds->Next())
            SelectedRows()->SetCurrentRowSelected(true);
    }
    ChangeSelection();
}

void TVgDBGrid::UnSelectAllClick() {
    if (!FMultiSelect) return;
    SelectedRows()->Clear();
    FKeySelecting = false;
    ChangeSelection();
}

void TVgDBGrid::ToggleRowSelection() {
    if (!DataLink()->Active() || !(FMultiSelect || FExOptions.Contains(eoCheckBoxSelect))) return;
    TBookmarkList* rows = SelectedRows();
    bool selected = rows->CurrentRowSelected();
    if (!FMultiSelect) {
        // Without multi-select at most this one row stays selected.
        rows->Clear();
    }
    rows->SetCurrentRowSelected(!selected);
    ChangeSelection();
}

void TVgDBGrid::GotoSelection(Integer Index) {
    if (!FMultiSelect || !DataLink()->Active() || Index < 0 || Index >= SelectedRows()->Count()) return;
    DataSet()->GotoBookmark(SelectedRows()->Items(Index));
}

TInplaceEdit* TVgDBGrid::CreateEditor() {
    TInplaceEdit* editor = TCustomDBGrid::CreateEditor();
    editor->SetColor(Color());
    TNotifyEvent previous = editor->OnChange;
    editor->OnChange = [this, previous](TObject* Sender) {
        if (previous) previous(Sender);
        if (OnEditChange) OnEditChange(this);
    };
    return editor;
}

void TVgDBGrid::LinkActive(bool Value) {
    if (!Value) FreeStartOfSelect();
    Integer height = DefaultRowHeight();
    TCustomDBGrid::LinkActive(Value);
    // A count stored while the link was closed is held to the columns now.
    if (Value && FFixedCols > 0) SetFixedCols(FFixedCols);
    if (DefaultRowHeight() != height) SetDefaultRowHeight(height);
}

void TVgDBGrid::Loaded() {
    TCustomDBGrid::Loaded();
    if (FExOptions.Contains(eoAutoLoad)) LoadGridFromRegistry(this, FRegistryKey, FRegistrySection);
    FLoading = false;
    FUpdatingWidths = false;
    if (FExOptions.Contains(eoAutoWidth)) UpdateColWidths();
    if (FHeldAlwaysShowEditor) {
        FHeldAlwaysShowEditor = false;
        SetOptions(Options() + TDBGridOptions{dgAlwaysShowEditor});
    }
}
