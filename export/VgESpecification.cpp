// Writing and reading saved export-settings files (".VGE").
#include "export/VgESpecification.h"

#include "export/TVgExportToCellFile.h"
#include "export/VgEColumns.h"

#include "platform/core/CodePages.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TFont.h"

#include <array>
#include <cstdio>
#include <map>

namespace vgespec {

namespace {

constexpr std::array<const char*, 20> TableTypeNames = {
    "Paradox", "DBase", "Text", "HTML",   "XLS",       "Excel", "Word", "SYLK", "DIF",  "WKS",
    "Quattro", "SQL",   "XML",  "Access", "Clipboard", "RTF",   "SPSS", "PDF",  "LDIF", "ADO"};

// Colours as the signed 32-bit numbers they are stored as (system colours negative).
Int64 ColorNumber(TColor Color) {
    return static_cast<std::int32_t>(Color);
}

String Bool(bool Value) {
    return Value ? "1" : "0";
}

String FontValues(TAlignment Alignment, TColor Color, TFont* Font) {
    return IntToStr(Alignment) + "," + IntToStr(ColorNumber(Color)) + "," + Font->Name() + "," +
           IntToStr(Font->Charset()) + "," + IntToStr(ColorNumber(Font->Color())) + "," +
           IntToStr(Font->Size()) + "," + IntToStr(static_cast<Int64>(Font->Style().Bits()));
}

// Key lookup over the lines: the first "key=value" line of a key counts.
class Keys {
public:
    explicit Keys(const std::vector<String>& Lines) {
        for (const String& line : Lines) {
            const std::size_t eq = line.find('=');
            if (eq != String::npos && eq > 0) FValues.emplace(line.substr(0, eq), line.substr(eq + 1));
        }
    }
    const String* Find(const String& Key) const {
        const auto it = FValues.find(Key);
        return it == FValues.end() ? nullptr : &it->second;
    }
    String Text(const String& Key, const String& Current) const {
        const String* value = Find(Key);
        return value != nullptr ? *value : Current;
    }
    Int64 Number(const String& Key, Int64 Current) const {
        const String* value = Find(Key);
        Int64 number = 0;
        return value != nullptr && TryStrToInt64(*value, number) ? number : Current;
    }
    double Real(const String& Key, double Current) const {
        const String* value = Find(Key);
        double number = 0;
        return value != nullptr && TryStrToFloat(*value, number) ? number : Current;
    }
    bool Flag(const String& Key, bool Current) const {
        const String* value = Find(Key);
        return value != nullptr ? *value == "1" : Current;
    }
    String Char(const String& Key, const String& Current) const {
        const String* value = Find(Key);
        return value != nullptr ? FromHexText(*value) : Current;
    }

private:
    std::map<String, String> FValues;
};

std::vector<String> Split(const String& Text) {
    std::vector<String> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = Text.find(',', start);
        parts.push_back(Text.substr(start, comma == String::npos ? String::npos : comma - start));
        if (comma == String::npos) return parts;
        start = comma + 1;
    }
}

// Seven comma-separated values into alignment, colour and font; a value that
// cannot be read keeps what was there.
void ReadFontValues(const String* Text, TAlignment& Alignment, TColor& Color, TFont* Font) {
    if (Text == nullptr) return;
    const std::vector<String> v = Split(*Text);
    if (v.size() != 7) return;
    Int64 n = 0;
    if (TryStrToInt64(v[0], n) && n >= taLeftJustify && n <= taCenter) Alignment = static_cast<TAlignment>(n);
    if (TryStrToInt64(v[1], n)) Color = static_cast<TColor>(n);
    Font->SetName(v[2]);
    if (TryStrToInt64(v[3], n)) Font->SetCharset(static_cast<TFontCharset>(n));
    if (TryStrToInt64(v[4], n)) Font->SetColor(static_cast<TColor>(n));
    if (TryStrToInt64(v[5], n)) Font->SetSize(static_cast<Integer>(n));
    if (TryStrToInt64(v[6], n)) Font->SetStyle(TFontStyles::FromBits(static_cast<std::uint64_t>(n) & 0x0F));
}

template <typename E> E Ordinal(const Keys& K, const String& Key, E Current, int Count) {
    const Int64 n = K.Number(Key, Current);
    return n >= 0 && n < Count ? static_cast<E>(n) : Current;
}

} // namespace

String HexText(const String& Text) {
    String out;
    char digits[3];
    for (const char c : Utf8ToCodePage(Text, CP_WINDOWS_1250)) {
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(c));
        out += digits;
    }
    return out;
}

String FromHexText(const String& Hex) {
    std::string bytes;
    if (Hex.size() % 2 != 0) return String();
    for (std::size_t i = 0; i < Hex.size(); i += 2) {
        unsigned value = 0;
        if (std::sscanf(Hex.substr(i, 2).c_str(), "%2x", &value) != 1) return String();
        bytes += static_cast<char>(value);
    }
    return CodePageToUtf8(bytes, CP_WINDOWS_1250);
}

