// The print commands of the areas as a user meets them: each builds its report from
// the office database through the report-host forms, and the pages handed to the
// preview carry the case sheet, the lists and the report variables; lists that hold
// nothing to print start no report; a stored template that cannot be read is said so.
#include "app/partners/PartnerArea.h"
#include "app/identification/JubArea.h"
#include "app/documents/DocumentArea.h"
#include "app/deposits/DepositArea.h"
#include "tests/app/reports/PrintFixture.h"

#include "platform/ui/TDBText.h"
#include "platform/ui/TOpenDialog.h"
#include "platform/ui/TRadioButton.h"
#include "report/files/TrpRTFExportFilter.h"

#include "app/partners/TForm1PartnerParts.h"
#include "app/deposits/TForm1DepositParts.h"
#include "app/reports/TForm1PrintParts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace apptest {
namespace {

using PrintCommands = PrintFixture;

// ---- Stored templates ------------------------------------------------------------------

TEST_F(PrintCommands, EveryStoredTemplateLoadsWithoutAMessage) {
    Create();
    ASSERT_GE(app::detail::TemplateCount, 8u);
    for (std::size_t i = 0; i < app::detail::TemplateCount; ++i) {
        TrpReport report(nullptr);
        app::LoadReportTemplate(report, app::detail::Templates[i].Name);
        EXPECT_EQ(report.Pages()->Count(), 1) << app::detail::Templates[i].Name;
        EXPECT_GT(report.Pages()->Pages(0)->ObjectCount(), 5) << app::detail::Templates[i].Name;
        EXPECT_TRUE(report.DoublePass) << app::detail::Templates[i].Name;
        EXPECT_TRUE(report.StoreInDFM());
    }
    EXPECT_TRUE(Boxes.empty());
    EXPECT_GT(ugyitemfrf->rpReport1->Pages()->Pages(0)->ObjectCount(), 40);
    EXPECT_EQ(ugyitemfrf->rpReport1->Title, "Ügy adatlap");
    EXPECT_EQ(ugyitemfrf->rpReport4->Title, "Ügy adatlap nyomtatása");
}

TEST_F(PrintCommands, PreviewsOfferPrintingAndHelpWhereTheyShould) {
    Create();
    const TrpPreviewButtons plain{pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbExit};
    TrpPreviewButtons withHelp = plain;
    withHelp.Include(pbHelp);
    for (TrpReport* r : {ugyitemfrf->rpReport1, ugyitemfrf->rpReport4, letetfrf->rpReport1,
                         letetfrf->rpReport2, letetfrf->rpReport6, letetfrf->rpReport3, letetfrf->rpReport4})
        EXPECT_TRUE(r->PreviewButtons == plain) << r->Owner()->Name() << "." << r->Name();
    // The document list can be printed from its preview as every other list.
    for (TrpReport* r :
         {letetfrf->rpReport10, letetfrf->rpReport13, letetfrf->rpReport14, letetfrf->rpReport15})
        EXPECT_TRUE(r->PreviewButtons == withHelp) << r->Name();
}

TEST_F(PrintCommands, TheHostFormsHoldTheRichTextObjectAndTheRtfExport) {
    Create();
    EXPECT_NE(dynamic_cast<TrpRichObject*>(letetfrf->FindComponent("rpRichObject1")), nullptr);
    EXPECT_NE(dynamic_cast<TrpRTFExport*>(ugyitemfrf->FindComponent("rpRTFExport1")), nullptr);
    EXPECT_EQ(ugyitemfrf->OpenDialog1->DefaultExt(), "rtf");
    EXPECT_EQ(ugyitemfrf->OpenDialog1->Filter(), "Rich Text|*.rtf");
}

TEST_F(PrintCommands, ATemplateThatCannotBeReadIsSaidAndLeavesAnEmptyPage) {
    Create();
    const auto& good = app::detail::Templates[0];
    struct Case {
        std::size_t Size;    // bytes of the good template handed over
        unsigned char First; // replaces the template stream's version byte when not 0
        String Message;
    };
    const Case cases[] = {
        {0, 0, "Hiba: A(z) t nyomtatási sablon nem olvasható: Stream read error"},
        {6, 0, "Hiba: A(z) t nyomtatási sablon nem olvasható: Stream read error"},
        // A size beyond the bytes that follow it.
        {good.Size - 1, 0, "Hiba: A(z) t nyomtatási sablon nem olvasható: Stream read error"},
        // A later stream version: the engine's own message.
        {good.Size, 99, "Error: Unsupported RPF format"},
    };
    for (const Case& c : cases) {
        Boxes.clear();
        std::vector<unsigned char> bytes(good.Data, good.Data + c.Size);
        if (c.First) bytes[8] = c.First;
        TrpReport report(nullptr);
        app::LoadReportTemplate(report, "t", bytes.data(), bytes.size());
        EXPECT_EQ(Boxes, std::vector<String>{c.Message}) << c.Size;
        EXPECT_LE(report.Pages()->Count(), 1);
    }
    Boxes.clear();
    TrpReport missing(nullptr);
    app::LoadReportTemplate(missing, "nincs_rpReport9");
    EXPECT_EQ(Boxes, std::vector<String>{
                         "Hiba: A(z) nincs_rpReport9 nyomtatási sablon nem olvasható: nincs ilyen sablon"});
    EXPECT_EQ(missing.Pages()->Count(), 1);
    EXPECT_EQ(missing.Pages()->Pages(0)->ObjectCount(), 0);
}

// ---- Report variables ---------------------------------------------------------------------

TEST_F(PrintCommands, VariablesAreSuppliedOnlyWhereAsked) {
    Create();
    SetSetting("cim", "Budapest, Fő utca 1.");
    struct Case {
        const char* Name;
        std::initializer_list<const char*> Asked;
        bool Filled;
    };
    const Case cases[] = {
        {"PNAME", {"REGUSER", "PNAME"}, true},
        {"PNAME", {"REGUSER"}, false},          // the deposit and partner reports
        {"pname", {"REGUSER", "PNAME"}, false}, // names compare case-sensitively
        {"REGCIM", {"REGUSER", "PNAME"}, false},
        {"DATE", {"REGUSER", "PNAME", "REGCIM"}, false}, // the engine's own
    };
    for (const Case& c : cases) {
        Variant value;
        app::SupplyReportVariable(c.Name, value, c.Asked);
        EXPECT_EQ(!value.IsEmpty(), c.Filled) << c.Name;
    }
    Variant product;
    app::SupplyReportVariable("PNAME", product, {"PNAME"});
    EXPECT_EQ(product.AsString(), "Velmora");
}

// ---- Case sheet ------------------------------------------------------------------------

TEST_F(PrintCommands, CaseSheetPrintsHeaderHistoryPersonsAndOrganisations) {
    const Integer id = AddCase("Kovács kontra Öböl Kft.", "2026-03-02", "Kártérítési per");
    AddHistoryEntry(id, "2026-03-05", "/iratok/kereset.pdf", "Kereset beadva");
    AddHistoryEntry(id, "2026-03-04", "", "Megbízás");
    AddCasePerson(id, "Őri Ábel");
    Exec("UPDATE ugy_ugyfel_tsz SET szuletesi_ido='1970-03-01', anyja_neve='Kiss Éva' WHERE ugy=" + Key(id));
    Exec("INSERT INTO ugy_ugyfel_szerv (ugy, nev, roviditett_nev, kepviselo, azonosito_okirat_szama) VALUES "
         "(" +
         Key(id) + ", 'Öböl Kereskedelmi Kft.', 'Öböl Kft.', 'Nagy Péter', 'Cg. 01-09-123456')");
    Create();
    const String number = Text("SELECT ev||'/'||szam FROM ugy WHERE sorszam=" + Key(id));
    ugyadatlap->CaseId = id;
    ugyadatlap->gxExtSpeedButton1->OnClick(nullptr);

    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Captions.back(), "Preview - Ügy adatlap");
    for (const char* text :
         {"Velmora", "Ügy adatlap", "Kovács kontra Öböl Kft.", "Státusz:", "aktív", "Ügy kezdete:", "Leírás",
          "Kártérítési per", "Események:", "Ügyfelek:", "Őri Ábel", "Kiss Éva", "Öböl Kereskedelmi Kft.",
          "Öböl Kft.", "Nagy Péter", "Cg. 01-09-123456", "Születési név:", "Kézbesítési mb. címe:"})
        EXPECT_TRUE(HasText(text)) << text;
    EXPECT_TRUE(HasText(number)) << number;
    EXPECT_TRUE(HasText(Short("2026-03-02")));
    EXPECT_TRUE(HasText(Short("1970-03-01")));
    // History by date; the attached file on the line under the note.
    EXPECT_LT(IndexOf("Megbízás"), IndexOf("Kereset beadva\n/iratok/kereset.pdf"));
    EXPECT_GE(IndexOf("Megbízás"), 0) << Dump();
    EXPECT_LT(IndexOf("Események:"), IndexOf(Short("2026-03-04")));
    EXPECT_LT(IndexOf("Kereset beadva\n/iratok/kereset.pdf"), IndexOf("Ügyfelek:"));
    EXPECT_LT(IndexOf("Ügyfelek:"), IndexOf("Őri Ábel"));
    EXPECT_LT(IndexOf("Őri Ábel"), IndexOf("Öböl Kereskedelmi Kft."));
    // One page of a counted build: page 1 of 1.
    EXPECT_TRUE(HasText("1/1"));
    EXPECT_TRUE(Boxes.empty());
}

