// The filter bar and the record navigator as a person sees them: a grid whose
// title cells carry the filter strip with a value typed in, the filtered
// records under it and the navigator below. With VELMORA_FILTER_PICTURE set
// to a file name (".png") the picture is saved there for a look.
#include "grid/TVgDBAccessNavigator.h"

#include "tests/grid/CaseDatabase.h"
#include "tests/grid/GridFixture.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TPanel.h"

#include <cstdlib>

using namespace gridtest;

namespace {

TEST(FilterBarPicture, GridWithFilterStripAndNavigator) {
    CaseDatabase db(40);
    TSqlite3Query* query = db.OpenCases();
    TDataSource source(nullptr);
    source.SetDataSet(query);
    TPanel host(nullptr);
    host.SetBounds(0, 0, 520, 300);
    host.SetBevelOuter(bvNone);
    host.SetCaption("");
    auto* grid = new TVgDBGrid(&host);
    grid->SetParent(&host);
    grid->SetBounds(4, 4, 512, 256);
    grid->SetScrollBars(ssNone);
    grid->SetDefaultRowHeight(17);
    grid->SetDataSource(&source);
    grid->GridStyle()->SetOddColor(clWindow);
    grid->GridStyle()->SetEvenColor(15990526);
    grid->SetExOptions(grid->ExOptions() + TExOptions{eoShowFilterBar});
    const char* titles[] = {"Sorszám", "Év", "Szám", "Ügy neve", "Állapot"};
    const Integer widths[] = {60, 60, 60, 200, 80};
    for (Integer i = 0; i < grid->GetColumns()->Count(); ++i) {
        grid->GetColumns()->GetColumn(i)->Title()->SetCaption(titles[i]);
        grid->GetColumns()->GetColumn(i)->SetWidth(widths[i]);
    }
    grid->GetColumns()->GetColumn(0)->SetFilterable(false);
    grid->GetColumns()->GetColumn(3)->SetFilterValue("ügy 1");
    grid->ApplyFilter();
    auto* nav = new TVgDBAccessNavigator(&host);
    nav->SetParent(&host);
    nav->SetBounds(4, 266, 281, 25);
    nav->SetDataSource(&source);
    query->Next();

    TBitmap picture;
    ui::Snapshot(&host, &picture);
    // The strip under the captions is in the filter colour.
    TRect title = grid->CellRect(4, 0);
    EXPECT_EQ(ColorToRGB(picture.Canvas()->Pixels(4 + title.Right - 3, 4 + title.Bottom - 4)),
              ColorToRGB(clInfoBk));
    // The navigator shows what the dataset reports.
    EXPECT_EQ(nav->RecNoEdit()->Text(), std::to_string(query->RecNo()));
    EXPECT_TRUE(nav->RecordCountEdit()->Enabled());
    EXPECT_EQ(nav->RecordCountEdit()->Text(), std::to_string(query->RecordCount()));
    if (const char* path = std::getenv("VELMORA_FILTER_PICTURE")) ui::SaveSnapshot(&host, path);
}

} // namespace
