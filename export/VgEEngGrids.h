#pragma once
// Engines over grids of other kinds, read through what their class publishes
// (VgEGridKinds.h): the Selected kind, whose "Selected" list names the columns,
// and the Fields kind, whose "Fields" collection describes them.
#include "export/VgEEngDB.h"

class TCustomControl;
struct TVgEGridKind;

// What both engines share: the grid, its kind and the dataset behind its data
// source; the reference is dropped when the grid is destroyed.
class TVgEKindGridDataEngine : public TVgECustomDBDataEngine {
public:
    ~TVgEKindGridDataEngine() override;

    TCustomControl* DBGrid() const { return FDBGrid; }
    // Accepts null or a grid of the engine's kind; raises Exception "Assigned
    // DBGrid (<name>) is not a supported type" for any other control.
    void SetDBGrid(TCustomControl* Value);
    TDataSet* GetDataset() const override;

protected:
    TVgEKindGridDataEngine(TComponent* AOwner, bool SelectedKind)
        : TVgECustomDBDataEngine(AOwner), FSelectedKind(SelectedKind) {}
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The grid's kind; null without a grid.
    const TVgEGridKind* Kind() const;

private:
    TCustomControl* FDBGrid = nullptr;
    bool FSelectedKind;
};

class TVgESelDBGridDataEngine : public TVgEKindGridDataEngine {
public:
    explicit TVgESelDBGridDataEngine(TComponent* AOwner) : TVgEKindGridDataEngine(AOwner, true) {}
    String ClassName() const override { return "TVgESelDBGridDataEngine"; }

    // Whether the grid's last row is a footer, left out of the data rows.
    bool ExportFooters() const { return FExportFooters; }
    void SetExportFooters(bool Value) { FExportFooters = Value; }

    bool SelectedRecordIsSupported() const override { return true; }
    // One column per entry of the grid's "Selected" list (field name, tab, width,
    // tab, title), filled from the dataset's visible fields when empty. The
    // dataset's field supplies alignment, width, visibility and title; the
    // grid's colour and fonts the look.
    void FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) override;
    // With ExportFooters, false from the last record on.
    bool IsDataRow(Integer RowIndex) override;

private:
    bool FExportFooters = false;
};

class TVgEFieldsDBGridDataEngine : public TVgEKindGridDataEngine {
public:
    explicit TVgEFieldsDBGridDataEngine(TComponent* AOwner) : TVgEKindGridDataEngine(AOwner, false) {}
    String ClassName() const override { return "TVgEFieldsDBGridDataEngine"; }

    // One column per item of the grid's "Fields" collection, with what the item
    // publishes; width from the dataset's field, 10 without one. An empty
    // collection gives one column per dataset field.
    void FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) override;
};

// Whether an engine reads Grid: a data grid, or a grid of the Selected or Fields kind.
bool GridDataEngineKnows(TCustomControl* Grid);
// A new engine for Grid's kind, owned by Owner and bound to Grid; null when none reads it.
TVgECustomDBDataEngine* CreateGridDataEngine(TComponent* Owner, TCustomControl* Grid);
