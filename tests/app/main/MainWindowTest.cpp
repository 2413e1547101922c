// The main window over a fresh office database: start-up checks and settings, the
// commands that bring the work areas to the front, and the cases area's lists.
#include "app/common/ArtImage.h"
#include "app/cases/TForm1CaseParts.h"
#include "app/clients/TForm1ClientParts.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/documents/TForm1DocumentParts.h"
#include "app/main/TForm1.h"
#include "app/cases/CaseArea.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/core/Exceptions.h"
#include "platform/core/TStrings.h"
#include "platform/graphics/DrawText.h"
#include "platform/os/SystemInfo.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TApplication.h"
#include "platform/core/DateTime.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDateTimePicker.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioButton.h"
#include "platform/data/TField.h"
#include "sqlite/TSqlite3DB.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

namespace apptest {
namespace {

using NameList = std::vector<String>;

class MainWindow : public MainWindowFixture {
protected:
    ui::DialogAnswer AnswerDialog(const ui::DialogRequest& r) override {
        Messages.push_back(r.Text);
        return ui::DialogAnswer{1, {}};
    }
    TForm1& Create() {
        CreateMainWindow();
        return *Form1;
    }

    // The child of Parent painted above the others.
    static TControl* Front(TWinControl* Parent) { return Parent->Controls(Parent->ControlCount() - 1); }

    std::vector<String> Messages;
};

TEST_F(MainWindow, WindowFrame) {
    TForm1& f = Create();
    EXPECT_EQ(f.Caption(), "Velmora 2.0");
    EXPECT_EQ(f.Width(), 792);
    EXPECT_EQ(f.Height(), 580);
    EXPECT_EQ(f.Constraints()->MinWidth(), 780);
    EXPECT_EQ(f.Constraints()->MinHeight(), 580);
    EXPECT_EQ(f.Position(), poScreenCenter);
    EXPECT_EQ(Application->Title(), "Velmora 2.0");
    EXPECT_EQ(f.ProductName(), "Velmora");
    EXPECT_EQ(f.UserName(), GetUserFullName());
    EXPECT_EQ(f.Label15->Caption(), f.UserName());
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindow, StartsOnTheStartPage) {
    TForm1& f = Create();
    EXPECT_EQ(Front(&f), f.opencontainer);
    EXPECT_EQ(Front(f.openpanel), f.Image1);
    EXPECT_FALSE(f.Sqlite3DB1->Connected() && f.Query4->Active());
}

TEST_F(MainWindow, ReadsTheSettingsAndConnects) {
    SetSetting("dokumentum_orzesi_ido", " 8 ");
    SetSetting("cim", "1052 Budapest, Ráday u. 3.");
    SetSetting("kamarai_azonosito", "K_777");
    TForm1& f = Create();
    EXPECT_TRUE(f.Sqlite3DB1->Connected());
    EXPECT_EQ(f.DocRetentionYears(), 8);
    EXPECT_EQ(f.JubRetentionYears(), 8);
    EXPECT_EQ(f.OfficeAddress(), "1052 Budapest, Ráday u. 3.");
    EXPECT_EQ(f.ChamberId(), "K_777");
}

TEST_F(MainWindow, MissingSettingsGiveZeroAndEmpty) {
    Exec("DELETE FROM info");
    TForm1& f = Create();
    EXPECT_EQ(f.DocRetentionYears(), 0);
    EXPECT_EQ(f.JubRetentionYears(), 0);
    EXPECT_EQ(f.OfficeAddress(), "");
    EXPECT_EQ(f.ChamberId(), "");
    EXPECT_TRUE(Messages.empty());
}

// A retention period stored as text does not keep the office out: the window comes up
// with the settings after it read, and one message names it.
TEST_F(MainWindow, BadRetentionIsNamedAndTheOtherSettingsAreRead) {
    SetSetting("jub_orzesi_ido", "5 év");
    SetSetting("kamarai_azonosito", "K_777");
    TForm1& f = Create();
    EXPECT_EQ(f.JubRetentionYears(), 0);
    EXPECT_EQ(f.DocRetentionYears(), 10);
    EXPECT_EQ(f.ChamberId(), "K_777");
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0].substr(0, Messages[0].find('\n')),
              "A „JÜB őrzési idő” beállítás tárolt értéke („5 év”) nem egész szám.");
}

