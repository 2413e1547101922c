#include "grid/TVgGroupings.h"

#include "grid/TVgDBGrid.h"
#include "platform/graphics/TFont.h"

TVgGrouping::TVgGrouping(TCollection* Collection)
    : TCollectionItem(nullptr), FFont(std::make_unique<TFont>()) {
    if (auto* groups = dynamic_cast<TVgGroupings*>(Collection); groups && groups->Grid())
        FFont->Assign(groups->Grid()->Font());
    FFont->SetStyle(FFont->Style() + TFontStyles{fsBold});
    FFont->SetColor(clBtnText);
    SetCollection(Collection);
}

TVgGrouping::~TVgGrouping() = default;

void TVgGrouping::Assign(TPersistent* Source) {
    auto* src = dynamic_cast<TVgGrouping*>(Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (Collection()) Collection()->BeginUpdate();
    FExpression = src->FExpression;
    FFont->Assign(src->FFont.get());
    FColor = src->FColor;
    if (Collection()) Collection()->EndUpdate();
}

void TVgGrouping::SetFont(TFont* Value) {
    FFont->Assign(Value);
}

TVgGroupings::TVgGroupings(TVgDBGrid* AGrid)
    : TCollection([](TCollection* c) -> TCollectionItem* { return new TVgGrouping(c); }), FGrid(AGrid) {}

TPersistent* TVgGroupings::GetOwner() const {
    return FGrid;
}
