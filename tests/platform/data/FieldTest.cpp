#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TMemoryStream.h"
#include "platform/core/TStringList.h"
#include "platform/data/TBlobField.h"
#include "platform/data/TBooleanField.h"
#include "platform/data/TDateTimeField.h"
#include "platform/data/TFieldDefs.h"
#include "platform/data/TFields.h"
#include "platform/data/TFloatField.h"
#include "platform/data/TIntegerField.h"
#include "platform/data/TStringField.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TMemDataSet.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One record of every kind of value, opened with default fields and in edit state.
class FieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        ds.SetName("Types");
        auto* defs = ds.FieldDefs();
        defs->Add("id", ftInteger);
        defs->Add("kicsi", ftSmallint);
        defs->Add("ar", ftFloat);
        defs->Add("penz", ftCurrency);
        defs->Add("igaz", ftBoolean);
        defs->Add("nap", ftDate);
        defs->Add("ido", ftDateTime);
        defs->Add("szoveg", ftString, 5);
        defs->Add("jegyzet", ftMemo);
        defs->Add("nagy", ftLargeint);
        ds.AppendRow({});
        ds.Open();
        ds.Edit();
    }

    TField* F(const char* name) { return ds.FieldByName(name); }

    TMemDataSet ds;
};

} // namespace

TEST_F(FieldTest, DefaultFieldsHaveTheClassOfTheirType) {
    EXPECT_EQ(ds.FieldCount(), 10);
    EXPECT_NE(dynamic_cast<TIntegerField*>(F("id")), nullptr);
    EXPECT_NE(dynamic_cast<TSmallintField*>(F("kicsi")), nullptr);
    EXPECT_NE(dynamic_cast<TCurrencyField*>(F("penz")), nullptr);
    EXPECT_NE(dynamic_cast<TDateField*>(F("nap")), nullptr);
    EXPECT_NE(dynamic_cast<TMemoField*>(F("jegyzet")), nullptr);
    EXPECT_NE(dynamic_cast<TLargeintField*>(F("nagy")), nullptr);
    EXPECT_EQ(F("szoveg")->Size(), 5);
    EXPECT_EQ(F("szoveg")->DisplayWidth(), 5);
    EXPECT_EQ(F("id")->Alignment(), taRightJustify);
    EXPECT_EQ(F("szoveg")->Alignment(), taLeftJustify);
    EXPECT_EQ(F("nap")->FieldNo(), 6);
    EXPECT_EQ(F("nap")->Index(), 5);
    EXPECT_EQ(F("jegyzet")->DataType(), ftMemo);
    EXPECT_TRUE(F("jegyzet")->IsBlob());
}

TEST_F(FieldTest, NullReadsAsEmptyValues) {
    for (Integer i = 0; i < ds.FieldCount(); ++i) {
        TField* field = ds.Fields()->Fields(i);
        EXPECT_TRUE(field->IsNull()) << field->FieldName();
        EXPECT_TRUE(field->Value().IsNull()) << field->FieldName();
    }
    EXPECT_EQ(F("id")->AsString(), "");
    EXPECT_EQ(F("id")->AsInteger(), 0);
    EXPECT_EQ(F("ar")->AsFloat(), 0.0);
    EXPECT_FALSE(F("igaz")->AsBoolean());
    EXPECT_EQ(F("nap")->DisplayText(), "");
    EXPECT_EQ(F("jegyzet")->DisplayText(), "(Memo)");
}

TEST_F(FieldTest, IntegersKeepSixtyFourBits) {
    F("id")->SetAsInteger(5000000000LL);
    EXPECT_EQ(F("id")->AsInteger(), 5000000000LL);
    EXPECT_EQ(F("id")->AsString(), "5000000000");
    F("id")->SetAsString("-42");
    EXPECT_EQ(F("id")->AsInteger(), -42);
    F("id")->SetAsFloat(2.5); // ties to even
    EXPECT_EQ(F("id")->AsInteger(), 2);
    F("id")->SetAsString("");
    EXPECT_TRUE(F("id")->IsNull());
    F("id")->SetValue(Variant(7));
    EXPECT_EQ(F("id")->Value().AsInt64(), 7);
}

