#include "app/common/ListGrid.h"

#include "grid/TVgDBGrid.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"

namespace app {

namespace {

constexpr TColor EvenRowColor = 15990526; // pale cream

} // namespace

TVgDBGrid* MakeAreaGrid(TComponent* Owner, TWinControl* Parent, const String& Name,
                        std::initializer_list<GridColumn> Columns) {
    auto* grid = new TVgDBGrid(Owner);
    grid->SetName(Name);
    grid->SetParent(Parent);
    grid->SetAlign(alClient);
    grid->GridStyle()->SetStyle(gsCustom);
    grid->GridStyle()->SetOddColor(clWindow);
    grid->GridStyle()->SetEvenColor(EvenRowColor);
    grid->TitleHeight()->SetKind(hkPixelCount);
    grid->TitleHeight()->SetPixelCount(24);
    grid->SetDefaultRowHeight(17);
    grid->SetShowHint(true);
    for (const GridColumn& spec : Columns) {
        TVgDBColumn* column = grid->GetColumns()->Add();
        column->SetFieldName(spec.Field);
        if (spec.Title) column->Title()->SetCaption(spec.Title);
        if (spec.Width > 0) column->SetWidth(spec.Width);
    }
    return grid;
}

TVgDBGrid* MakeListGrid(TComponent* Owner, TWinControl* Parent, const String& Name, TDataSource* Source,
                        TPopupMenu* Menu, std::initializer_list<GridColumn> Columns) {
    TVgDBGrid* grid = MakeAreaGrid(Owner, Parent, Name, Columns);
    grid->SetOptions({dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect,
                      dgConfirmDelete, dgCancelOnExit});
    grid->SetExOptions(
        {eoCellHint, eoENTERlikeTAB, eoKeepSelection, eoBLOBEditor, eoTitleWordWrap, eoFilterAutoApply});
    grid->SetReadOnly(true);
    grid->SetScrollBars(ssHorizontal);
    grid->SetPopupMenu(Menu);
    grid->SetDataSource(Source);
    return grid;
}

TPopupMenu* MakePopupMenu(TComponent* Owner, const String& Name) {
    auto* menu = new TPopupMenu(Owner);
    menu->SetName(Name);
    return menu;
}

TMenuItem* AddPopupItem(TComponent* Owner, TPopupMenu* Menu, const String& Name, const String& Caption) {
    auto* item = new TMenuItem(Owner);
    item->SetName(Name);
    item->SetCaption(Caption);
    Menu->Items()->Add(item);
    return item;
}

} // namespace app
