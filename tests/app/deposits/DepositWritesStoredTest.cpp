// The deposit sheet's movements while another workstation takes the database just after their
// commit: each stands once, says it was done, and leaves nothing that would write it again.
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
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class DepositWritesStored : public OtherWorkstation {};

String Locked(const char* Done) {
    return Done + String("Az adatbázist egy másik program használja");
}

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
        LockWhenRead({s.Query1});
        EXPECT_TRUE(ErrorOf<EDatabaseError>(k.Press).starts_with(Locked(app::ListNotReadAgainMessage)));
        EXPECT_FALSE(s.Panel2->Enabled());
        EXPECT_EQ(s.ChosenKind(), app::MovementKind::None);
        EXPECT_EQ(s.Edit1->Text() + s.Memo2->Text(), "");
        Release();
        s.BitBtn1->Click();
        const String deposit = Key(s.DepositId);
        EXPECT_EQ(Number("SELECT count(*) FROM letetmozgas WHERE letet=" + deposit), 2);
        EXPECT_EQ(Rows("SELECT egyenleg, status FROM letet WHERE sorszam=" + deposit),
                  (std::vector<Row>{{Key(k.Balance), Key(k.Active)}}));
        EXPECT_EQ(s.Panel2->Enabled(), k.Active); // read again: active ones take movements again
    });
}

} // namespace
} // namespace apptest
