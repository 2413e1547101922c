// The partners area as the office uses it: the list and the search with their detail
// blocks, the new and change dialogs, deleting, the web and mail buttons, and the
// export of both pages read back by an independent reader.
#include "app/partners/PartnerArea.h"
#include "app/partners/PartnerStatements.h"
#include "app/partners/TForm1PartnerParts.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStrings.h"
#include "platform/os/ShellApi.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/AreaFormsFixture.h"
#include "tests/app/XlsRows.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/StubOpener.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace apptest {
namespace {

class PartnersArea : public AreaForms {
protected:
    Integer AddPartner(const String& name, const String& representative = "", const String& email = "",
                       const String& web = "") {
        app::PartnerFields f;
        f.Nev = name;
        f.Kepviselo = representative;
        f.Email = email;
        f.Web = web;
        f.Tel1 = "06-1-111-1111";
        Exec(app::PartnerInsertSql(f));
        return LastKey("partner");
    }
    String Detail(const String& name) {
        return static_cast<TDBText*>(app::MainWindow().FindComponent(name))->Caption();
    }
    void Click(const String& name) {
        static_cast<TgxExtSpeedButton*>(app::MainWindow().FindComponent(name))->Click();
    }
    void Menu(const String& name) { static_cast<TMenuItem*>(app::MainWindow().FindComponent(name))->Click(); }
};

TEST_F(PartnersArea, ListShowsPartnersWithTheDetailsOfTheCurrentOne) {
    AddPartner("Zöld Kft.", "Zöld Zoltán");
    AddPartner("Alma Bt.", "Kiss Anna", "alma@alma.hu", "www.alma.hu");
    app::MainWindowShared& f = app::MainWindow();
    EXPECT_FALSE(f.partnerQuery1->Active());
    Menu("Partnerlista1");
    ASSERT_TRUE(f.partnerQuery1->Active());
    EXPECT_EQ(f.partnerQuery1->RecordCount(), 2);
    EXPECT_EQ(Detail("partnerlistDBText1"), "Alma Bt.");
    EXPECT_EQ(Detail("partnerlistDBText2"), "Kiss Anna");
    EXPECT_EQ(Detail("partnerlistDBText4"), "06-1-111-1111");
    EXPECT_EQ(Detail("partnerlistDBText7"), "alma@alma.hu");
    EXPECT_EQ(Detail("partnerlistDBText8"), "www.alma.hu");
    f.partnerQuery1->Next();
    EXPECT_EQ(Detail("partnerlistDBText1"), "Zöld Kft.");
    // The grid shows name, representative and remark.
    ASSERT_EQ(f.Partners().VgDBGrid1->GetColumns()->Count(), 3);
    EXPECT_EQ(f.Partners().VgDBGrid1->GetColumns()->GetColumn(0)->Title()->Caption(), "név");
    EXPECT_EQ(f.Partners().VgDBGrid1->Groupings()->Items(0)->Expression(), "kb");

    // A partner added elsewhere shows after the side button reopens the list.
    AddPartner("Bükk Zrt.");
    Click("partnernavLista");
    EXPECT_EQ(f.partnerQuery1->RecordCount(), 3);
}

TEST_F(PartnersArea, SearchPageStartsEmptyAndSearchesTheTypedText) {
    AddPartner("Nagy Építő Kft.", "Kiss Anna");
    AddPartner("O'Brien Kft.", "Építő Béla");
    AddPartner("Kő Bt.", "Tóth Péter");
    app::MainWindowShared& f = app::MainWindow();
    Menu("Partnerkereses1");
    EXPECT_FALSE(f.partnerQuery2->Active());
    f.Partners().Edit27->SetText("építő");
    f.Partners().partnerKeres->Click();
    ASSERT_TRUE(f.partnerQuery2->Active());
    EXPECT_EQ(f.partnerQuery2->RecordCount(), 2);
    EXPECT_EQ(Detail("partnerkeresDBText1"), "Nagy Építő Kft.");
    f.Partners().Edit27->SetText("O'Brien");
    f.Partners().partnerKeres->Click();
    EXPECT_EQ(f.partnerQuery2->RecordCount(), 1);

    // Choosing the page again closes the result and empties the box.
    Click("partnernavKereses");
    EXPECT_FALSE(f.partnerQuery2->Active());
    EXPECT_EQ(f.Partners().Edit27->Text(), "");
}

TEST_F(PartnersArea, NewPartnerNeedsANameAndANumericDiscount) {
    Tujpartner& d = *ujpartner;
    d.Show();
    d.Edit1->SetText("   ");
    d.BitBtn1->Click();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Text, "A név mező kötelezően kitöltendő!");
    EXPECT_TRUE(d.Visible());

