#pragma once
// The report-host forms over a test office: the forms made in the program's order,
// every report handed to the preview captured as the texts of its prepared pages,
// and a small sample office with a command that prints every report over it.
#include "app/reports/ReportHost.h"
#include "app/reports/ReportTemplates.h"
#include "app/cases/TForm1CaseParts.h"
#include "app/reports/TForm1PrintParts.h"
#include "app/deposits/DepositArea.h"
#include "app/common/MainWindowShared.h"
#include "tests/app/MainWindowMenu.h"
#include "app/partners/PartnerArea.h"
#include "app/cases/CaseArea.h"
#include "app/identification/JubArea.h"
#include "app/documents/DocumentArea.h"
#include "app/deposits/Tletet_adatlap.h"
#include "app/reports/Tletetfrf.h"
#include "app/cases/Tugyadatlap.h"
#include "app/reports/Tugyitemfrf.h"
#include "app/identification/Tjubmod.h"
#include "app/identification/Tujjub.h"
#include "controls/buttons/TgxExtSpeedButton.h"
#include "platform/core/DateTime.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/DialogHook.h"
#include "platform/ui/TBitBtn.h"
#include "platform/ui/ControlSnapshot.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TScreen.h"
#include "report/preview/TrpPreviewForm.h"
#include "report/build/TrpEMFPages.h"
#include "report/build/TrpPage.h"
#include "report/build/TrpReport.h"
#include "report/views/TrpRichView.h"
#include "report/script/TrpVariables.h"
#include "report/views/TrpView.h"
#include "report/engine/rpEngine.h"
#include "report/build/rpProgress.h"
#include "sqlite/TSqlite3Query.h"
#include "tests/app/OfficeDbFixture.h"
#include "tests/support/DialogRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace apptest {

using Page = std::vector<String>;

class PrintFixture : public OfficeDbFixture {
protected:
    void SetUp() override {
        OfficeDbFixture::SetUp();
        UseAsWorkingFolder();
        rpInitEngine();
        FPreviousPreview = rpShowPreview;
        EnginePreview = rpShowPreview;
        rpShowPreview = [this](TrpReport* Report, const String& Caption) {
            Captions.push_back(Caption);
            Shown.push_back(PagesOf(*Report));
            if (Inspect) Inspect(*Report);
            if (!PictureFolder.empty()) Render(*Report);
        };
    }
    void TearDown() override {
        delete jubmod;
        delete ujjub;
        delete letetfrf;
        delete letet_adatlap;
        delete ugyitemfrf;
        delete ugyadatlap;
        if (Form1) delete &app::MainWindow();
        rpShowPreview = FPreviousPreview;
        // The engine's progress window, when a build made it, goes while the toolkit runs.
        report::rpSetProgressWindow(nullptr);
        OfficeDbFixture::TearDown();
    }

    // The forms in the program's order; the reports build without the progress window.
    void Create() {
        app::CreateMainWindow(nullptr);
        ugyadatlap = new Tugyadatlap(nullptr);
        ugyitemfrf = new Tugyitemfrf(nullptr);
        letet_adatlap = new Tletet_adatlap(nullptr);
        letetfrf = new Tletetfrf(nullptr);
        ujjub = new Tujjub(nullptr);
        jubmod = new Tjubmod(nullptr);
        for (TComponent* form : {static_cast<TComponent*>(ugyitemfrf), static_cast<TComponent*>(letetfrf)})
            for (Integer i = 0; i < form->ComponentCount(); ++i)
                if (auto* report = dynamic_cast<TrpReport*>(form->Components(i)))
                    report->ShowProgress = false;
        app::MainWindow().OnShow(nullptr);
    }

