#pragma once
// The grid kinds the export knows, by class name: for each, the published
// properties its engines and routines read. The data grids (TCustomDBGrid and
// every class derived from it) are known without registration; other grid
// classes are registered with what they publish, and are recognised from that
// the way PropIsDBGrid says.
#include "platform/core/Types.h"
#include "platform/data/TAlignment.h"
#include "platform/graphics/TColor.h"

#include <functional>
#include <optional>
#include <variant>
#include <vector>

class TBookmarkList;
class TComponent;
class TCustomControl;
class TDataSource;
class TFont;
class TStrings;

// A title object of a column item; what its class does not publish stays empty.
struct TVgEGridItemTitle {
    std::optional<String> Caption;
    std::optional<TAlignment> Alignment;
    TFont* Font = nullptr;
    std::optional<TColor> Color;
};

// One item of a grid's column collection, as its class publishes it.
struct TVgEGridItem {
    std::optional<String> FieldName;
    std::optional<TAlignment> Alignment;
    std::optional<TColor> Color;
    TFont* Font = nullptr;
    std::optional<bool> Visible;
    // "Title": an object with its own properties, or a text that is the caption.
    std::variant<std::monostate, TVgEGridItemTitle, String> Title;
};

// What a "Columns" property holds.
enum class TVgEGridColumns {
    None,            // the class has no such property
    FieldCollection, // a collection whose items publish FieldName
    Other,           // any other object
};

struct TVgEGridKind {
    String ClassName;
    // Each reads one published property of a control of the class; left empty
    // when the class has no such property.
    std::function<TDataSource*(TCustomControl*)> DataSource;
    TVgEGridColumns Columns = TVgEGridColumns::None;
    std::function<TStrings*(TCustomControl*)> Selected;
    std::function<std::vector<TVgEGridItem>(TCustomControl*)> Fields;
    std::function<TBookmarkList*(TCustomControl*)> SelectedRows;
    std::function<TColor(TCustomControl*)> Color;
    std::function<TFont*(TCustomControl*)> Font;
    std::function<TFont*(TCustomControl*)> TitleFont;
};

// Registers (or replaces) the kind of that class name.
void RegisterGridKind(TVgEGridKind Kind);
void UnregisterGridKind(const String& ClassName);
// The kind of Control's class: the data grids' own for a TCustomDBGrid, else the
// one registered under its class name; null for anything else.
const TVgEGridKind* FindGridKind(const TComponent* Control);

// Whether Control is a grid the engines can read: it must be a TCustomControl
// with a data source; a "Columns" collection of fields makes it a plain data
// grid (both kinds false), any other "Columns" is not recognised; else a
// "Selected" list makes the Selected kind and a "Fields" collection the Fields
// kind.
bool PropIsDBGrid(TComponent* Control, bool& IsSelectedKind, bool& IsFieldsKind);
// Adds to List the name of every recognised grid among Component's controls,
// depth-first into every windowed control.
void FillGridList(TComponent* Component, TStrings* List);
