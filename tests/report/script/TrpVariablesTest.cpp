#include "report/script/TrpVariables.h"

#include <gtest/gtest.h>

TEST(TrpVariables, SetVariableReplacesAnyLetterCaseOfTheSameName) {
    TrpVariables v;
    v.SetVariable("REGUSER", "Kiss Ádám");
    v.SetVariable("reguser", "Nagy Éva");
    EXPECT_EQ(v.GetCount(), 1);
    EXPECT_EQ(v.GetName(0), "REGUSER");
    EXPECT_EQ(v.GetVariable("RegUser").AsString(), "Nagy Éva");
}

TEST(TrpVariables, HungarianAccentedNamesMatchIgnoringCase) {
    TrpVariables v;
    v.SetVariable("ÜGYSZÁM", 12);
    EXPECT_EQ(v.IndexOf("ügyszám"), 0);
    EXPECT_EQ(v.GetVariable("Ügyszám").AsInteger(), 12);
}

TEST(TrpVariables, ItemsKeepTheOrderTheyWereAddedIn) {
    TrpVariables v;
    v.SetVariable("PNAME", "a");
    v.SetVariable("CIM", "b");
    v.SetVariable("ALFA", "c");
    EXPECT_EQ(v.GetName(0), "PNAME");
    EXPECT_EQ(v.GetName(1), "CIM");
    EXPECT_EQ(v.GetName(2), "ALFA");
    EXPECT_EQ(v.IndexOf("alfa"), 2);
}

TEST(TrpVariables, UnknownNamesAndIndexesAnswerTheirOwnDefaults) {
    TrpVariables v;
    v.SetVariable("X", "x");
    EXPECT_TRUE(v.GetVariable("never").IsNull()); // Null, not an empty text
    EXPECT_EQ(v.IndexOf("never"), -1);
    EXPECT_EQ(v.GetValue(-1).AsInteger(), 0);
    EXPECT_EQ(v.GetValue(1).AsInteger(), 0);
    EXPECT_EQ(v.GetName(5), "");
    v.SetValue(1, "ignored");
    v.SetValue(-1, "ignored");
    EXPECT_EQ(v.GetCount(), 1);
    EXPECT_EQ(v.GetValue(0).AsString(), "x");
}

TEST(TrpVariables, DeleteOutsideTheListChangesNothingAndClearEmptiesIt) {
    TrpVariables v;
    v.SetVariable("A", 1);
    v.SetVariable("B", 2);
    v.Delete(v.GetCount());
    v.Delete(-1);
    EXPECT_EQ(v.GetCount(), 2);
    v.Delete(0);
    EXPECT_EQ(v.GetName(0), "B");
    v.SetValue(0, 5);
    EXPECT_EQ(v.GetVariable("b").AsInteger(), 5);
    v.Clear();
    EXPECT_EQ(v.GetCount(), 0);
}
