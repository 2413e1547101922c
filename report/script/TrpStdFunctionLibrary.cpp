#include "report/script/detail/TrpStdFunctionLibrary.h"

#include "platform/core/DateTime.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/ScopeExit.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "platform/core/VariantArith.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "platform/ui/MessageDialogs.h"
#include "report/script/detail/FunctionHost.h"
#include "report/common/detail/rpBandTypes.h"
#include "report/script/detail/TrpParser.h"
#include "report/common/rpNameLookup.h"

#include <algorithm>

report::FunctionHost* rpFunctionHost = nullptr;

namespace {

enum FunctionNo {
    fnAvg,
    fnCount,
    fnFormatDateTime,
    fnFormatFloat,
    fnInput,
    fnLowerCase,
    fnMax,
    fnMin,
    fnNameCase,
    fnStrToDate,
    fnStrToTime,
    fnSum,
    fnUpperCase
};

const char* const kNames[] = {"AVG", "COUNT",    "FORMATDATETIME", "FORMATFLOAT", "INPUT", "LOWERCASE", "MAX",
                              "MIN", "NAMECASE", "STRTODATE",      "STRTOTIME",   "SUM",   "UPPERCASE"};

String Quoted(const String& s) {
    return "'" + s + "'";
}

bool IsFooterLike(Integer type) {
    return type == btReportSummary || type == btPageFooter || type == btMasterFooter ||
           type == btDetailFooter || type == btSubDetailFooter || type == btGroupFooter ||
           type == btCrossFooter;
}

} // namespace

TrpStdFunctionLibrary::TrpStdFunctionLibrary() {
    for (const char* name : kNames)
        List()->Add(name);
}

TrpParser& TrpStdFunctionLibrary::Parser() const {
    return FParser ? *FParser : *rpParser;
}

report::FunctionHost* TrpStdFunctionLibrary::Host() const {
    return FHost ? FHost : rpFunctionHost;
}

Variant TrpStdFunctionLibrary::Eval(const Variant& p) const {
    return Parser().Calc(p.AsString());
}

// A null value reads as an empty text, so an empty field does not stop the report.
String TrpStdFunctionLibrary::Text(const Variant& p) const {
    return VarToStr(Eval(p));
}

void TrpStdFunctionLibrary::DoFunction(Integer FNo, const Variant& p1, const Variant& p2, const Variant& p3,
                                       String& Val) {
    Val = "0";
    switch (FNo) {
    case fnAvg:
        Val = DoAggregate(Aggregate::Avg, "AVG", p1, p2, p3);
        break;
    case fnCount:
        Val = DoAggregate(Aggregate::Count, "COUNT", p1, p2, p3);
        break;
    case fnMax:
        Val = DoAggregate(Aggregate::Max, "MAX", p1, p2, p3);
        break;
    case fnMin:
        Val = DoAggregate(Aggregate::Min, "MIN", p1, p2, p3);
        break;
    case fnSum:
        Val = DoAggregate(Aggregate::Sum, "SUM", p1, p2, p3);
        break;
    case fnFormatDateTime: {
        const String format = Text(p1);
        Val = Quoted(FormatDateTime(format, Eval(p2).AsFloat()));
        break;
    }
    case fnFormatFloat: {
        const String format = Text(p1);
        Val = Quoted(FormatFloat(format, Eval(p2).AsFloat()));
        break;
    }
    case fnInput: {
        const String prompt = Text(p1);
        Val = Quoted(InputBox("", prompt, Text(p2)));
        break;
    }
    case fnLowerCase:
        Val = Quoted(AnsiLowerCase(Text(p1)));
        break;
    case fnUpperCase:
        Val = Quoted(AnsiUpperCase(Text(p1)));
        break;
    case fnNameCase: {
        const String s = AnsiLowerCase(Text(p1));
        Val = Quoted(AnsiUpperCase(Copy(s, 1, 1)) + Copy(s, 2));
        break;
    }
    // The value joins the prefix by Variant addition, so it must be text.
    case fnStrToDate:
        Val = VarAdd(VarAdd(Variant("%d'"), Eval(p1)), Variant("'")).AsString();
        break;
    case fnStrToTime:
        Val = VarAdd(VarAdd(Variant("%t'"), Eval(p1)), Variant("'")).AsString();
        break;
    default:
        break;
    }
}