TEST_F(MainWindow, MenuEntriesBringTheirAreaAndPageToFront) {
    TForm1& f = Create();
    // Each row: menu entry, area, page (null: the area has no pages to choose).
    const struct {
        TMenuItem* item;
        TPanel* area;
        TPanel* page;
    } rows[] = {
        {f.Termeszetesszemelyek1, f.ugyfelcontainer, f.szemelylista},
        {f.Szervezetek1, f.ugyfelcontainer, f.szervezetlista},
        {f.Ugylista1, f.ugycontainer, f.ugylistacontainer},
        {f.Ugykereses1, f.ugycontainer, f.ugykerescontainer},
        {f.Dokumentumkezeles2, f.dokupanel, nullptr},
        {f.Letetlista1, f.letetcontainer, f.letetlista},
        {f.Letetkereses1, f.letetcontainer, f.letetkereses},
        {f.Letetbeallitasok1, f.letetcontainer, f.letetbeallitas},
        {f.Partnerlista1, f.partnercontainer, f.partnerlist},
        {f.Partnerkereses1, f.partnercontainer, f.partnerkeres},
        {f.Beerkezettlevelek1, f.iktatascontainer, f.beerkezettlista},
        {f.Elkuldottlevelek1, f.iktatascontainer, f.kimenolista},
        {f.Iktatasbeallitasok1, f.iktatascontainer, f.iktatasbeallitas},
        {f.JUB1, f.jubcontainer, f.jublista},
        {f.Kezdolap1, f.opencontainer, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item->Caption());
        row.item->Click();
        EXPECT_EQ(Front(&f), row.area);
        if (row.page) {
            EXPECT_EQ(Front(row.area), row.page);
        }
    }
    EXPECT_TRUE(Messages.empty());
}

// "Időgép" of the deposits is not offered: neither its menu entry nor its side button
// shows, and triggering them changes nothing.
TEST_F(MainWindow, TimeMachineIsHiddenAndInert) {
    TForm1& f = Create();
    f.Letetlista1->Click();
    auto* button = dynamic_cast<TgxExtSpeedButton*>(f.FindComponent("gxExtSpeedButton21"));
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(f.Idogep1->Visible() || button->Visible());
    f.Idogep1->Click();
    button->Click();
    EXPECT_EQ(Front(f.letetcontainer), f.letetlista);
    EXPECT_TRUE(Messages.empty());
}

TEST_F(MainWindow, StartPagePicturesLeadIntoTheAreas) {
    TForm1& f = Create();
    const struct {
        app::ArtImage* image;
        TPanel* area;
        TPanel* page;
    } rows[] = {
        {f.Image8, f.ugyfelcontainer, f.szemelylista},
        {f.Image9, f.ugycontainer, f.ugylistacontainer},
        {f.Image12, f.dokupanel, nullptr},
        {f.Image13, f.letetcontainer, f.letetlista},
        {f.Image14, f.partnercontainer, f.partnerlist},
        {f.Image15, f.jubcontainer, f.jublista},
        {f.Image18, f.jubcontainer, f.jublista},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.image->Name());
        f.Kezdolap1->Click();
        row.image->Click();
        EXPECT_EQ(Front(&f), row.area);
        if (row.page) {
            EXPECT_EQ(Front(row.area), row.page);
        }
    }
    // The lower picture and the main picture are only pictures.
    f.Kezdolap1->Click();
    f.Image16->Click();
    f.Image1->Click();
    EXPECT_EQ(Front(&f), f.opencontainer);
}

TEST_F(MainWindow, CaseNavigationButtons) {
    AddCase("Első ügy", "2009-01-01");
    TForm1& f = Create();
    f.Cases().gxExtSpeedButton6->Click();
    EXPECT_EQ(Front(f.ugycontainer), f.ugykerescontainer);
    EXPECT_FALSE(f.Query5->Active());
    f.Cases().gxExtSpeedButton5->Click();
    EXPECT_EQ(Front(&f), f.ugycontainer);
    EXPECT_EQ(Front(f.ugycontainer), f.ugylistacontainer);
    ASSERT_TRUE(f.Query4->Active());
    EXPECT_EQ(f.Query4->RecordCount(), 1);
}

// Showing the window resets what each area keeps between shows: the client panels'
// memos and birth date, the document filter's dates, the deposit settings' notes.
TEST_F(MainWindow, ShowResetsEveryAreasBoxes) {
    TForm1& f = Create();
    TForm1ClientParts& c = f.Clients();
    TForm1DocumentParts& d = f.Documents();
    TForm1DepositParts& letet = f.Deposits();
    const TDateTime old = EncodeDate(2001, 2, 3);
    for (TMemo* memo :
         {c.Edit4, c.Edit9, c.Edit12, c.Edit15, letet.letetbeallitas_Memo1, letet.letetbeallitas_Memo2})
        memo->SetText("régi");
    c.DateTimePicker1->SetDate(old);
    for (TDateTimePicker* picker : {d.DateTimePicker2, d.DateTimePicker3}) {
        picker->SetDate(old);
        picker->SetChecked(true);
    }
    f.FormShow(&f);
    for (TMemo* memo :
         {c.Edit4, c.Edit9, c.Edit12, c.Edit15, letet.letetbeallitas_Memo1, letet.letetbeallitas_Memo2})
        EXPECT_EQ(memo->Text(), "") << memo->Name();
    EXPECT_EQ(c.DateTimePicker1->Date(), Date());
    for (TDateTimePicker* picker : {d.DateTimePicker2, d.DateTimePicker3}) {
        EXPECT_EQ(picker->Date(), Date()) << picker->Name();
        EXPECT_FALSE(picker->Checked()) << picker->Name();
    }
}

