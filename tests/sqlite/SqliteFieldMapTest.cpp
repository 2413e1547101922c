#include "sqlite/SqliteFieldMap.h"

#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/data/TFieldDefs.h"
#include "sqlite/ResultTarget.h"
#include "sqlite/SqliteError.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace {

struct Mapping {
    const char* Decl;
    TFieldType Type;
    Integer Size;
    Integer Precision;
};

void ExpectMapping(const Mapping& m) {
    TFieldType type;
    Integer size, precision;
    GetFieldInfo(m.Decl, type, size, precision);
    EXPECT_EQ(type, m.Type) << m.Decl;
    EXPECT_EQ(size, m.Size) << m.Decl;
    EXPECT_EQ(precision, m.Precision) << m.Decl;
}

} // namespace

TEST(GetFieldInfo, EveryDeclaredTypeWithoutSize) {
    const Mapping rows[] = {
        {"date", ftDate, 10, 0},
        {"DATETIME", ftDateTime, 24, 0},
        {"time", ftTime, 12, 0},
        {"timestamp", ftTimeStamp, 12, 0},
        {"integer", ftInteger, 12, 0},
        {"INT", ftInteger, 12, 0},
        {"float", ftFloat, 12, 0},
        {"real", ftFloat, 12, 0},
        {"boolean", ftBoolean, 2, 0},
        {"logical", ftBoolean, 2, 0},
        {"char", ftString, 1, 0},
        {"byte", ftString, 1, 0},
        {"shorttext", ftString, 255, 0},
        {"string", ftString, 255, 0},
        {"widetext", ftWideString, 512, 0},
        {"widestring", ftWideString, 512, 0},
        {"currency", ftCurrency, 10, 0},
        {"financial", ftCurrency, 10, 0},
        {"money", ftCurrency, 10, 0},
        {"blob", ftBlob, 4, 0},
        {"graphic", ftGraphic, 4, 0},
        {"clob", ftMemo, 4, 0},
        {"memo", ftMemo, 4, 0},
        {"Text", ftMemo, 4, 0},
        {"longtext", ftMemo, 4, 0},
        {"nclob", ftWideString, 4, 0},
        {"nmemo", ftWideString, 4, 0},
        {"ntext", ftWideString, 4, 0},
        {"nlongtext", ftWideString, 4, 0},
        // Unknown names fall back to a 255-character text.
        {"double", ftString, 255, 0},
        {"bigint", ftString, 255, 0},
        {"bool", ftString, 255, 0},
        {"varchar", ftString, 255, 0},
    };
    for (const Mapping& m : rows)
        ExpectMapping(m);
}

TEST(GetFieldInfo, SizedTypes) {
    const Mapping rows[] = {
        {"VARCHAR(40)", ftString, 40, 0},
        {"char(3)", ftString, 3, 0},
        {"NVARCHAR(40)", ftWideString, 80, 0},
        {"varchar2(5)", ftWideString, 10, 0},
        {"NUMERIC(10,2)", ftFloat, 10, 2},
        {"NUMERIC(10.2)", ftFloat, 10, 2},
        {"NUMERIC(8)", ftFloat, 8, 0},
        {"NUMERIC(10,123)", ftFloat, 10, 12}, // at most two precision digits
        {"INT(11)", ftString, 255, 0},
        {"DECIMAL(10,2)", ftString, 255, 0},
        {"FLOAT(8)", ftString, 255, 0},
        {"varchar (40)", ftString, 255, 0}, // a blank before "(" matches nothing
        {"varchar(40", ftString, 256, 0},
    };
    for (const Mapping& m : rows)
        ExpectMapping(m);
}

TEST(GetFieldInfo, NonNumericSizeRaisesTheIntegerError) {
    TFieldType type;
    Integer size, precision;
    EXPECT_EQ(ErrorOf<EConvertError>([&] { GetFieldInfo("VARCHAR(abc)", type, size, precision); }),
              "'abc' is not a valid integer value");
}

TEST(SlotKindOf, TypesWithoutASlotRaiseWithTheFieldName) {
    EXPECT_EQ(sqlite::SlotKindOf(ftLargeint, "n"), sqlite::SlotKind::Integer);
    EXPECT_EQ(sqlite::SlotKindOf(ftDateTime, "d"), sqlite::SlotKind::Float);
    EXPECT_EQ(sqlite::SlotKindOf(ftMemo, "m"), sqlite::SlotKind::Bytes);
    EXPECT_EQ(sqlite::SlotKindOf(ftVariant, "v"), sqlite::SlotKind::Bytes);
    for (TFieldType type : {ftUnknown, ftBytes, ftVarBytes, ftGuid, ftADT, ftDataSet, ftReference})
        EXPECT_EQ(ErrorOf<SqliteError>([&] { sqlite::SlotKindOf(type, "azonosito"); }),
                  "Fieldtype of Field \"azonosito\" not supported!")
            << type;
}

