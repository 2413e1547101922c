// The mail registry as the office uses it: the default lists with their counters and
// dates, the filter strip and its reset, cancelling an item, the export read back by an
// independent reader, the settings page, and registering incoming and outgoing mail in
// the entry dialogs, with a new partner made on the way.
#include "app/registry/RegistryArea.h"
#include "app/registry/RegistryStatements.h"
#include "app/common/QueryRun.h"
#include "app/common/SqlRoutines.h"
#include "app/registry/TForm1RegistryParts.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "grid/TVgDBGrid.h"
#include "platform/core/DateTime.h"
#include "platform/core/TStrings.h"
#include "platform/data/TField.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/InputSimulation.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDBRichEdit.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/ui/VirtualKeys.h"
#include "sqlite/TSqlite3Query.h"
#include "sqlite/TSqlite3Table.h"
#include "tests/app/AreaFormsFixture.h"
#include "tests/app/XlsRows.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>

namespace apptest {
namespace {

class RegistryArea : public AreaForms {
protected:
    void SetUp() override {
        AreaForms::SetUp();
        FKiss = AddRegistryPartner("Kiss Anna", "1111 Budapest, Fő u. 1.");
        FBiro = AddRegistryPartner("Bíróság", "Markó u. 27.");
        FCase = AddCase("Hagyaték", "2024-01-10");
        FOld = AddRegistryEntry("ikt_be", FBiro, "2023-12-20", "Idézés");
        FFirst = AddRegistryEntry("ikt_be", FKiss, "2024-01-05", "Levél");
        FSecond = AddRegistryEntry("ikt_be", FBiro, "2024-02-01", "Végzés");
        Exec("UPDATE ikt_be SET ugy=" + Key(FCase) + " WHERE sorszam=" + Key(FFirst));
        Exec("INSERT INTO ikt_mod (nev, aktiv) VALUES ('Posta', 1), ('Fax', 0), ('E-mail', 1)");
        Exec("INSERT INTO ikt_mt (nev, aktiv) VALUES ('Iroda', 1)");
        app::MainWindow().OnShow(nullptr); // fills the filter combos
    }
    void Menu(const String& name) { static_cast<TMenuItem*>(app::MainWindow().FindComponent(name))->Click(); }
    String Detail(const String& name) {
        return static_cast<TDBText*>(app::MainWindow().FindComponent(name))->Caption();
    }
    std::vector<String> Numbers(TSqlite3Query* query) {
        std::vector<String> numbers;
        for (query->First(); !query->Eof(); query->Next())
            numbers.push_back(query->FieldByName("iktatoszam")->AsString());
        query->First();
        return numbers;
    }
    // Chooses item Index of the entry dialog's partner box as the user would.
    static void ChoosePartner(app::RegistryEntryDialog& d, Integer Index) {
        d.ComboBox1->SetItemIndex(Index);
        d.ComboBox1Change(d.ComboBox1);
    }
    static void TypePartner(app::RegistryEntryDialog& d, const String& Text) {
        d.ComboBox1->SetText(Text);
        d.ComboBox1Change(d.ComboBox1);
    }

    Integer FKiss = 0, FBiro = 0, FCase = 0, FOld = 0, FFirst = 0, FSecond = 0;
};

TEST_F(RegistryArea, DefaultListShowsValidItemsNewestFirstWithCounterAndDates) {
    Exec("UPDATE ikt_be SET storno=1 WHERE sorszam=" + Key(FSecond));
    app::MainWindowShared& f = app::MainWindow();
    Menu("Beerkezettlevelek1");
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1), (std::vector<String>{"2024/1", "2023/1"}));
    EXPECT_EQ(f.Registry().Label81->Caption(), "1/2");
    EXPECT_EQ(Detail("beerkezettlistaDBText3"), "Kiss Anna");
    EXPECT_EQ(Detail("beerkezettlistaDBText7"), "Hagyaték");
    // Dates show in the short date format; the dataset keeps the stored text.
    EXPECT_EQ(Detail("beerkezettlistaDBText2"), DateToStr(EncodeDate(2024, 1, 5)));
    f.Registry().iktlistaQuery1->Next();
    EXPECT_EQ(f.Registry().Label81->Caption(), "2/2");
    EXPECT_EQ(f.Registry().VgDBGrid6->GetColumns()->GetColumn(1)->Title()->Caption(), "Feladó");
    EXPECT_EQ(f.Registry().VgDBGrid7->GetColumns()->GetColumn(1)->Title()->Caption(), "Címzett");

