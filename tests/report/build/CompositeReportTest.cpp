// A composite report builds its reports one after another into its own pages: a
// report whose first page is marked PrintToPrevPage goes on the last sheet of the
// one before it, page numbers run on from report to report, and each report hears
// its begin in every pass and its end once.
#include "tests/report/BandEngineSupport.h"

#include "report/build/TrpPage.h"

using Pages = std::vector<std::vector<String>>;

TEST_F(BandEngineTest, ACompositeBuildsItsReportsOnOneRunOfPages) {
    // The first report: two rows 600 high, a sheet each.
    Band(btMasterData, 20, 600, "2");
    Memo(0, 20, "A [PAGE#]/[TOTALPAGES]");
    // The second: a title and two lines.
    auto* second = new TrpReport(&Owner);
    second->SetName("rpReport2");
    second->ShowProgress = false;
    second->Pages()->Add();
    TrpPage* page = second->Pages()->Pages(0);
    page->Margins = TRect(20, 20, 20, 20);
    Band(btReportTitle, 20, 20, "", 0, page);
    Memo(0, 20, "B [PAGE#]/[TOTALPAGES]", 200, 15, page);
    Band(btMasterData, 50, 20, "2", 0, page);
    Memo(0, 50, "b[LINE#]", 200, 15, page);

    auto* composite = new TrpCompositeReport(&Owner);
    composite->ShowProgress = false;
    composite->Reports = {Report, second};
    String heard;
    auto hear = [&heard](TrpReport* r, const String& who) {
        r->OnBeginDoc = [&heard, who] { heard += who + "+ "; };
        r->OnEndDoc = [&heard, who] { heard += who + "- "; };
    };
    hear(composite, "K");
    hear(Report, "A");
    hear(second, "B");

    const struct {
        const char* Why;
        bool OnPrevPage, DoublePass;
        Pages Built;
        String Heard;
    } cases[] = {
        {"a sheet of its own, numbered on",
         false,
         false,
         {{"A 1/0@0,20"}, {"A 2/0@0,20"}, {"B 3/0@0,20", "b1@0,40", "b2@0,60"}},
         "K+ A+ A- B+ B- K- "},
        {"under the first report's last row; two passes, ended once",
         true,
         true,
         {{"A 1/2@0,20"}, {"A 2/2@0,20", "B 2/2@0,620", "b1@0,640", "b2@0,660"}},
         "K+ A+ B+ A+ A- B+ B- K- "},
    };
    for (const auto& c : cases) {
        page->PrintToPrevPage = c.OnPrevPage;
        composite->DoublePass = c.DoublePass;
        heard.clear();
        EXPECT_TRUE(composite->PrepareReport()) << c.Why;
        EXPECT_EQ(Built(composite), c.Built) << c.Why;
        EXPECT_EQ(heard, c.Heard) << c.Why;
        EXPECT_EQ(Report->EMFPages()->Count() + second->EMFPages()->Count(), 0) << c.Why;
    }
}
