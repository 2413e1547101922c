#include "report/script/detail/TrpParser.h"

#include "tests/report/ShowValue.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/NumberFormat.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Fixture {
    TrpParser Parser;
    std::map<String, Variant> Values{{"a", 1}, {"b", 2}, {"x", 7}, {"t", 1}, {"f", 0}, {"A", 3}, {"B", 2}};
    std::vector<String> Asked;
    std::vector<String> Calls;

    Fixture() {
        Parser.OnGetValue = [this](const String& name, Variant& v) {
            Asked.push_back(name);
            if (name == "boom") throw EConvertError("boom evaluated");
            auto it = Values.find(name);
            if (it != Values.end()) v = it->second;
        };
        Parser.OnFunction = [this](const String& name, const Variant& p1, const Variant& p2,
                                   const Variant& p3, String& val) {
            Calls.push_back(name + "|" + p1.AsString() + "|" + p2.AsString() + "|" + p3.AsString());
            if (name == "QUOTE")
                val = "'a'b'"; // a raw literal: the parser doubles the inner quote
            else if (name == "NUM")
                val = "42";
            else if (name == "LOOP")
                val = "LOOP(1)";
        };
    }
};

struct CalcCase {
    const char* Expr;
    const char* Expected;
};

class CalcTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(CalcTest, Evaluates) {
    Fixture fx;
    EXPECT_EQ(ShowValue(fx.Parser.Calc(GetParam().Expr)), GetParam().Expected) << GetParam().Expr;
}

INSTANTIATE_TEST_SUITE_P(
    Parser, CalcTest,
    ::testing::Values(CalcCase{"2 + 3 * 4", "14"},             // * binds tighter than +
                      CalcCase{"2 + 6 / 2", "5"},              // and so does /
                      CalcCase{"8 - 6 / 2", "5"},              // than - too
                      CalcCase{"12 / 2 * 3", "18"},            // / and * left to right
                      CalcCase{"(2 + 3) * 4", "20"},           // parentheses
                      CalcCase{"10 - 4 - 3", "3"},             // left-associative
                      CalcCase{"[A] = 1 OR [B] = 1", "1"},     // OR binds like *: [A] = (1 OR [B]) = 1
                      CalcCase{"([a] = 1) OR ([b] = 2)", "2"}, // truths add up under OR
                      CalcCase{"-5 + 2", "-3"},                // prefix minus
                      CalcCase{"-(2 + 3)", "-5"},              // prefix minus on a group
                      CalcCase{"+4", "4"},                     // prefix plus has no effect
                      CalcCase{"'abc' + 'def'", "'abcdef'"},   // texts concatenate
                      CalcCase{"'it''s'", "'it's'"},           // doubled quote
                      CalcCase{"'abc", "'abc'"},               // unterminated literal runs to the end
                      CalcCase{"7 / 0", "0"},                  // division by zero gives 0
                      CalcCase{"7 / 2", "3.5"},                // division is floating point
                      CalcCase{"ROUND(2.5)", "2"},             // halves to even
                      CalcCase{"ROUND(3.5)", "4"},             //
                      CalcCase{"INT(-2.7)", "-2"},             // truncates towards zero
                      CalcCase{"FRAC(2.75)", "0.75"},          //
                      CalcCase{"1,5 + 1", "2.5"},              // comma is a decimal point in numbers
                      CalcCase{"1.5 + 1", "2.5"},              // and so is the period
                      CalcCase{"7 mod 3", "1"},                // keywords in any case
                      CalcCase{"1 And 0", "0"},                // AND multiplies
                      CalcCase{"NOT 0", "1"},                  // NOT maps 0 to 1
                      CalcCase{"NOT 5", "0"},                  // and anything else to 0
                      CalcCase{"STR(5) + 'x'", "'5x'"},        // STR makes text
                      CalcCase{"3 >= 3", "1"},                 // comparisons give 1 or 0
                      CalcCase{"2 <= 1", "0"},                 //
                      CalcCase{"2 <> 3", "1"},                 //
                      CalcCase{"'a' < 'b'", "1"},              // texts compare as text
                      CalcCase{"'b' = 'b'", "1"},              //
                      CalcCase{"1 + 2 ; 99", "3"},             // text after ; is ignored
                      CalcCase{"1 + 2)", "3"},                 // an unmatched ) is ignored
                      CalcCase{"", "(empty)"},                 // no text, no value
                      CalcCase{"[x] * 2", "14"},               // bracketed variable
                      CalcCase{"x * 2", "0"}, // bare name asked upper-cased: X is unknown, counts 0
                      CalcCase{"IF([x] > 5, 'big', 'small')", "'big'"},    // resolved while converting
                      CalcCase{"IF([x] > 50, 'big', 'small')", "'small'"}, //
                      CalcCase{"IF(0, [boom], 'safe')", "'safe'"}, // the branch not taken is never evaluated
                      CalcCase{"IF(1, IF(0, 1, 2), 3)", "2"},      // nested IF
                      CalcCase{"IF(1, 'it''s', 'x')", "'it's'"},   // a branch's quotes stay as written
                      CalcCase{"IF(1, 'a' + 'b', 'c')", "'ab'"},   // a branch is an expression
                      CalcCase{"COPY('abcdef', 2, 3)", "'bcd'"},   // substring
                      CalcCase{"COPY('a''bc', 1, 2)", "'a''"},     // a quote in the substring survives
                      CalcCase{"COPY('abc', 5, 3)", "''"},         // start past the end
                      CalcCase{"QUOTE(1)", "'a'b'"},               // a raw function literal is doubled
                      CalcCase{"NUM() + 1", "43"},                 // a number result is parsed again
                      CalcCase{"UNKNOWN(1)", "(empty)"},           // an empty result vanishes
                      CalcCase{"2 * -3", "-6"},                    // prefix minus after an operator
                      CalcCase{"1 + 2 * -3", "-5"},                //
                      CalcCase{"2 - -3 * 4", "14"},                //
                      CalcCase{"- -3", "3"},                       // two prefix operators
                      CalcCase{"[t] AND NOT [f]", "1"},            // NOT after AND
                      CalcCase{"NOT NOT 1", "1"},                  //
                      CalcCase{"2 * INT(2.5)", "4"},               // unchanged: unary after binary
                      CalcCase{"1+(1+(1+(1+(1+(1+(1+(1+(1+(1+1)))))))))", "11"}
                      // more than 8 operands pending
                      ));