    d.Edit1->SetText("Új Partner Kft.");
    d.Edit12->SetText("tíz");
    EXPECT_EQ(ErrorOf<EConvertError>([&] { d.BitBtn1Click(nullptr); }),
              "A kedvezmény mezőbe számot kell írni!");
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(Number("SELECT COUNT(*) FROM partner"), 0);

    d.Edit12->SetText("7,5");
    d.Edit10->SetText("info@uj.hu");
    d.Memo1->SetText("Első\nmásodik");
    d.BitBtn1->Click();
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(Rows("SELECT nev, email, kedvezmeny, megjegyzes FROM partner"),
              (std::vector<Row>{{"Új Partner Kft.", "info@uj.hu", "7.5", "Első\nmásodik"}}));
    // The list is reopened with the new partner.
    ASSERT_TRUE(app::MainWindow().partnerQuery1->Active());
    EXPECT_EQ(app::MainWindow().partnerQuery1->RecordCount(), 1);

    // Shown again, every box is empty.
    d.Show();
    EXPECT_EQ(d.Edit1->Text(), "");
    EXPECT_EQ(d.Edit12->Text(), "");
    EXPECT_EQ(d.Memo1->Text(), "");
}

TEST_F(PartnersArea, ChangeDialogShowsAndStoresThePartner) {
    const Integer id = AddPartner("Alma Bt.", "Kiss Anna", "alma@alma.hu");
    Exec("UPDATE partner SET kedvezmeny=12.5 WHERE sorszam=" + Key(id));
    const Integer other = AddPartner("Bükk Zrt.");
    app::MainWindowShared& f = app::MainWindow();
    Menu("Partnerlista1");
    WhileModal(
        partnermod, [&] { f.Partners().VgDBGrid1->OnDblClick(f.Partners().VgDBGrid1); },
        [&] {
            Tpartnermod& d = *partnermod;
            EXPECT_EQ(d.PartnerId, id);
            EXPECT_EQ(d.Edit1->Text(), "Alma Bt.");
            EXPECT_EQ(d.Edit2->Text(), "Kiss Anna");
            EXPECT_EQ(d.Edit4->Text(), "06-1-111-1111");
            EXPECT_EQ(d.Edit10->Text(), "alma@alma.hu");
            EXPECT_EQ(d.Edit12->Text(), "12,5");
            d.Edit1->SetText("Alma és Körte Bt.");
            d.Edit5->SetText("06-1-222-2222");
            d.BitBtn1->Click();
        });
    EXPECT_FALSE(partnermod->Visible());
    EXPECT_EQ(Rows("SELECT nev, tel2, kedvezmeny FROM partner WHERE sorszam=" + Key(id)),
              (std::vector<Row>{{"Alma és Körte Bt.", "06-1-222-2222", "12.5"}}));
    EXPECT_EQ(Text("SELECT nev FROM partner WHERE sorszam=" + Key(other)), "Bükk Zrt.");
    EXPECT_EQ(Detail("partnerlistDBText4"), "06-1-111-1111  06-1-222-2222");
}

