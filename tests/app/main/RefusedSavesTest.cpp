// A save whose row the database skips (a RAISE(IGNORE) trigger), whose row misses what the
// database's own triggers give it (an AFTER trigger that skips them), or whose row another
// workstation deleted or changed while the dialog stood open says so, stores nothing and
// keeps the input.
#include "app/deposits/DepositSaves.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/deposits/Tujletet.h"
#include "app/documents/Tdokusetform.h"
#include "app/registry/Tiktbe.h"
#include "app/settings/Tadminform.h"
#include "app/common/QueryRun.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/EngineError.h"
#include "sqlite/TSqlite3DB.h"
#include "tests/app/CaseFormsFixture.h"
#include "tests/support/ErrorOf.h"

#include <memory>

namespace apptest {
namespace {

class RefusedSaves : public CaseForms {};

TEST_F(RefusedSaves, SayWhatHappenedStoreNothingAndKeepTheInput) {
    CreateForms();
    const std::unique_ptr<Tletet_adatlap> depositSheet(letet_adatlap = new Tletet_adatlap(nullptr));
    const std::unique_ptr<Tadminform> settings(adminform = new Tadminform(nullptr));
    const std::unique_ptr<Tdokusetform> documentSettings(dokusetform = new Tdokusetform(nullptr));
    const std::unique_ptr<Tujletet> depositNew(ujletet = new Tujletet(nullptr));
    const std::unique_ptr<Tiktbe> incoming(iktbe = new Tiktbe(nullptr));
    Tugyadatlap& sheet = *ugyadatlap;
    Tletet_adatlap& deposit = *depositSheet;
    const auto newCase = [this] { return AddCase("Ügy", "2009-03-05"); };
    const auto newDeposit = [&](TRadioButton* Kind) {
        deposit.DepositId = AddDeposit(AddAccount("Számla"), "Kiss", "2024-01-01", 1000);
        deposit.Show();
        Kind->SetChecked(true);
        deposit.Edit1->SetText("500");
    };
    const std::function<void()> record = [&] { sheet.gxExtSpeedButton8Click(nullptr); },
                                pay = [&] { deposit.BitBtn1Click(nullptr); };
    const struct {
        const char* Save;
        std::function<void()> Open; // shows the dialog, on a fresh row
        TControl* Box;              // takes the user's input
        const char* Meanwhile;      // a skipping trigger's event, or another workstation's DELETE or UPDATE
        std::function<void()> Press;
        const char* Message;
    } saves[] = {
        {"case event", [&] { OpenSheet(newCase()); }, sheet.Memo2, "BEFORE INSERT ON ugyitem", record,
         sqlite::NoRowAddedMessage},
        {"closing the case", [&] { OpenSheet(newCase()).CheckBox1->SetChecked(true); }, sheet.Memo2,
         "BEFORE UPDATE ON ugy", record, app::RowNotChangedMessage},
        {"case event, case deleted", [&] { OpenSheet(newCase()); }, sheet.Memo2, "DELETE FROM ugy", record,
         app::RowGoneMessage},
        // An AFTER trigger that skips leaves the row without what the database's own gives it.
        {"case event with a file", [&] { OpenSheet(newCase()).Edit1->SetText("level.pdf"); }, sheet.Memo2,
         "AFTER INSERT ON ugyitem", record, app::DocumentNotNumberedMessage},
        {"payment in", [&] { newDeposit(deposit.RadioButton3); }, deposit.Memo2,
         "BEFORE INSERT ON letetmozgas", pay, sqlite::NoRowAddedMessage},
        {"full payout, deposit deleted", [&] { newDeposit(deposit.RadioButton2); }, deposit.Memo2,
         "DELETE FROM letet", pay, app::RowGoneMessage},
        {"payment in, balance not kept", [&] { newDeposit(deposit.RadioButton3); }, deposit.Memo2,
         "AFTER INSERT ON letetmozgas", pay, app::BalanceNotKeptMessage},
        // Paying out 700 of movements of 1000 would close the deposit with 300 on it.
        {"full payout, balance not its movements", [&] { newDeposit(deposit.RadioButton2); }, deposit.Memo2,
         "UPDATE letet SET egyenleg=700", pay, app::PayoutNotEmptiedMessage},
        // Paid out as 0 and -12 before.
        {"full payout, balance empty", [&] { newDeposit(deposit.RadioButton2); }, deposit.Memo2,
         "UPDATE letet SET egyenleg=NULL", pay, app::BalanceNotWholeMessage},
        {"full payout, balance a text", [&] { newDeposit(deposit.RadioButton2); }, deposit.Memo2,
         "UPDATE letet SET egyenleg='12a'", pay, app::BalanceNotWholeMessage},
        {"new deposit, balance not kept",
         [&] {
             ujletet->Show();
             ujletet->Edit3->SetText("500");
             ujletet->ComboBox1->SetItemIndex(0);
         },
         ujletet->Edit1, "AFTER INSERT ON letetmozgas", [&] { ujletet->BitBtn1Click(nullptr); },
         app::BalanceNotKeptMessage},
        {"registry entry",
         [&] {
             iktbe->Show();
             iktbe->ComboBox1->SetItemIndex(0);
             iktbe->ComboBox1Change(nullptr);
         },
         iktbe->Edit2, "AFTER INSERT ON ikt_be", [&] { iktbe->BitBtn4Click(nullptr); },
         app::RegistryNotNumberedMessage},
        // The key's DELETE is rolled back with its skipped INSERT.
        {"office address", [&] { adminform->Show(); }, adminform->Edit1, "BEFORE INSERT ON info",
         [&] { adminform->BitBtn1Click(nullptr); }, sqlite::NoRowAddedMessage},
        {"document retention", [&] { dokusetform->Show(); }, dokusetform->Edit1, "BEFORE INSERT ON info",
         [&] { dokusetform->BitBtn1Click(nullptr); }, sqlite::NoRowAddedMessage},
        {"organisation attached", [&] { Attach(*ugyujszervezetform); }, ugyujszervezetform->Edit1,
         "BEFORE INSERT ON ugy_ugyfel_szerv", [&] { ugyujszervezetform->rogzitoClick(nullptr); },
         sqlite::NoRowAddedMessage},
        // Without its year and number the case's sheet would open titled "/".
        {"new case", [&] { ujugy->Show(); }, ujugy->Memo1, "AFTER INSERT ON ugy",
         [&] { ujugy->BitBtn1Click(nullptr); }, app::CaseNotNumberedMessage},
        {"case base data, case deleted", [&] { ugyalapadatmod->ShowCase(newCase(), 0, 0); },
         ugyalapadatmod->Edit1, "DELETE FROM ugy", [&] { ugyalapadatmod->BitBtn1Click(nullptr); },
         app::RowGoneMessage},
    };
    AddOrganisation("Régi Kft."); // the register row "Másol" copies
    AddRegistryPartner("Posta");
    ujugy->CheckBox1->SetChecked(false); // no sheet opens modally after a new case
    const auto dump = [this] {
        std::vector<std::vector<Row>> tables;
        for (const char* t : {"ugy", "ugyitem", "ugy_ugyfel_szerv", "letet", "letetmozgas", "info", "ikt_be"})
            tables.push_back(Rows(String("SELECT * FROM ") + t));
        return tables;
    };
    for (const auto& s : saves) {
        SCOPED_TRACE(s.Save);
        s.Open();
        s.Box->SetText("1234"); // digits: the retention box takes nothing else
        const String meanwhile = s.Meanwhile;
        // Another workstation deletes the newest row, the one the dialog shows.
        if (meanwhile.starts_with("DELETE"))
            Exec(meanwhile + " WHERE sorszam=(SELECT MAX(sorszam) FROM " + meanwhile.substr(12) + ")");
        else if (meanwhile.starts_with("UPDATE"))
            Exec(meanwhile);
        else
            Exec("CREATE TRIGGER skip " + meanwhile + " BEGIN SELECT RAISE(IGNORE); END");
        const auto before = dump();
        EXPECT_EQ(ErrorOf<EDatabaseError>(s.Press), s.Message);
        EXPECT_EQ(dump(), before);
        EXPECT_FALSE(app::MainWindow().Sqlite3DB1->InTransaction());
        EXPECT_EQ(s.Box->Text(), "1234");
        Exec("DROP TRIGGER IF EXISTS skip");
        dynamic_cast<TCustomForm*>(s.Box->Owner())->Hide();
    }
}

} // namespace
} // namespace apptest
