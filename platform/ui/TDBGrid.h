#pragma once
// The plain data grid as forms place it: the data grid with nothing added.
#include "platform/ui/TCustomDBGrid.h"

class TDBGrid : public TCustomDBGrid {
public:
    explicit TDBGrid(TComponent* AOwner) : TCustomDBGrid(AOwner) {}
    String ClassName() const override { return "TDBGrid"; }
};