TEST(Parser, NamesReachTheHookAsTheRulesSay) {
    Fixture fx;
    fx.Parser.Calc("[Query1.\"név\"] + abc + Query1.\"a b\"");
    ASSERT_EQ(fx.Asked.size(), 3u);
    EXPECT_EQ(fx.Asked[0], "Query1.\"név\""); // bracketed: as written
    EXPECT_EQ(fx.Asked[1], "ABC");            // bare: upper-cased
    EXPECT_EQ(fx.Asked[2], "QUERY1.\"A B\""); // a quoted field with a blank is one name
}

TEST(Parser, FunctionsGetUpperCasedNameAndArgumentSources) {
    Fixture fx;
    fx.Parser.Calc("num([x] + 1, 'a,b', f(1, 2))");
    ASSERT_EQ(fx.Calls.size(), 1u);
    EXPECT_EQ(fx.Calls[0], "NUM|[x] + 1| 'a,b'| f(1, 2)");
}

TEST(Parser, AZeroByteIsPartOfANameNotAnOperator) {
    Fixture fx;
    EXPECT_EQ(fx.Parser.Str2OPZ(String("a\0b", 3)), String("a\0b ", 4));
    fx.Parser.Calc(String("a\0b", 3));
    ASSERT_EQ(fx.Asked.size(), 1u);
    EXPECT_EQ(fx.Asked[0], String("A\0B", 3));
}

TEST(Parser, DatePrefixConvertsWithTheShortDateFormat) {
    TFormatSettings dmy = TFormatSettings::Hungarian();
    dmy.ShortDateFormat = "dd.mm.yyyy";
    TFormatSettingsGuard guard(dmy);
    Fixture fx;
    EXPECT_EQ(ShowValue(fx.Parser.Calc("%D'01.02.2003'")), "date 2003-02-01 00:00");
    EXPECT_EQ(ShowValue(fx.Parser.Calc("%t'10:30'")), "date 1899-12-30 10:30");
}

TEST(Parser, UnassignedHooksAreSkipped) {
    TrpParser parser;
    EXPECT_EQ(ShowValue(parser.Calc("[x]")), "(empty)");
    EXPECT_EQ(ShowValue(parser.Calc("F(1) + 2")), "2");
}

struct OpzCase {
    const char* Infix;
    const char* Postfix;
};

class OpzTest : public ::testing::TestWithParam<OpzCase> {};

TEST_P(OpzTest, Converts) {
    TrpParser parser;
    EXPECT_EQ(parser.Str2OPZ(GetParam().Infix), GetParam().Postfix) << GetParam().Infix;
}