TEST_F(MainWindow, NavigationHeadingsFitAboveTheirButtons) {
    TForm1& f = Create();
    Integer headings = 0;
    for (Integer i = 0; i < f.ComponentCount(); ++i) {
        auto* heading = dynamic_cast<TLabel*>(f.Components(i));
        if (!heading || heading->Name().size() < 7 || !heading->Name().ends_with("Heading")) continue;
        ++headings;
        TWinControl* column = heading->Parent();
        const Integer bottom = heading->Top() + heading->Height();
        for (Integer c = 0; c < column->ControlCount(); ++c) {
            if (column->Controls(c) == heading) continue;
            EXPECT_GE(column->Controls(c)->Top(), bottom) << heading->Name();
        }
        // Inside the column's margins, and as high as its text laid out at its width.
        EXPECT_LE(heading->Left() + heading->Width(), column->Width() - 12) << heading->Name();
        TRect text = Rect(0, 0, heading->Width(), 0);
        DrawText(heading->Canvas(), heading->Caption(), -1, text, DT_CALCRECT | DT_WORDBREAK);
        EXPECT_LE(text.Bottom, heading->Height()) << heading->Name();
        EXPECT_LE(text.Right, heading->Width()) << heading->Name();
    }
    EXPECT_GE(headings, 7);
    // The long hyphenated heading takes two lines.
    auto* documents = dynamic_cast<TLabel*>(f.FindComponent("dokunavHeading"));
    ASSERT_NE(documents, nullptr);
    EXPECT_GE(documents->Height(), 2 * 15);
}

class CasesArea : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        AddCase("Bakos kártérítés", "2008-02-01", "Közlekedési baleset");
        AddCase("Adásvétel", "2008-05-10", "Lakás eladása");
        const Integer closed = AddCase("Zálog", "2009-03-05", "Jelzálog");
        Exec("UPDATE ugy SET status=0 WHERE sorszam=" + std::to_string(closed));
        AddCase("O'Reilly hagyaték", "2010-07-01");
        Create();
    }

    static std::vector<String> Names(TSqlite3Query* q) {
        std::vector<String> names;
        for (q->First(); !q->Eof(); q->Next())
            names.push_back(q->FieldByName("nev")->AsString());
        return names;
    }
};

TEST_F(CasesArea, ListOptionsRebuildTheList) {
    TForm1& f = *Form1;
    f.Ugylista1->Click();
    EXPECT_EQ(Names(f.Query4), (NameList{"Bakos kártérítés", "Adásvétel", "O'Reilly hagyaték"}));
    f.Cases().CheckBox1->SetChecked(false);
    EXPECT_EQ(Names(f.Query4), (NameList{"Bakos kártérítés", "Adásvétel", "Zálog", "O'Reilly hagyaték"}));
    f.Cases().RadioButton2->SetChecked(true);
    EXPECT_EQ(Names(f.Query4), (NameList{"O'Reilly hagyaték", "Zálog", "Adásvétel", "Bakos kártérítés"}));
    f.Cases().RadioButton4->SetChecked(true);
    EXPECT_EQ(Names(f.Query4), (NameList{"Zálog", "O'Reilly hagyaték", "Bakos kártérítés", "Adásvétel"}));
}

TEST_F(CasesArea, SearchFromTheFilterStripWithCounter) {
    TForm1& f = *Form1;
    f.Ugykereses1->Click();
    f.Cases().Edit19->SetText("2008");
    f.Cases().Edit20->SetText("2008");
    f.Cases().gxExtSpeedButton8->Click();
    ASSERT_TRUE(f.Query5->Active());
    EXPECT_EQ(Names(f.Query5), (NameList{"Bakos kártérítés", "Adásvétel"}));
    f.Query5->First();
    EXPECT_EQ(f.Cases().Label31->Caption(), "1/2");
    f.Query5->Next();
    EXPECT_EQ(f.Cases().Label31->Caption(), "2/2");

    f.Cases().Edit19->SetText("");
    f.Cases().Edit20->SetText("");
    f.Cases().Edit23->SetText("O'R");
    f.Cases().gxExtSpeedButton8->Click();
    EXPECT_EQ(Names(f.Query5), (NameList{"O'Reilly hagyaték"}));
    EXPECT_EQ(f.Cases().Label31->Caption(), "1/1");

    f.Cases().Edit23->SetText("nincs ilyen");
    f.Cases().gxExtSpeedButton8->Click();
    EXPECT_EQ(f.Cases().Label31->Caption(), "0/0");
}