TEST_F(PartnersArea, ChangeDialogOpensOnlyForARow) {
    app::MainWindowShared& f = app::MainWindow();
    app::EditPartner(f, f.partnerQuery1); // closed list: nothing opens
    Menu("Partnerlista1");
    app::EditPartner(f, f.partnerQuery1); // empty list: nothing opens
    EXPECT_FALSE(partnermod->Visible());
    EXPECT_TRUE(Shown.empty());
}

TEST_F(PartnersArea, DeleteAsksAndReopensThePageItCameFrom) {
    AddPartner("Alma Bt.");
    AddPartner("Almás Kft.");
    AddPartner("Bükk Zrt.");
    app::MainWindowShared& f = app::MainWindow();
    Menu("Partnerkereses1");
    f.Partners().Edit27->SetText("Alm");
    f.Partners().partnerKeres->Click();
    ASSERT_EQ(f.partnerQuery2->RecordCount(), 2);

    Answer = IDCANCEL;
    Menu("partnerTorles2");
    EXPECT_EQ(Shown, (std::vector<ShownBox>{{"Figyelmeztetés!", "Valóban törölni akarja a partnert?"}}));
    EXPECT_EQ(Number("SELECT COUNT(*) FROM partner"), 3);

    Answer = IDOK;
    Menu("partnerTorles2");
    EXPECT_EQ(Number("SELECT COUNT(*) FROM partner"), 2);
    // The same search runs again; the list page was never opened.
    EXPECT_EQ(f.partnerQuery2->RecordCount(), 1);
    EXPECT_FALSE(f.partnerQuery1->Active());
    EXPECT_FALSE(f.Query100->Active());

    Menu("Partnerlista1");
    Menu("partnerTorles1");
    EXPECT_EQ(f.partnerQuery1->RecordCount(), 1);
    EXPECT_EQ(Text("SELECT nev FROM partner"), "Bükk Zrt.");
}

TEST_F(PartnersArea, WebAndMailButtonsHandTheAddressToTheOpener) {
    ::TempFolder bin("velmora-bin");
    WriteStubOpener(bin.Path());
    const std::string log = bin.File("opened.log");
    ScopedEnv path("PATH", bin.Path() + ":" + std::getenv("PATH"));
    ScopedEnv stubLog("STUB_LOG", log);
    SetShellOpenWaitMs(3000);
    const auto opened = [&]() {
        EXPECT_TRUE(WaitForStubLog(log));
        std::string text = ReadFileBytes(log);
        std::filesystem::remove(log);
        return text.substr(0, text.find('\n'));
    };
    AddPartner("Alma Bt.", "", "a@b", "HTTP://ALMA.HU");
    AddPartner("Bükk Zrt.", "", "info@bukk.hu", "www.bukk.hu; rm -rf ~");
    app::MainWindowShared& f = app::MainWindow();
    Menu("Partnerlista1");
    Click("partnerlistHonlap");
    EXPECT_EQ(opened(), "HTTP://ALMA.HU");
    Click("partnerlistLevel"); // three characters: too short on the list page
    Menu("Partnerkereses1");
    f.Partners().partnerKeres->Click();
    Click("partnerkeresLevel"); // the search page opens it
    EXPECT_EQ(opened(), "mailto:a@b");
    f.partnerQuery2->Next();
    Click("partnerkeresHonlap");
    // The address reaches the opener as one argument, never a command line.
    EXPECT_EQ(opened(), "http://www.bukk.hu; rm -rf ~");
    SetShellOpenWaitMs(1000);
    EXPECT_TRUE(Shown.empty());
}