String TrpStdFunctionLibrary::DoAggregate(Aggregate Kind, const String& Name, const Variant& p1,
                                          const Variant& p2, const Variant& p3) const {
    report::FunctionHost* host = Host();
    if (!host) return "0";
    const String arg = p1.AsString();
    TDataSet* dataSet = nullptr;
    TField* field = nullptr;
    if (Kind == Aggregate::Count)
        dataSet = rpGetDataSet(Trim(arg));
    else
        rpGetDataSetAndField(Trim(arg), dataSet, field);
    if (dataSet) {
        report::AggregateBand* band = host->AggregationBand();
        if (!band || !band->BandVisible()) return "0";
        return DataSetAggregate(Kind, dataSet, field);
    }
    if (Kind == Aggregate::Count) return BandAggregate(Kind, Name, arg, Trim(arg), Trim(p2.AsString()));
    return BandAggregate(Kind, Name, arg, Trim(p2.AsString()), Trim(p3.AsString()));
}

String TrpStdFunctionLibrary::DataSetAggregate(Aggregate Kind, TDataSet* DataSet, TField* Field) const {
    double min = 1e200, max = -1e200, sum = 0, count = 0;
    // The walk must leave the dataset on the record it found: the band engine and the
    // application's lists are positioned on it.
    const TBookmark start = DataSet->GetBookmark();
    // Grids and other controls on the dataset see neither the walk nor the way back.
    DataSet->DisableControls();
    core::ScopeExit restore([&] {
        if (!start.empty() && DataSet->Active()) {
            try {
                DataSet->GotoBookmark(start);
            } catch (...) { // a record deleted meanwhile: stay where the walk ended
            }
        }
        try {
            DataSet->EnableControls();
        } catch (...) { // a control failing to repaint must not end the report here
        }
    });
    DataSet->First();
    while (!DataSet->Eof()) {
        double v = 0;
        if (Kind != Aggregate::Count && Field && !Field->IsNull()) v = Field->AsFloat();
        max = std::max(max, v);
        min = std::min(min, v);
        sum += v;
        count += 1;
        DataSet->Next();
    }
    switch (Kind) {
    case Aggregate::Sum:
        return FloatToStr(sum);
    case Aggregate::Min:
        return FloatToStr(min);
    case Aggregate::Max:
        return FloatToStr(max);
    case Aggregate::Avg:
        return FloatToStr(count > 0 ? sum / count : 0);
    default:
        return FloatToStr(count);
    }
}

String TrpStdFunctionLibrary::BandAggregate(Aggregate Kind, const String& Name, const String& Arg,
                                            const String& BandName, const String& Flag) const {
    report::FunctionHost* host = Host();
    report::AggregateBand* band = host->AggregationBand();
    report::AggregateBand* current = host->CurrentBand();
    if (!band || !IsFooterLike(band->BandType())) return "0";
    const bool currentVisible = current && current->BandVisible();
    if (Flag != "1" && !currentVisible) return "0";
    const String bandName = BandName.empty() && current ? current->BandName() : BandName;
    String key = Name + Arg;
    if (host->MultiColumn())
        key += band->BandType() == btCrossFooter ? String("00") : IntToStr(host->CurrentColumn());
    TStringList* values = band->AggregateValues();

    if (!band->BandVisible()) {
        if (!current || !AnsiSameText(current->BandName(), bandName)) return "0";
        String stored = values->Values(key);
        if (Copy(stored, 1, 1) == "1") return "0"; // this row is already counted under this key
        stored = Copy(stored, 2);
        double d = 0;
        if (Kind != Aggregate::Count) {
            const Variant v = Parser().Calc(Arg);
            d = v.IsNull() ? 0 : v.AsFloat();
        }
        if (stored.empty())
            stored = Kind == Aggregate::Min ? "1e200" : (Kind == Aggregate::Max ? "-1e200" : "0");
        const double old = StrToFloat(stored);
        double now = old;
        switch (Kind) {
        case Aggregate::Sum:
        case Aggregate::Avg:
            now = old + d;
            break;
        case Aggregate::Count:
            now = old + 1;
            break;
        case Aggregate::Min:
            now = std::min(old, d);
            break;
        case Aggregate::Max:
            now = std::max(old, d);
            break;
        }
        values->SetValue(key, "1" + FloatToStr(now));
        return "0";
    }

    const String stored = Copy(values->Values(key), 2, 255);
    if (Kind != Aggregate::Avg) return stored;
    // No row accumulated: nothing to divide.
    if (stored.empty() || band->AggregateCount() == 0) return "0";
    return FloatToStr(StrToFloat(stored) / band->AggregateCount());
}
