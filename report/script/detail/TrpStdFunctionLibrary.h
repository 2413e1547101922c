#pragma once
// The engine's standard functions: the aggregates AVG, COUNT, MAX, MIN and SUM, and
// FORMATDATETIME, FORMATFLOAT, INPUT, LOWERCASE, NAMECASE, STRTODATE, STRTOTIME and
// UPPERCASE. Arguments are evaluated with the parser's Calc.
//
// An aggregate whose first argument names a dataset field ("Query1.field" or
// "Form.Query1.field") walks that dataset when the aggregation band is visible and
// returns to the record it started on. Otherwise it works in band mode: while a footer
// accumulates (invisible) each printed row adds its value once per key; when the footer
// prints (visible) the stored result is returned. Results are numbers as FloatToStr
// writes them; AVG of no rows gives 0.
//
// Errors: conversion errors of the arguments propagate.
#include "report/script/detail/TrpFunctionLibrary.h"

class TrpParser;

namespace report {
class FunctionHost;
}

class TrpStdFunctionLibrary : public TrpFunctionLibrary {
public:
    TrpStdFunctionLibrary();
    String ClassName() const override { return "TrpStdFunctionLibrary"; }

    void DoFunction(Integer FNo, const Variant& p1, const Variant& p2, const Variant& p3,
                    String& Val) override;

    // The parser that evaluates arguments (rpParser when none is set) and the report
    // state the aggregates use (rpFunctionHost when none is set; without one, aggregates
    // give "0").
    void SetParser(TrpParser* Value) { FParser = Value; }
    void SetHost(report::FunctionHost* Value) { FHost = Value; }

private:
    enum class Aggregate { Avg, Count, Max, Min, Sum };

    TrpParser& Parser() const;
    report::FunctionHost* Host() const;
    Variant Eval(const Variant& p) const;
    String Text(const Variant& p) const;
    String DoAggregate(Aggregate Kind, const String& Name, const Variant& p1, const Variant& p2,
                       const Variant& p3) const;
    String DataSetAggregate(Aggregate Kind, class TDataSet* DataSet, class TField* Field) const;
    String BandAggregate(Aggregate Kind, const String& Name, const String& Arg, const String& BandName,
                         const String& Flag) const;

    TrpParser* FParser = nullptr;
    report::FunctionHost* FHost = nullptr;
};

// The report state the standard functions consult during a build.
extern report::FunctionHost* rpFunctionHost;
