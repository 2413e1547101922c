#pragma once
// Grouping rows: a record for which the grid's OnExpression answers true for
// a grouping's expression is drawn as one row across the whole grid.
#include "platform/core/TCollection.h"
#include "platform/graphics/TColor.h"

#include <memory>

class TFont;
class TVgDBGrid;

class TVgGrouping : public TCollectionItem {
public:
    explicit TVgGrouping(TCollection* Collection);
    ~TVgGrouping() override;
    String ClassName() const override { return "TVgGrouping"; }
    void Assign(TPersistent* Source) override;

    const String& Expression() const { return FExpression; }
    void SetExpression(const String& Value) { FExpression = Value; }
    // A bold copy of the grid's font in the button-text colour.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

private:
    String FExpression;
    std::unique_ptr<TFont> FFont;
    TColor FColor = clBtnFace;
};

class TVgGroupings : public TCollection {
public:
    explicit TVgGroupings(TVgDBGrid* AGrid);
    String ClassName() const override { return "TVgGroupings"; }
    TPersistent* GetOwner() const override;

    TVgDBGrid* Grid() const { return FGrid; }
    TVgGrouping* Add() { return static_cast<TVgGrouping*>(TCollection::Add()); }
    TVgGrouping* Items(Integer Index) const { return static_cast<TVgGrouping*>(TCollection::Items(Index)); }

private:
    TVgDBGrid* FGrid;
};
