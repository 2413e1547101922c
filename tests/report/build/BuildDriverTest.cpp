#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"

#include "platform/core/Exceptions.h"
#include "platform/core/ScopeExit.h"
#include "report/build/detail/TInterpretator.h"
#include "report/script/detail/TrpParser.h"
#include "report/script/detail/TrpStdFunctionLibrary.h"
#include "report/build/TrpPage.h"
#include "report/build/detail/rpBuildHosts.h"
#include "report/build/rpProgress.h"
#include "tests/support/ErrorOf.h"

using Pages = std::vector<std::vector<String>>;

namespace {

class BuildDriver : public BandEngineTest {
protected:
    void SetUp() override {
        BandEngineTest::SetUp();
        Window = new FakeWindow();
        report::rpSetProgressWindow(Window);
        Report->ShowProgress = true;
        Report->Title = "Ügyek";
        // Three pages of rows 400 high.
        Band(btMasterData, 20, 400, "6");
        Memo(0, 20, "[PAGE#]/[TOTALPAGES]");
    }
    void TearDown() override {
        report::rpSetProgressWindow(nullptr);
        BandEngineTest::TearDown();
    }
    FakeWindow* Window = nullptr;
};

bool Contains(const std::vector<String>& list, const String& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

} // namespace

TEST_F(BuildDriver, SinglePassShowsPagesAndNoTotal) {
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Window->Showings, 1);
    EXPECT_EQ(Window->Caption, "Report preparing - Ügyek");
    EXPECT_EQ(Window->Labels.front(), "Processing page:  1");
    EXPECT_TRUE(Contains(Window->Labels, "Processing page:  3"));
    EXPECT_EQ(Built(),
              (Pages{{"1/0@0,20", "1/0@0,420"}, {"2/0@0,20", "2/0@0,420"}, {"3/0@0,20", "3/0@0,420"}}));
}

TEST_F(BuildDriver, DoublePassCountsFirstThenShowsTheTotal) {
    Report->DoublePass = true;
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Window->Showings, 1);
    EXPECT_EQ(Window->Labels.front(), "Performing 1st pass:  1");
    EXPECT_TRUE(Contains(Window->Labels, "Performing 1st pass:  2"));
    EXPECT_TRUE(Contains(Window->Labels, "Processing page:  3 from 3"));
    EXPECT_EQ(Built()[2], (std::vector<String>{"3/3@0,20", "3/3@0,420"}));
    EXPECT_TRUE(Report->DoublePass);
}

TEST_F(BuildDriver, OnProgressReplacesTheWindow) {
    std::vector<Integer> seen;
    Report->OnProgress = [&](Integer n) { seen.push_back(n); };
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Window->Showings, 0);
    EXPECT_EQ(seen.front(), 1);
    EXPECT_TRUE(std::find(seen.begin(), seen.end(), 3) != seen.end());
}

TEST_F(BuildDriver, CancelStopsTheBuildAndKeepsThePagesBuiltSoFar) {
    Window->CancelAt = 4;
    EXPECT_FALSE(Report->PrepareReport());
    EXPECT_EQ(Built(), (Pages{{"1/0@0,20", "1/0@0,420"}, {"2/0@0,20"}}));
    EXPECT_FALSE(Report->Terminated);
    // The next build runs whole again.
    Window->CancelAt = -1;
    EXPECT_TRUE(Report->PrepareReport());
    EXPECT_EQ(Report->EMFPages()->Count(), 3);
}

// A cancel ends the pass it falls in. The counting pass only counts: the final
// pass still draws every page, its total what was counted. A cancel in the final
// pass keeps the pages drawn so far. Either way the pages shown hold their text.
TEST_F(BuildDriver, ACancelEndsOnlyThePassItFallsIn) {
    Report->DoublePass = true;
    const struct {
        int CancelAt;
        bool Whole;
        Pages Shown;
    } cases[] = {
        // In the counting pass, at the second page: total 2.
        {4, true, {{"1/2@0,20", "1/2@0,420"}, {"2/2@0,20", "2/2@0,420"}, {"3/2@0,20", "3/2@0,420"}}},
        // In the final pass (eleven looks of the counting pass before it), at its second page.
        {15, false, {{"1/3@0,20", "1/3@0,420"}, {"2/3@0,20"}}},
    };
    auto saved = rpShowPreview;
    const core::ScopeExit back([&] { rpShowPreview = saved; });
    for (const auto& c : cases) {
        *Window = FakeWindow();
        Window->CancelAt = c.CancelAt;
        Pages shown;
        rpShowPreview = [&](TrpReport*, const String&) { shown = Built(); };
        EXPECT_EQ(Report->PrepareReport(), c.Whole) << c.CancelAt;
        Report->ShowPreparedReport();
        EXPECT_EQ(shown, c.Shown) << c.CancelAt;
        EXPECT_TRUE(Report->DoublePass);
        EXPECT_FALSE(Report->Terminated);
    }
    // A total counted whole is shown beside the page; one cut short is not.
    EXPECT_TRUE(Contains(Window->Labels, "Processing page:  2 from 3"));
    *Window = FakeWindow();
    Window->CancelAt = 4;
    Report->PrepareReport();
    EXPECT_TRUE(Contains(Window->Labels, "Processing page:  3"));
    EXPECT_FALSE(Contains(Window->Labels, "Processing page:  3 from 2"));
}

TEST_F(BuildDriver, ACancelledBuildIsShown) {
    Window->CancelAt = 4;
    Integer shown = -1;
    auto saved = rpShowPreview;
    rpShowPreview = [&](TrpReport* r, const String&) { shown = r->EMFPages()->Count(); };
    Report->ShowReport();
    rpShowPreview = saved;
    EXPECT_EQ(shown, 2);
}