    Menu("Elkuldottlevelek1");
    EXPECT_TRUE(f.Registry().iktlistaQuery2->Active());
    EXPECT_EQ(f.Registry().iktlistaQuery2->RecordCount(), 0);
    EXPECT_EQ(f.Registry().Label90->Caption(), "0/0");
}

TEST_F(RegistryArea, FilterStripRunsOnlyOnQueryAndResetsWithoutRunning) {
    app::MainWindowShared& f = app::MainWindow();
    Menu("Beerkezettlevelek1");
    ASSERT_EQ(f.ComboBox1->Items()->Count(), 2); // partners by name: Bíróság, Kiss Anna
    EXPECT_EQ(f.ComboBox1->Items()->Strings(0), "Bíróság");
    ASSERT_EQ(f.ComboBox2->Items()->Count(), 1);
    f.ComboBox1->SetItemIndex(0);
    f.Registry().RadioButton11->SetChecked(true); // ascending: nothing runs yet
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1).size(), 3u);
    f.Registry().gxExtSpeedButton27->Click();
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1), (std::vector<String>{"2023/1", "2024/2"}));

    f.Registry().gxExtSpeedButton24->Click(); // reset: the list stays as it was
    EXPECT_EQ(f.ComboBox1->ItemIndex(), -1);
    EXPECT_TRUE(f.Registry().RadioButton12->Checked());
    EXPECT_TRUE(f.Registry().RadioButton9->Checked());
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1).size(), 2u);

    f.ComboBox2->SetItemIndex(0); // the case
    f.Registry().gxExtSpeedButton27->Click();
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1), (std::vector<String>{"2024/1"}));
    f.Registry().gxExtSpeedButton24->Click();
    f.Registry().Edit28->SetText("Végz");
    f.Registry().Edit29->SetText("2024");
    f.Registry().gxExtSpeedButton27->Click();
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1), (std::vector<String>{"2024/2"}));
    // Letters never reach the year boxes, typed or pasted.
    f.Registry().Edit30->SetText("20x4");
    EXPECT_EQ(f.Registry().Edit30->Text(), "204");
}

TEST_F(RegistryArea, HostileFilterTextChangesNothing) {
    app::MainWindowShared& f = app::MainWindow();
    const String before = Text("SELECT group_concat(sorszam||targy||storno) FROM ikt_be");
    for (const String& text : {String("'; DELETE FROM ikt_be; --"), String("%"), String("_"),
                               String(2000, '\''), String(2000, 'x')}) {
        f.Registry().Edit28->SetText(text);
        f.Registry().gxExtSpeedButton27->Click();
        EXPECT_TRUE(f.Registry().iktlistaQuery1->Active());
    }
    f.Registry().Edit28->SetText("%");
    f.Registry().gxExtSpeedButton27->Click();
    EXPECT_EQ(f.Registry().iktlistaQuery1->RecordCount(), 3); // "%" matches every subject
    EXPECT_EQ(Text("SELECT group_concat(sorszam||targy||storno) FROM ikt_be"), before);
}

