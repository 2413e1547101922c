#include "report/build/detail/rpXMLWriter.h"

#include "platform/core/PropertyBlock.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStream.h"
#include "platform/core/TStringList.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "report/script/detail/FormatValue.h"
#include "report/views/TrpBandView.h"
#include "report/build/TrpDataset.h"
#include "report/views/TrpLineView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/views/TrpPictureView.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichView.h"
#include "report/views/TrpSubReportView.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/rpNameLookup.h"

#include <charconv>
#include <cmath>

namespace {

const char* const kCRLF = "\r\n";

String Attr(const String& Name, const String& Value) {
    return " " + Name + "=\"" + Value + "\"";
}
String Attr(const String& Name, Int64 Value) {
    return Attr(Name, std::to_string(Value));
}

// Page pixels to whole millimetres.
Integer Millimetres(Integer Pixels) {
    return static_cast<Integer>(Round(Pixels / 3.77953 * 1.047741935483871));
}

// Shortest decimal form with "." whatever the locale.
String DecimalText(float Value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, Value);
    return String(buffer, result.ptr);
}

bool HasScript(const TrpView* View) {
    return View->Script.Count() > 0;
}

// Frame sides in the document's numbering: left 1, right 2, top 4, bottom 8.
Integer FrameBits(Word Typ) {
    Integer bits = 0;
    if (Typ & FrameLeft) bits |= 1;
    if (Typ & FrameRight) bits |= 2;
    if (Typ & FrameTop) bits |= 4;
    if (Typ & FrameBottom) bits |= 8;
    return bits;
}

String ElementName(const TrpView* View) {
    String name = View->ClassName();
    if (name.rfind("Trp", 0) == 0) name = "Trpx" + name.substr(3);
    if (SameText(name, "TrpxSubreportView")) name = "TrpxSubreport";
    return name;
}

String BaseAttributes(const TrpView* View) {
    String s = "<" + ElementName(View) + " Name=\"" + View->Name + "\"";
    s += Attr("Left", View->Left) + Attr("Top", View->Top) + Attr("Width", View->Width) +
         Attr("Height", View->Height);
    s += Attr("Color", static_cast<Int64>(View->FillColor));
    if (!View->Visible) s += Attr("Visible", "False");
    s += Attr("Frame.Typ", FrameBits(View->FrameTyp));
    s += Attr("Frame.Width", DecimalText(View->FrameWidth));
    s += Attr("Frame.Color", static_cast<Int64>(View->FrameColor)) + Attr("Frame.Style", View->FrameStyle);
    s += Attr("GapX", View->gapx) + Attr("GapY", View->gapy);
    s += Attr("Memo.text", StrToXML(View->Memo.Text()));
    if (HasScript(View)) {
        const String handler = View->Name + "OnBeforePrint";
        s += Attr("OnBeforePrint", handler) + Attr("OnClick", handler) + Attr("OnActivate", handler);
    }
    return s;
}

Integer FontStyleBits(TFontStyles Style) {
    Integer bits = 0;
    if (Style.Contains(fsBold)) bits |= 1;
    if (Style.Contains(fsItalic)) bits |= 2;
    if (Style.Contains(fsUnderline)) bits |= 4;
    if (Style.Contains(fsStrikeOut)) bits |= 8;
    return bits;
}

// Custom patterns are escaped like every other text, so a quote cannot end the attribute.
String DisplayFormat(const TrpView* View) {
    const Integer kind = rpFormatKind(View->Format);
    const Integer index = rpFormatIndex(View->Format);
    switch (kind) {
    case 1: {
        static const char* const kNumeric[] = {"%g", "%2.2f", "%2.2n", "%2.2m"};
        const String separator(1, static_cast<char>(View->Format & 0xFF));
        String s =
            Attr("DisplayFormat.Kind", "fkNumeric") + Attr("DisplayFormat.DecimalSeparator", separator);
        if (index >= 0 && index < 4)
            s += Attr("DisplayFormat.FormatStr", kNumeric[index]);
        else if (index == 4)
            s += Attr("DisplayFormat.FormatStr", StrToXML(View->FormatStr));
        return s;
    }
    case 2:
    case 3: {
        const String pattern =
            kind == 2 && index == 3 ? String("dd mmmm yyyy") : rpFormatPattern(kind, index, View->FormatStr);
        return Attr("DisplayFormat.Kind", "fkDateTime") + Attr("DisplayFormat.FormatStr", StrToXML(pattern));
    }
    case 4:
        return Attr("DisplayFormat.Kind", "fkBoolean") +
               Attr("DisplayFormat.FormatStr", StrToXML(rpFormatPattern(kind, index, View->FormatStr)));
    default:
        return String();
    }
}