TEST_F(PrintCommands, CaseWithoutHistoryOrClientsPrintsHeaderAndSectionTitlesOnly) {
    const Integer id = AddCase("Üres ügy", "2026-01-10");
    Create();
    ugyitemfrf->PrintCaseSheet(id);
    ASSERT_EQ(Shown.size(), 1u);
    for (const char* text : {"Üres ügy", "Státusz:", "Események:", "Ügyfelek:"})
        EXPECT_TRUE(HasText(text)) << text;
    for (const char* text : {"Születési név:", "Rövidített név:", "Képviselő:"})
        EXPECT_FALSE(HasText(text)) << text;
}

TEST_F(PrintCommands, PersonWithoutBirthDatePrintsAnEmptyBirthDate) {
    const Integer id = AddCase("Dátumok", "2026-01-10");
    AddCasePerson(id, "Ürsula");
    Create();
    ugyitemfrf->PrintCaseSheet(id);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(HasText("Ürsula"));
    // The birth date after its caption is empty: the caption is followed by the next row's.
    EXPECT_EQ(IndexOf("Születési idő:") + 1, IndexOf("Állampolgárság:"));
}

TEST_F(PrintCommands, CaseSheetShowsTheOfficeUserNotTheGlobalPlaceholder) {
    const Integer id = AddCase("Valami", "2026-01-10");
    Create();
    ugyitemfrf->PrintCaseSheet(id);
    EXPECT_EQ(rpVariables->GetVariable("REGUSER").AsString(), "felhasználó");
    EXPECT_FALSE(HasText("felhasználó"));
    EXPECT_EQ(CountOf("Velmora"), 1);
}

