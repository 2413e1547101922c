#pragma once
// The data grid's filter box: a combo box shown over one column's filter
// strip while a value is typed or picked; it remembers that column.
#include "platform/ui/TComboBox.h"

class TColumn;

class TFilterComboBox : public TComboBox {
public:
    using TComboBox::TComboBox;
    String ClassName() const override { return "TFilterComboBox"; }
    // The column being filtered; none while idle.
    TColumn* Column() const { return FColumn; }
    void SetColumn(TColumn* Value) { FColumn = Value; }

private:
    TColumn* FColumn = nullptr;
};
