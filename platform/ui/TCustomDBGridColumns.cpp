#include "platform/ui/TCustomDBGridColumns.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TCustomDBGrid.h"
#include "platform/ui/TGridDataLink.h"

#include <algorithm>

// ---- TColumnTitle ---------------------------------------------------------

TColumnTitle::TColumnTitle(TColumn* AColumn) : FColumn(AColumn), FFont(std::make_unique<TFont>()) {}

TColumnTitle::~TColumnTitle() = default;

void TColumnTitle::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TColumnTitle*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    if (src->FCaptionSet) SetCaption(src->FCaption);
    SetAlignment(src->FAlignment);
    if (src->FColorSet) SetColor(src->FColor);
    if (src->FFontSet) SetFont(src->FFont.get());
}

String TColumnTitle::Caption() const {
    if (FCaptionSet) return FCaption;
    if (TField* f = FColumn->Field()) return f->DisplayLabel();
    return FColumn->FieldName();
}

void TColumnTitle::SetCaption(const String& Value) {
    FCaption = Value;
    FCaptionSet = true;
    FColumn->Changed(false);
}

void TColumnTitle::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    FColumn->Changed(false);
}

TColor TColumnTitle::Color() const {
    if (FColorSet) return FColor;
    if (TCustomDBGrid* g = FColumn->Grid()) return g->FixedColor();
    return clBtnFace;
}

void TColumnTitle::SetColor(TColor Value) {
    FColor = Value;
    FColorSet = true;
    FColumn->Changed(false);
}

TFont* TColumnTitle::Font() const {
    if (!FFontSet)
        if (TCustomDBGrid* g = FColumn->Grid()) FFont->Assign(g->TitleFont());
    return FFont.get();
}

void TColumnTitle::SetFont(TFont* Value) {
    FFont->Assign(Value);
    FFontSet = true;
    FColumn->Changed(false);
}

void TColumnTitle::RestoreDefaults() {
    FCaptionSet = false;
    FCaption.clear();
    FAlignment = taLeftJustify;
    FColorSet = false;
    FFontSet = false;
}

// ---- TColumn --------------------------------------------------------------

TColumn::TColumn(TCollection* Collection)
    : TCollectionItem(nullptr), FFont(std::make_unique<TFont>()),
      FTitle(std::make_unique<TColumnTitle>(this)) {
    // Joined only now so the collection's notification sees a whole column.
    SetCollection(Collection);
}

TColumn::~TColumn() = default;

TCustomDBGrid* TColumn::Grid() const {
    auto* cols = dynamic_cast<TDBGridColumns*>(Collection());
    return cols ? cols->Grid() : nullptr;
}

void TColumn::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TColumn*>(Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (Collection()) Collection()->BeginUpdate();
    core::ScopeExit restore([&] {
        if (Collection()) Collection()->EndUpdate();
    });
    RestoreDefaults();
    FFieldName = src->FFieldName;
    FFieldResolved = false;
    if (src->FWidthSet) SetWidth(src->FWidth);
    FVisible = src->FVisible;
    FReadOnly = src->FReadOnly;
    if (src->FAlignmentSet) SetAlignment(src->FAlignment);
    if (src->FColorSet) SetColor(src->FColor);
    if (src->FFontSet) SetFont(src->FFont.get());
    FTitle->Assign(src->FTitle.get());
    if (src->FPickList) PickList()->Assign(src->FPickList.get());
    FButtonStyle = src->FButtonStyle;
}

void TColumn::SetFieldName(const String& Value) {
    FFieldName = Value;
    FFieldResolved = false;
    FField = nullptr;
    Changed(false);
}

TField* TColumn::Field() const {
    if (!FFieldResolved) {
        FField = nullptr;
        TCustomDBGrid* g = Grid();
        TDataSet* ds = g ? g->DataSet() : nullptr;
        if (ds && !FFieldName.empty()) FField = ds->FindField(FFieldName);
        FFieldResolved = ds != nullptr && ds->Active();
    }
    return FField;
}

void TColumn::SetField(TField* Value) {
    FFieldName = Value ? Value->FieldName() : String();
    FField = Value;
    FFieldResolved = Value != nullptr;
    Changed(false);
}

Integer TColumn::DefaultWidth() const {
    TCustomDBGrid* g = Grid();
    if (!g) return 64;
    TField* f = Field();
    if (!f) return g->DefaultColWidth();
    TCanvas* c = g->Canvas();
    c->Font()->Assign(Font());
    Integer w = f->DisplayWidth() * c->TextWidth("0") + 4;
    if (g->Options().Contains(dgTitles)) {
        c->Font()->Assign(FTitle->Font());
        w = std::max(w, c->TextWidth(FTitle->Caption()) + 4);
    }
    return w;
}