// ---- Case list ---------------------------------------------------------------------------

TEST_F(PrintCommands, CaseListPrintsTheSearchResultTwiceAlike) {
    AddCase("Alfa ügy", "2026-01-10", "Első leírás");
    AddCase("Béta ügy", "2026-01-11", "Második leírás");
    Create();
    // Before any search the list prints nothing.
    app::MainWindow().PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
    EXPECT_TRUE(Shown.empty());

    SearchAllCases();
    ASSERT_EQ(app::MainWindow().Query5->RecordCount(), 2);
    app::MainWindow().PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
    app::MainWindow().PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(DropPrintStamps(), 2u);
    EXPECT_EQ(Shown[0], Shown[1]);
    for (const char* text : {"Ügy lista", "Velmora", "Alfa ügy", "Béta ügy", "Első leírás", "Második leírás"})
        EXPECT_TRUE(HasText(text)) << text;
    EXPECT_EQ(CountOf("aktív"), 2);
    // The walk leaves the search on its last row.
    EXPECT_TRUE(app::MainWindow().Query5->Eof() || app::MainWindow().Query5->RecNo() == 2);
    EXPECT_EQ(Captions.back(), "Preview - Ügy adatlap nyomtatása");
}

TEST_F(PrintCommands, CaseListBuildsBehindTheProgressWindow) {
    AddCase("Alfa ügy", "2026-01-10");
    Create();
    ugyitemfrf->rpReport4->ShowProgress = true;
    SearchAllCases();
    app::MainWindow().PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_TRUE(HasText("Alfa ügy"));
    EXPECT_TRUE(HasText("1/1"));
    EXPECT_TRUE(Boxes.empty());
}