String MemoAttributes(TrpMemoView* Memo) {
    String s = BaseAttributes(Memo);
    if (Memo->Flags & flStretched) s += Attr("StretchMode", "smMaxHeight");
    if (!(Memo->Flags & flWordWrap)) s += Attr("WordWrap", "False");
    if (Memo->Flags & flAutoWidth) s += Attr("AutoWidth", "True");
    s += Attr("Font.Name", StrToXML(Memo->Font.Name())) + Attr("Font.Height", Memo->Font.Height()) +
         Attr("Font.Color", static_cast<Int64>(Memo->Font.Color())) +
         Attr("Font.Style", FontStyleBits(Memo->Font.Style()));
    s += Attr("LineSpacing", Memo->LineSpacing) + Attr("CharSpacing", Memo->CharacterSpacing);
    if (!Memo->HighlightStr.empty()) {
        s += Attr("Highlight.Condition", StrToXML(Memo->HighlightStr));
        s += Attr("Highlight.Font.Style", Memo->Highlight.FontStyle) +
             Attr("Highlight.Font.Color", static_cast<Int64>(Memo->Highlight.FontColor)) +
             Attr("Highlight.Color", static_cast<Int64>(Memo->Highlight.FillColor));
    }
    return s + DisplayFormat(Memo);
}

const char* BandElement(TrpBandType Type) {
    static const char* const kNames[] = {
        "TrpxReportTitle",  "TrpxReportSummary", "TrpxPageHeader", "TrpxPageFooter", "TrpxHeader",
        "TrpxMasterData",   "TrpxFooter",        "TrpxHeader",     "TrpxDetailData", "TrpxFooter",
        "TrpxHeader",       "TrpxSubDetailData", "TrpxFooter",     "TrpxOverlay",    "TrpxColumnHeader",
        "TrpxColumnFooter", "TrpxGroupHeader",   "TrpxGroupFooter"};
    const auto index = static_cast<Integer>(Type);
    return index >= 0 && index < 18 ? kNames[index] : nullptr;
}

// The report dataset of the report's owner that FormatStr names, else null.
TrpDataset* OwnerDataset(TrpReport* Report, const String& Name) {
    TComponent* owner = Report ? Report->Owner() : nullptr;
    if (!owner || Name.empty()) return nullptr;
    for (Integer i = 0; i < owner->ComponentCount(); ++i) {
        auto* dataset = dynamic_cast<TrpDataset*>(owner->Components(i));
        if (dataset && SameText(dataset->Name(), Name)) return dataset;
    }
    return nullptr;
}

String BandAttributes(TrpReport* Report, TrpBandView* Band) {
    const TrpBandType type = Band->GetBandType();
    const char* element = BandElement(type);
    if (!element) return String();
    const Word f = Band->Flags;
    String s = String("<") + element + " Name=\"" + Band->Name + "\"";
    s += Attr("Top", Band->Top) + Attr("Height", Band->Height);
    if (!Band->Visible) s += Attr("Visible", "False");
    if (f & bfStretched) s += Attr("Stretched", "True");
    if (f & bfStartNewPage) s += Attr("StartNewPage", "True");
    if (f & bfPrintIfDetailEmpty) s += Attr("PrintIfDetailEmpty", "True");
    if (f & bfAllowSplit) s += Attr("AllowSplit", "True");
    if (!(f & bfPrintOnFirstPage)) s += Attr("PrintOnFirstPage", "False");
    if (!(f & bfPrintOnLastPage)) s += Attr("PrintOnLastPage", "False");
    if (f & bfReprintOnNewPage) s += Attr("ReprintOnNewPage", "True");
    if (HasScript(Band)) s += Attr("OnBeforePrint", Band->Name + "OnBeforePrint");
    if (type == btMasterData || type == btDetailData || type == btSubDetailData) {
        if (TrpDataset* dataset = OwnerDataset(Report, Band->FormatStr))
            s += Attr("DataSetName", dataset->Name());
    }
    if (type == btGroupHeader) s += Attr("Condition", StrToXML(Band->FormatStr));
    return s;
}

// The hexadecimal form of what Write puts into a fresh stream.
template <typename WriteBlock> String HexBlock(WriteBlock Write) {
    TMemoryStream block;
    Write(&block);
    return rpStreamToString(&block);
}

