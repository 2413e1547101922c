#pragma once
// Data engines over a dataset: the dataset engine, and the grid engine that takes
// its columns and selected rows from the data grid. Both keep the dataset's
// position across a run and drop their reference when the dataset or grid goes.
#include "export/VgEEngine.h"
#include "platform/data/TDataSetState.h"

#include <utility>
#include <vector>

class TCustomDBGrid;
class TDataSet;

class TVgECustomDBDataEngine : public TVgECustomDataEngine {
public:
    explicit TVgECustomDBDataEngine(TComponent* AOwner) : TVgECustomDataEngine(AOwner) {}
    String ClassName() const override { return "TVgECustomDBDataEngine"; }

    // The dataset read; none in this base.
    virtual TDataSet* GetDataset() const { return nullptr; }

    void EnableControls() override;
    void DisableControls() override;
    // Keeps the dataset's bookmark; RestorePosition returns to it when it still
    // exists, so a run leaves the dataset where it found it.
    void SavePosition() override;
    void RestorePosition() override;
    bool Eof() override;
    void First() override;
    void Next() override;
    // The field's value; Null without a field.
    Variant GetFieldValue(TVgEColumn* Column) override;
    Integer RecordCount() override;
    bool RequiredByColumn(TVgEColumn* Column) override;
    bool ReadOnlyByColumn(TVgEColumn* Column) override;
    // The dataset's field named by the column; null without column, dataset or field.
    // Between SavePosition and RestorePosition the answer is kept per column, since
    // the export asks once for every cell.
    TField* FindFieldByColumn(TVgEColumn* Column) override;

protected:
    // Forgets the kept fields (the dataset or its fields may have changed).
    void ForgetFields() {
        FFields.clear();
        FLastFound = 0;
    }
    // One output column per field: name, alignment, width, visibility, precision,
    // type and title from the field (the dataset engine's default columns).
    static void AddFieldColumn(TVgEColumns* Columns, TField* Field);

private:
    TBookmark FBookmark;
    bool FInRun = false;
    std::vector<std::pair<TVgEColumn*, TField*>> FFields;
    // Where the last kept answer was found: the cells of a record ask column after column.
    std::size_t FLastFound = 0;
};

class TVgEDatasetDataEngine : public TVgECustomDBDataEngine {
public:
    explicit TVgEDatasetDataEngine(TComponent* AOwner) : TVgECustomDBDataEngine(AOwner) {}
    ~TVgEDatasetDataEngine() override;
    String ClassName() const override { return "TVgEDatasetDataEngine"; }

    TDataSet* Dataset() const { return FDataset; }
    void SetDataset(TDataSet* Value);
    TDataSet* GetDataset() const override { return FDataset; }
    // After the base step, one column per field of the dataset (last first with
    // RightToLeft).
    void FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TDataSet* FDataset = nullptr;
};

class TVgEDBGridDataEngine : public TVgECustomDBDataEngine {
public:
    explicit TVgEDBGridDataEngine(TComponent* AOwner) : TVgECustomDBDataEngine(AOwner) {}
    ~TVgEDBGridDataEngine() override;
    String ClassName() const override { return "TVgEDBGridDataEngine"; }

    TCustomDBGrid* DBGrid() const { return FDBGrid; }
    void SetDBGrid(TCustomDBGrid* Value);
    // The grid's data source's dataset; null when any link is missing.
    TDataSet* GetDataset() const override;

    bool SelectedRecordIsSupported() const override { return true; }
    // One column per grid column, with the grid column's look and title.
    void FillColumns(TVgEColumns* Columns, TVgEColumnBands* Bands, bool RightToLeft) override;
    // With SelectedRecord these walk the grid's selected rows in selection order.
    bool Eof() override;
    void First() override;
    void Next() override;
    Integer RecordCount() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    Integer SelectedCount() const;
    void GotoSelected();
    TCustomDBGrid* FDBGrid = nullptr;
    Integer FSelectedIndex = 0;
};