// ---- Deposits ---------------------------------------------------------------------------

TEST_F(PrintCommands, DepositListTotalsEveryDepositAndTheSearchItsOwn) {
    const Integer account = AddAccount("Ügyvédi letét");
    AddDeposit(account, "Kovács Béla", "2026-02-01", 1000000);
    AddDeposit(account, "Nagy Anna", "2026-02-02", 250000);
    Create();
    // A list never built (the page the menu's new deposit shows, closed unsaved) prints the
    // deposits it starts with, balances in forints, without a message.
    app::MainWindow().PrintCommands().letetlistaPrint->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u) << (Boxes.empty() ? String() : Boxes.front());
    EXPECT_TRUE(Boxes.empty());
    EXPECT_TRUE(HasText("1 000 000 Ft")) << Dump();
    app::ReloadDepositList(app::MainWindow());
    app::MainWindow().Deposits().letetkeres_Edit1->SetText("Nagy");
    app::RunDepositSearch(app::MainWindow());

    app::MainWindow().PrintCommands().letetlistaPrint->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 2u);
    for (const char* text : {"Letét lista", "Kovács Béla", "Nagy Anna", "Ügyvédi letét",
                             "Összesen:", "1 000 000 Ft", "1 250 000 Ft"})
        EXPECT_TRUE(HasText(text)) << text;

    app::MainWindow().PrintCommands().letetkeresPrint->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 3u);
    EXPECT_TRUE(HasText("Letét szűrt lista"));
    EXPECT_TRUE(HasText("Nagy Anna"));
    EXPECT_FALSE(HasText("Kovács Béla"));
    EXPECT_TRUE(HasText("250 000 Ft"));
    EXPECT_FALSE(HasText("1 250 000 Ft"));

    // The list printed after the search still totals every deposit.
    app::MainWindow().PrintCommands().letetlistaPrint->OnClick(nullptr);
    EXPECT_TRUE(HasText("1 250 000 Ft"));
}

TEST_F(PrintCommands, DepositSearchBeforeAnySearchPrintsNothingAndAfterAnEmptyOneZero) {
    AddDeposit(AddAccount("Ügyvédi letét"), "Kovács Béla", "2026-02-01", 1000000);
    Create();
    app::MainWindow().PrintCommands().letetkeresPrint->OnClick(nullptr);
    EXPECT_TRUE(Shown.empty());
    // The sum of no deposits is 0 Ft, not an empty amount.
    app::MainWindow().Deposits().letetkeres_Edit1->SetText("Nincs ilyen");
    app::RunDepositSearch(app::MainWindow());
    app::MainWindow().PrintCommands().letetkeresPrint->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u) << (Boxes.empty() ? String() : Boxes.front());
    EXPECT_TRUE(HasText("0 Ft")) << Dump();
}

