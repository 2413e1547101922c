#include "report/script/detail/TrpInterpretator.h"

#include "tests/report/ShowValue.h"
#include "platform/core/Exceptions.h"
#include "platform/core/NumberFormat.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "report/script/detail/ScriptCompiler.h"
#include "report/script/detail/TrpParser.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Names as the parser hands them over: bare names upper-cased, so values are kept by
// their upper-cased names.
class Recorder : public TrpInterpretator {
public:
    void GetValue(const String& Name, Variant& Value) override {
        auto it = Values.find(AnsiUpperCase(Name));
        if (it != Values.end()) Value = it->second;
    }
    void SetValue(const String& Name, const Variant& Value) override { Values[AnsiUpperCase(Name)] = Value; }
    void DoFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                    String& Val) override {
        Calls.push_back(Name + "|" + p1.AsString() + "|" + p2.AsString() + "|" + p3.AsString());
        Val = "0";
    }

    std::map<String, Variant> Values;
    std::vector<String> Calls;
};

// A compiled line made readable: control characters as #code, jump targets in brackets.
String Render(const String& line) {
    auto escape = [](const String& s) {
        String r;
        for (char c : s)
            r += static_cast<unsigned char>(c) < 0x20 ? "#" + IntToStr(static_cast<unsigned char>(c))
                                                      : String(1, c);
        return r;
    };
    if (!line.empty() && (line[0] == report::scJumpIfZero || line[0] == report::scJump))
        return escape(line.substr(0, 1)) + "(" + IntToStr(report::JumpTarget(line)) + ")" +
               escape(line.substr(3));
    return escape(line);
}

struct Compiled {
    std::vector<String> Lines;
    std::vector<String> Errors;
};

Compiled Prepare(TrpInterpretator& interp, const std::vector<String>& source) {
    TStringList src, out, errors;
    for (const String& s : source)
        src.Add(s);
    interp.PrepareScript(&src, &out, &errors);
    Compiled c;
    for (Integer k = 0; k < out.Count(); ++k)
        c.Lines.push_back(Render(out[k]));
    for (Integer k = 0; k < errors.Count(); ++k)
        c.Errors.push_back(errors[k]);
    return c;
}

struct ListingCase {
    std::vector<String> Source;
    std::vector<String> Lines;
};

class ListingTest : public ::testing::TestWithParam<ListingCase> {};

TEST_P(ListingTest, Compiles) {
    Recorder r;
    const Compiled c = Prepare(r, GetParam().Source);
    EXPECT_TRUE(c.Errors.empty()) << (c.Errors.empty() ? "" : c.Errors[0]);
    EXPECT_EQ(c.Lines, GetParam().Lines) << GetParam().Source[0];
    EXPECT_TRUE(r.Calls.empty()); // nothing runs while compiling
}

INSTANTIATE_TEST_SUITE_P(
    Interpretator, ListingTest,
    ::testing::Values(
        // assignments: the name as written, a blank, the postfix text
        ListingCase{{"BEGIN a := 1; b := a + 1 END"}, {"a 1 ", "b a 1 +"}},
        // conditional jump, THEN part, jump over ELSE, ELSE part
        ListingCase{{"IF x > 1 THEN y := 1 ELSE y := 2"}, {"#1(3)x 1 >", "y 1 ", "#2(4)", "y 2 "}},
        ListingCase{{"IF x > 1 THEN y := 1"}, {"#1(2)x 1 >", "y 1 "}},
        ListingCase{{"IF a THEN BEGIN x := 1; y := 2 END ELSE z := 3"},
                    {"#1(4)a ", "x 1 ", "y 2 ", "#2(5)", "z 3 "}},
        // a label stands before its statement's first line
        ListingCase{{"BEGIN x := 0; 10: x := x + 1; GOTO 10 END"}, {"x 0 ", "x x 1 +", "#2(1)10"}},
        ListingCase{{"WHILE i < 3 DO i := i + 1"}, {"#1(3)i 3 <", "i i 1 +", "#2(0)"}},
        // REPEAT jumps back while its condition is 0
        ListingCase{{"REPEAT i := i + 1; j := i UNTIL i >= 3"}, {"i i 1 +", "j i ", "#1(0)i 3 #1"}},
        // a bare name is a call with 0; calls keep their source (#15) to run later
        ListingCase{{"BEGIN NEWPAGE; END"}, {"#3#15NEWPAGE(0)"}},
        ListingCase{{"NEWCOLUMN"}, {"#3#15NEWCOLUMN(0)"}},
        ListingCase{{"a[2] := 5"}, {"#3#15SETARRAY(a, 2, 5)"}},
        ListingCase{{"x := SUM([a]) + 1"}, {"x #15SUM([a]) + 1"}},
        ListingCase{{"FORMATFLOAT('0.0', x)"}, {"#3#15FORMATFLOAT('0.0', x)"}},
        // comments cut the rest of their line only
        ListingCase{{"BEGIN x := 1; // y := 2", "z := 3 { w := 4", "END"}, {"x 1 ", "z 3 "}},
        ListingCase{{"x := 'it''s'"}, {"x 'it''s' "}}, // a doubled quote inside a string
        ListingCase{{"BEGIN END"}, {}},
        // text after the first statement is ignored
        ListingCase{{"BEGIN x := 1 END; z := 3"}, {"x 1 "}},
        ListingCase{{"Memo1.Visible := 0"}, {"Memo1.Visible 0 "}},
        ListingCase{{"begin", "\tx\t:=   [Query1.\"a b\"] * 2", "end"}, {"x [Query1.\"a b\"] 2 *"}},
        ListingCase{{"x := NOT a AND (b OR c)"}, {"x a #12b c #4#5"}}));