// "DataSet" (the data set's owner, "." and its name) and "DataField" when the
// view's text, with or without its brackets, names a field of a data set.
String FieldAttributes(TrpReport* Report, const TrpView* View) {
    if (View->Memo.Count() == 0) return String();
    String name = View->Memo[0];
    const std::size_t close = name.rfind(']');
    if (!name.empty() && name[0] == '[' && close != String::npos && close > 0)
        name = name.substr(1, close - 1);
    // Names with a data set but no form are looked up under the report's owner.
    TrpReport* saved = CurReport;
    CurReport = Report;
    core::ScopeExit restore([saved] { CurReport = saved; });
    TDataSet* dataSet = nullptr;
    TField* field = nullptr;
    rpGetDataSetAndField(name, dataSet, field);
    if (!field) return String();
    const String owner = dataSet->Owner() ? dataSet->Owner()->Name() + "." : String();
    return Attr("DataSet", StrToXML(owner + dataSet->Name())) +
           Attr("DataField", StrToXML(field->FieldName()));
}

String PictureAttributes(TrpReport* Report, TrpPictureView* Picture) {
    String s = BaseAttributes(Picture);
    const TGraphic* graphic = Picture->Picture.Graphic();
    if (graphic && !graphic->Empty())
        s += Attr("Picture.Propdata", HexBlock([&](TStream* block) { Picture->Picture.WriteData(block); }));
    s += FieldAttributes(Report, Picture);
    if (!(Picture->Flags & flStretched)) s += Attr("Stretched", "False");
    if (Picture->Flags & flPictCenter) s += Attr("Center", "True");
    if (!(Picture->Flags & flPictRatio)) s += Attr("KeepAspectRatio", "False");
    return s;
}

String RichAttributes(TrpReport* Report, TrpRichView* Rich) {
    String s = BaseAttributes(Rich);
    s += Attr("Propdata", HexBlock([&](TStream* block) {
                  core::PropertyBlockWriter writer(block);
                  writer.WritePropName("RichEdit");
                  writer.WriteStringBytes(Rich->RichText);
                  writer.WriteListEnd();
              }));
    if (Rich->Flags & flStretched) s += Attr("StretchMode", "smMaxHeight");
    return s + FieldAttributes(Report, Rich);
}

// The report's data sets (every report data set its owner owns) and its
// variables (name and value of every line), as two collections.
String DatasetsAndVariables(TrpReport* Report) {
    return HexBlock([&](TStream* block) {
        core::PropertyBlockWriter writer(block);
        writer.WritePropName("Datasets");
        writer.WriteCollectionBegin();
        if (TComponent* owner = Report->Owner()) {
            for (Integer i = 0; i < owner->ComponentCount(); ++i) {
                auto* dataset = dynamic_cast<TrpDataset*>(owner->Components(i));
                if (!dataset) continue;
                writer.WriteListBegin();
                writer.WritePropName("DataSet");
                writer.WriteNil();
                writer.WritePropName("DataSetName");
                writer.WriteString(dataset->Name());
                writer.WriteListEnd();
            }
        }
        writer.WriteListEnd();
        writer.WritePropName("Variables");
        writer.WriteCollectionBegin();
        TStringList* variables = Report->Variables();
        for (Integer i = 0; i < variables->Count(); ++i) {
            // Categories and variables are lines without "=": the whole line is the name.
            const bool named = variables->Strings(i).find(variables->NameValueSeparator()) != String::npos;
            writer.WriteListBegin();
            writer.WritePropName("Name");
            writer.WriteString(named ? variables->Names(i) : variables->Strings(i));
            writer.WritePropName("Value");
            writer.WriteString(variables->ValueFromIndex(i));
            writer.WriteListEnd();
        }
        writer.WriteListEnd();
        writer.WriteListEnd();
    });
}

// The event procedure of one object's script.
void AddProcedure(TStringList& Out, const TrpView* View) {
    const TStringList& script = View->Script;
    const Integer n = script.Count();
    Out.Add("procedure " + View->Name + "OnBeforePrint(Sender: TrpxComponent);");
    Out.Add("begin");
    Out.Add("  with " + View->Name + ", Engine do");
    Out.Add("  begin");
    const bool beginFirst = script.Strings(0) == "begin";
    if (!beginFirst) Out.Add(script.Strings(0));
    for (Integer i = 1; i < n - 1; ++i)
        Out.Add(script.Strings(i));
    if (!beginFirst) {
        if (n > 1) Out.Add(script.Strings(n - 1));
        Out.Add("  end");
        Out.Add("end;");
    } else {
        Out.Add("  end");
        Out.Add((n > 1 ? script.Strings(n - 1) : String()) + ";");
    }
    Out.Add("");
}

String ScriptText(TrpReport* Report) {
    TStringList lines;
    for (Integer p = 0; p < Report->Pages()->Count(); ++p) {
        TrpPage* page = Report->Pages()->Pages(p);
        for (Integer i = 0; i < page->ObjectCount(); ++i)
            if (HasScript(page->Object(i))) AddProcedure(lines, page->Object(i));
    }
    lines.Add("begin");
    lines.Add("");
    lines.Add("end.");
    String text;
    for (Integer i = 0; i < lines.Count(); ++i) {
        if (i > 0) text += kCRLF;
        text += lines.Strings(i);
    }
    return StrToXML(text);
}