TEST_F(PrintCommands, DepositSheetPrintsItsHeaderAndMovements) {
    const Integer account = AddAccount("Ügyvédi letét");
    const Integer id = AddDeposit(account, "Kovács Béla", "2026-02-01", 1000000);
    AddMovement(id, "2026-02-10", -250000, "Részkifizetés");
    Create();
    letet_adatlap->DepositId = id;
    letet_adatlap->FormShow(nullptr);
    letet_adatlap->BitBtn3->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    for (const char* text :
         {"Letét adatlap", "Letétbe helyező:", "Kovács Béla", "Ügyvédi letét", "aktív", "750 000 Ft",
          "Letét történet:", "[Nyitó]", "Részkifizetés", "-250 000 Ft", "2026.02.10."})
        EXPECT_TRUE(HasText(text)) << text;
    // The sheet reads its header one way only, from the first row again for a second print,
    // and keeps showing it; the printed header holds no lock that would keep another
    // program from writing, and a full payout still pays what the deposit holds.
    EXPECT_ANY_THROW(letet_adatlap->Query1->Prior());
    letet_adatlap->BitBtn3->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(DropPrintStamps(), 4u); // two corners on each print's one page
    EXPECT_EQ(Shown[1], Shown[0]);
    EXPECT_EQ(letet_adatlap->DBText8->Caption(), "750 000 Ft");
    AddMovement(id, "2026-02-11", 5000, "máshonnan");
    letet_adatlap->RadioButton2->SetChecked(true);
    letet_adatlap->BitBtn1->OnClick(nullptr);
    EXPECT_EQ(Text("SELECT osszeg FROM letetmozgas ORDER BY sorszam DESC LIMIT 1"), "-755000");
    EXPECT_EQ(letet_adatlap->DBText8->Caption(), "0 Ft");
}

// ---- Partners ---------------------------------------------------------------------------

TEST_F(PrintCommands, PartnerListAndSearch) {
    Exec("INSERT INTO partner (nev, kepviselo, cim, tel1, tel2, tel3, email) VALUES "
         "('Tükör Kft.', 'Fehér Ödön', 'Szeged', '1', '2', '3', 'iroda@tukor.hu'), "
         "('Ablak Bt.', 'Kis Pál', 'Pécs', NULL, NULL, NULL, NULL)");
    Create();
    app::Partnerlista1Click(app::MainWindow(), nullptr);
    app::MainWindow().PrintCommands().partnerlistaPrint->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    for (const char* text : {"Partner lista", "Név", "Képviselő", "Web", "Tükör Kft.", "Fehér Ödön",
                             "iroda@tukor.hu", "1  2  3", "Ablak Bt."})
        EXPECT_TRUE(HasText(text)) << text;

    // A search that finds nothing starts no report.
    app::MainWindow().Partners().Edit27->SetText("Nincs ilyen");
    app::partnerKeresClick(app::MainWindow(), nullptr);
    app::MainWindow().PrintCommands().partnerkeresPrint->OnClick(nullptr);
    EXPECT_EQ(Shown.size(), 1u);

    app::MainWindow().Partners().Edit27->SetText("tük");
    app::partnerKeresClick(app::MainWindow(), nullptr);
    app::MainWindow().PrintCommands().partnerkeresPrint->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_TRUE(HasText("Tükör Kft."));
    EXPECT_FALSE(HasText("Ablak Bt."));
}

