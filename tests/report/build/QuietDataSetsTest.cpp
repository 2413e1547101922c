// A report walking a data set that a grid shows: the grid hears nothing while the
// report builds, and the data set's controls come back however the build ends.
#include "tests/report/BandEngineSupport.h"
#include "tests/report/FakeProgressWindow.h"

#include "platform/core/Exceptions.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"
#include "platform/data/TFieldDefs.h"
#include "report/build/TrpDataset.h"
#include "report/build/rpProgress.h"
#include "tests/support/TMemDataSet.h"

namespace {

// What a grid on the data set hears.
class HeardLink : public TDataLink {
public:
    std::vector<String> Heard;

protected:
    void DataSetChanged() override { Heard.push_back("changed"); }
    void DataSetScrolled(Integer) override { Heard.push_back("scrolled"); }
};

// A data set whose detail data sets follow its rows.
class MasterData : public TMemDataSet {
public:
    using TMemDataSet::TMemDataSet;
    bool HasDetails() const override { return true; }
};

class QuietWalk : public BandEngineTest {
protected:
    void Use(TMemDataSet* data) {
        data->SetName("Query1");
        data->FieldDefs()->Add("id", ftInteger);
        for (Int64 id = 1; id <= 40; ++id)
            data->AppendRow({id});
        data->Open();
        Data = data;
        Shown = new TDataSource(&Owner);
        Shown->SetDataSet(data);
        Link.SetBufferCount(10);
        Link.SetDataSource(Shown);
        auto* source = new TrpDBDataSet(&Owner);
        source->SetName("rpData");
        source->SetDataSet(data);
        Band(btMasterData, 20, 100, "rpData"); // ten rows a page
        Memo(0, 20, "[id]");
        Link.Heard.clear();
    }
    void TearDown() override {
        Link.SetDataSource(nullptr);
        report::rpSetProgressWindow(nullptr);
        BandEngineTest::TearDown();
    }

    TMemDataSet* Data = nullptr;
    TDataSource* Shown = nullptr;
    HeardLink Link;
};

} // namespace

TEST_F(QuietWalk, TheGridHearsOneChangeAtTheEndHoweverTheBuildEnds) {
    Use(new TMemDataSet(&Owner));
    struct Ending {
        const char* Name;
        int CancelAt;   // the progress window's look that presses Cancel
        Integer FailAt; // the page whose start raises
        bool DoublePass;
        Integer Pages; // -1: not this test's concern
    };
    const Ending endings[] = {
        {"built", -1, -1, false, 4},
        {"built in two passes", -1, -1, true, 4},
        {"cancelled", 15, -1, false, -1},
        {"failed", -1, 2, false, 0},
    };
    for (const Ending& e : endings) {
        auto* window = new FakeWindow;
        window->CancelAt = e.CancelAt;
        report::rpSetProgressWindow(window);
        Report->ShowProgress = true;
        Report->DoublePass = e.DoublePass;
        Report->OnBeginPage = [&e](Integer n) {
            if (n == e.FailAt) throw Exception("no paper");
        };
        std::vector<String> during;
        Report->OnEndPage = [&](Integer) { during = Link.Heard; };
        Data->First();
        Link.Heard.clear();
        Report->PrepareReport();
        EXPECT_TRUE(during.empty()) << e.Name;
        EXPECT_EQ(Link.Heard, std::vector<String>{"changed"}) << e.Name;
        EXPECT_FALSE(Data->ControlsDisabled()) << e.Name;
        if (e.Pages >= 0) {
            EXPECT_EQ(Report->EMFPages()->Count(), e.Pages) << e.Name;
        }
    }
}

TEST_F(QuietWalk, AMasterKeepsTellingItsDetails) {
    Use(new MasterData(&Owner));
    Report->PrepareReport();
    EXPECT_EQ(Report->EMFPages()->Count(), 4);
    EXPECT_EQ(std::count(Link.Heard.begin(), Link.Heard.end(), "scrolled"), 40);
    EXPECT_FALSE(Data->ControlsDisabled());
}