TEST_F(FieldTest, ConversionErrorsNameTheFieldAndTheText) {
    EXPECT_EQ(ErrorOf<Exception>([&] { F("id")->SetAsString("12a"); }),
              "'12a' is not a valid integer value for field 'id'");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("ar")->SetAsString("1.2.3"); }),
              "'1.2.3' is not a valid floating point value for field 'ar'");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("igaz")->SetAsString("talán"); }),
              "'talán' is not a valid boolean value for field 'igaz'");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("kicsi")->SetAsInteger(70000); }),
              "70000 is not a valid value for field 'kicsi'. The allowed range is -32768 to 32767");
    EXPECT_EQ(ErrorOf<Exception>([&] { (void)F("igaz")->AsDateTime(); }),
              "Cannot access field 'igaz' as type DateTime");
    EXPECT_EQ(ErrorOf<Exception>([&] { F("nap")->SetAsString("tegnap"); }), "'tegnap' is not a valid date");
    F("szoveg")->SetAsString("abc");
    EXPECT_EQ(ErrorOf<Exception>([&] { (void)F("szoveg")->AsInteger(); }),
              "'abc' is not a valid integer value");
    EXPECT_TRUE(F("id")->IsNull()); // a refused value leaves the old one
}

TEST_F(FieldTest, TextIsCutToTheFieldSizeInCharacters) {
    F("szoveg")->SetAsString("Árvíztűrő");
    EXPECT_EQ(F("szoveg")->AsString(), "Árvíz");
    F("szoveg")->SetAsString("");
    EXPECT_FALSE(F("szoveg")->IsNull()); // an empty text is a value, not null
    EXPECT_EQ(F("szoveg")->AsString(), "");
    F("szoveg")->SetAsString("42");
    EXPECT_EQ(F("szoveg")->AsInteger(), 42);
}

TEST_F(FieldTest, FloatsAndMoneyFollowTheLocale) {
    F("ar")->SetAsString("3,5");
    EXPECT_DOUBLE_EQ(F("ar")->AsFloat(), 3.5);
    EXPECT_EQ(F("ar")->AsString(), "3,5");
    static_cast<TFloatField*>(F("ar"))->SetDisplayFormat("0.00");
    EXPECT_EQ(F("ar")->DisplayText(), "3,50");
    EXPECT_EQ(F("ar")->Text(), "3,50");
    static_cast<TFloatField*>(F("ar"))->SetEditFormat("0.0");
    EXPECT_EQ(F("ar")->Text(), "3,5");
    EXPECT_EQ(F("ar")->AsInteger(), 4);
    F("penz")->SetAsFloat(1234.5);
    EXPECT_EQ(F("penz")->Text(), "1234,50");
}

TEST_F(FieldTest, BooleansUseTheirDisplayValues) {
    auto* flag = static_cast<TBooleanField*>(F("igaz"));
    flag->SetAsBoolean(true);
    EXPECT_EQ(flag->AsString(), "True");
    flag->SetDisplayValues("Igen;Nem");
    EXPECT_EQ(flag->DisplayText(), "Igen");
    flag->SetAsString("n");
    EXPECT_FALSE(flag->AsBoolean());
    flag->SetAsString("IG");
    EXPECT_TRUE(flag->AsBoolean());
    flag->SetAsString("");
    EXPECT_TRUE(flag->IsNull());
    flag->SetDisplayValues("Igen;");
    flag->SetAsString("");
    EXPECT_FALSE(flag->IsNull());
    EXPECT_FALSE(flag->AsBoolean());
}

TEST_F(FieldTest, BooleansReadAsOneOrZero) {
    // Flags stored as 1/0 under a boolean declaration are read as integers by the forms.
    TField* flag = F("igaz");
    EXPECT_EQ(flag->AsInteger(), 0);
    flag->SetAsBoolean(true);
    EXPECT_EQ(flag->AsInteger(), 1);
    flag->SetAsBoolean(false);
    EXPECT_EQ(flag->AsInteger(), 0);
}

TEST_F(FieldTest, DatesShowInTheShortDateFormatOrTheirOwn) {
    F("nap")->SetAsDateTime(EncodeDate(2024, 3, 15));
    EXPECT_EQ(F("nap")->AsString(), "2024.03.15.");
    static_cast<TDateTimeField*>(F("nap"))->SetDisplayFormat("yyyy-mm-dd");
    EXPECT_EQ(F("nap")->DisplayText(), "2024-03-15");
    EXPECT_EQ(F("nap")->Text(), "2024.03.15.");
    F("nap")->SetAsString("2023.12.01.");
    EXPECT_DOUBLE_EQ(F("nap")->AsDateTime(), EncodeDate(2023, 12, 1));
    F("ido")->SetAsDateTime(EncodeDate(2024, 3, 15) + EncodeTime(8, 5, 0, 0));
    EXPECT_EQ(F("ido")->AsString(), "2024.03.15. 8:05:00");
}