TEST_F(RegistryArea, CancellationAsksAndHidesTheItem) {
    app::MainWindowShared& f = app::MainWindow();
    app::CancelRegistryItem(f, f.Registry().iktlistaQuery1, true); // closed list: no question
    EXPECT_TRUE(Shown.empty());
    Menu("Beerkezettlevelek1");
    f.Registry().iktlistaQuery1->Next(); // 2024/1
    Answer = IDCANCEL;
    static_cast<TMenuItem*>(f.FindComponent("iktbeStorno"))->Click();
    EXPECT_EQ(Shown, (std::vector<ShownBox>{{"Figyelmeztetés!", "Valóban sztornózni akarja a bejegyzést?"}}));
    EXPECT_EQ(Number("SELECT SUM(storno) FROM ikt_be"), 0);
    Answer = IDOK;
    static_cast<TMenuItem*>(f.FindComponent("iktbeStorno"))->Click();
    EXPECT_EQ(Number("SELECT storno FROM ikt_be WHERE sorszam=" + Key(FFirst)), 1);
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1), (std::vector<String>{"2024/2", "2023/1"}));
    EXPECT_EQ(f.Registry().Label81->Caption(), "1/2");
    // With "Storno is jelenjen meg" the cancelled item is back among the others.
    f.Registry().CheckBox15->SetChecked(true);
    f.Registry().gxExtSpeedButton27->Click();
    EXPECT_EQ(Numbers(f.Registry().iktlistaQuery1).size(), 3u);
    EXPECT_EQ(Number("SELECT COUNT(*) FROM ikt_be"), 3);
    // An item another workstation deleted meanwhile is said, and nothing else is cancelled.
    Exec("DELETE FROM ikt_be WHERE sorszam=" + Key(app::CurrentKey(*f.Registry().iktlistaQuery1)));
    EXPECT_EQ(
        ErrorOf<EDatabaseError>([&] { static_cast<TMenuItem*>(f.FindComponent("iktbeStorno"))->Click(); }),
        app::RowGoneMessage);
    EXPECT_EQ(Number("SELECT SUM(storno) FROM ikt_be"), 1);
}

TEST_F(RegistryArea, ExportWritesTheListReadBackByAnIndependentReader) {
    SKIP_WITHOUT_TOOL(PythonModuleMissing("xlrd"));
    app::MainWindowShared& f = app::MainWindow();
    Menu("Beerkezettlevelek1");
    SaveFileName = Folder() + "/erkezett.xls";
    f.Registry().gxExtSpeedButton28->Click();
    EXPECT_EQ(SaveFilters, (std::vector<String>{"Excel fájl (*.xls)|*.xls"}));
    const std::string rows = XlsRows(SaveFileName, Folder());
    EXPECT_NE(rows.find("Iktatószám|Dátum|Feladó|Feladó címe|Érkeztetési mód|Tárgy|Ügy|"
                        "Iktatási hely|Referencia|Megjegyzés\n"),
              std::string::npos)
        << rows;
    EXPECT_NE(rows.find("2024/1|"), std::string::npos) << rows;
    // The list's fields are text, so the date goes out as it is stored.
    EXPECT_NE(rows.find("2024/1|2024-01-05|Kiss Anna|||Levél|Hagyaték|||\n"), std::string::npos) << rows;

    AddRegistryEntry("ikt_ki", FKiss, "2024-05-01", "Válasz O'Brien úrnak");
    Menu("Elkuldottlevelek1");
    SaveFileName = Folder() + "/kuldott.xls";
    f.Registry().gxExtSpeedButton32->Click();
    const std::string out = XlsRows(SaveFileName, Folder());
    EXPECT_NE(out.find("|Címzett|Címzett címe|"), std::string::npos) << out;
    EXPECT_NE(out.find("Válasz O'Brien úrnak"), std::string::npos) << out;
    SaveFileName.clear();
    f.Registry().gxExtSpeedButton32->Click(); // cancelled: nothing more written
    EXPECT_EQ(SaveFilters.size(), 3u);
}

