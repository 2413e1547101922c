// Column model of the export: copying between items keeps one collection update
// per copy, so owners hear of a changed column once.
#include "export/VgEColumns.h"

#include "platform/core/ScopeExit.h"

TVgEColumnTitle::TVgEColumnTitle(TVgEColumn* AColumn) : FColumn(AColumn) {}

TPersistent* TVgEColumnTitle::GetOwner() const {
    return FColumn;
}

void TVgEColumnTitle::Assign(TPersistent* Source) {
    auto* title = dynamic_cast<TVgEColumnTitle*>(Source);
    if (title == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FCaption = title->FCaption;
    FAlignment = title->FAlignment;
    FFont->Assign(title->FFont.get());
    FColor = title->FColor;
}

TVgEColumn::TVgEColumn(TCollection* Collection)
    : TCollectionItem(Collection), FTitle(std::make_unique<TVgEColumnTitle>(this)) {}

String TVgEColumn::GetDisplayName() const {
    return FFieldName.empty() ? ClassName() : FFieldName;
}

void TVgEColumn::Assign(TPersistent* Source) {
    auto* column = dynamic_cast<TVgEColumn*>(Source);
    if (column == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (Collection() != nullptr) Collection()->BeginUpdate();
    auto done = core::ScopeExit([this] {
        if (Collection() != nullptr) Collection()->EndUpdate();
    });
    FFieldName = column->FFieldName;
    FFont->Assign(column->FFont.get());
    FColor = column->FColor;
    FWidth = column->FWidth;
    FPrecision = column->FPrecision;
    FAlignment = column->FAlignment;
    FVisible = column->FVisible;
    FDataType = column->FDataType;
    FColumnKind = column->FColumnKind;
    FBandIndex = column->FBandIndex;
    FTitle->Assign(column->FTitle.get());
}

TVgEColumns::TVgEColumns(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClassOf<TVgEColumn>()) {}

Integer TVgEColumns::ColumnByFieldName(const String& Name) const {
    for (Integer i = 0; i < Count(); ++i)
        if (Items(i)->FieldName() == Name) return i;
    return -1;
}

Integer TVgEColumns::MergedColStart(Integer Band) const {
    for (Integer i = 0; i < Count(); ++i)
        if (Items(i)->Visible() && Items(i)->BandIndex() == Band) return i;
    return -1;
}

Integer TVgEColumns::MergedColCount(Integer Band, Integer Start) const {
    Integer count = 0;
    for (Integer i = Start; i >= 0 && i < Count(); ++i) {
        if (!Items(i)->Visible() || Items(i)->BandIndex() != Band) break;
        ++count;
    }
    return count;
}

Integer TVgEColumns::VisibleCount() const {
    Integer count = 0;
    for (Integer i = 0; i < Count(); ++i)
        if (Items(i)->Visible()) ++count;
    return count;
}

TVgEColumnBand::TVgEColumnBand(TCollection* Collection) : TCollectionItem(Collection) {}

void TVgEColumnBand::Assign(TPersistent* Source) {
    auto* band = dynamic_cast<TVgEColumnBand*>(Source);
    if (band == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (Collection() != nullptr) Collection()->BeginUpdate();
    auto done = core::ScopeExit([this] {
        if (Collection() != nullptr) Collection()->EndUpdate();
    });
    FAlignment = band->FAlignment;
    FCaption = band->FCaption;
    FVisible = band->FVisible;
    FFont->Assign(band->FFont.get());
    FColor = band->FColor;
}

TVgEColumnBands::TVgEColumnBands(TPersistent* AOwner)
    : TOwnedCollection(AOwner, ItemClassOf<TVgEColumnBand>()) {}

void TVgEPageSetup::Assign(TPersistent* Source) {
    auto* setup = dynamic_cast<TVgEPageSetup*>(Source);
    if (setup == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FMeasure = setup->FMeasure;
    FUseDefault = setup->FUseDefault;
    FTopMargin = setup->FTopMargin;
    FBottomMargin = setup->FBottomMargin;
    FLeftMargin = setup->FLeftMargin;
    FRightMargin = setup->FRightMargin;
    FTableWidth = setup->FTableWidth;
    FOrientation = setup->FOrientation;
}
