// The settings and About dialogs: what the settings dialog stores is read at the next
// start, quotes and all; a failing save changes nothing; the About box reads the
// running program's version and the database's.
#include "app/settings/TAboutBox.h"
#include "app/settings/Tadminform.h"
#include "app/common/QueryRun.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMenuItem.h"
#include "tests/support/ErrorOf.h"
#include "tests/app/CaseFormsFixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace apptest {
namespace {

class SettingsDialogs : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        BeforeForms();
        CreateForms();
        adminform = new Tadminform(nullptr);
        AboutBox = new TAboutBox(nullptr);
    }
    void TearDown() override {
        delete adminform;
        delete AboutBox;
        CaseForms::TearDown();
    }
    // Schema changes made by a test go in before the forms connect.
    virtual void BeforeForms() {}
    std::vector<Row> Settings() {
        return Rows("SELECT valtozo, ertek FROM info WHERE valtozo <> 'dbver' ORDER BY valtozo");
    }
    void Fill(const String& address, const String& chamber, const String& doc, const String& jub) {
        adminform->Edit1->SetText(address);
        adminform->Edit2->SetText(chamber);
        adminform->Edit3->SetText(doc);
        adminform->Edit4->SetText(jub);
    }
};

TEST_F(SettingsDialogs, ShowsTheStoredSettings) {
    SetSetting("cim", "1052 Budapest, Váci u. 1.");
    SetSetting("kamarai_azonosito", "K_12");
    Exec("DELETE FROM info WHERE valtozo='jub_orzesi_ido'");
    adminform->Show();
    EXPECT_EQ(adminform->Caption(), "Beállítások");
    EXPECT_EQ(adminform->Edit5->Text(), app::MainWindow().UserName());
    EXPECT_TRUE(adminform->Edit5->ReadOnly());
    EXPECT_EQ(adminform->Edit1->Text(), "1052 Budapest, Váci u. 1.");
    EXPECT_EQ(adminform->Edit2->Text(), "K_12");
    EXPECT_EQ(adminform->Edit3->Text(), Text("SELECT ertek FROM info WHERE valtozo='dokumentum_orzesi_ido'"));
    EXPECT_EQ(adminform->Edit4->Text(), "");
}

TEST_F(SettingsDialogs, StoredSettingsAreReadAtTheNextStart) {
    adminform->Show();
    Fill("O'Brien tér 1., Győr", "K_'7'", "8", "5");
    adminform->BitBtn1->Click();
    adminform->BitBtn1->Click(); // twice: still one row per key
    EXPECT_TRUE(adminform->Visible());
    EXPECT_EQ(Settings(), (std::vector<Row>{{"cim", "O'Brien tér 1., Győr"},
                                            {"dokumentum_orzesi_ido", "8"},
                                            {"jub_orzesi_ido", "5"},
                                            {"kamarai_azonosito", "K_'7'"}}));
    // The running window keeps what it read at start; a new start reads the new values.
    const Integer before = app::MainWindow().DocRetentionYears();
    EXPECT_NE(before, 8);
    TForm1* const running = Form1;
    {
        const std::unique_ptr<app::MainWindowShared> next(&app::CreateMainWindow(nullptr));
        EXPECT_EQ(next->DocRetentionYears(), 8);
        EXPECT_EQ(next->JubRetentionYears(), 5);
        EXPECT_EQ(next->OfficeAddress(), "O'Brien tér 1., Győr");
        EXPECT_EQ(next->ChamberId(), "K_'7'");
    }
    Form1 = running;
    EXPECT_EQ(app::MainWindow().DocRetentionYears(), before);
    EXPECT_TRUE(Shown.empty());
}

TEST_F(SettingsDialogs, EmptyRetentionRemovesItsKeyEmptyTextsStay) {
    adminform->Show();
    Fill("", "", "", "");
    adminform->BitBtn1->Click();
    EXPECT_EQ(Settings(), (std::vector<Row>{{"cim", ""}, {"kamarai_azonosito", ""}}));
}