TEST_F(RegistryArea, SettingsPageEditsTheThreeTables) {
    app::MainWindowShared& f = app::MainWindow();
    f.Show();
    Menu("Iktatasbeallitasok1");
    ASSERT_TRUE(f.iktatasbeallitasTable1->Active());
    EXPECT_EQ(f.iktatasbeallitasTable2->RecordCount(), 3);
    EXPECT_EQ(f.Registry().Label84->Caption(), "1/2");
    // A new location from the settings page reloads its grid.
    WhileModal(
        iktatasihelyuj, [&] { f.Registry().BitBtn11->Click(); },
        [&] {
            EXPECT_EQ(iktatasihelyuj->Mode, 1);
            iktatasihelyuj->Edit1->SetText("Ügyvéd O'Neil");
            iktatasihelyuj->BitBtn1->Click();
        });
    EXPECT_EQ(f.iktatasbeallitasTable1->RecordCount(), 2);
    EXPECT_EQ(Text("SELECT aktiv FROM ikt_mt WHERE nev='Ügyvéd O''Neil'"), "1");
    // An empty name stores nothing, and the dialog closes all the same.
    iktataserkmoduj->Mode = 1;
    iktataserkmoduj->Show();
    iktataserkmoduj->BitBtn1->Click();
    EXPECT_FALSE(iktataserkmoduj->Visible());
    EXPECT_EQ(Number("SELECT COUNT(*) FROM ikt_mod"), 3);
    // A cell edited in place is posted to its table.
    f.iktatasbeallitasTable3->Edit();
    f.iktatasbeallitasTable3->FieldByName("cim")->SetAsString("Új cím");
    f.iktatasbeallitasTable3->Post();
    EXPECT_EQ(Number("SELECT COUNT(*) FROM ikt_partner WHERE cim='Új cím'"), 1);
    // The page divides itself on resize: halves for the upper grids, the partners below.
    app::iktatasbeallitasResize(f, nullptr);
    const Integer h = f.iktatasbeallitas->Height(), w = f.iktatasbeallitas->Width();
    EXPECT_EQ(f.Registry().Panel17->Height(), (h - 40) / 2);
    EXPECT_EQ(f.Registry().Panel38->Width(), w / 2);
    EXPECT_EQ(f.Registry().VgDBGrid4->GetColumns()->GetColumn(0)->Width(), w / 2 - 84);
    EXPECT_EQ(f.Registry().VgDBGrid3->GetColumns()->GetColumn(1)->Width(), (w - 57) / 2);
}

// Each settings list shows its names in the office's alphabet, accents and case aside,
// whatever order they were entered in, and a name added with "Új" takes its place among
// them: neither the order of entry nor the bytes of the text decide.
TEST_F(RegistryArea, SettingsListsShowTheirNamesInAlphabeticalOrder) {
    for (const char* table : {"ikt_mt", "ikt_mod", "ikt_partner"})
        Exec(String("INSERT INTO ") + table + " (nev) VALUES ('béla'), ('Ágota')");
    app::MainWindowShared& f = app::MainWindow();
    f.Show();
    Menu("Iktatasbeallitasok1");
    const struct {
        TSqlite3Table* Table;
        app::LookupNameDialog* Dialog;
        TBitBtn* New;
        std::vector<String> Shown; // after "Ádám" is added
    } rows[] = {
        {f.iktatasbeallitasTable1, iktatasihelyuj, f.Registry().BitBtn11, {"Ádám", "Ágota", "béla", "Iroda"}},
        {f.iktatasbeallitasTable2,
         iktataserkmoduj,
         f.Registry().BitBtn12,
         {"Ádám", "Ágota", "béla", "E-mail", "Fax", "Posta"}},
        {f.iktatasbeallitasTable3,
         iktataspartneruj,
         f.Registry().BitBtn10,
         {"Ádám", "Ágota", "béla", "Bíróság", "Kiss Anna"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Table->TableName());
        WhileModal(
            row.Dialog, [&] { row.New->Click(); },
            [&] {
                row.Dialog->Edit1->SetText("Ádám");
                row.Dialog->BitBtn1->Click();
            });
        std::vector<String> shown;
        for (row.Table->First(); !row.Table->Eof(); row.Table->Next())
            shown.push_back(row.Table->FieldByName("nev")->AsString());
        EXPECT_EQ(shown, row.Shown);
    }
}

TEST_F(RegistryArea, IncomingEntryNeedsAPartnerFromTheList) {
    Tiktbe& d = *iktbe;
    d.Show();
    EXPECT_EQ(d.ComboBox1->Items()->Count(), 2);
    EXPECT_EQ(d.ComboBox2->Items()->Count(), 2); // the inactive mode is not offered
    EXPECT_EQ(d.ComboBox3->Items()->Count(), 1);
    EXPECT_EQ(d.ComboBox4->Items()->Count(), 1); // the active cases
    EXPECT_EQ(d.PartnerId, 0);
    d.BitBtn4->Click();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Text, "A feladó mező kötelezően kitöltendő!");
    EXPECT_TRUE(d.Visible());

    ChoosePartner(d, 1); // Kiss Anna
    EXPECT_EQ(d.PartnerId, FKiss);
    EXPECT_EQ(d.Edit1->Text(), "1111 Budapest, Fő u. 1.");
    // Typing a name that is no list item leaves no partner chosen, not the one before.
    TypePartner(d, "Ismeretlen Kft.");
    EXPECT_EQ(d.PartnerId, 0);
    EXPECT_EQ(d.Edit1->Text(), "");
    d.BitBtn4->Click();
    EXPECT_EQ(Shown.size(), 2u);
    // Typing a listed name in full chooses it.
    TypePartner(d, "Bíróság");
    EXPECT_EQ(d.PartnerId, FBiro);
    EXPECT_EQ(d.Edit1->Text(), "Markó u. 27.");
}

