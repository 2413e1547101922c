#pragma once
// The data link of a data grid: its window of buffered records is the grid's
// visible data rows, and every notification of the dataset reaches the grid.
#include "platform/data/TDataLink.h"

class TCustomDBGrid;

class TGridDataLink : public TDataLink {
public:
    explicit TGridDataLink(TCustomDBGrid* AGrid) : FGrid(AGrid) {}
    String ClassName() const override { return "TGridDataLink"; }
    TCustomDBGrid* Grid() const { return FGrid; }

protected:
    void ActiveChanged() override;
    void DataSetChanged() override;
    void DataSetScrolled(Integer Distance) override;
    void EditingChanged() override;
    void LayoutChanged() override;
    void RecordChanged(TField* Field) override;
    void UpdateData() override;
    void FocusControl(TField** Field) override;

private:
    TCustomDBGrid* FGrid;
};
