#include "report/build/detail/CrossSources.h"

#include "platform/core/Exceptions.h"
#include "report/build/TrpBand.h"
#include "report/views/TrpBandView.h"
#include "report/build/TrpDataset.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

// Which row band takes which column source, from the cross data band's description.
TEST(CrossSources, EntriesBindRowBandsOrTheWholeTextIsRefused) {
    TComponent owner(nullptr);
    auto* columns = new TrpUserDataset(&owner);
    columns->SetName("Oszlopok");
    TrpBandView masterView, detailView;
    masterView.Name = "MasterData1";
    detailView.Name = "DetailData1";
    const struct {
        const char* Why;
        String Text;
        String Raised;         // empty: none
        String Master, Detail; // "" none, "cols" the named source, "3" a source of three records
    } cases[] = {
        {"one entry", "MasterData1=Oszlopok;", "", "cols", ""},
        {"blanks and case aside; a number counts records", " masterdata1 = Oszlopok ;DetailData1=3;", "",
         "cols", "3"},
        {"the closing ; missing", "MasterData1=Oszlopok",
         "Invalid cross-tab description 'MasterData1=Oszlopok'", "", ""},
        {"a text cut short binds none of its entries", "MasterData1=Oszlopok;DetailData1=3",
         "Invalid cross-tab description 'MasterData1=Oszlopok;DetailData1=3'", "", ""},
        {"an entry without =", "DetailData1;MasterData1=Oszlopok;",
         "Invalid cross-tab description 'DetailData1;MasterData1=Oszlopok;'", "", ""},
        {"an unknown band", "Nincs=Oszlopok;", "", "", ""},
        {"an unknown data source", "MasterData1=Nincs;", "", "", ""},
        {"a band named twice takes the last entry", "MasterData1=3;MasterData1=Oszlopok;", "", "cols", ""},
    };
    for (const auto& c : cases) {
        TrpBand master, detail;
        master.View = &masterView;
        detail.View = &detailView;
        const String raised = ErrorOf<EConvertError>([&] {
            report::BindCrossSources(c.Text, {&master, &detail}, &owner);
        });
        EXPECT_EQ(raised, c.Raised.empty() ? "no error" : c.Raised) << c.Why;
        auto source = [&](const TrpBand& b) -> String {
            if (!b.VCDataSet) return "";
            if (b.VCDataSet == columns) return b.IsVirtualVCDS ? "owned?" : "cols";
            return b.IsVirtualVCDS ? std::to_string(b.VCDataSet->RangeEndCount) : "not owned?";
        };
        EXPECT_EQ(source(master), c.Master) << c.Why;
        EXPECT_EQ(source(detail), c.Detail) << c.Why;
    }
}