std::vector<String> Write(const TVgExportToCellFile& E, const String& App, const String& SpecName) {
    std::vector<String> out;
    auto add = [&out](const String& Key, const String& Value) { out.push_back(Key + "=" + Value); };
    out.push_back("[Common]");
    add("App", App);
    // Saved .VGE files carry these two keys word for word; readers look them up.
    out.push_back("Description=VgExport: specification");
    add("Specification", SpecName);
    add("TableType", TableTypeNames[static_cast<std::size_t>(E.TableType())]);
    add("AddTitle", Bool(E.AddTitle()));
    add("BlankIfZero", Bool(E.BlankIfZero()));
    add("SourceFileName", E.FileName());
    add("SelectedRecord", Bool(E.SelectedRecord()));
    add("TableName", "");
    add("CharacterSet", IntToStr(E.CharacterSet()));
    add("Options", IntToStr(static_cast<Int64>(E.Options().Bits())));
    add("ExportIfEmpty", Bool(E.ExportIfEmpty()));
    add("RowsPerFile", IntToStr(E.RowsPerFile()));
    add("ActionAfterExport", IntToStr(E.ActionAfterExport()));
    out.push_back("[ExportStyle]");
    add("Style", IntToStr(E.ExportStyle()->Style()));
    add("OddColor", IntToStr(ColorNumber(E.ExportStyle()->OddColor())));
    add("EvenColor", IntToStr(ColorNumber(E.ExportStyle()->EvenColor())));
    add("Layout", IntToStr(E.Layout()));
    out.push_back("[PageSetup]");
    TVgEPageSetup* page = E.PageSetup();
    add("Measure", IntToStr(page->Measure()));
    add("UseDefault", Bool(page->UseDefault()));
    add("TopMargin", FloatToStr(page->TopMargin()));
    add("BottomMargin", FloatToStr(page->BottomMargin()));
    add("LeftMargin", FloatToStr(page->LeftMargin()));
    add("RightMargin", FloatToStr(page->RightMargin()));
    add("TableWidth", FloatToStr(page->TableWidth()));
    add("Orientation", IntToStr(page->Orientation()));
    out.push_back("[SendTo]");
    add("Recipient", E.SendTo()->EMailRecipient());
    add("Subject", E.SendTo()->EMailSubject());
    add("OpenDialog", Bool(E.SendTo()->EMailOpenBeforeSend()));
    out.push_back("[Mappings]");
    TVgEColumns* columns = E.Columns();
    add("Count", IntToStr(columns->Count()));
    for (Integer i = 0; i < columns->Count(); ++i) {
        TVgEColumn* c = columns->Items(i);
        const String n = IntToStr(i);
        add("Map" + n, (c->Visible() ? c->Title()->Caption() : String()) + " = " + c->FieldName());
        add("Col" + n, FontValues(c->Alignment(), c->Color(), c->Font()));
        add("ColTitle" + n, FontValues(c->Title()->Alignment(), c->Title()->Color(), c->Title()->Font()));
        add("Width" + n, IntToStr(c->Width()));
    }
    out.push_back("[COLUMNS]");
    for (const auto& [section, lines] : {std::pair{"Header", E.Header()}, std::pair{"Footer", E.Footer()}}) {
        out.push_back(String("[") + section + "]");
        add("Count", IntToStr(lines->Count()));
        for (Integer i = 0; i < lines->Count(); ++i)
            add(section + IntToStr(i), lines->Strings(i));
    }
    // The text formats' own settings; the spreadsheet writer has none.
    out.push_back("[Text]");
    for (const char* key :
         {"FieldDelimiter", "TextQualifier", "RecordSeparator", "Fixed", "RowFirst", "RowLast"})
        add(key, "");
    out.push_back("[DataFormat]");
    TVgEDataFormats* f = E.DataFormats();
    add("DateOrder", IntToStr(f->DateOrder()));
    add("DateSeparator", HexText(f->DateSeparator()));
    add("TimeSeparator", HexText(f->TimeSeparator()));
    add("ThousandSeparator", HexText(f->ThousandSeparator()));
    add("DecimalSeparator", HexText(f->DecimalSeparator()));
    add("CurrencyString", f->CurrencyString());
    add("FourDigitYear", Bool(f->FourDigitYear()));
    add("LeadingZerosInDate", Bool(f->LeadingZerosInDate()));
    add("CustomDateTimeFormat", f->CustomDateTimeFormat());
    add("BooleanTrue", f->BooleanTrue());
    add("BooleanFalse", f->BooleanFalse());
    add("UseRegionalSettings", Bool(f->UseRegionalSettings()));
    return out;
}

