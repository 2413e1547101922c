// A save whose row the database skips (a RAISE(IGNORE) trigger), whose row misses what the
// database's own triggers give it (an AFTER trigger that skips them), or whose row another
// workstation deleted or changed while the dialog stood open says so, stores nothing and
// keeps the input.
#include "app/deposits/DepositArea.h"
#include "app/deposits/DepositSaves.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/deposits/Tletetalapadat.h"
#include "app/deposits/Tujletet.h"
#include "app/documents/Tdokusetform.h"
#include "app/clients/TForm1ClientParts.h"
#include "app/partners/PartnerArea.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "app/identification/Tjubmod.h"
#include "app/identification/Tujjub.h"
#include "app/partners/Tpartnermod.h"
#include "app/registry/Tiktbe.h"
#include "app/cases/CaseArea.h"
#include "app/common/QueryRun.h"
#include "sqlite/EngineError.h"
#include "tests/app/CaseFormsFixture.h"

#include <algorithm>
#include <memory>

namespace apptest {
namespace {

class RefusedSaves : public CaseForms {};

TEST_F(RefusedSaves, SayWhatHappenedStoreNothingAndKeepTheInput) {
    CreateSaveForms();
    const std::unique_ptr<Tdokusetform> documentSettings(dokusetform = new Tdokusetform(nullptr));
    const std::unique_ptr<Tujletet> depositNew(ujletet = new Tujletet(nullptr));
    const std::unique_ptr<Tiktbe> incoming(iktbe = new Tiktbe(nullptr));
    const std::unique_ptr<Tletetalapadat> baseData(letetalapadat = new Tletetalapadat(nullptr));
    // D with a new account (and project) chosen: the newest rows, which another workstation changes.
    const auto deposit = [this](const char* Name, app::DepositDialog* D, bool Project) -> DialogSave {
        return {Name,
                [=, this] {
                    letetalapadat->DepositId = AddDeposit(AddAccount("Régi"), "Kiss", "2024-01-01", 1000);
                    const Integer account = AddAccount("Alap"), project = Project ? AddProject("Alap") : 0;
                    D->Show();
                    if (D->Edit3) D->Edit3->SetText("500");
                    app::DepositChoices& c = D->Choices;
                    c.Accounts->SetItemIndex(std::ranges::find(c.AccountIds, account) - c.AccountIds.begin());
                    if (Project)
                        c.Projects->SetItemIndex(std::ranges::find(c.ProjectIds, project) -
                                                 c.ProjectIds.begin());
                },
                D->Edit1, [D] { D->BitBtn1Click(nullptr); }};
    };
    app::MainWindowShared& window = app::MainWindow();
    const auto settings = [&](const char* Name, TEdit* NameBox,
                              void (*Add)(app::MainWindowShared&)) -> DialogSave {
        return {Name, [&window] { app::OpenDepositSettings(window); }, NameBox,
                [&window, Add] { Add(window); }};
    };
    const std::unique_ptr<Tujjub> jubNew(ujjub = new Tujjub(nullptr));
    const std::unique_ptr<Tjubmod> jubChange(jubmod = new Tjubmod(nullptr));
    const std::unique_ptr<Tpartnermod> partnerChange(partnermod = new Tpartnermod(nullptr));
    // The incoming entry also on the first mode, location and case its lists offer.
    const DialogSave entry = IncomingEntry("registry entry").As("registry entry", [] {
        app::FillCaseCombos(app::MainWindow());
        for (TComboBox* c : {iktbe->ComboBox2, iktbe->ComboBox3, iktbe->ComboBox4})
            c->SetItemIndex(0);
    });
    // "Nem módosít" on the register row "Másol" copied.
    const auto kept = [&](const char* Name, auto& D) {
        return Attached(Name, D).As(Name, [&D] { D.RadioButton3->SetChecked(true); });
    };
    const DialogSave newJub = Plain("identification query", ujjub, ujjub->Edit3, [&] {
        ujjub->CaseId = AddCase("Ügy", "2009-03-05");
        ujjub->CaseClientRowId = AddCasePerson(ujjub->CaseId, "Kovács Éva", AddPerson("Kovács Éva"));
    });
    const DialogSave changedJub = Plain("identification query changed", jubmod, jubmod->Edit1, [&] {
        jubmod->JubId =
            AddIdentification(AddPerson("Kovács Éva"), AddCase("Ügy", "2009-03-05"), "2009-03-05", "1");
    });
    const DialogSave changedPartner = Plain("partner changed", partnermod, partnermod->Edit1, [&] {
        Exec("INSERT INTO partner (nev) VALUES ('Partner')");
        partnermod->PartnerId = LastKey("partner");
    });
    const auto closing = [](Tugyadatlap& s) { s.CheckBox1->SetChecked(true); };
    TRadioButton *in = letet_adatlap->RadioButton3, *payout = letet_adatlap->RadioButton2;
    struct Refusal : DialogSave {
        String Meanwhile; // a skipping trigger's event, or another workstation's DELETE or UPDATE
        const char* Message;
    };
    // The combo offers only active register rows: one withdrawn meanwhile is neither linked nor
    // overwritten. Each saves on a row of its own, the only one left by the rows before.
    const auto withdrawn = [this](DialogSave Save, const String& Table) {
        Save.Open = [this, Open = Save.Open, Table] {
            Exec("INSERT INTO " + Table + " (nev) VALUES ('Ábel')");
            Open();
        };
        return Refusal{Save, "UPDATE " + Table + " SET aktiv=0", app::RowInactiveMessage};
    };
    const Refusal saves[] = {
        {Event("case event"), "BEFORE INSERT ON ugyitem", sqlite::NoRowAddedMessage},
        {Event("closing the case", closing), "BEFORE UPDATE ON ugy", app::RowNotChangedMessage},
        {Event("case event, case deleted"), "DELETE FROM ugy", app::RowGoneMessage},
        // An AFTER trigger that skips leaves the row without what the database's own gives it.
        {Event("case event with a file", [](Tugyadatlap& s) { s.Edit1->SetText("level.pdf"); }),
         "AFTER INSERT ON ugyitem", app::DocumentNotNumberedMessage},
        {Movement("payment in", in), "BEFORE INSERT ON letetmozgas", sqlite::NoRowAddedMessage},
        {Movement("full payout, deposit deleted", payout), "DELETE FROM letet", app::RowGoneMessage},
        // Money recorded on a closed deposit could never be paid out.
        {Movement("full payout, deposit closed", payout), "UPDATE letet SET status=0",
         app::DepositClosedMessage},
        {Movement("payment in, balance not kept", in), "AFTER INSERT ON letetmozgas",
         app::BalanceNotKeptMessage},
        // Paying out 700 of movements of 1000 would close the deposit with 300 on it.
        {Movement("full payout, balance not its movements", payout), "UPDATE letet SET egyenleg=700",
         app::PayoutNotEmptiedMessage},
        // Paid out as 0 and -12 before.
        {Movement("full payout, balance empty", payout), "UPDATE letet SET egyenleg=NULL",
         app::BalanceNotWholeMessage},
        {Movement("full payout, balance a text", payout), "UPDATE letet SET egyenleg='12a'",
         app::BalanceNotWholeMessage},
        {NewDeposit("new deposit, balance not kept"), "AFTER INSERT ON letetmozgas",
         app::BalanceNotKeptMessage},
        // The lists join a deposit to its account and project: it would be counted and not shown.
        {deposit("new deposit, account deleted", ujletet, false), "DELETE FROM letetiszamla",
         app::RowGoneMessage},
        {deposit("new deposit, project deleted", ujletet, true), "DELETE FROM project", app::RowGoneMessage},
        {deposit("new deposit, account set inactive", ujletet, false),
         "UPDATE letetiszamla SET statusz=0 WHERE sorszam=(SELECT MAX(sorszam) FROM letetiszamla)",
         app::RowInactiveMessage},
        {deposit("deposit base data, account deleted", letetalapadat, false), "DELETE FROM letetiszamla",
         app::RowGoneMessage},
        {deposit("deposit base data, project set inactive", letetalapadat, true),
         "UPDATE project SET statusz=0 WHERE sorszam=(SELECT MAX(sorszam) FROM project)",
         app::RowInactiveMessage},
        {settings("deposit account", window.Deposits().Edit24, app::AddDepositAccount),
         "BEFORE INSERT ON letetiszamla", sqlite::NoRowAddedMessage},
        {settings("deposit project", window.Deposits().Edit26, app::AddDepositProject),
         "BEFORE INSERT ON project", sqlite::NoRowAddedMessage},
        {IncomingEntry("registry entry"), "AFTER INSERT ON ikt_be", app::RegistryNotNumberedMessage},
        // The key's DELETE is rolled back with its skipped INSERT.
        {Plain("office address", adminform, adminform->Edit1), "BEFORE INSERT ON info",
         sqlite::NoRowAddedMessage},
        {Plain("document retention", dokusetform, dokusetform->Edit1), "BEFORE INSERT ON info",
         sqlite::NoRowAddedMessage},
        // The key's old row, which a rule keeps, would stand beside the new one.
        {Plain("office address, old row kept", adminform, adminform->Edit1), "BEFORE DELETE ON info",
         app::RowNotChangedMessage},
        {Attached("organisation attached", *ugyujszervezetform), "BEFORE INSERT ON ugy_ugyfel_szerv",
         sqlite::NoRowAddedMessage},
        // Without its year and number the case's sheet would open titled "/".
        {Plain("new case", ujugy, ujugy->Memo1), "AFTER INSERT ON ugy", app::CaseNotNumberedMessage},
        {CaseBaseData("case base data, case deleted"), "DELETE FROM ugy", app::RowGoneMessage},
        // A row whose key the save writes is gone, or no longer what the dialog offered. Each
        // DELETE takes the only row "Másol" or the entry's list offers.
        {kept("person kept, register row deleted", *ugyujszemelyform),
         "DELETE FROM ugyfel_termeszetes_szemely", app::RowGoneMessage},
        {Attached("organisation overwritten", *ugyujszervezetform), "BEFORE UPDATE ON ugyfel_szervezet",
         app::RowNotChangedMessage},
        {kept("organisation kept, register row deleted", *ugyujszervezetform), "DELETE FROM ugyfel_szervezet",
         app::RowGoneMessage},
        withdrawn(kept("person kept, withdrawn", *ugyujszemelyform), "ugyfel_termeszetes_szemely"),
        withdrawn(Attached("person overwritten, withdrawn", *ugyujszemelyform), "ugyfel_termeszetes_szemely"),
        withdrawn(kept("organisation kept, withdrawn", *ugyujszervezetform), "ugyfel_szervezet"),
        withdrawn(Attached("organisation overwritten, withdrawn", *ugyujszervezetform), "ugyfel_szervezet"),
        {newJub.As("identification query, person deleted"), "DELETE FROM ugyfel_termeszetes_szemely",
         app::RowGoneMessage},
        {newJub.As("identification query, case deleted"), "DELETE FROM ugy", app::RowGoneMessage},
        {changedJub, "BEFORE UPDATE ON jub", app::RowNotChangedMessage},
        {changedJub.As("identification query changed, query deleted"), "DELETE FROM jub",
         app::RowGoneMessage},
        {changedPartner, "BEFORE UPDATE ON partner", app::RowNotChangedMessage},
        {changedPartner.As("partner changed, partner deleted"), "DELETE FROM partner", app::RowGoneMessage},
        {entry.As("registry entry, mode out of use"), "UPDATE ikt_mod SET aktiv=0", app::RowInactiveMessage},
        {entry.As("registry entry, location out of use"), "UPDATE ikt_mt SET aktiv=0",
         app::RowInactiveMessage},
        {entry.As("registry entry, case closed"), "UPDATE ugy SET status=0", app::RowInactiveMessage},
        {entry.As("registry entry, partner deleted"), "DELETE FROM ikt_partner", app::RowGoneMessage},
    };
    AddRegistryPartner("Posta");
    Exec("INSERT INTO ikt_mod (nev) VALUES ('posta'); INSERT INTO ikt_mt (nev) VALUES ('iroda')");
    EachSave(saves, [&](const Refusal& s) {
        const String meanwhile = s.Meanwhile;
        // Another workstation deletes the newest row, the one the dialog shows.
        if (meanwhile.starts_with("DELETE"))
            Exec(meanwhile + " WHERE sorszam=(SELECT MAX(sorszam) FROM " + meanwhile.substr(12) + ")");
        else if (meanwhile.starts_with("UPDATE"))
            Exec(meanwhile);
        else
            Exec("CREATE TRIGGER skip " + meanwhile + " BEGIN SELECT RAISE(IGNORE); END");
        EXPECT_EQ(Refused(s), s.Message);
        Exec("DROP TRIGGER IF EXISTS skip");
    });
}

// A delete that a rule of the database skips (RAISE(IGNORE)) says so and leaves its row shown;
// a row another workstation deleted first goes from the list without a word.
TEST_F(RefusedSaves, ADeleteTheDatabaseSkippedIsSaidAndItsRowStaysShown) {
    CreateForms();
    app::MainWindowShared& f = app::MainWindow();
    const Integer caseId = AddCase("Ügy", "2009-03-05");
    for (const char* name : {"A", "B"}) {
        AddAccount(name);
        AddPerson(name);
        AddOrganisation(name);
        Exec(String("INSERT INTO partner (nev) VALUES ('") + name + "')");
        AddHistoryEntry(caseId, "2009-03-06", "", name);
        AddCasePerson(caseId, name);
    }
    app::OpenDepositSettings(f);
    for (const char* list : {"Partnerlista1", "Termeszetesszemelyek1", "Szervezetek1"})
        MenuItem(list).Click();
    Tugyadatlap& sheet = OpenSheet(caseId);
    TSqlite3Table* accounts = f.Deposits().letetbeallitas_Table1;
    const std::tuple<const char*, TDataSet*, std::function<void()>> deletes[] = {
        // The area's own checked delete comes before the grid's.
        {"letetiszamla", accounts, [&] { accounts->Delete(); }},
        {"partner", f.partnerQuery1, [&] { app::DeletePartner(f, f.partnerQuery1); }},
        {"ugyfel_termeszetes_szemely", f.Query1, [&] { f.Clients().gxExtSpeedButton36->Click(); }},
        {"ugyfel_szervezet", f.Query3, [&] { f.Clients().gxExtSpeedButton34->Click(); }},
        {"ugyitem", sheet.Query2, [&] { sheet.Torles2->Click(); }},
        {"ugy_ugyfel_tsz", sheet.Query3, [&] { sheet.Torles1->Click(); }},
    };
    for (const auto& [table, list, remove] : deletes) {
        SCOPED_TRACE(table);
        Exec("CREATE TRIGGER skip BEFORE DELETE ON " + String(table) + " BEGIN SELECT RAISE(IGNORE); END");
        EXPECT_EQ(ErrorOf<EDatabaseError>(remove), app::RowNotChangedMessage);
        Exec("DROP TRIGGER skip");
        EXPECT_EQ(Number("SELECT count(*) FROM " + String(table)), 2);
        EXPECT_EQ(list->RecordCount(), 2);
        Exec("DELETE FROM " + String(table) + " WHERE sorszam=" + list->FieldByName("sorszam")->AsString());
        EXPECT_EQ(ErrorOf<EDatabaseError>(remove), "no error");
        EXPECT_EQ(list->RecordCount(), 1);
    }
}

} // namespace
} // namespace apptest
