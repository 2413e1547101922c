#pragma once
// A column of the data grid with sort marker, band, footer and filter
// settings, and the hook through which a column kind draws its own cells.
#include "grid/VgUtils.h"
#include "platform/core/Variant.h"
#include "platform/ui/TCustomDBGridColumns.h"
#include "platform/ui/TCustomGrid.h"

#include <memory>

class TCanvas;
class TVgDBGrid;

enum TVgSortType { stNone, stAscending, stDescending };
enum TVgInplaceEditorType {
    ieStandard,
    ieImageList,
    ieProgressbar,
    iePassword,
    ieHyperlink,
    ieButton,
    ieCheckbox
};
enum TVgFooterType { ftCustom, ftSum, ftCount, ftAverage, ftMin, ftMax };

class TVgDBColumn : public TColumn {
public:
    explicit TVgDBColumn(TCollection* Collection);
    ~TVgDBColumn() override;
    String ClassName() const override { return "TVgDBColumn"; }
    // Copies the sort, band, kind, filter and footer settings but not FooterValue.
    void Assign(TPersistent* Source) override;
    // Also drops the filter list.
    void RestoreDefaults() override;

    // The grid when the column lies in a grid's column collection, else null.
    TVgDBGrid* GetGrid() const;

    Integer BandIndex() const { return FBandIndex; }
    void SetBandIndex(Integer Value);
    const String& SortCaption() const { return FSortCaption; }
    void SetSortCaption(const String& Value);
    TVgSortType SortType() const { return FSortType; }
    // A new value fires the grid's OnSortChanged, then repaints the titles.
    void SetSortType(TVgSortType Value);
    TVgInplaceEditorType InplaceEditor() const { return FInplaceEditor; }
    void SetInplaceEditor(TVgInplaceEditorType Value);
    const Variant& FooterValue() const { return FFooterValue; }
    void SetFooterValue(const Variant& Value);
    TVgFooterType FooterType() const { return FFooterType; }
    void SetFooterType(TVgFooterType Value);
    // Each "%" stands for the footer value's text.
    const String& FooterText() const { return FFooterText; }
    void SetFooterText(const String& Value);
    // What the footer cell shows: FooterText with every "%" replaced by the value's
    // text, or the value's text alone when FooterText is empty.
    String FooterCellText() const;
    Integer Tag() const { return FTag; }
    void SetTag(Integer Value) { FTag = Value; }
    TVgTextEllipsis TextEllipsis() const { return FTextEllipsis; }
    void SetTextEllipsis(TVgTextEllipsis Value);
    const String& FilterValue() const { return FFilterValue; }
    void SetFilterValue(const String& Value);
    // Created empty on first read; null frees it, a list is copied.
    TStrings* FilterList() const;
    void SetFilterList(TStrings* Value);
    bool Filterable() const { return FFilterable; }
    void SetFilterable(bool Value) { FFilterable = Value; }
    // Records counted by the last CalculateTotals.
    Integer RecordCounter() const { return FRecordCounter; }
    void SetRecordCounter(Integer Value) { FRecordCounter = Value; }

    // A column kind draws the cell and sets Done; the base draws nothing.
    virtual void DrawItem(TCanvas* Canvas, const TRect& Rect, const Variant& Value, TColor Color,
                          TGridDrawState State, bool& Done);
    // Whether DrawItem draws anything (the kinds do; the plain column not).
    virtual bool DrawsItself() const { return false; }

private:
    void Notify();

    Integer FBandIndex = -1;
    String FSortCaption;
    TVgSortType FSortType = stNone;
    TVgInplaceEditorType FInplaceEditor = ieStandard;
    Variant FFooterValue;
    TVgFooterType FFooterType = ftCustom;
    String FFooterText;
    Integer FTag = 0;
    TVgTextEllipsis FTextEllipsis = teNone;
    String FFilterValue;
    mutable std::unique_ptr<TStrings> FFilterList;
    bool FFilterable = true;
    Integer FRecordCounter = 0;
};

// The column collection of the data grid: its items are TVgDBColumn.
class TVgDBGridColumns : public TDBGridColumns {
public:
    explicit TVgDBGridColumns(TCustomDBGrid* AGrid);
    String ClassName() const override { return "TVgDBGridColumns"; }
    TVgDBColumn* Add() { return static_cast<TVgDBColumn*>(TDBGridColumns::Add()); }
    // Raises EListError "List index out of bounds (<i>)".
    TVgDBColumn* GetColumn(Integer Index) const;
    void SetColumn(Integer Index, TVgDBColumn* Value);
    TVgDBColumn* Columns(Integer Index) const { return GetColumn(Index); }
};

// The ellipsis of a column for drawing: teNone for a plain column.
TVgTextEllipsis ColumnEllipsis(TColumn* Column);