void Read(TVgExportToCellFile& E, const std::vector<String>& Lines) {
    const Keys k(Lines);
    if (const String* type = k.Find("TableType")) {
        for (std::size_t i = 0; i < TableTypeNames.size(); ++i)
            if (*type == TableTypeNames[i]) E.SetTableType(static_cast<TTableTypeExport>(i));
    }
    E.SetAddTitle(k.Flag("AddTitle", E.AddTitle()));
    E.SetBlankIfZero(k.Flag("BlankIfZero", E.BlankIfZero()));
    E.SetSelectedRecord(k.Flag("SelectedRecord", E.SelectedRecord()));
    E.SetCharacterSet(Ordinal(k, "CharacterSet", E.CharacterSet(), 3));
    E.SetOptions(TVgOptions::FromBits(
        static_cast<std::uint64_t>(k.Number("Options", static_cast<Int64>(E.Options().Bits()))) & 0x0FFF));
    E.SetExportIfEmpty(k.Flag("ExportIfEmpty", E.ExportIfEmpty()));
    E.SetRowsPerFile(static_cast<Integer>(k.Number("RowsPerFile", E.RowsPerFile())));
    E.SetActionAfterExport(Ordinal(k, "ActionAfterExport", E.ActionAfterExport(), 3));
    TVgExportStyle* style = E.ExportStyle();
    style->SetStyle(Ordinal(k, "Style", style->Style(), 12));
    style->SetOddColor(static_cast<TColor>(k.Number("OddColor", ColorNumber(style->OddColor()))));
    style->SetEvenColor(static_cast<TColor>(k.Number("EvenColor", ColorNumber(style->EvenColor()))));
    E.SetLayout(Ordinal(k, "Layout", E.Layout(), 3));
    TVgEPageSetup* page = E.PageSetup();
    page->SetMeasure(Ordinal(k, "Measure", page->Measure(), 4));
    page->SetUseDefault(k.Flag("UseDefault", page->UseDefault()));
    page->SetTopMargin(static_cast<float>(k.Real("TopMargin", page->TopMargin())));
    page->SetBottomMargin(static_cast<float>(k.Real("BottomMargin", page->BottomMargin())));
    page->SetLeftMargin(static_cast<float>(k.Real("LeftMargin", page->LeftMargin())));
    page->SetRightMargin(static_cast<float>(k.Real("RightMargin", page->RightMargin())));
    page->SetTableWidth(static_cast<float>(k.Real("TableWidth", page->TableWidth())));
    page->SetOrientation(Ordinal(k, "Orientation", page->Orientation(), 3));
    E.SendTo()->SetEMailRecipient(k.Text("Recipient", E.SendTo()->EMailRecipient()));
    E.SendTo()->SetEMailSubject(k.Text("Subject", E.SendTo()->EMailSubject()));
    E.SendTo()->SetEMailOpenBeforeSend(k.Flag("OpenDialog", E.SendTo()->EMailOpenBeforeSend()));

    if (k.Find("Map0") != nullptr) {
        TVgEColumns* columns = E.Columns();
        columns->Clear();
        for (Integer i = 0;; ++i) {
            const String n = IntToStr(i);
            const String* map = k.Find("Map" + n);
            if (map == nullptr) break;
            TVgEColumn* c = columns->Add();
            const std::size_t split = map->find(" = ");
            const String caption = split == String::npos ? String() : map->substr(0, split);
            c->SetFieldName(split == String::npos ? *map : map->substr(split + 3));
            c->Title()->SetCaption(caption);
            c->SetVisible(!caption.empty());
            TAlignment alignment = c->Alignment();
            TColor color = c->Color();
            ReadFontValues(k.Find("Col" + n), alignment, color, c->Font());
            c->SetAlignment(alignment);
            c->SetColor(color);
            alignment = c->Title()->Alignment();
            color = c->Title()->Color();
            ReadFontValues(k.Find("ColTitle" + n), alignment, color, c->Title()->Font());
            c->Title()->SetAlignment(alignment);
            c->Title()->SetColor(color);
            c->SetWidth(static_cast<Integer>(k.Number("Width" + n, c->Width())));
        }
    }
    for (const auto& [section, lines] : {std::pair{"Header", E.Header()}, std::pair{"Footer", E.Footer()}}) {
        if (k.Find(section + String("0")) == nullptr) continue;
        lines->Clear();
        for (Integer i = 0; const String* line = k.Find(section + IntToStr(i)); ++i)
            lines->Add(*line);
    }

    TVgEDataFormats* f = E.DataFormats();
    f->SetDateOrder(Ordinal(k, "DateOrder", f->DateOrder(), 6));
    f->SetDateSeparator(k.Char("DateSeparator", f->DateSeparator()));
    f->SetTimeSeparator(k.Char("TimeSeparator", f->TimeSeparator()));
    f->SetThousandSeparator(k.Char("ThousandSeparator", f->ThousandSeparator()));
    f->SetDecimalSeparator(k.Char("DecimalSeparator", f->DecimalSeparator()));
    f->SetCurrencyString(k.Text("CurrencyString", f->CurrencyString()));
    f->SetFourDigitYear(k.Flag("FourDigitYear", f->FourDigitYear()));
    f->SetLeadingZerosInDate(k.Flag("LeadingZerosInDate", f->LeadingZerosInDate()));
    f->SetCustomDateTimeFormat(k.Text("CustomDateTimeFormat", f->CustomDateTimeFormat()));
    f->SetBooleanTrue(k.Text("BooleanTrue", f->BooleanTrue()));
    f->SetBooleanFalse(k.Text("BooleanFalse", f->BooleanFalse()));
    f->SetUseRegionalSettings(k.Flag("UseRegionalSettings", f->UseRegionalSettings()));
}

} // namespace vgespec
