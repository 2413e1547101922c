// Reading the office settings from `info` as the main window does at start, and the
// saves that compute a deadline while a retention period could not be read.
#include "app/common/OfficeSettings.h"
#include "app/documents/Tdokulap.h"
#include "app/identification/Tujjub.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/core/DateTime.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/CaseFormsFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

class OfficeSettingsRead : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        FQuery = std::make_unique<TSqlite3Query>(nullptr);
        FQuery->SetConnection(&DB());
        FQuery->SetRawSQL(true);
    }
    void TearDown() override {
        FQuery.reset();
        OfficeDbFixture::TearDown();
    }

    std::unique_ptr<TSqlite3Query> FQuery;
};

TEST_F(OfficeSettingsRead, DefaultDatabaseValues) {
    app::OfficeSettings s;
    app::ReadOfficeSettings(*FQuery, s);
    EXPECT_EQ(s.DocRetentionYears, 10);
    EXPECT_EQ(s.JubRetentionYears, 8);
    EXPECT_EQ(s.OfficeAddress, "");
    EXPECT_EQ(s.ChamberId, "");
}

TEST_F(OfficeSettingsRead, MissingKeysGiveZeroAndEmpty) {
    Exec("DELETE FROM info");
    app::OfficeSettings s;
    app::ReadOfficeSettings(*FQuery, s);
    EXPECT_EQ(s.DocRetentionYears, 0);
    EXPECT_EQ(s.JubRetentionYears, 0);
    EXPECT_EQ(s.OfficeAddress, "");
    EXPECT_EQ(s.ChamberId, "");
}

TEST_F(OfficeSettingsRead, ValuesAreTrimmedNumbersAndTextsAsStored) {
    SetSetting("dokumentum_orzesi_ido", " 8 ");
    SetSetting("jub_orzesi_ido", "5");
    SetSetting("cim", " 1052 Budapest, Ráday u. 3. ");
    SetSetting("kamarai_azonosito", "K_123");
    app::OfficeSettings s;
    app::ReadOfficeSettings(*FQuery, s);
    EXPECT_EQ(s.DocRetentionYears, 8);
    EXPECT_EQ(s.JubRetentionYears, 5);
    EXPECT_EQ(s.OfficeAddress, " 1052 Budapest, Ráday u. 3. ");
    EXPECT_EQ(s.ChamberId, "K_123");
}

// The text is kept as stored for the messages, and the read goes on.
TEST_F(OfficeSettingsRead, WordAfterNumberIsKeptAndTheReadGoesOn) {
    SetSetting("dokumentum_orzesi_ido", " 8 év");
    SetSetting("cim", "Budapest");
    app::OfficeSettings s;
    app::ReadOfficeSettings(*FQuery, s);
    EXPECT_EQ(s.DocRetentionYears, 0);
    EXPECT_EQ(s.UnreadableDocRetention, String(" 8 év"));
    EXPECT_EQ(s.JubRetentionYears, 8);
    EXPECT_EQ(s.OfficeAddress, "Budapest");
}

TEST_F(OfficeSettingsRead, KeyIsMatchedWithLikeAndFirstRowWins) {
    // LIKE ignores case; the key column is unique, so "CIM" stands beside nothing else.
    Exec("DELETE FROM info WHERE valtozo='cim'");
    Exec("INSERT INTO info (valtozo, ertek) VALUES ('CIM', 'Szeged')");
    String value;
    ASSERT_TRUE(app::ReadInfoValue(*FQuery, "cim", value));
    EXPECT_EQ(value, "Szeged");
    EXPECT_FALSE(app::ReadInfoValue(*FQuery, "nincs_ilyen", value));
    EXPECT_EQ(value, "Szeged");
}

class UnreadableRetention : public CaseForms {
protected:
    void SetUp() override {
        CaseForms::SetUp();
        SetSetting("dokumentum_orzesi_ido", "10 év");
        SetSetting("jub_orzesi_ido", "1e400");
        CaseId = AddCase("Bakos kártérítés", "2009-03-05");
        CopyId = AddCasePerson(CaseId, "Kovács Éva", AddPerson("Kovács Éva"));
        CreateForms();
        dokulap = new Tdokulap(nullptr);
        ujjub = new Tujjub(nullptr);
    }
    void TearDown() override {
        delete ujjub;
        delete dokulap;
        CaseForms::TearDown();
    }
    // The error of a refused save: the first line says nothing was stored, the second
    // names the setting.
    static String Refusal(const std::function<void()>& Save) {
        const String message = ErrorOf<EConvertError>(Save);
        return message.substr(0, message.find("\n", message.find('\n') + 1));
    }
    String History() {
        return Text("SELECT group_concat(megjegyzes||'|'||COALESCE(orzesi_hatarido,'-')) FROM ugyitem");
    }

    Integer CaseId = 0;
    Integer CopyId = 0;
};

// Each save that would take its deadline from the unreadable period refuses and stores
// nothing; the same dialogs store what needs no deadline, or a deadline the user chose.
TEST_F(UnreadableRetention, SavesThatComputeADeadlineRefuseAndStoreNothing) {
    const String nothing = "Az őrzési határidő nem számítható ki, ezért semmi sem került rögzítésre.\n";
    const String document =
        nothing + "A „Dokumentum őrzési idő” beállítás tárolt értéke („10 év”) nem egész szám.";

    // A kept case event, with the case's closing: neither is stored.
    Tugyadatlap& sheet = OpenSheet(CaseId);
    sheet.Memo2->SetText("Beadvány");
    sheet.CheckBox2->SetChecked(true);
    sheet.CheckBox1->SetChecked(true);
    EXPECT_EQ(Refusal([&] { sheet.gxExtSpeedButton8->Click(); }), document);
    EXPECT_EQ(History(), "");
    EXPECT_EQ(Number("SELECT status FROM ugy"), 1);
    // Not kept: stored without a deadline.
    sheet.CheckBox1->SetChecked(false);
    sheet.CheckBox2->SetChecked(false);
    sheet.gxExtSpeedButton8->Click();
    EXPECT_EQ(History(), "Beadvány|-");

    // A document marked "Őrzendő" takes the proposal: refused; a date the user sets is stored.
    dokulap->ItemId = LastKey("ugyitem");
    dokulap->Show();
    dokulap->CheckBox1->SetChecked(true);
    EXPECT_EQ(Refusal([&] { dokulap->BitBtn1->Click(); }), document);
    EXPECT_EQ(History(), "Beadvány|-");
    dokulap->DateTimePicker1->SetDate(EncodeDate(2030, 1, 31));
    dokulap->DateTimePicker1Change(nullptr);
    dokulap->BitBtn1->Click();
    EXPECT_EQ(History(), "Beadvány|2030-01-31");

    // A new identification query always takes a deadline.
    ujjub->CaseId = CaseId;
    ujjub->CaseClientRowId = CopyId;
    ujjub->Show();
    ujjub->Edit4->SetText("38001011234");
    EXPECT_EQ(Refusal([&] { ujjub->BitBtn1->Click(); }),
              nothing + "A „JÜB őrzési idő” beállítás tárolt értéke („1e400”) nem egész szám.");
    EXPECT_EQ(Number("SELECT count(*) FROM jub"), 0);
}

} // namespace
} // namespace apptest
