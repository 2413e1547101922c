#include "grid/VgGridSetup.h"

#include "platform/core/ScopeExit.h"
#include "platform/core/TStrings.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/data/TFields.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/ControlCanvas.h"
#include "platform/ui/TCustomDBGrid.h"

#include <array>

TVgGridSetupItem::TVgGridSetupItem()
    : TitleFont(std::make_unique<TFont>()), DataFont(std::make_unique<TFont>()) {}
TVgGridSetupItem::~TVgGridSetupItem() = default;
TVgGridSetupItem::TVgGridSetupItem(TVgGridSetupItem&&) noexcept = default;
TVgGridSetupItem& TVgGridSetupItem::operator=(TVgGridSetupItem&&) noexcept = default;

namespace vg {

namespace {

constexpr std::array<TColor, 44> Table = {
    TColor(0x000000),   TColor(0x000080),   TColor(0x008000),   TColor(0x008080),   TColor(0x800000),
    TColor(0x800080),   TColor(0x808000),   TColor(0x808080),   TColor(0xC0C0C0),   TColor(0x0000FF),
    TColor(0x00FF00),   TColor(0x00FFFF),   TColor(0xFF0000),   TColor(0xFF00FF),   TColor(0xFFFF00),
    TColor(0xFFFFFF),   TColor(0x80000000), TColor(0x80000001), TColor(0x80000002), TColor(0x80000003),
    TColor(0x80000004), TColor(0x80000005), TColor(0x80000006), TColor(0x80000007), TColor(0x80000008),
    TColor(0x80000009), TColor(0x8000000A), TColor(0x8000000B), TColor(0x8000000C), TColor(0x8000000D),
    TColor(0x8000000E), TColor(0x8000000F), TColor(0x80000010), TColor(0x80000011), TColor(0x80000012),
    TColor(0x80000013), TColor(0x80000014), TColor(0x80000015), TColor(0x80000016), TColor(0x80000017),
    TColor(0x80000018), TColor(0xA6CAF0),   TColor(0xC0DCC0),   TColor(0xFFFBF0)};

// The custom slots live for the whole program run.
TColor CustomSlots[2] = {TColor(0), TColor(0)};

} // namespace

TColor SetupColor(Integer Index, bool Data) {
    if (Index == CustomColorEntry) return CustomSlots[Data ? 1 : 0];
    return Index >= 0 && Index < Integer(Table.size()) ? Table[std::size_t(Index)] : Table[0];
}

void SetSetupCustomColor(bool Data, TColor Value) {
    CustomSlots[Data ? 1 : 0] = Value;
}

Integer IndexOfSetupColor(TColor Color, bool Data) {
    for (std::size_t i = 0; i < Table.size(); ++i)
        if (Table[i] == Color) return Integer(i);
    SetSetupCustomColor(Data, Color);
    return CustomColorEntry;
}

Integer FontZeroWidth(TFont* Font) {
    std::unique_ptr<TBitmap> holder;
    return ui::MeasureCanvas(holder, Font)->TextWidth("0");
}

Integer PixelsToChars(Integer Pixels, Integer Zero, Integer Overhang) {
    Integer step = Zero - Overhang;
    return step > 0 ? (Pixels - Overhang - 4) / step : 0;
}

Integer CharsToPixels(Integer Chars, Integer Zero, Integer Overhang) {
    return (Zero - Overhang) * Chars + Overhang + 4;
}

namespace {

bool Allowed(const TStrings* List, const String& Name) {
    return !List || List->Count() == 0 || List->IndexOf(Name) >= 0;
}

} // namespace

std::vector<TVgGridSetupItem> BuildSetupItems(TCustomDBGrid* Grid, const TStrings* AllowedFields,
                                              const ZeroWidth& Zero) {
    std::vector<TVgGridSetupItem> items;
    TDataSet* ds = Grid->DataSet();
    if (!ds) return items;
    TDBGridColumns* cols = Grid->Columns();
    for (Integer i = 0; i < cols->Count(); ++i) {
        TColumn* c = cols->Items(i);
        if (!Allowed(AllowedFields, c->FieldName())) continue;
        TVgGridSetupItem item;
        item.Index = i;
        item.FieldName = c->FieldName();
        item.TitleAlignment = c->Title()->Alignment();
        item.TitleCaption = c->Title()->Caption();
        item.TitleColor = c->Title()->Color();
        item.TitleFont->Assign(c->Title()->Font());
        item.DataAlignment = c->Alignment();
        item.DataColor = c->Color();
        item.DataFont->Assign(c->Font());
        if (c->Width() > 0) item.Width = PixelsToChars(c->Width(), Zero(item.DataFont.get()));
        item.Checked = c->Visible();
        items.push_back(std::move(item));
    }
    for (Integer i = 0; i < ds->FieldCount(); ++i) {
        TField* f = ds->Fields()->Fields(i);
        if (!Allowed(AllowedFields, f->FieldName())) continue;
        bool listed = false;
        for (const TVgGridSetupItem& it : items)
            listed = listed || it.FieldName == f->FieldName();
        if (listed) continue;
        TVgGridSetupItem item;
        item.Index = Integer(items.size());
        item.FieldName = f->FieldName();
        item.TitleAlignment = f->Alignment();
        item.DataAlignment = f->Alignment();
        item.TitleCaption = f->DisplayName();
        item.TitleColor = Grid->FixedColor();
        item.DataColor = Grid->Color();
        item.TitleFont->Assign(Grid->TitleFont());
        item.DataFont->Assign(Grid->Font());
        item.Width = f->DisplayWidth();
        items.push_back(std::move(item));
    }
    return items;
}

void ApplySetupItems(TCustomDBGrid* Grid, const std::vector<TVgGridSetupItem>& Items, const ZeroWidth& Zero) {
    Grid->BeginLayout();
    core::ScopeExit done([Grid] { Grid->EndLayout(); });
    TDBGridColumns* cols = Grid->Columns();
    cols->Clear();
    for (const TVgGridSetupItem& item : Items) {
        if (!item.Checked) continue;
        TColumn* c = cols->Add();
        c->SetFieldName(item.FieldName);
        c->Title()->SetCaption(item.TitleCaption);
        c->Title()->SetAlignment(item.TitleAlignment);
        c->Title()->SetColor(item.TitleColor);
        c->Title()->SetFont(item.TitleFont.get());
        c->SetAlignment(item.DataAlignment);
        c->SetColor(item.DataColor);
        c->SetFont(item.DataFont.get());
        if (item.Width > 0) c->SetWidth(CharsToPixels(item.Width, Zero(item.DataFont.get())));
    }
}

} // namespace vg
