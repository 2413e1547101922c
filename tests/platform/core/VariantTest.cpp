#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Variant.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

const TFormatSettings Hu = TFormatSettings::Hungarian();
const TFormatSettings En = TFormatSettings::English();

TEST(VariantKinds, TypesOfTheConstructors) {
    EXPECT_EQ(VarType(Variant()), varEmpty);
    EXPECT_EQ(VarType(Null), varNull);
    EXPECT_EQ(VarType(Unassigned), varEmpty);
    EXPECT_EQ(VarType(Variant(5)), varInteger);
    EXPECT_EQ(VarType(Variant(Int64(5))), varInt64);
    EXPECT_EQ(VarType(Variant(2.5)), varDouble);
    EXPECT_EQ(VarType(Variant("x")), varString);
    EXPECT_EQ(VarType(Variant(true)), varBoolean);
    EXPECT_EQ(VarType(Variant::FromDateTime(1.5)), varDate);
    EXPECT_EQ(Variant('A').AsString(), "A"); // a character is text, not its code
    EXPECT_EQ(Variant(std::size_t{7}).AsInteger(), 7);
    EXPECT_EQ(Variant(Word{7}).AsInteger(), 7);
    EXPECT_TRUE(VarIsNull(Null));
    EXPECT_FALSE(VarIsNull(Unassigned));
    EXPECT_TRUE(VarIsEmpty(Variant()));
    EXPECT_FALSE(VarIsEmpty(Variant("")));
}

TEST(VariantConversions, ToText) {
    EXPECT_EQ(Variant(42).AsString(Hu), "42");
    EXPECT_EQ(Variant(2.5).AsString(Hu), "2,5");
    EXPECT_EQ(Variant(2.5).AsString(En), "2.5");
    EXPECT_EQ(Variant(true).AsString(Hu), "True");
    EXPECT_EQ(Variant::FromDateTime(EncodeDate(2009, 12, 14)).AsString(Hu), "2009.12.14.");
    // A time of day alone, as the reports' [TIME], has no day to show.
    EXPECT_EQ(Variant::FromDateTime(EncodeTime(11, 57, 2, 0)).AsString(Hu), "11:57:02");
    EXPECT_EQ(Variant::FromDateTime(EncodeDate(2009, 12, 14) + EncodeTime(11, 57, 2, 0)).AsString(Hu),
              "2009.12.14. 11:57:02");
    EXPECT_EQ(Variant().AsString(Hu), "");
    EXPECT_EQ(VarToStr(Null), "");
}

TEST(VariantConversions, ToNumbers) {
    EXPECT_EQ(Variant("123").AsInteger(), 123);
    EXPECT_EQ(Variant("2,5").AsFloat(Hu), 2.5);
    EXPECT_EQ(Variant(2.5).AsInteger(), 2); // ties to even
    EXPECT_EQ(Variant(3.5).AsInteger(), 4);
    EXPECT_EQ(Variant(true).AsInteger(), -1);
    EXPECT_EQ(Variant().AsInteger(), 0);
    EXPECT_EQ(Variant(Int64(1) << 40).AsInt64(), Int64(1) << 40);
    EXPECT_EQ(Variant(7).AsFloat(), 7.0);
}

TEST(VariantConversions, ToBooleanAndDate) {
    EXPECT_TRUE(Variant("TRUE").AsBoolean());
    EXPECT_FALSE(Variant("false").AsBoolean());
    EXPECT_TRUE(Variant(2).AsBoolean());
    EXPECT_FALSE(Variant(0.0).AsBoolean());
    EXPECT_FALSE(Variant().AsBoolean());
    EXPECT_EQ(Variant("2009.12.14.").AsDateTime(Hu), EncodeDate(2009, 12, 14));
    EXPECT_EQ(Variant(40161).AsDateTime(), EncodeDate(2009, 12, 14));
    EXPECT_EQ(VarToDateTime(Variant::FromDateTime(3.25)), 3.25);
}