Integer TColumn::Width() const {
    return FWidthSet ? FWidth : DefaultWidth();
}

void TColumn::SetWidth(Integer Value) {
    FWidth = Value;
    FWidthSet = true;
    Changed(false);
}

void TColumn::SetVisible(bool Value) {
    if (Value == FVisible) return;
    FVisible = Value;
    Changed(true);
}

bool TColumn::ReadOnly() const {
    TField* f = Field();
    return FReadOnly || (f && f->ReadOnly());
}

void TColumn::SetReadOnly(bool Value) {
    FReadOnly = Value;
    Changed(false);
}

TAlignment TColumn::Alignment() const {
    if (FAlignmentSet) return FAlignment;
    if (TField* f = Field()) return f->Alignment();
    return taLeftJustify;
}

void TColumn::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    FAlignmentSet = true;
    Changed(false);
}

TColor TColumn::Color() const {
    if (FColorSet) return FColor;
    if (TCustomDBGrid* g = Grid()) return g->Color();
    return clWindow;
}

void TColumn::SetColor(TColor Value) {
    FColor = Value;
    FColorSet = true;
    Changed(false);
}

TFont* TColumn::Font() const {
    if (!FFontSet)
        if (TCustomDBGrid* g = Grid()) FFont->Assign(g->Font());
    return FFont.get();
}

void TColumn::SetFont(TFont* Value) {
    FFont->Assign(Value);
    FFontSet = true;
    Changed(false);
}

TStrings* TColumn::PickList() const {
    if (!FPickList) FPickList = std::make_unique<TStringList>();
    return FPickList.get();
}

void TColumn::SetPickList(TStrings* Value) {
    if (!Value)
        FPickList.reset();
    else
        PickList()->Assign(Value);
}

void TColumn::SetButtonStyle(TColumnButtonStyle Value) {
    if (Value == FButtonStyle) return;
    FButtonStyle = Value;
    Changed(false);
}

void TColumn::RestoreDefaults() {
    FWidthSet = false;
    FAlignmentSet = false;
    FColorSet = false;
    FFontSet = false;
    FReadOnly = false;
    FTitle->RestoreDefaults();
    FPickList.reset();
    FButtonStyle = cbsAuto;
    Changed(false);
}

String TColumn::GetDisplayName() const {
    return FFieldName.empty() ? ClassName() : FFieldName;
}

// ---- TDBGridColumns -------------------------------------------------------

TDBGridColumns::TDBGridColumns(TCustomDBGrid* AGrid, TItemFactory ItemClass)
    : TCollection(ItemClass ? std::move(ItemClass) : TItemFactory([](TCollection* c) -> TCollectionItem* {
          return new TColumn(c);
      })),
      FGrid(AGrid) {}

TPersistent* TDBGridColumns::GetOwner() const {
    return FGrid;
}

TColumn* TDBGridColumns::Add() {
    return static_cast<TColumn*>(TCollection::Add());
}

void TDBGridColumns::Notify(TCollectionItem* Item, TCollectionNotification Action) {
    if (Action != cnAdded || FRebuilding || FState == csCustomized) return;
    // The first column added by hand replaces the columns made from the fields.
    {
        FRebuilding = true;
        core::ScopeExit reset([this] { FRebuilding = false; });
        BeginUpdate();
        for (Integer i = Count() - 1; i >= 0; --i)
            if (TCollection::Items(i) != Item) Delete(i);
        EndUpdate();
    }
    FState = csCustomized;
}

TColumn* TDBGridColumns::Items(Integer Index) const {
    return static_cast<TColumn*>(TCollection::Items(Index));
}

void TDBGridColumns::SetState(TDBGridColumnsState Value) {
    FState = Value;
    if (Value == csDefault) RebuildColumns();
}

void TDBGridColumns::RebuildColumns() {
    FRebuilding = true;
    BeginUpdate();
    core::ScopeExit restore([&] {
        EndUpdate();
        FRebuilding = false;
    });
    Clear();
    TDataSet* ds = FGrid ? FGrid->DataSet() : nullptr;
    if (ds && ds->Active()) {
        for (Integer i = 0; i < ds->Fields()->Count(); ++i) {
            TField* f = ds->Fields()->Fields(i);
            if (f->Visible()) Add()->SetField(f);
        }
    }
}

void TDBGridColumns::ResetFields() {
    for (Integer i = 0; i < Count(); ++i) {
        Items(i)->FFieldResolved = false;
        Items(i)->FField = nullptr;
    }
}

void TDBGridColumns::Update(TCollectionItem* Item) {
    if (FRebuilding) return;
    // A column changed by hand is no longer one of the field defaults.
    if (Item) FState = csCustomized;
    if (FGrid) FGrid->LayoutChanged();
}