TEST_F(PrintCommands, PartnerSearchRepeatsItsCaptionsOnEveryPage) {
    for (int i = 0; i < 40; ++i)
        Exec("INSERT INTO partner (nev, megjegyzes) VALUES ('Partner " + std::to_string(100 + i) + "', 'x')");
    Create();
    app::MainWindow().Partners().Edit27->SetText("Partner");
    app::partnerKeresClick(app::MainWindow(), nullptr);
    app::MainWindow().PrintCommands().partnerkeresPrint->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    ASSERT_GE(Shown[0].size(), 2u);
    for (const Page& page : Shown[0])
        EXPECT_NE(std::find(page.begin(), page.end(), "Képviselő"), page.end());
    const String last = std::to_string(Shown[0].size()) + "/" + std::to_string(Shown[0].size());
    EXPECT_TRUE(HasText(last)) << last << Dump();
    EXPECT_TRUE(HasText("Partner 139"));
}

// ---- Documents --------------------------------------------------------------------------

TEST_F(PrintCommands, DocumentListPrintsEveryListedDocument) {
    const Integer id = AddCase("Iratos ügy", "2026-01-10");
    AddHistoryEntry(id, "2026-01-12", "/iratok/a.pdf", "A", true, false);
    AddHistoryEntry(id, "2026-01-13", "/iratok/b.pdf", "B", false, true);
    AddHistoryEntry(id, "2026-01-14", "", "fájl nélkül");
    Create();
    // A closed list prints nothing.
    app::MainWindow().PrintCommands().gxExtSpeedButton49->OnClick(nullptr);
    EXPECT_TRUE(Shown.empty());

    app::RunDocumentList(app::MainWindow());
    app::MainWindow().PrintCommands().gxExtSpeedButton49->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    for (const char* text : {"Dokumentum lista", "Velmora", "/iratok/a.pdf", "/iratok/b.pdf", "őrzendő",
                             "archiválandó", "Készült:"})
        EXPECT_TRUE(HasText(text)) << text;
    EXPECT_EQ(CountOf("Iratos ügy"), 2);
    EXPECT_TRUE(HasText(Short("2026-01-13")));
    EXPECT_EQ(Captions.back(), "Preview - Dokumentum lista");
}

// Every report over a small office: its pages drawn into pictures, and the preview as
// the office sees it.
TEST_F(PrintCommands, Picture) {
    const char* folder = std::getenv("VELMORA_SCREENSHOTS");
    if (folder == nullptr) GTEST_SKIP() << "set VELMORA_SCREENSHOTS to a folder to write the pictures";
    PictureFolder = folder;
    const Sample sample = AddSampleOffice();
    Create();
    PrintEverything(sample);
    EXPECT_EQ(Shown.size(), 8u);

    // The same through the engine's own preview, one window at a time.
    rpShowPreview = EnginePreview;
    for (TComponent* form : {static_cast<TComponent*>(ugyitemfrf), static_cast<TComponent*>(letetfrf)})
        for (Integer i = 0; i < form->ComponentCount(); ++i)
            if (auto* report = dynamic_cast<TrpReport*>(form->Components(i))) report->ModalPreview = false;
    Integer shots = 0;
    const auto snap = [&] {
        for (Integer i = 0; i < Screen->FormCount(); ++i)
            if (auto* preview = dynamic_cast<TrpPreviewForm*>(Screen->Forms(i))) {
                preview->SetBounds(0, 0, 1000, 760);
                Application->ProcessMessages();
                ui::SaveSnapshot(preview, PictureFolder + "/preview-" + std::to_string(++shots) + ".png");
                preview->ExitBtnClick(preview);
                Application->ProcessMessages();
                return;
            }
    };
    ugyitemfrf->PrintCaseSheet(sample.Case);
    snap();
    app::MainWindow().PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
    snap();
    app::MainWindow().PrintCommands().letetlistaPrint->OnClick(nullptr);
    snap();
    app::MainWindow().PrintCommands().gxExtSpeedButton80->OnClick(nullptr);
    snap();
    EXPECT_EQ(shots, 4);
}

// ---- Client identification --------------------------------------------------------------