TEST(VariantConversions, ImpossibleConversionsRaise) {
    // Each row: a conversion with no meaning.
    EXPECT_EQ(ErrorOf<EVariantError>([] { Null.AsString(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Null.AsInteger(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Null.AsFloat(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Null.AsBoolean(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Variant("abc").AsInteger(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Variant("abc").AsFloat(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Variant("abc").AsBoolean(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Variant("tegnap").AsDateTime(); }),
              "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Variant(Int64(1) << 40).AsInteger(); }),
              "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([] { Variant(1e300).AsInt64(); }), "Invalid variant type conversion");
}

TEST(VariantComparison, Equality) {
    EXPECT_EQ(Variant(5), Variant(Int64(5)));
    EXPECT_EQ(Variant(5), Variant(5.0));
    EXPECT_EQ(Variant("10"), Variant(10));  // text read as a number
    EXPECT_NE(Variant("tíz"), Variant(10)); // not a number: simply unequal
    EXPECT_EQ(Variant("a"), Variant("a"));
    EXPECT_NE(Variant("a"), Variant("A"));
    EXPECT_EQ(Null, Null);
    EXPECT_EQ(Unassigned, Unassigned);
    EXPECT_NE(Null, Unassigned);
    EXPECT_NE(Null, Variant(0));
    EXPECT_NE(Unassigned, Variant(""));
}

TEST(VariantComparison, Ordering) {
    EXPECT_LT(Unassigned, Null);
    EXPECT_LT(Null, Variant(-1000));
    EXPECT_LT(Variant(2), Variant(2.5));
    EXPECT_LT(Variant(Int64(9007199254740992)), Variant(Int64(9007199254740993))); // exact
    EXPECT_LT(Variant("Ábel"), Variant("Adam"));                                   // Hungarian alphabet
    EXPECT_LT(Variant("Czakó"), Variant("Csaba"));
    EXPECT_GT(Variant("b"), Variant("a"));
    EXPECT_EQ(ErrorOf<EVariantError>([] { (void)(Variant("x") < Variant(1)); }), "Invalid variant operation");
}

} // namespace

TEST(VariantArrays, HoldTheirItemsInOrder) {
    const Variant a = VarArrayOf({Variant(3), Variant("Nagy"), Null});
    EXPECT_TRUE(VarIsArray(a));
    EXPECT_EQ(VarType(a), varArray | varVariant);
    EXPECT_EQ(a.ArrayCount(), 3);
    EXPECT_EQ(VarArrayHighBound(a, 1), 2);
    EXPECT_EQ(a[0].AsInteger(), 3);
    EXPECT_EQ(a[1].AsString(), "Nagy");
    EXPECT_TRUE(a[2].IsNull());
    EXPECT_EQ(VarArrayHighBound(VarArrayOf({}), 1), -1);
    EXPECT_FALSE(VarIsArray(Variant(3)));
}

TEST(VariantArrays, CompareItemByItem) {
    EXPECT_EQ(VarArrayOf({Variant(1), Variant("a")}), VarArrayOf({Variant(1), Variant("a")}));
    EXPECT_NE(VarArrayOf({Variant(1), Variant("a")}), VarArrayOf({Variant(1), Variant("b")}));
    EXPECT_NE(VarArrayOf({Variant(1)}), Variant(1));
}

TEST(VariantArrays, ConvertToNothingElse) {
    const Variant a = VarArrayOf({Variant(1)});
    EXPECT_EQ(ErrorOf<EVariantError>([&] { (void)a.AsString(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([&] { (void)a.AsInteger(); }), "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([&] { (void)Variant(1).ArrayCount(); }),
              "Invalid variant type conversion");
    EXPECT_EQ(ErrorOf<EVariantError>([&] { (void)a[1]; }), "Variant or safe array index out of bounds");
    EXPECT_EQ(ErrorOf<EVariantError>([&] { (void)a[-1]; }), "Variant or safe array index out of bounds");
}