// The choices read anew keep what was typed: emptying the inputs is the show's.
TEST_F(RegistryArea, EntryCombosAreReadAnewKeepingTheInputs) {
    Tiktbe& d = *iktbe;
    d.Show();
    d.Edit2->SetText("Levél");
    d.ComboBox2->SetItemIndex(0);
    Exec("INSERT INTO ikt_mod (aktiv, nev) VALUES (1, 'Futár')");
    d.FillEntryCombos();
    EXPECT_EQ(d.ComboBox1->Items()->Count(), 2);
    EXPECT_EQ(d.ComboBox2->Items()->Count(), 3);
    EXPECT_EQ(d.ComboBox2->ItemIndex(), -1);
    EXPECT_EQ(d.Edit2->Text(), "Levél");
}

// Typed with real keys, so the box's wiring to the dialog is tested, not only the dialog's routine.
TEST_F(RegistryArea, TypingOverAChosenPartnerForgetsIt) {
    Tiktbe& d = *iktbe;
    d.Show();
    const auto type = [&d](const String& Text) {
        for (const char c : std::string(Text.c_str()))
            ui::SimulateKey(d.ComboBox1, Word(std::toupper(static_cast<unsigned char>(c))), {}, String(1, c));
    };
    ChoosePartner(d, 1); // Kiss Anna
    ASSERT_EQ(d.PartnerId, FKiss);
    // One letter taken off the chosen name: no partner, no address.
    ui::SimulateKey(d.ComboBox1, VK_END);
    ui::SimulateKey(d.ComboBox1, VK_BACK);
    EXPECT_EQ(d.ComboBox1->Text(), "Kiss Ann");
    EXPECT_EQ(d.PartnerId, 0);
    EXPECT_EQ(d.Edit1->Text(), "");
    d.BitBtn4->Click();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Text, "A feladó mező kötelezően kitöltendő!");
    // The name typed in full again chooses the partner again.
    type("a");
    EXPECT_EQ(d.ComboBox1->Text(), "Kiss Anna");
    EXPECT_EQ(d.PartnerId, FKiss);
    EXPECT_EQ(d.Edit1->Text(), "1111 Budapest, Fő u. 1.");
    // The whole name typed over with another text stores nothing of the chosen one.
    ui::SimulateKey(d.ComboBox1, 'A', {ssCtrl});
    type("Kovacs");
    EXPECT_EQ(d.ComboBox1->Text(), "Kovacs");
    EXPECT_EQ(d.PartnerId, 0);
    EXPECT_EQ(d.Edit1->Text(), "");
    d.BitBtn4->Click();
    EXPECT_EQ(Shown.size(), 2u);
    EXPECT_TRUE(d.Visible());
    EXPECT_EQ(Number("SELECT count(*) FROM ikt_be"), 3);
}