TEST_F(FieldTest, BlobTextShowsTheTypeInCapitalsWhenFilled) {
    F("jegyzet")->SetAsString("hosszú szöveg");
    EXPECT_EQ(F("jegyzet")->DisplayText(), "(MEMO)");
    EXPECT_EQ(F("jegyzet")->AsString(), "hosszú szöveg");
}

TEST_F(FieldTest, BlobBytesTravelThroughStreams) {
    auto* memo = static_cast<TBlobField*>(F("jegyzet"));
    TMemoryStream in;
    const String bytes("a\0b\xff", 4);
    in.WriteBuffer(bytes.data(), 4); // the position is at the end: loading reads from the start
    memo->LoadFromStream(&in);
    EXPECT_EQ(memo->AsString(), bytes);
    TMemoryStream out;
    out.WriteByte(7);
    memo->SaveToStream(&out);
    EXPECT_EQ(out.Size(), 5);
    TMemoryStream empty;
    memo->LoadFromStream(&empty);
    EXPECT_FALSE(memo->IsNull());
    EXPECT_EQ(memo->DisplayText(), "(Memo)");
}

TEST_F(FieldTest, TextEventsReplaceTheDefaultConversion) {
    TField* id = F("id");
    id->SetAsInteger(5);
    id->OnGetText = [](TField* f, String& text, bool display) {
        text = (display ? "#" : "") + f->AsString();
    };
    id->OnSetText = [](TField* f, const String& text) { f->SetAsInteger(text.size()); };
    EXPECT_EQ(id->DisplayText(), "#5");
    EXPECT_EQ(id->Text(), "5");
    id->SetText("négy");
    EXPECT_EQ(id->AsInteger(), 5); // bytes of the UTF-8 text
}

TEST_F(FieldTest, LookupErrorsOfTheFieldList) {
    EXPECT_EQ(ErrorOf<Exception>([&] { ds.FieldByName("nincs"); }), "Types: Field 'nincs' not found");
    EXPECT_EQ(ErrorOf<Exception>([&] { ds.Fields()->Fields(10); }), "Types: Field index out of range");
    EXPECT_EQ(ds.FindField("NEV"), nullptr);
    EXPECT_EQ(ds.FindField("SZOVEG"), F("szoveg"));
    EXPECT_EQ(ds.Fields()->FieldByNumber(2), F("kicsi"));
}

TEST(FieldLookup, NamesMatchWhateverTheCaseOfTheirFirstLetterAccentedOrNot) {
    TMemDataSet ds;
    auto* defs = ds.FieldDefs();
    defs->Add("ügyszám", ftString, 10);
    defs->Add("Név", ftString, 10);
    defs->Add("nap", ftDate);
    defs->Add("Érték", ftInteger);
    ds.Open();
    EXPECT_EQ(ds.FindField("ÜGYSZÁM"), ds.FieldByName("ügyszám"));
    EXPECT_EQ(ds.FindField("név"), ds.FieldByName("Név"));
    EXPECT_EQ(ds.FindField("NAP"), ds.FieldByName("nap"));
    EXPECT_EQ(ds.FindField("érték"), ds.FieldByName("Érték"));
    EXPECT_EQ(ds.FindField("ne"), nullptr);
    EXPECT_EQ(ds.FindField("map"), nullptr);
    EXPECT_EQ(ds.FindField(""), nullptr);
}

TEST_F(FieldTest, FieldsCannotMoveBetweenOpenDatasets) {
    TMemDataSet other;
    EXPECT_EQ(ErrorOf<Exception>([&] { F("id")->SetDataSet(&other); }),
              "Types: Cannot perform this operation on an open dataset");
    other.SetName("Other");
    auto* first = new TStringField(&other);
    first->SetFieldName("nev");
    first->SetDataSet(&other);
    auto* second = new TStringField(&other);
    second->SetFieldName("NEV");
    EXPECT_EQ(ErrorOf<Exception>([&] { second->SetDataSet(&other); }), "Other: Duplicate field name 'NEV'");
    EXPECT_EQ(other.FieldCount(), 1);
}