INSTANTIATE_TEST_SUITE_P(Parser, OpzTest,
                         ::testing::Values(OpzCase{"2 + 3 * 4", "2 3 4 *+"}, // operands end in a blank
                                           OpzCase{"-5 + 2", "5 \x09"
                                                             "2 +"},              // prefix minus is code 9
                                           OpzCase{"[a] >= 'x'", "[a] 'x' \x01"}, // two-character operators
                                           OpzCase{"a <> b", "a b \x03"},         //
                                           OpzCase{"a AND NOT b",
                                                   "a b \x0C\x05"}, // NOT waits for its operand
                                           OpzCase{"ROUND(x) mod 2", "x \x0E"
                                                                     "2 \x0D"}, // keywords become codes
                                           OpzCase{"%D'01.02.2003'", "%D'01.02.2003' "}, // prefix kept
                                           OpzCase{"1 + 2 ; junk", "1 2 +"},             // stop at ;
                                           OpzCase{"'it''s'", "'it''s' "})); // literal kept as written

struct ErrorCase {
    const char* Expr;
    const char* Message;
};

class CalcErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CalcErrorTest, Raises) {
    Fixture fx;
    EXPECT_EQ(ErrorOf<Exception>([&] { fx.Parser.Calc(GetParam().Expr); }), GetParam().Message)
        << GetParam().Expr;
}

INSTANTIATE_TEST_SUITE_P(
    Parser, CalcErrorTest,
    ::testing::Values(
        ErrorCase{"(1 + 2", "Missing \")\" in expression"}, // unclosed (
        ErrorCase{"1 +", "Missing operand in expression"},  // binary short of one
        ErrorCase{"NOT", "Missing operand in expression"},  // unary with none
        ErrorCase{"F(1, 2, 3, 4)", "More than three arguments in a function call"},
        ErrorCase{"LOOP(1)", "Expression nested too deeply"},    // result calls itself
        ErrorCase{"5 MOD 0", "Division by zero"},                // MOD by zero
        ErrorCase{"'a' * 2", "Invalid variant type conversion"}, // text in arithmetic
        ErrorCase{"%D'xx'", "'xx' is not a valid date"},         // malformed date
        ErrorCase{"IF('abc', 1, 2)", "'abc' is not a valid floating point value"},
        ErrorCase{"1 + 2; 9", "'2;' is not a valid floating point value"},   // ; inside a name is part of it
        ErrorCase{"1.2.3", "'1,2,3' is not a valid floating point value"})); // separators swapped

TEST(Parser, DeepNestingOfCallsIsRefused) {
    Fixture fx;
    String expr;
    for (int k = 0; k < 100; ++k)
        expr += "IF(";
    expr += "1";
    for (int k = 0; k < 100; ++k)
        expr += ", 1, 0)";
    EXPECT_EQ(ErrorOf<EParserError>([&] { fx.Parser.Calc(expr); }), "Expression nested too deeply");
    // The depth is counted per conversion: the parser works normally afterwards.
    EXPECT_EQ(ShowValue(fx.Parser.Calc("IF(1, 2, 3)")), "2");
}

struct BracketCase {
    const char* Text;
    Integer Start;
    const char* Inner;
    Integer I;
    Integer J;
};

class BracketTest : public ::testing::TestWithParam<BracketCase> {};

TEST_P(BracketTest, Scans) {
    Integer i = GetParam().Start, j = 0;
    EXPECT_EQ(GetBrackedVariable(GetParam().Text, i, j), GetParam().Inner) << GetParam().Text;
    EXPECT_EQ(i, GetParam().I);
    EXPECT_EQ(j, GetParam().J);
}

INSTANTIATE_TEST_SUITE_P(Parser, BracketTest,
                         ::testing::Values(BracketCase{"[a[b]c]", 1, "a[b]c", 1, 7},   // nested stay inside
                                           BracketCase{"x['a]']y", 2, "'a]'", 2, 7},   // ] in quotes
                                           BracketCase{"[\"x]\"]", 1, "\"x]\"", 1, 6}, // ] in double quotes
                                           BracketCase{"ab[c]", 1, "", 1, 1},          // no bracket at start
                                           BracketCase{"[abc", 1, "abc", 1, 5},        // unclosed
                                           BracketCase{"", 1, "", 1, 1}));             // empty text

TEST(Parser, ScannersStopWhereTheRulesSay) {
    TrpParser parser;
    Integer i = 1;
    EXPECT_EQ(parser.GetIdentify("  Query1.\"a b\"+1", i), "Query1.\"a b\"");
    EXPECT_EQ(i, 15);
    i = 1;
    EXPECT_EQ(parser.GetString("'a''b' x", i), "'a''b'");
    EXPECT_EQ(i, 7);
    String s1, s2, s3;
    i = 2;
    parser.Get3Parameters("F(a, 'x,y', g(1,2)) + 1", i, s1, s2, s3);
    EXPECT_EQ(s1, "a");
    EXPECT_EQ(s2, " 'x,y'");
    EXPECT_EQ(s3, " g(1,2)");
    EXPECT_EQ(i, 20);
}

} // namespace