TEST_F(SettingsDialogs, RetentionBoxesTakeDigitsOnly) {
    for (TEdit* box : {adminform->Edit3, adminform->Edit4}) {
        String key = "a";
        box->OnKeyPress(box, key);
        EXPECT_EQ(key, "");
        key = "7";
        box->OnKeyPress(box, key);
        EXPECT_EQ(key, "7");
        box->SetText("1'0 év");
        EXPECT_EQ(box->Text(), "10");
    }
    // Text that reaches the save some other way is refused before anything changes.
    app::OfficeSettingsText s;
    s.DocRetentionYears = "8'; DROP";
    EXPECT_EQ(ErrorOf<EConvertError>([&] { app::WriteOfficeSettings(*adminform->Query1, {}, s); }),
              "'8'; DROP' is not a valid integer value");
    EXPECT_EQ(Number("SELECT count(*) FROM info WHERE valtozo='dokumentum_orzesi_ido'"), 1);
}

// A retention period an office's database holds as text shows as stored, not as its
// digits ("1e400" is not 1400 years), and the mended value is stored.
TEST_F(SettingsDialogs, RetentionStoredAsTextShowsAsStoredAndIsMended) {
    SetSetting("dokumentum_orzesi_ido", "1e400");
    SetSetting("jub_orzesi_ido", "10 év");
    adminform->Show();
    EXPECT_EQ(adminform->Edit3->Text(), "1e400");
    EXPECT_EQ(adminform->Edit4->Text(), "10 év");
    adminform->Edit3->SetText("12");
    adminform->Edit4->SetText("9");
    adminform->BitBtn1->Click();
    EXPECT_EQ(Text("SELECT group_concat(ertek) FROM info WHERE valtozo LIKE '%orzesi_ido'"), "12,9");
}

// Another workstation's change made while the dialog stood open stays unless the user
// changed the same key here; a save with nothing changed since the last writes nothing.
TEST_F(SettingsDialogs, OnlyTheKeysTheUserChangedAreWritten) {
    adminform->Show();
    Exec("UPDATE info SET ertek='9' WHERE valtozo='jub_orzesi_ido'"); // through a second connection
    adminform->Edit1->SetText("Új cím");
    adminform->BitBtn1->Click();
    Exec("UPDATE info SET ertek='K_9' WHERE valtozo='kamarai_azonosito'");
    adminform->BitBtn1->Click();
    EXPECT_EQ(Settings(), (std::vector<Row>{{"cim", "Új cím"},
                                            {"dokumentum_orzesi_ido", "10"},
                                            {"jub_orzesi_ido", "9"},
                                            {"kamarai_azonosito", "K_9"}}));
}

class SettingsDialogsRefused : public SettingsDialogs {
protected:
    void BeforeForms() override {
        SetSetting("cim", "Régi cím");
        Exec("CREATE TRIGGER refuse BEFORE INSERT ON info WHEN NEW.valtozo='jub_orzesi_ido' "
             "BEGIN SELECT RAISE(ABORT, 'a beállítás zárolva'); END");
    }
};

TEST_F(SettingsDialogsRefused, AFailingSaveChangesNothing) {
    adminform->Show();
    Fill("Új cím", "K_1", "3", "4");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { adminform->BitBtn1Click(nullptr); }),
              "a beállítás zárolva\n\nINSERT INTO info (valtozo,ertek) "
              "VALUES('jub_orzesi_ido','4')\r\n");
    EXPECT_EQ(Text("SELECT ertek FROM info WHERE valtozo='cim'"), "Régi cím");
    EXPECT_EQ(Number("SELECT count(*) FROM info WHERE valtozo='dokumentum_orzesi_ido'"), 1);
}