// The box completes a typed beginning to a partner's name: the completed name
// chooses that partner, so the entry can be stored without typing it in full.
TEST_F(RegistryArea, TypingTheBeginningOfANameChoosesThatPartner) {
    Tiktbe& d = *iktbe;
    d.Show();
    ui::SimulateKey(d.ComboBox1, 'K', {}, "K");
    ui::SimulateKey(d.ComboBox1, 'I', {}, "i");
    EXPECT_EQ(d.ComboBox1->Text(), "Kiss Anna");
    EXPECT_EQ(d.PartnerId, FKiss);
    EXPECT_EQ(d.Edit1->Text(), "1111 Budapest, Fő u. 1.");
    // Taking the completion away leaves only the typed "Ki": no partner.
    ui::SimulateKey(d.ComboBox1, VK_BACK);
    EXPECT_EQ(d.ComboBox1->Text(), "Ki");
    EXPECT_EQ(d.PartnerId, 0);
    EXPECT_EQ(d.Edit1->Text(), "");
}

TEST_F(RegistryArea, IncomingEntryIsStoredAndShownOnTopOfTheList) {
    Tiktbe& d = *iktbe;
    d.Show();
    ChoosePartner(d, 1);
    d.Edit1->SetText("Másik cím"); // this item's address only
    d.Edit2->SetText("Keresetlevél 'sürgős' 100%_");
    d.DateTimePicker1->SetDate(EncodeDate(2024, 6, 3));
    d.ComboBox2->SetItemIndex(0); // E-mail
    d.ComboBox4->SetItemIndex(0);
    d.Memo1->SetText("Első sor\r\nO'Neil");
    d.Edit3->SetSelText(String(2000, '\'')); // pasted: the box takes its 30
    d.BitBtn4->Click();
    EXPECT_FALSE(d.Visible());
    const auto rows = Rows("SELECT iktev, iktszam, partner, partnercim, targy, datum, iktmod, "
                           "localmt, ugy, megjegyzes, referencia, storno FROM ikt_be ORDER BY "
                           "sorszam DESC LIMIT 1");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (Row{"2024",
                            "3",
                            Key(FKiss),
                            "Másik cím",
                            "Keresetlevél 'sürgős' 100%_",
                            "2024-06-03",
                            Key(LastKey("ikt_mod")),
                            {},
                            Key(FCase),
                            "Első sor\r\nO'Neil",
                            String(30, '\''),
                            "0"}));
    EXPECT_EQ(Text("SELECT cim FROM ikt_partner WHERE sorszam=" + Key(FKiss)), "1111 Budapest, Fő u. 1.");
    // The refreshed list's detail strip shows the new item's date in the short format.
    EXPECT_EQ(Detail("beerkezettlistaDBText2"), DateToStr(EncodeDate(2024, 6, 3)));
    EXPECT_EQ(Numbers(app::MainWindow().Registry().iktlistaQuery1).front(), "2024/3");

    // Shown again, the dialog starts with no partner.
    d.Show();
    EXPECT_EQ(d.PartnerId, 0);
    EXPECT_EQ(d.Edit2->Text(), "");
    EXPECT_EQ(d.ComboBox4->ItemIndex(), 0); // the case choice stays
}