TEST_F(FieldTest, MovingAFieldChangesTheOrderOnly) {
    F("szoveg")->SetAsString("abc");
    F("szoveg")->SetIndex(0);
    EXPECT_EQ(ds.Fields()->Fields(0), F("szoveg"));
    EXPECT_EQ(F("id")->Index(), 1);
    EXPECT_EQ(F("szoveg")->FieldNo(), 8); // still the same column
    EXPECT_EQ(F("szoveg")->AsString(), "abc");
    F("szoveg")->SetIndex(99);
    EXPECT_EQ(F("szoveg")->Index(), 9);
}

TEST_F(FieldTest, FieldNamesFromFieldsOrDefinitions) {
    TStringList names;
    ds.GetFieldNames(&names);
    EXPECT_EQ(names.Count(), 10);
    EXPECT_EQ(names[0], "id");
    ds.Cancel();
    ds.Close();
    names.Add("régi");
    ds.GetFieldNames(&names); // no fields while closed: the definitions answer
    EXPECT_EQ(names.Count(), 10);
    EXPECT_EQ(names[9], "nagy");
}

// A dataset whose table cannot be read.
class UnreadableDataSet : public TMemDataSet {
protected:
    void InternalInitFieldDefs() override { throw EDatabaseError("no table"); }
};

TEST(FieldNames, FailedDefinitionsLeaveTheListUnlocked) {
    UnreadableDataSet ds;
    TStringList names;
    int changes = 0;
    names.OnChange = [&](TObject*) { ++changes; };
    EXPECT_THROW(ds.GetFieldNames(&names), EDatabaseError);
    const int afterFailure = changes;
    names.Add("x"); // a locked list would hold the change back
    EXPECT_EQ(changes, afterFailure + 1);
}

TEST(FieldDefs, AddFindAndErrors) {
    TMemDataSet ds;
    ds.SetName("Defs");
    TFieldDefs* defs = ds.FieldDefs();
    defs->Add("nev", ftString, 40, true);
    defs->Add("ar", ftFloat)->SetPrecision(2);
    EXPECT_EQ(defs->Count(), 2);
    EXPECT_EQ(defs->IndexOf("AR"), 1);
    EXPECT_EQ(defs->Find("Nev")->Size(), 40);
    EXPECT_EQ(defs->Items(1)->FieldNo(), 2);
    EXPECT_EQ(ErrorOf<Exception>([&] { defs->Add("NEV", ftInteger); }), "Defs: Duplicate field name 'NEV'");
    EXPECT_EQ(ErrorOf<Exception>([&] { defs->Add("", ftInteger); }), "Defs: Field name missing");
    EXPECT_EQ(ErrorOf<Exception>([&] { defs->Find("kor"); }), "Defs: Field 'kor' not found");
    EXPECT_EQ(ErrorOf<Exception>([&] { defs->Items(2); }), "List index out of bounds (2)");
    defs->Add("adt", ftADT);
    EXPECT_EQ(ErrorOf<Exception>([&] { ds.Open(); }), "Defs: Field 'adt' is of an unknown type");
    EXPECT_FALSE(ds.Active());
    EXPECT_EQ(ds.FieldCount(), 0); // the half-made default fields went with the failed open
}

TEST(FieldDefs, DefaultFieldsTakeSizeRequiredAndPrecision) {
    TMemDataSet ds;
    ds.FieldDefs()->Add("nev", ftString, 40, true);
    ds.FieldDefs()->Add("ar", ftFloat)->SetPrecision(4);
    ds.Open();
    EXPECT_EQ(ds.FieldByName("nev")->Size(), 40);
    EXPECT_TRUE(ds.FieldByName("nev")->Required());
    EXPECT_EQ(static_cast<TFloatField*>(ds.FieldByName("ar"))->Precision(), 4);
    EXPECT_EQ(FieldTypeName(ftTypedBinary), String("TypedBinary"));
    EXPECT_EQ(int(ftTypedBinary), 21);
    EXPECT_EQ(int(ftFMTBcd), 37);
    EXPECT_TRUE(IsBlobType(ftGraphic));
    EXPECT_FALSE(IsBlobType(ftCursor));
}