// A rule of the database that skips every delete from `info`: a key without a row has
// nothing to delete and is stored.
TEST_F(SettingsDialogs, AKeyWithoutARowIsStoredWhereTheDatabaseSkipsDeletes) {
    Exec("DELETE FROM info WHERE valtozo='jub_orzesi_ido'; "
         "CREATE TRIGGER skip BEFORE DELETE ON info BEGIN SELECT RAISE(IGNORE); END");
    adminform->Show();
    adminform->Edit4->SetText("5");
    adminform->BitBtn1->Click();
    EXPECT_EQ(Text("SELECT ertek FROM info WHERE valtozo='jub_orzesi_ido'"), "5");
}

// An older office's settings table, without its unique key, holds the address twice ("cim" and
// "CIM"). While a rule of its database keeps "CIM" from being deleted, a new address would stand
// beside it and the next start read either: the save is refused with nothing written. Without
// the rule the new address replaces both.
class SettingsHeldTwice : public SettingsDialogs {
protected:
    void BeforeForms() override {
        Exec("CREATE TABLE regi (valtozo varchar(64) NOT NULL, ertek varchar(1000)); "
             "INSERT INTO regi SELECT * FROM info; DROP TABLE info; ALTER TABLE regi RENAME TO info; "
             "INSERT INTO info VALUES ('CIM', 'Régi cím'); "
             "CREATE TRIGGER keep BEFORE DELETE ON info WHEN OLD.valtozo='CIM' "
             "BEGIN SELECT RAISE(IGNORE); END");
    }
};

TEST_F(SettingsHeldTwice, AKeyARuleKeepsOneRowOfIsNotStoredBesideIt) {
    const auto before = Settings();
    adminform->Show();
    Fill("Új cím", "K_1", "3", "4");
    EXPECT_EQ(ErrorOf<EDatabaseError>([&] { adminform->BitBtn1Click(nullptr); }), app::RowNotChangedMessage);
    EXPECT_EQ(Settings(), before);
    EXPECT_FALSE(app::MainWindow().Sqlite3DB1->InTransaction());
    EXPECT_EQ(adminform->Edit1->Text(), "Új cím");
    Exec("DROP TRIGGER keep");
    adminform->BitBtn1Click(nullptr);
    EXPECT_EQ(Rows("SELECT valtozo, ertek FROM info WHERE valtozo LIKE 'cim'"),
              (std::vector<Row>{{"cim", "Új cím"}}));
}

TEST_F(SettingsDialogs, AboutBoxShowsTheVersions) {
    Exec("UPDATE info SET ertek='2.0' WHERE valtozo='dbver'");
    AboutBox->Show();
    EXPECT_EQ(AboutBox->Caption(), "Információ");
    EXPECT_EQ(AboutBox->ProductName->Caption(), Application->Title());
    EXPECT_EQ(AboutBox->Label1->Caption(), "Dornek 2.0.1.3");
    EXPECT_EQ(AboutBox->Label2->Caption(), "db: 2.0");
    EXPECT_EQ(AboutBox->OKButton->ModalResult(), mrOk);
    AboutBox->Hide();
    Exec("DELETE FROM info WHERE valtozo='dbver'");
    AboutBox->Show();
    EXPECT_EQ(AboutBox->Label2->Caption(), "db: ");
}

TEST_F(SettingsDialogs, MenuOpensBothDialogs) {
    bool settingsShown = false, aboutShown = false;
    adminform->OnShow = [&](TObject* Sender) {
        adminform->FormShow(Sender);
        settingsShown = true;
        adminform->Close();
    };
    AboutBox->OnShow = [&](TObject* Sender) {
        AboutBox->FormShow(Sender);
        aboutShown = true;
        AboutBox->Close();
    };
    MenuItem("Beallitasok1").Click();
    MenuItem("Info1").Click();
    EXPECT_TRUE(settingsShown);
    EXPECT_TRUE(aboutShown);
    EXPECT_EQ(MenuItem("Beallitasok1").Caption(), "Beállítások");
    EXPECT_EQ(MenuItem("Info1").Caption(), "Info");
    EXPECT_FALSE(MenuItem("Adatbazismentese1").Visible());
}

} // namespace
} // namespace apptest