TEST(DescribeColumn, DuplicateNamesGetNumberedSuffixes) {
    TFieldDefs defs(nullptr);
    sqlite::ColumnPlan plan;
    for (const char* name : {"a", "a", "a"})
        sqlite::DescribeColumn(name, "integer", false, defs, plan);
    ASSERT_EQ(defs.Count(), 3);
    EXPECT_EQ(defs[1]->Name(), "a_1");
    EXPECT_EQ(defs[2]->Name(), "a_2");

    TFieldDefs taken(nullptr);
    for (const char* name : {"a", "a_1", "a"})
        sqlite::DescribeColumn(name, "integer", false, taken, plan);
    EXPECT_EQ(taken[2]->Name(), "a_2");
}

TEST(DescribeColumn, RowIdIsHiddenOnceThenAnOrdinaryField) {
    TFieldDefs defs(nullptr);
    sqlite::ColumnPlan plan;
    sqlite::DescribeColumn("ROWID", "integer", false, defs, plan);
    EXPECT_EQ(plan.Field, -1);
    EXPECT_EQ(defs.Count(), 0);
    sqlite::DescribeColumn("x", "integer", false, defs, plan);
    EXPECT_EQ(plan.Field, 0);
    // A second row-id column, in any case, is an ordinary field.
    sqlite::DescribeColumn("RowId", "integer", false, defs, plan, true);
    EXPECT_EQ(plan.Field, 1);
    ASSERT_EQ(defs.Count(), 2);
    EXPECT_EQ(defs[1]->Name(), "RowId_1");
    EXPECT_EQ(defs[1]->DataType(), ftInteger);
}

TEST(DescribeColumn, TypesSizesAndCapacities) {
    TFieldDefs defs(nullptr);
    sqlite::ColumnPlan plan;
    sqlite::DescribeColumn("e", nullptr, false, defs, plan); // an expression
    EXPECT_EQ(defs[0]->DataType(), ftString);
    EXPECT_EQ(defs[0]->Size(), 255);
    EXPECT_EQ(plan.Capacity, 255);
    sqlite::DescribeColumn("n", "numeric(10,2)", false, defs, plan);
    EXPECT_EQ(defs[1]->DataType(), ftFloat);
    EXPECT_EQ(defs[1]->Precision(), 2);
    EXPECT_EQ(plan.Kind, sqlite::SlotKind::Float);
    sqlite::DescribeColumn("w", "nvarchar(40)", false, defs, plan);
    EXPECT_EQ(defs[2]->Size(), 80);
    EXPECT_EQ(plan.Capacity, 40);
    sqlite::DescribeColumn("m", "memo", false, defs, plan);
    EXPECT_EQ(defs[3]->DataType(), ftMemo);
    EXPECT_EQ(plan.Capacity, -1);
}

TEST(DescribeColumn, TypeLessMakesTextFieldsWithoutCuttingLargeTexts) {
    TFieldDefs defs(nullptr);
    sqlite::ColumnPlan plan;
    sqlite::DescribeColumn("d", "date", true, defs, plan);
    EXPECT_EQ(defs[0]->DataType(), ftString);
    EXPECT_EQ(defs[0]->Size(), 10);
    sqlite::DescribeColumn("t", "text", true, defs, plan);
    EXPECT_EQ(defs[1]->DataType(), ftString);
    EXPECT_EQ(defs[1]->Size(), 255);
    EXPECT_EQ(plan.Capacity, -1);
    sqlite::DescribeColumn("i", "integer", true, defs, plan);
    EXPECT_EQ(defs[2]->Size(), 12);
    EXPECT_EQ(plan.Capacity, -1); // a 64-bit number keeps all its digits
    sqlite::DescribeColumn("v", "varchar(5)", true, defs, plan);
    EXPECT_EQ(plan.Capacity, 5);
    EXPECT_EQ(plan.Type, ftString);
}

TEST(DateTimeToNative, KeepsThePartTheSlotHolds) {
    const TDateTime value = EncodeDate(2009, 3, 5) + EncodeTime(14, 7, 9, 42);
    EXPECT_DOUBLE_EQ(DateTimeToNative(ftDate, value), EncodeDate(2009, 3, 5));
    EXPECT_NEAR(DateTimeToNative(ftTime, value), EncodeTime(14, 7, 9, 42), 1e-12);
    EXPECT_NEAR(DateTimeToNative(ftDateTime, value), value, 1e-9);
}