TEST_F(CasesArea, YearAndNumberBoxesTakeDigitsOnly) {
    TForm1& f = *Form1;
    for (TEdit* edit : {f.Cases().Edit19, f.Cases().Edit20, f.Cases().Edit21, f.Cases().Edit22}) {
        SCOPED_TRACE(edit->Name());
        // Each row: the key typed, whether it reaches the box.
        for (const auto& [key, kept] : std::vector<std::pair<String, bool>>{{"7", true},
                                                                            {"a", false},
                                                                            {"'", false},
                                                                            {" ", false},
                                                                            {"-", false},
                                                                            {"\b", true},
                                                                            {"é", false}}) {
            String k = key;
            edit->OnKeyPress(edit, k);
            EXPECT_EQ(k, kept ? key : String()) << key;
        }
        // Pasted text keeps only its digits.
        edit->SetText("1a2;");
        EXPECT_EQ(edit->Text(), "12");
        edit->SetText("");
    }
    // The text box takes anything; it is quoted in the statement.
    f.Cases().Edit23->SetText("' OR 1=1 --");
    f.Cases().gxExtSpeedButton8->Click();
    EXPECT_EQ(f.Query5->RecordCount(), 0);
}

TEST_F(CasesArea, ResetRestoresTheFilterWithoutSearching) {
    TForm1& f = *Form1;
    f.Cases().Edit19->SetText("2008");
    f.Cases().Edit21->SetText("3");
    f.Cases().Edit23->SetText("x");
    for (TCheckBox* box :
         {f.Cases().CheckBox3, f.Cases().CheckBox4, f.Cases().CheckBox5, f.Cases().CheckBox6})
        box->SetChecked(false);
    f.Cases().RadioButton6->SetChecked(true);
    f.Cases().RadioButton8->SetChecked(true);
    f.Query4->Close();
    f.Cases().gxExtSpeedButton9->Click();
    for (TEdit* edit :
         {f.Cases().Edit19, f.Cases().Edit20, f.Cases().Edit21, f.Cases().Edit22, f.Cases().Edit23})
        EXPECT_EQ(edit->Text(), "");
    for (TCheckBox* box : {f.Cases().CheckBox2, f.Cases().CheckBox3, f.Cases().CheckBox4, f.Cases().CheckBox5,
                           f.Cases().CheckBox6})
        EXPECT_TRUE(box->Checked()) << box->Name();
    EXPECT_TRUE(f.Cases().RadioButton5->Checked());
    EXPECT_TRUE(f.Cases().RadioButton7->Checked());
    EXPECT_FALSE(f.Query5->Active());
    // Neither list runs a query: the case list stays as it was.
    EXPECT_FALSE(f.Query4->Active());
    // The boxes rebuild the list again once the reset is over.
    f.Cases().CheckBox2->SetChecked(false);
    EXPECT_TRUE(f.Query4->Active());
}

TEST_F(CasesArea, OpeningACaseNeedsARow) {
    TForm1& f = *Form1;
    EXPECT_EQ(app::CurrentCaseId(f.Query5), 0); // closed
    f.Cases().Edit23->SetText("nincs ilyen");
    f.Cases().gxExtSpeedButton8->Click();
    EXPECT_EQ(app::CurrentCaseId(f.Query5), 0); // empty
    f.Ugylista1->Click();
    f.Query4->Last();
    EXPECT_EQ(app::CurrentCaseId(f.Query4), 4);
    // Neither the grid nor its menu entry raises on an empty list.
    f.Cases().Modositasesemenyek2->Click();
    EXPECT_TRUE(Messages.empty());
}

TEST_F(CasesArea, EnteringTheListPageRefreshesIt) {
    TForm1& f = *Form1;
    f.Ugylista1->Click();
    EXPECT_EQ(f.Query4->RecordCount(), 3);
    AddCase("Új ügy", "2011-01-01");
    f.ugylistacontainer->OnEnter(f.ugylistacontainer);
    EXPECT_EQ(f.Query4->RecordCount(), 4);
}

TEST_F(CasesArea, EnteringTheListPageBeforeItWasBuiltBuildsIt) {
    TForm1& f = *Form1;
    f.ugylistacontainer->OnEnter(f.ugylistacontainer);
    EXPECT_TRUE(Messages.empty());
    EXPECT_EQ(Names(f.Query4), (NameList{"Bakos kártérítés", "Adásvétel", "O'Reilly hagyaték"}));
}

} // namespace
} // namespace apptest
