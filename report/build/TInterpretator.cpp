#include "report/build/detail/TInterpretator.h"

#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "report/build/TrpBand.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/script/detail/TrpParser.h"
#include "report/script/TrpVariables.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpStreamUtils.h"

report::ScriptHost* rpScriptHost = nullptr;

namespace {

enum Property {
    prLeft,
    prTop,
    prWidth,
    prHeight,
    prFlags,
    prVisible,
    prFrameTyp,
    prFrameWidth,
    prFrameColor,
    prFillColor,
    prText,
    prFontName,
    prFontSize,
    prFontStyle,
    prFontColor,
    prAdjust,
    prNone
};

const char* const kProperties[] = {"Left",     "Top",        "Width",      "Height",    "Flags", "Visible",
                                   "FrameTyp", "FrameWidth", "FrameColor", "FillColor", "Text",  "FontName",
                                   "FontSize", "FontStyle",  "FontColor",  "Adjust"};

const struct {
    const char* Name;
    Integer Value;
} kColours[] = {
    {"clWhite", 0xFFFFFF},        {"clBlack", 0},         {"clMaroon", 0x80},      {"clGreen", 0x8000},
    {"clOlive", 0x8080},          {"clNavy", 0x800000},   {"clPurple", 0x800080},  {"clTeal", 0x808000},
    {"clGray", 0x808080},         {"clSilver", 0xC0C0C0}, {"clRed", 0xFF},         {"clLime", 0xFF00},
    {"clYellow", 0xFFFF},         {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clTransparent", 0x1FFFFFFF}};

Property PropertyOf(const String& Name) {
    for (Integer k = 0; k < prNone; ++k)
        if (SameText(Name, kProperties[k])) return static_cast<Property>(k);
    return prNone;
}

bool IsMemoOnly(Property p) {
    return p >= prFontName;
}

// The report's own look-up, for names scripts do not know.
void ReportValue(const String& Name, Variant& Value) {
    if (rpParser && rpParser->OnGetValue) rpParser->OnGetValue(Name, Value);
}

Variant ReadBand(TrpBand* band, Property p) {
    if (!band) return Variant(0);
    switch (p) {
    case prLeft:
        return Variant(band->x);
    case prTop:
        return Variant(band->y);
    case prWidth:
        return Variant(band->dx);
    case prHeight:
        return Variant(band->dy);
    case prVisible:
        return Variant(band->Visible);
    default:
        return Variant(0);
    }
}

Variant ReadView(TrpView* view, Property p) {
    auto* memo = dynamic_cast<TrpMemoView*>(view);
    switch (p) {
    case prLeft:
        return Variant(view->Left);
    case prTop:
        return Variant(view->Top);
    case prWidth:
        return Variant(view->Width);
    case prHeight:
        return Variant(view->Height);
    case prFlags:
        return Variant(static_cast<int>(view->Flags));
    case prVisible:
        return Variant(view->Visible);
    case prFrameTyp:
        return Variant(static_cast<int>(view->FrameTyp));
    case prFrameWidth:
        return Variant(static_cast<double>(view->FrameWidth));
    case prFrameColor:
        return Variant(static_cast<int>(view->FrameColor));
    case prFillColor:
        return Variant(static_cast<int>(view->FillColor));
    case prText: {
        String text;
        for (Integer k = 0; k < view->Memo.Count(); ++k)
            text += (k ? "\r\n" : "") + view->Memo[k];
        return Variant(text);
    }
    case prFontName:
        return Variant(memo->Font.Name());
    case prFontSize:
        return Variant(memo->Font.Size());
    case prFontStyle:
        return Variant(rpGetFontStyle(memo->Font.Style()));
    case prFontColor:
        return Variant(static_cast<int>(memo->Font.Color()));
    case prAdjust:
        return Variant(memo->Adjust);
    default:
        return Variant(0);
    }
}

void WriteBand(TrpBand* band, Property p, const Variant& v) {
    switch (p) {
    case prLeft:
        band->x = v.AsInteger();
        break;
    case prTop:
        band->y = v.AsInteger();
        break;
    case prWidth:
        band->dx = v.AsInteger();
        break;
    case prHeight:
        band->dy = v.AsInteger();
        break;
    case prVisible:
        band->Visible = v.AsBoolean();
        break;
    default:
        break; // not available on bands
    }
}

void WriteView(TrpView* view, Property p, const Variant& v) {
    auto* memo = dynamic_cast<TrpMemoView*>(view);
    switch (p) {
    case prLeft:
        view->Left = v.AsInteger();
        break;
    case prTop:
        view->Top = v.AsInteger();
        break;
    case prWidth:
        view->Width = v.AsInteger();
        break;
    case prHeight:
        view->Height = v.AsInteger();
        break;
    case prFlags:
        view->Flags = static_cast<Word>(v.AsInteger());
        break;
    case prVisible:
        view->Visible = v.AsBoolean();
        break;
    case prFrameTyp:
        view->FrameTyp = static_cast<Word>(v.AsInteger());
        break;
    case prFrameWidth:
        view->FrameWidth = static_cast<float>(v.AsFloat());
        break;
    case prFrameColor:
        view->FrameColor = v.AsInteger();
        break;
    case prFillColor:
        view->FillColor = v.AsInteger();
        break;
    case prText:
        view->Memo.SetText(VarToStr(v));
        break;
    case prFontName:
        memo->Font.SetName(v.AsString());
        break;
    case prFontSize:
        memo->Font.SetSize(v.AsInteger());
        break;
    case prFontStyle:
        memo->Font.SetStyle(rpSetFontStyle(v.AsInteger()));
        break;
    case prFontColor:
        memo->Font.SetColor(v.AsInteger());
        break;
    case prAdjust:
        memo->Adjust = v.AsInteger();
        break;
    default:
        break;
    }
}

} // namespace

TrpBand* rpBandOfView(TrpView* View) {
    if (!CurPage || !dynamic_cast<TrpBandView*>(View)) return nullptr;
    for (TrpBand* head : CurPage->Bands)
        for (TrpBand* band = head; band; band = band->Next)
            if (band->View == View) return band;
    return nullptr;
}

report::ScriptHost* TInterpretator::Host() const {
    return FHost ? FHost : rpScriptHost;
}

TrpView* TInterpretator::Split(const String& Name, String& Property) const {
    const size_t dot = Name.find('.');
    if (dot == String::npos) {
        Property = Name;
        return CurView;
    }
    Property = Name.substr(dot + 1);
    report::ScriptHost* host = Host();
    return host ? host->FindObject(Name.substr(0, dot)) : nullptr;
}

void TInterpretator::GetValue(const String& Name, Variant& Value) {
    Value = Variant(0);
    if (rpVariables && rpVariables->IndexOf(Name) >= 0) {
        Value = rpVariables->GetVariable(Name);
        return;
    }
    if (Name == "FREESPACE") {
        report::ScriptHost* host = Host();
        Value = Variant(IntToStr(host ? host->FreeSpace() : 0));
        return;
    }
    String property;
    TrpView* view = Split(Name, property);
    if (!view) return ReportValue(Name, Value);
    const Property p = PropertyOf(property);
    const bool isMemo = dynamic_cast<TrpMemoView*>(view) != nullptr;
    if (p != prNone && !(IsMemoOnly(p) && !isMemo)) {
        Value = dynamic_cast<TrpBandView*>(view) ? ReadBand(rpBandOfView(view), p) : ReadView(view, p);
        return;
    }
    if (p == prNone) {
        for (const auto& colour : kColours)
            if (SameText(property, colour.Name)) {
                Value = Variant(colour.Value);
                return;
            }
        // So that "Visible := False" reads as written.
        if (SameText(property, "True") || SameText(property, "False")) {
            Value = Variant(SameText(property, "True"));
            return;
        }
    }
    ReportValue(Name, Value);
}

void TInterpretator::SetValue(const String& Name, const Variant& Value) {
    String property;
    TrpView* view = Split(Name, property);
    const Property p = PropertyOf(property);
    if (p == prNone) {
        // Script variables are engine-wide: the application and later reports see them.
        if (rpVariables) rpVariables->SetVariable(Name, Value);
        return;
    }
    if (!view || (IsMemoOnly(p) && !dynamic_cast<TrpMemoView*>(view))) return;
    if (dynamic_cast<TrpBandView*>(view)) {
        if (TrpBand* band = rpBandOfView(view)) WriteBand(band, p, Value);
        return;
    }
    WriteView(view, p, Value);
}

void TInterpretator::DoFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                                String& Val) {
    if (Name == "NEWPAGE" || Name == "NEWCOLUMN") {
        if (CurBand) (Name == "NEWPAGE" ? CurBand->ForceNewPage : CurBand->ForceNewColumn) = true;
        Val = "0";
        return;
    }
    if (rpParser && rpParser->OnFunction) rpParser->OnFunction(Name, p1, p2, p3, Val);
}
