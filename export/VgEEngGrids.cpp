// Engines over the Selected and Fields kinds of grid.
#include "export/VgEEngGrids.h"

#include "export/LanguageStrings.h"
#include "export/VgEColumns.h"
#include "export/VgEGridKinds.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/ui/TCustomControl.h"
#include "platform/ui/TCustomDBGrid.h"

TVgEKindGridDataEngine::~TVgEKindGridDataEngine() {
    SetDBGrid(nullptr);
}

void TVgEKindGridDataEngine::SetDBGrid(TCustomControl* Value) {
    bool selectedKind = false;
    bool fieldsKind = false;
    if (Value != nullptr &&
        !(PropIsDBGrid(Value, selectedKind, fieldsKind) && (FSelectedKind ? selectedKind : fieldsKind)))
        throw Exception(Format(VgELanguageText(vgeUnsupportedGrid), {Value->Name()}));
    if (FDBGrid == Value) return;
    if (FDBGrid != nullptr) FDBGrid->RemoveFreeNotification(this);
    FDBGrid = Value;
    ForgetFields();
    if (FDBGrid != nullptr) FDBGrid->FreeNotification(this);
}

void TVgEKindGridDataEngine::Notification(TComponent* AComponent, TOperation Operation) {
    TVgECustomDBDataEngine::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDBGrid) {
        FDBGrid = nullptr;
        ForgetFields();
    }
}

const TVgEGridKind* TVgEKindGridDataEngine::Kind() const {
    return FDBGrid != nullptr ? FindGridKind(FDBGrid) : nullptr;
}

TDataSet* TVgEKindGridDataEngine::GetDataset() const {
    const TVgEGridKind* kind = Kind();
    TDataSource* source = kind != nullptr ? kind->DataSource(FDBGrid) : nullptr;
    return source != nullptr ? source->DataSet() : nullptr;
}

void TVgESelDBGridDataEngine::FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) {
    TVgECustomDBDataEngine::FillColumns(Columns, Bands, RightToLeft);
    const TVgEGridKind* kind = Kind();
    TDataSet* dataset = GetDataset();
    if (kind == nullptr || dataset == nullptr || Columns == nullptr) return;
    TStrings* selected = kind->Selected(DBGrid());
    if (selected->Count() == 0) {
        for (Integer i = 0; i < dataset->Fields()->Count(); ++i) {
            TField* field = dataset->Fields()->Fields(i);
            if (field->Visible())
                selected->Add(field->FieldName() + "\t" + IntToStr(field->DisplayWidth()) + "\t" +
                              field->DisplayLabel());
        }
    }
    const Integer count = selected->Count();
    for (Integer i = 0; i < count; ++i) {
        const String& entry = selected->Strings(RightToLeft ? count - 1 - i : i);
        TVgEColumn* column = Columns->Add();
        column->SetFieldName(entry.substr(0, entry.find('\t')));
        if (TField* field = dataset->FindField(column->FieldName())) {
            column->SetAlignment(field->Alignment());
            column->SetWidth(field->DisplayWidth());
            column->SetVisible(field->Visible());
            column->Title()->SetCaption(field->DisplayLabel());
            column->Title()->SetAlignment(field->Alignment());
        }
        if (kind->Color) column->SetColor(kind->Color(DBGrid()));
        if (kind->Font) column->SetFont(kind->Font(DBGrid()));
        if (kind->TitleFont) column->Title()->SetFont(kind->TitleFont(DBGrid()));
        column->Title()->SetColor(clSilver);
    }
}

bool TVgESelDBGridDataEngine::IsDataRow(Integer RowIndex) {
    return !FExportFooters || RowIndex < RecordCount() - 1;
}

void TVgEFieldsDBGridDataEngine::FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) {
    TVgECustomDBDataEngine::FillColumns(Columns, Bands, RightToLeft);
    const TVgEGridKind* kind = Kind();
    if (kind == nullptr || Columns == nullptr) return;
    TDataSet* dataset = GetDataset();
    const std::vector<TVgEGridItem> items = kind->Fields(DBGrid());
    if (items.empty()) {
        if (dataset == nullptr) return;
        const Integer count = dataset->Fields()->Count();
        for (Integer i = 0; i < count; ++i)
            AddFieldColumn(Columns, dataset->Fields()->Fields(RightToLeft ? count - 1 - i : i));
        return;
    }
    const std::size_t count = items.size();
    for (std::size_t i = 0; i < count; ++i) {
        const TVgEGridItem& item = items[RightToLeft ? count - 1 - i : i];
        TVgEColumn* column = Columns->Add();
        if (item.FieldName) column->SetFieldName(*item.FieldName);
        if (item.Alignment) column->SetAlignment(*item.Alignment);
        if (item.Color) column->SetColor(*item.Color);
        if (item.Font != nullptr) column->SetFont(item.Font);
        if (item.Visible) column->SetVisible(*item.Visible);
        TField* field = dataset != nullptr ? dataset->FindField(column->FieldName()) : nullptr;
        column->SetWidth(field != nullptr ? field->DisplayWidth() : 10);
        if (const auto* text = std::get_if<String>(&item.Title)) column->Title()->SetCaption(*text);
        if (const auto* title = std::get_if<TVgEGridItemTitle>(&item.Title)) {
            if (title->Caption) column->Title()->SetCaption(*title->Caption);
            if (title->Alignment) column->Title()->SetAlignment(*title->Alignment);
            if (title->Font != nullptr) column->Title()->SetFont(title->Font);
            if (title->Color) column->Title()->SetColor(*title->Color);
        }
    }
}

bool GridDataEngineKnows(TCustomControl* Grid) {
    bool selectedKind = false;
    bool fieldsKind = false;
    return PropIsDBGrid(Grid, selectedKind, fieldsKind) &&
           (selectedKind || fieldsKind || dynamic_cast<TCustomDBGrid*>(Grid) != nullptr);
}

TVgECustomDBDataEngine* CreateGridDataEngine(TComponent* Owner, TCustomControl* Grid) {
    bool selectedKind = false;
    bool fieldsKind = false;
    PropIsDBGrid(Grid, selectedKind, fieldsKind);
    if (selectedKind || fieldsKind) {
        auto* engine = selectedKind ? static_cast<TVgEKindGridDataEngine*>(new TVgESelDBGridDataEngine(Owner))
                                    : new TVgEFieldsDBGridDataEngine(Owner);
        engine->SetDBGrid(Grid);
        return engine;
    }
    auto* dataGrid = dynamic_cast<TCustomDBGrid*>(Grid);
    if (dataGrid == nullptr) return nullptr;
    auto* engine = new TVgEDBGridDataEngine(Owner);
    engine->SetDBGrid(dataGrid);
    return engine;
}
