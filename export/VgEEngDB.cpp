// Dataset and grid engines of the export.
#include "export/VgEEngDB.h"

#include "export/VgEColumns.h"
#include "platform/data/TBookmarkList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/data/TFloatField.h"
#include "platform/ui/TCustomDBGrid.h"

namespace {

Integer ColumnPrecision(TField* Field) {
    auto* floatField = dynamic_cast<TFloatField*>(Field);
    if (floatField == nullptr) return 0;
    return floatField->Precision() == 15 ? 0 : floatField->Precision();
}

} // namespace

void TVgECustomDBDataEngine::EnableControls() {
    if (TDataSet* dataset = GetDataset()) dataset->EnableControls();
}

void TVgECustomDBDataEngine::DisableControls() {
    if (TDataSet* dataset = GetDataset()) dataset->DisableControls();
}

void TVgECustomDBDataEngine::SavePosition() {
    TVgECustomDataEngine::SavePosition();
    ForgetFields();
    FInRun = true;
    TDataSet* dataset = GetDataset();
    FBookmark = dataset != nullptr && dataset->Active() ? dataset->GetBookmark() : TBookmark();
}

void TVgECustomDBDataEngine::RestorePosition() {
    TVgECustomDataEngine::RestorePosition();
    FInRun = false;
    ForgetFields();
    TDataSet* dataset = GetDataset();
    if (dataset != nullptr && dataset->Active() && !FBookmark.empty() && dataset->BookmarkValid(FBookmark))
        dataset->GotoBookmark(FBookmark);
    FBookmark.clear();
}

bool TVgECustomDBDataEngine::Eof() {
    TDataSet* dataset = GetDataset();
    return dataset == nullptr || dataset->Eof();
}

void TVgECustomDBDataEngine::First() {
    TVgECustomDataEngine::First();
    if (TDataSet* dataset = GetDataset()) dataset->First();
}

void TVgECustomDBDataEngine::Next() {
    TVgECustomDataEngine::Next();
    if (TDataSet* dataset = GetDataset()) dataset->Next();
}

Variant TVgECustomDBDataEngine::GetFieldValue(TVgEColumn* Column) {
    TField* field = FindFieldByColumn(Column);
    return field != nullptr ? field->Value() : Null;
}

Integer TVgECustomDBDataEngine::RecordCount() {
    TDataSet* dataset = GetDataset();
    return dataset != nullptr ? dataset->RecordCount() : 0;
}

bool TVgECustomDBDataEngine::RequiredByColumn(TVgEColumn* Column) {
    TField* field = FindFieldByColumn(Column);
    return field != nullptr && field->Required();
}

bool TVgECustomDBDataEngine::ReadOnlyByColumn(TVgEColumn* Column) {
    TField* field = FindFieldByColumn(Column);
    return field != nullptr && field->ReadOnly();
}

TField* TVgECustomDBDataEngine::FindFieldByColumn(TVgEColumn* Column) {
    TDataSet* dataset = GetDataset();
    if (Column == nullptr || dataset == nullptr) return nullptr;
    if (!FInRun) return dataset->FindField(Column->FieldName());
    // From the one after the last answer on, round to it.
    const std::size_t count = FFields.size();
    for (std::size_t k = 1; k <= count; ++k) {
        const std::size_t i = FLastFound + k < count ? FLastFound + k : FLastFound + k - count;
        if (FFields[i].first == Column) {
            FLastFound = i;
            return FFields[i].second;
        }
    }
    TField* field = dataset->FindField(Column->FieldName());
    FFields.emplace_back(Column, field);
    FLastFound = FFields.size() - 1;
    return field;
}

void TVgECustomDBDataEngine::AddFieldColumn(TVgEColumns* Columns, TField* Field) {
    TVgEColumn* column = Columns->Add();
    column->SetFieldName(Field->FieldName());
    column->SetAlignment(Field->Alignment());
    column->SetColor(clWhite);
    column->SetWidth(Field->DisplayWidth());
    column->SetVisible(Field->Visible());
    column->SetPrecision(ColumnPrecision(Field));
    column->SetDataType(GetValueType(Field->DataType(), Field->Value(), false));
    column->Title()->SetCaption(Field->DisplayLabel());
    column->Title()->SetAlignment(Field->Alignment());
    TFontStyles style = column->Title()->Font()->Style();
    style.Include(fsBold);
    column->Title()->Font()->SetStyle(style);
    column->Title()->SetColor(clSilver);
}

TVgEDatasetDataEngine::~TVgEDatasetDataEngine() {
    SetDataset(nullptr);
}

