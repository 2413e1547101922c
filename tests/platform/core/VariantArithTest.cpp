#include "platform/core/VariantArith.h"

#include "platform/core/Exceptions.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

TEST(VariantArith, KindsOfResults) {
    EXPECT_EQ(VarAdd(Variant("ab"), Variant("cd")).AsString(), "abcd"); // texts concatenate
    EXPECT_EQ(VarAdd(Variant(), Variant("x")).AsString(), "x");         // empty beside text is text
    EXPECT_EQ(VarAdd(Variant("2"), Variant(3)).Type(), varInteger); // whole-number text computes as integer
    EXPECT_EQ(VarAdd(Variant("2"), Variant(3)).AsInteger(), 5);
    EXPECT_DOUBLE_EQ(VarAdd(Variant("1,5"), Variant(1)).AsFloat(), 2.5); // other text as a float
    EXPECT_EQ(VarAdd(Variant(), Variant()).Type(), varInteger);          // two empties are 0
    EXPECT_TRUE(VarSub(Null, Variant(1)).IsNull());                      // Null propagates
    EXPECT_TRUE(VarNeg(Null).IsNull());
    EXPECT_EQ(VarMul(Variant(3), Variant(4)).AsInteger(), 12);
    EXPECT_EQ(VarAdd(Variant::FromDateTime(10), Variant(1)).Type(), varDate); // date plus days stays a date
    EXPECT_EQ(VarSub(Variant::FromDateTime(10), Variant::FromDateTime(4)).Type(), varDouble);
    EXPECT_DOUBLE_EQ(VarDiv(Variant(7), Variant(2)).AsFloat(), 3.5);
    EXPECT_EQ(VarMod(Variant(7), Variant(3)).AsInteger(), 1);
    EXPECT_EQ(VarNeg(Variant(5)).AsInteger(), -5);
}

TEST(VariantArith, IntegerOverflowFallsBackToFloat) {
    const Variant big(static_cast<long long>(INT64_MAX));
    EXPECT_EQ(VarAdd(big, Variant(1)).Type(), varDouble);
    EXPECT_EQ(VarNeg(Variant(static_cast<long long>(INT64_MIN))).Type(), varDouble);
    EXPECT_EQ(VarMod(Variant(static_cast<long long>(INT64_MIN)), Variant(-1)).AsInteger(), 0);
}

TEST(VariantArith, FailuresRaiseWithTheRuntimeMessages) {
    EXPECT_EQ(ErrorOf<EVariantError>([] { VarMul(Variant("a"), Variant(2)); }),
              "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EZeroDivide>([] { VarMod(Variant(1), Variant(0)); }), "Division by zero");
    EXPECT_EQ(ErrorOf<EZeroDivide>([] { VarDiv(Variant(1), Variant(0)); }),
              "Floating point division by zero");
}

} // namespace