class JubPrint : public PrintCommands {
protected:
    void SetUp() override {
        PrintCommands::SetUp();
        SetSetting("kamarai_azonosito", "K-12");
        SetSetting("cim", "Budapest, Fő utca 1.");
        CaseId = AddCase("Bakos kártérítés", "2009-03-05");
        RegisterId = AddPerson("Kovács Éva", "1970-03-01");
        Exec("UPDATE ugyfel_termeszetes_szemely SET azonosito_okmany_szama='123456AB', "
             "azonosito_okmany_tipus='személyi igazolvány', anyja_neve='Szabó Ilona' WHERE sorszam=" +
             Key(RegisterId));
        CopyId = AddCasePerson(CaseId, "Kovács Éva", RegisterId);
    }
    void ExpectSheet() {
        ASSERT_EQ(Shown.size(), 1u);
        for (const char* text :
             {"AZONOSÍTÁSI ADATLAP", "Velmora", "Az ügyvéd, ügyvédi iroda neve:", "Budapest, Fő utca 1.",
              "A természetes személy adatai:", "Kovács Éva", "Szabó Ilona", "123456AB, személyi igazolvány"})
            EXPECT_TRUE(HasText(text)) << text << Dump();
        EXPECT_EQ(Captions.back(), "Preview - JÜB adatlap");
        // The declaration follows the person's data, as rich text.
        const Page all = Printed();
        const auto declaration = std::find_if(all.begin(), all.end(), [](const String& t) {
            return t.rfind("RTF ", 0) == 0 && t.find("NYILATKOZAT") != String::npos;
        });
        ASSERT_NE(declaration, all.end()) << Dump();
        EXPECT_LT(IndexOf("Szabó Ilona"), declaration - all.begin());
    }
    Integer CaseId = 0;
    Integer RegisterId = 0;
    Integer CopyId = 0;
};

TEST_F(JubPrint, NewQueryDialogPrintsThePersonsSheetWithTheOfficeAddress) {
    Create();
    ujjub->CaseId = CaseId;
    ujjub->CaseClientRowId = CopyId;
    ujjub->FormShow(nullptr);
    ujjub->BitBtn3->OnClick(nullptr);
    ExpectSheet();
}

TEST_F(JubPrint, ChangeDialogPrintsTheQueriesPerson) {
    const Integer id = AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    Create();
    jubmod->JubId = id;
    jubmod->FormShow(nullptr);
    jubmod->BitBtn3->OnClick(nullptr);
    ExpectSheet();
}

TEST_F(JubPrint, ACopyWithoutARegisterPersonPrintsNothing) {
    const Integer lone = AddCasePerson(CaseId, "Nincs Regiszter");
    Create();
    ujjub->CaseId = CaseId;
    ujjub->CaseClientRowId = lone;
    ujjub->FormShow(nullptr);
    ujjub->BitBtn3->OnClick(nullptr);
    EXPECT_TRUE(Shown.empty());
}

TEST_F(JubPrint, ListPrintsOnlyWhenItHoldsQueries) {
    AddIdentification(RegisterId, CaseId, "2009-03-05", "K-12_1_2009/1");
    Create();
    app::MainWindow().PrintCommands().gxExtSpeedButton80->OnClick(nullptr);
    EXPECT_TRUE(Shown.empty());
    app::RunJubList(app::MainWindow());
    app::MainWindow().PrintCommands().gxExtSpeedButton80->OnClick(nullptr);
    ASSERT_EQ(Shown.size(), 1u);
    for (const char* text : {"JÜB lista", "Velmora", "K-12_1_2009/1", "Kovács Éva", "Lekérdezés:", "Ügy:"})
        EXPECT_TRUE(HasText(text)) << text << Dump();
    // The office address is only for the identification sheets.
    EXPECT_FALSE(HasText("Budapest, Fő utca 1."));
}

} // namespace
} // namespace apptest
