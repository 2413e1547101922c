#include "report/script/detail/TrpInterpretator.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TStrings.h"
#include "report/script/detail/ScriptCompiler.h"
#include "report/script/detail/ScriptConsts.h"
#include "report/script/detail/TrpParser.h"

#include <vector>

TrpInterpretator* rpInterpretator = nullptr;

namespace {

// Marks an expression kept as source text because it calls a function.
constexpr char kSourceText = '\x0F';

} // namespace

TrpInterpretator::TrpInterpretator() : FParser(std::make_unique<TrpParser>()), FMaxSteps(rpMaxScriptSteps) {
    FParser->OnGetValue = [this](const String& Name, Variant& Value) { GetValue(Name, Value); };
    FParser->OnFunction = [this](const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                                 String& Val) { DoFunction(Name, p1, p2, p3, Val); };
}

TrpInterpretator::~TrpInterpretator() = default;

void TrpInterpretator::PrepareScript(TStrings* Source, TStrings* Compiled, TStrings* Errors) {
    std::vector<String> source;
    for (Integer k = 0; k < Source->Count(); ++k)
        source.push_back(Source->Get(k));
    report::ScriptCompiler compiler(source);
    report::CompiledScript script = compiler.Compile();

    for (size_t k = 0; k < script.Lines.size() && script.Errors.empty(); ++k) {
        String& line = script.Lines[k];
        size_t keep = 0; // characters in front of the expression
        if (line.empty() || line[0] == report::scJump) continue;
        if (line[0] == report::scJumpIfZero)
            keep = 3;
        else if (line[0] == report::scCall)
            keep = 1;
        else
            keep = line.find(' ') + 1;
        const String expr = line.substr(keep);
        String opz;
        try {
            if (!FParser->Str2OPZWithoutCalls(expr, opz)) opz = String(1, kSourceText) + expr;
        } catch (const Exception& e) {
            script.Errors.push_back(compiler.ErrorAt(script.Origins[k], e.Message()));
            break;
        }
        line = line.substr(0, keep) + opz;
    }

    Compiled->Clear();
    for (const String& line : script.Lines)
        Compiled->Add(line);
    Errors->Clear();
    for (const String& error : script.Errors)
        Errors->Add(error);
}

Variant TrpInterpretator::Evaluate(const String& Expr) {
    if (!Expr.empty() && Expr[0] == kSourceText) return FParser->Calc(Expr.substr(1));
    return FParser->CalcOPZ(Expr);
}

void TrpInterpretator::DoScript(TStrings* Compiled) {
    Integer line = 0;
    Integer steps = 0;
    while (line < Compiled->Count()) {
        if (++steps > FMaxSteps) throw Exception(SScriptTooManySteps);
        const String text = Compiled->Get(line);
        if (text.empty()) {
            ++line;
            continue;
        }
        switch (text[0]) {
        case report::scJumpIfZero:
            line = Evaluate(text.substr(3)) == Variant(0) ? report::JumpTarget(text) : line + 1;
            break;
        case report::scJump:
            line = report::JumpTarget(text);
            break;
        case report::scCall:
            Evaluate(text.substr(1));
            ++line;
            break;
        default: {
            const size_t blank = text.find(' ');
            const String name = text.substr(0, blank);
            const Variant value = Evaluate(blank == String::npos ? String() : text.substr(blank + 1));
            SetValue(name, value);
            ++line;
        }
        }
    }
}
