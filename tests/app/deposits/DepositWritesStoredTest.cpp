// The deposit sheet's movements and the settings page's new and deleted accounts while another
// workstation takes the database just after their commit: each stands once, says it was done,
// and leaves nothing that would write it a second time.
#include "app/common/CloseAsStored.h"
#include "app/common/MainWindowShared.h"
#include "app/deposits/DepositArea.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/deposits/Tletet_adatlap.h"
#include "platform/data/TField.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "tests/app/OtherWorkstationFixture.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class DepositWritesStored : public OtherWorkstation {};

// The sheet reloads after the movement and meets the lock: the movement is recorded once, the
// sheet takes nothing more on the header it could not read, and the next press only reads it.
TEST_F(DepositWritesStored, AMovementWhoseReloadMeetsALockIsRecordedOnce) {
    CreateSaveForms();
    Tletet_adatlap& s = *letet_adatlap;
    struct Kind : DialogSave {
        Integer Balance; // of the deposit of 1000 after it
        bool Active;
    };
    const Kind kinds[] = {
        {Movement("partial payout", s.RadioButton1), 500, true},
        {Movement("full payout", s.RadioButton2), 0, false},
        {Movement("payment in", s.RadioButton3), 1500, true},
    };
    EachSave(kinds, [&](const Kind& k) {
        PressLocked({s.Query1}, app::ListNotReadAgainMessage, k.Press);
        EXPECT_FALSE(s.Panel2->Enabled());
        EXPECT_EQ(s.ChosenKind(), app::MovementKind::None);
        EXPECT_EQ(s.Edit1->Text() + s.Memo2->Text(), "");
        s.BitBtn1->Click();
        const String deposit = Key(s.DepositId);
        EXPECT_EQ(Number("SELECT count(*) FROM letetmozgas WHERE letet=" + deposit), 2);
        EXPECT_EQ(Rows("SELECT egyenleg, status FROM letet WHERE sorszam=" + deposit),
                  (std::vector<Row>{{Key(k.Balance), Key(k.Active)}}));
        EXPECT_EQ(s.Panel2->Enabled(), k.Active); // read again: active ones take movements again
    });
}

// A colleague holds the database whole (reads too) as a movement is recorded: nothing is
// recorded, and the panel stays usable with what was typed, not turned off by a reload that
// meets the same lock; once the colleague is done the same press records it.
TEST_F(DepositWritesStored, AMovementALockRefusesKeepsThePanelAndTheInput) {
    CreateSaveForms();
    Tletet_adatlap& s = *letet_adatlap;
    Movement("payment in", s.RadioButton3).Open();
    s.Memo2->SetText("Befizetés");
    app::MainWindow().Sqlite3DB1->SetTimeOut(50);
    Other->StartExclusiveTransaction();
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { s.BitBtn1->Click(); }), Locked("begin immediate transaction"));
    Release();
    EXPECT_TRUE(s.Panel2->Enabled());
    EXPECT_EQ(s.ChosenKind(), app::MovementKind::Payment);
    EXPECT_EQ(s.Edit1->Text() + " " + s.Memo2->Text(), "500 Befizetés");
    s.BitBtn1->Click();
    EXPECT_EQ(Rows("SELECT osszeg, megjegyzes FROM letetmozgas WHERE letet=" + Key(s.DepositId)),
              (std::vector<Row>{{"1000", "[Nyitó]"}, {"500", "Befizetés"}}));
}

// On the settings page the grid deletes an account, then the table's own delete meets the lock;
// "Rögzít" under the accounts or the projects stores, then the table read again meets it. Each
// is done once: deleting again only takes the account off the grid, the boxes are empty.
TEST_F(DepositWritesStored, SettingsWhoseTableMeetsALockAreWrittenOnce) {
    CreateSaveForms();
    AddAccount("Régi");
    AddAccount("Marad");
    app::MainWindowShared& f = app::MainWindow();
    TForm1DepositParts& p = f.Deposits();
    app::OpenDepositSettings(f);
    TSqlite3Table& accounts = *p.letetbeallitas_Table1;
    ASSERT_TRUE(accounts.Locate("nev", Variant(String("Régi")), {}));
    const TDataSetNotifyEvent deleteRow = accounts.BeforeDelete;
    accounts.BeforeDelete = [&](TDataSet* Rows) {
        deleteRow(Rows);
        Other->StartExclusiveTransaction();
    };
    PressLocked({}, app::DeletedListNotReadAgainMessage, [&] { accounts.Delete(); }); // BeforeDelete locks
    accounts.BeforeDelete = deleteRow;
    EXPECT_EQ(accounts.FieldByName("nev")->AsString(), "Régi"); // still shown
    accounts.Delete();
    EXPECT_EQ(Rows("SELECT nev FROM letetiszamla"), (std::vector<Row>{{String("Marad")}}));
    EXPECT_EQ(accounts.RecordCount(), 1);

    const struct {
        const char* Table;
        std::vector<TControl*> Boxes;
        void (*Press)(app::MainWindowShared&);
        TDataSet* Shown;
    } adds[] = {
        {"letetiszamla", {p.Edit24, p.Edit25, p.letetbeallitas_Memo1}, app::AddDepositAccount, &accounts},
        {"project", {p.Edit26, p.letetbeallitas_Memo2}, app::AddDepositProject, p.letetbeallitas_Table2},
    };
    for (const auto& a : adds) {
        SCOPED_TRACE(a.Table);
        for (TControl* box : a.Boxes)
            box->SetText("Új");
        PressLocked({a.Shown}, app::ListNotReadAgainMessage, [&] { a.Press(f); });
        for (TControl* box : a.Boxes)
            EXPECT_EQ(box->Text(), "");
        a.Press(f);
        EXPECT_EQ(Number("SELECT count(*) FROM " + String(a.Table) + " WHERE nev='Új'"), 1);
    }
}

} // namespace
} // namespace apptest
