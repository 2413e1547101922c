#include "report/build/detail/TInterpretator.h"

#include "tests/report/ShowValue.h"
#include "platform/core/Exceptions.h"
#include "platform/core/StrUtils.h"
#include "platform/core/TStringList.h"
#include "report/build/TrpBand.h"
#include "report/views/TrpBandView.h"
#include "report/views/TrpMemoView.h"
#include "report/build/TrpPage.h"
#include "report/script/detail/TrpParser.h"
#include "report/views/TrpPictureView.h"
#include "report/script/TrpVariables.h"
#include "report/engine/rpEngine.h"
#include "report/common/detail/rpGlobals.h"
#include "report/common/detail/rpStreamUtils.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct FakePage : report::ScriptHost {
    TrpView* FindObject(const String& Name) override {
        auto it = Objects.find(AnsiUpperCase(Name));
        return it == Objects.end() ? nullptr : it->second;
    }
    Integer FreeSpace() override { return 123; }
    std::map<String, TrpView*> Objects;
};

// A page during a build: a memo, a picture and a band view with its run-time band.
struct Scripting : ::testing::Test {
    TInterpretator Interp;
    FakePage Host;
    TrpMemoView Memo;
    TrpPictureView Picture;
    TrpBandView BandView;
    TrpBand Band;
    TrpPage Page{9, 0, 0, 0};
    std::vector<String> Asked; // names that reached the report's look-up

    void SetUp() override {
        rpInitEngine();
        rpVariables->Clear();
        Interp.SetHost(&Host);
        Memo.Name = "Memo1";
        Picture.Name = "Picture1";
        BandView.Name = "MasterData1";
        Host.Objects = {{"MEMO1", &Memo}, {"PICTURE1", &Picture}, {"MASTERDATA1", &BandView}};
        Band.View = &BandView;
        Band.Typ = btMasterData;
        Band.y = 10;
        Band.dy = 20;
        Page.Bands[btMasterData] = &Band;
        CurPage = &Page;
        CurBand = &Band;
        CurView = &Memo;
        rpParser->OnGetValue = [this](const String& Name, Variant& Value) {
            Asked.push_back(Name);
            if (Name == "REPORTNAME") Value = Variant("from report");
        };
        rpParser->OnFunction = [](const String& Name, const Variant&, const Variant&, const Variant&,
                                  String& Val) {
            if (Name == "FOO") Val = "42";
        };
    }
    void TearDown() override {
        rpParser->OnGetValue = nullptr;
        rpParser->OnFunction = nullptr;
        CurPage = nullptr;
        CurBand = nullptr;
        CurView = nullptr;
        rpVariables->Clear();
    }

    void Run(const String& script, TrpView* view) {
        CurView = view;
        TStringList lines, errors;
        lines.SetText(script);
        Interp.PrepareScript(&lines, &lines, &errors);
        ASSERT_EQ(errors.Count(), 0) << errors[0];
        Interp.DoScript(&lines);
    }
    String Read(const String& expr, TrpView* view) {
        Run("result := " + expr, view);
        return ShowValue(rpVariables->GetVariable("result"));
    }
};

TEST_F(Scripting, VisibleFalseHidesTheRunningObject) {
    Run("Visible := False", &Memo);
    EXPECT_FALSE(Memo.Visible);
}

TEST_F(Scripting, ANameWithAPeriodReachesAnObjectOfThePage) {
    Run("Memo1.Visible := False", &Picture);
    EXPECT_FALSE(Memo.Visible);
    EXPECT_TRUE(Picture.Visible);
}

TEST_F(Scripting, MemoPropertiesOnOtherObjectsAreIgnoredOrAskedOfTheReport) {
    Picture.Height = 50;
    Run("FontSize := 12", &Picture);
    EXPECT_EQ(Read("FontSize", &Picture), "0"); // the report's look-up left it at 0
    EXPECT_EQ(Asked, std::vector<String>{"FONTSIZE"});
}

TEST_F(Scripting, ScriptVariablesLiveInTheGlobalList) {
    Run("BEGIN x := 5; y := x + 1 END", &Memo);
    EXPECT_EQ(ShowValue(rpVariables->GetVariable("y")), "6");
    EXPECT_EQ(ShowValue(rpVariables->GetVariable("X")), "5"); // the application reads it too
}

TEST_F(Scripting, ColourNamesGiveTheirValues) {
    Run("FillColor := clRed", &Memo);
    EXPECT_EQ(Memo.FillColor, 0xFF);
    Run("FrameColor := CLNAVY", &Memo);
    EXPECT_EQ(Memo.FrameColor, 0x800000);
    EXPECT_EQ(Read("clTransparent", &Memo), "536870911");
}