    // Every memo of every prepared page, its lines joined by "\n".
    static std::vector<Page> PagesOf(TrpReport& Report) {
        std::vector<Page> pages;
        TrpEMFPages* prepared = Report.EMFPages();
        for (Integer i = 0; i < prepared->Count(); ++i) {
            prepared->ObjectsToPage(i);
            Page page;
            for (const auto& view : prepared->Pages(i)->Page->Objects) {
                if (auto* rich = dynamic_cast<TrpRichView*>(view.get()))
                    page.push_back("RTF " + rich->RichText);
                String text;
                for (Integer k = 0; k < view->Memo.Count(); ++k)
                    text += (k ? "\n" : "") + view->Memo[k];
                if (!text.empty()) page.push_back(text);
            }
            pages.push_back(page);
        }
        return pages;
    }
    // The texts of the last report shown, for a failure's message.
    String Dump() const {
        String out;
        for (const String& t : Printed())
            out += "[" + t + "] ";
        return out;
    }
    // The texts of the last report shown, all pages in order.
    Page Printed() const {
        Page all;
        if (!Shown.empty())
            for (const Page& p : Shown.back())
                all.insert(all.end(), p.begin(), p.end());
        return all;
    }
    bool HasText(const String& Text) const {
        const Page all = Printed();
        return std::find(all.begin(), all.end(), Text) != all.end();
    }
    Integer CountOf(const String& Text) const {
        const Page all = Printed();
        return static_cast<Integer>(std::count(all.begin(), all.end(), Text));
    }
    // Takes out of every report shown the stamps of the moment it was printed (a
    // page's corner, "2026.12.09. 11:47:16"), which may tick over between two
    // prints, even past midnight; a date alone is data and stays. Returns how many.
    size_t DropPrintStamps() {
        static const std::regex stamp(R"(\d{4}\.\d{2}\.\d{2}\. \d{2}:\d{2}:\d{2})");
        size_t stamps = 0;
        for (auto& pages : Shown)
            for (Page& page : pages)
                stamps +=
                    std::erase_if(page, [](const String& text) { return std::regex_match(text, stamp); });
        return stamps;
    }
    // Position of Text among the last report's texts; -1 when absent.
    Integer IndexOf(const String& Text) const {
        const Page all = Printed();
        const auto at = std::find(all.begin(), all.end(), Text);
        return at == all.end() ? -1 : static_cast<Integer>(at - all.begin());
    }
    // A "yyyy-mm-dd" date in the short date format.
    static String Short(const String& Date) {
        return DateToStr(EncodeDate(static_cast<Word>(std::stoi(Date.substr(0, 4))),
                                    static_cast<Word>(std::stoi(Date.substr(5, 2))),
                                    static_cast<Word>(std::stoi(Date.substr(8, 2)))));
    }
    static String Key(Integer id) { return std::to_string(id); }
    void SearchAllCases() {
        app::MainWindow().Cases().Edit23->SetText("");
        app::gxExtSpeedButton8Click(app::MainWindow(), nullptr);
    }

