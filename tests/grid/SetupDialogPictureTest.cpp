// Pictures of the setup dialog over a grid of several columns and of the
// grid's popup with its glyphs, written when VELMORA_SCREENSHOTS names a
// folder; and the dialog left to a person (or a desktop robot) when
// VELMORA_SETUP_BY_HAND is set: the test passes when they press OK.
#include "tests/grid/GridFixture.h"

#include "grid/TVgSetDBGridDialog.h"
#include "grid/TfrmGridSetup.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TFont.h"
#include "platform/graphics/TImageList.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TCheckListBox.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TTimer.h"

#include <cstdlib>
#include <iostream>

using namespace gridtest;

namespace {

class SetupPicture : public GridFixture {
protected:
    void SetUp() override {
        Build(6, 520, 220);
        TVgDBGridColumns* cols = Grid->GetColumns();
        cols->Clear();
        const char* fields[] = {"id", "nev", "aktiv", "osszeg"};
        const char* titles[] = {"Sorszám", "Ügy neve", "Aktív", "Összeg"};
        for (Integer i = 0; i < 4; ++i) {
            TVgDBColumn* c = cols->Add();
            c->SetFieldName(fields[i]);
            c->Title()->SetCaption(titles[i]);
        }
        cols->GetColumn(1)->SetWidth(170);
        cols->GetColumn(1)->Title()->SetColor(TColor(0xF0E0D0)); // in no colour list
        cols->GetColumn(3)->SetAlignment(taRightJustify);
        cols->GetColumn(2)->SetVisible(false);
        Dialog.SetDBGrid(Grid.get());
    }
    TVgSetDBGridDialog Dialog{nullptr};
};

TEST_F(SetupPicture, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    TTimer timer(nullptr);
    timer.SetInterval(20);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        TfrmGridSetup* f = Dialog.Form();
        f->clbFields->SetItemIndex(1);
        f->clbFieldsClick(f->clbFields);
        ui::SaveSnapshot(f, String(folder) + "/grid-setup.png");
        f->SetModalResult(mrCancel);
    };
    Dialog.OnShow = [&](TObject*) { timer.Restart(); };
    Dialog.Execute();
}

TEST_F(SetupPicture, ByHand) {
    if (std::getenv("VELMORA_SETUP_BY_HAND") == nullptr)
        GTEST_SKIP() << "set VELMORA_SETUP_BY_HAND to use it";
    ASSERT_TRUE(Dialog.Execute());
    for (Integer i = 0; i < Grid->GetColumns()->Count(); ++i) {
        TVgDBColumn* c = Grid->GetColumns()->GetColumn(i);
        std::cout << c->FieldName() << " \"" << c->Title()->Caption() << "\" width " << c->Width()
                  << " title colour " << ColorToString(c->Title()->Color()) << " colour "
                  << ColorToString(c->Color()) << "\n";
    }
}

// Nineteen small glyphs, one a popup entry: a coloured disc with a dark rim
// on a white (masked) ground.
std::unique_ptr<TImageList> PopupGlyphs() {
    auto list = std::make_unique<TImageList>(nullptr);
    TBitmap strip;
    strip.SetSize(16 * 19, 16);
    TCanvas* c = strip.Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, strip.Width(), 16));
    const TColor hues[] = {TColor(0x2E8B57), TColor(0x3CB371), TColor(0xCD853F), TColor(0x3030C0),
                           TColor(0x606060), TColor(0x8B4513), TColor(0x008B8B), TColor(0xB8860B)};
    for (Integer i = 0; i < 19; ++i) {
        c->Pen()->SetColor(TColor(0x202020));
        c->Brush()->SetColor(hues[i % 8]);
        c->Ellipse(16 * i + 2, 2, 16 * i + 14, 14);
    }
    list->AddMasked(&strip, clWhite);
    return list;
}

TEST_F(SetupPicture, PopupPicture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    auto glyphs = PopupGlyphs();
    Grid->SetImages(glyphs.get());
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoLayout});
    Grid->OnSetupGrid = [](TObject*) {};
    Grid->OnPrintData = [](TObject*) {};
    Grid->UpdatePopupItems();
    TBitmap picture;
    ui::SnapshotMenu(Grid->StandardPopup()->Items(), &picture);
    picture.SaveToFile(String(folder) + "/grid-popup.bmp");
}

// The grid on a form for a person: a right click opens the popup with its
// glyphs, and "Setup..." the dialog; OK there passes and ends the test.
TEST_F(SetupPicture, PopupByHand) {
    if (std::getenv("VELMORA_SETUP_BY_HAND") == nullptr)
        GTEST_SKIP() << "set VELMORA_SETUP_BY_HAND to use it";
    auto glyphs = PopupGlyphs();
    TForm form(nullptr);
    form.SetCaption("Grid popup");
    form.SetClientWidth(540);
    form.SetClientHeight(240);
    Grid->SetParent(&form);
    Grid->SetBounds(10, 10, 520, 220);
    Grid->SetImages(glyphs.get());
    Grid->SetExOptions(Grid->ExOptions() + TExOptions{eoLayout});
    bool confirmed = false;
    Grid->OnSetupGrid = [&](TObject*) {
        confirmed = Dialog.Execute();
        form.Close();
    };
    form.ShowModal();
    EXPECT_TRUE(confirmed);
    Grid->SetParent(nullptr);
}

} // namespace