TEST_F(Scripting, AGlobalVariableHidesAPropertyWhenReadingOnly) {
    rpVariables->SetVariable("Left", 99);
    Run("BEGIN Left := 7; seen := Left END", &Memo);
    EXPECT_EQ(Memo.Left, 7);
    EXPECT_EQ(ShowValue(rpVariables->GetVariable("seen")), "99");
}

struct PropertyCase {
    const char* Script; // run on the memo
    const char* Read;   // read back after it
    const char* Expected;
};

class ScriptingProperties : public Scripting, public ::testing::WithParamInterface<PropertyCase> {};

TEST_P(ScriptingProperties, WriteThenRead) {
    Memo.Memo.Add("old");
    Run(GetParam().Script, &Memo);
    EXPECT_EQ(Read(GetParam().Read, &Memo), GetParam().Expected) << GetParam().Script;
}

INSTANTIATE_TEST_SUITE_P(
    Scripting, ScriptingProperties,
    ::testing::Values(PropertyCase{"Left := 5", "Left", "5"},                       //
                      PropertyCase{"Top := 6", "Top", "6"},                         //
                      PropertyCase{"Width := 7", "Width", "7"},                     //
                      PropertyCase{"Height := 8", "Height", "8"},                   //
                      PropertyCase{"Flags := 65537", "Flags", "1"},                 // a 16-bit word
                      PropertyCase{"Visible := 0", "Visible", "0"},                 // Boolean
                      PropertyCase{"FrameTyp := 15", "FrameTyp", "15"},             //
                      PropertyCase{"FrameWidth := 2.5", "FrameWidth", "2.5"},       // floating point
                      PropertyCase{"Text := 'a' + 'b'", "Text", "'ab'"},            // replaces the memo
                      PropertyCase{"FontName := 'Arial'", "FontName", "'Arial'"},   //
                      PropertyCase{"FontSize := 14", "FontSize", "14"},             //
                      PropertyCase{"FontStyle := 3", "FontStyle", "3"},             // italic and bold
                      PropertyCase{"FontColor := clBlue", "FontColor", "16711680"}, //
                      PropertyCase{"Adjust := 2", "Adjust", "2"},                   //
                      PropertyCase{"left := 9", "LEFT", "9"}));                     // names in any case

TEST_F(Scripting, TextJoinsAndSplitsLines) {
    Memo.Memo.Add("l1");
    Memo.Memo.Add("l2");
    EXPECT_EQ(Read("Text", &Memo), "'l1\r\nl2'");
    rpVariables->SetVariable("two", Variant("x\r\ny"));
    Run("Text := two", &Memo);
    ASSERT_EQ(Memo.Memo.Count(), 2);
    EXPECT_EQ(Memo.Memo[1], "y");
}

TEST_F(Scripting, BandViewsReachTheirRunTimeBand) {
    const TColor fill = BandView.FillColor;
    Run("BEGIN Top := 40; Height := 5; Visible := 0; FillColor := clRed; Flags := 2 END", &BandView);
    EXPECT_EQ(Band.y, 40);
    EXPECT_EQ(Band.dy, 5);
    EXPECT_FALSE(Band.Visible);
    EXPECT_EQ(BandView.FillColor, fill); // not available on bands
    EXPECT_EQ(Read("Flags", &BandView), "0");
    EXPECT_EQ(Read("FrameWidth", &BandView), "0");
    EXPECT_EQ(Read("Top", &BandView), "40");
}

TEST_F(Scripting, FreeSpaceIsText) {
    EXPECT_EQ(Read("FREESPACE", &Memo), "'123'");
}

TEST_F(Scripting, NewPageAndNewColumnRequestBreaksOfTheCurrentBand) {
    Run("BEGIN NEWPAGE; NEWCOLUMN; END", &Memo);
    EXPECT_TRUE(Band.ForceNewPage);
    EXPECT_TRUE(Band.ForceNewColumn);
}

TEST_F(Scripting, OtherNamesAndFunctionsGoToTheReport) {
    EXPECT_EQ(Read("REPORTNAME", &Memo), "'from report'");
    EXPECT_EQ(Read("FOO(1) + 1", &Memo), "43");
}

TEST_F(Scripting, WritingToAMissingObjectDoesNothing) {
    Run("Nothing.Visible := 0", &Memo);
    EXPECT_TRUE(Memo.Visible);
    EXPECT_EQ(rpVariables->GetCount(), 0);
    EXPECT_NO_THROW(Run("Visible := 0", nullptr));
    Run("Nothing.Total := 3", &Memo); // no property: a variable, period and all
    EXPECT_EQ(ShowValue(rpVariables->GetVariable("Nothing.Total")), "3");
}

TEST_F(Scripting, ConversionErrorsPropagate) {
    EXPECT_EQ(ErrorOf<Exception>([&] { Run("Left := 'abc'", &Memo); }), "Invalid variant type conversion");
}

} // namespace
