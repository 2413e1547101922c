// The grid as a person sees it: bands, sort marker, odd/even rows, check boxes
// and a footer, painted with real fonts on a bitmap. With VELMORA_GRID_PICTURE
// set to a file name the picture is also saved there (BMP) for a look.
#include "tests/grid/GridFixture.h"

#include "grid/TVgDBColumnKinds.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"

#include <cstdlib>

using namespace gridtest;

namespace {

TEST_F(GridFixture, PictureWithBandsFooterAndCheckBoxes) {
    Build(12, 520, 260);
    Grid->SetDefaultRowHeight(17);
    Grid->SetScrollBars(ssNone); // the bars are widgets of their own, not in the picture
    Grid->GridStyle()->SetOddColor(clWindow);
    Grid->GridStyle()->SetEvenColor(15990526);
    Grid->Bands()->Add("Ügy");
    Grid->Bands()->Add("Állapot");
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoBooleanAsCheckBox, eoShowFooter, eoDrawBands});
    TVgDBGridColumns* cols = Grid->GetColumns();
    // The identification flag is text: a check-box column shows it.
    const char* fields[] = {"id", "nev", "aktiv", "jubok", "osszeg"};
    cols->Clear();
    for (Integer i = 0; i < 5; ++i) {
        TVgDBColumn* col = i == 3 ? new TVgDBCheckboxColumn(cols) : cols->Add();
        col->SetFieldName(fields[i]);
    }
    static_cast<TVgDBCheckboxColumn*>(cols->GetColumn(3))->SetValueChecked("true");
    const char* titles[] = {"Sorszám", "Ügy neve", "Aktív", "JÜB", "Összeg"};
    const Integer widths[] = {60, 170, 50, 50, 110};
    for (Integer i = 0; i < 5; ++i) {
        cols->GetColumn(i)->Title()->SetCaption(titles[i]);
        cols->GetColumn(i)->SetWidth(widths[i]);
        cols->GetColumn(i)->SetBandIndex(i < 2 ? 0 : (i < 4 ? 1 : -1));
    }
    cols->GetColumn(1)->SetSortType(stAscending);
    cols->GetColumn(1)->SetFooterText("Összesen: % ügy");
    cols->GetColumn(1)->SetFooterValue(Variant(12));
    cols->GetColumn(4)->SetFooterType(ftSum);
    Grid->CalculateTotals(false);
    Data->MoveBy(2);

    TBitmap picture(Grid->Width(), Grid->Height());
    Grid->PaintTo(picture.Canvas());
    TCanvas* c = picture.Canvas();

    // A check box of an active case has a white face with a dark tick.
    TRect box = Grid->CellRect(3, 1);
    Integer cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
    EXPECT_EQ(ColorToRGB(c->Pixels(cx - 4, cy - 4)), clWhite);
    bool dark = false;
    for (Integer dx = -3; dx <= 3; ++dx)
        dark = dark || ColorToRGB(c->Pixels(cx + dx, cy)) == clBlack;
    EXPECT_TRUE(dark);
    // Even rows in their colour, the footer strip in the button face.
    TRect even = Grid->CellRect(2, 2);
    EXPECT_EQ(ColorToRGB(c->Pixels(even.Right - 3, even.Top + 2)), TColor(15990526));
    TRect footer = Grid->GetFooterRect();
    EXPECT_EQ(ColorToRGB(c->Pixels(footer.Left + 3, footer.Top + 3)), ColorToRGB(clBtnFace));

    if (const char* path = std::getenv("VELMORA_GRID_PICTURE")) picture.SaveToFile(path);
}

} // namespace