TEST_F(BuildDriver, ACalculationErrorShowsWhereAndKeepsNoPage) {
    Report->ShowProgress = false;
    Memo(300, 20, "[1 +]");
    Report->ShowReport();
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0],
              "Error: An error occured during calculating\r[1 +]\rReport: rpReport1\rBand: Master data");
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    EXPECT_TRUE(report::rpBuild.ErrorFlag);
}

TEST_F(BuildDriver, ADataSourceOfAnotherClassIsABuildError) {
    auto* notASource = new TComponent(&Owner);
    notASource->SetName("Other");
    Page->Objects[0]->FormatStr = "Other";
    Report->ShowReport();
    EXPECT_EQ(Messages, std::vector<String>{"Error: Invalid class typecast"});
    EXPECT_EQ(Report->EMFPages()->Count(), 0);
    EXPECT_FALSE(Window->Shown);
}

// A build's hooks last as long as the build: after one that failed, the memos'
// value hook, the parser's names, the hosts and the progress are those of before.
TEST_F(BuildDriver, AFailedBuildPutsBackTheHooksItFound) {
    report::BuildHosts outer;
    rpFunctionHost = &outer;
    rpScriptHost = &outer;
    rpGetValue = [](const String&, String& v) { v = "kint"; };
    rpParser->OnGetValue = [](const String&, Variant& v) { v = "kint"; };
    int progress = 0;
    report::rpBuildProgress = [&progress](Integer) { ++progress; };
    const core::ScopeExit clear([] {
        rpFunctionHost = nullptr;
        rpScriptHost = nullptr;
        rpGetValue = nullptr;
        rpParser->OnGetValue = nullptr;
        report::rpBuildProgress = nullptr;
    });
    (new TComponent(&Owner))->SetName("Other");
    Page->Objects[0]->FormatStr = "Other";
    Report->ShowReport();
    ASSERT_EQ(Messages, std::vector<String>{"Error: Invalid class typecast"});
    EXPECT_EQ(rpFunctionHost, &outer);
    EXPECT_EQ(rpScriptHost, &outer);
    String text;
    rpGetValue("X", text);
    Variant value;
    rpParser->OnGetValue("X", value);
    EXPECT_EQ(text + value.AsString(), "kintkint");
    report::rpBuildProgress(1);
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(CurPage, nullptr);
}

// A build, whole or raising, leaves the engine's document mode, current and
// master report, page counter and drawing switches as it found them.
TEST_F(BuildDriver, ABuildLeavesTheEngineStateAsItFoundIt) {
    Report->DoublePass = true;
    const struct {
        const char* Why;
        TBeginPageEvent Page;
        TEndDocEvent End;
        std::vector<String> Shown;
        String Raised;
    } cases[] = {
        {"whole", nullptr, nullptr, {}, ""},
        {"a page event raising in the counting pass",
         [](Integer) { throw EListError("lap"); },
         nullptr,
         {"Error: lap"},
         ""},
        {"the end event raising out of the build", nullptr, [] { throw EListError("vége"); }, {}, "vége"},
    };
    TrpReport other(nullptr);
    const core::ScopeExit back([] {
        DocMode = dmDesigning;
        CurReport = nullptr;
        DisableDrawing = false;
        PageNo = 0;
    });
    for (const auto& c : cases) {
        DocMode = dmDesigning;
        CurReport = &other;
        MasterReport = nullptr;
        PageNo = 7;
        DisableDrawing = true;
        Messages.clear();
        Report->OnBeginPage = c.Page;
        Report->OnEndDoc = c.End;
        String raised;
        try {
            Report->PrepareReport();
        } catch (const EListError& e) {
            raised = e.Message();
        }
        EXPECT_EQ(raised, c.Raised) << c.Why;
        EXPECT_EQ(Messages, c.Shown) << c.Why;
        EXPECT_EQ(DocMode, dmDesigning) << c.Why;
        EXPECT_EQ(CurReport, &other) << c.Why;
        EXPECT_EQ(MasterReport, nullptr) << c.Why;
        EXPECT_EQ(PageNo, 7) << c.Why;
        EXPECT_TRUE(DisableDrawing) << c.Why;
        EXPECT_FALSE(report::rpBuild.CountingPass) << c.Why;
    }
}

TEST_F(BuildDriver, APageMarkedPrintToPrevPageContinuesTheLastSheet) {
    Report->ShowProgress = false;
    Report->Pages()->Add();
    TrpPage* second = Report->Pages()->Pages(1);
    second->Margins = TRect(20, 20, 20, 20);
    second->PrintToPrevPage = true;
    Band(btReportTitle, 20, 30, "", 0, second);
    Memo(0, 20, "tovább", 200, 15, second);
    Report->PrepareReport();
    const Pages pages = Built();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].back(), "tovább@0,820");
}

TEST_F(BuildDriver, VariableCategories) {
    Report->Variables()->SetText("TG\r\n REGUSER\r\n PNAME\r\n\r\nMás\r\n X");
    EXPECT_EQ(Report->FindVariable("REGUSER"), 1);
    EXPECT_EQ(Report->FindVariable("reguser"), -1);
    TStringList list;
    Report->GetCategoryList(&list);
    EXPECT_EQ(list.Text(), "TG\r\nMás\r\n");
    Report->GetVarList(0, &list);
    EXPECT_EQ(list.Text(), "REGUSER\r\nPNAME\r\n");
    Report->GetVarList(1, &list);
    EXPECT_EQ(list.Text(), "X\r\n");
    EXPECT_EQ(ErrorOf<EListError>([&] { Report->GetVarList(2, &list); }), "List index out of bounds (2)");
}
