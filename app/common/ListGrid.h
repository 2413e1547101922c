#pragma once
// The read-only list grids of the work areas: whole-row selection, titles 24 pixels
// high, rows 17, white and cream rows, a horizontal scroll bar, and a context menu.
#include "platform/core/Types.h"

#include <initializer_list>

class TComponent;
class TDataSource;
class TMenuItem;
class TPopupMenu;
class TVgDBGrid;
class TWinControl;

namespace app {

struct GridColumn {
    const char* Field;
    const char* Title; // nullptr: the field's name
    Integer Width;     // 0 leaves the grid's default width
};

// A grid named Name filling Parent with the areas' look (white and cream rows, titles
// 24 pixels high, rows 17, hints) and Columns; options and data source are the caller's.
TVgDBGrid* MakeAreaGrid(TComponent* Owner, TWinControl* Parent, const String& Name,
                        std::initializer_list<GridColumn> Columns);

// A list grid named Name filling Parent, showing Source through Columns.
TVgDBGrid* MakeListGrid(TComponent* Owner, TWinControl* Parent, const String& Name, TDataSource* Source,
                        TPopupMenu* Menu, std::initializer_list<GridColumn> Columns);

// An empty context menu named Name, and an entry added to it.
TPopupMenu* MakePopupMenu(TComponent* Owner, const String& Name);
TMenuItem* AddPopupItem(TComponent* Owner, TPopupMenu* Menu, const String& Name, const String& Caption);

} // namespace app
