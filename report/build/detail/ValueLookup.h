#pragma once
// How a report answers the names and functions of its expressions while it is built.
//
// GetVariableValue, in this order: the report's OnGetValue (when it assigns a value);
// the report's stored values (unbound: empty text; data field: the field's value, or its
// display text when the field formats its text; expression kinds: the expression's
// value); a data field named "dataset.field" or, bare, in the current band's default
// dataset; "VALUE" and the special variables (PAGE#, DATE, TIME, LINE#, LINETHROUGH#,
// COLUMN#, CURRENT#, TOTALPAGES); the engine's global variables; finally the name itself
// evaluated as an expression. A name met again while it is being evaluated (directly or
// through values that refer to each other) raises EParserError
// "Undefined symbol "<name>"".
#include "platform/core/Types.h"
#include "platform/core/Variant.h"
#include "report/script/detail/TrpValues.h"

#include <vector>

class TDataSet;
class TField;
class TrpParser;
class TrpReport;

namespace report {

// The build's counters behind the special variables; the build driver and band engine
// provide them.
class SpecialValues {
public:
    virtual ~SpecialValues() = default;
    virtual Variant SpecialValue(SpecialVariable Index) = 0;
};

class ValueLookup {
public:
    ValueLookup(TrpReport* Report, TrpParser* Parser);

    // Points the parser's hooks at GetVariableValue and OnGetParsFunction.
    void Attach();
    // Resolves the data sources of the values bound to data fields.
    void PrepareDataSets();

    void GetVariableValue(const String& Name, Variant& Value);
    // Val := "0"; the function libraries in registration order; when none lists the
    // name and no aggregate is accumulating, the report's OnUserFunction.
    void OnGetParsFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                           String& Val);
    // A memo's bracketed expression with an optional format suffix, as display text in
    // the current object's format.
    void InternalOnGetValue(const String& ParName, String& ParValue);

    SpecialValues* Special = nullptr;
    // The last value fetched for a memo expression ("VALUE") and its text.
    Variant CurValue;
    String CurExpression;

private:
    static Variant FieldValue(TField* Field);

    TrpReport* FReport;
    TrpParser* FParser;
    // Names being evaluated as expressions, innermost last.
    std::vector<String> FEvaluating;
};

} // namespace report
