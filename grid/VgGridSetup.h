#pragma once
// The grid setup's model, apart from its form: one item per list line (a
// grid column, or a dataset field without one), built from a grid and put
// back into it, the shared colour table of the two colour lists, and the
// width conversion between characters and pixels.
#include "platform/data/TAlignment.h"
#include "platform/graphics/TColor.h"

#include <functional>
#include <memory>
#include <vector>

class TCustomDBGrid;
class TFont;
class TStrings;

class TVgGridSetupItem {
public:
    TVgGridSetupItem();
    ~TVgGridSetupItem();
    TVgGridSetupItem(TVgGridSetupItem&&) noexcept;
    TVgGridSetupItem& operator=(TVgGridSetupItem&&) noexcept;

    Integer Index = 0;
    String FieldName;
    TAlignment TitleAlignment = taLeftJustify;
    String TitleCaption;
    TColor TitleColor = clBtnFace;
    std::unique_ptr<TFont> TitleFont;
    TAlignment DataAlignment = taLeftJustify;
    TColor DataColor = clWindow;
    std::unique_ptr<TFont> DataFont;
    Integer Width = 0; // characters; 0 leaves the width alone
    bool Checked = false;
};

namespace vg {

// Entries of each colour list: 16 basic colours, 25 system colours, three
// more, and the list's custom slot last.
constexpr Integer SetupColorCount = 45;
constexpr Integer CustomColorEntry = 44;
// The colour of list entry Index (the last entry reads the title's or the
// data's custom slot).
TColor SetupColor(Integer Index, bool Data);
void SetSetupCustomColor(bool Data, TColor Value);
// The list entry that shows Color. A colour not in the table is kept in the
// list's custom slot and shows as the last entry (never as black).
Integer IndexOfSetupColor(TColor Color, bool Data);

// Average width of "0" less the overhang, in pixels, of a font.
using ZeroWidth = std::function<Integer(TFont* Font)>;
// The width of "0" in Font on the screen (its fonts have no overhang).
Integer FontZeroWidth(TFont* Font);
Integer PixelsToChars(Integer Pixels, Integer Zero, Integer Overhang = 0);
Integer CharsToPixels(Integer Chars, Integer Zero, Integer Overhang = 0);

// Lines for the grid's columns (checked when visible), then unchecked lines
// for the dataset's fields that have none; only allowed field names when
// Allowed holds any.
std::vector<TVgGridSetupItem> BuildSetupItems(TCustomDBGrid* Grid, const TStrings* Allowed,
                                              const ZeroWidth& Zero);
// Rebuilds the grid's persistent columns from the checked lines, in list
// order, inside one layout change.
void ApplySetupItems(TCustomDBGrid* Grid, const std::vector<TVgGridSetupItem>& Items, const ZeroWidth& Zero);

} // namespace vg
