// Multi-line texts as offices store them, with no-break spaces pasted from a word processor and
// line ends of every kind: a save that did not touch such a text leaves its bytes as they were,
// and one typed character changes that character only, in every dialog with a multi-line box
// and in the settings grids' long-text editor.
#include "app/clients/TForm1ClientParts.h"
#include "app/common/SqlRoutines.h"
#include "app/deposits/DepositArea.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/deposits/Tletetalapadat.h"
#include "app/partners/Tpartnermod.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgBlobEditor.h"
#include "grid/TVgDBGrid.h"
#include "platform/data/TDataSet.h"
#include "platform/data/TDataSource.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/VirtualKeys.h"
#include "tests/app/CaseFormsFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace apptest {
namespace {

class MultiLineTexts;
using Typing = std::function<void(TMemo*)>;

struct MemoDialog {
    const char* Name;
    const char* Table;
    const char* Column;
    Integer (*Make)(MultiLineTexts&); // the row, answering its key
    // Shows the row in the dialog, runs Typing in the box over Column and saves.
    void (*Edit)(MultiLineTexts&, Integer Key, const Typing&);
};

void PrintTo(const MemoDialog& Row, std::ostream* Out) {
    *Out << Row.Name;
}

class MultiLineTexts : public CaseForms, public ::testing::WithParamInterface<MemoDialog> {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        CreateForms();
        partnermod = new Tpartnermod(nullptr);
        letetalapadat = new Tletetalapadat(nullptr);
        app::MainWindow().OnShow(nullptr);
    }
    void TearDown() override {
        TVgBlobEditor::Runner = nullptr;
        // The editor a test showed goes while the toolkit stands, not with the program's exit.
        delete TVgBlobEditor::Instance();
        delete letetalapadat;
        delete partnermod;
        app::MainWindow().Hide();
        CaseForms::TearDown();
    }

public:
    // The row's stored bytes, code page 1250, as hex.
    String Bytes(const MemoDialog& Row, Integer Id) {
        return Text(String("SELECT hex(") + Row.Column + ") FROM " + Row.Table +
                    " WHERE sorszam=" + std::to_string(Id));
    }
    String BytesOf(const String& Value) { return Text("SELECT hex(" + SqlLiteral(Value) + ")"); }
    // Shows the main window on a list page, as its menu item does.
    static void ShowPage(const char* Item) {
        app::MainWindow().Show();
        MenuItem(Item).Click();
    }
    using CaseForms::Attach;
    using OfficeDbFixture::AddAccount;
    using OfficeDbFixture::AddCase;
    using OfficeDbFixture::AddCasePerson;
    using OfficeDbFixture::AddDeposit;
    using OfficeDbFixture::AddOrganisation;
    using OfficeDbFixture::AddPerson;
    using OfficeDbFixture::Exec;
    using OfficeDbFixture::LastKey;
};

// A no-break space, a bare LF, CR LF, a lone CR, a tab and accented letters.
const String Stored = "Fő\u00A0u. 1.\nB\u00A0ép.\r\nŰr\rC\tő";