void TVgEDatasetDataEngine::SetDataset(TDataSet* Value) {
    if (FDataset == Value) return;
    if (FDataset != nullptr) FDataset->RemoveFreeNotification(this);
    FDataset = Value;
    ForgetFields();
    if (FDataset != nullptr) FDataset->FreeNotification(this);
}

void TVgEDatasetDataEngine::Notification(TComponent* AComponent, TOperation Operation) {
    TVgECustomDBDataEngine::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataset) {
        FDataset = nullptr;
        ForgetFields();
    }
}

void TVgEDatasetDataEngine::FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) {
    TVgECustomDBDataEngine::FillColumns(Columns, Bands, RightToLeft);
    if (FDataset == nullptr || Columns == nullptr) return;
    TFields* fields = FDataset->Fields();
    const Integer count = fields->Count();
    for (Integer i = 0; i < count; ++i)
        AddFieldColumn(Columns, fields->Fields(RightToLeft ? count - 1 - i : i));
}

TVgEDBGridDataEngine::~TVgEDBGridDataEngine() {
    SetDBGrid(nullptr);
}

void TVgEDBGridDataEngine::SetDBGrid(TCustomDBGrid* Value) {
    if (FDBGrid == Value) return;
    if (FDBGrid != nullptr) FDBGrid->RemoveFreeNotification(this);
    FDBGrid = Value;
    ForgetFields();
    if (FDBGrid != nullptr) FDBGrid->FreeNotification(this);
}

void TVgEDBGridDataEngine::Notification(TComponent* AComponent, TOperation Operation) {
    TVgECustomDBDataEngine::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDBGrid) {
        FDBGrid = nullptr;
        ForgetFields();
    }
}

TDataSet* TVgEDBGridDataEngine::GetDataset() const {
    if (FDBGrid == nullptr || FDBGrid->DataSource() == nullptr) return nullptr;
    return FDBGrid->DataSource()->DataSet();
}

void TVgEDBGridDataEngine::FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) {
    TVgECustomDBDataEngine::FillColumns(Columns, Bands, RightToLeft);
    if (FDBGrid == nullptr || Columns == nullptr) return;
    TDBGridColumns* gridColumns = FDBGrid->Columns();
    const Integer count = gridColumns->Count();
    for (Integer i = 0; i < count; ++i) {
        TColumn* source = gridColumns->Items(RightToLeft ? count - 1 - i : i);
        TField* field = source->Field();
        TVgEColumn* column = Columns->Add();
        column->SetFieldName(source->FieldName());
        column->SetAlignment(source->Alignment());
        column->SetColor(source->Color());
        column->SetFont(source->Font());
        column->SetVisible(source->Visible());
        column->SetWidth(field != nullptr ? field->DisplayWidth() : 10);
        column->SetPrecision(ColumnPrecision(field));
        // A column without a field exports its text.
        column->SetDataType(field != nullptr ? GetValueType(field->DataType(), field->Value(), false)
                                             : ctString);
        column->Title()->SetCaption(source->Title()->Caption());
        column->Title()->SetAlignment(source->Title()->Alignment());
        column->Title()->SetFont(source->Title()->Font());
        column->Title()->SetColor(source->Title()->Color());
    }
}

Integer TVgEDBGridDataEngine::SelectedCount() const {
    return FDBGrid != nullptr ? FDBGrid->SelectedRows()->Count() : 0;
}

void TVgEDBGridDataEngine::GotoSelected() {
    TDataSet* dataset = GetDataset();
    if (dataset != nullptr && FSelectedIndex < SelectedCount())
        dataset->GotoBookmark(FDBGrid->SelectedRows()->Items(FSelectedIndex));
}

bool TVgEDBGridDataEngine::Eof() {
    if (!SelectedRecord()) return TVgECustomDBDataEngine::Eof();
    return FSelectedIndex >= SelectedCount();
}

void TVgEDBGridDataEngine::First() {
    if (!SelectedRecord()) {
        TVgECustomDBDataEngine::First();
        return;
    }
    TVgECustomDataEngine::First();
    FSelectedIndex = 0;
    GotoSelected();
}

void TVgEDBGridDataEngine::Next() {
    if (!SelectedRecord()) {
        TVgECustomDBDataEngine::Next();
        return;
    }
    TVgECustomDataEngine::Next();
    ++FSelectedIndex;
    GotoSelected();
}

Integer TVgEDBGridDataEngine::RecordCount() {
    return SelectedRecord() ? SelectedCount() : TVgECustomDBDataEngine::RecordCount();
}
