#include "grid/TVgDBColumn.h"

#include "grid/TVgDBGrid.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"

TVgDBColumn::TVgDBColumn(TCollection* Collection) : TColumn(Collection) {}

TVgDBColumn::~TVgDBColumn() = default;

TVgDBGrid* TVgDBColumn::GetGrid() const {
    if (!dynamic_cast<TVgDBGridColumns*>(Collection())) return nullptr;
    return dynamic_cast<TVgDBGrid*>(Grid());
}

void TVgDBColumn::Assign(TPersistent* Source) {
    TColumn::Assign(Source);
    auto* src = dynamic_cast<TVgDBColumn*>(Source);
    if (!src) return;
    if (Collection()) Collection()->BeginUpdate();
    FSortCaption = src->FSortCaption;
    FSortType = src->FSortType;
    FInplaceEditor = src->FInplaceEditor;
    FTag = src->FTag;
    FBandIndex = src->FBandIndex;
    FTextEllipsis = src->FTextEllipsis;
    FFilterValue = src->FFilterValue;
    SetFilterList(src->FFilterList.get());
    FFooterType = src->FFooterType;
    FFooterText = src->FFooterText;
    FFilterable = src->FFilterable;
    if (Collection()) Collection()->EndUpdate();
}

void TVgDBColumn::RestoreDefaults() {
    TColumn::RestoreDefaults();
    FFilterList.reset();
}

void TVgDBColumn::Notify() {
    Changed(false);
}

void TVgDBColumn::SetBandIndex(Integer Value) {
    if (Value == FBandIndex) return;
    FBandIndex = Value;
    Notify();
}

void TVgDBColumn::SetSortCaption(const String& Value) {
    if (Value == FSortCaption) return;
    FSortCaption = Value;
    Notify();
    if (TVgDBGrid* g = GetGrid()) g->InvalidateTitles();
}

void TVgDBColumn::SetSortType(TVgSortType Value) {
    if (Value == FSortType) return;
    FSortType = Value;
    Notify();
    if (TVgDBGrid* g = GetGrid()) {
        if (g->OnSortChanged) g->OnSortChanged(g, this);
        g->InvalidateTitles();
    }
}

void TVgDBColumn::SetInplaceEditor(TVgInplaceEditorType Value) {
    if (Value == FInplaceEditor) return;
    FInplaceEditor = Value;
    Notify();
}

void TVgDBColumn::SetFooterValue(const Variant& Value) {
    FFooterValue = Value;
    Notify();
    if (TVgDBGrid* g = GetGrid()) g->InvalidateFooter();
}

void TVgDBColumn::SetFooterType(TVgFooterType Value) {
    if (Value == FFooterType) return;
    FFooterType = Value;
    Notify();
    if (TVgDBGrid* g = GetGrid()) g->InvalidateFooter();
}

void TVgDBColumn::SetFooterText(const String& Value) {
    FFooterText = Value;
    if (TVgDBGrid* g = GetGrid()) g->FooterChanged();
}

String TVgDBColumn::FooterCellText() const {
    const String value = VarToStr(FFooterValue);
    return FFooterText.empty() ? value : StringReplace(FFooterText, "%", value, rfReplaceAll);
}

void TVgDBColumn::SetTextEllipsis(TVgTextEllipsis Value) {
    if (Value == FTextEllipsis) return;
    FTextEllipsis = Value;
    Notify();
}

void TVgDBColumn::SetFilterValue(const String& Value) {
    if (Value == FFilterValue) return;
    FFilterValue = Value;
    Notify();
}

TStrings* TVgDBColumn::FilterList() const {
    if (!FFilterList) FFilterList = std::make_unique<TStringList>();
    return FFilterList.get();
}

void TVgDBColumn::SetFilterList(TStrings* Value) {
    if (!Value)
        FFilterList.reset();
    else
        FilterList()->Assign(Value);
}

void TVgDBColumn::DrawItem(TCanvas*, const TRect&, const Variant&, TColor, TGridDrawState, bool&) {}

// ---- TVgDBGridColumns ----------------------------------------------------

TVgDBGridColumns::TVgDBGridColumns(TCustomDBGrid* AGrid)
    : TDBGridColumns(AGrid, [](TCollection* c) -> TCollectionItem* { return new TVgDBColumn(c); }) {}

TVgDBColumn* TVgDBGridColumns::GetColumn(Integer Index) const {
    return static_cast<TVgDBColumn*>(TDBGridColumns::Items(Index));
}

void TVgDBGridColumns::SetColumn(Integer Index, TVgDBColumn* Value) {
    GetColumn(Index)->Assign(Value);
}

TVgTextEllipsis ColumnEllipsis(TColumn* Column) {
    auto* c = dynamic_cast<TVgDBColumn*>(Column);
    return c ? c->TextEllipsis() : teNone;
}