TEST_F(RegistryArea, OutgoingEntryWithANewPartnerMadeOnTheWay) {
    Tiktki& d = *iktki;
    d.Show();
    ChoosePartner(d, 0);
    WhileModal(
        iktataspartneruj, [&] { d.BitBtn1->Click(); },
        [&] {
            EXPECT_EQ(iktataspartneruj->Mode, 3);
            iktataspartneruj->Edit1->SetText("Ábel Ügyvédi Iroda");
            iktataspartneruj->Memo1->SetText("Fő tér 2.");
            iktataspartneruj->BitBtn1->Click();
        });
    const Integer id = LastKey("ikt_partner");
    EXPECT_EQ(d.PartnerId, id);
    EXPECT_EQ(d.ComboBox1->Text(), "Ábel Ügyvédi Iroda");
    EXPECT_EQ(d.ComboBox1->Items()->Strings(0), "Ábel Ügyvédi Iroda"); // at its place
    EXPECT_EQ(d.Edit1->Text(), "Fő tér 2.");
    d.Edit2->SetText("Válasz");
    d.BitBtn4->Click();
    EXPECT_EQ(Rows("SELECT partner, partnercim, targy, iktszam FROM ikt_ki"),
              (std::vector<Row>{{Key(id), "Fő tér 2.", "Válasz", "1"}}));
    EXPECT_EQ(Numbers(app::MainWindow().Registry().iktlistaQuery2),
              (std::vector<String>{String(Text("SELECT iktev FROM ikt_ki")) + "/1"}));
}

TEST_F(RegistryArea, EntryDialogTabOrder) {
    std::vector<TWinControl*> order;
    iktbe->GetTabOrderList(order);
    std::vector<String> names;
    for (TWinControl* control : order)
        names.push_back(control->Name());
    const std::vector<String> expected{"ComboBox1",       "BitBtn1",   "Edit1",     "Edit2",
                                       "DateTimePicker1", "ComboBox2", "ComboBox3", "ComboBox4",
                                       "Memo1",           "Edit3",     "BitBtn4",   "BitBtn5"};
    ASSERT_GE(names.size(), expected.size());
    names.resize(expected.size());
    EXPECT_EQ(names, expected);
}

// The settings grids look as the lists do (white and cream rows, a horizontal scroll bar
// only); the detail strip shows an item's note in the rich text box bound to it.
TEST_F(RegistryArea, SettingsGridsAndTheNoteLookAsTheLists) {
    Exec("INSERT INTO ikt_mt (nev, aktiv) VALUES ('Fiók', 1), ('Archívum', 0)");
    AddRegistryPartner("Zala Zoltán");
    Exec("UPDATE ikt_be SET megjegyzes=" + SqlLiteral("{\\rtf1\\ansi\\ansicpg1250 {\\b S\\'fcrg\\'f5s}}") +
         " WHERE sorszam=" + Key(FSecond));
    app::MainWindowShared& f = app::MainWindow();
    f.Show();
    Menu("Iktatasbeallitasok1");
    for (TVgDBGrid* grid : {f.Registry().VgDBGrid3, f.Registry().VgDBGrid4, f.Registry().VgDBGrid5}) {
        TBitmap picture;
        ui::Snapshot(grid, &picture);
        const auto colour = [&](Integer row) {
            const TRect cell = grid->CellRect(2, row);
            return picture.Canvas()->Pixels(cell.Left + 3, cell.Top + 3);
        };
        EXPECT_EQ(colour(2), TColor(15990526)) << grid->Name();
        EXPECT_EQ(colour(3), clWhite) << grid->Name();
        EXPECT_EQ(grid->ScrollBars(), ssHorizontal) << grid->Name();
    }
    Menu("Beerkezettlevelek1");
    auto* note = dynamic_cast<TDBRichEdit*>(f.FindComponent("beerkezettlistaDBRichEdit1"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->Text(), "Sürgős");
}

// Writes the registry pages and dialogs when VELMORA_SCREENSHOTS names a folder.
TEST_F(RegistryArea, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the picture";
    app::MainWindow().Show();
    Menu("Beerkezettlevelek1");
    ui::SaveSnapshot(&app::MainWindow(), String(folder) + "/registry-in.png");
    Menu("Iktatasbeallitasok1");
    ui::SaveSnapshot(&app::MainWindow(), String(folder) + "/registry-settings.png");
    iktbe->Show();
    ChoosePartner(*iktbe, 1);
    ui::SaveSnapshot(iktbe, String(folder) + "/registry-entry.png");
    iktataspartneruj->Show();
    ui::SaveSnapshot(iktataspartneruj, String(folder) + "/registry-partner.png");
}

} // namespace
} // namespace apptest
