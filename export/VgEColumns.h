#pragma once
// The export's column model: output columns with their titles, the bands above
// them, and the page setup the page-oriented formats read.
#include "export/ExportTypes.h"
#include "platform/core/TCollection.h"
#include "platform/graphics/TFont.h"

#include <memory>

class TVgEColumn;

class TVgEColumnTitle : public TPersistent {
public:
    explicit TVgEColumnTitle(TVgEColumn* AColumn = nullptr);
    String ClassName() const override { return "TVgEColumnTitle"; }
    TPersistent* GetOwner() const override;
    // Copies caption, alignment, font and colour from another title.
    void Assign(TPersistent* Source) override;

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

private:
    TVgEColumn* FColumn;
    String FCaption;
    TAlignment FAlignment = taLeftJustify;
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
    TColor FColor = clSilver;
};

class TVgEColumn : public TCollectionItem {
public:
    explicit TVgEColumn(TCollection* Collection);
    String ClassName() const override { return "TVgEColumn"; }
    // Copies every property and the title's, inside one update of the collection.
    void Assign(TPersistent* Source) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    const String& FieldName() const { return FFieldName; }
    void SetFieldName(const String& Value) { FFieldName = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    // Width in characters.
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value) { FWidth = Value; }
    Integer Precision() const { return FPrecision; }
    void SetPrecision(Integer Value) { FPrecision = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TVgEColumnTitle* Title() const { return FTitle.get(); }
    void SetTitle(TVgEColumnTitle* Value) { FTitle->Assign(Value); }
    TCellType DataType() const { return FDataType; }
    void SetDataType(TCellType Value) { FDataType = Value; }
    TVgEColumnKind ColumnKind() const { return FColumnKind; }
    void SetColumnKind(TVgEColumnKind Value) { FColumnKind = Value; }
    // Index of the band above the column; -1 for none.
    Integer BandIndex() const { return FBandIndex; }
    void SetBandIndex(Integer Value) { FBandIndex = Value; }

protected:
    String GetDisplayName() const override;

private:
    TAlignment FAlignment = taLeftJustify;
    TColor FColor = clWhite;
    String FFieldName;
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
    Integer FWidth = 0;
    Integer FPrecision = 0;
    bool FVisible = true;
    std::unique_ptr<TVgEColumnTitle> FTitle;
    TCellType FDataType = ctString;
    TVgEColumnKind FColumnKind = ckField;
    Integer FBandIndex = -1;
};

class TVgEColumns : public TOwnedCollection {
public:
    explicit TVgEColumns(TPersistent* AOwner);
    String ClassName() const override { return "TVgEColumns"; }
    TVgEColumn* Add() { return static_cast<TVgEColumn*>(TCollection::Add()); }
    TVgEColumn* Items(Integer Index) const { return static_cast<TVgEColumn*>(TCollection::Items(Index)); }
    void SetItems(Integer Index, TVgEColumn* Value) { Items(Index)->Assign(Value); }

    // Index of the first column whose FieldName is Name (case-sensitive); -1 if none.
    Integer ColumnByFieldName(const String& Name) const;
    // Index of the first visible column of Band; -1 if none.
    Integer MergedColStart(Integer Band) const;
    // Consecutive visible columns of Band from Start (0 past the last column).
    Integer MergedColCount(Integer Band, Integer Start) const;
    // Number of visible columns.
    Integer VisibleCount() const;
};

class TVgEColumnBand : public TCollectionItem {
public:
    explicit TVgEColumnBand(TCollection* Collection);
    String ClassName() const override { return "TVgEColumnBand"; }
    void Assign(TPersistent* Source) override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value) { FCaption = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }

private:
    TAlignment FAlignment = taLeftJustify;
    String FCaption;
    bool FVisible = true;
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
    TColor FColor = clSilver;
};

class TVgEColumnBands : public TOwnedCollection {
public:
    explicit TVgEColumnBands(TPersistent* AOwner);
    String ClassName() const override { return "TVgEColumnBands"; }
    TVgEColumnBand* Add() { return static_cast<TVgEColumnBand*>(TCollection::Add()); }
    TVgEColumnBand* Items(Integer Index) const {
        return static_cast<TVgEColumnBand*>(TCollection::Items(Index));
    }
    void SetItems(Integer Index, TVgEColumnBand* Value) { Items(Index)->Assign(Value); }
};

class TVgEPageSetup : public TPersistent {
public:
    String ClassName() const override { return "TVgEPageSetup"; }
    // Copies all eight settings from another page setup.
    void Assign(TPersistent* Source) override;

    TVgEMeasure Measure() const { return FMeasure; }
    void SetMeasure(TVgEMeasure Value) { FMeasure = Value; }
    bool UseDefault() const { return FUseDefault; }
    void SetUseDefault(bool Value) { FUseDefault = Value; }
    float TopMargin() const { return FTopMargin; }
    void SetTopMargin(float Value) { FTopMargin = Value; }
    float BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(float Value) { FBottomMargin = Value; }
    float LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(float Value) { FLeftMargin = Value; }
    float RightMargin() const { return FRightMargin; }
    void SetRightMargin(float Value) { FRightMargin = Value; }
    float TableWidth() const { return FTableWidth; }
    void SetTableWidth(float Value) { FTableWidth = Value; }
    TVgEOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVgEOrientation Value) { FOrientation = Value; }

private:
    TVgEMeasure FMeasure = emPoint;
    bool FUseDefault = true;
    float FTopMargin = 0;
    float FBottomMargin = 0;
    float FLeftMargin = 0;
    float FRightMargin = 0;
    float FTableWidth = 0;
    TVgEOrientation FOrientation = emDefault;
};