struct ErrorCase {
    std::vector<String> Source;
    String Error;
};

class CompileErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CompileErrorTest, Reports) {
    Recorder r;
    const Compiled c = Prepare(r, GetParam().Source);
    ASSERT_EQ(c.Errors.size(), 1u) << GetParam().Source[0];
    EXPECT_EQ(c.Errors[0], GetParam().Error);
}

INSTANTIATE_TEST_SUITE_P(
    Interpretator, CompileErrorTest,
    ::testing::Values(
        ErrorCase{{"IF x > 1 y := 1"}, "Строка 1/10: Здесь требуется \"then\""},
        ErrorCase{{"BEGIN", "  x := 1", "  y := 2", "END"}, "Строка 3/3: Здесь требуется \";\" или \"end\""},
        ErrorCase{{"REPEAT x := 1 END"}, "Строка 1/15: Здесь требуется \";\" или \"until\""},
        ErrorCase{{"WHILE x > 1 x := 0"}, "Строка 1/13: Здесь требуется \"do\""},
        ErrorCase{{"GOTO x"}, "Строка 1/6: Метка в goto должна быть числом"},
        ErrorCase{{"BEGIN NEWPAGE END"}, "Строка 1/15: Здесь требуется \":=\""}, // a call needs ; or the end
        ErrorCase{{"x := (1 + 2"}, "Строка 1/12: Здесь требуется \")\""},
        ErrorCase{{"x := [a + 1"}, "Строка 1/12: Здесь требуется \"]\""},
        ErrorCase{{"a[1 := 2"}, "Строка 1/5: Здесь требуется \"]\""},
        ErrorCase{{"x := F(1, 2"}, "Строка 1/12: Здесь требуется \",\" или \")\""},
        ErrorCase{{"x := 'abc"}, "Строка 1/6: Здесь требуется \"'\""},
        // lists that reach the end of the text
        ErrorCase{{"BEGIN x := 1;"}, "Строка 1/14: Здесь требуется \";\" или \"end\""},
        ErrorCase{{"REPEAT x := 1"}, "Строка 1/14: Здесь требуется \";\" или \"until\""},
        ErrorCase{{"BEGIN GOTO 20 END"}, "Строка 1/7: Метка не найдена"},
        // comments and blanks are not counted when the column is found
        ErrorCase{{"{ header }", "IF x // test", "  y := 1"}, "Строка 3/3: Здесь требуется \"then\""},
        ErrorCase{{"IF ő > 1 y := 1"}, "Строка 1/4: Здесь требуется \"then\""}, // columns count characters
        ErrorCase{{"12345678901234567: x := 1"}, "Строка 1/1: Слишком длинная метка"},
        ErrorCase{{"x := " + String(32000, '1')}, "Строка 1/32000: Слишком длинный скрипт"}));

TEST(Interpretator, LabelTableHoldsOneHundredAndOne) {
    String body = "BEGIN ";
    for (int k = 1; k <= 101; ++k)
        body += IntToStr(k) + ": x := 1; ";
    Recorder r;
    EXPECT_TRUE(Prepare(r, {body + "END"}).Errors.empty());
    const Compiled c = Prepare(r, {body + "102: x := 2 END"});
    ASSERT_EQ(c.Errors.size(), 1u);
    EXPECT_EQ(c.Errors[0].substr(c.Errors[0].find(':')), ": Слишком много меток");
}

Variant RunScript(Recorder& r, const std::vector<String>& source, const String& result) {
    TStringList script;
    for (const String& s : source)
        script.Add(s);
    TStringList errors;
    r.PrepareScript(&script, &script, &errors); // compiled in place, as the report does
    EXPECT_EQ(errors.Count(), 0) << (errors.Count() ? errors[0] : "");
    r.DoScript(&script);
    return r.Values[result];
}

