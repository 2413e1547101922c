#pragma once
// The columns of a data grid: each shows one field of the dataset, with its
// own width, colours, fonts, alignment, pick list and a title. Unset
// properties follow the field (caption, alignment, width) or the grid
// (colour, fonts). In the default state the grid builds one column per
// visible field whenever the dataset's fields change.
#include "platform/core/TCollection.h"
#include "platform/data/TAlignment.h"
#include "platform/graphics/TColor.h"

#include <memory>

class TCustomDBGrid;
class TField;
class TFont;
class TStrings;
class TColumn;

enum TColumnButtonStyle { cbsAuto, cbsEllipsis, cbsNone };
enum TDBGridColumnsState { csDefault, csCustomized };

class TColumnTitle : public TPersistent {
public:
    explicit TColumnTitle(TColumn* AColumn);
    ~TColumnTitle() override;
    String ClassName() const override { return "TColumnTitle"; }
    void Assign(TPersistent* Source) override;

    TColumn* Column() const { return FColumn; }
    // The field's display label (or field name) until set.
    String Caption() const;
    void SetCaption(const String& Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    // The grid's fixed colour until set.
    TColor Color() const;
    void SetColor(TColor Value);
    // A copy of the grid's title font until changed.
    TFont* Font() const;
    void SetFont(TFont* Value);
    void RestoreDefaults();

private:
    TColumn* FColumn;
    String FCaption;
    bool FCaptionSet = false;
    TAlignment FAlignment = taLeftJustify;
    TColor FColor = clBtnFace;
    bool FColorSet = false;
    std::unique_ptr<TFont> FFont;
    bool FFontSet = false;
};

class TColumn : public TCollectionItem {
public:
    explicit TColumn(TCollection* Collection);
    ~TColumn() override;
    String ClassName() const override { return "TColumn"; }
    void Assign(TPersistent* Source) override;

    TCustomDBGrid* Grid() const;
    const String& FieldName() const { return FFieldName; }
    void SetFieldName(const String& Value);
    // The field of the grid's dataset named FieldName; null without one.
    TField* Field() const;
    void SetField(TField* Value);
    // The field's display width in characters of the grid font until set.
    Integer Width() const;
    void SetWidth(Integer Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // A read-only field makes the column read-only too.
    bool ReadOnly() const;
    void SetReadOnly(bool Value);
    TAlignment Alignment() const;
    void SetAlignment(TAlignment Value);
    TColor Color() const;
    void SetColor(TColor Value);
    TFont* Font() const;
    void SetFont(TFont* Value);
    TColumnTitle* Title() const { return FTitle.get(); }
    // Created on first read.
    TStrings* PickList() const;
    void SetPickList(TStrings* Value);
    TColumnButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TColumnButtonStyle Value);
    // Forgets every set value: the column follows its field and grid again.
    virtual void RestoreDefaults();
    Integer DefaultWidth() const;

protected:
    String GetDisplayName() const override;

private:
    String FFieldName;
    mutable TField* FField = nullptr;
    mutable bool FFieldResolved = false;
    Integer FWidth = 0;
    bool FWidthSet = false;
    bool FVisible = true;
    bool FReadOnly = false;
    TAlignment FAlignment = taLeftJustify;
    bool FAlignmentSet = false;
    TColor FColor = clWindow;
    bool FColorSet = false;
    std::unique_ptr<TFont> FFont;
    bool FFontSet = false;
    std::unique_ptr<TColumnTitle> FTitle;
    mutable std::unique_ptr<TStrings> FPickList;
    TColumnButtonStyle FButtonStyle = cbsAuto;

    friend class TDBGridColumns;
    friend class TColumnTitle;
};

class TDBGridColumns : public TCollection {
public:
    // The factory makes the items (TColumn unless a grid wants its own kind).
    TDBGridColumns(TCustomDBGrid* AGrid, TItemFactory ItemClass = {});
    String ClassName() const override { return "TDBGridColumns"; }
    TPersistent* GetOwner() const override;

    TCustomDBGrid* Grid() const { return FGrid; }
    TColumn* Add();
    TColumn* Items(Integer Index) const;
    TDBGridColumnsState State() const { return FState; }
    // Switching to csDefault drops the columns and builds them from the fields.
    void SetState(TDBGridColumnsState Value);
    // Builds one column per visible field of the grid's dataset.
    void RebuildColumns();
    // Clears every column's cached field (the dataset's fields changed).
    void ResetFields();

protected:
    void Update(TCollectionItem* Item) override;
    // A column added by hand makes the set the user's own.
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

private:
    TCustomDBGrid* FGrid;
    TDBGridColumnsState FState = csDefault;
    bool FRebuilding = false;
};