void Write(TStream* Stream, const String& S) {
    Stream->WriteBuffer(S.data(), static_cast<Integer>(S.size()));
}

void WritePage(TrpReport* Report, TStream* Stream, TrpPage* Page, Integer Index) {
    const Integer width = Page->PrnInfo.Pgw;
    const Integer height = Page->PrnInfo.Pgh;
    const Integer columns = Page->ColumnCount > 0 ? Page->ColumnCount : 1;
    String s = "<TrpxReportPage" + Attr("Name", "Page" + std::to_string(Index + 1));
    s += Attr("Orientation", Page->Orientation == 1 ? "poLandscape" : "poPortrait");
    s += Attr("PaperWidth", Millimetres(width)) + Attr("PaperHeight", Millimetres(height));
    s += Attr("PaperSize", Page->PaperSize);
    s += Attr("LeftMargin", Millimetres(Page->LeftMargin()));
    s += Attr("RightMargin", Millimetres(width - Page->RightMargin()));
    s += Attr("TopMargin", Millimetres(Page->TopMargin()));
    s += Attr("BottomMargin", Millimetres(height - Page->BottomMargin()));
    s += Attr("Columns", Page->ColumnCount);
    s += Attr("ColumnWidth", (Page->RightMargin() - Page->LeftMargin()) / columns);
    if (Page->PrintToPrevPage) s += Attr("PrintOnPreviousPage", "True");
    if (Page->ObjectCount() == 0) {
        Write(Stream, s + "/>" + kCRLF);
        return;
    }
    Write(Stream, s + ">" + kCRLF);
    const Integer margin = Page->LeftMargin();
    for (Integer i = 0; i < Page->ObjectCount(); ++i) {
        TrpView* view = Page->Object(i);
        // Objects are written relative to the left margin.
        view->Left -= margin;
        String element;
        {
            core::ScopeExit restore([&] { view->Left += margin; });
            element = rpViewToRP3(Report, view);
        }
        if (!element.empty()) Write(Stream, element + "/>" + kCRLF);
    }
    Write(Stream, String("</TrpxReportPage>") + kCRLF);
}

} // namespace

String StrToXML(const String& S) {
    String result;
    result.reserve(S.size());
    for (const char c : S) {
        if (c == 10 || c == 13 || c == '"' || c == '<' || c == '>' || c == '&')
            result += "&#" + std::to_string(static_cast<int>(c)) + ";";
        else
            result += c;
    }
    return result;
}

String rpStreamToString(TStream* Stream) {
    static const char kHex[] = "0123456789ABCDEF";
    Stream->SetPosition(0);
    String result;
    Byte buffer[4096];
    for (Integer n; (n = Stream->Read(buffer, sizeof buffer)) > 0;) {
        for (Integer i = 0; i < n; ++i) {
            result += kHex[buffer[i] >> 4];
            result += kHex[buffer[i] & 15];
        }
    }
    return result;
}

String rpViewToRP3(TrpReport* Report, TrpView* View) {
    if (auto* band = dynamic_cast<TrpBandView*>(View)) return BandAttributes(Report, band);
    if (auto* memo = dynamic_cast<TrpMemoView*>(View)) return MemoAttributes(memo);
    if (auto* sub = dynamic_cast<TrpSubReportView*>(View))
        return BaseAttributes(sub) + Attr("Page", "Page" + std::to_string(sub->SubPage + 1));
    if (auto* picture = dynamic_cast<TrpPictureView*>(View)) return PictureAttributes(Report, picture);
    if (auto* line = dynamic_cast<TrpLineView*>(View)) {
        String s = BaseAttributes(line);
        if (!(line->Flags & flStretched)) s += Attr("Stretched", "False");
        return s;
    }
    if (auto* rich = dynamic_cast<TrpRichView*>(View)) return RichAttributes(Report, rich);
    return BaseAttributes(View);
}

void SaveToRP3Stream(TrpReport* Report, TStream* Stream) {
    Write(Stream, String("<?xml version=\"1.0\" encoding=\"utf-8\"?>") + kCRLF);
    Write(Stream, "<TrpxReport" + Attr("ScriptLanguage", "ReportScript") +
                      Attr("ScriptText.text", ScriptText(Report)) +
                      Attr("Propdata", DatasetsAndVariables(Report)) + ">" + kCRLF);
    for (Integer p = 0; p < Report->Pages()->Count(); ++p)
        WritePage(Report, Stream, Report->Pages()->Pages(p), p);
    Write(Stream, String("</TrpxReport>") + kCRLF);
}