struct RunCase {
    std::vector<String> Source;
    const char* Result;
    const char* Expected;
};

class RunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(RunTest, Runs) {
    Recorder r;
    EXPECT_EQ(ShowValue(RunScript(r, GetParam().Source, GetParam().Result)), GetParam().Expected)
        << GetParam().Source[0];
}

INSTANTIATE_TEST_SUITE_P(
    Interpretator, RunTest,
    ::testing::Values(
        RunCase{{"BEGIN i := 0; s := 0;", "WHILE i < 5 DO BEGIN i := i + 1; s := s + i END END"}, "S", "15"},
        RunCase{{"BEGIN i := 0; REPEAT i := i + 2 UNTIL i > 5 END"}, "I", "6"},
        RunCase{{"BEGIN n := 0; 10: n := n + 1; IF n < 3 THEN GOTO 10 END"}, "N", "3"},
        RunCase{{"IF 2 > 1 THEN y := 'then' ELSE y := 'else'"}, "Y", "'then'"},
        RunCase{{"IF 2 < 1 THEN y := 'then' ELSE y := 'else'"}, "Y", "'else'"},
        RunCase{{"x := IF(1, 'a', 'b') + COPY('xyz', 2, 1)"}, "X", "'ay'"},
        RunCase{{"BEGIN WHILE 0 DO x := 1; y := 2 END"}, "X", "(empty)"})); // body never runs

TEST(Interpretator, CallsHappenWhenTheScriptRuns) {
    Recorder r;
    TStringList script, errors;
    script.Add("BEGIN NEWPAGE; a[2] := 5 + 1; END");
    r.PrepareScript(&script, &script, &errors);
    EXPECT_TRUE(r.Calls.empty());
    r.DoScript(&script);
    r.DoScript(&script); // a compiled list runs any number of times
    ASSERT_EQ(r.Calls.size(), 4u);
    EXPECT_EQ(r.Calls[0], "NEWPAGE|0||");
    EXPECT_EQ(r.Calls[1], "SETARRAY|a| 2| 5 + 1");
}

TEST(Interpretator, ErrorsWhileRunningPropagate) {
    Recorder r;
    EXPECT_EQ(ErrorOf<Exception>([&] { RunScript(r, {"x := 'a' * 2"}, "X"); }),
              "Invalid variant type conversion");
}

TEST(Interpretator, EndlessLoopStopsAfterTheStepLimit) {
    Recorder r;
    EXPECT_EQ(ErrorOf<Exception>([&] { RunScript(r, {"10: GOTO 10"}, "X"); }),
              "Скрипт выполняется слишком долго");
}

// A text doubled again and again, by "+" or by a function whose result repeats its
// argument, ends in a script error at the text limit instead of taking all memory; the
// last text that fit stays.
TEST(Interpretator, ADoublingTextStopsAtTheLimit) {
    struct Repeater : Recorder {
        void DoFunction(const String& Name, const Variant& p1, const Variant& p2, const Variant& p3,
                        String& Val) override {
            const String text = Parser()->Calc(p1.AsString()).AsString();
            Val = "'" + text + text + "'";
        }
    };
    const std::size_t limit = 1000;
    for (const String doubling : {"s := s + s", "s := TWICE(s)"}) {
        SCOPED_TRACE(doubling);
        Repeater r;
        r.Parser()->SetMaxTextLength(limit);
        const String script =
            "BEGIN s := 'x'; n := 0; WHILE n < 40 DO BEGIN " + doubling + "; n := n + 1 END END";
        EXPECT_EQ(ErrorOf<EParserError>([&] { RunScript(r, {script}, "S"); }), "Text too long in expression");
        EXPECT_EQ(r.Values["S"].TextLength(), 512u);
    }
}

TEST(Interpretator, BaseClassKnowsNoNames) {
    TrpInterpretator base;
    TStringList script, errors;
    script.Add("BEGIN x := y + 1; F(1) END");
    base.PrepareScript(&script, &script, &errors);
    EXPECT_EQ(errors.Count(), 0);
    EXPECT_NO_THROW(base.DoScript(&script));
}

TEST(Interpretator, ListsAreClearedFirst) {
    Recorder r;
    TStringList src, out, errors;
    out.Add("old");
    errors.Add("old");
    src.Add("x := 1");
    r.PrepareScript(&src, &out, &errors);
    EXPECT_EQ(out.Count(), 1);
    EXPECT_EQ(errors.Count(), 0);
}

} // namespace
