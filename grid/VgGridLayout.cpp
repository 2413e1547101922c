#include "grid/VgGridLayout.h"

#include "grid/TVgDBGrid.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TIniFile.h"
#include "platform/core/TRegIniFile.h"
#include "platform/core/Variant.h"
#include "platform/graphics/TFont.h"
#include "platform/ui/TCustomDBGrid.h"

#include <functional>
#include <memory>
#include <vector>

namespace vg {

String QuoteLayoutText(const String& Text) {
    if (Text.find(',') == String::npos && Text.find('"') == String::npos) return Text;
    String out = "\"";
    for (char c : Text) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

String ReadLayoutItem(String& Rest) {
    String item;
    std::size_t i = 0;
    if (!Rest.empty() && Rest[0] == '"') {
        // Quoted: doubled quotes stand for one; an old value written without
        // doubling reads as before (its item ends at the quote before a comma).
        for (i = 1; i < Rest.size(); ++i) {
            if (Rest[i] != '"') {
                item += Rest[i];
                continue;
            }
            if (i + 1 < Rest.size() && Rest[i + 1] == '"') {
                item += '"';
                ++i;
                continue;
            }
            ++i;
            break;
        }
    }
    std::size_t comma = Rest.find(',', i);
    item += Rest.substr(i, comma == String::npos ? String::npos : comma - i);
    Rest = comma == String::npos ? String() : Rest.substr(comma + 1);
    return item;
}

} // namespace vg

namespace {

// One section of the registry or of an INI file.
class LayoutStore {
public:
    virtual ~LayoutStore() = default;
    virtual String Read(const String& Name) = 0;
    virtual void Write(const String& Name, const String& Value) = 0;
    virtual Integer ReadCount() = 0;
    virtual void WriteCount(Integer Value) = 0;
    // Only the registry keeps the footer templates.
    virtual bool KeepsFooter() const = 0;
};

class RegistryStore : public LayoutStore {
public:
    RegistryStore(const String& Key, const String& Section) : FReg(Key), FSection(Section) {}
    String Read(const String& Name) override { return FReg.ReadString(FSection, Name, ""); }
    void Write(const String& Name, const String& Value) override { FReg.WriteString(FSection, Name, Value); }
    Integer ReadCount() override { return FReg.ReadInteger(FSection, "Count", 0); }
    void WriteCount(Integer Value) override { FReg.WriteInteger(FSection, "Count", Value); }
    bool KeepsFooter() const override { return true; }

private:
    TRegIniFile FReg;
    String FSection;
};

class IniStore : public LayoutStore {
public:
    IniStore(const String& Key, const String& Section) : FIni(Key), FSection(Section) {}
    String Read(const String& Name) override { return FIni.ReadString(FSection, Name, ""); }
    void Write(const String& Name, const String& Value) override { FIni.WriteString(FSection, Name, Value); }
    Integer ReadCount() override { return FIni.ReadInteger(FSection, "Count", 0); }
    void WriteCount(Integer Value) override { FIni.WriteInteger(FSection, "Count", Value); }
    bool KeepsFooter() const override { return false; }

private:
    TIniFile FIni;
    String FSection;
};

String Num(Int64 Value) {
    return std::to_string(Value);
}

String FontText(TFont* Font, TColor Color, TAlignment Alignment) {
    return Font->Name() + "," + Num(Font->Charset()) + "," + Num(Integer(Font->Color())) + "," +
           Num(Font->Size()) + "," + Num(Int64(Font->Style().Bits())) + "," + Num(Integer(Color)) + "," +
           Num(Integer(Alignment));
}

// Name,Charset,FontColor,Size,Style,Color,Alignment; empty or unreadable
// items leave the current value.
void ReadFont(const String& Value, TFont* Font, TColor& Color, TAlignment& Alignment) {
    std::vector<String> items;
    std::size_t start = 0;
    while (true) {
        std::size_t comma = Value.find(',', start);
        items.push_back(Trim(Value.substr(start, comma == String::npos ? String::npos : comma - start)));
        if (comma == String::npos) break;
        start = comma + 1;
    }
    items.resize(7);
    Integer n = 0;
    if (!items[0].empty()) Font->SetName(items[0]);
    if (TryStrToInt(items[1], n)) Font->SetCharset(TFontCharset(n));
    if (TryStrToInt(items[2], n)) Font->SetColor(TColor(n));
    if (TryStrToInt(items[3], n)) Font->SetSize(n);
    if (TryStrToInt(items[4], n)) Font->SetStyle(TFontStyles::FromBits(std::uint64_t(n) & 0xF));
    if (TryStrToInt(items[5], n)) Color = TColor(n);
    if (TryStrToInt(items[6], n) && n >= 0 && n <= 2) Alignment = TAlignment(n);
}

// The extended settings of a column, when the grid and the column have them.
TVgDBColumn* ExtendedColumn(TCustomDBGrid* Grid, TColumn* Column) {
    return dynamic_cast<TVgDBGrid*>(Grid) ? dynamic_cast<TVgDBColumn*>(Column) : nullptr;
}

void Save(TCustomDBGrid* Grid, LayoutStore& Store) {
    TDBGridColumns* cols = Grid->Columns();
    Store.WriteCount(cols->Count());
    for (Integer i = 0; i < cols->Count(); ++i) {
        TColumn* c = cols->Items(i);
        String index = Num(i);
        Store.Write(index, c->FieldName() + "," + Num(c->Visible() ? c->Width() : -1) + "," +
                               vg::QuoteLayoutText(c->Title()->Caption()) + "," + (c->ReadOnly() ? "R" : ""));
        Store.Write(index + "_Title",
                    FontText(c->Title()->Font(), c->Title()->Color(), c->Title()->Alignment()));
        Store.Write(index + "_Data", FontText(c->Font(), c->Color(), c->Alignment()));
        if (TVgDBColumn* v = ExtendedColumn(Grid, c)) {
            Store.Write(index + "_Sort", Num(v->SortType()) + "," + vg::QuoteLayoutText(v->SortCaption()) +
                                             "," + Num(v->BandIndex()) + "," + Num(v->InplaceEditor()) + "," +
                                             vg::QuoteLayoutText(VarToStr(v->FooterValue())) + "," +
                                             Num(v->FooterType()) + "," + Num(v->Tag()));
            if (Store.KeepsFooter() && !v->FooterText().empty())
                Store.Write(index + "_Footer", vg::QuoteLayoutText(v->FooterText()));
        }
    }
}

Integer IntItem(String& Rest, Integer Default) {
    Integer n = Default;
    return TryStrToInt(Trim(vg::ReadLayoutItem(Rest)), n) ? n : Default;
}

// A layout file is not trusted with sizes: beyond these it is refused whole.
constexpr Integer MaxLayoutColumns = 1024;
constexpr Integer MaxColumnWidth = 32767;

[[noreturn]] void RefuseLayout(const String& Why) {
    throw EReadError("A mentett oszlopelrendezés nem tölthető be: " + Why + ".");
}

// The width item of a column's value (64 when it does not read).
Integer ColumnWidth(String Value) {
    vg::ReadLayoutItem(Value);
    return IntItem(Value, 64);
}

void LoadColumn(TCustomDBGrid* Grid, LayoutStore& Store, Integer Index, String Value) {
    TColumn* c = Grid->Columns()->Add();
    c->SetFieldName(vg::ReadLayoutItem(Value));
    Integer width = IntItem(Value, 64);
    if (width < 0)
        c->SetVisible(false);
    else
        c->SetWidth(width);
    c->Title()->SetCaption(vg::ReadLayoutItem(Value));
    c->SetReadOnly(vg::ReadLayoutItem(Value).find('R') != String::npos);

    String index = Num(Index);
    String title = Store.Read(index + "_Title");
    if (!title.empty()) {
        TColor color = c->Title()->Color();
        TAlignment alignment = c->Title()->Alignment();
        TFont font;
        font.Assign(c->Title()->Font());
        ReadFont(title, &font, color, alignment);
        c->Title()->SetFont(&font);
        c->Title()->SetColor(color);
        c->Title()->SetAlignment(alignment);
    }
    String data = Store.Read(index + "_Data");
    if (!data.empty()) {
        TColor color = c->Color();
        TAlignment alignment = c->Alignment();
        TFont font;
        font.Assign(c->Font());
        ReadFont(data, &font, color, alignment);
        c->SetFont(&font);
        c->SetColor(color);
        c->SetAlignment(alignment);
    }
    TVgDBColumn* v = ExtendedColumn(Grid, c);
    if (!v) return;
    String sort = Store.Read(index + "_Sort");
    if (!sort.empty()) {
        Integer sortType = IntItem(sort, 0);
        v->SetSortType(sortType >= stNone && sortType <= stDescending ? TVgSortType(sortType) : stNone);
        v->SetSortCaption(vg::ReadLayoutItem(sort));
        v->SetBandIndex(IntItem(sort, 0));
        Integer kind = IntItem(sort, 0);
        v->SetInplaceEditor(kind >= ieStandard && kind <= ieCheckbox ? TVgInplaceEditorType(kind)
                                                                     : ieStandard);
        String footer = vg::ReadLayoutItem(sort);
        v->SetFooterValue(footer.empty() ? Variant() : Variant(footer));
        Integer footerType = IntItem(sort, 0);
        v->SetFooterType(footerType >= ftCustom && footerType <= ftMax ? TVgFooterType(footerType)
                                                                       : ftCustom);
        v->SetTag(IntItem(sort, 0));
    }
    if (Store.KeepsFooter()) {
        String footerText = Store.Read(index + "_Footer");
        if (!footerText.empty()) v->SetFooterText(vg::ReadLayoutItem(footerText));
    }
}

void Load(TCustomDBGrid* Grid, const std::function<std::unique_ptr<LayoutStore>()>& Open) {
    Grid->BeginLayout();
    auto* vgGrid = dynamic_cast<TVgDBGrid*>(Grid);
    if (vgGrid) vgGrid->SetLayoutInProgress(true);
    core::ScopeExit done([&] {
        if (vgGrid) vgGrid->SetLayoutInProgress(false);
        Grid->EndLayout();
    });
    std::unique_ptr<LayoutStore> store = Open();
    Integer count = store->ReadCount();
    if (count <= 0) return;
    if (count > MaxLayoutColumns)
        RefuseLayout(Num(count) + " oszlopot ír, legfeljebb " + Num(MaxLayoutColumns) + " lehet");
    // Checked before the grid's columns go, so a refused layout changes nothing.
    std::vector<String> values;
    for (Integer i = 0; i < count; ++i) {
        values.push_back(store->Read(Num(i)));
        if (!values.back().empty() && ColumnWidth(values.back()) > MaxColumnWidth)
            RefuseLayout("a(z) " + Num(i + 1) + ". oszlop szélessége " + Num(ColumnWidth(values.back())) +
                         ", legfeljebb " + Num(MaxColumnWidth) + " lehet");
    }
    Grid->Columns()->Clear();
    for (Integer i = 0; i < count; ++i)
        if (!values[static_cast<std::size_t>(i)].empty())
            LoadColumn(Grid, *store, i, values[static_cast<std::size_t>(i)]);
}

} // namespace

void SaveGridToRegistry(TCustomDBGrid* Grid, const String& Key, const String& Section) {
    RegistryStore store(Key, Section);
    Save(Grid, store);
}

void LoadGridFromRegistry(TCustomDBGrid* Grid, const String& Key, const String& Section) {
    Load(Grid, [&] { return std::make_unique<RegistryStore>(Key, Section); });
}

void SaveGridToIni(TCustomDBGrid* Grid, const String& Key, const String& Section) {
    IniStore store(Key, Section);
    Save(Grid, store);
}

void LoadGridFromIni(TCustomDBGrid* Grid, const String& Key, const String& Section) {
    Load(Grid, [&] { return std::make_unique<IniStore>(Key, Section); });
}