    struct Sample {
        Integer Case = 0;
        Integer Deposit = 0;
    };
    // A small office: a case with its history and clients, deposits, a partner and a
    // client identification query.
    Sample AddSampleOffice() {
        const Integer id =
            AddCase("Kovács kontra Öböl Kft. kártérítési ügye", "2026-03-02",
                    "Kártérítési per a tavaszi vízkár miatt; a biztosító a kár felét vitatja.");
        AddHistoryEntry(id, "2026-03-04", "", "Megbízási szerződés aláírva");
        AddHistoryEntry(id, "2026-03-05", "/iratok/2026/kereset.pdf",
                        "Kereset beadva a Fővárosi Törvényszékhez", true);
        const Integer person = AddPerson("Őri Ábel", "1970-03-01");
        AddCasePerson(id, "Őri Ábel", person);
        Exec("UPDATE ugy_ugyfel_tsz SET szuletesi_nev='Őri Ábel Ödön', szuletesi_hely='Győr', "
             "anyja_neve='Kiss Éva', allampolgarsag='magyar', azonosito_okmany_tipus='személyi igazolvány', "
             "azonosito_okmany_szama='123456AB', lakcim='1111 Budapest, Fő utca 1.', "
             "tartozkodasi_hely='9021 Győr, Baross út 5.' WHERE ugy=" +
             Key(id));
        Exec(
            "INSERT INTO ugy_ugyfel_szerv (ugy, nev, roviditett_nev, szekhely_cime, fotevekenyseg, kepviselo,"
            " azonosito_okirat_szama, kezbesitesi_megbizott_neve) VALUES (" +
            Key(id) +
            ", 'Öböl Kereskedelmi és Szolgáltató Kft.', 'Öböl Kft.', '1051 Budapest, Nádor utca 9.',"
            " 'Kiskereskedelem', 'Nagy Péter ügyvezető', 'Cg. 01-09-123456', 'Dr. Űrös Ágnes')");
        const Integer account = AddAccount("Ügyvédi letéti számla");
        const Integer deposit = AddDeposit(account, "Kovács Béla", "2026-02-01", 1000000);
        AddMovement(deposit, "2026-02-10", -250000, "Részkifizetés a jogosultnak");
        AddDeposit(account, "Szűcs Erzsébet", "2026-02-02", 4250000);
        Exec("INSERT INTO partner (nev, kepviselo, cim, tel1, tel2, tel3, email, web, megjegyzes) VALUES "
             "('Tükör Fúró Kft.', 'Fehér Ödön', '6720 Szeged, Kárász utca 4.', '62/123-456', '62/123-457', "
             "'', "
             "'iroda@tukor.hu', 'www.tukor.hu', 'Szakértői vélemények')");
        SetSetting("cim", "1052 Budapest, Váci utca 12.");
        AddIdentification(person, id, "2026-03-05", "K-12_1_2026/1");
        return {id, deposit};
    }
    // Runs every print command of the areas and dialogs over the sample.
    void PrintEverything(const Sample& sample) {
        ugyitemfrf->PrintCaseSheet(sample.Case);
        SearchAllCases();
        app::MainWindow().PrintCommands().gxExtSpeedButton45->OnClick(nullptr);
        app::ReloadDepositList(app::MainWindow());
        app::MainWindow().PrintCommands().letetlistaPrint->OnClick(nullptr);
        letet_adatlap->DepositId = sample.Deposit;
        letet_adatlap->FormShow(nullptr);
        letet_adatlap->BitBtn3->OnClick(nullptr);
        app::Partnerlista1Click(app::MainWindow(), nullptr);
        app::MainWindow().PrintCommands().partnerlistaPrint->OnClick(nullptr);
        app::RunDocumentList(app::MainWindow());
        app::MainWindow().PrintCommands().gxExtSpeedButton49->OnClick(nullptr);
        app::RunJubList(app::MainWindow());
        app::MainWindow().PrintCommands().gxExtSpeedButton80->OnClick(nullptr);
        jubmod->JubId = LastKey("jub");
        jubmod->FormShow(nullptr);
        jubmod->BitBtn3->OnClick(nullptr);
    }

    // Draws every prepared page at one and a half times its size into PictureFolder.
    void Render(TrpReport& Report) {
        TrpEMFPages* prepared = Report.EMFPages();
        for (Integer i = 0; i < prepared->Count(); ++i) {
            TBitmap picture(1128, 1606);
            picture.Canvas()->Brush()->SetColor(clWhite);
            picture.Canvas()->FillRect(TRect(0, 0, 1128, 1606));
            prepared->Pages(i)->Visible = true;
            prepared->Draw(i, picture.Canvas(), TRect(0, 0, 1128, 1606));
            picture.SaveToFile(PictureFolder + "/" + Report.Owner()->Name() + "-" + Report.Name() + "-" +
                               std::to_string(i + 1) + ".bmp");
        }
    }

    String PictureFolder;
    // Called with every report handed to the preview, its pages still prepared.
    std::function<void(TrpReport&)> Inspect;
    std::function<void(TrpReport*, const String&)> EnginePreview;
    std::vector<String> Boxes;
    std::vector<String> Captions;
    std::vector<std::vector<Page>> Shown;

private:
    DialogRecorder FDialogs{[this](const ui::DialogRequest& r) {
        Boxes.push_back(r.Caption + ": " + r.Text);
        return ui::DialogAnswer{1, {}};
    }};
    std::function<void(TrpReport*, const String&)> FPreviousPreview;
};

} // namespace apptest