TEST_F(PartnersArea, ExportWritesBothPagesReadBackByAnIndependentReader) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    const Integer id = AddPartner("Alma Bt.", "Kiss Anna", "alma@alma.hu", "www.alma.hu");
    Exec("UPDATE partner SET kedvezmeny=12.5, tel2='06-1-222-2222' WHERE sorszam=" + Key(id));
    AddPartner("Bükk Zrt.", "O'Neil Ödön");
    app::MainWindowShared& f = app::MainWindow();
    Menu("Partnerlista1");
    SaveFileName = Folder() + "/partnerek.xls";
    f.Partners().partnerlistaExport->Click();
    EXPECT_EQ(SaveFilters, (std::vector<String>{"Excel fájl (*.xls)|*.xls"}));
    const std::string list = XlsRows(SaveFileName, Folder());
    EXPECT_NE(list.find("Név|Képviselő|Cím|Telefon|Mobil|Fax|e-mail|Web|Kedvezmény|Megjegyzés\n"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find("Alma Bt.|Kiss Anna||06-1-111-1111  06-1-222-2222|||alma@alma.hu|www.alma.hu|12.5|"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find("Bükk Zrt.|O'Neil Ödön|"), std::string::npos) << list;

    Menu("Partnerkereses1");
    f.Partners().Edit27->SetText("Bükk");
    f.Partners().partnerKeres->Click();
    SaveFileName = Folder() + "/kereses.xls";
    f.Partners().partnerkeresExport->Click();
    const std::string search = XlsRows(SaveFileName, Folder());
    EXPECT_NE(search.find("Bükk Zrt.|O'Neil Ödön|"), std::string::npos) << search;
    EXPECT_EQ(search.find("Alma"), std::string::npos) << search;

    // Cancelling the save dialog writes nothing.
    SaveFileName.clear();
    f.Partners().partnerkeresExport->Click();
    EXPECT_EQ(SaveFilters.size(), 3u);
}

TEST_F(PartnersArea, NewPartnerMenuShowsTheListThenTheDialog) {
    app::MainWindowShared& f = app::MainWindow();
    f.Show();
    WhileModal(
        ujpartner, [&] { Menu("Ujpartner1"); },
        [&] {
            ujpartner->Edit1->SetText("Menüből Kft.");
            ujpartner->BitBtn1->Click();
        });
    EXPECT_EQ(Text("SELECT nev FROM partner"), "Menüből Kft.");
    EXPECT_EQ(f.partnerQuery1->RecordCount(), 1);
}

// The side button leaves the dialog open beside the list; the menu then brings it up with what
// was typed in it instead of failing on the open window.
TEST_F(PartnersArea, NewPartnerMenuBringsUpTheDialogTheSideButtonOpened) {
    app::MainWindowShared& f = app::MainWindow();
    f.Show();
    Click("partnernavUj");
    ASSERT_TRUE(ujpartner->Visible());
    ujpartner->Edit1->SetText("Félig Kft.");
    Menu("Ujpartner1");
    EXPECT_TRUE(ujpartner->Visible());
    EXPECT_EQ(ujpartner->Edit1->Text(), "Félig Kft.");
    ujpartner->BitBtn1->Click();
    EXPECT_EQ(Text("SELECT nev FROM partner"), "Félig Kft.");
}

// Writes the partner pages when VELMORA_SCREENSHOTS names a folder.
TEST_F(PartnersArea, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    const Integer id = AddPartner("Alma Bt.", "Kiss Anna", "alma@alma.hu", "www.alma.hu");
    Exec("UPDATE partner SET kedvezmeny=12.5, cim='1055 Budapest, Kossuth tér 1.', megjegyzes='Régi "
         "ügyfél, havonta számlázunk' WHERE sorszam=" +
         Key(id));
    AddPartner("Bükk Zrt.", "O'Neil Ödön");
    app::MainWindow().Show();
    Menu("Partnerlista1");
    ui::SaveSnapshot(&app::MainWindow(), String(folder) + "/partner-list.png");
    partnermod->PartnerId = id;
    partnermod->Show();
    ui::SaveSnapshot(partnermod, String(folder) + "/partner-mod.png");
}

} // namespace
} // namespace apptest