TEST_P(MultiLineTexts, AnUntouchedTextKeepsItsBytesAndATypedCharacterChangesOnlyItself) {
    const MemoDialog& row = GetParam();
    const Integer key = row.Make(*this);
    Exec(String("UPDATE ") + row.Table + " SET " + row.Column + "=" + SqlLiteral(Stored) +
         " WHERE sorszam=" + Key(key));
    const String before = Bytes(row, key);
    row.Edit(*this, key, [](TMemo*) {});
    EXPECT_EQ(Bytes(row, key), before);

    // An x typed at the start of the second line.
    row.Edit(*this, key, [](TMemo* Memo) {
        ui::SimulateKey(Memo, VK_HOME, {ssCtrl});
        for (int i = 0; i < 9; ++i)
            ui::SimulateKey(Memo, VK_RIGHT);
        ui::SimulateKey(Memo, 'X', {}, "x");
    });
    EXPECT_EQ(Bytes(row, key), BytesOf("Fő\u00A0u. 1.\nxB\u00A0ép.\r\nŰr\rC\tő"));
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, MultiLineTexts,
    ::testing::Values(MemoDialog{"person panel", "ugyfel_termeszetes_szemely", "lakcim",
                                 [](MultiLineTexts& t) { return t.AddPerson("Kovács Éva"); },
                                 [](MultiLineTexts&, Integer, const Typing& Type) {
                                     MultiLineTexts::ShowPage("Termeszetesszemelyek1");
                                     Type(app::MainWindow().Clients().Edit4);
                                     app::MainWindow().Clients().gxExtSpeedButton37->Click();
                                 }},
                      MemoDialog{"organisation panel", "ugyfel_szervezet", "szekhely_cime",
                                 [](MultiLineTexts& t) { return t.AddOrganisation("Alfa Kft."); },
                                 [](MultiLineTexts&, Integer, const Typing& Type) {
                                     MultiLineTexts::ShowPage("Szervezetek1");
                                     Type(app::MainWindow().Clients().Edit12);
                                     app::MainWindow().Clients().gxExtSpeedButton35->Click();
                                 }},
                      MemoDialog{"case copy editor", "ugy_ugyfel_tsz", "lakcim",
                                 [](MultiLineTexts& t) {
                                     return t.AddCasePerson(t.AddCase("Hagyaték", "2009-03-05"),
                                                            "Kovács Éva");
                                 },
                                 [](MultiLineTexts&, Integer Key, const Typing& Type) {
                                     ugyfelszemelymod->RowId = Key;
                                     ugyfelszemelymod->Mode = 2;
                                     ugyfelszemelymod->Show();
                                     Type(ugyfelszemelymod->Boxes.Address);
                                     ugyfelszemelymod->BitBtn1->Click();
                                 }},
                      // "Átír" writes the register row from the copied boxes.
                      MemoDialog{"person attach", "ugyfel_termeszetes_szemely", "lakcim",
                                 [](MultiLineTexts& t) { return t.AddPerson("Kovács Éva"); },
                                 [](MultiLineTexts& t, Integer, const Typing& Type) {
                                     t.Attach(*ugyujszemelyform);
                                     Type(ugyujszemelyform->Edit8);
                                     ugyujszemelyform->rogzito->Click();
                                 }},
                      MemoDialog{"organisation attach", "ugyfel_szervezet", "kepviselo",
                                 [](MultiLineTexts& t) { return t.AddOrganisation("Alfa Kft."); },
                                 [](MultiLineTexts& t, Integer, const Typing& Type) {
                                     t.Attach(*ugyujszervezetform);
                                     Type(ugyujszervezetform->Edit6);
                                     ugyujszervezetform->rogzito->Click();
                                 }},
                      MemoDialog{"partner editor", "partner", "megjegyzes",
                                 [](MultiLineTexts& t) {
                                     t.Exec("INSERT INTO partner (nev) VALUES ('Bakos Bt.')");
                                     return t.LastKey("partner");
                                 },
                                 [](MultiLineTexts&, Integer Key, const Typing& Type) {
                                     partnermod->PartnerId = Key;
                                     partnermod->Show();
                                     Type(partnermod->Memo1);
                                     partnermod->BitBtn1->Click();
                                 }},
                      MemoDialog{"deposit base data", "letet", "megjegyzes",
                                 [](MultiLineTexts& t) {
                                     return t.AddDeposit(t.AddAccount("Ügyvédi letét"), "Kiss", "2024-01-01",
                                                         5000);
                                 },
                                 [](MultiLineTexts&, Integer Key, const Typing& Type) {
                                     letetalapadat->DepositId = Key;
                                     letetalapadat->Origin = Tletetalapadat::FromList;
                                     letetalapadat->Show();
                                     Type(letetalapadat->Memo1);
                                     letetalapadat->BitBtn1->Click();
                                 }},
                      // The accounts grid's remark, in the editor a double click opens; the row is posted
                      // after it, whatever the editor's OK left.
                      MemoDialog{"long-text editor", "letetiszamla", "megjegyzes",
                                 [](MultiLineTexts& t) { return t.AddAccount("Ügyvédi letét"); },
                                 [](MultiLineTexts&, Integer, const Typing& Type) {
                                     app::MainWindowShared& f = app::MainWindow();
                                     f.Show();
                                     app::OpenDepositSettings(f);
                                     TVgDBGrid* grid = f.Deposits().letetbeallitas_DBGrid1;
                                     grid->DataSource()->DataSet()->First();
                                     grid->SetSelectedIndex(3);
                                     TVgBlobEditor::Runner = [&](TVgBlobEditor* Editor) {
                                         Editor->Show();
                                         Type(Editor->Memo());
                                         Editor->Hide();
                                         return mrOk;
                                     };
                                     grid->ShowBlobEditor();
                                     grid->DataSource()->DataSet()->CheckBrowseMode();
                                 }}));

} // namespace
} // namespace apptest
