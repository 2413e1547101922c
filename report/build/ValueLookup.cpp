#include "report/build/detail/ValueLookup.h"

#include "platform/core/Exceptions.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TField.h"
#include "report/script/detail/FormatValue.h"
#include "report/script/detail/FunctionHost.h"
#include "report/script/detail/ParserConsts.h"
#include "report/script/detail/TrpFunctionLibrary.h"
#include "report/script/detail/TrpParser.h"
#include "report/build/TrpBand.h"
#include "report/build/TrpReport.h"
#include "report/script/detail/TrpStdFunctionLibrary.h"
#include "report/script/detail/TrpValues.h"
#include "report/script/TrpVariables.h"
#include "report/views/TrpView.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpDBUtils.h"
#include "report/common/rpNameLookup.h"

#include <algorithm>

namespace report {

ValueLookup::ValueLookup(TrpReport* Report, TrpParser* Parser) : FReport(Report), FParser(Parser) {}

void ValueLookup::Attach() {
    FParser->OnGetValue = [this](const String& Name, Variant& Value) { GetVariableValue(Name, Value); };
    FParser->OnFunction = [this](const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                                 String& Val) { OnGetParsFunction(Name, p1, p2, p3, Val); };
}

void ValueLookup::PrepareDataSets() {
    TrpValues* values = FReport->Values();
    for (Integer k = 0; k < values->Items.Count(); ++k) {
        TrpValue* value = values->GetValue(k);
        if (value->Typ == 1) value->DSet = rpGetDataSet(value->DataSet);
    }
}

Variant ValueLookup::FieldValue(TField* Field) {
    if (Field->OnGetText) return Variant(Field->DisplayText());
    return Field->Value();
}

void ValueLookup::GetVariableValue(const String& Name, Variant& Value) {
    Value = Variant();
    if (FReport->OnGetValue) {
        FReport->OnGetValue(Name, Value);
        if (!Value.IsEmpty()) return;
    }

    // Evaluates text as an expression on behalf of Name; a name already on its way
    // through here is a circle that would never end.
    auto evaluate = [this, &Name](const String& text) {
        if (std::find(FEvaluating.begin(), FEvaluating.end(), Name) != FEvaluating.end())
            throw EParserError(SUndefinedSymbol + String("\"") + Name + "\"");
        FEvaluating.push_back(Name);
        struct Pop {
            std::vector<String>& List;
            ~Pop() { List.pop_back(); }
        } pop{FEvaluating};
        return FParser->Calc(text);
    };

    if (TrpValue* bound = FReport->Values()->FindVariable(Name)) {
        switch (bound->Typ) {
        case 0:
            Value = Variant("");
            break;
        case 1: {
            TDataSet* dataSet = bound->DSet ? bound->DSet : rpGetDataSet(bound->DataSet);
            if (!dataSet) break;
            if (!dataSet->Active()) dataSet->Open();
            Value = FieldValue(dataSet->FieldByName(bound->Field));
            break;
        }
        case 2:
            Value = evaluate(bound->OtherKind == 1 ? bound->Field : SpecialVariableName(bound->OtherKind));
            break;
        case 3:
            Value = evaluate(bound->Field);
            break;
        default:
            break;
        }
        return;
    }

    TDataSet* dataSet = GetDefaultDataSet();
    TField* field = nullptr;
    rpGetDataSetAndField(Name, dataSet, field);
    if (!field && dataSet && !dataSet->Active() && Name.find('.') != String::npos) {
        // A closed dataset has no fields yet: open it, as a bound value's would be.
        dataSet->Open();
        rpGetDataSetAndField(Name, dataSet, field);
    }
    if (field) {
        if (!dataSet->Active()) dataSet->Open();
        Value = FieldValue(field);
        return;
    }

    if (Name == "VALUE") {
        Value = CurValue;
        return;
    }
    if (const Integer k = SpecialVariableIndex(Name); k >= 0) {
        if (Special) Value = Special->SpecialValue(static_cast<SpecialVariable>(k));
        return;
    }

    if (rpVariables && rpVariables->IndexOf(Name) >= 0) {
        Value = rpVariables->GetVariable(Name);
        return;
    }
    Value = evaluate(Name);
}

void ValueLookup::OnGetParsFunction(const String& Name, const Variant& p1, const Variant& p2,
                                    const Variant& p3, String& Val) {
    if (rpCallFunctionLibraries(Name, p1, p2, p3, Val)) return;
    // While a footer accumulates, its expressions run invisibly: no user function then.
    AggregateBand* band = rpFunctionHost ? rpFunctionHost->AggregationBand() : nullptr;
    if ((!band || band->BandVisible()) && FReport->OnUserFunction)
        FReport->OnUserFunction(Name, p1, p2, p3, Val);
}

void ValueLookup::InternalOnGetValue(const String& ParName, String& ParValue) {
    FEvaluating.clear();
    Integer format = CurView ? CurView->Format : 0;
    String formatStr = CurView ? CurView->FormatStr : String();
    // Most expressions carry no format suffix: they are looked up as they stand.
    String suffixed;
    const bool hasSuffix = ParName.find(" #") != String::npos;
    if (hasSuffix) rpParseFormatSuffix(ParName, suffixed, format, formatStr);
    const String& expr = hasSuffix ? suffixed : ParName;
    CurExpression = expr;
    CurValue = Variant();
    GetVariableValue(expr, CurValue);
    ParValue = FormatValue(CurValue, format, formatStr);
}

} // namespace report
