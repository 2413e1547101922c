#pragma once
// The report script interpreter: PrepareScript compiles script text once into a list of
// simple instructions (see ScriptCompiler), DoScript runs that list. Expressions are
// stored as postfix text of the interpreter's own parser; an expression that calls a
// function (IF, COPY or a report function) keeps its source text and is converted each
// time it runs, so that the call happens when the script runs and not while compiling.
//
// The base class knows no names: GetValue, SetValue and DoFunction do nothing, and a
// derived class supplies them. The parser's hooks call these virtual operations.
#include "platform/core/TObject.h"
#include "platform/core/Variant.h"

#include <memory>

class TStrings;
class TrpParser;

inline constexpr Integer rpMaxScriptSteps = 1000000;

class TrpInterpretator : public TObject {
public:
    TrpInterpretator();
    ~TrpInterpretator() override;
    String ClassName() const override { return "TrpInterpretator"; }

    virtual void GetValue(const String& Name, Variant& Value) {}
    virtual void SetValue(const String& Name, const Variant& Value) {}
    virtual void DoFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                            String& Val) {}
    // Compiles Source into Compiled (cleared first); one line per error into Errors
    // (cleared first). Raises nothing. Source and Compiled may be the same list.
    virtual void PrepareScript(TStrings* Source, TStrings* Compiled, TStrings* Errors);
    // Runs a compiled list from its first line. Errors of evaluation, SetValue and
    // DoFunction propagate; a script still running after MaxSteps instructions
    // raises Exception "Скрипт выполняется слишком долго".
    virtual void DoScript(TStrings* Compiled);

    TrpParser* Parser() const { return FParser.get(); }
    // Instructions a script may run before DoScript gives up (rpMaxScriptSteps unless set).
    void SetMaxSteps(Integer Value) { FMaxSteps = Value; }

private:
    Variant Evaluate(const String& Expr);

    std::unique_ptr<TrpParser> FParser;
    Integer FMaxSteps;
};

// The engine's interpreter, created at start-up.
extern TrpInterpretator* rpInterpretator;
